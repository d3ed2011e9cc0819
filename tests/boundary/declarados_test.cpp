// The declared-entries store, reached by name as the program reaches it.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "declaraciones_prueba.h"
#include "quelvodat/cDeclarado.h"
#include "quelvort/object.h"

using quelvodat::_cDeclarado;
using rt::Variant;

namespace {

// One entry as the program builds its save array, index by index.
struct Declarado {
    Variant codope = 0;
    Variant coddeclar = 5;
    Variant paiso = "PL";
    Variant nifo = "1234567890";
    Variant razon = "O'BRIEN LTD";
    Variant claveopo = "E";
    Variant base = 1234.56;
    Variant signoo = "-";
    Variant periodoo = "6";
    Variant ejercicioo = 2010;
    Variant triangularo = "X";
    Variant tipoopo = "R";
    Variant periodicidad = 2;

    Variant guardado() const {
        rt::VArray a(0, 12);
        a.at(0) = codope;
        a.at(1) = coddeclar;
        a.at(2) = paiso;
        a.at(3) = nifo;
        a.at(4) = razon;
        a.at(5) = claveopo;
        a.at(6) = base;
        a.at(7) = signoo;
        a.at(8) = periodoo;
        a.at(9) = ejercicioo;
        a.at(10) = triangularo;
        a.at(11) = tipoopo;
        a.at(12) = periodicidad;
        return a;
    }
};

class Declarados : public prueba::BaseDePrueba {
protected:
    void SetUp() override {
        BaseDePrueba::SetUp();
        d_ = rt::CreateObjectAs<_cDeclarado>("Quelvodat.cDeclarado");
        d_->mdbmod(mod_);
        d_->mdblec(prueba::RutaBaseReferencia());
        Sql("INSERT INTO TDeclaraciones (coddecla, coddecr, ejercicio, periodo, moneda, "
            "periodicidad) VALUES (5, 1, 2010, 6, 'E', 2), (6, 1, 2010, 9, 'E', 2)");
    }
    std::string Fila(int32_t codope) {
        return Valor("SELECT coddeclar || '|' || paiso || '|' || paisaux || '|' || nifo || '|' "
                     "|| razon || '|' || tipoopo || '|' || claveopo || '|' || base || '|' || "
                     "typeof(base) || '|' || signoo || '|' || ejercicioo || '|' || periodoo "
                     "|| '|' || triangularo || '|' || periodicidad FROM tOperadores "
                     "WHERE codope = " + std::to_string(codope));
    }

