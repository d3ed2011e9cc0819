#pragma once
// Creating an empty user database from the compiled-in schema.
#include <string>

namespace quelvodat {

// Creates the user database at `ruta` with its settings row (language "C",
// online check -1), whole or not at all. An existing file is left alone.
// Answers true when it created the file.
bool CrearBaseUsuarioSiFalta(const std::string& ruta);

}  // namespace quelvodat
