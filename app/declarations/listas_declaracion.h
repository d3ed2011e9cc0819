#pragma once
// The pick lists that depend on the current declaration or entry: member
// states, operation keys, periods and signs.

namespace quelvo {

// Registers them with the code-list drop-down (RegistrarListaCodigos).
void RegistrarListasDeclaracion();

}  // namespace quelvo
