// The declared-entry window driven by its controls: a declaration's whole
// road (create, three entries, edit, delete, copy, delete the source), the
// boxes and their pickers, and the modes' enabling.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <algorithm>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <set>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include "boundary/consulta_db.h"
#include "controls/caja_importe.h"
#include "declarations/cdeclaracion.h"
#include "declarations/cdeclarado.h"
#include "declarations/clistadeclaraciones.h"
#include "declarations/frmDeclaraciones_794.h"
#include "declarations/frmDeclarados_794.h"
#include "entorno.h"
#include "interaccion_prueba.h"
#include "parties/cdeclarante.h"
#include "quelvort/convert.h"
#include "services/objetos.h"
#include "ventanas_declaraciones.h"

using namespace prueba;

namespace {

class VentanaDeclarados : public ::testing::Test {
protected:
    void SetUp() override {
        entorno_.sql("INSERT INTO TDeclarante VALUES (5, 'B01234567', 'TALLERES ÑANDÚ SL', 'CL', 'MAYOR', 1, "
                     "'', '', '', '', 1, 1, 'VITORIA', 945123456, '', 0);");
        quelvo::objDeclarante().CargarDeclarante(5);
        quelvo::objDeclarante().Modo(1);
        quelvo::objListaDeclaraciones().Modo(1);
    }
    void TearDown() override { CerrarVentanas(); }

    std::string valor(const std::string& sql) { return Valor(quelvo::strRutaMod, sql); }
    std::vector<std::string> columna(const std::string& sql) { return Columna(quelvo::strRutaMod, sql); }

    // Opens the entry window on a stored declaration, as the declarations
    // window's Edit does.
    QWidget* abrir(int ejercicio, int periodo, int periodicidad) {
        entorno_.sql("INSERT INTO TDeclaraciones VALUES (9, 5, " + std::to_string(ejercicio) + ", " +
                     std::to_string(periodo) + ", " + std::to_string(periodicidad) + ", 'E', '');");
        auto& lista = quelvo::objListaDeclaraciones();
        lista.CodDecla(9);
        lista.Ejercicio(ejercicio);
        lista.Periodo(static_cast<uint8_t>(periodo));
        lista.Periodicidad(static_cast<uint8_t>(periodicidad));
        lista.MonedaOrigen("E");
        quelvo::objDeclarado().coddeclar(9);
        quelvo::MostrarDeclarados();
        return VentanaAbierta("frmDeclarados_794");
    }
    void entradas(int n) {
        for (int i = 1; i <= n; ++i)
            entorno_.sql("INSERT INTO tOperadores (coddeclar, paiso, nifo, razon, claveopo, tipoopo, base, "
                         "signoo, ejercicioo, periodoo, triangularo, periodicidad) VALUES (9, 'DE', '" +
                         std::to_string(100000000 + i) + "', 'N" + std::to_string(i) + "', 'E', 'N', " +
                         std::to_string(i * 100) + ", '', 0, 0, '', 0);");
    }

    static QLineEdit* caja(QWidget* v, const char* nombre) { return Control<QLineEdit>(v, nombre); }
    static QTreeWidget* lista(QWidget* v) { return Control<QTreeWidget>(v, "lsvDeclarados"); }
    static QString cuenta(QWidget* v) { return caja(v, "txtDeclarados")->text(); }


