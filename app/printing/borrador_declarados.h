#pragma once
// The draft listing of one declaration's entries: a header on every page, the
// totals box on the first, one framed two-line row per entry, 10 rows on the
// first page and 12 on each later one. Every page is its own job.
#include <QString>
#include <cstdint>

#include "printing/lienzo.h"
#include "quelvort/variant.h"

namespace quelvo {

struct BorradorDeclarados {
    // The declarant.
    QString nombre, nif;
    // The declaration: its exercise, its period's description, its currency.
    int32_t ejercicio = 0;
    QString periodo;
    QString moneda;
    // Its entries, (field, row) from row 1 as the entry object reads them:
    // every column of tOperadores, read by the names of
    // quelvodat::ColumnaOperadores (the base in hundredths); Null for none.
    rt::Variant declarados = rt::Variant::Null();
    // Its per-key totals (0 key, 1 sum in hundredths, 2 entries); Null for none.
    rt::Variant totales = rt::Variant::Null();
};

// Pages of a listing of n entries: 0 for none, 1 up to 10, then one more for
// each 12 or part of 12.
int16_t PaginasBorrador(int32_t n);

// Prints every page; a declaration without entries prints nothing.
void ImprimirBorradorDeclarados(Lienzo& l, const BorradorDeclarados& b);

}  // namespace quelvo
