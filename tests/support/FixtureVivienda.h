#pragma once
// The dwelling window on a copy of the demo database with a small municipality of round
// numbers added (PRUEBA, code 9): ponencia and valuation year 2025 (update coefficient 1,
// RP 1,10) and these street stretches, odd and even sides in separate rows:
//
//   street        odd portals 1-99   even portals 0-98
//   CALLE MAYOR   zone 1             zone 2
//   CALLE NUEVA   zone 899           zone 899
//   CALLE MIXTA   zone 1             zone 900
//   POLIGONO      zone 900           zone 900
//
//   zone 1 "ZONA UNO"   pesetas    VRR 100000, CC 80000
//   zone 2 "ZONA DOS"   euro cents VRR  30000, CC 60000
//   zone 899 "ZONA 899" pesetas    VRR  50000, CC 50000
//
// A municipality PRUEBAS (code 0) is listed before PRUEBA, so that a name that begins
// another's can be told apart. Settings: Spanish, pesetas, valuation date 01/01/2025.
#include "tests/support/FixtureTipologia.h"
#include "typologies/dwelling/Tipologia1.h"

class FixtureVivienda : public FixtureTipologia<Tipologia1> {
protected:
    FixtureVivienda();

    // A valued flat: PRUEBA, CALLE MAYOR 7, 100 m2 (the other entries as defaulted).
    void Valorar();
};
