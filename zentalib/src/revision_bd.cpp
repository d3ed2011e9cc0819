// Whether a file is a user database this system could have written: sound,
// with the tables, columns and indexes of the current schema or of an earlier
// layout that the upgrade knows, each defined as that layout defines it, and
// nothing else. Anything more (a trigger, a view, a table, column, constraint
// or index of someone else's) would act on or hide the user's data, or make
// every save fail, once the file is in place.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <map>
#include <vector>

#include "bd_sqlite.h"
#include "copia_bd.h"
#include "definicion_sql.h"
#include "esquema_mod.h"
#include "quelvodat/capas_anteriores.h"

namespace zentalib {

namespace {

struct Columna {
    std::string nombre;
    std::string afinidad;
    int clave = 0;
};

// A table as a layout makes it, or as a file holds it.
struct Tabla {
    std::string nombre;
    std::string definicion;  // normalised
    std::vector<Columna> columnas;
    std::map<std::string, std::string> indices;  // lower-case name → normalised definition
};

// A layout's tables by lower-case name.
using Capa = std::map<std::string, Tabla>;

// Names match in any letter case, as the engine matches them.
std::string Minusculas(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

bool Contiene(const std::string& texto, const char* parte) { return texto.find(parte) != std::string::npos; }

// The engine's rules for the affinity of a declared type: the type decides
// how values are stored and compared.
std::string Afinidad(const std::string& tipo) {
    std::string t = tipo;
    std::transform(t.begin(), t.end(), t.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (Contiene(t, "INT")) return "INTEGER";
    if (Contiene(t, "CHAR") || Contiene(t, "CLOB") || Contiene(t, "TEXT")) return "TEXT";
    if (Contiene(t, "BLOB") || t.empty()) return "BLOB";
    if (Contiene(t, "REAL") || Contiene(t, "FLOA") || Contiene(t, "DOUB")) return "REAL";
    return "NUMERIC";
}

std::vector<Columna> Columnas(sqlite3* db, const std::string& tabla) {
    std::vector<Columna> columnas;
    Sentencia st = Preparar(db, "SELECT name, type, pk FROM pragma_table_info(?) ORDER BY cid");
    if (!st) return columnas;
    sqlite3_bind_text(st.get(), 1, tabla.c_str(), -1, SQLITE_TRANSIENT);
    while (sqlite3_step(st.get()) == SQLITE_ROW)
        columnas.push_back({Minusculas(TextoColumna(st.get(), 0)), Afinidad(TextoColumna(st.get(), 1)),
                            sqlite3_column_int(st.get(), 2)});
    return columnas;
}

// The tables of a layout, from its SQL laid out in memory.
Capa TablasDe(const char* esquema) {
    Capa tablas;
    std::string detalle;
    BD db = AbrirBD(":memory:", SQLITE_OPEN_READWRITE, detalle);
    if (!db || sqlite3_exec(db.get(), esquema, nullptr, nullptr, nullptr) != SQLITE_OK) return tablas;
    Sentencia st = Preparar(db.get(), "SELECT type, name, tbl_name, sql FROM sqlite_master"
                                      " WHERE name NOT LIKE 'sqlite\\_%' ESCAPE '\\'");
    while (st && sqlite3_step(st.get()) == SQLITE_ROW) {
        Tabla& tabla = tablas[Minusculas(TextoColumna(st.get(), 2))];
        const std::string definicion = DefinicionNormalizada(TextoColumna(st.get(), 3));
        if (TextoColumna(st.get(), 0) == "index") {
            tabla.indices[Minusculas(TextoColumna(st.get(), 1))] = definicion;
        } else {
            tabla.nombre = TextoColumna(st.get(), 1);
            tabla.definicion = definicion;
            tabla.columnas = Columnas(db.get(), tabla.nombre);
        }
    }
    return tablas;
}

bool ColumnaAnadida(const std::string& tabla, const std::string& columna) {
    return std::any_of(std::begin(quelvodat::kColumnasAnadidas), std::end(quelvodat::kColumnasAnadidas),
                       [&](const quelvodat::ObjetoDeTabla& o) {
                           return Minusculas(o.tabla) == tabla && Minusculas(o.nombre) == columna;
                       });
}

ResultadoCopia Fallo(FalloCopia fallo, std::string detalle) { return {fallo, std::move(detalle)}; }

// The columns of one table against the schema's.
ResultadoCopia ComprobarColumnas(sqlite3* db, const Tabla& esquema, const std::string& nombre) {
    const auto columnas = Columnas(db, nombre);
    const std::string tabla = Minusculas(esquema.nombre);
    for (const auto& columna : columnas)
        if (std::none_of(esquema.columnas.begin(), esquema.columnas.end(),
                         [&](const Columna& c) { return c.nombre == columna.nombre; }))
            return Fallo(FalloCopia::ObjetoAjeno, "column " + nombre + "." + columna.nombre);
    int anadidas = 0, faltan = 0;
    for (const auto& debida : esquema.columnas) {
        const auto hallada = std::find_if(columnas.begin(), columnas.end(),
                                          [&](const Columna& c) { return c.nombre == debida.nombre; });
        const bool anadida = ColumnaAnadida(tabla, debida.nombre);
        anadidas += anadida;
        if (hallada == columnas.end()) {
            if (!anadida) return Fallo(FalloCopia::NoEsBaseUsuario, "no column " + nombre + "." + debida.nombre);
            ++faltan;
        } else if (hallada->afinidad != debida.afinidad || hallada->clave != debida.clave) {
            return Fallo(FalloCopia::NoEsBaseUsuario, "column " + nombre + "." + debida.nombre + " of another type");
        }
    }
    // An earlier layout lacks all of them; one with some is none we know.
    if (faltan != 0 && faltan != anadidas)
        return Fallo(FalloCopia::NoEsBaseUsuario, "table " + nombre + " of an unknown layout");
    return {};
}

// The table and its indexes exactly as one layout makes them: a constraint
// or an index of another kind would make the program's saves fail once the
// file is in place. An earlier layout's table is rebuilt by the upgrade.
ResultadoCopia ComprobarDefinicion(const Tabla& hallada, std::initializer_list<const Tabla*> capas) {
    for (const Tabla* capa : capas) {
        if (!capa || capa->definicion != hallada.definicion) continue;
        for (const auto& [nombre, definicion] : hallada.indices) {
            const auto debido = capa->indices.find(nombre);
            if (debido == capa->indices.end() || debido->second != definicion)
                return Fallo(FalloCopia::ObjetoAjeno, "index " + nombre + " of table " + hallada.nombre +
                                                          " is not the program's: " + definicion);
        }
        return {};
    }
    return Fallo(FalloCopia::ObjetoAjeno, "table " + hallada.nombre + " is not the program's: " + hallada.definicion);
}

// Whether the file begins as every database of the engine begins.
bool CabeceraDeBaseDatos(const std::string& ruta) {
    static constexpr char kCabecera[] = "SQLite format 3";  // with its final NUL
    char leida[sizeof kCabecera] = {};
    std::ifstream fichero(ruta, std::ios::binary);
    return fichero.read(leida, sizeof leida) && std::equal(leida, leida + sizeof leida, kCabecera);
}

// The engine could not read the file: one that begins as a database (a
// truncated or overwritten copy) is damaged, anything else is none of ours.
ResultadoCopia FalloDeLectura(sqlite3* db, bool cabecera) {
    const int rc = sqlite3_errcode(db);
    const bool danada = rc == SQLITE_CORRUPT || (cabecera && rc == SQLITE_NOTADB);
    return Fallo(danada ? FalloCopia::Danada : FalloCopia::NoEsBaseUsuario, sqlite3_errmsg(db));
}

ResultadoCopia ComprobarIntegridad(sqlite3* db, bool cabecera) {
    Sentencia revision = Preparar(db, "PRAGMA integrity_check");
    if (!revision) return FalloDeLectura(db, cabecera);
    const int rc = sqlite3_step(revision.get());
    if (rc != SQLITE_ROW) return FalloDeLectura(db, cabecera);
    const std::string estado = TextoColumna(revision.get(), 0);
    if (estado != "ok") return Fallo(FalloCopia::Danada, estado);
    return {};
}

ResultadoCopia ComprobarObjetos(sqlite3* db) {
    const Capa actual = TablasDe(quelvodat::kEsquemaBaseUsuario);
    const Capa anterior = TablasDe(quelvodat::kEsquemaAnterior);
    if (actual.empty() || anterior.empty()) return Fallo(FalloCopia::NoEsBaseUsuario, "no schema");
    Sentencia objetos = Preparar(db, "SELECT type, name, tbl_name, sql FROM sqlite_master");
    if (!objetos) return Fallo(FalloCopia::NoEsBaseUsuario, sqlite3_errmsg(db));
    Capa halladas;
    int rc;
    while ((rc = sqlite3_step(objetos.get())) == SQLITE_ROW) {
        const std::string tipo = TextoColumna(objetos.get(), 0);
        const std::string nombre = TextoColumna(objetos.get(), 1);
        const std::string tabla = Minusculas(TextoColumna(objetos.get(), 2));
        // The engine's own: key counters, automatic indexes, statistics.
        if (Minusculas(nombre).rfind("sqlite_", 0) == 0) continue;
        const std::string definicion = DefinicionNormalizada(TextoColumna(objetos.get(), 3));
        if (actual.count(tabla) == 0 || (tipo != "table" && tipo != "index"))
            return Fallo(FalloCopia::ObjetoAjeno, tipo + " " + nombre);
        if (tipo == "table") {
            halladas[tabla].nombre = nombre;
            halladas[tabla].definicion = definicion;
        } else {
            halladas[tabla].indices[Minusculas(nombre)] = definicion;
        }
    }
    if (rc != SQLITE_DONE) return Fallo(FalloCopia::NoEsBaseUsuario, sqlite3_errmsg(db));
    for (const auto& [clave, tabla] : actual) {
        const auto hallada = halladas.find(clave);
        if (hallada == halladas.end() || hallada->second.nombre.empty())
            return Fallo(FalloCopia::NoEsBaseUsuario, "no table " + tabla.nombre);
        if (auto r = ComprobarColumnas(db, tabla, hallada->second.nombre); !r.ok()) return r;
        const auto antigua = anterior.find(clave);
        if (auto r = ComprobarDefinicion(hallada->second, {&tabla, antigua == anterior.end() ? nullptr : &antigua->second});
            !r.ok())
            return r;
    }
    return {};
}

}  // namespace

ResultadoCopia ComprobarBaseUsuario(const std::string& ruta) {
    std::error_code ec;
    if (std::filesystem::is_directory(ruta, ec)) return Fallo(FalloCopia::EsCarpeta, {});
    if (!std::filesystem::is_regular_file(ruta, ec)) return Fallo(FalloCopia::OrigenNoExiste, {});
    std::string detalle;
    BD db = AbrirBD(ruta, SQLITE_OPEN_READONLY, detalle);
    if (!db) return Fallo(FalloCopia::NoEsBaseUsuario, detalle);
    // A damaged file first: its schema cannot be trusted either.
    if (auto r = ComprobarIntegridad(db.get(), CabeceraDeBaseDatos(ruta)); !r.ok()) return r;
    return ComprobarObjetos(db.get());
}

}  // namespace zentalib
