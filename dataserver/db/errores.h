#pragma once
// Errors the data server raises of its own.
#include <cstdint>
#include <string>
#include <string_view>

#include "quelvort/error.h"

namespace quelvodat {

namespace sqlite {
class Database;
}

inline constexpr int32_t kErrorNoExiste = 3021;

// A key that no row has: a clear text instead of the engine's "no current
// record".
inline rt::Error ErrorNoExiste(std::string_view que, int32_t clave) {
    return rt::Error(kErrorNoExiste, "Quelvodat",
                     "No existe " + std::string(que) + " con clave " + std::to_string(clave));
}

// A row saved under a key that no row has would be an orphan no list shows:
// ErrorNoExiste unless `tabla` has a row whose `columna` is `clave`.
void ExigirClave(sqlite::Database& db, std::string_view tabla, std::string_view columna,
                 std::string_view que, int32_t clave);

}  // namespace quelvodat
