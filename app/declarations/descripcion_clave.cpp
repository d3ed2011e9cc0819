#include "declarations/descripcion_clave.h"

#include "declarations/clistadeclaraciones.h"
#include "services/claves.h"
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

}  // namespace quelvo
