// The language window of the first run and the preferences window.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest/QTest>

#include "dialogos.h"
#include "entorno.h"
#include "servidor_http.h"
#include "shell/cactonline.h"
#include "shell/catalogo.h"
#include "shell/cgeneral.h"
#include "shell/frmIdioma_794.h"
#include "shell/frmPreferencias_794.h"
#include "shell/mdi794.h"

using namespace quelvo;

namespace {

class Preferencias : public ::testing::Test {
protected:
    void TearDown() override { lngIdioma = 0; }

    // What the user database holds now.
    static int16_t FlagGuardado() {
        cActOnline leido;
        leido.LeerActOnline();
        return leido.ActOnline;
    }
    static QString IdiomaGuardado() {
        const int32_t offset = lngIdioma;
        cGeneral leido;
        leido.LeerIdioma();
        lngIdioma = offset;
        return leido.IDI();
    }
    void Flag(int16_t flag) {
        entorno_.sql("UPDATE tgeneral SET ActOnline = " + std::to_string(flag));
        objActOnline().LeerActOnline();
    }
    prueba::Entorno entorno_;
};

void Pulsar(QWidget* w, const char* boton) {
    QTest::mouseClick(w->findChild<QAbstractButton*>(boton), Qt::LeftButton);
}

TEST_F(Preferencias, FirstStartAsksForTheLanguageAtTheFirstActivation) {
    Flag(-1);
    objGeneral().LeerIdioma();
    MDI794 principal;
    QString ventana;
    bool marcada = false, menusActivos = true, ayudaActiva = false;
    int16_t flagAlAbrir = 0;
    prueba::ConModal(
        [&] {
            principal.show();
            QTest::qWait(200);
        },
        [&](QWidget* w) {
            ventana = w->objectName();
            marcada = w->findChild<QCheckBox*>("chkActOnline")->isChecked();
            flagAlAbrir = FlagGuardado();
            menusActivos = principal.Menu("mnuNueDec")->isEnabled();
            ayudaActiva = principal.Menu("mnuAcerca")->isEnabled();
            Pulsar(w, "cmdEuskara");
        });
    EXPECT_EQ(ventana, "frmIdioma_794");
    EXPECT_TRUE(marcada);
    EXPECT_EQ(flagAlAbrir, 1);  // stored before any button
    EXPECT_FALSE(menusActivos);
    EXPECT_TRUE(ayudaActiva);
    EXPECT_EQ(lngIdioma, kOffsetEuskera);
    EXPECT_EQ(IdiomaGuardado(), "E");
    EXPECT_EQ(FlagGuardado(), 1);
    EXPECT_TRUE(principal.Menu("mnuNueDec")->isEnabled());

    // Once stored, a later activation asks nothing.
    QString otra;
    prueba::ConModal([&] { principal.activateWindow(); QTest::qWait(100); },
                     [&](QWidget* w) { otra = w->objectName(); });
    EXPECT_EQ(otra, "");
}

TEST_F(Preferencias, OnlyANegativeFlagOpensTheLanguageWindow) {
    for (int16_t flag : {0, 1, 2, -2}) {
        Flag(flag);
        MDI794 principal;
        QString ventana;
        prueba::ConModal(
            [&] {
                principal.show();
                QTest::qWait(150);
            },
            [&](QWidget* w) {
                ventana = w->objectName();
                static_cast<QDialog*>(w)->reject();
            });
        EXPECT_EQ(ventana, flag < 0 ? "frmIdioma_794" : "") << flag;
    }
}

TEST_F(Preferencias, LanguageWindowBoxFollowsTheFlag) {
    struct Caso {
        int16_t flag;
        bool marcada;
        int16_t guardado;
    };
    for (const Caso& c : {Caso{-1, true, 1}, Caso{2, true, 1}, Caso{1, true, 1}, Caso{0, false, 0},
                          Caso{-2, false, -2}}) {
        Flag(c.flag);
        frmIdioma_794 ventana;
        EXPECT_EQ(ventana.chkActOnline->isChecked(), c.marcada) << c.flag;
        EXPECT_EQ(FlagGuardado(), c.guardado) << c.flag;
        ventana.chkActOnline->click();
        EXPECT_EQ(FlagGuardado(), c.marcada ? 0 : 1) << c.flag;
    }
}

TEST_F(Preferencias, ClosingTheLanguageWindowStoresNoLanguage) {
    Flag(-1);
    entorno_.sql("UPDATE tgeneral SET Idioma = 'C'");
    objGeneral().LeerIdioma();
    frmIdioma_794 ventana;
    ventana.show();
    ventana.close();
    EXPECT_EQ(IdiomaGuardado(), "C");
    EXPECT_EQ(lngIdioma, 0);
}

struct Estado {
    bool castellano = false, euskera = false, marcada = false;
    QString titulo, aceptar;
};

Estado Leer(QWidget* w) {
    return {w->findChild<QRadioButton*>("optCast")->isChecked(),
            w->findChild<QRadioButton*>("optEusk")->isChecked(),
            w->findChild<QCheckBox*>("chkActOnline")->isChecked(),
            w->findChild<QLabel*>("lblTitulo")->text(),
            w->findChild<QPushButton*>("cmdAceptar")->text()};
}

TEST_F(Preferencias, PreferencesShowTheStoredChoice) {
    struct Caso {
        int16_t flag;
        const char* idioma;
        bool marcada, castellano;
        const char* titulo;
    };
    for (const Caso& c : {Caso{1, "C", true, true, "Preferencias"}, Caso{0, "E", false, false, "Lehentasunak"},
                          Caso{2, "X", false, false, "Preferencias"}}) {
        Flag(c.flag);
        objGeneral().IDI(c.idioma);
        Estado e;
        prueba::ConModal([&] { frmPreferencias_794().exec(); },
                         [&](QWidget* w) {
                             e = Leer(w);
                             Pulsar(w, "cmdCancelar");
                         });
        EXPECT_EQ(e.marcada, c.marcada) << c.flag;
        EXPECT_EQ(e.castellano, c.castellano) << c.idioma;
        EXPECT_EQ(e.euskera, !c.castellano) << c.idioma;
        // "X" reads as Spanish for the catalog, yet selects Basque.
        EXPECT_EQ(e.titulo, QString::fromUtf8(c.titulo)) << c.idioma;
        EXPECT_EQ(FlagGuardado(), c.flag);
    }
}

TEST_F(Preferencias, AcceptStoresBothAndRecaptionsTheMainWindow) {
    Flag(0);
    objGeneral().IDI("C");
    MDI794 principal;
    prueba::ConModal([&] { principal.Menu("mnuPreferencias")->trigger(); },
                     [&](QWidget* w) {
                         Pulsar(w, "optEusk");
                         Pulsar(w, "chkActOnline");
                         Pulsar(w, "cmdAceptar");
                     });
    EXPECT_EQ(FlagGuardado(), 1);
    EXPECT_EQ(IdiomaGuardado(), "E");
    EXPECT_EQ(lngIdioma, kOffsetEuskera);
    EXPECT_EQ(principal.Menu("mnuPreferencias")->text(), TextoCatalogo(10291));
    EXPECT_EQ(principal.windowTitle(), TextoCatalogo(10222));
}

TEST_F(Preferencias, CancelStoresNothing) {
    Flag(1);
    objGeneral().IDI("C");
    prueba::ConModal([&] { frmPreferencias_794().exec(); },
                     [&](QWidget* w) {
                         Pulsar(w, "optEusk");
                         Pulsar(w, "chkActOnline");
                         Pulsar(w, "cmdCancelar");
                     });
    EXPECT_EQ(FlagGuardado(), 1);
    EXPECT_EQ(IdiomaGuardado(), "C");
    EXPECT_EQ(lngIdioma, 0);
}

TEST_F(Preferencias, UpdateNowReportsItsOutcomeAndKeepsThePendingChoice) {
    strVersion = "1.0.0";
    prueba::ServidorHttp servidor(prueba::ServidorHttp::Respuesta(
        "[informacion]\r\ncurrentversion=1.0.0\r\ndownloadurl=https://d.example/\r\n"));
    struct Caso {
        const char* nombre;
        bool alcanzable;
        const char* ventana;
        bool marcadaDespues;
        int16_t flagDespues;
    };
    // The failure window's box ("do not ask again") is ticked by the user.
    for (const Caso& c : {Caso{"same version", true, "FrmVersionCheck_794", true, 1},
                          Caso{"no connection", false, "FrmSinConexion_794", false, 0}}) {
        Flag(1);
        objGeneral().IDI("C");
        auto& act = objActOnline();
        act.ProgVer1 = "1";
        act.ProgVer2 = "0";
        act.ProgVer3 = "0";
        act.URLAct = c.alcanzable ? servidor.Direccion() : prueba::ServidorHttp::DireccionCerrada();
        QStringList ventanas;
        bool descargar = true;
        Estado despues;
        prueba::ConModal(
            [&] { frmPreferencias_794().exec(); },
            [&](QWidget* w) {
                ventanas << w->objectName();
                Pulsar(w, "optEusk");
                // The link runs the check inside this call, with its own window.
                prueba::ConModal(
                    [&] { QTest::mouseClick(w->findChild<QLabel*>("lblActAhora"), Qt::LeftButton); },
                    [&](QWidget* v) {
                        if (v == w) return;
                        ventanas << v->objectName();
                        if (auto boton = v->findChild<QPushButton*>("CmdActualizar"))
                            descargar = boton->isEnabled();
                        if (auto caja = v->findChild<QCheckBox*>("ChkNoPreg")) caja->click();
                        static_cast<QDialog*>(v)->reject();
                    },
                    6000);
                despues = Leer(w);
                Pulsar(w, "cmdCancelar");
            },
            8000);
        EXPECT_EQ(ventanas, QStringList({"frmPreferencias_794", c.ventana})) << c.nombre;
        if (c.alcanzable) {
            EXPECT_FALSE(descargar) << c.nombre;
            EXPECT_EQ(act.SitAct, 3) << c.nombre;
        }
        EXPECT_TRUE(despues.euskera) << c.nombre;
        EXPECT_EQ(despues.marcada, c.marcadaDespues) << c.nombre;
        EXPECT_EQ(FlagGuardado(), c.flagDespues) << c.nombre;
        EXPECT_EQ(IdiomaGuardado(), "C") << c.nombre;
    }
    strVersion.clear();
}

}  // namespace
