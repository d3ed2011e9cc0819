// The declarant editor, the declarant picker and the presenter editor, driven
// by their controls' names inside the main window, with the screen's
// questions and error lists answered by a stand-in.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include "boundary/consulta_db.h"
#include "controls/caja_codigo.h"
#include "controls/frmContenedorLista_794.h"
#include "declarations/clistadeclaraciones.h"
#include "dialogos.h"
#include "entorno.h"
#include "interaccion_prueba.h"
#include "parties/cdeclarante.h"
#include "parties/cpresentador.h"
#include "parties/frmDeclarante_794.h"
#include "parties/frmListaDeclarantes_794.h"
#include "program/mdi794.h"
#include "services/catalogo.h"
#include "services/cgeneral.h"
#include "services/globales.h"
#include "services/objetos.h"
#include "teclado.h"

using namespace quelvo;

namespace {

class VentanasPartes : public ::testing::Test {
protected:
    void SetUp() override {
        principal_.show();
        principal_.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&principal_));
        objGeneral().HabilitarMenu();
    }
    void TearDown() override {
        DescargarContenedorLista();
        asentar();
    }
    // Lets deferred deletions and focus moves happen.
    static void asentar() {
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }
    void menu(const char* nombre) {
        principal_.Menu(nombre)->trigger();
        asentar();
    }
    QWidget* ventana(const char* nombre) { return principal_.findChild<QWidget*>(nombre); }
    frmListaDeclarantes_794* picker() { return principal_.findChild<frmListaDeclarantes_794*>(); }
    bool declaraciones() { return ventana("frmDeclaraciones_794") != nullptr; }
    template <typename T = QLineEdit>
    T* control(const char* ventanaNombre, const char* nombre) {
        QWidget* v = ventana(ventanaNombre);
        return v ? v->findChild<T*>(nombre) : nullptr;
    }
    // Types into a box as the user does: focus, then key by key.
    void teclear(const char* ventanaNombre, const char* caja, const QString& texto) {
        QLineEdit* c = control(ventanaNombre, caja);
        ASSERT_NE(c, nullptr) << caja;
        c->setFocus(Qt::TabFocusReason);
        asentar();
        prueba::Teclear(c, texto);
        asentar();
    }
    void pulsar(const char* ventanaNombre, const char* boton) {
        auto b = control<QAbstractButton>(ventanaNombre, boton);
        ASSERT_NE(b, nullptr) << boton;
        QTest::mouseClick(b, Qt::LeftButton);
        asentar();
    }
    std::string valor(const std::string& consulta) { return prueba::Valor(strRutaMod, consulta); }
    bool activo(const char* nombre) { return principal_.Menu(nombre)->isEnabled(); }
    // (ordinal, code) pairs of the last error list.
    std::vector<std::pair<int, int>> errores() {
        std::vector<std::pair<int, int>> r;
        if (pantalla_.listas.empty()) return r;
        for (size_t j = 0; j < pantalla_.listas.back().size(); ++j)
            r.emplace_back(pantalla_.ordinalesListas.back()[j], pantalla_.listas.back()[j]);
        return r;
    }
    void declarantes(const std::string& filas) {
        entorno_.sql("INSERT INTO TDeclarante (coddec, dni_cifd, nombred, viad, domiciliod, cod, codpostald, "
                     "municipiod) VALUES " + filas + ";"
                     // The rest as the program stores them.
                     "UPDATE TDeclarante SET numerod = 0, letrad = '', escalerad = '', pisod = '', manod = '', "
                     "telefonod = 0, nombrepd = '', telefonopd = 0 WHERE numerod IS NULL;");
        objGeneral().HabilitarMenu();
    }

    prueba::Entorno entorno_;
    prueba::InteraccionPrueba pantalla_;
    MDI794 principal_;
};

constexpr const char* kEditor = "frmDeclarante_794";
constexpr const char* kPicker = "frmListaDeclarantes_794";
constexpr const char* kPresentador = "frmPresentador_794";

