// The operation-key texts, which no public member offers: each language and
// currency has its own column.
#include "db/tlecmdb.h"

#include <gtest/gtest.h>

#include "carpeta_prueba.h"
#include "db/conexion_dao.h"

using namespace quelvodat;

class TLecMDB : public prueba::ConCarpeta {};

TEST_F(TLecMDB, OperationKeyTextByLanguageAndCurrency) {
    sqlite::Database(Ruta("794Lec.mdb"), sqlite::Mode::Create)
        .executeScript("CREATE TABLE TOperacionesMod (codigo TEXT, descripcionc TEXT, "
                       "descripcionce TEXT, descripcione TEXT, descripcionee TEXT);"
                       "INSERT INTO TOperacionesMod VALUES "
                       "('E', 'c euro', 'c peseta', 'e euro', 'e peseta');");
    const std::tuple<int32_t, std::string, std::string, std::string> casos[] = {
        {0, "E", "E", "C EURO"},     {0, "P", "E", "C PESETA"}, {0, "", "E", "C PESETA"},
        {0, "e", "E", "C PESETA"},   {10000, "E", "E", "E EURO"}, {1, "P", "E", "E PESETA"},
        {0, "E", "e", "C EURO"},     {0, "E", "A", ""},         {0, "E", "E'", ""}};
    UsoBD uso(bd794lec, Ruta("794Lec.mdb"));
    for (const auto& [idioma, moneda, clave, texto] : casos) {
        cTLecMDB tabla;
        tabla.datTIdioma(idioma);
        tabla.datTMoneda(moneda);
        tabla.datTClaveCod(clave);
        EXPECT_EQ(tabla.ObtenerDesClave(), texto) << idioma << " \"" << moneda << "\" " << clave;
    }
}
