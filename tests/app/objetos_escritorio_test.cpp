// The desktop objects of declarants, the presenter and declarations, run
// against a fresh user database through the real data server.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "boundary/consulta_db.h"
#include "boundary/fixture_db.h"
#include "declarations/cdeclaracion.h"
#include "declarations/cdeclarado.h"
#include "parties/cdeclarante.h"
#include "parties/cpresentador.h"
#include "quelvodat/cDeclaraciones.h"
#include "quelvodat/cDeclarante.h"
#include "quelvodat/cPresentador.h"
#include "quelvodat/territorio.h"
#include "quelvort/convert.h"
#include "quelvort/error.h"
#include "shell/globales.h"
#include "shell/servidor.h"

namespace fs = std::filesystem;
using rt::Variant;

namespace {

class ObjetosEscritorio : public ::testing::Test {
protected:
    void SetUp() override {
        auto nombre = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        carpeta_ = prueba::CarpetaTemporal(std::string("objetos-") + nombre);
        guardadoMod_ = quelvo::strRutaMod;
        guardadoLec_ = quelvo::strRutaLec;
        quelvo::strRutaMod = prueba::CrearBaseUsuarioPrueba(carpeta_);
        quelvo::strRutaLec = prueba::RutaBaseReferencia();
    }
    void TearDown() override {
        quelvo::strRutaMod = guardadoMod_;
        quelvo::strRutaLec = guardadoLec_;
        fs::remove_all(carpeta_);
    }

    void sql(const std::string& s) { prueba::EjecutarSql(quelvo::strRutaMod, s); }
    void declarante(int coddec, const std::string& nif, const std::string& nombre) {
        sql("INSERT INTO TDeclarante (coddec, dni_cifd, nombred) VALUES (" +
            std::to_string(coddec) + ", '" + nif + "', '" + nombre + "');");
    }
    // Points the program at a user database that does not exist.
    void sinBase() { quelvo::strRutaMod = (carpeta_ / "falta" / "794Mod.mdb").string(); }

