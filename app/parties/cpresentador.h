#pragma once
// The one presenter of the user database (the first row of its presenters),
// held for the presenter editor, printing and the submission file. Read only
// through the data server.
#include <QString>
#include <cstdint>

#include "parties/datos_persona.h"
#include "quelvort/variant.h"

namespace quelvo {

class cPresentador : public cDatosPersona {
public:
    // Key of the stored presenter; 0 when none is stored. Only a load or a
    // deletion changes it.
    int32_t CODPRES() const { return CODPRES_; }
    // Contact person and telephone.
    const QString& NombreP() const { return NombreP_; }
    void NombreP(const QString& v) { NombreP_ = v; }
    int32_t TelefonoP() const { return TelefonoP_; }
    void TelefonoP(int32_t v) { TelefonoP_ = v; }

    // Clears the modified flag and reloads the stored presenter.
    void InicializaDatos();
    // Loads the stored presenter (key 0 and empty fields when there is none).
    void CargarPresentador();
    // Loads a record in the data server's load order; Null changes nothing.
    void CargarPresentador(const rt::Variant& vBuffer);
    // Stores the fields (the first presenter when CODPRES is 0); CODPRES
    // stays as it was until the next load.
    void GuardarPresentador();
    // Deletes the stored presenter; CODPRES becomes 0, the other fields stay
    // until the next load.
    void EliminarPresentador();
    // Checks the presenter; every check runs. Findings are shown in the error
    // list and give false.
    bool ValidarPresentador();
    // The presenter for the submission file's presenter record: the save
    // order's fields with 10 the province as two digits and 11 the last
    // three postal digits, both as text.
    rt::Variant CargarPresParaExport() const;
    // The save record: the fields as held, each in its own type; municipality
    // at 11 and postal code at 12.
    rt::Variant RegistroGuardado() const;

private:
    int32_t CODPRES_ = 0;
    QString NombreP_;
    int32_t TelefonoP_ = 0;
};

}  // namespace quelvo
