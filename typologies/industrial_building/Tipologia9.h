#pragma once
// The window of industrial buildings (typology 9) on the shared window of the industrial
// zones. Located by municipality, ponencia year and industrial zone (LocalizacionIndustrial);
// valued by record 9's chain in core (formula 141, V rounded to whole units on store, RP kept
// unrounded, every result 0 while VRI is 0), with a fixed construction cost by valuation year,
// the industrial age scale, CL the record's value (no situation box), SH from the surface and
// its type.
// CL is drawn into a display box that stores nothing: like every display box it never takes
// the focus, so it is never left, and no drawing writes it back.
//
// Its own quirks: it opens where it was designed (no move to the top left corner), and the
// check of the valuation date is lowered by the pointer over "Salir" rather than by a press on
// "Limpiar" or "Salir"; the pointer leaving "Salir" without a click raises it again.
#include "typologies/shared/VentanaIndustrial.h"

class Tipologia9 : public VentanaIndustrial {
    Q_OBJECT
public:
    Tipologia9();

    CDatosTip& Registro() const override;

    void DatosDescripcion() override;
    void DatosDescripcionE() override;

private:
    void Disenar();
};
