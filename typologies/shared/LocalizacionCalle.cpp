#include "typologies/shared/LocalizacionCalle.h"

#include <QLineEdit>
#include <cmath>
#include <stdexcept>

#include "core/Consultas.h"
#include "core/GAyuda.h"
#include "core/Globals.h"
#include "core/Registros.h"
#include "core/Valoracion.h"
#include "platform/CajaNum.h"
#include "platform/ComboBox.h"
#include "platform/MsgBox.h"
#include "platform/NumberFormat.h"

// Street and portal ---------------------------------------------------------------------------

void LocalizacionCalle::Conectar()
{
    ParteLocalizacion::Conectar();
    cmbcal_ = Requerido<ComboBox>("cmb", "cal");
    txtnup_ = Requerido<CajaNum>("txt", "nup");
    v_.AlSalirDe(txtnup_, [this] { txtnup_LostFocus(); });
    v_.AlSalirDe(cmbcal_, [this] { cmbcal_LostFocus(); });
    v_.AlPulsarCombo(cmbcal_, [this] { cmbcal_Click(); });
}

void LocalizacionCalle::VaciarListas()
{
    ParteLocalizacion::VaciarListas();
    cmbcal_->Clear();
}

void LocalizacionCalle::AlCargar()
{
    bBorrarCalles = false;
    bFocoPortal = false;
}

void LocalizacionCalle::TrasLimpiar()
{
    bBorrarCalles = true;
    bFocoPortal = true;
}

void LocalizacionCalle::VaciarLista() { cmbcal_->Clear(); }

void LocalizacionCalle::ValoresIniciales() { txtnup_->setValor(QStringLiteral("0")); }

void LocalizacionCalle::AlCambiarMunicipio() { bBorrarCalles = true; }

void LocalizacionCalle::TrasInicializarMunicipio() { txtnup_->setValor(QStringLiteral("0")); }

bool LocalizacionCalle::AbrirAlTeclear(QWidget* foco)
{
    if (ParteLocalizacion::AbrirAlTeclear(foco))
        return true;
    if (foco && (foco == cmbcal_ || cmbcal_->isAncestorOf(foco))) {
        DesplegarCombo(*cmbcal_);
        return true;
    }
    return false;
}

QString LocalizacionCalle::ConsultaCalles() const
{
    const CDatosTip& r = v_.Registro();
    return QStringLiteral(
               "select distinct t05_ano,t05_ver,t05_codcal,t05_nomcal from t05_calles_nombre where t05_codmun=") +
           QString::number(CodigoMunicipio()) + QStringLiteral(" And t05_ano<=") +
           QString::number(r.Get(RecordCode::EJER).toInt()) + QStringLiteral(" And t05_ver<=") +
           QString::number(r.Get(RecordCode::VER).toInt()) +
           QStringLiteral(" order by t05_ano desc,t05_ver desc,t05_nomcal");
}

void LocalizacionCalle::CargarListaDependiente() { CargarCalles(bBorrarCalles, ConsultaCalles(), *cmbcal_); }

bool LocalizacionCalle::ListaDependienteVacia() const { return cmbcal_->ListCount() == 0; }

void LocalizacionCalle::Presenta()
{
    const CDatosTip& r = v_.Registro();
    // The lists are positioned on exactly the record's names.
    v_.PosicionarCombo(cmbmun_, r.Get(RecordCode::MUN).toString(), true);
    const QString calle = r.Get(RecordCode::CAL).toString();
    v_.PosicionarCombo(cmbcal_, calle, true);
    // Opened again over a record with a street: the street list is loaded and the record's
    // street selected, so that a new portal looks the zone up in that street.
    if (cmbcal_->ListCount() == 0 && !cmbcal_->Text().isEmpty() && cmbmun_->ListIndex() >= 0) {
        bool limpiar = false;
        CargarCalles(limpiar, ConsultaCalles(), *cmbcal_);
        for (int i = 0; i < cmbcal_->ListCount(); ++i)
            if (cmbcal_->List(i) == calle) {
                cmbcal_->SetListIndex(i);
                v_.RelanzarPendiente();
                break;
            }
    }
}

void LocalizacionCalle::RecalcularCadena()
{
    const CDatosTip& r = v_.Registro();
    if (!r.Get(RecordCode::CAL).toString().isEmpty() && r.Get(RecordCode::NUP).toInt() != 0)
        v_.RecalcularDesdeRegistro();
}

