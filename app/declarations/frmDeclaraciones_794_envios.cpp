// The declarations window's commands that hand the selected declaration to
// printing, the draft listing and the telematic submission.
#include "declarations/clistadeclaraciones.h"
#include "declarations/frmDeclaraciones_794.h"
#include "shell/objetos.h"

namespace quelvo {

void frmDeclaraciones_794::Imprimir() {
    const auto fila = FilaSeleccionada();
    if (!fila) return;
    objListaDeclaraciones().CodDecla(fila->clave);
}

void frmDeclaraciones_794::ImprimirBorradorDeclarados() {
    const auto fila = FilaSeleccionada();
    if (!fila) return;
    objListaDeclaraciones().CodDecla(fila->clave);
}

void frmDeclaraciones_794::EnvioTelematico() {}

}  // namespace quelvo
