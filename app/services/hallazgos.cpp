#include "services/hallazgos.h"

#include "services/interaccion.h"

namespace quelvo {

std::vector<int16_t> Hallazgos::Codigos() const {
    std::vector<int16_t> codigos;
    for (const auto& fila : filas_) codigos.push_back(fila.second);
    return codigos;
}

rt::Variant Hallazgos::Matriz() const {
    if (filas_.empty()) return {};
    rt::VArray matriz({0, 1}, {0, static_cast<int32_t>(filas_.size()) - 1});
    for (size_t j = 0; j < filas_.size(); ++j) {
        matriz.at(0, static_cast<int32_t>(j)) = rt::Variant::Integer(filas_[j].first);
        matriz.at(1, static_cast<int32_t>(j)) = rt::Variant::Integer(filas_[j].second);
    }
    return rt::Variant(std::move(matriz));
}

bool Hallazgos::Mostrar() const {
    if (filas_.empty()) return true;
    interaccion().MostrarErrores(Matriz());
    return false;
}

}  // namespace quelvo
