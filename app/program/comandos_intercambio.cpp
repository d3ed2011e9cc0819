#include "program/comandos_intercambio.h"

#include "exchange/frmEnvTelematico_794.h"
#include "exchange/frmExporDtes_794.h"
#include "exchange/frmImpDeclarados_794.h"
#include "exchange/frmImpDtes_794.h"
#include "exchange/frmImpSoporte_794.h"
#include "parties/cpresentador.h"
#include "printing/cimprgrabar.h"
#include "program/mdi794.h"
#include "services/objetos.h"

namespace quelvo {

void ConectarComandosIntercambio(MDI794& principal) {
    principal.EstablecerComando("mnuImpDec", [] { frmImpDtes_794::Mostrar(); });
    principal.EstablecerComando("mnuImpSop", [] { frmImpSoporte_794::Mostrar(); });
    principal.EstablecerComando("mnuImpDe", [] { frmImpDeclarados_794::Mostrar(); });
    principal.EstablecerComando("mnuExpDec", [] { frmExporDtes_794::Mostrar(); });
    principal.EstablecerComando("mnuTelGes", [] {
        // A collective submission when a presenter is stored.
        cImprGrabar& run = objImprGrabar();
        run.IndCol(1);
        objPresentador().CargarPresentador();
        run.TipoEnvio(2);
        run.UnDte(objPresentador().CODPRES() == 0);
        frmEnvTelematico_794::Mostrar();
    });
}

}  // namespace quelvo
