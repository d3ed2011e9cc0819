#include "general.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>

#include "quelvort/convert.h"
#include "quelvort/error.h"
#include "quelvort/object.h"
#include "quelvort/strings.h"
#include "sqlite_database.h"
#include "zentalib/cMiscelaneos.h"

namespace quelvodat::General {

zentalib::_cMiscelaneos& Miscelaneos() {
    thread_local const auto miscelaneos =
        rt::CreateObjectAs<zentalib::_cMiscelaneos>("Zentalib.cMiscelaneos");
    return *miscelaneos;
}

namespace {
constexpr const char* kAcute = "\xC2\xB4";  // "´"
constexpr const char* kSource = "Quelvodat";

[[noreturn]] void invalidArgument() { throw rt::Error::Runtime(rt::err::InvalidArgument, kSource); }

std::string wholeDigits(double magnitude) {
    // A whole number below 2^63 is exact as an integer: no formatting needed.
    if (magnitude < 9.2e18) return std::to_string(static_cast<int64_t>(magnitude));
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, "%.0f", magnitude);
    return buffer;
}
}  // namespace

namespace {

std::string SinAcentos(std::string_view texto) { return rt::Replace(texto, kAcute, "'"); }

// Field j of the query's row as a record array holds it (RestaurarComillas
// of its text), added to the row being made: a text is read in place and
// copied once, into the array; a number's digits hold no acute accent.
void AnadirCampo(const sqlite::Statement& rs, int j, rt::VArrayRows& filas) {
    rt::NumberText cifras;
    const std::string_view texto = rs.columnText(j, cifras);
    if (texto.find(kAcute) == std::string_view::npos) filas.Add(texto);
    else filas.Add(SinAcentos(texto));
}

// The same for an element of an array made whole.
rt::Variant Campo(const sqlite::Statement& rs, int j) {
    rt::NumberText cifras;
    return SinAcentos(rs.columnText(j, cifras));
}

// The next row number, refusing one the array's bounds cannot hold.
int32_t Siguiente(int32_t fila) {
    if (fila == std::numeric_limits<int32_t>::max())
        throw rt::Error::Runtime(rt::err::Overflow, kSource);
    return fila + 1;
}

}  // namespace

rt::Variant RecordsetAMatriz(sqlite::Statement& rs, int32_t modo, int32_t filasPrevistas) {
    if (!rs.step()) return rt::Variant::Null();
    const int32_t columnas = rs.columnCount();
    if (modo == kUnaFila) {
        // Serves queries of at most one row: a further row is not read, so
        // the spare last element always stays Empty.
        rt::VArray matriz(0, columnas);
        for (int32_t j = 0; j < columnas; ++j) matriz.at(j) = Campo(rs, j);
        return matriz;
    }
    // The array is made for the rows foreseen; more rows make it grow, its
    // storage doubling, and fewer leave it cut to those read. No row is read
    // into anything but the array.
    const int32_t previstas = std::max(filasPrevistas, 1);
    if (modo == kUnaColumna) {
        rt::VArray matriz(0, previstas - 1);
        int32_t i = 0;
        do {
            if (i > matriz.UBound()) matriz.RedimPreserve(i);
            matriz.at(i) = Campo(rs, 0);
            i = Siguiente(i);
        } while (rs.step());
        if (i - 1 < matriz.UBound()) matriz.RedimPreserve(i - 1);
        return matriz;
    }
    // Row 0 stays Empty.
    rt::VArrayRows filas({0, columnas}, 0, static_cast<size_t>(previstas) + 1);
    filas.EndRow();
    for (int32_t fila = 1;; fila = Siguiente(fila)) {
        for (int32_t j = 0; j < columnas; ++j) AnadirCampo(rs, j, filas);
        filas.EndRow();
        if (!rs.step()) break;
    }
    return std::move(filas).Take();
}

bool EsNumerico(std::string_view texto) {
    for (char c : texto)
        if (!((c >= '0' && c <= '9') || c == '-')) return false;
    return true;
}

