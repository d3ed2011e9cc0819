#pragma once
// The program's own version and the online check for a newer release.

namespace quelvo {

// Fills the installed version of objActOnline (ActFile, ProgVer1-3) and the
// program-wide strVersion and strVersionProducto.
void DisplayVerInfo();

}  // namespace quelvo
