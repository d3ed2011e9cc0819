// The export of a whole submission through the export object, as the
// desktop's writer drives it: the run's total, then the presenter's record and
// per declarant its record and its entries' records, written as lines of the
// submission file. The database is filled by one statement per table.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "llenado.h"
#include "medida.h"
#include "quelvodat/cExportacion.h"
#include "quelvodat/cTraspaso.h"
#include "quelvort/error.h"
#include "quelvort/object.h"
#include "quelvort/textfile.h"

namespace fs = std::filesystem;
using namespace quelvodat;

namespace {

rt::Variant Presentador() {
    rt::VArray p(0, 15);
    const rt::Variant valores[] = {1, "B01234567", "ASESORIA ARABA SL", "CL", "DATO", 15, "",
                                   "1", "2", "IZ", "01", "001", "VITORIA-GASTEIZ", 945000111,
                                   "JON ETXEBARRIA", 600111222};
    for (int32_t i = 0; i <= 15; ++i) p.at(i) = valores[i];
    return p;
}

}  // namespace

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
        auto traspaso = rt::CreateObjectAs<_cTraspaso>("Quelvodat.cTraspaso");
        traspaso->mdbmod(mod);
        traspaso->Traspaso();  // creates the empty user database
        bench::Cronometro llenar;
        bench::Llenar(mod, declarantes, porDeclarante);
        const double segundosLlenar = llenar.segundos();
        bench::informar("fill (declared entries)", long{declarantes} * porDeclarante,
                        segundosLlenar);

        rt::VArray codigos(0, declarantes - 1);
        std::string lista;
        for (int32_t i = 0; i < declarantes; ++i) {
            codigos.at(i) = i + 1;
            lista += (i ? "," : "") + std::to_string(i + 1);
        }
        const rt::Variant vCodigos(codigos);

        bench::Cronometro exportar;
        auto total = rt::CreateObjectAs<_cExportacion>("Quelvodat.cExportacion");
        total->mdbmod(mod);
        const int32_t entradas = total->TotalDeclarados(2012, 12, lista);

        auto e = rt::CreateObjectAs<_cExportacion>("Quelvodat.cExportacion");
        e->mdbmod(mod);
        e->Ejercicio(2012);
        e->Moneda("E");
        e->Periodo(12);
        e->Periodicidad(3);
        rt::TextFileWriter salida(fichero);
        long registros = 0;
        int64_t escritos = 0;
        for (int32_t i = 0; i < declarantes; ++i) {
            e->NoTotalDeclarados(0);
            if (i == 0) {
                salida.WriteLine(e->ExportarReg0(Presentador(), declarantes, entradas, 2012));
                ++registros;
            }
            salida.WriteLine(e->ExportarReg1(vCodigos, i));
            ++registros;
            rt::Variant tipo2 = e->ExportarReg2(vCodigos, i);
            if (!tipo2.isEmpty())
                for (int32_t j = 1; j <= rt::UBound(tipo2); ++j) salida.WriteLine(tipo2(j).str());
            registros += e->NoTotalDeclarados();
            escritos += e->NoTotalDeclarados();
        }
        salida.Commit();
        const double segundosExportar = exportar.segundos();
        bench::informar("export through cExportacion (records)", registros, segundosExportar);
        bench::razon("export per record against the fill per entry",
                     segundosExportar / registros, segundosLlenar / (long{declarantes} * porDeclarante));
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
