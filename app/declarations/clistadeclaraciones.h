#pragma once
// The current declarant's declarations and the one declaration being worked
// on, shared by the declarations window, the entry window, the pick lists
// and printing.
#include <cstdint>

namespace quelvo {

class cListaDeclaraciones {
public:
    // 1 when the declarations window was reached through the declarant
    // picker (closing it returns there), 0 when opened directly.
    int32_t Procedencia() const { return Procedencia_; }
    void Procedencia(int32_t v) { Procedencia_ = v; }
    // Last month of the current declaration's period; 0 while none is set.
    uint8_t Periodo() const { return Periodo_; }
    void Periodo(uint8_t v) { Periodo_ = v; }
    // What the declarations window does: 0 create, 1 open, 2 copy.
    int32_t Modo() const { return Modo_; }
    void Modo(int32_t v) { Modo_ = v; }
    // Exercise of the current declaration; 0 while none is set.
    int32_t Ejercicio() const { return Ejercicio_; }
    void Ejercicio(int32_t v) { Ejercicio_ = v; }

private:
    int32_t Modo_ = 0;
    int32_t Procedencia_ = 0;
    int32_t Ejercicio_ = 0;
    uint8_t Periodo_ = 0;
};

}  // namespace quelvo
