#pragma once
// One offscreen QApplication for the run, and modal windows answered by the
// test so that none can hang it.
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

// QUELVO_SIN_DIALOGOS=1 answers the library's questions Yes and shows no box.
inline void MostrarDialogos(bool si) { ::setenv("QUELVO_SIN_DIALOGOS", si ? "0" : "1", 1); }

inline void Cerrar(QWidget* w) {
    if (auto* dialogo = qobject_cast<QDialog*>(w)) dialogo->reject();
    else w->close();
}

struct Modal {
    QString nombre;  // objectName, or "(timeout)"
    QString texto;   // of a message box
    QMessageBox::Icon icono = QMessageBox::NoIcon;
};

// Runs accion, handing every modal window it opens to responder, which must
// close it. A window still open after five seconds is closed and recorded as
// "(timeout)".
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
                vistos.push_back({QStringLiteral("(timeout)"), {}, QMessageBox::NoIcon});
                Cerrar(w);
            }
            return;
        }
        w->setProperty("prueba_visto", true);
        esperas = 0;
        auto* caja = qobject_cast<QMessageBox*>(w);
        vistos.push_back(
            {w->objectName(), caja ? caja->text() : QString(), caja ? caja->icon() : QMessageBox::NoIcon});
        responder(w);
    });
    sondeo.start();
    accion();
    sondeo.stop();
    return vistos;
}

}  // namespace prueba
