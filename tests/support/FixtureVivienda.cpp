#include "tests/support/FixtureVivienda.h"

FixtureVivienda::FixtureVivienda()
    : FixtureTipologia(PreparacionTipologia{
          1,
          20250101,
          // Active, with the focus where the window put it (the valuation date box).
          QStringLiteral("txtp1fecv"),
          {
              "INSERT INTO t03_municipios VALUES (2010, 0, 'PRUEBAS'), (2010, 9, 'PRUEBA')",
              "INSERT INTO t04_ponencias VALUES (2025, 9), (2025, 0)",
              "INSERT INTO t05_calles_nombre VALUES (9, 2010, 1, 10, 'CALLE MAYOR'), (9, 2010, 1, 20, 'CALLE NUEVA'),"
              " (9, 2010, 1, 30, 'POLIGONO'), (9, 2010, 1, 50, 'CALLE MIXTA')",
              "INSERT INTO t06_calles_datos VALUES"
              " (9, 10, 2010, 1, NULL, NULL, 1, 99, '1', 'A1'), (9, 10, 2010, 1, 0, 98, NULL, NULL, '2', 'A1'),"
              " (9, 20, 2010, 1, 0, 98, 1, 99, '899', 'A1'),"
              " (9, 30, 2010, 1, 0, 98, 1, 99, '900', 'A1'),"
              " (9, 50, 2010, 1, NULL, NULL, 1, 99, '1', 'A1'), (9, 50, 2010, 1, 0, 98, NULL, NULL, '900', 'A1')",
              "INSERT INTO t07_residencial VALUES"
              " (9, 1, 2025, 'ZONA UNO', 'P', 100000, 80000, 0),"
              " (9, 2, 2025, 'ZONA DOS', 'E', 30000, 60000, 0),"
              " (9, 899, 2025, 'ZONA 899', 'P', 50000, 50000, 0)",
          }})
{
}

void FixtureVivienda::Valorar()
{
    Localizar(QStringLiteral("CALLE MAYOR"), QStringLiteral("7"));
    Teclear(QStringLiteral("txtp1sbu"), QStringLiteral("100"));
}