TEST_F(VentanasPartes, NewDeclarantTypedAcceptedAndOfferedAsRecent) {
    EXPECT_FALSE(activo("mnuAbrDec"));
    menu("mnuNueDec");
    ASSERT_NE(ventana(kEditor), nullptr);
    // Defaults of a new declarant, and the menus off but help.
    EXPECT_EQ(control(kEditor, "txtSiglas")->text(), "CL");
    EXPECT_EQ(control(kEditor, "txtProvin")->text(), "01");
    EXPECT_EQ(control(kEditor, "txtNombreProv")->text(), objGeneral().ObtenerProvincia("01"));
    EXPECT_EQ(control(kEditor, "txtNomVia")->text(), objGeneral().ObtenerVia("CL"));
    EXPECT_EQ(control(kEditor, "txtCPost")->text(), "");
    EXPECT_TRUE(control<QLabel>(kEditor, "labelAlta")->isVisible());
    EXPECT_FALSE(activo("mnuNueDec"));
    EXPECT_TRUE(activo("mnuConInd"));

    teclear(kEditor, "txtNIF", "12345678z");
    teclear(kEditor, "txtNombre", "garcía o'neill, iñaki");
    teclear(kEditor, "txtViaPub", "mayor");
    teclear(kEditor, "txtNumero", "5a");
    teclear(kEditor, "txtCPost", "01001");
    teclear(kEditor, "txtMunici", "vitoria");
    teclear(kEditor, "txtNomPdc", "ane");
    EXPECT_EQ(control(kEditor, "txtNombre")->text(), "GARCÍA O'NEILL, IÑAKI");
    EXPECT_EQ(control(kEditor, "txtNumero")->text(), "5");
    EXPECT_TRUE(objDeclarante().Modificado());
    EXPECT_EQ(objDeclarante().Nombre(), "GARCÍA O'NEILL, IÑAKI");
    pulsar(kEditor, "cmdAceptar");

    EXPECT_TRUE(pantalla_.listas.empty());
    EXPECT_EQ(ventana(kEditor), nullptr);
    EXPECT_EQ(valor("SELECT dni_cifd || '|' || nombred || '|' || viad || '|' || domiciliod || '|' || numerod || "
                    "'|' || cod || '|' || codpostald || '|' || municipiod || '|' || nombrepd FROM TDeclarante"),
              "12345678Z|GARCÍA O´NEILL, IÑAKI|CL|MAYOR|5|1|1|VITORIA|ANE");
    // Nothing stays open: the object is cleared and the menus offer the new one.
    EXPECT_EQ(objDeclarante().NIF(), "");
    EXPECT_FALSE(objDeclarante().Modificado());
    EXPECT_TRUE(activo("mnuAbrDec"));
    EXPECT_TRUE(activo("mnuNueDec"));
    EXPECT_TRUE(principal_.Menu("mnuD1")->isVisible());
    EXPECT_EQ(principal_.Menu("mnuD1")->text(), "12345678Z - GARCÍA O'NEILL, IÑAKI");
}

TEST_F(VentanasPartes, BlankNameIsRefusedWithItsCodeAndNothingStored) {
    menu("mnuNueDec");
    teclear(kEditor, "txtNIF", "12345678Z");
    teclear(kEditor, "txtNombre", "   ");
    teclear(kEditor, "txtViaPub", "MAYOR");
    teclear(kEditor, "txtCPost", "1001");
    teclear(kEditor, "txtMunici", "VITORIA");
    pulsar(kEditor, "cmdAceptar");
    EXPECT_EQ(errores(), (std::vector<std::pair<int, int>>{{2, 1}}));
    EXPECT_NE(ventana(kEditor), nullptr);
    EXPECT_EQ(valor("SELECT count(*) FROM TDeclarante"), "0");
    EXPECT_FALSE(activo("mnuNueDec"));
}

TEST_F(VentanasPartes, CancelAsksOnlyAfterAKeyAndNoKeepsTheWindow) {
    menu("mnuNueDec");
    pulsar(kEditor, "cmdCancelar");
    EXPECT_TRUE(pantalla_.preguntas.empty());
    EXPECT_EQ(ventana(kEditor), nullptr);
    EXPECT_TRUE(activo("mnuNueDec"));

    menu("mnuNueDec");
    teclear(kEditor, "txtNombre", "X");
    pantalla_.respuesta = false;
    pulsar(kEditor, "cmdCancelar");
    ASSERT_EQ(pantalla_.preguntas.size(), 1u);
    EXPECT_EQ(pantalla_.preguntas[0], Cat(194) + "|" + Cat(195));
    EXPECT_NE(ventana(kEditor), nullptr);
    EXPECT_EQ(control(kEditor, "txtNombre")->text(), "X");
    pantalla_.respuesta = true;
    pulsar(kEditor, "cmdCancelar");
    EXPECT_EQ(ventana(kEditor), nullptr);
    EXPECT_EQ(objDeclarante().Nombre(), "");
    EXPECT_EQ(valor("SELECT count(*) FROM TDeclarante"), "0");
    EXPECT_TRUE(activo("mnuNueDec"));
}

