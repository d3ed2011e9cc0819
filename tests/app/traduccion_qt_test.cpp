// Qt's own texts in the program's language: the file chooser of the path box
// (its labels, and the kinds and dates of the files it lists), the standard
// buttons of boxes raised outside our message window, and the print dialog.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTreeView>
#include <QTest>
#include <algorithm>
#include <functional>
#include <map>

#include "dialogos.h"
#include "entorno.h"
#include "printing/cselfichero.h"
#include "printing/ctrSelFichero_794.h"
#include "printing/dialogo_impresora.h"
#include "program/traduccion_qt.h"
#include "services/catalogo.h"
#include "services/cgeneral.h"
#include "services/objetos.h"

using namespace quelvo;

namespace {

class TraduccionQt : public ::testing::Test {
protected:
    void SetUp() override {
        InstalarTraduccionQt();
        objSelFichero().RutaPorDefecto(entorno_.carpeta() + "/794_CE11.txt");
    }
    void TearDown() override { lngIdioma = 0; }
    prueba::Entorno entorno_;
};

// What the chooser shows: its labels, its two buttons, its first filter.
struct Selector {
    QString buscarEn, nombre, tipo, aceptar, cancelar, filtro;
    bool guardar = false;
};

Selector Abrir(UsoFichero uso) {
    ctrSelFichero_794 caja(nullptr, uso);
    Selector visto;
    prueba::ConModal([&] { caja.cmdExplorar->click(); },
                     [&](QWidget* w) {
                         auto d = qobject_cast<QFileDialog*>(w);
                         if (!d) return;
                         visto.buscarEn = d->labelText(QFileDialog::LookIn);
                         visto.nombre = d->labelText(QFileDialog::FileName);
                         visto.tipo = d->labelText(QFileDialog::FileType);
                         auto botones = d->findChild<QDialogButtonBox*>();
                         visto.aceptar = botones->button(QDialogButtonBox::Open)
                                             ? botones->button(QDialogButtonBox::Open)->text()
                                             : botones->button(QDialogButtonBox::Save)->text();
                         visto.cancelar = botones->button(QDialogButtonBox::Cancel)->text();
                         visto.filtro = d->nameFilters().value(0);
                         visto.guardar = d->acceptMode() == QFileDialog::AcceptSave;
                         d->reject();
                     });
    return visto;
}

TEST_F(TraduccionQt, FileChooserSpeaksTheUsersLanguage) {
    const struct {
        int32_t idioma;
        UsoFichero uso;
        const char* buscarEn;
        const char* nombre;
        const char* tipo;
        const char* aceptar;
        const char* cancelar;
        const char* filtro;
    } casos[] = {
        // Qt's own Spanish translation.
        {0, UsoFichero::Escribir, "Ver en:", "&Nombre de fichero:", "Ficheros de tipo:", "&Guardar",
         "Cancelar", "Todos los archivos (*)"},
        {0, UsoFichero::Leer, "Ver en:", "&Nombre de fichero:", "Ficheros de tipo:", "&Abrir", "Cancelar",
         "Todos los archivos (*)"},
        // The catalog's Basque where it has the text, Spanish for the rest.
        {kOffsetEuskera, UsoFichero::Escribir, "Ver en:", "&Fitxategi:", "Ficheros de tipo:", "&Grabatu", "Utzi",
         "Fitxategi guztiak (*)"},
        {kOffsetEuskera, UsoFichero::Leer, "Ver en:", "&Fitxategi:", "Ficheros de tipo:", "&Abrir", "Utzi",
         "Fitxategi guztiak (*)"},
    };
    for (const auto& c : casos) {
        lngIdioma = c.idioma;
        const Selector visto = Abrir(c.uso);
        const std::string caso = std::to_string(c.idioma) + (c.uso == UsoFichero::Leer ? " leer" : " escribir");
        EXPECT_EQ(visto.guardar, c.uso == UsoFichero::Escribir) << caso;
        EXPECT_EQ(visto.buscarEn.toStdString(), c.buscarEn) << caso;
        EXPECT_EQ(visto.nombre.toStdString(), c.nombre) << caso;
        EXPECT_EQ(visto.tipo.toStdString(), c.tipo) << caso;
        EXPECT_EQ(visto.aceptar.toStdString(), c.aceptar) << caso;
        EXPECT_EQ(visto.cancelar.toStdString(), c.cancelar) << caso;
        EXPECT_EQ(visto.filtro.toStdString(), c.filtro) << caso;
    }
}

TEST_F(TraduccionQt, StandardButtonsOfQtBoxesInTheUsersLanguage) {
    const struct {
        int32_t idioma;
        QMessageBox::StandardButton boton;
        const char* texto;
    } casos[] = {
        {0, QMessageBox::Ok, "Aceptar"},
        {0, QMessageBox::Cancel, "Cancelar"},
        {0, QMessageBox::Close, "Cerrar"},
        {kOffsetEuskera, QMessageBox::Ok, "Ados"},
        {kOffsetEuskera, QMessageBox::Cancel, "Utzi"},
        {kOffsetEuskera, QMessageBox::Close, "Itxi"},
        // Not in the catalog: Qt's Spanish.
        {kOffsetEuskera, QMessageBox::Open, "Abrir"},
    };
    for (const auto& c : casos) {
        lngIdioma = c.idioma;
        QMessageBox caja(QMessageBox::Warning, "Quelvo", "x", c.boton);
        EXPECT_EQ(caja.button(c.boton)->text().toStdString(), c.texto) << c.idioma << "/" << c.boton;
    }
}

// One row of the chooser's list: the kind of file and its date.
struct Fila {
    QString tipo, fecha;
};

// The rows the chooser lists in its folder once it has read the details of
// those named.
std::map<QString, Fila> Listado(QFileDialog* d, const QStringList& nombres) {
    std::map<QString, Fila> filas;
    auto vista = d->findChild<QTreeView*>("treeView");
    if (!vista) return filas;
    QElapsedTimer reloj;
    reloj.start();
    while (reloj.elapsed() < 5000) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        const QAbstractItemModel* modelo = vista->model();
        const QModelIndex raiz = vista->rootIndex();
        filas.clear();
        for (int r = 0; r < modelo->rowCount(raiz); ++r)
            filas[modelo->index(r, 0, raiz).data().toString()] = {modelo->index(r, 2, raiz).data().toString(),
                                                                 modelo->index(r, 3, raiz).data().toString()};
        if (std::all_of(nombres.begin(), nombres.end(), [&](const QString& n) {
                return filas.count(n) && !filas[n].tipo.isEmpty() && !filas[n].fecha.isEmpty();
            }))
            break;
    }
    return filas;
}

