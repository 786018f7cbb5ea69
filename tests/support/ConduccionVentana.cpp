#include "tests/support/ConduccionVentana.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "platform/CajaNum.h"
#include "platform/ComboBox.h"
#include "platform/MaskEdBox.h"

QString ConduccionVentana::T(const QString& nombre) const
{
    QWidget* w = C(nombre);
    if (w && w->isWindow())
        return w->windowTitle();
    if (auto* caja = qobject_cast<CajaNum*>(w))
        return caja->texto();
    if (auto* fecha = qobject_cast<MaskEdBox*>(w))
        return fecha->Text();
    if (auto* combo = qobject_cast<ComboBox*>(w))
        return combo->Text();
    if (auto* linea = qobject_cast<QLineEdit*>(w))
        return linea->text();
    if (auto* rotulo = qobject_cast<QLabel*>(w))
        return rotulo->text();
    if (auto* marco = qobject_cast<QGroupBox*>(w))
        return marco->title();
    if (auto* boton = qobject_cast<QAbstractButton*>(w))
        return boton->text();
    return QStringLiteral("<no existe %1>").arg(nombre);
}

QStringList ConduccionVentana::Lista(const QString& combo) const
{
    QStringList l;
    if (auto* c = C<ComboBox>(combo))
        for (int i = 0; i < c->ListCount(); ++i)
            l << c->List(i);
    return l;
}

bool ConduccionVentana::Elegir(const QString& combo, const QString& item)
{
    auto* c = C<ComboBox>(combo);
    if (!c)
        return false;
    FocusControl(c);
    for (int i = 0; i < c->ListCount(); ++i)
        if (c->List(i) == item) {
            c->SetListIndex(i);
            ProcessEvents();
            return true;
        }
    return false;
}

void ConduccionVentana::Teclear(const QString& caja, const QString& texto, const QString& salida)
{
    QWidget* w = C(caja);
    if (!w)
        return;
    FocusControl(w);
    if (auto* fecha = qobject_cast<MaskEdBox*>(w))
        fecha->SetText(texto);
    else
        TypeInto(w, texto);
    FocusControl(C(salida));
}

void ConduccionVentana::Pulsar(const QString& nombre)
{
    QWidget* w = C(nombre);
    if (!w)
        return;
    if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w))
        ClickControl(w, QPoint(8, w->height() / 2));
    else
        ClickControl(w);
}