TEST_F(VentanasPartes, ProvinceBoxPadsLooksUpAndPutsAnUnknownCodeBack) {
    menu("mnuNueDec");
    const std::tuple<const char*, const char*, int> casos[] = {
        // typed, box after leaving, province held
        {"5", "05", 5}, {"20", "20", 20}, {"99", "20", 20}, {"", "20", 20}};
    for (auto [tecleado, caja, codigo] : casos) {
        SCOPED_TRACE(tecleado);
        control(kEditor, "txtProvin")->clear();
        teclear(kEditor, "txtProvin", tecleado);
        control(kEditor, "txtMunici")->setFocus(Qt::TabFocusReason);
        asentar();
        EXPECT_EQ(control(kEditor, "txtProvin")->text(), caja);
        EXPECT_EQ(objDeclarante().CodProvin(), codigo);
        EXPECT_EQ(control(kEditor, "txtNombreProv")->text(), objGeneral().ObtenerProvincia(caja));
        EXPECT_EQ(QApplication::focusWidget(), control(kEditor, "txtCPost"));  // moves on to the postal code
    }
    // Typed street types: known shows its name, unknown goes back.
    for (auto [tecleado, caja] : {std::pair{"AV", "AV"}, std::pair{"QQ", "AV"}}) {
        control(kEditor, "txtSiglas")->clear();
        teclear(kEditor, "txtSiglas", tecleado);
        control(kEditor, "txtMunici")->setFocus(Qt::TabFocusReason);
        asentar();
        EXPECT_EQ(control(kEditor, "txtSiglas")->text(), caja);
        EXPECT_EQ(objDeclarante().Siglas(), caja);
        EXPECT_EQ(control(kEditor, "txtNomVia")->text(), objGeneral().ObtenerVia(caja));
    }
}

TEST_F(VentanasPartes, EnterOpensTheStreetTypeListAndAPickIsTaken) {
    menu("mnuNueDec");
    QLineEdit* siglas = control(kEditor, "txtSiglas");
    siglas->setFocus(Qt::TabFocusReason);
    asentar();
    auto elegir = [&](const QString& clave) {
        prueba::ConModal([&] { QTest::keyClick(siglas, Qt::Key_Return); },
                         [&](QWidget*) {
                             QTreeWidget* lsv = ContenedorLista().lsvLista;
                             for (int i = 0; i < lsv->topLevelItemCount(); ++i)
                                 if (lsv->topLevelItem(i)->data(0, kRolClave) == clave)
                                     lsv->setCurrentItem(lsv->topLevelItem(i));
                             QTest::keyClick(lsv, Qt::Key_Return);
                         });
        asentar();
    };
    objDeclarante().Modificado(false);
    elegir("cCL");  // the code already held changes nothing
    EXPECT_FALSE(objDeclarante().Modificado());
    elegir("cPZ");
    EXPECT_EQ(siglas->text(), "PZ");
    EXPECT_EQ(objDeclarante().Siglas(), "PZ");
    EXPECT_EQ(control(kEditor, "txtNomVia")->text(), objGeneral().ObtenerVia("PZ"));
    EXPECT_TRUE(objDeclarante().Modificado());
    EXPECT_EQ(ventana(kEditor)->focusWidget(), control(kEditor, "txtViaPub"));
}

