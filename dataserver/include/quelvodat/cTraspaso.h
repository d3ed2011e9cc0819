#pragma once
// The in-place upgrade of a user database made by an earlier release; the
// program calls it at start-up before it reads the user database.
#include <cstdint>
#include <string>

#include "quelvodat/rutas.h"

namespace quelvodat {

// Raised by Traspaso when the file at mdbmod is no user database of the
// program: no database at all, a damaged one, or one without the program's
// tables. The file is left as it was. (The engine's "Unrecognized database
// format".)
inline constexpr int32_t kErrBaseNoReconocida = 3343;

class _cTraspaso : public _RutasBD {
public:
    // The tables folder; stored, not read.
    virtual void mdbPath(const std::string& ruta) = 0;
    // Creates the user database at mdbmod when it is missing and brings an
    // older one to the current layout, all or nothing. False: the program may
    // go on. A failure is raised with "cTraspaso.Traspaso " in front.
    virtual bool Traspaso() = 0;
};

}  // namespace quelvodat
