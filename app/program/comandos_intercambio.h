#pragma once
// The main window's entries that open the import, export and telematic
// submission windows.

namespace quelvo {

class MDI794;

void ConectarComandosIntercambio(MDI794& principal);

}  // namespace quelvo
