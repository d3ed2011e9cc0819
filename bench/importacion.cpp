// The import of a whole submission file into an empty database through the
// import object, line by line as the desktop's import dialog drives it: a run
// around the lines, a new object per line, the import state carried from one
// to the next. Beside it, in the same run, the limit: the same rows inserted
// by SQLite alone with prepared statements in one transaction, each entry
// after the same duplicate check; and the same with a commit at every
// declaration, as the run commits.
//   bench_importacion [rounds]          two files written through the export
//                                       first: 100 declarants of 1,000 entries
//                                       and 10,000 of 10 (3 rounds each)
//   bench_importacion <file> [rounds]   that file
// Each figure is the median of its rounds; the time per line is also given
// for the first and the last tenth of the file.
#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "comun/estado_importacion.h"
#include "datos_exportacion.h"
#include "medida.h"
#include "quelvodat/cImportacion.h"
#include "quelvodat/cTraspaso.h"
#include "quelvort/error.h"
#include "quelvort/object.h"
#include "quelvort/textfile.h"

namespace fs = std::filesystem;
using namespace quelvodat;

namespace {

// A prepared statement of the reference.
class Sentencia {
public:
    Sentencia(sqlite3* db, const char* sql) : db_(db) {
        if (sqlite3_prepare_v2(db, sql, -1, &st_, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(db));
    }
    ~Sentencia() { sqlite3_finalize(st_); }
    Sentencia(const Sentencia&) = delete;
    Sentencia& operator=(const Sentencia&) = delete;

    Sentencia& operator()(int i, int v) { return check(sqlite3_bind_int(st_, i, v)); }
    Sentencia& operator()(int i, double v) { return check(sqlite3_bind_double(st_, i, v)); }
    Sentencia& operator()(int i, const std::string& v) {
        return check(sqlite3_bind_text(st_, i, v.data(), static_cast<int>(v.size()),
                                       SQLITE_TRANSIENT));
    }
    // Runs it; answers column 0 of its first row (0 when none).
    int64_t Ejecutar() {
        int rc = sqlite3_step(st_);
        int64_t valor = rc == SQLITE_ROW ? sqlite3_column_int64(st_, 0) : 0;
        if (rc != SQLITE_ROW && rc != SQLITE_DONE) throw std::runtime_error(sqlite3_errmsg(db_));
        sqlite3_reset(st_);
        return valor;
    }

private:
    Sentencia& check(int rc) {
        if (rc != SQLITE_OK) throw std::runtime_error(sqlite3_errmsg(db_));
        return *this;
    }
    sqlite3* db_;
    sqlite3_stmt* st_ = nullptr;
};

void Exec(sqlite3* db, const char* sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        std::string texto = error ? error : "";
        sqlite3_free(error);
        throw std::runtime_error(texto);
    }
}

// The rows the import stores from the file of "bench_exportacion n m":
// declarants, one declaration of 2012 each and their entries (every tenth a
// rectification), inserted with prepared statements in one transaction on a
// connection set up as the data server's, each entry after the data server's
// own duplicate query; porDeclaracion: a commit at every declaration instead,
// left unsynced as the run's are. Answers the seconds taken.
double Referencia(const std::string& ruta, int32_t declarantes, int32_t porDeclarante,
                  bool porDeclaracion) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(ruta.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) !=
        SQLITE_OK)
        throw std::runtime_error("open " + ruta);
    struct Cerrar {
        sqlite3* db;
        ~Cerrar() { sqlite3_close(db); }
    } cerrar{db};
    Exec(db, porDeclaracion ? "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL"
                            : "PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL");
    bench::Cronometro reloj;
    {
        Sentencia declarante(
            db,
            "INSERT INTO TDeclarante (dni_cifd, nombred, viad, domiciliod, numerod, letrad, "
            "escalerad, pisod, manod, cod, codpostald, municipiod, telefonod, nombrepd, "
            "telefonopd) VALUES (?, ?, 'CL', 'Sin domicilio', 0, ' ', ' ', ' ', ' ', 1, 1, "
            "'Sin municipio', 0, ' ', 0)");
        Sentencia declaracion(db,
                              "INSERT INTO TDeclaraciones (coddecr, ejercicio, periodo, "
                              "periodicidad, moneda, bimensual) VALUES (?, 2012, 12, 3, 'E', '')");
        Sentencia duplicado(
            db,
            "SELECT count(*) FROM tOperadores WHERE coddeclar = ? AND nifo = ? COLLATE NOCASE "
            "AND claveopo = ? COLLATE NOCASE AND ejercicioo = ? AND periodoo = ? "
            "AND triangularo = ? COLLATE NOCASE");
        Sentencia entrada(db,
                          "INSERT INTO tOperadores (coddeclar, paiso, paisaux, nifo, razon, "
                          "tipoopo, claveopo, base, signoo, ejercicioo, periodoo, periodicidad, "
                          "triangularo) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        Exec(db, "BEGIN IMMEDIATE");
        const char* letras = "TRWAGMYFPDXBNJZSQVHLCKE";
        int64_t i = 0;
        for (int32_t d = 1; d <= declarantes; ++d) {
            char nif[16];
            std::snprintf(nif, sizeof nif, "%08d%c", d, letras[d % 23]);
            declarante(1, std::string(nif))(2, "DECLARANTE NUMERO " + std::to_string(d)).Ejecutar();
            const int coddec = static_cast<int>(sqlite3_last_insert_rowid(db));
            if (porDeclaracion && d > 1) {
                Exec(db, "COMMIT");
                Exec(db, "BEGIN IMMEDIATE");
            }
            declaracion(1, coddec).Ejecutar();
            const int coddecla = static_cast<int>(sqlite3_last_insert_rowid(db));
            for (int32_t e = 0; e < porDeclarante; ++e, ++i) {
                const bool rectifica = i % 10 == 0;
                const std::string nifo = std::to_string(100000000 + i);
                const int ejercicio = rectifica ? 2011 : 0, periodo = rectifica ? 12 : 0;
                if (duplicado(1, coddecla)(2, nifo)(3, std::string("E"))(4, ejercicio)(
                                  5, periodo)(6, std::string(" "))
                        .Ejecutar() > 0)
                    throw std::runtime_error("duplicate entry " + nifo);
                entrada(1, coddecla)(2, std::string("DE"))(3, std::string(" "))(4, nifo)(
                    5, "PROVEEDOR " + std::to_string(i))(6, std::string(rectifica ? "R" : "N"))(
                    7, std::string("E"))(8, 123456.0 + static_cast<double>(i))(
                    9, std::string(rectifica ? "-" : " "))(10, ejercicio)(11, periodo)(
                    12, rectifica ? 3 : 0)(13, std::string(" "))
                    .Ejecutar();
            }
        }
        Exec(db, "COMMIT");
    }
    return reloj.segundos();
}

