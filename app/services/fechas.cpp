#include "services/fechas.h"

#include <optional>

#include "quelvort/convert.h"
#include "quelvort/error.h"
#include "services/globales.h"

namespace quelvo {

namespace {

struct Fecha {
    int32_t dia;
    int32_t mes;
    int32_t ano;
};

bool bisiesto(int32_t ano) { return (ano % 4 == 0 && ano % 100 != 0) || ano % 400 == 0; }

int32_t diasDelMes(int32_t mes, int32_t ano) {
    switch (mes) {
    case 2: return bisiesto(ano) ? 29 : 28;
    case 4:
    case 6:
    case 9:
    case 11: return 30;
    default: return 31;
    }
}

// A fixed-width piece: digits only (an empty piece reads 0).
std::optional<int32_t> piezaFija(const QString& pieza) {
    int32_t n = 0;
    for (QChar c : pieza) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c.unicode() - '0');
    }
    return n;
}

// The last piece: the number its leading digits form, rounded; beyond the
// 16-bit range it is no number. A mask character left in it means the date
// was not typed whole ("2011/03/1_" is no 1 March).
std::optional<int32_t> piezaFinal(const QString& pieza) {
    if (pieza.contains('_')) return std::nullopt;
    try {
        return rt::CInt(rt::Variant(rt::Val(pieza.toStdString())));
    } catch (const rt::Error&) {
        return std::nullopt;
    }
}

bool vacia(const QString& texto) { return texto == strFechaVacia || texto == MascaraFecha(); }

// The pieces of a text that is a valid date, by position.
std::optional<Fecha> leer(const QString& texto, int16_t anoMinimo) {
    std::optional<int32_t> dia, mes, ano;
    if (lngIdioma == 0) {
        dia = piezaFija(texto.mid(0, 2));
        mes = piezaFija(texto.mid(3, 2));
        ano = piezaFinal(texto.mid(6));
    } else {
        ano = piezaFija(texto.mid(0, 4));
        mes = piezaFija(texto.mid(5, 2));
        dia = piezaFinal(texto.mid(8));
    }
    if (!dia || !mes || !ano) return std::nullopt;
    if (*ano < 1000 || *ano < anoMinimo) return std::nullopt;
    if (*mes < 1 || *mes > 12) return std::nullopt;
    if (*dia < 1 || *dia > diasDelMes(*mes, *ano)) return std::nullopt;
    return Fecha{*dia, *mes, *ano};
}

}  // namespace

QString MascaraFecha() { return lngIdioma == 0 ? "__/__/____" : "____/__/__"; }

bool FechaValida(const QString& texto, int16_t anoMinimo) {
    return vacia(texto) || leer(texto, anoMinimo).has_value();
}

int32_t FechaANumero(const QString& texto, int16_t anoMinimo) {
    if (vacia(texto)) return 0;
    // Built from the pieces the check read, so that a text the check accepts
    // never turns into the empty date.
    auto fecha = leer(texto, anoMinimo);
    if (!fecha) return -1;
    return fecha->ano * 10000 + fecha->mes * 100 + fecha->dia;
}

QString NumeroAFecha(int32_t numero, bool diaPrimero) {
    if (numero < 1) return MascaraFecha();
    const QString s = QString::number(numero);
    QString ano, mes, dia;
    if (diaPrimero) {
        ano = s.right(4);
        mes = s.mid(2, 2);
        dia = s.left(2);
    } else {
        ano = s.left(4);
        mes = s.mid(4, 2);
        dia = s.right(2);
    }
    const QString texto = lngIdioma == 0 ? dia + "/" + mes + "/" + ano : ano + "/" + mes + "/" + dia;
    return leer(texto, 0) ? texto : MascaraFecha();
}

QString SufijoDia(int16_t dia) {
    switch (dia) {
    case 1:
    case 5:
    case 10:
    case 15:
    case 21:
    case 25:
    case 30: return "ean";
    case 11:
    case 31: return "n";
    default: return dia >= 2 && dia <= 29 ? "an" : "";
    }
}

}  // namespace quelvo