    fs::path carpeta_;
    std::string guardadoMod_, guardadoLec_;
};

std::string s(const Variant& v) {
    return rt::CStr(v);
}

// The (key, NIF, name) rows of a declarant list, from row 1.
std::vector<std::string> filas(const Variant& lista) {
    std::vector<std::string> r;
    for (int32_t i = 1; i <= rt::UBound(lista, 2); ++i)
        r.push_back(s(lista(0, i)) + "|" + s(lista(1, i)) + "|" + s(lista(2, i)));
    return r;
}

// The data-server objects as the program creates them.
auto declarantes() {
    return quelvo::CrearServidor<quelvodat::_cDeclarante>("Quelvodat.cDeclarante");
}
auto presentadores() {
    return quelvo::CrearServidor<quelvodat::_cPresentador>("Quelvodat.cPresentador");
}
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

// ---- declarant ----

TEST_F(ObjetosEscritorio, ListasDeDeclarantesSonNullSinDeclarantes) {
    quelvo::cDeclarante d;
    d.vBufferUltimos(Variant("viejo"));
    d.vBufferDeclarantes(Variant("viejo"));
    d.ObtenerUltimosDeclarantes();
    d.ObtenerDeclarantes();
    EXPECT_TRUE(d.vBufferUltimos().isNull());
    EXPECT_TRUE(d.vBufferDeclarantes().isNull());
}

TEST_F(ObjetosEscritorio, UltimosPorClaveDescendenteYTodosPorNif) {
    // NIF order differs from key order, so a list sorted the wrong way shows.
    for (auto [k, nif, nombre] : {std::tuple{3, "C3", "TERCERO"},
                                  {1, "Z1", "PRIMERO"},
                                  {6, "A6", "SEXTO"},
                                  {2, "B2", "SEGUNDO"},
                                  {5, "Y5", "QUINTO"},
                                  {4, "M4", "CUARTO"}})
        declarante(k, nif, nombre);
    quelvo::cDeclarante d;
    d.ObtenerUltimosDeclarantes();
    ASSERT_TRUE(d.vBufferUltimos().isArray());
    EXPECT_TRUE(d.vBufferUltimos()(0, 0).isEmpty());
    EXPECT_EQ(filas(d.vBufferUltimos()), (std::vector<std::string>{"6|A6|SEXTO", "5|Y5|QUINTO",
                                                                   "4|M4|CUARTO", "3|C3|TERCERO"}));
    EXPECT_TRUE(d.vBufferDeclarantes().isEmpty());  // each list fills only its own buffer
    d.ObtenerDeclarantes();
    EXPECT_EQ(filas(d.vBufferDeclarantes()),
              (std::vector<std::string>{"6|A6|SEXTO", "2|B2|SEGUNDO", "3|C3|TERCERO", "4|M4|CUARTO",
                                        "5|Y5|QUINTO", "1|Z1|PRIMERO"}));
}

// Every field as one text, so a value in the wrong field shows; the key and
// the contact's fields are named differently in the two classes.
template <typename T>
std::string campos(const T& o, int32_t clave, const QString& contacto, int32_t telContacto) {
    std::string r = std::to_string(clave);
    for (const QString* q : {&o.NIF(), &o.Nombre(), &o.Siglas(), &o.domicilio()})
        r += "|" + q->toStdString();
    r += "|" + std::to_string(o.numero());
    for (const QString* q : {&o.letra(), &o.Escal(), &o.piso(), &o.mano()})
        r += "|" + q->toStdString();
    return r + "|" + std::to_string(o.CodProvin()) + "|" + std::to_string(o.CPost()) + "|" +
           o.municipio().toStdString() + "|" + std::to_string(o.Telefono()) + "|" +
           contacto.toStdString() + "|" + std::to_string(telContacto);
}
std::string campos(const quelvo::cDeclarante& d) {
    return campos(d, d.CODDEC(), d.NombrePd(), d.TelefonoPd());
}
std::string campos(const quelvo::cPresentador& p) {
    return campos(p, p.CODPRES(), p.NombreP(), p.TelefonoP());
}

void rellenar(quelvo::cDeclarante& d) {
    d.CODDEC(77);
    d.NIF("X");
    d.Nombre("X");
    d.Siglas("AV");
    d.domicilio("X");
    d.numero(9);
    d.letra("X");
    d.Escal("X");
    d.piso("X");
    d.mano("X");
    d.CodProvin(48);
    d.CPost(48001);
    d.municipio("X");
    d.Telefono(9);
    d.NombrePd("X");
    d.TelefonoPd(9);
    d.Modificado(true);
}

TEST_F(ObjetosEscritorio, InicializaDatosSegunModo) {
    // Province 1 with postal digits 1 must come back as 1001; the contact's
    // name and the telephone sit the other way round in the load.
    sql("INSERT INTO TDeclarante VALUES (7, '12345678Z', 'GARCIA ANE', 'PZ', 'NUEVA', 14, 'B', "
        "'DCHA', '3', 'IZ', 1, 1, 'VITORIA', 945123456, 'JON', 600111222);");
    const std::string relleno = "77|X|X|AV|X|9|X|X|X|X|48|48001|X|9|X|9";
    const std::string porDefecto =
        "0|||CL||0|||||" + std::to_string(quelvodat::kProvinciaTerritorio) + "|0||0||0";
    struct Caso {
        int32_t modo;
        std::string esperado;
    };
    const std::vector<Caso> casos = {
        {0, porDefecto},
        {2, porDefecto},
        {1,
         "7|12345678Z|GARCIA ANE|PZ|NUEVA|14|B|DCHA|3|IZ|1|1001|VITORIA|945123456|JON|600111222"},
        {3, relleno},
        {-1, relleno},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.modo);
        quelvo::cDeclarante d;
        rellenar(d);
        d.CODDEC(c.modo == 1 ? 7 : 77);
        d.Modo(c.modo);
        d.Procedencia(1);
        d.AbrirBorrar(1);
        d.InicializaDatos();
        EXPECT_EQ(campos(d), c.esperado);
        EXPECT_FALSE(d.Modificado());
        // The window-flow flags belong to the callers.
        EXPECT_EQ(d.Modo(), c.modo);
        EXPECT_EQ(d.Procedencia(), 1);
        EXPECT_EQ(d.AbrirBorrar(), 1);
    }
}

TEST_F(ObjetosEscritorio, CargaRehaceElCodigoPostalConLaProvincia) {
    struct Caso {
        int cod;
        int postal;
        int32_t cpost;
    };
    const std::vector<Caso> casos = {{1, 1, 1001}, {48, 5, 48005}, {20, 800, 20800}, {0, 0, 0}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.cod);
        sql("DELETE FROM TDeclarante; INSERT INTO TDeclarante VALUES (3, 'N', 'N', 'CL', 'D', 0, "
            "'', "
            "'', '', '', " +
            std::to_string(c.cod) + ", " + std::to_string(c.postal) + ", 'M', 0, '', 0);");
        quelvo::cDeclarante d;
        d.CargarDeclarante(3);
        EXPECT_EQ(d.CodProvin(), c.cod);
        EXPECT_EQ(d.CPost(), c.cpost);
    }
}

