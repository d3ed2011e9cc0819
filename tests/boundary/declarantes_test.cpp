// The declarant store, reached by name as the program reaches it.
#include <gtest/gtest.h>

#include "comun/numero_de_error.h"

#include <filesystem>
#include <functional>
#include <map>
#include <vector>

#include "consulta_db.h"
#include "fixture_db.h"
#include "quelvodat/cDeclarante.h"
#include "quelvort/error.h"
#include "quelvort/object.h"

namespace fs = std::filesystem;
using quelvodat::_cDeclarante;
using rt::Variant;

namespace {

const std::string kAguda = "\xC2\xB4";  // "´"

// One declarant as the program holds it; the two array orders are built by
// hand here, index by index, as the program builds them.
struct Declarante {
    int32_t coddec = 0;
    std::string nif = "12345678Z";
    std::string nombre = "GARCIA PEREZ JUAN";
    std::string via = "CL";
    std::string domicilio = "MAYOR";
    int32_t numero = 12;
    std::string letra = "B";
    std::string escalera = "DCH";
    std::string piso = "3";
    std::string mano = "IZ";
    int32_t provincia = 48;
    std::string postal = "48930";
    std::string municipio = "GETXO";
    int32_t telefono = 944123456;
    std::string contacto = "ANA LOPEZ";
    int32_t telefonoContacto = 688112233;

    Variant guardado() const {
        rt::VArray a(0, 15);
        a.at(0) = coddec;
        a.at(1) = nif;
        a.at(2) = nombre;
        a.at(3) = via;
        a.at(4) = domicilio;
        a.at(5) = numero;
        a.at(6) = letra;
        a.at(7) = escalera;
        a.at(8) = piso;
        a.at(9) = mano;
        a.at(10) = provincia;
        a.at(11) = postal;
        a.at(12) = municipio;
        a.at(13) = telefono;
        a.at(14) = contacto;
        a.at(15) = telefonoContacto;
        return a;
    }
};

class Declarantes : public ::testing::Test {
protected:
    void SetUp() override {
        auto info = ::testing::UnitTest::GetInstance()->current_test_info();
        carpeta_ = prueba::CarpetaTemporal(std::string(info->test_suite_name()) + "-" +
                                           info->name());
        mod_ = prueba::CrearBaseUsuarioPrueba(carpeta_);
        dec_ = rt::CreateObjectAs<_cDeclarante>("Quelvodat.cDeclarante");
        dec_->mdbmod(mod_);
        dec_->mdblec(prueba::RutaBaseReferencia());
    }
    void TearDown() override { fs::remove_all(carpeta_); }

    Variant cargar(int32_t clave) {
        Variant r;
        dec_->CargarDeclarante(clave, r);
        return r;
    }
    std::string guardadoEn(int32_t clave, const std::string& columna) {
        return prueba::Valor(mod_, "SELECT " + columna + " FROM TDeclarante WHERE coddec = " +
                                       std::to_string(clave));
    }
    // The user database is closed again: its last handle took the WAL file.
    bool cerrada() const { return !fs::exists(mod_ + "-wal"); }

