#include <gtest/gtest.h>

#include "comun/numero_de_error.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "quelvort/convert.h"
#include "quelvort/error.h"

using rt::Variant;

TEST(Convert, CIntAndCLngRoundHalvesToEven) {
    struct Case {
        double in;
        int32_t out;
    };
    const Case cases[] = {{0.5, 0},   {1.5, 2},    {2.5, 2},   {3.5, 4},   {-0.5, 0},
                          {-1.5, -2}, {-2.5, -2},  {2.4999, 2}, {2.5001, 3}, {-7.6, -8}};
    for (const auto& c : cases) {
        EXPECT_EQ(rt::CInt(c.in), c.out) << c.in;
        EXPECT_EQ(rt::CLng(c.in), c.out) << c.in;
    }
}

TEST(Convert, RangeAndKindErrors) {
    struct Case {
        std::function<void()> call;
        int32_t error;
    };
    const Case cases[] = {
        {[] { rt::CInt(32767.4); }, 0},
        {[] { rt::CInt(32767.5); }, 6},
        {[] { rt::CInt(-32768.5); }, 0},  // rounds to even: -32768
        {[] { rt::CInt(-32769); }, 6},
        {[] { rt::CLng(2147483647.0); }, 0},
        {[] { rt::CLng(2147483648.0); }, 6},
        {[] { rt::CInt("abc"); }, 13},
        {[] { rt::CInt(""); }, 13},
        {[] { rt::CLng("1e3x"); }, 13},
        {[] { rt::CInt(Variant::Null()); }, 94},
        {[] { rt::CStr(Variant::Null()); }, 94},
        {[] { rt::CDbl(Variant(rt::VArray(0, 1))); }, 13},
    };
    for (size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(prueba::NumeroDeError(cases[i].call), cases[i].error) << i;
}

TEST(Convert, EmptyConvertsToZeroAndEmptyText) {
    EXPECT_EQ(rt::CInt(Variant()), 0);
    EXPECT_EQ(rt::CDbl(Variant()), 0);
    EXPECT_EQ(rt::CStr(Variant()), "");
}

TEST(Convert, TextsReadWithSpanishConventions) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {{"12,5", 12.5},       {"1.234,56", 1234.56}, {"  -7 ", -7},
                          {"+3", 3},            {"1.000.000", 1e6},    {",5", 0.5},
                          {"1,5E+3", 1500},     {"&H10", 16},          {"&HFFFF", -1},
                          {"007", 7}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(rt::CDbl(c.text), c.value) << c.text;
    for (const char* bad : {"12,5,1", "1e", "-", "--5", "", "1 2", "abc", "5-", ".5"})
        EXPECT_FALSE(rt::IsNumeric(bad)) << bad;
    EXPECT_EQ(rt::CInt("12,5"), 12);
    EXPECT_EQ(rt::CInt("13,5"), 14);
}

TEST(Convert, CStrWritesFifteenDigitsAndDecimalComma) {
    struct Case {
        Variant in;
        const char* out;
    };
    const Case cases[] = {{Variant(12.5), "12,5"},
                          {Variant(7.0), "7"},
                          {Variant(-42.0), "-42"},
                          {Variant(-0.25), "-0,25"},
                          {Variant(0.1 + 0.2), "0,3"},
                          {Variant(123456789012345.0), "123456789012345"},
                          {Variant(1e15), "1E+15"},
                          {Variant(int16_t{-3}), "-3"},
                          {Variant(2147483647), "2147483647"},
                          {Variant(true), "True"},
                          {Variant("´x"), "´x"}};
    for (const auto& c : cases) EXPECT_EQ(rt::CStr(c.in), c.out);
}

// A number is written as printf's "%.15G" writes it, with a decimal comma,
// whether into a string or into a buffer: for the edges of the notation and
// for numbers of every magnitude.
TEST(Convert, FormatDoubleWritesWhatPrintfWritesWithTheComma) {
    auto printf15G = [](double valor) {
        char texto[64];
        std::snprintf(texto, sizeof texto, "%.15G", valor);
        std::string s(texto);
        for (char& c : s)
            if (c == '.') c = ',';
        return s;
    };
    std::vector<double> valores = {0.1,      1.0 / 3,  2.0 / 3,  1e-5,     1e-4,    0.0001234,
                                   1e14 + 0.5, 999999999999999.4, 999999999999999.5, 1e15, 1e16,
                                   1e21,     -1e300,   DBL_MAX,  DBL_MIN,  5e-324,  123456.789,
                                   -0.001,   1234.5,   1234.56,  -98765.43, 0.5,    2.5e-7,
                                   std::numeric_limits<double>::infinity(),
                                   -std::numeric_limits<double>::infinity()};
    std::mt19937_64 azar(794);
    for (int i = 0; i < 20000; ++i) {
        uint64_t bits = azar();
        double valor = 0;
        std::memcpy(&valor, &bits, sizeof valor);
        if (std::isnan(valor)) continue;
        valores.push_back(valor);
        // Amounts with cents, as entries hold them.
        valores.push_back(static_cast<double>(static_cast<int64_t>(bits % 2000000000000) - 1000000000000) / 100);
    }
    int distintos = 0;
    for (double valor : valores) {
        const std::string esperado = valor == 0 ? "0"
                                     : std::fabs(valor) < 1e15 && std::trunc(valor) == valor
                                         ? std::to_string(static_cast<long long>(valor))
                                         : printf15G(valor);
        rt::NumberText buffer;
        const bool igual = rt::FormatDouble(valor) == esperado && rt::FormatDouble(valor, buffer) == esperado;
        if (!igual && ++distintos <= 5) ADD_FAILURE() << esperado << " written as " << rt::FormatDouble(valor);
    }
    EXPECT_EQ(distintos, 0);
}

TEST(Convert, FormatLongWritesTheDigits) {
    for (int32_t valor : {0, 7, -7, 2147483647, -2147483647 - 1, 1000000, -45}) {
        rt::NumberText buffer;
        EXPECT_EQ(rt::FormatLong(valor, buffer), std::to_string(valor));
        EXPECT_EQ(rt::CStr(Variant(valor)), std::to_string(valor));
    }
}

// Whole numbers, however many digits and whatever their sign, read as the C
// library reads them, to the last bit (a negative zero too).
TEST(Convert, WholeNumbersReadToTheLastBit) {
    std::vector<std::string> textos = {"0", "-0", "+0", "7", "-7", "+15", "007", "-000", "999999999999999",
                                       "-999999999999999", "1000000000000000", "9007199254740993",
                                       "123456789012345678", "  42 "};
    std::mt19937_64 azar(2010);
    for (int i = 0; i < 2000; ++i) {
        std::string t = std::to_string(azar() % 1000000000000000000ULL).substr(0, 1 + i % 18);
        textos.push_back(i % 3 == 0 ? "-" + t : t);
    }
    for (const std::string& texto : textos) {
        const double leido = rt::CDbl(Variant(texto));
        const double esperado = std::strtod(texto.c_str(), nullptr);
        EXPECT_EQ(std::memcmp(&leido, &esperado, sizeof leido), 0) << texto;
    }
}

TEST(Convert, ValReadsTheLeadingNumberWithPoint) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {{"12.5", 12.5}, {"12,5", 12},  {"  1 2 3abc", 123}, {"-4.5e2", -450},
                          {"abc", 0},     {"", 0},       {"&H1F", 31},        {"3.", 3},
                          {"1e", 1},      {"0050", 50}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(rt::Val(c.text), c.value) << c.text;
}

TEST(Convert, IsNumericByKind) {
    EXPECT_TRUE(rt::IsNumeric(Variant()));
    EXPECT_FALSE(rt::IsNumeric(Variant::Null()));
    EXPECT_TRUE(rt::IsNumeric(Variant(true)));
    EXPECT_TRUE(rt::IsNumeric("1.234,5"));
}

TEST(Convert, HalfAwayFromZeroForMoney) {
    struct Case {
        double in;
        int decimals;
        double out;
    };
    const Case cases[] = {{2.5, 0, 3},      {-2.5, 0, -3},      {0.125, 2, 0.13},
                          {6.01012, 2, 6.01}, {1.005, 2, 1.01}, {12.4, 0, 12},
                          // A nine-digit telephone is whole: nothing to round.
                          {945222333, 0, 945222333}, {1234567890.4, 0, 1234567890},
                          {1234567890.5, 0, 1234567891}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(rt::RoundHalfAwayFromZero(c.in, c.decimals), c.out) << c.in;
}
