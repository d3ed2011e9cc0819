// A restore killed half-way leaves its temporary copy beside the user
// database; the next backup clears it, as the next restore or start-up would.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <set>
#include <thread>

#include "consulta_db.h"
#include "fixture_db.h"
#include "procesos_prueba.h"
#include "quelvort/object.h"
#include "zentalib/cSaveAsRestore.h"

namespace fs = std::filesystem;

namespace {

// The names in a folder, sorted, each followed by ';'.
std::string Contenido(const fs::path& carpeta) {
    std::set<std::string> orden;
    for (const auto& e : fs::directory_iterator(carpeta)) orden.insert(e.path().filename().string());
    std::string nombres;
    for (const auto& n : orden) nombres += n + ";";
    return nombres;
}

// Whether a temporary copy of the restore lies beside `mod`, waiting 5 s at most.
bool AparecenTemporales(const fs::path& mod) {
    const std::string prefijo = mod.filename().string() + ".tmp";
    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (std::chrono::steady_clock::now() < limite) {
        for (const auto& e : fs::directory_iterator(mod.parent_path()))
            if (e.path().filename().string().rfind(prefijo, 0) == 0) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
}

class CopiaSeguridad : public ::testing::Test {
protected:
    void TearDown() override { fs::remove_all(carpeta); }
    const fs::path carpeta = prueba::CarpetaTemporal("restauracion-matada");
};

TEST_F(CopiaSeguridad, ABackupRemovesWhatARestoreKilledHalfWayLeftBesideTheUserDatabase) {
    const fs::path tablas = carpeta / "Tablas", copias = carpeta / "backups";
    fs::create_directories(tablas);
    fs::create_directories(copias);
    const fs::path mod = prueba::CrearBaseUsuarioPrueba(tablas);
    prueba::EjecutarSql(mod, "INSERT INTO TDeclarante (nombred) VALUES ('Actual');");
    const fs::path copia = copias / "794Mod_bak.mdb";
    fs::copy_file(mod, copia);
    prueba::EjecutarSql(copia, "UPDATE TDeclarante SET nombred = 'Copia';");

    {
        // Held by another program, the user database keeps the restore waiting
        // with its copy written aside, where it is killed.
        sqlite3* otro = nullptr;
        ASSERT_EQ(sqlite3_open(mod.c_str(), &otro), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(otro, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        prueba::Hijo restauracion({"restaurar", copia.string(), mod.string()}, (carpeta / "hijo.err").string());
        ASSERT_TRUE(restauracion.Lanzado());
        ASSERT_TRUE(restauracion.Listo());
        EXPECT_TRUE(AparecenTemporales(mod));
        restauracion.Matar();
        EXPECT_EQ(restauracion.Esperar(), -1) << restauracion.Errores();
        sqlite3_exec(otro, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(otro);
    }
    ASSERT_NE(Contenido(tablas), "794Mod.mdb;");

    ::setenv("QUELVO_SIN_DIALOGOS", "1", 1);
    auto backup = rt::CreateObjectAs<zentalib::_cSaveAsRestore>("Zentalib.cSaveAsRestore");
    backup->ArchivoOrigen("794Mod.mdb");
    backup->ArchivoDestino("794Mod_bak.mdb");
    backup->RutaDestino(copias.string() + "/");
    backup->RutaOrigen(tablas.string() + "/");
    EXPECT_TRUE(backup->CrearBackup());
    EXPECT_EQ(Contenido(tablas), "794Mod.mdb;");
    EXPECT_EQ(Contenido(copias), "794Mod_bak.mdb;");
    EXPECT_EQ(prueba::Valor(copia.string(), "SELECT nombred FROM TDeclarante"), "Actual");
}

}  // namespace
