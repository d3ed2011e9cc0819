#pragma once
// Reads stored rows straight from a database file, so a test can check what
// a class wrote without going through the class.
#include <sqlite3.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace prueba {

// The first column of every row, as text; "<NULL>" for Null.
inline std::vector<std::string> Columna(const std::string& ruta, const std::string& sql) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(ruta.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        throw std::runtime_error("cannot open " + ruta);
    }
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
        std::string error = sqlite3_errmsg(db);
        sqlite3_close(db);
        throw std::runtime_error("query failed: " + error);
    }
    std::vector<std::string> valores;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        auto texto = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
        valores.push_back(texto ? texto : "<NULL>");
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return valores;
}

// A stored value; "<none>" when the query gives no row.
inline std::string Valor(const std::string& ruta, const std::string& sql) {
    auto valores = Columna(ruta, sql);
    return valores.empty() ? "<none>" : valores.front();
}

}  // namespace prueba
