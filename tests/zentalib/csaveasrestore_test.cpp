// Backup and restore reached by name, as the program's menu commands reach
// them, with the dialogs answered by QUELVO_SIN_DIALOGOS.
#include "zentalib/cSaveAsRestore.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "bd_prueba.h"
#include "quelvort/object.h"

namespace {

using namespace prueba;

// The properties in the order the program sets them.
std::shared_ptr<zentalib::_cSaveAsRestore> Preparar(const std::string& archivoOrigen,
                                                    const std::string& archivoDestino,
                                                    const fs::path& rutaDestino,
                                                    const fs::path& rutaOrigen) {
    auto objeto = rt::CreateObjectAs<zentalib::_cSaveAsRestore>("Zentalib.cSaveAsRestore");
    objeto->ArchivoOrigen(archivoOrigen);
    objeto->ArchivoDestino(archivoDestino);
    objeto->RutaDestino(rutaDestino.string());
    objeto->RutaOrigen(rutaOrigen.string());
    objeto->Filtro("archivos mdb (*.mdb;*.mdb)|*.mdb;mdb");
    objeto->Idioma(0);
    objeto->Parent(0);
    objeto->BDLectura("/nowhere/794Lec.mdb");
    objeto->BDTabla("TGENERAL");
    objeto->BDCampo("BACKUP_TVC");
    return objeto;
}

// Files a restore must refuse.
struct ArchivoRechazado {
    const char* nombre;
    std::function<void(const fs::path&)> crear;
};

std::vector<ArchivoRechazado> ArchivosRechazados() {
    return {
        {"text file", [](const fs::path& p) { EscribirBytes(p, "Nombre;NIF\r\nAna;12345678Z\r\n"); }},
        {"empty file", [](const fs::path& p) { EscribirBytes(p, ""); }},
        {"foreign SQLite file",
         [](const fs::path& p) { EjecutarSql(p, "CREATE TABLE clientes (id INTEGER, nombre TEXT);"); }},
        {"user tables but tOperadores",
         [](const fs::path& p) {
             CrearBaseUsuario(p, "Ana");
             EjecutarSql(p, "DROP TABLE tOperadores;");
         }},
        {"truncated user database",
         [](const fs::path& p) {
             CrearBaseUsuario(p, "Ana");
             fs::resize_file(p, fs::file_size(p) / 2);
         }},
        {"missing file", [](const fs::path&) {}},
        {"a folder", [](const fs::path& p) { fs::create_directories(p); }},
    };
}

class SaveAsRestore : public ::testing::Test {
protected:
    Entorno sinDialogos_{"QUELVO_SIN_DIALOGOS", "1"};
};

TEST_F(SaveAsRestore, BackupCreatesTheMissingFolderWithOrWithoutItsFinalSeparator) {
    for (const std::string final : {"/", ""}) {
        SCOPED_TRACE("separator '" + final + "'");
        const auto dir = CarpetaTemporal("backup");
        CrearBaseUsuario(dir / "Tablas" / "794Mod.mdb", "Ana");
        auto objeto = Preparar("794Mod.mdb", "794Mod_bak.mdb", (dir / "backups").string() + final,
                               (dir / "Tablas").string() + "/");
        EXPECT_TRUE(objeto->CrearBackup());
        EXPECT_EQ(Nombres(dir / "backups" / "794Mod_bak.mdb"), "Ana");
    }
}

TEST_F(SaveAsRestore, BackupWithoutADatabaseAnswersFalseAndWritesNothing) {
    const auto dir = CarpetaTemporal("backup-sin");
    fs::create_directories(dir / "Tablas");
    auto objeto = Preparar("794Mod.mdb", "794Mod_bak.mdb", dir / "backups", dir / "Tablas");
    EXPECT_FALSE(objeto->CrearBackup());
    EXPECT_FALSE(fs::exists(dir / "backups" / "794Mod_bak.mdb"));
}

TEST_F(SaveAsRestore, RestoreReplacesTheUserDatabaseAndAnswersTrue) {
    const auto dir = CarpetaTemporal("restore");
    CrearBaseUsuario(dir / "Tablas" / "794Mod.mdb", "Actual");
    fs::create_directories(dir / "backups");
    CrearBaseUsuario(dir / "backups" / "794Mod_bak.mdb", "Guardado");
    EjecutarSql(dir / "backups" / "794Mod_bak.mdb", "UPDATE tgeneral SET Idioma = 'E';");
    const auto copia = LeerBytes(dir / "backups" / "794Mod_bak.mdb");

    auto objeto = Preparar("794Mod_bak.mdb", "794Mod.mdb", dir / "Tablas", dir / "backups");
    ASSERT_TRUE(objeto->CrearRestore());
    EXPECT_EQ(Contenido(dir / "Tablas"), "794Mod.mdb;");
    EXPECT_EQ(Nombres(dir / "Tablas" / "794Mod.mdb"), "Guardado");
    EXPECT_EQ(ValorSql(dir / "Tablas" / "794Mod.mdb", "SELECT Idioma FROM tgeneral"), "E");
    EXPECT_EQ(LeerBytes(dir / "backups" / "794Mod_bak.mdb"), copia);
}

TEST_F(SaveAsRestore, RestoreOfAnythingButAUserDatabaseIsRefusedAndTouchesNothing) {
    for (const auto& c : ArchivosRechazados()) {
        SCOPED_TRACE(c.nombre);
        const auto dir = CarpetaTemporal("restore-rechazo");
        CrearBaseUsuario(dir / "Tablas" / "794Mod.mdb", "Actual");
        fs::create_directories(dir / "backups");
        c.crear(dir / "backups" / "794Mod_bak.mdb");
        const auto antes = LeerBytes(dir / "Tablas" / "794Mod.mdb");

        auto objeto = Preparar("794Mod_bak.mdb", "794Mod.mdb", dir / "Tablas", dir / "backups");
        EXPECT_FALSE(objeto->CrearRestore());
        EXPECT_EQ(LeerBytes(dir / "Tablas" / "794Mod.mdb"), antes);
        EXPECT_EQ(Contenido(dir / "Tablas"), "794Mod.mdb;");
    }
}

}  // namespace
