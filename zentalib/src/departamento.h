#pragma once
// The tax department's name as the authority's printed forms carry it.
#include <cstdint>
#include <string>

namespace zentalib {

// The forms ask in Basque with 1000; the program's own language offset for
// Basque is 10000. Any other value is Spanish.
inline constexpr int32_t kIdiomaEuskeraImpresos = 1000;

// One line of text (UTF-8) in Basque or Spanish.
std::string NombreDepartamento(int32_t idioma);

}  // namespace zentalib
