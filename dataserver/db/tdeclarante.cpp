#include "tdeclarante.h"

#include "conexion_dao.h"
#include "errores.h"
#include "general.h"
#include "valores_columna.h"

namespace quelvodat {

void cTDeclarante::datTDeclarante_dni_cifd(const std::string& valor) {
    dni_cifd_ = TextoGuardado(valor);
}
void cTDeclarante::datTDeclarante_nombred(const std::string& valor) {
    nombred_ = TextoGuardadoEscapado(valor);
}
void cTDeclarante::datTDeclarante_domiciliod(const std::string& valor) {
    domiciliod_ = TextoGuardadoEscapado(valor);
}
void cTDeclarante::datTDeclarante_viad(const std::string& valor) {
    viad_ = TextoGuardadoEscapado(valor);
}
void cTDeclarante::datTDeclarante_letrad(const std::string& valor) {
    letrad_ = TextoGuardadoEscapado(valor);
}
void cTDeclarante::datTDeclarante_escalerad(const std::string& valor) {
    escalerad_ = TextoGuardadoEscapado(valor);
}
void cTDeclarante::datTDeclarante_pisod(const std::string& valor) {
    pisod_ = TextoGuardadoEscapado(valor);
}
void cTDeclarante::datTDeclarante_manod(const std::string& valor) {
    manod_ = TextoGuardadoEscapado(valor);
}
void cTDeclarante::datTDeclarante_municipiod(const std::string& valor) {
    municipiod_ = TextoGuardadoEscapado(valor);
}
void cTDeclarante::datTDeclarante_nombrepd(const std::string& valor) {
    nombrepd_ = TextoGuardadoEscapado(valor);
}

bool cTDeclarante::Insertar() {
    auto& db = ConexionCompartida().BaseSeleccionada();
    auto st = db.prepare(
        "INSERT INTO TDeclarante (dni_cifd, nombred, viad, domiciliod, numerod, letrad, "
        "escalerad, pisod, manod, cod, codpostald, municipiod, telefonod, nombrepd, telefonopd) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    st.bindValues(dni_cifd_, nombred_, viad_, domiciliod_, numerod_, letrad_, escalerad_, pisod_,
                  manod_, cod_, codpostald_, municipiod_, telefonod_, nombrepd_, telefonopd_);
    while (st.step()) {
    }
    // The row this statement made, whatever other keys the table holds.
    coddec_ = static_cast<int32_t>(db.lastInsertRowId());
    return true;
}

bool cTDeclarante::Borrar() {
    ConexionCompartida().execute("DELETE FROM TDeclarante WHERE coddec = ?", {coddec_});
    return true;
}

bool cTDeclarante::Modificar() {
    if (coddec_ < 1) return false;
    // A key no row has would save nothing while the caller believes it saved.
    int64_t cambiadas = ConexionCompartida().execute(
        "UPDATE TDeclarante SET dni_cifd = ?, nombred = ?, viad = ?, domiciliod = ?, "
        "numerod = ?, letrad = ?, escalerad = ?, pisod = ?, manod = ?, cod = ?, "
        "codpostald = ?, municipiod = ?, telefonod = ?, nombrepd = ?, telefonopd = ? "
        "WHERE coddec = ?",
        {dni_cifd_, nombred_, viad_, domiciliod_, numerod_, letrad_, escalerad_, pisod_, manod_,
         cod_, codpostald_, municipiod_, telefonod_, nombrepd_, telefonopd_, coddec_});
    if (cambiadas == 0) throw ErrorNoExiste("el declarante", coddec_);
    return true;
}

bool cTDeclarante::Seleccionar() {
    if (coddec_ < 1) return false;
    auto rs = ConexionCompartida().openRecordset("SELECT * FROM TDeclarante WHERE coddec = ?",
                                                 {coddec_});
    if (rs->Eof()) throw ErrorNoExiste("el declarante", coddec_);
    // Read as stored: no blank for empty and no escaping again.
    dni_cifd_ = TextoRecortadoDeFila(*rs, "dni_cifd");
    nombred_ = TextoRecortadoDeFila(*rs, "nombred");
    viad_ = TextoRecortadoDeFila(*rs, "viad");
    domiciliod_ = TextoRecortadoDeFila(*rs, "domiciliod");
    numerod_ = EnteroDeFila(*rs, "numerod");
    letrad_ = TextoRecortadoDeFila(*rs, "letrad");
    escalerad_ = TextoRecortadoDeFila(*rs, "escalerad");
    pisod_ = TextoRecortadoDeFila(*rs, "pisod");
    manod_ = TextoRecortadoDeFila(*rs, "manod");
    cod_ = EnteroDeFila(*rs, "cod");
    codpostald_ = EnteroDeFila(*rs, "codpostald");
    municipiod_ = TextoRecortadoDeFila(*rs, "municipiod");
    telefonod_ = EnteroDeFila(*rs, "telefonod");
    nombrepd_ = TextoDeFila(*rs, "NombrePd");
    telefonopd_ = EnteroDeFila(*rs, "TelefonoPd");
    return true;
}

rt::Variant cTDeclarante::ObtenerDeclarantes() {
    return ConUbicacion("cTDeclarante.ObtenerDeclarantes", [&] {
        return ConexionCompartida().LeerMatriz(
            "SELECT coddec, dni_cifd, nombred FROM TDeclarante "
            "ORDER BY dni_cifd COLLATE ES ASC, coddec", {}, General::kLista);
    });
}

rt::Variant cTDeclarante::ObtenerUltimosDeclarantes() {
    return ConUbicacion("cTDeclarante.ObtenerUltimosDeclarantes", [&] {
        return ConexionCompartida().LeerMatriz(
            "SELECT coddec, dni_cifd, nombred FROM TDeclarante ORDER BY coddec DESC LIMIT 4", {},
            General::kLista);
    });
}

int32_t cTDeclarante::ExisteNif() {
    if (dni_cifd_.empty()) return 0;
    // A prefix of the literal text: "%", "_" or "*" in a NIF are no wildcards.
    auto rs = ConexionCompartida().openRecordset(
        "SELECT coddec FROM TDeclarante "
        "WHERE substr(dni_cifd, 1, length(?1)) = ?1 COLLATE NOCASE ORDER BY coddec LIMIT 1",
        {dni_cifd_});
    return rs->Eof() ? 0 : rt::CLng(rs->Field(0));
}

}  // namespace quelvodat
