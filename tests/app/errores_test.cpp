// Error reporting: the log file byte by byte, the error window, and the guard
// that keeps the program running when a handler fails.
#include <gtest/gtest.h>

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <stdexcept>

#include "dialogos.h"
#include "platform/sistema.h"
#include "quelvort/error.h"
#include "services/guarda.h"
#include "windows/frmGestErrores_794.h"

using quelvo::frmGestErrores_794;

namespace {

QByteArray Leer(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The whole log as the reporter must write it, in UTF-8.
QByteArray LogEsperado(const QByteArray& fecha, const QByteArray& formulario, const QByteArray& evento,
                       const QByteArray& descripcion) {
    const QByteArray raya(58, '_');
    return "Error generado el " + fecha + " por el\r\nejecutable test_app\r\nen la m\xC3\xA1quina " +
           QSysInfo::machineHostName().toLatin1() + "\r\n" + raya + "\r\n\r\n  Formulario           " +
           formulario + "\r\n  Evento                  " + evento + "\r\n  Descripci\xC3\xB3n       \r\n\r\n" +
           descripcion + "\r\n" + raya + "\r\n\r\n\r\n";
}

// Points the system temporary folder at the test's own folder.
class Temporal : public ::testing::Test {
protected:
    Temporal() { apuntar(carpeta_.path()); }
    ~Temporal() override {
        if (habia_) qputenv("TMPDIR", antes_);
        else qunsetenv("TMPDIR");
    }
    void apuntar(const QString& valor) { qputenv("TMPDIR", valor.toUtf8()); }

    QTemporaryDir carpeta_;
    bool habia_ = qEnvironmentVariableIsSet("TMPDIR");
    QByteArray antes_ = qgetenv("TMPDIR");
};

using ErrorLog = Temporal;

TEST_F(ErrorLog, NameAndContentAreExactBytes) {
    struct Caso {
        QDateTime momento;
        const char *nombre, *fecha;
        QString evento, descripcion;
        QByteArray eventoLog, descripcionLog;
    };
    // Evening hours and months unlike the minutes catch 12-hour clocks and
    // month/minute mix-ups; every character is kept.
    const Caso casos[] = {
        {{QDate(2008, 12, 8), QTime(9, 15, 2)}, "Error08-12-08 09-15-02.log", "08/12/08 09:15:02",
         "frmX.Form_Load", QString::fromUtf8("cDeclarante.Cargar\r\nAño €: ñ"), "frmX.Form_Load",
         "cDeclarante.Cargar\r\nA\xC3\xB1o \xE2\x82\xAC: \xC3\xB1"},
        {{QDate(2009, 3, 7), QTime(21, 45, 9)}, "Error09-03-07 21-45-09.log", "07/03/09 21:45:09",
         QString::fromUtf8("frmXT.Ω_Click"), QString::fromUtf8("Ωmega 😀 fin"), "frmXT.\xCE\xA9_Click",
         "\xCE\xA9mega \xF0\x9F\x98\x80 fin"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        QString ruta = frmGestErrores_794::ErrorADisco("frmX", c.evento, c.descripcion, c.momento);
        EXPECT_EQ(ruta, carpeta_.path() + "/" + c.nombre);
        EXPECT_EQ(Leer(ruta), LogEsperado(c.fecha, "frmX", c.eventoLog, c.descripcionLog));
    }
}

TEST_F(ErrorLog, SameSecondKeepsTheEarlierLog) {
    QDateTime momento(QDate(2008, 12, 8), QTime(9, 15, 2));
    QString primera = frmGestErrores_794::ErrorADisco("frmA", "e", "uno", momento);
    QString segunda = frmGestErrores_794::ErrorADisco("frmB", "e", "dos", momento);
    EXPECT_EQ(segunda, carpeta_.path() + "/Error08-12-08 09-15-02 (2).log");
    EXPECT_TRUE(Leer(primera).contains("uno\r\n"));
    EXPECT_TRUE(Leer(segunda).contains("dos\r\n"));
}

TEST_F(ErrorLog, WhereTheLogLands) {
    const QString base = carpeta_.path();
    QFile fichero(base + "/fichero");
    ASSERT_TRUE(fichero.open(QIODevice::WriteOnly));
    fichero.close();
    // No temporary folder: a bare name in the current folder. One that cannot
    // be written: the path all the same.
    const std::tuple<QString, QString, bool> casos[] = {{base, base + "/", true},
                                                        {base + "/", base + "/", true},
                                                        {base + "/falta", "", true},
                                                        {base + "/fichero", base + "/fichero/", false}};
    const QString antes = QDir::currentPath();
    QDir::setCurrent(base);
    for (const auto& [tmpdir, carpeta, escrito] : casos) {
        apuntar(tmpdir);
        QString ruta = frmGestErrores_794::ErrorADisco("f", "e", "d");
        EXPECT_TRUE(ruta.startsWith(carpeta + "Error")) << ruta.toStdString();
        EXPECT_EQ(QFile::exists(ruta), escrito) << ruta.toStdString();
        QFile::remove(ruta);
    }
    QDir::setCurrent(antes);
}

class Guarda : public Temporal {
protected:
    Guarda() { formulario_.setObjectName("frmListaDeclarantes_794"); }

    // Runs the handler inside the guard; `enVentana` sees the error window.
    void Ejecutar(const std::function<void()>& manejador, const std::function<void(QWidget*)>& enVentana,
                  const char* evento = "e") {
        prueba::ConModal([&] { quelvo::Guardar(&formulario_, evento, manejador); },
                         [&](QWidget* w) {
                             enVentana(w);
                             QTest::mouseClick(w->findChild<QPushButton*>("cmdAceptar"), Qt::LeftButton);
                         });
    }
    // Title, the four boxes and the four labels of the error window.
    QStringList Observar(const std::function<void()>& manejador, const char* evento = "e") {
        QStringList v;
        Ejecutar(manejador, [&](QWidget* w) {
            v << w->windowTitle();
            for (int i = 0; i < 3; ++i)
                v << w->findChild<QLineEdit*>(QStringLiteral("txtError_%1").arg(i))->text();
            v << w->findChild<QPlainTextEdit*>("txtError_3")->toPlainText();
            for (int i = 0; i < 4; ++i)
                v << w->findChild<QLabel*>(QStringLiteral("Label1_%1").arg(i))->text();
        }, evento);
        return v;
    }

    QWidget formulario_;
};

TEST_F(Guarda, ErrorOfAHandlerShowsTheWindowAndTheProgramGoesOn) {
    const std::pair<std::function<void()>, QString> casos[] = {
        {[] { throw rt::Error(13, "Quelvo", "Type mismatch"); }, "Type mismatch"},
        {[] { throw std::runtime_error("sin memoria"); }, "sin memoria"},
        {[] { throw 42; }, "Error desconocido"},
    };
    for (const auto& [manejador, descripcion] : casos) {
        SCOPED_TRACE(descripcion.toStdString());
        // Nothing escapes the guard: Observar returns normally.
        QStringList v = Observar(manejador, "frmListaDeclarantes_794T.lsvDeclarantes_DblClick");
        ASSERT_EQ(v.size(), 9);
        EXPECT_TRUE(v[3].startsWith(carpeta_.path() + "/Error"));
        EXPECT_TRUE(Leer(v[3]).contains("\r\n\r\n" + descripcion.toLatin1() + "\r\n"));
        v[3].clear();
        EXPECT_EQ(v, QStringList({"Error...", "frmListaDeclarantes_794",
                                  "frmListaDeclarantes_794T.lsvDeclarantes_DblClick", "", descripcion,
                                  "Formulario:", "Evento:", "Fichero:", "Descripción del Error"}));
    }
}

TEST_F(Guarda, DescriptionCarriesEveryLocationInItsForm) {
    // A class procedure puts its location and a line break in front; the form
    // procedure that called it its location in front and a line break behind.
    QStringList v = Observar([] {
        try {
            try {
                throw rt::Error(94, "Quelvodat", "Invalid use of Null");
            } catch (const rt::Error& e) {
                throw rt::WithLocationLineBefore(e, "cDeclarante.ObtenerDeclarantes");
            }
        } catch (const rt::Error& e) {
            throw rt::WithLocationLineAfter(e, "frmListaDeclarantes_794.CargarLista");
        }
    });
    const char* ubicaciones = "frmListaDeclarantes_794.CargarListacDeclarante.ObtenerDeclarantes";
    EXPECT_EQ(v.value(4), ubicaciones + QString("\nInvalid use of Null\n"));
    EXPECT_TRUE(Leer(v.value(3)).contains("\r\n\r\n" + QByteArray(ubicaciones) +
                                          "\r\nInvalid use of Null\r\n\r\n____"));
}

TEST_F(Guarda, WindowLoadsFoldedUnderTheArrowAndDetailsOpenOnce) {
    quelvo::plataforma::CursorEspera espera;
    for (int vez = 0; vez < 2; ++vez) {
        Ejecutar([] {
            quelvo::plataforma::CursorEspera otra;
            throw rt::Error(5, "Q", "d");
        }, [](QWidget* w) {
            ASSERT_TRUE(QApplication::overrideCursor());
            EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::ArrowCursor);
            auto mas = w->findChild<QPushButton*>("cmdMas");
            auto detalles = w->findChild<QGroupBox*>("Frame1_1");
            EXPECT_EQ(mas->text(), "Ver detalles >>");
            EXPECT_EQ(w->findChild<QPushButton*>("cmdAceptar")->text(), "&Cerrar");
            EXPECT_FALSE(detalles->isVisible());
            EXPECT_EQ(w->height(), 2040 / 15);
            QTest::mouseClick(mas, Qt::LeftButton);
            EXPECT_TRUE(detalles->isVisible());
            EXPECT_FALSE(mas->isEnabled());
            EXPECT_EQ(w->height(), 4965 / 15);
        });
    }
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
}

TEST_F(Guarda, DroppingOnTheIconMovesItAcrossAndBack) {
    std::vector<int> posiciones;
    Ejecutar([] { throw rt::Error(5, "Q", "d"); }, [&](QWidget* w) {
        auto icono = w->findChild<QLabel*>("Image1");
        posiciones.push_back(icono->x());
        for (int i = 0; i < 2; ++i) {
            QMimeData datos;
            QDragEnterEvent entra(QPoint(4, 4), Qt::CopyAction, &datos, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(icono, &entra);
            QDropEvent suelta(QPointF(4, 4), Qt::CopyAction, &datos, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(icono, &suelta);
            posiciones.push_back(icono->x());
        }
    });
    EXPECT_EQ(posiciones, (std::vector<int>{90 / 15, 4080 / 15, 90 / 15}));
}

}  // namespace
