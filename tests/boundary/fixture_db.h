#pragma once
// Test databases for the tests that reach the libraries only by name: a fresh
// user database made from the schema file, the reference database that the
// build put beside the program, and SQL run straight on a file.
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace prueba {

using Tabla = std::vector<std::vector<std::string>>;
inline const std::string kNulo = "<NULL>";

inline std::filesystem::path CarpetaTemporal(const std::string& nombre) {
    auto dir = std::filesystem::temp_directory_path() / ("quelvo-" + nombre);
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

// Runs SQL on a database file (created when missing): every row the
// statements give, each column as text, kNulo for Null.
inline Tabla Consultar(const std::string& ruta, const std::string& sql) {
    sqlite3* db = nullptr;
    char* error = nullptr;
    Tabla filas;
    int rc = sqlite3_open(ruta.c_str(), &db);
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(
            db, sql.c_str(),
            [](void* salida, int n, char** valores, char**) {
                auto& fila = static_cast<Tabla*>(salida)->emplace_back();
                for (int i = 0; i < n; ++i) fila.push_back(valores[i] ? valores[i] : kNulo);
                return 0;
            },
            &filas, &error);
    std::string texto = error ? error : sqlite3_errmsg(db);
    sqlite3_free(error);
    sqlite3_close(db);
    if (rc != SQLITE_OK) throw std::runtime_error(ruta + ": " + texto);
    return filas;
}

inline void EjecutarSql(const std::string& ruta, const std::string& sql) { Consultar(ruta, sql); }

// No connection holds a transaction on the file: a write lock is had at once.
inline bool SinTransaccionAbierta(const std::string& ruta) {
    sqlite3* db = nullptr;
    bool libre =
        sqlite3_open_v2(ruta.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK &&
        sqlite3_exec(db, "BEGIN IMMEDIATE; ROLLBACK", nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return libre;
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
