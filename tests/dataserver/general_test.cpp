#include "db/general.h"

#include <gtest/gtest.h>

#include "comun/numero_de_error.h"

#include "quelvodat/recordset.h"
#include "quelvort/convert.h"
#include "quelvort/error.h"

using namespace quelvodat;
using rt::Variant;

namespace {

Recordset rows(std::vector<std::string> names, std::vector<std::vector<Variant>> data) {
    return Recordset(std::move(names), std::move(data));
}

}  // namespace

TEST(RecordsetAMatriz, NoRowIsNullInEveryMode) {
    for (int32_t modo : {0, 1, 2, 7}) {
        auto rs = rows({"a", "b"}, {});
        EXPECT_TRUE(General::RecordsetAMatriz(rs, modo).isNull()) << modo;
    }
}

TEST(RecordsetAMatriz, ListShapeIsFieldByRowFromOne) {
    auto rs = rows({"a", "b", "c"}, {{1, "x", Variant::Null()}, {2.5, "O´NEIL", "z"}});
    Variant m = General::RecordsetAMatriz(rs, General::kLista);
    EXPECT_EQ(rt::UBound(m, 1), 3);
    EXPECT_EQ(rt::UBound(m, 2), 2);
    EXPECT_EQ(m(0, 1), Variant("1"));
    EXPECT_EQ(m(1, 1), Variant("x"));
    EXPECT_EQ(m(2, 1), Variant(""));  // Null column arrives as the empty text
    EXPECT_EQ(m(0, 2), Variant("2,5"));
    EXPECT_EQ(m(1, 2), Variant("O'NEIL"));
    for (int j = 0; j <= 3; ++j) EXPECT_TRUE(m(j, 0).isEmpty()) << j;
    for (int r = 0; r <= 2; ++r) EXPECT_TRUE(m(3, r).isEmpty()) << r;
}

TEST(RecordsetAMatriz, OneRowShapeHasASpareEmptyElement) {
    auto rs = rows({"a", "b", "c", "d"}, {{7, "b", "c", "d"}});
    Variant m = General::RecordsetAMatriz(rs, General::kUnaFila);
    ASSERT_EQ(rt::LBound(m), 0);
    ASSERT_EQ(rt::UBound(m), 4);
    EXPECT_EQ(m(0), Variant("7"));
    EXPECT_EQ(m(3), Variant("d"));
    EXPECT_TRUE(m(4).isEmpty());
}

TEST(RecordsetAMatriz, OneColumnShapeTakesTheFirstColumn) {
    auto rs = rows({"a", "b"}, {{"p", 1}, {"q", 2}, {"r", 3}});
    Variant m = General::RecordsetAMatriz(rs, General::kUnaColumna);
    ASSERT_EQ(rt::UBound(m), 2);
    EXPECT_EQ(m(0), Variant("p"));
    EXPECT_EQ(m(2), Variant("r"));
}

TEST(RecordsetAMatriz, MoreRowsThanA16BitCounterHolds) {
    std::vector<std::vector<Variant>> data(40000, std::vector<Variant>{1});
    data.back()[0] = 40000;
    auto rs = rows({"n"}, std::move(data));
    Variant m = General::RecordsetAMatriz(rs, General::kLista);
    EXPECT_EQ(rt::UBound(m, 2), 40000);
    EXPECT_EQ(m(0, 40000), Variant("40000"));
}

