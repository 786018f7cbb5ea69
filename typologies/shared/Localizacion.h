#pragma once
// The location part of a typology window: the controls that say where the property is, their
// handlers, and the reading of the zone value of that place. A window is given one part by its
// data (ParametrosVentana::localizacion):
//  - street and portal with the residential zone of the stretch (LocalizacionCalle.h);
//  - street and portal with the commercial subzone of the stretch (LocalizacionCalle.h);
//  - municipality, ponencia year and industrial zone (LocalizacionIndustrial.h).
//
// Calls go one way: the window owns its part and calls the hooks below; the part reaches the
// window only through AnfitrionLocalizacion: the common services (Parte.h) and the steps of the
// window's cycle that a change of place sets off (a new municipality, a zone lookup, a redraw).
#include <QString>
#include <QWidget>
#include <cstdint>
#include <stdexcept>
#include <functional>
#include <memory>

#include "typologies/shared/Parte.h"

class CDatosTip;
class CajaNum;
class ComboBox;
class QLineEdit;
class QWidget;

// What a location part uses of its window besides the common services: the steps of the
// window's cycle that a change of place sets off.
class AnfitrionLocalizacion : public virtual AnfitrionParte {
public:
    virtual void InicializaMunicipio(QString& smunicipio) = 0;
    virtual void PonenciaCambios() = 0;
    // The stored place changed: its zone is looked up again and valued (CalcularValores); a zone
    // the window refuses puts the previous street and portal back.
    virtual void BuscarZona(const QString& calleAnterior, int16_t portalAnterior) = 0;
    // The value chain recomputed from the record, the place unchanged.
    virtual void RecalcularDesdeRegistro() = 0;
    virtual void CalcularValores() = 0;

protected:
    ~AnfitrionLocalizacion() = default;
};

class ParteLocalizacion : public ParteVentana {
public:
    explicit ParteLocalizacion(AnfitrionLocalizacion& ventana);

    // Finds the part's controls (the municipality list "cmbp<N>mun" and the part's own) and
    // connects their handlers. A control the part needs that the window lacks stops
    // construction (std::logic_error naming it).
    virtual void Conectar();

    // A new municipality in the record: MUN, the place the part keeps and its zone values
    // emptied, the results 0. Ponencia year, coefficient and every input stay.
    void InicializaMunicipio(CDatosTip& r, const QString& smunicipio);

    // Municipality list of a valuation year.
    void CargarMunicipios(int16_t ejercicio);
    // Code of the selected municipality, or -1 when none is selected.
    int CodigoMunicipio() const;
    ComboBox* Municipios() const { return cmbmun_; }

    // A window loaded anew: the lists start empty, as new controls would.
    virtual void VaciarListas();
    // Every load (also of a stale hidden window): the part's flags start again.
    virtual void AlCargar() {}
    // After "Limpiar": the next load of the dependent list empties it first.
    virtual void TrasLimpiar() = 0;
    // Empties the list that depends on the municipality (streets or zones).
    virtual void VaciarLista() = 0;
    // Reset values of the part's typed boxes.
    virtual void ValoresIniciales() {}
    // Redraw step: the lists positioned on exactly the record's names (and a dependent list
    // loaded again when the window was reopened over a located record).
    virtual void Presenta() = 0;
    // The value chain from the record when the place is complete (no database access).
    virtual void RecalcularCadena() = 0;
    // The window's BuscarZona: finds the zone of the stored place, then CalcularValores, or
    // refuses the place and puts the previous one back.
    virtual void Localizar(const QString& calleAnterior, int16_t portalAnterior) = 0;
    // The zone value of the stored place into the record, in the record's currency (a place
    // with no row: the zone emptied, the value 0). False, with nothing changed, while no
    // municipality is selected.
    virtual bool LeerValorZona() = 0;
    // A key typed in one of the part's lists opens it (true when `foco` is one of them).
    virtual bool AbrirAlTeclear(QWidget* foco);

protected:
    // Municipality handlers: a new municipality resets the place and its ponencia year.
    virtual void cmbmun_Click();
    virtual void cmbmun_LostFocus();
    // Loads the list that depends on the municipality.
    virtual void CargarListaDependiente() = 0;
    // The dependent list is empty (a typed municipality then loads it).
    virtual bool ListaDependienteVacia() const = 0;
    // Another municipality was chosen: the next load of the dependent list empties it first.
    virtual void AlCambiarMunicipio() {}
    // The codes of the place and of its zone values, emptied for a new municipality.
    virtual void VaciarLugar(CDatosTip& r) = 0;
    // The part's reset after the window's InicializaMunicipio.
    virtual void TrasInicializarMunicipio() {}

    AnfitrionLocalizacion& v_;
    ComboBox* cmbmun_ = nullptr;
};