    Entorno entorno_;
    InteraccionPrueba pantalla_;
};

TEST_F(VentanaDeclarados, TheWholeRoadOfADeclaration) {
    // A 2011 first-quarter declaration made in the declarations window.
    quelvo::MostrarDeclaraciones();
    QWidget* d = VentanaAbierta("frmDeclaraciones_794");
    ASSERT_NE(d, nullptr);
    Pulsar(d, "cmdCrear");
    Escribir(caja(d, "txtNueEje"), "2011", Control<QWidget>(d, "picPeriodo"));
    Elegir(Control<QToolButton>(d, "picPeriodo"), "1ºTRIMESTRE");
    Pulsar(d, "cmdAceptar");
    EXPECT_EQ(valor("SELECT coddecr || '|' || ejercicio || '|' || periodo || '|' || periodicidad || '|' || "
                    "moneda FROM TDeclaraciones"),
              "5|2011|3|2|E");
    const std::string primera = valor("SELECT coddecla FROM TDeclaraciones");
    QWidget* v = VentanaAbierta("frmDeclarados_794");
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(VentanaAbierta("frmDeclaraciones_794"), nullptr);
    EXPECT_EQ(cuenta(v), "0");
    EXPECT_EQ(caja(v, "txtEjercicio")->text(), "2011");
    EXPECT_EQ(caja(v, "txtPer")->text(), "1ºTRIMESTRE");
    EXPECT_EQ(caja(v, "txtMoneda")->text(), "Euros");

    // Three entries: a triangular one, a rectification, a name with Ñ.
    TeclearEntrada(v, "de", "123456789", "EMPRESA UNO", "Entregas intracomunitarias triangulares", "1234,56");
    Pulsar(v, "cmdGuardar");
    EXPECT_TRUE(pantalla_.listas.empty());
    EXPECT_EQ(cuenta(v), "1");
    TeclearEntrada(v, "DE", "987654321", "EMPRESA DOS", "(Rectificación) - Entregas intracomunitarias", "100");
    Elegir(Control<QToolButton>(v, "picSigno"), "-");
    Escribir(caja(v, "txtEjer"), "2010", caja(v, "txtNif"));
    Elegir(Control<QToolButton>(v, "picPeriodo"), "4ºTRIMESTRE");
    Pulsar(v, "cmdGuardar");
    EXPECT_EQ(cuenta(v), "2");
    TeclearEntrada(v, "PL", "1234567890", QString::fromUtf8("muñoz y cía"), "Adquisiciones intracomunitarias",
                   "50");
    Pulsar(v, "cmdGuardar");
    EXPECT_TRUE(pantalla_.listas.empty());
    EXPECT_EQ(cuenta(v), "3");
    const std::string filas =
        "SELECT paiso || '|' || nifo || '|' || razon || '|' || claveopo || tipoopo || '|' || "
        "CAST(base AS INTEGER) || '|' || signoo || '|' || ejercicioo || '|' || periodoo || '|' || periodicidad "
        "FROM tOperadores WHERE coddeclar = " + primera + " ORDER BY codope";
    EXPECT_EQ(columna(filas), (std::vector<std::string>{
                                  "DE|123456789|EMPRESA UNO|TN|123456| |0|0|0",
                                  "DE|987654321|EMPRESA DOS|ER|10000|-|2010|12|2",
                                  "PL|1234567890|MUÑOZ Y CÍA|AN|5000| |0|0|0"}));
    EXPECT_EQ(lista(v)->topLevelItem(0)->text(6), "1.234,56");

    // Edit the first.
    lista(v)->setCurrentItem(lista(v)->topLevelItem(0));
    Procesar();
    EXPECT_EQ(caja(v, "txtNombre")->text(), "EMPRESA UNO");
    Pulsar(v, "cmdEditar");
    Escribir(Control<quelvo::CajaImporte>(v, "cnuImporte"), "2000", caja(v, "txtNif"));
    EXPECT_TRUE(Control<QWidget>(v, "cmdGuardar")->isEnabled());
    Pulsar(v, "cmdGuardar");
    EXPECT_TRUE(pantalla_.listas.empty());
    EXPECT_EQ(valor("SELECT CAST(base AS INTEGER) FROM tOperadores WHERE razon = 'EMPRESA UNO'"), "200000");
    EXPECT_EQ(lista(v)->topLevelItem(0)->text(6), "2.000,00");

    // Delete the second: the third becomes current.
    lista(v)->setCurrentItem(lista(v)->topLevelItem(1));
    Procesar();
    Pulsar(v, "cmdEliminar");
    EXPECT_EQ(cuenta(v), "2");
    EXPECT_EQ(valor("SELECT count(*) FROM tOperadores WHERE razon = 'EMPRESA DOS'"), "0");
    EXPECT_EQ(lista(v)->currentItem()->text(4), "MUÑOZ Y CÍA");
    EXPECT_EQ(caja(v, "txtNombre")->text(), "MUÑOZ Y CÍA");
    EXPECT_EQ(std::to_string(quelvo::objDeclarado().codope()),
              valor("SELECT codope FROM tOperadores WHERE paiso = 'PL'"));

    // Back to the declarations, copy into the second quarter.
    Pulsar(v, "cmdCerrar");
    EXPECT_EQ(VentanaAbierta("frmDeclarados_794"), nullptr);
    d = VentanaAbierta("frmDeclaraciones_794");
    ASSERT_NE(d, nullptr);
    Pulsar(d, "cmdCopiar");
    EXPECT_EQ(caja(d, "txtNuePeriodo")->text(), "2ºTRIMESTRE");
    Pulsar(d, "cmdAceptar");
    const std::string copia = valor("SELECT coddecla FROM TDeclaraciones WHERE periodo = 6");
    EXPECT_EQ(valor("SELECT count(*) FROM tOperadores WHERE coddeclar = " + copia), "2");
    v = VentanaAbierta("frmDeclarados_794");
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(cuenta(v), "2");
    EXPECT_EQ(caja(v, "txtPer")->text(), "2ºTRIMESTRE");

    // Delete the first declaration with its entries.
    Pulsar(v, "cmdCerrar");
    d = VentanaAbierta("frmDeclaraciones_794");
    ASSERT_NE(d, nullptr);
    auto declaraciones = Control<QTreeWidget>(d, "lsvDeclaraciones");
    EXPECT_EQ(declaraciones->currentItem()->text(0).toStdString(), copia);
    declaraciones->setCurrentItem(declaraciones->topLevelItem(0));
    Procesar();
    Pulsar(d, "cmdBorrarD");
    EXPECT_EQ(columna("SELECT coddecla FROM TDeclaraciones"), std::vector<std::string>{copia});
    EXPECT_EQ(valor("SELECT count(*) FROM tOperadores WHERE coddeclar = " + primera), "0");
    EXPECT_EQ(valor("SELECT count(*) FROM tOperadores"), "2");
}

TEST_F(VentanaDeclarados, WithoutEntriesOnlyCreateCloseAndCancel) {
    QWidget* v = abrir(2011, 3, 2);
    EXPECT_EQ(cuenta(v), "0");
    EXPECT_FALSE(lista(v)->isEnabled());
    for (const char* b : {"cmdCrearDeclarado", "cmdCerrar"})
        EXPECT_TRUE(Control<QWidget>(v, b)->isEnabled()) << b;
    for (const char* b : {"cmdEditar", "cmdEliminar", "cmdGuardar"})
        EXPECT_FALSE(Control<QWidget>(v, b)->isEnabled()) << b;
    EXPECT_FALSE(Control<QWidget>(v, "cmdGuardar")->isVisible());
    EXPECT_EQ(caja(v, "txtPais")->text(), "");
    // 2010 and later: no triangular box in browse mode.
    EXPECT_FALSE(Control<QWidget>(v, "chkTriangular")->isVisible());
    // A failed check keeps the entry being made.
    Pulsar(v, "cmdCrearDeclarado");
    Escribir(caja(v, "txtNombre"), "SOLO NOMBRE", caja(v, "txtNif"));
    Pulsar(v, "cmdGuardar");
    EXPECT_EQ(pantalla_.ultimos(), (std::vector<int>{27, 47, 12, 41}));
    EXPECT_TRUE(Control<QWidget>(v, "cmdGuardar")->isVisible());
    EXPECT_EQ(quelvo::objDeclaracion().ModoDeclaracion(), quelvo::kModoAlta);
    EXPECT_EQ(caja(v, "txtNombre")->text(), "SOLO NOMBRE");
    EXPECT_EQ(valor("SELECT count(*) FROM tOperadores"), "0");
}

TEST_F(VentanaDeclarados, CountryBoxChecksTheTypedCode) {
    entradas(1);
    QWidget* v = abrir(2011, 3, 2);
    Pulsar(v, "cmdEditar");
    quelvo::cDeclarado& d = quelvo::objDeclarado();
    Escribir(caja(v, "txtPais"), "", caja(v, "txtNombre"));
    EXPECT_EQ(caja(v, "txtPais")->text(), "DE");
    EXPECT_FALSE(d.Modificado());
    Escribir(caja(v, "txtPais"), "zz", caja(v, "txtNombre"));
    EXPECT_EQ(caja(v, "txtPais")->text(), "DE");
    EXPECT_FALSE(d.Modificado());
    Escribir(caja(v, "txtPais"), "pl", caja(v, "txtNombre"));
    EXPECT_EQ(d.paiso(), "PL");
    EXPECT_EQ(caja(v, "txtNombrePais")->text(), "POLONIA");
    EXPECT_TRUE(d.Modificado());
    EXPECT_EQ(caja(v, "txtNif")->maxLength(), 10);
    EXPECT_EQ(QApplication::focusWidget(), caja(v, "txtNif"));
    // Picking the stored state keeps the VAT number; another empties it.
    Elegir(Control<QToolButton>(v, "picPais"), "POLONIA");
    EXPECT_EQ(caja(v, "txtNif")->text().toStdString(), "100000001");
    Elegir(Control<QToolButton>(v, "picPais"), "ITALIA");
    EXPECT_EQ(caja(v, "txtNif")->text(), "");
    EXPECT_EQ(caja(v, "txtNif")->maxLength(), 11);
}

TEST_F(VentanaDeclarados, PlainBoxesCommitOnlyRealChanges) {
    entradas(1);
    QWidget* v = abrir(2009, 6, 2);
    Pulsar(v, "cmdEditar");
    quelvo::cDeclarado& d = quelvo::objDeclarado();
    Escribir(caja(v, "txtEjer"), "", caja(v, "txtNombre"));
    EXPECT_FALSE(d.Modificado());
    Escribir(caja(v, "txtNombre"), "N1", caja(v, "txtNif"));
    EXPECT_FALSE(d.Modificado());
    auto importe = Control<quelvo::CajaImporte>(v, "cnuImporte");
    EXPECT_EQ(importe->text(), "1,00");
    Escribir(importe, "0", caja(v, "txtNif"));
    EXPECT_EQ(importe->text(), "");
    EXPECT_EQ(d.importe(), 0);
    EXPECT_TRUE(d.Modificado());
    EXPECT_TRUE(Control<QWidget>(v, "cmdGuardar")->isEnabled());
    // Cancel reloads the stored entry.
    Pulsar(v, "cmdCancelar");
    EXPECT_EQ(importe->text(), "1,00");
    EXPECT_EQ(d.importe(), 1);
}

// An amount the user does not type in is kept as stored, even one with a
// fraction of a cent (converted from pesetas); only what is typed is read.
TEST_F(VentanaDeclarados, AnAmountNotTypedInIsKeptAsStored) {
    entradas(1);
    entorno_.sql("UPDATE tOperadores SET base = 2500.5;");
    QWidget* v = abrir(2011, 6, 2);
    auto importe = Control<quelvo::CajaImporte>(v, "cnuImporte");
    EXPECT_EQ(importe->text().toStdString(), "25,005");
    // Passed through with Tab, or Save pressed while it holds the focus.
    for (const char* nombre : {"PASADO", "DENTRO"}) {
        Pulsar(v, "cmdEditar");
        Escribir(caja(v, "txtNombre"), nombre, caja(v, "txtNif"));
        importe->setFocus(Qt::TabFocusReason);
        Procesar();
        if (std::string(nombre) == "PASADO") Escribir(caja(v, "txtNif"), "100000001", caja(v, "txtNombre"));
        Control<QPushButton>(v, "cmdGuardar")->click();
        Procesar();
        EXPECT_TRUE(pantalla_.listas.empty()) << nombre;
        EXPECT_EQ(valor("SELECT razon || ' ' || base FROM tOperadores"), std::string(nombre) + " 2500.5");
    }
    // A typed amount, then a text that is no amount, then the first amount
    // again: the entry holds that amount and is saved.
    Pulsar(v, "cmdEditar");
    Escribir(importe, "100", caja(v, "txtNif"));
    Escribir(importe, "12,345", caja(v, "txtNif"));
    EXPECT_EQ(pantalla_.ultimos(), std::vector<int>{70});
    pantalla_.listas.clear();
    Escribir(importe, "100", caja(v, "txtNif"));
    Pulsar(v, "cmdGuardar");
    EXPECT_TRUE(pantalla_.listas.empty());
    EXPECT_EQ(valor("SELECT base FROM tOperadores"), "10000.0");
}

// The amount box in the window, typed key by key: what is typed is what is
// stored, or the entry refuses it in the error list when the box is left and
// again when the entry is saved.
TEST_F(VentanaDeclarados, TypedAmountsAreStoredAsMeantOrRefused) {
    QWidget* v = abrir(2011, 6, 2);
    auto importe = Control<quelvo::CajaImporte>(v, "cnuImporte");
    quelvo::cDeclarado& d = quelvo::objDeclarado();
    auto teclear = [&](const char* teclas) {
        importe->setFocus(Qt::TabFocusReason);
        Procesar();
        importe->selectAll();
        QTest::keyClicks(importe, teclas);
        caja(v, "txtNif")->setFocus(Qt::TabFocusReason);
        Procesar();
    };

    // The main keyboard's point before two final digits is the decimal mark.
    TeclearEntrada(v, "DE", "123456789", "PUNTO", "Entregas intracomunitarias", "");
    teclear("1234.56");
    EXPECT_EQ(importe->text().toStdString(), "1.234,56");
    EXPECT_TRUE(pantalla_.listas.empty());
    Pulsar(v, "cmdGuardar");
    EXPECT_TRUE(pantalla_.listas.empty());
    EXPECT_EQ(valor("SELECT CAST(base AS INTEGER) FROM tOperadores WHERE razon = 'PUNTO'"), "123456");

    // A twelfth whole digit is kept; the file cannot hold the amount.
    TeclearEntrada(v, "DE", "987654321", "DOCE CIFRAS", "Entregas intracomunitarias", "");
    teclear("123456789012,34");
    EXPECT_EQ(importe->text().toStdString(), "123.456.789.012,34");
    EXPECT_EQ(static_cast<int64_t>(d.importeCentesimas()), 12345678901234);
    EXPECT_EQ(pantalla_.ultimos(), std::vector<int>{71});
    EXPECT_EQ(pantalla_.ordinalesListas.back(), std::vector<int>{5});
    pantalla_.listas.clear();
    Pulsar(v, "cmdGuardar");
    EXPECT_EQ(pantalla_.ultimos(), std::vector<int>{71});
    EXPECT_EQ(valor("SELECT count(*) FROM tOperadores WHERE razon = 'DOCE CIFRAS'"), "0");
    EXPECT_EQ(quelvo::objDeclaracion().ModoDeclaracion(), quelvo::kModoAlta);

    // So is one with more digits than a number of the program holds.
    pantalla_.listas.clear();
    teclear(std::string(400, '9').c_str());
    EXPECT_EQ(importe->Valor().toStdString(), std::string(400, '9'));
    EXPECT_EQ(pantalla_.ultimos(), std::vector<int>{71});
    pantalla_.listas.clear();
    Pulsar(v, "cmdGuardar");
    EXPECT_EQ(pantalla_.ultimos(), std::vector<int>{71});

    // A text that is no amount stays as typed and is refused; the amount
    // held before is not saved in its place.
    pantalla_.listas.clear();
    teclear("12,345");
    EXPECT_EQ(importe->text().toStdString(), "12,345");
    EXPECT_EQ(pantalla_.ultimos(), std::vector<int>{70});
    EXPECT_TRUE(Control<QWidget>(v, "cmdGuardar")->isEnabled());
    pantalla_.listas.clear();
    Pulsar(v, "cmdGuardar");
    EXPECT_EQ(pantalla_.ultimos(), std::vector<int>{70});
    EXPECT_EQ(valor("SELECT count(*) FROM tOperadores WHERE razon = 'DOCE CIFRAS'"), "0");

    // Mended, it is saved.
    pantalla_.listas.clear();
    teclear("1.234.567,8");
    EXPECT_TRUE(pantalla_.listas.empty());
    Pulsar(v, "cmdGuardar");
    EXPECT_TRUE(pantalla_.listas.empty());
    EXPECT_EQ(valor("SELECT CAST(base AS INTEGER) FROM tOperadores WHERE razon = 'DOCE CIFRAS'"), "123456780");

    // Save pressed while the box still holds the focus takes the box as it is.
    Pulsar(v, "cmdCrearDeclarado");
    Escribir(caja(v, "txtPais"), "DE", caja(v, "txtNif"));
    Escribir(caja(v, "txtNif"), "111111111", caja(v, "txtNombre"));
    Escribir(caja(v, "txtNombre"), "SIN SALIR", caja(v, "txtNif"));
    Elegir(Control<QToolButton>(v, "picClave"), "Entregas intracomunitarias");
    importe->setFocus(Qt::TabFocusReason);
    Procesar();
    QTest::keyClicks(importe, "5,555");
    pantalla_.listas.clear();
    Control<QPushButton>(v, "cmdGuardar")->click();
    Procesar();
    EXPECT_EQ(pantalla_.listas, std::vector<std::vector<int>>{{70}});
    EXPECT_EQ(valor("SELECT count(*) FROM tOperadores WHERE razon = 'SIN SALIR'"), "0");
    // Cancel throws the text away with the entry.
    Pulsar(v, "cmdCancelar");
    EXPECT_EQ(pantalla_.listas.size(), 1u);
    EXPECT_EQ(quelvo::objDeclaracion().ModoDeclaracion(), quelvo::kModoConsulta);
    EXPECT_EQ(caja(v, "txtNombre")->text(), "DOCE CIFRAS");
    EXPECT_EQ(importe->text().toStdString(), "1.234.567,80");

    // Leaving the box for Save or Cancel, as a click does, says nothing
    // before the button acts: Save's checks say it once, Cancel none.
    for (const char* boton : {"cmdGuardar", "cmdCancelar"}) {
        SCOPED_TRACE(boton);
        Pulsar(v, "cmdEditar");
        Escribir(caja(v, "txtNombre"), "DOCE", caja(v, "txtNif"));
        pantalla_.listas.clear();
        importe->setFocus(Qt::TabFocusReason);
        Procesar();
        importe->selectAll();
        QTest::keyClicks(importe, "5,555");
        auto pulsado = Control<QPushButton>(v, boton);
        pulsado->setFocus(Qt::MouseFocusReason);
        Procesar();
        EXPECT_TRUE(pantalla_.listas.empty());
        pulsado->click();
        Procesar();
        EXPECT_EQ(pantalla_.listas, boton == std::string("cmdGuardar") ? std::vector<std::vector<int>>{{70}}
                                                                      : std::vector<std::vector<int>>{});
        if (boton == std::string("cmdGuardar")) Pulsar(v, "cmdCancelar");
        EXPECT_EQ(quelvo::objDeclaracion().ModoDeclaracion(), quelvo::kModoConsulta);
        EXPECT_EQ(importe->text().toStdString(), "1.234.567,80");
    }
    EXPECT_EQ(valor("SELECT CAST(base AS INTEGER) FROM tOperadores WHERE razon = 'DOCE CIFRAS'"), "123456780");

    // Tab from the box onto Cancel is a leave like any other.
    Pulsar(v, "cmdEditar");
    pantalla_.listas.clear();
    importe->setFocus(Qt::TabFocusReason);
    Procesar();
    importe->selectAll();
    QTest::keyClicks(importe, "1.2345");
    Control<QPushButton>(v, "cmdCancelar")->setFocus(Qt::TabFocusReason);
    Procesar();
    EXPECT_EQ(pantalla_.listas, std::vector<std::vector<int>>{{70}});
    Pulsar(v, "cmdCancelar");
}

TEST_F(VentanaDeclarados, RectificationBoxesFollowTheKey) {
    struct Caso {
        int ejercicio, periodo;
        const char* clave;
        bool rectificacion;
        bool triangular;
    };
    const Caso casos[] = {
        {2009, 6, "Rectificación a entregas", true, true},
        {2009, 6, "Entregas intracomunitarias", false, true},
        {2009, 6, "Adquisiciones intracomunitarias", false, false},
        {2009, 6, "Rectificación a adquisiciones", true, false},
        {2011, 6, "(Rectificación) - Entregas intracomunitarias", true, false},
        {2011, 6, "Entregas intracomunitarias", false, true},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.clave);
        entorno_.sql("DELETE FROM TDeclaraciones; DELETE FROM tOperadores;");
        QWidget* v = abrir(c.ejercicio, c.periodo, 2);
        Pulsar(v, "cmdCrearDeclarado");
        quelvo::objDeclarado().Ejercicio(2008);
        caja(v, "txtEjer")->setText("2008");
        Elegir(Control<QToolButton>(v, "picClave"), c.clave);
        for (const char* nombre : {"txtEjer", "txtPeriodo", "picPeriodo", "txtSigno", "picSigno"})
            EXPECT_EQ(Control<QWidget>(v, nombre)->isEnabled(), c.rectificacion) << nombre;
        EXPECT_EQ(caja(v, "txtEjer")->text().isEmpty(), !c.rectificacion);
        EXPECT_EQ(quelvo::objDeclarado().Ejercicio(), c.rectificacion ? 2008 : 0);
        EXPECT_EQ(Control<QWidget>(v, "chkTriangular")->isEnabled(), c.triangular);
        CerrarVentanas();
    }
}

