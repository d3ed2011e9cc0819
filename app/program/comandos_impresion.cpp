#include "program/comandos_impresion.h"

#include "printing/cimprgrabar.h"
#include "printing/frmImprimirGrabar_794.h"
#include "program/mdi794.h"
#include "services/objetos.h"

namespace quelvo {

void ConectarComandosImpresion(MDI794& principal) {
    principal.EstablecerComando("mnuGraImpOfi", [] {
        objImprGrabar().ProcImprimir(0);
        frmImprimirGrabar_794::Abrir();
    });
}

}  // namespace quelvo
