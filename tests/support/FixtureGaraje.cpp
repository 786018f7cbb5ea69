#include "tests/support/FixtureGaraje.h"

Garaje::Garaje()
    : FixtureTipologia(PreparacionTipologia{
          3,
          20030615,
          QStringLiteral("cmdDescripcion"),
          {
              "INSERT INTO t03_municipios VALUES (1999, 8, 'PRUEBAS'), (1999, 9, 'PRUEBA')",
              "INSERT INTO t04_ponencias VALUES (2002, 9)",
              "INSERT INTO t05_calles_nombre VALUES (9, 1999, 1, 10, 'CALLE MAYOR'), (9, 1999, 1, 20, 'CALLE NUEVA'),"
              " (9, 1999, 1, 30, 'CALLE ROTA'), (9, 1999, 1, 40, 'CALLE SIN MODULO'), (9, 1999, 1, 50, 'CALLE MALA')",
              "INSERT INTO t06_calles_datos VALUES"
              " (9, 10, 1999, 1, NULL, NULL, 1, 99, '1', 'A1'), (9, 10, 1999, 1, 0, 98, NULL, NULL, '2', 'A1'),"
              " (9, 20, 1999, 1, 0, 98, 1, 99, '900', 'A1'),"
              " (9, 30, 1999, 1, 0, 98, 1, 99, 'X1', 'A1'),"
              " (9, 40, 1999, 1, 0, 98, 1, 99, '3', 'A1'),"
              " (9, 50, 1999, 1, 0, 98, 1, 99, '4', 'A1')",
              "INSERT INTO t07_residencial VALUES"
              " (9, 1, 2002, 'ZONA UNO', 'P', 0, 0, 12000),"
              " (9, 2, 2002, 'ZONA DOS', 'E', 0, 0, 9000),"
              " (9, 900, 2002, 'ZONA 900', 'P', 0, 0, 8000),"
              " (9, 3, 2002, 'ZONA TRES', 'P', 0, 0, NULL),"
              " (9, 4, 2002, 'ZONA MALA', 'P', 0, 0, 'doce mil')",
          }})
{
}
