// The import of a whole submission file into an empty database through the
// import object, line by line as the desktop's import dialog drives it: a run
// around the lines, a new object per line, the import state carried from one
// to the next.
//   bench_importacion [file]   (default: the file bench_exportacion keeps with
//                               "bench_exportacion 100 1000 <file>")
#include <cstdio>
#include <filesystem>
#include <string>

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
    auto limpiar = [&] {
        for (const char* sufijo : {"", "-wal", "-shm"}) fs::remove(mod + sufijo);
    };
    limpiar();
    try {
        auto traspaso = rt::CreateObjectAs<_cTraspaso>("Quelvodat.cTraspaso");
        traspaso->mdbmod(mod);
        traspaso->Traspaso();  // creates the empty user database

        // The state the dialog carries from line to line.
        std::string declaracion = "0";
        uint8_t resultado = 0, periodo = 0, periodicidad = 0;
        bool rechazar = false, convertir = false;
        long lineas = 0, aceptadas = 0;

        bench::Cronometro importar;
        auto run = rt::CreateObjectAs<_cImportacion>("Quelvodat.cImportacion");
        run->mdbmod(mod);
        run->IniciarImportacion();
        rt::TextFileReader lector(fichero);
        std::string linea;
        while (lector.ReadLine(linea)) {
            auto o = rt::CreateObjectAs<_cImportacion>("Quelvodat.cImportacion");
            o->mdbmod(mod);
            o->mdblec(lec);
            o->EjercicioMin(1993);
            o->EjercicioMax(2013);
            o->declaracion(declaracion);
            o->Resultado(resultado);
            o->RechazarDeclaracion(rechazar);
            o->Convertir(convertir);
            o->Periodo(periodo);
            o->Periodicidad(periodicidad);
            rt::Variant errores;
            o->importSpte(linea, errores, false);
            declaracion = o->declaracion();
            resultado = o->Resultado();
            rechazar = o->RechazarDeclaracion();
            convertir = o->Convertir();
            periodo = o->Periodo();
            periodicidad = o->Periodicidad();
            ++lineas;
            if (resultado == 0) ++aceptadas;
        }
        run->TerminarImportacion();
        bench::informar("import through cImportacion (lines)", lineas, importar.segundos());
        std::printf("  lines with result 0: %ld of %ld\n", aceptadas, lineas);
    } catch (const rt::Error& e) {
        std::fprintf(stderr, "error %d: %s\n", e.Number, e.Description.c_str());
        limpiar();
        return 1;
    }
    limpiar();
    return 0;
}
