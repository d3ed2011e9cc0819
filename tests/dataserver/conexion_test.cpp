#include "db/conexion_dao.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace quelvodat;
namespace fs = std::filesystem;

namespace {

class Conexion : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("quelvo-conexion-" + std::string(::testing::UnitTest::GetInstance()
                                                     ->current_test_info()
                                                     ->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        mod_ = (dir_ / "794Mod.mdb").string();
        lec_ = (dir_ / "794Lec.mdb").string();
        sqlite::Database(mod_, sqlite::Mode::Create)
            .executeScript("CREATE TABLE t (id INTEGER PRIMARY KEY, nombre TEXT);"
                           "INSERT INTO t (nombre) VALUES ('UNO'), ('DOS');");
        sqlite::Database(lec_, sqlite::Mode::Create)
            .executeScript("CREATE TABLE r (codigo TEXT); INSERT INTO r VALUES ('01');");
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path dir_;
    std::string mod_, lec_;
};

// A member in the usual pattern: reads the user database and closes it.
int32_t contarFilas(const std::string& path) {
    return ConUbicacion("cPrueba.Contar", [&] {
        UsoBD uso(bd794mod, path);
        return uso.conexion().openRecordset("SELECT * FROM t")->RecordCount();
    });
}

}  // namespace

TEST_F(Conexion, EveryCallOpensAndClosesItsDatabase) {
    EXPECT_EQ(contarFilas(mod_), 2);
    EXPECT_FALSE(ConexionCompartida().Abierta(bd794mod));
    EXPECT_EQ(contarFilas(mod_), 2);
    EXPECT_FALSE(ConexionCompartida().Abierta(bd794mod));
}

TEST_F(Conexion, NestedUseOfTheOtherDatabaseLeavesTheFirstOpen) {
    UsoBD mod(bd794mod, mod_);
    {
        UsoBD lec(bd794lec, lec_);
        EXPECT_EQ(lec.conexion().openRecordset("SELECT * FROM r")->RecordCount(), 1);
        EXPECT_TRUE(ConexionCompartida().Abierta(bd794mod));
    }
    EXPECT_FALSE(ConexionCompartida().Abierta(bd794lec));
    // The selector is back on the user database for the outer member.
    EXPECT_EQ(mod.base().query("SELECT * FROM t")->RecordCount(), 2);
}

TEST_F(Conexion, AFailedMemberReportsItsLocationAndTheNextCallWorks) {
    try {
        ConUbicacion("cPrueba.Fallar", [&] {
            UsoBD uso(bd794mod, mod_);
            uso.conexion().execute("UPDATE no_existe SET x = 1");
        });
        FAIL();
    } catch (const rt::Error& e) {
        EXPECT_EQ(e.Number, sqlite::kEngineErrorBase + SQLITE_ERROR);
        EXPECT_EQ(e.Source, "SQLite");
        EXPECT_EQ(e.Description.rfind("cPrueba.Fallar no such table", 0), 0u) << e.Description;
    }
    EXPECT_FALSE(ConexionCompartida().Abierta(bd794mod));
    EXPECT_EQ(contarFilas(mod_), 2);
}

TEST_F(Conexion, MissingOrEmptyPathFailsWithoutCreatingAFile) {
    auto missing = (dir_ / "no" / "794Mod.mdb").string();
    EXPECT_THROW(contarFilas(missing), rt::Error);
    EXPECT_FALSE(fs::exists(missing));
    try {
        contarFilas("");
        FAIL();
    } catch (const rt::Error& e) {
        EXPECT_EQ(e.Number, sqlite::kEngineErrorBase + SQLITE_CANTOPEN);
        EXPECT_EQ(e.Description.rfind("cPrueba.Contar ", 0), 0u);
    }
}

TEST_F(Conexion, AFileThatIsNotADatabaseIsRefusedAtOpen) {
    std::ofstream(dir_ / "texto.mdb") << "esto no es una base de datos, es un texto cualquiera";
    EXPECT_THROW(UsoBD(bd794mod, (dir_ / "texto.mdb").string()), rt::Error);
}

TEST_F(Conexion, ATransactionLeavesNothingHalfDone) {
    sqlite::Database db(mod_, sqlite::Mode::ReadWrite);
    try {
        sqlite::Transaction tx(db);
        db.execute("INSERT INTO t (nombre) VALUES (?)", {"TRES"});
        db.execute("INSERT INTO no_existe VALUES (1)");
        tx.commit();
    } catch (const rt::Error&) {
    }
    EXPECT_EQ(db.query("SELECT * FROM t")->RecordCount(), 2);
    {
        sqlite::Transaction tx(db);
        db.execute("INSERT INTO t (nombre) VALUES (?)", {"TRES"});
        tx.commit();
    }
    EXPECT_EQ(db.query("SELECT * FROM t")->RecordCount(), 3);
}

TEST_F(Conexion, ValuesAreBoundNeverConcatenated) {
    sqlite::Database db(mod_, sqlite::Mode::ReadWrite);
    db.execute("INSERT INTO t (nombre) VALUES (?)", {"X'); DELETE FROM t; --"});
    EXPECT_EQ(db.query("SELECT * FROM t")->RecordCount(), 3);
    EXPECT_THROW(db.execute("DELETE FROM t; DELETE FROM r"), rt::Error);
    EXPECT_THROW(db.execute("SELECT * FROM t WHERE id = ?", {}), rt::Error);
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
    EXPECT_THROW((void)rs->Field(0), rt::Error);
}

TEST(SpanishCollation, AccentsFoldAndEnyeFollowsEn) {
    sqlite::Database db(":memory:", sqlite::Mode::Create);
    db.executeScript(
        "CREATE TABLE n (v TEXT);"
        "INSERT INTO n VALUES ('ÑANDU'), ('NUBE'), ('OSO'), ('ÁRBOL'), ('ZETA'), ('abeto'), "
        "('ÓSCAR'), ('NZ');");
    auto rs = db.query("SELECT v FROM n ORDER BY v COLLATE ES");
    std::vector<std::string> order;
    for (; !rs->Eof(); rs->MoveNext()) order.push_back(rs->Field(0).str());
    EXPECT_EQ(order, (std::vector<std::string>{"abeto", "ÁRBOL", "NUBE", "NZ", "ÑANDU", "ÓSCAR",
                                               "OSO", "ZETA"}));
}
