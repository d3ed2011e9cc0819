// The copy of a declaration with its entries, reached by name.
#include <gtest/gtest.h>

#include "declaraciones_prueba.h"
#include "quelvodat/cDeclaraciones.h"

using prueba::Textos;

namespace {

class Duplicar : public prueba::BaseDePrueba {
protected:
    void SetUp() override {
        BaseDePrueba::SetUp();
        d_ = Crear<quelvodat::_cDeclaraciones>("cDeclaraciones");
    }
    // Declaration 1 of declarant 7: the fourth quarter of `ejercicio`.
    void Origen(int32_t ejercicio, const std::string& moneda = "E",
                const std::string& bimensual = "") {
        Sql("INSERT INTO TDeclaraciones VALUES (1, 7, " + std::to_string(ejercicio) + ", 12, 2, '" +
            moneda + "', '" + bimensual + "')");
    }
    void Entrada(const std::string& clave, const std::string& marca, double base = 10,
                 const std::string& tipo = "N", int32_t ejercicioo = 0, int32_t periodoo = 0) {
        Sql("INSERT INTO tOperadores (coddeclar, paiso, paisaux, nifo, razon, tipoopo, claveopo, "
            "base, signoo, ejercicioo, periodoo, triangularo, periodicidad) VALUES (1, 'FR', ' ', "
            "'N1', 'R', '" + tipo + "', '" + clave + "', " + std::to_string(base) + ", ' ', " +
            std::to_string(ejercicioo) + ", " + std::to_string(periodoo) + ", '" + marca +
            "', 0)");
    }
    // One column of a declaration's entries, in key order.
    Textos De(int32_t declaracion, const std::string& columna) {
        return Columna("SELECT " + columna + " FROM tOperadores WHERE coddeclar = " +
                       std::to_string(declaracion) + " ORDER BY codope");
    }
    // A copy of declaration 1, whose exercise is `origen`.
    int32_t Copia(int32_t ejercicio, uint8_t periodo, uint8_t periodicidad, int32_t origen,
                  const std::string& operador = "", const std::string& bimensual = "",
                  const std::string& moneda = "E") {
        return d_->DuplicarDeclaracion(ejercicio, periodo, periodicidad, moneda, 1, operador,
                                       bimensual, origen);
    }

