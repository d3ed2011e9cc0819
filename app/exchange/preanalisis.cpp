#include "exchange/preanalisis.h"

#include <functional>

#include "exchange/cimportacion.h"
#include "exchange/registro_importacion.h"
#include "quelvort/textfile.h"

namespace quelvo {

namespace {

void Recorrer(const std::string& ruta, const std::function<void(const std::string&)>& linea) {
    rt::TextFileReader fichero(ruta);
    std::string texto;
    while (fichero.ReadLine(texto)) linea(texto);
}

// Counts the file's lines and records; its first declarant or entry record
// decides the layout, since a presenter's record cannot tell and a file may
// hold a single entry.
Preanalisis Preanalizar(const std::string& ruta, bool estatal) {
    Preanalisis p;
    p.estatal = estatal;
    bool decidido = false;
    Recorrer(ruta, [&](const std::string& linea) {
        ++p.lineas;
        const std::string tipo = cImportacion::ConvertirLinea(linea);
        if (tipo.empty()) return;
        if (!decidido) p.estatal = EsFormatoEstatal(linea);
        decidido = true;
        if (tipo == "1") ++p.declarantes;
        else ++p.declarados;
    });
    return p;
}

}  // namespace

Preanalisis PreanalizarSoporte(const std::string& ruta, bool estatal) {
    return Preanalizar(ruta, estatal);
}

Preanalisis PreanalizarDeclarados(const std::string& ruta, bool estatal) {
    return Preanalizar(ruta, estatal);
}

Preanalisis ContarLineas(const std::string& ruta) {
    Preanalisis p;
    Recorrer(ruta, [&p](const std::string&) { ++p.lineas; });
    return p;
}

}  // namespace quelvo
