-- The user database: declarants, the presenter, declarations, declared
-- entries and the settings row. Column order is part of the layout: some
-- readers take columns by position.

CREATE TABLE TDeclarante (
    coddec      INTEGER PRIMARY KEY AUTOINCREMENT,
    dni_cifd    TEXT,
    nombred     TEXT,
    viad        TEXT,
    domiciliod  TEXT,
    numerod     INTEGER,
    letrad      TEXT,
    escalerad   TEXT,
    pisod       TEXT,
    manod       TEXT,
    cod         INTEGER,
    codpostald  INTEGER,
    municipiod  TEXT,
    telefonod   INTEGER,
    nombrepd    TEXT,
    telefonopd  INTEGER
);
CREATE INDEX TDeclarante_dni_cifd ON TDeclarante (dni_cifd);
-- An imported declarant is found by its whole NIF, trimmed and letter case
-- aside; the lookup compares exactly this expression.
CREATE INDEX TDeclarante_nif ON TDeclarante (trim(dni_cifd) COLLATE NOCASE);

CREATE TABLE TPresentador (
    codpres     INTEGER PRIMARY KEY AUTOINCREMENT,
    dni_cif     TEXT,
    nombre      TEXT,
    via         TEXT,
    domicilio   TEXT,
    numero      INTEGER,
    letra       TEXT,
    escalera    TEXT,
    piso        TEXT,
    mano        TEXT,
    cod         INTEGER,
    codpostal   INTEGER,
    municipio   TEXT,
    telefono    INTEGER,
    nombrep     TEXT,
    telefonop   INTEGER
);

CREATE TABLE TDeclaraciones (
    coddecla     INTEGER PRIMARY KEY AUTOINCREMENT,
    coddecr      INTEGER,
    ejercicio    INTEGER,
    periodo      INTEGER,
    periodicidad INTEGER DEFAULT 0,
    moneda       TEXT,
    bimensual    TEXT DEFAULT ''
);
CREATE INDEX TDeclaraciones_coddecr ON TDeclaraciones (coddecr);

CREATE TABLE tOperadores (
    codope       INTEGER PRIMARY KEY AUTOINCREMENT,
    coddeclar    INTEGER,
    paiso        TEXT,
    paisaux      TEXT,
    nifo         TEXT,
    razon        TEXT,
    tipoopo      TEXT DEFAULT '',
    claveopo     TEXT DEFAULT '',
    base         REAL,
    signoo       TEXT,
    ejercicioo   INTEGER,
    periodoo     INTEGER,
    triangularo  TEXT,
    periodicidad INTEGER DEFAULT 0
);
CREATE INDEX tOperadores_coddeclar ON tOperadores (coddeclar);
-- The duplicate check of a new entry looks up its NIF within its declaration.
CREATE INDEX tOperadores_coddeclar_nifo ON tOperadores (coddeclar, nifo COLLATE NOCASE);

CREATE TABLE tgeneral (
    Idioma    TEXT,
    ActOnline INTEGER
);
