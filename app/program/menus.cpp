#include "program/menus.h"

#include <QAction>
#include <QApplication>
#include <QStyle>
#include <QToolBar>
#include <algorithm>

#include "program/mdi794.h"
#include "quelvort/error.h"

namespace quelvo {

namespace {

bool esEntradaDeMenu(const QString& nombre) {
    QString n = nombre.toUpper();
    return n.startsWith("MNU") && !n.startsWith("MNUSEP");
}

// Walks the main window's menu entries and toolbar buttons.
void recorrer(bool habilitar, bool salvoAyuda) {
    MDI794* mdi = MDI794::Instancia();
    if (!mdi) return;
    for (QAction* accion : mdi->findChildren<QAction*>()) {
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

void InicilizarBotones() {
    try {
        MDI794* mdi = MDI794::Instancia();
        if (!mdi) return;
        // The image list of the toolbar, one image per button.
        const QStyle::StandardPixmap ilsMDI32[] = {
            QStyle::SP_FileIcon, QStyle::SP_DirOpenIcon, QStyle::SP_TrashIcon,
            QStyle::SP_DialogHelpButton, QStyle::SP_DialogCloseButton};
        for (int i = 1; i <= mdi->NumeroBotones() && i <= 5; ++i)
            mdi->Boton(i)->setIcon(QApplication::style()->standardIcon(ilsMDI32[i - 1]));
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineAfter(e, "General.InicilizarBotones");
    }
}

void DeshabilitarMenus() { recorrer(false, false); }
void DeshabilitarMenusSalvoAyuda() { recorrer(false, true); }
void HabilitarMenus() { recorrer(true, false); }

void HabilitarMenusEsenciales() {
    MDI794* mdi = MDI794::Instancia();
    if (!mdi) return;
    for (const char* nombre : {"mnuDeclarante", "mnuSalir", "mnuUtilidades", "mnuPreferencias",
                               "mnuAyuda", "mnuConInd", "mnuAcerca"})
        if (QAction* accion = mdi->Menu(nombre)) accion->setEnabled(true);
    for (int i = std::max(1, mdi->NumeroBotones() - 1); i <= mdi->NumeroBotones(); ++i)
        mdi->Boton(i)->setEnabled(true);
}

}  // namespace quelvo
