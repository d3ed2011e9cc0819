#include "db/general.h"

#include <gtest/gtest.h>

#include "comun/numero_de_error.h"
#include "contenido_matriz.h"
#include "db/sqlite_database.h"
#include "quelvort/convert.h"

using namespace quelvodat;
using prueba::Contenido;
using prueba::NumeroDeError;
using rt::Variant;

namespace {

// A private database holding table t(a, b, c) with the rows given as SQL.
std::unique_ptr<sqlite::Database> Tabla(const std::string& filas) {
    auto db = std::make_unique<sqlite::Database>(":memory:", sqlite::Mode::Create);
    db->executeScript("CREATE TABLE t (a, b, c);" + filas);
    return db;
}

}  // namespace

TEST(RecordsetAMatriz, ShapesOfEachMode) {
    const std::tuple<int32_t, std::string> casos[] = {
        {General::kLista, "0..3x0..2 /|~|~|~|~ /|1|x||~ /|2,5|O'NEIL|z|~"},
        {General::kUnaFila, "0..3|1|x||~"},
        {General::kUnaColumna, "0..1|1|2,5"}};
    auto db = Tabla("INSERT INTO t VALUES (1, 'x', NULL), (2.5, 'O´NEIL', 'z');");
    for (const auto& [modo, contenido] : casos) {
        auto filas = db->prepare("SELECT a, b, c FROM t ORDER BY rowid");
        EXPECT_EQ(Contenido(General::RecordsetAMatriz(filas, modo)), contenido) << modo;
        auto ninguna = db->prepare("SELECT a, b FROM t WHERE a > 9");
        EXPECT_EQ(Contenido(General::RecordsetAMatriz(ninguna, modo)), "Null") << modo;
    }
}

// Each stored value arrives as the text the runtime's conversion gives it.
TEST(RecordsetAMatriz, EveryValueAsItsText) {
    const std::pair<const char*, const char*> casos[] = {
        {"NULL", ""},
        {"7", "7"},
        {"-2147483648", "-2147483648"},
        {"3000000000", "3000000000"},
        {"2.5", "2,5"},
        {"123456.0", "123456"},
        {"-0.01", "-0,01"},
        {"''", ""},
        {"' '", " "},
        {"'L´ARC D´OR'", "L'ARC D'OR"},
        {"'MUÑOZ Y CÍA'", "MUÑOZ Y CÍA"},
        {"'´'", "'"},
        {"'007'", "007"},
        {"X'4F27'", "O'"},
    };
    for (const auto& [valor, texto] : casos) {
        auto db = Tabla(std::string("INSERT INTO t VALUES (") + valor + ", 0, 0);");
        auto fila = db->prepare("SELECT a FROM t");
        const Variant m = General::RecordsetAMatriz(fila, General::kLista);
        ASSERT_TRUE(m(0, 1).isString()) << valor;
        EXPECT_EQ(m(0, 1).str(), texto) << valor;
    }
}

// The rows come in the order of the query whatever their number and however
// many were foreseen: the array holds as many as there are, none missing,
// none left Empty.
TEST(RecordsetAMatriz, MoreRowsThanA16BitCounterHolds) {
    auto db = Tabla(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 40000) "
        "INSERT INTO t SELECT i, 'N' || i, NULL FROM n;");
    const std::pair<int32_t, int32_t> casos[] = {
        {General::kLista, 0},      {General::kLista, 1},          {General::kLista, 39999},
        {General::kLista, 40000},  {General::kLista, 100000},     {General::kUnaColumna, 0},
        {General::kUnaColumna, 1}, {General::kUnaColumna, 40000}, {General::kUnaColumna, 40001}};
    for (const auto& [modo, previstas] : casos) {
        SCOPED_TRACE(previstas);
        auto filas = db->prepare("SELECT a, b FROM t ORDER BY a");
        const Variant m = General::RecordsetAMatriz(filas, modo, previstas);
        const bool lista = modo == General::kLista;
        ASSERT_EQ(rt::UBound(m, lista ? 2 : 1), lista ? 40000 : 39999) << modo;
        int32_t distintas = 0;
        for (int32_t i = 1; i <= 40000; ++i) {
            const Variant& a = lista ? m(0, i) : m(i - 1);
            distintas += a.isString() && a.str() == std::to_string(i) ? 0 : 1;
            if (!lista) continue;
            distintas += m(1, i).str() == "N" + std::to_string(i) && m(2, i).isEmpty() ? 0 : 1;
        }
        EXPECT_EQ(distintas, 0) << modo;
        if (lista) {
            EXPECT_TRUE(m(0, 0).isEmpty());
        }
    }
}

// One row asked for: the first is taken, and the rest are never read.
TEST(RecordsetAMatriz, OneRowTakesTheFirst) {
    auto db = Tabla("INSERT INTO t VALUES (1, 'x', 'y'), (2, 'z', 'w');");
    auto filas = db->prepare("SELECT a, b, c FROM t ORDER BY rowid");
    EXPECT_EQ(Contenido(General::RecordsetAMatriz(filas, General::kUnaFila)), "0..3|1|x|y|~");
}

