// The checks, saves and deletions of the declarant and presenter objects, run
// headless against a fresh user database with the screen faked.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "boundary/consulta_db.h"
#include "entorno.h"
#include "interaccion_prueba.h"
#include "parties/cdeclarante.h"
#include "parties/cpresentador.h"
#include "quelvort/convert.h"

using rt::Variant;
using Pares = std::vector<std::pair<int, int>>;

namespace {

// The (ordinal, code) pairs of a findings array; none for Null.
Pares pares(const Variant& v) {
    Pares r;
    if (!v.isArray()) return r;
    for (int32_t j = 0; j <= rt::UBound(v, 2); ++j) r.emplace_back(rt::CInt(v(0, j)), rt::CInt(v(1, j)));
    return r;
}

// The pairs of the last error list shown; none when none was.
Pares mostrados(const prueba::InteraccionPrueba& p) {
    Pares r;
    if (p.listas.empty()) return r;
    for (size_t j = 0; j < p.listas.back().size(); ++j)
        r.emplace_back(p.ordinalesListas.back()[j], p.listas.back()[j]);
    return r;
}

class Partes : public ::testing::Test {
protected:
    std::string valor(const std::string& consulta) { return prueba::Valor(quelvo::strRutaMod, consulta); }
    prueba::Entorno entorno_;
    prueba::InteraccionPrueba pantalla_;
};

// A declarant or presenter that passes every check.
template <typename T>
void valido(T& o) {
    o.NIF("12345678Z");
    o.Nombre("GARCÍA O'NEILL, IÑAKI");
    o.Siglas("CL");
    o.domicilio("MAYOR");
    o.CodProvin(1);
    o.CPost(1001);
    o.municipio("VITORIA");
}

struct CasoValidacion {
    const char* que;
    std::function<void(quelvo::cDatosPersona&)> romper;
    Pares declarante;  // the presenter finds the same, with 45 for a bad NIF
};

const std::vector<CasoValidacion> kCasos = {
    {"valid", [](auto&) {}, {}},
    {"bad NIF", [](auto& o) { o.NIF("12345678A"); }, {{1, 0}}},
    {"no NIF", [](auto& o) { o.NIF(""); }, {{1, 0}}},
    {"no name", [](auto& o) { o.Nombre(""); }, {{2, 1}}},
    {"name of blanks", [](auto& o) { o.Nombre("   "); }, {{2, 1}}},
    {"no street type", [](auto& o) { o.Siglas(""); }, {{3, 2}}},
    {"street of blanks", [](auto& o) { o.domicilio("  "); }, {{4, 3}}},
    {"no province", [](auto& o) { o.CodProvin(0); }, {{5, 4}, {7, 6}}},
    {"no postal code", [](auto& o) { o.CPost(0); }, {{6, 5}, {7, 6}}},
    {"postal code of another province", [](auto& o) { o.CPost(20001); }, {{7, 6}}},
    {"postal code of province 20", [](auto& o) { o.CodProvin(20), o.CPost(20800); }, {}},
    {"municipality of blanks", [](auto& o) { o.municipio(" "); }, {{8, 7}}},
    {"everything missing",
     [](auto& o) {
         o.NIF(""), o.Nombre(""), o.Siglas(""), o.domicilio(""), o.CodProvin(0), o.CPost(0),
             o.municipio("");
     },
     {{1, 0}, {2, 1}, {3, 2}, {4, 3}, {5, 4}, {6, 5}, {8, 7}}},
};

TEST_F(Partes, DeclarantChecksInOrderShownOrReturned) {
    for (const auto& c : kCasos) {
        SCOPED_TRACE(c.que);
        for (bool noMostrar : {false, true}) {
            quelvo::cDeclarante d;
            valido(d);
            c.romper(d);
            bool repetido = false;
            Variant errores("as passed");
            pantalla_.listas.clear(), pantalla_.ordinalesListas.clear();
            const bool ok = d.ValidarDeclarante(noMostrar, repetido, errores);
            EXPECT_EQ(ok, c.declarante.empty());
            EXPECT_FALSE(repetido);
            if (ok) {
                EXPECT_TRUE(errores.isNull());
                EXPECT_TRUE(pantalla_.listas.empty());
            } else if (noMostrar) {
                EXPECT_EQ(pares(errores), c.declarante);
                EXPECT_TRUE(pantalla_.listas.empty());
            } else {
                EXPECT_EQ(errores, Variant("as passed"));
                ASSERT_EQ(pantalla_.listas.size(), 1u);
                EXPECT_EQ(mostrados(pantalla_), c.declarante);
            }
        }
    }
}

TEST_F(Partes, PresenterChecksTheSameWithItsOwnNifCode) {
    for (const auto& c : kCasos) {
        SCOPED_TRACE(c.que);
        quelvo::cPresentador p;
        valido(p);
        c.romper(p);
        Pares esperado = c.declarante;
        for (auto& par : esperado)
            if (par.second == 0) par.second = 45;
        pantalla_.listas.clear(), pantalla_.ordinalesListas.clear();
        EXPECT_EQ(p.ValidarPresentador(), esperado.empty());
        EXPECT_EQ(mostrados(pantalla_), esperado);
        EXPECT_EQ(pantalla_.listas.size(), esperado.empty() ? 0u : 1u);
    }
}

TEST_F(Partes, RepeatedNifCountsOnlyForANewDeclarantAndOnlyWhole) {
    // 7 was stored with a lower-case letter, as an older program or a file left it.
    entorno_.sql("INSERT INTO TDeclarante (coddec, dni_cifd) VALUES (4, '12345678Z'), (5, 'B123456740'),"
                 "(6, 'INVALIDO'), (7, '87654321x');");
    const std::pair<const char*, int32_t> buscados[] = {
        {"12345678Z", 4}, {"12345678z", 4}, {" 12345678Z ", 4}, {"1234567", 0}, {"B12345674", 0},
        {"%", 0},         {"_2345678Z", 0}, {"", 0},            {"87654321X", 7}, {"87654321x", 7}};
    for (auto [nif, clave] : buscados) {
        quelvo::cDeclarante d;
        d.NIF(nif);
        EXPECT_EQ(d.DeclaranteRepetido(), clave) << nif;
    }
    for (int32_t modo : {0, 1}) {
        SCOPED_TRACE(modo);
        quelvo::cDeclarante d;
        valido(d);
        d.Modo(modo);
        bool repetido = false;
        Variant errores;
        EXPECT_EQ(d.ValidarDeclarante(true, repetido, errores), modo == 1);
        EXPECT_EQ(repetido, modo == 0);
        EXPECT_EQ(pares(errores), (modo == 0 ? Pares{{9, 8}} : Pares{}));
    }
    // Everything wrong at once, in check order (province and postal code 0
    // agree on their first two digits).
    quelvo::cDeclarante d;
    d.NIF("invalido");
    d.Siglas("");
    d.CodProvin(0);
    bool repetido = false;
    Variant errores;
    EXPECT_FALSE(d.ValidarDeclarante(true, repetido, errores));
    EXPECT_EQ(pares(errores),
              (Pares{{1, 0}, {2, 1}, {3, 2}, {4, 3}, {5, 4}, {6, 5}, {8, 7}, {9, 8}}));
}

TEST_F(Partes, DeclarantSaveRecordIsTrimmedTextWithTheContactTelephoneLast) {
    quelvo::cDeclarante d;
    d.CargarDeclarante(rt::VArray::Of({12, " 12345678Z ", "NOMBRE ", "AV", " CALLE", 7, "B ", "2", "3",
                                       "IZ", 1, 1, "VITORIA ", "JON ", 945000111, 600222333}));
    const Variant r = d.RegistroGuardado();
    ASSERT_EQ(rt::UBound(r), 15);
    EXPECT_EQ(r(0), Variant::Long(12));
    const char* esperado[] = {"",  "12345678Z", "NOMBRE",  "AV",        "CALLE", "7",
                              "B", "2",         "3",       "IZ",        "1",     "1001",
                              "VITORIA",        "945000111", "JON", "600222333"};
    for (int i = 1; i <= 15; ++i) EXPECT_EQ(r(i), Variant(esperado[i])) << i;
}

TEST_F(Partes, DeclarantStoredChangedAndDeletedWithItsDeclarations) {
    quelvo::cDeclarante d;
    valido(d);
    d.NombrePd("ANE");
    d.TelefonoPd(600111222);
    d.Modificado(true);
    const int32_t clave = d.GuardarDeclarante();
    EXPECT_GT(clave, 0);
    EXPECT_EQ(d.CODDEC(), 0);  // a new key is not taken over
    EXPECT_FALSE(d.Modificado());
    EXPECT_EQ(valor("SELECT dni_cifd || '|' || nombred || '|' || cod || '|' || codpostald || '|' || "
                    "nombrepd || '|' || telefonopd FROM TDeclarante"),
              "12345678Z|GARCÍA O´NEILL, IÑAKI|1|1|ANE|600111222");

    quelvo::cDeclarante e;
    e.CODDEC(clave);
    e.Modo(1);
    e.InicializaDatos();
    EXPECT_EQ(e.Nombre(), "GARCÍA O´NEILL, IÑAKI");  // the store keeps the acute
    EXPECT_EQ(e.CPost(), 1001);
    e.municipio("GASTEIZ");
    EXPECT_EQ(e.GuardarDeclarante(), clave);
    EXPECT_EQ(valor("SELECT count(*) || municipiod FROM TDeclarante"), "1GASTEIZ");

    entorno_.sql("INSERT INTO TDeclaraciones (coddecla, coddecr, ejercicio, periodo, moneda) VALUES "
                 "(30, " + std::to_string(clave) + ", 2011, 3, 'E'), (31, 999, 2011, 3, 'E');"
                 "INSERT INTO tOperadores (coddeclar, nifo) VALUES (30, 'A'), (30, 'B'), (31, 'C');");
    e.EliminarDeclarante();
    EXPECT_EQ(e.CODDEC(), 0);
    EXPECT_EQ(valor("SELECT count(*) FROM TDeclarante"), "0");
    EXPECT_EQ(valor("SELECT group_concat(coddecla) FROM TDeclaraciones"), "31");
    EXPECT_EQ(valor("SELECT group_concat(nifo) FROM tOperadores"), "C");
}

// Every field distinct, so one stored or loaded in another's place shows.
template <typename T>
void completo(T& o) {
    valido(o);
    o.domicilio("CALLE");
    o.numero(14);
    o.letra("B");
    o.Escal("D");
    o.piso("3");
    o.mano("IZ");
    o.Telefono(945123456);
}

TEST_F(Partes, EveryFieldComesBackInItsPlace) {
    quelvo::cDeclarante d;
    completo(d);
    d.NombrePd("JON");
    d.TelefonoPd(600111222);
    quelvo::cDeclarante e;
    e.CODDEC(d.GuardarDeclarante());
    e.Modo(1);
    e.InicializaDatos();
    EXPECT_EQ(e.RegistroGuardado(), [&] {
        Variant r = d.RegistroGuardado();
        r(0) = Variant::Long(e.CODDEC());
        r(2) = "GARCÍA O´NEILL, IÑAKI";  // the store keeps the acute
        return r;
    }());

    quelvo::cPresentador p;
    completo(p);
    p.NombreP("MIREN");
    p.TelefonoP(655333444);
    p.GuardarPresentador();
    quelvo::cPresentador q;
    q.InicializaDatos();
    Variant esperado = p.RegistroGuardado();
    esperado(0) = Variant::Long(q.CODPRES());
    esperado(2) = "GARCÍA O´NEILL, IÑAKI";
    EXPECT_EQ(q.RegistroGuardado(), esperado);
}

TEST_F(Partes, PresenterSaveRecordKeepsTypesAndTextsAsHeld) {
    quelvo::cPresentador p;
    p.CargarPresentador(rt::VArray::Of({3, "B48000001 ", "NOMBRE ", "PZ", "PLAZA", 21, "A", "IZ", "2",
                                        "DR", 1, 1001, "VITORIA", 945111222, "MIREN", 655333444}));
    const Variant esperado = rt::VArray::Of(
        {Variant::Long(3), "B48000001 ", "NOMBRE ", "PZ", "PLAZA", Variant::Long(21), "A", "IZ", "2", "DR",
         Variant::Integer(1), "VITORIA", Variant::Long(1001), Variant::Long(945111222), "MIREN",
         Variant::Long(655333444)});
    EXPECT_EQ(p.RegistroGuardado(), esperado);
    const Variant exportado = rt::VArray::Of(
        {Variant::Long(3), "B48000001 ", "NOMBRE ", "PZ", "PLAZA", Variant::Long(21), "A", "IZ", "2", "DR",
         "01", "001", "VITORIA", Variant::Long(945111222), "MIREN", Variant::Long(655333444)});
    EXPECT_EQ(p.CargarPresParaExport(), exportado);
    const std::pair<int32_t, const char*> postales[] = {{0, "000"}, {12, "012"}, {48001, "001"}, {20870, "870"}};
    for (auto [cpost, ultimas] : postales) {
        p.CPost(cpost);
        EXPECT_EQ(p.CargarPresParaExport()(11), Variant(ultimas)) << cpost;
    }
}

TEST_F(Partes, PresenterStoredReloadedAndDeleted) {
    quelvo::cPresentador p;
    p.InicializaDatos();
    EXPECT_EQ(p.CODPRES(), 0);
    valido(p);
    p.NombreP("MIREN");
    p.Modificado(true);
    p.GuardarPresentador();
    EXPECT_EQ(p.CODPRES(), 0);
    EXPECT_FALSE(p.Modificado());
    p.InicializaDatos();
    const std::string clave = valor("SELECT codpres FROM TPresentador");
    EXPECT_EQ(std::to_string(p.CODPRES()), clave);
    EXPECT_EQ(p.Nombre(), "GARCÍA O´NEILL, IÑAKI");
    EXPECT_EQ(p.CPost(), 1001);
    p.municipio("GASTEIZ");
    p.GuardarPresentador();
    EXPECT_EQ(valor("SELECT count(*) || municipio FROM TPresentador"), "1GASTEIZ");
    p.EliminarPresentador();
    EXPECT_EQ(p.CODPRES(), 0);
    EXPECT_EQ(p.municipio(), "GASTEIZ");  // kept until the next load
    EXPECT_EQ(valor("SELECT count(*) FROM TPresentador"), "0");
}

}  // namespace
