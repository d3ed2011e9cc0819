// The import of a whole submission file into an empty database through the
// import object, line by line as the desktop's import dialog drives it: a run
// around the lines, a new object per line, the import state carried from one
// to the next. Beside it, the reference: the same rows inserted by SQLite
// alone with prepared statements in one transaction, each entry after the
// same duplicate check, measured before and after the import in the same run.
//   bench_importacion [file]   (default: the file bench_exportacion keeps with
//                               "bench_exportacion 100 1000 <file>")
#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "comun/estado_importacion.h"
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
// own duplicate query. Answers the seconds taken.
double Referencia(const std::string& ruta, int32_t declarantes, int32_t porDeclarante) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(ruta.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) !=
        SQLITE_OK)
        throw std::runtime_error("open " + ruta);
    struct Cerrar {
        sqlite3* db;
        ~Cerrar() { sqlite3_close(db); }
    } cerrar{db};
    Exec(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL");
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

}  // namespace

int main(int argc, char** argv) {
    const std::string tablas = rt::ProgramFolder() + "/Tablas/";
    const std::string fichero = argc > 1 ? argv[1] : tablas + "bench-794_CE12.txt";
    const std::string mod = tablas + "bench-import-794Mod.mdb";
    const std::string lec = tablas + "794Lec.mdb";
    if (!fs::exists(fichero)) {
        std::fprintf(stderr, "no file %s: run bench_exportacion 100 1000 %s first\n",
                     fichero.c_str(), fichero.c_str());
        return 2;
    }
    const std::string referencia = tablas + "bench-import-ref-794Mod.mdb";
    auto limpiar = [&](const std::string& ruta) {
        for (const char* sufijo : {"", "-wal", "-shm"}) fs::remove(ruta + sufijo);
    };
    auto vacia = [&](const std::string& ruta) {
        limpiar(ruta);
        auto traspaso = rt::CreateObjectAs<_cTraspaso>("Quelvodat.cTraspaso");
        traspaso->mdbmod(ruta);
        traspaso->Traspaso();  // creates the empty user database
    };
    try {
        long registros1 = 0, registros2 = 0;
        {
            rt::TextFileReader lector(fichero);
            for (std::string linea; lector.ReadLine(linea);) {
                registros1 += !linea.empty() && linea[0] == '1';
                registros2 += !linea.empty() && linea[0] == '2';
            }
        }
        if (registros1 == 0) throw rt::Error(5, "bench", "the file holds no record 1");
        const auto declarantes = static_cast<int32_t>(registros1);
        const auto porDeclarante = static_cast<int32_t>(registros2 / registros1);

        vacia(referencia);
        const double referencia1 = Referencia(referencia, declarantes, porDeclarante);
        bench::informar("reference: SQLite alone (entries)", registros2, referencia1);
        limpiar(referencia);

        vacia(mod);
        long lineas = 0, aceptadas = 0;
        bench::Cronometro importar;
        auto run = rt::CreateObjectAs<_cImportacion>("Quelvodat.cImportacion");
        run->mdbmod(mod);
        run->IniciarImportacion();
        prueba::EstadoImportacion estado;  // what the dialog carries from line to line
        rt::TextFileReader lector(fichero);
        for (std::string linea; lector.ReadLine(linea);) {
            estado.Soporte(mod, lec, linea);
            ++lineas;
            if (estado.resultado == 0) ++aceptadas;
        }
        run->TerminarImportacion();
        const double segundosImportar = importar.segundos();
        bench::informar("import through cImportacion (lines)", lineas, segundosImportar);
        limpiar(mod);

        vacia(referencia);
        const double referencia2 = Referencia(referencia, declarantes, porDeclarante);
        bench::informar("reference again", registros2, referencia2);
        limpiar(referencia);

        // Against the faster of the two reference runs.
        const double mejor = std::min(referencia1, referencia2);
        bench::razon("import against the reference, per entry", segundosImportar / registros2,
                     mejor / registros2);
        std::printf("  lines with result 0: %ld of %ld\n", aceptadas, lineas);
    } catch (const rt::Error& e) {
        std::fprintf(stderr, "error %d: %s\n", e.Number, e.Description.c_str());
        limpiar(mod);
        limpiar(referencia);
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "error: %s\n", e.what());
        limpiar(mod);
        limpiar(referencia);
        return 1;
    }
    return 0;
}
