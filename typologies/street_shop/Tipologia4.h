#pragma once
// The street-front shop valuation window (typology 4) on the shared typology window:
// V = [ VRC * CL + (1,38 * CC + 0,38 * VRC * CL) ] * SH, with VRC from the commercial subzone
// of the street stretch, a fixed construction cost CC by valuation year, CL from two exclusive
// situation boxes and SH from the surface and its type. No age factor.
#include "typologies/shared/VentanaTipologiaBase.h"

class CheckBox;

class Tipologia4 : public VentanaTipologiaBase {
    Q_OBJECT
public:
    Tipologia4();

    CDatosTip& Registro() const override;

    void ModificaDatos() override;
    void InicializaFechaV() override;
    void ObtenerEtiquetas() override;
    void DatosDescripcion() override;
    void DatosDescripcionE() override;

    // CL of the situation boxes as they are ticked: 0.3 in a basement, else 1.1 on a corner,
    // else 1.0.
    double CalcularCL() const;

protected:
    void PresentaSituacion() override;
    // The street list is emptied after the redraw of "Limpiar".
    void TrasLimpiar() override;

private:
    void Disenar();
    void ConectarPropios();
    // Defaults that follow the valuation year and the record's currency.
    void DefectosEjercicio();

    // A tick in one situation box unticks the other through the other's own handler.
    void Chkp4cl1_Click();
    void Chkp4cl2_Click();

    CheckBox* Chkp4cl1 = nullptr;
    CheckBox* Chkp4cl2 = nullptr;
};
