#include "printing/principal.h"

#include "shell/mdi794.h"

namespace quelvo {

void DeshabilitarPrincipal() {
    if (MDI794* principal = MDI794::Instancia()) principal->setEnabled(false);
}

void HabilitarPrincipal() {
    if (MDI794* principal = MDI794::Instancia()) principal->setEnabled(true);
}

}  // namespace quelvo
