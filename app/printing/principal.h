#pragma once
// The main window is disabled while a print, record or send run works, and
// enabled again at its end with every menu entry and button as it was.

namespace quelvo {

void DeshabilitarPrincipal();
void HabilitarPrincipal();

}  // namespace quelvo
