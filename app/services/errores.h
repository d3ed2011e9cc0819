#pragma once
// The reporter of errors that reach an event handler.
#include <QString>

#include "services/hook.h"

namespace quelvo {

// GestionarError(formulario, evento, descripcion) shows the error window
// (form, event location, log file, description) and writes the log; returns
// when the user has closed the window. A failure of the report itself is
// raised again unchanged. The window is set by the windows at start-up.
inline Hook<void(const QString& formulario, const QString& evento, const QString& descripcion)> GestionarError{
    "GestionarError"};

}  // namespace quelvo
