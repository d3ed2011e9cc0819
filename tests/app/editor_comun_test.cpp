// The coded box and the editor flow the editor windows share, on a small
// test window in place of an editor.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "controls/caja_codigo.h"
#include "controls/flujo_editor.h"
#include "controls/frmContenedorLista_794.h"
#include "dialogos.h"
#include "entorno.h"
#include "interaccion_prueba.h"
#include "services/catalogo.h"
#include "services/cgeneral.h"
#include "services/objetos.h"
#include "teclado.h"

using namespace quelvo;

namespace {

class Ventana : public QWidget, public PropietarioLista {
public:
    explicit Ventana(bool introComoTab) {
        setObjectName("frmPrueba");
        auto caja = [this](const char* nombre) {
            auto c = new QLineEdit(this);
            c->setObjectName(nombre);
            layout()->addWidget(c);
            return c;
        };
        setLayout(new QVBoxLayout);
        txtNombre = caja("txtNombre");
        txtProvin = caja("txtProvin");
        picProvin = new QToolButton(this);
        picProvin->setObjectName("picProvin");
        layout()->addWidget(picProvin);
        txtCPost = caja("txtCPost");
        cmdAceptar = new QPushButton(this);
        cmdAceptar->setObjectName("cmdAceptar");
        layout()->addWidget(cmdAceptar);
        QObject::connect(cmdAceptar, &QPushButton::clicked, [this] { ++aceptar; });

        provincia = new CajaCodigo(this, this, txtProvin, picProvin, "Prov", {1400, 250, 1500});
        provincia->AlSalir([this] { ++salidas; });
        flujo = new FlujoEditor(this, introComoTab);
        flujo->SoloDigitos({txtProvin, txtCPost});
        flujo->SeleccionarAlEntrar({txtNombre, txtCPost});
        flujo->AnadirCajas({provincia});
        flujo->AlSoltarTecla([this] { ++volcados; });
    }
    void SelValorLista(QTreeWidget* lsv) override {
        elegido = CodigoElegido(lsv) + "|" + TextoElegido(lsv);
        DescargarContenedorLista();
    }
    void mostrar() {
        show();
        activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(this));
    }

    QLineEdit *txtNombre, *txtProvin, *txtCPost;
    QToolButton* picProvin;
    QPushButton* cmdAceptar;
    CajaCodigo* provincia;
    FlujoEditor* flujo;
    QString elegido;
    int salidas = 0, volcados = 0, aceptar = 0;
};

