#include "shell/valores.h"

#include <cmath>

#include "quelvort/convert.h"
#include "quelvort/error.h"
#include "quelvort/strings.h"

namespace quelvo {

rt::Variant CB(rt::Variant& valor) {
    try {
        if (rt::Trim(rt::CStr(valor)).empty()) valor = rt::Variant::Integer(0);
        const double numero = std::abs(rt::CDbl(rt::Variant(rt::Trim(rt::CStr(valor)))));
        if (numero == 0) return rt::Variant(std::string());
        return valor;
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineBefore(e, "General.CB");
    }
}

double BC(const rt::Variant& valor) {
    try {
        if (valor.isEmpty() || (valor.isString() && valor.str().empty())) return 0;
        return rt::CDbl(valor);
    } catch (const rt::Error& e) {
        throw rt::WithLocationLineBefore(e, "General.BC");
    }
}

}  // namespace quelvo
