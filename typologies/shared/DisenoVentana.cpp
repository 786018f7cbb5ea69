#include "typologies/shared/DisenoVentana.h"

#include <stdexcept>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

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

// Controls every typology window has ------------------------------------------------------------

namespace {

// The pictures of the button bar, drawn so that they need no files.
QIcon IconoBoton(const QString& nombre)
{
    QPixmap pm(28, 28);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    if (nombre == QLatin1String("cmdsalir")) {
        // A door and an arrow leaving it.
        p.setPen(QPen(QColor(90, 60, 30), 2));
        p.setBrush(QColor(200, 160, 110));
        p.drawRect(4, 3, 12, 22);
        p.setPen(QPen(QColor(20, 110, 30), 3));
        p.drawLine(11, 14, 25, 14);
        p.drawLine(20, 9, 25, 14);
        p.drawLine(20, 19, 25, 14);
    } else if (nombre == QLatin1String("cmdlimpiar")) {
        // A blank sheet and an eraser.
        p.setPen(QPen(Qt::gray, 1));
        p.setBrush(Qt::white);
        p.drawRect(4, 2, 16, 22);
        p.setPen(QPen(QColor(150, 30, 30), 1));
        p.setBrush(QColor(230, 120, 120));
        QPainterPath goma;
        goma.addRoundedRect(QRectF(12, 14, 14, 8), 2, 2);
        p.drawPath(goma);
    } else if (nombre == QLatin1String("cmdimprimir")) {
        // A printer with a sheet.
        p.setPen(QPen(Qt::darkGray, 1));
        p.setBrush(Qt::white);
        p.drawRect(8, 2, 12, 10);
        p.setBrush(QColor(120, 120, 130));
        p.drawRoundedRect(QRectF(2, 10, 24, 11), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(7, 18, 14, 8);
    } else {
        // A question mark in a circle.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 90, 180));
        p.drawEllipse(2, 2, 24, 24);
        p.setPen(Qt::white);
        QFont f = p.font();
        f.setBold(true);
        f.setPixelSize(18);
        p.setFont(f);
        p.drawText(QRect(2, 2, 24, 24), Qt::AlignCenter, QStringLiteral("?"));
    }
    p.end();
    QIcon icono(pm);
    return icono;
}

}  // namespace

QWidget* CrearBotonera(QWidget* padre, QPoint origen)
{
    auto* barra = new QWidget(padre);
    barra->setObjectName(QStringLiteral("Picture1"));
    barra->setGeometry(origen.x(), origen.y(), 4 * 56 + 4, 48);
    int x = 2;
    for (const char* nombre : {"cmdsalir", "cmdlimpiar", "cmdimprimir", "cmdayuda"}) {
        auto* b = new QPushButton(barra);
        b->setObjectName(QString::fromUtf8(nombre));
        b->setIcon(IconoBoton(b->objectName()));
        b->setIconSize(QSize(28, 28));
        b->setAutoDefault(false);
        b->setDefault(false);
        b->setGeometry(x, 2, 52, 44);
        x += 56;
    }
    barra->findChild<QPushButton*>(QStringLiteral("cmdimprimir"))->setEnabled(false);
    return barra;
}

void CrearDescripcion(QWidget* padre, const QRect& resumen, const QRect& boton)
{
    auto* caja = new QLineEdit(padre);
    caja->setObjectName(QStringLiteral("txtdescrip"));
    caja->setReadOnly(true);
    caja->setFocusPolicy(Qt::ClickFocus);
    caja->setGeometry(resumen);
    QPalette pal = caja->palette();
    pal.setColor(QPalette::Base, QColor(224, 224, 224));
    caja->setPalette(pal);
    auto* b = new QPushButton(padre);
    b->setObjectName(QStringLiteral("cmdDescripcion"));
    b->setAutoDefault(false);
    b->setGeometry(boton);
}
