// The checks of imported lines: every finding in the order the fields are
// walked, with the value that failed.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "db/base_usuario.h"
#include "db/sqlite_database.h"
#include "exchange/buffer_errores.h"
#include "exchange/numero_estricto.h"
#include "exchange/validar_importacion.h"
#include "quelvort/convert.h"

using namespace quelvodat;
using namespace quelvodat::Importacion;
namespace fs = std::filesystem;

namespace {

using Hallazgos = std::vector<std::pair<int32_t, std::string>>;

Hallazgos De(const rt::Variant& buffer) {
    Hallazgos h;
    EXPECT_EQ(rt::LBound(buffer, 1), 0);
    EXPECT_EQ(rt::UBound(buffer, 1), 1);
    if (EstaLibre(buffer)) {
        EXPECT_EQ(rt::UBound(buffer, 2), 0);
        EXPECT_TRUE(buffer(1, 0).isEmpty());
        return h;
    }
    for (int32_t j = 0; j <= rt::UBound(buffer, 2); ++j) {
        EXPECT_EQ(buffer(0, j).type(), rt::VarType::Long);
        h.emplace_back(buffer(0, j).lng(), buffer(1, j).str());
    }
    return h;
}

using Campos = std::vector<std::pair<std::string, rt::Variant>>;

// A value buffer (0 To n, 0 To 1) with the labels and values given, with
// `vacios` empty fields at the end; `cambios` replace values by label.
rt::Variant Buffer(const Campos& campos, const std::map<std::string, rt::Variant>& cambios,
                   int32_t vacios = 0) {
    rt::VArray b({0, static_cast<int32_t>(campos.size()) + vacios}, {0, 1});
    for (size_t i = 0; i < campos.size(); ++i) {
        auto it = cambios.find(campos[i].first);
        b.at(static_cast<int32_t>(i) + 1, 0) = it == cambios.end() ? campos[i].second : it->second;
        b.at(static_cast<int32_t>(i) + 1, 1) = campos[i].first;
    }
    return b;
}

// A declarant-file line's values, as its cutter leaves them.
rt::Variant Dte(const std::map<std::string, rt::Variant>& cambios = {}) {
    return Buffer({{"NIF", "12345678Z"},
                   {"Nombre", "COMERCIAL ARABA SL"},
                   {"Siglas", "CL"},
                   {"Domicilio", "MAYOR"},
                   {"Numero", "00007"},
                   {"Letra", ""},
                   {"Escalera", ""},
                   {"Piso", ""},
                   {"Mano", ""},
                   {"Provincia", "1"},
                   {"CP", "01050"},
                   {"Municipio", "VITORIA-GASTE"},
                   {"NombrePD", "ANE"},
                   {"Telefono", "945222333"},
                   {"TelefonoPD", "0"}},
                  cambios, 2);
}

// A record 1's values, as its cutter leaves them.
rt::Variant DteCion(const std::map<std::string, rt::Variant>& cambios = {}) {
    return Buffer({{"NIF", "12345678Z"},
                   {"Nombre", "COMERCIAL ARABA SL" + std::string(22, ' ')},
                   {"Siglas", "CL"},
                   {"Domicilio", "Sin domicilio"},
                   {"Numero", rt::Variant::Integer(0)},
                   {"Letra", ""},
                   {"Escalera", ""},
                   {"Piso", ""},
                   {"Mano", ""},
                   {"Provincia", "01"},
                   {"CP", "01001"},
                   {"Municipio", "Sin municipio"},
                   {"Telefono", rt::Variant::Integer(0)},
                   {"NombrePD", ""},
                   {"TelefonoPD", rt::Variant::Integer(0)},
                   {"Ejercicio", "2010"},
                   {"Periodo", "1T"},
                   {"Bimensual", ""}},
                  cambios);
}

TEST(NumeroEstricto, OnlyAnOptionalMinusAndDigits) {
    const struct {
        const char* texto;
        std::optional<int64_t> numero;
    } casos[] = {
        {"0012", 12},   {"-0012", -12}, {"0", 0},         {"", {}},          {"-", {}},
        {"--5", {}},    {"1e3", {}},    {"1,5", {}},      {"1.5", {}},       {" 12", {}},
        {"12 ", {}},    {"+12", {}},    {"1-2", {}},      {"0000000-12345", {}},
        {"999999999999999999", 999999999999999999}, {"1000000000000000000", {}},
    };
    for (const auto& c : casos) EXPECT_EQ(NumeroEstricto(c.texto), c.numero) << c.texto;
    EXPECT_EQ(EnteroEstricto("2147483647"), 2147483647);
    EXPECT_EQ(EnteroEstricto("2147483648"), std::nullopt);
    EXPECT_EQ(EnteroDeValor(rt::Variant(2010.0)), 2010);
    EXPECT_EQ(EnteroDeValor(rt::Variant(20.5)), std::nullopt);
}

TEST(ValidarDte, EveryFindingOfADeclarantLineInFieldOrder) {
    const struct {
        std::map<std::string, rt::Variant> cambios;
        Hallazgos hallazgos;
    } casos[] = {
        {{}, {}},
        // An empty province is not numeric, is empty and stays short.
        {{{"Provincia", ""}}, {{20, ""}, {4, ""}, {6, ""}}},
        // The postal code must begin with the province, both zero-filled.
        {{{"CP", "31005"}}, {{6, "31005"}}},
        {{{"Provincia", "31"}}, {{6, "01050"}}},
        {{{"CP", "1050"}}, {}},
        {{{"Provincia", "01"}, {"CP", "1001"}}, {}},
        {{{"CP", "1A050"}}, {{21, "1A050"}}},
        // Numbers read strictly.
        {{{"Telefono", "1e3"}}, {{23, "1e3"}}},
        {{{"Telefono", "1,5"}}, {{23, "1,5"}}},
        {{{"Telefono", "-"}}, {{23, "-"}}},
        {{{"Telefono", "--5"}}, {{23, "--5"}}},
        // Blank: no telephone or street number, as the desktop reads it.
        {{{"Telefono", ""}, {"TelefonoPD", "   "}, {"Numero", ""}}, {}},
        {{{"TelefonoPD", "99999999999"}}, {}},
        {{{"Numero", "7A"}}, {{19, "7A"}}},
        {{{"NIF", "1234567%Z"}}, {{0, "1234567%Z"}}},
        {{{"NIF", "12345678'"}}, {{0, "12345678'"}}},
        {{{"NIF", ""}}, {{0, ""}}},
        {{{"Nombre", "   "}, {"Siglas", ""}, {"Domicilio", ""}, {"Municipio", ""}},
         {{1, ""}, {3, ""}, {3, ""}, {7, ""}}},
        // Too long: that one finding and no field checked.
        {{{"Nombre", std::string(120, 'A')}, {"NIF", ""}, {"Domicilio", std::string(60, 'B')}},
         {{24, ""}}},
    };
    for (const auto& c : casos) {
        std::string que;
        for (const auto& [k, v] : c.cambios) que += k + "=" + rt::CStr(v) + " ";
        EXPECT_EQ(De(ValidarDte(Dte(c.cambios), kLimiteDte)), c.hallazgos) << que;
    }
}

TEST(ValidarDte, ExercisesAndPeriodsOfARecord1) {
    const struct {
        std::string ejercicio, periodo;
        Hallazgos hallazgos;
    } casos[] = {
        {"2010", "05", {}},
        {"2009", "05", {{39, "05"}}},
        {"2009", "2T", {}},
        {"2010", "13", {{39, "13"}}},
        {"    ", "1T", {{43, "    "}, {43, ""}}},
        {"2010", "  ", {{33, ""}, {39, "  "}}},
        {"20A0", "1T", {{43, "20A0"}}},
        // With no exercise to go by, only a code of no rule is refused.
        {"1E03", "05", {{43, "1E03"}}},
        {"1E03", "5 ", {{43, "1E03"}, {39, "5 "}}},
    };
    for (const auto& c : casos)
        EXPECT_EQ(De(ValidarDte(DteCion({{"Ejercicio", c.ejercicio}, {"Periodo", c.periodo}}),
                                kLimiteDteCion)),
                  c.hallazgos)
            << c.ejercicio << "/" << c.periodo;
}

TEST(ValidarCaracteres, TheFirstRefusedCharacterOnly) {
    const struct {
        std::string linea;
        Hallazgos hallazgos;
    } casos[] = {
        {"1794ABC 0123.,-+&'/()", {}},
        {"ÑANDÚ ÇÁÉÍÓÚÜ", {}},
        {"ABC|DEF^", {{50, "|"}}},
        {"AB^C", {{50, "^"}}},
        {"A`B", {{50, "`"}}},
        {"A\tB", {{50, "\t"}}},
        // A UTF-8 "Ñ" read as Windows-1252.
        {"MU\xC3\x83\xE2\x80\x98OZ", {{50, "\xC3\x83"}}},
        {"EURO \xE2\x82\xAC", {{50, "\xE2\x82\xAC"}}},
        // Not even Windows-1252 can hold it.
        {"\xC5\x81ODZ", {{50, "0xC581"}}},
        {"\xFF" "A", {{50, "0xFF"}}},
    };
    for (const auto& c : casos) {
        std::string linea = c.linea;
        EXPECT_EQ(De(ValidarCaracteres(linea)), c.hallazgos) << c.linea;
    }
}

TEST(ValidarCaracteres, TheLineIsTheOneZentalibGivesBack) {
    std::string linea = "1794 comercial\xC2\xA0" "araba";
    EXPECT_TRUE(EstaLibre(ValidarCaracteres(linea)));
    EXPECT_EQ(linea, "1794 COMERCIAL ARABA");
}

// Entry checks need the declaration's entries and the member states.
class ValidarDeclarados : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("quelvo-validar-" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        destino_.mdbmod = (dir_ / "794Mod.mdb").string();
        destino_.mdblec = std::string(QUELVO_BIN_DIR) + "/Tablas/794Lec.mdb";
        CrearBaseUsuarioSiFalta(destino_.mdbmod);
        sqlite::Database(destino_.mdbmod, sqlite::Mode::ReadWrite)
            .executeScript(
                "INSERT INTO TDeclaraciones VALUES (7,1,2009,6,2,'E','');"
                "INSERT INTO TDeclaraciones VALUES (8,1,2011,6,2,'E','');"
                "INSERT INTO tOperadores (coddeclar,paiso,nifo,razon,tipoopo,claveopo,base,"
                "signoo,ejercicioo,periodoo,triangularo,periodicidad) VALUES "
                "(7,'FR','12345678901','PARIS','N','1',10,' ',0,0,' ',0),"
                "(8,'FR','12345678901','PARIS','N','S',10,' ',0,0,' ',0);");
        destino_.ejercicioMin = 1993;
        destino_.ejercicioMax = 2013;
    }
    void TearDown() override { fs::remove_all(dir_); }