    fs::path carpeta_;
    std::string mod_;
    std::shared_ptr<_cDeclarante> dec_;
};

TEST_F(Declarantes, SaveAndLoadEveryFieldInBothOrders) {
    Declarante d;
    int32_t clave = dec_->GuardarDeclarante(d.guardado());
    ASSERT_GT(clave, 0);
    EXPECT_TRUE(cerrada());

    Variant r = cargar(clave);
    EXPECT_TRUE(cerrada());
    ASSERT_EQ(rt::LBound(r), 0);
    ASSERT_EQ(rt::UBound(r), 15);
    // Whole numbers come as Longs, everything else as texts.
    const Variant esperado[] = {clave,      "12345678Z", "GARCIA PEREZ JUAN", "CL",  "MAYOR", 12,
                                "B",        "DCH",       "3",                 "IZ",  48,      "930",
                                "GETXO",    "ANA LOPEZ", 944123456,           688112233};
    for (int i = 0; i <= 15; ++i) EXPECT_EQ(r(i), esperado[i]) << "index " << i;

    // Saving again with its key updates that row and answers the same key.
    d.coddec = clave;
    d.telefono = 945000111;
    d.contacto = "LUIS";
    d.municipio = "BILBAO";
    EXPECT_EQ(dec_->GuardarDeclarante(d.guardado()), clave);
    r = cargar(clave);
    EXPECT_EQ(r(12), Variant("BILBAO"));
    EXPECT_EQ(r(13), Variant("LUIS"));
    EXPECT_EQ(r(14), Variant(945000111));
    EXPECT_EQ(prueba::Valor(mod_, "SELECT count(*) FROM TDeclarante"), "1");
}

TEST_F(Declarantes, SavedNumbersMayArriveAsTexts) {
    auto a = Declarante().guardado();
    a(0) = "0";
    a(5) = "7";
    a(10) = "01";
    a(13) = "944000001";
    a(15) = "600000002";
    int32_t clave = dec_->GuardarDeclarante(a);
    Variant r = cargar(clave);
    EXPECT_EQ(r(5), Variant(7));
    EXPECT_EQ(r(10), Variant(1));
    EXPECT_EQ(r(14), Variant(944000001));
    EXPECT_EQ(r(15), Variant(600000002));
}

TEST_F(Declarantes, TheNewKeyIsTheInsertedRowsNotTheHighest) {
    // Another row written right behind ours, as a second writer would.
    prueba::EjecutarSql(mod_, "CREATE TRIGGER sombra AFTER INSERT ON TDeclarante "
                              "WHEN NEW.dni_cifd <> 'SOMBRA' BEGIN "
                              "INSERT INTO TDeclarante (dni_cifd) VALUES ('SOMBRA'); END;");
    int32_t clave = dec_->GuardarDeclarante(Declarante().guardado());
    EXPECT_EQ(guardadoEn(clave, "dni_cifd"), "12345678Z");
}

TEST_F(Declarantes, EmptyTextsAreStoredAsOneBlank) {
    Declarante d;
    d.nif = d.letra = d.escalera = d.piso = d.mano = d.contacto = "";
    int32_t clave = dec_->GuardarDeclarante(d.guardado());
    for (const char* columna : {"dni_cifd", "letrad", "escalerad", "pisod", "manod", "nombrepd"})
        EXPECT_EQ(guardadoEn(clave, columna), " ") << columna;
    Variant r = cargar(clave);
    for (int i : {1, 6, 7, 8, 9}) EXPECT_EQ(r(i), Variant("")) << "index " << i;
    // The contact name alone comes as stored.
    EXPECT_EQ(r(13), Variant(" "));
}

TEST_F(Declarantes, ApostrophesAreKeptAsTheAcuteAccentWhereTheColumnNeedsIt) {
    struct Caso {
        int guardado, cargado;
        const char* columna;
        bool escapada;
    } casos[] = {{1, 1, "dni_cifd", false},   {2, 2, "nombred", true},
                 {3, 3, "viad", true},        {4, 4, "domiciliod", true},
                 {6, 6, "letrad", true},      {7, 7, "escalerad", true},
                 {8, 8, "pisod", true},       {9, 9, "manod", true},
                 {12, 12, "municipiod", true}, {14, 13, "nombrepd", true}};
    for (const auto& c : casos) {
        auto a = Declarante().guardado();
        a(c.guardado) = "O'NEIL'S";
        int32_t clave = dec_->GuardarDeclarante(a);
        std::string esperado = c.escapada ? "O" + kAguda + "NEIL" + kAguda + "S" : "O'NEIL'S";
        EXPECT_EQ(guardadoEn(clave, c.columna), esperado) << c.columna;
        // A single declarant comes back as stored.
        EXPECT_EQ(cargar(clave)(c.cargado), Variant(esperado)) << c.columna;
    }
}

TEST_F(Declarantes, ListsGiveTheApostropheBack) {
    Declarante d;
    d.nif = "A'1";
    d.nombre = "D'ANGELO";
    int32_t clave = dec_->GuardarDeclarante(d.guardado());
    for (const Variant& lista : {dec_->ObtenerDeclarantes(), dec_->ObtenerUltimosDeclarantes()}) {
        ASSERT_TRUE(lista.isArray());
        EXPECT_EQ(lista(0, 1), Variant(std::to_string(clave)));
        EXPECT_EQ(lista(1, 1), Variant("A'1"));
        EXPECT_EQ(lista(2, 1), Variant("D'ANGELO"));
    }
    EXPECT_EQ(dec_->NifRepetido("A'"), clave);
}

TEST_F(Declarantes, OnlyTheLastThreePostalDigitsAreStored) {
    struct Caso {
        const char* guardado;
        const char* columna;
        const char* cargado;
    } casos[] = {{"48930", "930", "930"}, {"01001", "1", "1"}, {"20010", "10", "10"},
                 {"1001", "1", "1"},      {"12", "12", "12"},  {"48999", "999", "999"}};
    for (const auto& c : casos) {
        Declarante d;
        d.postal = c.guardado;
        int32_t clave = dec_->GuardarDeclarante(d.guardado());
        EXPECT_EQ(guardadoEn(clave, "codpostald"), c.columna) << c.guardado;
        Variant r = cargar(clave);
        EXPECT_EQ(r(11), Variant(c.cargado)) << c.guardado;
        EXPECT_EQ(r(10), Variant(48)) << c.guardado;
    }
}

TEST_F(Declarantes, ValuesThatDoNotConvertStoreNothing) {
    for (int indice : {0, 5, 10, 11, 13, 15}) {
        auto a = Declarante().guardado();
        a(indice) = indice == 11 ? "" : "12A";
        EXPECT_EQ(prueba::NumeroDeError([&] { dec_->GuardarDeclarante(a); }), rt::err::TypeMismatch)
            << "index " << indice;
    }
    EXPECT_EQ(prueba::Valor(mod_, "SELECT count(*) FROM TDeclarante"), "0");
    EXPECT_TRUE(cerrada());
}

TEST_F(Declarantes, KeysBelowOneAreNotReadNorWritten) {
    Declarante d;
    d.coddec = -3;
    EXPECT_EQ(dec_->GuardarDeclarante(d.guardado()), -3);
    EXPECT_EQ(prueba::Valor(mod_, "SELECT count(*) FROM TDeclarante"), "0");

    const Variant vacio[] = {0, "", "", "", "", 0, "", "", "", "", 0, "0", "", "", 0, 0};
    Variant r = cargar(0);
    ASSERT_EQ(rt::UBound(r), 15);
    for (int i = 0; i <= 15; ++i) EXPECT_EQ(r(i), vacio[i]) << "index " << i;
    EXPECT_EQ(cargar(-7)(0), Variant(-7));
}

TEST_F(Declarantes, AKeyNoRowHasIsReportedClearly) {
    int32_t clave = dec_->GuardarDeclarante(Declarante().guardado());
    std::string texto;
    EXPECT_EQ(prueba::NumeroDeError([&] { cargar(clave + 1); }, &texto), 3021);
    EXPECT_NE(texto.find(std::to_string(clave + 1)), std::string::npos) << texto;
    EXPECT_NE(texto.find("declarante"), std::string::npos) << texto;
    EXPECT_TRUE(cerrada());

    // Saving under a key no row has must not pass for a save.
    Declarante otro;
    otro.coddec = clave + 1;
    EXPECT_EQ(prueba::NumeroDeError([&] { dec_->GuardarDeclarante(otro.guardado()); }), 3021);
    EXPECT_EQ(prueba::Valor(mod_, "SELECT count(*) FROM TDeclarante"), "1");
}

TEST_F(Declarantes, ListsAreNullWhenEmpty) {
    EXPECT_TRUE(dec_->ObtenerDeclarantes().isNull());
    EXPECT_TRUE(dec_->ObtenerUltimosDeclarantes().isNull());
    EXPECT_TRUE(cerrada());
}

TEST_F(Declarantes, AllByNifAndTheFourCreatedLast) {
    const char* nifs[] = {"F6", "B2", "D4", "A1", "E5", "C3"};
    std::vector<int32_t> claves;
    for (const char* nif : nifs) {
        Declarante d;
        d.nif = nif;
        d.nombre = std::string("NOMBRE ") + nif;
        claves.push_back(dec_->GuardarDeclarante(d.guardado()));
    }
    Variant todos = dec_->ObtenerDeclarantes();
    ASSERT_EQ(rt::UBound(todos, 1), 3);
    ASSERT_EQ(rt::UBound(todos, 2), 6);
    const char* ordenados[] = {"A1", "B2", "C3", "D4", "E5", "F6"};
    for (int fila = 1; fila <= 6; ++fila) EXPECT_EQ(todos(1, fila), Variant(ordenados[fila - 1]));
    EXPECT_EQ(todos(0, 1), Variant(std::to_string(claves[3])));

    Variant ultimos = dec_->ObtenerUltimosDeclarantes();
    ASSERT_EQ(rt::UBound(ultimos, 1), 3);
    ASSERT_EQ(rt::UBound(ultimos, 2), 4);
    for (int fila = 1; fila <= 4; ++fila) {
        size_t i = claves.size() - static_cast<size_t>(fila);
        EXPECT_EQ(ultimos(0, fila), Variant(std::to_string(claves[i]))) << fila;
        EXPECT_EQ(ultimos(1, fila), Variant(nifs[i])) << fila;
        EXPECT_EQ(ultimos(2, fila), Variant(std::string("NOMBRE ") + nifs[i])) << fila;
        EXPECT_TRUE(ultimos(3, fila).isEmpty());
    }
    for (int campo = 0; campo <= 3; ++campo) EXPECT_TRUE(ultimos(campo, 0).isEmpty());
}

TEST_F(Declarantes, NifSearchIsALiteralPrefixOfAnyCase) {
    std::map<std::string, int32_t> clave;
    for (const char* nif : {"12345678Z", "B%1", "A_2", "C*3", "D'4"}) {
        Declarante d;
        d.nif = nif;
        clave[nif] = dec_->GuardarDeclarante(d.guardado());
    }
    struct Caso {
        const char* buscado;
        const char* encontrado;  // nullptr: none
    } casos[] = {{"12345678Z", "12345678Z"}, {"1234", "12345678Z"}, {"b%", "B%1"},
                 {"a_", "A_2"},              {"C*", "C*3"},         {"D'", "D'4"},
                 {"%", nullptr},             {"_", nullptr},        {"*", nullptr},
                 {"2345", nullptr},          {"12345678ZX", nullptr}, {"", nullptr}};
    for (const auto& c : casos)
        EXPECT_EQ(dec_->NifRepetido(c.buscado), c.encontrado ? clave[c.encontrado] : 0)
            << c.buscado;
    EXPECT_TRUE(cerrada());

    // An empty NIF is stored as one blank, and an empty search finds it.
    Declarante sinNif;
    sinNif.nif = "";
    int32_t vacio = dec_->GuardarDeclarante(sinNif.guardado());
    EXPECT_EQ(dec_->NifRepetido(""), vacio);
}

class BorrarDeclarante : public Declarantes {
protected:
    void SetUp() override {
        Declarantes::SetUp();
        uno_ = dec_->GuardarDeclarante(Declarante().guardado());
        otro_ = dec_->GuardarDeclarante(Declarante().guardado());
        auto u = std::to_string(uno_), o = std::to_string(otro_);
        prueba::EjecutarSql(
            mod_,
            "INSERT INTO TDeclaraciones (coddecla, coddecr, ejercicio, periodo, moneda) VALUES "
            "(10, " + u + ", 2011, 3, 'E'), (11, " + u + ", 2011, 6, 'E'), "
            "(20, " + o + ", 2011, 3, 'E');"
            "INSERT INTO tOperadores (coddeclar, nifo) VALUES (10, 'N1'), (10, 'N2'), "
            "(11, 'N3'), (20, 'N4');");
    }
    std::string cuenta(const std::string& sql) { return prueba::Valor(mod_, sql); }

