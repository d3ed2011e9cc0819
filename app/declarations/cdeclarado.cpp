#include "declarations/cdeclarado.h"

#include "quelvort/convert.h"

namespace quelvo {

int16_t cDeclarado::Ejercicio() const {
    return rt::CInt(rt::Variant(Ejercicio_));
}

}  // namespace quelvo
