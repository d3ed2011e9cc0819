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


namespace {

// The amount's text written from the right, ending at `fin`; answers where
// it starts. A list shows one per row: no text is made on the way.
template <typename Caracter>
Caracter* EscribirImporte(double importe, Caracter* fin) {
    const double centesimas = rt::RoundHalfAwayFromZero(importe * 100);
    const bool negativo = centesimas < 0;
    unsigned long long total = static_cast<unsigned long long>(std::abs(centesimas));
    Caracter* i = fin;
    auto cifra = [&] {
        *--i = static_cast<Caracter>('0' + total % 10);
        total /= 10;
    };
    cifra();
    cifra();
    *--i = ',';
    for (int cifras = 0; cifras == 0 || total > 0; ++cifras) {
        if (cifras > 0 && cifras % 3 == 0) *--i = '.';
        cifra();
    }
    if (negativo) *--i = '-';
    return i;
}

}  // namespace

QString FormatoImporte(double importe) {
    char16_t texto[32];
    const char16_t* inicio = EscribirImporte(importe, texto + 32);
    return QString(reinterpret_cast<const QChar*>(inicio), texto + 32 - inicio);
}

std::string_view FormatoImporte(double importe, std::array<char, 32>& texto) {
    char* fin = texto.data() + texto.size();
    const char* inicio = EscribirImporte(importe, fin);
    return {inicio, static_cast<size_t>(fin - inicio)};
}

}  // namespace quelvo
