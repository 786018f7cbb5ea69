#include "typologies/shared/LocalizacionIndustrial.h"

#include "core/Consultas.h"
#include "core/GAyuda.h"
#include "core/Registros.h"
#include "core/Valoracion.h"
#include "platform/ComboBox.h"

void LocalizacionIndustrial::VaciarLugar(CDatosTip& r)
{
    r.Set(RecordCode::NUI, QString());
    r.Set(RecordCode::VRI, 0.0);
}

void LocalizacionIndustrial::Conectar()
{
    ParteLocalizacion::Conectar();
    cmbnui_ = Requerido<ComboBox>("cmb", "nui");
    v_.AlSalirDe(cmbnui_, [this] { cmbnui_LostFocus(); });
    v_.AlPulsarCombo(cmbnui_, [this] { cmbnui_Click(); });
}

void LocalizacionIndustrial::VaciarListas()
{
    ParteLocalizacion::VaciarListas();
    cmbnui_->Clear();
}

void LocalizacionIndustrial::VaciarLista() { cmbnui_->Clear(); }

bool LocalizacionIndustrial::AbrirAlTeclear(QWidget* foco)
{
    if (ParteLocalizacion::AbrirAlTeclear(foco))
        return true;
    if (foco && (foco == cmbnui_ || cmbnui_->isAncestorOf(foco))) {
        DesplegarCombo(*cmbnui_);
        return true;
    }
    return false;
}

bool LocalizacionIndustrial::HayZona() const { return !v_.Registro().Get(RecordCode::NUI).toString().isEmpty(); }

// Zone value and chain -----------------------------------------------------------------------------

bool LocalizacionIndustrial::LeerValorZona()
{
    const int municipio = CodigoMunicipio();
    if (municipio < 0)
        return false;
    CDatosTip& r = v_.Registro();
    const std::optional<valoracion::FilaValor> fila = valoracion::ValorIndustrial(
        municipio, r.Get(RecordCode::NUI).toString(), r.Get(RecordCode::AÑOP).toInt());
    r.Set(RecordCode::VRI, fila ? fila->EnMoneda(r.Get(RecordCode::MON).toString()) : 0.0);
    return true;
}

void LocalizacionIndustrial::Localizar(const QString&, int16_t) { v_.CalcularValores(); }

void LocalizacionIndustrial::RecalcularCadena()
{
    if (HayZona())
        v_.RecalcularDesdeRegistro();
}

// Municipality ------------------------------------------------------------------------------------

void LocalizacionIndustrial::CargarListaDependiente()
{
    cmbnui_->Clear();
    const int municipio = CodigoMunicipio();
    if (municipio < 0)
        return;
    const QStringList zonas = valoracion::ZonasIndustriales(municipio, v_.Registro().Get(RecordCode::AÑOP).toInt());
    for (const QString& zona : zonas)
        cmbnui_->AddItem(zona);
}

bool LocalizacionIndustrial::ListaDependienteVacia() const { return cmbnui_->ListCount() == 0; }

void LocalizacionIndustrial::CambiarMunicipio(const QString& municipio)
{
    CDatosTip& r = v_.Registro();
    QString s = municipio;
    v_.InicializaMunicipio(s);
    // The ponencia year is known before the zones of that year are listed.
    v_.PonenciaCambios();
    CargarListaDependiente();
    if (cmbnui_->ListCount() == 1) {
        // A single zone is valued at once; it is stored as the list shows it, so that the
        // list can show it.
        r.Set(RecordCode::NUI, cmbnui_->List(0));
        v_.CalcularValores();
    } else {
        // No zone, or a zone to choose: nothing is valued yet.
        r.Set(RecordCode::NUI, QString());
        r.Set(RecordCode::VRI, 0.0);
    }
    v_.PresentaDatos();
}

void LocalizacionIndustrial::cmbmun_Click()
{
    const int i = cmbmun_->ListIndex();
    if (i < 0 || cmbmun_->List(i) == v_.Registro().Get(RecordCode::MUN).toString())
        return;
    CambiarMunicipio(cmbmun_->List(i));
}

void LocalizacionIndustrial::cmbmun_LostFocus()
{
    // A typed text selects the first municipality it begins (as typed or in upper case),
    // which takes it through the Click; an entry already selected stays as it is.
    if (cmbmun_->ListIndex() < 0)
        v_.PosicionarCombo(cmbmun_, cmbmun_->Text(), false);
    const int i = cmbmun_->ListIndex();
    const QString guardado = v_.Registro().Get(RecordCode::MUN).toString();
    if (i < 0) {
        // Nothing matched: the record's municipality is shown again; the record, the zone
        // list and the results stay.
        cmbmun_->SetText(guardado);
        v_.PosicionarCombo(cmbmun_, guardado, true);
        return;
    }
    if (cmbmun_->List(i) != guardado)
        CambiarMunicipio(cmbmun_->List(i));
}

// Zone -----------------------------------------------------------------------------------------------

void LocalizacionIndustrial::TomarZona(const QString& zona)
{
    v_.Registro().Set(RecordCode::NUI, zona);
    v_.CalcularValores();
    v_.PresentaDatos();
}

void LocalizacionIndustrial::cmbnui_Click()
{
    const int i = cmbnui_->ListIndex();
    if (i < 0 || cmbnui_->List(i) == v_.Registro().Get(RecordCode::NUI).toString())
        return;
    TomarZona(cmbnui_->List(i));
}

void LocalizacionIndustrial::cmbnui_LostFocus()
{
    const QString guardada = v_.Registro().Get(RecordCode::NUI).toString();
    if (!cmbmun_->Text().isEmpty() && !cmbnui_->Text().isEmpty()) {
        // A typed zone selects the first zone it begins (as typed or in upper case), which
        // takes it through the Click; an entry already selected stays as it is. A text that
        // begins none is replaced by the record's zone. With an empty list the typed text
        // stays in the box and is not taken.
        if (cmbnui_->ListIndex() < 0)
            v_.PosicionarCombo(cmbnui_, cmbnui_->Text(), false);
        if (cmbnui_->Text().isEmpty())
            v_.PosicionarCombo(cmbnui_, guardada, true);
    } else {
        // An emptied zone, or no municipality: the record's zone comes back.
        v_.PosicionarCombo(cmbnui_, guardada, true);
    }
    const int i = cmbnui_->ListIndex();
    if (i >= 0 && cmbnui_->List(i) != v_.Registro().Get(RecordCode::NUI).toString())
        TomarZona(cmbnui_->List(i));
}

// Redraw ------------------------------------------------------------------------------------------------

void LocalizacionIndustrial::Presenta()
{
    const CDatosTip& r = v_.Registro();
    v_.PosicionarCombo(cmbmun_, r.Get(RecordCode::MUN).toString(), true);
    const QString zona = r.Get(RecordCode::NUI).toString();
    v_.PosicionarCombo(cmbnui_, zona, true);
    // Loaded again over a record with a zone: the zone list of the municipality's ponencia
    // year is read and the record's zone selected in it (nothing to read while no
    // municipality is selected).
    if (cmbnui_->ListCount() == 0 && !cmbnui_->Text().isEmpty() && CodigoMunicipio() >= 0) {
        CargarListaDependiente();
        v_.PosicionarCombo(cmbnui_, zona, true);
    }
}
