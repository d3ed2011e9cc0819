// Long values seen whole or from their start: the lists' columns of
// identifiers are as wide as their longest value and their name columns
// widen with the window, with the headings over them; the boxes the program
// fills show the beginning of a text longer than themselves; the declarant's
// name reads whole and a destination path keeps its file name in view.
#include <gtest/gtest.h>

#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolTip>
#include <QTreeWidget>

#include "declarations/cdeclarado.h"
#include "declarations/clistadeclaraciones.h"
#include "declarations/frmDeclaraciones_794.h"
#include "declarations/frmDeclarados_794.h"
#include "entorno.h"
#include "exchange/frmExporDtes_794.h"
#include "interaccion_prueba.h"
#include "parties/cdeclarante.h"
#include "parties/frmListaDeclarantes_794.h"
#include "printing/cimprgrabar.h"
#include "printing/cselfichero.h"
#include "printing/ctrListaDecl_794.h"
#include "services/objetos.h"
#include "ventanas_declaraciones.h"

using namespace prueba;

namespace {

// 40 characters, the longest name a declarant may have, and 40 of the
// widest letter.
const QString kNombreLargo = "CONSTRUCCIONES TXORIHERRI ARABA SOCIEDAD";
const QString kNombreAncho(40, QChar('W'));
const QString kNombreM(40, QChar('M'));

// The whole text is in view: with the cursor at its end the box has not
// scrolled, so the end stands as far from the start as the text is wide.
void Entera(QLineEdit* caja) {
    SCOPED_TRACE(caja->objectName().toStdString() + " \"" + caja->text().toStdString() + "\"");
    auto cursor = [caja](int posicion) {
        caja->setCursorPosition(posicion);
        caja->grab();
        return caja->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    };
    const QRect inicio = cursor(0);
    const QRect fin = cursor(static_cast<int>(caja->text().size()));
    EXPECT_NEAR(fin.x() - inicio.x(), caja->fontMetrics().horizontalAdvance(caja->text()), 1);
    EXPECT_LE(fin.right(), caja->width());
    caja->setCursorPosition(0);
}

// Nothing of the column's values is cut: the view's own measure of its
// widest cell fits in it.
void EnteraYAjustada(QTreeWidget* lista, int columna, bool soloValores) {
    SCOPED_TRACE(lista->objectName().toStdString() + " column " + std::to_string(columna));
    const int necesario = static_cast<const QAbstractItemView*>(lista)->sizeHintForColumn(columna);
    EXPECT_GE(lista->columnWidth(columna), necesario);
    // A column of identifiers is no wider than its widest value.
    if (soloValores) {
        EXPECT_LE(lista->columnWidth(columna), necesario + 1);
    }
}

class TextosEnteros : public ::testing::Test {
protected:
    void SetUp() override {
        entorno_.sql("INSERT INTO TDeclarante VALUES (5, '30654321J', '" + kNombreLargo.toStdString() +
                     "', 'CL', 'MAYOR', 1, '', '', '', '', 1, 1, 'VITORIA', 945123456, '', 0);"
                     "INSERT INTO TDeclarante (coddec, dni_cifd, nombred) VALUES (6, '11111111H', '" +
                     kNombreAncho.toStdString() + "'), (7, '88888888Y', 'B');"
                     "INSERT INTO TDeclaraciones VALUES (9, 5, 2012, 6, 2, 'E', ''), (10, 6, 2012, 6, 2, 'E', ''),"
                     " (11, 7, 2012, 6, 2, 'E', '');"
                     "INSERT INTO tOperadores (coddeclar, paiso, nifo, razon, claveopo, tipoopo, base, "
                     "signoo, ejercicioo, periodoo, triangularo, periodicidad) VALUES"
                     " (9, 'FR', '12345678901', 'SOCIETE GENERALE DE TRANSPORTS DU NORD', 'E', 'N', 100, '', 0, 0, '', 0),"
                     " (9, 'NL', 'NL123456789B01', '" + kNombreAncho.toStdString() + "', 'A', 'N', 9999999999999, "
                     "'', 0, 0, '', 0),"
                     " (9, 'GB', '123456789012', 'B', 'M', 'N', 100, '', 0, 0, '', 0);");
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

TEST_F(TextosEnteros, ColumnsOfIdentifiersAreAsWideAsTheirLongestValue) {
    // The run's selector, both lists.
    quelvo::objImprGrabar().UnDte(false);
    {
        quelvo::ctrListaDecl_794 selector(nullptr);
        selector.Inicializar();
        selector.show();
        Procesar();
        auto org = Control<QTreeWidget>(&selector, "lsvOrg");
        ASSERT_EQ(org->topLevelItemCount(), 3);
        EnteraYAjustada(org, 2, true);
        Pulsar(&selector, "cmdVD");
        EnteraYAjustada(Control<QTreeWidget>(&selector, "lsvDes"), 2, true);
    }
    // The declarant picker.
    quelvo::objDeclarante().AbrirBorrar(0);
    quelvo::MostrarListaDeclarantes();
    QWidget* picker = VentanaAbierta("frmListaDeclarantes_794");
    ASSERT_NE(picker, nullptr);
    EnteraYAjustada(Control<QTreeWidget>(picker, "lsvDeclarantes"), 2, true);
    CerrarVentanas();
    // The export window.
    quelvo::frmExporDtes_794::Mostrar();
    QWidget* exportar = VentanaAbierta("frmExporDtes_794");
    ASSERT_NE(exportar, nullptr);
    EnteraYAjustada(Control<QTreeWidget>(exportar, "lsvOrg"), 2, true);
    Pulsar(exportar, "cmdVD");
    EnteraYAjustada(Control<QTreeWidget>(exportar, "lsvDes"), 2, true);
    CerrarVentanas();
    // The entry list: VAT numbers of 11 to 14 characters, the country, the
    // amount (the country's heading is wider than its codes).
    QWidget* entradas = declarados();
    ASSERT_NE(entradas, nullptr);
    auto lista = Control<QTreeWidget>(entradas, "lsvDeclarados");
    ASSERT_EQ(lista->topLevelItemCount(), 3);
    EnteraYAjustada(lista, 3, true);
    EnteraYAjustada(lista, 2, false);
    EnteraYAjustada(lista, 6, true);
}

// The columns of names share the rest of the list: a wider window widens
// them until the longest reads whole, and the headings stay over them.
TEST_F(TextosEnteros, NamesReadWholeInAWiderWindowUnderTheirHeadings) {
    QWidget* v = declarados();
    ASSERT_NE(v, nullptr);
    auto lista = Control<QTreeWidget>(v, "lsvDeclarados");
    const int nombre = lista->columnWidth(4), clave = lista->columnWidth(5);
    v->resize(v->width() + 1500, v->height());
    Procesar();
    EXPECT_GT(lista->columnWidth(4), nombre);
    EXPECT_GT(lista->columnWidth(5), clave);
    EnteraYAjustada(lista, 4, false);
    EnteraYAjustada(lista, 5, false);
    const char* cabeceras[] = {"lblPaisLista", "lblNifLista", "lblNombreLista", "lblClaveLista", "lblImporteLista"};
    for (int columna = 2; columna <= 6; ++columna) {
        auto cabecera = Control<QLabel>(v, cabeceras[columna - 2]);
        SCOPED_TRACE(cabecera->objectName().toStdString());
        EXPECT_EQ(cabecera->width(), lista->columnWidth(columna));
        const int x = cabecera->mapTo(v, QPoint(0, 0)).x();
        const int xColumna = lista->viewport()->mapTo(v, QPoint(lista->columnViewportPosition(columna), 0)).x();
        EXPECT_NEAR(x, xColumna, 3);
    }
    // Back to its width, the window gives the room back.
    v->resize(v->width() - 1500, v->height());
    Procesar();
    EXPECT_EQ(lista->columnWidth(4), nombre);
    CerrarVentanas();

    // The picker's names and the selector's, the same way.
    quelvo::objDeclarante().AbrirBorrar(0);
    quelvo::MostrarListaDeclarantes();
    QWidget* picker = VentanaAbierta("frmListaDeclarantes_794");
    ASSERT_NE(picker, nullptr);
    auto declarantes = Control<QTreeWidget>(picker, "lsvDeclarantes");
    picker->resize(picker->width() + 800, picker->height());
    Procesar();
    EnteraYAjustada(declarantes, 3, false);
    auto nif = Control<QLabel>(picker, "lblNumero");
    EXPECT_NEAR(nif->mapTo(picker, QPoint(0, 0)).x(),
                declarantes->viewport()->mapTo(picker, QPoint(declarantes->columnViewportPosition(2), 0)).x(), 3);
    CerrarVentanas();
    quelvo::objImprGrabar().UnDte(false);
    quelvo::ctrListaDecl_794 selector(nullptr);
    selector.Inicializar();
    selector.show();
    selector.resize(selector.width() + 1200, selector.height());
    Procesar();
    EnteraYAjustada(Control<QTreeWidget>(&selector, "lsvOrg"), 3, false);
}

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

// The declarations window's name box holds a name of 40 of the widest
// letters whole, in the layout of either language.
TEST_F(TextosEnteros, TheDeclarantsLongestNameReadsWholeInBothLanguagesAndBothWindows) {
    for (const int32_t idioma : {0, quelvo::kOffsetEuskera}) {
        for (const QString& nombre : {kNombreLargo, kNombreAncho, kNombreM}) {
            SCOPED_TRACE(idioma);
            entorno_.sql("UPDATE TDeclarante SET nombred = '" + nombre.toStdString() + "' WHERE coddec = 5;");
            quelvo::lngIdioma = idioma;
            // The declarations window, and the print dialog opened from it.
            QWidget* v = declaraciones();
            ASSERT_NE(v, nullptr);
            auto caja = Control<QLineEdit>(v, "txtNombre");
            ASSERT_EQ(caja->text().toStdString(), nombre.toStdString());
            Entera(caja);
            QWidget* dialogo = impresion();
            ASSERT_NE(dialogo, nullptr);
            caja = Control<QLineEdit>(dialogo, "txtNombreDeclarante");
            ASSERT_EQ(caja->text().toStdString(), nombre.toStdString());
            Entera(caja);
            CerrarVentanas();
        }
    }
    quelvo::lngIdioma = 0;
}

// The print dialog's destination, chosen in the file selection window it
// opens when recording is ticked: a long path in a deep folder shows its end,
// the file name, and the whole path as its tooltip; a short one shows whole.
TEST_F(TextosEnteros, TheDestinationShowsTheEndOfALongPathAndAllOfItAsItsTooltip) {
    // Nothing is written: the selection is cancelled.
    const QString corta = "/datos/794_CE12.txt";
    const QString larga = entorno_.carpeta() +
                          "/asesoria fiscal/clientes del territorio/construcciones y obras publicas/"
                          "declaraciones recapitulativas/ejercicio 2012/segundo trimestre/794_CE12.txt";
    for (const int32_t idioma : {0, quelvo::kOffsetEuskera}) {
        for (const QString& ruta : {larga, corta}) {
            SCOPED_TRACE(std::to_string(idioma) + " " + ruta.toStdString());
            quelvo::lngIdioma = idioma;
            QWidget* v = impresion();
            ASSERT_NE(v, nullptr);
            quelvo::objSelFichero().RutaPorDefecto(ruta);
            bool visto = false;
            ConModal([&] { Control<QAbstractButton>(v, "chkGrabar")->click(); },
                     [&](QWidget* w) {
                         auto etiqueta = w->findChild<QLabel*>("lblRuta");
                         if (!etiqueta) return;
                         visto = true;
                         Procesar();
                         EXPECT_EQ(etiqueta->text().toStdString(), ruta.toStdString());
                         const QString visible = etiqueta->property("textoVisible").toString();
                         EXPECT_TRUE(visible.endsWith("/794_CE12.txt")) << visible.toStdString();
                         EXPECT_LE(etiqueta->fontMetrics().horizontalAdvance(visible),
                                   etiqueta->contentsRect().width());
                         if (ruta == corta) {
                             EXPECT_EQ(visible.toStdString(), ruta.toStdString());
                         }
                         const QPoint punto = etiqueta->rect().center();
                         QHelpEvent ayuda(QEvent::ToolTip, punto, etiqueta->mapToGlobal(punto));
                         QApplication::sendEvent(etiqueta, &ayuda);
                         EXPECT_EQ(QToolTip::text().toStdString(), ruta.toStdString());
                         QToolTip::hideText();
                         Control<QAbstractButton>(w, "cmdCancelar")->click();
                     });
            EXPECT_TRUE(visto);
            CerrarVentanas();
        }
    }
    quelvo::lngIdioma = 0;
}

}  // namespace
