#include "tdeclarados.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "conexion_dao.h"
#include "errores.h"
#include "general.h"
#include "sqlite_database.h"
#include "quelvort/convert.h"

namespace quelvodat {

void cTDeclarados::datTDeclarados_razon(std::string valor) {
    razon_ = Blanco(General::EscaparComillas(valor));
}

int32_t cTDeclarados::Contar() {
    // The index alone answers: no entry is read.
    auto st = ConexionCompartida().BaseSeleccionada().prepare(
        "SELECT count(*) FROM tOperadores WHERE coddeclar = ?");
    st.bind(1, coddeclar_);
    if (!st.step()) return 0;
    constexpr int64_t kMaximo = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::min(st.columnInt(0), kMaximo));
}

bool cTDeclarados::Borrar(int32_t lngDeclaracion) {
    ConexionCompartida().execute("DELETE FROM tOperadores WHERE coddeclar = ?", {lngDeclaracion});
    return true;
}

bool cTDeclarados::DeclaradosCoincidentes(bool blnEditar) {
    // Text comparisons ignore letter case, as the stored data expects.
    constexpr std::string_view kIguales =
        "SELECT count(*) FROM tOperadores WHERE coddeclar = ? AND nifo = ? COLLATE NOCASE "
        "AND claveopo = ? COLLATE NOCASE AND ejercicioo = ? AND periodoo = ? "
        "AND triangularo = ? COLLATE NOCASE";
    constexpr std::string_view kOtrosIguales =
        "SELECT count(*) FROM tOperadores WHERE coddeclar = ? AND nifo = ? COLLATE NOCASE "
        "AND claveopo = ? COLLATE NOCASE AND ejercicioo = ? AND periodoo = ? "
        "AND triangularo = ? COLLATE NOCASE AND codope <> ?";
    auto st = ConexionCompartida().BaseSeleccionada().prepare(blnEditar ? kOtrosIguales : kIguales);
    st.bindValues(coddeclar_, nifo_, claveopo_, ejercicioo_, int32_t{periodoo_}, triangularo_);
    if (blnEditar) st.bind(7, codope_);
    return st.step() && st.columnInt(0) > 0;
}

int32_t cTDeclarados::Insertar() {
    auto& db = ConexionCompartida().BaseSeleccionada();
    auto st = db.prepare(
        "INSERT INTO tOperadores (coddeclar, paiso, paisaux, nifo, razon, tipoopo, claveopo, "
        "base, signoo, ejercicioo, periodoo, periodicidad, triangularo) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    st.bindValues(coddeclar_, paiso_, paisaux_, nifo_, razon_, tipoopo_, claveopo_, importe_,
                  signoo_, ejercicioo_, int32_t{periodoo_}, int32_t{periodicidad_}, triangularo_);
    while (st.step()) {
    }
    // The row this statement made, whatever other keys the table holds.
    codope_ = static_cast<int32_t>(db.lastInsertRowId());
    return codope_;
}

bool cTDeclarados::Modificar() {
    if (codope_ < 1) return false;
    auto cambiadas = ConexionCompartida().execute(
        "UPDATE tOperadores SET coddeclar = ?, paiso = ?, paisaux = ?, nifo = ?, razon = ?, "
        "tipoopo = ?, claveopo = ?, base = ?, signoo = ?, ejercicioo = ?, periodoo = ?, "
        "periodicidad = ?, triangularo = ? WHERE codope = ?",
        {coddeclar_, paiso_, paisaux_, nifo_, razon_, tipoopo_, claveopo_, importe_, signoo_,
         ejercicioo_, periodoo_, periodicidad_, triangularo_, codope_});
    // A save that reaches no row must not pass for a saved entry.
    if (cambiadas == 0) throw ErrorNoExiste("el declarado", codope_);
    return true;
}

rt::Variant cTDeclarados::ObtenerDeclarados() {
    return ConUbicacion("cTDeclarados.ObtenerDeclarados", [&] {
        return ConexionCompartida().LeerMatriz(
            "SELECT codope, paiso, nifo, razon, claveopo, base, tipoopo FROM tOperadores "
            "WHERE coddeclar = ? ORDER BY codope",
            {coddeclar_}, General::kLista, Contar());
    });
}

rt::Variant cTDeclarados::ObtenerTodosLosDecl() {
    return ConUbicacion("cTDeclarados.ObtenerTodosLosDecl", [&] {
        return ConexionCompartida().LeerMatriz(
            // Named, in the order ColumnaOperadores gives them, whatever the
            // order of the table in the file.
            "SELECT codope, coddeclar, paiso, paisaux, nifo, razon, tipoopo, claveopo, base, "
            "signoo, ejercicioo, periodoo, triangularo, periodicidad FROM tOperadores "
            "WHERE coddeclar = ? "
            "ORDER BY claveopo COLLATE ES, nifo COLLATE ES, codope",
            {coddeclar_}, General::kLista, Contar());
    });
}

