// The export of a whole submission through the export object, as the
// desktop's writer drives it: the run's total, then the presenter's record and
// per declarant its record and its entries' records, written as lines of the
// submission file. The database is filled by one statement per table.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "datos_exportacion.h"
#include "medida.h"
#include "quelvodat/cTraspaso.h"
#include "quelvort/error.h"
#include "quelvort/object.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    const int32_t declarantes = argc > 1 ? std::atoi(argv[1]) : 100;
    const int32_t porDeclarante = argc > 2 ? std::atoi(argv[2]) : 1000;
    const std::string tablas = rt::ProgramFolder() + "/Tablas/";
    const std::string mod = tablas + "bench-export-794Mod.mdb";
    // A third argument keeps the submission file there (the import benchmark reads it).
    const bool conservar = argc > 3;
    const std::string fichero = conservar ? argv[3] : tablas + "bench-794_CE12.txt";
    auto limpiar = [&] {
        for (const char* sufijo : {"", "-wal", "-shm"}) fs::remove(mod + sufijo);
        if (!conservar) fs::remove(fichero);
    };
    limpiar();
    try {
        auto traspaso = rt::CreateObjectAs<quelvodat::_cTraspaso>("Quelvodat.cTraspaso");
        traspaso->mdbmod(mod);
        traspaso->Traspaso();  // creates the empty user database
        bench::Cronometro llenar;
        bench::Llenar(mod, declarantes, porDeclarante);
        bench::informar("fill (declared entries)", long{declarantes} * porDeclarante,
                        llenar.segundos());

        bench::Cronometro exportar;
        const bench::Exportado r = bench::ExportarPorElServidor(mod, fichero, declarantes);
        const long registros = r.registros;
        const int64_t escritos = r.escritos;
        const int32_t entradas = r.contados;
        bench::informar("export through cExportacion (records)", registros, exportar.segundos());
        std::printf("  type-2 records: %lld of %d counted; file %lld bytes\n",
                    static_cast<long long>(escritos), entradas,
                    static_cast<long long>(fs::file_size(fichero)));
    } catch (const rt::Error& e) {
        std::fprintf(stderr, "error %d: %s\n", e.Number, e.Description.c_str());
        limpiar();
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "error: %s\n", e.what());
        limpiar();
        return 1;
    }
    limpiar();
    return 0;
}
