// The submission file the run object writes, byte for byte against lines
// built by hand from the record layouts, and every refusal leaving an
// existing file as it was.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <filesystem>
#include <fstream>

#include "entorno.h"
#include "interaccion_falsa.h"
#include "parties/cdeclarante.h"
#include "parties/cpresentador.h"
#include "printing/cimprgrabar.h"
#include "printing/cselfichero.h"
#include "quelvort/error.h"
#include "shell/catalogo.h"
#include "shell/objetos.h"

using rt::Variant;
using rt::VArray;

namespace {

// Two eras: a collective run of 2011 (a rectification, an entry of another
// period of the same exercise that must not be counted) and a run of 2001 in
// pesetas; names with an apostrophe (stored as an acute accent) and an Ñ.
constexpr char kDatos[] = R"(
INSERT INTO TPresentador VALUES (1,'B01234567','ASESORÍA GARCÍA Y ASOCIADOS S.L.','CL',
 'PORTAL DE CASTILLA',12,'N','1','3','D',1,1001,'VITORIA-GASTEIZ',945123456,'IÑAKI LÓPEZ DE ARBINA',0);
INSERT INTO TDeclarante VALUES
 (1,'12345678Z','O´NEILL PEÑA SL','CL','MAYOR',7,'','','','',1,1,'VITORIA-GASTEIZ',945111222,'ANE IBÁÑEZ',0),
 (2,'00000001R','IBAÑEZ Y CIA SA','CL','NUEVA',1,'','','','',1,400,'LLODIO',0,'',0),
 (3,'00000002W','D´ARTAGNAN ARABA SL','AV','GASTEIZ',3,'','','','',1,8,'VITORIA-GASTEIZ',945333444,'PEDRO ÑÚÑEZ',0);
INSERT INTO TDeclaraciones (coddecla,coddecr,ejercicio,periodo,periodicidad,moneda,bimensual) VALUES
 (1,1,2011,6,2,'E',''), (2,2,2011,6,2,'E',''), (3,3,2011,6,2,'E',''), (4,1,2011,6,1,'E',''),
 (5,1,2001,12,3,'P','');
INSERT INTO tOperadores (codope,coddeclar,paiso,paisaux,nifo,razon,tipoopo,claveopo,base,signoo,
 ejercicioo,periodoo,triangularo,periodicidad) VALUES
 (1,1,'DE','','123456789','MÜLLER GMBH','N','E',123456,' ',0,0,' ',0),
 (2,1,'PT','','123456789','LISBOA LDA','R','S',20000,'-',2010,12,' ',2),
 (3,3,'FR','','12345678901','LYON SA','N','A',50000,' ',0,0,' ',0),
 (4,4,'IT','','12345678901','JUNIO SRL','N','E',100,' ',0,0,' ',0),
 (5,5,'FR','','12345678901','LYON SA','N','1',100000,' ',0,0,' ',0),
 (6,5,'IT','','12345678901','D´ANGELO SRL','N','2',16638600,' ',0,0,'X',0),
 (7,5,'PT','','123456789','LISBOA LDA','R','3',50000,'-',2000,6,' ',2);
)";

QByteArray Leer(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<no existe>");
}

QByteArray Esperado(const char* nombre) {
    return Leer(QString(QUELVO_FIXTURES_DIR) + "/grabacion/" + nombre);
}

class Grabacion : public ::testing::Test {
protected:
    void SetUp() override {
        entorno_.sql(kDatos);
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
    prueba::InteraccionFalsa pantalla_;
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
    };
    for (const Rechazo& c : casos) {
        SCOPED_TRACE(c.nombre);
        prueba::Entorno entorno;
        entorno.sql(kDatos);
        if (*c.sql) entorno.sql(c.sql);
        prueba::InteraccionFalsa pantalla;
        colectiva2011();
        quelvo::objImprGrabar().vBufferDeclarantes(c.codigos);
        quelvo::objSelFichero().RutaFichero(entorno.carpeta() + "/794_CE11.txt");
        std::ofstream((entorno.carpeta() + "/794_CE11.txt").toStdString(), std::ios::binary)
            << "ANTERIOR\r\n";
        EXPECT_FALSE(grabar());
        EXPECT_EQ(Leer(entorno.carpeta() + "/794_CE11.txt"), "ANTERIOR\r\n");
        EXPECT_EQ(QDir(entorno.carpeta()).entryList({"794_CE11*"}, QDir::Files).size(), 1);
        if (c.aviso.isEmpty()) {
            EXPECT_EQ(pantalla.UltimosErrores(), (std::vector<std::pair<int, int>>{{1, 64}}));
            EXPECT_TRUE(pantalla.avisos.empty());
        } else {
            ASSERT_EQ(pantalla.avisos.size(), 1u);
            EXPECT_TRUE(pantalla.avisos[0].first.contains(c.aviso))
                << pantalla.avisos[0].first.toStdString();
        }
    }
}

// Stops at the progress window after the first declarant.
class PantallaQueDetiene : public prueba::InteraccionFalsa {
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
    if (::geteuid() == 0) GTEST_SKIP() << "the superuser writes into read-only folders";
    ficheroAnterior();
    namespace fs = std::filesystem;
    const fs::path carpeta = entorno_.carpeta().toStdString();
    fs::permissions(carpeta, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_THROW(grabar(), rt::Error);
    fs::permissions(carpeta, fs::perms::owner_all);
    EXPECT_EQ(Leer(ruta_), "ANTERIOR\r\n");
}

}  // namespace
