#include "db/validar_nif_pais.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "db/general.h"
#include "quelvort/convert.h"
#include "quelvort/strings.h"

namespace quelvodat::General {

namespace {

bool EsLetra(std::string_view c) {
    return (c.size() == 1 && c[0] >= 'A' && c[0] <= 'Z') || c == "\u00D1";
}

bool EsAlfanumerico(std::string_view c) {
    return EsLetra(c) || (c.size() == 1 && ((c[0] >= '0' && c[0] <= '9') || c[0] == '-'));
}

// Every character of s (UTF-8, so "Ñ" is one) is in the class.
bool Todos(std::string_view s, bool (*clase)(std::string_view)) {
    const int32_t largo = rt::Len(s);
    for (int32_t i = 1; i <= largo; ++i)
        if (!clase(rt::Mid(s, i, 1))) return false;
    return true;
}

bool Letras(std::string_view s) { return Todos(s, EsLetra); }
bool Alfanumericos(std::string_view s) { return Todos(s, EsAlfanumerico); }

// Null and arrays have no text to test, so they are in no class.
bool TieneTexto(const rt::Variant& v) { return !v.isNull() && !v.isArray(); }

bool ValidarNifGB(std::string_view numero) {
    const std::string prefijo = rt::UCase(rt::Left(numero, 2));
    if (prefijo == "GD" || prefijo == "HA") {
        static constexpr std::array kTres{3};
        return LongitudValida(rt::Right(numero, 3), kTres);
    }
    static constexpr std::array kNueveODoce{9, 12};
    return LongitudValida(numero, kNueveODoce);
}

struct ReglaPais {
    std::string_view codigo;
    bool (*regla)(std::string_view);
};

// Checked in this order; a code not here goes to the length rules.
constexpr std::array<ReglaPais, 7> kReglasPais{{
    {"RO", ValidarNifRO},
    {"AT", ValidarNifAT},
    {"CY", ValidarNifCY},
    {"IE", ValidarNifIE},
    {"NL", ValidarNifNL},
    {"FR", ValidarNifFR},
    {"GB", ValidarNifGB},
}};

struct ReglaLongitud {
    std::string_view codigo;
    std::vector<int> longitudes;
};

// Member states whose numbers are only digits of some lengths; "--" is a
// pseudo-code, not a member state, with a rule of its own.
const std::vector<ReglaLongitud>& ReglasLongitud() {
    static const std::vector<ReglaLongitud> reglas{
        {"DK", {8}}, {"FI", {8}}, {"LU", {8}}, {"HU", {8}}, {"MT", {8}}, {"SI", {8}},
        {"EL", {9}}, {"DE", {9}}, {"EE", {9}}, {"PT", {9}},
        {"PL", {10}}, {"SK", {10}}, {"BE", {10}},
        {"IT", {11}}, {"LV", {11}}, {"HR", {11}},
        {"SE", {12}},
        {"--", {8, 9}},
        {"CZ", {8, 9, 10}},
        {"BG", {9, 10}},
        {"LT", {9, 12}},
    };
    return reglas;
}

}  // namespace

bool ValidarNifPais(std::string_view numero, std::string_view codigo) {
    for (const auto& r : kReglasPais)
        if (r.codigo == codigo) return r.regla(numero);
    return ValidarNifLongitud(numero, codigo);
}

bool ValidarNifRO(std::string_view numero) {
    // Only the first ten characters are tested; the rest may be anything.
    return EsNumerico(rt::Left(numero, 10)) && rt::Left(numero, 1) != "0" &&
           rt::Len(numero) >= 2;
}

bool ValidarNifAT(std::string_view numero) {
    // The length is not checked: a lone letter, or the empty number, passes.
    return Letras(rt::Left(numero, 1)) && EsNumerico(rt::Mid(numero, 2, 8));
}

bool ValidarNifCY(std::string_view numero) {
    return rt::Len(numero) == 9 && EsNumerico(rt::Left(numero, 8)) &&
           Letras(rt::Mid(numero, 9, 1));
}

bool ValidarNifIE(std::string_view numero) {
    const int32_t largo = rt::Len(numero);
    if (largo != 8 && largo != 9) return false;
    const bool unaLetra = EsNumerico(rt::Left(numero, 1)) &&
                          Alfanumericos(rt::Mid(numero, 2, 1)) &&
                          EsNumerico(rt::Mid(numero, 3, 5)) && Letras(rt::Right(numero, 1));
    const bool dosLetras = EsNumerico(rt::Left(numero, 7)) && Letras(rt::Right(numero, 2));
    return unaLetra || dosLetras;
}

bool ValidarNifNL(std::string_view numero) {
    return rt::Len(numero) == 12 && EsNumerico(rt::Left(numero, 9)) &&
           rt::Mid(numero, 10, 1) == "B" && EsNumerico(rt::Right(numero, 2));
}

bool ValidarNifFR(std::string_view numero) {
    return rt::Len(numero) == 11 && Alfanumericos(rt::Left(numero, 2)) &&
           EsNumerico(rt::Right(numero, 9));
}

bool ValidarNifLongitud(std::string_view numero, std::string_view codigo) {
    for (const auto& r : ReglasLongitud())
        if (r.codigo == codigo) return LongitudValida(numero, r.longitudes);
    return false;
}

bool LongitudValida(std::string_view numero, std::span<const int> longitudes) {
    const int32_t largo = rt::Len(numero);
    return EsNumerico(numero) &&
           std::any_of(longitudes.begin(), longitudes.end(),
                       [largo](int l) { return largo == l; });
}

bool SoloLetras(const rt::Variant& valor) {
    return TieneTexto(valor) && Letras(rt::CStr(valor));
}

bool SoloAlfanumericos(const rt::Variant& valor) {
    return TieneTexto(valor) && Alfanumericos(rt::CStr(valor));
}

}  // namespace quelvodat::General
