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

// A submission file: the first or the second line, when it is a type-1
// record, decides the layout (the second over the first); otherwise
// `estatal` stands.
Preanalisis PreanalizarSoporte(const std::string& ruta, bool estatal);

// A declared-entry file: its second line decides the layout; a file of fewer
// lines leaves `estatal` as it stands.
Preanalisis PreanalizarDeclarados(const std::string& ruta, bool estatal);

// Any file: its lines only.
Preanalisis ContarLineas(const std::string& ruta);

}  // namespace quelvo
