// The import and export queries, run as their callers run them: on the user
// database the caller opened on the shared connection.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "carpeta_prueba.h"
#include "comun/numero_de_error.h"
#include "contenido_matriz.h"
#include "db/base_usuario.h"
#include "db/conexion_dao.h"
#include "exchange/ctimpexp.h"
#include "quelvort/convert.h"

using namespace quelvodat;
using prueba::NumeroDeError;

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

class ConsultasImpExp : public prueba::ConCarpeta {
protected:
    void SetUp() override {
        ConCarpeta::SetUp();
        CrearBaseUsuarioSiFalta(mod_ = Ruta("794Mod.mdb"));
        sqlite::Database(mod_, sqlite::Mode::ReadWrite).executeScript(kFixture);
    }
    std::string mod_;
};

TEST_F(ConsultasImpExp, DeclarantsOfOneCurrencyByNifAndTotals) {
    const std::string dos =
        "0..3x0..2 /|~|~|~|~ /|2|A01111111|ARABA SA|~ /|1|B02222222|O'NEILL SL|~";
    const std::string tres = "0..3x0..1 /|~|~|~|~ /|3|C03333333|GASTEIZ SL|~";
    const std::tuple<int32_t, uint8_t, const char*, std::string> casos[] = {
        {2009, 6, "E", dos}, {2009, 6, "P", dos}, {2009, 6, "p", dos},
        // Declarant 3 has a quarterly and a monthly declaration of period 6: listed once.
        {2010, 6, "E", tres}, {2009, 5, "E", tres}, {2011, 6, "E", "Null"}, {2009, 5, "P", "Null"}};
    UsoBD uso(bd794mod, mod_);
    for (const auto& [ejercicio, periodo, moneda, contenido] : casos)
        EXPECT_EQ(prueba::Contenido(cTImpExp().ObtenerDeclarantes(ejercicio, periodo, moneda)),
                  contenido)
            << ejercicio << "/" << int(periodo) << " " << moneda;
    // Totals count every currency and periodicity.
    EXPECT_EQ(cTImpExp().TotalDeclarados(2009, 6, "1"), 3);
    EXPECT_EQ(cTImpExp().TotalDeclarados(2009, 6, "1,2,3"), 5);
    EXPECT_EQ(cTImpExp().TotalDeclarados(2009, 5, "1,2"), 0);
}

TEST_F(ConsultasImpExp, ErrorsCarryTheQueryLocation) {
    // Nothing is open: the queries open nothing of their own.
    ConexionCompartida().mdb(bd794mod);
    ConexionCompartida().Cerrar();
    std::string descripcion;
    EXPECT_NE(NumeroDeError([] { cTImpExp().ObtenerDeclarantes(2009, 6, "E"); }, &descripcion), 0);
    EXPECT_EQ(descripcion.rfind("cTImpExp.ObtenerDeclarantes ", 0), 0u) << descripcion;
    EXPECT_NE(NumeroDeError([] { cTImpExp().TotalDeclarados(2009, 6, "1"); }, &descripcion), 0);
    EXPECT_EQ(descripcion.rfind("cTImpExp.TotalDeclarados ", 0), 0u) << descripcion;
}

}  // namespace