TEST_F(VentanaDeclarados, TypedKeyReachesTheEntry) {
    QWidget* v = abrir(2009, 6, 2);
    Pulsar(v, "cmdCrearDeclarado");
    quelvo::cDeclarado& d = quelvo::objDeclarado();
    Escribir(caja(v, "txtClave"), "3", caja(v, "txtNif"));
    EXPECT_EQ(d.claveopo(), "3");
    EXPECT_EQ(d.tipoopo(), "R");
    EXPECT_EQ(caja(v, "txtClaveDes")->text(), "RECTIFICACIÓN A ENTREGAS");
    EXPECT_TRUE(caja(v, "txtEjer")->isEnabled());
    Escribir(caja(v, "txtClave"), "7", caja(v, "txtNif"));
    EXPECT_EQ(caja(v, "txtClave")->text(), "3");
    EXPECT_EQ(d.claveopo(), "3");
    // Only digits get into the key box before 2010.
    Escribir(caja(v, "txtClave"), "a", caja(v, "txtNif"));
    EXPECT_EQ(caja(v, "txtClave")->text(), "3");
    CerrarVentanas();
    entorno_.sql("DELETE FROM TDeclaraciones;");
    v = abrir(2011, 6, 2);
    Pulsar(v, "cmdCrearDeclarado");
    // From 2010 a typed letter on a new entry is a normal key, whatever
    // type the entry seen before had.
    Escribir(caja(v, "txtClave"), "a", caja(v, "txtNif"));
    EXPECT_EQ(quelvo::objDeclarado().claveopo(), "A");
    EXPECT_EQ(quelvo::objDeclarado().tipoopo(), "N");
    EXPECT_EQ(caja(v, "txtClaveDes")->text(), "ADQUISICIONES INTRACOMUNITARIAS");
    EXPECT_EQ(caja(v, "txtClaveComp")->text(), "AN");
    EXPECT_FALSE(caja(v, "txtEjer")->isEnabled());
    // A rectification the user picked stays one when another letter is typed.
    Elegir(Control<QToolButton>(v, "picClave"), "(Rectificación) - Entregas intracomunitarias");
    Escribir(caja(v, "txtClave"), "t", caja(v, "txtNif"));
    EXPECT_EQ(quelvo::objDeclarado().claveopo(), "T");
    EXPECT_EQ(quelvo::objDeclarado().tipoopo(), "R");
    EXPECT_EQ(caja(v, "txtClaveComp")->text(), "TR");
    EXPECT_TRUE(caja(v, "txtEjer")->isEnabled());
}

