#pragma once
// The main window's commands that open the declarant and presenter windows,
// and those windows registered by name for the windows that hand over to them.

namespace quelvo {

class MDI794;

void ConectarPartes(MDI794& principal);

}  // namespace quelvo