// A small file of the kind its name says, last changed on 9/12/2011 at 21:34.
void EscribirEnDiciembre(const QString& ruta) {
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(ruta.endsWith(".pdf") ? "%PDF-1.4\n%%EOF\n" : "17942011\r\n");
    // Written out first, or closing would date it now.
    ASSERT_TRUE(f.flush());
    ASSERT_TRUE(f.setFileTime(QDateTime(QDate(2011, 12, 9), QTime(21, 34)), QFileDevice::FileModificationTime));
}

// The print dialog as the program sets it up, printing to `salida`: `dentro`
// acts on the chooser its output file's browse button opens and closes it.
// Returns the output box's text then.
QString ConSelectorDeImpresion(const QString& salida, const std::function<void(QFileDialog*)>& dentro) {
    QPrinter impresora;
    impresora.setOutputFileName(salida);
    QPrintDialog dialogo(&impresora);
    PrepararDialogoImpresora(dialogo);
    bool examinado = false;
    prueba::ConModal([&] { dialogo.exec(); },
                     [&](QWidget* w) {
                         if (auto d = qobject_cast<QFileDialog*>(w)) dentro(d);
                         else if (w != &dialogo) return;
                         else if (std::exchange(examinado, true)) dialogo.reject();
                         else QMetaObject::invokeMethod(dialogo.findChild<QAbstractButton*>("fileBrowser"),
                                                        &QAbstractButton::click, Qt::QueuedConnection);
                     },
                     8000);
    return dialogo.findChild<QLineEdit*>("filename")->text();
}

// Every text of the chooser's listing reads whole in its column.
void TodoSeLee(QFileDialog* d) {
    auto vista = d->findChild<QTreeView*>("treeView");
    ASSERT_NE(vista, nullptr);
    const QAbstractItemModel* modelo = vista->model();
    const QModelIndex raiz = vista->rootIndex();
    const QFontMetrics metrica(vista->font());
    for (int r = 0; r < modelo->rowCount(raiz); ++r) {
        for (int c = 0; c < modelo->columnCount(raiz); ++c) {
            const QString texto = modelo->index(r, c, raiz).data().toString();
            // The name's column also holds its icon.
            const int margen = c == 0 ? vista->iconSize().width() : 0;
            EXPECT_GE(vista->columnWidth(c), metrica.horizontalAdvance(texto) + margen) << texto.toStdString();
        }
    }
}