void LocalizacionCalle::cmbcal_Click()
{
    CDatosTip& r = v_.Registro();
    const int i = cmbcal_->ListIndex();
    if (i < 0 || cmbcal_->List(i) == r.Get(RecordCode::CAL).toString())
        return;
    const QString calleAnterior = r.Get(RecordCode::CAL).toString();
    const auto portalAnterior = static_cast<int16_t>(r.Get(RecordCode::NUP).toInt());
    r.Set(RecordCode::CAL, cmbcal_->List(i));
    if (r.Get(RecordCode::NUP).toInt() != 0)
        v_.BuscarZona(calleAnterior, portalAnterior);
    v_.PresentaDatos();
}

void LocalizacionCalle::cmbcal_LostFocus()
{
    const CDatosTip& r = v_.Registro();
    if (cmbcal_->Text().isEmpty() || cmbmun_->Text().isEmpty())
        cmbcal_->SetText(r.Get(RecordCode::CAL).toString());
    if (cmbcal_->ListIndex() < 0)
        v_.PosicionarCombo(cmbcal_, cmbcal_->Text(), false);
    if (cmbcal_->ListIndex() < 0) {
        // A street that is not in the list is not taken: the stored street, the one valued
        // and printed, is shown again.
        const QString calle = r.Get(RecordCode::CAL).toString();
        cmbcal_->SetText(calle);
        v_.PosicionarCombo(cmbcal_, calle, true);
    }
    if (cmbcal_->ListIndex() >= 0)
        cmbcal_Click();
}

void LocalizacionCalle::txtnup_LostFocus()
{
    CDatosTip& r = v_.Registro();
    const int n = static_cast<int>(Val(txtnup_->texto()));
    const int guardado = r.Get(RecordCode::NUP).toInt();
    if (n == 0) {
        v_.EscribirCaja(txtnup_, FormatNumber(guardado, txtnup_->formato()));
        if (!bFocoPortal) {
            v_.PonerFoco(txtnup_);
            bFocoPortal = true;
        }
        return;
    }
    if (n == guardado)
        return;
    const QString calleAnterior = r.Get(RecordCode::CAL).toString();
    const auto portalAnterior = static_cast<int16_t>(guardado);
    r.Set(RecordCode::NUP, static_cast<int>(std::lround(ParseNumber(txtnup_->texto()))));
    if (!r.Get(RecordCode::CAL).toString().isEmpty())
        v_.BuscarZona(calleAnterior, portalAnterior);
    v_.PresentaDatos();
}

void LocalizacionCalle::Localizar(const QString& calleAnterior, int16_t portalAnterior)
{
    CDatosTip& r = v_.Registro();
    const ParametrosVentana& p = v_.Parametros();
    const int cal = cmbcal_->ListIndex();
    const std::optional<valoracion::AnoVersion> lista = valoracion::AnoVersionDeEtiqueta(cmbcal_->Tag());
    if (CodigoMunicipio() < 0 || cal < 0 || !lista)
        throw std::runtime_error(
            SegunIdioma(QStringLiteral("La calle elegida no está en la lista de calles del municipio."),
                        QStringLiteral("Aukeratutako kalea ez dago udalerriko kale zerrendan."))
                .toStdString());
    const std::optional<valoracion::Tramo> tramo = valoracion::BuscarTramo(
        CodigoMunicipio(), cmbcal_->ItemData(cal), *lista, r.Get(RecordCode::NUP).toInt(), ConSubzona());
    // A stretch whose zone code is no number counts as no stretch in every street window: the
    // zone (or subzone) box is emptied and the valuation finds no zone value, as for a portal
    // no stretch covers. The street is taken, so the screen and the record agree.
    if (!tramo || !valoracion::EsCodigoZona(tramo->zona)) {
        SinTramo();
        v_.CalcularValores();
        return;
    }
    const int16_t zona = valoracion::ZonaDeCampo(tramo->zona);
    if (p.idZona9xx != 0 && zona >= 900) {
        // Not valued here: the previous street and portal come back, the valuation stays.
        MsgBox(Res(p.idZona9xx));
        cmbcal_->SetText(calleAnterior);
        r.Set(RecordCode::CAL, calleAnterior);
        const QString anterior = QString::number(portalAnterior);
        v_.EscribirCaja(txtnup_, anterior);
        txtnup_->setValor(anterior);
        r.Set(RecordCode::NUP, static_cast<int>(portalAnterior));
        v_.PonerFoco(txtnup_);
        return;
    }
    TramoEncontrado(zona, *tramo);
    v_.CalcularValores();
}

