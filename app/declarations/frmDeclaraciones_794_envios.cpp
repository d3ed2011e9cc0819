// The declarations window's commands that hand the selected declaration to
// printing, the draft listing and the telematic submission.
#include "declarations/clistadeclaraciones.h"
#include "declarations/frmDeclaraciones_794.h"
#include "parties/cdeclarante.h"
#include "printing/cimprgrabar.h"
#include "printing/frmImprimirGrabar_794.h"
#include "printing/imprimir.h"
#include "shell/objetos.h"

namespace quelvo {

void frmDeclaraciones_794::Imprimir() {
    const auto fila = FilaSeleccionada();
    if (!fila) return;
    objListaDeclaraciones().CodDecla(fila->clave);
    cImprGrabar& run = objImprGrabar();
    run.ProcImprimir(1);
    run.vBufferDeclarantes(rt::Variant(rt::VArray::Of({objDeclarante().CODDEC()})));
    run.CodDecla(fila->clave);
    run.Moneda(fila->moneda);
    run.Ejercicio(fila->ejercicio);
    run.Periodo(fila->periodo);
    run.Periodicidad(fila->periodicidad);
    // The dialog takes this window's place; closing it brings a fresh one
    // back on the same declaration.
    Descargar();
    frmImprimirGrabar_794::Abrir([] { MostrarDeclaraciones(); });
}

void frmDeclaraciones_794::ImprimirBorradorDeclarados() {
    const auto fila = FilaSeleccionada();
    if (!fila) return;
    objListaDeclaraciones().CodDecla(fila->clave);
    cImprGrabar& run = objImprGrabar();
    run.Moneda(fila->moneda);
    run.Ejercicio(fila->ejercicio);
    run.CodDecla(fila->clave);
    quelvo::ImprimirBorradorDeclarados();
}

void frmDeclaraciones_794::EnvioTelematico() {}

}  // namespace quelvo
