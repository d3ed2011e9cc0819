// The declarant exchange line: a hand-written line cut into its value buffer,
// and every line written read back into the values it was written from.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exchange/linea_declarante.h"
#include "quelvort/error.h"
#include "quelvort/strings.h"

using namespace quelvodat;

namespace {

std::string B(int n) { return std::string(static_cast<size_t>(n), ' '); }

const std::vector<std::string> kEtiquetas = {
    "NIF",       "Nombre", "Siglas",    "Domicilio", "Numero",   "Letra",    "Escalera",  "Piso",
    "Mano",      "Provincia", "CP",     "Municipio", "NombrePD", "Telefono", "TelefonoPD"};

// The values of columns 1 to 15, checking the labels and the empty columns.
std::vector<std::string> Valores(const rt::Variant& v) {
    EXPECT_EQ(rt::UBound(v, 1), 17);
    EXPECT_EQ(rt::UBound(v, 2), 1);
    for (int32_t i : {0, 16, 17}) {
        EXPECT_TRUE(v(i, 0).isEmpty()) << i;
        EXPECT_TRUE(v(i, 1).isEmpty()) << i;
    }
    std::vector<std::string> valores;
    for (int32_t i = 1; i <= 15; ++i) {
        EXPECT_EQ(v(i, 1).str(), kEtiquetas[static_cast<size_t>(i - 1)]);
        valores.push_back(v(i, 0).str());
    }
    return valores;
}

rt::Variant Declarante(const std::vector<rt::Variant>& valores) {
    rt::VArray d(0, 15);
    for (int32_t i = 0; i <= 15; ++i) d.at(i) = valores[static_cast<size_t>(i)];
    return d;
}

TEST(LineaDeclarante, HandWrittenLineIsCutByItsPositions) {
    const std::string linea = "B31222222" "ÑANDÚ COMERCIO INTERNACIONAL DE MAQUINAR" "AV"
                              "CARRETERA GENERAL DEL NORTE KM" "00120" "A " "2 " "10" "DCH" "31"
                              "VILLAFRANCA DE LOS CAMPOS" "31005" "948000111" "MIKEL" + B(35) +
                              "0" + B(8);
    ASSERT_EQ(rt::Len(linea), kLargoLineaDte);
    // The street keeps its first 20 characters and the municipality its
    // first 12, as their stored columns do.
    EXPECT_EQ(Valores(Importacion::ObtenerValoresDte(linea)),
              (std::vector<std::string>{"B31222222", "ÑANDÚ COMERCIO INTERNACIONAL DE MAQUINAR",
                                        "AV", "CARRETERA GENERAL DE", "00120", "A", "2", "10",
                                        "DCH", "31", "31005", "VILLAFRANCA", "MIKEL", "948000111",
                                        "0"}));
}

TEST(LineaDeclarante, ShortLineReadsEmptyBeyondItsEnd) {
    EXPECT_EQ(Valores(Importacion::ObtenerValoresDte("A01111111O'NEILL")),
              (std::vector<std::string>{"A01111111", "O'NEILL", "", "", "", "", "", "", "", "",
                                        "", "", "", "", ""}));
    EXPECT_EQ(Valores(Importacion::ObtenerValoresDte(""))[0], "");
}

TEST(LineaDeclarante, WrittenLinesReadBackIntoTheirValues) {
    const struct {
        std::vector<rt::Variant> declarante;
        std::vector<std::string> leidos;
    } casos[] = {
        {{1, "A01111111", "O´NEILL TRADING SL", "CL", "MAYOR", 7, "B", "1", "3", "IZD", 1, "50",
          "VITORIA-GASTEIZ", "ANE GARCIA", 945222333, 600333444},
         {"A01111111", "O'NEILL TRADING SL", "CL", "MAYOR", "00007", "B", "1", "3", "IZD", "1",
          "01050", "VITORIA-GAST", "ANE GARCIA", "945222333", "600333444"}},
        {{2, "B31222222", "ÑANDÚ COMERCIO INTERNACIONAL DE MAQUINARIA SA", "AV",
          "CARRETERA GENERAL DEL NORTE KM", 0, "", "", "", "", 31, "5", "LLODIO", "", 0, 0},
         {"B31222222", "ÑANDÚ COMERCIO INTERNACIONAL DE MAQUINAR", "AV", "CARRETERA GENERAL DE",
          "00000", "", "", "", "", "31", "31005", "LLODIO", "", "0", "0"}},
    };
    for (const auto& c : casos) {
        std::string linea = Exportacion::ExportarLineaDte(Declarante(c.declarante));
        EXPECT_EQ(rt::Len(linea), kLargoLineaDte);
        EXPECT_EQ(Valores(Importacion::ObtenerValoresDte(linea)), c.leidos);
    }
}

TEST(LineaDeclarante, NumberThatDoesNotFitRaisesNamingItsField) {
    const struct {
        int32_t indice;
        rt::Variant valor;
        const char* campo;
    } casos[] = {
        {5, 123456, "Número"},
        {5, -7, "Número"},
        {10, 100, "Código postal (provincia)"},
        {11, "1000", "Código postal (cifras)"},
    };
    for (const auto& c : casos) {
        std::vector<rt::Variant> v = {1, "A01111111", "X", "CL", "MAYOR", 7, "", "", "", "", 1,
                                      "1", "VITORIA", "", 0, 0};
        v[static_cast<size_t>(c.indice)] = c.valor;
        try {
            Exportacion::ExportarLineaDte(Declarante(v));
            ADD_FAILURE() << c.campo << ": no error";
        } catch (const rt::Error& e) {
            EXPECT_NE(e.Description.find(c.campo), std::string::npos) << e.Description;
        }
    }
}

}  // namespace
