#pragma once
// The window of offices in an industrial zone (typology 8) on the shared typology window.
// Located by municipality, ponencia year and industrial zone (LocalizacionIndustrial); valued
// by record 8's chain in core (formula 141, V = [ VRI * CL + (1,38 * CC + 0,38 * VRI * CL) *
// (1 - D)] * SH, V kept unrounded, every result 0 while VRI is 0), with a fixed construction
// cost by valuation year, CL from the one basement box, SH from the surface and its type, the
// residential age scale; the two age boxes stand side by side, the one of the mode enabled.
#include "typologies/shared/VentanaTipologiaBase.h"

class CheckBox;

class Tipologia8 : public VentanaTipologiaBase {
    Q_OBJECT
public:
    Tipologia8();

    CDatosTip& Registro() const override;

    void ModificaDatos() override;
    void InicializaFechaV() override;
    void ObtenerEtiquetas() override;
    void DatosDescripcion() override;
    void DatosDescripcionE() override;

    // 0.3 when the basement box is ticked, else 1.0 (read from the box).
    double CalcularCL() const;

protected:
    void PresentaSituacion() override;

private:
    void Disenar();
    void ConectarPropios();
    // Defaults shared by a new record and a change of valuation year.
    void Defectos();
    void Chkp8cl1_Click();

    CheckBox* Chkp8cl1 = nullptr;
};
