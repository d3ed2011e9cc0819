#include "tlecmdb.h"

#include "conexion_dao.h"
#include "quelvort/convert.h"
#include "quelvort/strings.h"

namespace quelvodat {

namespace {

// Column 0 of the first row as upper-cased text, or "" when there is none.
// The statements compare codes without regard to case, as the old engine
// compared texts.
std::string NombreEnMayusculas(const std::string& sql, const std::string& codigo) {
    auto rs = ConexionCompartida().openRecordset(sql, {codigo});
    if (rs->RecordCount() < 1) return "";
    return rt::UCase(rt::CStr(rs->Field(0)));
}

}  // namespace

std::string cTLecMDB::ObtenerDescriVia() {
    return NombreEnMayusculas(
        idioma_ == 0 ? "SELECT CAS FROM TSIGLASVIA WHERE codigo = ? COLLATE NOCASE"
                     : "SELECT EUS FROM TSIGLASVIA WHERE codigo = ? COLLATE NOCASE",
        viaCod_);
}

std::string cTLecMDB::ObtenerNombreProvincia() {
    return NombreEnMayusculas(
        idioma_ == 0 ? "SELECT PRO_CAS FROM TPROVINCIAS WHERE PRO_ID = ? COLLATE NOCASE"
                     : "SELECT PRO_EUS FROM TPROVINCIAS WHERE PRO_ID = ? COLLATE NOCASE",
        provCod_);
}

std::string cTLecMDB::ObtenerNombrePais() {
    return NombreEnMayusculas(
        idioma_ == 0 ? "SELECT PAIS FROM TSiglasPais WHERE SIGLASPAIS = ? COLLATE NOCASE"
                     : "SELECT paiseus FROM TSiglasPais WHERE SIGLASPAIS = ? COLLATE NOCASE",
        paisCod_);
}

std::string cTLecMDB::ObtenerDesClave() {
    bool euros = moneda_ == "E";
    std::string columna = idioma_ == 0 ? (euros ? "descripcionc" : "descripcionce")
                                       : (euros ? "descripcione" : "descripcionee");
    return NombreEnMayusculas(
        "SELECT " + columna + " FROM TOperacionesMod WHERE codigo = ? COLLATE NOCASE", claveCod_);
}

std::string cTLecMDB::RecogerRutaURL(uint8_t btRegistro) {
    auto rs = ConexionCompartida().openRecordset("SELECT * FROM tgeneral ORDER BY rowid");
    if (btRegistro != 1) rs->MoveNext();
    return rt::CStr(rs->Field(0));
}

std::string cTLecMDB::URLAct() {
    auto rs = ConexionCompartida().openRecordset("SELECT URLAct FROM tgeneral ORDER BY rowid");
    if (rs->RecordCount() < 1) return "";
    return rt::CStr(rs->Field(0));
}

}  // namespace quelvodat
