#pragma once
// The garage and parking window on a copy of the demo database with a small municipality
// added (PRUEBA, code 9, listed after PRUEBAS, code 8, which has no streets): ponencia 2002,
// default valuation date 15/06/2003 (update coefficient 1,05, RP 1,00), pesetas, and these
// street stretches:
//
//   street             odd portals 1-99   even portals 0-98
//   CALLE MAYOR        zone 1             zone 2
//   CALLE NUEVA        zone 900           zone 900
//   CALLE ROTA         zone "X1"          zone "X1"   (a zone code that is not a number)
//   CALLE SIN MODULO   zone 3             zone 3
//   CALLE MALA         zone 4             zone 4
//
//   zone 1   "ZONA UNO"   pesetas     MP 12000
//   zone 2   "ZONA DOS"   euro cents  MP 9000
//   zone 900 "ZONA 900"   pesetas     MP 8000
//   zone 3   "ZONA TRES"  pesetas     MP Null
//   zone 4   "ZONA MALA"  pesetas     MP "doce mil" (a text that is no number)
#include "tests/support/FixtureTipologia.h"
#include "typologies/parking/Tipologia3.h"

class Garaje : public FixtureTipologia<Tipologia3> {
protected:
    Garaje();
};
