// Start-up, the general-services object, the menu policy and the help files.
#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QKeySequence>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolBar>
#include <QTreeWidget>

#include "dialogos.h"
#include "entorno.h"
#include "platform/rutas.h"
#include "program/arranque.h"
#include "program/error_arranque.h"
#include "program/mdi794.h"
#include "quelvort/error.h"
#include "services/ayuda.h"
#include "services/cactonline.h"
#include "services/cgeneral.h"
#include "services/ventana_principal.h"

using namespace quelvo;

namespace {

TEST(Rutas, TablesFolderBesidePathBeforeCliente) {
    const std::pair<const char*, const char*> casos[] = {
        {"/opt/prog/cliente", "/opt/prog/Tablas/"}, {"/x/Cliente/bin", "/x/Tablas/"},
        {"/x/CLIENTE", "/x/Tablas/"},               {"/srv/clientes", "/srv/Tablas/"},
        {"/app/quelvo", "/app/quelvo/Tablas/"},     {"/home/ana/misclientes/q", "/home/ana/mi/Tablas/"}};
    for (auto [programa, tablas] : casos)
        EXPECT_EQ(plataforma::CarpetaTablas(programa).toStdString(), tablas) << programa;
}

TEST(Arranque, InicializarTodoMakesTheWorkFolderAndPaths) {
    QDir(plataforma::CarpetaTrabajo()).removeRecursively();
    InicializarTodo();
    EXPECT_TRUE(QDir(QString::fromStdString(strRutaTrabajo)).exists());
    EXPECT_EQ(strRutaTrabajo, (QDir::homePath() + "/telematica").toStdString());
    EXPECT_EQ(strRutaMod, strRutaTablas + "794Mod.mdb");
    EXPECT_EQ(strRutaLec, strRutaTablas + "794Lec.mdb");
    EXPECT_EQ(strRutaTablas.back(), '/');
}

TEST(Arranque, FirstRunCreatesTheUserDatabaseAndLoadsItsPreferences) {
    prueba::Entorno entorno;
    QFile::remove(QString::fromStdString(strRutaMod));
    EXPECT_FALSE(ComprobarBDVersion());
    EXPECT_TRUE(QFile::exists(QString::fromStdString(strRutaMod)));
    CargarPreferencias();
    EXPECT_EQ(objActOnline().ActOnline, -1);
    EXPECT_EQ(objGeneral().IDI(), "C");
    EXPECT_EQ(lngIdioma, 0);
    EXPECT_TRUE(objActOnline().URLAct.startsWith("https://arbeko.example/"));
    // Stored Basque selects the Basque offset.
    entorno.sql("UPDATE tgeneral SET Idioma = 'E', ActOnline = 1");
    CargarPreferencias();
    EXPECT_EQ(lngIdioma, kOffsetEuskera);
    EXPECT_EQ(objActOnline().ActOnline, 1);
    lngIdioma = 0;
}

TEST(Arranque, StartUpRemovesWhatAKilledRestoreLeft) {
    prueba::Entorno entorno;
    const QString resto = QString::fromStdString(strRutaMod) + ".tmp00112233445566ff";
    for (const char* sufijo : {"", "-journal"}) {
        QFile f(resto + sufijo);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    EXPECT_FALSE(ComprobarBDVersion());
    EXPECT_FALSE(QFile::exists(resto));
    EXPECT_FALSE(QFile::exists(resto + "-journal"));
    EXPECT_TRUE(QFile::exists(QString::fromStdString(strRutaMod)));
}

// A restored database whose upgrade asks the program to end is not taken for
// a success: the user is told, in the program's language, and it ends.
TEST(Arranque, RestoreWhoseUpgradeAsksToEndTellsAndCloses) {
    prueba::Entorno entorno;
    const struct {
        bool terminar;
        int32_t idioma;
        const char* parte;
    } casos[] = {{false, 0, ""}, {true, 0, "se cerrará"}, {true, kOffsetEuskera, "itxi egingo da"}};
    for (const auto& c : casos) {
        lngIdioma = c.idioma;
        QWidget principal;
        principal.show();
        QString texto;
        bool respuesta = !c.terminar;
        prueba::ConModal([&] { respuesta = ComprobarBDVersionTrasRestaurar(&principal, [&] { return c.terminar; }); },
                         [&](QWidget* w) {
                             if (auto* m = w->findChild<QPlainTextEdit*>("txtMensaje")) texto = m->toPlainText();
                             if (auto* d = qobject_cast<QDialog*>(w)) d->accept();
                         });
        EXPECT_EQ(respuesta, c.terminar);
        EXPECT_EQ(principal.isVisible(), !c.terminar);
        if (c.terminar) EXPECT_TRUE(texto.contains(c.parte)) << texto.toStdString();
        else EXPECT_TRUE(texto.isEmpty()) << texto.toStdString();
    }
    lngIdioma = 0;
}

// The start-up box keeps the location apart from the engine's message and
// names the file, in the program's language.
TEST(Arranque, FailureBoxShowsNumberLocationMessageAndFile) {
    const rt::Error servidor(3014, "SQLite",
                             "cTraspaso.Traspaso unable to open database file: '/x/Tablas/794Mod.mdb'");
    const rt::Error carpeta(75, "Quelvo", "No se puede crear la carpeta de trabajo /h/telematica");
    const struct {
        rt::Error error;
        const char* paso;
        int32_t idioma;
        QString texto;
    } casos[] = {
        {rt::WithLocationLineAfter(servidor, "General.ComprobarBDVersion"), "General.ComprobarBDVersion", 0,
         "El programa no ha podido iniciarse.\n\nError 3014 en General.Main > General.ComprobarBDVersion > "
         "cTraspaso.Traspaso\nunable to open database file: '/x/Tablas/794Mod.mdb'\n\n"
         "No se ha podido abrir el archivo /x/Tablas/794Mod.mdb"},
        {rt::WithLocationLineAfter(servidor, "General.ComprobarBDVersion"), "General.ComprobarBDVersion",
         kOffsetEuskera,
         "Programa ezin izan da abiarazi.\n\n3014 errorea, lekua: General.Main > General.ComprobarBDVersion > "
         "cTraspaso.Traspaso\nunable to open database file: '/x/Tablas/794Mod.mdb'\n\n"
         "Ezin izan da fitxategi hau ireki: /x/Tablas/794Mod.mdb"},
        {rt::WithLocationLineAfter(carpeta, "General.InicializarTodo"), "General.InicializarTodo", 0,
         "El programa no ha podido iniciarse.\n\nError 75 en General.Main > General.InicializarTodo\n"
         "No se puede crear la carpeta de trabajo /h/telematica"},
        {carpeta, "", 0,
         "El programa no ha podido iniciarse.\n\nError 75 en General.Main\n"
         "No se puede crear la carpeta de trabajo /h/telematica"},
    };
    for (const auto& c : casos) {
        lngIdioma = c.idioma;
        EXPECT_EQ(TextoErrorArranque(c.error, c.paso).toStdString(), c.texto.toStdString());
    }
    lngIdioma = 0;
}

TEST(General, LanguageCodesSetTheOffsetAndAreStored) {
    prueba::Entorno entorno;
    for (auto [codigo, offset] : {std::pair{"E", 10000}, {"C", 0}, {"", 0}, {"X", 0}}) {
        objGeneral().IDI(codigo);
        EXPECT_EQ(lngIdioma, offset) << codigo;
        objGeneral().LeerIdioma();
        EXPECT_EQ(objGeneral().IDI(), codigo);
    }
}

TEST(General, ListsKeyTheirItems) {
    prueba::Entorno entorno;
    QTreeWidget lista, paises, provincias;
    rt::Variant datos = objGeneral().CargarResultado(
        "SELECT SIGLASPAIS, PAIS FROM TSiglasPais WHERE SIGLASPAIS IN ('DE', 'FR') ORDER BY 1");
    objGeneral().MostrarDatosLista(&lista, datos);
    ASSERT_EQ(lista.topLevelItemCount(), 2);
    EXPECT_EQ(lista.topLevelItem(0)->data(0, kRolClave).toString(), "cDE");
    objGeneral().MostrarDatosListaPais(&paises, datos);
    EXPECT_EQ(paises.topLevelItem(1)->data(0, kRolClave).toString(), "FR");
    objGeneral().MostrarDatosListaPais(&provincias, objGeneral().CargarResultado(
        "SELECT PRO_ID, PRO_CAS FROM TProvincias WHERE PRO_ID = '20'"));
    EXPECT_EQ(provincias.topLevelItem(0)->data(0, kRolClave).toString(), "c20");
    EXPECT_THROW(objGeneral().MostrarDatosLista(&lista, rt::Variant::Null()), rt::Error);
}

class Menus : public ::testing::Test {
protected:
    void TearDown() override { lngIdioma = 0; }

    // n more declarants, numbered on from the last.
    void declarantes(int n) {
        for (int i = hechos_ + 1; i <= hechos_ + n; ++i)
            entorno_.sql("INSERT INTO TDeclarante (dni_cifd, nombred) VALUES ('NIF" + std::to_string(i) +
                         "', 'NOMBRE " + std::to_string(i) + "')");
        hechos_ += n;
    }
    // Which of these menu entries (or toolbar buttons, by number) are enabled.
    std::string activos(std::initializer_list<const char*> nombres,
                        std::initializer_list<int> botones = {}) {
        std::string r;
        for (const char* n : nombres) r += mdi_.Menu(n)->isEnabled() ? '1' : '0';
        r += '|';
        for (int b : botones) r += mdi_.Boton(b)->isEnabled() ? '1' : '0';
        return r;
    }
    bool visible(const char* nombre) { return mdi_.Menu(nombre)->isVisible(); }

    prueba::Entorno entorno_;
    MDI794 mdi_;
    int hechos_ = 0;
};

const std::initializer_list<const char*> kUso = {"mnuAbrDec", "mnuEliDec",     "mnuGraImpOfi", "mnuExpDec",
                                                 "mnuTelGes", "mnuImpDe",      "mnuNueDec",    "mnuImpDec",
                                                 "mnuImpSop", "mnuPresentador", "mnuBackup"};

TEST_F(Menus, NoDeclarantLeavesOnlyCreationOn) {
    objGeneral().HabilitarMenu();
    EXPECT_EQ(activos(kUso, {1, 2, 3, 5}), "00000011111|1001");
    EXPECT_FALSE(visible("mnuD1"));
    EXPECT_FALSE(visible("mnuSep3"));
}

TEST_F(Menus, RecentDeclarantsNewestFirstAndADeclarationEnablesRuns) {
    declarantes(2);
    objGeneral().HabilitarMenu();
    EXPECT_EQ(activos({"mnuAbrDec", "mnuGraImpOfi", "mnuTelGes", "mnuImpDe"}, {2}), "1000|1");
    EXPECT_EQ(mdi_.Menu("mnuD1")->text(), "NIF2 - NOMBRE 2");
    EXPECT_EQ(mdi_.Menu("mnuD2")->text(), "NIF1 - NOMBRE 1");
    EXPECT_EQ(mdi_.Menu("mnuD1")->data().toString(), "2");
    EXPECT_TRUE(visible("mnuD2"));
    EXPECT_FALSE(visible("mnuD3"));
    EXPECT_TRUE(visible("mnuSep3"));
    // Six: the four newest.
    declarantes(4);
    entorno_.sql("INSERT INTO TDeclaraciones (coddecr, ejercicio, periodo, periodicidad, moneda) "
                 "VALUES (1, 2012, 12, 3, 'E')");
    objGeneral().HabilitarMenu();
    EXPECT_EQ(mdi_.Menu("mnuD1")->text(), "NIF6 - NOMBRE 6");
    EXPECT_EQ(mdi_.Menu("mnuD4")->text(), "NIF3 - NOMBRE 3");
    EXPECT_TRUE(visible("mnuD4"));
    EXPECT_EQ(activos({"mnuGraImpOfi", "mnuTelGes", "mnuImpDe"}), "111|");
}

// Qt reads "&" as a shortcut mark; a name shows as it was typed.
TEST_F(Menus, RecentDeclarantsShowAnAmpersandAsTyped) {
    entorno_.sql("INSERT INTO TDeclarante (dni_cifd, nombred) VALUES ('B1', 'GARCIA & HIJOS'), "
                 "('B2', 'A&&B'), ('B3', 'FIN &')");
    objGeneral().HabilitarMenu();
    const std::pair<const char*, const char*> casos[] = {
        {"mnuD1", "B3 - FIN &"}, {"mnuD2", "B2 - A&&B"}, {"mnuD3", "B1 - GARCIA & HIJOS"}};
    for (const auto& [menu, visto] : casos) {
        const QAction* entrada = mdi_.Menu(menu);
        EXPECT_EQ(entrada->iconText().toStdString(), visto) << menu;
        EXPECT_TRUE(QKeySequence::mnemonic(entrada->text()).isEmpty()) << menu;
    }
}

TEST_F(Menus, WalkersKeepHelpAndTheLastTwoButtons) {
    const auto todos = {"mnuDeclarante", "mnuNueDec", "mnuPresentador", "mnuUtilidades",
                        "mnuSalir",      "mnuAyuda",  "mnuConInd",      "mnuAcerca"};
    DeshabilitarMenusSalvoAyuda();
    EXPECT_EQ(activos(todos, {3, 4, 5}), "00000111|011");
    DeshabilitarMenus();
    EXPECT_EQ(activos({"mnuConInd"}, {5}), "0|0");
    HabilitarMenus();
    EXPECT_EQ(activos({"mnuSalir"}, {5}), "1|1");
}

// A database error while the about window had everything off must leave a
// way out of the program, and be reported.
TEST_F(Menus, AFailedPolicyAfterAboutLeavesExitHelpAndPreferencesOn) {
    entorno_.sql("DROP TABLE TDeclarante");
    QStringList vistos;
    prueba::ConModal([&] { mdi_.Menu("mnuAcerca")->trigger(); },
                     [&](QWidget* w) {
                         vistos << w->objectName();
                         if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
                     });
    EXPECT_EQ(vistos.join(",").toStdString(), "frmAbout_794,frmGestErrores_794");
    EXPECT_EQ(activos({"mnuDeclarante", "mnuSalir", "mnuUtilidades", "mnuPreferencias", "mnuAyuda",
                       "mnuConInd", "mnuAcerca", "mnuNueDec"},
                      {4, 5}),
              "11111110|11");
}

TEST_F(Menus, ExitButtonWorksWhileItsMenuEntryIsOff) {
    mdi_.show();
    DeshabilitarMenusSalvoAyuda();
    ASSERT_FALSE(mdi_.Menu("mnuSalir")->isEnabled());
    mdi_.tlbMDI()->actionTriggered(mdi_.Boton(5));
    EXPECT_FALSE(mdi_.isVisible());
}

// The user reads in their language what is wrong with which file; the
// engine's own words go to the error log only.
TEST_F(Menus, ARefusedBackupTellsTheUserInTheirWordsAndLogsTheEnginesOwn) {
    const QString mod = QString::fromStdString(strRutaMod);
    QFile texto(mod);
    ASSERT_TRUE(texto.open(QIODevice::WriteOnly | QIODevice::Truncate));
    texto.write("Nombre;NIF\r\nAna;12345678Z\r\n");
    texto.close();
    const struct {
        int32_t idioma;
        const char* dice;
    } casos[] = {{0, "no es una base de datos del programa"}, {kOffsetEuskera, "ez da programaren datu-base bat"}};
    for (const auto& c : casos) {
        lngIdioma = c.idioma;
        const QDir temporal(QDir::tempPath());
        const QStringList antes = temporal.entryList({"Error*.log"}, QDir::Files);
        QString visto;
        prueba::ConModal([&] { mdi_.Menu("mnuBackup")->trigger(); },
                         [&](QWidget* w) {
                             if (auto* caja = qobject_cast<QMessageBox*>(w)) visto = caja->text();
                             if (auto* d = qobject_cast<QDialog*>(w)) d->accept();
                         });
        EXPECT_TRUE(visto.contains(mod) && visto.contains(c.dice)) << visto.toStdString();
        EXPECT_FALSE(visto.contains("file is not a database")) << visto.toStdString();

        QStringList nuevos = temporal.entryList({"Error*.log"}, QDir::Files);
        for (const auto& viejo : antes) nuevos.removeAll(viejo);
        ASSERT_EQ(nuevos.size(), 1) << nuevos.join(", ").toStdString();
        QFile log(temporal.filePath(nuevos[0]));
        ASSERT_TRUE(log.open(QIODevice::ReadOnly));
        const QString registro = QString::fromUtf8(log.readAll());
        log.close();
        log.remove();
        EXPECT_TRUE(registro.contains("MDI794T.mnuBackup_Click")) << registro.toStdString();
        EXPECT_TRUE(registro.contains(c.dice)) << registro.toStdString();
        EXPECT_TRUE(registro.contains("file is not a database")) << registro.toStdString();
    }
}

TEST_F(Menus, CaptionsFollowTheLanguage) {
    mdi_.AñadirCaptions();
    EXPECT_EQ(mdi_.Menu("mnuBackup")->text(), "Crear copia de seguridad ");
    lngIdioma = kOffsetEuskera;
    mdi_.AñadirCaptions();
    EXPECT_EQ(mdi_.Menu("mnuAbrDec")->text(), "Ireki aitortzailea");
}

TEST(Ayuda, APageNoBrowserOpensIsToldInTheProgramsOwnWindowInTheUsersLanguage) {
    prueba::Entorno entorno;
    struct Caso {
        const char* idioma;
        QString texto;  // before and after the path
        QString despues;
        QString aceptar;
    };
    const Caso casos[] = {
        {"C", "No se ha abierto la página de ayuda:\n", "\nÁbrala en un navegador web para consultarla.",
         "Aceptar"},
        {"E", "Ez da laguntza-orria ireki:\n", "\nIreki ezazu web-nabigatzaile batean kontsultatzeko.",
         "Ados"},
    };
    for (const Caso& c : casos) {
        objGeneral().IDI(c.idioma);
        QString texto, aceptar;
        bool cancelar = true;
        prueba::ConModal([] { MostrarAyuda("no-existe.html", nullptr); },
                         [&](QWidget* w) {
                             if (w->objectName() != "frmMsgBox_794") return;
                             texto = w->findChild<QPlainTextEdit*>("txtMensaje")->toPlainText();
                             auto boton = w->findChild<QPushButton*>("cmdAceptar");
                             aceptar = boton->text();
                             cancelar = w->findChild<QPushButton*>("cmdCancelar")->isVisible();
                             boton->click();
                         });
        const QString ruta = RutaAyuda(c.idioma, "no-existe.html");
        EXPECT_EQ(texto.toStdString(), (c.texto + ruta + c.despues).toStdString());
        EXPECT_EQ(aceptar, c.aceptar);
        EXPECT_FALSE(cancelar);
    }
    objGeneral().IDI("C");
}

TEST(Ayuda, HelpFileByLanguage) {
    EXPECT_TRUE(RutaAyuda("C", "indice.html").endsWith("/Ayuda/Ayuda/indice.html"));
    EXPECT_TRUE(RutaAyuda("E", "sarrera.html").endsWith("/Ayuda/Laguntza/sarrera.html"));
    EXPECT_TRUE(RutaAyuda("", "x.html").contains("Laguntza"));
}

}  // namespace
