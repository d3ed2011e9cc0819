// The submission file of a collective run written by the run object as the
// print and record dialog calls it (progress set-up, the shared progress
// window, the writer), beside the data server's own export of the same data
// in the same process; the two files must be equal byte for byte.
#include <QApplication>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "datos_exportacion.h"
#include "medida.h"
#include "printing/cimprgrabar.h"
#include "printing/cselfichero.h"
#include "program/arranque.h"
#include "quelvodat/cTraspaso.h"
#include "quelvort/error.h"
#include "services/globales.h"
#include "services/objetos.h"
#include "windows/frmBarraDeProgreso_794.h"

namespace fs = std::filesystem;

namespace {

// One run of the dialog's recording: the total for the progress window, the
// window shown, the writer.
double GrabarComoElDialogo(const rt::Variant& codigos) {
    bench::Cronometro reloj;
    quelvo::cImprGrabar& run = quelvo::objImprGrabar();
    run.vBufferDeclarantes(codigos);
    run.TotalDeclarados();
    quelvo::intTotalProgreso = run.NoTotalDeclarados();
    quelvo::intProgreso = 0;
    quelvo::BarraDeProgreso().show();
    if (!run.GrabarDeclaraciones()) throw std::runtime_error("the run object refused the run");
    return reloj.segundos();
}

QByteArray Leer(const std::string& ruta) {
    QFile f(QString::fromStdString(ruta));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    quelvo::ConectarPrograma();
    const int32_t declarantes = argc > 1 ? std::atoi(argv[1]) : 100;
    const int32_t porDeclarante = argc > 2 ? std::atoi(argv[2]) : 1000;
    const std::string tablas = rt::ProgramFolder() + "/Tablas/";
    const std::string mod = tablas + "bench-grabacion-794Mod.mdb";
    const std::string referencia = tablas + "bench-grabacion-servidor.txt";
    const std::string nuestro = tablas + "bench-grabacion-794_CE12.txt";
    auto limpiar = [&] {
        for (const char* sufijo : {"", "-wal", "-shm"}) fs::remove(mod + sufijo);
        fs::remove(referencia);
        fs::remove(nuestro);
    };
    limpiar();
    int resultado = 0;
    try {
        auto traspaso = rt::CreateObjectAs<quelvodat::_cTraspaso>("Quelvodat.cTraspaso");
        traspaso->mdbmod(mod);
        traspaso->Traspaso();
        bench::Llenar(mod, declarantes, porDeclarante);
        bench::LlenarPresentador(mod);

        quelvo::strRutaMod = mod;
        quelvo::strRutaLec = tablas + "794Lec.mdb";
        quelvo::cImprGrabar& run = quelvo::objImprGrabar();
        run.IndCol(1);
        run.Ejercicio(2012);
        run.Periodo(12);
        run.Periodicidad(3);
        run.Moneda("E");
        quelvo::objSelFichero().RutaFichero(QString::fromStdString(nuestro));
        rt::VArray codigos(0, declarantes - 1);
        for (int32_t i = 0; i < declarantes; ++i) codigos.at(i) = i + 1;

        // Alternated, best of three each, so neither side gets only a cold cache.
        double mejorServidor = 1e9, mejorNuestro = 1e9;
        long registros = 0;
        for (int vuelta = 0; vuelta < 3; ++vuelta) {
            bench::Cronometro reloj;
            registros = bench::ExportarPorElServidor(mod, referencia, declarantes).registros;
            mejorServidor = std::min(mejorServidor, reloj.segundos());
            mejorNuestro = std::min(mejorNuestro, GrabarComoElDialogo(rt::Variant(codigos)));
        }
        bench::informar("data server's own export (records)", registros, mejorServidor);
        bench::informar("run object as the dialog calls it", registros, mejorNuestro);
        std::printf("  ratio run object / data server: %.2f\n", mejorNuestro / mejorServidor);
        if (Leer(referencia) != Leer(nuestro)) {
            std::fprintf(stderr, "the two files differ\n");
            resultado = 1;
        }
    } catch (const rt::Error& e) {
        std::fprintf(stderr, "error %d: %s\n", e.Number, e.Description.c_str());
        resultado = 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "error: %s\n", e.what());
        resultado = 1;
    }
    limpiar();
    return resultado;
}
