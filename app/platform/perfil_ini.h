#pragma once
// Reading one value of an INI file the way the system's profile reader does.
#include <QString>

namespace quelvo::plataforma {

// The value of `clave` in `[seccion]` of the Windows-1252 file at `ruta`:
// - section and key names compare without regard to letter case; lines may be
//   indented; only the first section of a name is searched, and in it the
//   first line of the key;
// - blanks and tabs around the key and around the value are dropped, and one
//   pair of matching quotes (' or ") around the whole value is removed;
// - a missing file, section or key, or a key line without "=", gives
//   `defecto` with its trailing blanks dropped (a default of blanks alone
//   keeps its first one);
// - the answer holds at most `tamano` - 1 characters, as a buffer of `tamano`
//   characters with its terminator would.
QString LeerPerfil(const QString& ruta, const QString& seccion, const QString& clave,
                   const QString& defecto, int tamano);

}  // namespace quelvo::plataforma