    std::shared_ptr<quelvodat::_cDeclaraciones> d_;
};

TEST_F(Duplicar, CopiesTheDeclarationAndEveryFieldOfItsEntries) {
    Origen(2010, "E", "X");
    Sql("INSERT INTO tOperadores (coddeclar, paiso, paisaux, nifo, razon, tipoopo, claveopo, "
        "base, signoo, ejercicioo, periodoo, triangularo, periodicidad) VALUES "
        "(1, 'DE', 'AUX', 'N1', 'L" + prueba::kAguda +
        "AMI', 'R', 'A', 12.5, '-', 2009, 6, ' ', 2),"
        "(1, 'IT', NULL, 'N2', NULL, 'N', 'S', 3, NULL, 0, 0, NULL, 0)");
    int32_t nueva = Copia(2011, 3, 2, 2010);
    EXPECT_GT(nueva, 1);
    EXPECT_TRUE(Cerrada());
    EXPECT_EQ(prueba::Consultar(mod_, "SELECT * FROM TDeclaraciones WHERE coddecla = " +
                                          std::to_string(nueva)),
              (prueba::Tabla{{std::to_string(nueva), "7", "2011", "3", "2", "E", ""}}));
    EXPECT_EQ(De(nueva, "paiso || '|' || paisaux || '|' || nifo || '|' || razon || '|' || "
                        "tipoopo || '|' || claveopo || '|' || base || '|' || signoo || '|' || "
                        "ejercicioo || '|' || periodoo || '|' || triangularo || '|' || "
                        "periodicidad"),
              (Textos{"DE|AUX|N1|L" + prueba::kAguda + "AMI|R|A|12.5|-|2009|6| |2",
                      "IT||N2||N|S|3.0||0|0||0"}));
    // The new keys follow the origin's order.
    auto claves = De(nueva, "codope");
    ASSERT_EQ(claves.size(), 2u);
    EXPECT_LT(std::stoi(claves[0]), std::stoi(claves[1]));
}

TEST_F(Duplicar, OldKeysBecomeLetterKeysFrom2010) {
    Origen(2009);
    const struct { const char *clave, *marca, *nueva; } casos[] = {
        {"1", "X", "T"}, {"1", " ", "E"}, {"3", "", "E"},   {"3", "X", "T"},
        {"2", "X", "A"}, {"4", " ", "A"}, {"01", " ", "E"}, {"E", " ", "E"}};
    Textos esperadas, origen;
    for (const auto& c : casos) {
        Entrada(c.clave, c.marca);
        esperadas.push_back(c.nueva);
        origen.push_back(std::string(c.clave) + c.marca);
    }
    int32_t nueva = Copia(2010, 3, 2, 2009);
    EXPECT_EQ(De(nueva, "claveopo"), esperadas);
    EXPECT_EQ(De(nueva, "triangularo"), Textos(std::size(casos), ""));
    // The origin keeps its keys and marks; within the old scheme nothing is
    // recoded.
    EXPECT_EQ(De(1, "claveopo || triangularo"), origen);
    EXPECT_EQ(De(Copia(2009, 9, 2, 2009), "claveopo || triangularo"), origen);
}

TEST_F(Duplicar, KeysMAndHBecomeEUpToJune2011) {
    Origen(2010);
    Entrada("M", " ");
    Entrada("H", " ");
    Entrada("1", " ");
    const struct { int32_t ejercicio; uint8_t periodo, periodicidad; Textos claves; } casos[] = {
        {2011, 6, 2, {"E", "E", "1"}}, {2011, 6, 1, {"E", "E", "1"}},
        {2011, 3, 2, {"E", "E", "1"}}, {2011, 9, 2, {"M", "H", "1"}},
        {2011, 7, 1, {"M", "H", "1"}}, {2012, 3, 2, {"M", "H", "1"}},
        {2010, 12, 3, {"E", "E", "1"}},
    };
    for (const auto& c : casos)
        EXPECT_EQ(De(Copia(c.ejercicio, c.periodo, c.periodicidad, 2010), "claveopo"), c.claves)
            << c.ejercicio << "/" << int(c.periodo);
}

TEST_F(Duplicar, BasesChangeCurrencyRoundedToWholeUnits) {
    Origen(2001, "P");
    // Half a unit goes to the even neighbour: 83.193 pesetas are 0.5 euros,
    // 415.965 are 2.5.
    for (double base : {100.0, 83.0, 1.0, 12.5, -100.0, 0.0, 83.193, 415.965})
        Entrada("1", " ", base);
    const struct { const char* operador; Textos bases; } casos[] = {
        {" / ", {"1.0", "0.0", "0.0", "0.0", "-1.0", "0.0", "0.0", "2.0"}},
        {"/", {"1.0", "0.0", "0.0", "0.0", "-1.0", "0.0", "0.0", "2.0"}},
        {" * ",
         {"16639.0", "13810.0", "166.0", "2080.0", "-16639.0", "0.0", "13842.0", "69211.0"}},
        {"", {"100.0", "83.0", "1.0", "12.5", "-100.0", "0.0", "83.193", "415.965"}},
        {" x ", {"100.0", "83.0", "1.0", "12.5", "-100.0", "0.0", "83.193", "415.965"}},
    };
    for (const auto& c : casos)
        EXPECT_EQ(De(Copia(2001, 9, 2, 2001, c.operador), "base"), c.bases)
            << "'" << c.operador << "'";
}

TEST_F(Duplicar, RectificationsOutsideTheNewPeriodAreLeftOut) {
    Origen(2010);
    // Rectifications of these (exercise, period), told by their bases 1 to 6,
    // and a normal entry.
    double base = 0;
    for (auto [ejercicio, periodo] : {std::pair{2009, 12}, {2011, 3}, {2011, 6}, {2011, 7},
                                      {2011, 9}, {2012, 1}})
        Entrada("E", " ", ++base, "R", ejercicio, periodo);
    Entrada("E", " ", 7, "N", 2011, 9);
    const struct { const char* nombre; uint8_t periodo, periodicidad; Textos bases; } casos[] = {
        {"annual", 12, 3, {"1.0", "7.0"}},
        {"third quarter", 9, 2, {"1.0", "2.0", "3.0", "7.0"}},
        {"first quarter", 3, 2, {"1.0", "7.0"}},
        {"July", 7, 1, {"1.0", "2.0", "3.0", "7.0"}},
        {"August", 8, 1, {"1.0", "2.0", "3.0", "4.0", "7.0"}},
    };
    for (const auto& c : casos)
        EXPECT_EQ(De(Copia(2011, c.periodo, c.periodicidad, 2010), "base"), c.bases) << c.nombre;
}

TEST_F(Duplicar, BimonthlyMarkOnlyForItsPeriodsFrom2010) {
    Origen(2011, "E", "X");
    const struct { int32_t ejercicio; uint8_t periodo; const char *pedida, *guardada; } casos[] = {
        {2011, 5, "X", "X"},   {2011, 6, "X", ""}, {2009, 5, "X", ""},
        {2010, 2, " X", " X"}, {2011, 5, "", ""},  {2011, 11, "  ", ""}};
    for (const auto& c : casos)
        EXPECT_EQ(Valor("SELECT bimensual FROM TDeclaraciones WHERE coddecla = " +
                        std::to_string(Copia(c.ejercicio, c.periodo, 1, 2011, "", c.pedida))),
                  c.guardada)
            << c.ejercicio << "/" << int(c.periodo) << " '" << c.pedida << "'";
}

TEST_F(Duplicar, UnknownOriginOrAFailureHalfWayLeavesNoCopy) {
    Origen(2001);
    EXPECT_TRUE(De(Copia(2001, 3, 2, 2001), "codope").empty());  // no entries, empty copy
    Sql("DELETE FROM TDeclaraciones WHERE coddecla <> 1");
    Entrada("1", " ", 5);
    Entrada("1", " ", 1e308);  // beyond the double range once in pesetas

    auto e = prueba::ErrorDe([&] { d_->DuplicarDeclaracion(2011, 3, 2, "E", 99, "", "", 2010); });
    EXPECT_EQ(e.Number, 3021);
    EXPECT_NE(e.Description.find("99"), std::string::npos) << e.Description;
    EXPECT_EQ(prueba::NumeroDeError([&] { Copia(2001, 9, 2, 2001, " * ", "", "P"); }),
              rt::err::Overflow);
    EXPECT_EQ(Cuenta("TDeclaraciones"), 1);
    EXPECT_EQ(Cuenta("tOperadores"), 2);
    EXPECT_TRUE(Cerrada());
}

TEST_F(Duplicar, MoreEntriesThanA16BitCounterHolds) {
    Origen(2009);
    Sql("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 40000) "
        "INSERT INTO tOperadores (coddeclar, paiso, nifo, razon, claveopo, base, tipoopo, "
        "triangularo) SELECT 1, 'FR', 'N' || i, 'R', '2', i, 'N', 'X' FROM n");
    auto de = "tOperadores WHERE coddeclar = " + std::to_string(Copia(2010, 3, 2, 2009));
    EXPECT_EQ(Cuenta(de), 40000);
    EXPECT_EQ(Cuenta(de + " AND claveopo = 'A' AND triangularo = ''"), 40000);
    EXPECT_EQ(Valor("SELECT sum(base) FROM " + de), std::to_string(40000LL * 40001 / 2) + ".0");
    EXPECT_TRUE(Cerrada());
}

}  // namespace