TEST_F(VentanasPartes, PickerOpensTheChosenDeclarantAndTheEditorChangesIt) {
    declarantes("(3, 'B2', 'SEGUNDO', 'CL', 'C', 1, 1, 'M'), (7, 'A1', 'PRIMERO', 'CL', 'C', 20, 800, 'M'),"
                "(9, 'X1234567L', 'TERCERO', 'CL', 'C', 1, 1, 'M')");
    menu("mnuAbrDec");
    auto lista = control<QTreeWidget>(kPicker, "lsvDeclarantes");
    ASSERT_NE(lista, nullptr);
    EXPECT_EQ(picker()->Imagen(), 1);
    EXPECT_EQ(control<QLabel>(kPicker, "lblTitDeclte")->text(), Cat(104));
    ASSERT_EQ(lista->topLevelItemCount(), 3);
    EXPECT_EQ(lista->topLevelItem(0)->text(2), "A1");  // by NIF
    EXPECT_EQ(lista->topLevelItem(0)->text(0), "0007");
    EXPECT_TRUE(lista->topLevelItem(0)->isSelected());
    EXPECT_TRUE(control<QPushButton>(kPicker, "cmdAceptar")->isEnabled());
    EXPECT_EQ(objDeclarante().Modo(), 2);

    // Header labels sort by their column.
    QTest::mouseClick(control<QLabel>(kPicker, "lblNombre"), Qt::LeftButton);
    EXPECT_EQ(lista->topLevelItem(0)->text(3), "PRIMERO");
    EXPECT_EQ(lista->topLevelItem(2)->text(3), "TERCERO");
    QTest::mouseClick(control<QLabel>(kPicker, "lblNumero"), Qt::LeftButton);
    EXPECT_EQ(lista->topLevelItem(2)->text(2), "X1234567L");

    QTreeWidgetItem* tercero = lista->topLevelItem(2);
    // A double click is a press and release, then a second press seen as double.
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(tercero).center());
    QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(tercero).center());
    asentar();
    EXPECT_EQ(ventana(kPicker), nullptr);
    EXPECT_TRUE(declaraciones());
    EXPECT_EQ(objDeclarante().CODDEC(), 9);
    EXPECT_EQ(objDeclarante().Nombre(), "TERCERO");
    EXPECT_EQ(objDeclarante().Modo(), 1);
    EXPECT_EQ(objListaDeclaraciones().Modo(), 1);
    EXPECT_EQ(objListaDeclaraciones().Procedencia(), 1);

    // Edited from the declarations window, which shows again afterwards.
    pulsar("frmDeclaraciones_794", "cmdDeclarante");
    EXPECT_FALSE(declaraciones());
    EXPECT_EQ(objDeclarante().Procedencia(), 1);
    EXPECT_FALSE(control<QLabel>(kEditor, "labelAlta")->isVisible());
    EXPECT_EQ(control(kEditor, "txtCPost")->text(), "01001");
    QLineEdit* municipio = control(kEditor, "txtMunici");
    municipio->selectAll();
    teclear(kEditor, "txtMunici", "gasteiz");
    pulsar(kEditor, "cmdAceptar");
    EXPECT_EQ(ventana(kEditor), nullptr);
    EXPECT_TRUE(declaraciones());
    EXPECT_EQ(valor("SELECT municipiod FROM TDeclarante WHERE coddec = 9"), "GASTEIZ");
    EXPECT_EQ(objDeclarante().CODDEC(), 9);  // still the open declarant
    // Closing the declarations goes back to the picker, on that declarant.
    pulsar("frmDeclaraciones_794", "cmdCerrar");
    EXPECT_FALSE(declaraciones());
    ASSERT_NE(picker(), nullptr);
    ASSERT_EQ(picker()->lsvDeclarantes->selectedItems().size(), 1);
    EXPECT_EQ(picker()->lsvDeclarantes->selectedItems()[0]->text(2), "X1234567L");
    EXPECT_EQ(objDeclarante().CODDEC(), 0);
}

TEST_F(VentanasPartes, PickerPreselectsTheDeclarantThatWasOpen) {
    declarantes("(3, 'B2', 'SEGUNDO', 'CL', 'C', 1, 1, 'M'), (7, 'A1', 'PRIMERO', 'CL', 'C', 1, 1, 'M')");
    objDeclarante().Modo(2);
    objDeclarante().InicializaDatos();
    objDeclarante().CODDEC(3);
    objDeclarante().AbrirBorrar(0);
    MostrarListaDeclarantes();
    asentar();
    auto lista = control<QTreeWidget>(kPicker, "lsvDeclarantes");
    ASSERT_EQ(lista->selectedItems().size(), 1);
    EXPECT_EQ(lista->selectedItems()[0]->text(2), "B2");
    EXPECT_EQ(objDeclarante().CODDEC(), 0);
    // Space selects the current row, Enter on it accepts.
    lista->clearSelection();
    lista->setCurrentItem(lista->topLevelItem(0), 0, QItemSelectionModel::NoUpdate);
    QTest::keyClick(lista, Qt::Key_Return);  // nothing selected: nothing happens
    EXPECT_NE(ventana(kPicker), nullptr);
    QTest::keyClick(lista, Qt::Key_Space);
    EXPECT_TRUE(lista->topLevelItem(0)->isSelected());
    QTest::keyClick(lista, Qt::Key_Return);
    asentar();
    EXPECT_EQ(ventana(kPicker), nullptr);
    EXPECT_EQ(objDeclarante().CODDEC(), 7);
}

