// The copy of a declaration with its entries, reached by name.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "declaraciones_prueba.h"
#include "quelvodat/cDeclaraciones.h"
#include "quelvort/object.h"

using quelvodat::_cDeclaraciones;

namespace {

class Duplicar : public prueba::BaseDePrueba {
protected:
    void SetUp() override {
        BaseDePrueba::SetUp();
        d_ = rt::CreateObjectAs<_cDeclaraciones>("Quelvodat.cDeclaraciones");
        d_->mdbmod(mod_);
    }
    // Declaration 1 of declarant 7: the fourth quarter of `ejercicio`.
    void Origen(int32_t ejercicio, const std::string& moneda = "E",
                const std::string& bimensual = "") {
        Sql("INSERT INTO TDeclaraciones (coddecla, coddecr, ejercicio, periodo, moneda, "
            "periodicidad, bimensual) VALUES (1, 7, " + std::to_string(ejercicio) + ", 12, '" +
            moneda + "', 2, '" + bimensual + "')");
    }
    void Entrada(const std::string& clave, const std::string& marca, double base = 10,
                 const std::string& tipo = "N", int32_t ejercicioo = 0, int32_t periodoo = 0) {
        Sql("INSERT INTO tOperadores (coddeclar, paiso, paisaux, nifo, razon, tipoopo, claveopo, "
            "base, signoo, ejercicioo, periodoo, triangularo, periodicidad) VALUES (1, 'FR', ' ', "
            "'N1', 'R', '" + tipo + "', '" + clave + "', " + std::to_string(base) + ", ' ', " +
            std::to_string(ejercicioo) + ", " + std::to_string(periodoo) + ", '" + marca +
            "', 0)");
    }
    // The copied entries' values of one column, in key order.
    std::vector<std::string> Columna(int32_t declaracion, const std::string& columna) {
        return prueba::Columna(mod_, "SELECT " + columna + " FROM tOperadores WHERE coddeclar = " +
                                         std::to_string(declaracion) + " ORDER BY codope");
    }

