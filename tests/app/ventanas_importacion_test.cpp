// The declarant and submission-file import windows driven by objectName:
// their counts, finished state, cancel, close during a run, failures and log.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <map>
#include <string>
#include <vector>

#include "boundary/consulta_db.h"
#include "boundary/importacion_prueba.h"
#include "entorno.h"
#include "exchange/frmImpDeclarados_794.h"
#include "exchange/frmImpDtes_794.h"
#include <QTreeWidget>
#include "exchange/frmImpSoporte_794.h"
#include "exchange/registro_importacion.h"
#include "interaccion_prueba.h"
#include "program/mdi794.h"
#include "quelvort/textfile.h"
#include "registro_importacion_prueba.h"
#include "services/globales.h"
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QAction>

namespace {

using Cuentas = std::map<std::string, int>;

// Copies the fixtures the test names into the work folder.
QString EnTrabajo(const std::string& fixture) {
    const QString destino = QString::fromStdString(quelvo::strRutaTrabajo) + "/" +
                            QString::fromStdString(fixture);
    QFile::remove(destino);
    QFile::copy(QString::fromStdString(prueba::Fixture(fixture)), destino);
    return destino;
}

void ElegirFichero(QWidget* ventana, const QString& ruta) {
    ventana->findChild<QWidget*>("ctrSelFichero")->findChild<QLabel*>("lblRuta")->setText(ruta);
}

void Pulsar(QWidget* ventana, const char* boton) {
    QTest::mouseClick(ventana->findChild<QPushButton*>(boton), Qt::LeftButton);
}

// The number labels of the window by name.
Cuentas Leer(QWidget* ventana, const std::vector<std::string>& nombres) {
    Cuentas c;
    for (const std::string& n : nombres)
        c[n] = ventana->findChild<QLabel*>(QString::fromStdString(n))->text().toInt();
    return c;
}

void Descargar() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

const std::vector<std::string> kDtes = {"labelNoImportados", "labelNoIgnorados",
                                        "labelNoSustituidos", "labelNoErroneos", "labelNoTotal"};
const std::vector<std::string> kSoporte = {
    "labelDteNoImp", "labelDteNoIgn", "labelDteNoSus", "labelDteNoErr", "labelDteNoTotal",
    "labelOpeNoImp", "labelOpeNoIgn", "labelOpeNoSus", "labelOpeNoErr", "labelOpeNoTotal",
    "labelNoTotal"};

class VentanasImportacion : public ::testing::Test {
protected:
    void TearDown() override {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName().startsWith("frmImp")) w->close();
        Descargar();
        quelvo::lngIdioma = 0;
    }
    // The window ran to its end: only the import button, reading "Cerrar".
    static void Terminada(QWidget* v, const char* cerrar = "Cerrar") {
        EXPECT_FALSE(v->findChild<QPushButton*>("cmdCerrar")->isVisibleTo(v));
        auto importar = v->findChild<QPushButton*>("cmdImportar");
        EXPECT_EQ(importar->text(), cerrar);
        EXPECT_TRUE(importar->isEnabled());
    }
    static bool EditarErrores(QWidget* v) {
        return v->findChild<QPushButton*>("cmdEditarErrores")->isEnabled();
    }

    prueba::Entorno entorno_;
    prueba::InteraccionPrueba pantalla_;
};

TEST_F(VentanasImportacion, DeclarantFileCountsEveryOutcome) {
    struct Caso {
        const char* fichero;
        bool respuesta;
        Cuentas cuentas;
        bool errores;
    };
    const std::vector<Caso> casos = {
        {"declarantes.txt", true,
         {{"labelNoImportados", 3}, {"labelNoIgnorados", 0}, {"labelNoSustituidos", 0},
          {"labelNoErroneos", 0}, {"labelNoTotal", 3}},
         false},
        {"declarantes.txt", false,
         {{"labelNoImportados", 0}, {"labelNoIgnorados", 3}, {"labelNoSustituidos", 0},
          {"labelNoErroneos", 0}, {"labelNoTotal", 3}},
         false},
        {"declarantes.txt", true,
         {{"labelNoImportados", 0}, {"labelNoIgnorados", 0}, {"labelNoSustituidos", 3},
          {"labelNoErroneos", 0}, {"labelNoTotal", 3}},
         false},
        {"declarantes_malos.txt", true,
         {{"labelNoImportados", 0}, {"labelNoIgnorados", 0}, {"labelNoSustituidos", 0},
          {"labelNoErroneos", 6}, {"labelNoTotal", 6}},
         true},
    };
    for (const Caso& c : casos) {
        pantalla_.respuesta = c.respuesta;
        QPointer<quelvo::frmImpDtes_794> v = quelvo::frmImpDtes_794::Mostrar();
        EXPECT_EQ(v->findChild<QWidget*>("ctrSelFichero")->findChild<QLabel*>("lblRuta")->text(),
                  QString::fromStdString(quelvo::strRutaTrabajo) + "/794_Declarantes.txt");
        ElegirFichero(v, EnTrabajo(c.fichero));
        Pulsar(v, "cmdImportar");
        EXPECT_EQ(Leer(v, kDtes), c.cuentas) << c.fichero;
        EXPECT_EQ(v->findChild<QProgressBar*>("bpgTotal")->maximum(), c.cuentas.at("labelNoTotal"));
        Terminada(v);
        EXPECT_EQ(EditarErrores(v), c.errores);
        EXPECT_EQ(Registro().empty(), !c.errores);
        // The import button now closes the window.
        Pulsar(v, "cmdImportar");
        Descargar();
        EXPECT_TRUE(v.isNull());
    }
    EXPECT_EQ(prueba::Columna(quelvo::strRutaMod, "SELECT count(*) FROM TDeclarante"),
              std::vector<std::string>{"3"});
}