TEST_F(VentanaDeclarados, AKeyTypedAfterViewingARectificationIsStoredNormal) {
    entorno_.sql("INSERT INTO tOperadores (coddeclar, paiso, nifo, razon, claveopo, tipoopo, base, signoo, "
                 "ejercicioo, periodoo, triangularo, periodicidad) VALUES "
                 "(9, 'DE', '111111111', 'RECTIFICADA', 'E', 'R', 500, '-', 2011, 3, '', 2);");
    QWidget* v = abrir(2011, 6, 2);
    EXPECT_EQ(caja(v, "txtNombre")->text(), "RECTIFICADA");
    Pulsar(v, "cmdCrearDeclarado");
    Escribir(caja(v, "txtPais"), "DE", caja(v, "txtNif"));
    Escribir(caja(v, "txtNif"), "222222222", caja(v, "txtNombre"));
    Escribir(caja(v, "txtNombre"), "NUEVA", caja(v, "txtNif"));
    Escribir(caja(v, "txtClave"), "e", caja(v, "txtNif"));
    Escribir(Control<quelvo::CajaImporte>(v, "cnuImporte"), "10", caja(v, "txtNif"));
    Pulsar(v, "cmdGuardar");
    EXPECT_TRUE(pantalla_.listas.empty());
    EXPECT_EQ(valor("SELECT claveopo || tipoopo || '|' || signoo || '|' || ejercicioo || '|' || periodoo "
                    "FROM tOperadores WHERE razon = 'NUEVA'"),
              "EN| |0|0");
}

