#pragma once
// The issuing territory: its province code and its default postal code.
#include <cstdint>

namespace quelvodat {

inline constexpr int16_t kProvinciaTerritorio = 1;
inline constexpr const char* kCodigoProvinciaTerritorio = "01";
inline constexpr const char* kCodigoPostalTerritorio = "01001";

}  // namespace quelvodat
