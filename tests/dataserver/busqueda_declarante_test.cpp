// An imported declarant is looked up by its NIF in an index: the work of a
// line does not grow with the declarants already stored, the match is still
// the whole NIF trimmed and letter case aside, and the upgrade gives the
// index to a database made before it existed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base_usuario_prueba.h"
#include "db/ctraspaso.h"
#include "exchange/cimportacion.h"
#include "quelvort/convert.h"
#include "quelvort/strings.h"
#include "quelvort/textfile.h"

using namespace quelvodat;

namespace {

class BusquedaDeclarante : public prueba::ConBaseUsuario {
protected:
    // Declarants 1 to n with valid NIFs ("00000001R", ...) and no declaration.
    void Declarantes(int n) {
        Sql("DELETE FROM TDeclaraciones; DELETE FROM TDeclarante; WITH RECURSIVE d(i) AS "
            "(SELECT 1 UNION ALL SELECT i + 1 FROM d WHERE i < " + std::to_string(n) + ") "
            "INSERT INTO TDeclarante (coddec, dni_cifd, nombred, viad, domiciliod, numerod, "
            "letrad, escalerad, pisod, manod, cod, codpostald, municipiod, telefonod, nombrepd, "
            "telefonopd) SELECT i, printf('%08d', i) || substr('TRWAGMYFPDXBNJZSQVHLCKE', "
            "i % 23 + 1, 1), 'DECLARANTE', 'CL', 'MAYOR', 1, ' ', ' ', ' ', ' ', 1, 1, "
            "'VITORIA', 945000000, ' ', 0 FROM d;");
    }

    static std::string Fixture(const std::string& nombre) {
        return std::string(QUELVO_FIXTURES_DIR) + "/importacion/" + nombre;
    }
    // The first line of the declarant file with another NIF.
    static std::string LineaDeclarante(const std::string& nif) {
        return nif + rt::ReadAllLines(Fixture("declarantes.txt")).at(0).substr(9);
    }
    // The record 1 of the submission file with another NIF.
    static std::string Registro1(const std::string& nif) {
        const std::string linea = rt::ReadAllLines(Fixture("soporte_2011.txt")).at(1);
        return rt::Left(linea, 12) + nif + rt::Mid(linea, 22);
    }

    // One line through a new object; answers its result.
    uint8_t Importar(const std::string& linea, bool declarante) {
        cImportacion o;
        o.mdbmod(mod_);
        o.mdblec(std::string(QUELVO_BIN_DIR) + "/Tablas/794Lec.mdb");
        o.EjercicioMin(1993);
        o.EjercicioMax(2013);
        rt::Variant valores, errores;
        if (declarante) return o.importDte(linea, valores, errores);
        o.importSpte(linea, errores, false);
        return o.Resultado();
    }

    sqlite3* Conexion() { return UsoBD(bd794mod, mod_).base().handle(); }

    // The engine's steps of every statement the line ran on the user
    // database.
    int Pasos(const std::string& linea, bool declarante, uint8_t esperado) {
        sqlite3* db = Conexion();
        for (sqlite3_stmt* s = sqlite3_next_stmt(db, nullptr); s; s = sqlite3_next_stmt(db, s))
            sqlite3_stmt_status(s, SQLITE_STMTSTATUS_VM_STEP, 1);
        EXPECT_EQ(Importar(linea, declarante), esperado) << linea;
        int pasos = 0;
        for (sqlite3_stmt* s = sqlite3_next_stmt(db, nullptr); s; s = sqlite3_next_stmt(db, s))
            pasos += sqlite3_stmt_status(s, SQLITE_STMTSTATUS_VM_STEP, 0);
        return pasos;
    }

