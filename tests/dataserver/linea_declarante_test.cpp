// The declarant exchange line: a hand-written line cut into its value buffer,
// and every line written read back into the values it was written from.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "comun/numero_de_error.h"
#include "exchange/linea_declarante.h"
#include "quelvort/strings.h"

using namespace quelvodat;

namespace {

using Textos = std::vector<std::string>;

// The values of columns 1 to 15, checking the labels and the empty columns.
Textos Valores(const rt::Variant& v) {
    static const Textos kEtiquetas = {"NIF",   "Nombre",   "Siglas",    "Domicilio", "Numero",
                                      "Letra", "Escalera", "Piso",      "Mano",      "Provincia",
                                      "CP",    "Municipio", "NombrePD", "Telefono",  "TelefonoPD"};
    EXPECT_EQ(rt::UBound(v, 1), 17);
    EXPECT_EQ(rt::UBound(v, 2), 1);
    for (int32_t i : {0, 16, 17}) EXPECT_TRUE(v(i, 0).isEmpty() && v(i, 1).isEmpty()) << i;
    Textos valores;
    for (int32_t i = 1; i <= 15; ++i) {
        EXPECT_EQ(v(i, 1).str(), kEtiquetas[static_cast<size_t>(i - 1)]);
        valores.push_back(v(i, 0).str());
    }
    return valores;
}

std::string Escrita(const std::vector<rt::Variant>& valores) {
    rt::VArray d(0, 15);
    for (int32_t i = 0; i <= 15; ++i) d.at(i) = valores[static_cast<size_t>(i)];
    return Exportacion::ExportarLineaDte(d);
}

TEST(LineaDeclarante, HandWrittenAndShortLinesAreCutByTheirPositions) {
    const std::string linea = "B31222222" "ÑANDÚ COMERCIO INTERNACIONAL DE MAQUINAR" "AV"
                              "CARRETERA GENERAL DEL NORTE KM" "00120" "A " "2 " "10" "DCH" "31"
                              "VILLAFRANCA DE LOS CAMPOS" "31005" "948000111" "MIKEL" +
                              std::string(35, ' ') + "0" + std::string(8, ' ');
    ASSERT_EQ(rt::Len(linea), kLargoLineaDte);
    // The street keeps 20 characters and the municipality 12, as their columns do.
    EXPECT_EQ(Valores(Importacion::ObtenerValoresDte(linea)),
              (Textos{"B31222222", "ÑANDÚ COMERCIO INTERNACIONAL DE MAQUINAR", "AV",
                      "CARRETERA GENERAL DE", "00120", "A", "2", "10", "DCH", "31", "31005",
                      "VILLAFRANCA", "MIKEL", "948000111", "0"}));
    EXPECT_EQ(Valores(Importacion::ObtenerValoresDte("A01111111O'NEILL")),
              (Textos{"A01111111", "O'NEILL", "", "", "", "", "", "", "", "", "", "", "", "", ""}));
}

TEST(LineaDeclarante, WrittenLinesReadBackIntoTheirValues) {
    const std::pair<std::vector<rt::Variant>, Textos> casos[] = {
        {{1, "A01111111", "O´NEILL TRADING SL", "CL", "MAYOR", 7, "B", "1", "3", "IZD", 1, "50",
          "VITORIA-GASTEIZ", "ANE GARCIA", 945222333, 600333444},
         {"A01111111", "O'NEILL TRADING SL", "CL", "MAYOR", "00007", "B", "1", "3", "IZD", "1",
          "01050", "VITORIA-GAST", "ANE GARCIA", "945222333", "600333444"}},
        {{2, "B31222222", "ÑANDÚ COMERCIO INTERNACIONAL DE MAQUINARIA SA", "AV",
          "CARRETERA GENERAL DEL NORTE KM", 0, "", "", "", "", 31, "5", "LLODIO", "", 0, 0},
         {"B31222222", "ÑANDÚ COMERCIO INTERNACIONAL DE MAQUINAR", "AV", "CARRETERA GENERAL DE",
          "00000", "", "", "", "", "31", "31005", "LLODIO", "", "0", "0"}}};
    for (const auto& [declarante, leidos] : casos) {
        std::string linea = Escrita(declarante);
        EXPECT_EQ(rt::Len(linea), kLargoLineaDte);
        EXPECT_EQ(Valores(Importacion::ObtenerValoresDte(linea)), leidos);
    }
    // A number that does not fit raises, naming its field.
    const std::tuple<size_t, rt::Variant, const char*> malos[] = {
        {5, 123456, "Número"},
        {5, -7, "Número"},
        {10, 100, "Código postal (provincia)"},
        {11, "1000", "Código postal (cifras)"}};
    for (const auto& [indice, valor, campo] : malos) {
        std::vector<rt::Variant> v = {1,   "A01111111", "X", "CL", "MAYOR", 7, "", "", "", "", 1,
                                      "1", "VITORIA",   "",  0,    0};
        v[indice] = valor;
        std::string descripcion;
        EXPECT_NE(prueba::NumeroDeError([&] { Escrita(v); }, &descripcion), 0) << campo;
        EXPECT_NE(descripcion.find(campo), std::string::npos) << descripcion;
    }
}

}  // namespace
