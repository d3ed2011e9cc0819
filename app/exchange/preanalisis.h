#pragma once
// The reading of an import file before its run: how many lines and records
// of each kind it holds, so the bars get their maxima, and whether it is in
// the national layout.
#include <cstdint>
#include <string>

namespace quelvo {

struct Preanalisis {
    int32_t lineas = 0;
    int32_t declarantes = 0;  // type-1 records
    int32_t declarados = 0;   // type-2 records
    bool estatal = false;
};

// A submission file and a declared-entry file: the first type-1 or type-2
// record decides the layout; a file without one leaves `estatal` as it
// stands.
Preanalisis PreanalizarSoporte(const std::string& ruta, bool estatal);
Preanalisis PreanalizarDeclarados(const std::string& ruta, bool estatal);

// Any file: its lines only.
Preanalisis ContarLineas(const std::string& ruta);

}  // namespace quelvo
