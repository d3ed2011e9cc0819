#pragma once
// Waits on the one thread that keep the windows alive meanwhile.
#include <cstdint>

namespace quelvo::plataforma {

// The clock in whole seconds.
int64_t SegundoActual();

// Runs the event loop until the whole-second clock reaches `segundo`; at
// once when it already has.
void EsperarHastaSegundo(int64_t segundo);

}  // namespace quelvo::plataforma
