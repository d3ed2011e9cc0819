#include "shell/ventana_hija.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

#include "shell/mdi794.h"

namespace quelvo {

void MostrarHija(QWidget* ventana) {
    ventana->setAttribute(Qt::WA_DeleteOnClose);
    if (MDI794* mdi = MDI794::Instancia()) {
        QMdiSubWindow* marco = mdi->mdiArea()->addSubWindow(ventana);
        marco->setObjectName(ventana->objectName() + "_marco");
        marco->setWindowTitle(ventana->windowTitle());
        marco->show();
        mdi->mdiArea()->setActiveSubWindow(marco);
    } else {
        ventana->show();
    }
}

void CerrarHija(QWidget* ventana) {
    if (auto marco = qobject_cast<QMdiSubWindow*>(ventana->parentWidget())) marco->close();
    else ventana->close();
}

}  // namespace quelvo
