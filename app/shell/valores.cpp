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


QString FormatoImporte(double importe) {
    const double centesimas = rt::RoundHalfAwayFromZero(importe * 100);
    const bool negativo = centesimas < 0;
    const long long total = static_cast<long long>(std::abs(centesimas));
    QString enteros = QString::number(total / 100);
    for (qsizetype i = enteros.size() - 3; i > 0; i -= 3) enteros.insert(i, '.');
    const QString resultado =
        enteros + ',' + QString::number(total % 100).rightJustified(2, '0');
    return negativo ? "-" + resultado : resultado;
}

}  // namespace quelvo
