// Whether a file is a user database this system could have written: sound,
// with the tables and columns of the current schema or of an earlier layout
// that the upgrade knows, and nothing else. Anything more (a trigger, a view,
// a table or column of someone else's) would act on or hide the user's data
// once the file is in place.
#include <algorithm>
#include <filesystem>
#include <map>
#include <vector>

#include "bd_sqlite.h"
#include "copia_bd.h"
#include "esquema_mod.h"
#include "quelvodat/capas_anteriores.h"

namespace zentalib {

namespace {

struct Columna {
    std::string nombre;
    std::string afinidad;
    int clave = 0;
};

struct Tabla {
    std::string nombre;
    std::vector<Columna> columnas;
    std::vector<std::string> indices;
};

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

// The schema's tables by lower-case name, from the schema laid out in memory.
std::map<std::string, Tabla> TablasDelEsquema() {
    std::map<std::string, Tabla> tablas;
    std::string detalle;
    BD db = AbrirBD(":memory:", SQLITE_OPEN_READWRITE, detalle);
    if (!db || sqlite3_exec(db.get(), quelvodat::kEsquemaBaseUsuario, nullptr, nullptr, nullptr) != SQLITE_OK)
        return tablas;
    Sentencia st = Preparar(db.get(), "SELECT type, name, tbl_name FROM sqlite_master WHERE name NOT LIKE 'sqlite\\_%' ESCAPE '\\'");
    while (st && sqlite3_step(st.get()) == SQLITE_ROW) {
        const std::string tabla = Minusculas(TextoColumna(st.get(), 2));
        if (TextoColumna(st.get(), 0) == "index")
            tablas[tabla].indices.push_back(Minusculas(TextoColumna(st.get(), 1)));
        else {
            tablas[tabla].nombre = TextoColumna(st.get(), 1);
            tablas[tabla].columnas = Columnas(db.get(), tablas[tabla].nombre);
        }
    }
    return tablas;
}

bool EnLista(const quelvodat::ObjetoDeTabla* inicio, const quelvodat::ObjetoDeTabla* fin,
             const std::string& tabla, const std::string& nombre) {
    return std::any_of(inicio, fin, [&](const quelvodat::ObjetoDeTabla& o) {
        return Minusculas(o.tabla) == tabla && Minusculas(o.nombre) == nombre;
    });
}

bool ColumnaAnadida(const std::string& tabla, const std::string& columna) {
    return EnLista(std::begin(quelvodat::kColumnasAnadidas), std::end(quelvodat::kColumnasAnadidas), tabla,
                   columna);
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

ResultadoCopia ComprobarIntegridad(sqlite3* db) {
    Sentencia revision = Preparar(db, "PRAGMA integrity_check");
    if (!revision) return Fallo(FalloCopia::NoEsBaseUsuario, sqlite3_errmsg(db));
    const int rc = sqlite3_step(revision.get());
    if (rc == SQLITE_CORRUPT) return Fallo(FalloCopia::Danada, sqlite3_errmsg(db));
    if (rc != SQLITE_ROW) return Fallo(FalloCopia::NoEsBaseUsuario, sqlite3_errmsg(db));
    const std::string estado = TextoColumna(revision.get(), 0);
    if (estado != "ok") return Fallo(FalloCopia::Danada, estado);
    return {};
}

ResultadoCopia ComprobarObjetos(sqlite3* db) {
    const auto esquema = TablasDelEsquema();
    if (esquema.empty()) return Fallo(FalloCopia::NoEsBaseUsuario, "no schema");
    Sentencia objetos = Preparar(db, "SELECT type, name, tbl_name FROM sqlite_master");
    if (!objetos) return Fallo(FalloCopia::NoEsBaseUsuario, sqlite3_errmsg(db));
    std::map<std::string, std::string> tablas;  // lower-case name → name in the file
    int rc;
    while ((rc = sqlite3_step(objetos.get())) == SQLITE_ROW) {
        const std::string tipo = TextoColumna(objetos.get(), 0);
        const std::string nombre = TextoColumna(objetos.get(), 1);
        const std::string tabla = Minusculas(TextoColumna(objetos.get(), 2));
        // The engine's own: key counters, automatic indexes, statistics.
        if (Minusculas(nombre).rfind("sqlite_", 0) == 0) continue;
        const auto del_esquema = esquema.find(tabla);
        bool conocido = false;
        if (tipo == "table") {
            conocido = del_esquema != esquema.end();
            if (conocido) tablas[tabla] = nombre;
        } else if (tipo == "index" && del_esquema != esquema.end()) {
            const auto& indices = del_esquema->second.indices;
            conocido = std::find(indices.begin(), indices.end(), Minusculas(nombre)) != indices.end() ||
                       EnLista(std::begin(quelvodat::kIndicesAnteriores),
                               std::end(quelvodat::kIndicesAnteriores), tabla, Minusculas(nombre));
        }
        if (!conocido) return Fallo(FalloCopia::ObjetoAjeno, tipo + " " + nombre);
    }
    if (rc != SQLITE_DONE) return Fallo(FalloCopia::NoEsBaseUsuario, sqlite3_errmsg(db));
    for (const auto& [clave, tabla] : esquema) {
        const auto hallada = tablas.find(clave);
        if (hallada == tablas.end()) return Fallo(FalloCopia::NoEsBaseUsuario, "no table " + tabla.nombre);
        if (auto r = ComprobarColumnas(db, tabla, hallada->second); !r.ok()) return r;
    }
    return {};
}

}  // namespace

ResultadoCopia ComprobarBaseUsuario(const std::string& ruta) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(ruta, ec)) return Fallo(FalloCopia::OrigenNoExiste, {});
    std::string detalle;
    BD db = AbrirBD(ruta, SQLITE_OPEN_READONLY, detalle);
    if (!db) return Fallo(FalloCopia::NoEsBaseUsuario, detalle);
    // A damaged file first: its schema cannot be trusted either.
    if (auto r = ComprobarIntegridad(db.get()); !r.ok()) return r;
    return ComprobarObjetos(db.get());
}

}  // namespace zentalib
