// The members of the declaration tables that other stores call on a database
// they opened themselves.
#include <gtest/gtest.h>

#include <filesystem>

#include "carpeta_prueba.h"
#include "comun/numero_de_error.h"
#include "db/base_usuario.h"
#include "db/conexion_dao.h"
#include "db/tdeclaraciones.h"
#include "db/tdeclarados.h"
#include "quelvort/convert.h"

using namespace quelvodat;
using prueba::NumeroDeError;

namespace {

class TablasDeclaraciones : public prueba::ConCarpeta {
protected:
    void SetUp() override {
        ConCarpeta::SetUp();
        CrearBaseUsuarioSiFalta(mod_ = Ruta("794Mod.mdb"));
    }

    // Declarant 7 gets n declarations with two entries each, declarant 8 one.
    void Declaraciones(int32_t n) {
        sqlite::Database db(mod_, sqlite::Mode::ReadWrite);
        db.execute("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
                   "INSERT INTO TDeclaraciones (coddecr, ejercicio, periodo, moneda, periodicidad) "
                   "SELECT 7, 2010, 12, 'E', 3 FROM n",
                   {n});
        db.execute("INSERT INTO TDeclaraciones (coddecr, ejercicio, periodo) VALUES (8, 2010, 12)");
        db.execute("INSERT INTO tOperadores (coddeclar, nifo) SELECT coddecla, 'A' FROM "
                   "TDeclaraciones UNION ALL SELECT coddecla, 'B' FROM TDeclaraciones");
    }

    int64_t Cuenta(const std::string& tabla) {
        sqlite::Database db(mod_, sqlite::Mode::ReadOnly);
        return static_cast<int64_t>(rt::CDbl(db.query("SELECT count(*) FROM " + tabla)->Field(0)));
    }

    std::string mod_;
};

TEST_F(TablasDeclaraciones, DeletingAllOfADeclarantRunsInTheCallersTransaction) {
    Declaraciones(40000);
    for (bool confirmar : {false, true}) {
        {
            UsoBD uso(bd794mod, mod_);
            sqlite::Transaction tx(uso.base());
            EXPECT_TRUE(cTDeclaraciones().BorrarTodas(7));
            if (confirmar) tx.commit();
        }
        // Unconfirmed, the caller rolls back: nothing may stay deleted.
        EXPECT_EQ(Cuenta("TDeclaraciones"), confirmar ? 1 : 40001);
        EXPECT_EQ(Cuenta("tOperadores"), confirmar ? 2 : 80002);
    }
    EXPECT_EQ(Cuenta("tOperadores WHERE coddeclar IN (SELECT coddecla FROM TDeclaraciones)"), 2);
    // Nothing left to delete is still a success.
    UsoBD uso(bd794mod, mod_);
    EXPECT_TRUE(cTDeclaraciones().BorrarTodas(7));
}

TEST_F(TablasDeclaraciones, MemberStateStartIsExerciseTimesHundredPlusPeriod) {
    {
        UsoBD uso(bd794lec, std::string(QUELVO_BIN_DIR) + "/Tablas/794Lec.mdb");
        const std::pair<const char*, int32_t> casos[] = {
            {"PL", 200405}, {"DE", 199301}, {"HR", 201307}, {"pl", 200405},
            {"XX", 0},      {"", 0},        {"P'", 0}};
        for (const auto& [pais, inicio] : casos) {
            cTDeclarados tabla;
            tabla.datTDeclarados_paiso(pais);
            EXPECT_EQ(tabla.ObtenerAnoPais(), inicio) << pais;
        }
    }
    // A start that cannot be answered fails instead of giving 0.
    sqlite::Database(Ruta("794Lec.mdb"), sqlite::Mode::Create)
        .executeScript("CREATE TABLE TSiglasPais (SIGLASPAIS TEXT, ejercicio INTEGER, "
                       "periodo INTEGER);"
                       "INSERT INTO TSiglasPais VALUES ('AA', 30000000, 1), ('BB', NULL, 5);");
    UsoBD uso(bd794lec, Ruta("794Lec.mdb"));
    cTDeclarados tabla;
    tabla.datTDeclarados_paiso("AA");
    EXPECT_EQ(NumeroDeError([&] { tabla.ObtenerAnoPais(); }), rt::err::Overflow);
    tabla.datTDeclarados_paiso("BB");
    EXPECT_EQ(NumeroDeError([&] { tabla.ObtenerAnoPais(); }), rt::err::InvalidUseOfNull);
}

TEST_F(TablasDeclaraciones, AnAnswerKeptForTheReferenceFileGoesWithIt) {
    auto referencia = [&](const std::string& ruta, int32_t ejercicio) {
        sqlite::Database(ruta, sqlite::Mode::Create)
            .executeScript("CREATE TABLE TSiglasPais (SIGLASPAIS TEXT, ejercicio INTEGER, "
                           "periodo INTEGER); INSERT INTO TSiglasPais VALUES ('CC', " +
                           std::to_string(ejercicio) + ", 5);");
    };
    auto inicio = [&] {
        UsoBD uso(bd794lec, Ruta("794Lec.mdb"));
        cTDeclarados tabla;
        tabla.datTDeclarados_paiso("CC");
        return tabla.ObtenerAnoPais();
    };
    referencia(Ruta("794Lec.mdb"), 2004);
    EXPECT_EQ(inicio(), 200405);
    EXPECT_EQ(inicio(), 200405);
    // Another reference file put in its place answers for itself.
    referencia(Ruta("nueva.mdb"), 2007);
    std::filesystem::rename(Ruta("nueva.mdb"), Ruta("794Lec.mdb"));
    EXPECT_EQ(inicio(), 200705);
}

}  // namespace
