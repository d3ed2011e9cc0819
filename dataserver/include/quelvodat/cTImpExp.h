#pragma once
// The two read-only queries across declarants and declarations that the
// import and export objects need. Neither opens nor closes a database: they
// run on the user database the caller opened on the shared connection.
#include <cstdint>
#include <string>

#include "quelvort/object.h"
#include "quelvort/variant.h"

namespace quelvodat {

class _cTImpExp : public virtual rt::Object {
public:
    // Declarants with a declaration of that exercise, period value and
    // currency, by NIF: (field, row) list, fields 0 coddec, 1 dni_cifd,
    // 2 nombred; Null when none.
    virtual rt::Variant ObtenerDeclarantes(int32_t lngEjercicio, uint8_t btePeriodo,
                                           const std::string& strMoneda) = 0;
    // Number of declared entries of the declarations of that exercise and
    // period value (any periodicity or currency) of the declarants whose
    // codes strDtes lists, separated by commas. A list element that is not a
    // whole number raises 13.
    virtual int32_t TotalDeclarados(int32_t lngEjercicio, uint8_t btePeriodo,
                                    const std::string& strDtes) = 0;
};

}  // namespace quelvodat
