// The operation-key texts, which no public member offers: each language and
// currency has its own column.
#include "db/tlecmdb.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "db/conexion_dao.h"

using namespace quelvodat;
namespace fs = std::filesystem;

TEST(TLecMDB, OperationKeyTextByLanguageAndCurrency) {
    auto dir = fs::temp_directory_path() / "quelvo-tlecmdb";
    fs::remove_all(dir);
    fs::create_directories(dir);
    auto lec = (dir / "794Lec.mdb").string();
    sqlite::Database(lec, sqlite::Mode::Create)
        .executeScript("CREATE TABLE TOperacionesMod (codigo TEXT, descripcionc TEXT, "
                       "descripcionce TEXT, descripcione TEXT, descripcionee TEXT);"
                       "INSERT INTO TOperacionesMod VALUES "
                       "('E', 'c euro', 'c peseta', 'e euro', 'e peseta');");
    struct Caso {
        int32_t idioma;
        std::string moneda;
        std::string clave;
        std::string esperado;
    };
    const Caso casos[] = {
        {0, "E", "E", "C EURO"},        {0, "P", "E", "C PESETA"},
        {0, "", "E", "C PESETA"},       {0, "e", "E", "C PESETA"},
        {10000, "E", "E", "E EURO"},    {1, "P", "E", "E PESETA"},
        {0, "E", "e", "C EURO"},        {0, "E", "A", ""},
        {0, "E", "E'", ""},
    };
    UsoBD uso(bd794lec, lec);
    for (const auto& c : casos) {
        cTLecMDB tabla;
        tabla.datTIdioma(c.idioma);
        tabla.datTMoneda(c.moneda);
        tabla.datTClaveCod(c.clave);
        EXPECT_EQ(tabla.ObtenerDesClave(), c.esperado)
            << c.idioma << " \"" << c.moneda << "\" \"" << c.clave << '"';
    }
}