    // An entry as the cutters leave it.
    static rt::Variant Entrada(const std::map<std::string, rt::Variant>& cambios) {
        return Buffer({{"Pais", "DE"},
                       {"NIF", "123456789"},
                       {"Nombre", "MULLER GMBH" + std::string(29, ' ')},
                       {"ClaveOpe", "1"},
                       {"Importe", 1000.0},
                       {"Signo", " "},
                       {"Periodo", 0},
                       {"Ejercicio", 0},
                       {"Triangular", " "},
                       {"Periodicidad", rt::Variant::Integer(0)},
                       {"tipoopo", "N"}},
                      cambios);
    }

    fs::path dir_;
    DeclaracionDestino destino_;
};

TEST_F(ValidarDeclarados, RulesUpTo2009) {
    destino_.declaracion = 7;
    destino_.ejercicio = 2009;
    destino_.periodo = 6;
    destino_.periodicidad = 2;
    const struct {
        std::map<std::string, rt::Variant> cambios;
        Hallazgos hallazgos;
    } casos[] = {
        {{}, {}},
        {{{"ClaveOpe", "2"}, {"Triangular", "X"}}, {{49, ""}}},
        {{{"ClaveOpe", "1"}, {"Triangular", "X"}}, {}},
        {{{"ClaveOpe", "4"}, {"Triangular", "X"}, {"Signo", "+"}, {"Ejercicio", 2008},
          {"Periodo", 12}, {"Periodicidad", 2}},
         {{49, ""}}},
        {{{"ClaveOpe", "3"}, {"Ejercicio", 2008}, {"Periodo", 12}, {"Periodicidad", 2}},
         {{38, ""}}},
        {{{"ClaveOpe", "3"}}, {{38, ""}, {29, ""}}},
        {{{"ClaveOpe", "5"}}, {{40, "5"}}},
        {{{"ClaveOpe", "E"}}, {{40, "E"}}},
        {{{"ClaveOpe", " "}}, {{40, ""}}},
        {{{"Importe", -5.0}}, {{65, "-5"}}},
        {{{"Importe", "12A"}}, {{36, "12A"}}},
        {{{"Importe", ""}}, {{36, ""}, {41, ""}}},
        {{{"Importe", "--5"}}, {{36, "--5"}}},
        // The same period as the declaration's counts as later.
        {{{"ClaveOpe", "3"}, {"Signo", "+"}, {"Ejercicio", 2009}, {"Periodo", 6},
          {"Periodicidad", 2}},
         {{58, "200906"}}},
        {{{"ClaveOpe", "3"}, {"Signo", "+"}, {"Ejercicio", 2009}, {"Periodo", 3},
          {"Periodicidad", 1}},
         {{39, "1"}}},
        // Before the range and before Germany counted.
        {{{"ClaveOpe", "3"}, {"Signo", "+"}, {"Ejercicio", 1992}, {"Periodo", 12},
          {"Periodicidad", 2}},
         {{59, "DE 199212"}, {10, "1992"}}},
        // The Czech Republic counts from May 2004, compared as a date.
        {{{"Pais", "CZ"}, {"NIF", "12345678"}, {"ClaveOpe", "3"}, {"Signo", "-"},
          {"Ejercicio", 2004}, {"Periodo", 3}, {"Periodicidad", 2}},
         {{59, "CZ 200403"}}},
        {{{"Pais", "CZ"}, {"NIF", "12345678"}, {"ClaveOpe", "3"}, {"Signo", "-"},
          {"Ejercicio", 2004}, {"Periodo", 12}, {"Periodicidad", 2}},
         {}},
        {{{"Periodo", 13}}, {{39, "13"}}},
        {{{"NIF", "12345"}}, {{32, "DE12345"}}},
        {{{"NIF", "12345%789"}}, {{32, "DE12345%789"}}},
        {{{"Nombre", "  "}}, {{1, ""}}},
        {{{"Ejercicio", "20A9"}}, {{43, "20A9"}}},
        // The entry the declaration already holds.
        {{{"Pais", "FR"}, {"NIF", "12345678901"}}, {{30, "12345678901"}}},
        {{{"Pais", "FR"}, {"NIF", "12345678901"}, {"Triangular", "X"}}, {}},
    };
    for (const auto& c : casos) {
        std::string que;
        for (const auto& [k, v] : c.cambios) que += k + "=" + rt::CStr(v) + " ";
        EXPECT_EQ(De(ValidarDeclarado(Entrada(c.cambios), kLimiteDeclarado, destino_)),
                  c.hallazgos)
            << que;
    }
}

