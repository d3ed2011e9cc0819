#include "printing/totales.h"

#include "quelvort/convert.h"
#include "services/claves.h"

namespace quelvo {

TotalesDeclaracion SumarTotales(const rt::Variant& totales, int32_t ejercicio, const QString& moneda) {
    TotalesDeclaracion t;
    if (!totales.isArray()) return t;
    const bool desde2010 = ejercicio > 2009;
    for (int32_t i = 1; i <= rt::UBound(totales, 2); ++i) {
        const rt::Variant& clave = totales(0, i);
        const int32_t numero = rt::CLng(totales(2, i));
        const double importe = EurosDeCentesimas(rt::CDbl(totales(1, i)), moneda);
        t.numeroDeclarados += numero;
        if (desde2010) {
            const std::string tipo = clave.isString() ? clave.str() : std::string();
            if (tipo == "N") {
                t.numeroSegunda = numero;
                t.importeSegunda = importe;
            } else if (tipo == "R") {
                t.numeroRectificaciones += numero;
            }
            continue;
        }
        if (!rt::IsNumeric(clave) || clave.isEmpty()) continue;
        const double valor = rt::CDbl(clave);
        if (valor == 1) {
            t.numeroPrimera = numero;
            t.importePrimera = importe;
        } else if (valor == 2) {
            t.numeroSegunda = numero;
            t.importeSegunda = importe;
        } else if (valor == 3 || valor == 4) {
            t.numeroRectificaciones += numero;
        }
    }
    return t;
}

}  // namespace quelvo
