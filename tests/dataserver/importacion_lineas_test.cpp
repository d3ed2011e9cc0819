// The rewrites of imported type-2 lines: keys turned into the declaration's
// layout and the sign and rectification moved to where each cutter reads
// them. Lines are laid out by hand at their positions.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "exchange/claves_importacion.h"
#include "exchange/registros.h"
#include "quelvort/convert.h"
#include "quelvort/strings.h"

using namespace quelvodat;
using namespace quelvodat::Importacion;

namespace {

// A line of `largo` blanks with each value at its 1-based position.
std::string Linea(size_t largo, const std::vector<std::pair<size_t, std::string>>& valores) {
    std::string l(largo, ' ');
    for (const auto& [pos, valor] : valores) l.replace(pos - 1, valor.size(), valor);
    return l;
}

const std::string kComun = "2794";
const std::string kOperador = "DE123456789   MULLER GMBH";  // 23-24, 25-36, 37-

// An older type-2 line (190): key 22, base 77-89, mark 90, sign 91,
// rectified exercise 92-95, period 96-97.
std::string Anterior(const std::string& clave, const std::string& marca, const std::string& signo,
                     const std::string& ejercicio, const std::string& periodo) {
    return Linea(190, {{1, kComun},
                       {5, "2009"},
                       {9, "2T"},
                       {11, "01"},
                       {13, "12345678Z"},
                       {22, clave},
                       {23, kOperador},
                       {77, "0000000001000"},
                       {90, marca},
                       {91, signo},
                       {92, ejercicio},
                       {96, periodo}});
}

// A 2010 type-2 line (250) as the writer lays it: sign 90, rectified
// exercise 91-94, period 95-96, "M10" at 248.
std::string De2010(const std::string& ejercicioLinea, const std::string& periodoLinea,
                   const std::string& clave, const std::string& signo,
                   const std::string& ejercicio, const std::string& periodo) {
    return Linea(250, {{1, kComun},
                       {5, ejercicioLinea},
                       {9, periodoLinea},
                       {11, "01"},
                       {13, "12345678Z"},
                       {22, clave},
                       {23, kOperador},
                       {77, "0000000001000"},
                       {90, signo},
                       {91, ejercicio},
                       {95, periodo},
                       {248, "M10"}});
}

TEST(ConvertirClaveAnt, OlderLineGetsTheOldKeyAndTheMarkAt90) {
    const struct {
        std::string clave, ejercicio;
        std::string clave22, marca90;
    } casos[] = {
        {"E", "    ", "1", " "}, {"S", "    ", "1", " "}, {"H", "    ", "1", " "},
        {"M", "    ", "1", " "}, {"T", "    ", "1", "X"}, {"A", "    ", "2", " "},
        {"I", "    ", "2", " "}, {"E", "2008", "3", " "}, {"T", "2008", "3", "X"},
        {"A", "2008", "4", " "}, {"Z", "    ", "Z", " "},
    };
    for (const auto& c : casos) {
        std::string linea = Anterior(c.clave, " ", " ", c.ejercicio, "4T");
        std::string nueva = ConvertirClaveAnt(linea, 2009);
        EXPECT_EQ(rt::Len(nueva), 190) << c.clave;
        EXPECT_EQ(rt::Mid(nueva, 22, 1), c.clave22) << c.clave << c.ejercicio;
        EXPECT_EQ(rt::Mid(nueva, 90, 1), c.marca90) << c.clave;
        // Everything else where it was.
        EXPECT_EQ(rt::Mid(nueva, 91, 100), rt::Mid(linea, 91, 100));
        EXPECT_EQ(rt::Left(nueva, 21), rt::Left(linea, 21));
    }
}

TEST(ConvertirClaveAnt, A2010RectificationKeepsItsSignAndMovesBehindTheMark) {
    std::string linea = De2010("2011", "2T", "T", "-", "2010", "4T");
    std::string nueva = ConvertirClaveAnt(linea, 2011);
    EXPECT_EQ(rt::Len(nueva), 190);
    EXPECT_EQ(rt::Mid(nueva, 22, 1), "3");
    EXPECT_EQ(rt::Mid(nueva, 90, 1), "X");
    EXPECT_EQ(rt::Mid(nueva, 91, 1), "-");
    EXPECT_EQ(rt::Mid(nueva, 92, 4), "2010");
    EXPECT_EQ(rt::Mid(nueva, 96, 2), "4T");
    EXPECT_EQ(rt::Trim(rt::Mid(nueva, 98)), "");

    // Read by the old cutter, the entry is the rectification it was.
    rt::Variant v = Importacion::ObtenerValoresDeclarado(nueva, false);
    EXPECT_EQ(v(4, 0).str(), "3");
    EXPECT_EQ(v(6, 0).str(), "-");
    EXPECT_EQ(rt::CLng(v(7, 0)), 12);
    EXPECT_EQ(rt::CLng(v(8, 0)), 2010);
    EXPECT_EQ(v(9, 0).str(), "X");
    EXPECT_EQ(rt::CLng(v(10, 0)), 2);
    EXPECT_EQ(v(11, 0).str(), "R");
}

TEST(LineaParaDeclaracionAnterior, A2010LineWithADigitKeyIsMovedAsWell) {
    std::string nueva = LineaParaDeclaracionAnterior(De2010("2010", "1T", "1", "+", "2010", "01"),
                                                     2010);
    EXPECT_EQ(rt::Mid(nueva, 22, 1), "1");
    EXPECT_EQ(rt::Mid(nueva, 90, 8), " +201001");
    // An older line with a digit key is left alone.
    std::string anterior = Anterior("3", "X", "+", "2008", "4T");
    EXPECT_EQ(LineaParaDeclaracionAnterior(anterior, 2009), anterior);
}

TEST(ConvertirClave2010A, DigitKeysBecomeLettersAndPosition90Stays) {
    const struct {
        std::string clave, marca, esperada;
    } casos[] = {
        {"1", " ", "E"}, {"3", " ", "E"}, {"2", " ", "A"}, {"4", " ", "A"},
        {"1", "X", "T"}, {"3", "X", "T"}, {"2", "X", "T"}, {"4", "X", "T"}, {"5", " ", "5"},
    };
    for (const auto& c : casos) {
        std::string linea = Anterior(c.clave, c.marca, "+", "2008", "4T");
        std::string nueva = ConvertirClave2010A(linea);
        EXPECT_EQ(rt::Mid(nueva, 22, 1), c.esperada) << c.clave << c.marca;
        EXPECT_EQ(nueva, rt::Left(linea, 21) + c.esperada + rt::Mid(linea, 23) + " ");
    }
}

TEST(LineaParaDeclaracion2010, TheFirstRuleThatHoldsAndNeverPosition90OfA2010Line) {
    const struct {
        std::string linea;
        int32_t ejercicioLinea, ejercicio, periodo;
        std::string clave22, pos90;
    } casos[] = {
        // Older line, digit key: 2010A.
        {Anterior("3", "X", "+", "2008", "4T"), 2009, 2010, 3, "T", "X"},
        // A line after June 2011 into a declaration up to then: H and M are E.
        {De2010("2012", "1T", "H", "-", "2011", "06"), 2012, 2011, 6, "E", "-"},
        {De2010("2012", "1T", "M", " ", "    ", "  "), 2012, 2011, 3, "E", " "},
        {De2010("2012", "1T", "H", "-", "2011", "06"), 2012, 2011, 9, "H", "-"},
        // A 2010 line with a letter: as it is, sign included.
        {De2010("2011", "05", "T", "+", "2011", "04"), 2011, 2011, 5, "T", "+"},
    };
    for (const auto& c : casos) {
        std::string nueva =
            LineaParaDeclaracion2010(c.linea, c.ejercicioLinea, c.ejercicio, c.periodo);
        EXPECT_EQ(rt::Mid(nueva, 22, 1), c.clave22) << c.linea;
        EXPECT_EQ(rt::Mid(nueva, 90, 1), c.pos90) << c.linea;
        EXPECT_EQ(rt::Mid(nueva, 91, 6), rt::Mid(c.linea, 91, 6));
    }
}

TEST(EnPosiciones2010, AnOlderLineIsReadWhereItsFieldsAre) {
    std::string anterior = ConvertirClave2010A(Anterior("4", " ", "-", "2008", "3T"));
    rt::Variant v = Import2010::ObtenerValoresDeclarado2010(EnPosiciones2010(anterior, 2009));
    EXPECT_EQ(v(4, 0).str(), "A");
    EXPECT_EQ(v(6, 0).str(), "-");
    EXPECT_EQ(rt::CLng(v(7, 0)), 9);
    EXPECT_EQ(rt::CLng(v(8, 0)), 2008);
    EXPECT_EQ(v(11, 0).str(), "R");
    std::string de2010 = De2010("2011", "05", "A", "+", "2010", "12");
    EXPECT_EQ(EnPosiciones2010(de2010, 2011), de2010);
}

}  // namespace
