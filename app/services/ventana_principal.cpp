#include "services/ventana_principal.h"

#include <QAction>
#include <QWidget>
#include <algorithm>

namespace quelvo {

namespace {

VentanaPrincipal* instancia = nullptr;

bool esEntradaDeMenu(const QString& nombre) {
    QString n = nombre.toUpper();
    return n.startsWith("MNU") && !n.startsWith("MNUSEP");
}

// Walks the main window's menu entries and toolbar buttons.
void recorrer(bool habilitar, bool salvoAyuda) {
    VentanaPrincipal* mdi = VentanaPrincipal::Instancia();
    if (!mdi) return;
    for (QAction* accion : mdi->Ventana()->findChildren<QAction*>()) {
        QString nombre = accion->objectName().toUpper();
        if (!esEntradaDeMenu(nombre)) continue;
        if (salvoAyuda && (nombre == "MNUAYUDA" || nombre == "MNUCONIND" || nombre == "MNUACERCA"))
            continue;
        accion->setEnabled(habilitar);
    }
    int ultimo = mdi->NumeroBotones() - (salvoAyuda ? 2 : 0);
    for (int i = 1; i <= ultimo; ++i) mdi->Boton(i)->setEnabled(habilitar);
}

}  // namespace

VentanaPrincipal::VentanaPrincipal() { instancia = this; }

VentanaPrincipal::~VentanaPrincipal() {
    if (instancia == this) instancia = nullptr;
}

VentanaPrincipal* VentanaPrincipal::Instancia() { return instancia; }

void DeshabilitarMenus() { recorrer(false, false); }
void DeshabilitarMenusSalvoAyuda() { recorrer(false, true); }
void HabilitarMenus() { recorrer(true, false); }

void HabilitarMenusEsenciales() {
    VentanaPrincipal* mdi = VentanaPrincipal::Instancia();
    if (!mdi) return;
    for (const char* nombre : {"mnuDeclarante", "mnuSalir", "mnuUtilidades", "mnuPreferencias",
                               "mnuAyuda", "mnuConInd", "mnuAcerca"})
        if (QAction* accion = mdi->Menu(nombre)) accion->setEnabled(true);
    for (int i = std::max(1, mdi->NumeroBotones() - 1); i <= mdi->NumeroBotones(); ++i)
        mdi->Boton(i)->setEnabled(true);
}

}  // namespace quelvo