TEST_F(ValidarDeclarados, RulesFrom2010) {
    destino_.declaracion = 8;
    destino_.ejercicio = 2011;
    destino_.periodo = 6;
    destino_.periodicidad = 2;
    const struct {
        std::map<std::string, rt::Variant> cambios;
        Hallazgos hallazgos;
    } casos[] = {
        {{{"ClaveOpe", "E"}}, {}},
        {{{"ClaveOpe", "H"}}, {}},
        {{{"ClaveOpe", "X"}}, {{63, "X"}}},
        {{{"ClaveOpe", "1"}}, {{63, "1"}}},
        // No sign or periodicity rule from 2010.
        {{{"ClaveOpe", "A"}, {"Ejercicio", 2011}, {"Periodo", 3}, {"Periodicidad", 1}}, {}},
        {{{"ClaveOpe", "A"}, {"Ejercicio", 2011}, {"Periodo", 6}, {"Periodicidad", 2}},
         {{58, "201106"}}},
        {{{"ClaveOpe", "S"}, {"Pais", "FR"}, {"NIF", "12345678901"}, {"Triangular", ""}},
         {{30, "12345678901"}}},
        {{{"ClaveOpe", "E"}, {"Importe", ""}}, {{36, ""}, {41, ""}}},
    };
    for (const auto& c : casos) {
        std::string que;
        for (const auto& [k, v] : c.cambios) que += k + "=" + rt::CStr(v) + " ";
        EXPECT_EQ(De(ValidarDeclarado2010(Entrada(c.cambios), kLimiteDeclarado2010, destino_)),
                  c.hallazgos)
            << que;
    }
}

TEST_F(ValidarDeclarados, ErrorsOfTheStoresCarryTheCheckersName) {
    destino_.mdbmod = (dir_ / "no-existe" / "794Mod.mdb").string();
    try {
        ValidarDeclarado(Entrada({}), kLimiteDeclarado, destino_);
        ADD_FAILURE() << "no error";
    } catch (const rt::Error& e) {
        EXPECT_EQ(e.Description.rfind("Importacion.ValidarDeclarado", 0), 0u) << e.Description;
    }
}

}  // namespace
