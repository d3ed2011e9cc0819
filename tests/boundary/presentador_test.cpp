// The presenter store, reached by name as the program reaches it.
#include <gtest/gtest.h>

#include "comun/numero_de_error.h"

#include <filesystem>
#include <functional>

#include "consulta_db.h"
#include "fixture_db.h"
#include "quelvodat/cPresentador.h"
#include "quelvort/error.h"
#include "quelvort/object.h"

namespace fs = std::filesystem;
using quelvodat::_cPresentador;
using rt::Variant;

namespace {

const std::string kAguda = "\xC2\xB4";  // "´"

// The presenter as the program sends it: municipality at 11, postal code at 12.
Variant guardado(int32_t codpres) {
    rt::VArray a(0, 15);
    a.at(0) = codpres;
    a.at(1) = "B48000001";
    a.at(2) = "ASESORES DEL NORTE SL";
    a.at(3) = "AV";
    a.at(4) = "GASTEIZ";
    a.at(5) = 21;
    a.at(6) = "A";
    a.at(7) = "IZQ";
    a.at(8) = "2";
    a.at(9) = "DR";
    a.at(10) = 1;
    a.at(11) = "VITORIA-GASTEIZ";
    a.at(12) = "01001";
    a.at(13) = 945111222;
    a.at(14) = "MIREN ETXEBERRIA";
    a.at(15) = 655333444;
    return a;
}

class Presentador : public ::testing::Test {
protected:
    void SetUp() override {
        auto info = ::testing::UnitTest::GetInstance()->current_test_info();
        carpeta_ = prueba::CarpetaTemporal(std::string(info->test_suite_name()) + "-" +
                                           info->name());
        mod_ = prueba::CrearBaseUsuarioPrueba(carpeta_);
        pre_ = rt::CreateObjectAs<_cPresentador>("Quelvodat.cPresentador");
        pre_->mdbmod(mod_);
        pre_->mdblec(prueba::RutaBaseReferencia());
    }
    void TearDown() override { fs::remove_all(carpeta_); }

    Variant cargar() {
        Variant r;
        pre_->CargarPresentador(r);
        return r;
    }
    std::string enTabla(const std::string& columna) {
        return prueba::Valor(mod_, "SELECT " + columna + " FROM TPresentador");
    }
    std::string filas() { return prueba::Valor(mod_, "SELECT count(*) FROM TPresentador"); }
    bool cerrada() const { return !fs::exists(mod_ + "-wal"); }

