#include "parties/formato_ceros.h"

#include <cmath>

#include "quelvort/convert.h"
#include "quelvort/error.h"

namespace quelvo {

std::string FormatoCeros(const rt::Variant& valor, int digitos) {
    double redondeado = rt::RoundHalfAwayFromZero(rt::CDbl(valor));
    // Beyond this a double no longer holds every whole number.
    if (!(std::fabs(redondeado) < 1e15)) throw rt::Error::Runtime(rt::err::Overflow);
    auto entero = static_cast<long long>(redondeado);
    std::string cifras = std::to_string(entero < 0 ? -entero : entero);
    if (static_cast<int>(cifras.size()) < digitos)
        cifras.insert(0, static_cast<size_t>(digitos) - cifras.size(), '0');
    return entero < 0 ? "-" + cifras : cifras;
}

}  // namespace quelvo
