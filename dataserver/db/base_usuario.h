#pragma once
// Creating an empty user database from the compiled-in schema.
#include <string>

#include <cstdint>

namespace quelvodat {

// The settings row of a new user database: Spanish, and the online check not
// chosen yet (the program asks at its first start).
inline constexpr const char* kIdiomaInicial = "C";
inline constexpr int16_t kActOnlineInicial = -1;

// Creates the user database at `ruta` with its settings row (language "C",
// online check -1), whole or not at all. An existing file is left alone.
// Answers true when it created the file.
bool CrearBaseUsuarioSiFalta(const std::string& ruta);

}  // namespace quelvodat
