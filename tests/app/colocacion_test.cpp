// Where windows open: the child windows at one place, the top left corner
// of the main window's area, whatever opened before them; the drop-down
// lists under their field and inside the main window.
#include <gtest/gtest.h>

#include <QAction>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <QToolButton>

#include "controls/caja_codigo.h"
#include "controls/frmContenedorLista_794.h"
#include "controls/ventana_hija.h"
#include "declarations/clistadeclaraciones.h"
#include "dialogos.h"
#include "entorno.h"
#include "interaccion_prueba.h"
#include "program/mdi794.h"
#include "services/objetos.h"
#include "ventanas_declaraciones.h"

using namespace prueba;

namespace {

// A window with one coded box (the provinces) at its top left corner.
class Dueno : public QWidget, public quelvo::PropietarioLista {
public:
    Dueno() {
        setObjectName("Dueno");
        auto fila = new QHBoxLayout(this);
        fila->setContentsMargins(0, 0, 0, 0);
        caja = new QLineEdit(this);
        caja->setObjectName("txtProvin");
        boton = new QToolButton(this);
        boton->setObjectName("picProvin");
        fila->addWidget(caja);
        fila->addWidget(boton);
        new quelvo::CajaCodigo(this, this, caja, boton, "Prov", {1400, 250, 1500});
    }
    void SelValorLista(QTreeWidget*) override { quelvo::DescargarContenedorLista(); }
    QLineEdit* caja;
    QToolButton* boton;
};

class Colocacion : public ::testing::Test {
protected:
    void SetUp() override {
        entorno_.sql("INSERT INTO TDeclarante VALUES (5, '30654321J', 'UNO', 'CL', 'MAYOR', 1, '', '', '', '', 1, 1, "
                     "'VITORIA', 945123456, '', 0), (6, '11111111H', 'DOS', 'CL', 'MAYOR', 1, '', '', '', '', 1, 1, "
                     "'VITORIA', 945123456, '', 0);"
                     "INSERT INTO TDeclaraciones VALUES (9, 5, 2012, 6, 2, 'E', ''), (10, 6, 2012, 6, 2, 'E', '');"
                     "INSERT INTO tOperadores (coddeclar, paiso, nifo, razon, claveopo, tipoopo, base) VALUES"
                     " (9, 'DE', '123456789', 'A', 'E', 'N', 100), (10, 'DE', '123456789', 'A', 'E', 'N', 100);");
        principal_.setGeometry(40, 30, 1100, 800);
        principal_.show();
        principal_.activateWindow();
        QTest::qWait(20);
    }
    void TearDown() override {
        quelvo::DescargarContenedorLista();
        principal_.DescargarTodosLosFormularios("MDI794");
        Procesar();
    }
    // The frame of the child window of that name shown in the area.
    QMdiSubWindow* marco(const char* nombre) {
        Procesar();
        for (QMdiSubWindow* m : principal_.mdiArea()->subWindowList())
            if (m->objectName() == nombre && m->isVisible()) return m;
        ADD_FAILURE() << nombre << " is not open";
        return nullptr;
    }
    // The drop-down's place when opened from the owner's button.
    QRect desplegada(Dueno& dueno) {
        QRect vista;
        ConModal([&] { dueno.boton->click(); },
                 [&](QWidget* lista) {
                     vista = lista->geometry();
                     QTest::keyClick(lista, Qt::Key_Escape);
                 });
        return vista;
    }

    Entorno entorno_;
    InteraccionPrueba pantalla_;
    quelvo::MDI794 principal_;
};

TEST_F(Colocacion, ChildWindowsOpenAtTheTopLeftOfTheAreaEveryTime) {
    // Picker, declarations, entries, back to the declarations and the
    // picker, and once more: each where the others opened.
    principal_.Menu("mnuAbrDec")->trigger();
    const char* camino[][2] = {
        {"frmListaDeclarantes_794", "cmdAceptar"}, {"frmDeclaraciones_794", "cmdAbrirD"},
        {"frmDeclarados_794", "cmdCerrar"},         {"frmDeclaraciones_794", "cmdCerrar"},
        {"frmListaDeclarantes_794", "cmdAceptar"}, {"frmDeclaraciones_794", "cmdAbrirD"},
        {"frmDeclarados_794", "cmdCerrar"},
    };
    for (const auto& paso : camino) {
        const char* ventana = paso[0];
        const char* boton = paso[1];
        SCOPED_TRACE(ventana);
        QMdiSubWindow* m = marco(ventana);
        ASSERT_NE(m, nullptr);
        EXPECT_EQ(m->pos(), QPoint(0, 0));
        // Nothing here asks or fails: a window that showed up would be closed.
        ConModal([&] { Pulsar(m->widget(), boton); },
                 [](QWidget* modal) { ADD_FAILURE() << modal->objectName().toStdString(); });
    }
}

TEST_F(Colocacion, DropDownsOpenUnderTheFieldAndInsideTheMainWindow) {
    auto dueno = new Dueno;
    quelvo::MostrarHija(dueno);
    auto m = qobject_cast<QMdiSubWindow*>(dueno->parentWidget());
    ASSERT_NE(m, nullptr);
    m->resize(m->sizeHint());
    const QRect dentro = principal_.geometry();
    const QRect area(principal_.mdiArea()->viewport()->mapToGlobal(QPoint(0, 0)),
                     principal_.mdiArea()->viewport()->size());

    // Room below: under the box, at its left edge.
    m->move(0, 0);
    Procesar();
    QRect lista = desplegada(*dueno);
    EXPECT_EQ(lista.topLeft(), dueno->caja->mapToGlobal(QPoint(0, dueno->caja->height())));

    // By the bottom of the area: above the box.
    m->move(0, area.height() - m->height());
    Procesar();
    lista = desplegada(*dueno);
    EXPECT_TRUE(dentro.contains(lista)) << lista.y() << "+" << lista.height() << " in " << dentro.bottom();
    EXPECT_EQ(lista.bottom() + 1, dueno->caja->mapToGlobal(QPoint(0, 0)).y());

    // By the right edge: moved in as far as it needs.
    m->move(area.width() - m->width(), 0);
    Procesar();
    lista = desplegada(*dueno);
    EXPECT_TRUE(dentro.contains(lista)) << lista.x() << "+" << lista.width() << " in " << dentro.right();
    EXPECT_EQ(lista.right(), dentro.right());
    EXPECT_EQ(lista.top(), dueno->caja->mapToGlobal(QPoint(0, dueno->caja->height())).y());
}

}  // namespace
