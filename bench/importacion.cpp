// The import of a whole submission file into an empty database through the
// import object, line by line as the desktop's import dialog drives it: a run
// around the lines, a new object per line, the import state carried from one
// to the next. Beside it, the fill of as many declarants and entries by SQLite
// alone (bench_exportacion's fill), measured in the same run.
//   bench_importacion [file]   (default: the file bench_exportacion keeps with
//                               "bench_exportacion 100 1000 <file>")
#include <cstdio>
#include <filesystem>
#include <string>

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
    const std::string referencia = tablas + "bench-import-fill-794Mod.mdb";
    auto limpiar = [&] {
        for (const char* sufijo : {"", "-wal", "-shm"}) {
            fs::remove(mod + sufijo);
            fs::remove(referencia + sufijo);
        }
    };
    limpiar();
    try {
        auto traspaso = rt::CreateObjectAs<_cTraspaso>("Quelvodat.cTraspaso");
        for (const std::string& ruta : {mod, referencia}) {
            traspaso->mdbmod(ruta);
            traspaso->Traspaso();  // creates the empty user database
        }

        // The reference: the file's declarants and entries filled by SQLite.
        long registros1 = 0, registros2 = 0;
        {
            rt::TextFileReader lector(fichero);
            for (std::string linea; lector.ReadLine(linea);) {
                registros1 += !linea.empty() && linea[0] == '1';
                registros2 += !linea.empty() && linea[0] == '2';
            }
        }
        if (registros1 == 0) throw rt::Error(5, "bench", "the file holds no record 1");
        bench::Cronometro llenar;
        bench::Llenar(referencia, static_cast<int32_t>(registros1),
                      static_cast<int32_t>(registros2 / registros1));
        const double segundosLlenar = llenar.segundos();
        bench::informar("fill (declared entries)", registros2, segundosLlenar);

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
        bench::razon("import per line against the fill per entry", segundosImportar / lineas,
                     segundosLlenar / registros2);
        std::printf("  lines with result 0: %ld of %ld\n", aceptadas, lineas);
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
