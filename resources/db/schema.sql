-- Valuation database: the settings row and the valuation tables of the authority.
-- Every column carries its type so that numbers compare as numbers; text keys and names
-- compare and sort without regard to case (SQLite's own NOCASE). The file names no collation
-- of its own, so any standard SQLite tool can open, check and change it. The program shows
-- street names and industrial zones in Spanish order (accents count only between equal
-- letters, Ñ comes between N and O), which it brings in on its own connection.
-- Dates are whole numbers yyyymmdd.
-- Amounts are whole pesetas in a row whose currency is 'P' and euro cents in one with 'E'.

-- Settings: one row, the only table the program writes.
CREATE TABLE T01_GENERAL (
    T01_FEC_OMIS      INTEGER,                -- default valuation date
    T01_IDI_OMIS      TEXT COLLATE NOCASE,    -- language: 'C' Spanish, 'E' Basque
    T01_MON_OMIS      TEXT COLLATE NOCASE,    -- currency: 'E' euros, 'P' pesetas
    T01_MINIMO_DESDE  INTEGER,                -- first valuation year offered
    T01_MAXIMO_HASTA  INTEGER                 -- last valuation year offered
);

-- Valuation years and their versions.
CREATE TABLE t02_años (
    t02_ano     INTEGER NOT NULL,   -- valuation year
    t02_ver     INTEGER NOT NULL,   -- version of the year's values, 1 = first
    t02_fecmin  INTEGER NOT NULL,   -- first valuation date of this year and version
    t02_fecmax  INTEGER NOT NULL,   -- last valuation date of this year and version
    t02_porinc  REAL,               -- update factor of the year (multiplied as it is)
    t02_porcom  REAL,               -- checked-value percentage of the year
    PRIMARY KEY (t02_ano, t02_ver)
);
CREATE INDEX t02_por_fecmin ON t02_años (t02_fecmin);
CREATE INDEX t02_por_fecmax ON t02_años (t02_fecmax);

-- Municipalities: each list year gives the municipalities in force from that year.
CREATE TABLE t03_municipios (
    t03_ano     INTEGER NOT NULL,
    t03_codmun  INTEGER NOT NULL,
    t03_nommun  TEXT COLLATE NOCASE,
    PRIMARY KEY (t03_ano, t03_codmun)
);

-- Years in which a valuation report of a municipality took effect.
CREATE TABLE t04_ponencias (
    t04_ano     INTEGER NOT NULL,
    t04_codmun  INTEGER NOT NULL,
    PRIMARY KEY (t04_codmun, t04_ano)
);

-- Street names of a municipality, per year and version of the street list. A street code
-- names one street in a list; the key also lets the distinct street query skip its
-- duplicate check.
CREATE TABLE t05_calles_nombre (
    t05_codmun  INTEGER NOT NULL,
    t05_ano     INTEGER NOT NULL,
    t05_ver     INTEGER NOT NULL,
    t05_codcal  INTEGER NOT NULL,
    t05_nomcal  TEXT COLLATE NOCASE,
    PRIMARY KEY (t05_codmun, t05_ano, t05_ver, t05_codcal)
);
-- The street list of a municipality, newest list first: the program reads one list from it
-- without touching the table and puts the names in Spanish order.
CREATE INDEX t05_por_municipio ON t05_calles_nombre
    (t05_codmun, t05_ano DESC, t05_ver DESC, t05_nomcal, t05_codcal);

-- Street stretches: the zone of each range of odd and even portal numbers.
CREATE TABLE t06_calles_datos (
    t06_codmun  INTEGER NOT NULL,
    t06_codcal  INTEGER NOT NULL,
    t06_ano     INTEGER NOT NULL,
    t06_ver     INTEGER NOT NULL,
    t06_parinf  INTEGER,                -- lowest even portal of the stretch
    t06_parsup  INTEGER,                -- highest even portal
    t06_impinf  INTEGER,                -- lowest odd portal
    t06_impsup  INTEGER,                -- highest odd portal
    t06_zoncod  TEXT COLLATE NOCASE,    -- residential zone code (digits)
    t06_szncod  TEXT COLLATE NOCASE     -- commercial subzone code
);
CREATE INDEX t06_por_calle ON t06_calles_datos (t06_codmun, t06_codcal, t06_ano, t06_ver);

-- Residential zone values of a municipality for a ponencia year.
CREATE TABLE t07_residencial (
    t07_codmun  INTEGER NOT NULL,
    t07_zoncod  INTEGER NOT NULL,
    t07_ano     INTEGER NOT NULL,
    t07_zonnom  TEXT COLLATE NOCASE,
    t07_mone    TEXT COLLATE NOCASE,    -- currency of the row's amounts
    t07_vrr     REAL,                   -- residential repercussion value
    t07_coscon  REAL,                   -- construction cost
    t07_mp      REAL,                   -- parking-space module
    PRIMARY KEY (t07_codmun, t07_zoncod, t07_ano)
);

-- Commercial subzone values.
CREATE TABLE t08_comercial (
    t08_codmun  INTEGER NOT NULL,
    t08_szncod  TEXT COLLATE NOCASE NOT NULL,
    t08_ano     INTEGER NOT NULL,
    t08_mone    TEXT COLLATE NOCASE,
    t08_vrc     REAL,                   -- commercial repercussion value
    PRIMARY KEY (t08_codmun, t08_szncod, t08_ano)
);

-- Industrial zone values; a municipality's zones of a ponencia year are listed by code.
CREATE TABLE t09_industrial (
    t09_codmun  INTEGER NOT NULL,
    t09_zonind  TEXT COLLATE NOCASE NOT NULL,
    t09_ano     INTEGER NOT NULL,
    t09_mone    TEXT COLLATE NOCASE,
    t09_vri     REAL,                   -- industrial repercussion value
    PRIMARY KEY (t09_codmun, t09_ano, t09_zonind)
);
