#pragma once
// Databases and files for the backup and restore tests.
#include <sqlite3.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
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

// An open handle, closed on leaving the scope.
class Conexion {
public:
    explicit Conexion(const fs::path& ruta) {
        if (sqlite3_open(ruta.c_str(), &db_) != SQLITE_OK)
            throw std::runtime_error("cannot open " + ruta.string());
    }
    ~Conexion() { sqlite3_close_v2(db_); }
    Conexion(const Conexion&) = delete;
    Conexion& operator=(const Conexion&) = delete;

    void Ejecutar(const std::string& sql) {
        char* error = nullptr;
        const int rc = sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error);
        std::string texto = error ? error : "";
        sqlite3_free(error);
        if (rc != SQLITE_OK) throw std::runtime_error("SQL failed: " + texto);
    }
    // The first column of the first row as text.
    std::string Valor(const std::string& sql) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &st, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(db_));
        std::string texto;
        if (sqlite3_step(st) == SQLITE_ROW && sqlite3_column_text(st, 0))
            texto = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
        sqlite3_finalize(st);
        return texto;
    }

private:
    sqlite3* db_ = nullptr;
};

inline void EjecutarSql(const fs::path& ruta, const std::string& sql) { Conexion(ruta).Ejecutar(sql); }

inline std::string ValorSql(const fs::path& ruta, const std::string& sql) { return Conexion(ruta).Valor(sql); }

// A user database with the current schema, its settings row and one declarant
// named `declarante`.
inline void CrearBaseUsuario(const fs::path& ruta, const std::string& declarante) {
    std::ifstream in(std::string(QUELVO_SOURCE_DIR) + "/resources/sql/794Mod.sql");
    std::stringstream esquema;
    esquema << in.rdbuf();
    if (esquema.str().empty()) throw std::runtime_error("no schema");
    fs::create_directories(ruta.parent_path());
    fs::remove(ruta);
    EjecutarSql(ruta, esquema.str() + "\nINSERT INTO tgeneral (Idioma, ActOnline) VALUES ('C', -1);" +
                          "INSERT INTO TDeclarante (dni_cifd, nombred) VALUES ('12345678Z', '" +
                          declarante + "');");
}

inline std::string Nombres(const fs::path& ruta) {
    return ValorSql(ruta, "SELECT group_concat(nombred, ',') FROM (SELECT nombred FROM TDeclarante ORDER BY coddec)");
}

inline std::string LeerBytes(const fs::path& ruta) {
    std::ifstream in(ruta, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void EscribirBytes(const fs::path& ruta, const std::string& bytes) {
    std::ofstream(ruta, std::ios::binary) << bytes;
}

// The entries of a folder, by name.
inline std::string Contenido(const fs::path& carpeta) {
    std::string nombres;
    std::set<std::string> orden;
    for (const auto& e : fs::directory_iterator(carpeta)) orden.insert(e.path().filename().string());
    for (const auto& n : orden) nombres += n + ";";
    return nombres;
}

// Sets an environment variable for one scope.
class Entorno {
public:
    Entorno(const char* nombre, const char* valor) : nombre_(nombre) {
        if (const char* antes = std::getenv(nombre)) antes_ = antes;
        ::setenv(nombre, valor, 1);
    }
    ~Entorno() {
        if (antes_) ::setenv(nombre_.c_str(), antes_->c_str(), 1);
        else ::unsetenv(nombre_.c_str());
    }
    Entorno(const Entorno&) = delete;
    Entorno& operator=(const Entorno&) = delete;

private:
    std::string nombre_;
    std::optional<std::string> antes_;
};

}  // namespace prueba
