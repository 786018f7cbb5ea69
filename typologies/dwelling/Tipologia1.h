#pragma once
// The dwelling valuation window (typology 1) on the shared typology window:
// V = [ VRR * CL + (1,38 * CC + 0,38 * VRR * CL) * (1 - D)] * SH, with VRR and CC from the
// residential zone row, CL from four situation boxes, SH by class and surface type and the
// residential age scale.
#include <initializer_list>

#include "typologies/shared/VentanaTipologiaBase.h"

class CheckBox;
class CDatosTip1;

class Tipologia1 : public VentanaTipologiaBase {
    Q_OBJECT
public:
    Tipologia1();

    CDatosTip& Registro() const override;

    void ModificaDatos() override;
    void InicializaFechaV() override;
    void PresentaDatos() override;
    void ObtenerEtiquetas() override;
    void DatosDescripcion() override;
    void DatosDescripcionE() override;

    // CL of the first ticked situation box (0.3, 0.7, 0.8, 0.8), 1.0 when none is ticked.
    double CalcularCL();

protected:
    void TrasLimpiar() override;

private:
    void Disenar();
    void ConectarPropios();
    // The defaults that depend neither on the settings nor on the date: state "L", a flat,
    // CL 1, usable surface, 100 %, age in years.
    void Predeterminados();
    // The situation boxes by class (enabled for a block of flats, else disabled and unticked),
    // then their ticks from the record.
    void PresentaSituacion() override;

    void Chkp1cl1_Click();
    void Chkp1cl2_Click();
    void Chkp1cl3_Click();
    void Chkp1cl4_Click();
    void optp1tvi_Click(int Index);

    CheckBox* Chkp1cl1 = nullptr;
    CheckBox* Chkp1cl2 = nullptr;
    CheckBox* Chkp1cl3 = nullptr;
    CheckBox* Chkp1cl4 = nullptr;
};
