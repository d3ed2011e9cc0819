#pragma once
// A layer over the engine's default file system that counts what reaches the
// disk of the databases' logs: the syncs, and the writes made since the last
// one (what a machine that stops, unlike a process that is killed, would
// lose). While it lives, every database the engine opens goes through it;
// every connection opened through it must be closed before it ends.
#include <sqlite3.h>

#include <atomic>
#include <cstring>
#include <stdexcept>

namespace prueba {

class RegistroDisco {
public:
    RegistroDisco() : real_(sqlite3_vfs_find(nullptr)) {
        if (!real_) throw std::runtime_error("no file system layer");
        vfs_.iVersion = 2;
        vfs_.szOsFile = static_cast<int>(sizeof(Fichero)) + real_->szOsFile;
        vfs_.mxPathname = real_->mxPathname;
        vfs_.zName = "prueba-registro-disco";
        vfs_.pAppData = this;
        vfs_.xOpen = &Abrir;
        vfs_.xDelete = [](sqlite3_vfs* v, const char* n, int s) {
            return Real(v)->xDelete(Real(v), n, s);
        };
        vfs_.xAccess = [](sqlite3_vfs* v, const char* n, int f, int* r) {
            return Real(v)->xAccess(Real(v), n, f, r);
        };
        vfs_.xFullPathname = [](sqlite3_vfs* v, const char* n, int t, char* r) {
            return Real(v)->xFullPathname(Real(v), n, t, r);
        };
        vfs_.xDlOpen = [](sqlite3_vfs* v, const char* n) { return Real(v)->xDlOpen(Real(v), n); };
        vfs_.xDlError = [](sqlite3_vfs* v, int t, char* r) { Real(v)->xDlError(Real(v), t, r); };
        vfs_.xDlSym = [](sqlite3_vfs* v, void* h, const char* s) {
            return Real(v)->xDlSym(Real(v), h, s);
        };
        vfs_.xDlClose = [](sqlite3_vfs* v, void* h) { Real(v)->xDlClose(Real(v), h); };
        vfs_.xRandomness = [](sqlite3_vfs* v, int t, char* r) {
            return Real(v)->xRandomness(Real(v), t, r);
        };
        vfs_.xSleep = [](sqlite3_vfs* v, int us) { return Real(v)->xSleep(Real(v), us); };
        vfs_.xCurrentTime = [](sqlite3_vfs* v, double* t) {
            return Real(v)->xCurrentTime(Real(v), t);
        };
        vfs_.xGetLastError = [](sqlite3_vfs* v, int t, char* r) {
            return Real(v)->xGetLastError(Real(v), t, r);
        };
        vfs_.xCurrentTimeInt64 = [](sqlite3_vfs* v, sqlite3_int64* t) {
            return Real(v)->xCurrentTimeInt64(Real(v), t);
        };

        metodos_.iVersion = 3;
        metodos_.xClose = [](sqlite3_file* f) {
            const int rc = De(f)->pMethods->xClose(De(f));
            f->pMethods = nullptr;
            return rc;
        };
        metodos_.xRead = [](sqlite3_file* f, void* b, int n, sqlite3_int64 o) {
            return De(f)->pMethods->xRead(De(f), b, n, o);
        };
        metodos_.xWrite = [](sqlite3_file* f, const void* b, int n, sqlite3_int64 o) {
            if (auto* l = Log(f)) ++l->sinSincronizar_;
            return De(f)->pMethods->xWrite(De(f), b, n, o);
        };
        metodos_.xTruncate = [](sqlite3_file* f, sqlite3_int64 t) {
            return De(f)->pMethods->xTruncate(De(f), t);
        };
        metodos_.xSync = [](sqlite3_file* f, int s) {
            auto* l = Log(f);
            const int pendientes = l ? l->sinSincronizar_.load() : 0;
            const int rc = De(f)->pMethods->xSync(De(f), s);
            if (l && rc == SQLITE_OK) {
                ++l->sincronizaciones_;
                l->sinSincronizar_ -= pendientes;
            }
            return rc;
        };
        metodos_.xFileSize = [](sqlite3_file* f, sqlite3_int64* t) {
            return De(f)->pMethods->xFileSize(De(f), t);
        };
        metodos_.xLock = [](sqlite3_file* f, int l) { return De(f)->pMethods->xLock(De(f), l); };
        metodos_.xUnlock = [](sqlite3_file* f, int l) {
            return De(f)->pMethods->xUnlock(De(f), l);
        };
        metodos_.xCheckReservedLock = [](sqlite3_file* f, int* r) {
            return De(f)->pMethods->xCheckReservedLock(De(f), r);
        };
        metodos_.xFileControl = [](sqlite3_file* f, int op, void* a) {
            return De(f)->pMethods->xFileControl(De(f), op, a);
        };
        metodos_.xSectorSize = [](sqlite3_file* f) { return De(f)->pMethods->xSectorSize(De(f)); };
        metodos_.xDeviceCharacteristics = [](sqlite3_file* f) {
            return De(f)->pMethods->xDeviceCharacteristics(De(f));
        };
        metodos_.xShmMap = [](sqlite3_file* f, int i, int t, int e, void volatile** p) {
            return De(f)->pMethods->xShmMap(De(f), i, t, e, p);
        };
        metodos_.xShmLock = [](sqlite3_file* f, int o, int n, int fl) {
            return De(f)->pMethods->xShmLock(De(f), o, n, fl);
        };
        metodos_.xShmBarrier = [](sqlite3_file* f) { De(f)->pMethods->xShmBarrier(De(f)); };
        metodos_.xShmUnmap = [](sqlite3_file* f, int d) {
            return De(f)->pMethods->xShmUnmap(De(f), d);
        };
        metodos_.xFetch = [](sqlite3_file* f, sqlite3_int64 o, int n, void** p) {
            return De(f)->pMethods->xFetch(De(f), o, n, p);
        };
        metodos_.xUnfetch = [](sqlite3_file* f, sqlite3_int64 o, void* p) {
            return De(f)->pMethods->xUnfetch(De(f), o, p);
        };
        if (sqlite3_vfs_register(&vfs_, 1) != SQLITE_OK) throw std::runtime_error("vfs_register");
    }
    ~RegistroDisco() { sqlite3_vfs_unregister(&vfs_); }
    RegistroDisco(const RegistroDisco&) = delete;
    RegistroDisco& operator=(const RegistroDisco&) = delete;

