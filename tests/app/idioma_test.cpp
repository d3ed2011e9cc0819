// The language window of the first run and the preferences window.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>

#include "dialogos.h"
#include "entorno.h"
#include "program/mdi794.h"
#include "services/cactonline.h"
#include "services/catalogo.h"
#include "services/cgeneral.h"
#include "servidor_http.h"
#include "windows/frmIdioma_794.h"
#include "windows/frmPreferencias_794.h"

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
    void Guardar(int16_t flag) {
        entorno_.sql("UPDATE tgeneral SET Idioma = 'C', ActOnline = " + std::to_string(flag));
        objActOnline().LeerActOnline();
        objGeneral().LeerIdioma();
    }
    prueba::Entorno entorno_;
};

void Pulsar(QWidget* w, const char* boton) {
    QTest::mouseClick(w->findChild<QAbstractButton*>(boton), Qt::LeftButton);
}

// Shows the main window; answers the name of the modal window it opened ("" none).
QString Activar(MDI794& principal, const std::function<void(QWidget*)>& enVentana) {
    QString ventana;
    prueba::ConModal(
        [&] {
            principal.show();
            principal.activateWindow();
            QTest::qWait(150);
        },
        [&](QWidget* w) {
            ventana = w->objectName();
            enVentana(w);
        });
    return ventana;
}

TEST_F(Preferencias, FirstStartAsksForTheLanguageAtTheFirstActivation) {
    Guardar(-1);
    MDI794 principal;
    bool marcada = false, menusActivos = true, ayudaActiva = false;
    int16_t flagAlAbrir = 0;
    EXPECT_EQ(Activar(principal,
                      [&](QWidget* w) {
                          marcada = w->findChild<QCheckBox*>("chkActOnline")->isChecked();
                          flagAlAbrir = FlagGuardado();
                          menusActivos = principal.Menu("mnuNueDec")->isEnabled();
                          ayudaActiva = principal.Menu("mnuAcerca")->isEnabled();
                          Pulsar(w, "cmdEuskara");
                      }),
              "frmIdioma_794");
    EXPECT_TRUE(marcada);
    EXPECT_EQ(flagAlAbrir, 1);  // stored before any button
    EXPECT_FALSE(menusActivos);
    EXPECT_TRUE(ayudaActiva);
    EXPECT_EQ(lngIdioma, kOffsetEuskera);
    EXPECT_EQ(IdiomaGuardado(), "E");
    EXPECT_EQ(FlagGuardado(), 1);
    EXPECT_TRUE(principal.Menu("mnuNueDec")->isEnabled());
    // Once stored, a later activation asks nothing.
    EXPECT_EQ(Activar(principal, [](QWidget*) {}), "");
}

// The main window speaks the chosen language at once: caption and menus.
TEST_F(Preferencias, FirstRunLanguageChoiceRecaptionsTheMainWindowAtOnce) {
    const struct {
        const char* guardado;
        const char* boton;
        int32_t offset;
    } casos[] = {{"C", "cmdEuskara", kOffsetEuskera}, {"E", "cmdCastellano", 0}};
    for (const auto& c : casos) {
        entorno_.sql(std::string("UPDATE tgeneral SET ActOnline = -1, Idioma = '") + c.guardado + "'");
        objActOnline().LeerActOnline();
        objGeneral().LeerIdioma();
        MDI794 principal;
        Activar(principal, [&](QWidget* w) { Pulsar(w, c.boton); });
        const std::pair<QString, int32_t> vistos[] = {{principal.windowTitle(), 222},
                                                      {principal.Menu("mnuDeclarante")->text(), 131},
                                                      {principal.Menu("mnuNueDec")->text(), 240},
                                                      {principal.Menu("mnuPreferencias")->text(), 291}};
        for (const auto& [visto, id] : vistos)
            EXPECT_EQ(visto.toStdString(), TextoCatalogo(id + c.offset).toStdString()) << c.boton;
    }
}

TEST_F(Preferencias, OnlyANegativeFlagOpensTheLanguageWindow) {
    for (int16_t flag : {0, 1, 2, -2}) {
        Guardar(flag);
        MDI794 principal;
        EXPECT_EQ(Activar(principal, [](QWidget* w) { static_cast<QDialog*>(w)->reject(); }),
                  flag < 0 ? "frmIdioma_794" : "")
            << flag;
    }
}

