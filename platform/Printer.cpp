#include "platform/Printer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPageLayout>
#include <QPageSize>
#include <QPen>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStringList>

namespace {

int& printerCountOverride()
{
    static int n = -1;
    return n;
}

QString& pdfOutput()
{
    static QString p;
    return p;
}

// The report fonts resolve to their metric twins when the originals are not installed.
void installFontSubstitutes()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

}  // namespace

struct Printer::Impl {
    int scaleMode = 1;
    QString fontName = QStringLiteral("Arial");
    double fontSize = 10.0;
    bool bold = false, italic = false, underline = false;
    int drawWidth = 1;
    int drawStyle = 0;
    int fillStyle = 1;
    QRgb fillColor = qRgb(0, 0, 0);
    QRgb foreColor = qRgb(0, 0, 0);
    double currentXmm = 0.0, currentYmm = 0.0;  // kept in millimetres, whatever the scale
    QString docName;

    std::unique_ptr<QPrinter> printer;
    std::unique_ptr<QPainter> painter;

    // A printer configured for the next document: A4 portrait, the whole sheet addressable
    // from its corner, to the test PDF file when one is set.
    QPrinter& device()
    {
        if (!printer)
            newPrinter();
        return *printer;
    }

    void newPrinter()
    {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setDocName(docName);
        if (!pdfOutput().isEmpty()) {
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdfOutput());
        }
        printer->setPageSize(QPageSize(QPageSize::A4));
        printer->setPageOrientation(QPageLayout::Portrait);
        printer->setFullPage(true);
    }

    bool start()
    {
        if (painter)
            return true;
        newPrinter();  // picks up the output chosen now
        painter = std::make_unique<QPainter>();
        if (!painter->begin(printer.get())) {
            painter.reset();
            return false;
        }
        painter->setRenderHint(QPainter::Antialiasing, false);
        return true;
    }

    double dpi() { return device().resolution(); }

    // Millimetres per unit of the current scale.
    double mmPerUnit()
    {
        switch (scaleMode) {
        case 6:
            return 1.0;
        case 7:
            return 10.0;
        case 5:
            return 25.4;
        case 2:
            return 25.4 / 72.0;
        case 3:
            return 25.4 / dpi();
        default:
            return 25.4 / 1440.0;  // twips
        }
    }

    double toMm(double units) { return units * mmPerUnit(); }
    double fromMm(double mm) { return mm / mmPerUnit(); }
    double mmToDevice(double mm) { return mm * dpi() / 25.4; }
    double toDevice(double units) { return mmToDevice(toMm(units)); }

    QFont font()
    {
        installFontSubstitutes();
        QFont f(fontName);
        f.setPointSizeF(fontSize > 0 ? fontSize : 1.0);
        f.setBold(bold);
        f.setItalic(italic);
        f.setUnderline(underline);
        return f;
    }

    QPen pen()
    {
        QPen p{QColor(foreColor)};
        p.setWidthF(drawWidth <= 1 ? 1.0 : drawWidth);
        switch (drawStyle) {
        case 1:
            p.setStyle(Qt::DashLine);
            break;
        case 2:
            p.setStyle(Qt::DotLine);
            break;
        case 3:
            p.setStyle(Qt::DashDotLine);
            break;
        case 4:
            p.setStyle(Qt::DashDotDotLine);
            break;
        case 5:
            p.setStyle(Qt::NoPen);
            break;
        default:
            p.setStyle(Qt::SolidLine);
            break;
        }
        return p;
    }
};

Printer& Printer::Get()
{
    // Never destroyed: the application object may be gone at exit.
    static Printer* p = new Printer;
    return *p;
}

int Printer::PrinterCount()
{
    if (printerCountOverride() >= 0)
        return printerCountOverride();
    return static_cast<int>(QPrinterInfo::availablePrinters().size());
}

void Printer::SetPrinterCountForTests(int n) { printerCountOverride() = n; }
void Printer::SetOutputPdfForTests(const QString& path) { pdfOutput() = path; }

Printer::Printer() : d(std::make_unique<Impl>()) {}

Printer::~Printer()
{
    if (d->painter)
        d->painter->end();
}

