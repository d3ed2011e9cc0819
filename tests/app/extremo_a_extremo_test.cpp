// A new user's whole statement on a fresh home folder, by objectName: the
// presenter and two declarants typed into their editors, a 2011 first-quarter declaration for each
// with entries (one triangular, one rectification), the collective
// submission file recorded and the summary form and label printed to PDF,
// the declaration sent from the declarations window, the declarants
// exported; then both files imported into a second, empty user database,
// which ends up holding the same declarants, declarations and entries.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>

#include "boundary/consulta_db.h"
#include "controls/caja_importe.h"
#include "declarations/clistadeclaraciones.h"
#include "declarations/frmDeclaraciones_794.h"
#include "entorno.h"
#include "exchange/envio_telematico.h"
#include "interaccion_prueba.h"
#include "parties/cdeclarante.h"
#include "printing/frmSelFichero_794.h"
#include "program/mdi794.h"
#include "quelvort/textfile.h"
#include "services/globales.h"
#include "services/objetos.h"
#include "ventanas_declaraciones.h"

using namespace prueba;

namespace {

// Records the files the desktop was asked to open (PDFs, the hand-off page).
class Escritorio : public QObject {
    Q_OBJECT
public slots:
    void abrir(const QUrl& url) { abiertos << QFileInfo(url.toLocalFile()).fileName(); }

public:
    QStringList abiertos;
};

// What a user database holds, row by row, keys aside.
const char* kDeclarantes =
    "SELECT dni_cifd||'|'||nombred||'|'||viad||'|'||domiciliod||'|'||numerod||'|'||letrad||'|'||"
    "escalerad||'|'||pisod||'|'||manod||'|'||cod||'|'||codpostald||'|'||municipiod||'|'||"
    "telefonod||'|'||nombrepd||'|'||telefonopd FROM TDeclarante ORDER BY dni_cifd";
const char* kDeclaraciones =
    "SELECT dni_cifd||'|'||ejercicio||'|'||periodo||'|'||periodicidad||'|'||moneda||'|'||bimensual "
    "FROM TDeclaraciones JOIN TDeclarante ON coddec = coddecr ORDER BY dni_cifd, ejercicio, periodo";
const char* kEntradas =
    "SELECT dni_cifd||'|'||paiso||'|'||nifo||'|'||razon||'|'||claveopo||'|'||tipoopo||'|'||"
    "CAST(base AS INTEGER)||'|'||signoo||'|'||ejercicioo||'|'||periodoo||'|'||triangularo||'|'||"
    "tOperadores.periodicidad FROM tOperadores JOIN TDeclaraciones ON coddecla = coddeclar "
    "JOIN TDeclarante ON coddec = coddecr ORDER BY dni_cifd, nifo";

// The open window of that name, inside the main window or on its own.
QWidget* Abierta(const char* nombre) {
    Procesar();
    for (QWidget* w : QApplication::allWidgets())
        if (w->objectName() == nombre && w->isVisible()) return w;
    return nullptr;
}

class ExtremoAExtremo : public ::testing::Test {
protected:
    void SetUp() override {
        QDesktopServices::setUrlHandler("file", &escritorio_, "abrir");
        principal_.show();
        principal_.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&principal_));
        Procesar();
    }
    void TearDown() override {
        QDesktopServices::unsetUrlHandler("file");
        CerrarVentanas();
    }

    static QLineEdit* caja(QWidget* v, const char* nombre) { return Control<QLineEdit>(v, nombre); }

    // Types into a box of the window as the user does: focus, key by key.
    void Teclear(QWidget* v, const char* nombre, const QString& texto) {
        QLineEdit* c = caja(v, nombre);
        ASSERT_NE(c, nullptr) << nombre;
        c->setFocus(Qt::TabFocusReason);
        Procesar();
        prueba::Teclear(c, texto);
        Procesar();
    }

    // A declarant typed into the declarant editor; its key.
    int32_t Declarante(const QString& nif, const QString& nombre, const QString& calle) {
        QWidget* v = Menu("mnuNueDec");
        EXPECT_NE(v, nullptr);
        if (!v) return 0;
        Teclear(v, "txtNIF", nif);
        Teclear(v, "txtNombre", nombre);
        Teclear(v, "txtViaPub", calle);
        Teclear(v, "txtNumero", "7");
        Teclear(v, "txtCPost", "01005");
        Teclear(v, "txtMunici", "vitoria");
        Teclear(v, "txtNomPdc", "ane ibañez");
        Pulsar(v, "cmdAceptar");
        return std::stoi(Valor(quelvo::strRutaMod,
                               "SELECT coddec FROM TDeclarante WHERE dni_cifd = '" + nif.toStdString() + "'"));
    }

    // The declarant's 2011 first quarter made in the declarations window;
    // the entry window is left open on it.
    QWidget* Declaracion(int32_t declarante) {
        quelvo::objDeclarante().CargarDeclarante(declarante);
        quelvo::objDeclarante().Modo(1);
        quelvo::objListaDeclaraciones().Modo(1);
        quelvo::MostrarDeclaraciones();
        QWidget* d = Abierta("frmDeclaraciones_794");
        EXPECT_NE(d, nullptr);
        Pulsar(d, "cmdCrear");
        Escribir(caja(d, "txtNueEje"), "2011", Control<QWidget>(d, "picPeriodo"));
        Elegir(Control<QToolButton>(d, "picPeriodo"), "1ºTRIMESTRE");
        Pulsar(d, "cmdAceptar");
        return Abierta("frmDeclarados_794");
    }

    // The window a menu entry opens inside the main window.
    QWidget* Menu(const char* entrada) {
        principal_.Menu(entrada)->setEnabled(true);
        principal_.Menu(entrada)->trigger();
        Procesar();
        QMdiSubWindow* activa = principal_.mdiArea()->activeSubWindow();
        return activa ? activa->widget() : nullptr;
    }

    // Presses `boton` and accepts the destination window that it opens,
    // with `ruta` as the file when one is given.
    static void AceptarDestino(QWidget* v, const char* boton, const QString& ruta = QString()) {
        ConModal([&] { Control<QAbstractButton>(v, boton)->click(); },
                 [&](QWidget* w) {
                     auto sel = qobject_cast<quelvo::frmSelFichero_794*>(w);
                     if (!sel) return;
                     if (!ruta.isEmpty()) sel->findChild<QLabel*>("lblRuta")->setText(ruta);
                     sel->cmdAceptar->click();
                 });
        Procesar();
    }

    QString EnTrabajo(const char* fichero) const {
        return QString::fromStdString(quelvo::strRutaTrabajo) + "/" + fichero;
    }
    std::vector<std::string> Filas(const char* sql) const { return Columna(quelvo::strRutaMod, sql); }

    Entorno entorno_;
    InteraccionPrueba pantalla_;
    Escritorio escritorio_;
    quelvo::MDI794 principal_;
};

