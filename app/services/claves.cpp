#include "services/claves.h"

#include "declarations/clistadeclaraciones.h"
#include "quelvort/convert.h"
#include "quelvort/strings.h"
#include "services/globales.h"
#include "services/objetos.h"

namespace quelvo {

namespace {

struct Clave {
    const char* clave;
    const char* castellano;
    const char* euskera;
};

constexpr Clave kClaves[] = {
    {"1", "Entregas intracomunitarias", "Batasun barruko emateak"},
    {"2", "Adquisiciones intracomunitarias", "Batasun barruko eskurapenak"},
    {"3", "Rectificación a entregas", "Emateen zuzenketak"},
    {"4", "Rectificación a adquisiciones", "Eskurapenen zuzenketak"},
    {"E", "Entregas intracomunitarias", "Batasun barruko emateak"},
    {"A", "Adquisiciones intracomunitarias", "Batasun barruko eskurapenak"},
    {"T", "Entregas intracomunitarias triangulares", "Batasun barruko emate triangeluarrak"},
    {"S", "Entregas intracomunitarias de servicios", "Batasun barruan egindako zerbitzuak"},
    {"I", "Adquisiciones intracomunitarias de servicios", "Batasun barruan jasotako zerbitzuak"},
    {"M", "Entregas  intra. de bienes posteriores a una importación exenta",
     "Salbuetsitako inportazio baten ondoren batasunaren barruan egindako ondasun salmentak"},
    {"H",
     "Entregas  intra. de bienes posteriores a una importación exenta realizadas por un "
     "representante fiscal",
     "Salbuetsitako inportazio baten ondoren ordezkari fiskalak batasunaren barruan egindako "
     "ondasun salmentak"},
};

bool esNumerica(const QString& clave) { return clave.size() == 1 && clave[0].isDigit(); }

}  // namespace

QStringList ClavesDeclaracion(int32_t ejercicio, int32_t periodo) {
    if (ejercicio <= 2009) return {"1", "2", "3", "4"};
    if (ejercicio == 2010 || (ejercicio == 2011 && periodo <= 6)) return {"E", "A", "T", "S", "I"};
    return {"E", "A", "T", "S", "I", "M", "H"};
}

QString DescripcionClave(const QString& clave, const QString& tipo) {
    const cListaDeclaraciones& lista = objListaDeclaraciones();
    if (!ClavesDeclaracion(lista.Ejercicio(), lista.Periodo()).contains(clave)) return {};
    for (const auto& c : kClaves) {
        if (clave != QString::fromUtf8(c.clave)) continue;
        QString texto = QString::fromUtf8(lngIdioma == 0 ? c.castellano : c.euskera);
        // The old keys 3 and 4 are rectifications by themselves.
        if (tipo == "R" && !esNumerica(clave))
            texto.prepend(lngIdioma == 0 ? "(Rectificación) - " : "(Zuzenketak) - ");
        return texto;
    }
    return {};
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
