#include "ctimpexp.h"

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "db/conexion_dao.h"
#include "db/general.h"
#include "quelvort/class_registry.h"
#include "quelvort/convert.h"
#include "quelvort/error.h"
#include "quelvort/strings.h"

namespace quelvodat {

namespace {

// A whole number: an optional "-" and digits that fit 32 bits.
bool esCodigo(std::string_view texto) {
    size_t inicio = !texto.empty() && texto.front() == '-' ? 1 : 0;
    if (texto.size() == inicio || texto.size() - inicio > 10) return false;
    int64_t valor = 0;
    for (size_t i = inicio; i < texto.size(); ++i) {
        if (texto[i] < '0' || texto[i] > '9') return false;
        valor = valor * 10 + (texto[i] - '0');
    }
    return valor <= std::numeric_limits<int32_t>::max();
}

// The comma-separated codes as a JSON array, so they reach the statement as
// one bound value and never as SQL text.
std::string codigosJson(const std::string& strDtes) {
    std::string json;
    if (rt::Trim(strDtes).empty()) return "[]";
    std::string_view resto = strDtes;
    while (true) {
        size_t coma = resto.find(',');
        std::string codigo = rt::Trim(resto.substr(0, coma));
        if (!esCodigo(codigo))
            throw rt::Error(rt::err::TypeMismatch, "Quelvodat",
                            "La lista de declarantes \"" + strDtes +
                                "\" no es una lista de códigos separados por comas");
        json += (json.empty() ? "[" : ",") + codigo;
        if (coma == std::string_view::npos) break;
        resto.remove_prefix(coma + 1);
    }
    return json + "]";
}

}  // namespace

rt::Variant cTImpExp::ObtenerDeclarantes(int32_t lngEjercicio, uint8_t btePeriodo,
                                         const std::string& strMoneda) {
    return ConUbicacion("cTImpExp.ObtenerDeclarantes", [&] {
        // Each declarant once, even with declarations of that period value in
        // two periodicities (a quarter and its last month).
        return ConexionCompartida().LeerMatriz(
            "SELECT coddec, dni_cifd, nombred FROM TDeclarante WHERE EXISTS "
            "(SELECT 1 FROM TDeclaraciones WHERE TDeclaraciones.coddecr = TDeclarante.coddec "
            "AND ejercicio = ? AND periodo = ? AND moneda = ? COLLATE NOCASE) "
            "ORDER BY dni_cifd COLLATE ES, coddec",
            {lngEjercicio, static_cast<int32_t>(btePeriodo), strMoneda}, General::kLista);
    });
}

int32_t cTImpExp::TotalDeclarados(int32_t lngEjercicio, uint8_t btePeriodo,
                                  const std::string& strDtes) {
    return ConUbicacion("cTImpExp.TotalDeclarados", [&] {
        auto rs = ConexionCompartida().openRecordset(
            "SELECT count(codope) FROM tOperadores WHERE coddeclar IN "
            "(SELECT coddecla FROM TDeclaraciones "
            "WHERE coddecr IN (SELECT value FROM json_each(?)) "
            "AND ejercicio = ? AND periodo = ?)",
            {codigosJson(strDtes), lngEjercicio, static_cast<int32_t>(btePeriodo)});
        return rt::CLng(rs->Field(0));
    });
}

QUELVO_CREATABLE(cTImpExp)

}  // namespace quelvodat
