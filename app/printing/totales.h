#pragma once
// The per-key totals of one declaration as the printed totals boxes show
// them.
#include <QString>
#include <cstdint>

#include "quelvort/variant.h"

namespace quelvo {

struct TotalesDeclaracion {
    // Up to 2009: key 1 (deliveries). From 2010 nothing stands here.
    int32_t numeroPrimera = 0;
    double importePrimera = 0;
    // Up to 2009: key 2 (acquisitions). From 2010: type "N" (operations).
    int32_t numeroSegunda = 0;
    double importeSegunda = 0;
    // Keys 3 and 4 together up to 2009; type "R" from 2010.
    int32_t numeroRectificaciones = 0;
    // Entries of every row, whatever its key.
    int32_t numeroDeclarados = 0;
};

// The totals of a (field, row) array from row 1 (0 key, 1 sum of the bases in
// hundredths, 2 entries), or Null. Amounts are in euros (pesetas divided by
// 166.386), rounded to cents. Up to 2009 the key is compared as a number
// (a key that is none fills no box); from 2010 "N" and "R". A row whose key
// fills no box still counts in numeroDeclarados.
TotalesDeclaracion SumarTotales(const rt::Variant& totales, int32_t ejercicio, const QString& moneda);

}  // namespace quelvo
