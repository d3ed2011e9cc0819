#pragma once
// The in-place upgrade of a user database made by an earlier release; the
// program calls it at start-up before it reads the user database.
#include <string>

#include "quelvodat/rutas.h"

namespace quelvodat {

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