TEST_F(VentanasImportacion, SubmissionFileCountsByRecordKind) {
    struct Caso {
        const char* fichero;
        Cuentas cuentas;
        bool errores;
    };
    auto cuentas = [](std::vector<int> n) {
        Cuentas c;
        for (size_t i = 0; i < kSoporte.size(); ++i) c[kSoporte[i]] = n[i];
        return c;
    };
    const std::vector<Caso> casos = {
        {"soporte_2009.txt", cuentas({2, 0, 0, 0, 2, 7, 0, 0, 0, 7, 10}), false},
        // The same file again: the declarants are kept, their declarations
        // overlap the stored ones.
        {"soporte_2009.txt", cuentas({0, 0, 0, 2, 2, 0, 7, 0, 0, 7, 10}), true},
        {"estatal_2010.txt", cuentas({1, 0, 0, 0, 1, 6, 0, 0, 0, 6, 7}), false},
        // Its declaration overlaps the one soporte_2009.txt stored: the
        // declarant record is erroneous, its entries ignored.
        {"estatal_2009.txt", cuentas({0, 0, 0, 1, 1, 0, 5, 0, 0, 5, 6}), true},
        {"malas_lineas_2010.txt", cuentas({1, 0, 0, 3, 4, 1, 0, 0, 16, 17, 23}), true},
    };
    for (const Caso& c : casos) {
        QPointer<quelvo::frmImpSoporte_794> v = quelvo::frmImpSoporte_794::Mostrar();
        ElegirFichero(v, EnTrabajo(c.fichero));
        Pulsar(v, "cmdImportar");
        EXPECT_EQ(Leer(v, kSoporte), c.cuentas) << c.fichero;
        Terminada(v);
        EXPECT_EQ(EditarErrores(v), c.errores) << c.fichero;
        Pulsar(v, "cmdImportar");
        Descargar();
        EXPECT_TRUE(v.isNull());
    }
    // The two lines of no kind are in the log.
    auto log = Registro();
    EXPECT_EQ(std::count(log.begin(), log.end(),
                         std::string("Lerroa 5: No se reconoce el formato del registro")),
              1);
    EXPECT_EQ(std::count(log.begin(), log.end(),
                         std::string("Lerroa 20: No se reconoce el formato del registro")),
              1);
}

TEST_F(VentanasImportacion, ACollectiveNationalFileOpensWithItsPresenter) {
    const QString ruta = QString::fromStdString(quelvo::strRutaTrabajo) + "/colectivo.txt";
    auto lineas = rt::ReadAllLines(prueba::Fixture("estatal_2010.txt"));
    lineas.insert(lineas.begin(), rt::ReadAllLines(prueba::Fixture("soporte_2010.txt")).at(0));
    rt::WriteAllLines(ruta.toStdString(), lineas);
    QPointer<quelvo::frmImpSoporte_794> v = quelvo::frmImpSoporte_794::Mostrar();
    ElegirFichero(v, ruta);
    Pulsar(v, "cmdImportar");
    const std::vector<int> n = {1, 0, 0, 0, 1, 6, 0, 0, 0, 6, 8};
    Cuentas esperadas;
    for (size_t i = 0; i < kSoporte.size(); ++i) esperadas[kSoporte[i]] = n[i];
    EXPECT_EQ(Leer(v, kSoporte), esperadas);
    EXPECT_TRUE(Registro().empty());
}

