#pragma once
// Test databases for the tests that reach the libraries only by name: a fresh
// user database made from the schema file, and the reference database that
// the build put beside the program.
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

namespace prueba {

inline std::filesystem::path CarpetaTemporal(const std::string& nombre) {
    auto dir = std::filesystem::temp_directory_path() / ("quelvo-" + nombre);
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

// Runs SQL on a database file (created when missing); for fixtures only.
inline void EjecutarSql(const std::string& ruta, const std::string& sql) {
    sqlite3* db = nullptr;
    if (sqlite3_open(ruta.c_str(), &db) != SQLITE_OK) {
        sqlite3_close(db);
        throw std::runtime_error("cannot open " + ruta);
    }
    char* error = nullptr;
    int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
    std::string texto = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    if (rc != SQLITE_OK) throw std::runtime_error("fixture SQL failed: " + texto);
}

// carpeta/794Mod.mdb with the current schema and its settings row.
inline std::string CrearBaseUsuarioPrueba(const std::filesystem::path& carpeta) {
    std::ifstream in(std::string(QUELVO_SOURCE_DIR) + "/resources/sql/794Mod.sql");
    std::stringstream esquema;
    esquema << in.rdbuf();
    auto ruta = (carpeta / "794Mod.mdb").string();
    std::filesystem::remove(ruta);
    EjecutarSql(ruta, esquema.str() + "\nINSERT INTO tgeneral (Idioma, ActOnline) VALUES ('C', -1);");
    return ruta;
}

inline std::string RutaBaseReferencia() { return std::string(QUELVO_BIN_DIR) + "/Tablas/794Lec.mdb"; }

}  // namespace prueba
