// The telematic submission window, opened from the main window's menu: the
// presentation type, the selector, the submission file written and the
// hand-off page opened in the browser.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QUrl>
#include <QtTest/QTest>

#include "datos_grabacion.h"
#include "dialogos.h"
#include "entorno.h"
#include "exchange/envio_telematico.h"
#include "exchange/frmEnvTelematico_794.h"
#include "exchange/frmExporDtes_794.h"
#include "interaccion_prueba.h"
#include "printing/cimprgrabar.h"
#include "printing/ctrSelFichero_794.h"
#include "printing/frmImprimirGrabar_794.h"
#include "printing/frmSelFichero_794.h"
#include "program/mdi794.h"
#include "quelvort/cp1252.h"
#include "services/globales.h"
#include "services/objetos.h"
#include "ventanas_declaraciones.h"

namespace {

// Records the pages the desktop was asked to open.
class Navegador : public QObject {
    Q_OBJECT
public slots:
    void abrir(const QUrl& url) { paginas << url.toLocalFile(); }

public:
    QStringList paginas;
};

class EnvioVentana : public ::testing::Test {
protected:
    void SetUp() override {
        entorno_.sql(prueba::kDatosGrabacion);
        // One period of 2011 for the three declarants.
        entorno_.sql("DELETE FROM tOperadores WHERE coddeclar = 4; DELETE FROM TDeclaraciones WHERE coddecla = 4;");
        QDesktopServices::setUrlHandler("file", &navegador_, "abrir");
    }
    void TearDown() override {
        QDesktopServices::unsetUrlHandler("file");
        mdi_.DescargarTodosLosFormularios(QString());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    quelvo::frmEnvTelematico_794* Abrir() {
        mdi_.show();
        QApplication::processEvents();
        mdi_.Menu("mnuTelGes")->setEnabled(true);
        mdi_.Menu("mnuTelGes")->trigger();
        QApplication::processEvents();
        auto hijas = mdi_.mdiArea()->subWindowList();
        return hijas.isEmpty() ? nullptr : qobject_cast<quelvo::frmEnvTelematico_794*>(hijas[0]->widget());
    }
    static void Elegir(quelvo::frmEnvTelematico_794* v, const QString& nif) {
        auto org = v->ctrdatos->lsvOrg;
        for (int i = 0; i < org->topLevelItemCount(); ++i)
            if (org->topLevelItem(i)->text(2) == nif) org->setCurrentItem(org->topLevelItem(i));
        QTest::mouseClick(v->ctrdatos->cmdUD, Qt::LeftButton);
    }
    // The hand-off page as the browser reads it.
    static QString Pagina() {
        QFile f(quelvo::RutaPaginaEnvio());
        if (!f.open(QIODevice::ReadOnly)) return "<no existe>";
        return QString::fromStdString(rt::FromCp1252(f.readAll().toStdString()));
    }
    static QString Campo(const char* nombre, const QString& valor) {
        return QString(" <INPUT type=hidden name=%1  value='%2' >").arg(nombre, valor);
    }
    QString Fichero() const { return QString::fromStdString(quelvo::strRutaTrabajo) + "/794_CE11.txt"; }

    prueba::Entorno entorno_;
    prueba::InteraccionPrueba pantalla_;
    quelvo::MDI794 mdi_;
    Navegador navegador_;
};

TEST_F(EnvioVentana, CollectiveSendWritesTheFileAndHandsItToTheBrowser) {
    auto v = Abrir();
    ASSERT_TRUE(v);
    EXPECT_EQ(v->windowTitle(), "Transmisión telemática con certificado o clave operativa");
    EXPECT_TRUE(v->optColectiva->isEnabled());
    EXPECT_TRUE(v->optColectiva->isChecked());
    EXPECT_FALSE(quelvo::objImprGrabar().UnDte());
    EXPECT_EQ(quelvo::objImprGrabar().IndCol(), 1);
    EXPECT_EQ(v->ctrSelFichero->findChild<QLabel*>("lblRuta")->text(), Fichero());
    EXPECT_FALSE(v->cmdEnviar->isEnabled());
    ASSERT_EQ(v->ctrdatos->lsvOrg->topLevelItemCount(), 3);
    QTest::mouseClick(v->ctrdatos->cmdVD, Qt::LeftButton);
    ASSERT_TRUE(v->cmdEnviar->isEnabled());
    QTest::mouseClick(v->cmdEnviar, Qt::LeftButton);

    EXPECT_TRUE(pantalla_.avisos.empty()) << pantalla_.avisos.front().toStdString();
    EXPECT_TRUE(QFile::exists(Fichero()));
    ASSERT_EQ(navegador_.paginas, QStringList{quelvo::RutaPaginaEnvio()});
    const QString pagina = Pagina();
    for (const QString& campo :
         {Campo("fichero", Fichero()), Campo("idioma", "C"), Campo("tipo", "C"),
          Campo("declarantes", "3"), Campo("NIF1", "12345678Z"), Campo("nombre1", "O´NEILL PEÑA SL"),
          Campo("p1", "2"), Campo("p5", "1"), Campo("nombre", "ASESORÍA GARCÍA Y ASOCIADOS S.L.") +
              " " + Campo("NIF", "B01234566"),
          Campo("ejercicio", "2011"), Campo("periodo", "2")})
        EXPECT_TRUE(pagina.contains(campo)) << campo.toStdString() << "\n" << pagina.toStdString();
    EXPECT_FALSE(pagina.contains("name=p6"));
    // The window stays for another send.
    EXPECT_TRUE(v->isVisible());
    EXPECT_TRUE(v->cmdEnviar->isEnabled());
}

TEST_F(EnvioVentana, IndividualSendOfOneDeclarant) {
    auto v = Abrir();
    ASSERT_TRUE(v);
    QTest::mouseClick(v->optIndividual, Qt::LeftButton);
    EXPECT_TRUE(quelvo::objImprGrabar().UnDte());
    EXPECT_EQ(quelvo::objImprGrabar().IndCol(), 0);
    Elegir(v, "12345678Z");
    ASSERT_TRUE(v->cmdEnviar->isEnabled());
    QTest::mouseClick(v->cmdEnviar, Qt::LeftButton);
    const QString pagina = Pagina();
    for (const QString& campo : {Campo("tipo", "I"), Campo("primerDeclarante", " "), Campo("p6", "2011"),
                                 Campo("NIF", "12345678Z") + " " + Campo("nombre", "O´NEILL PEÑA SL")})
        EXPECT_TRUE(pagina.contains(campo)) << campo.toStdString();
    EXPECT_EQ(quelvo::objImprGrabar().CodDecla(), 1);
    // Choosing Colectiva again gives the collective run back.
    QTest::mouseClick(v->optColectiva, Qt::LeftButton);
    EXPECT_FALSE(quelvo::objImprGrabar().UnDte());
    EXPECT_EQ(quelvo::objImprGrabar().IndCol(), 1);
}

TEST_F(EnvioVentana, ACollectiveSendWithoutAWholePresenterSendsNothing) {
    entorno_.sql("UPDATE TPresentador SET nombre = ''");
    auto v = Abrir();
    ASSERT_TRUE(v);
    QTest::mouseClick(v->ctrdatos->cmdVD, Qt::LeftButton);
    QTest::mouseClick(v->cmdEnviar, Qt::LeftButton);
    EXPECT_FALSE(pantalla_.listas.empty());
    EXPECT_FALSE(QFile::exists(Fichero()));
    EXPECT_TRUE(navegador_.paginas.isEmpty());
    EXPECT_TRUE(mdi_.isEnabled());
}

TEST_F(EnvioVentana, ClosingGivesTheMenusBackAndClearsTheRun) {
    auto v = Abrir();
    ASSERT_TRUE(v);
    EXPECT_FALSE(mdi_.Menu("mnuNueDec")->isEnabled());
    QTest::mouseClick(v->cmdCerrar, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(mdi_.mdiArea()->subWindowList().isEmpty());
    EXPECT_TRUE(mdi_.Menu("mnuNueDec")->isEnabled());
    EXPECT_EQ(quelvo::objImprGrabar().Ejercicio(), 0);
    EXPECT_EQ(quelvo::objImprGrabar().Periodo(), 5);
}

// What the destination window offered when it opened.
struct Destino {
    bool abierta = false;
    bool colectivaVisible = false;
    bool colectivaMarcada = false;
};

// Answers the destination window that `accion` opens with `boton`.
Destino ResponderDestino(const std::function<void()>& accion, const char* boton) {
    Destino d;
    prueba::ConModal(accion, [&](QWidget* w) {
        auto sel = qobject_cast<quelvo::frmSelFichero_794*>(w);
        if (!sel) return;
        d.abierta = true;
        d.colectivaVisible = sel->fraIndCol->isVisibleTo(sel);
        d.colectivaMarcada = sel->chkColectiva->isChecked();
        QTest::mouseClick(sel->findChild<QPushButton*>(boton), Qt::LeftButton);
    });
    return d;
}

TEST_F(EnvioVentana, AfterTheTelematicWindowClosesFilesAreIndividualAgain) {
    auto v = Abrir();
    ASSERT_TRUE(v);
    QTest::mouseClick(v->cmdCerrar, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(quelvo::objImprGrabar().TipoEnvio(), 0);

    // The declaration of the first declarant recorded from its declarations
    // window: one declarant's record and its two entries, no presenter's.
    prueba::ImprimirDesdeDeclaraciones(1, "1");
    auto dialogo = mdi_.findChild<quelvo::frmImprimirGrabar_794*>();
    ASSERT_NE(dialogo, nullptr);
    const Destino destino = ResponderDestino(
        [&] { dialogo->findChild<QCheckBox*>("chkGrabar")->click(); }, "cmdAceptar");
    ASSERT_TRUE(destino.abierta);
    EXPECT_FALSE(destino.colectivaVisible);
    EXPECT_FALSE(destino.colectivaMarcada);
    dialogo->findChild<QPushButton*>("cmdAceptar")->click();
    const QByteArray escrito = prueba::Leer(Fichero());
    EXPECT_EQ(escrito.count("\r\n"), 3) << escrito.toStdString();
    EXPECT_TRUE(escrito.startsWith("17942011")) << escrito.toStdString();
    EXPECT_TRUE(pantalla_.avisos.empty());
    dialogo->findChild<QPushButton*>("cmdCancelar")->click();
    QApplication::processEvents();

    // The declarant export offers no collective choice either.
    QPointer<quelvo::frmExporDtes_794> exportacion = quelvo::frmExporDtes_794::Mostrar();
    exportacion->lsvOrg->setCurrentItem(exportacion->lsvOrg->topLevelItem(0));
    QTest::mouseClick(exportacion->cmdUD, Qt::LeftButton);
    const Destino alExportar = ResponderDestino(
        [&] { QTest::mouseClick(exportacion->cmdAceptar, Qt::LeftButton); }, "cmdCancelar");
    ASSERT_TRUE(alExportar.abierta);
    EXPECT_FALSE(alExportar.colectivaVisible);
    EXPECT_FALSE(alExportar.colectivaMarcada);
    EXPECT_EQ(quelvo::objImprGrabar().IndCol(), 0);
}

TEST_F(EnvioVentana, TheFileFollowsTheExerciseUntilTheUserChoosesOne) {
    entorno_.sql("INSERT INTO TDeclaraciones (coddecla,coddecr,ejercicio,periodo,periodicidad,moneda,"
                 "bimensual) VALUES (6,1,2010,6,2,'E','')");
    const QString trabajo = QString::fromStdString(quelvo::strRutaTrabajo);
    auto texto = [](QLabel* ruta) { return ruta->text().toStdString(); };

    // A path the user chose stays whatever the exercise.
    auto v = Abrir();
    ASSERT_TRUE(v);
    const QString elegido = trabajo + "/mio.txt";
    prueba::ConModal([&] { v->ctrSelFichero->cmdExplorar->click(); },
                     [&](QWidget* w) {
                         auto d = qobject_cast<QFileDialog*>(w);
                         if (!d) return;
                         d->findChild<QLineEdit*>("fileNameEdit")->setText(elegido);
                         QMetaObject::invokeMethod(d, "accept");
                     });
    EXPECT_EQ(texto(v->ctrSelFichero->lblRuta), elegido.toStdString());
    prueba::Elegir(v->ctrdatos->picEjercicio, "2010");
    EXPECT_EQ(texto(v->ctrSelFichero->lblRuta), elegido.toStdString());
    QTest::mouseClick(v->cmdCerrar, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // Otherwise the exercise, picked in the list or typed, names the file.
    v = Abrir();
    ASSERT_TRUE(v);
    QLabel* ruta = v->ctrSelFichero->lblRuta;
    QLineEdit* ejercicio = v->ctrdatos->txtEjercicio;
    EXPECT_EQ(texto(ruta), Fichero().toStdString());
    prueba::Elegir(v->ctrdatos->picEjercicio, "2010");
    EXPECT_EQ(texto(ruta), (trabajo + "/794_CE10.txt").toStdString());
    prueba::Escribir(ejercicio, "2011", v->ctrdatos->lsvOrg);
    EXPECT_EQ(texto(ruta), Fichero().toStdString());
    prueba::Escribir(ejercicio, "2010", v->ctrdatos->lsvOrg);
    EXPECT_EQ(texto(ruta), (trabajo + "/794_CE10.txt").toStdString());

    Elegir(v, "12345678Z");
    ASSERT_TRUE(v->cmdEnviar->isEnabled());
    QTest::mouseClick(v->cmdEnviar, Qt::LeftButton);
    // The collective file of 2010: the presenter's record, then the declarant's.
    EXPECT_TRUE(prueba::Leer(trabajo + "/794_CE10.txt").contains("\r\n179420102T0112345678Z"));
    EXPECT_FALSE(QFile::exists(Fichero()));
    EXPECT_FALSE(QFile::exists(elegido));
    EXPECT_TRUE(Pagina().contains(Campo("fichero", trabajo + "/794_CE10.txt")));
}

}  // namespace

#include "envio_ventana_test.moc"
