#include "typologies/shared/ParteSuperficie.h"

#include "core/Redondeo.h"
#include "core/Globals.h"
#include "core/Valoracion.h"
#include "platform/CajaNum.h"
#include "platform/MsgBox.h"
#include "platform/NumberFormat.h"
#include "platform/Option.h"

ParteSuperficie::ParteSuperficie(AnfitrionSuperficie& ventana) : ParteVentana(ventana), v_(ventana) {}

void ParteSuperficie::Conectar()
{
    txtsbu_ = Opcional<CajaNum>("txt", "sbu");
    txtpti_ = Opcional<CajaNum>("txt", "pti");
    if (txtsbu_)
        v_.AlSalirDe(txtsbu_, [this] { txtsbu_LostFocus(); });
    if (txtpti_)
        v_.AlSalirDe(txtpti_, [this] { txtpti_LostFocus(); });
    for (int i = 0; i < 2; ++i)
        if (auto* o = qobject_cast<OptionButton*>(v_.Buscar(NombreOpcion(Nombre("opt", "tsu"), i))))
            v_.AlPulsarOpcion(o, [this, i] { optsu_Click(i); });
}

void ParteSuperficie::ValoresIniciales()
{
    if (txtsbu_)
        txtsbu_->setValor(QStringLiteral("0"));
    if (txtpti_)
        txtpti_->setValor(QStringLiteral("100"));
}

void ParteSuperficie::txtsbu_LostFocus()
{
    CDatosTip& r = v_.Registro();
    const QString t = txtsbu_->texto();
    const double v = ParseNumber(t);
    const double guardada = r.Get(RecordCode::SBU).toDouble();
    if (t.trimmed().isEmpty() || v == 0) {
        // An emptied surface is no error: the stored one comes back.
        v_.EscribirCaja(txtsbu_, guardada == 0 ? QString() : FormatNumber(guardada, txtsbu_->formato()));
        return;
    }
    if (Toma(t, v, guardada)) {
        r.Set(RecordCode::SBU, v);
        v_.SuperficieAceptada();
    }
}

void ParteSuperficie::txtpti_LostFocus()
{
    CDatosTip& r = v_.Registro();
    const double limite = ValorMaximoSiCero(static_cast<int16_t>(txtpti_->enteros()),
                                            static_cast<int16_t>(txtpti_->decimales()), 100);
    const QString t = txtpti_->texto();
    const double v = ParseNumber(t);
    const QString guardada = FormatNumber(r.Get(RecordCode::PTI).toDouble(), txtpti_->formato());
    if (v > limite) {
        MsgBox(Res(110), 48, Res(50));
        v_.EscribirCaja(txtpti_, guardada);
        txtpti_->setValor(guardada);
        return;
    }
    if (t.trimmed().isEmpty() || v == 0) {
        v_.EscribirCaja(txtpti_, guardada);
        return;
    }
    if (Toma(t, v, r.Get(RecordCode::PTI).toDouble())) {
        r.Set(RecordCode::PTI, v);
        v_.RefrescoCadena();
    }
}

bool ParteSuperficie::Toma(const QString& texto, double valor, double guardado) const
{
    switch (v_.Parametros().valorIgual) {
    case ValorIgual::NadaSiMismoTexto:
        return texto != TextoNumero(guardado);
    case ValorIgual::NadaSiMismoValor:
        return valor != guardado;
    case ValorIgual::SeToma:
        break;
    }
    return true;
}

double ParteSuperficie::CalcularSH(QString& clase, QString& tipoSuperficie) const
{
    return valoracion::SuperficieHomogeneizada(v_.Parametros().tipo, v_.Registro().Get(RecordCode::SBU).toDouble(),
                                               clase, tipoSuperficie);
}

void ParteSuperficie::optsu_Click(int Index)
{
    auto* opcion = qobject_cast<OptionButton*>(v_.Buscar(NombreOpcion(Nombre("opt", "tsu"), Index)));
    if (!opcion || !opcion->Value())
        return;
    v_.Registro().Set(RecordCode::TSU, Index == 1 ? QStringLiteral("U") : QStringLiteral("C"));
    v_.SuperficieAceptada();
}

void ParteSuperficie::RecalcularSH()
{
    const CDatosTip& r = v_.Registro();
    QString clase = r.Has(RecordCode::TVI) ? r.Get(RecordCode::TVI).toString() : QString();
    QString tipo = r.Has(RecordCode::TSU) ? r.Get(RecordCode::TSU).toString() : QString();
    const double sh = CalcularSH(clase, tipo);
    v_.EscribirCaja(qobject_cast<CajaNum*>(v_.Buscar(Nombre("txt", "sho"))), sh == 0 ? QString() : TextoNumero(sh));
    v_.RefrescoCadena();
}
