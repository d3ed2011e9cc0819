// A whole submission file imported through the submission-file import window,
// offscreen, as the user does it (the window's own loop, counters, bars and
// event handling per line), beside the data server's own import of the same
// file driven directly, in the same run.
//   bench_importacion_dialogo [file]   (default: the file bench_exportacion
//                                       keeps with "bench_exportacion 100 1000 <file>")
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>
#include <filesystem>
#include <string>

#include "comun/estado_importacion.h"
#include "exchange/frmImpSoporte_794.h"
#include "medida.h"
#include "program/arranque.h"
#include "quelvodat/cImportacion.h"
#include "quelvodat/cTraspaso.h"
#include "quelvort/error.h"
#include "quelvort/object.h"
#include "quelvort/textfile.h"
#include "services/globales.h"

namespace fs = std::filesystem;

namespace {

std::string BaseVacia(const std::string& carpeta, const char* nombre) {
    const std::string ruta = carpeta + "/" + nombre;
    auto traspaso = rt::CreateObjectAs<quelvodat::_cTraspaso>("Quelvodat.cTraspaso");
    traspaso->mdbmod(ruta);
    traspaso->Traspaso();
    return ruta;
}

// The data server alone: a run around the lines, the state carried from
// line to line as the window's import object carries it.
long ImportarDirecto(const std::string& fichero, const std::string& mod, const std::string& lec) {
    auto run = rt::CreateObjectAs<quelvodat::_cImportacion>("Quelvodat.cImportacion");
    run->mdbmod(mod);
    run->IniciarImportacion();
    prueba::EstadoImportacion estado;
    long lineas = 0;
    rt::TextFileReader lector(fichero);
    for (std::string linea; lector.ReadLine(linea); ++lineas) estado.Soporte(mod, lec, linea);
    run->TerminarImportacion();
    return lineas;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    quelvo::ConectarPrograma();
    const std::string tablas = rt::ProgramFolder() + "/Tablas/";
    const std::string fichero = argc > 1 ? argv[1] : tablas + "bench-794_CE12.txt";
    if (!fs::exists(fichero)) {
        std::fprintf(stderr, "no file %s: run bench_exportacion 100 1000 %s first\n",
                     fichero.c_str(), fichero.c_str());
        return 2;
    }
    QTemporaryDir carpeta;
    const std::string dir = carpeta.path().toStdString();
    try {
        quelvo::strRutaLec = tablas + "794Lec.mdb";
        quelvo::strRutaTrabajo = dir;

        bench::Cronometro directo;
        const long lineas = ImportarDirecto(fichero, BaseVacia(dir, "directo.mdb"), quelvo::strRutaLec);
        const double segundosDirecto = directo.segundos();
        bench::informar("data server import, driven directly", lineas, segundosDirecto);

        quelvo::strRutaMod = BaseVacia(dir, "794Mod.mdb");
        auto ventana = quelvo::frmImpSoporte_794::Mostrar();
        ventana->findChild<QWidget*>("ctrSelFichero")->findChild<QLabel*>("lblRuta")->setText(
        QString::fromStdString(fichero));
        bench::Cronometro dialogo;
        ventana->findChild<QPushButton*>("cmdImportar")->click();
        const double segundosDialogo = dialogo.segundos();
        bench::informar("import window's run", lineas, segundosDialogo);
        std::printf("  window / direct: %.2f\n", segundosDialogo / segundosDirecto);
        ventana->close();
    } catch (const rt::Error& e) {
        std::fprintf(stderr, "error %d: %s\n", e.Number, e.Description.c_str());
        return 1;
    }
    return 0;
}
