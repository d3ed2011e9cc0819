#pragma once
// The declared entry on screen in the entry window.
#include <cstdint>

namespace quelvo {

class cDeclarado {
public:
    // Exercise of the period the entry rectifies; 0 when it rectifies
    // nothing. Kept 32-bit, read 16-bit: a value that does not fit raises 6.
    int16_t Ejercicio() const;
    void Ejercicio(int32_t v) { Ejercicio_ = v; }

private:
    int32_t Ejercicio_ = 0;
};

}  // namespace quelvo
