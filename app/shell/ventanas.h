#pragma once
// The child windows of the main window: showing one, unloading one, and
// opening a window by its name, so that windows of different subsystems hand
// over to each other without knowing each other's classes.
#include <QPointer>
#include <QString>
#include <functional>

class QCloseEvent;
class QWidget;

namespace quelvo {

// Shows the window as a child of the main window (on its own when there is
// no main window) and brings it to the front. `alActivar` runs, inside the
// event guard, each time the window becomes the active one.
void MostrarHija(QWidget* ventana, std::function<void()> alActivar = {});

// The one window of a class, as the program uses its windows: loaded on
// first use, and again after it was unloaded.
template <typename Ventana>
Ventana* Unica() {
    static QPointer<Ventana> cargada;
    if (!cargada) cargada = new Ventana;
    return cargada;
}

// Unloads the window: closes it with its frame and frees it once the current
// event is over. The window's own close handler is not asked again.
void Descargar(QWidget* ventana);
// True once Descargar has begun to close the window.
bool Descargando(const QWidget* ventana);
// For a window's close event: a close that Descargar did not start (the
// frame's close button) runs `cancelar` inside the event guard, as the
// window's Cancel; the close goes on only when that unloaded the window.
void CerrarComoCancelar(QWidget* ventana, QCloseEvent* evento, const std::function<void()>& cancelar);

// How the window named `nombre` (its objectName) is shown: loaded when it is
// not, brought to the front when it is.
void RegistrarVentana(const QString& nombre, std::function<void()> mostrar);
// Shows the named window; a name no one registered raises error 5 naming it.
void MostrarVentana(const QString& nombre);

}  // namespace quelvo
