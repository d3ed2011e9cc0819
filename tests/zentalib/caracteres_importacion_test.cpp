// The preparation of an import line, reached by name as the importer reaches
// it: same number of characters, small letters in capitals, nothing outside
// the authority's set ever turned into an admitted character.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "comun/numero_de_error.h"
#include "quelvort/object.h"
#include "quelvort/strings.h"
#include "zentalib/cMiscelaneos.h"

namespace {

struct Caso {
    std::string linea;
    std::string esperada;
};

const std::vector<Caso> kCasos = {
    // The authority's set comes back as it is.
    {"ABCDEFGHIJKLMNOPQRSTUVWXYZ 0123456789", "ABCDEFGHIJKLMNOPQRSTUVWXYZ 0123456789"},
    {"ÑÇ.,-+&'/()", "ÑÇ.,-+&'/()"},
    // Small letters become capitals as typing writes them, accents kept.
    {"muñoz y garcía, s.l.", "MUÑOZ Y GARCÍA, S.L."},
    {"áéíóúüñç", "ÁÉÍÓÚÜÑÇ"},
    // A no-break space becomes the substitute, each one of them.
    {"ACME\u00A0SL", "ACME SL"},
    {"ACME\u00A0Y\u00A0CIA", "ACME Y CIA"},
    {"ACME\u00A0\u00A0SL\u00A0", "ACME  SL "},
    // Characters outside the set stay, for the importer's check to name.
    {"ACME|SL", "ACME|SL"},
    {"MUÃ‘OZ", "MUÃ‘OZ"},  // UTF-8 "Ñ" read as Windows-1252
    {"muÃ±oz", "MUÃ±OZ"},  // "ñ" mis-decoded: only the plain letters change
    {"O‘BRIEN O’NEIL O´DEA", "O‘BRIEN O’NEIL O´DEA"},
    {"àâãäèêëìîïòôõöùû", "àâãäèêëìîïòôõöùû"},
    {"^`~{}[]\\", "^`~{}[]\\"},
    {"B1234567%_", "B1234567%_"},
    {"A\tB\rC\x01", "A\tB\rC\x01"},
    {"100€ ¿¡ªº°×\u00AD", "100€ ¿¡ªº°×\u00AD"},
    {"", ""},
    // A byte that is not UTF-8 stays a character of its own.
    {"AB\xC3", "AB\xC3"},
    {"\xC3z", "\xC3Z"},
};

TEST(ValidarCaracErrEnImp, LineComesBackCharacterForCharacter) {
    auto misc = rt::CreateObjectAs<zentalib::_cMiscelaneos>("Zentalib.cMiscelaneos");
    for (const Caso& c : kCasos) {
        const std::string vuelta = misc->ValidarCaracErrEnImp(c.linea, " ");
        EXPECT_EQ(vuelta, c.esperada) << '"' << c.linea << '"';
        EXPECT_EQ(rt::Len(vuelta), rt::Len(c.linea)) << '"' << c.linea << '"';
    }
}

// Wherever a character stands in the line, among capitals or small letters.
TEST(ValidarCaracErrEnImp, EveryAsciiCharacterAnywhereInTheLine) {
    auto misc = rt::CreateObjectAs<zentalib::_cMiscelaneos>("Zentalib.cMiscelaneos");
    auto capital = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
    for (char fondo : {'Q', 'q'}) {
        for (int b = 0; b < 0x80; ++b) {
            for (size_t donde = 0; donde < 20; ++donde) {
                std::string linea(24, fondo);
                linea[donde] = static_cast<char>(b);
                std::string esperada(24, capital(fondo));
                esperada[donde] = capital(static_cast<char>(b));
                EXPECT_EQ(misc->ValidarCaracErrEnImp(linea, " "), esperada) << b << " at " << donde;
            }
        }
    }
}

TEST(ValidarCaracErrEnImp, SubstituteIsOneCharacter) {
    auto misc = rt::CreateObjectAs<zentalib::_cMiscelaneos>("Zentalib.cMiscelaneos");
    EXPECT_EQ(misc->ValidarCaracErrEnImp("A\u00A0B", "Ñ"), "AÑB");
    EXPECT_EQ(misc->ValidarCaracErrEnImp("A\u00A0\u00A0B\u00A0", "Ñ"), "AÑÑBÑ");
    for (const char* malo : {"", "  "})
        EXPECT_EQ(prueba::NumeroDeError([&] { misc->ValidarCaracErrEnImp("A\u00A0B", malo); }),
                  rt::err::InvalidArgument) << '"' << malo << '"';
}

}  // namespace
