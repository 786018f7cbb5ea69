-- Demo valuation data: four invented municipalities with their street stretches, zone values
-- for several ponencia years (the 1999 ones in pesetas, the later ones in euro cents),
-- valuation years 1999 to 2027 (2006 with two versions) and the settings row.

INSERT INTO T01_GENERAL (T01_FEC_OMIS, T01_IDI_OMIS, T01_MON_OMIS, T01_MINIMO_DESDE, T01_MAXIMO_HASTA)
VALUES (20250101, 'C', 'E', 1999, 2027);

-- Valuation years: each calendar year, 2006 split into two versions.
INSERT INTO t02_años (t02_ano, t02_ver, t02_fecmin, t02_fecmax, t02_porinc, t02_porcom) VALUES
    (1999, 1, 19990101, 19991231, 1.00, 100),
    (2000, 1, 20000101, 20001231, 1.02, 100),
    (2001, 1, 20010101, 20011231, 1.03, 100),
    (2002, 1, 20020101, 20021231, 1.04, 100),
    (2003, 1, 20030101, 20031231, 1.05, 100),
    (2004, 1, 20040101, 20041231, 1.04, 100),
    (2005, 1, 20050101, 20051231, 1.05, 100),
    (2006, 1, 20060101, 20060630, 1.05, 100),
    (2006, 2, 20060701, 20061231, 1.05, 100),
    (2007, 1, 20070101, 20071231, 1.04, 100),
    (2008, 1, 20080101, 20081231, 1.03, 110),
    (2009, 1, 20090101, 20091231, 1.02, 110),
    (2010, 1, 20100101, 20101231, 1.02, 110),
    (2011, 1, 20110101, 20111231, 1.02, 110),
    (2012, 1, 20120101, 20121231, 1.02, 110),
    (2013, 1, 20130101, 20131231, 1.02, 110),
    (2014, 1, 20140101, 20141231, 1.02, 110),
    (2015, 1, 20150101, 20151231, 1.02, 110),
    (2016, 1, 20160101, 20161231, 1.03, 110),
    (2017, 1, 20170101, 20171231, 1.03, 110),
    (2018, 1, 20180101, 20181231, 1.03, 110),
    (2019, 1, 20190101, 20191231, 1.03, 110),
    (2020, 1, 20200101, 20201231, 1.02, 110),
    (2021, 1, 20210101, 20211231, 1.02, 110),
    (2022, 1, 20220101, 20221231, 1.04, 110),
    (2023, 1, 20230101, 20231231, 1.05, 110),
    (2024, 1, 20240101, 20241231, 1.03, 110),
    (2025, 1, 20250101, 20251231, 1.03, 110),
    (2026, 1, 20260101, 20261231, 1.02, 110),
    (2027, 1, 20270101, 20271231, 1.02, 110);

-- Municipalities: the 1999 list, and the 2010 list (a renamed municipality and a new one).
INSERT INTO t03_municipios (t03_ano, t03_codmun, t03_nommun) VALUES
    (1999, 1, 'ALTZAGA'),
    (1999, 2, 'BEREZIBAR'),
    (1999, 3, 'GAZTELUONDO'),
    (2010, 1, 'ALTZAGA'),
    (2010, 2, 'BEREZIBAR-ARRIETA'),
    (2010, 3, 'GAZTELUONDO'),
    (2010, 4, 'ZUBIETAGA');

-- Ponencias of each municipality.
INSERT INTO t04_ponencias (t04_ano, t04_codmun) VALUES
    (1999, 1), (2005, 1), (2016, 1),
    (1999, 2), (2009, 2),
    (1999, 3), (2012, 3),
    (2010, 4), (2018, 4);

-- ---------------------------------------------------------------------------------------
-- Streets and stretches. Each municipality's first list is written out; later lists are
-- copies of an earlier one with their changes.

-- ALTZAGA (1): lists 1999/1, 2006/2 and 2007/1.
INSERT INTO t05_calles_nombre (t05_codmun, t05_ano, t05_ver, t05_codcal, t05_nomcal) VALUES
    (1, 1999, 1, 10, 'KALE NAGUSIA'),
    (1, 1999, 1, 20, 'AÑORGA BIDEA'),
    (1, 1999, 1, 30, 'ARRIAGA PLAZA'),
    (1, 1999, 1, 40, 'SAN JUAN KALEA'),
    (1, 1999, 1, 50, 'ZUBIETA AUZOA'),
    (1, 1999, 1, 60, 'INDUSTRIALDEA'),
    (1, 1999, 1, 70, 'PLAZA BERRIA');

