// The declarations list object: the checks of a new declaration and of a
// copy, and its storage through the data server.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "boundary/consulta_db.h"
#include "declarations/clistadeclaraciones.h"
#include "entorno.h"
#include "interaccion_prueba.h"
#include "parties/cdeclarante.h"
#include "quelvort/error.h"
#include "services/objetos.h"

using quelvo::cListaDeclaraciones;

namespace {

struct Decl {
    int32_t ejercicio;
    int32_t periodo;
    int32_t periodicidad;
};

// Stored declarations as the data server lists them.
rt::Variant buffer(const std::vector<Decl>& filas) {
    if (filas.empty()) return rt::Variant::Null();
    rt::VArray b({0, 5}, {0, static_cast<int32_t>(filas.size())});
    for (size_t i = 0; i < filas.size(); ++i) {
        const int32_t f = static_cast<int32_t>(i) + 1;
        b.at(0, f) = std::to_string(f);
        b.at(1, f) = std::to_string(filas[i].ejercicio);
        b.at(2, f) = std::to_string(filas[i].periodo);
        b.at(3, f) = "E";
        b.at(4, f) = std::to_string(filas[i].periodicidad);
        b.at(5, f) = "";
    }
    return rt::Variant(std::move(b));
}

cListaDeclaraciones nueva(Decl d, const std::vector<Decl>& guardadas, const char* moneda = "E") {
    cListaDeclaraciones l;
    l.Ejercicio(d.ejercicio);
    l.Periodo(static_cast<uint8_t>(d.periodo));
    l.Periodicidad(static_cast<uint8_t>(d.periodicidad));
    l.Moneda(moneda);
    l.BufferDeclaraciones(buffer(guardadas));
    return l;
}

std::vector<int> codigosNueva(cListaDeclaraciones& l) {
    prueba::InteraccionPrueba pantalla;
    const bool bien = l.ValidarNuevaDeclaracion(false);
    EXPECT_EQ(bien, pantalla.listas.empty());
    return pantalla.ultimos();
}

struct Solape {
    Decl guardada;
    Decl nueva;
    bool solapa;
};

TEST(ListaDeclaraciones, OverlapMatrix) {
    const Solape casos[] = {
        // A stored year covers every period of that year, and no other year.
        {{2005, 12, 3}, {2005, 12, 3}, true},   {{2005, 12, 3}, {2005, 6, 2}, true},
        {{2005, 12, 3}, {2005, 3, 1}, true},    {{2005, 12, 3}, {2006, 12, 3}, false},
        {{2011, 3, 2}, {2011, 12, 3}, true},    {{2011, 1, 1}, {2011, 12, 3}, true},
        // Quarter against quarter: only the same one.
        {{2008, 6, 2}, {2008, 6, 2}, true},     {{2008, 6, 2}, {2008, 9, 2}, false},
        {{2008, 6, 2}, {2009, 6, 2}, false},
        // A quarter covers exactly its three months, either way round.
        {{2011, 3, 1}, {2011, 3, 2}, true},     {{2011, 3, 1}, {2011, 6, 2}, false},
        {{2011, 4, 1}, {2011, 6, 2}, true},     {{2011, 6, 1}, {2011, 6, 2}, true},
        {{2011, 7, 1}, {2011, 6, 2}, false},
        {{2012, 9, 2}, {2012, 7, 1}, true},     {{2012, 9, 2}, {2012, 8, 1}, true},
        {{2012, 9, 2}, {2012, 9, 1}, true},     {{2012, 9, 2}, {2012, 10, 1}, false},
        {{2012, 9, 2}, {2012, 6, 1}, false},
        // Months: only the same month; the bimonthly mark plays no part.
        {{2010, 2, 1}, {2010, 2, 1}, true},     {{2010, 2, 1}, {2010, 1, 1}, false},
        {{2010, 2, 1}, {2010, 3, 1}, false},
        // A periodicity outside 1 to 3 never overlaps.
        {{2011, 12, 0}, {2011, 12, 3}, false},  {{2011, 12, 3}, {2011, 12, 4}, false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::to_string(c.guardada.ejercicio) + "/" + std::to_string(c.guardada.periodo) +
                     "/" + std::to_string(c.guardada.periodicidad) + " against " +
                     std::to_string(c.nueva.ejercicio) + "/" + std::to_string(c.nueva.periodo) + "/" +
                     std::to_string(c.nueva.periodicidad));
        cListaDeclaraciones l = nueva(c.nueva, {c.guardada});
        // A month before 2010 is refused besides; only the overlap counts here.
        const std::vector<int> codigos = codigosNueva(l);
        EXPECT_EQ(std::count(codigos.begin(), codigos.end(), 15), c.solapa ? 1 : 0);
    }
}

TEST(ListaDeclaraciones, NewDeclarationFindingsInOrder) {
    struct Caso {
        Decl d;
        const char* moneda;
        std::vector<Decl> guardadas;
        std::vector<int> codigos;
    };
    const Caso casos[] = {
        {{0, 3, 2}, "E", {}, {9, 10}},
        {{0, 0, 2}, "E", {}, {9, 39, 10}},
        {{2011, 3, 2}, " ", {}, {18}},
        {{1993, 3, 2}, "E", {}, {}},
        {{2013, 3, 2}, "E", {}, {}},
        {{1992, 3, 2}, "E", {}, {10}},
        {{2014, 3, 2}, "E", {}, {10}},
        // Two stored declarations that both overlap give one finding.
        {{2011, 2, 1}, "E", {{2011, 3, 2}, {2011, 12, 3}}, {15}},
        {{0, 0, 2}, "", {{2011, 3, 2}}, {9, 39, 18, 10}},
        // A month before 2010 is refused; from 2010 it passes.
        {{2009, 2, 1}, "E", {}, {61}},
        {{2010, 2, 1}, "E", {}, {}},
        {{0, 5, 1}, "E", {}, {9, 10, 61}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.d.ejercicio);
        cListaDeclaraciones l = nueva(c.d, c.guardadas, c.moneda);
        EXPECT_EQ(codigosNueva(l), c.codigos);
    }
}

TEST(ListaDeclaraciones, NewDeclarationSilentWhenAskedAndOrdinals) {
    prueba::InteraccionPrueba pantalla;
    cListaDeclaraciones l = nueva({0, 0, 2}, {}, "");
    EXPECT_FALSE(l.ValidarNuevaDeclaracion(true));
    EXPECT_TRUE(pantalla.listas.empty());
    EXPECT_FALSE(l.ValidarNuevaDeclaracion(false));
    ASSERT_EQ(pantalla.listas.size(), 1u);
    EXPECT_EQ(pantalla.ordinalesListas[0], (std::vector<int>{1, 1, 2, 3}));
}

TEST(ListaDeclaraciones, CopyRules) {
    struct Caso {
        int32_t origen;
        int16_t destino;
        int16_t periodicidad;
        std::vector<int> codigos;
    };
    const Caso casos[] = {
        {2011, 2009, 2, {60}},  {2011, 2009, 1, {60, 61}}, {2010, 2009, 3, {60}},
        {2009, 2008, 2, {}},    {2008, 2010, 1, {}},       {2011, 2010, 1, {}},
        {2008, 2009, 1, {}},    {2011, 0, 0, {60}},        {2009, 0, 0, {}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::to_string(c.origen) + " to " + std::to_string(c.destino));
        prueba::InteraccionPrueba pantalla;
        cListaDeclaraciones l;
        l.Ejercicio(c.origen);
        EXPECT_EQ(l.validarCopiaDeclaracion(c.destino, c.periodicidad), c.codigos.empty());
        EXPECT_EQ(pantalla.ultimos(), c.codigos);
    }
}

class ListaDeclaracionesServidor : public ::testing::Test {
protected:
    void SetUp() override {
        entorno_.sql("INSERT INTO TDeclarante (coddec, dni_cifd, nombred) VALUES (5, '12345678Z', 'ANE');");
        quelvo::objDeclarante().CODDEC(5);
    }
    std::string valor(const std::string& sql) { return prueba::Valor(quelvo::strRutaMod, sql); }
    prueba::Entorno entorno_;
};

TEST_F(ListaDeclaracionesServidor, StoreListCopyAndDelete) {
    cListaDeclaraciones& l = quelvo::objListaDeclaraciones();
    l.RellenarDeclaraciones();
    EXPECT_TRUE(l.BufferDeclaraciones().isNull());

    // A peseta declaration of 2001 with two entries.
    entorno_.sql(
        "INSERT INTO TDeclaraciones (coddecla, coddecr, ejercicio, periodo, periodicidad, moneda) "
        "VALUES (40, 5, 2001, 12, 3, 'P');"
        "INSERT INTO tOperadores (coddeclar, paiso, nifo, razon, claveopo, tipoopo, base, ejercicioo, "
        "periodoo, periodicidad) VALUES (40, 'DE', '123456789', 'A', '1', 'N', 16638600, 0, 0, 0),"
        "(40, 'FR', 'X', 'B', '2', 'N', 100000, 0, 0, 0);");
    l.Ejercicio(2011);
    l.Periodo(3);
    l.Periodicidad(2);
    l.Moneda("E");
    l.Bimensual("");
    l.GuardarDeclaracion();
    const int32_t creada = l.CodDecla();
    EXPECT_GT(creada, 40);
    EXPECT_EQ(valor("SELECT coddecr || '|' || ejercicio || '|' || periodo || '|' || periodicidad || "
                    "'|' || moneda FROM TDeclaraciones WHERE coddecla = " + std::to_string(creada)),
              "5|2011|3|2|E");

    l.RellenarDeclaraciones();
    ASSERT_TRUE(l.BufferDeclaraciones().isArray());
    EXPECT_EQ(rt::UBound(l.BufferDeclaraciones(), 2), 2);
    EXPECT_EQ(rt::CStr(l.BufferDeclaraciones()(0, 1)), "40");

    // Copy the peseta declaration into 2002 in euros: the bases are divided.
    l.CodDecla(40);
    l.Ejercicio(2002);
    l.EjercicioOrg(2001);
    l.Periodo(12);
    l.Periodicidad(3);
    l.DuplicarDeclaracion(" / ");
    const int32_t copia = l.CodDecla();
    EXPECT_NE(copia, 40);
    EXPECT_EQ(prueba::Columna(quelvo::strRutaMod,
                              "SELECT CAST(base AS INTEGER) FROM tOperadores WHERE coddeclar = " +
                                  std::to_string(copia) + " ORDER BY codope"),
              (std::vector<std::string>{"100000", "601"}));
    EXPECT_EQ(valor("SELECT moneda FROM TDeclaraciones WHERE coddecla = " + std::to_string(copia)), "E");

    l.CodDecla(40);
    l.EliminarDeclaracion();
    EXPECT_EQ(l.CodDecla(), 0);
    EXPECT_EQ(valor("SELECT count(*) FROM TDeclaraciones WHERE coddecla = 40"), "0");
    EXPECT_EQ(valor("SELECT count(*) FROM tOperadores WHERE coddeclar = 40"), "0");
}

TEST_F(ListaDeclaracionesServidor, FailuresCarryTheLocationAndKeepTheKey) {
    quelvo::strRutaMod = entorno_.carpeta().toStdString() + "/falta/794Mod.mdb";
    cListaDeclaraciones& l = quelvo::objListaDeclaraciones();
    l.CodDecla(77);
    const std::pair<const char*, std::function<void()>> casos[] = {
        {"cListaDeclaraciones.RellenarDeclaraciones\r\n", [&] { l.RellenarDeclaraciones(); }},
        {"cListaDeclaraciones.GuardarDeclaracion\r\n", [&] { l.GuardarDeclaracion(); }},
        {"cListaDeclaraciones.EliminarDeclaracion\r\n", [&] { l.EliminarDeclaracion(); }},
        {"cListaDeclaraciones.DuplicarDeclaracion\r\n", [&] { l.DuplicarDeclaracion(""); }},
    };
    for (const auto& [lugar, llamada] : casos) {
        SCOPED_TRACE(lugar);
        try {
            llamada();
            ADD_FAILURE() << "no error";
        } catch (const rt::Error& e) {
            EXPECT_EQ(e.Description.rfind(lugar, 0), 0u) << e.Description;
        }
        EXPECT_EQ(l.CodDecla(), 77);
    }
}

}  // namespace
