#include "printing/cselfichero.h"

#include "printing/cimprgrabar.h"
#include "quelvodat/cDatosGenerales.h"
#include "quelvort/error.h"
#include "services/globales.h"
#include "services/objetos.h"
#include "services/servidor.h"

namespace quelvo {

QString cSelFichero::RecogerRutaURL() {
    try {
        // The kind is handed over as a byte, as the data server expects it.
        const int32_t tipo = objImprGrabar().TipoEnvio();
        if (tipo < 0 || tipo > 255) throw rt::Error::Runtime(rt::err::Overflow);
        return QString::fromStdString(
            CrearServidor<quelvodat::_cDatosGenerales>("Quelvodat.cDatosGenerales")
                ->RecogerRutaURL(static_cast<uint8_t>(tipo)));
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineBefore(e, "cSelFichero.RecogerRutaURL");
    }
}

QString FicheroPresentacionPorDefecto(int32_t ejercicio) {
    return QString::fromStdString(strRutaTrabajo) + "/794_CE" + QString::number(ejercicio).right(2) +
           ".txt";
}

}  // namespace quelvo
