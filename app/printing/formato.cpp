#include "printing/formato.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "parties/formato_ceros.h"
#include "quelvort/convert.h"
#include "quelvort/error.h"
#include "services/valores.h"

namespace quelvo {

namespace {

// Thousands points between the groups of a digit string.
std::string Agrupar(const std::string& cifras) {
    std::string resultado;
    const size_t n = cifras.size();
    for (size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) resultado += '.';
        resultado += cifras[i];
    }
    return resultado;
}

// Rounded to `decimales` places (halves away from zero) and split into the
// digits before and after the comma; the sign apart.
struct Partes {
    bool negativo = false;
    std::string enteros;
    std::string decimales;
};

Partes Partir(double valor, int decimales) {
    const double redondeado = rt::RoundHalfAwayFromZero(valor, decimales);
    const double escala = std::pow(10.0, decimales);
    const double unidades = std::round(std::fabs(redondeado) * escala);
    if (!(unidades < 1e18)) throw rt::Error::Runtime(rt::err::Overflow);
    const auto total = static_cast<long long>(unidades);
    const auto divisor = static_cast<long long>(escala);
    Partes p;
    p.negativo = total != 0 && redondeado < 0;
    p.enteros = std::to_string(total / divisor);
    if (decimales > 0) {
        p.decimales = std::to_string(total % divisor);
        p.decimales.insert(0, static_cast<size_t>(decimales) - p.decimales.size(), '0');
    }
    return p;
}

bool SoloCeros(std::string_view patron) {
    return !patron.empty() && patron.find_first_not_of('0') == std::string_view::npos;
}

}  // namespace

QString Formato(double valor, std::string_view patron) {
    if (patron == "#,#") {
        const Partes p = Partir(valor, 0);
        if (p.enteros == "0") return {};
        return QString::fromStdString((p.negativo ? "-" : "") + Agrupar(p.enteros));
    }
    if (patron == "#,###,###,###,##0.00") return FormatoImporte(valor);
    if (patron == "0.00") {
        const Partes p = Partir(valor, 2);
        return QString::fromStdString((p.negativo ? "-" : "") + p.enteros + "," + p.decimales);
    }
    if (SoloCeros(patron))
        return QString::fromStdString(FormatoCeros(rt::Variant(valor), static_cast<int>(patron.size())));
    throw rt::Error::Runtime(rt::err::InvalidArgument);
}

QString NumeroSimple(double valor) { return QString::fromStdString(rt::FormatDouble(valor)); }

QString TextoCB(const rt::Variant& valor) {
    rt::Variant copia = valor;
    return QString::fromStdString(rt::CStr(CB(copia)));
}

}  // namespace quelvo
