#include "db/conexion_dao.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <optional>

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

TEST_F(Conexion, AStatementIsPreparedOncePerHandle) {
    sqlite::Database db(mod_, sqlite::Mode::ReadWrite);
    auto preparadas = [&] {
        int n = 0;
        for (sqlite3_stmt* s = sqlite3_next_stmt(db.handle(), nullptr); s;
             s = sqlite3_next_stmt(db.handle(), s))
            ++n;
        return n;
    };
    for (int i = 0; i < 5; ++i) {
        db.execute("INSERT INTO t (nombre) VALUES (?)", {"N" + std::to_string(i)});
        EXPECT_EQ(db.query("SELECT count(*) FROM t WHERE nombre = ?", {"N0"})->Field(0),
                  rt::Variant(1));
    }
    EXPECT_EQ(preparadas(), 2);
    // The same text in use twice at once gets a statement of its own.
    auto a = db.prepare("SELECT nombre FROM t ORDER BY id");
    auto b = db.prepare("SELECT nombre FROM t ORDER BY id");
    ASSERT_TRUE(a.step());
    ASSERT_TRUE(b.step());
    EXPECT_TRUE(a.step());
    EXPECT_EQ(a.column(0), rt::Variant("DOS"));
    EXPECT_EQ(b.column(0), rt::Variant("UNO"));
}

TEST_F(Conexion, UserDatabasesLogAndSyncEveryCommit) {
    sqlite::Database db(mod_, sqlite::Mode::ReadWrite);
    EXPECT_EQ(db.query("PRAGMA journal_mode")->Field(0), rt::Variant("wal"));
    EXPECT_EQ(db.query("PRAGMA synchronous")->Field(0), rt::Variant(2));  // FULL
}

TEST_F(Conexion, ATransactionInsideAnotherIsASavepointOfIt) {
    sqlite::Database db(mod_, sqlite::Mode::ReadWrite);
    {
        sqlite::Transaction exterior(db);
        db.execute("INSERT INTO t (nombre) VALUES ('TRES')");
        {
            sqlite::Transaction interior(db);
            db.execute("INSERT INTO t (nombre) VALUES ('CUATRO')");
        }
        {
            sqlite::Transaction interior(db);
            db.execute("INSERT INTO t (nombre) VALUES ('CINCO')");
            interior.commit();
        }
        EXPECT_TRUE(db.inTransaction());
        exterior.commit();
    }
    EXPECT_FALSE(db.inTransaction());
    std::vector<std::string> nombres;
    for (auto rs = db.query("SELECT nombre FROM t ORDER BY id"); !rs->Eof(); rs->MoveNext())
        nombres.push_back(rs->Field(0).str());
    EXPECT_EQ(nombres, (std::vector<std::string>{"UNO", "DOS", "TRES", "CINCO"}));
    {
        sqlite::Transaction exterior(db);
        {
            sqlite::Transaction interior(db);
            db.execute("DELETE FROM t");
            interior.commit();
        }
    }
    EXPECT_EQ(db.query("SELECT count(*) FROM t")->Field(0), rt::Variant(4));
}

TEST_F(Conexion, AFileReplacedOrDeletedBehindAnOpenHandleIsNoticed) {
    EXPECT_EQ(ContarFilas(mod_), 2);
    // Another file put in its place (as a restore does: written aside, renamed).
    const auto otra = Ruta("otra.mdb");
    sqlite::Database(otra, sqlite::Mode::Create)
        .executeScript("PRAGMA journal_mode=DELETE; CREATE TABLE t (id INTEGER PRIMARY KEY, "
                       "nombre TEXT); INSERT INTO t (nombre) VALUES ('SOLA');");
    std::filesystem::rename(mod_, Ruta("vieja.mdb"));
    std::filesystem::rename(otra, mod_);
    EXPECT_EQ(ContarFilas(mod_), 1);
    {
        UsoBD uso(bd794mod, mod_);
        uso.conexion().execute("INSERT INTO t (nombre) VALUES ('NUEVA')");
    }
    ConexionCompartida().CerrarTodo();
    auto nuevas = [&](const std::string& ruta) {
        return sqlite::Database(ruta, sqlite::Mode::ReadOnly)
            .query("SELECT count(*) FROM t WHERE nombre = 'NUEVA'")
            ->Field(0);
    };
    EXPECT_EQ(nuevas(mod_), rt::Variant(1));
    EXPECT_EQ(nuevas(Ruta("vieja.mdb")), rt::Variant(0));

    // Deleted: the next call fails rather than write through the old handle,
    // and creates nothing.
    EXPECT_EQ(ContarFilas(mod_), 2);
    for (const char* sufijo : {"", "-wal", "-shm"}) std::filesystem::remove(mod_ + sufijo);
    EXPECT_EQ(NumeroDeError([&] { ContarFilas(mod_); }),
              sqlite::kEngineErrorBase + SQLITE_CANTOPEN);
    EXPECT_FALSE(std::filesystem::exists(mod_));
}

