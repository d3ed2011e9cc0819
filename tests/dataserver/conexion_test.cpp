#include "db/conexion_dao.h"

#include <gtest/gtest.h>

#include <fstream>

#include "carpeta_prueba.h"
#include "comun/numero_de_error.h"

using namespace quelvodat;
using prueba::NumeroDeError;

namespace {

class Conexion : public prueba::ConCarpeta {
protected:
    void SetUp() override {
        ConCarpeta::SetUp();
        sqlite::Database(mod_ = Ruta("794Mod.mdb"), sqlite::Mode::Create)
            .executeScript("CREATE TABLE t (id INTEGER PRIMARY KEY, nombre TEXT);"
                           "INSERT INTO t (nombre) VALUES ('UNO'), ('DOS');");
        sqlite::Database(lec_ = Ruta("794Lec.mdb"), sqlite::Mode::Create)
            .executeScript("CREATE TABLE r (codigo TEXT); INSERT INTO r VALUES ('01');");
    }
    std::string mod_, lec_;
};

// A member in the usual pattern: reads the user database.
int32_t ContarFilas(const std::string& ruta) {
    return ConUbicacion("cPrueba.Contar", [&] {
        UsoBD uso(bd794mod, ruta);
        return uso.conexion().openRecordset("SELECT * FROM t")->RecordCount();
    });
}

TEST_F(Conexion, HandlesStayOpenBetweenUsesAndTheSelectorIsRestored) {
    EXPECT_EQ(ContarFilas(mod_), 2);
    ASSERT_TRUE(ConexionCompartida().Abierta(bd794mod));
    sqlite3* handle = ConexionCompartida().BaseSeleccionada().handle();
    UsoBD mod(bd794mod, mod_);
    EXPECT_EQ(mod.base().handle(), handle);
    {
        UsoBD lec(bd794lec, lec_);
        EXPECT_EQ(lec.conexion().openRecordset("SELECT * FROM r")->RecordCount(), 1);
        EXPECT_EQ(ConexionCompartida().Selector(), bd794lec);
    }
    EXPECT_EQ(ConexionCompartida().Selector(), bd794mod);
    EXPECT_TRUE(ConexionCompartida().Abierta(bd794lec));
    EXPECT_EQ(mod.conexion().openRecordset("SELECT * FROM t")->RecordCount(), 2);
    ConexionCompartida().CerrarTodo();
    EXPECT_FALSE(ConexionCompartida().Abierta(bd794mod));
    EXPECT_FALSE(ConexionCompartida().Abierta(bd794lec));
    // Closed, the user database has its log checkpointed into the file.
    EXPECT_FALSE(std::filesystem::exists(mod_ + "-wal"));
}

TEST_F(Conexion, FailuresCarryTheLocationAndLeaveNoTransactionOpen) {
    std::string descripcion;
    EXPECT_EQ(NumeroDeError([&] {
                  ConUbicacion("cPrueba.Fallar", [&] {
                      UsoBD uso(bd794mod, mod_);
                      uso.conexion().execute("UPDATE no_existe SET x = 1");
                  });
              }, &descripcion),
              sqlite::kEngineErrorBase + SQLITE_ERROR);
    EXPECT_EQ(descripcion.rfind("cPrueba.Fallar no such table", 0), 0u) << descripcion;
    EXPECT_FALSE(ConexionCompartida().BaseSeleccionada().inTransaction());
    EXPECT_EQ(ContarFilas(mod_), 2);

    EXPECT_EQ(NumeroDeError([] { ContarFilas(""); }, &descripcion),
              sqlite::kEngineErrorBase + SQLITE_CANTOPEN);
    EXPECT_EQ(descripcion.rfind("cPrueba.Contar ", 0), 0u) << descripcion;
    // Neither a missing file (which must not be created) nor a text file opens.
    std::ofstream(Ruta("texto.mdb")) << "esto no es una base de datos, es un texto cualquiera";
    for (const std::string& ruta : {Ruta("no/794Mod.mdb"), Ruta("texto.mdb")})
        EXPECT_NE(NumeroDeError([&] { UsoBD(bd794mod, ruta); }), 0) << ruta;
    EXPECT_FALSE(std::filesystem::exists(Ruta("no/794Mod.mdb")));
}

TEST_F(Conexion, TransactionsAreAllOrNothingAndValuesAreBound) {
    sqlite::Database db(mod_, sqlite::Mode::ReadWrite);
    EXPECT_NE(NumeroDeError([&] {
                  sqlite::Transaction tx(db);
                  db.execute("INSERT INTO t (nombre) VALUES (?)", {"TRES"});
                  db.execute("INSERT INTO no_existe VALUES (1)");
                  tx.commit();
              }),
              0);
    EXPECT_EQ(db.query("SELECT * FROM t")->RecordCount(), 2);
    {
        sqlite::Transaction tx(db);
        db.execute("INSERT INTO t (nombre) VALUES (?)", {"X'); DELETE FROM t; --"});
        tx.commit();
    }
    EXPECT_EQ(db.query("SELECT * FROM t")->RecordCount(), 3);
    EXPECT_NE(NumeroDeError([&] { db.execute("DELETE FROM t; DELETE FROM r"); }), 0);
    EXPECT_NE(NumeroDeError([&] { db.execute("SELECT * FROM t WHERE id = ?", {}); }), 0);
    EXPECT_EQ(db.query("SELECT * FROM t")->RecordCount(), 3);
}

TEST_F(Conexion, ColumnKindsArriveAsVariants) {
    sqlite::Database db(mod_, sqlite::Mode::ReadWrite);
    auto rs = db.query("SELECT 7, 3000000000, 2.5, 'x', NULL, ?", {true});
    EXPECT_EQ(rs->Field(0), rt::Variant(7));
    EXPECT_EQ(rs->Field(1), rt::Variant(3e9));
    EXPECT_EQ(rs->Field(2), rt::Variant(2.5));
    EXPECT_EQ(rs->Field(3), rt::Variant("x"));
    EXPECT_TRUE(rs->Field(4).isNull());
    EXPECT_EQ(rs->Field(5), rt::Variant(-1));
    rs->MoveNext();
    EXPECT_NE(NumeroDeError([&] { (void)rs->Field(0); }), 0);
}

TEST(SpanishCollation, AccentsFoldAndEnyeFollowsEn) {
    sqlite::Database db(":memory:", sqlite::Mode::Create);
    db.executeScript("CREATE TABLE n (v TEXT); INSERT INTO n VALUES ('ÑANDU'), ('NUBE'), ('OSO'), "
                     "('ÁRBOL'), ('ZETA'), ('abeto'), ('ÓSCAR'), ('NZ');");
    std::vector<std::string> orden;
    for (auto rs = db.query("SELECT v FROM n ORDER BY v COLLATE ES"); !rs->Eof(); rs->MoveNext())
        orden.push_back(rs->Field(0).str());
    EXPECT_EQ(orden, (std::vector<std::string>{"abeto", "ÁRBOL", "NUBE", "NZ", "ÑANDU", "ÓSCAR",
                                               "OSO", "ZETA"}));
}

}  // namespace
