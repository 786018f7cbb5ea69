#pragma once
// The window of offices in an industrial zone (typology 8) on the shared window of the
// industrial zones. Located by municipality, ponencia year and industrial zone
// (LocalizacionIndustrial); valued by record 8's chain in core (formula 141, V = [ VRI * CL +
// (1,38 * CC + 0,38 * VRI * CL) * (1 - D)] * SH, V kept unrounded, every result 0 while VRI is
// 0), with a fixed construction cost by valuation year, CL 0.3 from the one basement box, SH
// from the surface and its type, the residential age scale; the two age boxes stand side by
// side, the one of the mode enabled.
#include "typologies/shared/VentanaIndustrial.h"

class Tipologia8 : public VentanaIndustrial {
    Q_OBJECT
public:
    Tipologia8();

    CDatosTip& Registro() const override;

    void DatosDescripcion() override;
    void DatosDescripcionE() override;

private:
    void Disenar();
};
