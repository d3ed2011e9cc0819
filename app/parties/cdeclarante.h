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
    // Checks the declarant; every check runs. No finding: true and
    // `vErrores` Null. Findings: false, and with `blnNoMostrar` they come
    // back in `vErrores`, otherwise the error list shows them and `vErrores`
    // is left alone. A new declarant (Modo 0) whose NIF is stored already
    // sets `blnNifRepetido` (never cleared here).
    bool ValidarDeclarante(bool blnNoMostrar, bool& blnNifRepetido, rt::Variant& vErrores);
    // Key of a stored declarant with the same NIF (blanks around and letter
    // case aside, never a mere beginning); 0 when none or no NIF.
    int32_t DeclaranteRepetido();
    // Stores the declarant (a new one when CODDEC is 0) and answers the
    // stored key; CODDEC stays as it was.
    int32_t GuardarDeclarante();
    // Deletes the declarant CODDEC with its declarations and their entries.
    void EliminarDeclarante();
    // Loads the stored declarant with that key.
    void CargarDeclarante(int32_t lngCoddec);
    // Loads a record in the data server's load order that the caller already
    // holds; the server is not asked.
    void CargarDeclarante(const rt::Variant& vRegistro);
    // The save record: 0 CODDEC, then the fields trimmed as text (numbers in
    // digits), contact telephone last: 1 NIF, 2 Nombre, 3 Siglas,
    // 4 domicilio, 5 numero, 6 letra, 7 Escal, 8 piso, 9 mano, 10 CodProvin,
    // 11 CPost, 12 municipio, 13 Telefono, 14 NombrePd, 15 TelefonoPd.
    rt::Variant RegistroGuardado() const;

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
