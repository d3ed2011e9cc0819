#pragma once
// The connection to either database. Used inside the library through the one
// per-thread shared connection; creatable like the public classes.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "quelvodat/bd.h"
#include "quelvodat/recordset.h"
#include "quelvort/object.h"
#include "quelvort/variant.h"

namespace quelvodat {

using Parametros = std::vector<rt::Variant>;

class _cConexionDAO : public virtual rt::Object {
public:
    virtual void mdb(BD selector) = 0;
    virtual void CrearWorkSpace() = 0;
    // A new workspace and the database opened again, on the shared connection
    // whatever object it is called on.
    virtual void InicializaBD(const std::string& sdbname) = 0;
    virtual void AbrirBD(const std::string& m_dbname) = 0;
    virtual void Cerrar() = 0;
    // One statement with its values bound as parameters; answers the number
    // of rows changed.
    virtual int64_t execute(std::string_view sql, const Parametros& valores = {},
                            int32_t i = 0) = 0;
    virtual std::unique_ptr<Recordset> openRecordset(std::string_view sql,
                                                     const Parametros& valores = {},
                                                     int32_t Tipo = 0) = 0;
};

}  // namespace quelvodat
