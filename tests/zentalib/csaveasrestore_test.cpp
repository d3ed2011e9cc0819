// Backup and restore reached by name, as the program's menu commands reach
// them, with the boxes answered as a user would or by QUELVO_SIN_DIALOGOS.
#include "zentalib/cSaveAsRestore.h"

#include <gtest/gtest.h>

#include <functional>

#include "bd_prueba.h"
#include "qt_prueba.h"
#include "quelvort/object.h"

namespace {

using namespace prueba;

class SaveAsRestore : public ::testing::Test {
protected:
    static void SetUpTestSuite() { AsegurarAplicacion(); }
    void SetUp() override { MostrarDialogos(false); }

    // A fresh folder for the user database and its backup.
    void Nueva(const std::string& nombre) {
        dir_ = CarpetaTemporal(nombre);
        vivo_ = dir_ / "Tablas" / "794Mod.mdb";
        copia_ = dir_ / "backups" / "794Mod_bak.mdb";
        fs::create_directories(vivo_.parent_path());
        fs::create_directories(copia_.parent_path());
    }

    // The object set as the menu commands set it, to copy `de` over `a`.
    static auto Objeto(const fs::path& de, const fs::path& a, int32_t idioma = 0,
                       const std::string& separador = "/") {
        auto objeto = rt::CreateObjectAs<zentalib::_cSaveAsRestore>("Zentalib.cSaveAsRestore");
        objeto->ArchivoOrigen(de.filename().string());
        objeto->ArchivoDestino(a.filename().string());
        objeto->RutaDestino(a.parent_path().string() + separador);
        objeto->RutaOrigen(de.parent_path().string() + separador);
        objeto->Idioma(idioma);
        return objeto;
    }

    // The call's answer; every box it shows goes to responder and into vistos_.
    bool Llamar(const std::function<bool()>& llamada,
                const std::function<void(QWidget*)>& responder = Cerrar) {
        bool resultado = false;
        vistos_ = ConModales([&] { resultado = llamada(); }, responder);
        return resultado;
    }

