#include "exchange/preanalisis.h"

#include <functional>

#include "exchange/cimportacion.h"
#include "exchange/registro_importacion.h"
#include "quelvort/strings.h"
#include "quelvort/textfile.h"

namespace quelvo {

namespace {

void Recorrer(const std::string& ruta, const std::function<void(const std::string&)>& linea) {
    rt::TextFileReader fichero(ruta);
    std::string texto;
    while (fichero.ReadLine(texto)) linea(texto);
}

}  // namespace

Preanalisis PreanalizarSoporte(const std::string& ruta, bool estatal) {
    Preanalisis p;
    p.estatal = estatal;
    Recorrer(ruta, [&p](const std::string& linea) {
        if (p.lineas <= 1 && rt::Left(linea, 1) == "1") p.estatal = EsFormatoEstatal(linea);
        ++p.lineas;
        const std::string tipo = cImportacion::ConvertirLinea(linea);
        if (tipo == "1") ++p.declarantes;
        if (tipo == "2") ++p.declarados;
    });
    return p;
}

Preanalisis PreanalizarDeclarados(const std::string& ruta, bool estatal) {
    Preanalisis p;
    p.estatal = estatal;
    Recorrer(ruta, [&p](const std::string& linea) {
        if (p.lineas == 1) p.estatal = EsFormatoEstatal(linea);
        ++p.lineas;
        if (cImportacion::ConvertirLinea(linea) == "2") ++p.declarados;
    });
    return p;
}

Preanalisis ContarLineas(const std::string& ruta) {
    Preanalisis p;
    Recorrer(ruta, [&p](const std::string&) { ++p.lineas; });
    return p;
}

}  // namespace quelvo
