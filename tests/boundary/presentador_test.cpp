// The presenter store, reached by name as the program reaches it.
#include <gtest/gtest.h>

#include "declaraciones_prueba.h"
#include "quelvodat/cPresentador.h"

using prueba::Arreglo;
using rt::Variant;

namespace {

// The presenter in the save order: municipality at 11, postal code at 12.
Variant Guardado(int32_t codpres = 0) {
    return Arreglo({codpres, "B48000001", "ASESORES DEL NORTE SL", "AV", "GASTEIZ", 21, "A",
                    "IZQ", "2", "DR", 1, "VITORIA-GASTEIZ", "01001", 945111222,
                    "MIREN ETXEBERRIA", 655333444});
}

class Presentador : public prueba::BaseDePrueba {
protected:
    void SetUp() override {
        BaseDePrueba::SetUp();
        pre_ = Crear<quelvodat::_cPresentador>("cPresentador");
    }
    void Guardar(std::initializer_list<std::pair<int, Variant>> cambios, int32_t codpres = 0) {
        Variant a = Guardado(codpres);
        for (const auto& [i, v] : cambios) a(i) = v;
        EXPECT_EQ(pre_->GuardarPresentador(a), 0);
    }
    Variant Cargar() {
        Variant r;
        pre_->CargarPresentador(r);
        return r;
    }
    std::string EnTabla(const std::string& columna) {
        return Valor("SELECT " + columna + " FROM TPresentador");
    }

    std::shared_ptr<quelvodat::_cPresentador> pre_;
};

TEST_F(Presentador, SaveAndLoadEveryFieldInBothOrders) {
    auto comparar = [&](std::initializer_list<Variant> esperado) {
        Variant r = Cargar();
        EXPECT_TRUE(Cerrada());
        EXPECT_EQ(rt::LBound(r), 0);
        EXPECT_EQ(rt::UBound(r), 15);
        for (int i = 0; const Variant& v : esperado) EXPECT_EQ(r(i++), v) << "index " << i - 1;
    };
    comparar({0, "", "", "", "", 0, "", "", "", "", 0, 0, "", 0, "", 0});  // none stored

    Guardar({});
    EXPECT_TRUE(Cerrada());
    int32_t clave = Cargar()(0).lng();
    EXPECT_GT(clave, 0);
    // The postal code is stored whole and loads as a number at 11.
    comparar({clave, "B48000001", "ASESORES DEL NORTE SL", "AV", "GASTEIZ", 21, "A", "IZQ", "2",
              "DR", 1, 1001, "VITORIA-GASTEIZ", 945111222, "MIREN ETXEBERRIA", 655333444});
    EXPECT_EQ(EnTabla("codpostal"), "1001");

    // Saved again with its key: that row. Empty texts are stored as one
    // blank; the contact name alone loads so.
    Guardar({{1, ""}, {3, ""}, {6, ""}, {7, ""}, {8, ""}, {9, ""}, {11, "LLODIO"}, {12, "01400"},
             {14, ""}},
            clave);
    for (const char* columna : {"dni_cif", "via", "letra", "escalera", "piso", "mano", "nombrep"})
        EXPECT_EQ(EnTabla(columna), " ") << columna;
    comparar({clave, "", "ASESORES DEL NORTE SL", "", "GASTEIZ", 21, "", "", "", "", 1, 1400,
              "LLODIO", 945111222, " ", 655333444});
    // Saved without a key: it replaces the stored one.
    Guardar({{2, "OTRO"}});
    EXPECT_EQ(Cargar()(0), Variant(clave));
    EXPECT_EQ(EnTabla("nombre"), "OTRO");
    EXPECT_EQ(Cuenta("TPresentador"), 1);
    // A key no row has is refused, not reported as saved.
    EXPECT_EQ(prueba::NumeroDeError([&] { pre_->GuardarPresentador(Guardado(clave + 5)); }), 3021);
    EXPECT_EQ(Cuenta("TPresentador"), 1);
}

TEST_F(Presentador, OfSeveralStoredTheLowestKeyIsThePresenter) {
    Sql("INSERT INTO TPresentador VALUES (7, 'B7', 'SIETE', ' ', ' ', 0, ' ', ' ', ' ', ' ', 1, "
        "1001, ' ', 0, ' ', 0), (3, 'B3', 'TRES', ' ', ' ', 0, ' ', ' ', ' ', ' ', 1, 1001, ' ', "
        "0, ' ', 0);");
    EXPECT_EQ(Cargar()(2), Variant("TRES"));
    Guardar({});
    EXPECT_EQ(Columna("SELECT nombre FROM TPresentador ORDER BY codpres"),
              (prueba::Textos{"ASESORES DEL NORTE SL", "SIETE"}));
}

TEST_F(Presentador, ApostrophesAreKeptAsTheAcuteAccentWhereTheColumnNeedsIt) {
    const struct { int guardado, cargado; const char* columna; bool escapada; } casos[] = {
        {1, 1, "dni_cif", false},  {2, 2, "nombre", true}, {3, 3, "via", false},
        {4, 4, "domicilio", true}, {6, 6, "letra", true},  {7, 7, "escalera", true},
        {8, 8, "piso", true},      {9, 9, "mano", true},   {11, 12, "municipio", true},
        {14, 14, "nombrep", true}};
    for (const auto& c : casos) {
        Guardar({{c.guardado, "O'NEIL'S"}});
        std::string esperado =
            c.escapada ? "O" + prueba::kAguda + "NEIL" + prueba::kAguda + "S" : "O'NEIL'S";
        EXPECT_EQ(EnTabla(c.columna), esperado) << c.columna;
        EXPECT_EQ(Cargar()(c.cargado), Variant(esperado)) << c.columna;
    }
}

TEST_F(Presentador, ValuesThatDoNotConvertStoreNothing) {
    for (int i : {0, 5, 10, 12, 13, 15})
        EXPECT_EQ(prueba::NumeroDeError([&] { Guardar({{i, "12A"}}); }), rt::err::TypeMismatch)
            << "index " << i;
    EXPECT_EQ(Cuenta("TPresentador"), 0);
    EXPECT_TRUE(Cerrada());
}

TEST_F(Presentador, DeletingTheStoredKeyEmptiesTheTable) {
    Guardar({});
    int32_t clave = Cargar()(0).lng();
    pre_->EliminarPresentador(clave + 1);
    EXPECT_EQ(Cuenta("TPresentador"), 1);
    pre_->EliminarPresentador(clave);
    EXPECT_TRUE(Cerrada());
    EXPECT_EQ(Cargar()(0), Variant(0));
}

TEST_F(Presentador, ErrorsOfChangesCarryTheirLocation) {
    Sql("DROP TABLE TPresentador;");
    Fallan({
        {"cPresentador.EliminarPresentador no such table", [&] { pre_->EliminarPresentador(1); }},
        {"no such table", [&] { Cargar(); }},
        {"cPresentador.GuardarPresentador no such table",
         [&] { pre_->GuardarPresentador(Guardado()); }},
    });
}

}  // namespace
