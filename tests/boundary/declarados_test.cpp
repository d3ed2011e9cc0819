// The declared-entries store, reached by name as the program reaches it.
#include <gtest/gtest.h>

#include <limits>

#include "declaraciones_prueba.h"
#include "quelvodat/cDeclarado.h"

using prueba::Filas;
using prueba::FilasDe;
using prueba::kAguda;
using prueba::Textos;
using rt::Variant;

namespace {

class Declarados : public prueba::BaseDePrueba {
protected:
    void SetUp() override {
        BaseDePrueba::SetUp();
        d_ = Crear<quelvodat::_cDeclarado>("cDeclarado");
        Sql("INSERT INTO TDeclaraciones (coddecla, coddecr, ejercicio, periodo, moneda, "
            "periodicidad) VALUES (5, 1, 2010, 6, 'E', 2), (6, 1, 2010, 9, 'E', 2)");
    }
    // An entry in the save order, with some of its elements changed.
    static Variant Entrada(std::initializer_list<std::pair<int, Variant>> cambios = {}) {
        Variant a = prueba::Arreglo({0, 5, "PL", "1234567890", "O'BRIEN LTD", "E", 1234.56, "-",
                                     "6", 2010, "X", "R", 2});
        for (const auto& [i, v] : cambios) a(i) = v;
        return a;
    }
    int32_t Guardar(std::initializer_list<std::pair<int, Variant>> cambios = {}) {
        return d_->GuardarDeclarado(Entrada(cambios));
    }
    std::string Fila(int32_t codope) {
        return Valor("SELECT coddeclar || '|' || paiso || '|' || paisaux || '|' || nifo || '|' "
                     "|| razon || '|' || tipoopo || '|' || claveopo || '|' || base || '|' || "
                     "typeof(base) || '|' || signoo || '|' || ejercicioo || '|' || periodoo "
                     "|| '|' || triangularo || '|' || periodicidad FROM tOperadores "
                     "WHERE codope = " + std::to_string(codope));
    }

