#include "errores.h"

#include "quelvodat/recordset.h"
#include "sqlite_database.h"

namespace quelvodat {

void ExigirClave(sqlite::Database& db, std::string_view tabla, std::string_view columna,
                 std::string_view que, int32_t clave) {
    auto rs = db.query("SELECT count(*) FROM " + std::string(tabla) + " WHERE " +
                           std::string(columna) + " = ?",
                       {clave});
    if (rs->Field(0).lng() == 0) throw ErrorNoExiste(que, clave);
}

}  // namespace quelvodat
