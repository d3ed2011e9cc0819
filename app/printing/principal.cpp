#include "printing/principal.h"

#include <QAction>
#include <QPointer>
#include <QWidget>
#include <utility>
#include <vector>

#include "services/ventana_principal.h"

namespace quelvo {

namespace {

// The main window's menu entries and buttons as they were when it was
// disabled. Qt turns each top menu back on when the window is enabled again,
// whatever turned it off: the dialog that opened the run did, and its menus
// must stay off until it closes.
std::vector<std::pair<QPointer<QAction>, bool>> estadoAcciones;

}  // namespace

void DeshabilitarPrincipal() {
    VentanaPrincipal* mdi = VentanaPrincipal::Instancia();
    if (!mdi) return;
    QWidget* principal = mdi->Ventana();
    if (principal->isEnabled()) {
        estadoAcciones.clear();
        for (QAction* accion : principal->findChildren<QAction*>())
            estadoAcciones.emplace_back(accion, accion->isEnabled());
    }
    principal->setEnabled(false);
}

void HabilitarPrincipal() {
    VentanaPrincipal* mdi = VentanaPrincipal::Instancia();
    if (!mdi) return;
    mdi->Ventana()->setEnabled(true);
    for (const auto& [accion, activa] : std::exchange(estadoAcciones, {}))
        if (accion) accion->setEnabled(activa);
}

}  // namespace quelvo
