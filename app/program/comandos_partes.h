#pragma once
// The main window's commands that open the declarant and presenter windows.

namespace quelvo {

class MDI794;

void ConectarPartes(MDI794& principal);

}  // namespace quelvo
