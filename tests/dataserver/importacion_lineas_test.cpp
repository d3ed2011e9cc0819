// Imported type-2 lines rewritten for the declaration's layout: keys, mark,
// sign and rectification where each cutter reads them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exchange/claves_importacion.h"
#include "exchange/registros.h"
#include "quelvort/convert.h"
#include "quelvort/strings.h"

using namespace quelvodat;
using namespace quelvodat::Importacion;
using rt::Mid;

namespace {

// Common fields: type, exercise, period, page, declarant, then key at 22,
// operator at 23-76 and base at 77-89; `resto` from position 90.
std::string Linea(const std::string& ejercicio, const std::string& periodo,
                  const std::string& clave, const std::string& resto, size_t largo) {
    std::string l = "2794" + ejercicio + periodo + "0112345678Z" + clave +
                    "DE123456789   MULLER GMBH" + std::string(29, ' ') + "0000000001000" + resto;
    return l + std::string(largo - l.size(), ' ');
}

// Older line (190): mark 90, sign 91, rectified exercise 92-95, period 96-97.
std::string Anterior(const std::string& clave, const std::string& marca, const std::string& signo,
                     const std::string& ejercicio, const std::string& periodo) {
    return Linea("2009", "2T", clave, marca + signo + ejercicio + periodo, 190);
}

// 2010 line (250) as the writer lays it: sign 90, exercise 91-94, period 95-96.
std::string De2010(const std::string& ejercicioLinea, const std::string& periodoLinea,
                   const std::string& clave, const std::string& signo,
                   const std::string& ejercicio, const std::string& periodo) {
    std::string l = Linea(ejercicioLinea, periodoLinea, clave, signo + ejercicio + periodo, 250);
    return l.replace(247, 3, "M10");
}

TEST(ClavesImportacion, IntoADeclarationUpTo2009) {
    const std::tuple<std::string, std::string, std::string, std::string> casos[] = {
        {"E", "    ", "1", " "}, {"S", "    ", "1", " "}, {"H", "    ", "1", " "},
        {"M", "    ", "1", " "}, {"T", "    ", "1", "X"}, {"A", "    ", "2", " "},
        {"I", "    ", "2", " "}, {"E", "2008", "3", " "}, {"T", "2008", "3", "X"},
        {"A", "2008", "4", " "}, {"Z", "    ", "Z", " "}};
    for (const auto& [clave, ejercicio, clave22, marca90] : casos) {
        std::string linea = Anterior(clave, " ", " ", ejercicio, "4T");
        std::string nueva = ConvertirClaveAnt(linea, 2009);
        EXPECT_EQ(nueva, rt::Left(linea, 21) + clave22 + Mid(linea, 23, 67) + marca90 +
                             Mid(linea, 91, 100))
            << clave << ejercicio;
    }
    // A 2010 rectification keeps its sign and moves behind the mark, where
    // the old cutter reads the entry it was.
    std::string nueva = ConvertirClaveAnt(De2010("2011", "2T", "T", "-", "2010", "4T"), 2011);
    EXPECT_EQ(rt::Len(nueva), 190);
    EXPECT_EQ(Mid(nueva, 22, 1), "3");
    EXPECT_EQ(rt::RTrim(Mid(nueva, 90)), "X-20104T");
    rt::Variant v = ObtenerValoresDeclarado(nueva, false);
    EXPECT_EQ(v(6, 0).str() + v(9, 0).str() + v(11, 0).str(), "-XR");
    EXPECT_EQ(rt::CLng(v(7, 0)) * 10000 + rt::CLng(v(8, 0)), 122010);
    EXPECT_EQ(rt::CLng(v(10, 0)), 2);

    nueva = LineaParaDeclaracionAnterior(De2010("2010", "1T", "1", "+", "2010", "01"), 2010);
    EXPECT_EQ(Mid(nueva, 22, 1), "1");
    EXPECT_EQ(Mid(nueva, 90, 8), " +201001");
    std::string anterior = Anterior("3", "X", "+", "2008", "4T");
    EXPECT_EQ(LineaParaDeclaracionAnterior(anterior, 2009), anterior);
}

TEST(ClavesImportacion, IntoADeclarationFrom2010) {
    const std::tuple<std::string, std::string, std::string> digitos[] = {
        {"1", " ", "E"}, {"3", " ", "E"}, {"2", " ", "A"}, {"4", " ", "A"}, {"1", "X", "T"},
        {"3", "X", "T"}, {"2", "X", "T"}, {"4", "X", "T"}, {"5", " ", "5"}};
    for (const auto& [clave, marca, esperada] : digitos) {
        std::string linea = Anterior(clave, marca, "+", "2008", "4T");
        EXPECT_EQ(ConvertirClave2010A(linea), rt::Left(linea, 21) + esperada + Mid(linea, 23) + " ")
            << clave << marca;
    }
    // The first rule that holds, and never position 90 of a 2010 line.
    const std::tuple<std::string, int32_t, int32_t, int32_t, std::string, std::string> casos[] = {
        {Anterior("3", "X", "+", "2008", "4T"), 2009, 2010, 3, "T", "X"},
        // A line after June 2011 into a declaration up to then: H and M are E.
        {De2010("2012", "1T", "H", "-", "2011", "06"), 2012, 2011, 6, "E", "-"},
        {De2010("2012", "1T", "M", " ", "    ", "  "), 2012, 2011, 3, "E", " "},
        {De2010("2012", "1T", "H", "-", "2011", "06"), 2012, 2011, 9, "H", "-"},
        {De2010("2011", "05", "T", "+", "2011", "04"), 2011, 2011, 5, "T", "+"},
        // Each side of June 2011, into the June 2011 declaration and the next.
        {De2010("2011", "06", "H", " ", "    ", "  "), 2011, 2011, 6, "H", " "},
        {De2010("2011", "06", "M", " ", "    ", "  "), 2011, 2011, 6, "M", " "},
        {De2010("2011", "07", "H", " ", "    ", "  "), 2011, 2011, 6, "E", " "},
        {De2010("2011", "07", "M", " ", "    ", "  "), 2011, 2011, 6, "E", " "},
        {De2010("2011", "2T", "M", " ", "    ", "  "), 2011, 2011, 6, "M", " "},
        {De2010("2011", "3T", "H", " ", "    ", "  "), 2011, 2011, 6, "E", " "},
        {De2010("2011", "07", "H", " ", "    ", "  "), 2011, 2011, 7, "H", " "}};
    for (const auto& [linea, ejercicioLinea, ejercicio, periodo, clave22, pos90] : casos) {
        std::string nueva = LineaParaDeclaracion2010(linea, ejercicioLinea, ejercicio, periodo);
        EXPECT_EQ(Mid(nueva, 22, 1) + Mid(nueva, 90, 1), clave22 + pos90) << linea;
        EXPECT_EQ(Mid(nueva, 91, 6), Mid(linea, 91, 6));
    }
    // An older line read by the 2010 cutter where its fields are.
    std::string anterior = ConvertirClave2010A(Anterior("4", " ", "-", "2008", "3T"));
    rt::Variant v = Import2010::ObtenerValoresDeclarado2010(EnPosiciones2010(anterior, 2009));
    EXPECT_EQ(v(4, 0).str() + v(6, 0).str() + v(11, 0).str(), "A-R");
    EXPECT_EQ(rt::CLng(v(7, 0)) * 10000 + rt::CLng(v(8, 0)), 92008);
    std::string de2010 = De2010("2011", "05", "A", "+", "2010", "12");
    EXPECT_EQ(EnPosiciones2010(de2010, 2011), de2010);
}

}  // namespace
