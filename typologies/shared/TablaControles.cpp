#include "typologies/shared/TablaControles.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <cmath>
#include <stdexcept>

#include "core/Registros.h"
#include "platform/CajaNum.h"
#include "platform/Form.h"
#include "platform/NumberFormat.h"
#include "platform/Option.h"
#include "platform/SendKeys.h"

TablaControles::TablaControles(AnfitrionParte& ventana) : ParteVentana(ventana), v_(ventana) {}

void TablaControles::Comprobar() const
{
    const ParametrosVentana& p = v_.Parametros();
    const CDatosTip& r = v_.Registro();
    const auto falta = [this](const QString& que) {
        throw std::logic_error((v_.Formulario().objectName() + QStringLiteral(": ") + que).toStdString());
    };
    const auto control = [&](const QString& nombre) {
        if (!v_.Buscar(nombre))
            falta(QStringLiteral("its table names the control ") + nombre +
                  QStringLiteral(", which the window has not"));
    };
    const auto codigo = [&](RecordCode c) {
        if (!r.Has(c))
            falta(QStringLiteral("its table names the code ") + CDatosTip::CodeName(c) +
                  QStringLiteral(", which its record has not"));
    };
    for (const auto& ro : p.rotulos)
        if (ro.destino != Destino::Ventana)
            control(ro.control);
    for (const auto& c : p.cajas) {
        codigo(c.codigo);
        control(Nombre("txt", c.codigo));
    }
    for (const auto& c : p.guardan) {
        codigo(c.codigo);
        control(Nombre("txt", c.codigo));
    }
    for (const auto& m : p.monedas) {
        codigo(m.codigo);
        if (!qobject_cast<CajaNum*>(v_.Buscar(Nombre("txt", m.codigo))))
            falta(QStringLiteral("its money box ") + Nombre("txt", m.codigo) + QStringLiteral(" is not a numeric box"));
    }
    for (const auto& o : p.opciones) {
        codigo(o.codigo);
        control(NombreOpcion(Nombre("opt", o.codigo), 0));
        control(NombreOpcion(Nombre("opt", o.codigo), 1));
    }
    for (const auto& i : p.importesZona)
        codigo(i.codigo);
}

void TablaControles::Conectar()
{
    const ParametrosVentana& p = v_.Parametros();
    Form& f = v_.Formulario();
    for (const auto& c : p.guardan) {
        QWidget* w = v_.Buscar(Nombre("txt", c.codigo));
        const auto guardar = [this, c] { v_.Manejar([this, c] { GuardarCaja(c); }); };
        if (auto* caja = qobject_cast<CajaNum*>(w))
            QObject::connect(caja, &CajaNum::Change, &f, guardar, Qt::DirectConnection);
        else if (auto* linea = qobject_cast<QLineEdit*>(w))
            QObject::connect(linea, &QLineEdit::textChanged, &f, guardar, Qt::DirectConnection);
    }
    std::vector<QLineEdit*> textos;
    for (const auto& c : p.cajas)
        if (c.regla == Regla::Texto)
            textos.push_back(qobject_cast<QLineEdit*>(v_.Buscar(Nombre("txt", c.codigo))));
    if (p.descripcionPasaFoco)
        textos.push_back(qobject_cast<QLineEdit*>(v_.Buscar(QStringLiteral("txtdescrip"))));
    for (QLineEdit* e : textos) {
        if (!e)
            continue;
        e->setReadOnly(true);
        f.OnGotFocus(e, [] { SendTab(); });
    }
}

void TablaControles::Rotular()
{
    for (const auto& r : v_.Parametros().rotulos) {
        const QString t = Res(r.id);
        if (r.destino == Destino::Ventana) {
            v_.Formulario().setWindowTitle(t);
            continue;
        }
        QWidget* w = v_.Buscar(r.control);
        if (!w)
            continue;
        if (r.destino == Destino::Rotulo || r.destino == Destino::RotuloYAyuda) {
            if (auto* l = qobject_cast<QLabel*>(w))
                l->setText(t);
            else if (auto* g = qobject_cast<QGroupBox*>(w))
                g->setTitle(t);
            else if (auto* b = qobject_cast<QAbstractButton*>(w))
                b->setText(t);
        }
        if (r.destino == Destino::Ayuda || r.destino == Destino::RotuloYAyuda)
            w->setToolTip(t);
    }
}

void TablaControles::FormatosMoneda(const QString& moneda)
{
    const bool pesetas = moneda == QLatin1String("P");
    for (const auto& m : v_.Parametros().monedas)
        if (auto* caja = qobject_cast<CajaNum*>(v_.Buscar(Nombre("txt", m.codigo))))
            caja->setFormato(pesetas ? m.pesetas : m.euros);
}

void TablaControles::PresentaCajas()
{
    CDatosTip& r = v_.Registro();
    for (const auto& c : v_.Parametros().cajas) {
        QWidget* w = v_.Buscar(Nombre("txt", c.codigo));
        if (c.regla == Regla::Texto) {
            v_.EscribirTexto(qobject_cast<QLineEdit*>(w), r.Get(c.codigo).toString());
            continue;
        }
        auto* caja = qobject_cast<CajaNum*>(w);
        if (!caja)
            continue;
        const double v = r.Get(c.codigo).toDouble();
        QString t;
        switch (c.regla) {
        case Regla::Plana:
            t = FormatNumber(v, caja->formato());
            break;
        case Regla::CeroVacio:
            t = v == 0 ? QString() : FormatNumber(v, caja->formato());
            break;
        case Regla::Moneda:
            if (v != 0)
                t = r.Get(RecordCode::MON).toString() == QLatin1String("P") ? FormatNumber(v, caja->formato())
                                                                            : FormatNumber(v / 100, caja->formato());
            break;
        case Regla::Texto:
            break;
        }
        v_.EscribirCaja(caja, t);
    }
}

void TablaControles::PresentaOpcion(const QString& grupo)
{
    for (const auto& o : v_.Parametros().opciones) {
        if (Nombre("opt", o.codigo) != grupo)
            continue;
        const bool igual = v_.Registro().Get(o.codigo).toString() == o.valor;
        v_.MarcarOpcion(grupo, igual ? o.entradaSiIgual : 1 - o.entradaSiIgual);
        return;
    }
}

void TablaControles::GuardarOtraVez(QLineEdit* caja)
{
    for (const auto& c : v_.Parametros().guardan)
        if (Nombre("txt", c.codigo) == caja->objectName())
            GuardarCaja(c);
}

void TablaControles::GuardarCaja(const CajaQueGuarda& c)
{
    QWidget* w = v_.Buscar(Nombre("txt", c.codigo));
    QString t;
    if (auto* caja = qobject_cast<CajaNum*>(w))
        t = caja->texto();
    else if (auto* linea = qobject_cast<QLineEdit*>(w))
        t = linea->text();
    else
        return;
    CDatosTip& r = v_.Registro();
    switch (c.como) {
    case Guardado::Entero:
        r.Set(c.codigo, static_cast<int>(std::lround(ParseNumber(t))));
        break;
    case Guardado::Numero:
        r.Set(c.codigo, ParseNumber(t));
        break;
    case Guardado::NumeroSiNoVacio:
        if (!t.trimmed().isEmpty())
            r.Set(c.codigo, ParseNumber(t));
        break;
    case Guardado::Texto:
        r.Set(c.codigo, t);
        break;
    }
}
