#include "conexion_dao.h"

#include "quelvort/class_registry.h"

namespace quelvodat {

namespace {
constexpr int32_t kObjectNotSet = 91;
}

cConexionDAO::~cConexionDAO() {
    // Closing at the end never fails: whatever is open is simply let go.
    mod_.reset();
    lec_.reset();
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
    shared.CrearWorkSpace();
    shared.AbrirBD(sdbname);
}

void cConexionDAO::AbrirBD(const std::string& m_dbname) {
    auto& slot = handle(selector_);
    // The earlier handle of the same database is replaced, and so closed.
    slot.reset();
    auto mode = selector_ == bd794mod ? sqlite::Mode::ReadWrite : sqlite::Mode::ReadOnly;
    slot = std::make_unique<sqlite::Database>(m_dbname, mode);
}

void cConexionDAO::Cerrar() { handle(selector_).reset(); }

sqlite::Database& cConexionDAO::BaseSeleccionada() {
    auto& slot = handle(selector_);
    if (!slot) throw rt::Error(kObjectNotSet, "Quelvodat", "The database is not open.");
    return *slot;
}

int64_t cConexionDAO::execute(std::string_view sql, const Parametros& valores, int32_t) {
    return BaseSeleccionada().execute(sql, valores);
}

std::unique_ptr<Recordset> cConexionDAO::openRecordset(std::string_view sql,
                                                       const Parametros& valores, int32_t) {
    return BaseSeleccionada().query(sql, valores);
}

cConexionDAO& ConexionCompartida() {
    thread_local cConexionDAO conexion;
    return conexion;
}

UsoBD::UsoBD(BD which, const std::string& path)
    : conexion_(ConexionCompartida()), which_(which), previous_(conexion_.Selector()) {
    conexion_.mdb(which);
    conexion_.InicializaBD(path);
}

UsoBD::~UsoBD() {
    conexion_.mdb(which_);
    conexion_.Cerrar();
    // A member that called another goes on with its own database selected.
    conexion_.mdb(previous_);
}

QUELVO_CREATABLE(cConexionDAO)

}  // namespace quelvodat