TEST_F(Preferencias, LanguageWindowBoxFollowsTheFlagAndClosingStoresNoLanguage) {
    for (auto [flag, marcada, guardado] :
         {std::tuple<int16_t, bool, int16_t>{-1, true, 1}, {2, true, 1}, {1, true, 1}, {0, false, 0},
          {-2, false, -2}}) {
        Guardar(flag);
        frmIdioma_794 ventana;
        EXPECT_EQ(ventana.chkActOnline->isChecked(), marcada) << flag;
        EXPECT_EQ(FlagGuardado(), guardado) << flag;
        ventana.chkActOnline->click();
        EXPECT_EQ(FlagGuardado(), marcada ? 0 : 1) << flag;
        ventana.show();
        ventana.close();
        EXPECT_EQ(IdiomaGuardado(), "C");
        EXPECT_EQ(lngIdioma, 0);
    }
}

// The language chosen ("C", "E" or "" for none), the box and the title.
QStringList Leer(QWidget* w) {
    const bool c = w->findChild<QRadioButton*>("optCast")->isChecked();
    const bool e = w->findChild<QRadioButton*>("optEusk")->isChecked();
    return {c == e ? "" : c ? "C" : "E",
            w->findChild<QCheckBox*>("chkActOnline")->isChecked() ? "on" : "off",
            w->findChild<QLabel*>("lblTitulo")->text()};
}

TEST_F(Preferencias, PreferencesShowTheStoredChoice) {
    // "X" reads as Spanish for the catalog, yet selects Basque.
    const std::pair<int16_t, QStringList> casos[] = {{1, {"C", "on", "Preferencias"}},
                                                     {0, {"E", "off", "Lehentasunak"}},
                                                     {2, {"E", "off", "Preferencias"}}};
    for (const auto& [flag, esperado] : casos) {
        Guardar(flag);
        objGeneral().IDI(flag == 1 ? "C" : flag == 0 ? "E" : "X");
        QStringList visto;
        prueba::ConModal([&] { frmPreferencias_794().exec(); },
                         [&](QWidget* w) {
                             visto = Leer(w);
                             Pulsar(w, "cmdCancelar");
                         });
        EXPECT_EQ(visto, esperado) << flag;
        EXPECT_EQ(FlagGuardado(), flag);
    }
}

TEST_F(Preferencias, AcceptStoresBothAndRecaptionsTheMainWindowCancelStoresNothing) {
    for (bool aceptar : {true, false}) {
        Guardar(0);
        MDI794 principal;
        prueba::ConModal([&] { principal.Menu("mnuPreferencias")->trigger(); },
                         [&](QWidget* w) {
                             Pulsar(w, "optEusk");
                             Pulsar(w, "chkActOnline");
                             Pulsar(w, aceptar ? "cmdAceptar" : "cmdCancelar");
                         });
        EXPECT_EQ(FlagGuardado(), aceptar ? 1 : 0);
        EXPECT_EQ(IdiomaGuardado(), aceptar ? "E" : "C");
        EXPECT_EQ(lngIdioma, aceptar ? kOffsetEuskera : 0);
        EXPECT_EQ(principal.Menu("mnuPreferencias")->text(), Cat(291));
        EXPECT_EQ(principal.windowTitle(), Cat(222));
    }
}

TEST_F(Preferencias, UpdateNowReportsItsOutcomeAndKeepsThePendingChoice) {
    strVersion = "1.0.0";
    prueba::ServidorHttp servidor(prueba::ServidorHttp::Respuesta(
        "[informacion]\r\ncurrentversion=1.0.0\r\ndownloadurl=https://d.example/\r\n"));
    // The failure window's box ("do not ask again") is ticked by the user.
    for (bool alcanzable : {true, false}) {
        SCOPED_TRACE(alcanzable);
        Guardar(1);
        auto& act = objActOnline();
        act.ProgVer1 = "1";
        act.ProgVer2 = "0";
        act.ProgVer3 = "0";
        act.URLAct = alcanzable ? servidor.Direccion() : prueba::ServidorHttp::DireccionCerrada();
        QStringList ventanas, despues;
        bool descargar = true;
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
        EXPECT_EQ(ventanas, QStringList({"frmPreferencias_794",
                                         alcanzable ? "FrmVersionCheck_794" : "FrmSinConexion_794"}));
        if (alcanzable) {
            EXPECT_FALSE(descargar);
            EXPECT_EQ(act.SitAct, 3);
        }
        EXPECT_EQ(despues.mid(0, 2), QStringList({"E", alcanzable ? "on" : "off"}));
        EXPECT_EQ(FlagGuardado(), alcanzable ? 1 : 0);
        EXPECT_EQ(IdiomaGuardado(), "C");
    }
    strVersion.clear();
}

}  // namespace