TEST_F(VentanasPartes, DeletingThroughThePickerTakesDeclarationsAndEntries) {
    declarantes("(3, 'B2', 'SEGUNDO', 'CL', 'C', 1, 1, 'M'), (7, 'A1', 'PRIMERO', 'CL', 'C', 1, 1, 'M')");
    entorno_.sql("INSERT INTO TDeclaraciones (coddecla, coddecr, ejercicio, periodo, moneda) VALUES "
                 "(30, 3, 2011, 3, 'E'), (31, 7, 2011, 3, 'E');"
                 "INSERT INTO tOperadores (coddeclar, nifo) VALUES (30, 'X'), (30, 'Y'), (31, 'Z');");
    menu("mnuEliDec");
    ASSERT_NE(picker(), nullptr);
    EXPECT_EQ(picker()->Imagen(), 6);
    EXPECT_EQ(control<QLabel>(kPicker, "lblTitDeclte")->text(), Cat(167));
    auto lista = control<QTreeWidget>(kPicker, "lsvDeclarantes");
    QTreeWidgetItem* segundo = lista->topLevelItem(1);
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(segundo).center());

    pantalla_.respuesta = false;
    pulsar(kPicker, "cmdAceptar");
    ASSERT_EQ(pantalla_.preguntas.size(), 1u);
    EXPECT_EQ(pantalla_.preguntas[0], Cat(167) + "|¿Está seguro que desea eliminar el declarante: B2 - SEGUNDO "
                                                "con todas las declaraciones que pudiera tener?");
    EXPECT_EQ(valor("SELECT count(*) FROM TDeclarante"), "2");
    EXPECT_TRUE(segundo->isSelected());

    pantalla_.respuesta = true;
    pulsar(kPicker, "cmdAceptar");
    EXPECT_EQ(valor("SELECT group_concat(coddec) FROM TDeclarante"), "7");
    EXPECT_EQ(valor("SELECT group_concat(coddecla) FROM TDeclaraciones"), "31");
    EXPECT_EQ(valor("SELECT group_concat(nifo) FROM tOperadores"), "Z");
    ASSERT_NE(ventana(kPicker), nullptr);  // stays for further deletions
    ASSERT_EQ(lista->topLevelItemCount(), 1);
    EXPECT_TRUE(lista->topLevelItem(0)->isSelected());
    EXPECT_FALSE(activo("mnuNueDec"));

    pulsar(kPicker, "cmdAceptar");
    EXPECT_EQ(valor("SELECT count(*) FROM TDeclarante"), "0");
    EXPECT_EQ(ventana(kPicker), nullptr);
    EXPECT_TRUE(activo("mnuNueDec"));
    EXPECT_FALSE(activo("mnuAbrDec"));
    EXPECT_FALSE(principal_.Menu("mnuD1")->isVisible());
}

TEST_F(VentanasPartes, LongListWidensAndShiftsOnce) {
    std::string filas;
    for (int i = 1; i <= 11; ++i)
        filas += std::string(i > 1 ? "," : "") + "(" + std::to_string(i) + ", 'N" + std::to_string(10 + i) +
                 "', 'D', 'CL', 'C', 1, 1, 'M')";
    declarantes(filas);
    menu("mnuEliDec");
    auto picker = this->picker();
    auto lista = picker->lsvDeclarantes;
    EXPECT_TRUE(picker->ListaLarga());
    EXPECT_TRUE(picker->Desplazada());
    const int x = lista->x(), ancho = lista->width();
    const int xNumero = picker->lblNumero->x();
    // Ten left: still long, not shifted again.
    pulsar(kPicker, "cmdAceptar");
    EXPECT_EQ(lista->topLevelItemCount(), 10);
    EXPECT_EQ(lista->x(), x);
    EXPECT_EQ(lista->width(), ancho);
    EXPECT_EQ(picker->lblNumero->x(), xNumero);
    // Nine: normal sizes, in place.
    pulsar(kPicker, "cmdAceptar");
    EXPECT_FALSE(picker->ListaLarga());
    EXPECT_FALSE(picker->Desplazada());
    EXPECT_NEAR(lista->x() - x, 125 / 15.0, 1.0);
    EXPECT_LT(lista->width(), ancho);
}