    std::shared_ptr<quelvodat::_cDeclarado> d_;
};

TEST_F(Declarados, SaveAndLoadEveryFieldInItsOwnOrder) {
    int32_t clave = Guardar();
    EXPECT_GT(clave, 0);
    EXPECT_EQ(Fila(clave),
              "5|PL| |1234567890|O" + kAguda + "BRIEN LTD|R|E|1234.56|real|-|2010|6|X|2");
    Variant r = d_->CargarDeclarado(clave);
    EXPECT_EQ(rt::UBound(r), 12);
    EXPECT_EQ(prueba::FilaDe(r), (Textos{"5", "PL", "1234567890", "O'BRIEN LTD", "E", "1234,56",
                                         "-", "2010", "6", "X", "2", "R"}));
    EXPECT_TRUE(Cerrada());

    // Empty texts are stored as one blank, all but the key read back so.
    clave = Guardar({{2, ""}, {3, ""}, {4, ""}, {5, ""}, {7, ""}, {10, ""}, {11, ""}});
    EXPECT_EQ(prueba::FilaDe(d_->CargarDeclarado(clave)),
              (Textos{"5", " ", " ", " ", "", "1234,56", " ", "2010", "6", " ", "2", " "}));
}

TEST_F(Declarados, RectifiedPeriodIsReadAsANumberOrZero) {
    const std::pair<Variant, const char*> casos[] = {
        {"6", "6"}, {"", "0"},       {"AB", "0"}, {"6,5", "0"},
        {" 6", "0"}, {Variant(), "0"}, {12, "12"}};
    for (const auto& [periodo, guardado] : casos)
        EXPECT_EQ(Valor("SELECT periodoo FROM tOperadores WHERE codope = " +
                        std::to_string(Guardar({{8, periodo}}))),
                  guardado);
}

TEST_F(Declarados, UpdateByKeyAndTheKeysThatUpdateNothing) {
    int32_t clave = Guardar();
    EXPECT_EQ(Guardar({{0, clave}, {1, 6}, {4, "D'ARCY"}, {6, "-10,25"}}), clave);
    EXPECT_TRUE(Cerrada());
    EXPECT_EQ(Fila(clave), "6|PL| |1234567890|D" + kAguda + "ARCY|R|E|-10.25|real|-|2010|6|X|2");
    // A negative key is the program's "nothing to save"; a key no entry has
    // must not pass for a saved entry.
    EXPECT_EQ(Guardar({{0, -1}}), -1);
    auto e = prueba::ErrorDe([&] { Guardar({{0, clave + 100}}); });
    EXPECT_EQ(e.Number, 3021);
    EXPECT_NE(e.Description.find(std::to_string(clave + 100)), std::string::npos);
    EXPECT_EQ(Cuenta("tOperadores"), 1);
    EXPECT_TRUE(Cerrada());
}

TEST_F(Declarados, ValuesThatDoNotConvertSaveNothing) {
    EXPECT_EQ(prueba::NumeroDeError([&] { Guardar({{6, "MUCHO"}}); }), rt::err::TypeMismatch);
    // Beyond the 16-bit column value.
    EXPECT_EQ(prueba::NumeroDeError([&] { Guardar({{12, 40000}}); }), rt::err::Overflow);
    EXPECT_EQ(Cuenta("tOperadores"), 0);
    EXPECT_TRUE(Cerrada());
}

TEST_F(Declarados, ApostrophesInOtherTextsAreStoredAsTheyCame) {
    const std::string nif = "12'; DROP TABLE tOperadores; --";
    int32_t clave = Guardar({{3, nif}, {7, "'"}});
    EXPECT_EQ(Valor("SELECT nifo || signoo FROM tOperadores WHERE codope = " +
                    std::to_string(clave)),
              nif + "'");
    EXPECT_TRUE(d_->DeclaradosCoincidentes(5, nif, "E", "X", 2010, 6));
}

TEST_F(Declarados, DuplicateTestComparesSixColumns) {
    int32_t clave = Guardar();
    int32_t otra = Guardar({{3, ""}, {10, ""}});
    const struct {
        const char* nombre;
        int32_t declaracion;
        std::string nif, clave, marca;
        int32_t ejercicio, periodo, editada;  // editada 0: not editing
        bool esperado;
    } casos[] = {
        {"equal", 5, "1234567890", "E", "X", 2010, 6, 0, true},
        {"other declaration", 6, "1234567890", "E", "X", 2010, 6, 0, false},
        {"other VAT number", 5, "1234567891", "E", "X", 2010, 6, 0, false},
        {"other key", 5, "1234567890", "A", "X", 2010, 6, 0, false},
        {"no mark", 5, "1234567890", "E", "", 2010, 6, 0, false},
        {"other exercise", 5, "1234567890", "E", "X", 2009, 6, 0, false},
        {"other period", 5, "1234567890", "E", "X", 2010, 3, 0, false},
        {"letter case", 5, "1234567890", "e", "x", 2010, 6, 0, true},
        {"empty as blank", 5, "", "E", "", 2010, 6, 0, true},
        {"editing itself", 5, "1234567890", "E", "X", 2010, 6, clave, false},
        {"editing another", 5, "1234567890", "E", "X", 2010, 6, otra, true},
    };
    for (const auto& c : casos)
        EXPECT_EQ(d_->DeclaradosCoincidentes(c.declaracion, c.nif, c.clave, c.marca, c.ejercicio,
                                             c.periodo, c.editada != 0, c.editada),
                  c.esperado)
            << c.nombre;
    EXPECT_TRUE(Cerrada());
}

TEST_F(Declarados, ListsOfADeclaration) {
    EXPECT_TRUE(d_->ObtenerDeclarados(5).isNull());
    EXPECT_TRUE(d_->ObtenerTodosLosDecl(5).isNull());
    auto a = std::to_string(Guardar({{5, "T"}, {3, "B2"}}));
    auto b = std::to_string(Guardar({{5, "A"}, {3, "Z9"}, {4, "L'AMI"}, {6, 7.0}}));
    Guardar({{5, "A"}, {3, "A1"}, {1, 6}});
    auto d = std::to_string(Guardar({{5, "A"}, {3, "M5"}}));
    // In entry order; then every column, by operation key and VAT number.
    EXPECT_EQ(FilasDe(d_->ObtenerDeclarados(5)),
              (Filas{{a, "PL", "B2", "O'BRIEN LTD", "T", "1234,56", "R"},
                     {b, "PL", "Z9", "L'AMI", "A", "7", "R"},
                     {d, "PL", "M5", "O'BRIEN LTD", "A", "1234,56", "R"}}));
    auto todas = [](const std::string& k, const char* nif, const char* razon, const char* clave,
                    const char* base) {
        return Textos{k, "5", "PL", " ", nif, razon, "R", clave, base, "-", "2010", "6", "X", "2"};
    };
    EXPECT_EQ(FilasDe(d_->ObtenerTodosLosDecl(5)),
              (Filas{todas(d, "M5", "O'BRIEN LTD", "A", "1234,56"),
                     todas(b, "Z9", "L'AMI", "A", "7"),
                     todas(a, "B2", "O'BRIEN LTD", "T", "1234,56")}));
    EXPECT_TRUE(Cerrada());
}

TEST_F(Declarados, NegativeBasesAndWhetherADeclarationHasEntries) {
    EXPECT_FALSE(d_->comprobarBaseImpNegativas(5));
    EXPECT_FALSE(d_->TieneDeclarados(5));
    Guardar({{6, 0.0}});
    EXPECT_TRUE(d_->TieneDeclarados(5));
    EXPECT_FALSE(d_->TieneDeclarados(6));
    Guardar({{6, -0.01}, {1, 6}});
    EXPECT_FALSE(d_->comprobarBaseImpNegativas(5));
    EXPECT_TRUE(d_->comprobarBaseImpNegativas(6));
    EXPECT_TRUE(d_->TieneDeclarados(6));
    EXPECT_FALSE(d_->TieneDeclarados(7));
    EXPECT_TRUE(Cerrada());
}

TEST_F(Declarados, LoadAndDeleteByKey) {
    int32_t a = Guardar();
    int32_t b = Guardar();
    EXPECT_TRUE(d_->CargarDeclarado(b + 1).isNull());
    EXPECT_TRUE(d_->CargarDeclarado(0).isNull());
    d_->EliminarDeclarado(a);
    EXPECT_TRUE(d_->CargarDeclarado(a).isNull());
    EXPECT_FALSE(d_->CargarDeclarado(b).isNull());
    EXPECT_EQ(prueba::NumeroDeError([&] { d_->EliminarDeclarado(a); }), 0);
    EXPECT_EQ(Cuenta("tOperadores"), 1);
    EXPECT_TRUE(Cerrada());
}

TEST_F(Declarados, FailuresCarryTheMemberLocationAndCloseTheDatabase) {
    Sql("DROP TABLE tOperadores");
    Fallan({
        {"cdeclarado.DeclaradosCoincidentes ",
         [&] { d_->DeclaradosCoincidentes(5, "N", "E", "", 2010, 6); }},
        {"cdeclarado.ObtenerDeclarados cTDeclarados.ObtenerDeclarados ",
         [&] { d_->ObtenerDeclarados(5); }},
        {"cdeclarado.ObtenerTodosLosDecl cTDeclarados.ObtenerTodosLosDecl ",
         [&] { d_->ObtenerTodosLosDecl(5); }},
        {"cdeclarado.comprobarBaseImpNegativas cTDeclarados.comprobarBaseImpNegativas ",
         [&] { d_->comprobarBaseImpNegativas(5); }},
        {"cdeclarado.TieneDeclarados cTDeclarados.TieneDeclarados ",
         [&] { d_->TieneDeclarados(5); }},
        {"cdeclarado.CargarDeclarado cTDeclarados.CargarDeclarado ",
         [&] { d_->CargarDeclarado(1); }},
        {"cdeclarado.EliminarDeclarado ", [&] { d_->EliminarDeclarado(1); }},
        {"cdeclarado.GuardarDeclarado no such table", [&] { Guardar(); }},
    });
}

// An amount that is no number, or an entry of a declaration that does not
// exist, is refused with the member's location and nothing is stored.
TEST_F(Declarados, SaveRefusesWhatNoListCouldShow) {
    const double infinito = std::numeric_limits<double>::infinity();
    const struct {
        const char* nombre;
        std::initializer_list<std::pair<int, Variant>> cambios;
        int32_t numero;
    } casos[] = {
        {"NaN", {{6, std::numeric_limits<double>::quiet_NaN()}}, rt::err::TypeMismatch},
        {"infinity", {{6, infinito}}, rt::err::TypeMismatch},
        {"minus infinity", {{6, -infinito}}, rt::err::TypeMismatch},
        {"no such declaration", {{1, 99}}, 3021},
        {"moved to no declaration", {{0, 1}, {1, 99}}, 3021},
    };
    const int32_t existente = Guardar();
    ASSERT_EQ(existente, 1);
    const std::string fila = Fila(existente);
    for (const auto& c : casos) {
        auto e = prueba::ErrorDe([&] { Guardar(c.cambios); });
        EXPECT_EQ(e.Number, c.numero) << c.nombre;
        EXPECT_EQ(e.Description.rfind("cdeclarado.GuardarDeclarado ", 0), 0u) << e.Description;
        EXPECT_EQ(Cuenta("tOperadores"), 1) << c.nombre;
        EXPECT_EQ(Fila(existente), fila) << c.nombre;
        EXPECT_TRUE(Cerrada()) << c.nombre;
    }
}

}  // namespace
