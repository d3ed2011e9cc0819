#include "tpresentador.h"

#include "errores.h"

#include "conexion_dao.h"
#include "valores_columna.h"

namespace quelvodat {

void cTPresentador::datTPresentador_dni_cif(const std::string& valor) {
    dni_cif_ = TextoGuardado(valor);
}
void cTPresentador::datTPresentador_nombre(const std::string& valor) {
    nombre_ = TextoGuardadoEscapado(valor);
}
void cTPresentador::datTPresentador_domicilio(const std::string& valor) {
    domicilio_ = TextoGuardadoEscapado(valor);
}
void cTPresentador::datTPresentador_via(const std::string& valor) { via_ = TextoGuardado(valor); }
void cTPresentador::datTPresentador_letra(const std::string& valor) {
    letra_ = TextoGuardadoEscapado(valor);
}
void cTPresentador::datTPresentador_escalera(const std::string& valor) {
    escalera_ = TextoGuardadoEscapado(valor);
}
void cTPresentador::datTPresentador_piso(const std::string& valor) {
    piso_ = TextoGuardadoEscapado(valor);
}
void cTPresentador::datTPresentador_mano(const std::string& valor) {
    mano_ = TextoGuardadoEscapado(valor);
}
void cTPresentador::datTPresentador_municipio(const std::string& valor) {
    municipio_ = TextoGuardadoEscapado(valor);
}
void cTPresentador::datTPresentador_nombrep(const std::string& valor) {
    nombrep_ = TextoGuardadoEscapado(valor);
}

bool cTPresentador::Insertar() {
    auto& conexion = ConexionCompartida();
    conexion.execute(
        "INSERT INTO TPresentador (dni_cif, nombre, via, domicilio, numero, letra, escalera, "
        "piso, mano, cod, codpostal, municipio, telefono, nombrep, telefonop) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
        {dni_cif_, nombre_, via_, domicilio_, numero_, letra_, escalera_, piso_, mano_, cod_,
         codpostal_, municipio_, telefono_, nombrep_, telefonop_});
    codpres_ = static_cast<int32_t>(conexion.BaseSeleccionada().lastInsertRowId());
    return true;
}

void cTPresentador::Borrar() {
    ConexionCompartida().execute("DELETE FROM TPresentador WHERE codpres = ?", {codpres_});
}

bool cTPresentador::Modificar() {
    if (codpres_ < 1) return false;
    // A key no row has would save nothing while the caller believes it saved.
    int64_t cambiadas = ConexionCompartida().execute(
        "UPDATE TPresentador SET dni_cif = ?, nombre = ?, via = ?, domicilio = ?, numero = ?, "
        "letra = ?, escalera = ?, piso = ?, mano = ?, cod = ?, codpostal = ?, municipio = ?, "
        "telefono = ?, nombrep = ?, telefonop = ? WHERE codpres = ?",
        {dni_cif_, nombre_, via_, domicilio_, numero_, letra_, escalera_, piso_, mano_, cod_,
         codpostal_, municipio_, telefono_, nombrep_, telefonop_, codpres_});
    if (cambiadas == 0) throw ErrorNoExiste("el presentador", codpres_);
    return true;
}

bool cTPresentador::Seleccionar() {
    // The system keeps one presenter; should an older file hold more, the
    // first one made is the presenter.
    auto rs = ConexionCompartida().openRecordset(
        "SELECT * FROM TPresentador ORDER BY codpres LIMIT 1");
    if (rs->Eof()) return false;
    // Read as stored: no blank for empty and no escaping again.
    codpres_ = rt::CLng(rt::Trim(TextoDeFila(*rs, "codpres")));
    dni_cif_ = TextoRecortadoDeFila(*rs, "dni_cif");
    nombre_ = TextoRecortadoDeFila(*rs, "nombre");
    via_ = TextoRecortadoDeFila(*rs, "via");
    domicilio_ = TextoRecortadoDeFila(*rs, "domicilio");
    numero_ = EnteroDeFila(*rs, "Numero");
    letra_ = TextoRecortadoDeFila(*rs, "letra");
    escalera_ = TextoRecortadoDeFila(*rs, "escalera");
    piso_ = TextoRecortadoDeFila(*rs, "piso");
    mano_ = TextoRecortadoDeFila(*rs, "mano");
    cod_ = EnteroDeFila(*rs, "cod");
    municipio_ = TextoRecortadoDeFila(*rs, "municipio");
    codpostal_ = EnteroDeFila(*rs, "codpostal");
    telefono_ = EnteroDeFila(*rs, "telefono");
    nombrep_ = TextoDeFila(*rs, "nombrep");
    telefonop_ = EnteroDeFila(*rs, "telefonop");
    return true;
}

}  // namespace quelvodat
