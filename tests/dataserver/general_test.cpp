#include "db/general.h"

#include <gtest/gtest.h>

#include "comun/numero_de_error.h"
#include "contenido_matriz.h"
#include "quelvodat/recordset.h"
#include "quelvort/convert.h"

using namespace quelvodat;
using prueba::Contenido;
using prueba::NumeroDeError;
using rt::Variant;

TEST(RecordsetAMatriz, ShapesOfEachMode) {
    const std::tuple<int32_t, std::string> casos[] = {
        {General::kLista, "0..3x0..2 /|~|~|~|~ /|1|x||~ /|2,5|O'NEIL|z|~"},
        {General::kUnaFila, "0..3|1|x||~"},
        {General::kUnaColumna, "0..1|1|2,5"}};
    for (const auto& [modo, contenido] : casos) {
        Recordset rs({"a", "b", "c"}, {{1, "x", Variant::Null()}, {2.5, "O´NEIL", "z"}});
        EXPECT_EQ(Contenido(General::RecordsetAMatriz(rs, modo)), contenido) << modo;
        Recordset vacio({"a", "b"}, {});
        EXPECT_EQ(Contenido(General::RecordsetAMatriz(vacio, modo)), "Null") << modo;
    }
}

TEST(RecordsetAMatriz, MoreRowsThanA16BitCounterHolds) {
    std::vector<std::vector<Variant>> datos(40000, std::vector<Variant>{1});
    datos.back()[0] = 40000;
    Recordset rs({"n"}, std::move(datos));
    Variant m = General::RecordsetAMatriz(rs, General::kLista);
    EXPECT_EQ(rt::UBound(m, 2), 40000);
    EXPECT_EQ(m(0, 40000), Variant("40000"));
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
