// The print and record dialog driven by objectName: choosing declarants,
// recording, cancelling the destination, stopping the progress window, and
// the main window's menus coming back however the dialog ends.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>
#include <map>
#include <utility>

#include "avisos.h"
#include "datos_grabacion.h"
#include "declarations/clistadeclaraciones.h"
#include "declarations/frmDeclaraciones_794.h"
#include "dialogos.h"
#include "entorno.h"
#include "interaccion_prueba.h"
#include "parties/cdeclarante.h"
#include "pdf_prueba.h"
#include "printing/cimprgrabar.h"
#include "printing/cselfichero.h"
#include "printing/destino_impresion.h"
#include "printing/frmImprimirGrabar_794.h"
#include "printing/frmSelFichero_794.h"
#include "printing/lienzo.h"
#include "printing/principal.h"
#include "program/mdi794.h"
#include "quelvort/error.h"
#include "services/catalogo.h"
#include "services/globales.h"
#include "services/objetos.h"
#include "services/periodos.h"
#include "ventanas_declaraciones.h"
#include "windows/frmBarraDeProgreso_794.h"

using quelvo::frmImprimirGrabar_794;
using quelvo::objImprGrabar;

namespace {

using prueba::Esperado;
using prueba::Leer;

class ImprimirGrabar : public ::testing::Test {
protected:
    void SetUp() override {
        entorno_.sql(prueba::kDatosGrabacion);
        // Without the monthly June declaration the latest one is the quarter.
        entorno_.sql("DELETE FROM tOperadores WHERE coddeclar = 4;"
                     "DELETE FROM TDeclaraciones WHERE coddecla = 4;");
        quelvo::EstablecerLienzoPruebas(&lienzo_);
        principal_.show();
        principal_.activateWindow();
        // The main window's first activation sets its menus before any dialog.
        QTest::qWait(20);
    }
    void TearDown() override {
        if (dialogo_) dialogo_->close();
        QApplication::processEvents();
        quelvo::EstablecerLienzoPruebas(nullptr);
    }
    QString fichero() const { return entorno_.carpeta() + "/794_CE11.txt"; }

    // Opens the dialog from the main window's menu entry.
    void abrirDesdeMenu() {
        principal_.Menu("mnuGraImpOfi")->setEnabled(true);
        principal_.Menu("mnuGraImpOfi")->trigger();
        QApplication::processEvents();
        dialogo_ = principal_.findChild<frmImprimirGrabar_794*>();
        ASSERT_NE(dialogo_, nullptr);
    }
    template <typename T>
    T* control(const char* nombre) {
        return dialogo_->findChild<T*>(nombre);
    }
    void pulsar(const char* nombre) { control<QAbstractButton>(nombre)->click(); }
    // Moves the available declarant with that code to the chosen list.
    void elegir(const QString& codigo) {
        auto org = control<QTreeWidget>("lsvOrg");
        for (int i = 0; i < org->topLevelItemCount(); ++i)
            if (org->topLevelItem(i)->text(0) == codigo) org->setCurrentItem(org->topLevelItem(i));
        pulsar("cmdUD");
    }
    // Ticks recording and answers the destination window.
    void marcarGrabar(const char* boton) {
        prueba::ConModal([&] { pulsar("chkGrabar"); },
                         [&](QWidget* w) {
                             if (auto sel = qobject_cast<quelvo::frmSelFichero_794*>(w))
                                 QTest::mouseClick(sel->findChild<QPushButton*>(boton), Qt::LeftButton);
                         });
    }
    bool menuActivo(const char* nombre) { return principal_.Menu(nombre)->isEnabled(); }

