// The checks of imported lines: every finding in the order the fields are
// walked, with the value that failed.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "carpeta_prueba.h"
#include "comun/numero_de_error.h"
#include "db/base_usuario.h"
#include "db/sqlite_database.h"
#include "exchange/buffer_errores.h"
#include "exchange/numero_estricto.h"
#include "exchange/pasos_validacion.h"
#include "exchange/validar_importacion.h"
#include "quelvort/convert.h"

using namespace quelvodat;
using namespace quelvodat::Importacion;

namespace {

using Hallazgos = std::vector<std::pair<int32_t, std::string>>;
using Cambios = std::map<std::string, rt::Variant>;
using Casos = std::vector<std::pair<Cambios, Hallazgos>>;

// The findings of an error buffer, checking its shape.
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

// A value buffer (0 To n, 0 To 1) with these labels and values, `vacios`
// empty fields at the end; `cambios` replace values by label.
rt::Variant Buffer(const std::vector<std::pair<std::string, rt::Variant>>& campos,
                   const Cambios& cambios, int32_t vacios = 0) {
    rt::VArray b({0, static_cast<int32_t>(campos.size()) + vacios}, {0, 1});
    for (int32_t i = 0; i < static_cast<int32_t>(campos.size()); ++i) {
        const auto& [etiqueta, valor] = campos[static_cast<size_t>(i)];
        auto it = cambios.find(etiqueta);
        b.at(i + 1, 0) = it == cambios.end() ? valor : it->second;
        b.at(i + 1, 1) = etiqueta;
    }
    return b;
}

// Each case's findings, named by its changes.
void Comprobar(const Casos& casos, const std::function<rt::Variant(const Cambios&)>& validar) {
    for (const auto& [cambios, hallazgos] : casos) {
        std::string que;
        for (const auto& [k, v] : cambios) que += k + "=" + rt::CStr(v) + " ";
        EXPECT_EQ(De(validar(cambios)), hallazgos) << que;
    }
}

// A declarant-file line's values, as its cutter leaves them.
rt::Variant Dte(const Cambios& cambios) {
    return Buffer({{"NIF", "12345678Z"}, {"Nombre", "COMERCIAL ARABA SL"}, {"Siglas", "CL"},
                   {"Domicilio", "MAYOR"}, {"Numero", "00007"}, {"Letra", ""}, {"Escalera", ""},
                   {"Piso", ""}, {"Mano", ""}, {"Provincia", "1"}, {"CP", "01050"},
                   {"Municipio", "VITORIA-GASTE"}, {"NombrePD", "ANE"},
                   {"Telefono", "945222333"}, {"TelefonoPD", "0"}},
                  cambios, 2);
}

// A record 1's values, as its cutter leaves them.
rt::Variant DteCion(const Cambios& cambios) {
    const rt::Variant cero = rt::Variant::Integer(0);
    return Buffer({{"NIF", "12345678Z"}, {"Nombre", "COMERCIAL ARABA SL" + std::string(22, ' ')},
                   {"Siglas", "CL"}, {"Domicilio", "Sin domicilio"}, {"Numero", cero},
                   {"Letra", ""}, {"Escalera", ""}, {"Piso", ""}, {"Mano", ""},
                   {"Provincia", "01"}, {"CP", "01001"}, {"Municipio", "Sin municipio"},
                   {"Telefono", cero}, {"NombrePD", ""}, {"TelefonoPD", cero},
                   {"Ejercicio", "2010"}, {"Periodo", "1T"}, {"Bimensual", ""}},
                  cambios);
}

TEST(NumeroEstricto, OnlyAnOptionalMinusAndDigits) {
    const std::pair<const char*, std::optional<int64_t>> casos[] = {
        {"0012", 12}, {"-0012", -12}, {"0", 0},     {"", {}},    {"-", {}},    {"--5", {}},
        {"1e3", {}},  {"1,5", {}},    {"1.5", {}},  {" 12", {}}, {"12 ", {}},  {"+12", {}},
        {"1-2", {}},  {"0000000-12345", {}},        {"999999999999999999", 999999999999999999},
        {"1000000000000000000", {}}};
    for (const auto& [texto, numero] : casos) EXPECT_EQ(NumeroEstricto(texto), numero) << texto;
    EXPECT_EQ(EnteroEstricto("2147483647"), 2147483647);
    EXPECT_EQ(EnteroEstricto("2147483648"), std::nullopt);
    EXPECT_EQ(EnteroDeValor(rt::Variant(2010.0)), 2010);
    EXPECT_EQ(EnteroDeValor(rt::Variant(20.5)), std::nullopt);
}

Cambios C(const std::string& etiqueta, const rt::Variant& valor) { return {{etiqueta, valor}}; }

TEST(ValidarDte, EveryFindingOfADeclarantLineInFieldOrder) {
    Comprobar(
        {{{}, {}},
         // An empty province is not numeric, is empty and stays short.
         {C("Provincia", ""), {{20, ""}, {4, ""}, {6, ""}}},
         // The postal code begins with the province, both zero-filled.
         {C("CP", "31005"), {{6, "31005"}}}, {C("Provincia", "31"), {{6, "01050"}}},
         {C("CP", "1050"), {}}, {{{"Provincia", "01"}, {"CP", "1001"}}, {}},
         {C("CP", "1A050"), {{21, "1A050"}}}, {C("TelefonoPD", "99999999999"), {}},
         {C("Telefono", "1e3"), {{23, "1e3"}}}, {C("Numero", "7A"), {{19, "7A"}}},
         // A blank street number or telephone is no number.
         {{{"Telefono", ""}, {"TelefonoPD", "   "}, {"Numero", ""}}, {{19, ""}, {23, ""}, {23, "   "}}},
         {C("NIF", "1234567%Z"), {{0, "1234567%Z"}}}, {C("NIF", "12345678'"), {{0, "12345678'"}}},
         {C("NIF", ""), {{0, ""}}},
         {{{"Nombre", "   "}, {"Siglas", ""}, {"Domicilio", ""}, {"Municipio", ""}},
          {{1, ""}, {3, ""}, {3, ""}, {7, ""}}},
         // Too long: that one finding and no field checked.
         {{{"Nombre", std::string(120, 'A')}, {"NIF", ""}, {"Domicilio", std::string(60, 'B')}},
          {{24, ""}}}},
        [](const Cambios& c) { return ValidarDte(Dte(c), kLimiteDte); });
    // Exercise and period of a record 1.
    auto ep = [](const char* ejercicio, const char* periodo) {
        return Cambios{{"Ejercicio", ejercicio}, {"Periodo", periodo}};
    };
    Comprobar({{ep("2010", "05"), {}}, {ep("2009", "05"), {{39, "05"}}}, {ep("2009", "2T"), {}},
               {ep("2010", "13"), {{39, "13"}}}, {ep("    ", "1T"), {{43, "    "}, {43, ""}}},
               {ep("2010", "  "), {{33, ""}, {39, "  "}}},
               // With no exercise to go by, only a code of no rule is refused.
               {ep("1E03", "05"), {{43, "1E03"}}}, {ep("1E03", "5 "), {{43, "1E03"}, {39, "5 "}}}},
              [](const Cambios& c) { return ValidarDte(DteCion(c), kLimiteDteCion); });
}

TEST(ValidarCaracteres, TheFirstRefusedCharacterOfTheLineZentalibGivesBack) {
    const std::pair<std::string, Hallazgos> casos[] = {
        {"1794ABC 0123.,-+&'/()", {}},
        {"ÑANDÚ ÇÁÉÍÓÚÜ", {}},
        {"ABC|DEF^", {{50, "|"}}},
        {"A`B", {{50, "`"}}},
        {"A\tB", {{50, "\t"}}},
        // A UTF-8 "Ñ" read as Windows-1252.
        {"MU\xC3\x83\xE2\x80\x98OZ", {{50, "\xC3\x83"}}},
        {"EURO \xE2\x82\xAC", {{50, "\xE2\x82\xAC"}}},
        // Not even Windows-1252 can hold these.
        {"\xC5\x81ODZ", {{50, "0xC581"}}},
        {"\xFF" "A", {{50, "0xFF"}}}};
    for (auto [linea, hallazgos] : casos)
        EXPECT_EQ(De(ValidarCaracteres(linea)), hallazgos) << linea;
    std::string linea = "1794 comercial\xC2\xA0" "araba";
    EXPECT_TRUE(EstaLibre(ValidarCaracteres(linea)));
    EXPECT_EQ(linea, "1794 COMERCIAL ARABA");
}

// A buffer read into an array by label: the value Valor gives each label
// lands in its element, whatever the order of the fields.
TEST(Repartir, EachLabelsValueGoesToItsElementAsValorFindsIt) {
    const rt::Variant buffer = Buffer(
        {{"B", 2}, {"A", "uno"}, {"", "sin etiqueta"}, {"B", "otra B"}, {"C", rt::Variant::Null()}},
        {});
    static constexpr pasos::Puesto kPuestos[] = {{"A", 3}, {"B", 1}, {"C", 2}, {"D", 0}};
    rt::VArray destino(0, 3);
    destino.at(0) = "sin tocar";
    pasos::Repartir(buffer, kPuestos, destino);
    for (const auto& [etiqueta, indice] : kPuestos) {
        if (etiqueta != "D") {
            EXPECT_EQ(destino.at(indice), pasos::Valor(buffer, etiqueta)) << etiqueta;
        }
    }
    EXPECT_EQ(destino.at(1), rt::Variant(2));
    EXPECT_TRUE(destino.at(2).isNull());
    EXPECT_EQ(destino.at(0), rt::Variant("sin tocar"));
}

// Wherever a character stands in the line: of ASCII, the set leaves out the
// control characters, "^", "`", "|" and 127 (small letters arrive as capitals).
TEST(ValidarCaracteres, EveryAsciiCharacterAnywhereInTheLine) {
    for (int b = 0; b < 0x80; ++b) {
        const bool fuera = b < 32 || b == '^' || b == '`' || b == '|' || b == 127;
        const Hallazgos esperados =
            fuera ? Hallazgos{{50, std::string(1, static_cast<char>(b))}} : Hallazgos{};
        for (size_t donde = 0; donde < 20; ++donde) {
            std::string linea(24, 'A');
            linea[donde] = static_cast<char>(b);
            EXPECT_EQ(De(ValidarCaracteres(linea)), esperados) << b << " at " << donde;
        }
    }
}

// Entry checks need the declaration's entries and the member states.
class ValidarDeclarados : public prueba::ConCarpeta {
protected:
    void SetUp() override {
        ConCarpeta::SetUp();
        destino_.mdbmod = Ruta("794Mod.mdb");
        destino_.mdblec = std::string(QUELVO_BIN_DIR) + "/Tablas/794Lec.mdb";
        destino_.ejercicioMin = 1993;
        destino_.ejercicioMax = 2013;
        CrearBaseUsuarioSiFalta(destino_.mdbmod);
        sqlite::Database(destino_.mdbmod, sqlite::Mode::ReadWrite)
            .executeScript(
                "INSERT INTO TDeclaraciones VALUES (7,1,2009,6,2,'E',''), (8,1,2011,6,2,'E','');"
                "INSERT INTO tOperadores (coddeclar,paiso,nifo,razon,tipoopo,claveopo,base,"
                "signoo,ejercicioo,periodoo,triangularo,periodicidad) VALUES "
                "(7,'FR','12345678901','PARIS','N','1',10,' ',0,0,' ',0),"
                "(8,'FR','12345678901','PARIS','N','S',10,' ',0,0,' ',0);");
    }

