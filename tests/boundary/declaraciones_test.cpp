// The declarations store, reached by name as the program reaches it.
#include <gtest/gtest.h>

#include "declaraciones_prueba.h"
#include "quelvodat/cDeclaraciones.h"

using prueba::FilaDe;
using prueba::Filas;
using prueba::FilasDe;
using prueba::Textos;
using rt::Variant;

namespace {

class Declaraciones : public prueba::BaseDePrueba {
protected:
    void SetUp() override {
        BaseDePrueba::SetUp();
        d_ = Crear<quelvodat::_cDeclaraciones>("cDeclaraciones");
    }
    // Declarant 1 has an annual 2009 declaration (10) and a fourth quarter
    // 2009 one (11), declarant 2 an annual 2010 one (20); 3 has none.
    void TresDeclarantes() {
        Sql("INSERT INTO TDeclarante (coddec, dni_cifd) VALUES (1, 'A'), (2, 'B'), (3, 'C');"
            "INSERT INTO TDeclaraciones (coddecla, coddecr, ejercicio, periodo, moneda, "
            "periodicidad, bimensual) VALUES (10, 1, 2009, 12, 'E', 3, ''), "
            "(11, 1, 2009, 12, 'E', 2, ''), (20, 2, 2010, 12, 'E', 3, '');");
    }
    void Entrada(int32_t declaracion, const std::string& clave, const std::string& tipo,
                 const std::string& base) {
        Sql("INSERT INTO tOperadores (coddeclar, paiso, nifo, razon, claveopo, tipoopo, base) "
            "VALUES (" + std::to_string(declaracion) + ", 'FR', 'X1', 'R', '" + clave + "', '" +
            tipo + "', " + base + ")");
    }

