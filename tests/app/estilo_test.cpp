// The common style by name prefix and the list-view selection helpers.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QPainter>
#include <QProxyStyle>
#include <QSpinBox>
#include <QStyleFactory>
#include <QStyleOption>
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


// What the program's style draws of a line edit's panel, the first time and
// when it copies the panel, is what Fusion itself draws: exactly, over a
// plain background as a window's; over any other, the rounded corners'
// blend may round one level apart. For boxes of any size, state, colours and
// direction, at any place.
TEST(EstiloPrograma, LineEditPanelsAsFusionDrawsThem) {
    std::unique_ptr<QStyle> fusion(QStyleFactory::create("fusion"));
    ASSERT_TRUE(fusion);
    QStyle* programa = QApplication::style();
    auto* sobre = qobject_cast<QProxyStyle*>(programa);
    ASSERT_TRUE(sobre);
    ASSERT_EQ(sobre->baseStyle()->name().toLower(), "fusion");
    struct Caso {
        QSize tamano;
        QStyle::State estado;
        unsigned fondo;
        Qt::LayoutDirection direccion;
        QPoint lugar;
    };
    const QStyle::State activo = QStyle::State_Enabled | QStyle::State_Active;
    const Caso casos[] = {
        {{120, 22}, activo, 0, Qt::LeftToRight, {0, 0}},
        {{120, 22}, activo | QStyle::State_HasFocus, 0, Qt::LeftToRight, {3, 5}},
        {{57, 25}, QStyle::State_Active, kFondoNoEditable, Qt::LeftToRight, {10, 2}},
        {{57, 25}, activo | QStyle::State_ReadOnly, kFondoNoEditable, Qt::LeftToRight, {1, 1}},
        {{300, 30}, activo, 0, Qt::RightToLeft, {7, 0}},
        {{3, 3}, activo, kFondoEditable, Qt::LeftToRight, {0, 9}},
        {{16, 12}, activo | QStyle::State_HasFocus, kFondoEditable, Qt::LeftToRight, {4, 4}},
        {{16, 12}, activo, 0, Qt::LeftToRight, {0, 0}},
    };
    QWidget ventana;
    auto caja = new QLineEdit(&ventana);
    for (const bool liso : {true, false}) {
        for (const Caso& c : casos) {
            SCOPED_TRACE(testing::Message() << c.tamano.width() << "x" << c.tamano.height() << " state "
                                            << c.estado << (liso ? " plain" : " shaded"));
            QStyleOptionFrame opcion;
            opcion.initFrom(caja);
            opcion.rect = QRect(c.lugar, c.tamano);
            opcion.state = c.estado;
            opcion.direction = c.direccion;
            opcion.lineWidth = fusion->pixelMetric(QStyle::PM_DefaultFrameWidth, &opcion, caja);
            if (c.fondo) opcion.palette.setColor(QPalette::Base, QColor::fromRgb(c.fondo));
            opcion.palette.setCurrentColorGroup(c.estado & QStyle::State_Enabled ? QPalette::Active
                                                                                 : QPalette::Disabled);
            auto dibujo = [&](QStyle* estilo) {
                QImage imagen(c.tamano + QSize(20, 20), QImage::Format_ARGB32_Premultiplied);
                for (int y = 0; y < imagen.height(); ++y)
                    for (int x = 0; x < imagen.width(); ++x)
                        imagen.setPixel(x, y, liso ? opcion.palette.window().color().rgb()
                                                   : qRgb((x * 37) % 256, (y * 59) % 256, ((x + y) * 11) % 256));
                QPainter pintor(&imagen);
                pintor.translate(2, 3);
                estilo->drawPrimitive(QStyle::PE_PanelLineEdit, &opcion, &pintor, caja);
                return imagen;
            };
            const QImage esperada = dibujo(fusion.get());
            for (const char* vez : {"drawn", "copied"}) {
                const QImage imagen = dibujo(programa);
                int distintos = 0, mayor = 0;
                for (int y = 0; y < imagen.height(); ++y)
                    for (int x = 0; x < imagen.width(); ++x) {
                        const QRgb a = imagen.pixel(x, y), b = esperada.pixel(x, y);
                        if (a == b) continue;
                        ++distintos;
                        mayor = std::max({mayor, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                          std::abs(qBlue(a) - qBlue(b))});
                    }
                if (liso) {
                    EXPECT_EQ(distintos, 0) << vez;
                }
                EXPECT_LE(mayor, 1) << vez;
                EXPECT_LE(distintos, 8) << vez;
            }
        }
    }
}

// Installed again, the style stays the one in use.
TEST(EstiloPrograma, InstalledOnce) {
    QStyle* antes = QApplication::style();
    InstalarEstiloPrograma();
    EXPECT_EQ(QApplication::style(), antes);
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
