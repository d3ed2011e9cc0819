#include "ctraspaso.h"

#include <vector>

#include "base_usuario.h"
#include "conexion_dao.h"
#include "esquema_mod.h"
#include "quelvodat/capas_anteriores.h"
#include "quelvort/class_registry.h"
#include "quelvort/strings.h"
#include "reconstruir_tabla.h"
#include "sqlite_database.h"

namespace quelvodat {

namespace {

// The engine's number for a column defined twice.
constexpr int32_t kCampoRepetido = 3191;

// One table's upgrade: the marker column that only the current layout has
// and how the new layout's values come from an old row. The columns it adds
// are those of kColumnasAnadidas.
struct Mejora {
    const char* tabla;
    const char* marca;
    std::vector<ValorColumna> valores;
};

// Periods were 0 for the year or 1 to 4 for a quarter, without periodicity;
// now the last month of the period. Currencies were written out in full.
const Mejora kDeclaraciones{
    "TDeclaraciones",
    "bimensual",
    {{"periodicidad", "CASE WHEN periodo = 0 THEN 3 WHEN periodo <> 0 THEN 2 END"},
     {"periodo",
      "CASE WHEN periodo = 0 THEN 12 WHEN periodo = 1 THEN 3 WHEN periodo = 2 THEN 6"
      " WHEN periodo = 3 THEN 9 WHEN periodo = 4 THEN 12 ELSE periodo END"},
     {"moneda",
      "CASE WHEN moneda = 'Euros' COLLATE NOCASE THEN 'E'"
      " WHEN moneda = 'Pesetas' COLLATE NOCASE THEN 'P' ELSE moneda END"}}};

// An entry's rectified period: 0 with a year means that whole year; 1 to 4 a
// quarter. An entry that rectifies a period of a known year is of type "R",
// one that rectifies nothing "N"; a quarter without a year gets no type.
const Mejora kOperadores{
    "tOperadores",
    "tipoopo",
    {{"periodicidad",
      "CASE WHEN periodoo <> 0 THEN 2 WHEN periodoo = 0 AND ejercicioo > 0 THEN 3"
      " WHEN periodoo = 0 AND ejercicioo = 0 THEN 0 END"},
     {"periodoo",
      "CASE WHEN periodoo = 0 AND ejercicioo > 0 THEN 12 WHEN periodoo = 1 THEN 3"
      " WHEN periodoo = 2 THEN 6 WHEN periodoo = 3 THEN 9 WHEN periodoo = 4 THEN 12"
      " ELSE periodoo END"},
     {"tipoopo",
      "CASE WHEN periodoo = 0 AND ejercicioo = 0 THEN 'N'"
      " WHEN periodoo >= 0 AND ejercicioo > 0 THEN 'R' END"}}};

void Mejorar(sqlite::Database& db, const Mejora& mejora) {
    auto tabla = NombreTablaEnBase(db, mejora.tabla);
    auto columnas = ColumnasDeTabla(db, tabla);
    if (ContieneColumna(columnas, mejora.marca)) return;
    // A layout that has some new columns but not the marker is none we know:
    // recoding its periods again would spoil them.
    for (const auto& nueva : kColumnasAnadidas)
        if (rt::UCase(nueva.tabla) == rt::UCase(tabla) && ContieneColumna(columnas, nueva.nombre))
            throw rt::Error(kCampoRepetido, "Quelvodat",
                            "La tabla " + tabla + " ya tiene el campo " + nueva.nombre +
                                " pero no el campo " + mejora.marca);
    ReconstruirTabla(db, tabla, mejora.valores);
}

// The engine's numbers for a file that is no database and for a damaged one.
constexpr int32_t kNoEsBase = sqlite::kEngineErrorBase + SQLITE_NOTADB;
constexpr int32_t kBaseDanada = sqlite::kEngineErrorBase + SQLITE_CORRUPT;

rt::Error BaseNoReconocida(const std::string& ruta, const std::string& detalle) {
    return rt::Error(kErrBaseNoReconocida, "Quelvodat",
                     "Unrecognized database format '" + ruta + "': " + detalle);
}

// Refuses a file that is no database, a damaged one, or one without every
// table of the schema. The file is looked at alone and left as it lies:
// opened for writing, a file of some other program would already be changed
// (the log mode is written into it), and even a read-only open removes a log
// beside an empty file.
void ExigirBaseDelPrograma(const std::string& ruta) {
    std::string detalle;
    try {
        sqlite::Database db(ruta, sqlite::Mode::Inspect);
        sqlite::Database esquema(":memory:", sqlite::Mode::Create);
        esquema.executeScript(kEsquemaBaseUsuario);
        auto tablas = esquema.query(
            "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\'");
        for (; !tablas->Eof() && detalle.empty(); tablas->MoveNext()) {
            auto hallada = db.query(
                "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE",
                {tablas->Field(0)});
            if (hallada->Eof()) detalle = "no table " + tablas->Field(0).str();
        }
    } catch (const rt::Error& e) {
        // Anything else (a file that cannot be read) is left to the
        // upgrade's own open, which reports it as before.
        if (e.Number != kNoEsBase && e.Number != kBaseDanada) return;
        detalle = e.Description;
    }
    if (!detalle.empty()) throw BaseNoReconocida(ruta, detalle);
}

}  // namespace

bool cTraspaso::Traspaso() {
    return ConUbicacion("cTraspaso.Traspaso", [&] {
        // Start-up calls this before anything reads the user database, so a
        // first run gets its database here.
        CrearBaseUsuarioSiFalta(mdbmod_);
        // The upgrade works on the file alone: nothing of ours holds it open.
        ConexionCompartida().CerrarTodo();
        ExigirBaseDelPrograma(mdbmod_);
        sqlite::Database db(mdbmod_, sqlite::Mode::ReadWrite);
        sqlite::Transaction tx(db);
        for (const auto* mejora : {&kDeclaraciones, &kOperadores}) Mejorar(db, *mejora);
        CrearIndicesQueFalten(db);
        tx.commit();
        return false;
    });
}

QUELVO_CREATABLE(cTraspaso)

}  // namespace quelvodat