// The language chosen in the program: the chooser names the kinds of files
// and writes their dates in it, never in English.
TEST_F(TraduccionQt, FileChooserWritesKindsAndDatesInTheUsersLanguage) {
    const QDir carpeta(entorno_.carpeta());
    ASSERT_TRUE(carpeta.mkdir("anteriores"));
    for (const char* nombre : {"resumen.pdf", "794_CE11.txt", "794_Administracion_Colectiva_B01234567_2011_4T.pdf"})
        EscribirEnDiciembre(carpeta.filePath(nombre));
    const struct {
        const char* idioma;
        const char* pdf;
        const char* texto;
        const char* carpeta;
        const char* fecha;
    } casos[] = {
        {"C", "documento PDF", "documento de texto sencillo", "Carpeta", "09/12/2011 21:34"},
        // The system's names of file kinds have Basque; Qt's own "Folder"
        // has none and stays Spanish. Dates read as the program's own.
        {"E", "PDF dokumentua", "testu soileko dokumentua", "Carpeta", "2011/12/09 21:34"},
    };
    const QRegularExpression letra(QStringLiteral("\\p{L}"));
    for (const auto& c : casos) {
        SCOPED_TRACE(c.idioma);
        quelvo::objGeneral().IDI(c.idioma);
        ctrSelFichero_794 caja(nullptr, UsoFichero::Escribir);
        std::map<QString, Fila> filas;
        prueba::ConModal([&] { caja.cmdExplorar->click(); },
                         [&](QWidget* w) {
                             auto d = qobject_cast<QFileDialog*>(w);
                             if (!d) return;
                             filas = Listado(d, {"resumen.pdf", "794_CE11.txt", "anteriores"});
                             TodoSeLee(d);
                             // Qt's own on every desktop: a desktop's would speak the machine's language.
                             EXPECT_TRUE(d->testOption(QFileDialog::DontUseNativeDialog));
                             d->reject();
                         },
                         8000);
        EXPECT_EQ(filas["resumen.pdf"].tipo.toStdString(), c.pdf);
        EXPECT_EQ(filas["794_CE11.txt"].tipo.toStdString(), c.texto);
        EXPECT_EQ(filas["anteriores"].tipo.toStdString(), c.carpeta);
        for (const auto& [nombre, fila] : filas) {
            SCOPED_TRACE(nombre.toStdString() + ": " + fila.fecha.toStdString());
            // Numbers only: no month's name in any language.
            EXPECT_FALSE(fila.fecha.contains(letra));
        }
        for (const char* nombre : {"resumen.pdf", "794_CE11.txt"})
            EXPECT_EQ(filas[nombre].fecha.toStdString(), c.fecha);
    }
    quelvo::objGeneral().IDI("C");
}

// The print dialog's output file is chosen as the box's: a PDF to save, listed
// whole in the user's language; a name typed is a PDF's, taken without asking
// (the print dialog asks before replacing a file) into the output box.
TEST_F(TraduccionQt, PrintDialogsFileChooserIsTheProgramsOwn) {
    const QString pdf = QDir(entorno_.carpeta()).filePath("resumen.pdf");
    EscribirEnDiciembre(pdf);
    for (const auto& [idioma, visto] : {std::pair{"C", "Documentos PDF (*.pdf) 09/12/2011 21:34"},
                                        std::pair{"E", "PDF dokumentuak (*.pdf) 2011/12/09 21:34"}}) {
        quelvo::objGeneral().IDI(idioma);
        QString filtroYFecha;
        const QString salida = ConSelectorDeImpresion(entorno_.carpeta() + "/otro.pdf", [&](QFileDialog* d) {
            const QString fecha = Listado(d, {"resumen.pdf"})["resumen.pdf"].fecha;
            TodoSeLee(d);
            if (d->acceptMode() == QFileDialog::AcceptSave) filtroYFecha = d->nameFilters().value(0) + " " + fecha;
            EXPECT_TRUE(d->testOption(QFileDialog::DontUseNativeDialog));
            auto nombre = d->findChild<QLineEdit*>("fileNameEdit");
            nombre->setText("resumen");
            QTest::keyClick(nombre, Qt::Key_Return);
        });
        EXPECT_EQ(filtroYFecha.toStdString(), visto);
        EXPECT_EQ(salida, pdf) << idioma;
    }
    quelvo::objGeneral().IDI("C");
}

