// The splash and about windows.
#include <gtest/gtest.h>

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest/QTest>

#include "dialogos.h"
#include "entorno.h"
#include "program/mdi794.h"
#include "services/cactonline.h"
#include "services/catalogo.h"
#include "servidor_http.h"
#include "windows/frmAbout_794.h"
#include "windows/frmInicio_794.h"

using namespace quelvo;

namespace {

class Ventanas : public ::testing::Test {
protected:
    void SetUp() override { objActOnline().ActOnline = 0; }
    void TearDown() override {
        lngIdioma = 0;
        strVersion.clear();
    }
    prueba::Entorno entorno_;
};

struct Idioma {
    int32_t offset;
    const char *version, *textoVersion, *titulo, *tituloAcerca;
};
const Idioma kIdiomas[] = {
    {0, "2.8.0", "Versión 2.8.0", "Modelo 794", "DECLARACIÓN 794"},
    {kOffsetEuskera, "2.8.0", "2.8.0 bertsioa", "794 eredua", "AITORPENA 794"},
    {0, "", "Versión ", "Modelo 794", "DECLARACIÓN 794"},
    {kOffsetEuskera, "", " bertsioa", "794 eredua", "AITORPENA 794"},
};

TEST_F(Ventanas, SplashAndAboutShowVersionTitlesAndTexts) {
    for (const Idioma& c : kIdiomas) {
        SCOPED_TRACE(c.textoVersion);
        lngIdioma = c.offset;
        strVersion = c.version;
        frmInicio_794 inicio(0, 0);
        inicio.Mostrar();
        EXPECT_EQ(QStringList({inicio.lblVersion->text(), inicio.lblTitulo->text(),
                               inicio.lblTitulo1->text(), inicio.lblDescripcion->text(),
                               inicio.lblDescripcion1->text(), inicio.LblAct->text()}),
                  QStringList({QString::fromUtf8(c.textoVersion), QString::fromUtf8(c.titulo), Cat(334),
                               TextoCatalogo(163), TextoCatalogo(10163), Cat(290)}));
        EXPECT_TRUE(inicio.isVisible());
        EXPECT_FALSE(inicio.LblAct->isVisible());
        frmAbout_794 acerca;
        EXPECT_EQ(QStringList({acerca.lblTitulo->text(), acerca.lblVersion->text(), acerca.windowTitle(),
                               acerca.lblDescription->text(), acerca.cmdAceptar->text(),
                               acerca.txtVerInfo->toPlainText()}),
                  QStringList({QString::fromUtf8(c.tituloAcerca), QString::fromUtf8(c.textoVersion),
                               Cat(106), Cat(163), Cat(105), Cat(314)}));
    }
}

TEST_F(Ventanas, SplashWaitsOnTheWholeSecondClockWithoutChecking) {
    prueba::ServidorHttp servidor(prueba::ServidorHttp::Respuesta("[informacion]\r\n"));
    objActOnline().URLAct = servidor.Direccion();
    QElapsedTimer reloj;
    reloj.start();
    frmInicio_794 inicio(2, 5);
    inicio.Mostrar();
    // Two whole seconds ahead: between one and two seconds from now.
    EXPECT_GE(reloj.elapsed(), 1000);
    EXPECT_LT(reloj.elapsed(), 2500);
    EXPECT_TRUE(servidor.peticiones.isEmpty());
}

TEST_F(Ventanas, SplashRunsTheCheckOnlyWithTheFlagOne) {
    strVersion = "1.0.0";
    auto& act = objActOnline();
    act.ProgVer1 = "1";
    act.ProgVer2 = "0";
    act.ProgVer3 = "0";
    prueba::ServidorHttp servidor(prueba::ServidorHttp::Respuesta(
        "[informacion]\r\ncurrentversion=1.1.0\r\ndownloadurl=https://d.example/\r\n"));
    act.URLAct = servidor.Direccion();
    for (int16_t flag : {-1, 0, 2, 1}) {
        act.ActOnline = flag;
        act.SitAct = 0;
        frmInicio_794 inicio(0, 0);
        QString ventana;
        bool avisando = false;
        prueba::ConModal([&] { inicio.Mostrar(); },
                         [&](QWidget* w) {
                             ventana = w->objectName();
                             avisando = inicio.LblAct->isVisible();
                             static_cast<QDialog*>(w)->reject();
                         });
        const bool comprueba = flag == 1;
        EXPECT_EQ(ventana, comprueba ? "FrmVersionCheck_794" : "") << flag;
        EXPECT_EQ(avisando, comprueba) << flag;
        EXPECT_EQ(act.SitAct, comprueba ? 3 : 0) << flag;
        EXPECT_FALSE(inicio.LblAct->isVisible()) << flag;
    }
    EXPECT_EQ(servidor.peticiones.size(), 1);
}

TEST_F(Ventanas, AboutNotesToggleWithoutWalkingTheWindow) {
    frmAbout_794 acerca;
    acerca.show();
    const int alto = acerca.height();
    EXPECT_TRUE(acerca.txtVerInfo->isHidden());
    for (int vuelta = 0; vuelta < 10; ++vuelta) {
        QTest::mouseClick(acerca.cmdVerInf, Qt::LeftButton);
        EXPECT_TRUE(acerca.txtVerInfo->isVisible());
        EXPECT_TRUE(acerca.lnLinea->isVisible());
        EXPECT_GE(acerca.height(), alto + acerca.txtVerInfo->height());
        // The notes stand below the line, inside the window.
        EXPECT_GT(acerca.txtVerInfo->y(), acerca.lnLinea->y());
        EXPECT_LE(acerca.txtVerInfo->geometry().bottom(), acerca.height());
        QTest::mouseClick(acerca.cmdVerInf, Qt::LeftButton);
        EXPECT_TRUE(acerca.txtVerInfo->isHidden());
        EXPECT_FALSE(acerca.lnLinea->isVisible());
    }
    EXPECT_EQ(acerca.height(), alto);
}

TEST_F(Ventanas, AboutCommandTurnsEveryMenuOffWhileOpen) {
    MDI794 principal;
    bool ayudaActiva = true, salirActivo = true;
    QString abierta;
    prueba::ConModal([&] { principal.Menu("mnuAcerca")->trigger(); },
                     [&](QWidget* w) {
                         abierta = w->objectName();
                         ayudaActiva = principal.Menu("mnuConInd")->isEnabled();
                         salirActivo = principal.Boton(5)->isEnabled();
                         QTest::mouseClick(w->findChild<QPushButton*>("cmdAceptar"), Qt::LeftButton);
                     });
    EXPECT_EQ(abierta, "frmAbout_794");
    EXPECT_FALSE(ayudaActiva);
    EXPECT_FALSE(salirActivo);
    EXPECT_TRUE(principal.Menu("mnuConInd")->isEnabled());
    EXPECT_TRUE(principal.Menu("mnuNueDec")->isEnabled());
    EXPECT_TRUE(principal.isVisible());
}

}  // namespace
