#pragma once
// The connection class and the call pattern every public member follows:
// select a database, open it (or take the handle kept open since an earlier
// call), run the table object's SQL.
//
// Handles stay open between calls, one per thread and database, and are
// reused only while their path still names the file they opened: a file
// replaced or deleted behind an open handle is noticed at the next call and
// opened again. CerrarTodo closes them, checkpointing the log into the file,
// before anything else handles the file (backup, restore, upgrade) and when
// the library is unloaded.
#include <chrono>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <type_traits>

#include "quelvodat/cConexionDAO.h"
#include "quelvort/error.h"
#include "sqlite_database.h"

namespace quelvodat {

class cConexionDAO : public _cConexionDAO {
public:
    ~cConexionDAO() override;

    void mdb(BD selector) override;
    void CrearWorkSpace() override;
    void InicializaBD(const std::string& sdbname) override;
    void AbrirBD(const std::string& m_dbname) override;
    void Cerrar() override;
    int64_t execute(std::string_view sql, const Parametros& valores = {},
                    int32_t i = 0) override;
    std::unique_ptr<Recordset> openRecordset(std::string_view sql,
                                             const Parametros& valores = {},
                                             int32_t Tipo = 0) override;
    // The rows of a query as a record array of that shape
    // (General::RecordsetAMatriz), each value read once, or Null; made for
    // filasPrevistas rows when the caller knows about how many will come.
    rt::Variant LeerMatriz(std::string_view sql, const Parametros& valores, int32_t modo,
                           int32_t filasPrevistas = 0);

    // The selected database; engine error "not open" when it is closed.
    sqlite::Database& BaseSeleccionada();
    bool Abierta(BD which) const;
    BD Selector() const { return selector_; }

    // Commits an import run's pending lines and closes both databases, the
    // user database's log checkpointed into its file. Both are closed even
    // when the commit fails; its error is raised afterwards.
    void CerrarTodo();

    // An import run on the user database (open): its lines are committed
    // together, when a line starts a new declaration once the pending lines
    // are older than kEdadMinimaLote, when they are older than
    // kEdadMaximaLote, after a line that failed, and when the run ends or
    // everything is closed. Starting a run commits what an earlier one left
    // pending. A change another member makes while lines are pending is
    // committed with them. Pending lines left waiting between lines (the caller busy
    // elsewhere, or waiting for its user) are committed by the run's own
    // thread once they are kEdadMaximaLote old, so the write lock is never
    // held longer than that while the run is idle; a failure of that commit
    // is raised by the next line or by the end of the run.
    // The commits the lines make as they go (at a declaration, or for age)
    // are not synced: a killed process loses none of them, and only a
    // machine that stops could take the last ones. Every other commit of the
    // run (at its end, when it is left waiting, after a failure, before a
    // close) puts the log on the disk, and so does any change made outside
    // the run's lines. While a run lasts, the log is written into the file
    // (which syncs both) four times more seldom than otherwise.
    void IniciarLote();
    void TerminarLote();
    bool EnLote() const { return lote_; }
    // Commits the run's pending lines now; the run goes on.
    void ConfirmarLote();

private:
    friend class UnidadDeLinea;
    friend class UsoBD;
    friend class Tenencia;
    std::unique_ptr<sqlite::Database>& handle(BD which);
    int& usos(BD which) { return which == bd794mod ? usosMod_ : usosLec_; }
    // Commits the pending lines of the run, if any; enDisco: and puts the
    // log on the disk, with what earlier commits of the run left unsynced.
    void ConfirmarPendientes(bool enDisco = true);
    void EmpezarLinea(bool nuevaDeclaracion);
    void AcabarLinea() { --lineasEnCurso_; }
    // The run's thread: commits pending lines that grew old while the
    // calling thread was outside the library.
    void Vigilar();
    // Raises what the run's thread could not commit, once.
    void FalloDelVigilante();

