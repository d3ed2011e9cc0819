#include "shell/ventana_hija.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

#include "shell/mdi794.h"

namespace quelvo {

void MostrarHija(QWidget* ventana) {
    ventana->setAttribute(Qt::WA_DeleteOnClose);
    if (MDI794* principal = MDI794::Instancia()) {
        QMdiSubWindow* marco = principal->mdiArea()->addSubWindow(ventana);
        marco->setAttribute(Qt::WA_DeleteOnClose);
        marco->setObjectName(ventana->objectName());
        marco->show();
        principal->mdiArea()->setActiveSubWindow(marco);
        return;
    }
    ventana->show();
}

void DescargarHija(QWidget* ventana) {
    if (auto marco = qobject_cast<QMdiSubWindow*>(ventana->parentWidget())) {
        marco->close();
        return;
    }
    ventana->close();
}

}  // namespace quelvo
