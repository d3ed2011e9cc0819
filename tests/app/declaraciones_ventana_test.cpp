// The declarations window driven by its controls: the proposal of the next
// period, the bimonthly box, the enabling of its commands, and the whole
// road from a new declaration through its entries to a copy and a delete.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

#include "boundary/consulta_db.h"
#include "controls/imagenes.h"
#include "declarations/cdeclarado.h"
#include "declarations/clistadeclaraciones.h"
#include "declarations/frmDeclaraciones_794.h"
#include "entorno.h"
#include "interaccion_prueba.h"
#include "parties/cdeclarante.h"
#include "program/mdi794.h"
#include "services/cgeneral.h"
#include "services/objetos.h"
#include "ventanas_declaraciones.h"

using namespace prueba;

namespace {

class VentanaDeclaraciones : public ::testing::Test {
protected:
    void SetUp() override {
        entorno_.sql("INSERT INTO TDeclarante VALUES (5, '12345678Z', 'GARCÍA ANE', 'CL', 'NUEVA', 1, '', '', "
                     "'', '', 1, 1, 'VITORIA', 945123456, '', 0);");
        quelvo::objDeclarante().CargarDeclarante(5);
        quelvo::objDeclarante().Modo(1);
        quelvo::objListaDeclaraciones().Modo(1);
        quelvo::objListaDeclaraciones().CodDecla(0);
    }
    void TearDown() override { CerrarVentanas(); }

    void declaracion(int clave, int ejercicio, int periodo, int periodicidad, const char* moneda = "E",
                     const char* bimensual = "") {
        entorno_.sql("INSERT INTO TDeclaraciones VALUES (" + std::to_string(clave) + ", 5, " +
                     std::to_string(ejercicio) + ", " + std::to_string(periodo) + ", " +
                     std::to_string(periodicidad) + ", '" + moneda + "', '" + bimensual + "');");
    }
    void entrada(int declaracion, double base) {
        entorno_.sql("INSERT INTO tOperadores (coddeclar, paiso, nifo, razon, claveopo, tipoopo, base, "
                     "signoo, ejercicioo, periodoo, triangularo, periodicidad) VALUES (" +
                     std::to_string(declaracion) + ", 'DE', '123456789', 'UNO', 'E', 'N', " +
                     std::to_string(base) + ", '', 0, 0, '', 0);");
    }
    std::string valor(const std::string& sql) { return Valor(quelvo::strRutaMod, sql); }
    std::vector<std::string> columna(const std::string& sql) { return Columna(quelvo::strRutaMod, sql); }

    QWidget* abrir() {
        quelvo::MostrarDeclaraciones();
        QWidget* v = VentanaAbierta("frmDeclaraciones_794");
        EXPECT_NE(v, nullptr);
        return v;
    }
    static QTreeWidget* lista(QWidget* v) { return Control<QTreeWidget>(v, "lsvDeclaraciones"); }
    static void seleccionar(QWidget* v, int fila) {
        lista(v)->setCurrentItem(lista(v)->topLevelItem(fila));
        Procesar();
    }
    static bool habilitado(QWidget* v, const char* nombre) { return Control<QWidget>(v, nombre)->isEnabled(); }

