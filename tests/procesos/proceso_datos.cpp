// A second program on the same user database, for the tests that kill a
// process or run two at once. It reaches the data server by name, as the
// program does.
//   proceso_datos importar <mod> <lec> <file> <run: 1 or 0>
//       imports a submission file line by line as the import dialog does;
//       writes "listo" once it is about to read the first line
//   proceso_datos guardar <mod> <declaration> <entries> <VAT prefix>
//       saves that many entries, one call each
//   proceso_datos restaurar <backup> <mod>
//       restores the backup over the user database, as the menu command does
//       with nobody to answer its boxes; writes "listo" just before
// Any error is written to stderr and ends the process with 1.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "comun/estado_importacion.h"
#include "quelvodat/cDeclarado.h"
#include "quelvodat/cImportacion.h"
#include "quelvort/error.h"
#include "quelvort/object.h"
#include "quelvort/textfile.h"
#include "zentalib/cSaveAsRestore.h"

using namespace quelvodat;

namespace {

int Importar(const std::string& mod, const std::string& lec, const std::string& fichero,
             bool enLote) {
    auto run = rt::CreateObjectAs<_cImportacion>("Quelvodat.cImportacion");
    run->mdbmod(mod);
    if (enLote) run->IniciarImportacion();
    std::printf("listo\n");
    std::fflush(stdout);
    prueba::EstadoImportacion estado;
    rt::TextFileReader lector(fichero);
    for (std::string linea; lector.ReadLine(linea);) estado.Soporte(mod, lec, linea);
    if (enLote) run->TerminarImportacion();
    return 0;
}

int Guardar(const std::string& mod, int32_t declaracion, int32_t entradas,
            const std::string& prefijo) {
    auto declarado = rt::CreateObjectAs<_cDeclarado>("Quelvodat.cDeclarado");
    declarado->mdbmod(mod);
    for (int32_t i = 0; i < entradas; ++i) {
        rt::VArray e(0, 12);
        const rt::Variant valores[] = {0,  declaracion, "DE", prefijo + std::to_string(i),
                                       "PROVEEDOR", "E", 100.0 + i, "", 0, 0, "", "N", 0};
        for (int32_t j = 0; j <= 12; ++j) e.at(j) = valores[j];
        declarado->GuardarDeclarado(rt::Variant(e));
    }
    return 0;
}

int Restaurar(const std::filesystem::path& copia, const std::filesystem::path& mod) {
    ::setenv("QUELVO_SIN_DIALOGOS", "1", 1);
    auto restauracion = rt::CreateObjectAs<zentalib::_cSaveAsRestore>("Zentalib.cSaveAsRestore");
    restauracion->ArchivoOrigen(copia.filename().string());
    restauracion->ArchivoDestino(mod.filename().string());
    restauracion->RutaDestino(mod.parent_path().string() + "/");
    restauracion->RutaOrigen(copia.parent_path().string() + "/");
    std::printf("listo\n");
    std::fflush(stdout);
    return restauracion->CrearRestore() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const std::string orden = argc > 1 ? argv[1] : "";
        if (orden == "importar" && argc == 6)
            return Importar(argv[2], argv[3], argv[4], std::string(argv[5]) == "1");
        if (orden == "guardar" && argc == 6)
            return Guardar(argv[2], std::atoi(argv[3]), std::atoi(argv[4]), argv[5]);
        if (orden == "restaurar" && argc == 4) return Restaurar(argv[2], argv[3]);
        std::fprintf(stderr, "usage: proceso_datos importar|guardar|restaurar ...\n");
        return 2;
    } catch (const rt::Error& e) {
        std::fprintf(stderr, "error %d: %s\n", e.Number, e.Description.c_str());
        return 1;
    }
}
