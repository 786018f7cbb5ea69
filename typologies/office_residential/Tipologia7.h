#pragma once
// The valuation window of an office in a residential zone (typology 7) on the shared typology
// window. It is located by street and portal in the residential zone, values with the
// dwelling's formula V = [ VRR * CL + (1,38 * CC + 0,38 * VRR * CL) * (1 - D)] * SH, a fixed
// construction cost by valuation year, CL from the one basement box, the built or usable
// surface of a flat, the residential age scale, and values nothing while the zone has no value.
#include "typologies/shared/VentanaTipologiaBase.h"

class CheckBox;

class Tipologia7 : public VentanaTipologiaBase {
    Q_OBJECT
public:
    Tipologia7();

    CDatosTip& Registro() const override;

    void ModificaDatos() override;
    void InicializaFechaV() override;
    void ObtenerEtiquetas() override;
    void DatosDescripcion() override;
    void DatosDescripcionE() override;

    // 0.30 in a basement, else 1.00.
    double CalcularCL();

protected:
    void PresentaSituacion() override;

private:
    void Disenar();
    void ConectarPropios();

    void Chkp7cl1_Click();

    CheckBox* Chkp7cl1 = nullptr;
};
