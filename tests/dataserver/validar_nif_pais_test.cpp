#include "db/validar_nif_pais.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace G = quelvodat::General;

namespace {

struct Caso {
    std::string codigo;
    std::string numero;
    bool esperado;
};

std::ostream& operator<<(std::ostream& os, const Caso& c) {
    return os << '"' << c.codigo << "\" \"" << c.numero << "\" -> " << c.esperado;
}

const std::vector<Caso> kCasos = {
    // Codes are compared exactly.
    {"de", "123456789", false},
    {"DE ", "123456789", false},
    {" DE", "123456789", false},
    {"", "12345678", false},
    {"ro", "1234567890", false},
    {"ES", "12345678Z", false},
    {"ES", "", false},
    {"XX", "12345678", false},

    // Length rules, one per group: the right length passes, one off fails.
    {"DK", "12345678", true},   {"FI", "1234567", false},    {"LU", "123456789", false},
    {"HU", "12345678", true},   {"MT", "12345678", true},    {"SI", "1234567A", false},
    {"EL", "123456789", true},  {"PT", "12345678", false},   {"EE", "123456789", true},
    {"DE", "123456789", true},  {"DE", "12345678", false},   {"DE", "12345678A", false},
    {"DE", "12-45-789", true},  {"DE", "12345678 ", false},
    {"PL", "1234567890", true}, {"SK", "123456789", false},  {"BE", "1234567890", true},
    {"IT", "12345678901", true}, {"LV", "1234567890", false}, {"HR", "12345678901", true},
    {"SE", "123456789012", true}, {"SE", "12345678901", false},
    {"--", "12345678", true},   {"--", "123456789", true},   {"--", "1234567890", false},
    {"CZ", "12345678", true},   {"CZ", "1234567890", true},  {"CZ", "12345678901", false},
    {"BG", "123456789", true},  {"BG", "1234567890", true},  {"BG", "12345678", false},
    {"LT", "123456789", true},  {"LT", "123456789012", true}, {"LT", "1234567890", false},

    // Austria: no length check; the letter must be upper case.
    {"AT", "U12345678", true},
    {"AT", "U", true},
    {"AT", "U123456789012", true},
    {"AT", "", true},
    {"AT", "u12345678", false},
    {"AT", "U1234567A", false},
    {"AT", "U12345678ABC", true},
    {"AT", "112345678", false},
    // "Ñ" is one character and a letter, though it takes two bytes.
    {"AT", "\u00D112345678", true},
    {"AT", "\u00D1", true},

    // Romania: first ten characters digits, not starting with "0", two at least.
    {"RO", "1234567890", true},
    {"RO", "0234567890", false},
    {"RO", "1", false},
    {"RO", "12", true},
    {"RO", "1234567890ABC", true},
    {"RO", "123456789A", false},
    {"RO", "A234567890", false},
    {"RO", "", false},

    // Cyprus: eight digits and an upper-case letter.
    {"CY", "12345678A", true},
    {"CY", "12345678\u00D1", true},
    {"CY", "12345678a", false},
    {"CY", "123456789", false},
    {"CY", "1234567A", false},

    // Ireland: the one-letter and the two-letter forms.
    {"IE", "1234567AB", true},
    {"IE", "1234567A", true},
    {"IE", "1A34567B", true},
    {"IE", "1-34567B", true},
    {"IE", "123456AB", false},
    {"IE", "1234567a", false},
    {"IE", "1234567\u00D1\u00D1", true},
    {"IE", "A234567B", false},
    {"IE", "1234567", false},
    {"IE", "1234567ABC", false},

    // Netherlands: twelve characters, "B" tenth.
    {"NL", "123456789B01", true},
    {"NL", "123456789b01", false},
    {"NL", "123456789A01", false},
    {"NL", "123456789B0", false},
    {"NL", "123456789B0A", false},

    // France: two letters or digits, then nine digits.
    {"FR", "AB123456789", true},
    {"FR", "12123456789", true},
    {"FR", "ab123456789", false},
    {"FR", "\u00D1B123456789", true},
    {"FR", "AB12345678", false},
    {"FR", "AB12345678X", false},

    // United Kingdom: GD/HA prefix in any case, else 9 or 12 digits.
    {"GB", "GD123", true},
    {"GB", "gd123", true},
    {"GB", "Ha999", true},
    {"GB", "GDX12345", true},
    {"GB", "GD12A", false},
    {"GB", "GD", false},
    {"GB", "123456789", true},
    {"GB", "123456789012", true},
    {"GB", "1234567890", false},
    {"GB", "GB1234567", false},
};

}  // namespace

TEST(ValidarNifPais, FollowsTheRuleOfEachCode) {
    for (const auto& c : kCasos)
        EXPECT_EQ(G::ValidarNifPais(c.numero, c.codigo), c.esperado) << c;
}

TEST(ValidarNifPais, CountryRulesAnswerAlone) {
    EXPECT_TRUE(G::ValidarNifRO("1234567890"));
    EXPECT_TRUE(G::ValidarNifAT("U12345678"));
    EXPECT_TRUE(G::ValidarNifCY("12345678A"));
    EXPECT_TRUE(G::ValidarNifIE("1234567AB"));
    EXPECT_TRUE(G::ValidarNifNL("123456789B01"));
    EXPECT_TRUE(G::ValidarNifFR("AB123456789"));
    EXPECT_TRUE(G::ValidarNifLongitud("12345678", "--"));
    EXPECT_FALSE(G::ValidarNifLongitud("12345678", "GB"));
    EXPECT_FALSE(G::ValidarNifLongitud("1234567890", "RO"));
}

TEST(ValidarNifPais, LongitudValidaNeedsDigitsAndOneOfTheLengths) {
    const std::vector<int> nueveODoce{9, 12};
    EXPECT_TRUE(G::LongitudValida("123456789", nueveODoce));
    EXPECT_TRUE(G::LongitudValida("123456789012", nueveODoce));
    EXPECT_FALSE(G::LongitudValida("1234567890", nueveODoce));
    EXPECT_FALSE(G::LongitudValida("12345678X", nueveODoce));
    EXPECT_FALSE(G::LongitudValida("", std::vector<int>{}));
    EXPECT_TRUE(G::LongitudValida("", std::vector<int>{0}));
}

TEST(ValidarNifPais, CharacterClasses) {
    struct Clase {
        rt::Variant valor;
        bool letras;
        bool alfanumericos;
    };
    const std::vector<Clase> casos = {
        {"", true, true},
        {rt::Variant(), true, true},
        {"ABCXYZ", true, true},
        {"\u00D1", true, true},
        {"ESPA\u00D1A", true, true},
        {"\u00F1", false, false},
        {"\u00C9", false, false},
        {"Abc", false, false},
        {"A1-", false, true},
        {"A 1", false, false},
        {"A.1", false, false},
        {rt::Variant(int32_t{-42}), false, true},
        {rt::Variant(12.5), false, false},
        {rt::Variant::Null(), false, false},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(G::SoloLetras(c.valor), c.letras);
        EXPECT_EQ(G::SoloAlfanumericos(c.valor), c.alfanumericos);
    }
}
