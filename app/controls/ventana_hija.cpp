#include "controls/ventana_hija.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

#include "services/guarda.h"
#include "services/ventana_principal.h"

namespace quelvo {

namespace {

constexpr char kDescargando[] = "Descargando";

}  // namespace

void MostrarHija(QWidget* ventana, std::function<void()> alActivar) {
    ventana->setAttribute(Qt::WA_DeleteOnClose);
    auto activar = [ventana, alActivar] {
        if (alActivar)
            Guardar(ventana, (ventana->objectName() + "T.Form_Activate").toUtf8().constData(), alActivar);
    };
    auto marco = qobject_cast<QMdiSubWindow*>(ventana->parentWidget());
    VentanaPrincipal* principal = VentanaPrincipal::Instancia();
    if (principal && !marco) {
        marco = principal->mdiArea()->addSubWindow(ventana);
        marco->setAttribute(Qt::WA_DeleteOnClose);
        marco->setObjectName(ventana->objectName());
        // Every window opens at the area's top left corner: the area would
        // place each where the others left room, somewhere else each time.
        marco->move(0, 0);
        QObject::connect(marco, &QMdiSubWindow::aboutToActivate, ventana, activar);
    }
    if (marco) {
        marco->show();
        // The area places a child wider or taller than itself partly off its
        // left or top edge, where no scrolling reaches.
        if (marco->x() < 0 || marco->y() < 0) marco->move(qMax(0, marco->x()), qMax(0, marco->y()));
        if (auto area = marco->mdiArea()) area->setActiveSubWindow(marco);
    } else {
        ventana->show();
        ventana->raise();
        ventana->activateWindow();
    }
    // Shown and in front is active for the program, whatever the platform
    // does with the focus.
    activar();
}

void DescargarHija(QWidget* ventana) {
    ventana->setProperty(kDescargando, true);
    ventana->setAttribute(Qt::WA_DeleteOnClose);
    if (auto marco = qobject_cast<QMdiSubWindow*>(ventana->parentWidget())) {
        marco->close();
        return;
    }
    ventana->close();
}

bool Descargando(const QWidget* ventana) { return ventana->property(kDescargando).toBool(); }

void CerrarComoCancelar(QWidget* ventana, QCloseEvent* evento, const std::function<void()>& cancelar) {
    if (!Descargando(ventana))
        Guardar(ventana, (ventana->objectName() + "T.Form_QueryUnload").toUtf8().constData(), cancelar);
    if (Descargando(ventana)) evento->accept();
    else evento->ignore();
}

}  // namespace quelvo