void Limpiar(const std::string& ruta) {
    for (const char* sufijo : {"", "-wal", "-shm"}) fs::remove(ruta + sufijo);
}

// An empty user database, as the program creates it.
void Vacia(const std::string& ruta) {
    Limpiar(ruta);
    auto traspaso = rt::CreateObjectAs<_cTraspaso>("Quelvodat.cTraspaso");
    traspaso->mdbmod(ruta);
    traspaso->Traspaso();
}

double Mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

struct Importado {
    double segundos = 0;
    double primerDecimo = 0;  // seconds per line over the first tenth of the file
    double ultimoDecimo = 0;  // and over the last
    long lineas = 0;
    long aceptadas = 0;
};

Importado Importar(const std::string& fichero, const std::string& mod, const std::string& lec,
                   long lineasFichero) {
    Vacia(mod);
    Importado r;
    const long decimo = std::max(1L, lineasFichero / 10);
    double finPrimero = 0, inicioUltimo = 0;
    bench::Cronometro reloj;
    auto run = rt::CreateObjectAs<_cImportacion>("Quelvodat.cImportacion");
    run->mdbmod(mod);
    run->IniciarImportacion();
    prueba::EstadoImportacion estado;  // what the dialog carries from line to line
    rt::TextFileReader lector(fichero);
    for (std::string linea; lector.ReadLine(linea);) {
        if (r.lineas == lineasFichero - decimo) inicioUltimo = reloj.segundos();
        estado.Soporte(mod, lec, linea);
        ++r.lineas;
        if (estado.resultado == 0) ++r.aceptadas;
        if (r.lineas == decimo) finPrimero = reloj.segundos();
    }
    run->TerminarImportacion();
    r.segundos = reloj.segundos();
    r.primerDecimo = finPrimero / static_cast<double>(decimo);
    r.ultimoDecimo = (r.segundos - inicioUltimo) / static_cast<double>(decimo);
    Limpiar(mod);
    return r;
}

