// Reaches the data server only through CreateObject, as the program does:
// this executable does not link the library.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "comun/numero_de_error.h"
#include "fixture_db.h"
#include "quelvodat/cConexionDAO.h"
#include "quelvort/object.h"

using quelvodat::_cConexionDAO;

namespace {

// A connection on a database of its own (an empty file is an empty database).
std::shared_ptr<_cConexionDAO> Conexion(const std::string& ruta, quelvodat::BD bd) {
    if (!std::filesystem::exists(ruta)) std::ofstream(ruta).close();
    auto c = rt::CreateObjectAs<_cConexionDAO>("Quelvodat.cConexionDAO");
    c->mdb(bd);
    c->AbrirBD(ruta);
    return c;
}

TEST(CreateObject, UnknownLibraryOrClassIs429) {
    for (const char* id : {"Quelvodat.cNoExiste", "NoLibrary.cConexionDAO", "SinPunto",
                           "Quelvodat.", ".cConexionDAO"})
        EXPECT_EQ(prueba::NumeroDeError([&] { rt::CreateObject(id); }), 429) << id;
    // Class names ignore letter case, as programmatic identifiers do.
    for (const char* id : {"Quelvodat.cconexiondao", "Quelvodat.cTImpExp"})
        EXPECT_NE(rt::CreateObject(id), nullptr) << id;
}

TEST(CreateObject, ConnectionClassThroughTheLibrary) {
    auto carpeta = prueba::CarpetaTemporal("create-object");
    auto conexion = Conexion((carpeta / "mod.db").string(), quelvodat::bd794mod);
    conexion->execute("CREATE TABLE t (nombre TEXT, n INTEGER)");
    conexion->execute("INSERT INTO t VALUES (?, ?)", {"O'HARA; DROP TABLE t", 7});
    auto rs = conexion->openRecordset("SELECT nombre, n FROM t");
    ASSERT_EQ(rs->RecordCount(), 1);
    EXPECT_EQ(rs->Field("NOMBRE").str(), "O'HARA; DROP TABLE t");
    EXPECT_EQ(rs->Field(1).lng(), 7);

    auto e = prueba::ErrorDe([&] { conexion->execute("SELECT * FROM no_existe"); });
    EXPECT_EQ(e.Number, 3001);
    EXPECT_EQ(e.Source, "SQLite");
    EXPECT_NE(e.Description.find("no_existe"), std::string::npos) << e.Description;
    conexion->Cerrar();
    EXPECT_NE(prueba::NumeroDeError([&] { conexion->execute("SELECT 1"); }), 0);
    EXPECT_EQ(prueba::NumeroDeError([&] { conexion->AbrirBD(""); }), 3014);

    // The reference database is opened read-only.
    auto lectura = Conexion((carpeta / "mod.db").string(), quelvodat::bd794lec);
    EXPECT_EQ(lectura->openRecordset("SELECT count(*) FROM t")->Field(0).lng(), 1);
    EXPECT_EQ(prueba::NumeroDeError([&] { lectura->execute("DELETE FROM t"); }), 3008);
    std::filesystem::remove_all(carpeta);
}

}  // namespace
