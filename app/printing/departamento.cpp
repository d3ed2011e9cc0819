#include "printing/departamento.h"

#include "quelvort/object.h"
#include "zentalib/cMiscelaneos.h"

namespace quelvo {

namespace {

// The library's language codes for the printed forms.
constexpr int32_t kEuskeraImpresos = 1000;
constexpr int32_t kCastellano = 0;

}  // namespace

LineasDepartamento ObtenerDepartamento() {
    auto objMiscelaneos = rt::CreateObjectAs<zentalib::_cMiscelaneos>("Zentalib.cMiscelaneos");
    LineasDepartamento lineas;
    objMiscelaneos->Idioma(kEuskeraImpresos);
    lineas.euskera = QString::fromStdString(objMiscelaneos->HaciendaFiscalidad());
    objMiscelaneos->Idioma(kCastellano);
    lineas.castellano = QString::fromStdString(objMiscelaneos->HaciendaFiscalidad());
    return lineas;
}

}  // namespace quelvo
