// The upgrade of an older user database, reached by name as start-up does.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

#include "comun/numero_de_error.h"
#include "consulta_db.h"
#include "fixture_db.h"
#include "quelvodat/cTraspaso.h"
#include "quelvort/object.h"

using prueba::Consultar;
using prueba::kNulo;
using prueba::Tabla;

namespace {

Tabla Columnas(const std::string& ruta, const std::string& tabla) {
    return Consultar(ruta, "SELECT name, type, dflt_value, \"notnull\", pk FROM "
                           "pragma_table_info('" + tabla + "') ORDER BY cid");
}

// Schema and rows of one table, or of the whole database.
Tabla Volcado(const std::string& ruta, const std::string& tabla = "") {
    const Tabla esquema = Consultar(
        ruta, "SELECT type, name, sql FROM sqlite_master" +
                  (tabla.empty() ? "" : " WHERE tbl_name = '" + tabla + "' COLLATE NOCASE") +
                  " ORDER BY name");
    Tabla volcado = esquema;
    for (const auto& objeto : esquema)
        if (objeto[0] == "table")
            for (auto& fila : Consultar(ruta, "SELECT * FROM \"" + objeto[1] + "\" ORDER BY rowid"))
                volcado.push_back(fila);
    return volcado;
}

// The upgrade answers False whenever it does not fail.
rt::Error Traspasar(const std::string& ruta) {
    auto traspaso = rt::CreateObjectAs<quelvodat::_cTraspaso>("Quelvodat.cTraspaso");
    traspaso->mdbmod(ruta);
    traspaso->mdbPath(std::filesystem::path(ruta).parent_path().string() + "/");
    return prueba::ErrorDe([&] { EXPECT_FALSE(traspaso->Traspaso()); });
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
const std::string kAntiguas = DeclaracionesAntiguas() + OperadoresAntiguos();

// Rows in the current layout: their periods must not be recoded again.
const std::string kFilasActuales =
    "INSERT INTO TDeclaraciones VALUES (5, 1, 2002, 3, 2, 'E', 'X');"
    "INSERT INTO tOperadores VALUES (4, 5, 'FR', ' ', 'Z', 'Z', 'R', '1', 1, ' ', 2001, 3, ' ', "
    "2);";

class Traspaso : public ::testing::Test {
protected:
    void TearDown() override {
        for (const auto& carpeta : carpetas_) std::filesystem::remove_all(carpeta);
    }
    std::filesystem::path Carpeta() {
        carpetas_.push_back(prueba::CarpetaTemporal(
            std::string("traspaso-") +
            ::testing::UnitTest::GetInstance()->current_test_info()->name() + std::to_string(++n_)));
        return carpetas_.back();
    }
    std::string Base(const std::string& sql) {
        auto ruta = prueba::CrearBaseUsuarioPrueba(Carpeta());
        prueba::EjecutarSql(ruta, sql);
        return ruta;
    }
    int n_ = 0;
    std::vector<std::filesystem::path> carpetas_;
    // The current layout as a new database has it.
    const std::string actual_ = Base("");
};

TEST_F(Traspaso, OldLayoutIsRecodedIntoTheCurrentOne) {
    auto ruta = Base(kAntiguas);
    EXPECT_EQ(Traspasar(ruta).Number, 0);
    for (const char* tabla : {"TDeclaraciones", "tOperadores"}) {
        EXPECT_EQ(Columnas(ruta, tabla), Columnas(actual_, tabla)) << tabla;
        const std::string indices = "SELECT name, sql FROM sqlite_master WHERE type = 'index' "
                                    "AND tbl_name = '" + std::string(tabla) +
                                    "' COLLATE NOCASE ORDER BY name";
        EXPECT_EQ(Consultar(ruta, indices), Consultar(actual_, indices)) << tabla;
    }
    EXPECT_EQ(Volcado(ruta, "TDeclarante"), Volcado(actual_, "TDeclarante"));

    // coddecla, coddecr, ejercicio, periodo, periodicidad, moneda, bimensual
    EXPECT_EQ(Consultar(ruta, "SELECT * FROM TDeclaraciones ORDER BY coddecla"),
              (Tabla{{"3", "1", "2001", "12", "3", "P", kNulo},
                     {"7", "1", "2002", "3", "2", "E", kNulo},
                     {"8", "1", "2002", "6", "2", "E", kNulo},
                     {"9", "1", "2002", "9", "2", "E", kNulo},
                     {"12", "2", "2002", "12", "2", "E", kNulo}}));
    // codope, periodoo, periodicidad, tipoopo
    EXPECT_EQ(Consultar(ruta, "SELECT codope, periodoo, periodicidad, tipoopo FROM tOperadores "
                              "ORDER BY codope"),
              (Tabla{{"11", "0", "0", "N"},   {"12", "12", "3", "R"},  {"13", "3", "2", "R"},
                     {"14", "6", "2", "R"},   {"15", "9", "2", "R"},   {"16", "12", "2", "R"},
                     {"21", "3", "2", kNulo}, {"22", "6", "2", kNulo}, {"23", "9", "2", kNulo},
                     {"30", "12", "2", kNulo}}));
    // The other columns come over as they were, in their new places.
    EXPECT_EQ(
        Consultar(ruta, "SELECT * FROM tOperadores WHERE codope IN (11, 12) ORDER BY codope"),
        (Tabla{{"11", "7", "FR", " ", "A1", "CASA D´OR", "N", "1", "100.5", " ", "0", "0", "X", "0"},
               {"12", "7", "DE", " ", "A2", "B", "R", "2", "-3.25", "-", "2001", "12", " ", "3"}}));

    // Upgraded once, it is left alone.
    auto antes = Volcado(ruta);
    EXPECT_EQ(Traspasar(ruta).Number, 0);
    EXPECT_EQ(Volcado(ruta), antes);
}

TEST_F(Traspaso, OnlyTheOlderTableIsUpgraded) {
    // Whether the declarations and the entries are upgraded.
    const struct { const char* nombre; std::string sql; bool mejorada[2]; } casos[] = {
        {"current", kFilasActuales, {false, false}},
        {"entries old", kFilasActuales + OperadoresAntiguos(), {false, true}},
        {"declarations old", kFilasActuales + DeclaracionesAntiguas(), {true, false}},
        // Column names match in any letter case, so these count as markers.
        {"Bimensual", kAntiguas + "ALTER TABLE tDeclaraciones ADD COLUMN Bimensual TEXT;",
         {false, true}},
        {"TIPOOPO", kAntiguas + "ALTER TABLE tOperadores ADD COLUMN TIPOOPO TEXT;", {true, false}},
    };
    const char* tablas[] = {"tDeclaraciones", "tOperadores"};
    for (const auto& c : casos) {
        auto ruta = Base(c.sql);
        const Tabla antes[] = {Volcado(ruta, tablas[0]), Volcado(ruta, tablas[1])};
        EXPECT_EQ(Traspasar(ruta).Number, 0) << c.nombre;
        for (int i = 0; i < 2; ++i)
            EXPECT_EQ(c.mejorada[i] ? Columnas(ruta, tablas[i]) : Volcado(ruta, tablas[i]),
                      c.mejorada[i] ? Columnas(actual_, tablas[i]) : antes[i])
                << c.nombre << " " << tablas[i];
    }
}

TEST_F(Traspaso, LaterInsertsContinueAfterTheHighestKey) {
    const struct { const char *clave, *despues, *siguiente; } casos[] = {
        {"INTEGER PRIMARY KEY", "", "13"},
        {"INTEGER PRIMARY KEY AUTOINCREMENT", "", "13"},
        // A key given up by a deleted row is not given again.
        {"INTEGER PRIMARY KEY AUTOINCREMENT",
         "INSERT INTO tDeclaraciones VALUES (40, 1, 2003, 0, 'E');"
         "DELETE FROM tDeclaraciones WHERE coddecla = 40;",
         "41"},
    };
    for (const auto& c : casos) {
        auto ruta = Base(DeclaracionesAntiguas(c.clave) + c.despues + OperadoresAntiguos(c.clave));
        Traspasar(ruta);
        prueba::EjecutarSql(ruta, "INSERT INTO TDeclaraciones (coddecr) VALUES (1);"
                                  "INSERT INTO tOperadores (coddeclar) VALUES (1);");
        EXPECT_EQ(prueba::Valor(ruta, "SELECT max(coddecla) FROM TDeclaraciones"), c.siguiente)
            << c.clave << c.despues;
        EXPECT_EQ(prueba::Valor(ruta, "SELECT max(codope) FROM tOperadores"), "31") << c.clave;
    }
}

TEST_F(Traspaso, MissingDatabaseIsCreatedWithItsSettingsRow) {
    auto ruta = (Carpeta() / "794Mod.mdb").string();
    EXPECT_EQ(Traspasar(ruta).Number, 0);
    EXPECT_EQ(Consultar(ruta, "SELECT Idioma, ActOnline FROM tgeneral"), (Tabla{{"C", "-1"}}));
    for (const char* tabla :
         {"TDeclarante", "TPresentador", "TDeclaraciones", "tOperadores", "tgeneral"})
        EXPECT_EQ(Columnas(ruta, tabla), Columnas(actual_, tabla)) << tabla;
}

TEST_F(Traspaso, FailureRollsEverythingBackAndIsRaisedWithTheLocation) {
    const struct { const char* nombre; std::string sql; } casos[] = {
        {"entries table missing", DeclaracionesAntiguas() + "DROP TABLE tOperadores;"},
        {"duplicate entry keys", DeclaracionesAntiguas() + OperadoresAntiguos("INTEGER") +
                                     "INSERT INTO tOperadores (codope, periodoo) VALUES (11, 0);"},
        {"column the recoding needs",
         kAntiguas + "ALTER TABLE tOperadores DROP COLUMN ejercicioo;"},
        // Periods of an unknown half-new layout must not be recoded again.
        {"periodicity without marker",
         kAntiguas + "ALTER TABLE tOperadores ADD COLUMN periodicidad INTEGER;"},
        {"declarations with periodicity",
         DeclaracionesAntiguas() + "ALTER TABLE tDeclaraciones ADD COLUMN Periodicidad INTEGER;"},
        // The rebuild would drop what the current layout does not know.
        {"unknown column of the declarations",
         kAntiguas + "ALTER TABLE tDeclaraciones ADD COLUMN nota TEXT; UPDATE tDeclaraciones SET nota = 'x';"},
        {"unknown column of the entries, after the declarations",
         kAntiguas + "ALTER TABLE tOperadores ADD COLUMN Nota TEXT;"},
    };
    for (const auto& c : casos) {
        auto ruta = Base(c.sql);
        auto antes = Volcado(ruta);
        auto e = Traspasar(ruta);
        EXPECT_NE(e.Number, 0) << c.nombre;
        EXPECT_EQ(e.Description.rfind("cTraspaso.Traspaso ", 0), 0u) << e.Description;
        EXPECT_GT(e.Description.size(), std::string("cTraspaso.Traspaso ").size());
        EXPECT_EQ(Volcado(ruta), antes) << c.nombre;
    }
}


// What the folder holds: every file with the size and a hash of its bytes.
std::map<std::string, std::string> Contenido(const std::filesystem::path& carpeta) {
    std::map<std::string, std::string> ficheros;
    for (const auto& f : std::filesystem::directory_iterator(carpeta)) {
        std::ifstream in(f.path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        ficheros[f.path().filename().string()] =
            std::to_string(bytes.size()) + " bytes, " + std::to_string(std::hash<std::string>{}(bytes));
    }
    return ficheros;
}

// A file in the user database's place that is no database of the program is
// refused with its own number and left as it was, byte for byte.
TEST_F(Traspaso, AFileThatIsNoUserDatabaseIsRefusedAndLeftAsItWas) {
    const struct {
        const char* nombre;
        std::function<void(const std::string&)> poner;
    } casos[] = {
        {"empty file", [](const std::string& ruta) { std::ofstream(ruta, std::ios::binary); }},
        {"text file", [](const std::string& ruta) { std::ofstream(ruta, std::ios::binary) << "794 notas\r\n"; }},
        // The engine would remove a log beside an empty file, even reading.
        {"empty file with a log",
         [](const std::string& ruta) {
             std::ofstream(ruta, std::ios::binary);
             std::ofstream(ruta + "-wal", std::ios::binary) << "registro";
         }},
        {"text file with a log",
         [](const std::string& ruta) {
             std::ofstream(ruta, std::ios::binary) << "794 notas\r\n";
             std::ofstream(ruta + "-wal", std::ios::binary) << "registro";
         }},
        {"another program's database",
         [](const std::string& ruta) { prueba::EjecutarSql(ruta, "CREATE TABLE notas (texto TEXT)"); }},
        {"no settings table",
         [this](const std::string& ruta) {
             std::filesystem::copy_file(Base("DROP TABLE tgeneral;"), ruta);
         }},
        {"no declarants table",
         [this](const std::string& ruta) {
             std::filesystem::copy_file(Base("DROP TABLE TDeclarante;"), ruta);
         }},
        // A copy cut short: the engine finds it damaged.
        {"cut short",
         [this](const std::string& ruta) {
             std::filesystem::copy_file(Base(""), ruta);
             std::filesystem::resize_file(ruta, std::filesystem::file_size(ruta) / 2);
         }},
    };
    for (const auto& c : casos) {
        const auto carpeta = Carpeta();
        const std::string ruta = (carpeta / "794Mod.mdb").string();
        c.poner(ruta);
        const auto antes = Contenido(carpeta);
        const rt::Error e = Traspasar(ruta);
        EXPECT_EQ(e.Number, quelvodat::kErrBaseNoReconocida) << c.nombre << ": " << e.Description;
        EXPECT_EQ(e.Description.rfind("cTraspaso.Traspaso ", 0), 0u) << e.Description;
        EXPECT_NE(e.Description.find(ruta), std::string::npos) << e.Description;
        EXPECT_EQ(Contenido(carpeta), antes) << c.nombre;
    }
}

}  // namespace