TEST_F(VentanaDeclarados, TheVatNumberBoxNeverCutsANumber) {
    // A 12-digit British number listed after a German one, and a Dutch one.
    entorno_.sql("INSERT INTO tOperadores (coddeclar, paiso, nifo, razon, claveopo, tipoopo, base, signoo, "
                 "ejercicioo, periodoo, triangularo, periodicidad) VALUES "
                 "(9, 'GB', '123456789012', 'BRITANICA', 'E', 'N', 100, '', 0, 0, '', 0),"
                 "(9, 'NL', '123456789B01', 'HOLANDESA', 'E', 'N', 100, '', 0, 0, '', 0),"
                 "(9, 'DE', '123456789', 'ALEMANA', 'E', 'N', 100, '', 0, 0, '', 0);");
    QWidget* v = abrir(2011, 6, 2);
    EXPECT_EQ(caja(v, "txtNombre")->text(), "ALEMANA");
    // Clicked after the German one: shown whole, and saved whole after an edit.
    lista(v)->setCurrentItem(lista(v)->topLevelItem(0));
    Procesar();
    EXPECT_EQ(caja(v, "txtNif")->text(), "123456789012");
    Pulsar(v, "cmdEditar");
    Escribir(caja(v, "txtNombre"), "BRITANICA SL", caja(v, "txtNif"));
    Pulsar(v, "cmdGuardar");
    EXPECT_TRUE(pantalla_.listas.empty());
    EXPECT_EQ(valor("SELECT nifo FROM tOperadores WHERE paiso = 'GB'"), "123456789012");

    // A German code typed over the Dutch one leaves the number whole for the
    // VAT-number check to refuse.
    lista(v)->setCurrentItem(lista(v)->topLevelItem(1));
    Procesar();
    Pulsar(v, "cmdEditar");
    Escribir(caja(v, "txtPais"), "DE", caja(v, "txtNif"));
    EXPECT_EQ(quelvo::objDeclarado().paiso(), "DE");
    EXPECT_EQ(caja(v, "txtNif")->text(), "123456789B01");
    Escribir(caja(v, "txtNombre"), "HOLANDESA BV", caja(v, "txtNif"));
    Pulsar(v, "cmdGuardar");
    EXPECT_EQ(pantalla_.ultimos(), std::vector<int>{47});
    EXPECT_EQ(valor("SELECT paiso || '|' || nifo FROM tOperadores WHERE razon = 'HOLANDESA'"),
              "NL|123456789B01");
}

