#pragma once
// The error codes of the last findings list the screen stand-in was shown.
#include <vector>

#include "interaccion_falsa.h"

namespace prueba {

inline std::vector<int> CodigosMostrados(const InteraccionFalsa& pantalla) {
    std::vector<int> codigos;
    for (const auto& hallazgo : pantalla.UltimosErrores()) codigos.push_back(hallazgo.second);
    return codigos;
}

}  // namespace prueba
