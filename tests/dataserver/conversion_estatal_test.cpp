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

// A type-2 national line of 500 characters; an empty base makes it a
// rectification of R and P.
std::string Tipo2(const std::string& ejercicio, const std::string& base, const std::string& r = "",
                  const std::string& p = "") {
    std::string l = B(500);
    for (const auto& [pos, valor] : std::vector<std::pair<size_t, std::string>>{
             {1, "2349"}, {5, ejercicio}, {9, "B12345674"}, {76, "DE"}, {78, "123456789"},
             {93, "MULLER HANDEL GMBH"}, {133, "E"}, {134, base}, {147, "2009"}, {151, "1T"},
             {153, r}, {166, p}})
        l.replace(pos - 1, valor.size(), valor);
    return l;
}

// Positions 1-76 of the own line of Tipo2 in a declaration of 2010, "0A".
const std::string kCabecera = "234920100A01B12345674EDE123456789   MULLER HANDEL GMBH" + B(22);

// The period is the one its type-1 line declares.
TEST(ConversionEstatal, FixtureFilesBecomeTheirOwnLines) {
    const std::string carpeta = std::string(QUELVO_FIXTURES_DIR) + "/importacion/";
    for (const auto& [anio, periodo] : {std::pair{"2010", 3}, std::pair{"2009", 6}}) {
        auto estatales = rt::ReadAllLines(carpeta + "estatal_" + anio + ".txt");
        auto propias = rt::ReadAllLines(carpeta + "estatal_" + anio + "_propio.txt");
        ASSERT_EQ(estatales.size(), propias.size()) << anio;
        ASSERT_FALSE(estatales.empty());
        for (size_t i = 0; i < estatales.size(); ++i)
            EXPECT_EQ(ConvertirLineaEstatal(estatales[i], periodo, 2), propias[i])
                << anio << ", line " << i + 1;
    }
}

TEST(ConversionEstatal, RectificationAmountAndSign) {
    const std::tuple<std::string, std::string, std::string> casos[] = {
        {"0000000001500", "0000000001000", "0000000000500+"},
        {"0000000001000", "0000000001500", "0000000000500-"},
        {"0000000001500", "0000000001500", "0000000000000-"},
        {"0000000001500", "", "0000000001500+"},
        {"", "0000000001500", "0000000001500-"},
        {"", "", "0000000000000-"},
        // Unreadable or negative: carried as it stands for the checks.
        {"0000000012A40", "0000000001000", "0000000012A40-"},
        {"0000000001000", "-000000000500", "-000000000500-"},
        {"00000000 1500", "0000000001000", "00000000 1500-"}};
    for (const auto& [r, p, resto] : casos)
        EXPECT_EQ(ConvertirLineaEstatal(Tipo2("2010", "", r, p), 12, 3),
                  kCabecera + resto + "20091T" + B(93))
            << "R=" << r << " P=" << p;
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
    const std::tuple<std::string, int, int, std::string> casos[] = {
        {"2010", 3, 1, "03"}, {"2009", 5, 1, "05"}, {"2010", 9, 2, "3T"},
        {"2010", 5, 2, "  "}, {"2009", 0, 0, "  "}};
    for (const auto& [ejercicio, periodo, periodicidad, codigo] : casos)
        EXPECT_EQ(ConvertirLineaEstatal(Tipo2(ejercicio, "0000000000001"), periodo, periodicidad)
                      .substr(8, 2),
                  codigo);
}

TEST(ConversionEstatal, ShortLinesTextsAndDispatch) {
    std::string dte = "1349" "2009" "B12345674" + B(118) + "1T";
    EXPECT_EQ(ConvertirLineaEstatal(dte.substr(0, 107), 3, 2).substr(8, 2), "  ");
    // Cut inside P: the rest of P is blank, so P does not read.
    std::string linea = ConvertirLineaEstatal(
        Tipo2("2010", "", "0000000001500", "0000000001000").substr(0, 170), 3, 1);
    EXPECT_EQ(linea.substr(76, 14), "00000" + B(8) + "-");

    // Characters, not bytes; and no apostrophe restoration.
    std::string nacional = Tipo2("2010", "0000000000001");
    nacional.replace(77, 15, "   AB1234567890");
    nacional.replace(92, 40, "O´BRIEN Y MUÑOZ SL" + B(22));
    linea = ConvertirLineaEstatal(nacional, 1, 1);
    EXPECT_EQ(rt::Len(linea), 189);
    EXPECT_EQ(rt::Mid(linea, 25, 12), "AB1234567890");
    EXPECT_EQ(rt::Mid(linea, 37, 40), "O´BRIEN Y MUÑOZ SL" + B(22));
    EXPECT_EQ(rt::Mid(linea, 77, 13), "0000000000001");

    EXPECT_EQ(ConvertirLineaEstatal("0349" + B(200), 1, 1), "0349" + B(200));
    for (std::string otra : {std::string(), "3349" + B(200), std::string("9"), std::string(" 1")})
        EXPECT_EQ(ConvertirLineaEstatal(otra, 1, 1), "") << '"' << otra << '"';
}

}  // namespace
