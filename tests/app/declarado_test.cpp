// The declared-entry object: its twelve checks, the type its key implies,
// clearing by the entry window's mode, its storage, and the totals of the
// current declaration.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "boundary/consulta_db.h"
#include "declarations/cdeclaracion.h"
#include "declarations/cdeclarado.h"
#include "declarations/clistadeclaraciones.h"
#include "entorno.h"
#include "interaccion_prueba.h"
#include "quelvort/convert.h"
#include "quelvort/error.h"
#include "services/objetos.h"

using quelvo::cDeclarado;

namespace {

class Declarado : public ::testing::Test {
protected:
    void SetUp() override {
        entorno_.sql(
            "INSERT INTO TDeclarante (coddec, dni_cifd, nombred) VALUES (5, '12345678Z', 'ANE');"
            "INSERT INTO TDeclaraciones (coddecla, coddecr, ejercicio, periodo, periodicidad, moneda) "
            "VALUES (10, 5, 2011, 6, 2, 'E');");
    }
    static void declaracion(int32_t ejercicio, int periodo, int periodicidad) {
        auto& l = quelvo::objListaDeclaraciones();
        l.CodDecla(10);
        l.Ejercicio(ejercicio);
        l.Periodo(static_cast<uint8_t>(periodo));
        l.Periodicidad(static_cast<uint8_t>(periodicidad));
    }
    std::string valor(const std::string& sql) { return prueba::Valor(quelvo::strRutaMod, sql); }
    prueba::Entorno entorno_;
};

// A sound normal entry, which each case then spoils.
void normal(cDeclarado& d) {
    d.paiso("DE");
    d.nifo("123456789");
    d.razon("EMPRESA");
    d.claveopo("E");
    d.tipoopo("N");
    d.importe(10);
}

void rectifica(cDeclarado& d, const char* signo, int32_t ejercicio, int16_t periodo,
               int16_t periodicidad) {
    d.Signo(signo);
    d.Ejercicio(ejercicio);
    d.Periodoo(periodo);
    d.Periodicidad(periodicidad);
}

struct Caso {
    const char* nombre;
    int32_t ejercicio;
    int periodo;
    int periodicidad;
    std::function<void(cDeclarado&)> entrada;
    std::vector<int> codigos;
};

TEST_F(Declarado, TwelveChecksInOrder) {
    const Caso casos[] = {
        {"sound 2011 entry", 2011, 6, 2, [](cDeclarado&) {}, {}},
        {"empty 2010 entry", 2010, 3, 2,
         [](cDeclarado& d) { d = cDeclarado(); }, {27, 47, 1, 12, 41}},
        {"bad VAT number", 2011, 6, 2, [](cDeclarado& d) { d.nifo("12345"); }, {47}},
        {"key 3 without rectification", 2009, 6, 2,
         [](cDeclarado& d) { d.claveopo("3"); }, {38, 9, 44, 33, 57}},
        {"key 3 rectifying its own period", 2009, 3, 2,
         [](cDeclarado& d) { d.claveopo("3"); rectifica(d, "-", 2009, 3, 2); }, {51, 54}},
        {"key 3 rectifying the year before", 2009, 3, 2,
         [](cDeclarado& d) { d.claveopo("3"); rectifica(d, "-", 2008, 12, 2); }, {}},
        // The edges of the exercises a rectification may name.
        {"key 3 rectifying 1993", 2009, 12, 2,
         [](cDeclarado& d) { d.claveopo("3"); rectifica(d, "-", 1993, 3, 2); }, {}},
        {"key 3 rectifying 1992", 2009, 12, 2,
         [](cDeclarado& d) { d.claveopo("3"); rectifica(d, "-", 1992, 12, 2); }, {44, 59}},
        {"key 3 rectifying 2013", 2009, 12, 2,
         [](cDeclarado& d) { d.claveopo("3"); rectifica(d, "-", 2013, 3, 2); }, {51, 58}},
        {"key 3 rectifying 2014", 2009, 12, 2,
         [](cDeclarado& d) { d.claveopo("3"); rectifica(d, "-", 2014, 3, 2); }, {44, 51, 58}},
        {"key 3 rectification out of range", 2009, 3, 2,
         [](cDeclarado& d) { d.claveopo("4"); rectifica(d, "+", 1990, 12, 2); }, {44, 59}},
        {"no key before 2010", 2009, 6, 2, [](cDeclarado& d) { d.claveopo("0"); }, {12}},
        {"no key from 2010", 2010, 6, 2, [](cDeclarado& d) { d.claveopo("0"); }, {}},
        {"empty key before 2010", 2009, 6, 2, [](cDeclarado& d) { d.claveopo(""); }, {12}},
        {"empty key from 2010", 2011, 6, 2, [](cDeclarado& d) { d.claveopo(""); }, {12}},
        {"blank key", 2011, 6, 2, [](cDeclarado& d) { d.claveopo(" "); }, {12}},
        {"zero amount", 2011, 6, 2, [](cDeclarado& d) { d.importe(0); }, {41}},
        {"negative amount", 2011, 6, 2, [](cDeclarado& d) { d.importe(-5); }, {65}},
        {"key S rectifying 2009", 2011, 6, 2,
         [](cDeclarado& d) { d.claveopo("S"); d.tipoopo("R"); rectifica(d, "-", 2009, 3, 2); }, {52}},
        {"key I rectifying 2010", 2011, 6, 2,
         [](cDeclarado& d) { d.claveopo("I"); d.tipoopo("R"); rectifica(d, "-", 2010, 3, 2); }, {}},
        {"key H rectifying December 2010", 2012, 3, 2,
         [](cDeclarado& d) { d.claveopo("H"); d.tipoopo("R"); rectifica(d, "-", 2010, 12, 1); }, {66}},
        {"key M rectifying June 2011", 2012, 3, 2,
         [](cDeclarado& d) { d.claveopo("M"); d.tipoopo("R"); rectifica(d, "-", 2011, 6, 2); }, {66}},
        {"key H rectifying July 2011", 2012, 3, 2,
         [](cDeclarado& d) { d.claveopo("H"); d.tipoopo("R"); rectifica(d, "-", 2011, 7, 1); }, {}},
        {"key H rectifying nothing", 2012, 3, 2, [](cDeclarado& d) { d.claveopo("H"); }, {}},
        {"rectification without sign", 2011, 6, 2,
         [](cDeclarado& d) { d.tipoopo("R"); rectifica(d, " ", 2010, 3, 2); }, {57}},
        {"rectification without period", 2011, 6, 2,
         [](cDeclarado& d) { d.tipoopo("R"); rectifica(d, "-", 2010, 0, 0); }, {57}},
        {"first quarter within the second", 2011, 6, 2,
         [](cDeclarado& d) { d.tipoopo("R"); rectifica(d, "-", 2011, 3, 2); }, {}},
        {"April within the second quarter", 2011, 6, 2,
         [](cDeclarado& d) { d.tipoopo("R"); rectifica(d, "-", 2011, 4, 1); }, {55}},
        {"April within May", 2011, 5, 1,
         [](cDeclarado& d) { d.tipoopo("R"); rectifica(d, "-", 2011, 4, 1); }, {}},
        {"same year of an annual declaration", 2011, 12, 3,
         [](cDeclarado& d) { d.tipoopo("R"); rectifica(d, "-", 2011, 3, 2); }, {55}},
        {"annual rectification from 2010", 2012, 6, 2,
         [](cDeclarado& d) { d.tipoopo("R"); rectifica(d, "-", 2012, 12, 3); }, {55}},
        {"later exercise", 2011, 6, 2,
         [](cDeclarado& d) { d.tipoopo("R"); rectifica(d, "-", 2012, 3, 2); }, {58}},
        {"quarter before, old era", 2009, 9, 2,
         [](cDeclarado& d) { d.claveopo("3"); rectifica(d, "-", 2009, 6, 2); }, {}},
        {"fourth quarter, old era", 2009, 12, 2,
         [](cDeclarado& d) { d.claveopo("3"); rectifica(d, "-", 2009, 9, 2); }, {}},
        {"month, old era", 2009, 9, 2,
         [](cDeclarado& d) { d.claveopo("3"); rectifica(d, "-", 2009, 6, 1); }, {54}},
        {"annual declaration, old era", 2009, 12, 3,
         [](cDeclarado& d) { d.claveopo("3"); rectifica(d, "-", 2009, 6, 2); }, {54}},
        // Poland counts from May 2004: its March is before, its June not.
        {"before the member state joined", 2011, 6, 2,
         [](cDeclarado& d) { d.paiso("PL"); d.nifo("1234567890"); d.tipoopo("R"); rectifica(d, "-", 2004, 3, 2); },
         {59}},
        {"after the member state joined", 2011, 6, 2,
         [](cDeclarado& d) { d.paiso("PL"); d.nifo("1234567890"); d.tipoopo("R"); rectifica(d, "-", 2004, 6, 2); },
         {}},
        {"a year before it joined", 2011, 6, 2,
         [](cDeclarado& d) { d.paiso("PL"); d.nifo("1234567890"); d.tipoopo("R"); rectifica(d, "-", 2003, 12, 2); },
         {59}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        declaracion(c.ejercicio, c.periodo, c.periodicidad);
        quelvo::objDeclaracion().ModoDeclaracion(quelvo::kModoAlta);
        cDeclarado d;
        normal(d);
        c.entrada(d);
        prueba::InteraccionPrueba pantalla;
        EXPECT_EQ(d.ValidarDeclarado(), c.codigos.empty());
        EXPECT_EQ(pantalla.ultimos(), c.codigos);
    }
}

TEST_F(Declarado, DuplicateUnlessEditingItself) {
    declaracion(2011, 6, 2);
    cDeclarado d;
    normal(d);
    d.coddeclar(10);
    const int32_t clave = d.GuardarDeclarado("");
    d.codope(clave);
    for (auto [modo, codigos] : {std::pair{quelvo::kModoAlta, std::vector<int>{14}},
                                 std::pair{quelvo::kModoEdicion, std::vector<int>{}}}) {
        SCOPED_TRACE(modo);
        quelvo::objDeclaracion().ModoDeclaracion(modo);
        prueba::InteraccionPrueba pantalla;
        d.ValidarDeclarado();
        EXPECT_EQ(pantalla.ultimos(), codigos);
    }
    // Another triangular mark is another operation.
    quelvo::objDeclaracion().ModoDeclaracion(quelvo::kModoAlta);
    d.Triangularo("X");
    prueba::InteraccionPrueba pantalla;
    EXPECT_TRUE(d.ValidarDeclarado());
}

TEST(DeclaradoClave, TypeFollowsTheKey) {
    const std::tuple<const char*, const char*, const char*> casos[] = {
        {"1", "R", "N"}, {"2", "R", "N"}, {"3", "N", "R"}, {"4", "N", "R"},
        {"EN", "R", "N"}, {"AR", "N", "R"}, {"TR", "", "R"}, {"SN", "R", "N"}, {"IR", "N", "R"},
        {"E", "R", "R"}, {"E", "N", "N"}, {"H", "N", "N"}, {"0", "R", "R"}, {"", "N", "N"},
        {"MR", "N", "N"}, {"5", "N", "N"},
    };
    for (const auto& [clave, antes, despues] : casos) {
        SCOPED_TRACE(clave);
        cDeclarado d;
        d.tipoopo(antes);
        d.claveopo(clave);
        EXPECT_EQ(d.tipoopo().toStdString(), antes);  // only reading the key derives
        EXPECT_EQ(d.claveopo().toStdString(), clave);
        EXPECT_EQ(d.tipoopo().toStdString(), despues);
    }
}

TEST(DeclaradoModo, ClearsOnlyForNewAfterDeleteAndUnload) {
    quelvo::LiberarObjetos();
    for (int32_t modo : {0, 2, 4, 6, 8}) {
        SCOPED_TRACE(modo);
        quelvo::objDeclaracion().ModoDeclaracion(modo);
        cDeclarado d;
        normal(d);
        rectifica(d, "-", 2010, 3, 2);
        d.codope(9);
        d.coddeclar(10);
        d.Triangularo("X");
        d.Modificado(true);
        d.InicializarDeclarado();
        const bool borra = modo >= 4;
        EXPECT_EQ(d.codope(), borra ? 0 : 9);
        EXPECT_EQ(d.paiso().isEmpty(), borra);
        EXPECT_EQ(d.importe(), borra ? 0 : 10);
        EXPECT_EQ(d.Ejercicio(), borra ? 0 : 2010);
        EXPECT_EQ(d.Periodoo(), borra ? 0 : 3);
        EXPECT_EQ(d.Triangularo().isEmpty(), borra);
        // Kept whatever the mode.
        EXPECT_EQ(d.coddeclar(), 10);
        EXPECT_EQ(d.tipoopo(), "N");
        EXPECT_EQ(d.Periodicidad(), 2);
        EXPECT_TRUE(d.Modificado());
    }
    quelvo::LiberarObjetos();
}

// The submission file sums a declaration's entries into a field of thirteen
// digits of hundredths (99.999.999.999,99): keys 1 and 2 each up to 2009, the
// normal entries from 2010; pesetas counted in euros.
TEST_F(Declarado, ATotalTheFileCannotHoldIsRefused) {
    struct CasoTotal {
        const char* nombre;
        int32_t ejercicio;
        const char* moneda;
        const char* guardados;  // (claveopo, tipoopo, base in hundredths) rows
        std::function<void(cDeclarado&)> entrada;
        std::vector<int> codigos;
    };
    const CasoTotal casos[] = {
        {"up to the last cent", 2011, "E", "('E', 'N', 9999999999900)",
         [](cDeclarado& d) { d.importe(0.99); }, {}},
        {"one cent more", 2011, "E", "('E', 'N', 9999999999900)",
         [](cDeclarado& d) { d.importe(1); }, {67}},
        {"normal entries of every key", 2011, "E", "('A', 'N', 5000000000000), ('T', 'N', 4999999999999)",
         [](cDeclarado& d) { d.importe(0.01); }, {67}},
        {"a rectification is summed nowhere", 2011, "E", "('E', 'N', 9999999999999)",
         [](cDeclarado& d) { d.tipoopo("R"); rectifica(d, "-", 2011, 3, 2); }, {}},
        {"rectifications do not count", 2011, "E", "('E', 'R', 9999999999999)",
         [](cDeclarado& d) { d.importe(99999999999.99); }, {}},
        {"key 1 up to 2009", 2009, "E", "('1', 'N', 9999999999999)",
         [](cDeclarado& d) { d.claveopo("1"); }, {67}},
        {"key 2 has a field of its own", 2009, "E", "('1', 'N', 9999999999999)",
         [](cDeclarado& d) { d.claveopo("2"); }, {}},
        {"pesetas in euros", 2001, "P", "('1', 'N', 1663860000000000)",
         [](cDeclarado& d) { d.claveopo("1"); d.importe(1); }, {67}},
        {"pesetas beyond the digits but not in euros", 2001, "P", "('1', 'N', 20000000000000)",
         [](cDeclarado& d) { d.claveopo("1"); d.importe(99999999999.99); }, {}},
        // An entry's own amount has a field of the same digits, summed or not:
        // the amount is refused as such, not as the total.
        {"one amount too large, nothing stored", 2011, "E", "",
         [](cDeclarado& d) { d.importe(100000000000); }, {71}},
        {"one amount too large, a total stored", 2011, "E", "('E', 'N', 9999999999900)",
         [](cDeclarado& d) { d.importe(123456789012.34); }, {71}},
        {"a rectification the file cannot hold", 2011, "E", "('E', 'N', 100)",
         [](cDeclarado& d) { d.tipoopo("R"); rectifica(d, "-", 2011, 3, 2); d.importe(100000000000); }, {71}},
        {"a rectification up to the last cent", 2011, "E", "('E', 'N', 100)",
         [](cDeclarado& d) { d.tipoopo("R"); rectifica(d, "-", 2011, 3, 2); d.importe(99999999999.99); }, {}},
        {"a twelve-digit rectification in euros", 2009, "E", "('1', 'N', 100)",
         [](cDeclarado& d) { d.claveopo("3"); rectifica(d, "-", 2008, 12, 2); d.importe(123456789012.34); }, {71}},
        {"a twelve-digit rectification in pesetas", 2001, "P", "('1', 'N', 100)",
         [](cDeclarado& d) { d.claveopo("3"); rectifica(d, "-", 2000, 12, 2); d.importe(123456789012.34); }, {}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        entorno_.sql("DELETE FROM tOperadores;");
        std::string filas = c.guardados;
        for (size_t i = 0; (i = filas.find('(', i)) != std::string::npos; i += 4) filas.insert(i + 1, "10, ");
        if (!filas.empty())
            entorno_.sql("INSERT INTO tOperadores (coddeclar, claveopo, tipoopo, base) VALUES " + filas + ";");
        declaracion(c.ejercicio, 12, 2);
        quelvo::objListaDeclaraciones().MonedaOrigen(c.moneda);
        quelvo::objDeclaracion().ModoDeclaracion(quelvo::kModoAlta);
        cDeclarado d;
        normal(d);
        d.nifo("987654321");
        if (c.ejercicio < 2010) d.claveopo("1");
        c.entrada(d);
        prueba::InteraccionPrueba pantalla;
        EXPECT_EQ(d.ValidarDeclarado(), c.codigos.empty());
        EXPECT_EQ(pantalla.ultimos(), c.codigos);
    }
    // An entry being edited counts once, with its new amount.
    entorno_.sql("DELETE FROM tOperadores;"
                 "INSERT INTO tOperadores (codope, coddeclar, paiso, nifo, razon, claveopo, tipoopo, base, "
                 "signoo, ejercicioo, periodoo, triangularo, periodicidad) VALUES "
                 "(70, 10, 'DE', '123456789', 'EMPRESA', 'E', 'N', 9999999999999, ' ', 0, 0, ' ', 0);");
    declaracion(2011, 6, 2);
    quelvo::objListaDeclaraciones().MonedaOrigen("E");
    quelvo::objDeclaracion().ModoDeclaracion(quelvo::kModoEdicion);
    cDeclarado e;
    e.codope(70);
    e.CargarDeclarado();
    prueba::InteraccionPrueba pantalla;
    EXPECT_TRUE(e.ValidarDeclarado());
    e.importe(50);
    EXPECT_TRUE(e.ValidarDeclarado());
}

// The amount box left with a text that is no amount: the entry keeps the
// amount it held, unchecked, and is refused until an amount is set, the
// entry loaded or cleared.
TEST_F(Declarado, AnAmountNotReadIsRefused) {
    declaracion(2011, 6, 2);
    quelvo::objListaDeclaraciones().MonedaOrigen("E");
    quelvo::objDeclaracion().ModoDeclaracion(quelvo::kModoAlta);
    const std::pair<double, const char*> casos[] = {
        {10, "sound amount held"}, {0, "no amount held"}, {-5, "negative amount held"},
        {123456789012.34, "amount the file cannot hold"}};
    for (const auto& [antes, nombre] : casos) {
        SCOPED_TRACE(nombre);
        cDeclarado d;
        normal(d);
        d.importe(antes);
        d.importeIlegible("7,891");
        prueba::InteraccionPrueba pantalla;
        EXPECT_FALSE(d.ValidarDeclarado());
        EXPECT_EQ(pantalla.ultimos(), std::vector<int>{70});
        EXPECT_EQ(pantalla.ordinalesListas.back(), std::vector<int>{5});
        EXPECT_FALSE(d.ValidarImporte());
        EXPECT_EQ(pantalla.listas.size(), 2u);
        EXPECT_EQ(pantalla.ultimos(), std::vector<int>{70});
        EXPECT_EQ(d.importe(), antes);
    }

    // Only what the box is left with is checked there.
    cDeclarado d;
    prueba::InteraccionPrueba pantalla;
    d.importe(0);
    EXPECT_TRUE(d.ValidarImporte());
    d.importe(-5);
    EXPECT_TRUE(d.ValidarImporte());
    d.importe(99999999999.99);
    EXPECT_TRUE(d.ValidarImporte());
    EXPECT_TRUE(pantalla.listas.empty());
    d.importe(123456789012.34);
    EXPECT_FALSE(d.ValidarImporte());
    EXPECT_EQ(pantalla.ultimos(), std::vector<int>{71});

    // An amount set, a load or a clearing forgets the text.
    d.importeIlegible("12a3");
    d.importe(5);
    EXPECT_EQ(d.importeIlegible(), "");
    normal(d);
    d.coddeclar(10);
    d.codope(d.GuardarDeclarado(""));
    d.importeIlegible("12a3");
    d.CargarDeclarado();
    EXPECT_EQ(d.importeIlegible(), "");
    EXPECT_EQ(d.importe(), 10);
    d.importeIlegible("12a3");
    d.InicializarDeclarado();
    EXPECT_EQ(d.importeIlegible(), "");
}

TEST_F(Declarado, SaveLoadAndDelete) {
    declaracion(2011, 6, 2);
    cDeclarado d;
    normal(d);
    d.coddeclar(10);
    d.razon("MUÑOZ O'HARA");
    d.importe(1234567.89);
    d.tipoopo("R");
    rectifica(d, "-", 2011, 9, 0);
    d.Modificado(true);
    // The rectified period comes from the period box's text, not the fields.
    const int32_t clave = d.GuardarDeclarado("1ºTRIMESTRE");
    EXPECT_FALSE(d.Modificado());
    EXPECT_EQ(valor("SELECT paiso || '|' || nifo || '|' || razon || '|' || claveopo || '|' || "
                    "tipoopo || '|' || CAST(base AS INTEGER) || '|' || signoo || '|' || ejercicioo || "
                    "'|' || periodoo || '|' || periodicidad FROM tOperadores WHERE codope = " +
                    std::to_string(clave)),
              "DE|123456789|MUÑOZ O´HARA|E|R|123456789|-|2011|3|2");

    cDeclarado e;
    e.codope(clave);
    e.CargarDeclarado();
    EXPECT_EQ(e.razon(), "MUÑOZ O'HARA");
    EXPECT_EQ(e.importe(), 1234567.89);
    EXPECT_EQ(e.importeCentesimas(), 123456789);
    EXPECT_EQ(e.Periodoo(), 3);
    EXPECT_EQ(e.Periodicidad(), 2);
    EXPECT_EQ(e.coddeclar(), 10);

    // A stored period without a rectified exercise loads as none.
    entorno_.sql("UPDATE tOperadores SET ejercicioo = 0, periodoo = 9");
    e.CargarDeclarado();
    EXPECT_EQ(e.Periodoo(), 0);

    // An unknown key changes nothing.
    e.codope(999);
    e.CargarDeclarado();
    EXPECT_TRUE(e.BufferDeclarado().isNull());
    EXPECT_EQ(e.razon(), "MUÑOZ O'HARA");

    e.codope(clave);
    e.ObtenerDeclarados(10);
    ASSERT_TRUE(e.BufferDeclarados().isArray());
    EXPECT_EQ(rt::UBound(e.BufferDeclarados(), 2), 1);
    e.ObtenerTodosLosDecl(10);
    EXPECT_TRUE(e.BufferTodosLosDecl().isArray());
    e.EliminarDeclarado();
    EXPECT_EQ(e.codope(), 0);
    e.ObtenerDeclarados(10);
    EXPECT_TRUE(e.BufferDeclarados().isNull());
    EXPECT_EQ(valor("SELECT count(*) FROM tOperadores"), "0");
}

TEST_F(Declarado, RectifiedExerciseReadsSixteenBits) {
    cDeclarado d;
    d.Ejercicio(40000);
    try {
        (void)d.Ejercicio();
        ADD_FAILURE() << "no overflow";
    } catch (const rt::Error& e) {
        EXPECT_EQ(e.Number, rt::err::Overflow);
    }
}

TEST_F(Declarado, TotalsCountEveryEntry) {
    // Three keys with 2, 1 and 4 entries in a 2009 declaration.
    entorno_.sql(
        "INSERT INTO TDeclaraciones (coddecla, coddecr, ejercicio, periodo, periodicidad, moneda) "
        "VALUES (20, 5, 2009, 3, 2, 'E');"
        "INSERT INTO tOperadores (coddeclar, claveopo, tipoopo, base) VALUES "
        "(20, '1', 'N', 100), (20, '1', 'N', 200), (20, '2', 'N', 50),"
        "(20, '3', 'R', 1), (20, '3', 'R', 1), (20, '3', 'R', 1), (20, '3', 'R', 1);");
    quelvo::objListaDeclaraciones().Ejercicio(2009);
    auto& t = quelvo::objDeclaracion();
    t.ObtenerTotalDeclarados(20);
    EXPECT_EQ(t.NoTotalDeclarados(), "7");
    ASSERT_TRUE(t.BufferTotalDeclarados().isArray());
    EXPECT_EQ(rt::UBound(t.BufferTotalDeclarados(), 2), 3);
    t.ObtenerTotalDeclarados(10);
    EXPECT_EQ(t.NoTotalDeclarados(), "0");
    EXPECT_TRUE(t.BufferTotalDeclarados().isNull());

    EXPECT_EQ(t.ObtenerDeclaracion(5, 2009, 3, 2), 20);
    EXPECT_EQ(t.ObtenerDeclaracion(5, 2009, 3, 1), 0);
    t.NoTotalDeclarados("12");
    EXPECT_EQ(t.NoTotalDeclarados(), "12");
}

}  // namespace
