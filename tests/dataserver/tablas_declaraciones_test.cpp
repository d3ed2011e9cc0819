// The two members of the declaration tables that other stores call on a
// database they opened themselves.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "db/base_usuario.h"
#include "db/conexion_dao.h"
#include "db/tdeclaraciones.h"
#include "db/tdeclarados.h"
#include "quelvort/convert.h"

using namespace quelvodat;
namespace fs = std::filesystem;

namespace {

class TablasDeclaraciones : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("quelvo-tablas-declaraciones-" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        mod_ = (dir_ / "794Mod.mdb").string();
        CrearBaseUsuarioSiFalta(mod_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    int64_t Cuenta(const std::string& sql) {
        sqlite::Database db(mod_, sqlite::Mode::ReadOnly);
        auto rs = db.query(sql);
        return rs->Field(0).isNull() ? 0 : static_cast<int64_t>(rt::CDbl(rs->Field(0)));
    }

    fs::path dir_;
    std::string mod_;
};

// Declarant 7 gets n declarations with two entries each, declarant 8 one.
void Declaraciones(const std::string& ruta, int32_t n) {
    sqlite::Database db(ruta, sqlite::Mode::ReadWrite);
    db.execute(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
        "INSERT INTO TDeclaraciones (coddecr, ejercicio, periodo, moneda, periodicidad) "
        "SELECT 7, 2010, 12, 'E', 3 FROM n",
        {n});
    db.execute("INSERT INTO TDeclaraciones (coddecr, ejercicio, periodo) VALUES (8, 2010, 12)");
    db.execute(
        "INSERT INTO tOperadores (coddeclar, nifo) SELECT coddecla, 'A' FROM TDeclaraciones "
        "UNION ALL SELECT coddecla, 'B' FROM TDeclaraciones");
}

TEST_F(TablasDeclaraciones, DeletingAllOfADeclarantLeavesNoOrphanEntry) {
    Declaraciones(mod_, 40000);
    {
        UsoBD uso(bd794mod, mod_);
        sqlite::Transaction tx(uso.base());
        cTDeclaraciones tabla;
        EXPECT_TRUE(tabla.BorrarTodas(7));
        tx.commit();
    }
    EXPECT_EQ(Cuenta("SELECT count(*) FROM TDeclaraciones WHERE coddecr = 7"), 0);
    EXPECT_EQ(Cuenta("SELECT count(*) FROM tOperadores WHERE coddeclar NOT IN "
                     "(SELECT coddecla FROM TDeclaraciones)"),
              0);
    EXPECT_EQ(Cuenta("SELECT count(*) FROM tOperadores"), 2);
    // A declarant without declarations: nothing to delete, still true.
    UsoBD uso(bd794mod, mod_);
    EXPECT_TRUE(cTDeclaraciones().BorrarTodas(7));
}

TEST_F(TablasDeclaraciones, DeletingAllRunsInsideTheCallersTransaction) {
    Declaraciones(mod_, 3);
    {
        UsoBD uso(bd794mod, mod_);
        sqlite::Transaction tx(uso.base());
        cTDeclaraciones().BorrarTodas(7);
        // The caller fails later and rolls back: nothing may stay deleted.
    }
    EXPECT_EQ(Cuenta("SELECT count(*) FROM TDeclaraciones"), 4);
    EXPECT_EQ(Cuenta("SELECT count(*) FROM tOperadores"), 8);
}

TEST_F(TablasDeclaraciones, MemberStateStartIsExerciseTimesHundredPlusPeriod) {
    UsoBD uso(bd794lec, std::string(QUELVO_BIN_DIR) + "/Tablas/794Lec.mdb");
    struct Caso {
        const char* pais;
        int32_t inicio;
    } casos[] = {{"PL", 200405}, {"DE", 199301}, {"HR", 201307}, {"pl", 200405},
                 {"XX", 0},      {"", 0},        {"P'", 0}};
    for (const auto& caso : casos) {
        cTDeclarados tabla;
        tabla.datTDeclarados_paiso(caso.pais);
        EXPECT_EQ(tabla.ObtenerAnoPais(), caso.inicio) << caso.pais;
    }
}

TEST_F(TablasDeclaraciones, MemberStateStartThatCannotBeAnsweredFails) {
    auto lec = (dir_ / "794Lec.mdb").string();
    sqlite::Database(lec, sqlite::Mode::Create)
        .executeScript("CREATE TABLE TSiglasPais (SIGLASPAIS TEXT, ejercicio INTEGER, "
                       "periodo INTEGER);"
                       "INSERT INTO TSiglasPais VALUES ('AA', 30000000, 1), ('BB', NULL, 5);");
    UsoBD uso(bd794lec, lec);
    cTDeclarados tabla;
    tabla.datTDeclarados_paiso("AA");
    try {
        tabla.ObtenerAnoPais();
        ADD_FAILURE() << "no overflow";
    } catch (const rt::Error& e) {
        EXPECT_EQ(e.Number, rt::err::Overflow);
    }
    tabla.datTDeclarados_paiso("BB");
    try {
        tabla.ObtenerAnoPais();
        ADD_FAILURE() << "no error for a Null start";
    } catch (const rt::Error& e) {
        EXPECT_EQ(e.Number, rt::err::InvalidUseOfNull);
    }
}

}  // namespace
