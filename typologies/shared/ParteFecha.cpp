#include "typologies/shared/ParteFecha.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

#include "core/Consultas.h"
#include "core/Globals.h"
#include "platform/Form.h"
#include "platform/MaskEdBox.h"
#include "platform/MsgBox.h"

namespace {

// Runs `alSoltar` when the left button is released outside the widget it watches: the press
// gave no click.
class SueltaFuera : public QObject {
public:
    SueltaFuera(QWidget* boton, std::function<void()> alSoltar)
        : QObject(boton), boton_(boton), alSoltar_(std::move(alSoltar))
    {
        boton->installEventFilter(this);
    }

    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (o == boton_ && e->type() == QEvent::MouseButtonRelease) {
            auto* m = static_cast<QMouseEvent*>(e);
            if (m->button() == Qt::LeftButton && !boton_->rect().contains(m->position().toPoint()))
                alSoltar_();
        }
        return false;
    }

private:
    QWidget* boton_;
    std::function<void()> alSoltar_;
};

}  // namespace

ParteFecha::ParteFecha(AnfitrionFecha& ventana) : ParteVentana(ventana), v_(ventana) {}

void ParteFecha::Conectar()
{
    txtfecv_ = Requerido<MaskEdBox>("txt", "fecv");
    v_.AlSalirDe(txtfecv_, [this] { txtfecv_LostFocus(); });
    Form& f = v_.Formulario();
    switch (v_.Parametros().fechaSinComprobar) {
    case FechaSinComprobar::PulsandoLimpiarOSalir:
        for (const char* nombre : {"cmdlimpiar", "cmdsalir"})
            if (QWidget* b = v_.Buscar(QString::fromUtf8(nombre))) {
                f.OnMouseDownFirst(b, [this] { bValidar = false; });
                // Released outside the button there is neither Clear nor Exit.
                new SueltaFuera(b, [this] { v_.Manejar([this] { SinClic(); }); });
            }
        break;
    case FechaSinComprobar::PunteroSobreSalir:
        // A click on "Salir" closes without a date message; no date stays shown that the
        // record does not hold once the pointer is elsewhere.
        if (QWidget* b = v_.Buscar(QStringLiteral("cmdsalir")))
            f.OnMouseOver(
                b, [this] { bValidar = false; }, [this] { v_.Manejar([this] { SinClic(); }); });
        break;
    }
}

void ParteFecha::AlCargar()
{
    bValidar = true;
    fechaSinComprobar_ = false;
}

void ParteFecha::FormatoFecha(MaskEdBox* caja)
{
    if (!caja)
        return;
    const bool euskera = gIdioma == 10000;
    caja->SetFormat(euskera ? QStringLiteral("yyyy/mm/dd") : QStringLiteral("dd/mm/yyyy"));
    caja->SetMask(euskera ? QStringLiteral("####/##/##") : QStringLiteral("##/##/####"));
}

void ParteFecha::Formatos() { FormatoFecha(txtfecv_); }

void ParteFecha::Presenta() { txtfecv_->SetText(gFecha().LongToString(v_.Registro().Get(RecordCode::FECV).toInt())); }

bool ParteFecha::ValidarFechaV(QString& sFecha)
{
    if (!gFecha().EsFecha(sFecha, 0)) {
        MsgBox(Res(49), 48, Res(50));
        return false;
    }
    const std::optional<valoracion::RangoFechas> rango = valoracion::RangoFechasValoracion();
    if (!rango) {
        // Without valuation years no date can be valued.
        MsgBox(Res(49), 48, Res(50));
        return false;
    }
    const int32_t n = gFecha().StringToLong(sFecha, 0);
    if (rango->minima <= n && n <= rango->maxima)
        return true;
    MsgBox(Res(51) + QLatin1Char(' ') + gFecha().LongToString(rango->minima) + QStringLiteral("\r\n") +
               Res(v_.Parametros().idSeparadorRango) + QLatin1Char(' ') + gFecha().LongToString(rango->maxima) +
               QLatin1Char(' ') + Res(151),
           48, Res(50));
    return false;
}

bool ParteFecha::ComprobarFecha()
{
    QString s = txtfecv_->Text();
    if (!ValidarFechaV(s))
        return false;
    v_.FechaValoracionAceptada(gFecha().StringToLong(s, 0));
    return true;
}

void ParteFecha::txtfecv_LostFocus()
{
    // Left for Clear or Exit: not checked (unless no click follows).
    fechaSinComprobar_ = !bValidar;
    if (!bValidar)
        return;
    if (txtfecv_->Text() == gFecha().FecVacia())
        txtfecv_->SetText(gFecha().LongToString(gEntrada().P_FECV()));
    if (!ComprobarFecha()) {
        txtfecv_->SetText(gFecha().LongToString(v_.Registro().Get(RecordCode::FECV).toInt()));
        v_.PonerFoco(txtfecv_);
    }
}

void ParteFecha::SinClic()
{
    bValidar = true;
    if (fechaSinComprobar_)
        txtfecv_LostFocus();
}