TEST(BC, ReadsOnlyDigitsAndMinus) {
    struct Case {
        Variant in;
        double out;
    };
    const Case cases[] = {{"", 0},     {Variant(), 0}, {"12,5", 0}, {"12.5", 0}, {" 5", 0},
                          {"-", 0},    {"1-2", 0},     {"--", 0},   {"-5", -5},  {"007", 7},
                          {"1e3", 0},  {"abc", 0},     {Variant(9), 9}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(General::BC(c.in), c.out) << rt::CStr(c.in);
}

TEST(BC, NullRaisesWithItsLocation) {
    std::string description;
    EXPECT_EQ(prueba::NumeroDeError([] { General::BC(Variant::Null()); }, &description), 94);
    EXPECT_EQ(description.rfind("General.BC\r\n", 0), 0u);
}

TEST(EsNumerico, DigitsAndMinusOnly) {
    for (const char* yes : {"", "0123456789", "--", "-5"}) EXPECT_TRUE(General::EsNumerico(yes)) << yes;
    for (const char* no : {"12a", "1 2", "1,2", "1.2", "+1"})
        EXPECT_FALSE(General::EsNumerico(no)) << no;
}

TEST(RellenarNumero, ZeroFilledAndRoundedHalfAway) {
    struct Case {
        double value;
        int16_t width;
        const char* fill;
        const char* out;
    };
    const Case cases[] = {{12, 5, "0", "00012"},  {12.5, 3, "0", "013"}, {13.5, 3, "0", "014"},
                          {0, 4, "0", "0000"},    {99999, 5, "0", "99999"},
                          {123, 9, " ", "         "}, {0.4, 2, "0", "00"}};
    for (const auto& c : cases)
        EXPECT_EQ(General::RellenarNumero(c.value, c.width, c.fill), c.out) << c.value;
}

TEST(RellenarNumero, AValueThatDoesNotFitIsAnError) {
    for (double value : {123456.0, 99999.5, -12.0}) {
        std::string description;
        EXPECT_EQ(prueba::NumeroDeError([&] { General::RellenarNumero(value, 5, "0"); }, &description), 6);
        EXPECT_NE(description.find(" 5 "), std::string::npos) << description;
    }
    EXPECT_EQ(prueba::NumeroDeError([] { General::RellenarNumero(1, -1, "0"); }), 5);
}

TEST(RellenarTexto, CutsAndPadsCountingCharacters) {
    std::string texto = "MUÑOZA";
    EXPECT_EQ(General::RellenarTexto(texto, 4, " "), "MUÑO");
    EXPECT_EQ(texto, "MUÑO");  // the caller's text is cut too
    std::string corto = "ÑA";
    EXPECT_EQ(General::RellenarTexto(corto, 4, " "), "ÑA  ");
    EXPECT_EQ(corto, "ÑA");
    EXPECT_EQ(General::RellenarTexto(std::string("AB"), 4, "0"), "AB00");
    EXPECT_EQ(prueba::NumeroDeError([] { General::RellenarTexto(std::string("AB"), -1, " "); }), 5);
}

TEST(CeroAVacio, BlanksOnlyZeroValues) {
    EXPECT_EQ(General::CeroAVacio(Variant(0)), Variant(""));
    for (const char* zero : {"0", "-0", " 0 ", "0,00"})
        EXPECT_EQ(General::CeroAVacio(Variant(zero)), Variant("")) << zero;
    EXPECT_EQ(General::CeroAVacio(Variant(" 5")), Variant(" 5"));
    EXPECT_EQ(General::CeroAVacio(Variant(12)), Variant(12));
    EXPECT_TRUE(General::CeroAVacio(Variant::Null()).isNull());
    EXPECT_EQ(prueba::NumeroDeError([] { General::CeroAVacio(Variant("")); }), 13);
    EXPECT_EQ(prueba::NumeroDeError([] { General::CeroAVacio(Variant(" ")); }), 13);
}

TEST(Comillas, ApostrophesAndAcuteAccents) {
    EXPECT_EQ(General::EscaparComillas("L'ARC D'OR"), "L´ARC D´OR");
    EXPECT_EQ(General::RestaurarComillas(Variant("L´ARC D´OR")), "L'ARC D'OR");
    EXPECT_EQ(General::RestaurarComillas(Variant::Null()), "");
    EXPECT_EQ(General::RestaurarComillas(Variant(3)), "3");
}

TEST(Periodos, MonthAndPeriodicityOfEachCode) {
    struct Case {
        const char* code;
        const char* month;
        int16_t periodicity;
    };
    const Case cases[] = {{"1T", "3", 2},   {"2T", "6", 2},   {"3T", "9", 2},   {"4T", "12", 2},
                          {"0A", "12", 3},  {" 0A", "12", 3}, {"05", "05", 1},  {" 05", "05", 1},
                          {"12", "12", 1},  {"", "", 1},      {"  ", "", 1},    {"1t", "13", 1},
                          {"5", "13", 1},   {"13", "13", 1},  {"00", "13", 1},  {"XX", "13", 1}};
    for (const auto& c : cases) {
        EXPECT_EQ(General::MesDePeriodo(c.code), c.month) << "[" << c.code << "]";
        EXPECT_EQ(General::PeriodicidadDePeriodo(c.code), c.periodicity) << "[" << c.code << "]";
    }
}

TEST(ClavesEstatales, KeyAtPosition133) {
    struct Case {
        const char* key;
        const char* a;
        const char* b;
        const char* triangular;
    };
    const Case cases[] = {{"E", "1", "3", ""}, {"H", "1", "3", ""}, {"M", "1", "3", ""},
                          {"T", "1", "3", "X"}, {"A", "2", "4", ""}, {"S", "", "", ""},
                          {" ", "", "", ""},    {"e", "", "", ""}};
    for (const auto& c : cases) {
        std::string line = std::string(132, 'Z') + c.key + std::string(10, 'Z');
        EXPECT_EQ(General::ConvClaveEstatalA(line), c.a) << c.key;
        EXPECT_EQ(General::ConvClaveEstatalB(line), c.b) << c.key;
        EXPECT_EQ(General::MarcaTriangular(c.key), c.triangular) << c.key;
    }
    // A short line has no key.
    EXPECT_EQ(General::ConvClaveEstatalA("E"), "");
    // Position 133 counts characters: a multi-byte letter before it moves nothing.
    std::string line = "Ñ" + std::string(131, 'Z') + "A";
    EXPECT_EQ(General::ConvClaveEstatalA(line), "2");
}
