#include "exchange/comandos_intercambio.h"

#include "exchange/frmExporDtes_794.h"
#include "exchange/frmImpDeclarados_794.h"
#include "exchange/frmImpDtes_794.h"
#include "exchange/frmImpSoporte_794.h"
#include "shell/mdi794.h"

namespace quelvo {

void ConectarComandosIntercambio(MDI794& principal) {
    principal.EstablecerComando("mnuImpDec", [] { frmImpDtes_794::Mostrar(); });
    principal.EstablecerComando("mnuImpSop", [] { frmImpSoporte_794::Mostrar(); });
    principal.EstablecerComando("mnuImpDe", [] { frmImpDeclarados_794::Mostrar(); });
    principal.EstablecerComando("mnuExpDec", [] { frmExporDtes_794::Mostrar(); });
}

}  // namespace quelvo
