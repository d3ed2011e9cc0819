#pragma once
// The declarations of the user database, and the totals of their entries.
//
// Lists of declarations: (field, row) arrays, rows from 1, fields
// 0 coddecla, 1 ejercicio, 2 periodo, 3 moneda, 4 periodicidad, 5 bimensual.
// Latest declaration (MaxEjerPer): one row 0 ejercicio, 1 periodo, 2 moneda,
// 3 periodicidad, 4 Empty.
// Totals: (field, row) arrays, fields 0 the key, 1 the sum of the bases,
// 2 the number of entries; one row per key.
// Every element holds a text; Null when there is no row.
#include <cstdint>
#include <string>

#include "quelvodat/rutas.h"
#include "quelvort/variant.h"

namespace quelvodat {

class _cDeclaraciones : public _RutasBD {
public:
    // The declarant's declarations by exercise and period.
    virtual rt::Variant ObtenerDeclaraciones(int32_t lngDeclarante) = 0;
    // The declaration and its entries, all or nothing; an unknown key
    // changes nothing.
    virtual void EliminarDeclaracion(int32_t lngDeclaracion) = 0;
    // A copy of declaration lngCodDeclaOrigen with its entries for another
    // exercise, period, periodicity or currency, all or nothing; answers the
    // new key. strConversor "/" turns pesetas into euros, "*" euros into
    // pesetas (blanks around ignored); intEjerOrg is the origin's exercise.
    // An unknown origin raises ErrorNoExiste.
    virtual int32_t DuplicarDeclaracion(int32_t lngEjercicio, uint8_t btePeriodo,
                                        uint8_t btePeriodicidad, const std::string& strMoneda,
                                        int32_t lngCodDeclaOrigen,
                                        const std::string& strConversor,
                                        const std::string& strBimensual, int32_t intEjerOrg) = 0;
    // Inserts a declaration; answers its key. A declarant that does not
    // exist is refused (ErrorNoExiste).
    virtual int32_t GuardarDeclaracion(int32_t lngEjercicio, const std::string& strMoneda,
                                       uint8_t btePeriodo, int32_t lngDeclarante,
                                       uint8_t btePeriodicidad,
                                       const std::string& strBimensual) = 0;
    // Totals of one declaration: by operation key before 2010, by operation
    // type ("N", "R") from 2010.
    virtual rt::Variant ObtenerTotalDeclarados(int32_t lngCodeclar, int16_t Ejercicio) = 0;
    // The declarant's declaration of that exercise, period and periodicity;
    // 0 when none.
    virtual int32_t ObtenerDeclaracion(int32_t lngCodDecl, int32_t lngEjercicio, uint8_t btePer,
                                       uint8_t btePerdad) = 0;
    // A declaration of the declarant in that exercise; 0 when none.
    virtual int32_t ObtenerDeclaracionAno(int32_t lngCodDecl, int32_t lngEjercicio) = 0;
    // "X" when declaration lngCodDecl has a bimonthly mark, else "".
    virtual std::string ObtenerBimensualidad(int32_t lngCodDecl) = 0;
    // The latest declaration of the whole database; with blnSoloEuros only
    // euro declarations, and with a positive intEjerMin only from 2002.
    virtual rt::Variant MaxEjerPer(bool blnSoloEuros, int16_t intEjerMin = 0) = 0;
    // The declaration's currency; "E" when the key does not exist.
    virtual std::string ObtenerMonedaDcion(const rt::Variant& lngCodDcion) = 0;
    // Totals by operation key over the declarations of the declarants in the
    // array vBuffer for one exercise and period value (any periodicity); Null
    // for an empty list.
    virtual rt::Variant ObtenerTotalDeclaradosVarDtes(const rt::Variant& vBuffer,
                                                      int32_t lngEjercicio,
                                                      uint8_t btePeriodo) = 0;
};

}  // namespace quelvodat