    std::shared_ptr<_cDeclaraciones> d_;
};

TEST_F(Duplicar, CopiesTheDeclarationAndEveryFieldOfItsEntries) {
    Origen(2010, "E", "X");
    Sql("INSERT INTO tOperadores (coddeclar, paiso, paisaux, nifo, razon, tipoopo, claveopo, "
        "base, signoo, ejercicioo, periodoo, triangularo, periodicidad) VALUES "
        "(1, 'DE', 'AUX', 'N1', 'L" + prueba::kAguda +
        "AMI', 'R', 'A', 12.5, '-', 2009, 6, ' ', 2),"
        "(1, 'IT', NULL, 'N2', NULL, 'N', 'S', 3, NULL, 0, 0, NULL, 0)");
    int32_t nueva = d_->DuplicarDeclaracion(2011, 3, 2, "E", 1, "", "", 2010);
    EXPECT_GT(nueva, 1);
    EXPECT_TRUE(Cerrada());
    EXPECT_EQ(Valor("SELECT coddecr || '|' || ejercicio || '|' || periodo || '|' || moneda || '|' "
                    "|| periodicidad || '|' || bimensual FROM TDeclaraciones WHERE coddecla = " +
                    std::to_string(nueva)),
              "7|2011|3|E|2|");
    EXPECT_EQ(Columna(nueva, "paiso || '|' || paisaux || '|' || nifo || '|' || razon || '|' || "
                             "tipoopo || '|' || claveopo || '|' || base || '|' || signoo || '|' "
                             "|| ejercicioo || '|' || periodoo || '|' || triangularo || '|' || "
                             "periodicidad"),
              (std::vector<std::string>{"DE|AUX|N1|L" + prueba::kAguda +
                                            "AMI|R|A|12.5|-|2009|6| |2",
                                        "IT||N2||N|S|3.0||0|0||0"}));
    // The new keys follow the origin's order.
    auto claves = Columna(nueva, "codope");
    ASSERT_EQ(claves.size(), 2u);
    EXPECT_LT(std::stoi(claves[0]), std::stoi(claves[1]));
}

TEST_F(Duplicar, OldKeysBecomeLetterKeysFrom2010) {
    Origen(2009);
    struct Caso {
        const char* clave;
        const char* marca;
        const char* nueva;
    } casos[] = {{"1", "X", "T"}, {"1", " ", "E"}, {"3", "", "E"}, {"3", "X", "T"},
                 {"2", "X", "A"}, {"4", " ", "A"}, {"01", " ", "E"}, {"E", " ", "E"}};
    for (const auto& caso : casos) Entrada(caso.clave, caso.marca);
    int32_t nueva = d_->DuplicarDeclaracion(2010, 3, 2, "E", 1, "", "", 2009);
    std::vector<std::string> esperadas;
    for (const auto& caso : casos) esperadas.push_back(caso.nueva);
    EXPECT_EQ(Columna(nueva, "claveopo"), esperadas);
    EXPECT_EQ(Columna(nueva, "triangularo"), std::vector<std::string>(std::size(casos), ""));
    // The origin keeps its keys and marks.
    EXPECT_EQ(Columna(1, "claveopo || triangularo"),
              (std::vector<std::string>{"1X", "1 ", "3", "3X", "2X", "4 ", "01 ", "E "}));
    // Within the old scheme nothing is recoded.
    int32_t antigua = d_->DuplicarDeclaracion(2009, 9, 2, "E", 1, "", "", 2009);
    EXPECT_EQ(Columna(antigua, "claveopo || triangularo"), Columna(1, "claveopo || triangularo"));
}

TEST_F(Duplicar, KeysMAndHBecomeEUpToJune2011) {
    Origen(2010);
    Entrada("M", " ");
    Entrada("H", " ");
    Entrada("1", " ");
    struct Caso {
        int32_t ejercicio;
        uint8_t periodo;
        uint8_t periodicidad;
        std::vector<std::string> claves;
    } casos[] = {
        {2011, 6, 2, {"E", "E", "1"}}, {2011, 6, 1, {"E", "E", "1"}},
        {2011, 3, 2, {"E", "E", "1"}}, {2011, 9, 2, {"M", "H", "1"}},
        {2011, 7, 1, {"M", "H", "1"}}, {2012, 3, 2, {"M", "H", "1"}},
        {2010, 12, 3, {"E", "E", "1"}},
    };
    for (const auto& caso : casos) {
        int32_t nueva = d_->DuplicarDeclaracion(caso.ejercicio, caso.periodo, caso.periodicidad,
                                                "E", 1, "", "", 2010);
        EXPECT_EQ(Columna(nueva, "claveopo"), caso.claves)
            << caso.ejercicio << "/" << int(caso.periodo);
    }
}

TEST_F(Duplicar, BasesChangeCurrencyRoundedToWholeUnits) {
    Origen(2001, "P");
    for (double base : {100.0, 83.0, 1.0, 2.0, 12.5, -100.0, 0.0}) Entrada("1", " ", base);
    struct Caso {
        const char* operador;
        std::vector<std::string> bases;
    } casos[] = {
        {" / ", {"1.0", "0.0", "0.0", "0.0", "0.0", "-1.0", "0.0"}},
        {"/", {"1.0", "0.0", "0.0", "0.0", "0.0", "-1.0", "0.0"}},
        {" * ", {"16639.0", "13810.0", "166.0", "333.0", "2080.0", "-16639.0", "0.0"}},
        {"", {"100.0", "83.0", "1.0", "2.0", "12.5", "-100.0", "0.0"}},
        {" x ", {"100.0", "83.0", "1.0", "2.0", "12.5", "-100.0", "0.0"}},
    };
    for (const auto& caso : casos) {
        int32_t nueva = d_->DuplicarDeclaracion(2001, 9, 2, "E", 1, caso.operador, "", 2001);
        EXPECT_EQ(Columna(nueva, "base"), caso.bases) << "'" << caso.operador << "'";
    }
    // Half a unit goes to the even neighbour: 83.193 pesetas are 0.5 euros.
    Sql("DELETE FROM tOperadores");
    Entrada("1", " ", 83.193);
    Entrada("1", " ", 415.965);  // 2.5 euros
    int32_t nueva = d_->DuplicarDeclaracion(2001, 9, 2, "E", 1, "/", "", 2001);
    EXPECT_EQ(Columna(nueva, "base"), (std::vector<std::string>{"0.0", "2.0"}));
}

TEST_F(Duplicar, RectificationsOutsideTheNewPeriodAreLeftOut) {
    Origen(2010);
    // (exercise, period) of each rectification, and one normal entry.
    Entrada("E", " ", 1, "R", 2009, 12);
    Entrada("E", " ", 2, "R", 2011, 3);
    Entrada("E", " ", 3, "R", 2011, 6);
    Entrada("E", " ", 4, "R", 2011, 7);
    Entrada("E", " ", 5, "R", 2011, 9);
    Entrada("E", " ", 6, "R", 2012, 1);
    Entrada("E", " ", 7, "N", 2011, 9);
    struct Caso {
        const char* nombre;
        uint8_t periodo;
        uint8_t periodicidad;
        std::vector<std::string> bases;
    } casos[] = {
        {"annual", 12, 3, {"1.0", "7.0"}},
        {"third quarter", 9, 2, {"1.0", "2.0", "3.0", "7.0"}},
        {"first quarter", 3, 2, {"1.0", "7.0"}},
        {"July", 7, 1, {"1.0", "2.0", "3.0", "7.0"}},
        {"August", 8, 1, {"1.0", "2.0", "3.0", "4.0", "7.0"}},
    };
    for (const auto& caso : casos) {
        int32_t nueva =
            d_->DuplicarDeclaracion(2011, caso.periodo, caso.periodicidad, "E", 1, "", "", 2010);
        EXPECT_EQ(Columna(nueva, "base"), caso.bases) << caso.nombre;
    }
}

TEST_F(Duplicar, BimonthlyMarkOnlyForItsPeriodsFrom2010) {
    Origen(2011, "E", "X");
    struct Caso {
        int32_t ejercicio;
        uint8_t periodo;
        const char* pedida;
        const char* guardada;
    } casos[] = {{2011, 5, "X", "X"}, {2011, 6, "X", ""},  {2009, 5, "X", ""},
                 {2010, 2, " X", " X"}, {2011, 5, "", ""},  {2011, 11, "  ", ""}};
    for (const auto& caso : casos) {
        int32_t nueva =
            d_->DuplicarDeclaracion(caso.ejercicio, caso.periodo, 1, "E", 1, "", caso.pedida, 2011);
        EXPECT_EQ(Valor("SELECT bimensual FROM TDeclaraciones WHERE coddecla = " +
                        std::to_string(nueva)),
                  caso.guardada)
            << caso.ejercicio << "/" << int(caso.periodo) << " '" << caso.pedida << "'";
    }
}

TEST_F(Duplicar, AnOriginWithoutEntriesGivesAnEmptyCopy) {
    Origen(2010);
    int32_t nueva = d_->DuplicarDeclaracion(2010, 3, 2, "E", 1, "", "", 2010);
    EXPECT_EQ(Cuenta("SELECT count(*) FROM TDeclaraciones"), 2);
    EXPECT_TRUE(Columna(nueva, "codope").empty());
}

TEST_F(Duplicar, AnUnknownOriginIsRefusedAndChangesNothing) {
    Origen(2010);
    Entrada("E", " ");
    auto e = prueba::ErrorDe([&] { d_->DuplicarDeclaracion(2011, 3, 2, "E", 99, "", "", 2010); });
    EXPECT_EQ(e.Number, 3021);
    EXPECT_NE(e.Description.find("99"), std::string::npos) << e.Description;
    EXPECT_EQ(Cuenta("SELECT count(*) FROM TDeclaraciones"), 1);
    EXPECT_EQ(Cuenta("SELECT count(*) FROM tOperadores"), 1);
    EXPECT_TRUE(Cerrada());
}

TEST_F(Duplicar, AFailureHalfWayLeavesNoCopy) {
    Origen(2001, "E");
    Entrada("1", " ", 5);
    Entrada("1", " ", 1e308);  // beyond the double range once in pesetas
    auto e = prueba::ErrorDe([&] { d_->DuplicarDeclaracion(2001, 9, 2, "P", 1, " * ", "", 2001); });
    EXPECT_EQ(e.Number, rt::err::Overflow);
    EXPECT_EQ(Cuenta("SELECT count(*) FROM TDeclaraciones"), 1);
    EXPECT_EQ(Cuenta("SELECT count(*) FROM tOperadores"), 2);
    EXPECT_TRUE(Cerrada());
}

TEST_F(Duplicar, MoreEntriesThanA16BitCounterHolds) {
    Origen(2009);
    Sql("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 40000) "
        "INSERT INTO tOperadores (coddeclar, paiso, nifo, razon, claveopo, base, tipoopo, "
        "triangularo) SELECT 1, 'FR', 'N' || i, 'R', '2', i, 'N', 'X' FROM n");
    int32_t nueva = d_->DuplicarDeclaracion(2010, 3, 2, "E", 1, "", "", 2009);
    const std::string de = " FROM tOperadores WHERE coddeclar = " + std::to_string(nueva);
    EXPECT_EQ(Cuenta("SELECT count(*)" + de), 40000);
    EXPECT_EQ(Cuenta("SELECT count(*)" + de + " AND claveopo = 'A' AND triangularo = ''"), 40000);
    EXPECT_EQ(Cuenta("SELECT sum(base)" + de), 40000LL * 40001 / 2);
    EXPECT_TRUE(Cerrada());
}

}  // namespace
