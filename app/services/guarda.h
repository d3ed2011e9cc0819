#pragma once
// The one guard around every event handler: no error crosses the event loop.
#include <QWidget>
#include <functional>

namespace quelvo {

// Runs the handler. An error it does not handle itself is reported through
// GestionarError with the form's objectName, the event location (the form's
// name, "T.", the handler's name) and the description; then the event ends
// and the program goes on. A report that fails goes to stderr.
void Guardar(QWidget* formulario, const char* evento, const std::function<void()>& manejador);

}  // namespace quelvo
