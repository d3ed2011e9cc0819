#pragma once
// The findings of a validation, collected in the order the checks find them
// and handed over as the error list takes them.
#include <cstdint>
#include <utility>
#include <vector>

#include "quelvort/variant.h"

namespace quelvo {

class Hallazgos {
public:
    // One finding: the ordinal of the check (the list's sort key) and the
    // error code.
    void Anadir(int16_t campo, int16_t codigo) { hallazgos_.emplace_back(campo, codigo); }
    // Adds the finding when `falla` is true.
    void Si(bool falla, int16_t campo, int16_t codigo) {
        if (falla) Anadir(campo, codigo);
    }
    bool Vacia() const { return hallazgos_.empty(); }
    const std::vector<std::pair<int16_t, int16_t>>& Lista() const { return hallazgos_; }
    // The codes in the order found.
    std::vector<int16_t> Codigos() const;
    // (0 To 1, 0 To n - 1): (0, j) the ordinal, (1, j) the code; Null when
    // there is no finding.
    rt::Variant Matriz() const;
    // Shows them in the error list (through the screen interface) when there
    // are any; true when there were none.
    bool Mostrar() const;

private:
    std::vector<std::pair<int16_t, int16_t>> hallazgos_;
};

}  // namespace quelvo
