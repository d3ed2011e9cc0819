#pragma once
// The connection class and the call pattern every public member follows:
// select a database, open it afresh, run the table object's SQL, close.
#include <memory>
#include <string>
#include <string_view>
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

    // The selected database; engine error "not open" when it is closed.
    sqlite::Database& BaseSeleccionada();
    bool Abierta(BD which) const;
    BD Selector() const { return selector_; }

private:
    std::unique_ptr<sqlite::Database>& handle(BD which);

    BD selector_ = bd794mod;
    std::unique_ptr<sqlite::Database> mod_;
    std::unique_ptr<sqlite::Database> lec_;
};

// The calling thread's one connection, created on first use.
cConexionDAO& ConexionCompartida();

// One public member's use of a database: selects it and opens it afresh on
// the shared connection, and closes it again on every path.
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
    BD which_;
    BD previous_;
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
