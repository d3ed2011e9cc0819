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

private:
    int32_t CODPRES_ = 0;
    QString NombreP_;
    int32_t TelefonoP_ = 0;
};

}  // namespace quelvo