TEST_F(VentanasImportacion, EmptyFileFinishesWithNothingCounted) {
    const QString vacio = QString::fromStdString(quelvo::strRutaTrabajo) + "/vacio.txt";
    QFile f(vacio);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    quelvo::lngIdioma = 10000;
    QPointer<quelvo::frmImpSoporte_794> v = quelvo::frmImpSoporte_794::Mostrar();
    ElegirFichero(v, vacio);
    Pulsar(v, "cmdImportar");
    for (const auto& [n, valor] : Leer(v, kSoporte)) EXPECT_EQ(valor, 0) << n;
    for (auto bar : v->findChildren<QProgressBar*>()) EXPECT_EQ(bar->maximum(), 1);
    Terminada(v, "Itxi");
    EXPECT_FALSE(EditarErrores(v));
}

TEST_F(VentanasImportacion, CancelStopsBetweenLinesAndCloseWaitsForTheRun) {
    for (bool cerrar : {false, true}) {
        QPointer<quelvo::frmImpSoporte_794> v = quelvo::frmImpSoporte_794::Mostrar();
        ElegirFichero(v, EnTrabajo("soporte_2009.txt"));
        // Arrives at the first chance the run gives the window.
        QTimer::singleShot(0, v, [v, cerrar] {
            if (cerrar) v->close();
            else Pulsar(v, "cmdCerrar");
        });
        EXPECT_EQ(v->findChild<QPushButton*>("cmdCerrar")->text(), "Cerrar");
        Pulsar(v, "cmdImportar");
        Descargar();
        if (cerrar) {
            EXPECT_TRUE(v.isNull());
            continue;
        }
        ASSERT_FALSE(v.isNull());
        EXPECT_EQ(Leer(v, {"labelNoTotal"}).at("labelNoTotal"), 1);
        Terminada(v);
        v->close();
    }
    // Only the lines before each stop were stored (a presenter record each).
    EXPECT_EQ(prueba::Columna(quelvo::strRutaMod, "SELECT count(*) FROM TDeclarante"),
              std::vector<std::string>{"0"});
}

TEST_F(VentanasImportacion, MissingFileAndTheLogItselfAreRefused) {
    {
        quelvo::RegistroImportacion log;
        log.Escribir("anterior");
        log.Cerrar();
    }
    // The log as the file to import: refused, the window stays ready.
    QPointer<quelvo::frmImpDtes_794> v = quelvo::frmImpDtes_794::Mostrar();
    ElegirFichero(v, QString::fromStdString(quelvo::RutaRegistroImportacion()));
    Pulsar(v, "cmdImportar");
    ASSERT_EQ(pantalla_.avisos.size(), 1u);
    EXPECT_TRUE(pantalla_.avisos[0].startsWith("Error en la Introducción de Datos|"));
    EXPECT_EQ(v->findChild<QPushButton*>("cmdImportar")->text(), "Importar");
    EXPECT_EQ(v->findChild<QPushButton*>("cmdCerrar")->text(), "Cerrar");

    // A missing file: message 231 with the reason, the window closes and the
    // earlier log stays.
    ElegirFichero(v, QString::fromStdString(quelvo::strRutaTrabajo) + "/falta.txt");
    Pulsar(v, "cmdImportar");
    Descargar();
    EXPECT_TRUE(v.isNull());
    ASSERT_EQ(pantalla_.avisos.size(), 2u);
    EXPECT_EQ(pantalla_.avisos[1], "Error de importación|No se encuentra el archivo desde el que se desea importar. " +
                                       QString::fromStdString(quelvo::strRutaTrabajo) + "/falta.txt");
    EXPECT_EQ(Registro(), std::vector<std::string>{"anterior"});

    // A second opening imports again.
    v = quelvo::frmImpDtes_794::Mostrar();
    ElegirFichero(v, EnTrabajo("declarantes.txt"));
    Pulsar(v, "cmdImportar");
    EXPECT_EQ(Leer(v, {"labelNoImportados"}).at("labelNoImportados"), 3);
}

TEST_F(VentanasImportacion, ALongFileRunsToItsEnd) {
    // More lines than a 16-bit counter holds, none of them a record.
    const QString largo = QString::fromStdString(quelvo::strRutaTrabajo) + "/largo.txt";
    {
        QFile f(largo);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        for (int i = 0; i < 40000; ++i) f.write("3 NO ES UN REGISTRO\r\n");
    }
    QPointer<quelvo::frmImpSoporte_794> v = quelvo::frmImpSoporte_794::Mostrar();
    ElegirFichero(v, largo);
    Pulsar(v, "cmdImportar");
    EXPECT_EQ(Leer(v, {"labelNoTotal"}).at("labelNoTotal"), 40000);
    EXPECT_EQ(v->findChild<QProgressBar*>("bpgTotal")->value(), 40000);
    Terminada(v);
    const auto log = Registro();
    ASSERT_EQ(log.size(), 40000u);
    EXPECT_EQ(log.back(), "Lerroa 40000: No se reconoce el formato del registro");
}

