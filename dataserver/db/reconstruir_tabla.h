#pragma once
// Bringing a table of the user database to its layout in the current schema.
// SQLite cannot add a column at a given position nor change one, so the table
// is rebuilt: a new table under a temporary name, the rows copied, the old
// table dropped, the new one renamed and the schema's indexes made again.
#include <string>
#include <string_view>
#include <vector>

#include "sqlite_database.h"

namespace quelvodat {

// The name the table has in the database (names match in any letter case);
// error 3265 when there is none.
std::string NombreTablaEnBase(sqlite::Database& db, std::string_view tabla);

// The table's column names in table order.
std::vector<std::string> ColumnasDeTabla(sqlite::Database& db, std::string_view tabla);

// Column names match in any letter case, as the engine matches them.
bool ContieneColumna(const std::vector<std::string>& columnas, std::string_view nombre);

// A column of the current layout and the SQL expression over the old row
// that fills it.
struct ValorColumna {
    std::string columna;
    std::string expresion;
};

// Raised when the old table has a column the current layout lacks.
inline constexpr int32_t kColumnaDesconocida = rt::err::InvalidArgument;

// Rebuilds `tabla` to its layout in the current schema. A column takes its
// expression from `valores`, else the old column of the same name, else no
// value. Every row and key is kept and the key counter never goes back; an old
// column the current layout lacks is refused (kColumnaDesconocida) before
// anything changes. Runs inside the caller's transaction.
void ReconstruirTabla(sqlite::Database& db, std::string_view tabla,
                      const std::vector<ValorColumna>& valores);

// Makes the indexes of the current schema that the database lacks (by name),
// for a database made before they were added.
void CrearIndicesQueFalten(sqlite::Database& db);

}  // namespace quelvodat