TEST_F(VentanasPartes, AStoredValueLongerThanTheBoxIsNeitherShownCutNorStoredCut) {
    const std::string largo = "COMPAÑIA DE SERVICIOS GENERALES DEL NORTE S.A.";  // 46 characters
    declarantes("(9, 'X1234567L', '" + largo + "', 'CL', 'C', 1, 1, 'M')");
    objDeclarante().CODDEC(9);
    objDeclarante().Modo(1);
    objDeclarante().Procedencia(1);
    objDeclarante().InicializaDatos();
    MostrarDeclarante();
    asentar();
    EXPECT_EQ(control(kEditor, "txtNombre")->text().toStdString(), largo);
    QLineEdit* municipio = control(kEditor, "txtMunici");
    municipio->selectAll();
    teclear(kEditor, "txtMunici", "gasteiz");
    pulsar(kEditor, "cmdAceptar");
    EXPECT_EQ(ventana(kEditor), nullptr);
    EXPECT_EQ(valor("SELECT nombred || '|' || municipiod FROM TDeclarante"), largo + "|GASTEIZ");
}


TEST_F(VentanasPartes, AStreetTypeTypedAloneIsStored) {
    // Accept straight from the box, or after leaving it for another box.
    for (bool salir : {false, true}) {
        SCOPED_TRACE(salir);
        entorno_.sql("DELETE FROM TDeclarante;");
        declarantes("(9, 'X1234567L', 'NOMBRE', 'CL', 'C', 20, 800, 'M')");
        objDeclarante().CODDEC(9);
        objDeclarante().Modo(1);
        objDeclarante().Procedencia(0);
        objDeclarante().InicializaDatos();
        MostrarDeclarante();
        asentar();
        control(kEditor, "txtSiglas")->selectAll();
        teclear(kEditor, "txtSiglas", "AV");
        if (salir) {
            control(kEditor, "txtMunici")->setFocus(Qt::TabFocusReason);
            asentar();
        }
        pulsar(kEditor, "cmdAceptar");
        EXPECT_EQ(ventana(kEditor), nullptr);
        EXPECT_EQ(valor("SELECT viad FROM TDeclarante WHERE coddec = 9"), "AV");
    }
}
TEST_F(VentanasPartes, SingleDeclarantOpensStraightAndRecentEntriesOpenTheirs) {
    declarantes("(4, 'A1', 'UNO', 'CL', 'C', 1, 1, 'M')");
    menu("mnuAbrDec");
    EXPECT_EQ(ventana(kPicker), nullptr);
    EXPECT_TRUE(declaraciones());
    EXPECT_EQ(objDeclarante().CODDEC(), 4);
    EXPECT_EQ(objListaDeclaraciones().Procedencia(), 0);
    pulsar("frmDeclaraciones_794", "cmdCerrar");
    EXPECT_FALSE(declaraciones());
    declarantes("(6, 'B2', 'DOS', 'CL', 'C', 1, 1, 'M')");
    objDeclarante().CODDEC(0);
    menu("mnuD2");
    EXPECT_TRUE(declaraciones());
    EXPECT_EQ(objDeclarante().CODDEC(), 4);
    EXPECT_EQ(objDeclarante().Nombre(), "UNO");
    EXPECT_EQ(objDeclarante().Modo(), 1);
}