TEST_F(ExtremoAExtremo, AStatementRecordedPrintedSentExportedAndImportedElsewhere) {
    // The presenter and two declarants, typed into their editors.
    QWidget* p = Menu("mnuPresentador");
    ASSERT_NE(p, nullptr);
    Teclear(p, "txtNIF", "B01234566");
    Teclear(p, "txtNombre", "asesoría garcía sl");
    Teclear(p, "txtSiglas", "CL");
    Teclear(p, "txtViaPub", "portal de castilla");
    Teclear(p, "txtNumero", "12");
    Teclear(p, "txtProvin", "1");
    Teclear(p, "txtCPost", "1001");
    Teclear(p, "txtMunici", "vitoria");
    Teclear(p, "txtNomPdc", "iñaki lópez");
    Teclear(p, "txtTelPdc", "600000000");
    Pulsar(p, "cmdAceptar");
    ASSERT_TRUE(pantalla_.listas.empty());
    ASSERT_EQ(Filas("SELECT nombre FROM TPresentador"), std::vector<std::string>{"ASESORÍA GARCÍA SL"});
    const int32_t uno = Declarante("12345678Z", "exportaciones ñandú sl", "mayor");
    const int32_t dos = Declarante("B12345674", "comercial araba sl", "nueva");
    ASSERT_TRUE(pantalla_.listas.empty());
    ASSERT_EQ(Filas("SELECT count(*) FROM TDeclarante"), std::vector<std::string>{"2"});

    // The first declaration: a triangular entry and a rectification.
    QWidget* v = Declaracion(uno);
    ASSERT_NE(v, nullptr);
    TeclearEntrada(v, "DE", "123456789", "MULLER GMBH", "Entregas intracomunitarias triangulares", "1234,56");
    Pulsar(v, "cmdGuardar");
    TeclearEntrada(v, "FR", "AB123456789", "DUPONT SARL", "(Rectificación) - Entregas intracomunitarias", "100");
    Elegir(Control<QToolButton>(v, "picSigno"), "-");
    Escribir(caja(v, "txtEjer"), "2010", caja(v, "txtNif"));
    Elegir(Control<QToolButton>(v, "picPeriodo"), "4ºTRIMESTRE");
    Pulsar(v, "cmdGuardar");
    Pulsar(v, "cmdCerrar");
    Pulsar(Abierta("frmDeclaraciones_794"), "cmdCerrar");
    // The second: one acquisition.
    v = Declaracion(dos);
    ASSERT_NE(v, nullptr);
    TeclearEntrada(v, "IT", "12345678901", "ROSSI SPA", "Adquisiciones intracomunitarias", "500");
    Pulsar(v, "cmdGuardar");
    Pulsar(v, "cmdCerrar");
    Pulsar(Abierta("frmDeclaraciones_794"), "cmdCerrar");
    ASSERT_TRUE(pantalla_.listas.empty());
    ASSERT_EQ(Filas("SELECT count(*) FROM tOperadores"), std::vector<std::string>{"3"});

    // The collective submission file recorded, the Administration's copy of
    // the summary form and the label printed (to PDF without a printer).
    QWidget* dialogo = Menu("mnuGraImpOfi");
    ASSERT_NE(dialogo, nullptr);
    EXPECT_EQ(dialogo->objectName(), "frmImprimirGrabar_794");
    Pulsar(dialogo, "optColectiva");
    Pulsar(dialogo, "cmdVD");
    Control<QCheckBox>(dialogo, "chkImprimir")->setChecked(true);
    Procesar();
    Control<QCheckBox>(dialogo, "chkAdministracion")->setChecked(true);
    Control<QCheckBox>(dialogo, "chkEtiquetas")->setChecked(true);
    AceptarDestino(dialogo, "chkGrabar");
    ASSERT_TRUE(Control<QCheckBox>(dialogo, "chkGrabar")->isChecked());
    Pulsar(dialogo, "cmdAceptar");
    EXPECT_TRUE(pantalla_.avisos.empty()) << pantalla_.avisos.front().toStdString();
    const auto lineas = rt::ReadAllLines(EnTrabajo("794_CE11.txt").toStdString());
    ASSERT_EQ(lineas.size(), 6u);
    EXPECT_EQ(lineas[0].substr(0, 1), "0");
    if (QPrinterInfo::defaultPrinter().isNull()) {
        for (const char* pdf : {"794_Administracion_Colectiva_B01234566_2011_1T.pdf",
                                "794_Etiqueta_Colectiva_B01234566_2011_1T.pdf"}) {
            EXPECT_TRUE(QFile::exists(EnTrabajo(pdf))) << pdf;
            EXPECT_TRUE(escritorio_.abiertos.contains(pdf)) << pdf;
        }
    }
    Pulsar(dialogo, "cmdCancelar");

    // The first declaration sent from the declarations window.
    quelvo::objDeclarante().CargarDeclarante(uno);
    quelvo::objListaDeclaraciones().Modo(1);
    quelvo::MostrarDeclaraciones();
    QWidget* d = Abierta("frmDeclaraciones_794");
    ASSERT_NE(d, nullptr);
    auto lista = Control<QTreeWidget>(d, "lsvDeclaraciones");
    lista->setCurrentItem(lista->topLevelItem(0));
    Procesar();
    AceptarDestino(d, "cmdTTCon", EnTrabajo("794_envio.txt"));
    EXPECT_EQ(rt::ReadAllLines(EnTrabajo("794_envio.txt").toStdString()).size(), 4u);
    EXPECT_TRUE(escritorio_.abiertos.contains("temphtm.HTM"));
    QFile pagina(quelvo::RutaPaginaEnvio());
    ASSERT_TRUE(pagina.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pagina.readAll().contains("name=NIF1  value='12345678Z'"));
    Pulsar(d, "cmdCerrar");

    // The declarants exported.
    QWidget* exportar = Menu("mnuExpDec");
    ASSERT_NE(exportar, nullptr);
    Pulsar(exportar, "cmdVD");
    AceptarDestino(exportar, "cmdAceptar");
    ASSERT_EQ(rt::ReadAllLines(EnTrabajo("794_Declarantes.txt").toStdString()).size(), 2u);

    // A second, empty user database takes both files.
    const auto declarantes = Filas(kDeclarantes);
    const auto declaraciones = Filas(kDeclaraciones);
    const auto entradas = Filas(kEntradas);
    QTemporaryDir otra;
    quelvo::strRutaMod = CrearBaseUsuarioPrueba(otra.path().toStdString());
    ASSERT_TRUE(Filas(kDeclarantes).empty());

    QWidget* importar = Menu("mnuImpDec");
    ASSERT_NE(importar, nullptr);
    Pulsar(importar, "cmdImportar");
    EXPECT_EQ(Control<QLabel>(importar, "labelNoImportados")->text(), "2");
    Pulsar(importar, "cmdImportar");
    importar = Menu("mnuImpSop");
    ASSERT_NE(importar, nullptr);
    Control<QLabel>(importar, "lblRuta")->setText(EnTrabajo("794_CE11.txt"));
    Pulsar(importar, "cmdImportar");
    EXPECT_EQ(Control<QLabel>(importar, "labelOpeNoImp")->text(), "3");
    EXPECT_EQ(Control<QLabel>(importar, "labelDteNoErr")->text(), "0");
    EXPECT_EQ(Control<QLabel>(importar, "labelNoTotal")->text(), "6");
    Pulsar(importar, "cmdImportar");

    EXPECT_EQ(Filas(kDeclarantes), declarantes);
    EXPECT_EQ(Filas(kDeclaraciones), declaraciones);
    EXPECT_EQ(Filas(kEntradas), entradas);
    EXPECT_EQ(entradas.size(), 3u);
    EXPECT_TRUE(pantalla_.avisos.empty()) << pantalla_.avisos.front().toStdString();
}

}  // namespace

#include "extremo_a_extremo_test.moc"
