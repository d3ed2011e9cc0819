#include "services/claves.h"

#include "quelvort/convert.h"
#include "quelvort/strings.h"

namespace quelvo {

QStringList ClavesDeclaracion(int32_t ejercicio, int32_t periodo) {
    if (ejercicio <= 2009) return {"1", "2", "3", "4"};
    if (ejercicio == 2010 || (ejercicio == 2011 && periodo <= 6)) return {"E", "A", "T", "S", "I"};
    return {"E", "A", "T", "S", "I", "M", "H"};
}

QString NombreMoneda(const QString& codigo) {
    return rt::UCase(codigo.toStdString()) == "E" ? "Euros" : "Pesetas";
}

QString OperadorConversion(const QString& de, const QString& a) {
    if (de == "E" && a == "P") return " * ";
    if (de == "P" && a == "E") return " / ";
    return {};
}

double EurosDeCentesimas(double centesimas, const QString& moneda) {
    constexpr double kPesetasPorEuro = 166.386;
    const double factor = moneda == "E" ? 1.0 : kPesetasPorEuro;
    return rt::RoundHalfAwayFromZero(centesimas / factor / 100.0, 2);
}

}  // namespace quelvo