TEST(General, BCAndEsNumericoReadOnlyDigitsAndMinus) {
    const std::pair<Variant, double> casos[] = {
        {"", 0},   {Variant(), 0}, {"12,5", 0}, {"12.5", 0}, {" 5", 0},  {"-", 0},   {"1-2", 0},
        {"-5", -5}, {"007", 7},    {"1e3", 0},  {"+1", 0},   {Variant(9), 9}};
    for (const auto& [valor, numero] : casos)
        EXPECT_DOUBLE_EQ(General::BC(valor), numero) << rt::CStr(valor);
    std::string descripcion;
    EXPECT_EQ(NumeroDeError([] { General::BC(Variant::Null()); }, &descripcion), 94);
    EXPECT_EQ(descripcion.rfind("General.BC\r\n", 0), 0u);
    for (const char* si : {"", "0123456789", "--"}) EXPECT_TRUE(General::EsNumerico(si)) << si;
    for (const char* no : {"12a", "1 2", "1,2", "+1"}) EXPECT_FALSE(General::EsNumerico(no)) << no;
}

TEST(General, RellenarNumeroRoundsHalfAwayAndRefusesWhatDoesNotFit) {
    const std::tuple<double, int16_t, const char*, const char*> casos[] = {
        {12, 5, "0", "00012"}, {12.5, 3, "0", "013"}, {13.5, 3, "0", "014"}, {0.4, 2, "0", "00"},
        {99999, 5, "0", "99999"}, {123, 9, " ", "         "}};
    for (const auto& [valor, ancho, relleno, texto] : casos)
        EXPECT_EQ(General::RellenarNumero(valor, ancho, relleno), texto) << valor;
    for (double valor : {123456.0, 99999.5, -12.0}) {
        std::string descripcion;
        EXPECT_EQ(NumeroDeError([&] { General::RellenarNumero(valor, 5, "0"); }, &descripcion), 6);
        EXPECT_NE(descripcion.find(" 5 "), std::string::npos) << descripcion;
    }
    EXPECT_EQ(NumeroDeError([] { General::RellenarNumero(1, -1, "0"); }), 5);
}

TEST(General, RellenarTextoCountsCharactersAndCutsTheCallersText) {
    std::string texto = "MUÑOZA";
    EXPECT_EQ(General::RellenarTexto(texto, 4, " "), "MUÑO");
    EXPECT_EQ(texto, "MUÑO");
    EXPECT_EQ(General::RellenarTexto(std::string("ÑA"), 4, "0"), "ÑA00");
    EXPECT_EQ(NumeroDeError([] { General::RellenarTexto(std::string("AB"), -1, " "); }), 5);
}

TEST(General, CeroAVacioAndApostrophes) {
    for (Variant cero : {Variant(0), Variant("-0"), Variant(" 0 "), Variant("0,00")})
        EXPECT_EQ(General::CeroAVacio(cero), Variant("")) << rt::CStr(cero);
    EXPECT_EQ(General::CeroAVacio(Variant(" 5")), Variant(" 5"));
    EXPECT_EQ(General::CeroAVacio(Variant(12)), Variant(12));
    EXPECT_TRUE(General::CeroAVacio(Variant::Null()).isNull());
    EXPECT_EQ(NumeroDeError([] { General::CeroAVacio(Variant(" ")); }), 13);
    EXPECT_EQ(General::EscaparComillas("L'ARC D'OR"), "L´ARC D´OR");
    EXPECT_EQ(General::RestaurarComillas(Variant("L´ARC D´OR")), "L'ARC D'OR");
    EXPECT_EQ(General::RestaurarComillas(Variant::Null()), "");
}

TEST(General, MonthAndPeriodicityOfEachPeriodCode) {
    const std::tuple<const char*, const char*, int16_t> casos[] = {
        {"1T", "3", 2},  {"2T", "6", 2},  {"3T", "9", 2},  {"4T", "12", 2}, {" 0A", "12", 3},
        {" 05", "05", 1}, {"12", "12", 1}, {"  ", "", 1},  {"1t", "13", 1}, {"5", "13", 1},
        {"13", "13", 1}, {"00", "13", 1}, {"XX", "13", 1}};
    for (const auto& [codigo, mes, periodicidad] : casos) {
        EXPECT_EQ(General::MesDePeriodo(codigo), mes) << "[" << codigo << "]";
        EXPECT_EQ(General::PeriodicidadDePeriodo(codigo), periodicidad) << "[" << codigo << "]";
    }
}

TEST(General, NationalKeyAtCharacter133) {
    const std::tuple<const char*, const char*, const char*, const char*> casos[] = {
        {"E", "1", "3", ""}, {"H", "1", "3", ""}, {"M", "1", "3", ""}, {"T", "1", "3", "X"},
        {"A", "2", "4", ""}, {"S", "", "", ""},   {" ", "", "", ""},   {"e", "", "", ""}};
    for (const auto& [clave, a, b, triangular] : casos) {
        std::string linea = "Ñ" + std::string(131, 'Z') + clave + "ZZ";
        EXPECT_EQ(General::ConvClaveEstatalA(linea), a) << clave;
        EXPECT_EQ(General::ConvClaveEstatalB(linea), b) << clave;
        EXPECT_EQ(General::MarcaTriangular(clave), triangular) << clave;
    }
    EXPECT_EQ(General::ConvClaveEstatalA("E"), "");
}
