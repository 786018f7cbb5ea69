#pragma once
// The street-front shop window on its own small fixture, shared by the window and report tests.
#include <QStringList>
#include <functional>

#include "core/Globals.h"
#include "core/cConexionDAO.h"
#include "platform/MsgBox.h"
#include "tests/support/FixtureTipologia.h"
#include "typologies/street_shop/Tipologia4.h"

// The window on a copy of the demo database with a small municipality (PRUEBA, code 9):
// street table 1999 version 1, ponencias 1999 and 2025 (valuation year 2025: update
// coefficient 1, RP 1,10) and
//
//   street            odd portals 1-99          even portals 0-98
//   CALLE MAYOR       zone 1, subzone A1        zone 2, subzone B1
//   CALLE NUEVA       zone 899, subzone C1      zone " 950 ", subzone C1
//   POLIGONO          zone 900                  zone 900
//   CALLE ROTA        zone "X1" (no number)     the same
//   CALLE SIN VALOR   subzone Z9 (no value row) the same
//   CALLE EURO        subzone E1                the same
//   CALLE BLANCOS     subzone P1                the same
//   CALLE SIN MONEDA  subzone X9                the same
//   CALLE NULA        subzone N1                the same
//   CALLE MALA        subzone M1                the same
//   CALLE O'DONNELL   subzone O'1               the same
//
//   2025 values: A1 100000 pesetas; B1 30000 cents; C1 50000 pesetas; E1 1000 cents;
//   P1 1000 in currency " P " (blanks around); X9 1000 with no currency stated; N1 no value
//   (Null); M1 "abc"; O'1 80000 pesetas.
//   1999: A1 100000 pesetas.
//
// Settings: Spanish, pesetas, valuation date 01/01/2025.
class LocalCalle : public FixtureTipologia<Tipologia4> {
protected:
    LocalCalle()
        : FixtureTipologia(PreparacionTipologia{
              4,
              20250101,
              QStringLiteral("cmdDescripcion"),
              {
                  "INSERT INTO t03_municipios VALUES (1999, 9, 'PRUEBA'), (2010, 9, 'PRUEBA')",
                  "INSERT INTO t04_ponencias VALUES (1999, 9), (2025, 9)",
                  "INSERT INTO t05_calles_nombre VALUES (9, 1999, 1, 10, 'CALLE MAYOR'),"
                  " (9, 1999, 1, 20, 'CALLE NUEVA'), (9, 1999, 1, 30, 'POLIGONO'), (9, 1999, 1, 40, 'CALLE ROTA'),"
                  " (9, 1999, 1, 50, 'CALLE SIN VALOR'), (9, 1999, 1, 60, 'CALLE EURO'),"
                  " (9, 1999, 1, 70, 'CALLE BLANCOS'), (9, 1999, 1, 75, 'CALLE SIN MONEDA'),"
                  " (9, 1999, 1, 80, 'CALLE NULA'), (9, 1999, 1, 90, 'CALLE MALA'), (9, 1999, 1, 95, 'CALLE O''DONNELL')",
                  "INSERT INTO t06_calles_datos VALUES"
                  " (9, 10, 1999, 1, NULL, NULL, 1, 99, '1', 'A1'), (9, 10, 1999, 1, 0, 98, NULL, NULL, '2', 'B1'),"
                  " (9, 20, 1999, 1, NULL, NULL, 1, 99, '899', 'C1'), (9, 20, 1999, 1, 0, 98, NULL, NULL, ' 950 ', 'C1'),"
                  " (9, 30, 1999, 1, 0, 98, 1, 99, '900', 'A1'), (9, 40, 1999, 1, 0, 98, 1, 99, 'X1', 'A1'),"
                  " (9, 50, 1999, 1, 0, 98, 1, 99, '3', 'Z9'), (9, 60, 1999, 1, 0, 98, 1, 99, '4', 'E1'),"
                  " (9, 70, 1999, 1, 0, 98, 1, 99, '5', 'P1'), (9, 75, 1999, 1, 0, 98, 1, 99, '5', 'X9'),"
                  " (9, 80, 1999, 1, 0, 98, 1, 99, '6', 'N1'), (9, 90, 1999, 1, 0, 98, 1, 99, '7', 'M1'),"
                  " (9, 95, 1999, 1, 0, 98, 1, 99, '8', 'O''1')",
                  "INSERT INTO t08_comercial VALUES"
                  " (9, 'A1', 2025, 'P', 100000), (9, 'B1', 2025, 'E', 30000), (9, 'C1', 2025, 'P', 50000),"
                  " (9, 'E1', 2025, 'E', 1000), (9, 'P1', 2025, ' P ', 1000), (9, 'X9', 2025, NULL, 1000),"
                  " (9, 'N1', 2025, 'P', NULL), (9, 'M1', 2025, 'P', 'abc'), (9, 'O''1', 2025, 'P', 80000),"
                  " (9, 'A1', 1999, 'P', 100000)",
              }})
    {
    }
    void TearDown() override
    {
        gConexion().SetStatementObserver({});
        FixtureTipologia::TearDown();
    }
    static QList<ShownMessage> Mensajes() { return MsgBoxSeam::Shown(); }
    // Every statement run while `accion` runs.
    static QStringList Sentencias(const std::function<void()>& accion)
    {
        QStringList sentencias;
        gConexion().SetStatementObserver([&](const QString& sql) { sentencias << sql; });
        accion();
        gConexion().SetStatementObserver({});
        return sentencias;
    }
};

inline cDatosTip4& R() { return gDatosTip4(); }
