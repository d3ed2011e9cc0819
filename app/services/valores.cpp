#include "services/valores.h"

#include <QList>

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

bool soloCifras(QStringView texto) {
    for (QChar c : texto)
        if (c < u'0' || c > u'9') return false;
    return true;
}

// "-1.234.567,89": the whole digits in groups of three and two decimals
// (fewer are filled with zeros).
QString conPuntos(bool negativo, QStringView enteros, QStringView decimales) {
    QString texto;
    texto.reserve(enteros.size() + enteros.size() / 3 + 4);
    if (negativo) texto += u'-';
    for (qsizetype i = 0; i < enteros.size(); ++i) {
        if (i > 0 && (enteros.size() - i) % 3 == 0) texto += u'.';
        texto += enteros[i];
    }
    texto += u',';
    texto += decimales;
    for (qsizetype i = decimales.size(); i < 2; ++i) texto += u'0';
    return texto;
}

// The amount's text written from the right, ending at `fin`; answers where
// it starts. A list shows one per row: no text is made on the way.
template <typename Caracter>
Caracter* EscribirImporte(double importe, Caracter* fin) {
    const double centesimas = rt::RoundHalfAwayFromZero(importe * 100);
    const bool negativo = centesimas < 0;
    // Only a damaged database holds more; the text must still fit and the
    // conversion be defined.
    constexpr double kMaximo = 999999999999999999.0;
    const double magnitud = std::abs(centesimas);
    unsigned long long total = magnitud < kMaximo ? static_cast<unsigned long long>(magnitud)
                                                  : static_cast<unsigned long long>(kMaximo);
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

std::optional<QString> LeerImporte(const QString& texto) {
    const QString limpio = texto.trimmed();
    if (limpio.isEmpty()) return QString();
    QStringView resto(limpio);
    const bool negativo = resto.front() == u'-';
    if (negativo) resto = resto.mid(1);
    // The decimal mark: the comma, else a last point before one or two final
    // digits (or none); a point before three digits is a thousands point.
    qsizetype marca = resto.indexOf(u',');
    if (marca < 0) {
        const qsizetype punto = resto.lastIndexOf(u'.');
        if (punto >= 0 && resto.size() - punto - 1 <= 2) marca = punto;
    }
    const QStringView enteros = marca < 0 ? resto : resto.left(marca);
    const QStringView decimales = marca < 0 ? QStringView() : resto.mid(marca + 1);
    if (decimales.size() > 2 || !soloCifras(decimales)) return std::nullopt;
    QString cifras;
    if (enteros.contains(u'.')) {
        // Thousands points stand between groups of three after a first group
        // of one to three digits that does not start with zero.
        const auto grupos = enteros.split(u'.');
        const QStringView primero = grupos.front();
        if (primero.isEmpty() || primero.size() > 3 || primero.front() == u'0') return std::nullopt;
        for (qsizetype i = 0; i < grupos.size(); ++i) {
            if ((i > 0 && grupos[i].size() != 3) || !soloCifras(grupos[i])) return std::nullopt;
            cifras += grupos[i];
        }
    } else {
        if (!soloCifras(enteros)) return std::nullopt;
        cifras = enteros.toString();
    }
    if (cifras.isEmpty() && decimales.isEmpty()) return std::nullopt;
    qsizetype ceros = 0;
    while (ceros < cifras.size() - 1 && cifras[ceros] == u'0') ++ceros;
    cifras.remove(0, ceros);
    if (cifras.isEmpty()) cifras = QStringLiteral("0");
    const bool cero = cifras == u"0" && decimales.count(u'0') == decimales.size();
    QString importe = negativo && !cero ? QStringLiteral("-") : QString();
    importe += cifras;
    if (!decimales.isEmpty()) importe += u',' + decimales.toString();
    return importe;
}

QString FormatoImporte(const QString& texto) {
    const std::optional<QString> importe = LeerImporte(texto);
    if (!importe || importe->isEmpty()) return texto;
    QStringView resto(*importe);
    const bool negativo = resto.front() == u'-';
    if (negativo) resto = resto.mid(1);
    const qsizetype coma = resto.indexOf(u',');
    return coma < 0 ? conPuntos(negativo, resto, {})
                    : conPuntos(negativo, resto.left(coma), resto.mid(coma + 1));
}

}  // namespace quelvo