// What Qt's print dialog shows: its own translation completed where it
// leaves English, the catalog's Basque where the catalog has the text.
TEST_F(TraduccionQt, PrintDialogLeavesNoEnglish) {
    const struct {
        const char* idioma;
        const char* titulo;
        const char* imprimir;
    } idiomas[] = {{"C", "Imprimir", "Im&primir"}, {"E", "Inprimatu", "&Inprimatu"}};
    // Spanish in both languages: Qt has no Basque.
    const std::map<std::string, std::string> esperados = {
        {"duplex", "Impresión a doble cara"},
        {"noDuplex", "Desactivada"},
        {"duplexLong", "Encuadernación por el lado largo"},
        {"duplexShort", "Encuadernación por el lado corto"},
        {"pagesRadioButton", "Páginas"},
        {"conflictsLabel", "Algunas opciones están en conflicto. Corríjalas."},
    };
    for (const auto& idioma : idiomas) {
        SCOPED_TRACE(idioma.idioma);
        quelvo::objGeneral().IDI(idioma.idioma);
        QPrinter impresora;
        QPrintDialog dialogo(&impresora);
        std::map<std::string, std::string> vistos;
        QString titulo, imprimir, ayudaPaginas, aviso;
        QStringList pestanas;
        auto texto = [&](QWidget* ventana) {
            for (QWidget* c : ventana->findChildren<QWidget*>()) {
                const std::string nombre = c->objectName().toStdString();
                if (!esperados.count(nombre)) continue;
                if (auto b = qobject_cast<QAbstractButton*>(c)) vistos[nombre] = b->text().toStdString();
                else if (auto g = qobject_cast<QGroupBox*>(c)) vistos[nombre] = g->title().toStdString();
                else if (auto l = qobject_cast<QLabel*>(c)) vistos[nombre] = l->text().toStdString();
            }
        };
        prueba::ConModal([&] { dialogo.exec(); },
                         [&](QWidget* w) {
                             if (w == &dialogo) {
                                 texto(w);
                                 titulo = w->windowTitle();
                                 imprimir = w->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->text();
                                 ayudaPaginas = w->findChild<QLineEdit*>("pagesLineEdit")->toolTip();
                                 // The printer's properties, opened once this handler is over.
                                 auto propiedades = w->findChild<QAbstractButton*>("properties");
                                 QMetaObject::invokeMethod(propiedades, &QAbstractButton::click, Qt::QueuedConnection);
                                 return;
                             }
                             if (auto caja = qobject_cast<QMessageBox*>(w)) {
                                 aviso = caja->windowTitle() + "\n" + caja->text();
                                 caja->accept();
                                 QMetaObject::invokeMethod(&dialogo, &QDialog::reject, Qt::QueuedConnection);
                                 return;
                             }
                             texto(w);
                             if (auto tabs = w->findChild<QTabWidget*>("tabs"))
                                 for (int i = 0; i < tabs->count(); ++i) pestanas << tabs->tabText(i);
                             if (auto d = qobject_cast<QDialog*>(w)) d->reject();
                             // A list of pages that is none: the dialog refuses it with a message.
                             dialogo.findChild<QAbstractButton*>("pagesRadioButton")->setChecked(true);
                             dialogo.findChild<QLineEdit*>("pagesLineEdit")->setText("9-3,x");
                             QMetaObject::invokeMethod(&dialogo, &QDialog::accept, Qt::QueuedConnection);
                         });
        EXPECT_EQ(titulo.toStdString(), idioma.titulo);
        EXPECT_EQ(imprimir.toStdString(), idioma.imprimir);
        EXPECT_EQ(vistos, esperados);
        EXPECT_TRUE(ayudaPaginas.startsWith(QString::fromUtf8("Indique las páginas"))) << ayudaPaginas.toStdString();
        EXPECT_TRUE(pestanas.contains(QStringLiteral("Avanzado"))) << pestanas.join("|").toStdString();
        EXPECT_FALSE(pestanas.contains(QStringLiteral("Advanced")));
        const QString rechazo = QString::fromUtf8("Definición de páginas no válida\n9-3,x no sigue la sintaxis");
        EXPECT_TRUE(aviso.startsWith(rechazo)) << aviso.toStdString();
    }
    quelvo::objGeneral().IDI("C");
}

}  // namespace