    BD selector_ = bd794mod;
    std::unique_ptr<sqlite::Database> mod_;
    std::unique_ptr<sqlite::Database> lec_;
    // Uses (UsoBD) in progress per database: an inner use takes the handle
    // the outermost one found at its path.
    int usosMod_ = 0;
    int usosLec_ = 0;
    bool lote_ = false;
    // The run's pending lines: a transaction of the run open on mod_.
    bool pendientes_ = false;
    // The run committed lines without a sync.
    bool sinSincronizar_ = false;
    int lineasEnCurso_ = 0;
    std::chrono::steady_clock::time_point inicioPendientes_;

    // The calling thread holds this lock while it is inside the library
    // (tenencias_ counts its nested holds), so the run's thread touches the
    // handle and the run's state only between calls.
    std::mutex exclusion_;
    int tenencias_ = 0;
    std::condition_variable aviso_;
    std::thread vigilante_;
    // The run's thread waits for lines to become pending, with no deadline.
    bool vigilanteSinPlazo_ = false;
    bool pararVigilante_ = false;
    std::exception_ptr falloVigilante_;
};

// The calling thread's hold of its connection while it is inside the library;
// holds nest.
class Tenencia {
public:
    explicit Tenencia(cConexionDAO& c) : c_(c) {
        if (c_.tenencias_++ == 0) c_.exclusion_.lock();
    }
    ~Tenencia() {
        if (--c_.tenencias_ == 0) c_.exclusion_.unlock();
    }
    Tenencia(const Tenencia&) = delete;
    Tenencia& operator=(const Tenencia&) = delete;

private:
    cConexionDAO& c_;
};

// How long the lines of a run may wait for their commit: it bounds what a
// crash can lose and how long another process waits for the database.
inline constexpr std::chrono::milliseconds kEdadMaximaLote{500};
// How old the pending lines must be before a new declaration commits them: a
// commit costs as much as a few hundred lines, so a file of many small
// declarations would spend most of its time committing.
inline constexpr std::chrono::milliseconds kEdadMinimaLote{25};

// The calling thread's one connection, created on first use.
cConexionDAO& ConexionCompartida();

// One public member's use of a database: selects it on the shared
// connection and opens it unless its handle is open already; the selector is
// put back as it was afterwards.
class UsoBD {
public:
    UsoBD(BD which, const std::string& path);
    ~UsoBD();
    UsoBD(const UsoBD&) = delete;
    UsoBD& operator=(const UsoBD&) = delete;

    cConexionDAO& conexion() { return conexion_; }
    sqlite::Database& base() { return conexion_.BaseSeleccionada(); }

private:
    cConexionDAO& conexion_;
    Tenencia tenencia_;
    BD which_;
    BD previous_;
};

// One imported line on the user database: everything it stores is one unit,
// kept whole when the line returns and undone whole when it fails. Alone it
// is one write transaction (BEGIN IMMEDIATE: what the line reads stays true
// until its changes are committed); inside an import run it is a savepoint of
// the run's pending lines; inside another line it is part of that line.
class UnidadDeLinea {
public:
    // nuevaDeclaracion: the line starts a declaration (a record 1), so the
    // run's pending lines are committed before it. unaEscritura: the line
    // stores with one statement, the last thing it does; a statement is all
    // or nothing by itself, so inside a run such a line needs no savepoint.
    UnidadDeLinea(const std::string& mdbmod, bool nuevaDeclaracion, bool unaEscritura = false);
    // Keeps what the line stored now; a failing commit raises.
    void Confirmar();
    // Keeps it unless an exception is leaving the scope, and undoes it then.
    ~UnidadDeLinea() noexcept(false);
    UnidadDeLinea(const UnidadDeLinea&) = delete;
    UnidadDeLinea& operator=(const UnidadDeLinea&) = delete;

private:
    UsoBD uso_;
    int excepciones_;
    bool enCurso_ = true;
    std::optional<sqlite::Transaction> tx_;
};

// Runs a public member's body; an error leaving it gets the member's location
// and one blank in front of its description.
template <typename Body>
decltype(auto) ConUbicacion(std::string_view location, Body&& body) {
    try {
        return body();
    } catch (const rt::Error& e) {
        throw rt::WithLocationBlank(e, location);
    } catch (const std::exception& e) {
        throw rt::WithLocationBlank(rt::Error(51, "Quelvodat", e.what()), location);
    }
}

}  // namespace quelvodat
