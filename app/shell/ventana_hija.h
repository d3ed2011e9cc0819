#pragma once
// The windows that hand over to each other (declarant editor and picker,
// declarations, declared entries, print dialog) are modeless children of the
// main window, loaded afresh each time they are shown and freed when closed.
class QWidget;

namespace quelvo {

// Shows the window modeless: inside the main window when there is one, as a
// window of its own otherwise. It is deleted when it closes.
void MostrarHija(QWidget* ventana);

// Closes the window (its frame inside the main window too); it is deleted
// once the current event is over.
void DescargarHija(QWidget* ventana);

}  // namespace quelvo
