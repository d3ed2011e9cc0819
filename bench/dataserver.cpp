// The stores through the public classes and the real per-call protocol, as
// the program calls them: entry saves, the entry list, and a declarant's
// deletion with all its entries. The database lives in the tables folder.
// Beside the saves, the same rows inserted by SQLite alone, one durable
// transaction each on a connection kept open, measured in the same run.
#include <sqlite3.h>

#include <cstdio>
#include <filesystem>

#include "medida.h"
#include "quelvodat/cDeclaraciones.h"
#include "quelvodat/cDeclarado.h"
#include "quelvodat/cDeclarante.h"
#include "quelvodat/cTraspaso.h"
#include "quelvort/error.h"
#include "quelvort/object.h"

namespace fs = std::filesystem;
using namespace quelvodat;

namespace {

// Seconds SQLite alone takes for `entradas` rows into tOperadores, one
// transaction each, in WAL mode with every commit synced.
double InsercionesDirectas(const std::string& ruta, int32_t entradas, int32_t coddecla) {
    sqlite3* db = nullptr;
    sqlite3_open(ruta.c_str(), &db);
    sqlite3_exec(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL", nullptr, nullptr, nullptr);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO tOperadores (coddeclar, paiso, paisaux, nifo, razon, tipoopo, "
                       "claveopo, base, signoo, ejercicioo, periodoo, periodicidad, triangularo) "
                       "VALUES (?, 'DE', '', ?, 'PROVEEDOR', 'N', 'A', ?, '', 0, 0, 0, '')",
                       -1, &st, nullptr);
    bench::Cronometro reloj;
    for (int32_t i = 0; i < entradas; ++i) {
        sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        sqlite3_bind_int(st, 1, coddecla);
        sqlite3_bind_text(st, 2, std::to_string(200000000 + i).c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_double(st, 3, 1234.56 + i);
        sqlite3_step(st);
        sqlite3_reset(st);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    }
    const double segundos = reloj.segundos();
    sqlite3_finalize(st);
    sqlite3_close(db);
    return segundos;
}

}  // namespace

int main(int argc, char** argv) {
    const int32_t entradas = argc > 1 ? std::atoi(argv[1]) : 10000;
    const std::string tablas = rt::ProgramFolder() + "/Tablas/";
    const std::string mod = tablas + "bench-794Mod.mdb";
    for (const char* sufijo : {"", "-wal", "-shm"}) fs::remove(mod + sufijo);
    try {
        auto traspaso = rt::CreateObjectAs<_cTraspaso>("Quelvodat.cTraspaso");
        traspaso->mdbmod(mod);
        traspaso->Traspaso();  // creates the empty user database

        auto declarante = rt::CreateObjectAs<_cDeclarante>("Quelvodat.cDeclarante");
        declarante->mdbmod(mod);
        rt::VArray dte(0, 15);
        for (int i = 0; i <= 15; ++i) dte.at(i) = "";
        for (int i : {0, 5, 10, 13, 15}) dte.at(i) = 0;
        dte.at(1) = "12345678Z";
        dte.at(2) = "EMPRESA DE PRUEBA SA";
        dte.at(11) = "01001";
        int32_t coddec = declarante->GuardarDeclarante(rt::Variant(dte));

        auto declaraciones = rt::CreateObjectAs<_cDeclaraciones>("Quelvodat.cDeclaraciones");
        declaraciones->mdbmod(mod);
        int32_t coddecla = declaraciones->GuardarDeclaracion(2012, "E", 12, coddec, 3, "");

        auto declarado = rt::CreateObjectAs<_cDeclarado>("Quelvodat.cDeclarado");
        declarado->mdbmod(mod);
        bench::Cronometro guardar;
        for (int32_t i = 0; i < entradas; ++i) {
            rt::VArray e(0, 12);
            e.at(0) = 0;
            e.at(1) = coddecla;
            e.at(2) = "DE";
            e.at(3) = std::to_string(100000000 + i);
            e.at(4) = "PROVEEDOR " + std::to_string(i);
            e.at(5) = "A";
            e.at(6) = 1234.56 + i;
            e.at(7) = "";
            e.at(8) = 0;
            e.at(9) = 0;
            e.at(10) = "";
            e.at(11) = "N";
            e.at(12) = 0;
            declarado->GuardarDeclarado(rt::Variant(e));
        }
        const double segundosGuardar = guardar.segundos();
        bench::informar("GuardarDeclarado", entradas, segundosGuardar);
        const double segundosDirectas = InsercionesDirectas(mod, entradas, coddecla);
        bench::informar("the same rows by SQLite alone", entradas, segundosDirectas);
        bench::razon("GuardarDeclarado against SQLite alone", segundosGuardar / entradas,
                     segundosDirectas / entradas);

        bench::Cronometro listar;
        rt::Variant lista = declarado->ObtenerDeclarados(coddecla);
        bench::informar("ObtenerDeclarados (one call)", 1, listar.segundos());
        std::printf("  rows listed: %d\n", lista.isNull() ? 0 : rt::UBound(lista, 2));

        bench::Cronometro eliminar;
        declarante->EliminarDeclarante(coddec, true);
        bench::informar("EliminarDeclarante with its entries", 1, eliminar.segundos());
    } catch (const rt::Error& e) {
        std::fprintf(stderr, "error %d: %s\n", e.Number, e.Description.c_str());
        return 1;
    }
    for (const char* sufijo : {"", "-wal", "-shm"}) fs::remove(mod + sufijo);
    return 0;
}
