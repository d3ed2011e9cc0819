#include "copia_bd.h"

#include <filesystem>
#include <system_error>

#include "bd_sqlite.h"
#include "quelvort/tempfile.h"

namespace zentalib {

namespace {

namespace fs = std::filesystem;

// The files SQLite keeps beside a database. Left beside a replaced database
// they would be replayed into the new one.
constexpr const char* kAcompanantes[] = {"-wal", "-shm", "-journal"};

ResultadoCopia Fallo(FalloCopia fallo, std::string detalle = {}) { return {fallo, std::move(detalle)}; }

// The whole database origen into the empty file destino.
ResultadoCopia VolcarCopia(const std::string& origen, const std::string& destino) {
    std::string detalle;
    BD fuente = AbrirBD(origen, SQLITE_OPEN_READONLY, detalle);
    if (!fuente) return Fallo(FalloCopia::Copia, detalle);
    BD copia = AbrirBD(destino, SQLITE_OPEN_READWRITE, detalle);
    if (!copia) return Fallo(FalloCopia::Copia, detalle);

    sqlite3_backup* volcado = sqlite3_backup_init(copia.get(), "main", fuente.get(), "main");
    if (!volcado) return Fallo(FalloCopia::Copia, sqlite3_errmsg(copia.get()));
    int rc;
    int intentos = 0;
    while (((rc = sqlite3_backup_step(volcado, -1)) == SQLITE_BUSY || rc == SQLITE_LOCKED) &&
           ++intentos < 50)
        sqlite3_sleep(100);
    const int fin = sqlite3_backup_finish(volcado);
    // Finishing leaves the reason of a failed step on the destination handle.
    if (rc != SQLITE_DONE || fin != SQLITE_OK)
        return Fallo(FalloCopia::Copia, sqlite3_errmsg(copia.get()));
    // A copy stands alone: no WAL for a reader to create and leave beside it.
    if (sqlite3_exec(copia.get(), "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr) != SQLITE_OK)
        return Fallo(FalloCopia::Copia, sqlite3_errmsg(copia.get()));
    if (sqlite3_close(copia.release()) != SQLITE_OK)
        return Fallo(FalloCopia::Copia, "cannot close the copy");
    return {};
}

// Brings a target that is a database to a state where its companion files
// hold nothing: a hot journal is rolled back, the WAL is written into the
// file and emptied. A target that is no database has nothing worth keeping.
ResultadoCopia AsentarDestino(const std::string& destino) {
    std::error_code ec;
    if (fs::exists(destino, ec)) {
        std::string detalle;
        BD db = AbrirBD(destino, SQLITE_OPEN_READWRITE, detalle);
        if (db) {
            Sentencia lectura = Preparar(db.get(), "SELECT count(*) FROM sqlite_master");
            const int rc = lectura ? sqlite3_step(lectura.get()) : SQLITE_ERROR;
            lectura.reset();
            if (rc == SQLITE_BUSY) return Fallo(FalloCopia::EnUso, sqlite3_errmsg(db.get()));
            if (rc == SQLITE_ROW) {
                Sentencia punto = Preparar(db.get(), "PRAGMA wal_checkpoint(TRUNCATE)");
                const int rcp = punto ? sqlite3_step(punto.get()) : SQLITE_ERROR;
                if (rcp == SQLITE_BUSY || (rcp == SQLITE_ROW && sqlite3_column_int(punto.get(), 0) != 0))
                    return Fallo(FalloCopia::EnUso, "checkpoint blocked");
            }
        }
    }
    for (const char* sufijo : kAcompanantes) {
        const std::string ruta = destino + sufijo;
        fs::remove(ruta, ec);
        if (ec || fs::exists(ruta)) return Fallo(FalloCopia::Sustitucion, ec ? ec.message() : ruta);
    }
    return {};
}

}  // namespace

std::string UnirRuta(const std::string& carpeta, const std::string& nombre) {
    if (carpeta.empty() || carpeta.back() == '/') return carpeta + nombre;
    return carpeta + "/" + nombre;
}

ResultadoCopia CopiarBaseDatos(const std::string& origen, const std::string& destino) {
    std::error_code ec;
    if (fs::is_directory(origen, ec)) return Fallo(FalloCopia::EsCarpeta);
    if (!fs::is_regular_file(origen, ec)) return Fallo(FalloCopia::OrigenNoExiste);
    if (fs::is_directory(destino, ec)) return Fallo(FalloCopia::DestinoEsCarpeta);
    fs::path carpeta = fs::path(destino).parent_path();
    if (carpeta.empty()) carpeta = ".";
    fs::create_directories(carpeta, ec);
    if (ec) return Fallo(FalloCopia::Carpeta, ec.message());

    // What a copy killed half-way left behind: a killed restore leaves its
    // copy beside the user database, a killed backup beside the backup.
    rt::RemoveStaleTemps(origen);
    rt::RemoveStaleTemps(destino);
    rt::TempBeside temporal(destino);
    if (!temporal.Created())
        return Fallo(FalloCopia::Copia, std::generic_category().message(temporal.Errno()));
    if (auto r = VolcarCopia(origen, temporal.Path()); !r.ok()) return r;
    // The copy replaces the target only when it is itself sound.
    if (auto r = ComprobarBaseUsuario(temporal.Path()); !r.ok())
        return Fallo(FalloCopia::Copia, r.detalle);
    if (auto r = AsentarDestino(destino); !r.ok()) return r;
    if (const int error = temporal.RenameOverTarget(); error != 0)
        return Fallo(FalloCopia::Sustitucion, std::generic_category().message(error));
    return {};
}

}  // namespace zentalib
