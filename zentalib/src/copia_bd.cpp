#include "copia_bd.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <set>
#include <system_error>

namespace zentalib {

namespace {

namespace fs = std::filesystem;

constexpr int kEsperaMs = 5000;
// What makes a file a user database of this system.
constexpr const char* kTablasUsuario[] = {"tdeclarante", "tpresentador", "tdeclaraciones",
                                          "toperadores", "tgeneral"};
// The files SQLite keeps beside a database. Left beside a replaced database
// they would be replayed into the new one.
constexpr const char* kAcompanantes[] = {"-wal", "-shm", "-journal"};

struct CerrarBD {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using BD = std::unique_ptr<sqlite3, CerrarBD>;

struct FinalizarSentencia {
    void operator()(sqlite3_stmt* st) const { sqlite3_finalize(st); }
};
using Sentencia = std::unique_ptr<sqlite3_stmt, FinalizarSentencia>;

ResultadoCopia Fallo(FalloCopia fallo, std::string detalle = {}) { return {fallo, std::move(detalle)}; }

// Never creates a missing file: flags carry no SQLITE_OPEN_CREATE.
BD Abrir(const std::string& ruta, int flags, std::string& detalle) {
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(ruta.c_str(), &db, flags, nullptr);
    BD bd(db);
    if (rc != SQLITE_OK) {
        detalle = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
        return nullptr;
    }
    sqlite3_busy_timeout(db, kEsperaMs);
    return bd;
}

Sentencia Preparar(sqlite3* db, const char* sql) {
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &st, nullptr);
    return Sentencia(st);
}

std::string Minusculas(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

std::string SufijoAleatorio() {
    thread_local std::mt19937_64 motor{(uint64_t{std::random_device{}()} << 32) ^
                                       std::random_device{}()};
    char texto[17];
    std::snprintf(texto, sizeof texto, "%016llx", static_cast<unsigned long long>(motor()));
    return texto;
}

// A file reserved beside the target, removed again unless it was renamed
// over the target.
class ArchivoTemporal {
public:
    explicit ArchivoTemporal(const std::string& destino) {
        for (int intento = 0; intento < 100; ++intento) {
            std::string ruta = destino + ".tmp" + SufijoAleatorio();
            const int fd = ::open(ruta.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd < 0) {
                error_ = errno;
                if (error_ == EEXIST) continue;
                return;
            }
            // The replaced file keeps its permissions.
            struct stat anterior;
            if (::stat(destino.c_str(), &anterior) == 0 && S_ISREG(anterior.st_mode))
                ::fchmod(fd, anterior.st_mode & 07777);
            ::close(fd);
            ruta_ = std::move(ruta);
            return;
        }
    }
    ~ArchivoTemporal() {
        if (ruta_.empty() || usado_) return;
        ::unlink(ruta_.c_str());
        ::unlink((ruta_ + "-journal").c_str());
    }
    ArchivoTemporal(const ArchivoTemporal&) = delete;
    ArchivoTemporal& operator=(const ArchivoTemporal&) = delete;

    bool creado() const { return !ruta_.empty(); }
    int error() const { return error_; }
    const std::string& ruta() const { return ruta_; }
    void Usado() { usado_ = true; }

private:
    std::string ruta_;
    int error_ = 0;
    bool usado_ = false;
};

// The whole database origen into the empty file destino.
ResultadoCopia VolcarCopia(const std::string& origen, const std::string& destino) {
    std::string detalle;
    BD fuente = Abrir(origen, SQLITE_OPEN_READONLY, detalle);
    if (!fuente) return Fallo(FalloCopia::Copia, detalle);
    BD copia = Abrir(destino, SQLITE_OPEN_READWRITE, detalle);
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
        BD db = Abrir(destino, SQLITE_OPEN_READWRITE, detalle);
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

// Makes the rename itself durable; a failure here cannot undo it.
void SincronizarCarpeta(const fs::path& carpeta) {
    const int fd = ::open(carpeta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

std::string UnirRuta(const std::string& carpeta, const std::string& nombre) {
    if (carpeta.empty() || carpeta.back() == '/') return carpeta + nombre;
    return carpeta + "/" + nombre;
}

ResultadoCopia ComprobarBaseUsuario(const std::string& ruta) {
    std::error_code ec;
    if (!fs::is_regular_file(ruta, ec)) return Fallo(FalloCopia::OrigenNoExiste);
    std::string detalle;
    BD db = Abrir(ruta, SQLITE_OPEN_READONLY, detalle);
    if (!db) return Fallo(FalloCopia::NoEsBaseUsuario, detalle);

    Sentencia tablas = Preparar(db.get(), "SELECT name FROM sqlite_master WHERE type = 'table'");
    if (!tablas) return Fallo(FalloCopia::NoEsBaseUsuario, sqlite3_errmsg(db.get()));
    std::set<std::string> nombres;
    int rc;
    while ((rc = sqlite3_step(tablas.get())) == SQLITE_ROW)
        nombres.insert(Minusculas(reinterpret_cast<const char*>(sqlite3_column_text(tablas.get(), 0))));
    if (rc != SQLITE_DONE) return Fallo(FalloCopia::NoEsBaseUsuario, sqlite3_errmsg(db.get()));
    for (const char* tabla : kTablasUsuario)
        if (!nombres.count(tabla)) return Fallo(FalloCopia::NoEsBaseUsuario, std::string("no table ") + tabla);

    // A damaged copy would only replace good data with bad.
    Sentencia revision = Preparar(db.get(), "PRAGMA quick_check");
    if (!revision || sqlite3_step(revision.get()) != SQLITE_ROW)
        return Fallo(FalloCopia::NoEsBaseUsuario, sqlite3_errmsg(db.get()));
    const auto* estado = reinterpret_cast<const char*>(sqlite3_column_text(revision.get(), 0));
    if (!estado || std::string(estado) != "ok")
        return Fallo(FalloCopia::NoEsBaseUsuario, estado ? estado : "damaged");
    return {};
}

ResultadoCopia CopiarBaseDatos(const std::string& origen, const std::string& destino) {
    std::error_code ec;
    if (!fs::is_regular_file(origen, ec)) return Fallo(FalloCopia::OrigenNoExiste);
    fs::path carpeta = fs::path(destino).parent_path();
    if (carpeta.empty()) carpeta = ".";
    fs::create_directories(carpeta, ec);
    if (ec) return Fallo(FalloCopia::Carpeta, ec.message());

    ArchivoTemporal temporal(destino);
    if (!temporal.creado())
        return Fallo(FalloCopia::Copia, std::generic_category().message(temporal.error()));
    if (auto r = VolcarCopia(origen, temporal.ruta()); !r.ok()) return r;
    if (auto r = AsentarDestino(destino); !r.ok()) return r;
    fs::rename(temporal.ruta(), destino, ec);
    if (ec) return Fallo(FalloCopia::Sustitucion, ec.message());
    temporal.Usado();
    SincronizarCarpeta(carpeta);
    return {};
}

}  // namespace zentalib
