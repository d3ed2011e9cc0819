// The submission file the run object writes, byte for byte against lines
// built by hand from the record layouts, and every refusal leaving an
// existing file as it was.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <filesystem>
#include <fstream>

#include "avisos.h"
#include "datos_grabacion.h"
#include "entorno.h"
#include "interaccion_prueba.h"
#include "parties/cdeclarante.h"
#include "parties/cpresentador.h"
#include "printing/cimprgrabar.h"
#include "printing/cselfichero.h"
#include "quelvort/error.h"
#include "services/catalogo.h"
#include "services/objetos.h"

using rt::Variant;
using rt::VArray;

namespace {

using prueba::Esperado;
using prueba::Leer;

class Grabacion : public ::testing::Test {
protected:
    void SetUp() override {
        entorno_.sql(prueba::kDatosGrabacion);
        ruta_ = entorno_.carpeta() + "/794_CE11.txt";
        quelvo::objSelFichero().RutaFichero(ruta_);
        colectiva2011();
    }
    void colectiva2011() {
        auto& run = quelvo::objImprGrabar();
        run.IndCol(1);
        run.Ejercicio(2011);
        run.Periodo(6);
        run.Periodicidad(2);
        run.Moneda("E");
        run.vBufferDeclarantes(Variant(VArray::Of({1, 2, 3})));
    }
    // A file the refused run must leave as it was.
    void ficheroAnterior() {
        std::ofstream(ruta_.toStdString(), std::ios::binary) << "ANTERIOR\r\n";
    }
    bool grabar() { return quelvo::objImprGrabar().GrabarDeclaraciones(); }

