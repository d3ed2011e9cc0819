#pragma once
// The error buffer of the import checks: one column per finding, (0, j) the
// error code (Long), (1, j) the value that failed (text). Without findings
// it is (0 To 1, 0 To 0) with both elements Empty.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "quelvort/variant.h"

namespace quelvodat::Importacion {

class BufferErrores {
public:
    void Agregar(int32_t codigo, const std::string& valor = {});
    bool Vacio() const { return hallazgos_.empty(); }
    rt::Variant Matriz() const;

private:
    std::vector<std::pair<int32_t, std::string>> hallazgos_;
};

rt::Variant SinHallazgos();
// True when the buffer's element (0, 0) is Empty.
bool EstaLibre(const rt::Variant& vBufferErrores);

}  // namespace quelvodat::Importacion
