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

// The tables the upgrade rebuilds, with their indexes, as an earlier release
// made them: periods without periodicity, no entry type, a wider operation
// key with an index of its own. The upgrade drops these indexes with the old
// table.
inline constexpr const char* kEsquemaAnterior = R"SQL(
CREATE TABLE tDeclaraciones (coddecla INTEGER PRIMARY KEY AUTOINCREMENT, coddecr INTEGER,
    ejercicio INTEGER, periodo INTEGER, moneda VARCHAR(10));
CREATE INDEX tDeclaraciones_coddecr ON tDeclaraciones (coddecr);
CREATE TABLE tOperadores (codope INTEGER PRIMARY KEY AUTOINCREMENT, coddeclar INTEGER,
    paiso TEXT, paisaux TEXT, nifo TEXT, razon TEXT, claveopo VARCHAR(2), base REAL, signoo TEXT,
    ejercicioo INTEGER, periodoo INTEGER, triangularo TEXT);
CREATE INDEX claveopo ON tOperadores (claveopo);
)SQL";

}  // namespace quelvodat
