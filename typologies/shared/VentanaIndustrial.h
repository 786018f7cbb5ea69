#pragma once
// The windows located by municipality, ponencia year and industrial zone (6, 8 and 9) on the
// shared typology window. Their records take the same defaults, for a new record and for a new
// valuation period, and their reports label the surface type and the situation the same way.
// What sets one apart is its data (DatosIndustriales): the year whose percentage RP a new
// record takes, and the one situation box "Chkp<N>cl1" with the CL it gives, where it has one.
#include <cstdint>
#include <optional>

#include "typologies/shared/VentanaTipologiaBase.h"

class CheckBox;

// The year whose percentage (t02_porcom) a new record takes as RP.
enum class AnoPorcentaje {
    Ejercicio,        // the valuation year
    AnoFechaOmision,  // the calendar year of the settings' date
};

struct DatosIndustriales {
    AnoPorcentaje porcentajeNuevo = AnoPorcentaje::Ejercicio;
    // CL while the situation box is ticked (1.0 while it is not); none: the window has no box.
    std::optional<double> clSituacion;
};

class VentanaIndustrial : public VentanaTipologiaBase {
    Q_OBJECT
public:
    VentanaIndustrial(const QString& nombre, ParametrosVentana parametros, DatosIndustriales datos);

    // An empty record ("V") takes the settings' date and currency, the valuation year of that
    // date and the defaults below; nothing for any other state.
    void ModificaDatos() override;
    // A new valuation period: date, year and currency stay, the rest starts again.
    void InicializaFechaV() override;
    // "sEtiquetaTSU" from the surface-type pair and, with a situation box, "sEtiquetaCL".
    void ObtenerEtiquetas() override;

protected:
    // Called by the constructor of a window with a situation box, after ConectarControles:
    // a click stores the box's code CL1 and writes its CL into the CL box. A window whose data
    // give a situation box that its layout lacks does not build (std::logic_error).
    void ConectarSituacion();
    void PresentaSituacion() override;

private:
    // Surface type, age mode, CL, percentage owned, RP of the year `anoPorcentaje`, the fixed
    // construction cost and the typed boxes' reset values; the zone list emptied.
    void Defectos(int16_t anoPorcentaje);
    double CalcularCL() const;

    DatosIndustriales datos_;
    CheckBox* chkcl1_ = nullptr;
};