double BC(const rt::Variant& valor) {
    try {
        if (valor.isEmpty() || (valor.isString() && valor.str().empty())) return 0;
        if (valor.isNumber()) return rt::CDbl(valor);
        std::string texto = rt::CStr(valor);
        if (!EsNumerico(texto)) return 0;
        return rt::CDbl(texto);
    } catch (const rt::Error& e) {
        if (e.Number == rt::err::TypeMismatch) return 0;
        throw rt::WithLocationLineBefore(e, "General.BC");
    }
}

std::string RellenarNumero(double valor, int16_t n, std::string_view relleno) {
    if (n < 0 || relleno.empty()) invalidArgument();
    std::string fill = rt::Left(relleno, 1);
    std::string result;
    if (fill == "0" || fill == "#") {
        double redondeado = rt::RoundHalfAwayFromZero(valor);
        std::string digits = wholeDigits(std::fabs(redondeado));
        if (fill == "#" && digits == "0") digits.clear();
        if (fill == "0" && static_cast<int32_t>(digits.size()) < n)
            digits.insert(0, static_cast<size_t>(n) - digits.size(), '0');
        result = (redondeado < 0 ? "-" : "") + digits;
        // A longer text would shift every field behind it in a fixed-width record.
        if (static_cast<int32_t>(result.size()) > n)
            throw rt::Error(rt::err::Overflow, kSource,
                            "El valor " + rt::FormatDouble(valor) +
                                " no cabe en un campo numérico de " + std::to_string(n) +
                                " posiciones");
    } else {
        result = rt::StringOf(n, fill);
    }
    return result;
}

std::string RellenarTexto(std::string& texto, int16_t n, std::string_view relleno) {
    if (n < 0 || relleno.empty()) invalidArgument();
    int32_t largo = rt::Len(texto);
    if (n < largo) {
        texto = rt::Left(texto, n);
        largo = n;
    }
    return texto + rt::StringOf(n - largo, relleno);
}

std::string RellenarTexto(const std::string& texto, int16_t n, std::string_view relleno) {
    std::string copia = texto;
    return RellenarTexto(copia, n, relleno);
}

rt::Variant CeroAVacio(const rt::Variant& valor) {
    if (valor.isNull()) return valor;
    std::string recortado = rt::Trim(rt::CStr(valor));
    double numero = rt::CDbl(recortado);
    if (rt::CStr(std::fabs(numero)) == "0") return std::string();
    return valor;
}

std::string EscaparComillas(std::string_view texto) { return rt::Replace(texto, "'", kAcute); }

std::string RestaurarComillas(const rt::Variant& valor) {
    if (valor.isNull()) return {};
    // A text is read in place rather than copied first.
    if (valor.isString()) return SinAcentos(valor.str());
    return SinAcentos(rt::CStr(valor));
}

std::string MesDePeriodo(std::string_view codigo) {
    std::string c = rt::Trim(codigo);
    if (c == "1T") return "3";
    if (c == "2T") return "6";
    if (c == "3T") return "9";
    if (c == "4T" || c == "0A") return "12";
    if (c.empty()) return {};
    if (c.size() == 2 && c[0] >= '0' && c[0] <= '1' && c[1] >= '0' && c[1] <= '9') {
        int mes = (c[0] - '0') * 10 + (c[1] - '0');
        if (mes >= 1 && mes <= 12) return c;
    }
    return "13";
}

int16_t PeriodicidadDePeriodo(std::string_view codigo) {
    std::string c = rt::Trim(codigo);
    if (c == "0A") return 3;
    if (c == "1T" || c == "2T" || c == "3T" || c == "4T") return 2;
    return 1;
}

namespace {
std::string claveEstatal(std::string_view linea) { return rt::Trim(rt::Mid(linea, 133, 1)); }
}  // namespace

std::string ConvClaveEstatalA(std::string_view linea) {
    std::string clave = claveEstatal(linea);
    if (clave == "E" || clave == "H" || clave == "M" || clave == "T") return "1";
    if (clave == "A") return "2";
    return {};
}

std::string ConvClaveEstatalB(std::string_view linea) {
    std::string clave = claveEstatal(linea);
    if (clave == "E" || clave == "H" || clave == "M" || clave == "T") return "3";
    if (clave == "A") return "4";
    return {};
}

std::string MarcaTriangular(std::string_view clave) { return clave == "T" ? "X" : ""; }

}  // namespace quelvodat::General