    Entorno entorno_;
    InteraccionPrueba pantalla_;
};

TEST_F(VentanaDeclaraciones, ProposesThePeriodAfterTheLatest) {
    struct Caso {
        int ejercicio, periodo, periodicidad;
        const char* eje;
        const char* per;
        bool bimensual;
    };
    const Caso casos[] = {
        {2011, 12, 2, "2012", "1ºTRIMESTRE", false}, {2011, 6, 2, "2011", "3ºTRIMESTRE", false},
        {2012, 12, 1, "2013", "ENERO", false},       {2012, 12, 3, "2013", "0 - ANUAL", false},
        {2013, 6, 2, "2013", "3ºTRIMESTRE", false},  {2013, 5, 1, "2013", "JUNIO", false},
        {2013, 12, 2, "", "", false},                {2013, 12, 1, "", "", false},
        {2013, 12, 3, "", "", false},                {2010, 11, 1, "2010", "DICIEMBRE", false},
        {2010, 10, 1, "2010", "NOVIEMBRE", true},    {2011, 1, 1, "2011", "FEBRERO", true},
        {2009, 3, 2, "2009", "2ºTRIMESTRE", false}, {2011, 9, 2, "2011", "4ºTRIMESTRE", false},
        {2012, 11, 1, "2012", "DICIEMBRE", false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::to_string(c.ejercicio) + "/" + std::to_string(c.periodo) + "/" +
                     std::to_string(c.periodicidad));
        entorno_.sql("DELETE FROM TDeclaraciones;");
        // An older declaration first: the latest one counts.
        declaracion(1, 2005, 12, 3);
        declaracion(2, c.ejercicio, c.periodo, c.periodicidad);
        QWidget* v = abrir();
        Pulsar(v, "cmdCrear");
        EXPECT_TRUE(Control<QWidget>(v, "fraNue")->isVisible());
        EXPECT_FALSE(Control<QWidget>(v, "fraLista")->isVisible());
        EXPECT_EQ(Control<QLineEdit>(v, "txtNueEje")->text().toStdString(), c.eje);
        EXPECT_EQ(Control<QLineEdit>(v, "txtNuePeriodo")->text().toStdString(), c.per);
        EXPECT_EQ(habilitado(v, "chkBimensual"), c.bimensual);
        CerrarVentanas();
    }
}

TEST_F(VentanaDeclaraciones, WithoutDeclarationsOnlyCreateAndClose) {
    QWidget* v = abrir();
    EXPECT_EQ(lista(v)->topLevelItemCount(), 0);
    for (const char* b : {"cmdAbrirD", "cmdBorrarD", "cmdCopiar", "cmdImprimir", "cmdImpBorradorDeclarados",
                          "cmdTTCon"})
        EXPECT_FALSE(habilitado(v, b)) << b;
    for (const char* b : {"cmdCrear", "cmdCerrar", "cmdDeclarante"}) EXPECT_TRUE(habilitado(v, b)) << b;
    EXPECT_EQ(Control<QLineEdit>(v, "txtNif")->text(), "12345678Z");
    EXPECT_EQ(Control<QLineEdit>(v, "txtNombre")->text(), "GARCÍA ANE");
    // The panel leaves the boxes as they were, the bimonthly box off.
    Pulsar(v, "cmdCrear");
    EXPECT_EQ(Control<QLineEdit>(v, "txtNueEje")->text(), "");
    EXPECT_FALSE(habilitado(v, "chkBimensual"));
    Pulsar(v, "cmdCancelar");
    EXPECT_TRUE(Control<QWidget>(v, "fraLista")->isVisible());
    EXPECT_EQ(quelvo::objListaDeclaraciones().Modo(), 1);
}

TEST_F(VentanaDeclaraciones, CommandsFollowTheSelectedRow) {
    declaracion(1, 2001, 12, 3, "P");
    declaracion(2, 2002, 3, 2);
    entrada(2, 100);
    QWidget* v = abrir();
    ASSERT_EQ(lista(v)->topLevelItemCount(), 2);
    // The last row is selected at first; hidden columns keep what the
    // commands read back.
    EXPECT_EQ(lista(v)->currentItem()->text(0), "2");
    EXPECT_EQ(lista(v)->topLevelItem(0)->text(3), "0 - ANUAL");
    EXPECT_EQ(lista(v)->topLevelItem(0)->data(1, Qt::UserRole).toInt(), quelvo::kImagenPesetas);
    EXPECT_EQ(lista(v)->topLevelItem(1)->data(1, Qt::UserRole).toInt(), quelvo::kImagenEuros);
    for (int c : {0, 4, 5, 6}) EXPECT_TRUE(lista(v)->isColumnHidden(c)) << c;
    EXPECT_TRUE(habilitado(v, "cmdTTCon"));
    EXPECT_TRUE(habilitado(v, "cmdImpBorradorDeclarados"));
    seleccionar(v, 0);
    EXPECT_FALSE(habilitado(v, "cmdTTCon"));
    EXPECT_FALSE(habilitado(v, "cmdImpBorradorDeclarados"));
    EXPECT_TRUE(habilitado(v, "cmdCopiar"));
    EXPECT_EQ(quelvo::objListaDeclaraciones().Ejercicio(), 2001);
    EXPECT_EQ(quelvo::objListaDeclaraciones().MonedaOrigen(), "P");
}

TEST_F(VentanaDeclaraciones, RemembersTheDeclarationWorkedOn) {
    declaracion(1, 2010, 3, 2);
    declaracion(2, 2010, 6, 2);
    declaracion(3, 2010, 9, 2);
    quelvo::objListaDeclaraciones().CodDecla(2);
    QWidget* v = abrir();
    EXPECT_EQ(lista(v)->currentItem()->text(0), "2");
    EXPECT_EQ(quelvo::objListaDeclaraciones().CodDecla(), 0);
    CerrarVentanas();
    // A key no longer listed: the first row, and the key is kept.
    quelvo::objListaDeclaraciones().CodDecla(99);
    v = abrir();
    EXPECT_EQ(lista(v)->currentItem()->text(0), "1");
    EXPECT_EQ(quelvo::objListaDeclaraciones().CodDecla(), 99);
}

TEST_F(VentanaDeclaraciones, BimonthlyBoxFollowsThePickedPeriod) {
    QWidget* v = abrir();
    Pulsar(v, "cmdCrear");
    auto eje = Control<QLineEdit>(v, "txtNueEje");
    auto chk = Control<QCheckBox>(v, "chkBimensual");
    Escribir(eje, "2010", Control<QWidget>(v, "picPeriodo"));
    EXPECT_EQ(quelvo::objListaDeclaraciones().Ejercicio(), 2010);
    Elegir(Control<QToolButton>(v, "picPeriodo"), "FEBRERO");
    EXPECT_EQ(Control<QLineEdit>(v, "txtNuePeriodo")->text(), "FEBRERO");
    EXPECT_TRUE(chk->isEnabled());
    chk->setChecked(true);
    EXPECT_EQ(quelvo::objListaDeclaraciones().Bimensual(), "X");
    Elegir(Control<QToolButton>(v, "picPeriodo"), "1ºTRIMESTRE");
    EXPECT_FALSE(chk->isEnabled());
    EXPECT_FALSE(chk->isChecked());
    EXPECT_EQ(quelvo::objListaDeclaraciones().Bimensual(), "");
    // Leaving a year before 2010 empties a period that is no quarter.
    Elegir(Control<QToolButton>(v, "picPeriodo"), "MARZO");
    Escribir(eje, "2009", Control<QWidget>(v, "picPeriodo"));
    EXPECT_EQ(Control<QLineEdit>(v, "txtNuePeriodo")->text(), "");
    // Fewer than four digits change nothing.
    Escribir(eje, "201", Control<QWidget>(v, "picPeriodo"));
    EXPECT_EQ(quelvo::objListaDeclaraciones().Ejercicio(), 2009);
    // Only digits get in.
    Escribir(eje, "2a0b", Control<QWidget>(v, "picPeriodo"));
    EXPECT_EQ(eje->text(), "20");
}

TEST_F(VentanaDeclaraciones, AcceptRefusesWithTheFindingsAndKeepsThePanel) {
    declaracion(1, 2011, 12, 3);
    QWidget* v = abrir();
    Pulsar(v, "cmdCrear");
    // The proposal is 2012, annual; ask for a quarter of 2011 instead.
    Escribir(Control<QLineEdit>(v, "txtNueEje"), "2011", Control<QWidget>(v, "picPeriodo"));
    Elegir(Control<QToolButton>(v, "picPeriodo"), "2ºTRIMESTRE");
    Pulsar(v, "cmdAceptar");
    EXPECT_EQ(pantalla_.ultimos(), (std::vector<int>{15}));
    EXPECT_TRUE(Control<QWidget>(v, "fraNue")->isVisible());
    EXPECT_EQ(Control<QLineEdit>(v, "txtNueEje")->text(), "2011");
    // Empty boxes are exercise and period 0, refused, never a crash.
    Escribir(Control<QLineEdit>(v, "txtNueEje"), "", Control<QWidget>(v, "picPeriodo"));
    Control<QLineEdit>(v, "txtNuePeriodo")->clear();
    Pulsar(v, "cmdAceptar");
    EXPECT_EQ(pantalla_.ultimos(), (std::vector<int>{9, 39, 10}));
    // A month of a year before 2010, however it got into the box.
    Control<QLineEdit>(v, "txtNueEje")->setText("2009");
    Control<QLineEdit>(v, "txtNuePeriodo")->setText("ENERO");
    Pulsar(v, "cmdAceptar");
    EXPECT_EQ(pantalla_.ultimos(), (std::vector<int>{61}));
    EXPECT_EQ(valor("SELECT count(*) FROM TDeclaraciones"), "1");
}

TEST_F(VentanaDeclaraciones, BimonthlyMarkOnlyWhereTheRuleAllows) {
    QWidget* v = abrir();
    Pulsar(v, "cmdCrear");
    // A mark left in the list object does not reach a quarter.
    quelvo::objListaDeclaraciones().Bimensual("X");
    Escribir(Control<QLineEdit>(v, "txtNueEje"), "2011", Control<QWidget>(v, "picPeriodo"));
    Control<QLineEdit>(v, "txtNuePeriodo")->setText("1ºTRIMESTRE");
    Pulsar(v, "cmdAceptar");
    EXPECT_EQ(valor("SELECT periodo || '|' || periodicidad || '|' || bimensual FROM TDeclaraciones"), "3|2|");
    CerrarVentanas();
    v = abrir();
    Pulsar(v, "cmdCrear");
    Escribir(Control<QLineEdit>(v, "txtNueEje"), "2011", Control<QWidget>(v, "picPeriodo"));
    Elegir(Control<QToolButton>(v, "picPeriodo"), "MAYO");
    Control<QCheckBox>(v, "chkBimensual")->setChecked(true);
    Pulsar(v, "cmdAceptar");
    EXPECT_EQ(valor("SELECT periodo || '|' || periodicidad || '|' || bimensual FROM TDeclaraciones "
                    "WHERE periodicidad = 1"),
              "5|1|X");
}

TEST_F(VentanaDeclaraciones, CopyChecksAgainstTheSourceAtAccept) {
    declaracion(1, 2011, 3, 2);
    QWidget* v = abrir();
    Pulsar(v, "cmdCopiar");
    auto eje = Control<QLineEdit>(v, "txtNueEje");
    Escribir(eje, "2009", Control<QWidget>(v, "picPeriodo"));
    EXPECT_EQ(pantalla_.ultimos(), (std::vector<int>{60}));
    // A year that passed once does not stand in for the source afterwards.
    Escribir(eje, "2012", Control<QWidget>(v, "picPeriodo"));
    eje->setText("2009");
    Pulsar(v, "cmdAceptar");
    EXPECT_EQ(pantalla_.ultimos(), (std::vector<int>{60}));
    EXPECT_EQ(valor("SELECT count(*) FROM TDeclaraciones"), "1");
    // An empty year is refused by the checks.
    eje->clear();
    pantalla_.listas.clear();
    Pulsar(v, "cmdAceptar");
    EXPECT_FALSE(pantalla_.listas.empty());
    EXPECT_EQ(valor("SELECT count(*) FROM TDeclaraciones"), "1");
}

TEST_F(VentanaDeclaraciones, CopyOfPesetasConvertsToEuros) {
    declaracion(1, 2001, 12, 3, "P");
    entrada(1, 16638600);
    QWidget* v = abrir();
    Pulsar(v, "cmdCopiar");
    EXPECT_EQ(Control<QLineEdit>(v, "txtNueEje")->text(), "2002");
    Pulsar(v, "cmdAceptar");
    EXPECT_TRUE(pantalla_.listas.empty());
    EXPECT_EQ(valor("SELECT ejercicio || moneda FROM TDeclaraciones WHERE coddecla <> 1"), "2002E");
    EXPECT_EQ(valor("SELECT CAST(base AS INTEGER) FROM tOperadores WHERE coddeclar <> 1"), "100000");
    EXPECT_NE(VentanaAbierta("frmDeclarados_794"), nullptr);
    EXPECT_EQ(VentanaAbierta("frmDeclaraciones_794"), nullptr);
}

TEST_F(VentanaDeclaraciones, DeleteAsksAndSelectsTheLast) {
    declaracion(1, 2010, 3, 2);
    declaracion(2, 2010, 6, 2);
    declaracion(3, 2010, 9, 2);
    entrada(1, 5);
    QWidget* v = abrir();
    seleccionar(v, 0);
    pantalla_.respuesta = false;
    Pulsar(v, "cmdBorrarD");
    EXPECT_EQ(valor("SELECT count(*) FROM TDeclaraciones"), "3");
    pantalla_.respuesta = true;
    Pulsar(v, "cmdBorrarD");
    ASSERT_EQ(pantalla_.preguntas.size(), 2u);
    EXPECT_EQ(columna("SELECT coddecla FROM TDeclaraciones ORDER BY coddecla"),
              (std::vector<std::string>{"2", "3"}));
    EXPECT_EQ(valor("SELECT count(*) FROM tOperadores"), "0");
    EXPECT_EQ(lista(v)->topLevelItemCount(), 2);
    EXPECT_EQ(lista(v)->currentItem()->text(0), "3");
}

TEST_F(VentanaDeclaraciones, CloseRestoresTheDeclarant) {
    QWidget* v = abrir();
    Pulsar(v, "cmdCerrar");
    EXPECT_EQ(VentanaAbierta("frmDeclaraciones_794"), nullptr);
    EXPECT_EQ(quelvo::objDeclarante().Modo(), 2);
    EXPECT_EQ(quelvo::objDeclarante().CODDEC(), 5);
    EXPECT_EQ(quelvo::objDeclarante().NIF(), "");
}

TEST_F(VentanaDeclaraciones, RecentDeclarantOpensItsDeclarationsInsideTheMainWindow) {
    declaracion(1, 2012, 12, 3);
    quelvo::objDeclarante().CODDEC(0);
    quelvo::objListaDeclaraciones().Procedencia(1);
    {
        quelvo::MDI794 principal;
        quelvo::objGeneral().HabilitarMenu();
        principal.Menu("mnuD1")->trigger();
        Procesar();
        QWidget* v = principal.findChild<QWidget*>("frmDeclaraciones_794");
        ASSERT_NE(v, nullptr);
        EXPECT_EQ(Control<QLineEdit>(v, "txtNif")->text(), "12345678Z");
        EXPECT_EQ(lista(v)->topLevelItemCount(), 1);
        EXPECT_EQ(quelvo::objListaDeclaraciones().Procedencia(), 1);
        // Only help while it is open; Close gives the menus back.
        EXPECT_FALSE(principal.Menu("mnuAbrDec")->isEnabled());
        EXPECT_TRUE(principal.Menu("mnuConInd")->isEnabled());
        quelvo::objListaDeclaraciones().Procedencia(0);
        Pulsar(v, "cmdCerrar");
        EXPECT_EQ(principal.findChild<QWidget*>("frmDeclaraciones_794"), nullptr);
        EXPECT_TRUE(principal.Menu("mnuAbrDec")->isEnabled());
    }
    Procesar();
}

TEST_F(VentanaDeclaraciones, EditDeclarantAndBack) {
    declaracion(1, 2012, 12, 3);
    QWidget* v = abrir();
    Pulsar(v, "cmdDeclarante");
    EXPECT_EQ(VentanaAbierta("frmDeclaraciones_794"), nullptr);
    QWidget* editor = VentanaAbierta("frmDeclarante_794");
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(quelvo::objDeclarante().Procedencia(), 1);
    // Leaving the editor unchanged comes back to the declarations, loaded afresh.
    Pulsar(editor, "cmdCancelar");
    v = VentanaAbierta("frmDeclaraciones_794");
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(lista(v)->topLevelItemCount(), 1);
    EXPECT_EQ(Control<QLineEdit>(v, "txtNif")->text(), "12345678Z");
}

TEST_F(VentanaDeclaraciones, ACopyTakesTheSelectedDeclaration) {
    declaracion(1, 2012, 3, 2);
    entrada(1, 100);
    declaracion(2, 2012, 6, 2);
    entrada(2, 200);
    QWidget* v = abrir();
    EXPECT_TRUE(habilitado(v, "cmdDeclarante"));
    // While the create or copy panel is open the declarant cannot be edited.
    Pulsar(v, "cmdCrear");
    EXPECT_FALSE(habilitado(v, "cmdDeclarante"));
    Pulsar(v, "cmdCancelar");
    EXPECT_TRUE(habilitado(v, "cmdDeclarante"));
    seleccionar(v, 0);
    Pulsar(v, "cmdCopiar");
    EXPECT_FALSE(habilitado(v, "cmdDeclarante"));
    Pulsar(v, "cmdDeclarante");
    if (QWidget* editor = VentanaAbierta("frmDeclarante_794")) {
        Pulsar(editor, "cmdCancelar");
        v = VentanaAbierta("frmDeclaraciones_794");
        ASSERT_NE(v, nullptr);
    }
    Pulsar(v, "cmdAceptar");
    EXPECT_TRUE(pantalla_.listas.empty());
    EXPECT_EQ(valor("SELECT CAST(base AS INTEGER) FROM tOperadores WHERE coddeclar NOT IN (1, 2)"), "100");
}

TEST_F(VentanaDeclaraciones, CloseReturnsToThePickerItCameFrom) {
    quelvo::objListaDeclaraciones().Procedencia(1);
    QWidget* v = abrir();
    Pulsar(v, "cmdCerrar");
    EXPECT_EQ(VentanaAbierta("frmDeclaraciones_794"), nullptr);
    EXPECT_NE(VentanaAbierta("frmListaDeclarantes_794"), nullptr);
}

TEST_F(VentanaDeclaraciones, ShownAgainLoadsAfreshAndStaysOne) {
    QWidget* v = abrir();
    EXPECT_EQ(lista(v)->topLevelItemCount(), 0);
    declaracion(1, 2012, 12, 3);
    v = abrir();
    EXPECT_EQ(lista(v)->topLevelItemCount(), 1);
    int abiertas = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "frmDeclaraciones_794" && w->isVisible()) ++abiertas;
    EXPECT_EQ(abiertas, 1);
    // The one unloaded that way gives nothing back: the menus stay off.
    EXPECT_EQ(quelvo::objDeclarante().Modo(), 1);
}

}  // namespace
