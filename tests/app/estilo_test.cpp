// The common style by name prefix and the list-view selection helpers.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <memory>

#include "quelvort/error.h"
#include "shell/estilo.h"

using namespace quelvo;

namespace {

enum class Tipo { Etiqueta, Boton, Forma, Texto };

QWidget* Crear(Tipo tipo, const char* nombre, QWidget* padre) {
    QWidget* w = nullptr;
    switch (tipo) {
        case Tipo::Etiqueta:
            w = new QLabel("x", padre);
            break;
        case Tipo::Boton:
            w = new QPushButton("x", padre);
            break;
        case Tipo::Forma: {
            auto marco = new QFrame(padre);
            marco->setFrameStyle(QFrame::Box | QFrame::Sunken);
            w = marco;
            break;
        }
        case Tipo::Texto:
            w = new QLineEdit(padre);
            break;
    }
    w->setObjectName(nombre);
    return w;
}

constexpr QRgb kSinCambio = 1;  // the colour stays as designed

TEST(AplicarEstilo, PaintsByNamePrefixInCapitals) {
    struct Caso {
        Tipo tipo;
        const char* nombre;
        QPalette::ColorRole fondoPapel;
        QRgb fondo;
        QRgb borde;  // a frame's line
        QRgb letra;
    };
    const QRgb grisClaro = qRgb(224, 224, 224), gris = qRgb(128, 128, 128),
               verdeAzul = qRgb(0, 128, 128), verde = qRgb(0, 64, 0);
    const Caso casos[] = {
        {Tipo::Etiqueta, "lblTituloX", QPalette::Window, kSinCambio, kSinCambio, verde},
        {Tipo::Etiqueta, "lblNombre", QPalette::Window, grisClaro, kSinCambio, verde},
        {Tipo::Etiqueta, "LblNombre", QPalette::Window, grisClaro, kSinCambio, verde},
        {Tipo::Boton, "cmdAceptar", QPalette::Button, grisClaro, kSinCambio, kSinCambio},
        {Tipo::Boton, "CmdAceptar", QPalette::Button, grisClaro, kSinCambio, kSinCambio},
        {Tipo::Forma, "shpTitulo1", QPalette::Window, gris, gris, kSinCambio},
        {Tipo::Forma, "shpMarco1_Datos", QPalette::Window, kSinCambio, gris, kSinCambio},
        {Tipo::Forma, "shpMarco2_Borde", QPalette::Window, kSinCambio, verdeAzul, kSinCambio},
        {Tipo::Forma, "shpMarco", QPalette::Window, kSinCambio, kSinCambio, kSinCambio},
        {Tipo::Texto, "txtNombre", QPalette::Window, kSinCambio, kSinCambio, kSinCambio},
        {Tipo::Etiqueta, "lbNombre", QPalette::Window, kSinCambio, kSinCambio, kSinCambio},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        QWidget ventana;
        // Inside a frame, as most controls are.
        auto grupo = new QGroupBox(&ventana);
        QWidget* control = Crear(c.tipo, c.nombre, grupo);
        const QPalette antes = control->palette();
        AplicarEstilo(&ventana);
        const QPalette p = control->palette();
        auto esperado = [&](QRgb valor, QPalette::ColorRole papel) {
            return valor == kSinCambio ? antes.color(papel) : QColor(valor);
        };
        EXPECT_EQ(p.color(c.fondoPapel), esperado(c.fondo, c.fondoPapel));
        EXPECT_EQ(control->autoFillBackground(), c.fondo != kSinCambio && c.tipo != Tipo::Boton);
        // A frame draws its line, a label its text, in the window-text colour.
        QRgb textoVentana = c.tipo == Tipo::Forma ? c.borde : c.letra;
        EXPECT_EQ(p.color(QPalette::WindowText), esperado(textoVentana, QPalette::WindowText));
    }
}

TEST(AplicarEstilo, NumericBoxesGoFlat) {
    QWidget ventana;
    auto texto = new QLineEdit(&ventana);
    texto->setObjectName("cnuImporte");
    auto marco = new QFrame(&ventana);
    marco->setObjectName("CNUTotal");
    marco->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto otro = new QLineEdit(&ventana);
    otro->setObjectName("txtImporte");
    AplicarEstilo(&ventana);
    EXPECT_FALSE(texto->hasFrame());
    EXPECT_EQ(marco->frameShadow(), QFrame::Plain);
    EXPECT_TRUE(otro->hasFrame());
}

TEST(AplicarEstilo, ControlWithoutThePropertyFailsAfterTheEarlierOne) {
    QWidget ventana;
    auto boton = new QPushButton(&ventana);
    boton->setObjectName("shpTitulo");
    try {
        AplicarEstilo(&ventana);
        FAIL() << "a button has no border";
    } catch (const rt::Error& e) {
        EXPECT_EQ(e.Number, rt::err::ObjectDoesNotSupport);
    }
    // The back colour comes first and stays.
    EXPECT_EQ(boton->palette().color(QPalette::Button), QColor(128, 128, 128));
}

// A list of n items, one column, in a window of its own.
struct ListaPrueba {
    explicit ListaPrueba(int n, bool visible) {
        lista = new QTreeWidget(&ventana);
        lista->setColumnCount(1);
        lista->setGeometry(0, 0, 200, 100);
        ventana.resize(200, 100);
        for (int i = 1; i <= n; ++i)
            lista->addTopLevelItem(new QTreeWidgetItem(QStringList{QString::number(i)}));
        if (visible) ventana.show();
    }
    int seleccionado() const {
        auto elegidos = lista->selectedItems();
        return elegidos.size() == 1 ? lista->indexOfTopLevelItem(elegidos[0]) + 1
                                    : -elegidos.size();
    }
    int actual() const { return lista->indexOfTopLevelItem(lista->currentItem()) + 1; }
    int desplazamiento() const { return lista->verticalScrollBar()->value(); }

