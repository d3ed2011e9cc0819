// Reaches the data server only through CreateObject, as the program does:
// this executable does not link the library.
#include <gtest/gtest.h>

#include "comun/numero_de_error.h"

#include <filesystem>
#include <fstream>

#include "quelvodat/cConexionDAO.h"
#include "quelvort/error.h"
#include "quelvort/object.h"

namespace fs = std::filesystem;
using quelvodat::_cConexionDAO;

namespace {

fs::path emptyDatabase(const std::string& name) {
    auto dir = fs::temp_directory_path() / "quelvo-boundary";
    fs::create_directories(dir);
    auto path = dir / name;
    fs::remove(path);
    fs::remove(path.string() + "-wal");
    fs::remove(path.string() + "-shm");
    std::ofstream(path).close();  // an empty file is an empty database
    return path;
}

}  // namespace

TEST(CreateObject, UnknownLibraryOrClassIs429) {
    for (const char* id : {"Quelvodat.cNoExiste", "NoLibrary.cConexionDAO", "SinPunto",
                           "Quelvodat.", ".cConexionDAO"})
        EXPECT_EQ(prueba::NumeroDeError([&] { rt::CreateObject(id); }), 429) << id;
}

TEST(CreateObject, ConnectionClassThroughTheLibrary) {
    auto conexion = rt::CreateObjectAs<_cConexionDAO>("Quelvodat.cConexionDAO");
    ASSERT_NE(conexion, nullptr);
    // Class names ignore letter case, as programmatic identifiers do.
    EXPECT_NE(rt::CreateObjectAs<_cConexionDAO>("Quelvodat.cconexiondao"), nullptr);

    auto path = emptyDatabase("mod.db");
    conexion->mdb(quelvodat::bd794mod);
    conexion->AbrirBD(path.string());
    conexion->execute("CREATE TABLE t (nombre TEXT, n INTEGER)");
    conexion->execute("INSERT INTO t VALUES (?, ?)", {"O'HARA; DROP TABLE t", 7});
    auto rs = conexion->openRecordset("SELECT nombre, n FROM t");
    ASSERT_EQ(rs->RecordCount(), 1);
    EXPECT_EQ(rs->Field("NOMBRE").str(), "O'HARA; DROP TABLE t");
    EXPECT_EQ(rs->Field(1).lng(), 7);
    conexion->Cerrar();
    EXPECT_NE(prueba::NumeroDeError([&] { conexion->execute("SELECT 1"); }), 0);
}

TEST(CreateObject, EngineErrorsArriveUnchanged) {
    auto conexion = rt::CreateObjectAs<_cConexionDAO>("Quelvodat.cConexionDAO");
    conexion->mdb(quelvodat::bd794mod);
    conexion->AbrirBD(emptyDatabase("err.db").string());
    try {
        conexion->execute("SELECT * FROM no_existe");
        FAIL();
    } catch (const rt::Error& e) {
        EXPECT_EQ(e.Number, 3001);
        EXPECT_EQ(e.Source, "SQLite");
        EXPECT_NE(e.Description.find("no_existe"), std::string::npos);
    }
    // An empty path fails as any file that cannot be opened.
    EXPECT_EQ(prueba::NumeroDeError([&] { conexion->AbrirBD(""); }), 3014);
}

TEST(CreateObject, ReferenceDatabaseIsReadOnly) {
    auto path = emptyDatabase("lec.db");
    {
        auto escritura = rt::CreateObjectAs<_cConexionDAO>("Quelvodat.cConexionDAO");
        escritura->mdb(quelvodat::bd794mod);
        escritura->AbrirBD(path.string());
        escritura->execute("CREATE TABLE t (x)");
        escritura->Cerrar();
    }
    auto conexion = rt::CreateObjectAs<_cConexionDAO>("Quelvodat.cConexionDAO");
    conexion->mdb(quelvodat::bd794lec);
    conexion->AbrirBD(path.string());
    EXPECT_EQ(conexion->openRecordset("SELECT count(*) FROM t")->Field(0).lng(), 0);
    EXPECT_EQ(prueba::NumeroDeError([&] { conexion->execute("INSERT INTO t VALUES (1)"); }), 3008);
}
