#include "typologies/shared/Informe.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "core/GAyuda.h"
#include "core/mImprimir.h"
#include "platform/CajaNum.h"
#include "platform/ComboBox.h"
#include "platform/MaskEdBox.h"
#include "platform/Printer.h"

namespace {

// A caption as shown: the "&" that marks the access key goes, "&&" stands for "&".
QString SinAcceso(const QString& caption)
{
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (i + 1 < caption.size() && caption[i + 1] == u'&') {
                out += u'&';
                ++i;
            }
            continue;
        }
        out += caption[i];
    }
    return out;
}

bool LeeControl(OrigenTexto o)
{
    return o == OrigenTexto::Control || o == OrigenTexto::Rotulo || o == OrigenTexto::FechaControl;
}

void PonerFuente(Printer& p, const FuenteInforme& f)
{
    p.SetFontName(f.nombre);
    p.SetFontSize(f.tamano);
    p.SetFontBold(f.negrita);
    p.SetFontItalic(f.cursiva);
    p.SetFontUnderline(f.subrayado);
}

// A box at its own draw width; lines after it are thin again.
void DibujarCaja(Printer& p, const ItemInforme& it, bool gris)
{
    p.SetDrawWidth(it.grosor);
    if (gris)
        DibujarRecuadroGris(it.x1, it.y1, it.x2, it.y2);
    else
        DibujarRecuadroBlanco(it.x1, it.y1, it.x2, it.y2);
    p.SetDrawWidth(1);
}

void DibujarItem(Printer& p, const ItemInforme& it, const QWidget& ventana, const DatosInforme& datos)
{
    const auto texto = [&] {
        PonerFuente(p, it.fuente);
        return TextoItem(it, ventana, datos);
    };
    switch (it.dibujo) {
    case DibujoInforme::Texto:
        ImprimirTexto(it.x, it.y, texto());
        break;
    case DibujoInforme::Derecha:
        ImprimirDerecha(it.x, it.y, texto());
        break;
    case DibujoInforme::Centrado:
        ImprimirCentrado(it.x, it.y, it.ancho, texto());
        break;
    case DibujoInforme::Linea:
        DibujarLinea(it.x1, it.y1, it.x2, it.y2);
        break;
    case DibujoInforme::Regla:
        DibujarLinea(it.x1, it.y1, it.x2, it.y1);
        DibujarLinea(it.x1, it.y1 + 0.5, it.x2, it.y1 + 0.5);
        break;
    case DibujoInforme::RecuadroBlanco:
        DibujarCaja(p, it, false);
        break;
    case DibujoInforme::RecuadroGris:
        DibujarCaja(p, it, true);
        break;
    case DibujoInforme::CajaCentrada:
        DibujarCaja(p, it, false);
        ImprimirCentrado(it.x, it.y, it.ancho, texto());
        break;
    case DibujoInforme::CajaGrisDerecha:
        DibujarCaja(p, it, true);
        ImprimirDerecha(it.x, it.y, texto());
        break;
    case DibujoInforme::Imagen:
        // No logo leaves its cell empty.
        if (!datos.logo.isNull())
            p.PaintPicture(datos.logo.toImage(), it.x1, it.y1, it.x2 - it.x1, it.y2 - it.y1);
        break;
    case DibujoInforme::Grosor:
        p.SetDrawWidth(it.grosor);
        break;
    }
}

}  // namespace

QString TextoControl(const QWidget& ventana, const QString& nombre)
{
    const QWidget* w = ventana.findChild<QWidget*>(nombre);
    if (!w)
        return QString();
    // The platform boxes first: they are line edits with a text of their own.
    if (auto* c = qobject_cast<const CajaNum*>(w))
        return c->texto();
    if (auto* m = qobject_cast<const MaskEdBox*>(w))
        return m->Text();
    if (auto* cb = qobject_cast<const ComboBox*>(w))
        return cb->Text();
    if (auto* q = qobject_cast<const QComboBox*>(w))
        return q->currentText();
    if (auto* e = qobject_cast<const QLineEdit*>(w))
        return e->text();
    if (auto* l = qobject_cast<const QLabel*>(w))
        return SinAcceso(l->text());
    if (auto* g = qobject_cast<const QGroupBox*>(w))
        return SinAcceso(g->title());
    if (auto* b = qobject_cast<const QAbstractButton*>(w))
        return SinAcceso(b->text());
    return QString();
}

QString FechaAñoMesDia(const QString& texto)
{
    static const QRegularExpression amd(QStringLiteral("^(\\d{4})/(\\d{2})/(\\d{2})$"));
    static const QRegularExpression dma(QStringLiteral("^(\\d{2})/(\\d{2})/(\\d{4})$"));
    QDate d;
    if (const auto m = amd.match(texto); m.hasMatch())
        d = QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    else if (const auto m2 = dma.match(texto); m2.hasMatch())
        d = QDate(m2.captured(3).toInt(), m2.captured(2).toInt(), m2.captured(1).toInt());
    return d.isValid() ? d.toString(QStringLiteral("yyyy/MM/dd")) : texto;
}