    QWidget ventana;
    QTreeWidget* lista;
};

TEST(SeleccionarLista, SelectsTheItemAndBringsItIntoView) {
    struct Caso {
        const char* nombre;
        std::function<void(QTreeWidget*)> accion;
        bool visible;
        int esperado;
    };
    const Caso casos[] = {
        {"first", [](QTreeWidget* l) { SeleccionarPrimero(l); }, true, 1},
        {"first, hidden", [](QTreeWidget* l) { SeleccionarPrimero(l); }, false, 1},
        {"last", [](QTreeWidget* l) { SeleccionarUltimo(l); }, true, 50},
        {"last, hidden", [](QTreeWidget* l) { SeleccionarUltimo(l); }, false, 50},
        {"item 30", [](QTreeWidget* l) { SeleccionarElemento(l, 30); }, true, 30},
        {"item 30, hidden", [](QTreeWidget* l) { SeleccionarElemento(l, 30); }, false, 30},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        ListaPrueba p(50, c.visible);
        // Start from the other end, so every case has to move the view.
        p.lista->scrollToItem(p.lista->topLevelItem(c.esperado == 1 ? 49 : 0));
        c.accion(p.lista);
        EXPECT_EQ(p.seleccionado(), c.esperado);
        EXPECT_EQ(p.actual(), c.esperado);
        p.ventana.show();
        QApplication::processEvents();
        QRect fila = p.lista->visualItemRect(p.lista->topLevelItem(c.esperado - 1));
        EXPECT_TRUE(p.lista->viewport()->rect().contains(fila)) << fila.y();
    }
}

TEST(SeleccionarLista, ReplacesTheSelectionUnlessTheListTakesMany) {
    ListaPrueba p(5, true);
    SeleccionarElemento(p.lista, 2);
    SeleccionarElemento(p.lista, 4);
    EXPECT_EQ(p.seleccionado(), 4);
    p.lista->setSelectionMode(QAbstractItemView::MultiSelection);
    SeleccionarElemento(p.lista, 1);
    EXPECT_EQ(p.lista->selectedItems().size(), 2);
    EXPECT_EQ(p.actual(), 1);
}

TEST(SeleccionarLista, EmptyListIsLeftAloneAndAMissingItemFails) {
    ListaPrueba vacia(0, true);
    EXPECT_NO_THROW(SeleccionarPrimero(vacia.lista));
    EXPECT_NO_THROW(SeleccionarUltimo(vacia.lista));
    EXPECT_NO_THROW(SeleccionarElemento(vacia.lista, 3));
    EXPECT_EQ(vacia.lista->currentItem(), nullptr);

    ListaPrueba p(5, true);
    for (int n : {0, 6, -1}) {
        try {
            SeleccionarElemento(p.lista, n);
            ADD_FAILURE() << n;
        } catch (const rt::Error& e) {
            EXPECT_EQ(e.Number, rt::err::SubscriptOutOfRange) << n;
        }
    }
}

}  // namespace
