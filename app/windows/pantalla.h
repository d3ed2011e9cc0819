#pragma once
// The screen behind the services: the message box, the error window, and the
// error list, questions, notices, hourglass and progress window that the
// desktop objects ask for.

namespace quelvo {

// Sets the windows of this layer behind MostrarMensaje, GestionarError and
// interaccion().
void ConectarPantalla();

}  // namespace quelvo
