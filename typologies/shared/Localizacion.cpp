#include "typologies/shared/Localizacion.h"

#include "core/GAyuda.h"
#include "core/Globals.h"
#include "core/Recursos.h"
#include "core/Registros.h"
#include "platform/ComboBox.h"

ParteLocalizacion::ParteLocalizacion(AnfitrionLocalizacion& ventana) : ParteVentana(ventana), v_(ventana) {}

void ParteLocalizacion::Conectar()
{
    cmbmun_ = Requerido<ComboBox>("cmb", "mun");
    v_.AlSalirDe(cmbmun_, [this] { cmbmun_LostFocus(); });
    v_.AlPulsarCombo(cmbmun_, [this] { cmbmun_Click(); });
}

void ParteLocalizacion::InicializaMunicipio(CDatosTip& r, const QString& smunicipio)
{
    r.Set(RecordCode::MUN, smunicipio);
    VaciarLugar(r);
    for (RecordCode c :
         {RecordCode::VAD, RecordCode::VAC, RecordCode::VCO, RecordCode::VAF, RecordCode::VSF, RecordCode::VCF})
        if (r.Has(c))
            r.Set(c, 0.0);
}

void ParteLocalizacion::CargarMunicipios(int16_t ejercicio) { ::CargarMunicipios(*cmbmun_, ejercicio); }

int ParteLocalizacion::CodigoMunicipio() const
{
    const int i = cmbmun_->ListIndex();
    return i < 0 ? -1 : static_cast<int>(cmbmun_->ItemData(i));
}

void ParteLocalizacion::VaciarListas() { cmbmun_->Clear(); }

bool ParteLocalizacion::AbrirAlTeclear(QWidget* foco)
{
    if (foco && (foco == cmbmun_ || cmbmun_->isAncestorOf(foco))) {
        DesplegarCombo(*cmbmun_);
        return true;
    }
    return false;
}

void ParteLocalizacion::cmbmun_Click()
{
    const int i = cmbmun_->ListIndex();
    if (i < 0 || cmbmun_->List(i) == v_.Registro().Get(RecordCode::MUN).toString())
        return;
    AlCambiarMunicipio();
    QString municipio = cmbmun_->List(i);
    v_.InicializaMunicipio(municipio);
    TrasInicializarMunicipio();
    v_.PonenciaCambios();
    v_.PresentaDatos();
    CargarListaDependiente();
}

void ParteLocalizacion::cmbmun_LostFocus()
{
    const CDatosTip& r = v_.Registro();
    // Typed text selects the entry it names (any letter case), else the first it begins; a
    // selected entry stays as it is.
    if (cmbmun_->ListIndex() < 0)
        v_.PosicionarCombo(cmbmun_, cmbmun_->Text(), false);
    const int i = cmbmun_->ListIndex();
    if (i >= 0) {
        if (cmbmun_->List(i) != r.Get(RecordCode::MUN).toString()) {
            AlCambiarMunicipio();
            if (!ListaDependienteVacia())
                return;
            CargarListaDependiente();
            QString municipio = cmbmun_->List(i);
            v_.InicializaMunicipio(municipio);
            TrasInicializarMunicipio();
            v_.PonenciaCambios();
            v_.PresentaDatos();
        }
    } else {
        const QString municipio = r.Get(RecordCode::MUN).toString();
        cmbmun_->SetText(municipio);
        v_.PosicionarCombo(cmbmun_, municipio, true);
    }
}