QString TextoItem(const ItemInforme& item, const QWidget& ventana, const DatosInforme& datos)
{
    QString t;
    switch (item.origen) {
    case OrigenTexto::Ninguno:
        return QString();
    case OrigenTexto::Literal:
        t = item.texto;
        break;
    case OrigenTexto::Control:
    case OrigenTexto::Rotulo:
        t = TextoControl(ventana, item.texto);
        break;
    case OrigenTexto::Etiqueta:
        t = datos.etiquetas.value(item.texto);
        break;
    case OrigenTexto::Descripcion:
        t = datos.descripcion.value(item.indice);
        break;
    case OrigenTexto::FechaControl:
        t = FechaAñoMesDia(TextoControl(ventana, item.texto));
        break;
    }
    return t + item.sufijo;
}

QStringList ControlesAusentes(const std::vector<ItemInforme>& items, const QWidget& ventana)
{
    QStringList faltan;
    for (const auto& it : items)
        if (LeeControl(it.origen) && !faltan.contains(it.texto) && !ventana.findChild<QWidget*>(it.texto))
            faltan << it.texto;
    return faltan;
}

QString TituloInforme(const std::vector<ItemInforme>& items, const QWidget& ventana, const DatosInforme& datos)
{
    const auto esTexto = [](const ItemInforme& it) {
        return it.origen != OrigenTexto::Ninguno && it.dibujo != DibujoInforme::Imagen;
    };
    const auto cabecera = std::find_if(items.begin(), items.end(),
                                       [&](const ItemInforme& it) { return esTexto(it) && it.fuente.subrayado; });
    if (cabecera == items.end())
        return ventana.windowTitle();
    std::vector<const ItemInforme*> linea;
    for (const auto& it : items)
        if (esTexto(it) && std::abs(it.y - cabecera->y) <= 1.0)
            linea.push_back(&it);
    std::stable_sort(linea.begin(), linea.end(),
                     [](const ItemInforme* a, const ItemInforme* b) { return a->x < b->x; });
    QStringList partes;
    for (const ItemInforme* it : linea)
        partes << TextoItem(*it, ventana, datos).simplified();
    partes.removeAll(QString());
    return partes.join(QLatin1Char(' '));
}

void ImprimirInforme(const std::vector<ItemInforme>& items, QWidget& ventana, const DatosInforme& datos)
{
    Printer& p = Printer::Get();
    p.SetDocName(TituloInforme(items, ventana, datos));
    const int escala = p.ScaleMode();
    const QString fuente = p.FontName();
    const auto restaurar = [&] {
        p.SetFontName(fuente);
        p.SetScaleMode(escala);
    };

    p.SetScaleMode(6);
    // Thin lines until an item says otherwise: a report never inherits the last one's width.
    p.SetDrawWidth(1);
    p.SetDrawStyle(0);
    p.SetFillStyle(0);
    try {
        for (const auto& it : items)
            DibujarItem(p, it, ventana, datos);
    } catch (...) {
        // A failed report leaves the printer as it found it and no half page open for the
        // next report to draw onto.
        restaurar();
        if (p.IsPrinting())
            p.EndDoc();
        throw;
    }
    // The printer starts the document at the first drawing; if it could not (no default
    // printer, output not writable) nothing was printed, and the window must say so.
    const bool impreso = p.IsPrinting();
    restaurar();
    p.EndDoc();
    if (!impreso && !items.empty())
        throw std::runtime_error(SegunIdioma(QStringLiteral("No se ha podido imprimir el informe."),
                                             QStringLiteral("Ezin izan da txostena inprimatu."))
                                     .toStdString());
}