    std::shared_ptr<quelvodat::_cDeclaraciones> d_;
};

TEST_F(Declaraciones, SaveAnswersTheNewKeyAndListsByExerciseAndPeriod) {
    Sql("INSERT INTO TDeclarante (coddec, dni_cifd) VALUES (7, 'A'), (8, 'B')");
    int32_t a = d_->GuardarDeclaracion(2010, "E", 6, 7, 2, "");
    int32_t b = d_->GuardarDeclaracion(2009, "P", 12, 7, 3, "X");
    int32_t c = d_->GuardarDeclaracion(2010, "E", 2, 7, 1, "X");
    d_->GuardarDeclaracion(2011, "E", 3, 8, 2, "");
    EXPECT_TRUE(Cerrada());
    EXPECT_EQ(FilasDe(d_->ObtenerDeclaraciones(7)),
              (Filas{{std::to_string(b), "2009", "12", "P", "3", "X"},
                     {std::to_string(c), "2010", "2", "E", "1", "X"},
                     {std::to_string(a), "2010", "6", "E", "2", ""}}));
    EXPECT_TRUE(d_->ObtenerDeclaraciones(99).isNull());
    EXPECT_TRUE(Cerrada());
}

// A declaration of no declarant would be an orphan no list shows.
TEST_F(Declaraciones, SaveForADeclarantThatDoesNotExistIsRefused) {
    auto e = prueba::ErrorDe([&] { d_->GuardarDeclaracion(2010, "E", 6, 99, 2, ""); });
    EXPECT_EQ(e.Number, 3021);
    EXPECT_EQ(e.Description.rfind("cDeclaraciones.GuardarDeclaracion ", 0), 0u) << e.Description;
    EXPECT_EQ(Cuenta("TDeclaraciones"), 0);
    EXPECT_TRUE(Cerrada());
}

TEST_F(Declaraciones, DeleteTakesTheEntriesAllOrNothing) {
    TresDeclarantes();
    Entrada(10, "1", "", "5");
    Entrada(10, "2", "", "6");
    Entrada(11, "1", "", "7");
    d_->EliminarDeclaracion(10);
    EXPECT_TRUE(Cerrada());
    EXPECT_EQ(Columna("SELECT coddecla FROM TDeclaraciones"), (Textos{"11", "20"}));
    EXPECT_EQ(Columna("SELECT coddeclar FROM tOperadores"), (Textos{"11"}));
    // An unknown key deletes nothing and raises nothing.
    EXPECT_EQ(prueba::NumeroDeError([&] { d_->EliminarDeclaracion(999); }), 0);
    EXPECT_EQ(Cuenta("TDeclaraciones"), 2);

    Sql("CREATE TRIGGER no_borrar BEFORE DELETE ON TDeclaraciones "
        "BEGIN SELECT RAISE(ABORT, 'bloqueada'); END;");
    // A change that fails says where, as every other error does.
    EXPECT_EQ(prueba::ErrorDe([&] { d_->EliminarDeclaracion(11); }).Description,
              "cDeclaraciones.EliminarDeclaracion bloqueada");
    EXPECT_EQ(Cuenta("tOperadores"), 1);
    EXPECT_TRUE(Cerrada());
}

TEST_F(Declaraciones, KeysByPeriodAndBimonthlyMark) {
    TresDeclarantes();
    // Annual and fourth quarter share period 12.
    EXPECT_EQ(d_->ObtenerDeclaracion(1, 2009, 12, 3), 10);
    EXPECT_EQ(d_->ObtenerDeclaracion(1, 2009, 12, 2), 11);
    EXPECT_EQ(d_->ObtenerDeclaracion(1, 2009, 12, 1), 0);
    EXPECT_EQ(d_->ObtenerDeclaracion(2, 2009, 12, 3), 0);
    EXPECT_EQ(d_->ObtenerDeclaracionAno(1, 2009), 10);
    EXPECT_EQ(d_->ObtenerDeclaracionAno(2, 2010), 20);
    EXPECT_EQ(d_->ObtenerDeclaracionAno(1, 2010), 0);

    // Any non-blank mark reads "X".
    Sql("INSERT INTO TDeclaraciones (coddecla, coddecr, bimensual) VALUES "
        "(1, 1, 'x'), (3, 1, '  '), (5, 1, NULL), (6, 1, ' S ')");
    for (auto [clave, marca] : {std::pair<int32_t, const char*>{1, "X"}, {3, ""}, {5, ""},
                                {6, "X"}, {10, ""}, {99, ""}})
        EXPECT_EQ(d_->ObtenerBimensualidad(clave), marca) << clave;
    EXPECT_TRUE(Cerrada());
}

TEST_F(Declaraciones, LatestDeclarationFilters) {
    EXPECT_TRUE(d_->MaxEjerPer(false).isNull());
    Sql("INSERT INTO TDeclaraciones (coddecr, ejercicio, periodo, moneda, periodicidad) VALUES "
        "(1, 2001, 12, 'E', 3), (2, 2003, 6, 'P', 2), (1, 2000, 12, 'E', 3)");
    const Textos p2003 = {"2003", "6", "P", "2"};
    EXPECT_EQ(FilaDe(d_->MaxEjerPer(false, 0)), p2003);
    EXPECT_EQ(FilaDe(d_->MaxEjerPer(false, 2002)), p2003);
    EXPECT_EQ(FilaDe(d_->MaxEjerPer(true, 0)), (Textos{"2001", "12", "E", "3"}));
    // Any positive minimum means from 2002, the first euro exercise.
    EXPECT_TRUE(d_->MaxEjerPer(true, 1).isNull());
    EXPECT_TRUE(d_->MaxEjerPer(true, 2002).isNull());
    // Equal exercise and period: annual before quarterly before monthly.
    Sql("INSERT INTO TDeclaraciones (coddecr, ejercicio, periodo, moneda, periodicidad) VALUES "
        "(1, 2004, 12, 'E', 2), (1, 2004, 12, 'E', 3), (1, 2004, 12, 'E', 1), "
        "(1, 2004, 9, 'E', 2)");
    EXPECT_EQ(FilaDe(d_->MaxEjerPer(true, 2002)), (Textos{"2004", "12", "E", "3"}));
    EXPECT_TRUE(Cerrada());
}

TEST_F(Declaraciones, CurrencyOfADeclaration) {
    TresDeclarantes();
    Sql("UPDATE TDeclaraciones SET moneda = 'P' WHERE coddecla = 11");
    EXPECT_EQ(d_->ObtenerMonedaDcion(Variant(11)), "P");
    EXPECT_EQ(d_->ObtenerMonedaDcion(Variant("10")), "E");
    EXPECT_EQ(d_->ObtenerMonedaDcion(Variant(12345)), "E");
    auto e = prueba::ErrorDe([&] { d_->ObtenerMonedaDcion(Variant::Null()); });
    EXPECT_EQ(e.Number, rt::err::InvalidUseOfNull);
    EXPECT_EQ(e.Description.rfind("cDeclaraciones.ObtenerMonedaDcion ", 0), 0u) << e.Description;
    EXPECT_TRUE(Cerrada());
    // Only the free-text columns of entries turn the apostrophe into an accent.
    int32_t clave = d_->GuardarDeclaracion(2010, "E'", 12, 1, 3, "X'");
    EXPECT_EQ(Valor("SELECT moneda || bimensual FROM TDeclaraciones WHERE coddecla = " +
                    std::to_string(clave)),
              "E'X'");
    EXPECT_EQ(d_->ObtenerMonedaDcion(clave), "E'");
}

TEST_F(Declaraciones, TotalsByKeyBefore2010AndByTypeFrom2010) {
    TresDeclarantes();
    for (int32_t decl : {10, 20}) {
        Entrada(decl, "1", "N", "100.5");
        Entrada(decl, "1", "R", "-0.5");
        Entrada(decl, "2", "N", "30");
    }
    EXPECT_EQ(FilasDe(d_->ObtenerTotalDeclarados(10, 2009)),
              (Filas{{"1", "100", "2"}, {"2", "30", "1"}}));
    EXPECT_EQ(FilasDe(d_->ObtenerTotalDeclarados(20, 2010)),
              (Filas{{"N", "130,5", "2"}, {"R", "-0,5", "1"}}));
    EXPECT_TRUE(d_->ObtenerTotalDeclarados(11, 2009).isNull());
    EXPECT_TRUE(Cerrada());
}

TEST_F(Declaraciones, TotalsOverSeveralDeclarantsJoinEveryPeriodicity) {
    TresDeclarantes();
    Sql("INSERT INTO TDeclaraciones (coddecla, coddecr, ejercicio, periodo, moneda, "
        "periodicidad) VALUES (21, 2, 2009, 12, 'E', 1), (22, 2, 2009, 9, 'E', 2), "
        "(30, 3, 2009, 12, 'E', 3)");
    Entrada(10, "1", "", "1");
    Entrada(11, "1", "", "2");
    Entrada(11, "3", "", "4");
    Entrada(21, "1", "", "8");
    Entrada(22, "1", "", "16");  // another period
    Entrada(20, "1", "", "32");  // another exercise
    Entrada(30, "1", "", "64");  // a declarant not asked for
    Variant claves = prueba::Arreglo({1, "2"});
    EXPECT_EQ(FilasDe(d_->ObtenerTotalDeclaradosVarDtes(claves, 2009, 12)),
              (Filas{{"1", "11", "3"}, {"3", "4", "1"}}));
    EXPECT_TRUE(d_->ObtenerTotalDeclaradosVarDtes(claves, 2008, 12).isNull());
    EXPECT_TRUE(d_->ObtenerTotalDeclaradosVarDtes(rt::VArray(0, -1), 2009, 12).isNull());
    EXPECT_TRUE(d_->ObtenerTotalDeclaradosVarDtes(Variant(), 2009, 12).isNull());
    EXPECT_TRUE(Cerrada());

    // More declarants than a 16-bit counter holds; declarant 1 comes last.
    const int32_t n = 40000;
    rt::VArray muchas(0, n - 1);
    for (int32_t i = 0; i < n; ++i) muchas.at(i) = n - i;
    EXPECT_EQ(FilasDe(d_->ObtenerTotalDeclaradosVarDtes(muchas, 2009, 12)),
              (Filas{{"1", "75", "4"}, {"3", "4", "1"}}));
}

TEST_F(Declaraciones, FailuresCarryTheMemberLocationAndCloseTheDatabase) {
    Sql("INSERT INTO TDeclarante (coddec) VALUES (1); DROP TABLE TDeclaraciones; DROP TABLE tOperadores;");
    Fallan({
        {"cDeclaraciones.ObtenerDeclaraciones cTDeclaraciones.ObtenerDeclaraciones ",
         [&] { d_->ObtenerDeclaraciones(1); }},
        {"cDeclaraciones.GuardarDeclaracion ",
         [&] { d_->GuardarDeclaracion(2010, "E", 3, 1, 2, ""); }},
        {"cDeclaraciones.ObtenerTotalDeclarados ", [&] { d_->ObtenerTotalDeclarados(1, 2009); }},
        {"cDeclaraciones.ObtenerDeclaracion cTDeclaraciones.ObtenerDeclaracion ",
         [&] { d_->ObtenerDeclaracion(1, 2009, 12, 3); }},
        {"cDeclaraciones.ObtenerDeclaracionAno cTDeclaraciones.ObtenerDeclaracionAno ",
         [&] { d_->ObtenerDeclaracionAno(1, 2009); }},
        {"cDeclaraciones.ObtenerBimensualidad cTDeclaraciones.ObtenerBimensualidad ",
         [&] { d_->ObtenerBimensualidad(1); }},
        {"cDeclaraciones.MaxEjerPer ", [&] { d_->MaxEjerPer(false); }},
        {"cDeclaraciones.ObtenerMonedaDcion ", [&] { d_->ObtenerMonedaDcion(1); }},
        {"cDeclaraciones.ObtenerTotalDeclaradosVarDtes ",
         [&] { d_->ObtenerTotalDeclaradosVarDtes(prueba::Arreglo({1}), 2009, 12); }},
        {"cDeclaraciones.EliminarDeclaracion no such table", [&] { d_->EliminarDeclaracion(1); }},
        {"cDeclaraciones.DuplicarDeclaracion no such table",
         [&] { d_->DuplicarDeclaracion(2010, 3, 2, "E", 1, "", "", 2010); }},
    });
}

}  // namespace
