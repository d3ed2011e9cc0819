#include "interaccion_falsa.h"

#include "quelvort/convert.h"

namespace prueba {

std::vector<std::pair<int, int>> ParesHallazgos(const rt::Variant& v) {
    std::vector<std::pair<int, int>> pares;
    if (!v.isArray()) return pares;
    for (int32_t j = rt::LBound(v, 2); j <= rt::UBound(v, 2); ++j)
        pares.emplace_back(rt::CInt(v(0, j)), rt::CInt(v(1, j)));
    return pares;
}

}  // namespace prueba