    prueba::Entorno entorno_;
    prueba::InteraccionPrueba pantalla_;
    quelvo::LienzoGrabacion lienzo_;
    quelvo::MDI794 principal_;
    QPointer<frmImprimirGrabar_794> dialogo_;
};

TEST_F(ImprimirGrabar, GrabaLaPresentacionColectivaElegidaYDevuelveLosMenus) {
    abrirDesdeMenu();
    EXPECT_FALSE(menuActivo("mnuAbrDec"));
    EXPECT_FALSE(control<QCheckBox>("chkGrabar")->isEnabled());
    pulsar("optColectiva");
    for (const char* codigo : {"0001", "0002", "0003"}) elegir(codigo);
    EXPECT_TRUE(control<QCheckBox>("chkGrabar")->isEnabled());
    marcarGrabar("cmdAceptar");
    ASSERT_TRUE(control<QCheckBox>("chkGrabar")->isChecked());
    ASSERT_TRUE(control<QPushButton>("cmdAceptar")->isEnabled());
    pulsar("cmdAceptar");
    EXPECT_EQ(Leer(fichero()),
              Esperado("794_CE11_colectiva.txt"));
    EXPECT_TRUE(pantalla_.avisos.empty());
    EXPECT_TRUE(principal_.isEnabled());
    // The dialog stays for another run; Cancelar brings the menus back.
    pulsar("cmdCancelar");
    QApplication::processEvents();
    EXPECT_TRUE(dialogo_.isNull());
    EXPECT_TRUE(menuActivo("mnuAbrDec"));
    EXPECT_EQ(objImprGrabar().Ejercicio(), 0);
    EXPECT_EQ(objImprGrabar().Periodo(), 5);
}

TEST_F(ImprimirGrabar, CancelarElDestinoNoGrabaYElCierreDevuelveLosMenus) {
    abrirDesdeMenu();
    elegir("0001");
    marcarGrabar("cmdCancelar");
    EXPECT_FALSE(control<QCheckBox>("chkGrabar")->isChecked());
    EXPECT_FALSE(control<QPushButton>("cmdAceptar")->isEnabled());
    EXPECT_FALSE(QFile::exists(fichero()));
    dialogo_->parentWidget()->close();
    QApplication::processEvents();
    EXPECT_TRUE(dialogo_.isNull());
    EXPECT_TRUE(menuActivo("mnuAbrDec"));
}

TEST_F(ImprimirGrabar, DetenerLaBarraTerminaTodaLaEjecucion) {
    abrirDesdeMenu();
    elegir("0001");
    pulsar("chkImprimir");
    pulsar("chkBorrador");
    marcarGrabar("cmdAceptar");
    ASSERT_TRUE(control<QCheckBox>("chkBorrador")->isChecked());
    ASSERT_TRUE(control<QCheckBox>("chkGrabar")->isChecked());
    // The user's Cancel reaches the progress window at its first step.
    quelvo::BarraDeProgreso().cmdCancelar_Click();
    pulsar("cmdAceptar");
    EXPECT_FALSE(QFile::exists(fichero()));
    EXPECT_TRUE(lienzo_.Trabajos().empty());
    EXPECT_TRUE(principal_.isEnabled());
    EXPECT_TRUE(control<QPushButton>("cmdAceptar")->isEnabled());
    pulsar("cmdCancelar");
    QApplication::processEvents();
    EXPECT_TRUE(menuActivo("mnuAbrDec"));
}

TEST_F(ImprimirGrabar, SinDeclaranteElegidoNoSeEjecuta) {
    abrirDesdeMenu();
    // The lists offer no run while nothing is chosen.
    EXPECT_FALSE(control<QCheckBox>("chkImprimir")->isEnabled());
    EXPECT_FALSE(control<QPushButton>("cmdAceptar")->isEnabled());
    // The printer-options button does Accept's preparation first.
    pulsar("cmdOpcImp");
    ASSERT_EQ(pantalla_.avisos.size(), 1u);
    EXPECT_EQ(prueba::TextoAviso(pantalla_.avisos[0]), "No se ha elegido ningún declarante.");
}

class DesdeDeclaraciones : public ImprimirGrabar {
protected:
    void abrir() {
        auto& run = objImprGrabar();
        run.ProcImprimir(1);
        run.vBufferDeclarantes(rt::Variant(rt::VArray::Of({1})));
        run.CodDecla(1);
        run.Moneda("E");
        run.Ejercicio(2011);
        run.Periodo(6);
        run.Periodicidad(2);
        quelvo::objDeclarante().CargarDeclarante(1);
        dialogo_ = frmImprimirGrabar_794::Abrir([this] { ++vueltas_; });
        QApplication::processEvents();
    }
    // Opens declarant 1's declarations window and there prints declaration 1.
    void abrirDesdeLaVentana(QPointer<quelvo::frmDeclaraciones_794>& declaraciones) {
        quelvo::objDeclarante().CargarDeclarante(1);
        quelvo::objDeclarante().Modo(1);
        quelvo::objListaDeclaraciones().Modo(1);
        quelvo::objListaDeclaraciones().CodDecla(0);
        declaraciones = quelvo::MostrarDeclaraciones();
        QApplication::processEvents();
        auto lista = declaraciones->findChild<QTreeWidget*>("lsvDeclaraciones");
        for (int i = 0; i < lista->topLevelItemCount(); ++i)
            if (lista->topLevelItem(i)->text(0) == "1") lista->setCurrentItem(lista->topLevelItem(i));
        declaraciones->findChild<QPushButton*>("cmdImprimir")->click();
        QApplication::processEvents();
        dialogo_ = principal_.findChild<frmImprimirGrabar_794*>();
    }
    int vueltas_ = 0;
};

TEST_F(DesdeDeclaraciones, MuestraLaDeclaracionYVuelveAlCerrar) {
    abrir();
    EXPECT_EQ(control<QLineEdit>("txtEjercicio")->text(), "2011");
    EXPECT_EQ(control<QLineEdit>("txtDeclarados")->text(), "2");
    EXPECT_EQ(control<QLineEdit>("txtMoneda")->text(), "Euros");
    EXPECT_EQ(control<QLineEdit>("txtNifDeclarante")->text(), "12345678Z");
    EXPECT_TRUE(control<QCheckBox>("chkGrabar")->isEnabled());
    pulsar("cmdCancelar");
    QApplication::processEvents();
    EXPECT_EQ(vueltas_, 1);
    EXPECT_TRUE(dialogo_.isNull());
}

TEST_F(DesdeDeclaraciones, LaFechaTecleadaSeConservaYSeComprueba) {
    abrir();
    auto fecha = control<QLineEdit>("txtFechaPresentacion");
    EXPECT_FALSE(fecha->isEnabled());
    EXPECT_EQ(fecha->text(), "__/__/____");
    pulsar("chkImprimir");
    pulsar("chkBorrador");
    ASSERT_TRUE(fecha->isEnabled());
    EXPECT_EQ(fecha->text(), QDate::currentDate().toString("dd/MM/yyyy"));
    fecha->setText("31/12/2002");
    pulsar("chkEtiquetas");
    EXPECT_EQ(fecha->text(), "31/12/2002");
    pulsar("cmdAceptar");
    ASSERT_EQ(pantalla_.avisos.size(), 1u);
    EXPECT_EQ(prueba::TextoAviso(pantalla_.avisos[0]), "La Fecha de presentación no puede ser anterior al 01/01/2003");
    EXPECT_EQ(prueba::TituloAviso(pantalla_.avisos[0]), "Error en la Introducción de Datos");
    EXPECT_TRUE(lienzo_.Trabajos().empty());
    // Only labels need no date.
    pulsar("chkBorrador");
    EXPECT_FALSE(fecha->isEnabled());
    EXPECT_EQ(fecha->text(), "__/__/____");
}

TEST_F(DesdeDeclaraciones, GrabaLaDeclaracionAbierta) {
    abrir();
    marcarGrabar("cmdAceptar");
    pulsar("cmdAceptar");
    const QByteArray escrito = Leer(fichero());
    // The declarant's record and its two entries, no presenter's record.
    EXPECT_EQ(escrito.count("\r\n"), 3);
    EXPECT_TRUE(escrito.startsWith("17942011"));
}

TEST_F(DesdeDeclaraciones, ElBotonDeLaVentanaDeDeclaracionesAbreElDialogoYVuelve) {
    EXPECT_TRUE(prueba::ImprimirDesdeDeclaraciones(1, "1").isNull());
    dialogo_ = principal_.findChild<frmImprimirGrabar_794*>();
    ASSERT_NE(dialogo_, nullptr);
    EXPECT_EQ(control<QLineEdit>("txtEjercicio")->text(), "2011");
    EXPECT_EQ(control<QLineEdit>("txtPeriodo")->text(), quelvo::DescripcionPeriodo(6, 2));
    EXPECT_EQ(control<QLineEdit>("txtMoneda")->text(), "Euros");
    EXPECT_EQ(objImprGrabar().vBufferDeclarantes(), rt::Variant(rt::VArray::Of({1})));
    pulsar("cmdCancelar");
    QApplication::processEvents();
    auto vuelta = principal_.findChild<quelvo::frmDeclaraciones_794*>();
    ASSERT_NE(vuelta, nullptr);
    EXPECT_EQ(vuelta->findChild<QTreeWidget*>("lsvDeclaraciones")->currentItem()->text(0), "1");
    vuelta->close();
}

TEST_F(DesdeDeclaraciones, OpcionesDeImpresoraCanceladasNoEjecutanNada) {
    abrir();
    marcarGrabar("cmdAceptar");
    for (bool aceptar : {false, true}) {
        prueba::ConModal([&] { pulsar("cmdOpcImp"); },
                         [&](QWidget* w) {
                             if (auto d = qobject_cast<QPrintDialog*>(w))
                                 QMetaObject::invokeMethod(d, aceptar ? "accept" : "reject");
                         });
        EXPECT_EQ(QFile::exists(fichero()), aceptar);
    }
}

// The printer dialog offers only what a run uses: whole documents on A4, so
// no page range and no paper settings.
TEST_F(DesdeDeclaraciones, ElDialogoDeImpresoraNoOfreceLoQueNoSeUsa) {
    abrir();
    pulsar("chkImprimir");
    pulsar("chkBorrador");
    bool visto = false;
    prueba::ConModal([&] { pulsar("cmdOpcImp"); },
                     [&](QWidget* w) {
                         auto d = qobject_cast<QPrintDialog*>(w);
                         if (!d) return;
                         visto = true;
                         EXPECT_EQ(d->objectName(), "cmmPrinter");
                         EXPECT_FALSE(d->testOption(QAbstractPrintDialog::PrintPageRange));
                         EXPECT_FALSE(d->testOption(QAbstractPrintDialog::PrintSelection));
                         EXPECT_FALSE(d->testOption(QAbstractPrintDialog::PrintCurrentPage));
                         EXPECT_FALSE(d->testOption(QAbstractPrintDialog::PrintShowPageSize));
                         EXPECT_TRUE(d->testOption(QAbstractPrintDialog::PrintToFile));
                         // Qt's own range buttons, which it leaves on whatever
                         // the options say.
                         for (const char* rango : {"printRange", "pagesRadioButton", "pageSetCombo"}) {
                             if (auto control = d->findChild<QWidget*>(rango)) {
                                 EXPECT_FALSE(control->isEnabled()) << rango;
                             }
                         }
                         d->reject();
                     });
    EXPECT_TRUE(visto);
    EXPECT_TRUE(lienzo_.Trabajos().empty());
}

// Printing to a file from the printer dialog puts the whole run in that file,
// one page per job in the order printed; the work folder gets no PDF of it.
// The file served that run only.
class ImprimirAFichero : public DesdeDeclaraciones {
protected:
    void SetUp() override {
        if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a printer";
        DesdeDeclaraciones::SetUp();
        quelvo::EstablecerLienzoPruebas(nullptr);
        QDesktopServices::setUrlHandler("file", &sinVisor_, "metodoQueNoExiste");
        ASSERT_TRUE(QDir(entorno_.carpeta()).mkdir("salida"));
    }
    void TearDown() override {
        QDesktopServices::unsetUrlHandler("file");
        quelvo::EstablecerImpresora(QString());
        DesdeDeclaraciones::TearDown();
        quelvo::lngIdioma = 0;
    }
    // Runs from the printer dialog, printing to `ruta` after `antes` acts on
    // the dialog; answers the question Qt asks before replacing a file as
    // told (after a no, the dialog is cancelled).
    void imprimirA(const QString& ruta, bool sustituir = true,
                   const std::function<void(QPrintDialog*)>& antes = {}) {
        bool aceptado = false;
        prueba::ConModal([&] { pulsar("cmdOpcImp"); },
                         [&](QWidget* w) {
                             if (auto d = qobject_cast<QPrintDialog*>(w)) {
                                 if (std::exchange(aceptado, true)) {
                                     d->reject();
                                     return;
                                 }
                                 auto fichero = d->findChild<QLineEdit*>("filename");
                                 if (!fichero) {
                                     ADD_FAILURE() << "the dialog has no output file";
                                     return;
                                 }
                                 if (antes) antes(d);
                                 fichero->setText(ruta);
                                 // Its print button, which checks the file.
                                 QPushButton* imprimir = d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
                                 QTimer::singleShot(0, imprimir, &QPushButton::click);
                             } else if (auto pregunta = qobject_cast<QMessageBox*>(w)) {
                                 pregunta->button(sustituir ? QMessageBox::Yes : QMessageBox::No)->click();
                             }
                         });
        QApplication::processEvents();
    }
    QStringList pdfsEnTrabajo() const { return QDir(entorno_.carpeta()).entryList({"*.pdf"}, QDir::Files); }
    QString elegido() const { return entorno_.carpeta() + "/salida/mi declaración.pdf"; }
    QObject sinVisor_;
};

TEST_F(ImprimirAFichero, TodaLaEjecucionVaAlFicheroElegidoEnSuOrden) {
    abrir();
    pulsar("chkImprimir");
    for (const char* c : {"chkBorrador", "chkEtiquetas", "chkInteresado", "chkAdministracion"}) pulsar(c);
    imprimirA(elegido());
    ASSERT_EQ(prueba::Paginas(elegido()), 4);
    const char* paginas[] = {"BORRADOR", "MODELO 794 EREDUA", "EJEMPLAR PARA EL INTERESADO",
                             "EJEMPLAR PARA LA ADMINISTRACION"};
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(prueba::TextoPagina(elegido(), i + 1).contains(paginas[i])) << paginas[i];
    EXPECT_TRUE(pdfsEnTrabajo().isEmpty()) << pdfsEnTrabajo().join(' ').toStdString();
    EXPECT_TRUE(QDir(entorno_.carpeta() + "/salida").entryList({"*.tmp*"}, QDir::Files).isEmpty());
    // Said once, the file named.
    ASSERT_EQ(pantalla_.avisos.size(), 1u);
    EXPECT_EQ(prueba::TextoAviso(pantalla_.avisos[0]),
              "La impresión se ha guardado en el fichero " + QDir::toNativeSeparators(elegido()) + ".");
    EXPECT_TRUE(principal_.isEnabled());

    // Aceptar prints where it always does; the chosen file stays as it was.
    const QByteArray impreso = Leer(elegido());
    pulsar("cmdAceptar");
    EXPECT_EQ(Leer(elegido()), impreso);
    EXPECT_EQ(pdfsEnTrabajo().size(), 4);
}

// Qt asks before the chosen file is replaced: yes replaces it with the run,
// no runs nothing and leaves it as it was.
TEST_F(ImprimirAFichero, UnFicheroQueYaExisteSeSustituyeSoloSiSeAcepta) {
    {
        QFile viejo(elegido());
        ASSERT_TRUE(viejo.open(QIODevice::WriteOnly));
        viejo.write("un fichero anterior");
    }
    abrir();
    pulsar("chkImprimir");
    pulsar("chkInteresado");
    imprimirA(elegido(), false);
    EXPECT_EQ(Leer(elegido()), "un fichero anterior");
    imprimirA(elegido(), true);
    EXPECT_EQ(prueba::Paginas(elegido()), 1);
    EXPECT_TRUE(prueba::TextoPagina(elegido(), 1).contains("EJEMPLAR PARA EL INTERESADO"));
    EXPECT_TRUE(pdfsEnTrabajo().isEmpty());
}

// A file honours none of a printer's choices: they are off while the file is
// chosen, one copy shown, and back as kept for a printer.
TEST_F(ImprimirAFichero, LoQueElFicheroNoRespetaSeApaga) {
    QPrinter guardada;
    guardada.setCopyCount(2);
    quelvo::EstablecerImpresora(guardada);
    // The choices on, then the copies shown.
    const auto opciones = [](QPrintDialog* d) {
        QString vistas;
        for (const char* o : {"copies", "collate", "reverse", "colorMode", "duplex"})
            if (d->findChild<QWidget*>(o)->isEnabled()) vistas += QString(o) + " ";
        return (vistas + d->findChild<QSpinBox*>("copies")->text()).toStdString();
    };
    abrir();
    pulsar("chkImprimir");
    pulsar("chkInteresado");
    imprimirA(elegido(), true, [&](QPrintDialog* d) {
        EXPECT_EQ(opciones(d), "1");
        auto impresoras = d->findChild<QComboBox*>("printers");
        impresoras->insertItem(0, "otra impresora");
        impresoras->setCurrentIndex(0);
        EXPECT_EQ(opciones(d), "copies collate reverse colorMode duplex 2");
        impresoras->setCurrentIndex(1);
        EXPECT_EQ(opciones(d), "1");
    });
    EXPECT_EQ(prueba::Paginas(elegido()), 1);
}

// A run the user stops keeps in the file what was printed until then, and
// says so rather than that the printing was saved.
TEST_F(ImprimirAFichero, UnaEjecucionDetenidaDiceQueElFicheroTieneSoloLoImpreso) {
    abrir();
    pulsar("chkImprimir");
    pulsar("chkBorrador");
    pulsar("chkInteresado");
    // Cancel in the progress window as soon as the run shows it.
    QTimer detener;
    QObject::connect(&detener, &QTimer::timeout, [&] {
        if (!quelvo::BarraDeProgreso().isVisible()) return;
        quelvo::BarraDeProgreso().cmdCancelar_Click();
        detener.stop();
    });
    detener.start(0);
    imprimirA(elegido());
    EXPECT_EQ(prueba::Paginas(elegido()), 1);
    EXPECT_TRUE(prueba::TextoPagina(elegido(), 1).contains("BORRADOR"));
    ASSERT_EQ(pantalla_.avisos.size(), 1u);
    EXPECT_EQ(prueba::TextoAviso(pantalla_.avisos[0]), "La impresión se ha detenido: el fichero " +
                                                           QDir::toNativeSeparators(elegido()) +
                                                           " tiene solo lo impreso hasta entonces.");
}

TEST_F(DesdeDeclaraciones, ElMenuConElDialogoDeUnaDeclaracionAbiertoLoSustituye) {
    abrir();
    QPointer<frmImprimirGrabar_794> anterior = dialogo_;
    abrirDesdeMenu();
    EXPECT_EQ(vueltas_, 1);  // the first went its way back
    EXPECT_TRUE(anterior.isNull());
    ASSERT_NE(dialogo_, nullptr);
    auto selector = control<QWidget>("ctrdatos");
    ASSERT_NE(selector, nullptr);
    EXPECT_EQ(selector->findChild<QLineEdit*>("txtEjercicio")->text(), "2011");
}

TEST_F(DesdeDeclaraciones, ElProgresoCuentaLasCopiasConFechaYElFichero) {
    abrir();
    pulsar("chkImprimir");
    for (const char* c : {"chkBorrador", "chkEtiquetas", "chkAdministracion"}) pulsar(c);
    marcarGrabar("cmdAceptar");
    // Draft, Administration's copy and the file, two entries each; labels do
    // not count.
    dialogo_->InicializarBarraDeProgreso(false);
    EXPECT_EQ(quelvo::intTotalProgreso, 6);
    dialogo_->InicializarBarraDeProgreso(true);
    EXPECT_EQ(quelvo::intTotalProgreso, 2);
    EXPECT_FALSE(principal_.isEnabled());
    quelvo::intProgreso = quelvo::intTotalProgreso;
    quelvo::AvanzarProgreso(0);
    quelvo::HabilitarPrincipal();
}

TEST_F(DesdeDeclaraciones, ConBasesNegativasSoloSaleElBorrador) {
    entorno_.sql("UPDATE tOperadores SET base = -5 WHERE codope = 1;");
    abrir();
    pulsar("chkImprimir");
    for (const char* c : {"chkBorrador", "chkEtiquetas", "chkInteresado", "chkAdministracion"}) pulsar(c);
    marcarGrabar("cmdAceptar");
    pulsar("cmdAceptar");
    // The draft's page, then the refusal from the printing gate and again
    // from the writer; no labels, copies or file.
    EXPECT_EQ(lienzo_.Trabajos().size(), 1u);
    ASSERT_EQ(pantalla_.listas.size(), 2u);
    EXPECT_EQ(pantalla_.listas[0], std::vector<int>{64});
    EXPECT_EQ(pantalla_.listas[1], std::vector<int>{64});
    EXPECT_FALSE(QFile::exists(fichero()));
    EXPECT_TRUE(principal_.isEnabled());
}

TEST_F(DesdeDeclaraciones, ImprimeEnSuOrdenYLuegoGraba) {
    abrir();
    pulsar("chkImprimir");
    for (const char* c : {"chkBorrador", "chkInteresado"}) pulsar(c);
    marcarGrabar("cmdAceptar");
    pulsar("cmdAceptar");
    EXPECT_EQ(objImprGrabar().Impreso(), 2);  // the draft first, then the declarant's copy
    EXPECT_GE(lienzo_.Trabajos().size(), 2u);
    EXPECT_TRUE(pantalla_.avisos.empty());
    EXPECT_TRUE(QFile::exists(fichero()));
    EXPECT_EQ(objImprGrabar().FechaPresentacion(), QDate::currentDate().toString("dd/MM/yyyy"));
    EXPECT_TRUE(principal_.isEnabled());
}

// A printer that fails at the first page it is sent.
class LienzoQueFalla : public quelvo::LienzoGrabacion {
protected:
    void Emitir(const quelvo::Trabajo&) override {
        throw rt::Error(482, "Quelvo", "Printer error");
    }
};

TEST_F(DesdeDeclaraciones, UnFalloAlImprimirSeDiceYElFicheroSeGrabaIgual) {
    LienzoQueFalla falla;
    quelvo::EstablecerLienzoPruebas(&falla);
    abrir();
    pulsar("chkImprimir");
    pulsar("chkBorrador");
    marcarGrabar("cmdAceptar");
    pulsar("cmdAceptar");
    ASSERT_EQ(pantalla_.avisos.size(), 1u);
    EXPECT_EQ(prueba::TextoAviso(pantalla_.avisos[0]),
              "Se ha producido un error durante la impresión. Printer error");
    EXPECT_EQ(prueba::TituloAviso(pantalla_.avisos[0]), "Error de impresión");
    EXPECT_TRUE(QFile::exists(fichero()));
    EXPECT_TRUE(principal_.isEnabled());
    EXPECT_TRUE(control<QPushButton>("cmdAceptar")->isEnabled());
    quelvo::EstablecerLienzoPruebas(&lienzo_);
}

// No printer and no PDF viewer: every output is written as a PDF in the work
// folder, and the run says so once, naming the folder and the files.
class SinImpresoraNiVisor : public DesdeDeclaraciones {
protected:
    void SetUp() override {
        if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a printer";
        DesdeDeclaraciones::SetUp();
        quelvo::EstablecerLienzoPruebas(nullptr);
        quelvo::EstablecerImpresora("ninguna");
        QDesktopServices::setUrlHandler("file", &sinVisor_, "metodoQueNoExiste");
    }
    void TearDown() override {
        QDesktopServices::unsetUrlHandler("file");
        quelvo::EstablecerImpresora(QString());
        DesdeDeclaraciones::TearDown();
        quelvo::lngIdioma = 0;
    }
    // A run of the open declaration printing the outputs named.
    void imprimir(std::initializer_list<const char*> salidas) {
        abrir();
        pulsar("chkImprimir");
        for (const char* c : salidas) pulsar(c);
        pulsar("cmdAceptar");
        pulsar("cmdCancelar");
        QApplication::processEvents();
    }
    QObject sinVisor_;
};

TEST_F(SinImpresoraNiVisor, LosPdfEscritosSeDicenEnUnSoloAvisoQueNoEsDeError) {
    const struct {
        int32_t idioma;
        const char* sinAbrir;
    } idiomas[] = {{0, "No se han podido abrir automáticamente"},
                   {quelvo::kOffsetEuskera, "Ezin izan dira automatikoki ireki"}};
    // Named for the declarant, the exercise and the period.
    const QStringList ficheros = {"794_Borrador_12345678Z_2011_2T.pdf", "794_Etiqueta_12345678Z_2011_2T.pdf",
                                  "794_Interesado_12345678Z_2011_2T.pdf",
                                  "794_Administracion_12345678Z_2011_2T.pdf"};
    for (const auto& i : idiomas) {
        quelvo::lngIdioma = i.idioma;
        pantalla_.avisos.clear();
        for (const QString& f : ficheros) QFile::remove(entorno_.carpeta() + "/" + f);
        imprimir({"chkBorrador", "chkEtiquetas", "chkInteresado", "chkAdministracion"});
        ASSERT_EQ(pantalla_.avisos.size(), 1u) << i.idioma;
        const QString titulo = prueba::TituloAviso(pantalla_.avisos[0]);
        const QString texto = prueba::TextoAviso(pantalla_.avisos[0]);
        EXPECT_EQ(titulo, quelvo::Cat(208));
        EXPECT_NE(titulo, quelvo::Cat(173));
        EXPECT_TRUE(texto.contains(QDir(entorno_.carpeta()).absolutePath())) << texto.toStdString();
        EXPECT_TRUE(texto.contains(i.sinAbrir)) << texto.toStdString();
        for (const QString& f : ficheros) {
            EXPECT_TRUE(texto.contains(f)) << f.toStdString() << "\n" << texto.toStdString();
            EXPECT_TRUE(QFile::exists(entorno_.carpeta() + "/" + f)) << f.toStdString();
        }
    }
}

// A PDF that cannot be written is a real failure: told as a print error, in
// the user's language, and the files of the run are not reported as written.
TEST_F(SinImpresoraNiVisor, UnPdfQueNoSePuedeEscribirSigueSiendoUnError) {
    // A work folder that is a file: nothing can be written in it, by anyone.
    const QString carpeta = entorno_.carpeta() + "/telematica";
    {
        QFile fichero(carpeta);
        ASSERT_TRUE(fichero.open(QIODevice::WriteOnly));
        fichero.write("no es una carpeta");
    }
    quelvo::strRutaTrabajo = carpeta.toStdString();
    const struct {
        int32_t idioma;
        const char* noEscrito;
    } idiomas[] = {{0, "No se ha podido escribir el fichero"},
                   {quelvo::kOffsetEuskera, "Ezin izan da"}};
    for (const auto& i : idiomas) {
        quelvo::lngIdioma = i.idioma;
        pantalla_.avisos.clear();
        imprimir({"chkBorrador"});
        ASSERT_EQ(pantalla_.avisos.size(), 1u) << i.idioma;
        const QString texto = prueba::TextoAviso(pantalla_.avisos[0]);
        EXPECT_EQ(prueba::TituloAviso(pantalla_.avisos[0]), quelvo::Cat(173));
        EXPECT_TRUE(texto.startsWith(quelvo::Cat(269))) << texto.toStdString();
        EXPECT_TRUE(texto.contains(i.noEscrito)) << texto.toStdString();
        EXPECT_TRUE(texto.contains("794_Borrador_12345678Z_2011_2T.pdf")) << texto.toStdString();
        EXPECT_TRUE(QFileInfo(carpeta).isFile());
    }
}

// The main window is disabled during a run and enabled at its end; that must
// not bring back any menu entry the dialog's opener turned off, however the
// run ends: the menus stay as they were until the dialog closes.
TEST_F(DesdeDeclaraciones, LosMenusSiguenApagadosTrasUnaEjecucionConElDialogoAbierto) {
    const auto estados = [&] {
        std::map<std::string, bool> m;
        for (QAction* a : principal_.findChildren<QAction*>())
            if (a->objectName().startsWith("mnu")) m[a->objectName().toStdString()] = a->isEnabled();
        return m;
    };
    const auto cambiadas = [](const std::map<std::string, bool>& antes, const std::map<std::string, bool>& ahora) {
        std::string nombres;
        for (const auto& [nombre, activa] : ahora)
            if (antes.at(nombre) != activa) nombres += nombre + " ";
        return nombres;
    };
    LienzoQueFalla falla;
    const struct {
        const char* caso;
        bool desdeMenu;
        quelvo::Lienzo* lienzo;
    } casos[] = {{"from the menu", true, &lienzo_},
                 {"from the declarations window", false, &lienzo_},
                 {"from the declarations window, the printer failing", false, &falla}};
    for (const auto& c : casos) {
        quelvo::EstablecerLienzoPruebas(c.lienzo);
        QPointer<quelvo::frmDeclaraciones_794> declaraciones;
        if (c.desdeMenu) {
            abrirDesdeMenu();
            elegir("0001");
        } else {
            abrirDesdeLaVentana(declaraciones);
        }
        ASSERT_NE(dialogo_, nullptr) << c.caso;
        const auto antes = estados();
        EXPECT_FALSE(antes.at("mnuDeclarante")) << c.caso;
        EXPECT_FALSE(antes.at("mnuAbrDec")) << c.caso;
        pulsar("chkImprimir");
        pulsar("chkBorrador");
        pulsar("cmdAceptar");
        QApplication::processEvents();
        EXPECT_TRUE(principal_.isEnabled()) << c.caso;
        EXPECT_EQ(cambiadas(antes, estados()), "") << c.caso;
        // Closing the dialog hands back: the menus, or the declarations window.
        pulsar("cmdCancelar");
        prueba::Procesar();
        if (auto vuelta = principal_.findChild<quelvo::frmDeclaraciones_794*>()) vuelta->close();
        prueba::Procesar();
        EXPECT_TRUE(menuActivo("mnuAbrDec")) << c.caso;
    }
}

TEST_F(DesdeDeclaraciones, EnEuskeraLaFechaVaPrimeroElAno) {
    quelvo::lngIdioma = quelvo::kOffsetEuskera;
    abrir();
    auto fecha = control<QLineEdit>("txtFechaPresentacion");
    EXPECT_EQ(fecha->text(), "____/__/__");
    EXPECT_EQ(control<QCheckBox>("chkGrabar")->text(), quelvo::Cat(190));
    pulsar("chkImprimir");
    pulsar("chkInteresado");
    EXPECT_EQ(fecha->text(), QDate::currentDate().toString("yyyy/MM/dd"));
    fecha->setText("2002/12/31");
    pulsar("cmdAceptar");
    ASSERT_EQ(pantalla_.avisos.size(), 1u);
    EXPECT_EQ(prueba::TextoAviso(pantalla_.avisos[0]),
              "Aurkezpen data ezin da 2003/01/01 baino lehenagokoa izan");
    fecha->setText("2003/02/30");
    pulsar("cmdAceptar");
    ASSERT_EQ(pantalla_.avisos.size(), 2u);
    EXPECT_EQ(prueba::TextoAviso(pantalla_.avisos[1]), "La Fecha de presentación introducida no es correcta");
    quelvo::lngIdioma = 0;
}

}  // namespace
