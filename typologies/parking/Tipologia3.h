#pragma once
// The garage and parking valuation window (typology 3) on the shared typology window:
// V = MP * CS * CG, with MP the parking module of the residential zone, CS from the surface
// and its type, CG 1.1 for a garage and 1.0 for a parking space. No age, no location
// coefficient and no split into land and construction: after V only the common chain.
#include "typologies/shared/VentanaTipologiaBase.h"

class Tipologia3 : public VentanaTipologiaBase {
    Q_OBJECT
public:
    Tipologia3();

    CDatosTip& Registro() const override;

    void ModificaDatos() override;
    void InicializaFechaV() override;
    void PresentaDatos() override;
    void ObtenerEtiquetas() override;
    void DatosDescripcion() override;
    void DatosDescripcionE() override;

    // CS of the stored surface for a surface type: "U" usable, anything else built.
    double CalcularCS(QString& tipoSuperficie) const;

protected:
    void SuperficieAceptada() override;

private:
    void Disenar();
    // Defaults of a new valuation: a parking space on usable surface, CG 1.0, 100 %.
    void DefectosPropiedad();
    // Defaults that follow the valuation year: RP of the year, the reset values of the typed
    // boxes, an empty street list.
    void DefectosEjercicio();
    // CS of the stored surface and surface type into its box (an empty box for 0).
    void PonerCS();
    // A parking space is always valued on usable surface: the surface-type options are
    // disabled and the usable one selected.
    void PresentaTipoSuperficie();

    void optp3tga_Click(int Index);

    CajaNum* txtp3ccs = nullptr;
};
