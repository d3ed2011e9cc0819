#pragma once
// The program-wide values every window and object of the program shares.
#include <cstdint>
#include <string>

namespace quelvo {

// Work folder (no trailing separator): default folder of submission files,
// the hand-off page and import logs.
inline std::string strRutaTrabajo;
// Tables folder, always ending in the separator.
inline std::string strRutaTablas;
// Full paths of the user database and the reference database.
inline std::string strRutaMod;
inline std::string strRutaLec;
// Catalog offset: 0 Spanish, 10000 Basque. Written only by cGeneral::IDI.
inline int32_t lngIdioma = 0;
// The program's own version ("1.2.3") and product version.
inline std::string strVersion;
inline std::string strVersionProducto;

inline constexpr int32_t kOffsetEuskera = 10000;

}  // namespace quelvo
