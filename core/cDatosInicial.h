#pragma once

#include <cstdint>

// What the user has currently selected: the typology being valued and whether the selection panel
// is minimised. It also empties the nine typology records at once.
class cDatosInicial {
public:
    bool P_PINIMIN() const { return pinimin_; }
    void setP_PINIMIN(bool v) { pinimin_ = v; }

    // Assigns "V" to the state of records 1 to kNumeroTipologias, in that order, creating any
    // not yet used.
    void InicializarTipologias();

    uint8_t P0_Tip() const { return tip_; }
    void setP0_Tip(uint8_t v) { tip_ = v; }

private:
    uint8_t tip_ = 0;
    bool pinimin_ = false;
};
