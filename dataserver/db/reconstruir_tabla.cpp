#include "reconstruir_tabla.h"

#include "esquema_mod.h"
#include "quelvodat/recordset.h"
#include "quelvort/strings.h"

namespace quelvodat {

namespace {

// The table as the current schema makes it.
struct DefinicionTabla {
    std::string nombre;
    std::string creacion;
    std::vector<std::string> columnas;
    std::vector<std::string> indices;
};

std::string Identificador(std::string_view nombre) {
    return "\"" + rt::Replace(nombre, "\"", "\"\"") + "\"";
}

bool MismoNombre(std::string_view a, std::string_view b) { return rt::UCase(a) == rt::UCase(b); }

// The schema is laid out in a private in-memory database, so the rebuilt
// table gets exactly its text: types, defaults, key and indexes.
DefinicionTabla DefinicionActual(std::string_view tabla) {
    sqlite::Database esquema(":memory:", sqlite::Mode::Create);
    esquema.executeScript(kEsquemaBaseUsuario);
    DefinicionTabla definicion;
    definicion.nombre = NombreTablaEnBase(esquema, tabla);
    definicion.creacion =
        esquema
            .query("SELECT sql FROM sqlite_master WHERE type = 'table' AND name = ?",
                   {definicion.nombre})
            ->Field(0)
            .str();
    definicion.columnas = ColumnasDeTabla(esquema, definicion.nombre);
    auto indices = esquema.query(
        "SELECT sql FROM sqlite_master WHERE type = 'index' AND tbl_name = ? AND sql IS NOT NULL",
        {definicion.nombre});
    for (; !indices->Eof(); indices->MoveNext())
        definicion.indices.push_back(indices->Field(0).str());
    return definicion;
}

// Whether the old table's key counter is ahead of the new one's. SQLite made
// sqlite_sequence when the new AUTOINCREMENT table was created.
bool ContadorAntiguoPorDelante(sqlite::Database& db, const std::string& antigua,
                               const std::string& nueva) {
    auto rs = db.query(
        "SELECT coalesce((SELECT max(seq) FROM sqlite_sequence WHERE name = ?1 COLLATE NOCASE), 0)"
        " > coalesce((SELECT max(seq) FROM sqlite_sequence WHERE name = ?2), 0)",
        {antigua, nueva});
    return rs->Field(0).lng() != 0;
}

std::string ValorDe(const std::string& columna, const std::vector<std::string>& antiguas,
                    const std::vector<ValorColumna>& valores) {
    for (const auto& valor : valores)
        if (MismoNombre(valor.columna, columna)) return valor.expresion;
    for (const auto& antigua : antiguas)
        if (MismoNombre(antigua, columna)) return Identificador(antigua);
    // A column the old table lacked gets no value, as one appended to it would.
    return "NULL";
}

}  // namespace

std::string NombreTablaEnBase(sqlite::Database& db, std::string_view tabla) {
    auto rs =
        db.query("SELECT name FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE",
                 {std::string(tabla)});
    if (rs->RecordCount() == 0)
        throw rt::Error(Recordset::kItemNotFound, "Quelvodat",
                        "Item not found in this collection: " + std::string(tabla));
    return rs->Field(0).str();
}

std::vector<std::string> ColumnasDeTabla(sqlite::Database& db, std::string_view tabla) {
    std::vector<std::string> columnas;
    auto rs = db.query("SELECT name FROM pragma_table_info(?) ORDER BY cid", {std::string(tabla)});
    for (; !rs->Eof(); rs->MoveNext()) columnas.push_back(rs->Field(0).str());
    return columnas;
}

bool ContieneColumna(const std::vector<std::string>& columnas, std::string_view nombre) {
    for (const auto& columna : columnas)
        if (MismoNombre(columna, nombre)) return true;
    return false;
}

void ReconstruirTabla(sqlite::Database& db, std::string_view tabla,
                      const std::vector<ValorColumna>& valores) {
    auto definicion = DefinicionActual(tabla);
    auto antigua = NombreTablaEnBase(db, tabla);
    auto antiguas = ColumnasDeTabla(db, antigua);
    // Its values would be lost with the old table.
    for (const auto& columna : antiguas)
        if (!ContieneColumna(definicion.columnas, columna))
            throw rt::Error(kColumnaDesconocida, "Quelvodat",
                            "La tabla " + antigua + " tiene el campo " + columna +
                                ", que la actualización no conoce");
    auto nueva = definicion.nombre + "_nueva";

    auto cuerpo = definicion.creacion.substr(definicion.creacion.find('('));
    db.execute("CREATE TABLE " + Identificador(nueva) + " " + cuerpo);

    std::string columnas, expresiones;
    for (const auto& columna : definicion.columnas) {
        if (!columnas.empty()) {
            columnas += ", ";
            expresiones += ", ";
        }
        columnas += Identificador(columna);
        expresiones += ValorDe(columna, antiguas, valores);
    }
    db.execute("INSERT INTO " + Identificador(nueva) + " (" + columnas + ") SELECT " + expresiones +
               " FROM " + Identificador(antigua));

    // Keys given up by deleted rows stay given up, as they were before.
    if (rt::InStr(rt::UCase(definicion.creacion), "AUTOINCREMENT") > 0 &&
        ContadorAntiguoPorDelante(db, antigua, nueva)) {
        db.execute("DELETE FROM sqlite_sequence WHERE name = ?", {nueva});
        db.execute(
            "INSERT INTO sqlite_sequence (name, seq) SELECT ?, max(seq) FROM sqlite_sequence"
            " WHERE name = ? COLLATE NOCASE",
            {nueva, antigua});
    }

    db.execute("DROP TABLE " + Identificador(antigua));
    db.execute("ALTER TABLE " + Identificador(nueva) + " RENAME TO " +
               Identificador(definicion.nombre));
    for (const auto& indice : definicion.indices) db.execute(indice);
}

void CrearIndicesQueFalten(sqlite::Database& db) {
    sqlite::Database esquema(":memory:", sqlite::Mode::Create);
    esquema.executeScript(kEsquemaBaseUsuario);
    auto indices = esquema.query(
        "SELECT name, tbl_name, sql FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL");
    for (; !indices->Eof(); indices->MoveNext()) {
        const std::string tabla = indices->Field(1).str();
        auto existe = db.query(
            "SELECT 1 FROM sqlite_master WHERE type = 'index' AND name = ? COLLATE NOCASE",
            {indices->Field(0)});
        if (!existe->Eof()) continue;
        // A table of a layout we do not know is left as it is.
        auto actuales = ColumnasDeTabla(esquema, tabla);
        auto columnas = ColumnasDeTabla(db, NombreTablaEnBase(db, tabla));
        bool conocida = columnas.size() == actuales.size();
        for (const auto& columna : actuales)
            conocida = conocida && ContieneColumna(columnas, columna);
        if (conocida) db.execute(indices->Field(2).str());
    }
}

}  // namespace quelvodat
