#pragma once
// The reporter of errors that reach an event handler.
#include <QString>
#include <functional>

namespace quelvo {

// Shows the error window (form, event location, log file, description) and
// writes the log; returns when the user has closed the window. A failure of
// the report itself is raised again unchanged.
void GestionarError(const QString& formulario, const QString& evento, const QString& descripcion);

// The error window is above this layer: the windows set it at start-up.
using VentanaError = std::function<void(const QString& formulario, const QString& evento, const QString& descripcion)>;
void EstablecerVentanaError(VentanaError ventana);

}  // namespace quelvo