INSERT INTO t06_calles_datos (t06_codmun, t06_codcal, t06_ano, t06_ver,
                              t06_parinf, t06_parsup, t06_impinf, t06_impsup, t06_zoncod, t06_szncod) VALUES
    -- KALE NAGUSIA: the old town at the start, the extension further on
    (1, 10, 1999, 1,  2, 40,  1, 29, '101', 'A1'),
    (1, 10, 1999, 1, 42, 98, 31, 99, '102', 'B1'),
    -- AÑORGA BIDEA: odd and even sides in different zones (no range on the other side)
    (1, 20, 1999, 1, NULL, NULL, 1, 55, '102', 'B1'),
    (1, 20, 1999, 1,  2, 60, NULL, NULL, '103', 'B2'),
    -- ARRIAGA PLAZA: portals 1 to 15 and 2 to 16 only
    (1, 30, 1999, 1,  2, 16,  1, 15, '101', 'A1'),
    -- SAN JUAN KALEA
    (1, 40, 1999, 1,  2, 24,  1, 21, '101', 'A2'),
    (1, 40, 1999, 1, 26, 70, 23, 61, '103', 'B2'),
    -- ZUBIETA AUZOA: scattered houses
    (1, 50, 1999, 1,  2, 98,  1, 99, '104', 'C1'),
    -- INDUSTRIALDEA: an industrial estate inside the street map
    (1, 60, 1999, 1,  2, 50,  1, 49, '901', 'C1'),
    -- PLAZA BERRIA
    (1, 70, 1999, 1,  2, 20,  1, 19, '102', 'A2');

-- 2006/2: PLAZA BERRIA renamed, a new street.
INSERT INTO t05_calles_nombre SELECT t05_codmun, 2006, 2, t05_codcal,
    CASE t05_codcal WHEN 70 THEN 'FORU PLAZA' ELSE t05_nomcal END
    FROM t05_calles_nombre WHERE t05_codmun = 1 AND t05_ano = 1999 AND t05_ver = 1;
INSERT INTO t05_calles_nombre VALUES (1, 2006, 2, 80, 'ITSASO KALEA');
INSERT INTO t06_calles_datos SELECT t06_codmun, t06_codcal, 2006, 2, t06_parinf, t06_parsup,
    t06_impinf, t06_impsup, t06_zoncod, t06_szncod
    FROM t06_calles_datos WHERE t06_codmun = 1 AND t06_ano = 1999 AND t06_ver = 1;
INSERT INTO t06_calles_datos VALUES
    (1, 80, 2006, 2, 2, 36, 1, 35, '103', 'B2');

-- 2007/1: as 2006/2, with KALE NAGUSIA's old town reaching portal 41.
INSERT INTO t05_calles_nombre SELECT t05_codmun, 2007, 1, t05_codcal, t05_nomcal
    FROM t05_calles_nombre WHERE t05_codmun = 1 AND t05_ano = 2006 AND t05_ver = 2;
INSERT INTO t06_calles_datos SELECT t06_codmun, t06_codcal, 2007, 1, t06_parinf, t06_parsup,
    t06_impinf, t06_impsup, t06_zoncod, t06_szncod
    FROM t06_calles_datos WHERE t06_codmun = 1 AND t06_ano = 2006 AND t06_ver = 2 AND t06_codcal <> 10;
INSERT INTO t06_calles_datos VALUES
    (1, 10, 2007, 1,  2, 40,  1, 41, '101', 'A1'),
    (1, 10, 2007, 1, 42, 98, 43, 99, '102', 'B1');

-- BEREZIBAR (2): lists 1999/1 and 2009/1.
INSERT INTO t05_calles_nombre VALUES
    (2, 1999, 1, 100, 'ELIZ KALEA'),
    (2, 1999, 1, 110, 'GERNIKA ETORBIDEA'),
    (2, 1999, 1, 120, 'IBAI ERTZA'),
    (2, 1999, 1, 130, 'SAN PEDRO PLAZA'),
    (2, 1999, 1, 140, 'ÓLAGUE BIDEA');
INSERT INTO t06_calles_datos VALUES
    (2, 100, 1999, 1,  2, 30,  1, 31, '201', 'A1'),
    (2, 110, 1999, 1,  2, 50,  1, 51, '202', 'A1'),
    (2, 110, 1999, 1, 52, 120, 53, 121, '203', 'B1'),
    (2, 120, 1999, 1,  2, 40,  1, 39, '203', 'B1'),
    (2, 130, 1999, 1,  2, 12,  1, 11, '201', 'A1'),
    (2, 140, 1999, 1,  2, 80,  1, 79, '203', 'B1');
INSERT INTO t05_calles_nombre SELECT t05_codmun, 2009, 1, t05_codcal, t05_nomcal
    FROM t05_calles_nombre WHERE t05_codmun = 2 AND t05_ano = 1999;