TEST_F(VentanaDeclarados, SignBoxAcceptsListedOrEmpty) {
    QWidget* v = abrir(2009, 6, 2);
    Pulsar(v, "cmdCrearDeclarado");
    Elegir(Control<QToolButton>(v, "picClave"), "Rectificación a entregas");
    quelvo::cDeclarado& d = quelvo::objDeclarado();
    Elegir(Control<QToolButton>(v, "picSigno"), "+");
    EXPECT_EQ(d.Signo(), "+");
    EXPECT_EQ(QApplication::focusWidget(), caja(v, "txtEjer"));
    Escribir(caja(v, "txtSigno"), "x", caja(v, "txtNif"));
    EXPECT_EQ(caja(v, "txtSigno")->text(), "+");
    d.Modificado(false);
    Escribir(caja(v, "txtSigno"), "", caja(v, "txtNif"));
    EXPECT_EQ(d.Signo(), "");
    EXPECT_TRUE(d.Modificado());
}

TEST_F(VentanaDeclarados, TriangularBoxActsOnlyWhileEditing) {
    entradas(1);
    QWidget* v = abrir(2009, 6, 2);
    quelvo::cDeclarado& d = quelvo::objDeclarado();
    auto triangular = Control<QCheckBox>(v, "chkTriangular");
    EXPECT_TRUE(triangular->isVisible());
    triangular->setChecked(true);
    EXPECT_EQ(d.Triangularo(), "");
    Pulsar(v, "cmdEditar");
    triangular->setChecked(false);
    triangular->setChecked(true);
    EXPECT_EQ(d.Triangularo(), "X");
    triangular->setChecked(false);
    EXPECT_EQ(d.Triangularo(), " ");
    EXPECT_TRUE(d.Modificado());
    CerrarVentanas();
    // A first quarter of 1993 takes no triangular mark at all.
    entorno_.sql("DELETE FROM TDeclaraciones;");
    v = abrir(1993, 3, 2);
    Pulsar(v, "cmdCrearDeclarado");
    EXPECT_FALSE(Control<QWidget>(v, "chkTriangular")->isEnabled());
}

