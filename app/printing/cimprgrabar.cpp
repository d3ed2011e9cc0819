#include "printing/cimprgrabar.h"

#include "quelvodat/cExportacion.h"
#include "quelvodat/cImportacion.h"
#include "quelvort/convert.h"
#include "quelvort/error.h"
#include "shell/servidor.h"

namespace quelvo {

namespace {

// The run's period and periodicity are bytes: a value that does not fit
// raises overflow, as assigning it to a byte did.
int32_t Byte(int32_t v) {
    if (v < 0 || v > 255) throw rt::Error::Runtime(rt::err::Overflow);
    return v;
}

// The run's codes as decimal numbers joined by commas: 12,7,31.
std::string CodigosSeparadosPorComas(const rt::Variant& codigos) {
    std::string texto;
    for (int32_t i = rt::LBound(codigos); i <= rt::UBound(codigos); ++i) {
        if (!texto.empty()) texto += ',';
        texto += std::to_string(rt::CLng(codigos(i)));
    }
    return texto;
}

}  // namespace

void cImprGrabar::Periodo(int32_t v) { Periodo_ = Byte(v); }
void cImprGrabar::Periodicidad(int32_t v) { Periodicidad_ = Byte(v); }

rt::Variant cImprGrabar::ObtenerDeclarantes(int32_t lngEjercicio, uint8_t btePeriodo,
                                            const QString& strMoneda) {
    try {
        return CrearServidor<quelvodat::_cImportacion>("Quelvodat.cImportacion")
            ->ObtenerDeclarantes(lngEjercicio, btePeriodo, strMoneda.toStdString());
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineBefore(e, "cImprGrabar.ObtenerDeclarantes");
    }
}

void cImprGrabar::TotalDeclarados() {
    auto servidor = CrearServidor<quelvodat::_cExportacion>("Quelvodat.cExportacion");
    NoTotalDeclarados_ = servidor->TotalDeclarados(Ejercicio_, static_cast<uint8_t>(Periodo_),
                                                   CodigosSeparadosPorComas(vBufferDeclarantes_));
}

void cImprGrabar::InicializarDatos() {
    Ejercicio_ = 0;
    Moneda_.clear();
    Periodo_ = 5;
}

}  // namespace quelvo
