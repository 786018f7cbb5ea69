#pragma once
// The storage-room valuation window (typology 2) on the shared typology window. The formula is
// the dwelling's, V = [ VRR * CL + (1,38 * CC + 0,38 * VRR * CL) * (1 - D)] * SH, with VRR from
// the residential zone row, a fixed construction cost CC by valuation year, CL from the one
// basement box, SH = S * (7 / (S + 5) + k), the residential age scale, and every result 0
// while the zone has no value.
#include <functional>

#include "typologies/shared/VentanaTipologiaBase.h"

class CheckBox;
class cDatosTip2;

class Tipologia2 : public VentanaTipologiaBase {
    Q_OBJECT
public:
    Tipologia2();

    CDatosTip& Registro() const override;

    void ModificaDatos() override;
    void InicializaFechaV() override;
    // The zone lookup skips its failures: a zone that cannot be read counts as no zone.
    void BuscarZona(const QString& calleAnterior, int16_t portalAnterior) override;
    // The chain from the record skips its failures too: a chain that fails values nothing.
    void RecalcularDesdeRegistro() override;
    void CalcularValores() override;
    // The value chain from the record, with the zero guard; inside the zone lookup or the
    // chain from the record a chain that fails values nothing.
    void CadenaValores() override;
    void ObtenerEtiquetas() override;
    void DatosDescripcion() override;
    void DatosDescripcionE() override;

    // 0.30 in a basement, else 0.35.
    double CalcularCL();

protected:
    void PresentaSituacion() override;

private:
    void Disenar();
    void ConectarPropios();
    // The value chain; inside OmitiendoFallos a chain that fails values nothing.
    void Resultados();
    // Runs `pasos` with their failing steps skipped.
    void OmitiendoFallos(const std::function<void()>& pasos);
    // One step of a valuation: inside OmitiendoFallos a failing step is skipped (after
    // `alFallar`), elsewhere the failure goes on to the handler's guard.
    void Paso(const std::function<void()>& paso, const std::function<void()>& alFallar = {});

    void Chkp2cl1_Click();
    void optp2tvi_Click(int Index);

    CheckBox* Chkp2cl1 = nullptr;
    bool bOmitirFallos = false;  // inside OmitiendoFallos: failing steps are skipped
};
