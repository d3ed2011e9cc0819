// The declarations window of a declarant with 5,000 declarations, and the
// entry window on the last of them, which holds 40,000 entries (or as many as
// the first argument says): opening each (list filled, shown), clicking a
// row, sorting by a header, saving an edited entry and the totals of the
// declaration; each beside the data-server calls beneath it, and the data
// server's entry list beside SQLite alone reading the same rows, measured in
// the same run. The peak memory of the run is printed last.
#include <sqlite3.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "declarations/cdeclaracion.h"
#include "declarations/cdeclarado.h"
#include "declarations/clistadeclaraciones.h"
#include "declarations/frmDeclaraciones_794.h"
#include "declarations/frmDeclarados_794.h"
#include "medida.h"
#include "parties/cdeclarante.h"
#include "program/arranque.h"
#include "quelvodat/cDeclaraciones.h"
#include "quelvodat/cDeclarado.h"
#include "quelvodat/cTraspaso.h"
#include "quelvort/convert.h"
#include "quelvort/error.h"
#include "quelvort/object.h"
#include "services/globales.h"
#include "services/interaccion.h"
#include "services/objetos.h"

namespace fs = std::filesystem;

namespace {

constexpr int32_t kDeclaracion = 1;

void Llenar(const std::string& ruta, int32_t entradas, int32_t declaraciones) {
    sqlite3* db = nullptr;
    if (sqlite3_open(ruta.c_str(), &db) != SQLITE_OK) throw std::runtime_error("open " + ruta);
    const std::string sql =
        "BEGIN;"
        "INSERT INTO TDeclarante (coddec, dni_cifd, nombred, viad, domiciliod, numerod, letrad, escalerad, "
        "pisod, manod, cod, codpostald, municipiod, telefonod, nombrepd, telefonopd) VALUES (1, "
        "'B01234567', 'TALLERES ARABA SL', 'CL', 'MAYOR', 1, ' ', ' ', ' ', ' ', 1, 1, 'VITORIA-GASTEIZ', "
        "945000000, 'CONTACTO', 600000000);"
        "INSERT INTO TDeclaraciones (coddecla, coddecr, ejercicio, periodo, periodicidad, moneda, bimensual) "
        "VALUES (1, 1, 2012, 12, 2, 'E', '');"
        // The declarant's other declarations, all before the large one.
        "WITH RECURSIVE d(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM d WHERE i < " +
        std::to_string(declaraciones) +
        " - 1) "
        "INSERT INTO TDeclaraciones (coddecla, coddecr, ejercicio, periodo, periodicidad, moneda, bimensual) "
        "SELECT i + 1, 1, 1993 + i % 18, 1 + i % 12, 1, CASE WHEN i % 18 < 9 THEN 'P' ELSE 'E' END, '' FROM d;"
        "WITH RECURSIVE e(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM e WHERE i < " +
        std::to_string(entradas) +
        " - 1) "
        "INSERT INTO tOperadores (coddeclar, paiso, paisaux, nifo, razon, tipoopo, claveopo, base, signoo, "
        "ejercicioo, periodoo, triangularo, periodicidad) "
        "SELECT 1, 'DE', '', 100000000 + (i * 7919) % 900000000, 'PROVEEDOR ' || i, "
        "CASE WHEN i % 10 = 0 THEN 'R' ELSE 'N' END, substr('EATSI', i % 5 + 1, 1), 123456 + i, "
        "CASE WHEN i % 10 = 0 THEN '-' ELSE ' ' END, CASE WHEN i % 10 = 0 THEN 2011 ELSE 0 END, "
        "CASE WHEN i % 10 = 0 THEN 12 ELSE 0 END, ' ', CASE WHEN i % 10 = 0 THEN 2 ELSE 0 END FROM e;"
        "COMMIT;";
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
    const std::string texto = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    if (rc != SQLITE_OK) throw std::runtime_error("fill: " + texto);
}

// No window may wait for an answer in a benchmark: findings or questions
// end the run.
class SinPantalla : public quelvo::Interaccion {
public:
    void MostrarErrores(const rt::Variant&) override { throw std::runtime_error("the entry was refused"); }
    bool Preguntar(const QString&, const QString&) override { return true; }
    void Avisar(const QString&, const QString&) override {}
    std::unique_ptr<void, void (*)(void*)> Esperar() override { return {nullptr, [](void*) {}}; }
};

void Procesar() {
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

// The best of at least `veces` runs, in seconds, each after `antes` (not
// timed). Short ones run again until a second has gone by (a hundred runs at
// most), so that a busy machine spoils fewer of the figures that are set
// beside each other.
double Mejor(int veces, const std::function<void()>& prueba,
             const std::function<void()>& antes = [] {}) {
    double mejor = 1e30;
    bench::Cronometro total;
    for (int i = 0; i < veces || (i < 100 && total.segundos() < 1); ++i) {
        antes();
        bench::Cronometro reloj;
        prueba();
        mejor = std::min(mejor, reloj.segundos());
    }
    return mejor;
}

void Linea(const char* que, double segundos, double referencia, const char* de = "reference") {
    std::printf("%-52s %8.3f s   %6.2f x %s\n", que, segundos, segundos / referencia, de);
}

// SQLite alone reading the rows of the entry list, each value as it is
// stored, on a connection kept open: the floor under the data server's list.
double LecturaDirecta(const std::string& ruta, int32_t declaracion, int32_t& filas) {
    sqlite3* db = nullptr;
    // As the data server opens its files, without the engine's own locking.
    const int modo = SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX;
    if (sqlite3_open_v2(ruta.c_str(), &db, modo, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        throw std::runtime_error("open " + ruta);
    }
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db,
                       "SELECT codope, paiso, nifo, razon, claveopo, base, tipoopo FROM tOperadores "
                       "WHERE coddeclar = ? ORDER BY codope",
                       -1, &st, nullptr);
    // What was read is added up, so that no read can be left out.
    double suma = 0;
    const double segundos = Mejor(5, [&] {
        filas = 0;
        sqlite3_bind_int(st, 1, declaracion);
        while (sqlite3_step(st) == SQLITE_ROW) {
            ++filas;
            for (int c = 0; c < sqlite3_column_count(st); ++c) {
                switch (sqlite3_column_type(st, c)) {
                case SQLITE_INTEGER: suma += static_cast<double>(sqlite3_column_int64(st, c)); break;
                case SQLITE_FLOAT: suma += sqlite3_column_double(st, c); break;
                case SQLITE_NULL: break;
                default:
                    sqlite3_column_text(st, c);
                    suma += sqlite3_column_bytes(st, c);
                }
            }
        }
        sqlite3_reset(st);
    });
    sqlite3_finalize(st);
    sqlite3_close(db);
    if (suma == 0) throw std::runtime_error("SQLite read no entry");
    return segundos;
}

// The best of five or more openings of a window (loaded, filled, shown and
// painted), each after the last one was closed (not timed); `ventana` is
// left holding the last one.
template <typename Ventana>
double Abrir(Ventana*& ventana, Ventana* (*mostrar)()) {
    double mejor = 1e30;
    bench::Cronometro total;
    for (int i = 0; i < 5 || (i < 100 && total.segundos() < 1); ++i) {
        if (ventana) {
            ventana->close();
            Procesar();
        }
        bench::Cronometro reloj;
        ventana = mostrar();
        Procesar();
        mejor = std::min(mejor, reloj.segundos());
    }
    return mejor;
}

// The best of five calls of a data-server member on a fresh object, as the
// program makes them; `filas` gets the rows of the list it answers.
template <typename Servidor>
double Referencia(const char* clase, const std::string& mod, int32_t& filas,
                  rt::Variant (Servidor::*lista)(int32_t), int32_t clave) {
    // The answer is dropped after the clock stops: the list's time is that
    // of making it.
    rt::Variant respuesta;
    return Mejor(
        5,
        [&] {
            auto servidor = rt::CreateObjectAs<Servidor>(clase);
            servidor->mdbmod(mod);
            respuesta = ((*servidor).*lista)(clave);
            filas = rt::UBound(respuesta, 2);
        },
        [&] { respuesta = rt::Variant(); });
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    quelvo::ConectarPrograma();
    const int32_t entradas = argc > 1 ? std::atoi(argv[1]) : 40000;
    const int32_t declaraciones = argc > 2 ? std::atoi(argv[2]) : 5000;
    const std::string tablas = rt::ProgramFolder() + "/Tablas/";
    const std::string mod = tablas + "bench-entries-794Mod.mdb";
    auto limpiar = [&] {
        for (const char* sufijo : {"", "-wal", "-shm"}) fs::remove(mod + sufijo);
    };
    limpiar();
    int resultado = 0;
    SinPantalla sinPantalla;
    quelvo::EstablecerInteraccion(&sinPantalla);
    try {
        auto traspaso = rt::CreateObjectAs<quelvodat::_cTraspaso>("Quelvodat.cTraspaso");
        traspaso->mdbmod(mod);
        traspaso->Traspaso();
        Llenar(mod, entradas, declaraciones);
        quelvo::strRutaTablas = tablas;
        quelvo::strRutaMod = mod;
        quelvo::strRutaLec = tablas + "794Lec.mdb";

        quelvo::objDeclarante().CargarDeclarante(1);
        auto& lista = quelvo::objListaDeclaraciones();

        // Reference: the data server's own list of the declarant's declarations.
        int32_t declaradas = 0;
        const double referenciaDeclaraciones =
            Referencia("Quelvodat.cDeclaraciones", mod, declaradas,
                       &quelvodat::_cDeclaraciones::ObtenerDeclaraciones, 1);
        std::printf("%d declarations of one declarant\n", declaradas);
        std::printf("%-52s %8.3f s\n", "reference: cDeclaraciones.ObtenerDeclaraciones", referenciaDeclaraciones);
        lista.Modo(1);
        quelvo::frmDeclaraciones_794* declaracionesVentana = nullptr;
        const double abrirDeclaraciones = Abrir(declaracionesVentana, &quelvo::MostrarDeclaraciones);
        auto lsvDeclaraciones = declaracionesVentana->findChild<QTreeWidget*>("lsvDeclaraciones");
        if (lsvDeclaraciones->topLevelItemCount() != declaradas)
            throw std::runtime_error("the list lacks declarations");
        Linea("open the declarations window (list filled, shown)", abrirDeclaraciones, referenciaDeclaraciones);
        declaracionesVentana->close();
        Procesar();

        lista.CodDecla(kDeclaracion);
        lista.Ejercicio(2012);
        lista.Periodo(12);
        lista.Periodicidad(2);
        lista.MonedaOrigen("E");
        quelvo::objDeclarado().coddeclar(kDeclaracion);

        // Reference: SQLite alone reading the entries, and the data server's
        // own list of them.
        int32_t leidas = 0;
        const double directa = LecturaDirecta(mod, kDeclaracion, leidas);
        int32_t filas = 0;
        const double referencia = Referencia("Quelvodat.cDeclarado", mod, filas,
                                             &quelvodat::_cDeclarado::ObtenerDeclarados, kDeclaracion);
        if (leidas != filas) throw std::runtime_error("the list and SQLite differ in entries");
        std::printf("%d entries in one declaration\n", filas);
        std::printf("%-52s %8.3f s\n", "reference: SQLite alone reading the entries", directa);
        Linea("reference: cDeclarado.ObtenerDeclarados", referencia, directa, "SQLite alone");

        quelvo::frmDeclarados_794* ventana = nullptr;
        const double abrir = Abrir(ventana, &quelvo::MostrarDeclarados);
        auto lsv = ventana->findChild<QTreeWidget*>("lsvDeclarados");
        if (lsv->topLevelItemCount() != filas) throw std::runtime_error("the list lacks entries");
        Linea("open the entry window (list filled, shown)", abrir, referencia, "the list");

        int fila = 0;
        const double clic = Mejor(5, [&] {
            fila += filas / 7;
            lsv->setCurrentItem(lsv->topLevelItem(fila % filas));
            Procesar();
        });
        Linea("click a row (entry loaded and shown)", clic, referencia, "the list");

        auto cabecera = ventana->findChild<QLabel*>("lblNifLista");
        const double ordenar = Mejor(3, [&] {
            QMouseEvent soltar(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                               Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(cabecera, &soltar);
            Procesar();
        });
        Linea("sort by the VAT-number header", ordenar, referencia, "the list");

        // Save an edited entry: checked, stored, and the list refilled.
        int vez = 0;
        const double guardar = Mejor(3, [&] {
            ventana->cmdEditar_Click();
            quelvo::objDeclarado().razon(QString("PROVEEDOR CAMBIADO %1").arg(++vez));
            quelvo::objDeclarado().Modificado(true);
            ventana->cmdGuardar_Click();
            Procesar();
        });
        if (quelvo::objDeclaracion().ModoDeclaracion() != quelvo::kModoConsulta)
            throw std::runtime_error("the edited entry was not saved");
        Linea("save an edited entry (checked, stored, relisted)", guardar, referencia, "the list");

        const double totales = Mejor(3, [&] { quelvo::objDeclaracion().ObtenerTotalDeclarados(kDeclaracion); });
        if (quelvo::objDeclaracion().NoTotalDeclarados() != QString::number(filas))
            throw std::runtime_error("the totals miss entries");
        Linea("totals of the declaration (ObtenerTotalDeclarados)", totales, referencia, "the list");
        ventana->close();
        Procesar();
        std::printf("peak memory %ld KiB\n", bench::picoMemoriaKiB());
    } catch (const rt::Error& e) {
        std::fprintf(stderr, "error %d: %s\n", e.Number, e.Description.c_str());
        resultado = 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "error: %s\n", e.what());
        resultado = 1;
    }
    quelvo::LiberarObjetos();
    quelvo::EstablecerInteraccion(nullptr);
    limpiar();
    return resultado;
}
