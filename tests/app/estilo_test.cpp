// The common style by name prefix and the list-view selection helpers.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "controls/estilo.h"
#include "quelvort/error.h"
#include "services/twips.h"

using namespace quelvo;

namespace {

constexpr QRgb kSinCambio = 1;  // the colour stays as designed

TEST(AplicarEstilo, PaintsByNamePrefixInCapitals) {
    const QRgb claro = qRgb(224, 224, 224), gris = qRgb(128, 128, 128), teal = qRgb(0, 128, 128),
               verde = qRgb(0, 64, 0);
    struct Caso {
        char tipo;  // l label, b button, f frame
        const char* nombre;
        QRgb fondo, textoVentana;  // a frame draws its line in the window-text colour
    };
    const Caso casos[] = {
        {'l', "lblTituloX", kSinCambio, verde}, {'l', "lblNombre", claro, verde},
        {'l', "LblNombre", claro, verde},       {'b', "cmdAceptar", claro, kSinCambio},
        {'b', "CmdAceptar", claro, kSinCambio}, {'f', "shpTitulo1", gris, gris},
        {'f', "shpMarco1_Datos", kSinCambio, gris}, {'f', "shpMarco2_Borde", kSinCambio, teal},
        {'f', "shpMarco", kSinCambio, kSinCambio},  {'l', "lbNombre", kSinCambio, kSinCambio},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        QWidget ventana;
        auto grupo = new QGroupBox(&ventana);  // inside a frame, as most controls are
        QWidget* control = c.tipo == 'l' ? static_cast<QWidget*>(new QLabel("x", grupo))
                           : c.tipo == 'b' ? static_cast<QWidget*>(new QPushButton("x", grupo))
                                           : new QFrame(grupo);
        control->setObjectName(c.nombre);
        const QPalette antes = control->palette();
        AplicarEstilo(&ventana);
        const auto papel = c.tipo == 'b' ? QPalette::Button : QPalette::Window;
        auto esperado = [&](QRgb valor, QPalette::ColorRole r) {
            return valor == kSinCambio ? antes.color(r) : QColor(valor);
        };
        EXPECT_EQ(control->palette().color(papel), esperado(c.fondo, papel));
        EXPECT_EQ(control->palette().color(QPalette::WindowText),
                  esperado(c.textoVentana, QPalette::WindowText));
        EXPECT_EQ(control->autoFillBackground(), c.fondo != kSinCambio && c.tipo != 'b');
    }
}

TEST(AplicarEstilo, NumericBoxesGoFlat) {
    QWidget ventana;
    auto texto = new QLineEdit(&ventana), otro = new QLineEdit(&ventana);
    texto->setObjectName("cnuImporte");
    otro->setObjectName("txtImporte");
    auto marco = new QFrame(&ventana);
    marco->setObjectName("CNUTotal");
    marco->setFrameStyle(QFrame::Panel | QFrame::Sunken);
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
        ADD_FAILURE() << "a button has no border";
    } catch (const rt::Error& e) {
        EXPECT_EQ(e.Number, rt::err::ObjectDoesNotSupport);
    }
    // The back colour comes first and stays.
    EXPECT_EQ(boton->palette().color(QPalette::Button), QColor(128, 128, 128));
}

// A list of n items, one column, in a window of its own.
struct ListaPrueba {
    explicit ListaPrueba(int n, bool visible) {
        lista->setColumnCount(1);
        lista->setGeometry(0, 0, 200, 100);
        ventana.resize(200, 100);
        for (int i = 1; i <= n; ++i)
            lista->addTopLevelItem(new QTreeWidgetItem(QStringList{QString::number(i)}));
        if (visible) ventana.show();
    }
    // The one selected item (from 1), or minus the number selected.
    int seleccionado() const {
        auto elegidos = lista->selectedItems();
        return elegidos.size() == 1 ? lista->indexOfTopLevelItem(elegidos[0]) + 1 : -elegidos.size();
    }
    int actual() const { return lista->indexOfTopLevelItem(lista->currentItem()) + 1; }

    QWidget ventana;
    QTreeWidget* lista = new QTreeWidget(&ventana);
};

TEST(SeleccionarLista, SelectsTheItemAndBringsItIntoView) {
    const std::pair<void (*)(QTreeWidget*), int> casos[] = {
        {SeleccionarPrimero, 1},
        {SeleccionarUltimo, 50},
        {[](QTreeWidget* l) { SeleccionarElemento(l, 30); }, 30}};
    for (auto [seleccionar, esperado] : casos) {
        for (bool visible : {true, false}) {
            SCOPED_TRACE(std::to_string(esperado) + (visible ? "" : ", hidden"));
            ListaPrueba p(50, visible);
            // Start from the other end, so every case has to move the view.
            p.lista->scrollToItem(p.lista->topLevelItem(esperado == 1 ? 49 : 0));
            seleccionar(p.lista);
            EXPECT_EQ(p.seleccionado(), esperado);
            EXPECT_EQ(p.actual(), esperado);
            p.ventana.show();
            QApplication::processEvents();
            QRect fila = p.lista->visualItemRect(p.lista->topLevelItem(esperado - 1));
            EXPECT_TRUE(p.lista->viewport()->rect().contains(fila)) << fila.y();
        }
    }
}

TEST(SeleccionarLista, ReplacesTheSelectionUnlessManyAndFailsOnlyOnAMissingItem) {
    ListaPrueba p(5, true), vacia(0, true);
    SeleccionarElemento(p.lista, 2);
    SeleccionarElemento(p.lista, 4);
    EXPECT_EQ(p.seleccionado(), 4);
    p.lista->setSelectionMode(QAbstractItemView::MultiSelection);
    SeleccionarElemento(p.lista, 1);
    EXPECT_EQ(p.seleccionado(), -2);
    EXPECT_EQ(p.actual(), 1);
    EXPECT_NO_THROW(SeleccionarPrimero(vacia.lista));
    EXPECT_NO_THROW(SeleccionarUltimo(vacia.lista));
    EXPECT_NO_THROW(SeleccionarElemento(vacia.lista, 3));
    EXPECT_EQ(vacia.lista->currentItem(), nullptr);
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

TEST(Twips, FifteenTwipsAPixelRoundedToTheNearest) {
    struct Caso {
        int twips;
        int pixeles;
    };
    for (const Caso& c : {Caso{0, 0}, Caso{7, 0}, Caso{8, 1}, Caso{15, 1}, Caso{22, 1}, Caso{23, 2},
                          Caso{1055, 70}, Caso{-8, -1}, Caso{-7, 0}, Caso{4965, 331}})
        EXPECT_EQ(quelvo::Px(c.twips), c.pixeles) << c.twips;
    EXPECT_EQ(quelvo::Twips(70), 1050);
}