    std::shared_ptr<_cDeclarado> d_;
};

TEST_F(Declarados, SaveAndLoadEveryFieldInItsOwnOrder) {
    Declarado e;
    int32_t clave = d_->GuardarDeclarado(e.guardado());
    EXPECT_GT(clave, 0);
    EXPECT_EQ(Fila(clave),
              "5|PL| |1234567890|O" + prueba::kAguda +
                  "BRIEN LTD|R|E|1234.56|real|-|2010|6|X|2");
    EXPECT_EQ(prueba::FilaDe(d_->CargarDeclarado(clave)),
              (std::vector<std::string>{"5", "PL", "1234567890", "O'BRIEN LTD", "E", "1234,56",
                                        "-", "2010", "6", "X", "2", "R"}));
    EXPECT_EQ(rt::UBound(d_->CargarDeclarado(clave)), 12);
    EXPECT_TRUE(Cerrada());
}

TEST_F(Declarados, EmptyTextsAreStoredAsOneBlankExceptTheKey) {
    Declarado e;
    e.signoo = "";
    e.triangularo = "";
    e.tipoopo = "";
    e.nifo = "";
    e.claveopo = "";
    e.razon = "";
    e.paiso = "";
    int32_t clave = d_->GuardarDeclarado(e.guardado());
    EXPECT_EQ(prueba::FilaDe(d_->CargarDeclarado(clave)),
              (std::vector<std::string>{"5", " ", " ", " ", "", "1234,56", " ", "2010", "6", " ",
                                        "2", " "}));
}

TEST_F(Declarados, RectifiedPeriodIsReadAsANumberOrZero) {
    struct Caso {
        Variant periodo;
        const char* guardado;
    } casos[] = {{"6", "6"}, {"", "0"}, {"AB", "0"}, {"6,5", "0"}, {" 6", "0"}, {Variant(), "0"},
                 {12, "12"}};
    for (const auto& caso : casos) {
        Declarado e;
        e.periodoo = caso.periodo;
        int32_t clave = d_->GuardarDeclarado(e.guardado());
        EXPECT_EQ(Valor("SELECT periodoo FROM tOperadores WHERE codope = " + std::to_string(clave)),
                  caso.guardado);
    }
}

TEST_F(Declarados, UpdateByKeyAndTheKeysThatUpdateNothing) {
    Declarado e;
    int32_t clave = d_->GuardarDeclarado(e.guardado());
    e.codope = clave;
    e.coddeclar = 6;
    e.razon = "D'ARCY";
    e.base = "-10,25";
    EXPECT_EQ(d_->GuardarDeclarado(e.guardado()), clave);
    EXPECT_TRUE(Cerrada());
    EXPECT_EQ(Fila(clave),
              "6|PL| |1234567890|D" + prueba::kAguda + "ARCY|R|E|-10.25|real|-|2010|6|X|2");

    // A negative key is the program's "nothing to save".
    e.codope = -1;
    EXPECT_EQ(d_->GuardarDeclarado(e.guardado()), -1);
    // A key no entry has must not pass for a saved entry.
    e.codope = clave + 100;
    auto error = prueba::ErrorDe([&] { d_->GuardarDeclarado(e.guardado()); });
    EXPECT_EQ(error.Number, 3021);
    EXPECT_NE(error.Description.find(std::to_string(clave + 100)), std::string::npos);
    EXPECT_EQ(Cuenta("SELECT count(*) FROM tOperadores"), 1);
    EXPECT_TRUE(Cerrada());
}

TEST_F(Declarados, ValuesThatDoNotConvertSaveNothing) {
    Declarado e;
    e.base = "MUCHO";
    EXPECT_EQ(prueba::ErrorDe([&] { d_->GuardarDeclarado(e.guardado()); }).Number,
              rt::err::TypeMismatch);
    Declarado f;
    f.periodicidad = 40000;  // beyond the 16-bit column value
    EXPECT_EQ(prueba::ErrorDe([&] { d_->GuardarDeclarado(f.guardado()); }).Number,
              rt::err::Overflow);
    EXPECT_EQ(Cuenta("SELECT count(*) FROM tOperadores"), 0);
    EXPECT_TRUE(Cerrada());
}

TEST_F(Declarados, ApostrophesInOtherTextsAreStoredAsTheyCame) {
    Declarado e;
    e.nifo = "12'; DROP TABLE tOperadores; --";
    e.signoo = "'";
    int32_t clave = d_->GuardarDeclarado(e.guardado());
    EXPECT_EQ(Valor("SELECT nifo || signoo FROM tOperadores WHERE codope = " +
                    std::to_string(clave)),
              "12'; DROP TABLE tOperadores; --'");
    EXPECT_TRUE(
        d_->DeclaradosCoincidentes(5, "12'; DROP TABLE tOperadores; --", "E", "X", 2010, 6));
}

TEST_F(Declarados, DuplicateTestComparesSixColumns) {
    Declarado e;
    int32_t clave = d_->GuardarDeclarado(e.guardado());
    Declarado sinMarca;
    sinMarca.triangularo = "";
    sinMarca.nifo = "";
    int32_t otra = d_->GuardarDeclarado(sinMarca.guardado());
    struct Caso {
        const char* nombre;
        int32_t declaracion;
        std::string nif, clave, marca;
        int32_t ejercicio;
        uint8_t periodo;
        bool editar;
        int32_t codope;
        bool esperado;
    } casos[] = {
        {"equal", 5, "1234567890", "E", "X", 2010, 6, false, 0, true},
        {"other declaration", 6, "1234567890", "E", "X", 2010, 6, false, 0, false},
        {"other VAT number", 5, "1234567891", "E", "X", 2010, 6, false, 0, false},
        {"other key", 5, "1234567890", "A", "X", 2010, 6, false, 0, false},
        {"no mark", 5, "1234567890", "E", "", 2010, 6, false, 0, false},
        {"other exercise", 5, "1234567890", "E", "X", 2009, 6, false, 0, false},
        {"other period", 5, "1234567890", "E", "X", 2010, 3, false, 0, false},
        {"letter case", 5, "1234567890", "e", "x", 2010, 6, false, 0, true},
        {"empty as blank", 5, "", "E", "", 2010, 6, false, 0, true},
        {"editing itself", 5, "1234567890", "E", "X", 2010, 6, true, clave, false},
        {"editing another", 5, "1234567890", "E", "X", 2010, 6, true, otra, true},
    };
    for (const auto& c : casos)
        EXPECT_EQ(d_->DeclaradosCoincidentes(c.declaracion, c.nif, c.clave, c.marca, c.ejercicio,
                                             c.periodo, c.editar, c.codope),
                  c.esperado)
            << c.nombre;
    EXPECT_TRUE(Cerrada());
}

TEST_F(Declarados, ListsOfADeclaration) {
    EXPECT_TRUE(d_->ObtenerDeclarados(5).isNull());
    EXPECT_TRUE(d_->ObtenerTodosLosDecl(5).isNull());
    Declarado a;
    a.claveopo = "T";
    a.nifo = "B2";
    Declarado b;
    b.claveopo = "A";
    b.nifo = "Z9";
    b.razon = "L'AMI";
    b.base = 7.0;
    Declarado c;
    c.claveopo = "A";
    c.nifo = "A1";
    c.coddeclar = 6;
    int32_t ka = d_->GuardarDeclarado(a.guardado());
    int32_t kb = d_->GuardarDeclarado(b.guardado());
    d_->GuardarDeclarado(c.guardado());
    Declarado d = a;
    d.claveopo = "A";
    d.nifo = "M5";
    int32_t kd = d_->GuardarDeclarado(d.guardado());

    EXPECT_EQ(prueba::FilasDe(d_->ObtenerDeclarados(5)),
              (prueba::Filas{{std::to_string(ka), "PL", "B2", "O'BRIEN LTD", "T", "1234,56", "R"},
                             {std::to_string(kb), "PL", "Z9", "L'AMI", "A", "7", "R"},
                             {std::to_string(kd), "PL", "M5", "O'BRIEN LTD", "A", "1234,56",
                              "R"}}));
    // Every column in table order, by key and VAT number.
    EXPECT_EQ(prueba::FilasDe(d_->ObtenerTodosLosDecl(5)),
              (prueba::Filas{{std::to_string(kd), "5", "PL", " ", "M5", "O'BRIEN LTD", "R", "A",
                              "1234,56", "-", "2010", "6", "X", "2"},
                             {std::to_string(kb), "5", "PL", " ", "Z9", "L'AMI", "R", "A", "7",
                              "-", "2010", "6", "X", "2"},
                             {std::to_string(ka), "5", "PL", " ", "B2", "O'BRIEN LTD", "R", "T",
                              "1234,56", "-", "2010", "6", "X", "2"}}));
    EXPECT_TRUE(Cerrada());
}

TEST_F(Declarados, NegativeBases) {
    EXPECT_FALSE(d_->comprobarBaseImpNegativas(5));
    Declarado e;
    e.base = 0.0;
    d_->GuardarDeclarado(e.guardado());
    EXPECT_FALSE(d_->comprobarBaseImpNegativas(5));
    e.base = -0.01;
    e.coddeclar = 6;
    d_->GuardarDeclarado(e.guardado());
    EXPECT_FALSE(d_->comprobarBaseImpNegativas(5));
    EXPECT_TRUE(d_->comprobarBaseImpNegativas(6));
    EXPECT_TRUE(Cerrada());
}

TEST_F(Declarados, MoreEntriesThanA16BitCounterHolds) {
    Sql("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 40000) "
        "INSERT INTO tOperadores (coddeclar, paiso, nifo, razon, claveopo, base, tipoopo) "
        "SELECT 5, 'FR', 'N' || i, 'R', 'E', -i, 'N' FROM n");
    EXPECT_TRUE(d_->comprobarBaseImpNegativas(5));
    auto lista = d_->ObtenerDeclarados(5);
    ASSERT_TRUE(lista.isArray());
    EXPECT_EQ(rt::UBound(lista, 2), 40000);
    EXPECT_EQ(lista(2, 40000).str(), "N40000");
    EXPECT_EQ(lista(5, 40000).str(), "-40000");
    EXPECT_EQ(rt::UBound(d_->ObtenerTodosLosDecl(5), 2), 40000);
}

TEST_F(Declarados, LoadAndDeleteByKey) {
    Declarado e;
    int32_t a = d_->GuardarDeclarado(e.guardado());
    int32_t b = d_->GuardarDeclarado(e.guardado());
    EXPECT_TRUE(d_->CargarDeclarado(b + 1).isNull());
    EXPECT_TRUE(d_->CargarDeclarado(0).isNull());
    d_->EliminarDeclarado(a);
    EXPECT_TRUE(d_->CargarDeclarado(a).isNull());
    EXPECT_FALSE(d_->CargarDeclarado(b).isNull());
    EXPECT_EQ(prueba::ErrorDe([&] { d_->EliminarDeclarado(a); }).Number, 0);
    EXPECT_EQ(Cuenta("SELECT count(*) FROM tOperadores"), 1);
    EXPECT_TRUE(Cerrada());
}

TEST_F(Declarados, FailuresCarryTheMemberLocationAndCloseTheDatabase) {
    Sql("DROP TABLE tOperadores");
    struct Caso {
        const char* prefijo;
        std::function<void()> llamada;
    } casos[] = {
        {"cdeclarado.DeclaradosCoincidentes ",
         [&] { d_->DeclaradosCoincidentes(5, "N", "E", "", 2010, 6); }},
        {"cdeclarado.ObtenerDeclarados cTDeclarados.ObtenerDeclarados ",
         [&] { d_->ObtenerDeclarados(5); }},
        {"cdeclarado.ObtenerTodosLosDecl cTDeclarados.ObtenerTodosLosDecl ",
         [&] { d_->ObtenerTodosLosDecl(5); }},
        {"cdeclarado.comprobarBaseImpNegativas cTDeclarados.comprobarBaseImpNegativas ",
         [&] { d_->comprobarBaseImpNegativas(5); }},
        {"cdeclarado.CargarDeclarado cTDeclarados.CargarDeclarado ",
         [&] { d_->CargarDeclarado(1); }},
        {"cdeclarado.EliminarDeclarado ", [&] { d_->EliminarDeclarado(1); }},
        {"no such table", [&] { d_->GuardarDeclarado(Declarado().guardado()); }},
    };
    for (const auto& caso : casos) {
        auto e = prueba::ErrorDe(caso.llamada);
        EXPECT_NE(e.Number, 0) << caso.prefijo;
        EXPECT_EQ(e.Description.rfind(caso.prefijo, 0), 0u) << e.Description;
        EXPECT_NE(e.Description.find("no such table"), std::string::npos) << e.Description;
        EXPECT_TRUE(Cerrada()) << caso.prefijo;
    }
}

}  // namespace