    fs::path dir_, vivo_, copia_;
    std::vector<Modal> vistos_;
};

TEST_F(SaveAsRestore, BackupOfADatabaseInUseHoldsItsLatestRows) {
    for (const std::string separador : {"/", ""}) {
        SCOPED_TRACE("separator '" + separador + "'");
        Nueva("backup");
        fs::remove(copia_.parent_path());
        CrearBaseUsuario(vivo_, "Ana");
        const auto abierta = AbrirEnWal(vivo_, "INSERT INTO TDeclarante (nombred) VALUES ('Bea'),('Carla');");
        // The premise: a plain file copy misses the rows still in the WAL.
        fs::copy_file(vivo_, dir_ / "simple.mdb");
        ASSERT_EQ(Nombres(dir_ / "simple.mdb"), "Ana");

        EXPECT_TRUE(Llamar([&] { return Objeto(vivo_, copia_, 0, separador)->CrearBackup(); }));
        EXPECT_EQ(Contenido(copia_.parent_path()), "794Mod_bak.mdb;");
        EXPECT_EQ(Nombres(copia_), "Ana,Bea,Carla");
    }
}

TEST_F(SaveAsRestore, AFailedBackupAnswersFalseAndKeepsTheOldBackup) {
    for (const char* origen : {static_cast<const char*>(nullptr), "Nombre;NIF\r\nAna;12345678Z\r\n"}) {
        SCOPED_TRACE(origen ? "text file" : "no file");
        Nueva("backup-fallido");
        CrearBaseUsuario(copia_, "Antiguo");
        if (origen) EscribirBytes(vivo_, origen);
        const auto antes = LeerBytes(copia_);
        EXPECT_FALSE(Llamar([&] { return Objeto(vivo_, copia_)->CrearBackup(); }));
        EXPECT_TRUE(vistos_.empty());
        EXPECT_EQ(LeerBytes(copia_), antes);
        EXPECT_EQ(Contenido(copia_.parent_path()), "794Mod_bak.mdb;");
    }
}

// Asked first when the copy is a user database, told why when it is not; the
// target changes only when the user said Yes.
TEST_F(SaveAsRestore, RestoreWithItsBoxesAnsweredByTheUser) {
    MostrarDialogos(true);
    using Crear = std::function<void(const fs::path&)>;
    const Crear guardada = [](const fs::path& p) { CrearBaseUsuario(p, "Guardado"); };
    const struct {
        const char* nombre;
        Crear crear;
        QString boton = "Aceptar";
        QMessageBox::Icon icono = QMessageBox::Warning;
        int32_t idioma = 0;
    } casos[] = {
        {"No", guardada, "No", QMessageBox::Question},
        {"Sí", guardada, "Sí", QMessageBox::Question},
        {"Ez", guardada, "Ez", QMessageBox::Question, 10000},
        {"Bai", guardada, "Bai", QMessageBox::Question, 10000},
        {"text file", [](const fs::path& p) { EscribirBytes(p, "Nombre;NIF\r\nAna;12345678Z\r\n"); }},
        {"empty file", [](const fs::path& p) { EscribirBytes(p, ""); }},
        {"foreign SQLite file", [](const fs::path& p) { EjecutarSql(p, "CREATE TABLE clientes (id);"); }},
        {"user tables but tOperadores",
         [](const fs::path& p) { CrearBaseUsuario(p, "Ana"); EjecutarSql(p, "DROP TABLE tOperadores;"); }},
        {"truncated user database",
         [](const fs::path& p) { CrearBaseUsuario(p, "Ana"); fs::resize_file(p, fs::file_size(p) / 2); }},
        {"missing file", [](const fs::path&) {}, "Onartu", QMessageBox::Warning, 10000},
        {"a folder", [](const fs::path& p) { fs::create_directories(p); }},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        Nueva("restaurar");
        CrearBaseUsuario(vivo_, "Actual");
        c.crear(copia_);
        const auto antes = LeerBytes(vivo_);
        // A box without that button stays open and is recorded again, as "(timeout)".
        const bool resultado = Llamar([&] { return Objeto(copia_, vivo_, c.idioma)->CrearRestore(); },
                                      [&](QWidget* w) {
                                          for (auto* boton : w->findChildren<QAbstractButton*>())
                                              if (boton->text() == c.boton) return boton->click();
                                      });
        ASSERT_EQ(vistos_.size(), 1u);
        EXPECT_EQ(vistos_[0].icono, c.icono);
        EXPECT_EQ(resultado, c.boton == "Sí" || c.boton == "Bai");
        EXPECT_EQ(Contenido(vivo_.parent_path()), "794Mod.mdb;");
        if (resultado) EXPECT_EQ(Nombres(vivo_), "Guardado");
        else EXPECT_EQ(LeerBytes(vivo_), antes);
    }
}

// A crash left the target with committed rows only in its WAL: they must not
// be replayed onto the restored copy.
TEST_F(SaveAsRestore, WithoutDialogsARestoreOverALeftoverWalAnswersTrueAndHoldsOnlyTheCopy) {
    Nueva("wal-restos");
    const auto abandonada = dir_ / "abandonada.mdb";
    const auto testigo = dir_ / "testigo.mdb";
    CrearBaseUsuario(abandonada, "Viejo");
    {
        const auto abierta = AbrirEnWal(abandonada, "UPDATE TDeclarante SET nombred = 'Wal';");
        for (const fs::path& a : {vivo_, testigo}) {
            fs::copy_file(abandonada, a);
            fs::copy_file(abandonada.string() + "-wal", a.string() + "-wal");
        }
    }
    ASSERT_EQ(Nombres(testigo), "Wal");
    CrearBaseUsuario(copia_, "Restaurado");
    const auto copia = LeerBytes(copia_);

    const auto restaurar = [&] { return Objeto(copia_, vivo_)->CrearRestore(); };
    EXPECT_TRUE(Llamar(restaurar));
    EXPECT_TRUE(vistos_.empty());
    EXPECT_EQ(Contenido(vivo_.parent_path()), "794Mod.mdb;");
    EXPECT_EQ(Nombres(vivo_), "Restaurado");
    EXPECT_EQ(LeerBytes(copia_), copia);

    fs::remove(copia_);
    EXPECT_FALSE(Llamar(restaurar));
    EXPECT_TRUE(vistos_.empty());
}

}  // namespace
