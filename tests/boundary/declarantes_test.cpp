// The declarant store, reached by name as the program reaches it.
#include <gtest/gtest.h>

#include <map>

#include "declaraciones_prueba.h"
#include "quelvodat/cDeclarante.h"

using prueba::Arreglo;
using prueba::kAguda;
using rt::Variant;

namespace {

// A declarant in the save order: contact name at 14, its telephone at 13.
Variant Guardado(Variant coddec = 0) {
    return Arreglo({coddec, "12345678Z", "GARCIA PEREZ JUAN", "CL", "MAYOR", 12, "B", "DCH", "3",
                    "IZ", 48, "48930", "GETXO", 944123456, "ANA LOPEZ", 688112233});
}

class Declarantes : public prueba::BaseDePrueba {
protected:
    void SetUp() override {
        BaseDePrueba::SetUp();
        dec_ = Crear<quelvodat::_cDeclarante>("cDeclarante");
    }
    int32_t Guardar(std::initializer_list<std::pair<int, Variant>> cambios, Variant coddec = 0) {
        Variant a = Guardado(coddec);
        for (const auto& [i, v] : cambios) a(i) = v;
        return dec_->GuardarDeclarante(a);
    }
    Variant Cargar(int32_t clave) {
        Variant r;
        dec_->CargarDeclarante(clave, r);
        return r;
    }
    std::string Columna(int32_t clave, const std::string& columna) {
        return Valor("SELECT " + columna + " FROM TDeclarante WHERE coddec = " +
                     std::to_string(clave));
    }