    int32_t uno_ = 0, otro_ = 0;
};

TEST_F(BorrarDeclarante, TakesItsDeclarationsAndTheirEntries) {
    dec_->EliminarDeclarante(uno_, true);
    EXPECT_TRUE(cerrada());
    EXPECT_EQ(cuenta("SELECT group_concat(coddec) FROM TDeclarante"), std::to_string(otro_));
    EXPECT_EQ(cuenta("SELECT group_concat(coddecla) FROM TDeclaraciones"), "20");
    EXPECT_EQ(cuenta("SELECT group_concat(nifo) FROM tOperadores"), "N4");
    // Nothing points at a declaration or a declarant that is gone.
    EXPECT_EQ(cuenta("SELECT count(*) FROM tOperadores WHERE coddeclar NOT IN "
                     "(SELECT coddecla FROM TDeclaraciones)"),
              "0");
    EXPECT_EQ(cuenta("SELECT count(*) FROM TDeclaraciones WHERE coddecr NOT IN "
                     "(SELECT coddec FROM TDeclarante)"),
              "0");
}

TEST_F(BorrarDeclarante, WithoutTheFlagOnlyTheDeclarantGoes) {
    dec_->EliminarDeclarante(otro_);
    EXPECT_EQ(cuenta("SELECT group_concat(coddec) FROM TDeclarante"), std::to_string(uno_));
    EXPECT_EQ(cuenta("SELECT count(*) FROM TDeclaraciones"), "3");
    EXPECT_EQ(cuenta("SELECT count(*) FROM tOperadores"), "4");
}

TEST_F(BorrarDeclarante, AFailureDeletesNothing) {
    // The declarant's own row is the last thing deleted; make it fail.
    prueba::EjecutarSql(mod_, "CREATE TRIGGER no_borrar BEFORE DELETE ON TDeclarante "
                              "BEGIN SELECT RAISE(ABORT, 'bloqueado'); END;");
    std::string texto;
    EXPECT_NE(prueba::NumeroDeError([&] { dec_->EliminarDeclarante(uno_, true); }, &texto), 0);
    EXPECT_EQ(texto.rfind("cDeclarante.EliminarDeclarante ", 0), 0u) << texto;
    EXPECT_TRUE(cerrada());
    EXPECT_EQ(cuenta("SELECT count(*) FROM TDeclarante"), "2");
    EXPECT_EQ(cuenta("SELECT count(*) FROM TDeclaraciones"), "3");
    EXPECT_EQ(cuenta("SELECT count(*) FROM tOperadores"), "4");
}

TEST_F(Declarantes, ErrorsCarryTheLocationsOfTheMembersWithAHandler) {
    prueba::EjecutarSql(mod_, "DROP TABLE TDeclarante;");
    struct Caso {
        const char* prefijo;
        std::function<void()> llamada;
    } casos[] = {
        {"cDeclarante.ObtenerDeclarantes cTDeclarante.ObtenerDeclarantes no such table",
         [&] { dec_->ObtenerDeclarantes(); }},
        {"cDeclarante.ObtenerUltimosDeclarantes cTDeclarante.ObtenerUltimosDeclarantes no such "
         "table",
         [&] { dec_->ObtenerUltimosDeclarantes(); }},
        {"cDeclarante.EliminarDeclarante no such table", [&] { dec_->EliminarDeclarante(1); }},
        {"no such table", [&] { dec_->NifRepetido("X"); }},
        {"no such table", [&] { cargar(1); }},
        {"no such table", [&] { dec_->GuardarDeclarante(Declarante().guardado()); }},
    };
    for (const auto& c : casos) {
        std::string texto;
        EXPECT_EQ(prueba::NumeroDeError(c.llamada, &texto), 3001) << c.prefijo;
        EXPECT_EQ(texto.rfind(c.prefijo, 0), 0u) << texto;
        EXPECT_TRUE(cerrada()) << c.prefijo;
    }
}

}  // namespace
