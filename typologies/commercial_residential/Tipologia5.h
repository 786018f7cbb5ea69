#pragma once
// The valuation window of a shop in a commercial building of a residential zone (typology 5)
// on the shared typology window: V = [ VRC * CL + (1,38 * CC + 0,38 * VRC * CL) * (1 - D)] * SH,
// with VRC from the commercial subzone of the portal's street stretch, CL the constant 0.7,
// a fixed construction cost CC by valuation year, the commercial age scale and SH from the
// surface and its type. Every result is 0 while the subzone has no value.
#include "typologies/shared/VentanaTipologiaBase.h"

class CheckBox;
class cDatosTip5;

class Tipologia5 : public VentanaTipologiaBase {
    Q_OBJECT
public:
    Tipologia5();

    CDatosTip& Registro() const override;

    void ModificaDatos() override;
    void InicializaFechaV() override;
    void ObtenerEtiquetas() override;
    void DatosDescripcion() override;
    void DatosDescripcionE() override;

    // The situation coefficient, whatever the check box shows.
    static double CalcularCL() { return 0.7; }

protected:
    void PresentaSituacion() override;

private:
    void Disenar();

    CheckBox* Chkp5cl1 = nullptr;
};