int32_t cTDeclarados::comprobarBaseImpNegativas() {
    return ConUbicacion("cTDeclarados.comprobarBaseImpNegativas", [&] {
        auto rs = ConexionCompartida().openRecordset(
            "SELECT count(*) FROM tOperadores WHERE coddeclar = ? AND base < 0", {coddeclar_});
        return rt::CLng(rs->Field(0));
    });
}

bool cTDeclarados::TieneDeclarados() {
    return ConUbicacion("cTDeclarados.TieneDeclarados", [&] {
        // The first entry found answers: the declaration's entries are not read.
        auto rs = ConexionCompartida().openRecordset(
            "SELECT EXISTS (SELECT 1 FROM tOperadores WHERE coddeclar = ?)", {coddeclar_});
        return rt::CLng(rs->Field(0)) != 0;
    });
}

rt::Variant cTDeclarados::CargarDeclarado() {
    return ConUbicacion("cTDeclarados.CargarDeclarado", [&] {
        return ConexionCompartida().LeerMatriz(
            "SELECT coddeclar, paiso, nifo, razon, claveopo, base, signoo, ejercicioo, periodoo, "
            "triangularo, periodicidad, tipoopo FROM tOperadores WHERE codope = ?",
            {codope_}, General::kUnaFila);
    });
}

bool cTDeclarados::EliminarDeclarado() {
    ConexionCompartida().execute("DELETE FROM tOperadores WHERE codope = ?", {codope_});
    return true;
}

rt::Variant cTDeclarados::ObtenerTotalDeclarados() {
    // Before 2010 the totals go by operation key, from 2010 by operation type.
    const char* sql = ejercicioo_ < 2010
                          ? "SELECT claveopo, sum(base), count(codope) FROM tOperadores "
                            "WHERE coddeclar = ? GROUP BY claveopo COLLATE NOCASE "
                            "ORDER BY claveopo COLLATE NOCASE"
                          : "SELECT tipoopo, sum(base), count(codope) FROM tOperadores "
                            "WHERE coddeclar = ? GROUP BY tipoopo COLLATE NOCASE "
                            "ORDER BY tipoopo COLLATE NOCASE";
    return ConexionCompartida().LeerMatriz(sql, {coddeclar_}, General::kLista);
}

rt::Variant cTDeclarados::ObtenerTotalDeclaradosVarDtes(const rt::Variant& vBuffer,
                                                        int32_t lngEjercicio,
                                                        uint8_t btePeriodo) {
    if (vBuffer.isEmpty() || vBuffer.isNull()) return rt::Variant::Null();
    if (!vBuffer.isArray()) throw rt::Error::Runtime(rt::err::TypeMismatch, "Quelvodat");
    // The keys travel as one JSON array: any number of them, no SQL text.
    std::string claves;
    for (int32_t i = rt::LBound(vBuffer), fin = rt::UBound(vBuffer); i <= fin; ++i)
        claves += (claves.empty() ? "" : ",") + std::to_string(rt::CLng(vBuffer(i)));
    if (claves.empty()) return rt::Variant::Null();
    return ConexionCompartida().LeerMatriz(
        "SELECT tOperadores.claveopo, sum(tOperadores.base), count(tOperadores.codope) "
        "FROM (TDeclarante INNER JOIN TDeclaraciones "
        "ON TDeclarante.coddec = TDeclaraciones.coddecr) "
        "INNER JOIN tOperadores ON TDeclaraciones.coddecla = tOperadores.coddeclar "
        "WHERE TDeclarante.coddec IN (SELECT value FROM json_each(?)) "
        "AND TDeclaraciones.ejercicio = ? AND TDeclaraciones.periodo = ? "
        "GROUP BY tOperadores.claveopo COLLATE NOCASE "
        "ORDER BY tOperadores.claveopo COLLATE NOCASE",
        {"[" + claves + "]", lngEjercicio, static_cast<int32_t>(btePeriodo)}, General::kLista);
}

int32_t cTDeclarados::ObtenerAnoPais() {
    auto& db = ConexionCompartida().BaseSeleccionada();
    // The reference database is read-only: a code answers the same each time.
    const std::string clave = "TSiglasPais:" + paiso_;
    if (const int32_t* fecha = db.remembered(clave)) return *fecha;
    auto st = db.prepare(
        "SELECT ejercicio, periodo FROM TSiglasPais WHERE SIGLASPAIS = ? COLLATE NOCASE");
    st.bind(1, paiso_);
    if (!st.step()) {
        db.remember(clave, 0);
        return 0;
    }
    // A Null start fails (invalid use of Null) rather than pass for "unknown".
    int64_t fecha = int64_t{rt::CLng(st.column(0))} * 100 + rt::CLng(st.column(1));
    if (fecha > std::numeric_limits<int32_t>::max() || fecha < std::numeric_limits<int32_t>::min())
        throw rt::Error::Runtime(rt::err::Overflow, "Quelvodat");
    db.remember(clave, static_cast<int32_t>(fecha));
    return static_cast<int32_t>(fecha);
}

}  // namespace quelvodat
