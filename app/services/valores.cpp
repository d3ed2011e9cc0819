#include "services/valores.h"

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


QString FormatoImporte(double importe) {
    const double centesimas = rt::RoundHalfAwayFromZero(importe * 100);
    const bool negativo = centesimas < 0;
    unsigned long long total = static_cast<unsigned long long>(std::abs(centesimas));
    // Written from the right in one buffer: a list shows one per row.
    char16_t texto[32];
    int i = 32;
    auto cifra = [&] {
        texto[--i] = static_cast<char16_t>(u'0' + total % 10);
        total /= 10;
    };
    cifra();
    cifra();
    texto[--i] = u',';
    for (int cifras = 0; cifras == 0 || total > 0; ++cifras) {
        if (cifras > 0 && cifras % 3 == 0) texto[--i] = u'.';
        cifra();
    }
    if (negativo) texto[--i] = u'-';
    return QString(reinterpret_cast<const QChar*>(texto + i), 32 - i);
}

}  // namespace quelvo