TEST_F(VentanaDeclarados, SortingByAHeaderSurvivesADeletion) {
    entradas(12);
    entorno_.sql("UPDATE tOperadores SET nifo = 200 - codope;");
    QWidget* v = abrir(2011, 3, 2);
    EXPECT_EQ(cuenta(v), "12");
    // The last entry is current at first; ten or more leave room for the bar.
    EXPECT_EQ(lista(v)->currentItem()->text(4), "N12");
    EXPECT_GT(lista(v)->minimumWidth(), 0);
    auto cabecera = Control<QLabel>(v, "lblNifLista");
    for (int vez = 0; vez < 2; ++vez) {
        QMouseEvent soltar(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                           Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(cabecera, &soltar);
        EXPECT_EQ(lista(v)->topLevelItem(0)->text(4), "N12");
    }
    lista(v)->setCurrentItem(lista(v)->topLevelItem(0));
    Procesar();
    Pulsar(v, "cmdEliminar");
    EXPECT_EQ(cuenta(v), "11");
    EXPECT_EQ(lista(v)->topLevelItem(0)->text(4), "N11");
    EXPECT_EQ(lista(v)->currentItem()->text(4), "N11");
}

// A list long enough to be kept between fillings shows, after every save
// and deletion, exactly the entries stored, in the order chosen on screen,
// with the entry worked on current.
TEST_F(VentanaDeclarados, ALongListFollowsEverySaveAndDeletion) {
    entradas(12);
    QWidget* v = abrir(2011, 3, 2);
    auto enPantalla = [&] {
        std::vector<std::string> filas;
        for (int i = 0; i < lista(v)->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* f = lista(v)->topLevelItem(i);
            filas.push_back((f->text(0) + "|" + f->text(2) + "|" + f->text(3) + "|" + f->text(4) + "|" +
                             f->text(6)).toStdString());
        }
        return filas;
    };
    auto guardadas = [&](const char* orden) {
        return columna("SELECT codope || '|' || paiso || '|' || nifo || '|' || razon || '|' || "
                       "printf('%.2f', base / 100.0) FROM tOperadores WHERE coddeclar = 9 ORDER BY " +
                       std::string(orden));
    };
    auto comoEnPantalla = [](std::vector<std::string> filas) {
        for (auto& f : filas) std::replace(f.begin(), f.end(), '.', ',');
        return filas;
    };
    auto actual = [&] { return lista(v)->currentItem()->text(4).toStdString(); };
    auto editar = [&](int fila, const char* caja_, const QString& texto) {
        lista(v)->setCurrentItem(lista(v)->topLevelItem(fila));
        Procesar();
        Pulsar(v, "cmdEditar");
        Escribir(caja(v, caja_), texto, caja(v, caja_ == std::string("txtNif") ? "txtNombre" : "txtNif"));
        Pulsar(v, "cmdGuardar");
    };
    auto ordenarPor = [&](const char* cabecera) {
        QMouseEvent soltar(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                           Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(Control<QLabel>(v, cabecera), &soltar);
    };

    // In the order the entries were made: a changed name stays in its place,
    // its row, and no other, told to the list to be drawn anew.
    std::set<int> dichas;
    const auto conexion = QObject::connect(lista(v)->model(), &QAbstractItemModel::dataChanged,
                                           [&](const QModelIndex& desde, const QModelIndex& hasta) {
                                               for (int f = desde.row(); f <= hasta.row(); ++f) dichas.insert(f);
                                           });
    editar(4, "txtNombre", "CAMBIADO");
    QObject::disconnect(conexion);
    EXPECT_EQ(dichas, std::set<int>{4});
    EXPECT_EQ(enPantalla(), comoEnPantalla(guardadas("codope")));
    EXPECT_EQ(actual(), "CAMBIADO");
    EXPECT_EQ(cuenta(v), "12");

    // Sorted by VAT number: a changed number moves the row to its place.
    ordenarPor("lblNifLista");
    editar(0, "txtNif", "199999999");
    EXPECT_EQ(enPantalla(), comoEnPantalla(guardadas("nifo, codope")));
    EXPECT_EQ(actual(), "N1");
    EXPECT_EQ(lista(v)->indexOfTopLevelItem(lista(v)->currentItem()), 11);

    // A new entry takes its place in the sorted list and is current.
    TeclearEntrada(v, "DE", "100000050", "NUEVA", "Entregas intracomunitarias", "7");
    Pulsar(v, "cmdGuardar");
    EXPECT_EQ(enPantalla(), comoEnPantalla(guardadas("nifo, codope")));
    EXPECT_EQ(actual(), "NUEVA");
    EXPECT_EQ(cuenta(v), "13");

    // A deleted row goes; the one below it on screen becomes current.
    lista(v)->setCurrentItem(lista(v)->topLevelItem(3));
    Procesar();
    const std::string debajo = lista(v)->topLevelItem(4)->text(4).toStdString();
    Pulsar(v, "cmdEliminar");
    EXPECT_EQ(enPantalla(), comoEnPantalla(guardadas("nifo, codope")));
    EXPECT_EQ(actual(), debajo);
    EXPECT_EQ(cuenta(v), "12");
}

// An edit that changes nothing the list shows but the entry's type (normal
// or rectification) still rewrites that row's key description, and only it,
// and a list sorted by the description puts the row in its place.
TEST_F(VentanaDeclarados, ALongListShowsATypeChangedAlone) {
    const char* kNormal = "Entregas intracomunitarias";
    const char* kRectificacion = "(Rectificación) - Entregas intracomunitarias";
    struct Caso {
        const char* guardada;  // the type stored first
        const char* elegida;   // the key picked in the edit
        const char* tipo;      // the type stored after the save
    };
    const Caso casos[] = {{"R", kNormal, "N"}, {"N", kRectificacion, "R"}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.tipo);
        entorno_.sql("DELETE FROM TDeclaraciones; DELETE FROM tOperadores; DELETE FROM sqlite_sequence;");
        entradas(12);
        // Entry 5 rectifies the first quarter when it is one.
        if (std::string(c.guardada) == "R")
            entorno_.sql("UPDATE tOperadores SET tipoopo = 'R', signoo = '-', ejercicioo = 2011, periodoo = 3, "
                         "periodicidad = 2 WHERE codope = 5;");
        QWidget* v = abrir(2011, 6, 2);
        auto fila = [&](const char* clave) -> QTreeWidgetItem* {
            for (int i = 0; i < lista(v)->topLevelItemCount(); ++i)
                if (lista(v)->topLevelItem(i)->text(0) == clave) return lista(v)->topLevelItem(i);
            ADD_FAILURE() << "no row " << clave;
            return nullptr;
        };
        auto descripcion = [&](const char* clave) {
            QTreeWidgetItem* f = fila(clave);
            return f ? f->text(5).toStdString() : std::string();
        };
        ASSERT_EQ(descripcion("5"), std::string(c.guardada) == "R" ? kRectificacion : kNormal);
        const std::string vecina = descripcion("6");
        QMouseEvent soltar(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::NoButton,
                           Qt::NoModifier);
        QApplication::sendEvent(Control<QLabel>(v, "lblClaveLista"), &soltar);

        lista(v)->setCurrentItem(fila("5"));
        Procesar();
        Pulsar(v, "cmdEditar");
        Elegir(Control<QToolButton>(v, "picClave"), c.elegida);
        if (std::string(c.tipo) == "R") {
            Elegir(Control<QToolButton>(v, "picSigno"), "-");
            Escribir(caja(v, "txtEjer"), "2011", caja(v, "txtNif"));
            Elegir(Control<QToolButton>(v, "picPeriodo"), "1ºTRIMESTRE");
        }
        Pulsar(v, "cmdGuardar");
        EXPECT_TRUE(pantalla_.listas.empty());
        ASSERT_EQ(valor("SELECT claveopo || tipoopo FROM tOperadores WHERE codope = 5"),
                  std::string("E") + c.tipo);

        EXPECT_EQ(descripcion("5"), c.elegida);
        EXPECT_EQ(descripcion("6"), vecina);
        EXPECT_EQ(lista(v)->currentItem(), fila("5"));
        EXPECT_EQ(cuenta(v), "12");
        // The rectification sorts first; equal descriptions keep their order.
        EXPECT_EQ(lista(v)->indexOfTopLevelItem(fila("5")), 0);
        for (int i = 1; i < lista(v)->topLevelItemCount(); ++i)
            EXPECT_LE(lista(v)->topLevelItem(i - 1)->text(5).compare(lista(v)->topLevelItem(i)->text(5)), 0) << i;
        CerrarVentanas();
    }
}

TEST_F(VentanaDeclarados, DeletingTheLastRows) {
    entradas(2);
    QWidget* v = abrir(2011, 3, 2);
    pantalla_.respuesta = false;
    Pulsar(v, "cmdEliminar");
    EXPECT_EQ(cuenta(v), "2");
    pantalla_.respuesta = true;
    Pulsar(v, "cmdEliminar");
    EXPECT_EQ(cuenta(v), "1");
    EXPECT_EQ(lista(v)->currentItem()->text(4), "N1");
    Pulsar(v, "cmdEliminar");
    EXPECT_EQ(cuenta(v), "0");
    EXPECT_FALSE(lista(v)->isEnabled());
    EXPECT_EQ(caja(v, "txtNombre")->text(), "");
    EXPECT_EQ(quelvo::objDeclarado().codope(), 0);
}

TEST_F(VentanaDeclarados, CancelWhileCreatingShowsTheLastEntry) {
    entradas(3);
    QWidget* v = abrir(2011, 3, 2);
    lista(v)->setCurrentItem(lista(v)->topLevelItem(0));
    Procesar();
    Pulsar(v, "cmdCrearDeclarado");
    EXPECT_EQ(caja(v, "txtNombre")->text(), "");
    Pulsar(v, "cmdCancelar");
    EXPECT_EQ(caja(v, "txtNombre")->text(), "N3");
    EXPECT_EQ(lista(v)->currentItem()->text(4), "N3");
    // Closing the window empties the entry object.
    Pulsar(v, "cmdCerrar");
    EXPECT_EQ(quelvo::objDeclaracion().ModoDeclaracion(), quelvo::kModoDescarga);
    EXPECT_EQ(quelvo::objDeclarado().codope(), 0);
    EXPECT_NE(VentanaAbierta("frmDeclaraciones_794"), nullptr);
}

TEST_F(VentanaDeclarados, MoreEntriesThanASixteenBitCounterHolds) {
    entorno_.sql("INSERT INTO TDeclaraciones VALUES (9, 5, 2012, 6, 2, 'E', '');"
                 "WITH RECURSIVE e(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM e WHERE i < 33000) "
                 "INSERT INTO tOperadores (coddeclar, paiso, nifo, razon, claveopo, tipoopo, base) "
                 "SELECT 9, 'DE', 100000000 + i, 'N' || i, 'E', 'N', 100 FROM e;");
    auto& declaracion = quelvo::objListaDeclaraciones();
    declaracion.CodDecla(9);
    declaracion.Ejercicio(2012);
    declaracion.Periodo(6);
    declaracion.Periodicidad(2);
    quelvo::MostrarDeclarados();
    QWidget* v = VentanaAbierta("frmDeclarados_794");
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(cuenta(v), "33000");
    EXPECT_EQ(lista(v)->currentItem()->text(4), "N33000");
    quelvo::objDeclaracion().ObtenerTotalDeclarados(9);
    EXPECT_EQ(quelvo::objDeclaracion().NoTotalDeclarados(), "33000");
    EXPECT_EQ(rt::CStr(quelvo::objDeclaracion().BufferTotalDeclarados()(1, 1)), "3300000");
}

}  // namespace
