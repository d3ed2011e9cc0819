// The program's message box and the error-list dialog.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest/QTest>

#include "dialogos.h"
#include "quelvort/error.h"
#include "services/globales.h"
#include "services/mensajes.h"
#include "windows/frmListaErrores_794.h"

using namespace quelvo;

namespace {

class Mensaje : public ::testing::Test {
protected:
    void SetUp() override {
        lngIdioma = 0;
        blnMostrarAviso = false;
        intRespuesta = 0;
    }
    void TearDown() override { SetUp(); }
};

// What the box showed, and its answer.
struct Caja {
    QStringList textos;  // window title, title, message, three captions
    bool cancelarVisible = false, avisoVisible = false;
    int xAceptar = 0, xCancelar = 0;
    int16_t respuesta = 0;
};

Caja Mostrar(bool soloAceptar, const std::function<void(QWidget*)>& accion) {
    Caja c;
    prueba::ConModal([&] { c.respuesta = MostrarMensaje("Texto\r\nsegunda", "Titulo", soloAceptar); },
                     [&](QWidget* w) {
                         auto aceptar = w->findChild<QPushButton*>("cmdAceptar");
                         auto cancelar = w->findChild<QPushButton*>("cmdCancelar");
                         auto aviso = w->findChild<QCheckBox*>("chkMostrarMensaje");
                         c.textos = {w->windowTitle(), w->findChild<QLabel*>("lblTitulo")->text(),
                                     w->findChild<QPlainTextEdit*>("txtMensaje")->toPlainText(),
                                     aceptar->text(), cancelar->text(), aviso->text()};
                         c.cancelarVisible = cancelar->isVisible();
                         c.avisoVisible = aviso->isVisible();
                         c.xAceptar = aceptar->x();
                         c.xCancelar = cancelar->x();
                         accion(w);
                     });
    return c;
}

std::function<void(QWidget*)> Pulsar(const char* boton) {
    return [boton](QWidget* w) { QTest::mouseClick(w->findChild<QPushButton*>(boton), Qt::LeftButton); };
}

TEST_F(Mensaje, ButtonsAnswerPlaceThemselvesAndTakeTheirCaptionsFromTheCatalog) {
    const int32_t eu = kOffsetEuskera;
    const QStringList castellano{"Aceptar", "Cancelar", "No mostrar más este mensaje de aviso"},
        euskera{"Ados", "Utzi", "Ez erakutsi gehiagotan ohar hau"};
    for (auto [soloAceptar, boton, respuesta, idioma] : {std::tuple{true, "cmdAceptar", 1, eu},
                                                          {false, "cmdAceptar", 1, 0},
                                                          {false, "cmdCancelar", 2, eu}}) {
        SCOPED_TRACE(std::string(boton) + (soloAceptar ? " solo" : ""));
        lngIdioma = idioma;
        Caja caja = Mostrar(soloAceptar, Pulsar(boton));
        EXPECT_EQ(caja.respuesta, respuesta);
        EXPECT_EQ(intRespuesta, respuesta);
        EXPECT_EQ(caja.textos,
                  QStringList({"MsgBox", "Titulo", "Texto\nsegunda"}) + (idioma ? euskera : castellano));
        EXPECT_EQ(caja.cancelarVisible, !soloAceptar);
        // Alone, "Aceptar" moves 1055 twips, into the middle of both buttons' room.
        EXPECT_EQ(caja.xAceptar, soloAceptar ? 110 + 1055 / 15 : 110);
        if (soloAceptar) {
            EXPECT_EQ(caja.xAceptar + 100 / 2, (110 + caja.xCancelar + 100) / 2);
        }
    }
}

TEST_F(Mensaje, TheWarningBoxAsItStandsAtTheAnswerDecides) {
    struct Caso {
        int clics;  // on "don't show again" before answering
        const char* respuesta;  // a button, or "" to close with Esc
        bool avisoSigue;
    };
    for (const Caso& c : {Caso{0, "cmdAceptar", true}, {1, "cmdAceptar", false},
                          {1, "cmdCancelar", false}, {1, "", false}, {2, "cmdAceptar", true},
                          {2, "cmdCancelar", true}, {3, "cmdCancelar", false}}) {
        SCOPED_TRACE(std::to_string(c.clics) + " " + c.respuesta);
        blnMostrarAviso = true;
        Caja caja = Mostrar(false, [&c](QWidget* w) {
            auto aviso = w->findChild<QCheckBox*>("chkMostrarMensaje");
            for (int i = 0; i < c.clics; ++i) QTest::mouseClick(aviso, Qt::LeftButton);
            if (*c.respuesta) Pulsar(c.respuesta)(w);
            else QTest::keyClick(w, Qt::Key_Escape);
        });
        EXPECT_TRUE(caja.avisoVisible);
        EXPECT_EQ(blnMostrarAviso, c.avisoSigue);
    }
    // Once stopped, the next box offers no check box.
    blnMostrarAviso = false;
    EXPECT_FALSE(Mostrar(false, Pulsar("cmdAceptar")).avisoVisible);
}

TEST_F(Mensaje, ClosingWithoutAButtonNeverRepeatsTheLastAnswer) {
    for (auto [soloAceptar, anterior, respuesta] : {std::tuple{false, 1, 2}, {true, 2, 1}}) {
        intRespuesta = anterior;
        Caja caja = Mostrar(soloAceptar, [](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
        EXPECT_EQ(caja.respuesta, respuesta) << soloAceptar;
    }
}

TEST(FilasHallazgo, CutsAtBlanksCountingCharacters) {
    // A text of `relleno` with blanks at the given 1-based positions.
    auto texto = [](int largo, std::initializer_list<int> blancos, QChar relleno = 'x') {
        QString t(largo, relleno);
        for (int p : blancos) t[p - 1] = ' ';
        return t;
    };
    const QString t120 = texto(120, {10, 53, 104}), t110 = texto(110, {100}), t70 = texto(70, {60});
    // "ñ" is two bytes: counting bytes would cut two characters early.
    const QString tn = texto(80, {55}, QChar(0xF1)), t60 = texto(60, {55});
    const std::tuple<const char*, QString, QStringList> casos[] = {
        {"49 characters", texto(49, {20}), {"3- " + texto(49, {20})}},
        {"no blank from 50", texto(90, {49}), {"3- " + texto(90, {49})}},
        {"three rows", t120, {"3- " + t120.left(52), t120.mid(52, 51), t120.mid(103)}},
        {"blank only at 100", t110, {"3- " + t110.left(99), "", t110.mid(99)}},
        {"two rows", t70, {"3- " + t70.left(59), t70.mid(59)}},
        {"wide characters", tn, {"3- " + tn.left(54), tn.mid(54)}},
        {"trims the first row", "  " + t60, {"3- " + t60.left(54), ("  " + t60).mid(56)}},
    };
    for (const auto& [nombre, entrada, filas] : casos)
        EXPECT_EQ(FilasHallazgo(3, entrada), filas) << nombre;
}

// (0 To 1, 0 To n) findings from (ordinal, code) pairs.
rt::Variant Hallazgos(std::initializer_list<std::pair<int, int>> pares) {
    rt::VArray a({0, 1}, {0, static_cast<int32_t>(pares.size()) - 1});
    int32_t j = 0;
    for (auto [ordinal, codigo] : pares) {
        a.at(0, j) = rt::Variant::Integer(static_cast<int16_t>(ordinal));
        a.at(1, j++) = rt::Variant::Integer(static_cast<int16_t>(codigo));
    }
    return rt::Variant(a);
}

// Window title, heading and button caption, then the rows.
QStringList MostrarLista(const rt::Variant& errores) {
    QStringList vistos;
    prueba::ConModal(
        [&] {
            frmListaErrores_794 ventana;
            ventana.vErrores = errores;
            ventana.exec();
        },
        [&](QWidget* w) {
            auto lista = w->findChild<QTreeWidget*>("lstListaErrores");
            vistos << w->windowTitle() << w->findChild<QLabel*>("labelListaErrores")->text()
                   << w->findChild<QPushButton*>("cmdAceptar")->text();
            for (int i = 0; i < lista->topLevelItemCount(); ++i) vistos << lista->topLevelItem(i)->text(0);
            QTest::mouseClick(w->findChild<QPushButton*>("cmdAceptar"), Qt::LeftButton);
        });
    return vistos;
}

using ListaErrores = Mensaje;

TEST_F(ListaErrores, FindingsInOrdinalOrderNumberedFromOne) {
    // Ordinals 5, 1, 5, 0 with codes 1, 3, 12, 5, and two that are not shown.
    EXPECT_EQ(MostrarLista(Hallazgos({{5, 1}, {1, 3}, {5, 12}, {0, 5}, {-1, 2}, {7, 72}})),
              QStringList({"Lista de errores", "Lista de errores", "Aceptar",
                           "1- El código postal es incorrecto.", "2- Falta el nombre de la vía pública",
                           "3- Falta el nombre o la razón social", "4- Falta la clave de operación",
                           "5- "}));
}

TEST_F(ListaErrores, LongTextWrapsAndBasqueTextsFollowTheLanguage) {
    EXPECT_EQ(MostrarLista(Hallazgos({{0, 11}})).mid(3),
              QStringList({"1- Se debe especificar la provincia o el país en el caso",
                           " de los aperadores no residentes"}));
    lngIdioma = kOffsetEuskera;
    EXPECT_EQ(MostrarLista(Hallazgos({{0, 5}})),
              QStringList({"Lista de errores", "Akats zerrenda", "Ados", "1- Posta kodea okerra da"}));
}

// Every finding of every code reads whole in both languages: no row is
// wider than the list shows, so none is cut short with an ellipsis.
TEST_F(ListaErrores, EveryFindingReadsWholeInBothLanguages) {
    rt::VArray todos({0, 1}, {0, 71});
    for (int16_t codigo = 0; codigo <= 71; ++codigo) {
        todos.at(0, codigo) = rt::Variant::Integer(0);
        todos.at(1, codigo) = rt::Variant::Integer(codigo);
    }
    for (int32_t idioma : {0, static_cast<int32_t>(kOffsetEuskera)}) {
        lngIdioma = idioma;
        QStringList cortadas;
        prueba::ConModal([&] { frmListaErrores_794 ventana; ventana.vErrores = rt::Variant(todos); ventana.exec(); },
                         [&](QWidget* w) {
                             auto lista = w->findChild<QTreeWidget*>("lstListaErrores");
                             for (int i = 0; i < lista->topLevelItemCount(); ++i)
                                 if (lista->sizeHintForIndex(lista->model()->index(i, 0)).width() >
                                     lista->viewport()->width())
                                     cortadas << lista->topLevelItem(i)->text(0);
                             QTest::mouseClick(w->findChild<QPushButton*>("cmdAceptar"), Qt::LeftButton);
                         });
        EXPECT_TRUE(cortadas.isEmpty()) << idioma << ": " << cortadas.join("\n").toStdString();
    }
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
