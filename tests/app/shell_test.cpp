#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QToolBar>
#include <QTreeWidget>

#include "entorno.h"
#include "quelvort/error.h"
#include "platform/rutas.h"
#include "shell/arranque.h"
#include "shell/ayuda.h"
#include "shell/cactonline.h"
#include "shell/cgeneral.h"
#include "shell/mdi794.h"
#include "shell/menus.h"

using namespace quelvo;

TEST(Rutas, TablesFolderBesidePathBeforeCliente) {
    struct Caso {
        const char* programa;
        const char* tablas;
    };
    const Caso casos[] = {{"/opt/prog/cliente", "/opt/prog/Tablas/"},
                          {"/x/Cliente/bin", "/x/Tablas/"},
                          {"/x/CLIENTE", "/x/Tablas/"},
                          {"/srv/clientes", "/srv/Tablas/"},
                          {"/app/quelvo", "/app/quelvo/Tablas/"},
                          {"/home/ana/misclientes/q", "/home/ana/mi/Tablas/"}};
    for (const auto& c : casos)
        EXPECT_EQ(plataforma::CarpetaTablas(c.programa).toStdString(), c.tablas) << c.programa;
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
}

TEST(Arranque, StoredBasqueSelectsTheBasqueOffset) {
    prueba::Entorno entorno;
    entorno.sql("UPDATE tgeneral SET Idioma = 'E', ActOnline = 1");
    CargarPreferencias();
    EXPECT_EQ(lngIdioma, kOffsetEuskera);
    EXPECT_EQ(objActOnline().ActOnline, 1);
}

TEST(General, LanguageCodesAndOffsetAreStored) {
    prueba::Entorno entorno;
    struct Caso {
        const char* codigo;
        int32_t offset;
    };
    for (const Caso& c : {Caso{"E", 10000}, Caso{"C", 0}, Caso{"", 0}, Caso{"X", 0}}) {
        objGeneral().IDI(c.codigo);
        EXPECT_EQ(lngIdioma, c.offset) << c.codigo;
        EXPECT_EQ(objGeneral().IDI(), c.codigo);
        objGeneral().LeerIdioma();  // what was stored reads back
        EXPECT_EQ(objGeneral().IDI(), c.codigo);
    }
}

TEST(General, ListsKeyTheirItems) {
    prueba::Entorno entorno;
    QTreeWidget lista;
    rt::Variant datos = objGeneral().CargarResultado(
        "SELECT SIGLASPAIS, PAIS FROM TSiglasPais WHERE SIGLASPAIS IN ('DE', 'FR') ORDER BY 1");
    objGeneral().MostrarDatosLista(&lista, datos);
    ASSERT_EQ(lista.topLevelItemCount(), 2);
    EXPECT_EQ(lista.topLevelItem(0)->data(0, kRolClave).toString(), "cDE");
    QTreeWidget paises;
    objGeneral().MostrarDatosListaPais(&paises, datos);
    EXPECT_EQ(paises.topLevelItem(1)->data(0, kRolClave).toString(), "FR");
    rt::Variant numericos = objGeneral().CargarResultado(
        "SELECT PRO_ID, PRO_CAS FROM TProvincias WHERE PRO_ID = '20'");
    QTreeWidget provincias;
    objGeneral().MostrarDatosListaPais(&provincias, numericos);
    EXPECT_EQ(provincias.topLevelItem(0)->data(0, kRolClave).toString(), "c20");
    EXPECT_THROW(objGeneral().MostrarDatosLista(&lista, rt::Variant::Null()), rt::Error);
}

namespace {

class Menus : public ::testing::Test {
protected:
    void SetUp() override { mdi_ = std::make_unique<MDI794>(); }
    void TearDown() override { mdi_.reset(); }

    bool activo(const char* nombre) { return mdi_->Menu(nombre)->isEnabled(); }
    bool visible(const char* nombre) { return mdi_->Menu(nombre)->isVisible(); }
    void declarantes(int n) {
        for (int i = 1; i <= n; ++i)
            entorno_.sql("INSERT INTO TDeclarante (dni_cifd, nombred) VALUES ('NIF" +
                         std::to_string(i) + "', 'NOMBRE " + std::to_string(i) + "')");
    }

    prueba::Entorno entorno_;
    std::unique_ptr<MDI794> mdi_;
};

}  // namespace

