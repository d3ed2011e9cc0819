#include "shell/hallazgos.h"

#include "shell/interaccion.h"

namespace quelvo {

std::vector<int16_t> Hallazgos::Codigos() const {
    std::vector<int16_t> codigos;
    for (const auto& fila : hallazgos_) codigos.push_back(fila.second);
    return codigos;
}

rt::Variant Hallazgos::Matriz() const {
    if (hallazgos_.empty()) return rt::Variant::Null();
    const auto n = static_cast<int32_t>(hallazgos_.size());
    rt::VArray m({0, 1}, {0, n - 1});
    for (int32_t j = 0; j < n; ++j) {
        m.at(0, j) = rt::Variant::Integer(hallazgos_[static_cast<size_t>(j)].first);
        m.at(1, j) = rt::Variant::Integer(hallazgos_[static_cast<size_t>(j)].second);
    }
    return m;
}

bool Hallazgos::Mostrar() const {
    if (hallazgos_.empty()) return true;
    interaccion().MostrarErrores(Matriz());
    return false;
}

}  // namespace quelvo
