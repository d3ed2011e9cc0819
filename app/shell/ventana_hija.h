#pragma once
// Modeless windows live in the main window's MDI area; without a main window
// (tests) they stand on their own.
#include <QPointer>
#include <QWidget>

namespace quelvo {

// Shows the window as a child of the main window's MDI area, or on its own.
// The window is deleted when it closes.
void MostrarHija(QWidget* ventana);
// Closes a window shown by MostrarHija, with its MDI frame.
void CerrarHija(QWidget* ventana);

// The program's one window of a kind: shown and brought forward, opened anew
// when it is not open (or is closing).
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
