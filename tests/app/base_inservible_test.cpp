// A user database the program cannot use, found at start-up: what the user is
// told, the offer to set it aside for a new one, and the file left whole.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QRegularExpression>
#include <QtTest/QTest>
#include <functional>
#include <map>

#include "dialogos.h"
#include "entorno.h"
#include "program/arranque.h"
#include "program/base_inservible.h"
#include "quelvodat/cDatosGenerales.h"
#include "quelvort/error.h"
#include "services/cactonline.h"
#include "services/cgeneral.h"
#include "services/servidor.h"

using namespace quelvo;

namespace {

QByteArray Bytes(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Escribir(const QString& ruta, const QByteArray& bytes) {
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// Every file of the folder with its bytes.
std::map<QString, QByteArray> Contenido(const QString& carpeta) {
    std::map<QString, QByteArray> ficheros;
    for (const QString& nombre : QDir(carpeta).entryList(QDir::Files))
        ficheros[nombre] = Bytes(carpeta + "/" + nombre);
    return ficheros;
}

class BaseInservible : public ::testing::Test {
protected:
    void TearDown() override {
        if (!registro_.isEmpty()) QFile::remove(registro_);
    }
    QString ruta() const { return QString::fromStdString(strRutaMod); }
    // Runs the start-up step; `responder` answers the box it shows.
    bool Preparar(const std::function<void(QMessageBox*)>& responder) {
        bool sigue = true;
        prueba::ConModal([&] { sigue = PrepararBaseUsuario(); },
                         [&](QWidget* w) {
                             auto caja = qobject_cast<QMessageBox*>(w);
                             if (!caja) return;
                             caja_ = caja->objectName();
                             texto_ = caja->text();
                             for (auto b : caja->buttons()) botones_ << b->objectName() + "=" + b->text();
                             const auto log = QRegularExpression("\\S*Error[^\\n]*\\.log").match(texto_);
                             registro_ = log.captured(0);
                             responder(caja);
                             abierta_ = caja->isVisible();
                         });
        return sigue;
    }
    // Ready for the next box: its log removed, what it showed forgotten.
    void Olvidar() {
        QFile::remove(registro_);
        registro_.clear();
        caja_.clear();
        botones_.clear();
    }
    // `boton` is pressed on the box.
    bool Preparar(const char* boton) {
        return Preparar([boton](QMessageBox* caja) { caja->findChild<QAbstractButton*>(boton)->click(); });
    }
    prueba::Entorno entorno_;
    QString caja_, texto_, registro_;
    QStringList botones_;
    bool abierta_ = false;  // the box was still open after its answer
};

TEST_F(BaseInservible, SetAsideOnlyWhenTheUserSaysSoAndThenANewDatabase) {
    const struct {
        const char* nombre;
        QByteArray bytes;
        bool apartar;
    } casos[] = {{"empty file", "", true},
                 {"text file", "794 notas\r\n", true},
                 {"empty file kept", "", false},
                 {"text file kept", "794 notas\r\n", false}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        // As at start-up, nothing holds the file open.
        CrearServidor<quelvodat::_cDatosGenerales>("Quelvodat.cDatosGenerales")->CerrarConexiones();
        Escribir(ruta(), c.bytes);
        // What the engine keeps beside a database goes with it.
        Escribir(ruta() + "-wal", "registro");
        const auto antes = Contenido(entorno_.carpeta());
        EXPECT_EQ(Preparar(c.apartar ? "cmdApartar" : "cmdSalir"), c.apartar);
        EXPECT_EQ(caja_, "BaseInservible");
        EXPECT_EQ(botones_, QStringList({"cmdApartar=Apartarla y empezar / Alde batera utzi eta hasi",
                                         "cmdSalir=Salir / Irten"}));
        // Where and what, in both languages; the technical text in the log.
        EXPECT_TRUE(texto_.contains(ruta())) << texto_.toStdString();
        EXPECT_TRUE(texto_.contains("No es una base de datos de Quelvo")) << texto_.toStdString();
        EXPECT_TRUE(texto_.contains("Ez da Quelvoren datu-basea")) << texto_.toStdString();
        EXPECT_TRUE(texto_.contains("Utilidades > Restaurar base de datos")) << texto_.toStdString();
        EXPECT_TRUE(texto_.contains("Aukerak > Segurtasun kopia leheneratu")) << texto_.toStdString();
        EXPECT_FALSE(texto_.contains("Unrecognized")) << texto_.toStdString();
        EXPECT_TRUE(QString::fromUtf8(Bytes(registro_)).contains("Unrecognized database format")) << registro_.toStdString();
        const auto despues = Contenido(entorno_.carpeta());
        if (!c.apartar) {
            EXPECT_EQ(despues, antes);
        } else {
            // The old file, whole, under the name the box gave; a new database in its place.
            const QStringList apartadas = QDir(entorno_.carpeta()).entryList({"794Mod-*.mdb"});
            ASSERT_EQ(apartadas.size(), 1);
            EXPECT_TRUE(texto_.contains(apartadas[0])) << texto_.toStdString();
            const QString apartada = entorno_.carpeta() + "/" + apartadas[0];
            EXPECT_EQ(Bytes(apartada), c.bytes);
            EXPECT_EQ(Bytes(apartada + "-wal"), "registro");
            CargarPreferencias();
            EXPECT_EQ(objActOnline().ActOnline, -1);
            EXPECT_EQ(objGeneral().IDI(), "C");
            QFile::remove(apartada);
            QFile::remove(apartada + "-wal");
        }
        Olvidar();
    }
}

// Leaving the box any way but its set-aside button keeps the file as it is.
TEST_F(BaseInservible, EscOrClosingTheBoxQuitsAndLeavesTheFileWhereItWas) {
    const struct {
        const char* nombre;
        std::function<void(QMessageBox*)> responder;
    } casos[] = {
        {"Esc", [](QMessageBox* caja) { QTest::keyClick(caja, Qt::Key_Escape); }},
        {"closed", [](QMessageBox* caja) { caja->close(); }},
        {"rejected", [](QMessageBox* caja) { caja->reject(); }},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        CrearServidor<quelvodat::_cDatosGenerales>("Quelvodat.cDatosGenerales")->CerrarConexiones();
        Escribir(ruta(), "794 notas\r\n");
        Escribir(ruta() + "-wal", "registro");
        const auto antes = Contenido(entorno_.carpeta());
        EXPECT_FALSE(Preparar(c.responder));
        EXPECT_EQ(caja_, "BaseInservible");
        EXPECT_FALSE(abierta_);
        EXPECT_EQ(Contenido(entorno_.carpeta()), antes);
        Olvidar();
    }
}

TEST_F(BaseInservible, OtherFailuresAreRaisedWithoutAnOffer) {
    QFile::remove(ruta());
    QDir().mkdir(ruta());
    bool preguntado = false;
    rt::Error error(0, "", "");
    prueba::ConModal(
        [&] {
            try {
                PrepararBaseUsuario();
            } catch (const rt::Error& e) {
                error = e;
            }
        },
        [&](QWidget* w) {
            preguntado = true;
            w->close();
        });
    EXPECT_FALSE(preguntado);
    EXPECT_NE(error.Number, 0);
    EXPECT_TRUE(QFileInfo(ruta()).isDir());
}

TEST_F(BaseInservible, TheNewNameIsFreeAndBesideTheFile) {
    const QString carpeta = entorno_.carpeta();
    const QDateTime momento(QDate(2012, 3, 4), QTime(5, 6, 7));
    EXPECT_EQ(RutaApartada(carpeta + "/794Mod.mdb", momento), carpeta + "/794Mod-20120304-050607.mdb");
    // Taken, also by a file that would go with it: a number is added.
    Escribir(carpeta + "/794Mod-20120304-050607.mdb", "x");
    Escribir(carpeta + "/794Mod-20120304-050607-2.mdb-wal", "x");
    EXPECT_EQ(RutaApartada(carpeta + "/794Mod.mdb", momento), carpeta + "/794Mod-20120304-050607-3.mdb");
}

TEST_F(BaseInservible, ASetAsideThatCannotBeDoneWholeChangesNothing) {
    const QString carpeta = entorno_.carpeta();
    const QString origen = carpeta + "/a.mdb";
    Escribir(origen, "base");
    Escribir(origen + "-wal", "registro");
    // The name for the engine's file is taken: nothing moves.
    Escribir(carpeta + "/b.mdb-wal", "otro");
    const auto antes = Contenido(carpeta);
    QString error;
    EXPECT_FALSE(ApartarFichero(origen, carpeta + "/b.mdb", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(Contenido(carpeta), antes);
    QFile::remove(carpeta + "/b.mdb-wal");
    EXPECT_TRUE(ApartarFichero(origen, carpeta + "/b.mdb", &error));
    EXPECT_EQ(Bytes(carpeta + "/b.mdb"), "base");
    EXPECT_EQ(Bytes(carpeta + "/b.mdb-wal"), "registro");
    EXPECT_FALSE(QFile::exists(origen));
    EXPECT_FALSE(QFile::exists(origen + "-wal"));
}

}  // namespace
