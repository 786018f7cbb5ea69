#include "typologies/shared/DisenoVentana.h"

#include <stdexcept>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "platform/CajaNum.h"
#include "platform/ComboBox.h"
#include "platform/MaskEdBox.h"
#include "platform/Option.h"

namespace diseno {

// Usual heights of the kinds, in pixels.
constexpr int kAltoEtiqueta = 20, kAltoCaja = 26, kAltoOpcion = 22, kAnchoFecha = 110;

ControlDiseno Etiqueta(const char* nombre, const char* padre, int x, int y, int ancho, bool negrita)
{
    ControlDiseno c{ClaseControl::Etiqueta, nombre, padre, x, y, ancho, kAltoEtiqueta};
    c.negrita = negrita;
    return c;
}

ControlDiseno Marco(const char* nombre, const char* padre, int x, int y, int ancho, int alto)
{
    return {ClaseControl::Marco, nombre, padre, x, y, ancho, alto};
}

ControlDiseno Numero(const char* nombre, const char* padre, int x, int y, int ancho, int enteros, int decimales,
                     const char* formato)
{
    return {ClaseControl::Numero, nombre, padre, x, y, ancho, kAltoCaja, enteros, decimales, formato};
}

ControlDiseno Muestra(const char* nombre, const char* padre, int x, int y, int ancho, int enteros, int decimales,
                      const char* formato, bool negrita)
{
    return {ClaseControl::Muestra, nombre, padre, x, y, ancho, kAltoCaja, enteros, decimales, formato, negrita};
}

ControlDiseno Fecha(const char* nombre, const char* padre, int x, int y)
{
    return {ClaseControl::Fecha, nombre, padre, x, y, kAnchoFecha, kAltoCaja};
}

ControlDiseno Texto(const char* nombre, const char* padre, int x, int y, int ancho)
{
    return {ClaseControl::Texto, nombre, padre, x, y, ancho, kAltoCaja};
}

ControlDiseno Opcion(const char* nombre, const char* padre, int x, int y, int ancho)
{
    return {ClaseControl::Opcion, nombre, padre, x, y, ancho, kAltoOpcion};
}

ControlDiseno Casilla(const char* nombre, const char* padre, int x, int y, int ancho)
{
    return {ClaseControl::Casilla, nombre, padre, x, y, ancho, kAltoOpcion};
}

ControlDiseno Lista(const char* nombre, const char* padre, int x, int y, int ancho)
{
    return {ClaseControl::Lista, nombre, padre, x, y, ancho, kAltoCaja};
}

}  // namespace diseno

namespace {

QWidget* Crear(const ControlDiseno& d, QWidget* padre)
{
    switch (d.clase) {
    case ClaseControl::Etiqueta: {
        auto* l = new QLabel(padre);
        l->setTextFormat(Qt::PlainText);
        if (d.negrita) {
            QFont f = l->font();
            f.setBold(true);
            l->setFont(f);
        }
        return l;
    }
    case ClaseControl::Marco:
        return new QGroupBox(padre);
    case ClaseControl::Numero:
    case ClaseControl::Muestra: {
        auto* c = new CajaNum(padre);
        c->setEnteros(d.enteros);
        c->setDecimales(d.decimales);
        c->setFormato(QString::fromUtf8(d.formato));
        c->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (d.clase == ClaseControl::Muestra)
            c->setLocked(true);
        if (d.negrita)
            c->setFontbold(true);
        return c;
    }
    case ClaseControl::Fecha:
        return new MaskEdBox(padre);
    case ClaseControl::Texto: {
        auto* t = new QLineEdit(padre);
        t->setReadOnly(true);
        t->setFocusPolicy(Qt::ClickFocus);
        QPalette gris = t->palette();
        gris.setColor(QPalette::Base, QColor(224, 224, 224));
        t->setPalette(gris);
        return t;
    }
    case ClaseControl::Opcion:
        return new OptionButton(padre);
    case ClaseControl::Casilla:
        return new CheckBox(padre);
    case ClaseControl::Lista:
        return new ComboBox(padre);
    }
    return nullptr;
}

}  // namespace

void ConstruirControles(QWidget& ventana, const std::vector<ControlDiseno>& controles)
{
    for (const ControlDiseno& d : controles) {
        QWidget* padre = &ventana;
        if (d.padre)
            if (auto* marco = ventana.findChild<QWidget*>(QString::fromUtf8(d.padre)))
                padre = marco;
        QWidget* w = Crear(d, padre);
        w->setObjectName(QString::fromUtf8(d.nombre));
        w->setGeometry(d.x, d.y, d.ancho, d.alto);
    }
}

void OrdenTabulacion(QWidget& ventana, const std::vector<const char*>& nombres)
{
    QWidget* anterior = nullptr;
    for (const char* nombre : nombres) {
        QWidget* w = ventana.findChild<QWidget*>(QString::fromUtf8(nombre));
        if (!w)
            throw std::logic_error(ventana.objectName().toStdString() + ": its tab order names the control " + nombre +
                                   ", which the window has not");
        if (anterior)
            QWidget::setTabOrder(anterior, w);
        anterior = w;
    }
}