// The log named in full, and whether it is missing or no program could show
// it, in the user's language alone.
TEST_F(VentanasImportacion, ALogThatCannotBeOpenedIsNamedInFullInTheUsersLanguage) {
    const QString ruta = QString::fromStdString(quelvo::RutaRegistroImportacion());
    // A desktop with no program for the log: its handler cannot be called.
    QObject sinVisor;
    QDesktopServices::setUrlHandler("file", &sinVisor, "metodoQueNoExiste");
    const struct {
        int32_t idioma;
        bool existe;
        QString texto;
    } casos[] = {
        {0, false, "No se encuentra el archivo " + ruta + "."},
        {10000, false, "Ez da " + ruta + " fitxategia aurkitu."},
        {0, true, "No hay ningún programa que pueda mostrar el archivo " + ruta +
                      ". Ábralo con un editor de texto."},
        {10000, true, "Ez dago " + ruta + " fitxategia erakuts dezakeen programarik. Ireki ezazu "
                                          "testu-editore batekin."},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::to_string(c.idioma) + (c.existe ? " there" : " missing"));
        QFile::remove(ruta);
        if (c.existe) {
            QFile log(ruta);
            ASSERT_TRUE(log.open(QIODevice::WriteOnly));
        }
        quelvo::lngIdioma = c.idioma;
        pantalla_.avisos.clear();
        QPointer<quelvo::frmImpSoporte_794> v = quelvo::frmImpSoporte_794::Mostrar();
        v->cmdEditarErrores->setEnabled(true);
        Pulsar(v, "cmdEditarErrores");
        ASSERT_EQ(pantalla_.avisos.size(), 1u);
        EXPECT_EQ(pantalla_.avisos[0].section('|', 1).toStdString(), c.texto.toStdString());
        v->close();
        Descargar();
    }
    QDesktopServices::unsetUrlHandler("file");
}

TEST_F(VentanasImportacion, MenuEntriesOpenOneWindowEachInsideTheMainWindow) {
    quelvo::MDI794 mdi;
    struct Caso {
        const char* menu;
        const char* ventana;
    };
    for (const Caso& c : {Caso{"mnuImpDec", "frmImpDtes_794"}, {"mnuImpSop", "frmImpSoporte_794"},
                          {"mnuImpDe", "frmImpDeclarados_794"}, {"mnuExpDec", "frmExporDtes_794"}}) {
        mdi.Menu(c.menu)->trigger();
        mdi.Menu(c.menu)->setEnabled(true);
        mdi.Menu(c.menu)->trigger();
        auto hijas = mdi.mdiArea()->subWindowList();
        ASSERT_EQ(hijas.size(), 1) << c.menu;
        QWidget* v = hijas[0]->widget();
        EXPECT_EQ(v->objectName(), c.ventana);
        // Only help is on while the window is open.
        EXPECT_FALSE(mdi.Menu("mnuNueDec")->isEnabled());
        EXPECT_TRUE(mdi.Menu("mnuConInd")->isEnabled());
        Pulsar(v, c.menu == std::string("mnuExpDec") ? "cmdCancelar" : "cmdCerrar");
        Descargar();
        EXPECT_TRUE(mdi.mdiArea()->subWindowList().isEmpty());
        EXPECT_TRUE(mdi.Menu("mnuNueDec")->isEnabled());
    }
}

}  // namespace

