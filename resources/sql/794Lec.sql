-- The reference database, read-only at run time. Its rows are in
-- 794Lec-datos.sql.

CREATE TABLE TSIGLASVIA (
    codigo TEXT PRIMARY KEY,
    CAS    TEXT,
    EUS    TEXT
);

CREATE TABLE TPROVINCIAS (
    PRO_ID  TEXT PRIMARY KEY,
    PRO_CAS TEXT,
    PRO_EUS TEXT
);

-- ejercicio and periodo: the exercise and the period (last month) from which
-- the member state counts.
CREATE TABLE TSiglasPais (
    SIGLASPAIS TEXT PRIMARY KEY,
    PAIS       TEXT,
    paiseus    TEXT,
    ejercicio  INTEGER,
    periodo    INTEGER
);

CREATE TABLE TOperacionesMod (
    codigo        TEXT PRIMARY KEY,
    descripcionc  TEXT,
    descripcionce TEXT,
    descripcione  TEXT,
    descripcionee TEXT
);

-- Row 1 and row 2: the two addresses of the filing service; URLAct: where the
-- version file of the online check is downloaded from.
CREATE TABLE tgeneral (
    URL    TEXT,
    URLAct TEXT
);
