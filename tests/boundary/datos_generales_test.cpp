// Reference lookups, counts and preferences through "Quelvodat.cDatosGenerales".
#include <gtest/gtest.h>

#include <set>

#include "declaraciones_prueba.h"
#include "quelvodat/cDatosGenerales.h"

using prueba::NumeroDeError;
using prueba::Textos;

namespace {

class DatosGenerales : public prueba::BaseDePrueba {
protected:
    void SetUp() override {
        BaseDePrueba::SetUp();
        obj_ = Crear<quelvodat::_cDatosGenerales>("cDatosGenerales");
    }
    Textos Ajustes() { return Columna("SELECT Idioma || ActOnline FROM tgeneral ORDER BY rowid"); }
    // The first column of a whole select through the class.
    std::set<std::string> Codigos(const std::string& sql) {
        std::set<std::string> codigos;
        for (const auto& fila : prueba::FilasDe(obj_->CargarResultado(sql)))
            codigos.insert(fila[0]);
        return codigos;
    }

    std::shared_ptr<quelvodat::_cDatosGenerales> obj_;
};

TEST_F(DatosGenerales, NameLookups) {
    enum Que { Via, Provincia, Pais };
    // Language 0 is Spanish, anything else Basque.
    const struct { Que que; std::string codigo; int32_t idioma; std::string esperado; } casos[] = {
        {Via, "CL", 0, "CALLE"},             {Via, "CL", 10000, "KALEA"},
        {Via, "cl", 1, "KALEA"},             {Via, "GV", 0, "GRAN VÍA"},
        {Via, " CL", 0, ""},                 {Via, "CL' OR 'A'='A", 0, ""},
        {Provincia, "01", 0, "ARABA/ÁLAVA"}, {Provincia, "48", 10000, "BIZKAIA"},
        {Provincia, "15", 0, "A CORUÑA"},    {Provincia, "1", 0, ""},
        {Pais, "NL", 0, "PAÍSES BAJOS"},     {Pais, "nl", -1, "HERBEHEREAK"},
        {Pais, "ES", 0, ""},
    };
    for (const auto& c : casos) {
        std::string r = c.que == Via         ? obj_->ObtenerDescriVia(c.codigo, c.idioma)
                        : c.que == Provincia ? obj_->ObtenerNombreProvincia(c.codigo, c.idioma)
                                             : obj_->ObtenerNombrePais(c.codigo, c.idioma);
        EXPECT_EQ(r, c.esperado) << c.que << " \"" << c.codigo << "\" " << c.idioma;
    }
    EXPECT_EQ(obj_->ObtenerAnoPais("HR"), 201307);
    EXPECT_EQ(obj_->ObtenerAnoPais("D'E"), 0);
    // Any register but the first goes through the certificate address.
    EXPECT_EQ(obj_->RecogerRutaURL(1), "https://arbeko.example/794/presentacion");
    EXPECT_EQ(obj_->RecogerRutaURL(2), "https://arbeko.example/794/presentacion-certificado");
}

TEST_F(DatosGenerales, LanguageAndOnlineCheck) {
    EXPECT_EQ(obj_->ObtenerIdioma() + std::to_string(obj_->ObtenerActOnline()), "C-1");
    obj_->CambiarIdioma("E");
    EXPECT_TRUE(obj_->GuardarActOnline(1).isEmpty());
    EXPECT_TRUE(Cerrada());
    EXPECT_EQ(Ajustes(), Textos{"E1"});
    Sql("UPDATE tgeneral SET Idioma = ' E  '");
    EXPECT_EQ(obj_->ObtenerIdioma(), "E");

    // Without a settings row: Spanish, not checked; saving creates the row.
    Sql("DELETE FROM tgeneral");
    EXPECT_EQ(obj_->ObtenerIdioma() + std::to_string(obj_->ObtenerActOnline()), "C0");
    obj_->CambiarIdioma("E");
    EXPECT_EQ(Ajustes(), Textos{"E-1"});
    Sql("DELETE FROM tgeneral");
    obj_->GuardarActOnline(0);
    EXPECT_EQ(Ajustes(), Textos{"C0"});
    // Every row is written, none added.
    Sql("INSERT INTO tgeneral VALUES ('E', 5)");
    obj_->GuardarActOnline(1);
    obj_->CambiarIdioma("C");
    EXPECT_EQ(Ajustes(), (Textos{"C1", "C1"}));

    // A failing read closes the database too.
    Sql("UPDATE tgeneral SET Idioma = NULL, ActOnline = 'sí'");
    EXPECT_EQ(NumeroDeError([&] { obj_->ObtenerIdioma(); }), rt::err::InvalidUseOfNull);
    EXPECT_TRUE(Cerrada());
    EXPECT_EQ(NumeroDeError([&] { obj_->ObtenerActOnline(); }), rt::err::TypeMismatch);
    EXPECT_TRUE(Cerrada());
}

TEST_F(DatosGenerales, NumberOfDeclarantsAndCurrencyCodes) {
    EXPECT_EQ(obj_->NumeroDeclarantes(), 0);
    Sql("INSERT INTO TDeclarante (dni_cifd) VALUES ('A'), ('B'), ('C');"
        "INSERT INTO TDeclaraciones (moneda) VALUES ('Euros'), ('Pesetas'), ('E'), ('P'), "
        "('euros'), ('Dólares'), ('Euros '), (NULL)");
    EXPECT_EQ(obj_->NumeroDeclarantes(), 3);
    for (int vez = 0; vez < 2; ++vez) {
        obj_->ActualizarMoneda();
        EXPECT_EQ(Columna("SELECT moneda FROM TDeclaraciones ORDER BY coddecla"),
                  (Textos{"E", "P", "E", "P", "E", "Dólares", "Euros ", prueba::kNulo}));
    }
    EXPECT_TRUE(Cerrada());

    Sql("DROP TABLE TDeclaraciones");
    auto e = prueba::ErrorDe([&] { obj_->ActualizarMoneda(); });
    EXPECT_EQ(e.Description.rfind("cDatosGenerales.ActualizarMoneda no such table", 0), 0u)
        << e.Description;
    EXPECT_TRUE(Cerrada());
    obj_->mdbmod((carpeta_ / "no-existe.mdb").string());
    e = prueba::ErrorDe([&] { obj_->NumeroDeclarantes(); });
    EXPECT_EQ(e.Number, 3014);
    EXPECT_EQ(e.Description.rfind("cDatosGenerales.NumeroDeclarantes ", 0), 0u) << e.Description;
}

TEST_F(DatosGenerales, WholeSelectAsAList) {
    EXPECT_EQ(prueba::FilasDe(obj_->CargarResultado(
                  "SELECT Codigo, Cas FROM TSIGLASVIA WHERE codigo IN ('CL', 'AV') ORDER BY 1")),
              (prueba::Filas{{"AV", "Avenida"}, {"CL", "Calle"}}));
    // Numbers arrive as texts; lower case and leading blanks are fine.
    EXPECT_EQ(Codigos("\n  select ejercicio FROM TSiglasPais WHERE SIGLASPAIS = 'HR'"),
              std::set<std::string>{"2013"});
    EXPECT_TRUE(obj_->CargarResultado("SELECT * FROM TSIGLASVIA WHERE codigo = 'XX'").isNull());
    EXPECT_EQ(NumeroDeError([&] { obj_->CargarResultado("SELECT * FROM no_existe"); }), 3001);
    // Nothing but one select: refused as a wrong argument.
    for (const char* sql : {"SELECT 1; DELETE FROM TSIGLASVIA", "SELECT 1; SELECT 2",
                            "PRAGMA table_info(TSIGLASVIA)", "ATTACH 'otra.db' AS otra", "SELECTED",
                            "", "DELETE FROM TSIGLASVIA"})
        EXPECT_EQ(NumeroDeError([&] { obj_->CargarResultado(sql); }), rt::err::InvalidArgument) << sql;
    EXPECT_EQ(Codigos("SELECT count(*) FROM TSIGLASVIA"), std::set<std::string>{"14"});
}

TEST_F(DatosGenerales, ChecksThatOpenNothing) {
    auto sinRutas = rt::CreateObjectAs<quelvodat::_cDatosGenerales>("Quelvodat.cDatosGenerales");
    EXPECT_TRUE(sinRutas->ValidaNifCif("12345678Z", false));
    EXPECT_FALSE(sinRutas->ValidaNifCif("12345678A", false));
    EXPECT_TRUE(sinRutas->ValidarNIFExtranjero("123456789", "DE"));
}

TEST_F(DatosGenerales, ReferenceProvincesMemberStatesAndKeys) {
    // 52 provinces named in both languages; every code of the VAT-number
    // checks but the pseudo-code "--"; the keys with all four descriptions.
    std::set<std::string> provincias;
    for (int i = 1; i <= 52; ++i) provincias.insert((i < 10 ? "0" : "") + std::to_string(i));
    EXPECT_EQ(Codigos("SELECT PRO_ID FROM TPROVINCIAS WHERE PRO_CAS <> '' AND PRO_EUS <> ''"),
              provincias);
    EXPECT_EQ(Codigos("SELECT SIGLASPAIS FROM TSiglasPais WHERE PAIS <> '' AND paiseus <> ''"),
              (std::set<std::string>{"RO", "AT", "CY", "IE", "NL", "FR", "GB", "DK", "FI", "LU",
                                     "HU", "MT", "SI", "EL", "DE", "EE", "PT", "PL", "SK", "BE",
                                     "IT", "LV", "HR", "SE", "CZ", "BG", "LT"}));
    EXPECT_EQ(Codigos("SELECT codigo FROM TOperacionesMod WHERE descripcionc <> '' AND "
                      "descripcione <> '' AND descripcionce = descripcionc AND "
                      "descripcionee = descripcione"),
              (std::set<std::string>{"1", "2", "3", "4", "E", "A", "T", "S", "I", "M", "H"}));
}

}  // namespace
