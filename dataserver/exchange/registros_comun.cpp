#include "exchange/registros_comun.h"

#include "quelvort/convert.h"
#include "quelvort/strings.h"

namespace quelvodat {

std::map<std::string, TotalClave> TotalesPorClave(const rt::Variant& vFilasTotales) {
    std::map<std::string, TotalClave> totales;
    if (vFilasTotales.isNull() || vFilasTotales.isEmpty()) return totales;
    for (int32_t fila = 1; fila <= rt::UBound(vFilasTotales, 2); ++fila) {
        // A key that differs only in case is the same key.
        TotalClave& t = totales[rt::UCase(rt::Trim(rt::CStr(vFilasTotales(0, fila))))];
        t.bases += rt::CDbl(CeroSiFalta(vFilasTotales(1, fila)));
        t.numero +=
            static_cast<int64_t>(rt::RoundHalfAwayFromZero(rt::CDbl(vFilasTotales(2, fila))));
    }
    return totales;
}

rt::Variant CeroSiFalta(const rt::Variant& valor) {
    if (valor.isEmpty() || valor.isNull()) return 0;
    if (valor.isString() && rt::Trim(valor.str()).empty()) return 0;
    return valor;
}

}  // namespace quelvodat
