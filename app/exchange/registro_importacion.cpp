#include "exchange/registro_importacion.h"

#include "quelvort/convert.h"
#include "quelvort/strings.h"
#include "quelvort/textfile.h"
#include "services/catalogo.h"
#include "services/globales.h"

namespace quelvo {

std::string RutaRegistroImportacion() { return strRutaTrabajo + "/794_ErrImp.txt"; }

RegistroImportacion::RegistroImportacion(const std::string& ruta)
    // Read by people in their text editors, which on Linux expect UTF-8.
    : fichero_(std::make_unique<rt::TextFileWriter>(ruta, rt::TextEncoding::Utf8)) {}

RegistroImportacion::~RegistroImportacion() = default;

void RegistroImportacion::Escribir(const QString& linea) {
    if (!fichero_) return;
    fichero_->WriteLine(linea.toStdString());
    ++lineas_;
}

void RegistroImportacion::Cerrar() {
    if (!fichero_) return;
    auto fichero = std::move(fichero_);
    fichero->Commit();
}

void EscribirErroresImportacion(const rt::Variant& errores, RegistroImportacion& registro,
                                int32_t linea, const QString& sujeto) {
    if (!errores.isArray() || errores.array().dimensions() != 2) return;
    const QString prefijo = lngIdioma == 0 ? "Linea  --- " : "Lerroa --- ";
    for (int32_t i = rt::LBound(errores, 2); i <= rt::UBound(errores, 2); ++i) {
        const rt::Variant& codigo = errores(0, i);
        if (codigo.isEmpty()) continue;
        const rt::Variant& valor = errores(1, i);
        const QString texto = valor.isNull() || valor.isEmpty()
                                  ? QString()
                                  : QString::fromStdString(rt::CStr(valor));
        registro.Escribir(prefijo + QString::number(linea) + sujeto + " --- \" valor = \"" + texto +
                          "\" - Descripción = \"" +
                          DescripcionError(static_cast<int16_t>(rt::CLng(codigo))) + "\"");
    }
}

void EscribirLineaNoReconocida(RegistroImportacion& registro, int32_t linea,
                               const QString& separador) {
    registro.Escribir("Lerroa " + QString::number(linea) + separador + Cat(234));
}

bool EsFormatoEstatal(const std::string& linea) {
    const std::string tipo = rt::Left(linea, 1);
    if (tipo == "1") {
        const std::string clase = rt::Mid(linea, 58, 1);
        return rt::Mid(linea, 108, 2) == "34" && (clase == "D" || clase == "T" || clase == "C");
    }
    if (tipo == "2") {
        const std::string clave = rt::Mid(linea, 133, 1);
        return clave.size() == 1 && std::string("EATSIHM").find(clave) != std::string::npos;
    }
    return false;
}

}  // namespace quelvo
