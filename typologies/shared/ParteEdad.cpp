#include "typologies/shared/ParteEdad.h"

#include <cmath>

#include "core/Globals.h"
#include "core/Valoracion.h"
#include "platform/CajaNum.h"
#include "platform/MaskEdBox.h"
#include "platform/MsgBox.h"
#include "platform/NumberFormat.h"
#include "platform/Option.h"
#include "typologies/shared/ParteFecha.h"

ParteEdad::ParteEdad(AnfitrionParte& ventana) : ParteVentana(ventana), v_(ventana) {}

void ParteEdad::Conectar()
{
    txtantd1_ = Requerido<CajaNum>("txt", "antd1");
    txtantd2_ = Requerido<MaskEdBox>("txt", "antd2");
    txtant_ = Requerido<CajaNum>("txt", "ant");
    txtdep_ = Requerido<CajaNum>("txt", "dep");
    grupo_ = Nombre("opt", "anttipo");
    v_.AlSalirDe(txtantd1_, [this] { txtantd1_LostFocus(); });
    v_.AlSalirDe(txtantd2_, [this] { txtantd2_LostFocus(); });
    for (int i = 0; i < 2; ++i) {
        const QString n = NombreOpcion(grupo_, i);
        auto* opcion = qobject_cast<OptionButton*>(RequeridoNombre(n));
        if (!opcion)
            throw std::logic_error(("The control " + n + " is not an option.").toStdString());
        v_.AlPulsarOpcion(opcion, [this, i] { optanttipo_Click(i); });
    }
}

void ParteEdad::Formatos() { ParteFecha::FormatoFecha(txtantd2_); }

void ParteEdad::ValoresIniciales() { txtantd1_->setValor(QStringLiteral("0")); }

void ParteEdad::Presenta()
{
    CDatosTip& r = v_.Registro();
    const bool porFecha = r.Get(RecordCode::ANTTIPO).toString() != QLatin1String("A");
    // The mode option's own work (resetting the age) must not run on a redraw.
    bPresentando = true;
    try {
        v_.MarcarOpcion(grupo_, porFecha ? 1 : 0);
    } catch (...) {
        bPresentando = false;
        throw;
    }
    bPresentando = false;
    MostrarCajasEdad(porFecha);
    const int32_t antdat = r.Get(RecordCode::ANTDAT).toInt();
    if (!porFecha)
        v_.EscribirCaja(txtantd1_, antdat == 0 ? QString() : QString::number(antdat));
    else
        txtantd2_->SetText(antdat != 0 ? gFecha().LongToString(antdat) : gFecha().FecVacia());
}

void ParteEdad::MostrarCajasEdad(bool porFecha)
{
    const CajasEdad modo = v_.Parametros().cajasEdad;
    const bool ocultar = modo == CajasEdad::OcultarLaOtra;
    const bool deshabilitar = modo == CajasEdad::DeshabilitarLaOtra;
    const Qt::FocusPolicy sinFoco = deshabilitar ? Qt::NoFocus : Qt::ClickFocus;
    QWidget* delModo = porFecha ? static_cast<QWidget*>(txtantd2_) : txtantd1_;
    QWidget* otra = porFecha ? static_cast<QWidget*>(txtantd1_) : txtantd2_;
    if (ocultar) {
        otra->setVisible(false);
        delModo->setVisible(true);
    }
    if (deshabilitar) {
        otra->setEnabled(false);
        delModo->setEnabled(true);
    }
    otra->setFocusPolicy(sinFoco);
    delModo->setFocusPolicy(Qt::StrongFocus);
}

double ParteEdad::CalcularD(int16_t n) const
{
    return valoracion::CoeficienteEdad(valoracion::EscalaDeTipologia(v_.Parametros().tipo), n);
}

void ParteEdad::CalcularDepreciacion()
{
    CDatosTip& r = v_.Registro();
    if (r.Get(RecordCode::ANTTIPO).toString() == QLatin1String("A")) {
        v_.EscribirCaja(txtant_, txtantd1_->texto());
    } else {
        // Whole years between two yyyymmdd numbers: the month-and-day part of the
        // difference never reaches 10000.
        const int32_t d = r.Get(RecordCode::FECV).toInt() - r.Get(RecordCode::ANTDAT).toInt();
        v_.EscribirCaja(txtant_, FormatNumber(d, QStringLiteral("00000000")).left(4));
    }
    const auto anos = static_cast<int16_t>(r.Get(RecordCode::ANT).toInt());
    v_.EscribirCaja(txtdep_, TextoNumero(CalcularD(anos)));
}

bool ParteEdad::ValidarFechaR(QString& sFecha)
{
    if (!gFecha().EsFecha(sFecha, 1800)) {
        MsgBox(Res(108), 48, Res(50));
        return false;
    }
    const int32_t n = gFecha().StringToLong(sFecha, 0);
    const int32_t fecv = v_.Registro().Get(RecordCode::FECV).toInt();
    if (n > fecv) {
        MsgBox(Res(109) + (v_.Parametros().dosPuntosTrasFechaR ? QStringLiteral(":") : QString()) +
                   gFecha().LongToString(fecv).trimmed(),
               48, Res(50));
        return false;
    }
    return true;
}

void ParteEdad::optanttipo_Click(int Index)
{
    auto* opcion = qobject_cast<OptionButton*>(v_.Buscar(NombreOpcion(grupo_, Index)));
    if (bPresentando || !opcion || !opcion->Value())
        return;
    CDatosTip& r = v_.Registro();
    v_.EscribirCaja(txtantd1_, QString());
    txtantd1_->setValor(QStringLiteral("0"));
    txtantd2_->SetText(gFecha().LongToString(r.Get(RecordCode::FECV).toInt()));
    if (Index != 0) {
        r.Set(RecordCode::ANTTIPO, QStringLiteral("F"));
        MostrarCajasEdad(true);
        r.Set(RecordCode::ANTDAT, gFecha().StringToLong(txtantd2_->Text(), 0));
    } else {
        r.Set(RecordCode::ANTTIPO, QStringLiteral("A"));
        MostrarCajasEdad(false);
        r.Set(RecordCode::ANTDAT, static_cast<int>(std::lround(ParseNumber(txtantd1_->texto()))));
    }
    CalcularDepreciacion();
    v_.RefrescoCadena();
}

void ParteEdad::txtantd1_LostFocus()
{
    CDatosTip& r = v_.Registro();
    const double v = ParseNumber(txtantd1_->texto());
    if (v == r.Get(RecordCode::ANTDAT).toDouble())
        return;
    r.Set(RecordCode::ANTDAT, static_cast<int>(std::lround(v)));
    CalcularDepreciacion();
    v_.RefrescoCadena();
}

void ParteEdad::txtantd2_LostFocus()
{
    CDatosTip& r = v_.Registro();
    const auto guardada = [&] { return gFecha().LongToString(r.Get(RecordCode::ANTDAT).toInt()); };
    // The box cannot be emptied: the stored date comes back.
    if (txtantd2_->Text() == gFecha().FecVacia())
        txtantd2_->SetText(guardada());
    QString s = txtantd2_->Text();
    if (ValidarFechaR(s)) {
        if (txtantd2_->Text() != guardada()) {
            r.Set(RecordCode::ANTDAT, gFecha().StringToLong(txtantd2_->Text(), 0));
            CalcularDepreciacion();
            v_.RefrescoCadena();
        }
    } else {
        txtantd2_->SetText(guardada());
        v_.PonerFoco(txtantd2_);
    }
}
