#include "db/validar_nif_pais.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace G = quelvodat::General;

namespace {

struct Caso {
    std::string codigo, numero;
    bool valido;
};

// "\u00D1" ("Ñ") is one character and a letter, though it takes two bytes.
const Caso kCasos[] = {
    // Codes are compared exactly.
    {"de", "123456789", false}, {"DE ", "123456789", false}, {"", "12345678", false},
    {"ro", "1234567890", false}, {"ES", "12345678Z", false}, {"XX", "12345678", false},
    // Length rules: the right length passes, one off fails.
    {"DK", "12345678", true}, {"FI", "1234567", false}, {"LU", "123456789", false},
    {"HU", "12345678", true}, {"MT", "12345678", true}, {"SI", "1234567A", false},
    {"EL", "123456789", true}, {"PT", "12345678", false}, {"EE", "123456789", true},
    {"DE", "123456789", true}, {"DE", "12345678", false}, {"DE", "12-45-789", true},
    {"DE", "12345678 ", false}, {"PL", "1234567890", true}, {"SK", "123456789", false},
    {"BE", "1234567890", true}, {"IT", "12345678901", true}, {"LV", "1234567890", false},
    {"HR", "12345678901", true}, {"SE", "123456789012", true}, {"SE", "12345678901", false},
    {"--", "12345678", true}, {"--", "123456789", true}, {"--", "1234567890", false},
    {"CZ", "12345678", true}, {"CZ", "1234567890", true}, {"CZ", "12345678901", false},
    {"BG", "123456789", true}, {"BG", "1234567890", true}, {"BG", "12345678", false},
    {"LT", "123456789", true}, {"LT", "123456789012", true}, {"LT", "1234567890", false},
    // Austria: no length check; an upper-case letter first.
    {"AT", "U12345678", true}, {"AT", "U", true}, {"AT", "", true}, {"AT", "u12345678", false},
    {"AT", "U1234567A", false}, {"AT", "U12345678ABC", true}, {"AT", "112345678", false},
    {"AT", "\u00D112345678", true}, {"AT", "\u00D1", true},
    // Romania: the first ten characters digits, no leading "0", two at least.
    {"RO", "1234567890", true}, {"RO", "0234567890", false}, {"RO", "1", false},
    {"RO", "12", true}, {"RO", "1234567890ABC", true}, {"RO", "123456789A", false},
    {"RO", "", false},
    // Cyprus: eight digits and an upper-case letter.
    {"CY", "12345678A", true}, {"CY", "12345678\u00D1", true}, {"CY", "12345678a", false},
    {"CY", "123456789", false}, {"CY", "1234567A", false},
    // Ireland: the one-letter and the two-letter forms.
    {"IE", "1234567AB", true}, {"IE", "1234567A", true}, {"IE", "1A34567B", true},
    {"IE", "1-34567B", true}, {"IE", "123456AB", false}, {"IE", "1234567a", false},
    {"IE", "1234567\u00D1\u00D1", true}, {"IE", "A234567B", false}, {"IE", "1234567", false},
    {"IE", "1234567ABC", false},
    // Netherlands: twelve characters, "B" tenth.
    {"NL", "123456789B01", true}, {"NL", "123456789b01", false}, {"NL", "123456789A01", false},
    {"NL", "123456789B0", false}, {"NL", "123456789B0A", false},
    // France: two letters or digits, then nine digits.
    {"FR", "AB123456789", true}, {"FR", "12123456789", true}, {"FR", "ab123456789", false},
    {"FR", "\u00D1B123456789", true}, {"FR", "AB12345678", false}, {"FR", "AB12345678X", false},
    // United Kingdom: GD/HA prefix in any case and three digits, else 9 or 12 digits.
    {"GB", "GD123", true}, {"GB", "gd123", true}, {"GB", "Ha999", true}, {"GB", "GDX12345", true},
    {"GB", "GD12A", false}, {"GB", "GD", false}, {"GB", "123456789", true},
    {"GB", "123456789012", true}, {"GB", "1234567890", false}, {"GB", "GB1234567", false},
};

TEST(ValidarNifPais, FollowsTheRuleOfEachCode) {
    for (const auto& c : kCasos)
        EXPECT_EQ(G::ValidarNifPais(c.numero, c.codigo), c.valido)
            << '"' << c.codigo << "\" \"" << c.numero << '"';
}

// The all-digit states: each accepted length passes and every other length
// from 1 to 14 fails, for every code.
TEST(ValidarNifPais, EveryLengthOfEveryDigitOnlyState) {
    const std::pair<const char*, std::set<int>> longitudes[] = {
        {"DK", {8}},  {"FI", {8}},  {"LU", {8}},  {"HU", {8}},     {"MT", {8}},  {"SI", {8}},
        {"EL", {9}},  {"DE", {9}},  {"EE", {9}},  {"PT", {9}},     {"PL", {10}}, {"SK", {10}},
        {"BE", {10}}, {"IT", {11}}, {"LV", {11}}, {"HR", {11}},    {"SE", {12}}, {"--", {8, 9}},
        {"CZ", {8, 9, 10}},         {"BG", {9, 10}},               {"LT", {9, 12}}};
    const std::string cifras = "12345678901234";
    for (const auto& [codigo, validas] : longitudes)
        for (int n = 1; n <= 14; ++n)
            EXPECT_EQ(G::ValidarNifPais(cifras.substr(0, n), codigo), validas.count(n) == 1)
                << codigo << " " << n;
}

TEST(ValidarNifPais, CharacterClasses) {
    const std::tuple<rt::Variant, bool, bool> casos[] = {
        {"", true, true},        {rt::Variant(), true, true}, {"ESPA\u00D1A", true, true},
        {"\u00F1", false, false}, {"\u00C9", false, false},   {"Abc", false, false},
        {"A1-", false, true},    {"A 1", false, false},       {"A.1", false, false},
        {-42, false, true},      {12.5, false, false},        {rt::Variant::Null(), false, false}};
    for (size_t i = 0; i < std::size(casos); ++i) {
        const auto& [valor, letras, alfanumericos] = casos[i];
        EXPECT_EQ(G::SoloLetras(valor), letras) << i;
        EXPECT_EQ(G::SoloAlfanumericos(valor), alfanumericos) << i;
    }
}

}  // namespace