    // An entry as the cutters leave it.
    static rt::Variant Entrada(const Cambios& cambios) {
        return Buffer({{"Pais", "DE"}, {"NIF", "123456789"},
                       {"Nombre", "MULLER GMBH" + std::string(29, ' ')}, {"ClaveOpe", "1"},
                       {"Importe", 1000.0}, {"Signo", " "}, {"Periodo", 0}, {"Ejercicio", 0},
                       {"Triangular", " "}, {"Periodicidad", rt::Variant::Integer(0)},
                       {"tipoopo", "N"}},
                      cambios);
    }

    DeclaracionDestino destino_;
};

// Rectification of (key, sign, exercise, period, periodicity).
Cambios Rect(const char* clave, const char* signo, int32_t ejercicio, int32_t periodo,
             int32_t periodicidad) {
    return {{"ClaveOpe", clave}, {"Signo", signo}, {"Ejercicio", ejercicio},
            {"Periodo", periodo}, {"Periodicidad", periodicidad}};
}

TEST_F(ValidarDeclarados, RulesUpTo2009) {
    destino_.declaracion = 7;
    destino_.ejercicio = 2009;
    destino_.periodo = 6;
    destino_.periodicidad = 2;
    Cambios checa = Rect("3", "-", 2004, 3, 2);
    checa.insert({{"Pais", "CZ"}, {"NIF", "12345678"}});
    Cambios checaEnPlazo = checa;
    checaEnPlazo["Periodo"] = 12;
    Cambios triangularRect = Rect("4", "+", 2008, 12, 2);
    triangularRect["Triangular"] = "X";
    Comprobar(
        {{{}, {}},
         {{{"ClaveOpe", "2"}, {"Triangular", "X"}}, {{49, ""}}},
         {{{"ClaveOpe", "1"}, {"Triangular", "X"}}, {}},
         {triangularRect, {{49, ""}}},
         {Rect("3", " ", 2008, 12, 2), {{38, ""}}}, {C("ClaveOpe", "3"), {{38, ""}, {29, ""}}},
         {C("ClaveOpe", "5"), {{40, "5"}}}, {C("ClaveOpe", "E"), {{40, "E"}}},
         {C("ClaveOpe", " "), {{40, ""}}}, {C("Importe", -5.0), {{65, "-5"}}},
         {C("Importe", "12A"), {{36, "12A"}}}, {C("Importe", ""), {{36, ""}, {41, ""}}},
         // The same period as the declaration's counts as later.
         {Rect("3", "+", 2009, 6, 2), {{58, "200906"}}}, {Rect("3", "+", 2009, 3, 1), {{39, "1"}}},
         // Before the range and before Germany counted.
         {Rect("3", "+", 1992, 12, 2), {{59, "DE 199212"}, {10, "1992"}}},
         // The Czech Republic counts from May 2004, compared as a date.
         {checa, {{59, "CZ 200403"}}}, {checaEnPlazo, {}},
         // A month with a blank exercise lies before every accession.
         {C("Periodo", 13), {{39, "13"}, {59, "DE 13"}}}, {C("Ejercicio", "20A9"), {{43, "20A9"}}},
         {C("Periodo", 6), {{59, "DE 6"}}}, {C("Ejercicio", ""), {}},
         {C("NIF", "12345"), {{32, "DE12345"}}}, {C("NIF", "12345%789"), {{32, "DE12345%789"}}},
         {C("Nombre", "  "), {{1, ""}}},
         // The entry the declaration already holds.
         {{{"Pais", "FR"}, {"NIF", "12345678901"}}, {{30, "12345678901"}}},
         {{{"Pais", "FR"}, {"NIF", "12345678901"}, {"Triangular", "X"}}, {}}},
        [&](const Cambios& c) { return ValidarDeclarado(Entrada(c), kLimiteDeclarado, destino_); });
}

// A member state counts from its accession month, not from the month before,
// by either set of rules.
TEST_F(ValidarDeclarados, AccessionMonthCountsAndTheMonthBeforeDoesNot) {
    destino_.declaracion = 8;
    destino_.ejercicio = 2014;
    destino_.periodo = 12;
    destino_.ejercicioMax = 2014;
    const auto en = [](const char* pais, const char* nif, const char* clave, const char* signo,
                       int32_t ejercicio, int32_t mes) {
        Cambios c = Rect(clave, signo, ejercicio, mes, 2);
        c.insert({{"Pais", pais}, {"NIF", nif}});
        return c;
    };
    for (const bool de2010 : {false, true}) {
        SCOPED_TRACE(de2010 ? "from 2010" : "up to 2009");
        const char* clave = de2010 ? "E" : "3";
        const char* signo = de2010 ? " " : "-";
        Comprobar({{en("CZ", "12345678", clave, signo, 2004, 5), {}},
                   {en("CZ", "12345678", clave, signo, 2004, 4), {{59, "CZ 200404"}}},
                   {en("HR", "12345678901", clave, signo, 2013, 7), {}},
                   {en("HR", "12345678901", clave, signo, 2013, 6), {{59, "HR 201306"}}}},
                  [&](const Cambios& c) {
                      return de2010 ? ValidarDeclarado2010(Entrada(c), kLimiteDeclarado2010, destino_)
                                    : ValidarDeclarado(Entrada(c), kLimiteDeclarado, destino_);
                  });
    }
}

TEST_F(ValidarDeclarados, RulesFrom2010) {
    destino_.declaracion = 8;
    destino_.ejercicio = 2011;
    destino_.periodo = 6;
    destino_.periodicidad = 2;
    Comprobar({{C("ClaveOpe", "E"), {}}, {C("ClaveOpe", "H"), {}},
               {C("ClaveOpe", "X"), {{63, "X"}}}, {C("ClaveOpe", "1"), {{63, "1"}}},
               // No sign or periodicity rule from 2010.
               {Rect("A", " ", 2011, 3, 1), {}},
               {Rect("A", " ", 2011, 6, 2), {{58, "201106"}}},
               {{{"ClaveOpe", "S"}, {"Pais", "FR"}, {"NIF", "12345678901"}, {"Triangular", ""}},
                {{30, "12345678901"}}},
               {{{"ClaveOpe", "E"}, {"Importe", ""}}, {{36, ""}, {41, ""}}},
               {{{"ClaveOpe", "E"}, {"Periodo", 3}}, {{59, "DE 3"}}}},
              [&](const Cambios& c) {
                  return ValidarDeclarado2010(Entrada(c), kLimiteDeclarado2010, destino_);
              });
    // Errors of the stores carry the checker's name.
    destino_.mdbmod = Ruta("no-existe/794Mod.mdb");
    std::string descripcion;
    EXPECT_NE(prueba::NumeroDeError(
                  [&] { ValidarDeclarado(Entrada({}), kLimiteDeclarado, destino_); }, &descripcion),
              0);
    EXPECT_EQ(descripcion.rfind("Importacion.ValidarDeclarado", 0), 0u) << descripcion;
}

}  // namespace
