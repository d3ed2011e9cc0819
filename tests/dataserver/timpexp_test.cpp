// The import and export queries, run as their callers run them: on the user
// database the caller opened on the shared connection.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "db/base_usuario.h"
#include "db/conexion_dao.h"
#include "exchange/ctimpexp.h"
#include "quelvort/convert.h"

using namespace quelvodat;
namespace fs = std::filesystem;

namespace {

const char* kFixture = R"sql(
INSERT INTO TDeclarante (coddec, dni_cifd, nombred) VALUES
 (1,'B02222222','O´NEILL SL'), (2,'A01111111','ARABA SA'), (3,'C03333333','GASTEIZ SL');
INSERT INTO TDeclaraciones (coddecla,coddecr,ejercicio,periodo,periodicidad,moneda) VALUES
 (1,1,2009,6,2,'E'), (2,1,2009,6,2,'P'), (3,2,2009,6,2,'E'), (4,3,2009,5,1,'E'), (5,2,2009,6,1,'P'),
 (6,3,2010,6,2,'E'), (7,3,2010,6,1,'E');
INSERT INTO tOperadores (coddeclar,nifo,claveopo,base) VALUES
 (1,'X','1',1), (1,'Y','1',1), (2,'Z','2',1), (3,'W','1',1), (4,'V','1',1), (5,'U','1',1);
)sql";

using Filas = std::vector<std::vector<std::string>>;

// A (field, row) list as rows of texts; row 0 and the spare field Empty.
Filas FilasDe(const rt::Variant& lista) {
    Filas filas;
    int32_t campos = rt::UBound(lista, 1);
    for (int32_t j = 0; j <= campos; ++j) EXPECT_TRUE(lista(j, 0).isEmpty());
    for (int32_t r = 1; r <= rt::UBound(lista, 2); ++r) {
        EXPECT_TRUE(lista(campos, r).isEmpty());
        std::vector<std::string> fila;
        for (int32_t j = 0; j < campos; ++j) fila.push_back(lista(j, r).str());
        filas.push_back(fila);
    }
    return filas;
}

class ConsultasImpExp : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("quelvo-timpexp-" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        mod_ = (dir_ / "794Mod.mdb").string();
        CrearBaseUsuarioSiFalta(mod_);
        sqlite::Database(mod_, sqlite::Mode::ReadWrite).executeScript(kFixture);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path dir_;
    std::string mod_;
};

TEST_F(ConsultasImpExp, DeclarantsOfOneCurrencyByNif) {
    const struct {
        int32_t ejercicio;
        uint8_t periodo;
        const char* moneda;
        Filas filas;
    } casos[] = {
        {2009, 6, "E", {{"2", "A01111111", "ARABA SA"}, {"1", "B02222222", "O'NEILL SL"}}},
        {2009, 6, "P", {{"2", "A01111111", "ARABA SA"}, {"1", "B02222222", "O'NEILL SL"}}},
        {2009, 6, "p", {{"2", "A01111111", "ARABA SA"}, {"1", "B02222222", "O'NEILL SL"}}},
        // Declarant 3 has a quarterly and a monthly declaration of period 6:
        // listed once.
        {2010, 6, "E", {{"3", "C03333333", "GASTEIZ SL"}}},
        {2009, 5, "E", {{"3", "C03333333", "GASTEIZ SL"}}},
    };
    UsoBD uso(bd794mod, mod_);
    for (const auto& c : casos)
        EXPECT_EQ(FilasDe(cTImpExp().ObtenerDeclarantes(c.ejercicio, c.periodo, c.moneda)),
                  c.filas)
            << c.ejercicio << "/" << int(c.periodo) << " " << c.moneda;
}

TEST_F(ConsultasImpExp, NoDeclarantIsNull) {
    UsoBD uso(bd794mod, mod_);
    EXPECT_TRUE(cTImpExp().ObtenerDeclarantes(2011, 6, "E").isNull());
    EXPECT_TRUE(cTImpExp().ObtenerDeclarantes(2009, 5, "P").isNull());
}

TEST_F(ConsultasImpExp, TotalCountsEveryCurrencyAndPeriodicity) {
    UsoBD uso(bd794mod, mod_);
    EXPECT_EQ(cTImpExp().TotalDeclarados(2009, 6, "1"), 3);
    EXPECT_EQ(cTImpExp().TotalDeclarados(2009, 6, "1,2,3"), 5);
    EXPECT_EQ(cTImpExp().TotalDeclarados(2009, 5, "1,2"), 0);
}

TEST_F(ConsultasImpExp, ErrorsCarryTheQueryLocation) {
    // Nothing is open: the queries open nothing of their own.
    ConexionCompartida().mdb(bd794mod);
    ConexionCompartida().Cerrar();
    const struct {
        const char* ubicacion;
        std::function<void()> llamada;
    } casos[] = {
        {"cTImpExp.ObtenerDeclarantes ", [] { cTImpExp().ObtenerDeclarantes(2009, 6, "E"); }},
        {"cTImpExp.TotalDeclarados ", [] { cTImpExp().TotalDeclarados(2009, 6, "1"); }},
    };
    for (const auto& c : casos) {
        try {
            c.llamada();
            ADD_FAILURE() << c.ubicacion << "raised nothing";
        } catch (const rt::Error& e) {
            EXPECT_EQ(e.Description.rfind(c.ubicacion, 0), 0u) << e.Description;
        }
    }
}

}  // namespace