int Printer::ScaleMode() const { return d->scaleMode; }
void Printer::SetScaleMode(int mode) { d->scaleMode = mode; }
QString Printer::FontName() const { return d->fontName; }
void Printer::SetFontName(const QString& name) { d->fontName = name; }
double Printer::FontSize() const { return d->fontSize; }
void Printer::SetFontSize(double points) { d->fontSize = points; }
bool Printer::FontBold() const { return d->bold; }
void Printer::SetFontBold(bool on) { d->bold = on; }
bool Printer::FontItalic() const { return d->italic; }
void Printer::SetFontItalic(bool on) { d->italic = on; }
bool Printer::FontUnderline() const { return d->underline; }
void Printer::SetFontUnderline(bool on) { d->underline = on; }
int Printer::DrawWidth() const { return d->drawWidth; }
void Printer::SetDrawWidth(int w) { d->drawWidth = w < 1 ? 1 : w; }
int Printer::DrawStyle() const { return d->drawStyle; }
void Printer::SetDrawStyle(int s) { d->drawStyle = s; }
int Printer::FillStyle() const { return d->fillStyle; }
void Printer::SetFillStyle(int s) { d->fillStyle = s; }
QRgb Printer::FillColor() const { return d->fillColor; }
void Printer::SetFillColor(QRgb c) { d->fillColor = c; }
QRgb Printer::ForeColor() const { return d->foreColor; }
void Printer::SetForeColor(QRgb c) { d->foreColor = c; }
double Printer::CurrentX() const { return d->fromMm(d->currentXmm); }
void Printer::SetCurrentX(double x) { d->currentXmm = d->toMm(x); }
double Printer::CurrentY() const { return d->fromMm(d->currentYmm); }
void Printer::SetCurrentY(double y) { d->currentYmm = d->toMm(y); }

double Printer::TextWidth(const QString& text)
{
    const QFontMetricsF fm(d->font(), &d->device());
    double widest = 0.0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, fm.horizontalAdvance(QString(line).remove(QLatin1Char('\r'))));
    return d->fromMm(widest * 25.4 / d->dpi());
}

double Printer::TextHeight(const QString& text)
{
    const QFontMetricsF fm(d->font(), &d->device());
    const auto lines = static_cast<int>(std::max<qsizetype>(1, text.count(QLatin1Char('\n')) + 1));
    const double h = fm.height() + (lines - 1) * fm.lineSpacing();
    return d->fromMm(h * 25.4 / d->dpi());
}

void Printer::Print(const QString& text)
{
    const QStringList lines = QString(text).remove(QLatin1Char('\r')).split(QLatin1Char('\n'));
    if (!d->start())
        return;
    const QFont f = d->font();
    d->painter->setFont(f);
    d->painter->setPen(QColor(d->foreColor));
    const QFontMetricsF fm(f, d->printer.get());
    for (const QString& line : lines) {
        // The position is the top-left corner of the text: the baseline lies one ascent lower.
        const double x = d->mmToDevice(d->currentXmm);
        const double y = d->mmToDevice(d->currentYmm) + fm.ascent();
        if (!line.isEmpty())
            d->painter->drawText(QPointF(x, y), line);
        d->currentXmm = 0.0;
        d->currentYmm += fm.height() * 25.4 / d->dpi();
    }
}

void Printer::Line(double x1, double y1, double x2, double y2)
{
    if (!d->start())
        return;
    d->painter->setPen(d->pen());
    d->painter->drawLine(QPointF(d->toDevice(x1), d->toDevice(y1)), QPointF(d->toDevice(x2), d->toDevice(y2)));
    d->currentXmm = d->toMm(x2);
    d->currentYmm = d->toMm(y2);
}

void Printer::Box(double x1, double y1, double x2, double y2)
{
    if (!d->start())
        return;
    const QRectF r =
        QRectF(QPointF(d->toDevice(x1), d->toDevice(y1)), QPointF(d->toDevice(x2), d->toDevice(y2))).normalized();
    d->painter->setPen(d->pen());
    if (d->fillStyle == 0)
        d->painter->setBrush(QColor(d->fillColor));
    else
        d->painter->setBrush(Qt::NoBrush);
    d->painter->drawRect(r);
    d->painter->setBrush(Qt::NoBrush);
    d->currentXmm = d->toMm(x2);
    d->currentYmm = d->toMm(y2);
}

void Printer::PaintPicture(const QImage& picture, double x, double y, double w, double h)
{
    if (picture.isNull() || !d->start())
        return;
    const QRectF r(d->toDevice(x), d->toDevice(y), d->toDevice(w), d->toDevice(h));
    d->painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
    d->painter->drawImage(r, picture);
}

void Printer::NewPage()
{
    if (d->painter)
        d->printer->newPage();
    d->currentXmm = 0.0;
    d->currentYmm = 0.0;
}

void Printer::EndDoc()
{
    if (d->painter) {
        d->painter->end();
        d->painter.reset();
    }
    d->printer.reset();
    d->docName.clear();
    d->currentXmm = 0.0;
    d->currentYmm = 0.0;
}

QString Printer::DocName() const { return d->docName; }

void Printer::SetDocName(const QString& name)
{
    d->docName = name;
    if (d->printer && !d->painter)
        d->printer->setDocName(name);
}

bool Printer::IsPrinting() const { return d->painter != nullptr; }
