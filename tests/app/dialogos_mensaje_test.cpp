// The program's message box and the error-list dialog.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest/QTest>

#include "dialogos.h"
#include "quelvort/error.h"
#include "shell/frmListaErrores_794.h"
#include "shell/globales.h"
#include "shell/mensajes.h"

using namespace quelvo;

namespace {

class Mensaje : public ::testing::Test {
protected:
    void SetUp() override {
        lngIdioma = 0;
        blnMostrarAviso = false;
        intRespuesta = 0;
    }
    void TearDown() override {
        lngIdioma = 0;
        blnMostrarAviso = false;
    }
};

// What the box showed, and its answer.
struct Caja {
    QString tituloVentana, titulo, texto, aceptar, cancelar, aviso;
    bool cancelarVisible = false, avisoVisible = false;
    int xAceptar = 0, xCancelar = 0;
    int16_t respuesta = 0;
};

// Shows a box and lets `accion` answer it.
Caja Mostrar(bool soloAceptar, const std::function<void(QWidget*)>& accion) {
    Caja c;
    prueba::ConModal(
        [&] { c.respuesta = MostrarMensaje("Texto\r\nsegunda", "Titulo", soloAceptar); },
        [&](QWidget* w) {
            auto aceptar = w->findChild<QPushButton*>("cmdAceptar");
            auto cancelar = w->findChild<QPushButton*>("cmdCancelar");
            auto aviso = w->findChild<QCheckBox*>("chkMostrarMensaje");
            c = {w->windowTitle(),
                 w->findChild<QLabel*>("lblTitulo")->text(),
                 w->findChild<QPlainTextEdit*>("txtMensaje")->toPlainText(),
                 aceptar->text(),
                 cancelar->text(),
                 aviso->text(),
                 cancelar->isVisible(),
                 aviso->isVisible(),
                 aceptar->x(),
                 cancelar->x()};
            accion(w);
        });
    return c;
}

std::function<void(QWidget*)> Pulsar(const char* boton) {
    return [boton](QWidget* w) {
        QTest::mouseClick(w->findChild<QPushButton*>(boton), Qt::LeftButton);
    };
}

TEST_F(Mensaje, ButtonsAnswerAndPlaceThemselves) {
    struct Caso {
        bool soloAceptar;
        const char* boton;
        int16_t respuesta;
    };
    const Caso casos[] = {
        {true, "cmdAceptar", 1}, {false, "cmdAceptar", 1}, {false, "cmdCancelar", 2}};
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.boton) + (c.soloAceptar ? " solo" : ""));
        Caja caja = Mostrar(c.soloAceptar, Pulsar(c.boton));
        EXPECT_EQ(caja.respuesta, c.respuesta);
        EXPECT_EQ(intRespuesta, c.respuesta);
        EXPECT_EQ(caja.tituloVentana, "MsgBox");
        EXPECT_EQ(caja.titulo, "Titulo");
        EXPECT_EQ(caja.texto, "Texto\nsegunda");
        EXPECT_EQ(caja.cancelarVisible, !c.soloAceptar);
        // Alone, "Aceptar" moves 1055 twips, into the middle of both buttons' room.
        EXPECT_EQ(caja.xAceptar, c.soloAceptar ? 110 + 1055 / 15 : 110);
        if (c.soloAceptar) {
            EXPECT_EQ(caja.xAceptar + 100 / 2, (110 + caja.xCancelar + 100) / 2);
        }
    }
}

TEST_F(Mensaje, CaptionsComeFromTheCatalogInTheCurrentLanguage) {
    struct Caso {
        int32_t idioma;
        const char *aceptar, *cancelar, *aviso;
    };
    const Caso casos[] = {{0, "Aceptar", "Cancelar", "No mostrar más este mensaje de aviso"},
                          {kOffsetEuskera, "Ados", "Utzi", "Ez erakutsi gehiagotan ohar hau"}};
    for (const auto& c : casos) {
        lngIdioma = c.idioma;
        Caja caja = Mostrar(false, Pulsar("cmdCancelar"));
        EXPECT_EQ(caja.aceptar, QString::fromUtf8(c.aceptar));
        EXPECT_EQ(caja.cancelar, QString::fromUtf8(c.cancelar));
        EXPECT_EQ(caja.aviso, QString::fromUtf8(c.aviso));
    }
}

TEST_F(Mensaje, TickingTheWarningBoxStopsTheWarning) {
    blnMostrarAviso = true;
    Caja caja = Mostrar(false, [](QWidget* w) {
        auto aviso = w->findChild<QCheckBox*>("chkMostrarMensaje");
        QTest::mouseClick(aviso, Qt::LeftButton);
        EXPECT_FALSE(blnMostrarAviso);
        // Unticking does not bring the warning back.
        QTest::mouseClick(aviso, Qt::LeftButton);
        Pulsar("cmdCancelar")(w);
    });
    EXPECT_TRUE(caja.avisoVisible);
    EXPECT_EQ(caja.respuesta, 2);
    EXPECT_FALSE(blnMostrarAviso);
    EXPECT_FALSE(Mostrar(false, Pulsar("cmdAceptar")).avisoVisible);
}

