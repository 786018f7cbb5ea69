#pragma once
// Reads the words of a PDF with their boxes (pdftotext -bbox), in millimetres from the
// top-left corner of the page, so that a report's layout can be checked against its table.
#include <QImage>
#include <QList>
#include <QString>
#include <optional>

struct PalabraPdf {
    QString texto;
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;  // mm
    int pagina = 1;
};

// Every word of every page in reading order; empty when the file cannot be read.
QList<PalabraPdf> LeerPalabrasPdf(const QString& pdf);
// Number of pages of the PDF (0 when it cannot be read).
int PaginasPdf(const QString& pdf);

// Every place where the words of `frase` (split at blanks) follow one another on one line;
// each result is the box around the phrase, its text the phrase as found.
QList<PalabraPdf> BuscarFrases(const QList<PalabraPdf>& palabras, const QString& frase);
// The first of them.
std::optional<PalabraPdf> BuscarFrase(const QList<PalabraPdf>& palabras, const QString& frase);

// The first page drawn as a picture at `ppp` pixels per inch (pdftoppm); a null image when
// the file cannot be read. PixelPdf gives the colour at a point given in millimetres.
QImage PaginaPdf(const QString& pdf, int ppp = 100);
QRgb PixelPdf(const QImage& pagina, double xMm, double yMm, int ppp = 100);

// PDF points in a millimetre.
constexpr double kPuntosPorMm = 72.0 / 25.4;