// Rounds of the reference, the import and the reference committing at every
// declaration, in turn, on one file; prints the medians and answers the
// import's seconds per line.
double Medir(const std::string& nombre, const std::string& fichero, const std::string& tablas,
           int rondas) {
    const std::string mod = tablas + "bench-import-794Mod.mdb";
    const std::string lec = tablas + "794Lec.mdb";
    const std::string referencia = tablas + "bench-import-ref-794Mod.mdb";
    long registros1 = 0, registros2 = 0, lineas = 0;
    {
        rt::TextFileReader lector(fichero);
        for (std::string linea; lector.ReadLine(linea); ++lineas) {
            registros1 += !linea.empty() && linea[0] == '1';
            registros2 += !linea.empty() && linea[0] == '2';
        }
    }
    if (registros1 == 0) throw rt::Error(5, "bench", "the file holds no record 1");
    const auto declarantes = static_cast<int32_t>(registros1);
    const auto porDeclarante = static_cast<int32_t>(registros2 / registros1);
    auto referenciaDe = [&](bool porDeclaracion) {
        Vacia(referencia);
        const double s = Referencia(referencia, declarantes, porDeclarante, porDeclaracion);
        Limpiar(referencia);
        return s;
    };

    std::vector<double> limite, importar, primero, ultimo, porDeclaracion;
    Importado ultima;
    for (int ronda = 0; ronda < rondas; ++ronda) {
        limite.push_back(referenciaDe(false));
        ultima = Importar(fichero, mod, lec, lineas);
        importar.push_back(ultima.segundos);
        primero.push_back(ultima.primerDecimo);
        ultimo.push_back(ultima.ultimoDecimo);
        porDeclaracion.push_back(referenciaDe(true));
    }
    const double l = Mediana(limite), i = Mediana(importar), c = Mediana(porDeclaracion);
    std::printf("\n%s: %ld lines, %ld entries, medians of %d rounds\n", nombre.c_str(), lineas,
                registros2, rondas);
    bench::informar("limit: SQLite alone, one transaction", registros2, l);
    bench::informar("SQLite alone, a commit per declaration", registros2, c);
    bench::informar("import through cImportacion (lines)", ultima.lineas, i);
    std::printf("  time per line: %.2f us; first tenth %.2f us, last tenth %.2f us\n",
                i * 1e6 / static_cast<double>(lineas), Mediana(primero) * 1e6,
                Mediana(ultimo) * 1e6);
    bench::razon("  import against the limit (same rows, per entry)", i / registros2,
                 l / registros2);
    bench::razon("  import against a commit per declaration (per entry)", i / registros2,
                 c / registros2);
    std::printf("  lines with result 0: %ld of %ld\n", ultima.aceptadas, ultima.lineas);
    return i / static_cast<double>(lineas);
}

// The submission file of n declarants of m entries, as the export writes it.
void Escribir(const std::string& fichero, const std::string& tablas, int32_t n, int32_t m) {
    const std::string mod = tablas + "bench-import-export-794Mod.mdb";
    Vacia(mod);
    bench::Llenar(mod, n, m);
    bench::ExportarPorElServidor(mod, fichero, n);
    Limpiar(mod);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string tablas = rt::ProgramFolder() + "/Tablas/";
    // A first argument that is not a number names the file.
    const auto cifra = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; };
    const bool conFichero = argc > 1 && !std::all_of(argv[1], argv[1] + std::strlen(argv[1]), cifra);
    const int posicionRondas = conFichero ? 2 : 1;
    const int rondas = argc > posicionRondas ? std::max(1, std::atoi(argv[posicionRondas])) : 3;
    // What the run writes goes, whatever way it ends.
    struct Limpieza {
        const std::string& tablas;
        std::vector<std::string> ficheros;
        ~Limpieza() {
            for (const auto& f : ficheros) fs::remove(f);
            for (const char* base : {"bench-import-794Mod.mdb", "bench-import-ref-794Mod.mdb",
                                     "bench-import-export-794Mod.mdb"})
                Limpiar(tablas + base);
        }
    } limpieza{tablas, {}};
    try {
        if (conFichero) {
            if (!fs::exists(argv[1])) {
                std::fprintf(stderr, "no file %s\n", argv[1]);
                return 2;
            }
            Medir(argv[1], argv[1], tablas, rondas);
            return 0;
        }
        const struct {
            int32_t declarantes, entradas;
        } casos[] = {{100, 1000}, {10000, 10}};
        std::vector<double> porLinea;
        for (const auto& c : casos) {
            const std::string n = std::to_string(c.declarantes), m = std::to_string(c.entradas);
            const std::string fichero = tablas + "bench-import-" + n + "x" + m + ".txt";
            limpieza.ficheros.push_back(fichero);
            Escribir(fichero, tablas, c.declarantes, c.entradas);
            porLinea.push_back(Medir(n + " x " + m, fichero, tablas, rondas));
        }
        std::printf("\n");
        bench::razon("time per line, 10000 x 10 against 100 x 1000", porLinea[1], porLinea[0]);
    } catch (const rt::Error& e) {
        std::fprintf(stderr, "error %d: %s\n", e.Number, e.Description.c_str());
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "error: %s\n", e.what());
        return 1;
    }
    return 0;
}
