#pragma once
// The windows that hand over to each other (declarant editor and picker,
// declarations, declared entries, print dialog) are modeless children of the
// main window, freed when closed.
#include <QPointer>
#include <QWidget>
#include <functional>

class QCloseEvent;

namespace quelvo {

// Shows the window modeless: inside the main window when there is one, at
// the top left corner of its area, as a window of its own otherwise; in
// front. It is deleted when it closes.
// `alActivar` runs, inside the event guard, now and each time the window
// becomes the active one again.
void MostrarHija(QWidget* ventana, std::function<void()> alActivar = {});

// Closes the window (its frame inside the main window too); it is deleted
// once the current event is over. The window's own close handler sees
// Descargando true and lets it go.
void DescargarHija(QWidget* ventana);
bool Descargando(const QWidget* ventana);

// For a window's close event: a close that DescargarHija did not start (the
// frame's close button) runs `cancelar` inside the event guard, as the
// window's Cancel; the close goes on only when that unloaded the window.
void CerrarComoCancelar(QWidget* ventana, QCloseEvent* evento, const std::function<void()>& cancelar);

// The one window of a class for the windows that keep a single instance:
// loaded on first use, and again after it was unloaded.
template <typename Ventana>
Ventana* Unica() {
    static QPointer<Ventana> cargada;
    if (!cargada) cargada = new Ventana;
    return cargada;
}

// The one window of a class that loads afresh each time it is shown (the
// declarations and entry windows): one still open is unloaded first.
template <typename Ventana>
Ventana* MostrarDeNuevo() {
    static QPointer<Ventana> cargada;
    if (cargada && !Descargando(cargada)) DescargarHija(cargada);
    auto ventana = new Ventana;
    cargada = ventana;
    MostrarHija(ventana);
    return ventana;
}

// The program's one window of a kind (the dialogs opened from the menus):
// shown and brought forward, opened anew when it is not open or is closing.
template <class Ventana>
Ventana* MostrarUnica(QPointer<Ventana>& unica) {
    if (!unica || unica->isHidden()) {
        unica = new Ventana();
        MostrarHija(unica);
    }
    unica->activateWindow();
    return unica;
}

}  // namespace quelvo