// ---- errors ----

TEST_F(ObjetosEscritorio, ErroresDelServidorLlevanLaUbicacionDelMiembro) {
    struct Caso {
        const char* ubicacion;
        std::function<void()> llamada;
        std::function<void()> directa;
    };
    quelvo::cDeclarante d;
    quelvo::cDeclaracion decl;
    const std::vector<Caso> casos = {
        {"cDeclarante.ObtenerDeclarantes", [&] { d.ObtenerDeclarantes(); },
         [] { declarantes()->ObtenerDeclarantes(); }},
        {"cDeclarante.ObtenerUltimosDeclarantes", [&] { d.ObtenerUltimosDeclarantes(); },
         [] { declarantes()->ObtenerUltimosDeclarantes(); }},
        {"cDeclaracion.MaxEjerPer", [&] { decl.MaxEjerPer(false, 0); },
         [] { declaraciones()->MaxEjerPer(false, 0); }},
    };
    sinBase();
    for (const auto& c : casos) {
        SCOPED_TRACE(c.ubicacion);
        rt::Error original = errorDe(c.directa);
        rt::Error e = errorDe(c.llamada);
        EXPECT_EQ(e.Description, std::string(c.ubicacion) + "\r\n" + original.Description);
        EXPECT_EQ(e.Number, original.Number);
        EXPECT_EQ(e.Source, original.Source);
    }
}

TEST_F(ObjetosEscritorio, MiembrosSinManejadorPasanElErrorTalCual) {
    sinBase();
    Variant r;
    rt::Error original = errorDe([&] { declarantes()->CargarDeclarante(99, r); });
    quelvo::cDeclarante d;
    rellenar(d);
    d.CODDEC(99);
    d.Modo(1);
    rt::Error e = errorDe([&] { d.InicializaDatos(); });
    EXPECT_EQ(e.Description, original.Description);
    EXPECT_EQ(e.Number, original.Number);
    EXPECT_EQ(campos(d), "99|X|X|AV|X|9|X|X|X|X|48|48001|X|9|X|9");
    EXPECT_FALSE(d.Modificado());

    rt::Error originalP = errorDe([&] { presentadores()->CargarPresentador(r); });
    quelvo::cPresentador p;
    rt::Error ep = errorDe([&] { p.InicializaDatos(); });
    EXPECT_EQ(ep.Description, originalP.Description);
    EXPECT_EQ(ep.Number, originalP.Number);
}

// ---- presenter ----

// A presenter record in load order, as "5|N|N|CL|D|1|L|E|P|M|48|48001|MU|1|C|1".
Variant cargado() {
    return rt::VArray::Of(
        {5, "N", "N", "CL", "D", 1, "L", "E", "P", "M", 48, 48001, "MU", 1, "C", 1});
}

TEST_F(ObjetosEscritorio, PresentadorGuardadoVuelveConCadaCampoEnSuSitio) {
    // Save order: municipality at 11, postal code at 12.
    rt::VArray g(0, 15);
    const std::vector<Variant> valores = {
        0,    "B48000001", "ASESORES SL", "AV", "GRAN VIA", 21,      "A",      "IZQ", "2",
        "DR", 1,           "VITORIA",     1001, 945111222,  "MIREN", 655333444};
    for (int32_t i = 0; i <= 15; ++i) g.at(i) = valores[i];
    presentadores()->GuardarPresentador(Variant(g));
    std::string clave = prueba::Valor(quelvo::strRutaMod, "SELECT codpres FROM TPresentador");

    quelvo::cPresentador p;
    p.Modificado(true);
    p.InicializaDatos();
    EXPECT_EQ(campos(p), clave +
                             "|B48000001|ASESORES SL|AV|GRAN VIA|21|A|IZQ|2|DR|1|1001|"
                             "VITORIA|945111222|MIREN|655333444");
    EXPECT_NE(p.CODPRES(), 0);
    EXPECT_FALSE(p.Modificado());
}

TEST_F(ObjetosEscritorio, SinPresentadorTodoQuedaVacioYClaveCero) {
    quelvo::cPresentador p;
    p.CargarPresentador(cargado());
    ASSERT_EQ(p.CODPRES(), 5);
    p.Modificado(true);
    p.InicializaDatos();
    EXPECT_EQ(campos(p), "0|||||0|||||0|0||0||0");
    EXPECT_FALSE(p.Modificado());
}

