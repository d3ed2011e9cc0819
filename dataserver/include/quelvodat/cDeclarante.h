#pragma once
// The declarants (the taxpayers who file), as 16-value record arrays.
//
// Load order (CargarDeclarante): 0 coddec, 1 dni_cifd, 2 nombred, 3 viad,
// 4 domiciliod, 5 numerod, 6 letrad, 7 escalerad, 8 pisod, 9 manod, 10 cod,
// 11 the last three postal digits (text), 12 municipiod, 13 nombrepd,
// 14 telefonod, 15 telefonopd.
// Save order (GuardarDeclarante): the same except 11 the whole postal code,
// 13 telefonod and 14 nombrepd.
// Lists: (field, row) arrays, rows from 1, fields 0 coddec, 1 dni_cifd,
// 2 nombred; Null when there is no declarant.
#include <cstdint>
#include <string>

#include "quelvodat/rutas.h"
#include "quelvort/variant.h"

namespace quelvodat {

class _cDeclarante : public _RutasBD {
public:
    // A key of 0 or less gives the key with empty texts and zeros; a key that
    // no row has raises 3021.
    virtual void CargarDeclarante(int32_t lngCoddec, rt::Variant& vBufferResultado) = 0;
    // Key 0 inserts and answers the new key; any other key updates that row
    // (nothing below 1) and answers it.
    virtual int32_t GuardarDeclarante(const rt::Variant& vBufferResultado) = 0;
    // With bDeclaraciones the declarant's declarations and their entries go
    // too, all or nothing.
    virtual void EliminarDeclarante(int32_t SecDte, bool bDeclaraciones = false) = 0;
    // The four declarants created last, highest key first.
    virtual rt::Variant ObtenerUltimosDeclarantes() = 0;
    // The key of a declarant whose NIF begins with strNif (letter case not
    // counted), or 0.
    virtual int32_t NifRepetido(const std::string& strNif) = 0;
    // Every declarant, by NIF.
    virtual rt::Variant ObtenerDeclarantes() = 0;
};

}  // namespace quelvodat
