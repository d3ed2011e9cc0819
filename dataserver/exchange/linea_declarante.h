#pragma once
// The declarant exchange file's line (185 characters): its layout, the line
// written from a declarant load buffer and the cutting of a line read back.
#include <cstdint>
#include <string>

#include "exchange/diseno_registros.h"
#include "quelvort/variant.h"

namespace quelvodat {

inline constexpr int32_t kLargoLineaDte = 185;

extern const Diseno kDisenoLineaDte;

namespace Exportacion {

// The line of one declarant from its load buffer (as cDeclarante's
// CargarDeclarante fills it: 1 NIF, 2 name, 3 street type, 4 street,
// 5 number, 6 letter, 7 stair, 8 floor, 9 door, 10 province code, 11 last
// three postal digits, 12 municipality, 13 contact name, 14 telephone,
// 15 contact telephone). Raises, naming the field, when a number does not fit.
std::string ExportarLineaDte(const rt::Variant& vBufferDeclarante);

}  // namespace Exportacion

namespace Importacion {

// ValoresDte (0 To 17, 0 To 1): (i, 0) the trimmed value of field i, (i, 1)
// its label; fields 0, 16 and 17 stay empty. A short line never fails: what
// lies beyond its end reads as empty.
rt::Variant ObtenerValoresDte(const std::string& strLinea);

}  // namespace Importacion

}  // namespace quelvodat
