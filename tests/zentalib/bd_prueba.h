#pragma once
// Databases and files for the backup and restore tests.
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>

namespace prueba {

namespace fs = std::filesystem;

inline fs::path CarpetaTemporal(const std::string& nombre) {
    // The process id keeps runs of other build folders apart.
    auto dir = fs::temp_directory_path() /
               ("quelvo-zentalib-" + std::to_string(::getpid()) + "-" + nombre);
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

using Conexion = std::unique_ptr<sqlite3, int (*)(sqlite3*)>;

inline Conexion Abrir(const fs::path& ruta) {
    sqlite3* db = nullptr;
    const int rc = sqlite3_open(ruta.c_str(), &db);
    Conexion c(db, sqlite3_close_v2);
    if (rc != SQLITE_OK) throw std::runtime_error("cannot open " + ruta.string());
    return c;
}

// Runs sql; answers the first column of the rows it returns, joined by commas.
inline std::string EjecutarSql(sqlite3* db, const std::string& sql) {
    std::string filas;
    auto anotar = [](void* f, int, char** valores, char**) {
        *static_cast<std::string*>(f) += "," + std::string(valores[0] ? valores[0] : "");
        return 0;
    };
    if (sqlite3_exec(db, sql.c_str(), anotar, &filas, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(db));
    return filas.empty() ? filas : filas.substr(1);
}

inline std::string EjecutarSql(const fs::path& ruta, const std::string& sql) {
    return EjecutarSql(Abrir(ruta).get(), sql);
}

// A connection holding the database in WAL mode after running sql, with
// nothing checkpointed while it stays open.
inline Conexion AbrirEnWal(const fs::path& ruta, const std::string& sql) {
    auto db = Abrir(ruta);
    EjecutarSql(db.get(), "PRAGMA journal_mode=WAL; PRAGMA wal_autocheckpoint=0;" + sql);
    return db;
}

// A user database with the current schema and one declarant.
inline void CrearBaseUsuario(const fs::path& ruta, const std::string& declarante) {
    std::stringstream esquema;
    esquema << std::ifstream(std::string(QUELVO_SOURCE_DIR) + "/resources/sql/794Mod.sql").rdbuf();
    if (esquema.str().empty()) throw std::runtime_error("no schema");
    fs::create_directories(ruta.parent_path());
    fs::remove(ruta);
    EjecutarSql(ruta, esquema.str() + "\nINSERT INTO tgeneral (Idioma, ActOnline) VALUES ('C', -1);" +
                          "INSERT INTO TDeclarante (dni_cifd, nombred) VALUES ('12345678Z', '" +
                          declarante + "');");
}

inline std::string Nombres(const fs::path& ruta) {
    return EjecutarSql(ruta, "SELECT nombred FROM TDeclarante ORDER BY coddec");
}

inline std::string LeerBytes(const fs::path& ruta) {
    std::ifstream in(ruta, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void EscribirBytes(const fs::path& ruta, const std::string& bytes) {
    std::ofstream(ruta, std::ios::binary) << bytes;
}

// The names in a folder, sorted, each followed by ';'.
inline std::string Contenido(const fs::path& carpeta) {
    std::set<std::string> orden;
    for (const auto& e : fs::directory_iterator(carpeta)) orden.insert(e.path().filename().string());
    std::string nombres;
    for (const auto& n : orden) nombres += n + ";";
    return nombres;
}

}  // namespace prueba
