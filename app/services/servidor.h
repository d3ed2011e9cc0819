#pragma once
// Creates a data-server object for one operation, with both database paths
// set: the program's one way to reach the data server.
#include <memory>

#include "quelvort/object.h"
#include "services/globales.h"

namespace quelvo {

template <typename Interface>
std::shared_ptr<Interface> CrearServidor(const char* progId) {
    auto objeto = rt::CreateObjectAs<Interface>(progId);
    objeto->mdbmod(strRutaMod);
    objeto->mdblec(strRutaLec);
    return objeto;
}

}  // namespace quelvo
