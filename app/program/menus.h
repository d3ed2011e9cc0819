#pragma once
// The main window's toolbar set-up; its menu policy (MDI794::MenusSegunDatos)
// is defined beside it.

namespace quelvo {

// Gives toolbar buttons 1 to 5 their images.
void InicilizarBotones();

}  // namespace quelvo
