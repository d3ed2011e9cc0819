// The destination window and its path box: what each way out leaves in the
// file selector and the run object.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "dialogos.h"
#include "entorno.h"
#include "printing/cimprgrabar.h"
#include "printing/cselfichero.h"
#include "printing/ctrSelFichero_794.h"
#include "printing/frmSelFichero_794.h"
#include "services/cgeneral.h"
#include "services/objetos.h"

namespace {

using quelvo::frmSelFichero_794;
using quelvo::objImprGrabar;
using quelvo::objSelFichero;

class SelFichero : public ::testing::Test {
protected:
    void SetUp() override {
        objSelFichero().RutaPorDefecto(entorno_.carpeta() + "/794_CE11.txt");
        objSelFichero().RutaFichero("otra");
    }
    // Opens the window modally; `dentro` acts on it.
    void abrir(const std::function<void(frmSelFichero_794*)>& dentro) {
        frmSelFichero_794 ventana;
        prueba::ConModal([&] { ventana.exec(); },
                         [&](QWidget* w) {
                             if (w == &ventana) dentro(&ventana);
                         });
    }
    prueba::Entorno entorno_;
};

TEST_F(SelFichero, AceptarGuardaLaPropuesta) {
    abrir([](frmSelFichero_794* v) {
        EXPECT_EQ(quelvo::objGeneral().ctlSelFichero, v->ctrSelFichero);
        EXPECT_FALSE(v->findChild<QWidget*>("fraIndCol")->isVisible());
        QTest::mouseClick(v->findChild<QPushButton*>("cmdAceptar"), Qt::LeftButton);
    });
    EXPECT_EQ(objSelFichero().RutaFichero(), entorno_.carpeta() + "/794_CE11.txt");
    EXPECT_EQ(objSelFichero().RutaPorDefecto(), entorno_.carpeta() + "/794_CE11.txt");
    EXPECT_FALSE(objSelFichero().Cancelar());
    EXPECT_EQ(quelvo::objGeneral().ctlSelFichero, nullptr);
}

TEST_F(SelFichero, CancelarYCerrarDejanLaPropuestaYMarcanCancelar) {
    for (bool conBoton : {true, false}) {
        abrir([conBoton](frmSelFichero_794* v) {
            v->ctrSelFichero->lblRuta->setText("/elegido/por/el/usuario.txt");
            if (conBoton) QTest::mouseClick(v->findChild<QPushButton*>("cmdCancelar"), Qt::LeftButton);
            else v->close();
        });
        EXPECT_TRUE(objSelFichero().Cancelar()) << conBoton;
        EXPECT_EQ(objSelFichero().RutaFichero(), entorno_.carpeta() + "/794_CE11.txt");
    }
}

TEST_F(SelFichero, LaOpcionColectivaSegunElTipoDeEnvio) {
    struct Caso {
        int32_t tipo;
        bool visible, habilitada, marcada;
        int32_t indCol;
    };
    for (const Caso& c : {Caso{0, false, true, false, 7}, Caso{1, true, false, false, 0},
                          Caso{2, true, true, true, 1}}) {
        objImprGrabar().TipoEnvio(c.tipo);
        objImprGrabar().IndCol(7);
        frmSelFichero_794 ventana;
        ventana.show();
        auto chk = ventana.findChild<QCheckBox*>("chkColectiva");
        EXPECT_EQ(ventana.findChild<QWidget*>("fraIndCol")->isVisible(), c.visible) << c.tipo;
        EXPECT_EQ(chk->isEnabled(), c.habilitada) << c.tipo;
        EXPECT_EQ(chk->isChecked(), c.marcada) << c.tipo;
        EXPECT_EQ(objImprGrabar().IndCol(), c.indCol) << c.tipo;
        if (c.tipo == 2) {
            chk->click();
            EXPECT_EQ(objImprGrabar().IndCol(), 0);
        }
    }
}

TEST_F(SelFichero, ExaminarCanceladoConservaLaRuta) {
    quelvo::ctrSelFichero_794 caja;
    caja.show();
    prueba::ConModal([&] { caja.cmdExplorar->click(); },
                     [](QWidget* w) {
                         if (auto d = qobject_cast<QFileDialog*>(w)) d->reject();
                     });
    EXPECT_EQ(caja.RutaFichero(), entorno_.carpeta() + "/794_CE11.txt");
}

TEST_F(SelFichero, ExaminarElegidoMuestraLaRutaSinTocarElSelector) {
    quelvo::ctrSelFichero_794 caja;
    const QString elegido = entorno_.carpeta() + "/nuevo.txt";
    prueba::ConModal([&] { caja.cmdExplorar->click(); },
                     [&](QWidget* w) {
                         if (auto d = qobject_cast<QFileDialog*>(w)) {
                             auto nombre = d->findChild<QLineEdit*>("fileNameEdit");
                             nombre->setText(elegido);
                             QTest::keyClick(nombre, Qt::Key_Return);
                         }
                     });
    EXPECT_EQ(caja.RutaFichero(), elegido);
    EXPECT_EQ(objSelFichero().RutaFichero(), entorno_.carpeta() + "/794_CE11.txt");
}

}  // namespace
