// Long values seen whole or from their start: the boxes the program fills
// show the beginning of a text longer than themselves.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTreeWidget>

#include "declarations/cdeclarado.h"
#include "declarations/clistadeclaraciones.h"
#include "declarations/frmDeclaraciones_794.h"
#include "declarations/frmDeclarados_794.h"
#include "entorno.h"
#include "interaccion_prueba.h"
#include "parties/cdeclarante.h"
#include "shell/objetos.h"
#include "ventanas_declaraciones.h"

using namespace prueba;

namespace {

// 40 characters, the longest name a declarant may have.
const QString kNombreLargo = "CONSTRUCCIONES TXORIHERRI ARABA SOCIEDAD";

class TextosEnteros : public ::testing::Test {
protected:
    void SetUp() override {
        entorno_.sql("INSERT INTO TDeclarante VALUES (5, '30654321K', '" + kNombreLargo.toStdString() +
                     "', 'CL', 'MAYOR', 1, '', '', '', '', 1, 1, 'VITORIA', 945123456, '', 0);"
                     "INSERT INTO TDeclaraciones VALUES (9, 5, 2012, 6, 2, 'E', '');"
                     "INSERT INTO tOperadores (coddeclar, paiso, nifo, razon, claveopo, tipoopo, base, "
                     "signoo, ejercicioo, periodoo, triangularo, periodicidad) VALUES (9, 'NL', "
                     "'123456789B01', 'WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW', 'M', 'N', 100, '', 0, 0, '', 0);");
    }
    void TearDown() override { CerrarVentanas(); }

    // The declarations window of the declarant, or the entry window on its
    // declaration.
    static QWidget* declaraciones() {
        quelvo::objListaDeclaraciones().Modo(1);
        quelvo::AbrirDeclaracionesDe(5);
        return VentanaAbierta("frmDeclaraciones_794");
    }
    // The print dialog opened for the declaration from its window.
    static QWidget* impresion() {
        Pulsar(declaraciones(), "cmdImprimir");
        return VentanaAbierta("frmImprimirGrabar_794");
    }
    static QWidget* declarados() {
        quelvo::objDeclarante().CargarDeclarante(5);
        auto& lista = quelvo::objListaDeclaraciones();
        lista.CodDecla(9);
        lista.Ejercicio(2012);
        lista.Periodo(6);
        lista.Periodicidad(2);
        lista.MonedaOrigen("E");
        quelvo::objDeclarado().coddeclar(9);
        quelvo::MostrarDeclarados();
        return VentanaAbierta("frmDeclarados_794");
    }

    Entorno entorno_;
    InteraccionPrueba pantalla_;
};

TEST_F(TextosEnteros, BoxesTheProgramFillsShowTheBeginningOfALongText) {
    struct Caso {
        QWidget* (*abrir)();
        const char* caja;
        QString principio;
    };
    const Caso casos[] = {
        {&TextosEnteros::declaraciones, "txtNombre", kNombreLargo},
        {&TextosEnteros::declarados, "txtNombreDeclarante", kNombreLargo},
        {&TextosEnteros::impresion, "txtNombreDeclarante", kNombreLargo},
        {&TextosEnteros::declarados, "txtClaveDes", QString::fromUtf8("ENTREGAS  INTRA. DE BIENES POSTERIORES")},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.caja);
        QWidget* v = c.abrir();
        ASSERT_NE(v, nullptr);
        auto caja = Control<QLineEdit>(v, c.caja);
        ASSERT_TRUE(caja->text().startsWith(c.principio)) << caja->text().toStdString();
        // Narrower than its text, as on a small screen or a narrow window.
        caja->setFixedWidth(caja->fontMetrics().horizontalAdvance(caja->text()) / 3);
        Procesar();
        caja->grab();
        // The cursor stands before the first character, at the box's left.
        EXPECT_EQ(caja->cursorPosition(), 0);
        const QRect cursor = caja->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        EXPECT_LT(cursor.center().x(), caja->width() / 4);
        CerrarVentanas();
    }
}

}  // namespace
