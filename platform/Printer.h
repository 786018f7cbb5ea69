#pragma once
// The printer object of the reports: one page on the default printer (A4, no dialog), or a
// PDF file for tests. Coordinates are in the current scale unit (6 = millimetres,
// 1 = twips); they are converted to device units, the painter is never scaled.
#include <QColor>
#include <QImage>
#include <QString>
#include <memory>

class QPainter;
class QPrinter;
class QFont;

class Printer {
public:
    static Printer& Get();
    // Number of installed printers (or the test override).
    static int PrinterCount();
    // -1 = the real count.
    static void SetPrinterCountForTests(int n);
    // Documents go to this PDF file; empty = the real default printer.
    static void SetOutputPdfForTests(const QString& path);

    Printer();
    ~Printer();
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    int ScaleMode() const;
    void SetScaleMode(int mode);
    QString FontName() const;
    void SetFontName(const QString& name);
    // Points.
    double FontSize() const;
    void SetFontSize(double points);
    bool FontBold() const;
    void SetFontBold(bool on);
    bool FontItalic() const;
    void SetFontItalic(bool on);
    bool FontUnderline() const;
    void SetFontUnderline(bool on);
    // Line width in device pixels (1 = thin line).
    int DrawWidth() const;
    void SetDrawWidth(int w);
    // 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 invisible.
    int DrawStyle() const;
    void SetDrawStyle(int s);
    // 0 solid, 1 transparent.
    int FillStyle() const;
    void SetFillStyle(int s);
    QRgb FillColor() const;
    void SetFillColor(QRgb c);
    QRgb ForeColor() const;
    void SetForeColor(QRgb c);
    // Top-left corner of the next text.
    double CurrentX() const;
    void SetCurrentX(double x);
    double CurrentY() const;
    void SetCurrentY(double y);

    // Width and height of a text in the current font, in the current unit.
    double TextWidth(const QString& text);
    double TextHeight(const QString& text);
    // Prints text at (CurrentX, CurrentY) as its top-left corner; then CurrentX goes back
    // to 0 and CurrentY down one line.
    void Print(const QString& text);
    void Line(double x1, double y1, double x2, double y2);
    // Outline in ForeColor/DrawWidth; interior in FillColor when FillStyle is 0.
    void Box(double x1, double y1, double x2, double y2);
    // Picture stretched into the rectangle (x, y, w, h).
    void PaintPicture(const QImage& picture, double x, double y, double w, double h);
    // Name of the print job of the next document (the report's title): what a print queue
    // shows and what a PDF printer names its file after. Set before the first drawing call;
    // a document's end clears it, so the next document carries no stale name.
    QString DocName() const;
    void SetDocName(const QString& name);
    // Starts a new page of the current document.
    void NewPage();
    // Ends the document (sends the page); the next drawing starts a new one.
    void EndDoc();
    // True between the first drawing call and EndDoc.
    bool IsPrinting() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
