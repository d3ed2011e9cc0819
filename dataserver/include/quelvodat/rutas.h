#pragma once
// The two database paths every public class takes from the program.
#include <string>

#include "quelvort/object.h"

namespace quelvodat {

class _RutasBD : public virtual rt::Object {
public:
    // Full path of 794Mod.mdb, the user database.
    virtual void mdbmod(const std::string& ruta) = 0;
    // Full path of 794Lec.mdb, the reference database.
    virtual void mdblec(const std::string& ruta) = 0;
};

}  // namespace quelvodat
