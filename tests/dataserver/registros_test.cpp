// Submission-file records against lines laid out by hand from the layouts'
// field tables (tests/fixtures/registros), read back, and the values that must
// stop a record instead of shifting its fields.
#include "exchange/registros.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "comun/numero_de_error.h"
#include "quelvort/convert.h"
#include "quelvort/strings.h"

using namespace quelvodat;
using rt::Variant;
using rt::VArray;

namespace {

// Blank line of `largo` characters with each value at its 1-based position.
std::string Linea(size_t largo, const std::vector<std::pair<size_t, std::string>>& valores) {
    std::string l(largo, ' ');
    for (const auto& [pos, valor] : valores) l.replace(pos - 1, valor.size(), valor);
    return l;
}

Variant Presentador() {
    return VArray::Of({"1", "B01234567", "ASESORÍA GARCÍA Y ASOCIADOS S.L.", "CL",
                       "PORTAL DE CASTILLA NÚMERO", "12", "B", "1", "3", "D", "01", "001",
                       "VITORIA-GASTEIZ", "945123456", "IÑAKI LÓPEZ DE ARBINA", "945654321"});
}

// The name holds a stored apostrophe and is longer than its field.
Variant Declarante() {
    return VArray::Of({7, "12345678Z", "O´DONNELL ECHEVARRÍA MARTÍNEZ DE LA PEÑA, MIKEL", "CL",
                       "MAYOR", 5, "", "", "", "", int16_t{1}, "001", "VITORIA-GASTEIZ",
                       "ANE ZUBIA", 945000111, 600111222});
}

Variant ConElemento(Variant buffer, int32_t i, Variant valor) {
    buffer(i) = std::move(valor);
    return buffer;
}

// As the entry load gives it: texts, element 12 Empty.
Variant Declarado(const char* pais, const char* nif, const char* nombre, const char* clave,
                  const char* base, const char* signo = "", const char* ejercicio = "0",
                  const char* periodo = "0", const char* triangular = "",
                  const char* periodicidad = "0", const char* tipo = "N") {
    return VArray::Of({"3", pais, nif, nombre, clave, base, signo, ejercicio, periodo, triangular,
                       periodicidad, tipo, Variant()});
}

Variant Totales(std::vector<std::vector<const char*>> filas) {
    VArray t({0, 3}, {0, static_cast<int32_t>(filas.size())});
    for (size_t r = 0; r < filas.size(); ++r)
        for (int32_t j = 0; j < 3; ++j) t.at(j, static_cast<int32_t>(r) + 1) = filas[r][j];
    return t;
}

// Entry types "N" by default; rectifications give sign, exercise, period,
// triangular mark, periodicity and "R".
std::vector<Variant> Declarados2009() {
    return {Declarado("FR", "12345678901", "DUPONT ET FILS SARL", "1", "123456"),
            Declarado("DE", "123456789", "MÜLLER GMBH", "1", "500000", "", "0", "0", "X"),
            Declarado("IT", "12345678901", "D´ANGELO SRL", "2", "75000"),
            Declarado("PT", "501234567", "LISBOA LDA", "3", "20000", "-", "2008", "6", "", "2",
                      "R"),
            Declarado("NL", "123456789B01", "VAN DER BERG BV", "4", "1500", "+", "2009", "3", "",
                      "1", "R")};
}

std::vector<Variant> DeclaradosPesetas() {
    return {Declarado("FR", "12345678901", "DUPONT ET FILS SARL", "1", "100000"),
            Declarado("FR", "98765432109", "LYON TRANSPORTS SA", "1", "250000"),
            Declarado("IT", "12345678901", "D´ANGELO SRL", "2", "1663860")};
}

std::vector<Variant> Declarados2010() {
    return {Declarado("FR", "12345678901", "DUPONT ET FILS SARL", "E", "123456"),
            Declarado("IT", "12345678901", "D´ANGELO SRL", "A", "75000"),
            Declarado("DE", "123456789", "MÜLLER GMBH", "T", "500000"),
            Declarado("AT", "U12345678", "WIEN DIENSTLEISTUNGEN GMBH", "S", "30000"),
            Declarado("BE", "0123456789", "BRUXELLES SERVICES SA", "I", "45000"),
            Declarado("IE", "1234567X", "DUBLIN MEDICAL LTD", "M", "1000"),
            Declarado("SE", "123456789001", "STOCKHOLM AB", "H", "2000"),
            Declarado("PT", "501234567", "LISBOA LDA", "E", "20000", "-", "2010", "4", "", "1",
                      "R"),
            Declarado("NL", "123456789B01", "VAN DER BERG BV", "A", "1500", "+", "2009", "12", "",
                      "2", "R")};
}

using Lineas = std::vector<std::string>;

std::string Registro2(int32_t ejercicio, int32_t periodo, const Variant& declarado,
                      const char* moneda, int32_t periodicidad) {
    if (ejercicio > 2009)
        return Export2010::ExportarRegistro2_2010(ejercicio, periodo, declarado, Declarante(),
                                                  moneda, periodicidad);
    return Exportacion::ExportarRegistro2(ejercicio, periodo, declarado, Declarante(), moneda,
                                          periodicidad);
}

Lineas Registros2(const std::vector<Variant>& declarados, int32_t ejercicio, int32_t periodo,
                  int32_t periodicidad, const char* moneda) {
    Lineas r;
    for (const Variant& d : declarados)
        r.push_back(Registro2(ejercicio, periodo, d, moneda, periodicidad));
    return r;
}

// From 2010 `moneda` is the bimonthly mark.
std::string Registro1(int32_t ejercicio, int32_t periodo, int32_t periodicidad,
                      const char* moneda, const Variant& totales) {
    if (ejercicio > 2009)
        return Export2010::ExportarRegistro1_2010(Declarante(), totales, ejercicio, periodo,
                                                  periodicidad, moneda);
    return Exportacion::ExportarRegistro1(Declarante(), totales, moneda, ejercicio, periodo,
                                          periodicidad);
}

const std::tuple<const char*, int32_t, std::function<Lineas()>> kDorados[] = {
    {"tipo0_2009", 190,
     [] { return Lineas{Exportacion::ExportarRegistro0(Presentador(), 5, 12, 2009)}; }},
    {"tipo0_2010", 250,
     [] { return Lineas{Export2010::ExportarRegistro0_2010(Presentador(), 5, 12, 2010)}; }},
    {"tipo1_2009_trimestral", 190,
     [] {
         return Lineas{Registro1(2009, 6, 2, "E",
                                 Totales({{"1", "623456", "2"}, {"2", "75000", "1"},
                                          {"3", "20000", "1"}, {"4", "1500", "1"}}))};
     }},
    {"tipo1_2001_mensual_pesetas", 190,
     [] {
         auto t = Totales({{"1", "350000", "2"}, {"2", "1663860", "1"}});
         return Lineas{Registro1(2001, 11, 1, "P", t)};
     }},
    {"tipo2_2009_trimestral", 190, [] { return Registros2(Declarados2009(), 2009, 6, 2, "E"); }},
    {"tipo2_2001_mensual_pesetas", 190,
     [] { return Registros2(DeclaradosPesetas(), 2001, 11, 1, "P"); }},
    {"tipo1_2010_mensual", 250,
     [] {
         auto t = Totales({{"N", "776456", "7"}, {"R", "21500", "2"}});
         return Lineas{Registro1(2010, 5, 1, "X", t)};
     }},
    {"tipo1_2010_trimestral", 250,
     [] { return Lineas{Registro1(2010, 9, 2, "", Variant::Null())}; }},
    // The currency of a 2010 run never converts.
    {"tipo2_2010_mensual", 250, [] { return Registros2(Declarados2010(), 2010, 5, 1, "P"); }},
};

TEST(Registros, EqualToTheHandWrittenFilesByteForByte) {
    for (const auto& [archivo, largo, construir] : kDorados) {
        std::ifstream f(std::string(QUELVO_FIXTURES_DIR) + "/registros/" + archivo + ".txt");
        ASSERT_TRUE(f) << archivo;
        Lineas esperadas;
        for (std::string l; std::getline(f, l);) esperadas.push_back(l);
        Lineas hechas = construir();
        ASSERT_EQ(hechas.size(), esperadas.size()) << archivo;
        for (size_t i = 0; i < hechas.size(); ++i) {
            EXPECT_EQ(rt::Len(hechas[i]), largo) << archivo << " line " << i + 1;
            EXPECT_EQ(hechas[i], esperadas[i]) << archivo << " line " << i + 1;
        }
    }
}

TEST(Registros, TotalsAndRectifiedPeriods) {
    std::string r = Registro1(2009, 12, 2, "E", Variant::Null());
    EXPECT_EQ(rt::Mid(r, 9, 2), "4T");
    EXPECT_EQ(rt::Mid(r, 62, 53), std::string(53, '0'));
    // Lower-case keys count too.
    r = Registro1(2010, 3, 1, "", Totales({{"n", "100", "1"}, {"N", "200", "2"}, {"r", "5", "3"}}));
    EXPECT_EQ(rt::Mid(r, 62, 31), "000000003" "0000000000300" "000000003");
    // A rectified period without its exercise is written as stored; without either, zeros.
    Variant d = Declarado("PT", "501234567", "LISBOA LDA", "1", "100", "", "0", "5");
    EXPECT_EQ(Registro2(2009, 3, d, "E", 2),
              Linea(190, {{1, "2794"}, {5, "20091T01"}, {13, "12345678Z1PT501234567"},
                          {37, "LISBOA LDA"}, {77, "0000000000100"}, {92, "00005"}}));
    d = Declarado("PT", "501234567", "LISBOA LDA", "1", "100", "", "", "");
    r = Registro2(2009, 12, d, "E", 3);
    EXPECT_EQ(rt::Mid(r, 9, 2), "0A");
    EXPECT_EQ(rt::Mid(r, 92, 6), "0000  ");
}

// Every month and quarter in records 1 and 2 of both layouts: the code sits
// after the exercise, in two characters.
TEST(Registros, PeriodCodeOfEveryMonthAndQuarterInRecordsOneAndTwo) {
    const char* meses[] = {"01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11", "12"};
    std::vector<std::tuple<int32_t, int32_t, int32_t, std::string>> casos;
    for (int32_t mes = 1; mes <= 12; ++mes) casos.emplace_back(2010, mes, 1, meses[mes - 1]);
    for (int32_t ejercicio : {2009, 2010}) {
        const std::pair<int32_t, const char*> trimestres[] = {{3, "1T"}, {6, "2T"}, {9, "3T"}, {12, "4T"}};
        for (const auto& [mes, codigo] : trimestres) casos.emplace_back(ejercicio, mes, 2, codigo);
        casos.emplace_back(ejercicio, 12, 3, "0A");
    }
    const Variant d = Declarado("FR", "12345678901", "DUPONT ET FILS SARL", "E", "100");
    for (const auto& [ejercicio, mes, periodicidad, codigo] : casos) {
        const std::string cabeza = std::to_string(ejercicio) + codigo;
        EXPECT_EQ(rt::Mid(Registro1(ejercicio, mes, periodicidad, "", Variant::Null()), 5, 6), cabeza)
            << ejercicio << " " << mes << " " << periodicidad;
        EXPECT_EQ(rt::Mid(Registro2(ejercicio, mes, d, "E", periodicidad), 5, 6), cabeza)
            << ejercicio << " " << mes << " " << periodicidad;
    }
}

TEST(Registros, PeriodCodesAndPesetaConversion) {
    const std::tuple<int32_t, int32_t, const char*, const char*> codigos[] = {
        {1, 1, "", "01"},   {12, 1, "", "12"},  {0, 1, "", ""},     {13, 1, "", ""},
        {3, 2, "1T", "1T"}, {6, 2, "2T", "2T"}, {9, 2, "3T", "3T"}, {12, 2, "4T", "4T"},
        {4, 2, "", ""},     {0, 3, "0A", "0A"}, {7, 3, "0A", "0A"}, {3, 0, "", ""},
        {3, 4, "", ""}};
    for (const auto& [periodo, periodicidad, anterior, desde2010] : codigos) {
        EXPECT_EQ(Exportacion::CodigoPeriodoAnt(periodo, periodicidad), anterior) << periodo;
        EXPECT_EQ(Export2010::CodigoPeriodo(periodo, periodicidad), desde2010) << periodo;
    }
    const std::pair<double, double> importes[] = {{100000, 601},   {250000, 1503},
                                                  {1663860, 10000}, {350000, 2104},
                                                  {100, 1},         {-100000, -601}};
    for (const auto& [pesetas, euros] : importes)
        EXPECT_EQ(Exportacion::PesetasAEuros(pesetas), euros) << pesetas;
    EXPECT_EQ(Exportacion::ImporteSegunMoneda(100000, "P"), 601);
    EXPECT_EQ(Exportacion::ImporteSegunMoneda(100000, "E"), 100000);
}

// Country, NIF, name, key, amount, sign, period, exercise, triangular mark,
// periodicity, type.
using Valores2 = std::tuple<const char*, const char*, const char*, const char*, double,
                            const char*, int32_t, int32_t, const char*, int16_t, const char*>;

// A cut entry against the values expected, each as its kind and trimmed text.
void EsperarValores(const Variant& v, const Valores2& e, const std::string& linea) {
    ASSERT_EQ(rt::UBound(v, 1), 11);
    auto texto = [](const Variant& x) {
        return std::to_string(static_cast<int>(x.type())) + ":" + rt::Trim(rt::CStr(x));
    };
    std::vector<std::string> leidos, esperados;
    for (int32_t i = 1; i <= 11; ++i) leidos.push_back(texto(v(i, 0)));
    std::apply([&](auto... x) { (esperados.push_back(texto(Variant(x))), ...); }, e);
    EXPECT_EQ(leidos, esperados) << linea;
}

TEST(Registros, Type2ReadsBackAsWritten) {
    const Valores2 hasta2009[] = {
        {"FR", "12345678901", "DUPONT ET FILS SARL", "1", 123456, "", 0, 0, "", 0, "N"},
        {"DE", "123456789", "MÜLLER GMBH", "1", 500000, "", 0, 0, "X", 0, "N"},
        {"IT", "12345678901", "D'ANGELO SRL", "2", 75000, "", 0, 0, "", 0, "N"},
        {"PT", "501234567", "LISBOA LDA", "3", 20000, "-", 6, 2008, "", 2, "R"},
        // A month has no code up to 2009: the rectified month is lost.
        {"NL", "123456789B01", "VAN DER BERG BV", "4", 1500, "+", 0, 2009, "", 1, "R"}};
    Lineas lineas = Registros2(Declarados2009(), 2009, 6, 2, "E");
    for (size_t i = 0; i < lineas.size(); ++i)
        EsperarValores(Importacion::ObtenerValoresDeclarado(lineas[i], false), hasta2009[i],
                       lineas[i]);
    lineas = Registros2(DeclaradosPesetas(), 2001, 11, 1, "P");
    EsperarValores(Importacion::ObtenerValoresDeclarado(lineas[0], false),
                   {"FR", "12345678901", "DUPONT ET FILS SARL", "1", 601, "", 0, 0, "", 0, "N"},
                   lineas[0]);

    lineas = Registros2(Declarados2010(), 2010, 5, 1, "E");
    const std::pair<size_t, Valores2> desde2010[] = {
        {1, {"IT", "12345678901", "D'ANGELO SRL", "A", 75000, "", 0, 0, "", 0, "N"}},
        {7, {"PT", "501234567", "LISBOA LDA", "E", 20000, "-", 4, 2010, "", 1, "R"}},
        {8, {"NL", "123456789B01", "VAN DER BERG BV", "A", 1500, "+", 12, 2009, "", 2, "R"}}};
    for (const auto& [i, valores] : desde2010)
        EsperarValores(Import2010::ObtenerValoresDeclarado2010(lineas[i]), valores, lineas[i]);
}

TEST(Registros, Type1ReadsBackInBothLayouts) {
    const std::tuple<std::string, const char*, const char*, const char*> casos[] = {
        {Registro1(2009, 6, 2, "E", Variant::Null()), "2009", "2T", ""},
        {Registro1(2010, 5, 1, "X", Variant::Null()), "2010", "05", "X"},
        {Registro1(2010, 4, 1, "X", Variant::Null()), "2010", "04", ""}};
    for (const auto& [linea, ejercicio, periodo, bimensual] : casos) {
        Variant v = Importacion::ObtenerValoresDteCion(linea);
        ASSERT_EQ(rt::UBound(v, 1), 18);
        EXPECT_EQ(v(1, 0), Variant("12345678Z"));
        EXPECT_EQ(v(2, 0), Variant("O'DONNELL ECHEVARRÍA MARTÍNEZ DE LA PEÑA"));
        EXPECT_EQ(v(10, 0), Variant("01"));
        EXPECT_EQ(v(11, 0), Variant("01001"));
        EXPECT_EQ(v(16, 0), Variant(ejercicio));
        EXPECT_EQ(v(17, 0), Variant(periodo));
        EXPECT_EQ(v(18, 0), Variant(bimensual)) << periodo;
        EXPECT_EQ(v(18, 1), Variant("Bimensual"));
    }
    // An exercise that does not read is left as it stands for the checks.
    for (const char* ejercicio : {"20X9", "    "}) {
        Variant v;
        const std::string malo = Linea(190, {{1, "1794"}, {5, ejercicio}});
        EXPECT_EQ(prueba::NumeroDeError([&] { v = Importacion::ObtenerValoresDteCion(malo); }), 0);
        EXPECT_EQ(v(16, 0), Variant(ejercicio));
        EXPECT_EQ(v(18, 0), Variant(""));
    }
}

TEST(Registros, AmountsRead) {
    auto anterior = [](const char* importe, bool pesetas) {
        return Importacion::ObtenerValoresDeclarado(
            Linea(190, {{1, "2794"}, {22, "1"}, {77, importe}}), pesetas)(5, 0);
    };
    EXPECT_EQ(anterior("-000000012345", false), Variant(-12345.0));
    EXPECT_EQ(anterior("0000000100000", true), Variant(601.01));
    EXPECT_EQ(anterior("00000001234A5", false), Variant("00000001234A5"));
    Variant v = Import2010::ObtenerValoresDeclarado2010(Linea(250, {{77, "00000001234A5"}}));
    EXPECT_EQ(v(5, 0), Variant(""));
    // A short line reads as blanks.
    EXPECT_EQ(Import2010::ObtenerValoresDeclarado2010("2794")(11, 0), Variant("N"));
}

TEST(Registros, FailuresNameTheRecordTheFieldAndTheValue) {
    auto conBase = [](int32_t ejercicio, const char* clave, const char* base, const char* moneda) {
        return Registro2(ejercicio, 6, Declarado("FR", "1", "X", clave, base), moneda, 2);
    };
    const std::tuple<std::function<std::string()>, int32_t, std::vector<const char*>> casos[] = {
        {[] { return Exportacion::ExportarRegistro0(Presentador(), 123456, 1, 2009); }, 6,
         {"Exportacion.ExportarRegistro0", "tipo 0", "Número de declarantes", "123456"}},
        {[] { return Exportacion::ExportarRegistro0(Presentador(), 1, 1, 20090); }, 6,
         {"Ejercicio", "20090"}},
        {[&] { return conBase(2010, "E", "12345678901234", "E"); }, 6,
         {"Export2010.ExportarRegistro2_2010", "tipo 2", "Base imponible", "12345678901234"}},
        {[&] { return conBase(2009, "1", "-500", "E"); }, 5,
         {"Exportacion.ExportarRegistro2", "tipo 2", "Base imponible", "-500"}},
        // The value named is the one that would have been written.
        {[&] { return conBase(2001, "1", "-100000", "P"); }, 5, {"Base imponible", "-601"}},
        {[&] { return conBase(2010, "E", "-1", "E"); }, 5, {"tipo 2", "Base imponible", "-1"}},
        {[] { return Registro2(2009, 6, VArray::Of({"3", "FR"}), "E", 2); }, 9,
         {"Exportacion.ExportarRegistro2"}},
        {[] {
             return Exportacion::ExportarRegistro1(ConElemento(Declarante(), 14, "94A"),
                                                   Variant::Null(), "E", 2009, 6, 2);
         },
         13, {"Exportacion.ExportarRegistro1", "tipo 1", "Teléfono", "94A"}},
        {[] { return Registro1(2010, 5, 1, "", Totales({{"N", "99999999999999", "1"}})); }, 6,
         {"Export2010.ExportarRegistro1_2010", "Bases imponibles", "99999999999999"}},
        {[] {
             Variant sinTelefono = ConElemento(Presentador(), 13, Variant::Null());
             return Export2010::ExportarRegistro0_2010(sinTelefono, 1, 1, 2010);
         },
         94, {"Export2010.ExportarRegistro0_2010", "Teléfono", "Null"}},
    };
    for (const auto& [construir, numero, textos] : casos) {
        std::string descripcion;
        auto llamada = [&construir = construir] { construir(); };
        EXPECT_EQ(prueba::NumeroDeError(llamada, &descripcion), numero)
            << descripcion;
        for (const char* t : textos)
            EXPECT_NE(descripcion.find(t), std::string::npos) << t << " in: " << descripcion;
    }
}

}  // namespace