// Residential zone ------------------------------------------------------------------------------

void LocalizacionCalleResidencial::Conectar()
{
    LocalizacionCalle::Conectar();
    txtnur_ = Requerido<CajaNum>("txt", "nur");
    txtnor_ = Requerido<QLineEdit>("txt", "nor");
}

void LocalizacionCalleResidencial::VaciarLugar(CDatosTip& r)
{
    r.Set(RecordCode::CAL, QString());
    r.Set(RecordCode::NUP, 0);
    r.Set(RecordCode::NUR, 0);
    r.Set(RecordCode::NOR, QString());
    for (const auto& importe : v_.Parametros().importesZona)
        r.Set(importe.codigo, 0.0);
}

bool LocalizacionCalleResidencial::ConSubzona() const { return false; }

void LocalizacionCalleResidencial::TramoEncontrado(int16_t zona, const valoracion::Tramo&)
{
    v_.EscribirCaja(txtnur_, QString::number(zona));
}

void LocalizacionCalleResidencial::SinTramo() { v_.EscribirCaja(txtnur_, QString()); }

bool LocalizacionCalleResidencial::LeerValorZona()
{
    const int municipio = CodigoMunicipio();
    if (municipio < 0)
        return false;
    CDatosTip& r = v_.Registro();
    const ParametrosVentana& p = v_.Parametros();
    QStringList campos;
    for (const auto& importe : p.importesZona)
        campos << importe.campo;
    const std::optional<valoracion::FilaZona> fila = valoracion::FilaResidencial(
        municipio, r.Get(RecordCode::NUR).toInt(), r.Get(RecordCode::AÑOP).toInt(), campos);
    if (!fila || (p.importeNuloSinFila && fila->faltaImporte)) {
        v_.EscribirCaja(txtnur_, QString());
        v_.EscribirTexto(txtnor_, QString());
        for (const auto& importe : p.importesZona)
            r.Set(importe.codigo, 0);
        return true;
    }
    v_.EscribirTexto(txtnor_, fila->nombre);
    const QString moneda = r.Get(RecordCode::MON).toString();
    for (std::size_t k = 0; k < p.importesZona.size(); ++k)
        r.Set(p.importesZona[k].codigo, fila->EnMoneda(k, moneda));
    return true;
}

// Commercial subzone ----------------------------------------------------------------------------

void LocalizacionCalleComercial::Conectar()
{
    LocalizacionCalle::Conectar();
    txtnus_ = Requerido<QLineEdit>("txt", "nus");
}

void LocalizacionCalleComercial::VaciarLugar(CDatosTip& r)
{
    r.Set(RecordCode::CAL, QString());
    r.Set(RecordCode::NUP, 0);
    r.Set(RecordCode::NUS, QString());
    r.Set(RecordCode::VRC, 0.0);
}

bool LocalizacionCalleComercial::ConSubzona() const { return true; }

void LocalizacionCalleComercial::TramoEncontrado(int16_t, const valoracion::Tramo& tramo)
{
    v_.EscribirTexto(txtnus_, tramo.subzona);
}

void LocalizacionCalleComercial::SinTramo() { v_.EscribirTexto(txtnus_, QString()); }

bool LocalizacionCalleComercial::LeerValorZona()
{
    const int municipio = CodigoMunicipio();
    if (municipio < 0)
        return false;
    CDatosTip& r = v_.Registro();
    const std::optional<valoracion::FilaValor> fila = valoracion::ValorComercial(
        municipio, r.Get(RecordCode::NUS).toString(), r.Get(RecordCode::AÑOP).toInt());
    if (!fila) {
        v_.EscribirTexto(txtnus_, QString());
        r.Set(RecordCode::VRC, 0);
        return true;
    }
    r.Set(RecordCode::VRC, fila->EnMoneda(r.Get(RecordCode::MON).toString()));
    return true;
}