TEST_F(VentanasPartes, PresenterStoredReloadedAndDeleted) {
    menu("mnuPresentador");
    ASSERT_NE(ventana(kPresentador), nullptr);
    EXPECT_FALSE(control<QPushButton>(kPresentador, "cmdEliminar")->isEnabled());
    EXPECT_EQ(control(kPresentador, "txtSiglas")->text(), "");  // no defaults
    EXPECT_EQ(control(kPresentador, "txtProvin")->text(), "");
    EXPECT_EQ(control<QLabel>(kPresentador, "lblProvin")->text(), "Cod P");
    EXPECT_FALSE(activo("mnuNueDec"));
    // Enter stays in the box here.
    teclear(kPresentador, "txtNIF", "B12345674");
    QTest::keyClick(control(kPresentador, "txtNIF"), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), control(kPresentador, "txtNIF"));

    teclear(kPresentador, "txtNombre", "asesores ñ sl");
    teclear(kPresentador, "txtSiglas", "AV");
    teclear(kPresentador, "txtViaPub", "gran via");
    teclear(kPresentador, "txtProvin", "1");
    teclear(kPresentador, "txtCPost", "1001");
    teclear(kPresentador, "txtMunici", "vitoria");
    teclear(kPresentador, "txtNomPdc", "miren");
    teclear(kPresentador, "txtTelPdc", "655333444");
    EXPECT_EQ(control(kPresentador, "txtProvin")->text(), "01");
    pulsar(kPresentador, "cmdAceptar");
    EXPECT_TRUE(pantalla_.listas.empty());
    EXPECT_EQ(ventana(kPresentador), nullptr);
    EXPECT_TRUE(activo("mnuNueDec"));
    EXPECT_EQ(valor("SELECT dni_cif || '|' || nombre || '|' || via || '|' || domicilio || '|' || cod || '|' || "
                    "codpostal || '|' || municipio || '|' || nombrep || '|' || telefonop FROM TPresentador"),
              "B12345674|ASESORES Ñ SL|AV|GRAN VIA|1|1001|VITORIA|MIREN|655333444");

    menu("mnuPresentador");
    EXPECT_TRUE(control<QPushButton>(kPresentador, "cmdEliminar")->isEnabled());
    EXPECT_EQ(control(kPresentador, "txtCPost")->text(), "01001");
    EXPECT_EQ(control(kPresentador, "txtNomPdc")->text(), "MIREN");
    EXPECT_EQ(control(kPresentador, "txtNomVia")->text(), objGeneral().ObtenerVia("AV"));
    pantalla_.respuesta = false;
    pulsar(kPresentador, "cmdEliminar");
    EXPECT_EQ(pantalla_.preguntas.back(), Cat(168) + "|" + Cat(103));
    EXPECT_EQ(valor("SELECT count(*) FROM TPresentador"), "1");
    pantalla_.respuesta = true;
    pulsar(kPresentador, "cmdEliminar");
    EXPECT_EQ(valor("SELECT count(*) FROM TPresentador"), "0");
    EXPECT_EQ(ventana(kPresentador), nullptr);
    EXPECT_TRUE(activo("mnuNueDec"));

    menu("mnuPresentador");
    EXPECT_EQ(control(kPresentador, "txtNIF")->text(), "");
    EXPECT_FALSE(control<QPushButton>(kPresentador, "cmdEliminar")->isEnabled());
}

TEST_F(VentanasPartes, PresenterRefusedWithItsCodesAndCancelAsksWithItsText) {
    menu("mnuPresentador");
    teclear(kPresentador, "txtNIF", "1");
    pulsar(kPresentador, "cmdAceptar");
    EXPECT_EQ(errores(), (std::vector<std::pair<int, int>>{{1, 45}, {2, 1}, {3, 2}, {4, 3}, {5, 4}, {6, 5}, {8, 7}}));
    EXPECT_NE(ventana(kPresentador), nullptr);
    pantalla_.respuesta = false;
    pulsar(kPresentador, "cmdCancelar");
    EXPECT_EQ(pantalla_.preguntas.back(), Cat(194) + "|" + Cat(196));
    EXPECT_NE(ventana(kPresentador), nullptr);
    pantalla_.respuesta = true;
    pulsar(kPresentador, "cmdCancelar");
    EXPECT_EQ(ventana(kPresentador), nullptr);
    EXPECT_EQ(valor("SELECT count(*) FROM TPresentador"), "0");
}

TEST_F(VentanasPartes, ClosingTheFrameCancelsAndBringsTheMenusBack) {
    menu("mnuNueDec");
    principal_.mdiArea()->activeSubWindow()->close();
    asentar();
    EXPECT_EQ(ventana(kEditor), nullptr);
    EXPECT_TRUE(activo("mnuNueDec"));
    menu("mnuNueDec");
    teclear(kEditor, "txtNombre", "X");
    pantalla_.respuesta = false;
    principal_.mdiArea()->activeSubWindow()->close();
    asentar();
    EXPECT_NE(ventana(kEditor), nullptr);  // the user kept the changes
    // Leaving the program unloads it without a question.
    pantalla_.preguntas.clear();
    principal_.DescargarTodosLosFormularios("MDI794");
    asentar();
    EXPECT_EQ(ventana(kEditor), nullptr);
    EXPECT_TRUE(pantalla_.preguntas.empty());
}

