#pragma once
// Whether a new declaration can sit beside a declarant's stored ones: the
// desktop's overlap rule, so an import refuses exactly what the declarations
// window refuses.
#include <cstdint>

#include "quelvort/variant.h"

namespace quelvodat::Importacion {

// Two declarations of the same exercise overlap when their months meet: the
// year covers every month, a quarter (period q) the months q-2 to q, a month
// itself; two quarters only when equal. A periodicity other than 1 to 3
// overlaps nothing.
bool DeclaracionCoincidente(int32_t periodo, int32_t periodicidad, int32_t periodoGuardado,
                            int32_t periodicidadGuardada);

// The finding a new declaration gives against the declarant's stored ones
// (the (field, row) list of cDeclaraciones.ObtenerDeclaraciones: 1 exercise,
// 2 period, 4 periodicity; Null for none): 42 a new annual declaration over
// any, 48 a quarter or month inside a stored annual one, 62 any other
// overlap, 0 none.
int32_t HallazgoSolape(const rt::Variant& vDeclaraciones, int32_t ejercicio, int32_t periodo,
                       int32_t periodicidad);

}  // namespace quelvodat::Importacion
