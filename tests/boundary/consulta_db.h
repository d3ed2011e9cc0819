#pragma once
// Reads stored rows straight from a database file, so a test can check what
// a class wrote without going through the class.
#include <string>
#include <vector>

#include "fixture_db.h"

namespace prueba {

// The first column of every row.
inline std::vector<std::string> Columna(const std::string& ruta, const std::string& sql) {
    std::vector<std::string> valores;
    for (const auto& fila : Consultar(ruta, sql)) valores.push_back(fila.at(0));
    return valores;
}

// A stored value; "<none>" when the query gives no row.
inline std::string Valor(const std::string& ruta, const std::string& sql) {
    auto valores = Columna(ruta, sql);
    return valores.empty() ? "<none>" : valores.front();
}

}  // namespace prueba