namespace informe {

namespace {

FuenteInforme Fuente(const char* nombre, double tamano, const char* estilo)
{
    const QByteArray e(estilo);
    return FuenteInforme{QString::fromLatin1(nombre), tamano, e.contains('B'), e.contains('I'), e.contains('U')};
}

ItemInforme ConTexto(DibujoInforme d, int numero, double x, double y, double ancho, const FuenteInforme& f,
                     const TextoInforme& t)
{
    ItemInforme it;
    it.dibujo = d;
    it.numero = numero;
    it.x = x;
    it.y = y;
    it.ancho = ancho;
    it.fuente = f;
    it.origen = t.origen;
    it.texto = t.texto;
    it.indice = t.indice;
    it.sufijo = t.sufijo;
    return it;
}

ItemInforme Figura(DibujoInforme d, double x1, double y1, double x2, double y2, int grosor = 1)
{
    ItemInforme it;
    it.dibujo = d;
    it.x1 = x1;
    it.y1 = y1;
    it.x2 = x2;
    it.y2 = y2;
    it.grosor = grosor;
    return it;
}

}  // namespace

FuenteInforme Arial(double tamano, const char* estilo) { return Fuente("Arial", tamano, estilo); }
FuenteInforme Times(double tamano, const char* estilo) { return Fuente("Times New Roman", tamano, estilo); }

TextoInforme Lit(const QString& texto) { return {OrigenTexto::Literal, texto, 0, {}}; }
TextoInforme Ctl(const QString& control) { return {OrigenTexto::Control, control, 0, {}}; }
TextoInforme Rot(const QString& control, const QString& sufijo) { return {OrigenTexto::Rotulo, control, 0, sufijo}; }
TextoInforme Etq(const QString& nombre) { return {OrigenTexto::Etiqueta, nombre, 0, {}}; }
TextoInforme Des(int indice) { return {OrigenTexto::Descripcion, {}, indice, {}}; }
TextoInforme Fec(const QString& control) { return {OrigenTexto::FechaControl, control, 0, {}}; }

ItemInforme Izq(int numero, double x, double y, const FuenteInforme& f, const TextoInforme& t)
{
    return ConTexto(DibujoInforme::Texto, numero, x, y, 0, f, t);
}

ItemInforme Der(int numero, double x, double y, const FuenteInforme& f, const TextoInforme& t)
{
    return ConTexto(DibujoInforme::Derecha, numero, x, y, 0, f, t);
}

ItemInforme Cen(int numero, double x, double y, double ancho, const FuenteInforme& f, const TextoInforme& t)
{
    return ConTexto(DibujoInforme::Centrado, numero, x, y, ancho, f, t);
}

ItemInforme Linea(double x1, double y1, double x2, double y2) { return Figura(DibujoInforme::Linea, x1, y1, x2, y2); }

ItemInforme Regla(double y, double x1, double x2) { return Figura(DibujoInforme::Regla, x1, y, x2, y); }

ItemInforme Recuadro(double x1, double y1, double x2, double y2, int grosor, bool gris)
{
    return Figura(gris ? DibujoInforme::RecuadroGris : DibujoInforme::RecuadroBlanco, x1, y1, x2, y2, grosor);
}

ItemInforme Caja(int numero, double x1, double y1, double x2, double y2, const FuenteInforme& f, const TextoInforme& t)
{
    ItemInforme it = ConTexto(DibujoInforme::CajaCentrada, numero, x1, y1 + 0.5, x2 - x1, f, t);
    it.x1 = x1;
    it.y1 = y1;
    it.x2 = x2;
    it.y2 = y2;
    it.grosor = 3;
    return it;
}

ItemInforme CajaGris(int numero, double x1, double y1, double x2, double y2, double x, double y, const FuenteInforme& f,
                     const TextoInforme& t)
{
    ItemInforme it = ConTexto(DibujoInforme::CajaGrisDerecha, numero, x, y, 0, f, t);
    it.x1 = x1;
    it.y1 = y1;
    it.x2 = x2;
    it.y2 = y2;
    it.grosor = 6;
    return it;
}

ItemInforme Logo(double x, double y, double ancho, double alto)
{
    return Figura(DibujoInforme::Imagen, x, y, x + ancho, y + alto);
}

ItemInforme Grosor(int grosor)
{
    ItemInforme it;
    it.dibujo = DibujoInforme::Grosor;
    it.grosor = grosor;
    return it;
}

ItemInforme Nombrada(const char* nombre, ItemInforme item)
{
    item.nombre = QString::fromUtf8(nombre);
    return item;
}

ItemInforme& Fila(std::vector<ItemInforme>& items, const QString& nombre)
{
    ItemInforme* hallada = nullptr;
    for (auto& it : items) {
        if (it.nombre != nombre)
            continue;
        if (hallada)
            throw std::logic_error("report table: more than one row named '" + nombre.toStdString() + "'");
        hallada = &it;
    }
    if (!hallada)
        throw std::logic_error("report table: no row named '" + nombre.toStdString() + "'");
    return *hallada;
}

void ReemplazarFila(std::vector<ItemInforme>& items, const QString& nombre, ItemInforme nuevo)
{
    ItemInforme& fila = Fila(items, nombre);
    nuevo.nombre = nombre;
    fila = std::move(nuevo);
}

void QuitarFilas(std::vector<ItemInforme>& items, const QStringList& nombres)
{
    for (const QString& nombre : nombres) {
        const ItemInforme* fila = &Fila(items, nombre);
        items.erase(items.begin() + (fila - items.data()));
    }
}

void RenombrarControles(std::vector<ItemInforme>& items, const QHash<QString, QString>& mapa)
{
    for (auto& it : items)
        if (LeeControl(it.origen))
            it.texto = mapa.value(it.texto, it.texto);
}

}  // namespace informe
