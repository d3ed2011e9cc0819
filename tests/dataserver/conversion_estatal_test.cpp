// National-layout lines against the own lines they must become, both laid out
// by hand: whole files in tests/fixtures/importacion, single cases here.
#include "exchange/conversion_estatal.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "quelvort/strings.h"
#include "quelvort/textfile.h"

using namespace quelvodat::ConvDelEstatal;

namespace {

std::string B(size_t n) { return std::string(n, ' '); }

// A national line of 500 blanks with each ASCII value at its 1-based position.
std::string Estatal(const std::vector<std::pair<size_t, std::string>>& valores) {
    std::string l = B(500);
    for (const auto& [pos, valor] : valores) l.replace(pos - 1, valor.size(), valor);
    return l;
}

// A type-2 line; an empty base makes it a rectification of R and P.
std::string Tipo2(const std::string& ejercicio, const std::string& base, const std::string& r = "",
                  const std::string& p = "") {
    return Estatal({{1, "2349"},
                    {5, ejercicio},
                    {9, "B12345674"},
                    {76, "DE"},
                    {78, "123456789"},
                    {93, "MULLER HANDEL GMBH"},
                    {133, "E"},
                    {134, base},
                    {147, "2009"},
                    {151, "1T"},
                    {153, r},
                    {166, p}});
}

// Positions 1-76 of the own line of Tipo2 in a declaration of 2010, "0A".
const std::string kCabecera = "234920100A01B12345674EDE123456789   MULLER HANDEL GMBH" + B(22);

// The period is the one its type-1 line declares.
TEST(ConversionEstatal, FixtureFilesBecomeTheirOwnLines) {
    struct Caso {
        std::string estatal, propio;
        int periodo, periodicidad;
    };
    for (const Caso& c : std::vector<Caso>{{"estatal_2010.txt", "estatal_2010_propio.txt", 3, 2},
                                           {"estatal_2009.txt", "estatal_2009_propio.txt", 6, 2}}) {
        std::string carpeta = std::string(QUELVO_FIXTURES_DIR) + "/importacion/";
        auto estatales = rt::ReadAllLines(carpeta + c.estatal);
        auto propias = rt::ReadAllLines(carpeta + c.propio);
        ASSERT_EQ(estatales.size(), propias.size()) << c.estatal;
        ASSERT_FALSE(estatales.empty());
        for (size_t i = 0; i < estatales.size(); ++i)
            EXPECT_EQ(ConvertirLineaEstatal(estatales[i], c.periodo, c.periodicidad), propias[i])
                << c.estatal << ", line " << i + 1;
    }
}

TEST(ConversionEstatal, RectificationAmountAndSign) {
    struct Caso {
        std::string r, p, resto;
    };
    for (const Caso& c :
         std::vector<Caso>{{"0000000001500", "0000000001000", "0000000000500+"},
                           {"0000000001000", "0000000001500", "0000000000500-"},
                           {"0000000001500", "0000000001500", "0000000000000-"},
                           {"0000000001500", "", "0000000001500+"},
                           {"", "0000000001500", "0000000001500-"},
                           {"", "", "0000000000000-"},
                           // Unreadable or negative: carried as it stands for the checks.
                           {"0000000012A40", "0000000001000", "0000000012A40-"},
                           {"0000000001000", "-000000000500", "-000000000500-"},
                           {"00000000 1500", "0000000001000", "00000000 1500-"}}) {
        std::string linea = ConvertirLineaEstatal(Tipo2("2010", "", c.r, c.p), 12, 3);
        EXPECT_EQ(linea, kCabecera + c.resto + "20091T" + B(93)) << "R=" << c.r << " P=" << c.p;
    }
}

// Read as 0 they would be stored as 0; the checks must see them instead.
TEST(ConversionEstatal, UnreadableNumbersAreCarried) {
    for (std::string base : {"0000000001e30", "00000000001,5", "--00000000005", "-000000001500",
                             "0000001 50000", "000000A150000", "-            "})
        EXPECT_EQ(ConvertirLineaEstatal(Tipo2("2010", base), 12, 3), kCabecera + base + B(100));
    // An exercise that does not read stays, and counts as up to 2009.
    std::string linea = ConvertirLineaEstatal(Tipo2("20a9", "0000000000100"), 3, 2);
    EXPECT_EQ(linea.substr(0, 22), "234920a91T01B123456741");
    EXPECT_EQ(linea.size(), 190u);
}

TEST(ConversionEstatal, PeriodCodeFollowsTheImportStateNotTheLine) {
    struct Caso {
        std::string ejercicio;
        int periodo, periodicidad;
        std::string codigo;
    };
    for (const Caso& c : std::vector<Caso>{{"2010", 3, 1, "03"},
                                           {"2009", 5, 1, "05"},
                                           {"2010", 9, 2, "3T"},
                                           {"2010", 5, 2, "  "},
                                           {"2009", 0, 0, "  "}})
        EXPECT_EQ(
            ConvertirLineaEstatal(Tipo2(c.ejercicio, "0000000000001"), c.periodo, c.periodicidad)
                .substr(8, 2),
            c.codigo);
}

TEST(ConversionEstatal, ShortLinesReadAsBlankFilled) {
    std::string dte = Estatal({{1, "1349"}, {5, "2009"}, {9, "B12345674"}, {136, "1T"}});
    EXPECT_EQ(ConvertirLineaEstatal(dte.substr(0, 107), 3, 2).substr(8, 2), "  ");
    // Cut inside P: the rest of P is blank, so P does not read.
    std::string linea = ConvertirLineaEstatal(
        Tipo2("2010", "", "0000000001500", "0000000001000").substr(0, 170), 3, 1);
    EXPECT_EQ(linea.substr(76, 14), "00000" + B(8) + "-");
}

// Characters, not bytes; and no apostrophe restoration.
TEST(ConversionEstatal, TextsAreTrimmedAndCutByCharacters) {
    std::string nacional = Tipo2("2010", "0000000000001");
    nacional.replace(77, 15, "   AB1234567890");
    nacional.replace(92, 40, "O´BRIEN Y MUÑOZ SL" + B(22));
    std::string linea = ConvertirLineaEstatal(nacional, 1, 1);
    EXPECT_EQ(rt::Len(linea), 189);
    EXPECT_EQ(rt::Mid(linea, 25, 12), "AB1234567890");
    EXPECT_EQ(rt::Mid(linea, 37, 40), "O´BRIEN Y MUÑOZ SL" + B(22));
    EXPECT_EQ(rt::Mid(linea, 77, 13), "0000000000001");
}

TEST(ConversionEstatal, DispatchOnTheFirstCharacter) {
    std::string cero = "0349" + B(200);
    EXPECT_EQ(ConvertirLineaEstatal(cero, 1, 1), cero);
    for (std::string otra : {std::string(), "3349" + B(200), std::string("9"), std::string(" 1")})
        EXPECT_EQ(ConvertirLineaEstatal(otra, 1, 1), "") << '"' << otra << '"';
}

}  // namespace
