#pragma once
// The reference of the benchmarks: a user database filled with declarants,
// one annual declaration each and their entries, by one statement per table
// in one transaction. What SQLite alone does with the same rows.
#include <sqlite3.h>

#include <cstdint>
#include <stdexcept>
#include <string>

namespace bench {

inline void Llenar(const std::string& ruta, int32_t declarantes, int32_t porDeclarante) {
    sqlite3* db = nullptr;
    if (sqlite3_open(ruta.c_str(), &db) != SQLITE_OK) throw std::runtime_error("open " + ruta);
    const std::string n = std::to_string(declarantes);
    const std::string m = std::to_string(porDeclarante);
    const std::string total = std::to_string(int64_t{declarantes} * porDeclarante);
    // Valid Spanish NIFs (DNI with its letter) and German VAT numbers, so an
    // import of the file accepts every line. Every tenth entry is a
    // rectification, so both shapes of the record run.
    const std::string sql =
        "BEGIN;"
        "WITH RECURSIVE d(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM d WHERE i < " + n + ") "
        "INSERT INTO TDeclarante (coddec, dni_cifd, nombred, viad, domiciliod, numerod, letrad, "
        "escalerad, pisod, manod, cod, codpostald, municipiod, telefonod, nombrepd, telefonopd) "
        "SELECT i, printf('%08d', i) || substr('TRWAGMYFPDXBNJZSQVHLCKE', i % 23 + 1, 1), "
        "'DECLARANTE NUMERO ' || i, 'CL', 'MAYOR', i, ' ', ' ', "
        "' ', ' ', 1, 1, 'VITORIA-GASTEIZ', 945000000 + i, 'PERSONA DE CONTACTO', 600000000 + i "
        "FROM d;"
        "INSERT INTO TDeclaraciones (coddecla, coddecr, ejercicio, periodo, periodicidad, moneda, "
        "bimensual) SELECT coddec, coddec, 2012, 12, 3, 'E', '' FROM TDeclarante;"
        "WITH RECURSIVE e(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM e WHERE i < " + total +
        " - 1) "
        "INSERT INTO tOperadores (coddeclar, paiso, paisaux, nifo, razon, tipoopo, claveopo, "
        "base, signoo, ejercicioo, periodoo, triangularo, periodicidad) "
        "SELECT i / " + m + " + 1, 'DE', '', 100000000 + i, 'PROVEEDOR ' || i, "
        "CASE WHEN i % 10 = 0 THEN 'R' ELSE 'N' END, 'E', 123456 + i, "
        "CASE WHEN i % 10 = 0 THEN '-' ELSE ' ' END, CASE WHEN i % 10 = 0 THEN 2011 ELSE 0 END, "
        "CASE WHEN i % 10 = 0 THEN 12 ELSE 0 END, ' ', CASE WHEN i % 10 = 0 THEN 3 ELSE 0 END "
        "FROM e;"
        "COMMIT;";
    char* error = nullptr;
    int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
    std::string texto = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    if (rc != SQLITE_OK) throw std::runtime_error("fill: " + texto);
}

}  // namespace bench
