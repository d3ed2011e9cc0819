#pragma once
// The declarant windows hand over to the declarant's declarations, whose
// window stands in a layer above them: the program sets these at start-up.
#include <cstdint>

#include "services/hook.h"

namespace quelvo {

// Shows the current declarant's declarations window afresh.
inline Hook<void()> MostrarDeclaracionesDelDeclarante{"MostrarDeclaracionesDelDeclarante"};

// Makes the declarant with that key current and shows its declarations.
inline Hook<void(int32_t lngCoddec)> AbrirDeclaracionesDelDeclarante{"AbrirDeclaracionesDelDeclarante"};

}  // namespace quelvo