INSERT INTO t05_calles_nombre VALUES (2, 2009, 1, 150, 'ARRIETA AUZOA');
INSERT INTO t06_calles_datos SELECT t06_codmun, t06_codcal, 2009, 1, t06_parinf, t06_parsup,
    t06_impinf, t06_impsup, t06_zoncod, t06_szncod
    FROM t06_calles_datos WHERE t06_codmun = 2 AND t06_ano = 1999;
INSERT INTO t06_calles_datos VALUES
    (2, 150, 2009, 1,  2, 60,  1, 59, '204', 'B1');

-- GAZTELUONDO (3): lists 1999/1 and 2012/1.
INSERT INTO t05_calles_nombre VALUES
    (3, 1999, 1, 200, 'GAZTELU KALEA'),
    (3, 1999, 1, 210, 'ERROTA BIDEA'),
    (3, 1999, 1, 220, 'MENDI KALEA');
INSERT INTO t06_calles_datos VALUES
    (3, 200, 1999, 1,  2, 24,  1, 25, '301', 'A1'),
    (3, 200, 1999, 1, 26, 60, 27, 61, '302', 'A1'),
    (3, 210, 1999, 1,  2, 40,  1, 41, '302', 'B1'),
    (3, 220, 1999, 1,  2, 30,  1, 29, '303', 'B1');
INSERT INTO t05_calles_nombre SELECT t05_codmun, 2012, 1, t05_codcal, t05_nomcal
    FROM t05_calles_nombre WHERE t05_codmun = 3 AND t05_ano = 1999;
INSERT INTO t06_calles_datos SELECT t06_codmun, t06_codcal, 2012, 1, t06_parinf, t06_parsup,
    t06_impinf, t06_impsup, t06_zoncod, t06_szncod
    FROM t06_calles_datos WHERE t06_codmun = 3 AND t06_ano = 1999;

-- ZUBIETAGA (4): list 2010/1.
INSERT INTO t05_calles_nombre VALUES
    (4, 2010, 1, 300, 'ZUBI KALEA'),
    (4, 2010, 1, 310, 'LANDETA ETORBIDEA'),
    (4, 2010, 1, 320, 'ARANA PLAZA');
INSERT INTO t06_calles_datos VALUES
    (4, 300, 2010, 1,  2, 50,  1, 49, '401', 'A1'),
    (4, 310, 2010, 1,  2, 20,  1, 19, '401', 'A1'),
    (4, 310, 2010, 1, 22, 90, 21, 89, '402', 'B1'),
    (4, 320, 2010, 1,  2, 14,  1, 13, '401', 'A1');

-- ---------------------------------------------------------------------------------------
-- Residential zones: name, currency, VRR, construction cost CC, parking module MP.
INSERT INTO t07_residencial (t07_codmun, t07_zoncod, t07_ano, t07_zonnom, t07_mone, t07_vrr, t07_coscon, t07_mp) VALUES
    -- ALTZAGA, ponencia 1999, pesetas
    (1, 101, 1999, 'CASCO HISTÓRICO',  'P',  95000, 80000, 1500000),
    (1, 102, 1999, 'ENSANCHE',         'P',  80000, 80000, 1300000),
    (1, 103, 1999, 'ARRABAL',          'P',  60000, 75000, 1100000),
    (1, 104, 1999, 'DISEMINADO',       'P',  30000, 70000,  800000),
    (1, 901, 1999, 'ZONA INDUSTRIAL',  'P',  20000, 60000,  600000),
    -- ALTZAGA, ponencia 2005, euro cents
    (1, 101, 2005, 'CASCO HISTÓRICO',  'E', 110000, 60000, 1200000),
    (1, 102, 2005, 'ENSANCHE',         'E',  80000, 58000, 1000000),
    (1, 103, 2005, 'ARRABAL',          'E',  60000, 55000,  850000),
    (1, 104, 2005, 'DISEMINADO',       'E',  30000, 52000,  600000),
    (1, 901, 2005, 'ZONA INDUSTRIAL',  'E',  15000, 45000,  450000),
    -- ALTZAGA, ponencia 2016, euro cents
    (1, 101, 2016, 'CASCO HISTÓRICO',  'E', 125000, 66000, 1450000),
    (1, 102, 2016, 'ENSANCHE',         'E',  98000, 64000, 1200000),
    (1, 103, 2016, 'ARRABAL',          'E',  72000, 61000,  980000),
    (1, 104, 2016, 'DISEMINADO',       'E',  36000, 58000,  700000),
    (1, 901, 2016, 'ZONA INDUSTRIAL',  'E',  18000, 50000,  520000),
    -- BEREZIBAR, ponencias 1999 (pesetas) and 2009 (euro cents)
    (2, 201, 1999, 'ELIZALDE',         'P',  70000, 78000, 1200000),
    (2, 202, 1999, 'ETORBIDEA',        'P',  62000, 76000, 1050000),
    (2, 203, 1999, 'IBAIALDE',         'P',  45000, 72000,  900000),
    (2, 201, 2009, 'ELIZALDE',         'E',  68000, 62000, 1100000),
    (2, 202, 2009, 'ETORBIDEA',        'E',  59000, 60000,  950000),
    (2, 203, 2009, 'IBAIALDE',         'E',  43000, 57000,  780000),
    (2, 204, 2009, 'ARRIETA',          'E',  35000, 55000,  650000),
    -- GAZTELUONDO, ponencias 1999 (pesetas) and 2012 (euro cents)
    (3, 301, 1999, 'ALDE ZAHARRA',     'P',  85000, 79000, 1400000),
    (3, 302, 1999, 'ERDIGUNEA',        'P',  66000, 77000, 1150000),
    (3, 303, 1999, 'MENDIALDEA',       'P',  40000, 72000,  850000),
    (3, 301, 2012, 'ALDE ZAHARRA',     'E',  90000, 63000, 1250000),
    (3, 302, 2012, 'ERDIGUNEA',        'E',  70000, 61000, 1000000),
    (3, 303, 2012, 'MENDIALDEA',       'E',  42000, 58000,  720000),
    -- ZUBIETAGA, ponencias 2010 and 2018 (euro cents)
    (4, 401, 2010, 'ZUBIALDE',         'E',  75000, 62000, 1100000),
    (4, 402, 2010, 'LANDETA',          'E',  52000, 60000,  880000),
    (4, 401, 2018, 'ZUBIALDE',         'E',  82000, 65000, 1180000),
    (4, 402, 2018, 'LANDETA',          'E',  57000, 63000,  930000);

