#pragma once
// The windows that hand over to each other (declarant editor and picker,
// declarations, declared entries, print dialog) are modeless children of the
// main window, loaded afresh each time they are shown and freed when closed.
#include <QPointer>
#include <QWidget>

namespace quelvo {

// Shows the window modeless: inside the main window when there is one, as a
// window of its own otherwise. It is deleted when it closes.
void MostrarHija(QWidget* ventana);

// Closes the window (its frame inside the main window too); it is deleted
// once the current event is over.
void DescargarHija(QWidget* ventana);

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