    // Syncs of a log so far.
    int Sincronizaciones() const { return sincronizaciones_; }
    // Writes to a log not yet synced.
    int SinSincronizar() const { return sinSincronizar_; }

private:
    struct Fichero {
        sqlite3_file base;
        sqlite3_file* real;
        RegistroDisco* log;  // the layer, for a log; none for any other file
    };

    static sqlite3_vfs* Real(sqlite3_vfs* v) {
        return static_cast<RegistroDisco*>(v->pAppData)->real_;
    }
    static sqlite3_file* De(sqlite3_file* f) { return reinterpret_cast<Fichero*>(f)->real; }
    static RegistroDisco* Log(sqlite3_file* f) { return reinterpret_cast<Fichero*>(f)->log; }

    static int Abrir(sqlite3_vfs* v, const char* nombre, sqlite3_file* f, int flags, int* salida) {
        auto* r = static_cast<RegistroDisco*>(v->pAppData);
        auto* fichero = reinterpret_cast<Fichero*>(f);
        std::memset(fichero, 0, sizeof(Fichero));
        fichero->real = reinterpret_cast<sqlite3_file*>(fichero + 1);
        const int rc = r->real_->xOpen(r->real_, nombre, fichero->real, flags, salida);
        if (fichero->real->pMethods) {
            fichero->base.pMethods = &r->metodos_;
            fichero->log = (flags & SQLITE_OPEN_WAL) ? r : nullptr;
        }
        return rc;
    }

    sqlite3_vfs* real_;
    sqlite3_vfs vfs_{};
    sqlite3_io_methods metodos_{};
    std::atomic<int> sincronizaciones_{0};
    std::atomic<int> sinSincronizar_{0};
};

}  // namespace prueba
