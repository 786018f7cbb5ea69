#pragma once
// Location by municipality, ponencia year and industrial zone (windows 6, 8 and 9). The user
// picks the municipality in cmbp<N>mun, which fixes the ponencia year and the update
// coefficient and lists the industrial zones of that ponencia year in cmbp<N>nui; picking a
// zone values the property. A municipality with a single zone is valued at once.
//
// The part owns every step of that location, in this order:
//  - a municipality chosen (its Click, or leaving the list with a typed text): the window's
//    InicializaMunicipio, its PonenciaCambios, the zone list of the new ponencia year, the
//    one-zone rule (a single zone is stored as the list shows it and valued), one redraw;
//  - a zone chosen (its Click, or leaving the list with a typed text that begins an entry, in
//    any letter case): the zone stored and valued (CalcularValores), one redraw; an emptied or
//    unknown zone text puts the record's zone back;
//  - the redraw (Presenta): both lists positioned on exactly the record's texts; a zone list
//    emptied by a new load is read again for a record that has a zone;
//  - the value chain recomputed from the record only while a zone is set;
//  - the zone list emptied on load (VaciarListas) and with new defaults (VaciarLista); typing
//    in either list opens it.
//
// The record of the window must have MUN, NUI, AÑOP, MON, VRI and the results VAD, VAC, VCO,
// VAF, VSF, VCF; the part reaches them by code, so the one part serves records 6, 8 and 9.
#include "typologies/shared/Localizacion.h"

class LocalizacionIndustrial : public ParteLocalizacion {
public:
    using ParteLocalizacion::ParteLocalizacion;

    // The industrial zone and VRI.
    void VaciarLugar(CDatosTip& r) override;
    void Conectar() override;
    void VaciarListas() override;
    void TrasLimpiar() override {}
    void VaciarLista() override;
    void Presenta() override;
    // With a zone set: the window's chain from the record (RecalcularDesdeRegistro).
    void RecalcularCadena() override;
    // The zone is the record's: only its value is read (the window's CalcularValores).
    void Localizar(const QString& calleAnterior, int16_t portalAnterior) override;
    // VRI of the record's zone (trimmed) for the selected municipality and the record's
    // ponencia year, in the record's currency: no row, a Null or an empty amount give 0; an
    // amount that is no number is a failing lookup (std::runtime_error), the record untouched.
    // A row's currency is compared trimmed; a row in the record's currency is taken as it is,
    // an "E" row in a "P" record converted to pesetas, any other row divided into cents.
    bool LeerValorZona() override;
    bool AbrirAlTeclear(QWidget* foco) override;

protected:
    void cmbmun_Click() override;
    void cmbmun_LostFocus() override;
    void CargarListaDependiente() override;
    bool ListaDependienteVacia() const override;

private:
    // Steps of a municipality change once its entry is selected.
    void CambiarMunicipio(const QString& municipio);
    // Stores a chosen zone and values it.
    void TomarZona(const QString& zona);
    bool HayZona() const;
    void cmbnui_Click();
    void cmbnui_LostFocus();

    ComboBox* cmbnui_ = nullptr;
};