    // The statements kept on the user database that read the declarant
    // table by reading every row of it.
    std::vector<std::string> LeenLaTablaEntera() {
        std::vector<std::string> enteras;
        UsoBD uso(bd794mod, mod_);
        sqlite3* db = uso.base().handle();
        for (sqlite3_stmt* s = sqlite3_next_stmt(db, nullptr); s; s = sqlite3_next_stmt(db, s)) {
            const std::string sql = sqlite3_sql(s);
            if (rt::InStr(rt::UCase(sql), "TDECLARANTE") == 0) continue;
            // Its plan, with its parameters left unbound.
            sqlite3_stmt* plan = nullptr;
            EXPECT_EQ(sqlite3_prepare_v2(db, ("EXPLAIN QUERY PLAN " + sql).c_str(), -1, &plan,
                                         nullptr),
                      SQLITE_OK)
                << sql;
            while (plan && sqlite3_step(plan) == SQLITE_ROW) {
                const std::string paso =
                    reinterpret_cast<const char*>(sqlite3_column_text(plan, 3));
                if (rt::InStr(rt::UCase(paso), "SCAN TDECLARANTE") > 0)
                    enteras.push_back(sql + " -> " + paso);
            }
            sqlite3_finalize(plan);
        }
        return enteras;
    }
};

TEST_F(BusquedaDeclarante, ALineDoesNotGrowWithTheDeclarantsStored) {
    const struct {
        const char* que;
        std::string linea;
        bool declarante;  // a line of the declarant file, else of a submission file
        uint8_t resultado;
    } casos[] = {
        {"declarant line, NIF stored", LineaDeclarante("00000001R"), true, 1},
        {"declarant line, NIF new", LineaDeclarante("12345678Z"), true, 0},
        {"record 1, declarant stored", Registro1("00000001R"), false, 1},
        {"record 1, declarant new", Registro1("12345678Z"), false, 0},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.que);
        Declarantes(10);
        const int pocos = Pasos(c.linea, c.declarante, c.resultado);
        Declarantes(5000);
        const int muchos = Pasos(c.linea, c.declarante, c.resultado);
        EXPECT_GT(pocos, 0);
        EXPECT_LT(muchos, pocos + 50) << pocos;
        EXPECT_EQ(LeenLaTablaEntera(), std::vector<std::string>{});
    }
}

TEST_F(BusquedaDeclarante, TheWholeNifMatchesTrimmedAndLetterCaseAside) {
    const struct {
        const char* guardado;
        bool hallado;
    } casos[] = {
        {"12345678Z", true},   {"12345678z", true},    {"  12345678Z  ", true},
        {" 12345678z", true},  {"12345678", false},    {"12345678ZX", false},
        {"012345678Z", false}, {"1234 5678Z", false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.guardado);
        Sql("DELETE FROM TDeclarante; INSERT INTO TDeclarante (coddec, dni_cifd, nombred) "
            "VALUES (7, '" + std::string(c.guardado) + "', 'GUARDADO');");
        cImportacion o;
        o.mdbmod(mod_);
        rt::Variant valores, errores;
        const uint8_t resultado = o.importDte(LineaDeclarante("12345678Z"), valores, errores);
        EXPECT_EQ(resultado, c.hallado ? 1 : 0);
        if (c.hallado) {
            EXPECT_EQ(rt::CLng(valores(0)), 7);
        }
        ConexionCompartida().CerrarTodo();
    }
}

TEST_F(BusquedaDeclarante, TheUpgradeGivesTheLookupIndexesToAnOlderDatabase) {
    for (const char* indice : {"TDeclarante_nif", "tOperadores_coddeclar_nifo"}) {
        SCOPED_TRACE(indice);
        ASSERT_TRUE(TieneIndice(indice));
        Sql(std::string("DROP INDEX ") + indice + ";");
        ASSERT_FALSE(TieneIndice(indice));
        cTraspaso traspaso;
        traspaso.mdbmod(mod_);
        EXPECT_FALSE(traspaso.Traspaso());
        EXPECT_TRUE(TieneIndice(indice));
    }
}

}  // namespace
