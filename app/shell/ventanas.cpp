#include "shell/ventanas.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>
#include <map>

#include "quelvort/error.h"
#include "shell/guarda.h"
#include "shell/mdi794.h"

namespace quelvo {

namespace {

constexpr char kDescargando[] = "Descargando";

std::map<QString, std::function<void()>>& registro() {
    static std::map<QString, std::function<void()>> ventanas;
    return ventanas;
}

}  // namespace

void MostrarHija(QWidget* ventana, std::function<void()> alActivar) {
    ventana->setAttribute(Qt::WA_DeleteOnClose);
    auto activar = [ventana, alActivar] {
        if (alActivar) Guardar(ventana, (ventana->objectName() + "T.Form_Activate").toUtf8().constData(), alActivar);
    };
    MDI794* principal = MDI794::Instancia();
    auto marco = qobject_cast<QMdiSubWindow*>(ventana->parentWidget());
    if (principal && !marco) {
        marco = principal->mdiArea()->addSubWindow(ventana);
        marco->setAttribute(Qt::WA_DeleteOnClose);
        marco->setObjectName(ventana->objectName() + "_marco");
        QObject::connect(marco, &QMdiSubWindow::aboutToActivate, ventana, activar);
    }
    if (marco) {
        marco->show();
        principal->mdiArea()->setActiveSubWindow(marco);
    } else {
        ventana->show();
        ventana->raise();
        ventana->activateWindow();
    }
    ventana->show();
    // Shown and in front is active for the program, whatever the platform
    // does with the focus.
    activar();
}

void Descargar(QWidget* ventana) {
    ventana->setProperty(kDescargando, true);
    ventana->setAttribute(Qt::WA_DeleteOnClose);
    if (auto marco = qobject_cast<QMdiSubWindow*>(ventana->parentWidget())) marco->close();
    else ventana->close();
}

bool Descargando(const QWidget* ventana) { return ventana->property(kDescargando).toBool(); }

void CerrarComoCancelar(QWidget* ventana, QCloseEvent* evento, const std::function<void()>& cancelar) {
    if (!Descargando(ventana))
        Guardar(ventana, (ventana->objectName() + "T.Form_QueryUnload").toUtf8().constData(), cancelar);
    if (Descargando(ventana)) evento->accept();
    else evento->ignore();
}

void RegistrarVentana(const QString& nombre, std::function<void()> mostrar) {
    registro()[nombre] = std::move(mostrar);
}

void MostrarVentana(const QString& nombre) {
    auto ventana = registro().find(nombre);
    if (ventana == registro().end())
        throw rt::Error(rt::err::InvalidArgument, "Quelvo", "Ventana no disponible: " + nombre.toStdString());
    ventana->second();
}

}  // namespace quelvo
