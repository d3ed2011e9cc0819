// Records of the submission file against lines laid out by hand from the
// layouts' field tables (tests/fixtures/registros), their reading back, and
// the values that must stop a record instead of shifting its fields.
#include "exchange/registros.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "quelvort/error.h"
#include "quelvort/strings.h"

using namespace quelvodat;
using rt::Variant;
using rt::VArray;

namespace {

// Blank line of `largo` characters with each value laid at its 1-based
// character position.
std::string Linea(int32_t largo, std::vector<std::pair<int32_t, std::string>> valores) {
    std::vector<std::string> c(static_cast<size_t>(largo), " ");
    for (const auto& [pos, valor] : valores)
        for (int32_t i = 0; i < rt::Len(valor); ++i)
            c.at(static_cast<size_t>(pos - 1 + i)) = rt::Mid(valor, i + 1, 1);
    std::string s;
    for (const auto& x : c) s += x;
    return s;
}

std::vector<std::string> Dorado(const std::string& archivo) {
    std::ifstream f(std::string(QUELVO_FIXTURES_DIR) + "/registros/" + archivo);
    EXPECT_TRUE(f) << archivo;
    std::vector<std::string> lineas;
    for (std::string l; std::getline(f, l);) lineas.push_back(l);
    return lineas;
}

Variant Presentador() {
    return VArray::Of({"1", "B01234567", "ASESORÍA GARCÍA Y ASOCIADOS S.L.", "CL",
                       "PORTAL DE CASTILLA NÚMERO", "12", "B", "1", "3", "D", "01", "001",
                       "VITORIA-GASTEIZ", "945123456", "IÑAKI LÓPEZ DE ARBINA", "945654321"});
}

// Province 01, postal code 01001; the name holds a stored apostrophe and is
// longer than its field.
Variant Declarante() {
    return VArray::Of({7, "12345678Z", "O´DONNELL ECHEVARRÍA MARTÍNEZ DE LA PEÑA, MIKEL", "CL",
                       "MAYOR", 5, "", "", "", "", int16_t{1}, "001", "VITORIA-GASTEIZ",
                       "ANE ZUBIA", 945000111, 600111222});
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
    if (filas.empty()) return Variant::Null();
    VArray t({0, 3}, {0, static_cast<int32_t>(filas.size())});
    for (size_t r = 0; r < filas.size(); ++r)
        for (int32_t j = 0; j < 3; ++j) t.at(j, static_cast<int32_t>(r) + 1) = filas[r][j];
    return t;
}

std::vector<Variant> Declarados2009() {
    return {
        Declarado("FR", "12345678901", "DUPONT ET FILS SARL", "1", "123456"),
        Declarado("DE", "123456789", "MÜLLER GMBH", "1", "500000", "", "0", "0", "X"),
        Declarado("IT", "12345678901", "D´ANGELO SRL", "2", "75000"),
        Declarado("PT", "501234567", "LISBOA LDA", "3", "20000", "-", "2008", "6", "", "2", "R"),
        Declarado("NL", "123456789B01", "VAN DER BERG BV", "4", "1500", "+", "2009", "3", "", "1",
                  "R")};
}

std::vector<Variant> DeclaradosPesetas() {
    return {Declarado("FR", "12345678901", "DUPONT ET FILS SARL", "1", "100000"),
            Declarado("FR", "98765432109", "LYON TRANSPORTS SA", "1", "250000"),
            Declarado("IT", "12345678901", "D´ANGELO SRL", "2", "1663860")};
}

std::vector<Variant> Declarados2010() {
    return {
        Declarado("FR", "12345678901", "DUPONT ET FILS SARL", "E", "123456"),
        Declarado("IT", "12345678901", "D´ANGELO SRL", "A", "75000"),
        Declarado("DE", "123456789", "MÜLLER GMBH", "T", "500000"),
        Declarado("AT", "U12345678", "WIEN DIENSTLEISTUNGEN GMBH", "S", "30000"),
        Declarado("BE", "0123456789", "BRUXELLES SERVICES SA", "I", "45000"),
        Declarado("IE", "1234567X", "DUBLIN MEDICAL LTD", "M", "1000"),
        Declarado("SE", "123456789001", "STOCKHOLM AB", "H", "2000"),
        Declarado("PT", "501234567", "LISBOA LDA", "E", "20000", "-", "2010", "4", "", "1", "R"),
        Declarado("NL", "123456789B01", "VAN DER BERG BV", "A", "1500", "+", "2009", "12", "", "2",
                  "R")};
}

std::vector<std::string> Registros2(const std::vector<Variant>& declarados, int32_t ejercicio,
                                    int32_t periodo, int32_t periodicidad, const char* moneda) {
    std::vector<std::string> r;
    for (const Variant& d : declarados)
        r.push_back(ejercicio > 2009
                        ? Export2010::ExportarRegistro2_2010(ejercicio, periodo, d, Declarante(),
                                                             moneda, periodicidad)
                        : Exportacion::ExportarRegistro2(ejercicio, periodo, d, Declarante(),
                                                         moneda, periodicidad));
    return r;
}

struct CasoDorado {
    const char* archivo;
    int32_t largo;
    std::function<std::vector<std::string>()> construir;
};

const CasoDorado kCasosDorados[] = {
    {"tipo0_2009.txt", 190,
     [] { return std::vector{Exportacion::ExportarRegistro0(Presentador(), 5, 12, 2009)}; }},
    {"tipo0_2010.txt", 250,
     [] { return std::vector{Export2010::ExportarRegistro0_2010(Presentador(), 5, 12, 2010)}; }},
    {"tipo1_2009_trimestral.txt", 190,
     [] {
         auto t = Totales(
             {{"1", "623456", "2"}, {"2", "75000", "1"}, {"3", "20000", "1"}, {"4", "1500", "1"}});
         return std::vector{Exportacion::ExportarRegistro1(Declarante(), t, "E", 2009, 6, 2)};
     }},
    {"tipo1_2001_mensual_pesetas.txt", 190,
     [] {
         auto t = Totales({{"1", "350000", "2"}, {"2", "1663860", "1"}});
         return std::vector{Exportacion::ExportarRegistro1(Declarante(), t, "P", 2001, 11, 1)};
     }},
    {"tipo2_2009_trimestral.txt", 190,
     [] { return Registros2(Declarados2009(), 2009, 6, 2, "E"); }},
    {"tipo2_2001_mensual_pesetas.txt", 190,
     [] { return Registros2(DeclaradosPesetas(), 2001, 11, 1, "P"); }},
    {"tipo1_2010_mensual.txt", 250,
     [] {
         auto t = Totales({{"N", "776456", "7"}, {"R", "21500", "2"}});
         return std::vector{Export2010::ExportarRegistro1_2010(Declarante(), t, 2010, 5, 1, "X")};
     }},
    {"tipo1_2010_trimestral.txt", 250,
     [] {
         return std::vector{
             Export2010::ExportarRegistro1_2010(Declarante(), Variant::Null(), 2010, 9, 2, "")};
     }},
    // The currency of a 2010 run never converts.
    {"tipo2_2010_mensual.txt", 250, [] { return Registros2(Declarados2010(), 2010, 5, 1, "P"); }},
};

class RegistrosDorados : public testing::TestWithParam<CasoDorado> {};

TEST_P(RegistrosDorados, IgualesByteAByteYDeSuLargo) {
    const CasoDorado& caso = GetParam();
    std::vector<std::string> esperadas = Dorado(caso.archivo);
    std::vector<std::string> hechas = caso.construir();
    ASSERT_EQ(hechas.size(), esperadas.size());
    for (size_t i = 0; i < hechas.size(); ++i) {
        EXPECT_EQ(rt::Len(esperadas[i]), caso.largo) << caso.archivo << " línea " << i + 1;
        EXPECT_EQ(rt::Len(hechas[i]), caso.largo) << caso.archivo << " línea " << i + 1;
        EXPECT_EQ(hechas[i], esperadas[i]) << caso.archivo << " línea " << i + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(Archivos, RegistrosDorados, testing::ValuesIn(kCasosDorados),
                         [](const auto& info) {
                             std::string n = info.param.archivo;
                             return n.substr(0, n.find('.'));
                         });

TEST(Registros, SinDeclaracionLasCuentasSonCeros) {
    std::string r = Exportacion::ExportarRegistro1(Declarante(), Variant::Null(), "E", 2009, 12, 2);
    EXPECT_EQ(rt::Mid(r, 9, 2), "4T");
    EXPECT_EQ(rt::Mid(r, 62, 53), std::string(53, '0'));
}

TEST(Registros, ClavesDeTotalesEnMinusculaCuentan) {
    auto t = Totales({{"n", "100", "1"}, {"N", "200", "2"}, {"r", "5", "3"}});
    std::string r = Export2010::ExportarRegistro1_2010(Declarante(), t, 2010, 3, 1, "");
    EXPECT_EQ(rt::Mid(r, 62, 31),
              "000000003"
              "0000000000300"
              "000000003");
}

TEST(Registros, PeriodoRectificadoSinEjercicioSeEscribeComoEstaGuardado) {
    Variant d = Declarado("PT", "501234567", "LISBOA LDA", "1", "100", "", "0", "5");
    std::string r = Exportacion::ExportarRegistro2(2009, 3, d, Declarante(), "E", 2);
    EXPECT_EQ(r, Linea(190, {{1, "2794"},
                             {5, "20091T01"},
                             {13, "12345678Z1PT501234567"},
                             {37, "LISBOA LDA"},
                             {77, "0000000000100"},
                             {92, "00005"}}));
}

TEST(Registros, RectificacionSinEjercicioGuardadoVaConCeros) {
    Variant d = Declarado("PT", "501234567", "LISBOA LDA", "1", "100", "", "", "");
    std::string r = Exportacion::ExportarRegistro2(2009, 12, d, Declarante(), "E", 3);
    EXPECT_EQ(rt::Mid(r, 9, 2), "0A");
    EXPECT_EQ(rt::Mid(r, 92, 6), "0000  ");
}

struct CasoPeriodo {
    int32_t periodo, periodicidad;
    const char* anterior;
    const char* desde2010;
};

TEST(Registros, CodigosDePeriodo) {
    const CasoPeriodo casos[] = {
        {1, 1, "", "01"},    {9, 1, "", "09"},   {12, 1, "", "12"},  {0, 1, "", ""},
        {13, 1, "", ""},     {3, 2, "1T", "1T"}, {6, 2, "2T", "2T"}, {9, 2, "3T", "3T"},
        {12, 2, "4T", "4T"}, {4, 2, "", ""},     {0, 3, "0A", "0A"}, {7, 3, "0A", "0A"},
        {3, 0, "", ""},      {3, 4, "", ""},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(Exportacion::CodigoPeriodoAnt(c.periodo, c.periodicidad), c.anterior)
            << c.periodo << "/" << c.periodicidad;
        EXPECT_EQ(Export2010::CodigoPeriodo(c.periodo, c.periodicidad), c.desde2010)
            << c.periodo << "/" << c.periodicidad;
    }
}

TEST(Registros, PesetasAEurosEnCentesimas) {
    const std::pair<double, double> casos[] = {
        {100000, 601},   // 1.000 pesetas
        {250000, 1503},  // 15,0253 euros
        {1663860, 10000}, {350000, 2104}, {0, 0}, {100, 1}, {-100000, -601},
    };
    for (const auto& [pesetas, euros] : casos)
        EXPECT_EQ(Exportacion::PesetasAEuros(pesetas), euros);
    EXPECT_EQ(Exportacion::ImporteSegunMoneda(100000, "P"), 601);
    EXPECT_EQ(Exportacion::ImporteSegunMoneda(100000, "E"), 100000);
}

// --- Reading back ---

struct Valores2 {
    const char* pais;
    const char* nif;
    const char* nombre;
    const char* clave;
    double importe;
    const char* signo;
    int32_t periodo, ejercicio;
    const char* triangular;
    int16_t periodicidad;
    const char* tipo;
};

void EsperarValores(const Variant& v, const Valores2& e, const std::string& linea) {
    ASSERT_EQ(rt::UBound(v, 1), 11);
    EXPECT_EQ(v(1, 0), Variant(e.pais)) << linea;
    EXPECT_EQ(v(2, 0), Variant(e.nif)) << linea;
    EXPECT_EQ(rt::RTrim(v(3, 0).str()), e.nombre) << linea;
    EXPECT_EQ(v(4, 0), Variant(e.clave)) << linea;
    EXPECT_EQ(v(5, 0), Variant(e.importe)) << linea;
    EXPECT_EQ(rt::Trim(v(6, 0).str()), e.signo) << linea;
    EXPECT_EQ(v(7, 0), Variant(e.periodo)) << linea;
    EXPECT_EQ(v(8, 0), Variant(e.ejercicio)) << linea;
    EXPECT_EQ(rt::Trim(v(9, 0).str()), e.triangular) << linea;
    EXPECT_EQ(v(10, 0), Variant(e.periodicidad)) << linea;
    EXPECT_EQ(v(11, 0), Variant(e.tipo)) << linea;
}

TEST(Registros, Tipo2Hasta2009SeLeeComoSeEscribio) {
    const Valores2 esperados[] = {
        {"FR", "12345678901", "DUPONT ET FILS SARL", "1", 123456, "", 0, 0, "", 0, "N"},
        {"DE", "123456789", "MÜLLER GMBH", "1", 500000, "", 0, 0, "X", 0, "N"},
        {"IT", "12345678901", "D'ANGELO SRL", "2", 75000, "", 0, 0, "", 0, "N"},
        {"PT", "501234567", "LISBOA LDA", "3", 20000, "-", 6, 2008, "", 2, "R"},
        // A month has no code up to 2009: the rectified month is lost.
        {"NL", "123456789B01", "VAN DER BERG BV", "4", 1500, "+", 0, 2009, "", 1, "R"},
    };
    auto lineas = Registros2(Declarados2009(), 2009, 6, 2, "E");
    for (size_t i = 0; i < lineas.size(); ++i)
        EsperarValores(Importacion::ObtenerValoresDeclarado(lineas[i], false), esperados[i],
                       lineas[i]);
    auto pesetas = Registros2(DeclaradosPesetas(), 2001, 11, 1, "P");
    EsperarValores(Importacion::ObtenerValoresDeclarado(pesetas[0], false),
                   {"FR", "12345678901", "DUPONT ET FILS SARL", "1", 601, "", 0, 0, "", 0, "N"},
                   pesetas[0]);
}

TEST(Registros, Tipo2Desde2010SeLeeComoSeEscribio) {
    auto lineas = Registros2(Declarados2010(), 2010, 5, 1, "E");
    const char* claves = "EATSIMH";
    for (size_t i = 0; i < 7; ++i) {
        Variant v = Import2010::ObtenerValoresDeclarado2010(lineas[i]);
        EXPECT_EQ(v(4, 0), Variant(std::string(1, claves[i])));
        EXPECT_EQ(v(11, 0), Variant("N"));
        EXPECT_EQ(v(8, 0), Variant(0));
    }
    EsperarValores(Import2010::ObtenerValoresDeclarado2010(lineas[7]),
                   {"PT", "501234567", "LISBOA LDA", "E", 20000, "-", 4, 2010, "", 1, "R"},
                   lineas[7]);
    EsperarValores(Import2010::ObtenerValoresDeclarado2010(lineas[8]),
                   {"NL", "123456789B01", "VAN DER BERG BV", "A", 1500, "+", 12, 2009, "", 2, "R"},
                   lineas[8]);
    EsperarValores(Import2010::ObtenerValoresDeclarado2010(lineas[1]),
                   {"IT", "12345678901", "D'ANGELO SRL", "A", 75000, "", 0, 0, "", 0, "N"},
                   lineas[1]);
}

TEST(Registros, Tipo1SeLeeEnAmbosDisenos) {
    struct Caso {
        std::string linea;
        const char* ejercicio;
        const char* periodo;
        const char* bimensual;
    };
    const Caso casos[] = {
        {Exportacion::ExportarRegistro1(Declarante(), Variant::Null(), "E", 2009, 6, 2), "2009",
         "2T", ""},
        {Export2010::ExportarRegistro1_2010(Declarante(), Variant::Null(), 2010, 5, 1, "X"), "2010",
         "05", "X"},
        {Export2010::ExportarRegistro1_2010(Declarante(), Variant::Null(), 2010, 4, 1, "X"), "2010",
         "04", ""},
    };
    for (const auto& c : casos) {
        Variant v = Importacion::ObtenerValoresDteCion(c.linea);
        ASSERT_EQ(rt::UBound(v, 1), 18);
        EXPECT_EQ(v(1, 0), Variant("12345678Z"));
        EXPECT_EQ(v(2, 0), Variant("O'DONNELL ECHEVARRÍA MARTÍNEZ DE LA PEÑA"));
        EXPECT_EQ(v(16, 0), Variant(c.ejercicio));
        EXPECT_EQ(v(17, 0), Variant(c.periodo));
        EXPECT_EQ(v(18, 0), Variant(c.bimensual)) << c.periodo;
        EXPECT_EQ(v(10, 0), Variant("01"));
        EXPECT_EQ(v(11, 0), Variant("01001"));
        EXPECT_EQ(v(16, 1), Variant("Ejercicio"));
        EXPECT_EQ(v(18, 1), Variant("Bimensual"));
    }
    EXPECT_THROW(Importacion::ObtenerValoresDteCion(Linea(190, {{1, "1794"}, {5, "20X9"}})),
                 rt::Error);
}

TEST(Registros, ImportesLeidos) {
    auto linea = [](const char* importe) {
        return Linea(190, {{1, "2794"}, {22, "1"}, {77, importe}});
    };
    Variant v = Importacion::ObtenerValoresDeclarado(linea("-000000012345"), false);
    EXPECT_EQ(v(5, 0), Variant(-12345.0));
    v = Importacion::ObtenerValoresDeclarado(linea("0000000100000"), true);
    EXPECT_EQ(v(5, 0), Variant(601.01));
    v = Importacion::ObtenerValoresDeclarado(linea("00000001234A5"), false);
    EXPECT_EQ(v(5, 0), Variant("00000001234A5"));
    v = Import2010::ObtenerValoresDeclarado2010(Linea(250, {{77, "00000001234A5"}}));
    EXPECT_EQ(v(5, 0), Variant(""));
    // A short line reads as blanks.
    v = Import2010::ObtenerValoresDeclarado2010("2794");
    EXPECT_EQ(v(11, 0), Variant("N"));
}

// --- Values that must stop the record ---

struct CasoFallo {
    const char* nombre;
    std::function<std::string()> construir;
    int32_t numero;
    std::vector<const char*> textos;  // all in the description
};

Variant ConElemento(Variant buffer, int32_t i, Variant valor) {
    buffer(i) = std::move(valor);
    return buffer;
}

const CasoFallo kFallos[] = {
    {"DeclarantesNoCaben",
     [] { return Exportacion::ExportarRegistro0(Presentador(), 123456, 1, 2009); },
     6,
     {"Exportacion.ExportarRegistro0", "tipo 0", "Número de declarantes", "123456"}},
    {"BaseNoCabe",
     [] {
         Variant d = Declarado("FR", "1", "X", "E", "12345678901234");
         return Export2010::ExportarRegistro2_2010(2010, 5, d, Declarante(), "E", 1);
     },
     6,
     {"Export2010.ExportarRegistro2_2010", "tipo 2", "Base imponible", "12345678901234"}},
    {"BaseNegativa",
     [] {
         return Exportacion::ExportarRegistro2(2009, 6, Declarado("FR", "1", "X", "1", "-500"),
                                               Declarante(), "E", 2);
     },
     5,
     {"Exportacion.ExportarRegistro2", "tipo 2", "Base imponible", "-500"}},
    {"BaseNegativaEnPesetas",
     [] {
         return Exportacion::ExportarRegistro2(2001, 6, Declarado("FR", "1", "X", "1", "-100000"),
                                               Declarante(), "P", 2);
     },
     5,
     {"Exportacion.ExportarRegistro2", "Base imponible", "-601"}},
    {"BaseNegativa2010",
     [] {
         return Export2010::ExportarRegistro2_2010(2010, 5, Declarado("FR", "1", "X", "E", "-1"),
                                                   Declarante(), "E", 1);
     },
     5,
     {"tipo 2", "Base imponible", "-1"}},
    {"TelefonoNoNumerico",
     [] {
         return Exportacion::ExportarRegistro1(ConElemento(Declarante(), 14, "94A"),
                                               Variant::Null(), "E", 2009, 6, 2);
     },
     13,
     {"Exportacion.ExportarRegistro1", "tipo 1", "Teléfono", "94A"}},
    {"SumaNoCabe",
     [] {
         auto t = Totales({{"N", "99999999999999", "1"}});
         return Export2010::ExportarRegistro1_2010(Declarante(), t, 2010, 5, 1, "");
     },
     6,
     {"Export2010.ExportarRegistro1_2010", "Bases imponibles", "99999999999999"}},
    {"TelefonoNulo",
     [] {
         return Export2010::ExportarRegistro0_2010(ConElemento(Presentador(), 13, Variant::Null()),
                                                   1, 1, 2010);
     },
     94,
     {"Export2010.ExportarRegistro0_2010", "Teléfono", "Null"}},
    {"EjercicioNoCabe",
     [] { return Exportacion::ExportarRegistro0(Presentador(), 1, 1, 20090); },
     6,
     {"Ejercicio", "20090"}},
    {"BufferCorto",
     [] {
         return Exportacion::ExportarRegistro2(2009, 6, VArray::Of({"3", "FR"}), Declarante(), "E",
                                               2);
     },
     9,
     {"Exportacion.ExportarRegistro2"}},
};

class RegistrosQueFallan : public testing::TestWithParam<CasoFallo> {};

TEST_P(RegistrosQueFallan, LevantanErrorConRegistroCampoYValor) {
    const CasoFallo& caso = GetParam();
    try {
        std::string r = caso.construir();
        ADD_FAILURE() << "se formó el registro " << r;
    } catch (const rt::Error& e) {
        EXPECT_EQ(e.Number, caso.numero) << e.Description;
        for (const char* t : caso.textos)
            EXPECT_NE(e.Description.find(t), std::string::npos) << t << " en: " << e.Description;
    }
}

INSTANTIATE_TEST_SUITE_P(Casos, RegistrosQueFallan, testing::ValuesIn(kFallos),
                         [](const auto& info) { return std::string(info.param.nombre); });

}  // namespace