    fs::path carpeta_;
    std::string mod_;
    std::shared_ptr<_cPresentador> pre_;
};

TEST_F(Presentador, NoneStoredLoadsKeyZeroAndDefaults) {
    const Variant vacio[] = {0, "", "", "", "", 0, "", "", "", "", 0, 0, "", 0, "", 0};
    Variant r = cargar();
    ASSERT_EQ(rt::LBound(r), 0);
    ASSERT_EQ(rt::UBound(r), 15);
    for (int i = 0; i <= 15; ++i) EXPECT_EQ(r(i), vacio[i]) << "index " << i;
    EXPECT_TRUE(cerrada());
}

TEST_F(Presentador, SaveAndLoadEveryFieldInBothOrders) {
    EXPECT_EQ(pre_->GuardarPresentador(guardado(0)), 0);
    EXPECT_TRUE(cerrada());
    Variant r = cargar();
    ASSERT_EQ(rt::UBound(r), 15);
    int32_t clave = r(0).lng();
    EXPECT_GT(clave, 0);
    // The postal code is stored whole and loads as a number at 11.
    const Variant esperado[] = {clave,   "B48000001", "ASESORES DEL NORTE SL", "AV", "GASTEIZ",
                                21,      "A",         "IZQ",                   "2",  "DR",
                                1,       1001,        "VITORIA-GASTEIZ",       945111222,
                                "MIREN ETXEBERRIA",   655333444};
    for (int i = 0; i <= 15; ++i) EXPECT_EQ(r(i), esperado[i]) << "index " << i;
    EXPECT_EQ(enTabla("codpostal"), "1001");

    // Saved again with its key: the same row, still answering 0.
    auto a = guardado(clave);
    a(11) = "LLODIO";
    a(12) = "01400";
    EXPECT_EQ(pre_->GuardarPresentador(a), 0);
    r = cargar();
    EXPECT_EQ(r(0), Variant(clave));
    EXPECT_EQ(r(11), Variant(1400));
    EXPECT_EQ(r(12), Variant("LLODIO"));
    EXPECT_EQ(filas(), "1");
}

TEST_F(Presentador, ASaveWithoutKeyReplacesTheStoredOne) {
    pre_->GuardarPresentador(guardado(0));
    int32_t clave = cargar()(0).lng();
    auto a = guardado(0);
    a(2) = "OTRO NOMBRE";
    pre_->GuardarPresentador(a);
    EXPECT_EQ(filas(), "1");
    Variant r = cargar();
    EXPECT_EQ(r(0), Variant(clave));
    EXPECT_EQ(r(2), Variant("OTRO NOMBRE"));

    // A key no row has is refused, not reported as saved.
    auto b = guardado(clave + 5);
    try {
        pre_->GuardarPresentador(b);
        FAIL() << "saved under a missing key";
    } catch (const rt::Error& e) {
        EXPECT_EQ(e.Number, 3021);
    }
    EXPECT_EQ(filas(), "1");
}

TEST_F(Presentador, OfSeveralStoredTheLowestKeyIsThePresenter) {
    prueba::EjecutarSql(mod_, "INSERT INTO TPresentador (codpres, dni_cif, nombre, via, "
                              "domicilio, numero, letra, escalera, piso, mano, cod, codpostal, "
                              "municipio, telefono, nombrep, telefonop) VALUES "
                              "(7, 'B7', 'SIETE', ' ', ' ', 0, ' ', ' ', ' ', ' ', 1, 1001, ' ', "
                              "0, ' ', 0), (3, 'B3', 'TRES', ' ', ' ', 0, ' ', ' ', ' ', ' ', 1, "
                              "1001, ' ', 0, ' ', 0);");
    Variant r = cargar();
    EXPECT_EQ(r(0), Variant(3));
    EXPECT_EQ(r(2), Variant("TRES"));
    pre_->GuardarPresentador(guardado(0));
    EXPECT_EQ(prueba::Valor(mod_, "SELECT nombre FROM TPresentador WHERE codpres = 3"),
              "ASESORES DEL NORTE SL");
    EXPECT_EQ(prueba::Valor(mod_, "SELECT nombre FROM TPresentador WHERE codpres = 7"), "SIETE");
}

TEST_F(Presentador, EmptyTextsAreStoredAsOneBlank) {
    auto a = guardado(0);
    for (int i : {1, 3, 6, 7, 8, 9, 14}) a(i) = "";
    pre_->GuardarPresentador(a);
    for (const char* columna : {"dni_cif", "via", "letra", "escalera", "piso", "mano", "nombrep"})
        EXPECT_EQ(enTabla(columna), " ") << columna;
    Variant r = cargar();
    for (int i : {1, 3, 6, 7, 8, 9}) EXPECT_EQ(r(i), Variant("")) << "index " << i;
    EXPECT_EQ(r(14), Variant(" "));
}

TEST_F(Presentador, ApostrophesAreKeptAsTheAcuteAccentWhereTheColumnNeedsIt) {
    struct Caso {
        int guardado, cargado;
        const char* columna;
        bool escapada;
    } casos[] = {{1, 1, "dni_cif", false},    {2, 2, "nombre", true},    {3, 3, "via", false},
                 {4, 4, "domicilio", true},   {6, 6, "letra", true},     {7, 7, "escalera", true},
                 {8, 8, "piso", true},        {9, 9, "mano", true},      {11, 12, "municipio", true},
                 {14, 14, "nombrep", true}};
    for (const auto& c : casos) {
        auto a = guardado(0);
        a(c.guardado) = "O'NEIL'S";
        pre_->GuardarPresentador(a);
        std::string esperado = c.escapada ? "O" + kAguda + "NEIL" + kAguda + "S" : "O'NEIL'S";
        EXPECT_EQ(enTabla(c.columna), esperado) << c.columna;
        EXPECT_EQ(cargar()(c.cargado), Variant(esperado)) << c.columna;
    }
    EXPECT_EQ(filas(), "1");
}

TEST_F(Presentador, ValuesThatDoNotConvertStoreNothing) {
    for (int indice : {0, 5, 10, 12, 13, 15}) {
        auto a = guardado(0);
        a(indice) = "12A";
        EXPECT_EQ(prueba::NumeroDeError([&] { pre_->GuardarPresentador(a); }), rt::err::TypeMismatch)
            << "index " << indice;
    }
    EXPECT_EQ(filas(), "0");
    EXPECT_TRUE(cerrada());
}

TEST_F(Presentador, DeletingTheStoredKeyEmptiesTheTable) {
    pre_->GuardarPresentador(guardado(0));
    int32_t clave = cargar()(0).lng();
    pre_->EliminarPresentador(clave + 1);
    EXPECT_EQ(filas(), "1");
    pre_->EliminarPresentador(clave);
    EXPECT_TRUE(cerrada());
    EXPECT_EQ(filas(), "0");
    EXPECT_EQ(cargar()(0), Variant(0));
}

TEST_F(Presentador, ErrorsCarryTheLocationOfDeleteOnly) {
    prueba::EjecutarSql(mod_, "DROP TABLE TPresentador;");
    struct Caso {
        const char* prefijo;
        std::function<void()> llamada;
    } casos[] = {
        {"cPresentador.EliminarPresentador no such table", [&] { pre_->EliminarPresentador(1); }},
        {"no such table", [&] { cargar(); }},
        {"no such table", [&] { pre_->GuardarPresentador(guardado(0)); }},
    };
    for (const auto& c : casos) {
        std::string texto;
        EXPECT_EQ(prueba::NumeroDeError(c.llamada, &texto), 3001) << c.prefijo;
        EXPECT_EQ(texto.rfind(c.prefijo, 0), 0u) << texto;
        EXPECT_TRUE(cerrada()) << c.prefijo;
    }
}

}  // namespace
