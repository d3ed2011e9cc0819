#pragma once
// Connects the main window's print-and-record entry to its dialog.

namespace quelvo {

class MDI794;

void ConectarComandosImpresion(MDI794& principal);

}  // namespace quelvo