    std::shared_ptr<quelvodat::_cDeclarante> dec_;
};

TEST_F(Declarantes, SaveAndLoadEveryFieldInBothOrders) {
    auto comparar = [&](int32_t clave, std::initializer_list<Variant> esperado) {
        Variant r = Cargar(clave);
        EXPECT_TRUE(Cerrada());
        ASSERT_EQ(rt::LBound(r), 0);
        ASSERT_EQ(rt::UBound(r), 15);
        for (int i = 0; const Variant& v : esperado) EXPECT_EQ(r(i++), v) << "index " << i - 1;
    };
    int32_t clave = dec_->GuardarDeclarante(Guardado());
    ASSERT_GT(clave, 0);
    EXPECT_TRUE(Cerrada());
    // Whole numbers come as Longs, everything else as texts; contact name at
    // 13, its telephone at 14; only the last three postal digits are kept.
    comparar(clave, {clave, "12345678Z", "GARCIA PEREZ JUAN", "CL", "MAYOR", 12, "B", "DCH", "3",
                     "IZ", 48, "930", "GETXO", "ANA LOPEZ", 944123456, 688112233});

    // Saved again with its key, numbers as texts and empty texts: that row.
    EXPECT_EQ(Guardar({{1, ""}, {5, "7"}, {6, ""}, {7, ""}, {8, ""}, {9, ""}, {10, "01"},
                       {11, "1001"}, {12, "BILBAO"}, {13, "945000111"}, {14, ""}, {15, "6"}},
                      clave),
              clave);
    // Empty texts are stored as one blank; the contact name alone loads so.
    for (const char* columna : {"dni_cifd", "letrad", "escalerad", "pisod", "manod", "nombrepd"})
        EXPECT_EQ(Columna(clave, columna), " ") << columna;
    comparar(clave, {clave, "", "GARCIA PEREZ JUAN", "CL", "MAYOR", 7, "", "", "", "", 1, "1",
                     "BILBAO", " ", 945000111, 6});
    EXPECT_EQ(Cuenta("TDeclarante"), 1);
}

TEST_F(Declarantes, TheNewKeyIsTheInsertedRowsNotTheHighest) {
    Sql("CREATE TRIGGER sombra AFTER INSERT ON TDeclarante WHEN NEW.dni_cifd <> 'SOMBRA' BEGIN "
        "INSERT INTO TDeclarante (dni_cifd) VALUES ('SOMBRA'); END;");
    EXPECT_EQ(Columna(dec_->GuardarDeclarante(Guardado()), "dni_cifd"), "12345678Z");
}

TEST_F(Declarantes, ApostrophesAreKeptAsTheAcuteAccentWhereTheColumnNeedsIt) {
    const struct { int guardado, cargado; const char* columna; bool escapada; } casos[] = {
        {1, 1, "dni_cifd", false}, {2, 2, "nombred", true},        {3, 3, "viad", true},
        {4, 4, "domiciliod", true}, {6, 6, "letrad", true},        {7, 7, "escalerad", true},
        {8, 8, "pisod", true},      {9, 9, "manod", true},         {12, 12, "municipiod", true},
        {14, 13, "nombrepd", true}};
    for (const auto& c : casos) {
        int32_t clave = Guardar({{c.guardado, "O'NEIL'S"}});
        std::string esperado = c.escapada ? "O" + kAguda + "NEIL" + kAguda + "S" : "O'NEIL'S";
        EXPECT_EQ(Columna(clave, c.columna), esperado) << c.columna;
        EXPECT_EQ(Cargar(clave)(c.cargado), Variant(esperado)) << c.columna;
    }
    // The lists give the apostrophe back.
    Sql("DELETE FROM TDeclarante");
    int32_t clave = Guardar({{1, "A'1"}, {2, "D'ANGELO"}});
    for (const Variant& lista : {dec_->ObtenerDeclarantes(), dec_->ObtenerUltimosDeclarantes()})
        EXPECT_EQ(prueba::FilasDe(lista),
                  (prueba::Filas{{std::to_string(clave), "A'1", "D'ANGELO"}}));
    EXPECT_EQ(dec_->NifRepetido("A'"), clave);
}

TEST_F(Declarantes, ValuesThatDoNotConvertStoreNothing) {
    for (int indice : {0, 5, 10, 11, 13, 15})
        EXPECT_EQ(prueba::NumeroDeError([&] { Guardar({{indice, indice == 11 ? "" : "12A"}}); }),
                  rt::err::TypeMismatch)
            << "index " << indice;
    EXPECT_EQ(Cuenta("TDeclarante"), 0);
    EXPECT_TRUE(Cerrada());
}

TEST_F(Declarantes, KeysNoRowHas) {
    // Below 1: nothing written, the empty declarant read.
    EXPECT_EQ(Guardar({}, -3), -3);
    EXPECT_EQ(Cuenta("TDeclarante"), 0);
    const Variant vacio[] = {0, "", "", "", "", 0, "", "", "", "", 0, "0", "", "", 0, 0};
    Variant r = Cargar(0);
    ASSERT_EQ(rt::UBound(r), 15);
    for (int i = 0; i <= 15; ++i) EXPECT_EQ(r(i), vacio[i]) << "index " << i;
    EXPECT_EQ(Cargar(-7)(0), Variant(-7));

    // Above: reported with the key, and a save under it is no save.
    int32_t clave = dec_->GuardarDeclarante(Guardado());
    auto e = prueba::ErrorDe([&] { Cargar(clave + 1); });
    EXPECT_EQ(e.Number, 3021);
    EXPECT_NE(e.Description.find(std::to_string(clave + 1)), std::string::npos) << e.Description;
    EXPECT_NE(e.Description.find("declarante"), std::string::npos) << e.Description;
    EXPECT_TRUE(Cerrada());
    EXPECT_EQ(prueba::NumeroDeError([&] { Guardar({}, clave + 1); }), 3021);
    EXPECT_EQ(Cuenta("TDeclarante"), 1);
}

TEST_F(Declarantes, AllByNifAndTheFourCreatedLast) {
    EXPECT_TRUE(dec_->ObtenerDeclarantes().isNull());
    EXPECT_TRUE(dec_->ObtenerUltimosDeclarantes().isNull());
    EXPECT_TRUE(Cerrada());
    const char* nifs[] = {"F6", "B2", "D4", "A1", "E5", "C3"};
    std::map<std::string, std::string> clave;
    for (const char* nif : nifs)
        clave[nif] = std::to_string(Guardar({{1, nif}, {2, "N" + std::string(nif)}}));
    auto fila = [&](std::string nif) { return prueba::Textos{clave[nif], nif, "N" + nif}; };
    EXPECT_EQ(prueba::FilasDe(dec_->ObtenerDeclarantes()),
              (prueba::Filas{fila("A1"), fila("B2"), fila("C3"), fila("D4"), fila("E5"),
                             fila("F6")}));
    EXPECT_EQ(prueba::FilasDe(dec_->ObtenerUltimosDeclarantes()),
              (prueba::Filas{fila("C3"), fila("E5"), fila("A1"), fila("D4")}));
}

TEST_F(Declarantes, NifSearchIsALiteralPrefixOfAnyCase) {
    std::map<std::string, int32_t> clave;
    // The last one as an older program left it, with a lower-case letter.
    for (const char* nif : {"12345678Z", "B%1", "A_2", "C*3", "87654321x"})
        clave[nif] = Guardar({{1, nif}});
    const std::pair<const char*, const char*> casos[] = {  // searched, found (nullptr: none)
        {"1234", "12345678Z"}, {"b%", "B%1"},  {"a_", "A_2"}, {"C*", "C*3"},     {"%", nullptr},
        {"87654321X", "87654321x"},
        {"_", nullptr},        {"*", nullptr}, {"2345", nullptr}, {"12345678ZX", nullptr},
        {"", nullptr}};
    for (auto [buscado, encontrado] : casos)
        EXPECT_EQ(dec_->NifRepetido(buscado), encontrado ? clave[encontrado] : 0) << buscado;
    EXPECT_TRUE(Cerrada());
    // An empty NIF is stored as one blank, and an empty search finds it.
    int32_t vacio = Guardar({{1, ""}});
    EXPECT_EQ(dec_->NifRepetido(""), vacio);
}

TEST_F(Declarantes, DeleteTakesDeclarationsAndEntriesOnlyWhenAskedAndAllOrNothing) {
    Sql("INSERT INTO TDeclarante (coddec, dni_cifd) VALUES (1, 'A'), (2, 'B');"
        "INSERT INTO TDeclaraciones (coddecla, coddecr, ejercicio, periodo, moneda) VALUES "
        "(10, 1, 2011, 3, 'E'), (11, 1, 2011, 6, 'E'), (20, 2, 2011, 3, 'E');"
        "INSERT INTO tOperadores (coddeclar, nifo) VALUES (10, 'N1'), (10, 'N2'), (11, 'N3'), "
        "(20, 'N4');"
        // The declarant's own row is the last thing deleted; make it fail.
        "CREATE TRIGGER no_borrar BEFORE DELETE ON TDeclarante "
        "BEGIN SELECT RAISE(ABORT, 'bloqueado'); END;");
    auto quedan = [&] {
        return prueba::Textos{Valor("SELECT group_concat(coddec) FROM TDeclarante"),
                              Valor("SELECT group_concat(coddecla) FROM TDeclaraciones"),
                              Valor("SELECT group_concat(nifo) FROM tOperadores")};
    };
    auto e = prueba::ErrorDe([&] { dec_->EliminarDeclarante(1, true); });
    EXPECT_EQ(e.Description, "cDeclarante.EliminarDeclarante bloqueado");
    EXPECT_TRUE(Cerrada());
    EXPECT_EQ(quedan(), (prueba::Textos{"1,2", "10,11,20", "N1,N2,N3,N4"}));

    Sql("DROP TRIGGER no_borrar");
    dec_->EliminarDeclarante(1, true);
    EXPECT_TRUE(Cerrada());
    EXPECT_EQ(quedan(), (prueba::Textos{"2", "20", "N4"}));
    EXPECT_EQ(Cuenta("tOperadores WHERE coddeclar NOT IN (SELECT coddecla FROM TDeclaraciones)"),
              0);
    EXPECT_EQ(Cuenta("TDeclaraciones WHERE coddecr NOT IN (SELECT coddec FROM TDeclarante)"), 0);

    dec_->EliminarDeclarante(2);
    EXPECT_EQ(quedan(), (prueba::Textos{prueba::kNulo, "20", "N4"}));
}

TEST_F(Declarantes, ErrorsCarryTheLocationsOfTheMembersWithAHandler) {
    Sql("DROP TABLE TDeclarante;");
    Fallan({
        {"cDeclarante.ObtenerDeclarantes cTDeclarante.ObtenerDeclarantes no such table",
         [&] { dec_->ObtenerDeclarantes(); }},
        {"cDeclarante.ObtenerUltimosDeclarantes cTDeclarante.ObtenerUltimosDeclarantes no such",
         [&] { dec_->ObtenerUltimosDeclarantes(); }},
        {"cDeclarante.EliminarDeclarante no such table", [&] { dec_->EliminarDeclarante(1); }},
        {"no such table", [&] { dec_->NifRepetido("X"); }},
        {"no such table", [&] { Cargar(1); }},
        {"cDeclarante.GuardarDeclarante no such table",
         [&] { dec_->GuardarDeclarante(Guardado()); }},
    });
}

}  // namespace
