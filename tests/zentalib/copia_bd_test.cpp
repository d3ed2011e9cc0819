// Copies of the user database with no user interface: consistent backups of
// databases in use, and replacements that happen whole or not at all.
#include "copia_bd.h"

#include <gtest/gtest.h>

#include "bd_prueba.h"

namespace {

using namespace prueba;
using zentalib::ComprobarBaseUsuario;
using zentalib::CopiarBaseDatos;
using zentalib::FalloCopia;

struct CasoRuta {
    std::string carpeta, nombre, esperado;
};

TEST(UnirRuta, AddsTheSeparatorOnlyWhenMissing) {
    const CasoRuta casos[] = {
        {"/a/Tablas/", "794Mod.mdb", "/a/Tablas/794Mod.mdb"},
        {"/a/backups", "794Mod_bak.mdb", "/a/backups/794Mod_bak.mdb"},
        {"", "794Mod.mdb", "794Mod.mdb"},
        {"/", "x", "/x"},
    };
    for (const auto& c : casos) EXPECT_EQ(zentalib::UnirRuta(c.carpeta, c.nombre), c.esperado) << c.carpeta;
}

TEST(CopiarBaseDatos, BackupOfADatabaseInWalModeHoldsItsLatestRows) {
    const auto dir = CarpetaTemporal("wal");
    const auto origen = dir / "794Mod.mdb";
    CrearBaseUsuario(origen, "Ana");
    Conexion abierta(origen);
    abierta.Ejecutar("PRAGMA journal_mode=WAL; PRAGMA wal_autocheckpoint=0;"
                     "INSERT INTO TDeclarante (nombred) VALUES ('Bea');"
                     "INSERT INTO TDeclarante (nombred) VALUES ('Carla');");
    // The premise: the last rows are only in the WAL, a plain file copy misses them.
    fs::copy_file(origen, dir / "copia-simple.mdb");
    ASSERT_EQ(Nombres(dir / "copia-simple.mdb"), "Ana");

    const auto destino = dir / "programa" / "backups" / "794Mod_bak.mdb";
    const auto r = CopiarBaseDatos(origen.string(), destino.string());
    ASSERT_TRUE(r.ok()) << r.detalle;
    // The missing folder was created and holds the one finished file.
    EXPECT_EQ(Contenido(destino.parent_path()), "794Mod_bak.mdb;");
    EXPECT_EQ(Nombres(destino), "Ana,Bea,Carla");
    EXPECT_EQ(ValorSql(destino, "PRAGMA quick_check"), "ok");
}

struct CasoFallo {
    const char* nombre;
    const char* contenidoOrigen;  // nullptr: no source file at all
    FalloCopia esperado;
};

TEST(CopiarBaseDatos, AFailedBackupLeavesTheOldBackupAsItWas) {
    const CasoFallo casos[] = {
        {"no source", nullptr, FalloCopia::OrigenNoExiste},
        {"source is no database", "esto no es una base de datos, solo texto de relleno para el caso",
         FalloCopia::Copia},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        const auto dir = CarpetaTemporal("fallo-copia");
        const auto origen = dir / "794Mod.mdb";
        if (c.contenidoOrigen) EscribirBytes(origen, c.contenidoOrigen);
        fs::create_directories(dir / "backups");
        const auto destino = dir / "backups" / "794Mod_bak.mdb";
        CrearBaseUsuario(destino, "Antiguo");
        const auto antes = LeerBytes(destino);

        const auto r = CopiarBaseDatos(origen.string(), destino.string());
        EXPECT_EQ(r.fallo, c.esperado);
        EXPECT_EQ(LeerBytes(destino), antes);
        EXPECT_EQ(Contenido(dir / "backups"), "794Mod_bak.mdb;");
    }
}

// A crash left the target with committed rows only in its WAL. Those frames
// must neither survive into nor be replayed onto the restored copy.
TEST(CopiarBaseDatos, RestoreOverATargetWithALeftoverWalHoldsOnlyTheCopy) {
    const auto dir = CarpetaTemporal("wal-restos");
    const auto vivo = dir / "vivo.mdb";
    CrearBaseUsuario(vivo, "Viejo");
    {
        Conexion abierta(vivo);
        abierta.Ejecutar("PRAGMA journal_mode=WAL; PRAGMA wal_autocheckpoint=0;"
                         "DELETE FROM TDeclarante;"
                         "INSERT INTO TDeclarante (nombred) VALUES ('SoloEnWal');");
        for (const char* carpeta : {"tablas", "testigo"}) {
            fs::create_directories(dir / carpeta);
            fs::copy_file(vivo, dir / carpeta / "794Mod.mdb");
            fs::copy_file(fs::path(vivo.string() + "-wal"), dir / carpeta / "794Mod.mdb-wal");
        }
    }
    ASSERT_EQ(Nombres(dir / "testigo" / "794Mod.mdb"), "SoloEnWal");

    const auto copia = dir / "794Mod_bak.mdb";
    CrearBaseUsuario(copia, "Restaurado");
    const auto destino = dir / "tablas" / "794Mod.mdb";
    const auto r = CopiarBaseDatos(copia.string(), destino.string());
    ASSERT_TRUE(r.ok()) << r.detalle;
    EXPECT_EQ(Contenido(dir / "tablas"), "794Mod.mdb;");
    EXPECT_EQ(Nombres(destino), "Restaurado");
    EXPECT_EQ(ValorSql(destino, "PRAGMA quick_check"), "ok");
}

TEST(ComprobarBaseUsuario, AcceptsAUserDatabaseWhateverTheCaseOfItsTableNames) {
    const auto dir = CarpetaTemporal("comprobar-bien");
    CrearBaseUsuario(dir / "a.mdb", "Ana");
    EXPECT_TRUE(ComprobarBaseUsuario((dir / "a.mdb").string()).ok());
    EjecutarSql(dir / "b.mdb",
                "CREATE TABLE TDECLARANTE (x); CREATE TABLE tpresentador (x); CREATE TABLE tdeclaraciones (x);"
                "CREATE TABLE TOPERADORES (x); CREATE TABLE TGENERAL (x);");
    EXPECT_TRUE(ComprobarBaseUsuario((dir / "b.mdb").string()).ok());
}

}  // namespace
