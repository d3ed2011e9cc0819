// The duplicate check of an entry looks its VAT number up in an index: its
// work does not grow with the entries the declaration already holds.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "base_usuario_prueba.h"
#include "db/cdeclarado.h"

using namespace quelvodat;

namespace {

class IndiceDuplicados : public prueba::ConBaseUsuario {
protected:
    // Declaration 1 holding `n` entries, each of its own VAT number.
    void Entradas(int n) {
        Sql("DELETE FROM tOperadores; WITH RECURSIVE e(i) AS (SELECT 1 UNION ALL "
            "SELECT i + 1 FROM e WHERE i < " + std::to_string(n) + ") "
            "INSERT INTO tOperadores (coddeclar, paiso, nifo, razon, claveopo, "
            "ejercicioo, periodoo, triangularo) SELECT 1, 'DE', 100000000 + i, "
            "'X', 'E', 0, 0, ' ' FROM e;");
    }

    // The engine's steps of one duplicate check of the declaration.
    int Pasos() {
        cDeclarado declarados;
        declarados.mdbmod(mod_);
        EXPECT_FALSE(declarados.DeclaradosCoincidentes(1, "999999999", "E", " ", 0, 0, false, 0));
        UsoBD uso(bd794mod, mod_);
        for (sqlite3_stmt* s = sqlite3_next_stmt(uso.base().handle(), nullptr); s;
             s = sqlite3_next_stmt(uso.base().handle(), s))
            if (std::strstr(sqlite3_sql(s), "SELECT count(*) FROM tOperadores WHERE coddeclar"))
                return sqlite3_stmt_status(s, SQLITE_STMTSTATUS_VM_STEP, 1);
        ADD_FAILURE() << "the check's statement is not kept on the connection";
        return -1;
    }
};

TEST_F(IndiceDuplicados, TheCheckDoesNotGrowWithTheDeclaration) {
    Entradas(10);
    const int pocas = Pasos();
    Entradas(5000);
    const int muchas = Pasos();
    EXPECT_GT(pocas, 0);
    EXPECT_LT(muchas, pocas + 20) << pocas;
}

}  // namespace
