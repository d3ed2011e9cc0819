// The library's own windows: the restore's question and failure boxes, and
// the online assistance, answered as a user would.
#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>

#include "bd_prueba.h"
#include "qt_prueba.h"
#include "quelvort/object.h"
#include "zentalib/cMiscelaneos.h"
#include "zentalib/cSaveAsRestore.h"

namespace {

using namespace prueba;

const QString kDireccion = QStringLiteral("https://arbeko.example/794/asistencia");

class Ventanas : public ::testing::Test {
protected:
    static void SetUpTestSuite() { AsegurarAplicacion(); }
    // The boxes are shown unless a test says otherwise.
    Entorno conDialogos_{"QUELVO_SIN_DIALOGOS", "0"};
    QWidget principal_;
};

struct Idioma {
    int32_t idioma;
    QString tituloRestaurar, si, no, noEsBase, sinCambios;
};

const Idioma kIdiomas[] = {
    {0, "Restaurar base de datos", "Sí", "No", "no es una base de datos del programa",
     "La base de datos no ha cambiado."},
    {10000, "Segurtasun kopia leheneratu", "Bai", "Ez", "ez da programaren datu-base bat",
     "Datu-basea ez da aldatu."},
};

struct Restauracion {
    fs::path dir;
    std::shared_ptr<zentalib::_cSaveAsRestore> objeto;
};

Restauracion PrepararRestauracion(const std::string& nombre, int32_t idioma, QWidget* padre) {
    Restauracion r{CarpetaTemporal(nombre),
                   rt::CreateObjectAs<zentalib::_cSaveAsRestore>("Zentalib.cSaveAsRestore")};
    CrearBaseUsuario(r.dir / "Tablas" / "794Mod.mdb", "Actual");
    CrearBaseUsuario(r.dir / "backups" / "794Mod_bak.mdb", "Guardado");
    r.objeto->ArchivoOrigen("794Mod_bak.mdb");
    r.objeto->ArchivoDestino("794Mod.mdb");
    r.objeto->RutaDestino((r.dir / "Tablas").string() + "/");
    r.objeto->RutaOrigen((r.dir / "backups").string() + "/");
    r.objeto->Idioma(idioma);
    r.objeto->Parent(reinterpret_cast<std::intptr_t>(padre));
    return r;
}

TEST_F(Ventanas, RestoreAsksFirstAndDoesWhatTheUserAnswers) {
    for (const auto& idioma : kIdiomas) {
        for (const bool si : {false, true}) {
            SCOPED_TRACE(std::to_string(idioma.idioma) + (si ? " yes" : " no"));
            auto r = PrepararRestauracion("pregunta", idioma.idioma, &principal_);
            const auto antes = LeerBytes(r.dir / "Tablas" / "794Mod.mdb");
            bool resultado = !si;
            const auto vistos = ConModales([&] { resultado = r.objeto->CrearRestore(); },
                                           [&](QWidget* w) { PulsarBoton(w, si ? idioma.si : idioma.no); });
            ASSERT_EQ(vistos.size(), 1u);
            EXPECT_EQ(vistos[0].icono, QMessageBox::Question);
            EXPECT_EQ(vistos[0].titulo, idioma.tituloRestaurar);
            EXPECT_TRUE(vistos[0].texto.contains(QString::fromStdString((r.dir / "backups").string())));
            EXPECT_EQ(vistos[0].padre, &principal_);
            EXPECT_EQ(resultado, si);
            if (si) EXPECT_EQ(Nombres(r.dir / "Tablas" / "794Mod.mdb"), "Guardado");
            else EXPECT_EQ(LeerBytes(r.dir / "Tablas" / "794Mod.mdb"), antes);
        }
    }
}

// The user is never asked to confirm what cannot be done.
TEST_F(Ventanas, AForeignFileIsReportedWithoutAskingFirst) {
    for (const auto& idioma : kIdiomas) {
        SCOPED_TRACE(idioma.idioma);
        auto r = PrepararRestauracion("ajeno", idioma.idioma, &principal_);
        fs::remove(r.dir / "backups" / "794Mod_bak.mdb");
        EjecutarSql(r.dir / "backups" / "794Mod_bak.mdb", "CREATE TABLE clientes (id INTEGER);");
        const auto antes = LeerBytes(r.dir / "Tablas" / "794Mod.mdb");
        bool resultado = true;
        const auto vistos = ConModales([&] { resultado = r.objeto->CrearRestore(); }, Cerrar);
        ASSERT_EQ(vistos.size(), 1u);
        EXPECT_EQ(vistos[0].icono, QMessageBox::Warning);
        EXPECT_TRUE(vistos[0].texto.contains(
            QString::fromStdString((r.dir / "backups" / "794Mod_bak.mdb").string())));
        EXPECT_TRUE(vistos[0].texto.contains(idioma.noEsBase)) << vistos[0].texto.toStdString();
        EXPECT_TRUE(vistos[0].texto.contains(idioma.sinCambios)) << vistos[0].texto.toStdString();
        EXPECT_FALSE(resultado);
        EXPECT_EQ(LeerBytes(r.dir / "Tablas" / "794Mod.mdb"), antes);
    }
}

TEST_F(Ventanas, WithoutDialogsNothingIsShownAndTheRestoreIsConfirmed) {
    Entorno sinDialogos("QUELVO_SIN_DIALOGOS", "1");
    auto r = PrepararRestauracion("sin-dialogos", 0, &principal_);
    bool resultado = false;
    auto vistos = ConModales([&] { resultado = r.objeto->CrearRestore(); }, Cerrar);
    EXPECT_TRUE(vistos.empty());
    EXPECT_TRUE(resultado);

    fs::remove(r.dir / "backups" / "794Mod_bak.mdb");
    vistos = ConModales([&] { resultado = r.objeto->CrearRestore(); }, Cerrar);
    EXPECT_TRUE(vistos.empty());
    EXPECT_FALSE(resultado);
}

std::shared_ptr<zentalib::_cMiscelaneos> Miscelaneos(int32_t idioma) {
    auto objeto = rt::CreateObjectAs<zentalib::_cMiscelaneos>("Zentalib.cMiscelaneos");
    objeto->Idioma(idioma);
    return objeto;
}

TEST_F(Ventanas, TheServiceDescriptionIsAModalWindowClosedByItsButton) {
    const struct {
        int32_t idioma;
        QString titulo, boton;
    } casos[] = {{0, "Asistencia on-line", "Aceptar"}, {10000, "On-line laguntza", "Onartu"}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.idioma);
        auto objeto = Miscelaneos(c.idioma);
        objeto->Parent(reinterpret_cast<std::intptr_t>(&principal_));
        QString texto, boton;
        const auto vistos = ConModales([&] { objeto->MostrarOnlineInfo(); }, [&](QWidget* w) {
            auto* aceptar = w->findChild<QPushButton*>("cmdAceptar");
            if (!aceptar) return Cerrar(w);
            boton = aceptar->text();
            aceptar->click();
        });
        ASSERT_EQ(vistos.size(), 1u);
        EXPECT_EQ(vistos[0].nombre, "frmOnlineInfo");
        EXPECT_EQ(vistos[0].titulo, c.titulo);
        EXPECT_EQ(vistos[0].padre, &principal_);
        EXPECT_EQ(boton, c.boton);
    }
}

TEST_F(Ventanas, TheAssistanceOpensItsAddress) {
    QTextBrowser navegador;
    QDesktopServices::setUrlHandler("https", &navegador, "setSource");
    const auto vistos = ConModales([&] { Miscelaneos(0)->AccesoAyuOnline(); }, Cerrar);
    QDesktopServices::unsetUrlHandler("https");
    EXPECT_TRUE(vistos.empty());
    EXPECT_EQ(navegador.source(), QUrl(kDireccion));
}

TEST_F(Ventanas, AnAddressThatCannotBeOpenedIsReportedWithTheAddress) {
    QObject sinNavegador;
    QDesktopServices::setUrlHandler("https", &sinNavegador, "metodoQueNoExiste");
    const auto vistos = ConModales([&] { Miscelaneos(10000)->AccesoAyuOnline(); }, Cerrar);
    QDesktopServices::unsetUrlHandler("https");
    ASSERT_EQ(vistos.size(), 1u);
    EXPECT_EQ(vistos[0].icono, QMessageBox::Warning);
    EXPECT_EQ(vistos[0].titulo, "On-line laguntza");
    EXPECT_TRUE(vistos[0].texto.contains(kDireccion)) << vistos[0].texto.toStdString();
}

}  // namespace
