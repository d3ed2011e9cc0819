#include "errores.h"

#include "sqlite_database.h"

namespace quelvodat {

void ExigirClave(sqlite::Database& db, std::string_view tabla, std::string_view columna,
                 std::string_view que, int32_t clave) {
    // Made in one place each time, so the statement is found again at once.
    thread_local std::string sql;
    sql.assign("SELECT 1 FROM ").append(tabla).append(" WHERE ").append(columna).append(" = ?");
    if (!db.findsRow(sql, clave)) throw ErrorNoExiste(que, clave);
}

}  // namespace quelvodat