TEST_F(Menus, NoDeclarantLeavesOnlyCreationOn) {
    objGeneral().HabilitarMenu();
    for (const char* off : {"mnuAbrDec", "mnuEliDec", "mnuGraImpOfi", "mnuExpDec", "mnuTelGes", "mnuImpDe"})
        EXPECT_FALSE(activo(off)) << off;
    for (const char* on : {"mnuNueDec", "mnuImpDec", "mnuImpSop", "mnuPresentador", "mnuBackup"})
        EXPECT_TRUE(activo(on)) << on;
    EXPECT_TRUE(mdi_->Boton(1)->isEnabled());
    EXPECT_FALSE(mdi_->Boton(2)->isEnabled());
    EXPECT_FALSE(mdi_->Boton(3)->isEnabled());
    EXPECT_TRUE(mdi_->Boton(5)->isEnabled());
    for (const char* reciente : {"mnuD1", "mnuSep3"}) EXPECT_FALSE(visible(reciente));
}

TEST_F(Menus, TwoDeclarantsWithoutDeclarations) {
    declarantes(2);
    objGeneral().HabilitarMenu();
    EXPECT_TRUE(activo("mnuAbrDec"));
    EXPECT_TRUE(mdi_->Boton(2)->isEnabled());
    for (const char* off : {"mnuGraImpOfi", "mnuTelGes", "mnuImpDe"}) EXPECT_FALSE(activo(off)) << off;
    EXPECT_EQ(mdi_->Menu("mnuD1")->text(), "NIF2 - NOMBRE 2");
    EXPECT_EQ(mdi_->Menu("mnuD2")->text(), "NIF1 - NOMBRE 1");
    EXPECT_EQ(mdi_->Menu("mnuD1")->data().toString(), "2");
    EXPECT_TRUE(visible("mnuD2"));
    EXPECT_FALSE(visible("mnuD3"));
    EXPECT_TRUE(visible("mnuSep3"));
}

TEST_F(Menus, SixDeclarantsShowTheFourNewestAndADeclarationEnablesRuns) {
    declarantes(6);
    entorno_.sql("INSERT INTO TDeclaraciones (coddecr, ejercicio, periodo, periodicidad, moneda) "
                 "VALUES (1, 2012, 12, 3, 'E')");
    objGeneral().HabilitarMenu();
    EXPECT_EQ(mdi_->Menu("mnuD4")->text(), "NIF3 - NOMBRE 3");
    EXPECT_TRUE(visible("mnuD4"));
    for (const char* on : {"mnuGraImpOfi", "mnuTelGes", "mnuImpDe"}) EXPECT_TRUE(activo(on)) << on;
}

TEST_F(Menus, WalkersKeepHelpAndTheLastTwoButtons) {
    DeshabilitarMenusSalvoAyuda();
    for (const char* off : {"mnuDeclarante", "mnuNueDec", "mnuPresentador", "mnuUtilidades", "mnuSalir"})
        EXPECT_FALSE(activo(off)) << off;
    for (const char* on : {"mnuAyuda", "mnuConInd", "mnuAcerca"}) EXPECT_TRUE(activo(on)) << on;
    EXPECT_FALSE(mdi_->Boton(3)->isEnabled());
    EXPECT_TRUE(mdi_->Boton(4)->isEnabled());
    EXPECT_TRUE(mdi_->Boton(5)->isEnabled());
    DeshabilitarMenus();
    EXPECT_FALSE(activo("mnuConInd"));
    EXPECT_FALSE(mdi_->Boton(5)->isEnabled());
    HabilitarMenus();
    EXPECT_TRUE(activo("mnuSalir"));
    EXPECT_TRUE(mdi_->Boton(5)->isEnabled());
}

TEST_F(Menus, ExitButtonWorksWhileItsMenuEntryIsOff) {
    mdi_->show();
    DeshabilitarMenusSalvoAyuda();
    ASSERT_FALSE(activo("mnuSalir"));
    mdi_->tlbMDI()->actionTriggered(mdi_->Boton(5));
    EXPECT_FALSE(mdi_->isVisible());
}

TEST_F(Menus, CaptionsFollowTheLanguage) {
    lngIdioma = 0;
    mdi_->AñadirCaptions();
    EXPECT_EQ(mdi_->Menu("mnuBackup")->text(), "Crear copia de seguridad ");
    lngIdioma = kOffsetEuskera;
    mdi_->AñadirCaptions();
    EXPECT_EQ(mdi_->Menu("mnuAbrDec")->text(), "Ireki aitortzailea");
    lngIdioma = 0;
}

TEST(Ayuda, HelpFileByLanguage) {
    EXPECT_TRUE(RutaAyuda("C", "indice.html").endsWith("/Ayuda/Ayuda/indice.html"));
    EXPECT_TRUE(RutaAyuda("E", "sarrera.html").endsWith("/Ayuda/Laguntza/sarrera.html"));
    EXPECT_TRUE(RutaAyuda("", "x.html").contains("Laguntza"));
}
