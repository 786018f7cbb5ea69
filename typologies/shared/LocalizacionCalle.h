#pragma once
// Location by municipality, street and portal. The street list holds the streets of the newest
// street table not later than the record's valuation year and version; the portal's parity
// picks the stretch of t06_calles_datos, whose zone places the property. Zones of 900 and
// above are refused in the windows whose data say so: the previous street and portal come back.
// A stretch whose zone code is no number counts as no stretch.
//
// Two kinds, told apart by what the stretch gives and where the zone value is read:
//  - LocalizacionCalleResidencial: the residential zone (box "txtp<N>nur", name "txtp<N>nor"),
//    its amounts read from t07_residencial;
//  - LocalizacionCalleComercial: the commercial subzone (box "txtp<N>nus"), its value VRC read
//    from t08_comercial.
#include "core/Consultas.h"
#include "typologies/shared/Localizacion.h"

class LocalizacionCalle : public ParteLocalizacion {
public:
    using ParteLocalizacion::ParteLocalizacion;

    void Conectar() override;
    void VaciarListas() override;
    void AlCargar() override;
    void TrasLimpiar() override;
    void VaciarLista() override;
    void ValoresIniciales() override;
    void Presenta() override;
    void RecalcularCadena() override;
    void Localizar(const QString& calleAnterior, int16_t portalAnterior) override;
    bool AbrirAlTeclear(QWidget* foco) override;

    // Flags of the street windows.
    bool bBorrarCalles = false;  // the next street load empties the list first
    bool bFocoPortal = false;    // the portal box has already taken the focus back once

protected:
    void CargarListaDependiente() override;
    bool ListaDependienteVacia() const override;
    void AlCambiarMunicipio() override;
    void TrasInicializarMunicipio() override;

    // The stretch query also selects the commercial subzone.
    virtual bool ConSubzona() const = 0;
    // A stretch in a zone that is valued: its zone (and subzone) into the part's boxes.
    virtual void TramoEncontrado(int16_t zona, const valoracion::Tramo& tramo) = 0;
    // No stretch covers the portal, or its zone code is no number.
    virtual void SinTramo() = 0;

    ComboBox* cmbcal_ = nullptr;
    CajaNum* txtnup_ = nullptr;

private:
    QString ConsultaCalles() const;
    void cmbcal_Click();
    void cmbcal_LostFocus();
    void txtnup_LostFocus();
};

class LocalizacionCalleResidencial : public LocalizacionCalle {
public:
    using LocalizacionCalle::LocalizacionCalle;
    void Conectar() override;
    // Street, portal, zone code and name, and the amounts of the window's data.
    void VaciarLugar(CDatosTip& r) override;
    // The zone row of t07_residencial: the zone name into its box and each amount of the
    // window's data, in the record's currency, into the record. No row (and, where the data
    // say so, a Null amount) empties the zone code and name and sets the amounts to 0.
    bool LeerValorZona() override;

protected:
    bool ConSubzona() const override;
    void TramoEncontrado(int16_t zona, const valoracion::Tramo& tramo) override;
    void SinTramo() override;

private:
    CajaNum* txtnur_ = nullptr;
    QLineEdit* txtnor_ = nullptr;
};

class LocalizacionCalleComercial : public LocalizacionCalle {
public:
    using LocalizacionCalle::LocalizacionCalle;
    void Conectar() override;
    // Street, portal, subzone and VRC.
    void VaciarLugar(CDatosTip& r) override;
    // VRC of the stored subzone from t08_comercial, in the record's currency. No row empties
    // the subzone and sets VRC to 0.
    bool LeerValorZona() override;

protected:
    bool ConSubzona() const override;
    void TramoEncontrado(int16_t zona, const valoracion::Tramo& tramo) override;
    void SinTramo() override;

private:
    QLineEdit* txtnus_ = nullptr;
};