TEST_F(ObjetosEscritorio, BufferDelPresentadorEnOrdenDeCarga) {
    sinBase();  // a given buffer never reaches the server
    struct Caso {
        const char* nombre;
        Variant buffer;
        std::string esperado;
    };
    const std::string antes = "5|N|N|CL|D|1|L|E|P|M|48|48001|MU|1|C|1";
    const std::vector<Caso> casos = {
        {"Null no cambia nada", Variant::Null(), antes},
        {"postal en 11, municipio en 12",
         rt::VArray::Of({9, "B1", "NOMBRE", "PZ", "CALLE", 4, "C", "1", "3", "D", 20, 20800,
                         "DONOSTIA", 943000000, "CONTACTO", 688000000}),
         "9|B1|NOMBRE|PZ|CALLE|4|C|1|3|D|20|20800|DONOSTIA|943000000|CONTACTO|688000000"},
        // Textual numbers as a record may hold them; halves round away from zero
        // as the zero-filled format does.
        {"numeros en texto",
         rt::VArray::Of(
             {"3", "", "", "", "", "0", "", "", "", "", "01", "01001", "", "0", "", "0"}),
         "3|||||0|||||1|1001||0||0"},
        {"mitades",
         rt::VArray::Of({1, "", "", "", "", 0, "", "", "", "", 1.5, 1002.5, "", 0, "", 0}),
         "1|||||0|||||2|1003||0||0"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        quelvo::cPresentador p;
        p.CargarPresentador(cargado());
        p.Modificado(true);
        p.CargarPresentador(c.buffer);
        EXPECT_EQ(campos(p), c.esperado);
        EXPECT_TRUE(p.Modificado());  // a load leaves the flag to InicializaDatos
    }
}

TEST_F(ObjetosEscritorio, BufferMalFormadoNoDejaElPresentadorAMedias) {
    quelvo::cPresentador p;
    p.CargarPresentador(cargado());
    auto malo = rt::VArray::Of(
        {8, "OTRO", "OTRO", "AV", "OTRA", 2, "", "", "", "", 1, "ABC", "X", 1, "", 1});
    EXPECT_EQ(errorDe([&] { p.CargarPresentador(Variant(malo)); }).Number, rt::err::TypeMismatch);
    EXPECT_EQ(campos(p), "5|N|N|CL|D|1|L|E|P|M|48|48001|MU|1|C|1");
}

// ---- declarations ----

TEST_F(ObjetosEscritorio, MaxEjerPerNullSinDeclaracionesYLaUltimaSiLasHay) {
    quelvo::cDeclaracion d;
    EXPECT_TRUE(d.MaxEjerPer(false, 0).isNull());
    EXPECT_TRUE(d.MaxEjerPer(true, 2002).isNull());

    sql("INSERT INTO TDeclaraciones (coddecr, ejercicio, periodo, periodicidad, moneda) VALUES "
        "(1, 2001, 12, 3, 'P'), (1, 2011, 3, 2, 'E'), (2, 2011, 6, 2, 'E'), (2, 2012, 5, 1, 'P'),"
        "(1, 2010, 12, 3, 'E');");
    struct Caso {
        bool soloEuros;
        std::string esperado;
    };
    for (const Caso& c : {Caso{false, "2012|5|P|1"}, Caso{true, "2011|6|E|2"}}) {
        SCOPED_TRACE(c.soloEuros);
        Variant u = d.MaxEjerPer(c.soloEuros, 0);
        ASSERT_TRUE(u.isArray());
        EXPECT_EQ(u.array().dimensions(), 1);
        EXPECT_EQ(s(u(0)) + "|" + s(u(1)) + "|" + s(u(2)) + "|" + s(u(3)), c.esperado);
        EXPECT_TRUE(u(4).isEmpty());
    }
}

TEST_F(ObjetosEscritorio, EjercicioDelDeclaradoSeEstrechaAlLeerlo) {
    struct Caso {
        int32_t guardado;
        int32_t error;
    };
    const std::vector<Caso> casos = {{0, 0},
                                     {2011, 0},
                                     {32767, 0},
                                     {-32768, 0},
                                     {32768, rt::err::Overflow},
                                     {-32769, rt::err::Overflow},
                                     {70000, rt::err::Overflow}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.guardado);
        quelvo::cDeclarado d;
        d.Ejercicio(c.guardado);
        if (c.error)
            EXPECT_EQ(errorDe([&] { (void)d.Ejercicio(); }).Number, c.error);
        else
            EXPECT_EQ(d.Ejercicio(), c.guardado);
    }
}

}  // namespace
