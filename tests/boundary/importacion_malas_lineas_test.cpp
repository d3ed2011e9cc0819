// The corpus of bad lines: each is refused with its findings or its line
// result, none ends the import with an error, and nothing of a refused line
// is stored.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "declaraciones_prueba.h"
#include "importacion_prueba.h"
#include "quelvort/textfile.h"

using prueba::Hallazgos;
using prueba::Salida;

namespace {

class MalasLineas : public prueba::BaseDePrueba {};

struct Esperada {
    const char* que;
    int sujeto;
    int resultado;
    Hallazgos hallazgos;
};

TEST_F(MalasLineas, SubmissionFile) {
    // The entry that line 4 stores makes every later line of the same
    // operator a repetition too (30), after its own findings.
    const Hallazgos repetido{{30, "123456789"}};
    auto mas = [&](Hallazgos h) {
        h.insert(h.end(), repetido.begin(), repetido.end());
        return h;
    };
    const std::vector<Esperada> esperadas = {
        {"record 2 before any record 1", 3, 3, {{68, "G12345674"}}},
        {"record 1", 1, 0, {}},
        {"short: blank amount", 3, 3, {{36, ""}, {41, ""}}},
        {"long: what lies beyond the layout is ignored", 3, 0, {}},
        {"empty", 5, 0, {}},
        {"letter in the amount", 3, 3, mas({{36, "0000000A15000"}})},
        {"amount of one minus", 3, 3, mas({{36, "-"}})},
        {"two minus signs", 3, 3, mas({{36, "--00000000005"}})},
        {"exponent", 3, 3, mas({{36, "00000000001E3"}})},
        {"decimal comma", 3, 3, mas({{36, "00000000001,5"}})},
        {"blank amount", 3, 3, mas({{36, ""}, {41, ""}})},
        {"blank inside the amount", 3, 3, mas({{36, "0000000 15000"}})},
        {"letter in the rectified exercise", 3, 3, {{43, "20A9"}}},
        {"letter in the line's exercise", 3, 3, {{43, "20X0"}}},
        {"bar", 3, 6, {{50, "|"}}},
        {"UTF-8 read as Windows-1252", 3, 6, {{50, "Ã"}}},
        {"percent in the VAT number", 3, 3, {{32, "DE12345%789"}}},
        {"underscore in the VAT number", 3, 3, {{32, "DE1234567_9"}}},
        {"apostrophe in the VAT number", 3, 3, {{32, "DE12345'789"}}},
        {"record 3", 5, 3, {}},
        {"percent in the declarant's NIF", 1, 3, {{0, "B1234567%"}}},
        {"underscore in the declarant's NIF", 1, 3, {{0, "B123456_4"}}},
        {"apostrophe in the declarant's NIF", 1, 3, {{0, "B1234'674"}}},
    };

    prueba::Importador imp(mod_, prueba::RutaBaseReferencia());
    auto lineas = rt::ReadAllLines(prueba::Fixture("malas_lineas_2010.txt"));
    ASSERT_EQ(lineas.size(), esperadas.size());
    for (size_t i = 0; i < lineas.size(); ++i) {
        Salida s;
        ASSERT_NO_THROW(s = imp.Soporte(lineas[i])) << esperadas[i].que;
        EXPECT_EQ(s.sujeto, esperadas[i].sujeto) << esperadas[i].que;
        EXPECT_EQ(s.resultado, esperadas[i].resultado) << esperadas[i].que;
        EXPECT_EQ(s.hallazgos, esperadas[i].hallazgos) << esperadas[i].que;
    }
    EXPECT_TRUE(imp.rechazar_);
    EXPECT_EQ(imp.declaracion_, 0);

    EXPECT_EQ(prueba::Columna(mod_, "SELECT dni_cifd FROM TDeclarante"),
              std::vector<std::string>{"G12345674"});
    EXPECT_EQ(prueba::Columna(mod_, prueba::kSqlDeclaraciones),
              std::vector<std::string>{"G12345674|2010|12|3|E|"});
    EXPECT_EQ(prueba::Columna(mod_, prueba::kSqlDeclarados),
              std::vector<std::string>{
                  "G12345674|2010|12|DE|123456789|LINEA LARGA|E|1000.0| |0|0| |N|0"});
}

TEST_F(MalasLineas, DeclarantFile) {
    const std::vector<Esperada> esperadas = {
        {"percent in the NIF", 0, 3, {{0, "B1234567%"}}},
        {"underscore in the NIF", 0, 3, {{0, "B123456_4"}}},
        {"apostrophe in the NIF", 0, 3, {{0, "B1234'674"}}},
        {"bar in the name", 0, 6, {{50, "|"}}},
        {"letter in the street number", 0, 3, {{19, "00A01"}}},
        {"short", 0, 3, {{19, ""}, {20, ""}, {4, ""}, {6, ""}, {21, ""}, {6, ""}, {7, ""}, {23, ""}, {23, ""}}},
    };
    prueba::Importador imp(mod_, prueba::RutaBaseReferencia());
    auto lineas = rt::ReadAllLines(prueba::Fixture("declarantes_malos.txt"));
    ASSERT_EQ(lineas.size(), esperadas.size());
    for (size_t i = 0; i < lineas.size(); ++i) {
        rt::Variant valores = "sin tocar";
        Salida s;
        ASSERT_NO_THROW(s = imp.Declarante(lineas[i], valores)) << esperadas[i].que;
        EXPECT_EQ(s.resultado, esperadas[i].resultado) << esperadas[i].que;
        EXPECT_EQ(s.hallazgos, esperadas[i].hallazgos) << esperadas[i].que;
        // Refused for its characters the values stay as they were; for its
        // fields they are the labelled buffer that was checked.
        if (s.resultado == 6) {
            EXPECT_EQ(valores, rt::Variant("sin tocar"));
        } else {
            ASSERT_TRUE(valores.isArray());
            EXPECT_EQ(rt::UBound(valores, 1), 17);
            EXPECT_EQ(valores(1, 1).str(), "NIF");
        }
    }
    EXPECT_EQ(prueba::Columna(mod_, "SELECT count(*) FROM TDeclarante"),
              std::vector<std::string>{"0"});
}

// A record 1 called for on its own, however short, answers with findings.
TEST_F(MalasLineas, ShortRecordsOneAnswerWithFindings) {
    prueba::Importador imp(mod_, prueba::RutaBaseReferencia());
    for (const std::string linea : {"", "1", "1794", "17942010", "1794201"}) {
        rt::Variant errores;
        uint8_t resultado = 0;
        EXPECT_NO_THROW(resultado = imp.Nuevo()->ImportarDte_Cion(linea, errores)) << "'" << linea << "'";
        EXPECT_EQ(resultado, 3) << "'" << linea << "'";
        EXPECT_FALSE(prueba::HallazgosDe(errores).empty()) << "'" << linea << "'";
    }
    EXPECT_EQ(prueba::Columna(mod_, "SELECT count(*) FROM TDeclarante"), std::vector<std::string>{"0"});
}

// A record 2 too short to hold its declarant's NIF is refused for its length,
// whatever the file and before any check of what it cannot hold.
TEST_F(MalasLineas, RecordsTwoTooShortForTheirNifAreRefusedForTheirLength) {
    const auto lineas = rt::ReadAllLines(prueba::Fixture("malas_lineas_2010.txt"));
    const std::string registro1 = lineas.at(1), entrada = lineas.at(2);
    const Hallazgos longitud{{24, ""}};
    for (const std::string& corta :
         std::vector<std::string>{"2", "279", "27942010", "2794201001G1234567", entrada.substr(0, 20)}) {
        // A submission file, with and without its record 1 before.
        prueba::Importador imp(mod_, prueba::RutaBaseReferencia());
        Salida s = imp.Soporte(corta);
        EXPECT_EQ(s.resultado, 3) << "'" << corta << "'";
        EXPECT_EQ(s.hallazgos, longitud) << "'" << corta << "'";
        ASSERT_LE(imp.Soporte(registro1).resultado, 2);
        s = imp.Soporte(corta);
        EXPECT_EQ(s.resultado, 3) << "'" << corta << "'";
        EXPECT_EQ(s.hallazgos, longitud) << "'" << corta << "'";
        // A file of entries for a chosen declaration.
        s = imp.Declarados(corta, 2010);
        EXPECT_EQ(s.resultado, 3) << "'" << corta << "'";
        EXPECT_EQ(s.hallazgos, longitud) << "'" << corta << "'";
        Sql("DELETE FROM TDeclaraciones");
    }
    // One that holds the NIF is judged on its fields as before.
    prueba::Importador imp(mod_, prueba::RutaBaseReferencia());
    imp.Soporte(registro1);
    Salida s = imp.Soporte(entrada.substr(0, 21));
    EXPECT_EQ(s.resultado, 3);
    EXPECT_NE(s.hallazgos, longitud);
    EXPECT_EQ(prueba::Columna(mod_, "SELECT count(*) FROM tOperadores"), std::vector<std::string>{"0"});
}

}  // namespace