TEST_F(Mensaje, ClosingWithoutAButtonNeverRepeatsTheLastAnswer) {
    struct Caso {
        bool soloAceptar;
        int16_t anterior, respuesta;
    };
    for (const Caso& c : {Caso{false, 1, 2}, Caso{true, 2, 1}}) {
        intRespuesta = c.anterior;
        Caja caja = Mostrar(c.soloAceptar, [](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
        EXPECT_EQ(caja.respuesta, c.respuesta) << c.soloAceptar;
    }
}

TEST(FilasHallazgo, CutsAtBlanksCountingCharacters) {
    // Characters 1..n of a text where every position is "x" except blanks.
    auto texto = [](int largo, std::initializer_list<int> blancos, QChar relleno = 'x') {
        QString t(largo, relleno);
        for (int p : blancos) t[p - 1] = ' ';
        return t;
    };
    struct Caso {
        const char* nombre;
        QString texto;
        QStringList filas;
    };
    const QString t120 = texto(120, {10, 53, 104});
    const QString t110 = texto(110, {100});
    const QString t70 = texto(70, {60});
    // "ñ" is two bytes: counting bytes would cut two characters early.
    const QString tn = texto(80, {55}, QChar(0xF1));
    const Caso casos[] = {
        {"49 characters", texto(49, {20}), {"3- " + texto(49, {20})}},
        {"no blank from 50", texto(90, {49}), {"3- " + texto(90, {49})}},
        {"three rows", t120, {"3- " + t120.left(52), t120.mid(52, 51), t120.mid(103)}},
        {"blank only at 100", t110, {"3- " + t110.left(99), "", t110.mid(99)}},
        {"two rows", t70, {"3- " + t70.left(59), t70.mid(59)}},
        {"wide characters", tn, {"3- " + tn.left(54), tn.mid(54)}},
        {"trims the first row",
         "  " + texto(60, {55}),
         {"3- " + texto(60, {55}).left(54), ("  " + texto(60, {55})).mid(56)}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        EXPECT_EQ(FilasHallazgo(3, c.texto), c.filas);
    }
}

// (0 To 1, 0 To n) findings from (ordinal, code) pairs.
rt::Variant Hallazgos(std::initializer_list<std::pair<int, int>> pares) {
    rt::VArray a({0, 1}, {0, static_cast<int32_t>(pares.size()) - 1});
    int32_t j = 0;
    for (auto [ordinal, codigo] : pares) {
        a.at(0, j) = rt::Variant::Integer(static_cast<int16_t>(ordinal));
        a.at(1, j) = rt::Variant::Integer(static_cast<int16_t>(codigo));
        ++j;
    }
    return rt::Variant(a);
}

struct Lista {
    QString titulo, cabecera, aceptar;
    QStringList filas;
    bool cabeceraOculta = false;
    int columnas = 0;
};

Lista MostrarLista(const rt::Variant& errores) {
    Lista l;
    prueba::ConModal(
        [&] {
            frmListaErrores_794 ventana;
            ventana.vErrores = errores;
            ventana.exec();
        },
        [&](QWidget* w) {
            auto lista = w->findChild<QTreeWidget*>("lstListaErrores");
            l.titulo = w->windowTitle();
            l.cabecera = w->findChild<QLabel*>("labelListaErrores")->text();
            l.aceptar = w->findChild<QPushButton*>("cmdAceptar")->text();
            l.cabeceraOculta = lista->isHeaderHidden();
            l.columnas = lista->columnCount();
            for (int i = 0; i < lista->topLevelItemCount(); ++i)
                l.filas << lista->topLevelItem(i)->text(0);
            QTest::mouseClick(w->findChild<QPushButton*>("cmdAceptar"), Qt::LeftButton);
        });
    return l;
}

class ListaErrores : public Mensaje {};

TEST_F(ListaErrores, FindingsInOrdinalOrderNumberedFromOne) {
    // Ordinals 5, 1, 5, 0 with codes 1, 3, 12, 5, and two that are not shown.
    Lista l = MostrarLista(Hallazgos({{5, 1}, {1, 3}, {5, 12}, {0, 5}, {-1, 2}, {7, 67}}));
    EXPECT_EQ(l.filas, QStringList({"1- El código postal es incorrecto.",
                                    "2- Falta el nombre de la vía pública",
                                    "3- Falta el nombre o la razón social",
                                    "4- Falta la clave de operación", "5- "}));
    EXPECT_EQ(l.titulo, "Lista de errores");
    EXPECT_EQ(l.cabecera, "Lista de errores");
    EXPECT_EQ(l.aceptar, "Aceptar");
    EXPECT_TRUE(l.cabeceraOculta);
    EXPECT_EQ(l.columnas, 1);
}

TEST_F(ListaErrores, LongTextWrapsAndBasqueTextsFollowTheLanguage) {
    Lista l = MostrarLista(Hallazgos({{0, 11}}));
    EXPECT_EQ(l.filas, QStringList({"1- Se debe especificar la provincia o el país en el caso",
                                    " de los aperadores no residentes"}));
    lngIdioma = kOffsetEuskera;
    l = MostrarLista(Hallazgos({{0, 5}}));
    EXPECT_EQ(l.cabecera, "Akats zerrenda");
    EXPECT_EQ(l.aceptar, "Ados");
    EXPECT_EQ(l.titulo, "Lista de errores");
    EXPECT_EQ(l.filas, QStringList({"1- Posta kodea okerra da"}));
}

TEST_F(ListaErrores, FindingsThatAreNotAnArrayReachTheCallerWithoutAWindow) {
    bool mostrada = false;
    int32_t numero = 0;
    prueba::ConModal(
        [&] {
            frmListaErrores_794 ventana;
            ventana.vErrores = rt::Variant("nada");
            try {
                ventana.exec();
            } catch (const rt::Error& e) {
                numero = e.Number;
            }
        },
        [&](QWidget*) { mostrada = true; }, 300);
    EXPECT_EQ(numero, rt::err::TypeMismatch);
    EXPECT_FALSE(mostrada);
}

}  // namespace