class EditorComun : public ::testing::Test {
protected:
    void TearDown() override {
        DescargarContenedorLista();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    prueba::Entorno entorno_;
};

TEST_F(EditorComun, TypedCodeKnownGivesItsNameUnknownPutsThePreviousBack) {
    Ventana v(true);
    const QString araba = objGeneral().ObtenerProvincia("01");
    ASSERT_FALSE(araba.isEmpty());
    EXPECT_EQ(v.provincia->Nombre("01"), araba);
    const std::tuple<const char*, const char*, const char*> casos[] = {
        // typed, name found, box afterwards (previous code "48")
        {"01", "found", "01"}, {"99", "", "48"}, {"1", "", "48"}, {"", "", "48"}, {"c01", "", "48"}};
    for (auto [tecleado, nombre, despues] : casos) {
        v.txtProvin->setText(tecleado);
        const QString hallado = v.provincia->ComprobarOReponer("48");
        EXPECT_EQ(hallado.isEmpty(), QString(nombre).isEmpty()) << tecleado;
        EXPECT_EQ(v.txtProvin->text(), despues) << tecleado;
    }
    EXPECT_EQ(ContenedorLista().OldValue(), "48");
}

TEST_F(EditorComun, PictureFollowsTheFocusAndLeavingRunsTheHandlerOnce) {
    Ventana v(true);
    v.mostrar();
    EXPECT_EQ(v.provincia->Imagen(), kImagenLista);
    v.txtProvin->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(v.provincia->Imagen(), kImagenListaActiva);
    v.txtCPost->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(v.salidas, 1);
    EXPECT_EQ(v.provincia->Imagen(), kImagenLista);
    v.picProvin->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(v.provincia->Imagen(), kImagenListaActiva);
    v.txtNombre->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(v.provincia->Imagen(), kImagenLista);
    EXPECT_EQ(v.salidas, 1);  // leaving the button is no leave of the box
}

TEST_F(EditorComun, EnterInTheCodeBoxOpensTheListWithTheCodePreselected) {
    Ventana v(true);
    v.mostrar();
    v.txtProvin->setText("20");
    v.txtProvin->setFocus(Qt::TabFocusReason);
    QStringList preseleccion;
    prueba::ConModal([&] { QTest::keyClick(v.txtProvin, Qt::Key_Return); },
                     [&](QWidget* modal) {
                         QTreeWidget* lsv = ContenedorLista().lsvLista;
                         EXPECT_EQ(modal, &ContenedorLista());
                         for (auto e : lsv->selectedItems()) preseleccion << e->data(0, kRolClave).toString();
                         QTest::keyClick(lsv, Qt::Key_Return);
                     });
    EXPECT_EQ(preseleccion, QStringList{"c20"});
    EXPECT_EQ(v.elegido, "20|" + objGeneral().ObtenerProvincia("20"));
    EXPECT_FALSE(ContenedorListaCargado());
    EXPECT_EQ(v.focusWidget(), v.txtProvin);  // back in the box, not moved on
    EXPECT_EQ(v.salidas, 0);
}

TEST_F(EditorComun, ButtonOpensTheListByClickOrEnterAndEscPicksNothing) {
    Ventana v(true);
    v.mostrar();
    int vistas = 0;
    for (auto abrir : {std::function<void()>([&] { QTest::mouseClick(v.picProvin, Qt::LeftButton); }),
                       std::function<void()>([&] {
                           v.picProvin->setFocus();
                           QTest::keyClick(v.picProvin, Qt::Key_Return);
                       })}) {
        prueba::ConModal(abrir, [&](QWidget* modal) {
            ++vistas;
            QTest::keyClick(modal, Qt::Key_Escape);
        });
    }
    EXPECT_EQ(vistas, 2);
    EXPECT_TRUE(v.elegido.isEmpty());
}

TEST_F(EditorComun, EnterMovesOnOnlyWhenAskedAndClicksButtons) {
    for (bool introComoTab : {true, false}) {
        SCOPED_TRACE(introComoTab);
        Ventana v(introComoTab);
        v.mostrar();
        v.txtNombre->setFocus(Qt::TabFocusReason);
        QTest::keyClick(v.txtNombre, Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), introComoTab ? static_cast<QWidget*>(v.txtProvin) : v.txtNombre);
        v.cmdAceptar->setFocus(Qt::TabFocusReason);
        QTest::keyClick(v.cmdAceptar, Qt::Key_Return);
        EXPECT_EQ(v.aceptar, 1);
        QTest::keyClick(v.cmdAceptar, Qt::Key_Space);
        EXPECT_EQ(v.aceptar, 2);
    }
}

TEST_F(EditorComun, KeysAreFilteredAndEveryReleaseOrEditCopies) {
    Ventana v(true);
    v.mostrar();
    v.txtNombre->setFocus(Qt::TabFocusReason);
    prueba::Teclear(v.txtNombre, "añb1");
    EXPECT_EQ(v.txtNombre->text(), "AÑB1");
    EXPECT_GE(v.volcados, 4);
    v.txtCPost->setFocus(Qt::TabFocusReason);
    prueba::Teclear(v.txtCPost, "0a1-9");
    EXPECT_EQ(v.txtCPost->text(), "019");
    // A paste with the mouse brings no key release; the edit still copies.
    const int antes = v.volcados;
    v.txtCPost->selectAll();
    v.txtCPost->insert("48");
    EXPECT_EQ(v.volcados, antes + 1);
    v.txtCPost->setText("20870");  // the program's own writes copy nothing
    EXPECT_EQ(v.volcados, antes + 1);
}

TEST_F(EditorComun, EnteringABoxSelectsItsWholeText) {
    Ventana v(true);
    v.mostrar();
    v.txtCPost->setText("01001");
    v.txtCPost->setFocus(Qt::MouseFocusReason);
    v.txtCPost->setCursorPosition(2);
    QApplication::processEvents();
    EXPECT_EQ(v.txtCPost->selectedText(), "01001");
}

TEST_F(EditorComun, AcceptTakesTheFocusedCodeBoxFirst) {
    Ventana v(true);
    v.mostrar();
    v.txtNombre->setFocus(Qt::TabFocusReason);
    v.flujo->ConfirmarCampoActivo();
    EXPECT_EQ(v.salidas, 0);
    v.txtProvin->setFocus(Qt::TabFocusReason);
    v.flujo->ConfirmarCampoActivo();
    EXPECT_EQ(v.salidas, 1);
}

TEST_F(EditorComun, CancelAsksOnlyAfterChanges) {
    prueba::InteraccionPrueba pantalla;
    EXPECT_TRUE(FlujoEditor::DescartarCambios(false, 195));
    EXPECT_TRUE(pantalla.preguntas.empty());
    for (bool respuesta : {true, false}) {
        pantalla.respuesta = respuesta;
        EXPECT_EQ(FlujoEditor::DescartarCambios(true, 195), respuesta);
        EXPECT_EQ(pantalla.preguntas.back(), Cat(194) + "|" + Cat(195));
    }
}

}  // namespace
