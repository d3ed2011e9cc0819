#pragma once
// The current declarant of the program, with the flags through which the
// declarant editor, the picker and the declarations window hand over to each
// other. Declarants are read and stored only through the data server.
#include <QString>
#include <cstdint>

#include "parties/datos_persona.h"
#include "quelvort/variant.h"

namespace quelvo {

class cDeclarante : public cDatosPersona {
public:
    // Picker mode: 0 open the chosen declarant, 1 delete it.
    int32_t AbrirBorrar() const { return AbrirBorrar_; }
    void AbrirBorrar(int32_t v) { AbrirBorrar_ = v; }
    // Every declarant, (field, row): 0 key, 1 NIF, 2 name, by NIF; Null when none.
    const rt::Variant& vBufferDeclarantes() const { return vBufferDeclarantes_; }
    void vBufferDeclarantes(const rt::Variant& v) { vBufferDeclarantes_ = v; }
    // Where the editor was opened from: 0 the main window, 1 the declarations window.
    int32_t Procedencia() const { return Procedencia_; }
    void Procedencia(int32_t v) { Procedencia_ = v; }
    // 0 new declarant, 1 the declarant CODDEC is open, 2 none.
    int32_t Modo() const { return Modo_; }
    void Modo(int32_t v) { Modo_ = v; }
    // Key of the current declarant; 0 for none or a new one.
    int32_t CODDEC() const { return CODDEC_; }
    void CODDEC(int32_t v) { CODDEC_ = v; }
    // Contact person and telephone.
    const QString& NombrePd() const { return NombrePd_; }
    void NombrePd(const QString& v) { NombrePd_ = v; }
    int32_t TelefonoPd() const { return TelefonoPd_; }
    void TelefonoPd(int32_t v) { TelefonoPd_ = v; }
    // The four declarants with the highest keys, highest first; Null when none.
    const rt::Variant& vBufferUltimos() const { return vBufferUltimos_; }
    void vBufferUltimos(const rt::Variant& v) { vBufferUltimos_ = v; }

    void ObtenerUltimosDeclarantes();
    // Clears the modified flag; Modo 1 loads CODDEC, Modo 0 or 2 sets the
    // defaults of a new declarant, any other Modo leaves the fields alone.
    void InicializaDatos();
    void ObtenerDeclarantes();
    // Loads the stored declarant with that key.
    void CargarDeclarante(int32_t lngCoddec);
    // Loads a record in the data server's load order that the caller already
    // holds; the server is not asked.
    void CargarDeclarante(const rt::Variant& vRegistro);

private:
    int32_t AbrirBorrar_ = 0;
    rt::Variant vBufferDeclarantes_;
    int32_t Procedencia_ = 0;
    int32_t Modo_ = 0;
    int32_t CODDEC_ = 0;
    QString NombrePd_;
    int32_t TelefonoPd_ = 0;
    rt::Variant vBufferUltimos_;
};

}  // namespace quelvo
