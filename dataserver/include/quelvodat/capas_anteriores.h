#pragma once
// What the user databases of earlier releases lack or hold beyond the current
// schema. The upgrade brings them up to date; a restore accepts them because
// the upgrade that follows it knows them.

namespace quelvodat {

struct ObjetoDeTabla {
    const char* tabla;
    const char* nombre;
};

// Columns of the current layout that an earlier one lacks, all of a table's
// or none.
inline constexpr ObjetoDeTabla kColumnasAnadidas[] = {
    {"TDeclaraciones", "periodicidad"},
    {"TDeclaraciones", "bimensual"},
    {"tOperadores", "tipoopo"},
    {"tOperadores", "periodicidad"},
};

// Indexes of an earlier layout that the upgrade drops with the old table.
inline constexpr ObjetoDeTabla kIndicesAnteriores[] = {
    {"tOperadores", "claveopo"},
};

}  // namespace quelvodat
