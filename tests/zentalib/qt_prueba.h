#pragma once
// The library's windows under test: one offscreen QApplication for the run,
// and modal windows answered by the test so that none can hang it.
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>
#include <QVariant>
#include <QWidget>
#include <cstdlib>
#include <functional>
#include <vector>

namespace prueba {

// Kept for the whole run: Qt must not be torn down among other statics.
inline void AsegurarAplicacion() {
    if (QApplication::instance()) return;
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char nombre[] = "test_zentalib";
    static char* argv[] = {nombre, nullptr};
    new QApplication(argc, argv);
}

inline void Cerrar(QWidget* w) {
    if (auto* dialogo = qobject_cast<QDialog*>(w)) dialogo->reject();
    else w->close();
}

// What a test saw of one modal window.
struct Modal {
    QString nombre;  // objectName
    QString clase;
    QString titulo;
    QString texto;  // of a message box
    QMessageBox::Icon icono = QMessageBox::NoIcon;
    QWidget* padre = nullptr;
};

// Runs accion, handing every modal window it opens to responder, which must
// close it. A window still open after five seconds is closed and recorded
// with the name "(timeout)".
inline std::vector<Modal> ConModales(const std::function<void()>& accion,
                                     const std::function<void(QWidget*)>& responder) {
    std::vector<Modal> vistos;
    int esperas = 0;
    QTimer sondeo;
    sondeo.setInterval(10);
    QObject::connect(&sondeo, &QTimer::timeout, [&] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w) return;
        if (w->property("prueba_visto").toBool()) {
            if (++esperas > 500) {
                Modal colgada;
                colgada.nombre = QStringLiteral("(timeout)");
                vistos.push_back(colgada);
                Cerrar(w);
            }
            return;
        }
        w->setProperty("prueba_visto", true);
        esperas = 0;
        Modal m;
        m.nombre = w->objectName();
        m.clase = QString::fromLatin1(w->metaObject()->className());
        m.titulo = w->windowTitle();
        if (auto* caja = qobject_cast<QMessageBox*>(w)) {
            m.texto = caja->text();
            m.icono = caja->icon();
        }
        m.padre = w->parentWidget();
        vistos.push_back(m);
        responder(w);
    });
    sondeo.start();
    accion();
    sondeo.stop();
    return vistos;
}

// Clicks the button of a message box that shows `texto`.
inline void PulsarBoton(QWidget* w, const QString& texto) {
    if (auto* caja = qobject_cast<QMessageBox*>(w))
        for (auto* boton : caja->buttons())
            if (boton->text() == texto) {
                boton->click();
                return;
            }
    Cerrar(w);
}

}  // namespace prueba
