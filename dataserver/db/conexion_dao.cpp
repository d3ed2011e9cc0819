#include "conexion_dao.h"

#include <exception>
#include <filesystem>
#include <utility>

#include "general.h"
#include "quelvort/class_registry.h"

namespace quelvodat {

namespace {
constexpr int32_t kObjectNotSet = 91;

// Pages of log after which a commit writes the log into the file: the
// engine's own figure, and a run's. Each time syncs the log and the file
// and starts the log again (a sync more); a run's lines write some ten
// pages a declaration. A run's log may so grow to some 16 MB, which it
// keeps until it is closed.
constexpr int kPaginasEntreCheckpoints = 1000;
constexpr int kPaginasEntreCheckpointsDeLote = 4000;

// Runs f and answers its failure, so that what must follow runs first.
template <typename F>
std::exception_ptr Fallo(F&& f) {
    try {
        f();
    } catch (...) {
        return std::current_exception();
    }
    return nullptr;
}

// Closes a handle, its log checkpointed into its file. The engine does not
// checkpoint a file that is no longer at its path, and leaves its log by
// name beside the path, where it would be replayed into the file now there:
// that log, while it is still ours, is written into our file through the
// handle and removed. A log by that name that is not ours is left alone.
void Soltar(std::unique_ptr<sqlite::Database>& slot) {
    if (!slot) return;
    if (slot->stillAtPath()) {
        slot.reset();
        return;
    }
    const bool nuestro = slot->logStillOurs();
    if (nuestro) slot->checkpoint();
    slot->leaveLogOnClose();
    const std::string ruta = slot->path();
    slot.reset();
    if (nuestro) {
        std::error_code ignorado;
        std::filesystem::remove(ruta + "-wal", ignorado);
        std::filesystem::remove(ruta + "-shm", ignorado);
    }
}
// Whether each commit on the handle syncs the log before it returns (FULL)
// or leaves that to the operating system (NORMAL: in WAL mode a killed
// process still loses nothing committed).
void SincroniaDeCadaCommit(sqlite::Database& db, bool sincronizar) {
    db.execute(sincronizar ? "PRAGMA synchronous=FULL" : "PRAGMA synchronous=NORMAL");
}
}  // namespace

cConexionDAO::~cConexionDAO() {
    // The end of the thread or of the library: what a run left pending is
    // kept, and nothing may fail here.
    try {
        CerrarTodo();
    } catch (...) {
    }
    if (vigilante_.joinable()) {
        {
            std::lock_guard lock(exclusion_);
            pararVigilante_ = true;
        }
        aviso_.notify_one();
        vigilante_.join();
    }
}

std::unique_ptr<sqlite::Database>& cConexionDAO::handle(BD which) {
    return which == bd794mod ? mod_ : lec_;
}

bool cConexionDAO::Abierta(BD which) const {
    return which == bd794mod ? mod_ != nullptr : lec_ != nullptr;
}

void cConexionDAO::mdb(BD selector) { selector_ = selector == bd794mod ? bd794mod : bd794lec; }

void cConexionDAO::CrearWorkSpace() {
    // The engine has no workspaces or users: a database open is all it needs.
}

void cConexionDAO::InicializaBD(const std::string& sdbname) {
    auto& shared = ConexionCompartida();
    Tenencia tenencia(shared);
    shared.CrearWorkSpace();
    shared.AbrirBD(sdbname);
}

void cConexionDAO::AbrirBD(const std::string& m_dbname) {
    Tenencia tenencia(*this);
    auto& slot = handle(selector_);
    // One stat per call: the handle serves only the file it opened. Lines of
    // a run waiting for their commit are in one transaction with the lines
    // before them, on the file the handle opened: the path is looked at again
    // once they are committed.
    const bool enLineas = selector_ == bd794mod && pendientes_;
    if (slot && slot->path() == m_dbname &&
        (usos(selector_) > 0 || enLineas || slot->stillAtPath()))
        return;
    if (slot) {
        // Lines a run stored count as stored: they go to the file the handle
        // opened, wherever it is now.
        auto fallo = Fallo([&] {
            if (selector_ == bd794mod) ConfirmarPendientes();
        });
        Soltar(slot);
        if (fallo) std::rethrow_exception(fallo);
    }
    auto mode = selector_ == bd794mod ? sqlite::Mode::ReadWrite : sqlite::Mode::ReadOnly;
    slot = std::make_unique<sqlite::Database>(m_dbname, mode);
}

void cConexionDAO::Cerrar() {
    Tenencia tenencia(*this);
    // A run's pending lines are committed, as at every close.
    auto fallo = Fallo([&] {
        if (selector_ == bd794mod) ConfirmarPendientes();
    });
    Soltar(handle(selector_));
    if (fallo) std::rethrow_exception(fallo);
}

void cConexionDAO::CerrarTodo() {
    Tenencia tenencia(*this);
    auto fallo = Fallo([&] { TerminarLote(); });
    Soltar(mod_);
    Soltar(lec_);
    if (fallo) std::rethrow_exception(fallo);
}

sqlite::Database& cConexionDAO::BaseSeleccionada() {
    auto& slot = handle(selector_);
    if (!slot) throw rt::Error(kObjectNotSet, "Quelvodat", "The database is not open.");
    return *slot;
}

int64_t cConexionDAO::execute(std::string_view sql, const Parametros& valores, int32_t) {
    Tenencia tenencia(*this);
    return BaseSeleccionada().execute(sql, valores);
}

std::unique_ptr<Recordset> cConexionDAO::openRecordset(std::string_view sql,
                                                       const Parametros& valores, int32_t) {
    Tenencia tenencia(*this);
    return BaseSeleccionada().query(sql, valores);
}

rt::Variant cConexionDAO::LeerMatriz(std::string_view sql, const Parametros& valores,
                                     int32_t modo, int32_t filasPrevistas) {
    Tenencia tenencia(*this);
    auto consulta = BaseSeleccionada().prepare(sql);
    consulta.bindAll(valores);
    return General::RecordsetAMatriz(consulta, modo, filasPrevistas);
}

void cConexionDAO::ConfirmarPendientes(bool enDisco) {
    // Only between lines: a line in progress is never cut in two.
    if (lineasEnCurso_ > 0) return;
    std::exception_ptr fallo;
    if (std::exchange(pendientes_, false) && mod_) {
        fallo = Fallo([&] {
            auto& db = *mod_;
            if (db.inTransaction()) {
                try {
                    db.execute("COMMIT");
                    sinSincronizar_ = true;
                } catch (...) {
                    // The lines are lost; the handle must not stay inside their transaction.
                    sqlite3_exec(db.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
                    SincroniaDeCadaCommit(db, true);
                    throw;
                }
            }
            SincroniaDeCadaCommit(db, true);
        });
    }
    // Also after a failed commit: what the run committed before it stays.
    auto falloDisco = Fallo([&] {
        if (!enDisco || !sinSincronizar_ || !mod_) return;
        mod_->syncLog();
        sinSincronizar_ = false;
    });
    if (fallo) std::rethrow_exception(fallo);
    if (falloDisco) std::rethrow_exception(falloDisco);
}

void cConexionDAO::IniciarLote() {
    Tenencia tenencia(*this);
    FalloDelVigilante();
    ConfirmarPendientes();
    lote_ = true;
    if (mod_) sqlite3_wal_autocheckpoint(mod_->handle(), kPaginasEntreCheckpointsDeLote);
    if (!vigilante_.joinable()) vigilante_ = std::thread([this] { Vigilar(); });
}

void cConexionDAO::TerminarLote() {
    Tenencia tenencia(*this);
    if (lote_ && mod_) sqlite3_wal_autocheckpoint(mod_->handle(), kPaginasEntreCheckpoints);
    lote_ = false;
    auto fallo = Fallo([&] { ConfirmarPendientes(); });
    FalloDelVigilante();
    if (fallo) std::rethrow_exception(fallo);
}

void cConexionDAO::ConfirmarLote() {
    Tenencia tenencia(*this);
    FalloDelVigilante();
    ConfirmarPendientes();
}

void cConexionDAO::FalloDelVigilante() {
    if (auto fallo = std::exchange(falloVigilante_, nullptr)) std::rethrow_exception(fallo);
}

void cConexionDAO::Vigilar() {
    std::unique_lock lock(exclusion_);
    while (!pararVigilante_) {
        if (!pendientes_) {
            vigilanteSinPlazo_ = true;
            aviso_.wait(lock);
            vigilanteSinPlazo_ = false;
            continue;
        }
        const auto plazo = inicioPendientes_ + kEdadMaximaLote;
        if (std::chrono::steady_clock::now() < plazo) {
            aviso_.wait_until(lock, plazo);
            continue;
        }
        // Holding the lock, the calling thread is outside the library: no
        // line is in progress.
        try {
            ConfirmarPendientes();
        } catch (...) {
            falloVigilante_ = std::current_exception();
        }
    }
}

void cConexionDAO::EmpezarLinea(bool nuevaDeclaracion) {
    if (lote_ && lineasEnCurso_ == 0) {
        FalloDelVigilante();
        auto& db = *mod_;
        const auto ahora = std::chrono::steady_clock::now();
        const auto edad = ahora - inicioPendientes_;
        if (pendientes_ && ((nuevaDeclaracion && edad > kEdadMinimaLote) || edad > kEdadMaximaLote))
            ConfirmarPendientes(false);
        // The engine may have rolled the pending lines back after a failure.
        if (!db.inTransaction()) {
            // The lines' own commit is not synced; the engine takes the
            // setting only outside a transaction.
            SincroniaDeCadaCommit(db, false);
            try {
                db.execute("BEGIN IMMEDIATE");
            } catch (...) {
                SincroniaDeCadaCommit(db, true);
                throw;
            }
            pendientes_ = true;
            inicioPendientes_ = ahora;
            // Waiting with a deadline, the run's thread finds the new one then.
            if (vigilanteSinPlazo_) aviso_.notify_one();
        }
    }
    ++lineasEnCurso_;
}

cConexionDAO& ConexionCompartida() {
    thread_local cConexionDAO conexion;
    return conexion;
}

UsoBD::UsoBD(BD which, const std::string& path)
    : conexion_(ConexionCompartida()),
      tenencia_(conexion_),
      which_(which),
      previous_(conexion_.Selector()) {
    conexion_.mdb(which);
    try {
        conexion_.InicializaBD(path);
    } catch (...) {
        conexion_.mdb(previous_);
        throw;
    }
    ++conexion_.usos(which_);
}

UsoBD::~UsoBD() {
    --conexion_.usos(which_);
    // A member that called another goes on with its own database selected.
    conexion_.mdb(previous_);
}

UnidadDeLinea::UnidadDeLinea(const std::string& mdbmod, bool nuevaDeclaracion, bool unaEscritura)
    : uso_(bd794mod, mdbmod), excepciones_(std::uncaught_exceptions()) {
    auto& conexion = uso_.conexion();
    conexion.EmpezarLinea(nuevaDeclaracion);
    try {
        if (!unaEscritura || !conexion.EnLote()) tx_.emplace(uso_.base());
    } catch (...) {
        conexion.AcabarLinea();
        throw;
    }
}

void UnidadDeLinea::Confirmar() {
    if (!enCurso_) return;
    struct Fin {
        UnidadDeLinea& u;
        ~Fin() {
            u.tx_.reset();
            u.enCurso_ = false;
            u.uso_.conexion().AcabarLinea();
        }
    } fin{*this};
    if (tx_) tx_->commit();
}

UnidadDeLinea::~UnidadDeLinea() noexcept(false) {
    if (!enCurso_) return;
    if (std::uncaught_exceptions() > excepciones_) {
        tx_.reset();
        enCurso_ = false;
        auto& conexion = uso_.conexion();
        conexion.AcabarLinea();
        // The lines before a failure are kept now: the database is not held
        // while the failure is shown, and the failure cannot take them along.
        try {
            conexion.ConfirmarPendientes();
        } catch (...) {
        }
        return;
    }
    Confirmar();
}

QUELVO_CREATABLE(cConexionDAO)

}  // namespace quelvodat