namespace {

// A declarant with an annual 2010 declaration in euros, chosen in the
// entry import window's selector.
class ImportacionDeclarados : public VentanasImportacion {
protected:
    void SetUp() override {
        entorno_.sql(
            "INSERT INTO TDeclarante (coddec, dni_cifd, nombred) VALUES (1, 'B12345674', 'COMERCIAL');"
            "INSERT INTO TDeclaraciones (coddecla, coddecr, ejercicio, periodo, periodicidad, moneda) "
            "VALUES (7, 1, 2010, 12, 3, 'E');");
    }
    QPointer<quelvo::frmImpDeclarados_794> Abrir() {
        QPointer<quelvo::frmImpDeclarados_794> v = quelvo::frmImpDeclarados_794::Mostrar();
        QApplication::processEvents();
        return v;
    }
    static void Elegir(quelvo::frmImpDeclarados_794* v) {
        auto org = v->ctrdatos->lsvOrg;
        org->setCurrentItem(org->topLevelItem(0));
        Pulsar(v, "cmdUD");
    }
    std::vector<std::string> Entradas() const {
        return prueba::Columna(quelvo::strRutaMod,
                               "SELECT coddeclar || '|' || nifo FROM tOperadores ORDER BY codope");
    }
};

TEST_F(ImportacionDeclarados, EntriesGoIntoTheChosenDeclaration) {
    auto v = Abrir();
    EXPECT_EQ(v->findChild<QWidget*>("ctrSelFichero")->findChild<QLabel*>("lblRuta")->text(),
              QString::fromStdString(quelvo::strRutaTrabajo) + "/794_CE10.txt");
    EXPECT_FALSE(v->cmdImportar->isEnabled());
    Elegir(v);
    ASSERT_TRUE(v->cmdImportar->isEnabled());
    ElegirFichero(v, EnTrabajo("soporte_2010.txt"));
    // The choice cannot change while the run goes on.
    bool selectorDuranteLaImportacion = true;
    QTimer::singleShot(0, v, [&] { selectorDuranteLaImportacion = v->ctrdatos->isEnabled(); });
    Pulsar(v, "cmdImportar");
    EXPECT_FALSE(selectorDuranteLaImportacion);
    EXPECT_EQ(Leer(v, {"labelOpeNoImp", "labelOpeNoErr", "labelOpeNoTotal", "labelNoTotal"}),
              (Cuentas{{"labelOpeNoImp", 7}, {"labelOpeNoErr", 0}, {"labelOpeNoTotal", 7},
                       {"labelNoTotal", 10}}));
    Terminada(v);
    EXPECT_TRUE(v->ctrdatos->isEnabled());
    EXPECT_EQ(Entradas().size(), 7u);
    for (const std::string& e : Entradas()) EXPECT_EQ(e.substr(0, 2), "7|");
}

TEST_F(ImportacionDeclarados, UnrecognisedAndBadLinesAreLogged) {
    auto v = Abrir();
    Elegir(v);
    ElegirFichero(v, EnTrabajo("malas_lineas_2010.txt"));
    Pulsar(v, "cmdImportar");
    const Cuentas c = Leer(v, {"labelOpeNoImp", "labelOpeNoErr", "labelOpeNoTotal", "labelNoTotal"});
    EXPECT_EQ(c.at("labelNoTotal"), 23);
    EXPECT_GT(c.at("labelOpeNoErr"), 0);
    EXPECT_TRUE(EditarErrores(v));
    auto log = Registro();
    EXPECT_EQ(std::count(log.begin(), log.end(),
                         std::string("Lerroa 5No se reconoce el formato del registro")),
              1);
}

TEST_F(ImportacionDeclarados, AOneLineNationalFileIsImported) {
    const QString ruta = QString::fromStdString(quelvo::strRutaTrabajo) + "/una.txt";
    rt::WriteAllLines(ruta.toStdString(), {rt::ReadAllLines(prueba::Fixture("estatal_2010.txt")).at(1)});
    auto v = Abrir();
    Elegir(v);
    ElegirFichero(v, ruta);
    Pulsar(v, "cmdImportar");
    EXPECT_EQ(Leer(v, {"labelOpeNoImp", "labelOpeNoErr", "labelOpeNoTotal", "labelNoTotal"}),
              (Cuentas{{"labelOpeNoImp", 1}, {"labelOpeNoErr", 0}, {"labelOpeNoTotal", 1},
                       {"labelNoTotal", 1}}));
    EXPECT_EQ(Entradas(), std::vector<std::string>{"7|123456789"});
}

TEST_F(ImportacionDeclarados, NoDeclarationChosenIsRefusedBeforeAnythingIsRead) {
    auto v = Abrir();
    Elegir(v);
    // The chosen declarant's declaration is gone meanwhile.
    entorno_.sql("DELETE FROM TDeclaraciones");
    ElegirFichero(v, EnTrabajo("soporte_2010.txt"));
    Pulsar(v, "cmdImportar");
    ASSERT_EQ(pantalla_.avisos.size(), 1u);
    EXPECT_TRUE(pantalla_.avisos[0].startsWith("Error en la Introducción de Datos|"));
    EXPECT_EQ(v->cmdImportar->text(), "Importar");
    EXPECT_EQ(v->cmdCerrar->text(), "Cerrar");
    EXPECT_TRUE(Entradas().empty());
}

}  // namespace
