#include "exchange/buffer_errores.h"

namespace quelvodat::Importacion {

void BufferErrores::Agregar(int32_t codigo, const std::string& valor) {
    hallazgos_.emplace_back(codigo, valor);
}

rt::Variant BufferErrores::Matriz() const {
    if (hallazgos_.empty()) return SinHallazgos();
    rt::VArray m({0, 1}, {0, static_cast<int32_t>(hallazgos_.size()) - 1});
    for (int32_t j = 0; j < static_cast<int32_t>(hallazgos_.size()); ++j) {
        m.at(0, j) = hallazgos_[static_cast<size_t>(j)].first;
        m.at(1, j) = hallazgos_[static_cast<size_t>(j)].second;
    }
    return m;
}

rt::Variant SinHallazgos() {
    // Arrays are shared until written to: every line's empty buffer is this one.
    static const rt::Variant kSinHallazgos = rt::VArray({0, 1}, {0, 0});
    return kSinHallazgos;
}

bool EstaLibre(const rt::Variant& vBufferErrores) {
    return !vBufferErrores.isArray() || vBufferErrores(0, 0).isEmpty();
}

}  // namespace quelvodat::Importacion
