#include "printing/comandos_impresion.h"

#include "printing/cimprgrabar.h"
#include "printing/frmImprimirGrabar_794.h"
#include "shell/mdi794.h"
#include "shell/objetos.h"

namespace quelvo {

void ConectarComandosImpresion(MDI794& principal) {
    principal.EstablecerComando("mnuGraImpOfi", [] {
        objImprGrabar().ProcImprimir(0);
        frmImprimirGrabar_794::Abrir();
    });
}

}  // namespace quelvo
