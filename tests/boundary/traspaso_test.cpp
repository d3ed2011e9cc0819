// The upgrade of an older user database, reached by name as start-up does.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <optional>

#include "boundary/fixture_db.h"
#include "quelvodat/cTraspaso.h"
#include "quelvort/error.h"
#include "quelvort/object.h"

namespace fs = std::filesystem;

namespace {

using Filas = std::vector<std::vector<std::string>>;
constexpr const char* kNulo = "(null)";

Filas Consultar(const std::string& ruta, const std::string& sql) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(ruta.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) {
        std::string error = sqlite3_errmsg(db);
        sqlite3_close(db);
        throw std::runtime_error(error);
    }
    Filas filas;
    while (sqlite3_step(st) == SQLITE_ROW) {
        auto& fila = filas.emplace_back();
        for (int c = 0; c < sqlite3_column_count(st); ++c) {
            auto texto = reinterpret_cast<const char*>(sqlite3_column_text(st, c));
            fila.push_back(texto ? texto : kNulo);
        }
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    return filas;
}

Filas Columnas(const std::string& ruta, const std::string& tabla) {
    return Consultar(
        ruta, "SELECT name, type, dflt_value, \"notnull\", pk FROM pragma_table_info('" + tabla +
                  "') ORDER BY cid");
}

Filas Indices(const std::string& ruta, const std::string& tabla) {
    return Consultar(
        ruta, "SELECT name, sql FROM sqlite_master WHERE type = 'index' AND tbl_name = '" + tabla +
                  "' COLLATE NOCASE ORDER BY name");
}

// Schema and rows of one table, or of the whole database.
Filas Volcado(const std::string& ruta, const std::string& tabla = "") {
    auto esquema = Consultar(
        ruta, "SELECT type, name, sql FROM sqlite_master" +
                  (tabla.empty() ? "" : " WHERE tbl_name = '" + tabla + "' COLLATE NOCASE") +
                  " ORDER BY name");
    Filas volcado = esquema;
    for (const auto& objeto : esquema) {
        if (objeto[0] != "table") continue;
        auto filas = Consultar(ruta, "SELECT * FROM \"" + objeto[1] + "\" ORDER BY rowid");
        volcado.insert(volcado.end(), filas.begin(), filas.end());
    }
    return volcado;
}

bool Traspasar(const std::string& ruta) {
    auto traspaso = rt::CreateObjectAs<quelvodat::_cTraspaso>("Quelvodat.cTraspaso");
    traspaso->mdbmod(ruta);
    traspaso->mdbPath(fs::path(ruta).parent_path().string() + "/");
    return traspaso->Traspaso();
}

std::optional<rt::Error> ErrorDe(const std::string& ruta) {
    try {
        Traspasar(ruta);
    } catch (const rt::Error& e) {
        return e;
    }
    return std::nullopt;
}

// Layouts of earlier releases: no periodicity, periods 0..4, currencies in
// full, no entry type, a wider operation key with an index of its own.
std::string DeclaracionesAntiguas(const std::string& clave = "INTEGER PRIMARY KEY AUTOINCREMENT") {
    return "DROP TABLE TDeclaraciones;"
           "CREATE TABLE tDeclaraciones (coddecla " + clave +
           ", coddecr INTEGER, ejercicio INTEGER, periodo INTEGER, moneda VARCHAR(10));"
           "CREATE INDEX tDeclaraciones_coddecr ON tDeclaraciones (coddecr);"
           "INSERT INTO tDeclaraciones VALUES (3, 1, 2001, 0, 'Pesetas'), (7, 1, 2002, 1, 'Euros'),"
           " (8, 1, 2002, 2, 'Euros'), (9, 1, 2002, 3, 'EUROS'), (12, 2, 2002, 4, 'E');";
}

std::string OperadoresAntiguos(const std::string& clave = "INTEGER PRIMARY KEY AUTOINCREMENT") {
    return "DROP TABLE tOperadores;"
           "CREATE TABLE tOperadores (codope " + clave +
           ", coddeclar INTEGER, paiso TEXT, paisaux TEXT, nifo TEXT, razon TEXT,"
           " claveopo VARCHAR(2), base REAL, signoo TEXT, ejercicioo INTEGER, periodoo INTEGER,"
           " triangularo TEXT);"
           "CREATE INDEX claveopo ON tOperadores (claveopo);"
           "INSERT INTO tOperadores VALUES"
           " (11, 7, 'FR', ' ', 'A1', 'CASA D´OR', '1', 100.5, ' ', 0, 0, 'X'),"
           " (12, 7, 'DE', ' ', 'A2', 'B', '2', -3.25, '-', 2001, 0, ' '),"
           " (13, 7, 'DE', ' ', 'A3', 'C', '3', 1, ' ', 2001, 1, ' '),"
           " (14, 7, 'DE', ' ', 'A4', 'D', '4', 2, ' ', 2001, 2, ' '),"
           " (15, 8, 'IT', ' ', 'A5', 'E', '1', 3, ' ', 2001, 3, ' '),"
           " (16, 8, 'IT', ' ', 'A6', 'F', '2', 4, ' ', 2001, 4, ' '),"
           " (21, 8, 'PT', ' ', 'A7', 'G', '3', 5, ' ', 0, 1, ' '),"
           " (22, 9, 'PT', ' ', 'A8', 'H', '4', 6, ' ', 0, 2, ' '),"
           " (23, 9, 'PT', ' ', 'A9', 'I', '1', 7, ' ', 0, 3, ' '),"
           " (30, 9, 'PT', ' ', 'B1', 'J', '2', 8, ' ', 0, 4, ' ');";
}

// Rows in the current layout: their periods must not be recoded again.
const std::string kFilasActuales =
    "INSERT INTO TDeclaraciones VALUES (5, 1, 2002, 3, 2, 'E', 'X');"
    "INSERT INTO tOperadores VALUES"
    " (4, 5, 'FR', ' ', 'Z', 'Z', 'R', '1', 1, ' ', 2001, 3, ' ', 2);";

class Traspaso : public ::testing::Test {
protected:
    std::string Base(const std::string& sql) {
        auto carpeta = prueba::CarpetaTemporal(
            std::string("traspaso-") +
            ::testing::UnitTest::GetInstance()->current_test_info()->name() + std::to_string(++n_));
        auto ruta = prueba::CrearBaseUsuarioPrueba(carpeta);
        prueba::EjecutarSql(ruta, sql);
        return ruta;
    }
    // The current layout as a new database has it.
    std::string Actual() { return Base(""); }
    int n_ = 0;
};

TEST_F(Traspaso, OldLayoutEndsInTheCurrentColumnOrderAndIndexes) {
    auto actual = Actual();
    auto ruta = Base(DeclaracionesAntiguas() + OperadoresAntiguos());
    EXPECT_FALSE(Traspasar(ruta));
    for (const char* tabla : {"TDeclaraciones", "tOperadores"}) {
        EXPECT_EQ(Columnas(ruta, tabla), Columnas(actual, tabla)) << tabla;
        EXPECT_EQ(Indices(ruta, tabla), Indices(actual, tabla)) << tabla;
    }
    EXPECT_EQ(Volcado(ruta, "TDeclarante"), Volcado(actual, "TDeclarante"));
}

TEST_F(Traspaso, DeclarationPeriodsAndCurrenciesAreRecoded) {
    auto ruta = Base(DeclaracionesAntiguas() + OperadoresAntiguos());
    Traspasar(ruta);
    // coddecla, coddecr, ejercicio, periodo, periodicidad, moneda, bimensual
    Filas esperadas = {{"3", "1", "2001", "12", "3", "P", kNulo},
                       {"7", "1", "2002", "3", "2", "E", kNulo},
                       {"8", "1", "2002", "6", "2", "E", kNulo},
                       {"9", "1", "2002", "9", "2", "E", kNulo},
                       {"12", "2", "2002", "12", "2", "E", kNulo}};
    EXPECT_EQ(Consultar(ruta, "SELECT * FROM TDeclaraciones ORDER BY coddecla"), esperadas);
}

TEST_F(Traspaso, EntryPeriodsTypesAndPeriodicitiesAreRecoded) {
    auto ruta = Base(DeclaracionesAntiguas() + OperadoresAntiguos());
    Traspasar(ruta);
    struct Caso {
        const char* codope;
        const char* periodoo;
        const char* periodicidad;
        const char* tipoopo;
    };
    const Caso casos[] = {{"11", "0", "0", "N"},   {"12", "12", "3", "R"},  {"13", "3", "2", "R"},
                          {"14", "6", "2", "R"},   {"15", "9", "2", "R"},   {"16", "12", "2", "R"},
                          {"21", "3", "2", kNulo}, {"22", "6", "2", kNulo}, {"23", "9", "2", kNulo},
                          {"30", "12", "2", kNulo}};
    auto filas = Consultar(
        ruta, "SELECT codope, periodoo, periodicidad, tipoopo FROM tOperadores ORDER BY codope");
    ASSERT_EQ(filas.size(), std::size(casos));
    for (size_t i = 0; i < filas.size(); ++i)
        EXPECT_EQ(filas[i], (std::vector<std::string>{casos[i].codope, casos[i].periodoo,
                                                      casos[i].periodicidad, casos[i].tipoopo}));
    // The other columns come over as they were, in their new places.
    EXPECT_EQ(
        Consultar(ruta, "SELECT * FROM tOperadores WHERE codope IN (11, 12) ORDER BY codope"),
        (Filas{
            {"11", "7", "FR", " ", "A1", "CASA D´OR", "N", "1", "100.5", " ", "0", "0", "X", "0"},
            {"12", "7", "DE", " ", "A2", "B", "R", "2", "-3.25", "-", "2001", "12", " ", "3"}}));
}

TEST_F(Traspaso, OnlyTheOlderTableIsUpgraded) {
    struct Caso {
        const char* nombre;
        std::string sql;
        bool declaraciones;
        bool operadores;
    };
    const Caso casos[] = {
        {"entries old", kFilasActuales + OperadoresAntiguos(), false, true},
        {"declarations old", kFilasActuales + DeclaracionesAntiguas(), true, false},
        // Column names match in any letter case, so these count as markers.
        {"Bimensual",
         kFilasActuales + DeclaracionesAntiguas() +
             "ALTER TABLE tDeclaraciones ADD COLUMN Bimensual TEXT;" + OperadoresAntiguos(),
         false, true},
        {"TIPOOPO",
         kFilasActuales + OperadoresAntiguos() +
             "ALTER TABLE tOperadores ADD COLUMN TIPOOPO TEXT;" + DeclaracionesAntiguas(),
         true, false},
    };
    auto actual = Actual();
    for (const auto& caso : casos) {
        auto ruta = Base(caso.sql);
        auto declaraciones = Volcado(ruta, "tDeclaraciones");
        auto operadores = Volcado(ruta, "tOperadores");
        EXPECT_FALSE(Traspasar(ruta)) << caso.nombre;
        if (caso.declaraciones)
            EXPECT_EQ(Columnas(ruta, "TDeclaraciones"), Columnas(actual, "TDeclaraciones"))
                << caso.nombre;
        else
            EXPECT_EQ(Volcado(ruta, "tDeclaraciones"), declaraciones) << caso.nombre;
        if (caso.operadores)
            EXPECT_EQ(Columnas(ruta, "tOperadores"), Columnas(actual, "tOperadores"))
                << caso.nombre;
        else
            EXPECT_EQ(Volcado(ruta, "tOperadores"), operadores) << caso.nombre;
    }
}

TEST_F(Traspaso, CurrentOrUpgradedDatabaseIsLeftAlone) {
    auto actual = Base(kFilasActuales);
    auto antes = Volcado(actual);
    EXPECT_FALSE(Traspasar(actual));
    EXPECT_EQ(Volcado(actual), antes);

    auto mejorada = Base(DeclaracionesAntiguas() + OperadoresAntiguos());
    Traspasar(mejorada);
    antes = Volcado(mejorada);
    EXPECT_FALSE(Traspasar(mejorada));
    EXPECT_EQ(Volcado(mejorada), antes);
}

TEST_F(Traspaso, LaterInsertsContinueAfterTheHighestKey) {
    struct Caso {
        const char* clave;
        const char* despues;
        const char* siguiente;
    };
    const Caso casos[] = {
        {"INTEGER PRIMARY KEY", "", "13"},
        {"INTEGER PRIMARY KEY AUTOINCREMENT", "", "13"},
        // A key given up by a deleted row is not given again.
        {"INTEGER PRIMARY KEY AUTOINCREMENT",
         "INSERT INTO tDeclaraciones VALUES (40, 1, 2003, 0, 'E');"
         "DELETE FROM tDeclaraciones WHERE coddecla = 40;",
         "41"},
    };
    for (const auto& caso : casos) {
        auto ruta =
            Base(DeclaracionesAntiguas(caso.clave) + caso.despues + OperadoresAntiguos(caso.clave));
        Traspasar(ruta);
        prueba::EjecutarSql(
            ruta,
            "INSERT INTO TDeclaraciones (coddecr, ejercicio, periodo) VALUES (1, 2004, 3);"
            "INSERT INTO tOperadores (coddeclar) VALUES (1);");
        EXPECT_EQ(Consultar(ruta, "SELECT max(coddecla) FROM TDeclaraciones")[0][0], caso.siguiente)
            << caso.clave << caso.despues;
        EXPECT_EQ(Consultar(ruta, "SELECT max(codope) FROM tOperadores")[0][0], "31") << caso.clave;
    }
}

TEST_F(Traspaso, MissingDatabaseIsCreatedWithItsSettingsRow) {
    auto actual = Actual();
    auto ruta = (prueba::CarpetaTemporal("traspaso-nueva") / "794Mod.mdb").string();
    EXPECT_FALSE(Traspasar(ruta));
    ASSERT_TRUE(fs::exists(ruta));
    EXPECT_EQ(Consultar(ruta, "SELECT Idioma, ActOnline FROM tgeneral"), (Filas{{"C", "-1"}}));
    for (const char* tabla :
         {"TDeclarante", "TPresentador", "TDeclaraciones", "tOperadores", "tgeneral"})
        EXPECT_EQ(Columnas(ruta, tabla), Columnas(actual, tabla)) << tabla;
}

TEST_F(Traspaso, FailureRollsEverythingBackAndIsRaisedWithTheLocation) {
    struct Caso {
        const char* nombre;
        std::string sql;
    };
    const Caso casos[] = {
        {"entries table missing", DeclaracionesAntiguas() + "DROP TABLE tOperadores;"},
        {"duplicate entry keys", DeclaracionesAntiguas() + OperadoresAntiguos("INTEGER") +
                                     "INSERT INTO tOperadores (codope, periodoo) VALUES (11, 0);"},
        {"column the recoding needs", DeclaracionesAntiguas() + OperadoresAntiguos() +
                                          "ALTER TABLE tOperadores DROP COLUMN ejercicioo;"},
        // Periods of an unknown half-new layout must not be recoded again.
        {"periodicity without marker",
         DeclaracionesAntiguas() + OperadoresAntiguos() +
             "ALTER TABLE tOperadores ADD COLUMN periodicidad INTEGER;"},
        {"declarations with periodicity",
         DeclaracionesAntiguas() + "ALTER TABLE tDeclaraciones ADD COLUMN Periodicidad INTEGER;"},
    };
    for (const auto& caso : casos) {
        auto ruta = Base(caso.sql);
        auto antes = Volcado(ruta);
        auto error = ErrorDe(ruta);
        ASSERT_TRUE(error) << caso.nombre;
        EXPECT_EQ(error->Description.rfind("cTraspaso.Traspaso ", 0), 0u) << error->Description;
        EXPECT_GT(error->Description.size(), std::string("cTraspaso.Traspaso ").size());
        EXPECT_EQ(Volcado(ruta), antes) << caso.nombre;
    }
}

}  // namespace
