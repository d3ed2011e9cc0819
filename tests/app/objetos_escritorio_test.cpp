// The desktop objects of declarants, the presenter and declarations, run
// against a fresh user database through the real data server.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "boundary/consulta_db.h"
#include "declarations/cdeclaracion.h"
#include "declarations/cdeclarado.h"
#include "entorno.h"
#include "parties/cdeclarante.h"
#include "parties/cpresentador.h"
#include "quelvodat/cDeclaraciones.h"
#include "quelvodat/cDeclarante.h"
#include "quelvodat/cPresentador.h"
#include "quelvodat/territorio.h"
#include "quelvort/convert.h"
#include "quelvort/error.h"
#include "services/servidor.h"

using rt::Variant;

namespace {

class ObjetosEscritorio : public ::testing::Test {
protected:
    void sql(const std::string& s) { entorno_.sql(s); }
    // Points the program at a user database that does not exist.
    void sinBase() { quelvo::strRutaMod = entorno_.carpeta().toStdString() + "/falta/794Mod.mdb"; }
    prueba::Entorno entorno_;
};

std::string s(const Variant& v) { return rt::CStr(v); }

// The (key, NIF, name) rows of a declarant list, from row 1.
std::vector<std::string> filas(const Variant& lista) {
    std::vector<std::string> r;
    for (int32_t i = 1; i <= rt::UBound(lista, 2); ++i)
        r.push_back(s(lista(0, i)) + "|" + s(lista(1, i)) + "|" + s(lista(2, i)));
    return r;
}

auto declarantes() { return quelvo::CrearServidor<quelvodat::_cDeclarante>("Quelvodat.cDeclarante"); }
auto presentadores() { return quelvo::CrearServidor<quelvodat::_cPresentador>("Quelvodat.cPresentador"); }
auto declaraciones() {
    return quelvo::CrearServidor<quelvodat::_cDeclaraciones>("Quelvodat.cDeclaraciones");
}

rt::Error errorDe(const std::function<void()>& f) {
    try {
        f();
    } catch (const rt::Error& e) {
        return e;
    }
    ADD_FAILURE() << "no error raised";
    return rt::Error(0, "", "");
}

TEST_F(ObjetosEscritorio, RecentByKeyDescendingAndAllByNifNullWhenNone) {
    quelvo::cDeclarante d;
    d.vBufferUltimos(Variant("viejo"));
    d.vBufferDeclarantes(Variant("viejo"));
    d.ObtenerUltimosDeclarantes();
    d.ObtenerDeclarantes();
    EXPECT_TRUE(d.vBufferUltimos().isNull());
    EXPECT_TRUE(d.vBufferDeclarantes().isNull());
    // NIF order differs from key order, so a list sorted the wrong way shows.
    sql("INSERT INTO TDeclarante (coddec, dni_cifd, nombred) VALUES (3, 'C3', 'TERCERO'), (1, 'Z1', "
        "'PRIMERO'), (6, 'A6', 'SEXTO'), (2, 'B2', 'SEGUNDO'), (5, 'Y5', 'QUINTO'), (4, 'M4', 'CUARTO');");
    quelvo::cDeclarante e;
    e.ObtenerUltimosDeclarantes();
    ASSERT_TRUE(e.vBufferUltimos().isArray());
    EXPECT_TRUE(e.vBufferUltimos()(0, 0).isEmpty());
    EXPECT_EQ(filas(e.vBufferUltimos()),
              (std::vector<std::string>{"6|A6|SEXTO", "5|Y5|QUINTO", "4|M4|CUARTO", "3|C3|TERCERO"}));
    EXPECT_TRUE(e.vBufferDeclarantes().isEmpty());  // each list fills only its own buffer
    e.ObtenerDeclarantes();
    EXPECT_EQ(filas(e.vBufferDeclarantes()),
              (std::vector<std::string>{"6|A6|SEXTO", "2|B2|SEGUNDO", "3|C3|TERCERO", "4|M4|CUARTO",
                                        "5|Y5|QUINTO", "1|Z1|PRIMERO"}));
}

// Every field as one text, so a value in the wrong field shows.
template <typename T>
std::string campos(const T& o, int32_t clave, const QString& contacto, int32_t telContacto) {
    std::string r = std::to_string(clave);
    for (const QString* q : {&o.NIF(), &o.Nombre(), &o.Siglas(), &o.domicilio()})
        r += "|" + q->toStdString();
    r += "|" + std::to_string(o.numero());
    for (const QString* q : {&o.letra(), &o.Escal(), &o.piso(), &o.mano()}) r += "|" + q->toStdString();
    return r + "|" + std::to_string(o.CodProvin()) + "|" + std::to_string(o.CPost()) + "|" +
           o.municipio().toStdString() + "|" + std::to_string(o.Telefono()) + "|" + contacto.toStdString() +
           "|" + std::to_string(telContacto);
}
std::string campos(const quelvo::cDeclarante& d) {
    return campos(d, d.CODDEC(), d.NombrePd(), d.TelefonoPd());
}
std::string campos(const quelvo::cPresentador& p) {
    return campos(p, p.CODPRES(), p.NombreP(), p.TelefonoP());
}

const std::string kRelleno = "77|X|X|AV|X|9|X|X|X|X|48|48001|X|9|X|9";
void rellenar(quelvo::cDeclarante& d) {
    d.CargarDeclarante(
        rt::VArray::Of({77, "X", "X", "AV", "X", 9, "X", "X", "X", "X", 48, 1, "X", "X", 9, 9}));
    d.Modificado(true);
}

TEST_F(ObjetosEscritorio, InicializaDatosByMode) {
    // Province 1 with postal digits 1 must come back as 1001; the contact's
    // name and the telephone sit the other way round in the load.
    sql("INSERT INTO TDeclarante VALUES (7, '12345678Z', 'GARCIA ANE', 'PZ', 'NUEVA', 14, 'B', "
        "'DCHA', '3', 'IZ', 1, 1, 'VITORIA', 945123456, 'JON', 600111222);");
    const std::string porDefecto =
        "0|||CL||0|||||" + std::to_string(quelvodat::kProvinciaTerritorio) + "|0||0||0";
    const std::pair<int32_t, std::string> casos[] = {
        {0, porDefecto}, {2, porDefecto},
        {1, "7|12345678Z|GARCIA ANE|PZ|NUEVA|14|B|DCHA|3|IZ|1|1001|VITORIA|945123456|JON|600111222"},
        {3, kRelleno}, {-1, kRelleno}};
    for (const auto& [modo, esperado] : casos) {
        SCOPED_TRACE(modo);
        quelvo::cDeclarante d;
        rellenar(d);
        d.CODDEC(modo == 1 ? 7 : 77);
        d.Modo(modo);
        d.Procedencia(1);
        d.AbrirBorrar(1);
        d.InicializaDatos();
        EXPECT_EQ(campos(d), esperado);
        EXPECT_FALSE(d.Modificado());
        // The window-flow flags belong to the callers.
        EXPECT_EQ(std::vector<int32_t>({d.Modo(), d.Procedencia(), d.AbrirBorrar()}),
                  std::vector<int32_t>({modo, 1, 1}));
    }
}

TEST_F(ObjetosEscritorio, ServerErrorsCarryTheMembersLocationOrPassAsTheyAre) {
    quelvo::cDeclarante d, rellenado;
    rellenar(rellenado);
    rellenado.CODDEC(99);
    rellenado.Modo(1);
    quelvo::cDeclaracion decl;
    quelvo::cPresentador p;
    Variant r;
    const std::tuple<const char*, std::function<void()>, std::function<void()>> casos[] = {
        {"cDeclarante.ObtenerDeclarantes\r\n", [&] { d.ObtenerDeclarantes(); },
         [&] { declarantes()->ObtenerDeclarantes(); }},
        {"cDeclarante.ObtenerUltimosDeclarantes\r\n", [&] { d.ObtenerUltimosDeclarantes(); },
         [&] { declarantes()->ObtenerUltimosDeclarantes(); }},
        {"cDeclaracion.MaxEjerPer\r\n", [&] { decl.MaxEjerPer(false, 0); },
         [] { declaraciones()->MaxEjerPer(false, 0); }},
        {"", [&] { rellenado.InicializaDatos(); }, [&] { declarantes()->CargarDeclarante(99, r); }},
        {"", [&] { p.InicializaDatos(); }, [&] { presentadores()->CargarPresentador(r); }},
    };
    sinBase();
    for (const auto& [ubicacion, llamada, directa] : casos) {
        rt::Error original = errorDe(directa), e = errorDe(llamada);
        EXPECT_EQ(e.Description, ubicacion + original.Description);
        EXPECT_EQ(e.Number, original.Number) << ubicacion;
        EXPECT_EQ(e.Source, original.Source) << ubicacion;
    }
    EXPECT_EQ(campos(rellenado), "99" + kRelleno.substr(2));
    EXPECT_FALSE(rellenado.Modificado());
}

// A presenter record in load order.
const std::string kCargado = "5|N|N|CL|D|1|L|E|P|M|48|48001|MU|1|C|1";
Variant cargado() {
    return rt::VArray::Of({5, "N", "N", "CL", "D", 1, "L", "E", "P", "M", 48, 48001, "MU", 1, "C", 1});
}

TEST_F(ObjetosEscritorio, SavedPresenterComesBackWithEachFieldInPlace) {
    // Save order: municipality at 11, postal code at 12.
    presentadores()->GuardarPresentador(rt::VArray::Of({0, "B48000001", "ASESORES SL", "AV", "GRAN VIA", 21,
                                                        "A", "IZQ", "2", "DR", 1, "VITORIA", 1001,
                                                        945111222, "MIREN", 655333444}));
    const std::string clave = prueba::Valor(quelvo::strRutaMod, "SELECT codpres FROM TPresentador");
    quelvo::cPresentador p;
    p.Modificado(true);
    p.InicializaDatos();
    EXPECT_EQ(campos(p), clave + "|B48000001|ASESORES SL|AV|GRAN VIA|21|A|IZQ|2|DR|1|1001|VITORIA|"
                                 "945111222|MIREN|655333444");
    EXPECT_NE(p.CODPRES(), 0);
    EXPECT_FALSE(p.Modificado());
    // Deleted: every field empty and key zero.
    sql("DELETE FROM TPresentador;");
    p.Modificado(true);
    p.InicializaDatos();
    EXPECT_EQ(campos(p), "0|||||0|||||0|0||0||0");
    EXPECT_FALSE(p.Modificado());
}

TEST_F(ObjetosEscritorio, PresenterBufferInLoadOrderWholeOrNotAtAll) {
    sinBase();  // a given buffer never reaches the server
    const std::tuple<const char*, Variant, std::string, int32_t> casos[] = {
        {"Null changes nothing", Variant::Null(), kCargado, 0},
        {"postal code at 11, municipality at 12",
         rt::VArray::Of({9, "B1", "NOMBRE", "PZ", "CALLE", 4, "C", "1", "3", "D", 20, 20800, "DONOSTIA",
                         943000000, "CONTACTO", 688000000}),
         "9|B1|NOMBRE|PZ|CALLE|4|C|1|3|D|20|20800|DONOSTIA|943000000|CONTACTO|688000000", 0},
        // Textual numbers as a record may hold them; halves round away from
        // zero as the zero-filled format does.
        {"numbers as text",
         rt::VArray::Of({"3", "", "", "", "", "0", "", "", "", "", "01", "01001", "", "0", "", "0"}),
         "3|||||0|||||1|1001||0||0", 0},
        {"halves", rt::VArray::Of({1, "", "", "", "", 0, "", "", "", "", 1.5, 1002.5, "", 0, "", 0}),
         "1|||||0|||||2|1003||0||0", 0},
        {"a postal code that is no number",
         rt::VArray::Of({8, "OTRO", "OTRO", "AV", "OTRA", 2, "", "", "", "", 1, "ABC", "X", 1, "", 1}),
         kCargado, rt::err::TypeMismatch},
    };
    for (const auto& [nombre, buffer, esperado, error] : casos) {
        SCOPED_TRACE(nombre);
        quelvo::cPresentador p;
        p.CargarPresentador(cargado());
        p.Modificado(true);
        if (error) {
            auto cargar = [&p, &buffer = buffer] { p.CargarPresentador(buffer); };
            EXPECT_EQ(errorDe(cargar).Number, error);
        } else {
            p.CargarPresentador(buffer);
        }
        EXPECT_EQ(campos(p), esperado);
        EXPECT_TRUE(p.Modificado());  // a load leaves the flag to InicializaDatos
    }
}

TEST_F(ObjetosEscritorio, MaxEjerPerNullWithoutDeclarationsElseTheLatest) {
    quelvo::cDeclaracion d;
    EXPECT_TRUE(d.MaxEjerPer(false, 0).isNull());
    EXPECT_TRUE(d.MaxEjerPer(true, 2002).isNull());
    sql("INSERT INTO TDeclaraciones (coddecr, ejercicio, periodo, periodicidad, moneda) VALUES "
        "(1, 2001, 12, 3, 'P'), (1, 2011, 3, 2, 'E'), (2, 2011, 6, 2, 'E'), (2, 2012, 5, 1, 'P'),"
        "(1, 2010, 12, 3, 'E');");
    for (auto [soloEuros, esperado] : {std::pair{false, "2012|5|P|1"}, {true, "2011|6|E|2"}}) {
        Variant u = d.MaxEjerPer(soloEuros, 0);
        ASSERT_TRUE(u.isArray());
        EXPECT_EQ(u.array().dimensions(), 1);
        EXPECT_EQ(s(u(0)) + "|" + s(u(1)) + "|" + s(u(2)) + "|" + s(u(3)), esperado) << soloEuros;
        EXPECT_TRUE(u(4).isEmpty());
    }
}

TEST_F(ObjetosEscritorio, DeclaredExerciseNarrowsWhenRead) {
    const int32_t desborde = rt::err::Overflow;
    const std::pair<int32_t, int32_t> casos[] = {{0, 0},     {2011, 0},           {32767, 0},
                                                 {-32768, 0}, {32768, desborde}, {-32769, desborde},
                                                 {70000, desborde}};
    for (auto [guardado, error] : casos) {
        quelvo::cDeclarado d;
        d.Ejercicio(guardado);
        if (error) EXPECT_EQ(errorDe([&] { (void)d.Ejercicio(); }).Number, error) << guardado;
        else EXPECT_EQ(d.Ejercicio(), guardado);
    }
}

}  // namespace
