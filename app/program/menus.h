#pragma once
// The main window's toolbar set-up and the three menu walkers every dialog
// uses while it is open.

namespace quelvo {

// Gives toolbar buttons 1 to 5 their images.
void InicilizarBotones();

// Every menu entry and toolbar button off (the about window).
void DeshabilitarMenus();
// The same, but the help menu with its two entries and the last two toolbar
// buttons ("Ayuda", "Salir") keep their state.
void DeshabilitarMenusSalvoAyuda();
// Every menu entry and toolbar button on; the menu policy then narrows it.
void HabilitarMenus();
// What must stay usable when the menu policy fails: Exit, the help menu and
// the preferences, with the menus that hold them and the "Ayuda" and "Salir"
// buttons.
void HabilitarMenusEsenciales();

}  // namespace quelvo
