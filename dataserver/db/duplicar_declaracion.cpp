// The copy of a declaration with its entries, adapted to the new exercise,
// period, periodicity and currency.
#include <cmath>
#include <optional>
#include <string>

#include "cdeclaraciones.h"
#include "conexion_dao.h"
#include "errores.h"
#include "quelvort/convert.h"
#include "quelvort/strings.h"
#include "tdeclaraciones.h"
#include "tdeclarados.h"

namespace quelvodat {

namespace {

constexpr double kPesetasPorEuro = 166.386;

std::string TextoDe(const rt::Variant& valor) {
    return valor.isNull() ? std::string() : rt::CStr(valor);
}

// The base in the new currency, rounded to whole units with halves to even.
rt::Variant BaseConvertida(const rt::Variant& base, const std::string& strConversor) {
    std::string operador = rt::Trim(strConversor);
    if (base.isNull() || (operador != "/" && operador != "*")) return base;
    double valor = rt::CDbl(base);
    double convertida = operador == "/" ? valor / kPesetasPorEuro : valor * kPesetasPorEuro;
    if (!std::isfinite(convertida)) throw rt::Error::Runtime(rt::err::Overflow, "Quelvodat");
    return rt::RoundHalfEven(convertida);
}

// The old keys 1 to 4 by their numeric value; nothing for any other text.
std::optional<double> ClaveNumerica(const std::string& clave) {
    return rt::ParseSpanishNumber(rt::Trim(clave));
}

// Whether a rectification fits before the new declaration's period: one of a
// later exercise never does, one of the same exercise only when its period
// ends before the new period begins (never for an annual declaration).
bool RectificacionCabe(int32_t ejercicioo, int32_t periodoo, int32_t lngEjercicio,
                       int32_t btePeriodo, int32_t btePeriodicidad) {
    if (ejercicioo < lngEjercicio) return true;
    if (ejercicioo > lngEjercicio || btePeriodicidad == 3) return false;
    int32_t inicio = btePeriodicidad == 2 ? btePeriodo - 2 : btePeriodo;
    return periodoo < inicio;
}

}  // namespace

int32_t cDeclaraciones::DuplicarDeclaracion(int32_t lngEjercicio, uint8_t btePeriodo,
                                            uint8_t btePeriodicidad,
                                            const std::string& strMoneda,
                                            int32_t lngCodDeclaOrigen,
                                            const std::string& strConversor,
                                            const std::string& strBimensual,
                                            int32_t intEjerOrg) try {
    cTDeclaraciones tabla;
    tabla.datTDeclaraciones_CodDecla(lngCodDeclaOrigen);
    tabla.datTDeclaraciones_Ejercicio(lngEjercicio);
    tabla.datTDeclaraciones_periodo(btePeriodo);
    tabla.datTDeclaraciones_periodicidad(btePeriodicidad);
    tabla.datTDeclaraciones_Moneda(strMoneda);
    // The bimonthly mark exists only for the second month of a two-month span
    // from 2010; the origin's mark is never carried over.
    if (!rt::Trim(strBimensual).empty()) {
        bool bimestral = btePeriodo == 2 || btePeriodo == 5 || btePeriodo == 8 || btePeriodo == 11;
        tabla.datTDeclaraciones_bimensual(bimestral && lngEjercicio >= 2010 ? strBimensual : "");
    }

    UsoBD uso(bd794mod, mdbmod_);
    sqlite::Transaction tx(uso.base());
    int32_t nueva = tabla.DuplicarDeclaracion();
    cTDeclarados declarados;
    declarados.DuplicarDeclarados(nueva, lngCodDeclaOrigen, strConversor, lngEjercicio,
                                  btePeriodo, btePeriodicidad, intEjerOrg);
    tx.commit();
    return nueva;
} catch (const rt::Error& e) {
    throw rt::WithLocationBlank(e, "cDeclaraciones.DuplicarDeclaracion");
}

int32_t cTDeclaraciones::DuplicarDeclaracion() {
    auto& conexion = ConexionCompartida();
    auto insertadas = conexion.execute(
        "INSERT INTO TDeclaraciones (coddecr, ejercicio, periodo, moneda, periodicidad, "
        "bimensual) SELECT coddecr, ?, ?, ?, ?, ? FROM TDeclaraciones WHERE coddecla = ?",
        {ejercicio_, periodo_, moneda_, periodicidad_, bimensual_, codDecla_});
    if (insertadas == 0) throw ErrorNoExiste("la declaración", codDecla_);
    return static_cast<int32_t>(conexion.BaseSeleccionada().lastInsertRowId());
}

void cTDeclarados::DuplicarDeclarados(int32_t lngCodDeclaNueva, int32_t lngCodDeclaOrigen,
                                      const std::string& strConversor, int32_t lngEjercicio,
                                      uint8_t btePeriodo, uint8_t btePeriodicidad,
                                      int32_t intEjerOrg) {
    auto& conexion = ConexionCompartida();
    auto rs = conexion.openRecordset(
        "SELECT paiso, paisaux, nifo, razon, claveopo, base, signoo, ejercicioo, periodoo, "
        "triangularo, tipoopo, periodicidad FROM tOperadores WHERE coddeclar = ? "
        "ORDER BY codope",
        {lngCodDeclaOrigen});
    const bool recodificar = lngEjercicio >= 2010 && intEjerOrg < 2010;
    // Keys M and H exist only from the second half of 2011.
    const bool sinMyH =
        lngEjercicio >= 2010 && int64_t{lngEjercicio} * 100 + btePeriodo <= 201106;

    for (; !rs->Eof(); rs->MoveNext()) {
        const auto& f = *rs;
        std::string claveopo = TextoDe(f.Field("claveopo"));
        std::string triangularo = TextoDe(f.Field("triangularo"));
        std::string tipoopo = TextoDe(f.Field("tipoopo"));
        rt::Variant base = BaseConvertida(f.Field("base"), strConversor);

        if (recodificar) {
            auto numero = ClaveNumerica(claveopo);
            if (numero && (*numero == 1 || *numero == 3))
                claveopo = rt::Trim(triangularo).empty() ? "E" : "T";
            else if (numero && (*numero == 2 || *numero == 4))
                claveopo = "A";
            triangularo.clear();
        }
        if (sinMyH && (claveopo == "M" || claveopo == "H")) claveopo = "E";

        if (tipoopo == "R") {
            const auto& ejercicioo = f.Field("ejercicioo");
            const auto& periodoo = f.Field("periodoo");
            int32_t ejercicio = ejercicioo.isNull() ? 0 : rt::CLng(ejercicioo);
            int32_t periodo = periodoo.isNull() ? 0 : rt::CLng(periodoo);
            if (!RectificacionCabe(ejercicio, periodo, lngEjercicio, btePeriodo, btePeriodicidad))
                continue;
        }

        conexion.execute(
            "INSERT INTO tOperadores (coddeclar, paiso, paisaux, nifo, razon, claveopo, base, "
            "signoo, ejercicioo, periodoo, triangularo, tipoopo, periodicidad) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
            {lngCodDeclaNueva, TextoDe(f.Field("paiso")), TextoDe(f.Field("paisaux")),
             TextoDe(f.Field("nifo")), TextoDe(f.Field("razon")), claveopo, base,
             TextoDe(f.Field("signoo")), f.Field("ejercicioo"), f.Field("periodoo"), triangularo,
             tipoopo, f.Field("periodicidad")});
    }
}

}  // namespace quelvodat