    prueba::Entorno entorno_;
    prueba::InteraccionPrueba pantalla_;
    QString ruta_;
};

TEST_F(Grabacion, ColectivaDe2011) {
    ficheroAnterior();
    ASSERT_TRUE(grabar());
    EXPECT_EQ(Leer(ruta_), Esperado("794_CE11_colectiva.txt"));
    EXPECT_TRUE(pantalla_.avisos.empty());
    // Nothing but the file is left in the folder.
    EXPECT_EQ(QDir(entorno_.carpeta()).entryList({"794_CE11*"}, QDir::Files).size(), 1);
}

TEST_F(Grabacion, IndividualDe2001EnPesetas) {
    auto& run = quelvo::objImprGrabar();
    run.IndCol(0);
    run.Ejercicio(2001);
    run.Periodo(12);
    run.Periodicidad(3);
    run.Moneda("P");
    run.vBufferDeclarantes(Variant(VArray::Of({1})));
    ASSERT_TRUE(grabar());
    EXPECT_EQ(Leer(ruta_), Esperado("794_CE01_individual.txt"));
}

TEST_F(Grabacion, LaEjecucionNoTocaElDeclaranteNiElPresentadorDelPrograma) {
    quelvo::objDeclarante().NIF("EN PANTALLA");
    ASSERT_TRUE(grabar());
    EXPECT_EQ(quelvo::objDeclarante().NIF(), "EN PANTALLA");
    EXPECT_EQ(quelvo::objPresentador().CODPRES(), 0);
}

// Declarant 3's declaration of 2011 with two normal entries of the most an
// entry may carry: the total passes the thirteen digits of the type-1 record.
constexpr const char* kTotalQueNoCabe =
    "UPDATE tOperadores SET base = 9999999999999 WHERE codope = 3;"
    "INSERT INTO tOperadores (codope, coddeclar, paiso, paisaux, nifo, razon, tipoopo, claveopo, base, "
    "signoo, ejercicioo, periodoo, triangularo, periodicidad) VALUES "
    "(8, 3, 'FR', '', '12345678902', 'PARIS SA', 'N', 'E', 9999999999999, ' ', 0, 0, ' ', 0);";

struct Rechazo {
    const char* nombre;
    const char* sql;
    Variant codigos;
    // What the user is told: a notice containing this text, or (when empty)
    // the error list with code 64.
    QString aviso;
};

TEST_F(Grabacion, CadaRechazoDejaElFicheroAnteriorYDiceElPorque) {
    const Rechazo casos[] = {
        {"sin presentador", "DELETE FROM TPresentador;", Variant(VArray::Of({1, 2, 3})),
         quelvo::Cat(217)},
        {"sin declarantes", "", Variant(), "No se ha elegido ningún declarante."},
        {"código vacío", "", Variant(VArray::Of({Variant()})), "No se ha elegido ningún declarante."},
        {"base negativa", "UPDATE tOperadores SET base = -1 WHERE codope = 3;",
         Variant(VArray::Of({1, 2, 3})), ""},
        {"carácter fuera del juego", "UPDATE tOperadores SET razon = 'ŁÓDŹ SA' WHERE codope = 3;",
         Variant(VArray::Of({1, 2, 3})),
         "el carácter «Ł» del campo «Nombre» del declarado 1 del declarante 00000002W"},
        {"carácter en el presentador", "UPDATE TPresentador SET nombrep = 'ŁUKASZ';",
         Variant(VArray::Of({1, 2, 3})),
         "el carácter «Ł» del campo «Persona con quien relacionarse» del presentador"},
        // Two imported entries of the most an entry may carry.
        {"total que no cabe en el fichero", kTotalQueNoCabe, Variant(VArray::Of({1, 2, 3})),
         "las bases imponibles del declarante 00000002W D´ARTAGNAN ARABA SL suman "
         "199.999.999.999,98"},
    };
    for (const Rechazo& c : casos) {
        SCOPED_TRACE(c.nombre);
        prueba::Entorno entorno;
        entorno.sql(prueba::kDatosGrabacion);
        if (*c.sql) entorno.sql(c.sql);
        prueba::InteraccionPrueba pantalla;
        colectiva2011();
        quelvo::objImprGrabar().vBufferDeclarantes(c.codigos);
        quelvo::objSelFichero().RutaFichero(entorno.carpeta() + "/794_CE11.txt");
        std::ofstream((entorno.carpeta() + "/794_CE11.txt").toStdString(), std::ios::binary)
            << "ANTERIOR\r\n";
        EXPECT_FALSE(grabar());
        EXPECT_EQ(Leer(entorno.carpeta() + "/794_CE11.txt"), "ANTERIOR\r\n");
        EXPECT_EQ(QDir(entorno.carpeta()).entryList({"794_CE11*"}, QDir::Files).size(), 1);
        if (c.aviso.isEmpty()) {
            EXPECT_EQ(pantalla.ultimos(), std::vector<int>{64});
            EXPECT_EQ(pantalla.ordinalesListas.back(), std::vector<int>{1});
            EXPECT_TRUE(pantalla.avisos.empty());
        } else {
            ASSERT_EQ(pantalla.avisos.size(), 1u);
            EXPECT_TRUE(prueba::TextoAviso(pantalla.avisos[0]).contains(c.aviso))
                << prueba::TextoAviso(pantalla.avisos[0]).toStdString();
        }
    }
}

TEST_F(Grabacion, UnTotalQueNoCabeSeRechazaEnElIdiomaDelUsuario) {
    entorno_.sql(kTotalQueNoCabe);
    const std::pair<int32_t, const char*> casos[] = {
        {0, "No se ha grabado el fichero: las bases imponibles del declarante 00000002W D´ARTAGNAN "
            "ARABA SL suman 199.999.999.999,98, más de lo que admite el fichero (99.999.999.999,99)."},
        {quelvo::kOffsetEuskera,
         "Ez da fitxategia grabatu: 00000002W D´ARTAGNAN ARABA SL aitortzailearen oinarri "
         "ezargarriak 199.999.999.999,98 dira guztira, fitxategiak onartzen duena "
         "(99.999.999.999,99) baino gehiago."},
    };
    for (const auto& [idioma, texto] : casos) {
        SCOPED_TRACE(idioma);
        quelvo::lngIdioma = idioma;
        ficheroAnterior();
        pantalla_.avisos.clear();
        EXPECT_FALSE(grabar());
        EXPECT_EQ(Leer(ruta_), "ANTERIOR\r\n");
        ASSERT_EQ(pantalla_.avisos.size(), 1u);
        EXPECT_TRUE(prueba::TextoAviso(pantalla_.avisos[0]).startsWith(QString::fromUtf8(texto)))
            << prueba::TextoAviso(pantalla_.avisos[0]).toStdString();
    }
    quelvo::lngIdioma = 0;
    // The same total in a rectification: no field of the file sums it.
    entorno_.sql("UPDATE tOperadores SET tipoopo = 'R', signoo = '-', ejercicioo = 2011, periodoo = 3, "
                 "periodicidad = 2 WHERE coddeclar = 3;");
    EXPECT_TRUE(grabar());
}

// Stops at the progress window after the first declarant.
class PantallaQueDetiene : public prueba::InteraccionPrueba {
public:
    bool AvanzarProgreso(int32_t pasos) override {
        pasosDados.push_back(pasos);
        return true;
    }
    std::vector<int32_t> pasosDados;
};

TEST_F(Grabacion, DetenerElProgresoNoGrabaNada) {
    ficheroAnterior();
    PantallaQueDetiene pantalla;
    EXPECT_FALSE(grabar());
    EXPECT_EQ(pantalla.pasosDados, std::vector<int32_t>{2});
    EXPECT_EQ(Leer(ruta_), "ANTERIOR\r\n");
}

TEST_F(Grabacion, UnFalloAlEscribirSeDiceConLaRuta) {
    // A folder that is a file: the temporary file cannot be made.
    const QString carpeta = entorno_.carpeta() + "/no_es_carpeta";
    std::ofstream(carpeta.toStdString()) << "x";
    quelvo::objSelFichero().RutaFichero(carpeta + "/794_CE11.txt");
    try {
        grabar();
        ADD_FAILURE() << "no error";
    } catch (const rt::Error& e) {
        EXPECT_NE(e.Description.find("no_es_carpeta"), std::string::npos) << e.Description;
    }
}

TEST_F(Grabacion, UnaCarpetaDeSoloLecturaDejaElFicheroAnterior) {
    namespace fs = std::filesystem;
    // The superuser writes into any folder of its own: it gets a read-only
    // file system's folder instead.
    const bool superusuario = ::geteuid() == 0;
    const fs::path carpeta = entorno_.carpeta().toStdString();
    QString ruta = ruta_;
    if (superusuario) {
        ruta = "/proc/version";
    } else {
        ficheroAnterior();
        fs::permissions(carpeta, fs::perms::owner_read | fs::perms::owner_exec);
    }
    const QByteArray antes = Leer(ruta);
    quelvo::objSelFichero().RutaFichero(ruta);
    try {
        grabar();
        ADD_FAILURE() << "no error";
    } catch (const rt::Error& e) {
        EXPECT_NE(e.Description.find(ruta.toStdString()), std::string::npos) << e.Description;
    }
    if (!superusuario) fs::permissions(carpeta, fs::perms::owner_all);
    EXPECT_EQ(Leer(ruta), antes);
}

}  // namespace
