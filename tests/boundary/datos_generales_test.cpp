// Reference lookups, counts and preferences through "Quelvodat.cDatosGenerales".
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "boundary/fixture_db.h"
#include "quelvodat/cDatosGenerales.h"
#include "quelvort/error.h"
#include "quelvort/object.h"

namespace fs = std::filesystem;
using quelvodat::_cDatosGenerales;

namespace {

class DatosGenerales : public ::testing::Test {
protected:
    void SetUp() override {
        carpeta_ = prueba::CarpetaTemporal(
            std::string("datosgen-") +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        mod_ = prueba::CrearBaseUsuarioPrueba(carpeta_);
        obj_ = rt::CreateObjectAs<_cDatosGenerales>("Quelvodat.cDatosGenerales");
        obj_->mdbmod(mod_);
        obj_->mdblec(prueba::RutaBaseReferencia());
    }
    void TearDown() override { fs::remove_all(carpeta_); }

    // The library keeps the user database in WAL mode: its log file lives
    // exactly as long as a handle is open.
    bool baseUsuarioCerrada() const { return !fs::exists(mod_ + "-wal"); }

    // Column 0 of every row of a query on the user database, as texts.
    std::vector<std::string> filas(const std::string& sql) {
        std::vector<std::string> r;
        sqlite3* db = nullptr;
        sqlite3_open(mod_.c_str(), &db);
        sqlite3_exec(
            db, sql.c_str(),
            [](void* out, int, char** valores, char**) {
                static_cast<std::vector<std::string>*>(out)->push_back(valores[0] ? valores[0]
                                                                                  : "<null>");
                return 0;
            },
            &r, nullptr);
        sqlite3_close(db);
        return r;
    }

    fs::path carpeta_;
    std::string mod_;
    std::shared_ptr<_cDatosGenerales> obj_;
};

rt::Error errorDe(const std::function<void()>& f) {
    try {
        f();
    } catch (const rt::Error& e) {
        return e;
    }
    return rt::Error(0, "", "no error");
}

std::string codigo2(int n) {
    char b[3];
    std::snprintf(b, sizeof b, "%02d", n);
    return b;
}

}  // namespace

TEST_F(DatosGenerales, NameLookups) {
    enum Que { Via, Provincia, Pais };
    struct Caso {
        Que que;
        std::string codigo;
        int32_t idioma;
        std::string esperado;
    };
    const std::vector<Caso> casos = {
        {Via, "CL", 0, "CALLE"},          {Via, "CL", 10000, "KALEA"},
        {Via, "CL", 1, "KALEA"},          {Via, "GV", 0, "GRAN VÍA"},
        {Via, "cl", 0, "CALLE"},          {Via, " CL", 0, ""},
        {Via, "CL' OR 'A'='A", 0, ""},    {Provincia, "01", 0, "ARABA/ÁLAVA"},
        {Provincia, "01", 10000, "ARABA"}, {Provincia, "48", 10000, "BIZKAIA"},
        {Provincia, "15", 0, "A CORUÑA"}, {Provincia, "1", 0, ""},
        {Provincia, "53", 0, ""},         {Pais, "NL", 0, "PAÍSES BAJOS"},
        {Pais, "nl", -1, "HERBEHEREAK"},  {Pais, "ES", 0, ""},
        {Pais, "--", 0, ""},
    };
    for (const auto& c : casos) {
        std::string r = c.que == Via         ? obj_->ObtenerDescriVia(c.codigo, c.idioma)
                        : c.que == Provincia ? obj_->ObtenerNombreProvincia(c.codigo, c.idioma)
                                             : obj_->ObtenerNombrePais(c.codigo, c.idioma);
        EXPECT_EQ(r, c.esperado) << c.que << " \"" << c.codigo << "\" " << c.idioma;
    }
}

TEST_F(DatosGenerales, ServiceAddresses) {
    EXPECT_EQ(obj_->RecogerRutaURL(1), "https://arbeko.example/794/presentacion");
    for (uint8_t registro : {0, 2, 255})
        EXPECT_EQ(obj_->RecogerRutaURL(registro),
                  "https://arbeko.example/794/presentacion-certificado")
            << int(registro);
    EXPECT_EQ(obj_->ObtenerURLAct(), "https://arbeko.example/794/version");
}

TEST_F(DatosGenerales, Language) {
    EXPECT_EQ(obj_->ObtenerIdioma(), "C");
    obj_->CambiarIdioma("E");
    EXPECT_EQ(obj_->ObtenerIdioma(), "E");
    EXPECT_TRUE(baseUsuarioCerrada());

    prueba::EjecutarSql(mod_, "UPDATE tgeneral SET Idioma = ' E  '");
    EXPECT_EQ(obj_->ObtenerIdioma(), "E");

    // Without a settings row: Spanish, and saving creates the row.
    prueba::EjecutarSql(mod_, "DELETE FROM tgeneral");
    EXPECT_EQ(obj_->ObtenerIdioma(), "C");
    obj_->CambiarIdioma("E");
    EXPECT_EQ(filas("SELECT Idioma || '|' || ActOnline FROM tgeneral"),
              std::vector<std::string>{"E|-1"});
    EXPECT_TRUE(baseUsuarioCerrada());
}

TEST_F(DatosGenerales, OnlineCheckFlag) {
    EXPECT_EQ(obj_->ObtenerActOnline(), -1);
    EXPECT_TRUE(obj_->GuardarActOnline(1).isEmpty());
    EXPECT_EQ(obj_->ObtenerActOnline(), 1);
    EXPECT_TRUE(baseUsuarioCerrada());

    prueba::EjecutarSql(mod_, "DELETE FROM tgeneral");
    EXPECT_EQ(obj_->ObtenerActOnline(), 0);
    obj_->GuardarActOnline(0);
    EXPECT_EQ(filas("SELECT Idioma || '|' || ActOnline FROM tgeneral"),
              std::vector<std::string>{"C|0"});

    // Every row is written, none added.
    prueba::EjecutarSql(mod_, "INSERT INTO tgeneral VALUES ('E', 5)");
    obj_->GuardarActOnline(1);
    obj_->CambiarIdioma("C");
    EXPECT_EQ(filas("SELECT Idioma || '|' || ActOnline FROM tgeneral ORDER BY rowid"),
              (std::vector<std::string>{"C|1", "C|1"}));
}

TEST_F(DatosGenerales, AFailingReadClosesTheDatabaseToo) {
    prueba::EjecutarSql(mod_, "UPDATE tgeneral SET Idioma = NULL, ActOnline = 'sí'");
    EXPECT_EQ(errorDe([&] { obj_->ObtenerIdioma(); }).Number, rt::err::InvalidUseOfNull);
    EXPECT_TRUE(baseUsuarioCerrada());
    EXPECT_EQ(errorDe([&] { obj_->ObtenerActOnline(); }).Number, rt::err::TypeMismatch);
    EXPECT_TRUE(baseUsuarioCerrada());
    obj_->CambiarIdioma("E");
    EXPECT_EQ(obj_->ObtenerIdioma(), "E");
}

TEST_F(DatosGenerales, NumberOfDeclarants) {
    EXPECT_EQ(obj_->NumeroDeclarantes(), 0);
    prueba::EjecutarSql(mod_, "INSERT INTO TDeclarante (dni_cifd) VALUES ('A'), ('B'), ('C')");
    EXPECT_EQ(obj_->NumeroDeclarantes(), 3);
    EXPECT_TRUE(baseUsuarioCerrada());

    obj_->mdbmod((carpeta_ / "no-existe.mdb").string());
    auto e = errorDe([&] { obj_->NumeroDeclarantes(); });
    EXPECT_EQ(e.Number, 3014);
    EXPECT_EQ(e.Description.rfind("cDatosGenerales.NumeroDeclarantes ", 0), 0u) << e.Description;
}

TEST_F(DatosGenerales, CurrencyNamesBecomeCodes) {
    prueba::EjecutarSql(mod_, "INSERT INTO TDeclaraciones (moneda) VALUES "
                              "('Euros'), ('Pesetas'), ('E'), ('P'), ('euros'), ('Dólares'), "
                              "('Euros '), (NULL)");
    const std::vector<std::string> esperado = {"E", "P", "E", "P", "E", "Dólares", "Euros ",
                                               "<null>"};
    obj_->ActualizarMoneda();
    EXPECT_EQ(filas("SELECT moneda FROM TDeclaraciones ORDER BY coddecla"), esperado);
    obj_->ActualizarMoneda();
    EXPECT_EQ(filas("SELECT moneda FROM TDeclaraciones ORDER BY coddecla"), esperado);
    EXPECT_TRUE(baseUsuarioCerrada());

    prueba::EjecutarSql(mod_, "DROP TABLE TDeclaraciones");
    auto e = errorDe([&] { obj_->ActualizarMoneda(); });
    EXPECT_EQ(e.Description.rfind("cDatosGenerales.ActualizarMoneda no such table", 0), 0u)
        << e.Description;
    EXPECT_TRUE(baseUsuarioCerrada());
}

TEST_F(DatosGenerales, WholeSelectAsAList) {
    auto r = obj_->CargarResultado(
        "SELECT Codigo, Cas FROM TSIGLASVIA WHERE codigo IN ('CL', 'AV') ORDER BY codigo");
    ASSERT_TRUE(r.isArray());
    EXPECT_EQ(rt::UBound(r, 1), 2);
    EXPECT_EQ(rt::UBound(r, 2), 2);
    EXPECT_EQ(r(0, 1), rt::Variant("AV"));
    EXPECT_EQ(r(1, 1), rt::Variant("Avenida"));
    EXPECT_EQ(r(0, 2), rt::Variant("CL"));
    EXPECT_EQ(r(1, 2), rt::Variant("Calle"));
    EXPECT_TRUE(r(2, 1).isEmpty());
    EXPECT_TRUE(r(0, 0).isEmpty());

    // Numbers arrive as texts; lower case and leading blanks are fine.
    auto n = obj_->CargarResultado("\n  select ejercicio, periodo FROM TSiglasPais "
                                   "WHERE SIGLASPAIS = 'HR'");
    ASSERT_TRUE(n.isArray());
    EXPECT_EQ(n(0, 1), rt::Variant("2013"));
    EXPECT_EQ(n(1, 1), rt::Variant("7"));

    EXPECT_TRUE(obj_->CargarResultado("SELECT * FROM TSIGLASVIA WHERE codigo = 'XX'").isNull());
    EXPECT_EQ(errorDe([&] { obj_->CargarResultado("SELECT * FROM no_existe"); }).Number, 3001);
}

TEST_F(DatosGenerales, WholeSelectRefusesEverythingElse) {
    for (const char* sql : {"DELETE FROM TSIGLASVIA", "SELECT 1; DELETE FROM TSIGLASVIA",
                            "PRAGMA table_info(TSIGLASVIA)", "ATTACH 'otra.db' AS otra",
                            "SELECTED", ""}) {
        auto e = errorDe([&] { obj_->CargarResultado(sql); });
        EXPECT_NE(e.Number, 0) << sql;
    }
    EXPECT_EQ(errorDe([&] { obj_->CargarResultado("DELETE FROM TSIGLASVIA"); }).Number,
              rt::err::InvalidArgument);
    auto r = obj_->CargarResultado("SELECT count(*) FROM TSIGLASVIA");
    EXPECT_EQ(r(0, 1), rt::Variant("14"));
}

TEST_F(DatosGenerales, MemberStateStart) {
    const std::vector<std::pair<std::string, int32_t>> casos = {
        {"DE", 199301}, {"GB", 199301}, {"AT", 199501}, {"SE", 199501}, {"CY", 200405},
        {"CZ", 200405}, {"BG", 200701}, {"RO", 200701}, {"HR", 201307}, {"ES", 0},
        {"", 0},        {"--", 0},      {"D'E", 0}};
    for (const auto& [codigo, esperado] : casos)
        EXPECT_EQ(obj_->ObtenerAnoPais(codigo), esperado) << codigo;
}

TEST_F(DatosGenerales, ChecksThatOpenNothing) {
    auto sinRutas = rt::CreateObjectAs<_cDatosGenerales>("Quelvodat.cDatosGenerales");
    EXPECT_TRUE(sinRutas->ValidaNifCif("12345678Z", false));
    EXPECT_FALSE(sinRutas->ValidaNifCif("12345678A", false));
    EXPECT_TRUE(sinRutas->ValidaNifCif("12345678", true));
    EXPECT_TRUE(sinRutas->ValidarNIFExtranjero("123456789", "DE"));
}

TEST(DatosDeReferencia, ProvincesAndMemberStates) {
    auto obj = rt::CreateObjectAs<_cDatosGenerales>("Quelvodat.cDatosGenerales");
    obj->mdblec(prueba::RutaBaseReferencia());

    auto p = obj->CargarResultado("SELECT PRO_ID, PRO_CAS, PRO_EUS FROM TPROVINCIAS ORDER BY PRO_ID");
    ASSERT_TRUE(p.isArray());
    ASSERT_EQ(rt::UBound(p, 2), 52);
    for (int fila = 1; fila <= 52; ++fila) {
        EXPECT_EQ(p(0, fila), rt::Variant(codigo2(fila)));
        EXPECT_NE(p(1, fila), rt::Variant("")) << fila;
        EXPECT_NE(p(2, fila), rt::Variant("")) << fila;
    }

    // Every code of the VAT-number checks but the pseudo-code "--".
    const std::set<std::string> vat = {"RO", "AT", "CY", "IE", "NL", "FR", "GB", "DK", "FI",
                                       "LU", "HU", "MT", "SI", "EL", "DE", "EE", "PT", "PL",
                                       "SK", "BE", "IT", "LV", "HR", "SE", "CZ", "BG", "LT"};
    auto m = obj->CargarResultado("SELECT SIGLASPAIS, PAIS, paiseus FROM TSiglasPais");
    ASSERT_TRUE(m.isArray());
    std::set<std::string> codigos;
    for (int fila = 1; fila <= rt::UBound(m, 2); ++fila) {
        codigos.insert(m(0, fila).str());
        EXPECT_NE(m(1, fila), rt::Variant("")) << fila;
        EXPECT_NE(m(2, fila), rt::Variant("")) << fila;
    }
    EXPECT_EQ(codigos, vat);

    auto k = obj->CargarResultado("SELECT codigo FROM TOperacionesMod "
                                  "WHERE descripcionc <> '' AND descripcione <> '' "
                                  "AND descripcionce = descripcionc "
                                  "AND descripcionee = descripcione");
    ASSERT_TRUE(k.isArray());
    std::set<std::string> claves;
    for (int fila = 1; fila <= rt::UBound(k, 2); ++fila) claves.insert(k(0, fila).str());
    EXPECT_EQ(claves,
              (std::set<std::string>{"1", "2", "3", "4", "E", "A", "T", "S", "I", "M", "H"}));
}
