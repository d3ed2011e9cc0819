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

// A user database in the layout of an earlier release, which the upgrade
// knows: no periodicity, no entry type, an index on the operation key.
inline void CrearBaseUsuarioAnterior(const fs::path& ruta, const std::string& declarante) {
    CrearBaseUsuario(ruta, declarante);
    EjecutarSql(ruta,
                "DROP TABLE TDeclaraciones; DROP TABLE tOperadores;"
                "CREATE TABLE tDeclaraciones (coddecla INTEGER PRIMARY KEY AUTOINCREMENT,"
                " coddecr INTEGER, ejercicio INTEGER, periodo INTEGER, moneda VARCHAR(10));"
                "CREATE INDEX tDeclaraciones_coddecr ON tDeclaraciones (coddecr);"
                "CREATE TABLE tOperadores (codope INTEGER PRIMARY KEY AUTOINCREMENT,"
                " coddeclar INTEGER, paiso TEXT, paisaux TEXT, nifo TEXT, razon TEXT,"
                " claveopo VARCHAR(2), base REAL, signoo TEXT, ejercicioo INTEGER, periodoo INTEGER,"
                " triangularo TEXT);"
                "CREATE INDEX claveopo ON tOperadores (claveopo);");
}

// A user database whose tables are all there but whose last pages hold
// garbage: only the integrity check tells.
inline void CrearBaseUsuarioDanada(const fs::path& ruta) {
    CrearBaseUsuario(ruta, "Ana");
    EjecutarSql(ruta, "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 400)"
                      " INSERT INTO TDeclarante (dni_cifd, nombred) SELECT printf('%08dZ', i),"
                      " printf('NOMBRE %d', i) FROM n;");
    const auto tamano = fs::file_size(ruta);
    std::fstream f(ruta, std::ios::in | std::ios::out | std::ios::binary);
    f.seekp(static_cast<std::streamoff>(tamano - 4096 * 2 + 3));
    f << std::string(600, '\x7f');
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