// Looking at a file leaves it and whatever lies beside it alone, whatever
// characters its name holds.
TEST_F(Conexion, InspectReadsTheFileAloneAndChangesNothing) {
    std::filesystem::create_directories(dir_ / "Mis datos 100% ¿ñ?#");
    const std::string ruta = (dir_ / "Mis datos 100% ¿ñ?#" / "794Mod.mdb").string();
    std::filesystem::copy_file(mod_, ruta);
    // A stray log beside the file would be read, or removed, by an ordinary open.
    std::ofstream(ruta + "-wal", std::ios::binary) << "registro";
    auto listado = [&] {
        std::vector<std::pair<std::string, uintmax_t>> ficheros;
        for (const auto& f : std::filesystem::directory_iterator(std::filesystem::path(ruta).parent_path()))
            ficheros.emplace_back(f.path().filename().string(), f.file_size());
        std::sort(ficheros.begin(), ficheros.end());
        return ficheros;
    };
    const auto antes = listado();
    {
        sqlite::Database db(ruta, sqlite::Mode::Inspect);
        EXPECT_EQ(db.query("SELECT count(*) FROM t")->Field(0).lng(), 2);
        EXPECT_NE(NumeroDeError([&] { db.execute("DELETE FROM t"); }), 0);
    }
    EXPECT_EQ(listado(), antes);
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

// A row found inside a transaction is not looked for again while nothing can
// have taken it away; whatever can, makes the next call look again.
TEST_F(Conexion, ARowFoundInATransactionIsLookedForAgainOnlyWhenItCanHaveGone) {
    sqlite::Database db(mod_, sqlite::Mode::ReadWrite);
    constexpr const char* kSql = "SELECT 1 FROM t WHERE nombre = ?";
    auto busquedas = [&] {
        int n = 0;
        for (sqlite3_stmt* s = sqlite3_next_stmt(db.handle(), nullptr); s;
             s = sqlite3_next_stmt(db.handle(), s))
            if (std::string_view(sqlite3_sql(s)) == kSql)
                n += sqlite3_stmt_status(s, SQLITE_STMTSTATUS_RUN, 1);
        return n;
    };
    // Another process, between this handle's transactions.
    auto otro = [&](const char* sql) { sqlite::Database(mod_, sqlite::Mode::ReadWrite).executeScript(sql); };
    std::optional<sqlite::Transaction> tx, paso;
    using Paso = std::function<void()>;
    const struct Caso {
        const char* que;
        const char* nombre;
        Paso antes;  // inside the transaction, before the row is found
        Paso cambio;
        bool sigue;  // the row is there afterwards
    } casos[] = {
        {"nothing", "UNO", {}, [] {}, true},
        {"an insert", "UNO", {}, [&] { db.execute("INSERT INTO t (nombre) VALUES ('TRES')"); }, true},
        {"an update", "UNO", {}, [&] { db.execute("UPDATE t SET nombre = 'UNA' WHERE id = 1"); }, false},
        {"a delete", "UNO", {}, [&] { db.execute("DELETE FROM t WHERE id = 1"); }, false},
        {"a delete of every row", "UNO", {}, [&] { db.execute("DELETE FROM t"); }, false},
        {"a delete a trigger makes", "UNO", {},
         [&] {
             db.executeScript("CREATE TEMP TABLE u (x); CREATE TEMP TRIGGER borra AFTER INSERT ON u "
                              "BEGIN DELETE FROM t WHERE id = 1; END; INSERT INTO u VALUES (1);");
         },
         false},
        {"a savepoint rolled back", "TRES",
         [&] {
             paso.emplace(db);
             db.execute("INSERT INTO t (nombre) VALUES ('TRES')");
         },
         [&] { paso.reset(); }, false},
        // As the engine does after some failures, or a run after a failed commit.
        {"the transaction rolled back", "TRES",
         [&] { db.execute("INSERT INTO t (nombre) VALUES ('TRES')"); },
         [&] {
             db.executeScript("ROLLBACK");
             tx.reset();
             tx.emplace(db);
         },
         false},
        {"another process after a commit", "UNO", {},
         [&] {
             tx->commit();
             tx.reset();
             otro("DELETE FROM t WHERE id = 1");
             tx.emplace(db);
         },
         false},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.que);
        db.executeScript("DELETE FROM t; INSERT INTO t (id, nombre) VALUES (1, 'UNO'), (2, 'DOS');");
        tx.emplace(db);
        if (c.antes) c.antes();
        busquedas();
        EXPECT_TRUE(db.findsRow(kSql, std::string_view(c.nombre)));
        EXPECT_TRUE(db.findsRow(kSql, std::string_view(c.nombre)));
        EXPECT_EQ(busquedas(), 1);
        c.cambio();
        EXPECT_EQ(db.findsRow(kSql, std::string_view(c.nombre)), c.sigue);
        EXPECT_EQ(busquedas(), c.sigue ? 0 : 1);
        // Another value is another question.
        EXPECT_FALSE(db.findsRow(kSql, std::string_view("CUATRO")));
        paso.reset();
        tx.reset();
    }
    // Outside a transaction every call looks, and sees what others changed.
    busquedas();
    EXPECT_TRUE(db.findsRow(kSql, std::string_view("DOS")));
    otro("DELETE FROM t WHERE id = 2");
    EXPECT_FALSE(db.findsRow(kSql, std::string_view("DOS")));
    EXPECT_EQ(busquedas(), 2);
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
