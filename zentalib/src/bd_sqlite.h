#pragma once
// Handles on SQLite files for the backup, the restore and their checks.
#include <sqlite3.h>

#include <memory>
#include <string>

namespace zentalib {

struct CerrarBD {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using BD = std::unique_ptr<sqlite3, CerrarBD>;

struct FinalizarSentencia {
    void operator()(sqlite3_stmt* st) const { sqlite3_finalize(st); }
};
using Sentencia = std::unique_ptr<sqlite3_stmt, FinalizarSentencia>;

// Opens ruta with a busy timeout; never creates a missing file unless flags
// ask for it. Null, with the reason in detalle, when it cannot.
inline BD AbrirBD(const std::string& ruta, int flags, std::string& detalle) {
    constexpr int kEsperaMs = 5000;
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(ruta.c_str(), &db, flags, nullptr);
    BD bd(db);
    if (rc != SQLITE_OK) {
        detalle = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
        return nullptr;
    }
    sqlite3_busy_timeout(db, kEsperaMs);
    return bd;
}

// Null when the text does not prepare; the reason is on db.
inline Sentencia Preparar(sqlite3* db, const char* sql) {
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &st, nullptr);
    return Sentencia(st);
}

inline std::string TextoColumna(sqlite3_stmt* st, int columna) {
    const auto* texto = reinterpret_cast<const char*>(sqlite3_column_text(st, columna));
    return texto ? texto : "";
}

}  // namespace zentalib