-- Commercial subzones: VRC.
INSERT INTO t08_comercial (t08_codmun, t08_szncod, t08_ano, t08_mone, t08_vrc) VALUES
    (1, 'A1', 1999, 'P', 190000), (1, 'A2', 1999, 'P', 160000),
    (1, 'B1', 1999, 'P', 120000), (1, 'B2', 1999, 'P',  95000), (1, 'C1', 1999, 'P', 60000),
    (1, 'A1', 2005, 'E', 135000), (1, 'A2', 2005, 'E', 115000),
    (1, 'B1', 2005, 'E',  85000), (1, 'B2', 2005, 'E',  68000), (1, 'C1', 2005, 'E', 42000),
    (1, 'A1', 2016, 'E', 150000), (1, 'A2', 2016, 'E', 128000),
    (1, 'B1', 2016, 'E',  95000), (1, 'B2', 2016, 'E',  76000), (1, 'C1', 2016, 'E', 47000),
    (2, 'A1', 1999, 'P', 140000), (2, 'B1', 1999, 'P', 90000),
    (2, 'A1', 2009, 'E',  98000), (2, 'B1', 2009, 'E', 64000),
    (3, 'A1', 1999, 'P', 150000), (3, 'B1', 1999, 'P', 85000),
    (3, 'A1', 2012, 'E', 102000), (3, 'B1', 2012, 'E', 60000),
    (4, 'A1', 2010, 'E', 110000), (4, 'B1', 2010, 'E', 72000),
    (4, 'A1', 2018, 'E', 118000), (4, 'B1', 2018, 'E', 77000);

-- Industrial zones: VRI. ALTZAGA and GAZTELUONDO have a single zone, BEREZIBAR three,
-- ZUBIETAGA two.
INSERT INTO t09_industrial (t09_codmun, t09_zonind, t09_ano, t09_mone, t09_vri) VALUES
    (1, 'PI-01', 1999, 'P', 25000),
    (1, 'PI-01', 2005, 'E', 17000),
    (1, 'PI-01', 2016, 'E', 19500),
    (2, 'PI-01', 1999, 'P', 22000), (2, 'PI-02', 1999, 'P', 18000), (2, 'PI-03', 1999, 'P', 15000),
    (2, 'PI-01', 2009, 'E', 15500), (2, 'PI-02', 2009, 'E', 12500), (2, 'PI-03', 2009, 'E', 10500),
    (3, 'PI-01', 1999, 'P', 20000),
    (3, 'PI-01', 2012, 'E', 14000),
    (4, 'LANDETA', 2010, 'E', 16000), (4, 'ZUBIONDO', 2010, 'E', 13500),
    (4, 'LANDETA', 2018, 'E', 17500), (4, 'ZUBIONDO', 2018, 'E', 14800);
