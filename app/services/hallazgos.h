#pragma once
// The findings of a validation, collected in the order the checks run and
// handed to the error list as one array.
#include <cstdint>
#include <utility>
#include <vector>

#include "quelvort/variant.h"

namespace quelvo {

class Hallazgos {
public:
    // One finding: the ordinal of the failed field (the list's sort key) and
    // the error code.
    void Anadir(int16_t ordinal, int16_t codigo) { filas_.emplace_back(ordinal, codigo); }
    // Adds the finding when `falla` is true.
    void Si(bool falla, int16_t ordinal, int16_t codigo) {
        if (falla) Anadir(ordinal, codigo);
    }
    bool Vacia() const { return filas_.empty(); }
    // The codes in the order found.
    std::vector<int16_t> Codigos() const;
    // (0 To 1, 0 To n - 1): (0, j) the ordinal, (1, j) the code; Empty when
    // nothing was found.
    rt::Variant Matriz() const;
    // Shows them in the error list (through the screen interface) when there
    // are any; true when there were none.
    bool Mostrar() const;

private:
    std::vector<std::pair<int16_t, int16_t>> filas_;
};

}  // namespace quelvo
