#include "declarations/cdeclaracion.h"

#include "quelvodat/cDeclaraciones.h"
#include "quelvort/error.h"
#include "shell/servidor.h"

namespace quelvo {

rt::Variant cDeclaracion::MaxEjerPer(bool blnSoloEuros, int16_t intEjerMin) {
    try {
        return CrearServidor<quelvodat::_cDeclaraciones>("Quelvodat.cDeclaraciones")
            ->MaxEjerPer(blnSoloEuros, intEjerMin);
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineBefore(e, "cDeclaracion.MaxEjerPer");
    }
}

}  // namespace quelvo
