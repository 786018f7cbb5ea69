#pragma once
// The window of a shop in a commercial building of an industrial zone (typology 6) on the
// shared window of the industrial zones. Located by municipality, ponencia year and industrial
// zone (LocalizacionIndustrial); valued by record 6's chain in core (formula 141, V = [ VRI * CL +
// (1,38 * CC + 0,38 * VRI * CL) * (1 - D)] * SH, every result 0 while VRI is 0), with a fixed
// construction cost by valuation year, CL 0.7 for a shop in an interior position, SH from the
// surface and its type and the commercial age scale. The two age boxes stand side by side, the
// one of the mode enabled. A new record takes RP of the calendar year of the settings' date.
#include "typologies/shared/VentanaIndustrial.h"

class Tipologia6 : public VentanaIndustrial {
    Q_OBJECT
public:
    Tipologia6();

    CDatosTip& Registro() const override;

    void DatosDescripcion() override;
    void DatosDescripcionE() override;

private:
    void Disenar();
};