TEST_F(VentanasPartes, EditorsCarryTagsLengthsAndTabOrder) {
    struct Caja {
        const char* nombre;
        const char* tag;  // the presenter's contact tags differ
        const char* tagPresentador;
        int longitud;
    };
    const Caja cajas[] = {
        {"txtNIF", "NIF", "NIF", 9},          {"txtNombre", "NOMBRE", "NOMBRE", 40},
        {"txtSiglas", "", "", 2},             {"picSiglas", nullptr, nullptr, 0},
        {"txtNomVia", "", "", 32767},         {"txtViaPub", "DOMICILIO", "DOMICILIO", 20},
        {"txtNumero", "NUMERO", "NUMERO", 5}, {"txtLetra", "LETRA", "LETRA", 2},
        {"txtEscalera", "ESCALE", "ESCALE", 2}, {"txtPiso", "PISO", "PISO", 2},
        {"txtMano", "MANO", "MANO", 3},       {"txtProvin", "", "", 2},
        {"picProvin", nullptr, nullptr, 0},   {"txtNombreProv", "", "", 16},
        {"txtCPost", "CODPOS", "CODPOS", 5},  {"txtMunici", "MUNICI", "MUNICI", 12},
        {"txtTelNum", "TELEFO", "TELEFO", 9}, {"txtNomPdc", "NOMPDC", "NOMPC", 40},
        {"txtTelPdc", "TELPDC", "TELPC", 9},  {"cmdAceptar", nullptr, nullptr, 0},
        {"cmdCancelar", nullptr, nullptr, 0}};
    for (const char* editor : {kEditor, kPresentador}) {
        SCOPED_TRACE(editor);
        menu(editor == kEditor ? "mnuNueDec" : "mnuPresentador");
        QWidget* anterior = nullptr;
        for (const Caja& c : cajas) {
            QWidget* w = control<QWidget>(editor, c.nombre);
            ASSERT_NE(w, nullptr) << c.nombre;
            if (anterior) {
                EXPECT_EQ(anterior->nextInFocusChain(), w) << c.nombre;
            }
            anterior = w;
            if (!c.tag) continue;
            EXPECT_EQ(w->property("Tag").toString(), editor == kEditor ? c.tag : c.tagPresentador) << c.nombre;
            EXPECT_EQ(static_cast<QLineEdit*>(w)->maxLength(), c.longitud) << c.nombre;
        }
        pulsar(editor, "cmdCancelar");
    }
}

TEST_F(VentanasPartes, CaptionsFollowTheLanguage) {
    declarantes("(3, 'B2', 'SEGUNDO', 'CL', 'C', 1, 1, 'M')");
    for (int32_t idioma : {0, kOffsetEuskera}) {
        lngIdioma = idioma;
        menu("mnuNueDec");
        EXPECT_EQ(ventana(kEditor)->windowTitle(), TextoCatalogo(122 + idioma));
        EXPECT_EQ(control<QLabel>(kEditor, "lblTitDeclarante1")->text(), TextoCatalogo(251 + idioma));
        EXPECT_EQ(control<QLabel>(kEditor, "lblCPost")->text(), TextoCatalogo(114 + idioma));
        EXPECT_EQ(control<QPushButton>(kEditor, "cmdCancelar")->text(), TextoCatalogo(111 + idioma));
        pulsar(kEditor, "cmdCancelar");
        menu("mnuPresentador");
        EXPECT_EQ(ventana(kPresentador)->windowTitle(), TextoCatalogo(123 + idioma));
        EXPECT_EQ(control<QPushButton>(kPresentador, "cmdEliminar")->text(), TextoCatalogo(165 + idioma));
        pulsar(kPresentador, "cmdCancelar");
        menu("mnuEliDec");
        ASSERT_NE(ventana(kPicker), nullptr);
        EXPECT_EQ(control<QLabel>(kPicker, "lblNombre")->text(), " " + TextoCatalogo(238 + idioma));
        pulsar(kPicker, "cmdCancelar");
        EXPECT_EQ(ventana(kPicker), nullptr);
    }
    lngIdioma = 0;
}

}  // namespace
