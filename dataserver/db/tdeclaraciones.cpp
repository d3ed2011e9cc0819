#include "tdeclaraciones.h"

#include "conexion_dao.h"
#include "general.h"
#include "quelvort/convert.h"
#include "quelvort/strings.h"
#include "tdeclarados.h"

namespace quelvodat {

rt::Variant cTDeclaraciones::ObtenerDeclaraciones(int32_t lngDeclarante) {
    return ConUbicacion("cTDeclaraciones.ObtenerDeclaraciones", [&] {
        return ConexionCompartida().LeerMatriz(
            "SELECT coddecla, ejercicio, periodo, moneda, periodicidad, bimensual "
            "FROM TDeclaraciones WHERE coddecr = ? ORDER BY ejercicio, periodo, coddecla",
            {lngDeclarante}, General::kLista);
    });
}

int32_t cTDeclaraciones::ObtenerDeclaracion() {
    return ConUbicacion("cTDeclaraciones.ObtenerDeclaracion", [&] {
        auto rs = ConexionCompartida().openRecordset(
            "SELECT coddecla FROM TDeclaraciones WHERE coddecr = ? AND ejercicio = ? "
            "AND periodo = ? AND periodicidad = ? ORDER BY coddecla",
            {codDecr_, ejercicio_, periodo_, periodicidad_});
        return rs->Eof() ? 0 : rt::CLng(rs->Field(0));
    });
}

int32_t cTDeclaraciones::ObtenerDeclaracionAno() {
    return ConUbicacion("cTDeclaraciones.ObtenerDeclaracionAno", [&] {
        auto rs = ConexionCompartida().openRecordset(
            "SELECT coddecla FROM TDeclaraciones WHERE coddecr = ? AND ejercicio = ? "
            "ORDER BY coddecla",
            {codDecr_, ejercicio_});
        return rs->Eof() ? 0 : rt::CLng(rs->Field(0));
    });
}

std::string cTDeclaraciones::ObtenerBimensualidad() {
    return ConUbicacion("cTDeclaraciones.ObtenerBimensualidad", [&] {
        // The key of the declaration travels in CodDecr.
        auto rs = ConexionCompartida().openRecordset(
            "SELECT bimensual FROM TDeclaraciones WHERE coddecla = ?", {codDecr_});
        if (rs->Eof() || rs->Field(0).isNull()) return std::string();
        return rt::Trim(rt::CStr(rs->Field(0))).empty() ? std::string() : std::string("X");
    });
}

int32_t cTDeclaraciones::Insertar() {
    auto& db = ConexionCompartida().BaseSeleccionada();
    auto st = db.prepare(
        "INSERT INTO TDeclaraciones (coddecr, ejercicio, periodo, moneda, periodicidad, "
        "bimensual) VALUES (?, ?, ?, ?, ?, ?)");
    st.bindValues(codDecr_, ejercicio_, int32_t{periodo_}, moneda_, int32_t{periodicidad_},
                  bimensual_);
    while (st.step()) {
    }
    // The row this statement made, whatever other keys the table holds.
    return static_cast<int32_t>(db.lastInsertRowId());
}

bool cTDeclaraciones::BorrarTodas(int32_t lngDeclarante) {
    // Two set statements instead of a loop over the declarations: no counter
    // to overflow and no declaration left half deleted.
    auto& conexion = ConexionCompartida();
    conexion.execute(
        "DELETE FROM tOperadores WHERE coddeclar IN "
        "(SELECT coddecla FROM TDeclaraciones WHERE coddecr = ?)",
        {lngDeclarante});
    conexion.execute("DELETE FROM TDeclaraciones WHERE coddecr = ?", {lngDeclarante});
    return true;
}

bool cTDeclaraciones::Borrar() {
    cTDeclarados declarados;
    declarados.Borrar(codDecla_);
    ConexionCompartida().execute("DELETE FROM TDeclaraciones WHERE coddecla = ?", {codDecla_});
    return true;
}

rt::Variant cTDeclaraciones::MaxEjerPer(bool blnSoloEuros, int16_t intEjerMin) {
    std::string filtro;
    if (blnSoloEuros) {
        filtro = " WHERE moneda = 'E' COLLATE NOCASE";
        // Every positive minimum means the first euro exercise.
        if (intEjerMin > 0) filtro += " AND ejercicio >= 2002";
    }
    return ConexionCompartida().LeerMatriz(
        "SELECT DISTINCT ejercicio, periodo, moneda, periodicidad FROM TDeclaraciones" + filtro +
        " ORDER BY ejercicio DESC, periodo DESC, periodicidad DESC LIMIT 1",
        {}, General::kUnaFila);
}

std::string cTDeclaraciones::ObtenerMonedaDcion() {
    auto rs = ConexionCompartida().openRecordset(
        "SELECT moneda FROM TDeclaraciones WHERE coddecla = ?", {codDecla_});
    if (rs->Eof()) return "E";
    return rs->Field(0).isNull() ? std::string() : rt::CStr(rs->Field(0));
}

}  // namespace quelvodat
