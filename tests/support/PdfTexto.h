#pragma once
// Reads the words of a PDF with their boxes (pdftotext -bbox), in millimetres from the
// top-left corner of the page, so that a report's layout can be checked against its table.
#include <QImage>
#include <QList>
#include <QString>
#include <optional>
#include <vector>

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

// A run of text in one font, as the PDF draws it (pdftohtml -xml). Neighbouring texts in the
// same font on one line may come as one run.
struct TrozoPdf {
    QString texto;      // blanks at the ends removed
    QString familia;    // "Arial" or "Times New Roman" for those fonts or their metric twins
    double tamano = 0;  // points
    bool negrita = false, cursiva = false;
    double x = 0, y = 0;  // top-left of the line the run is on, mm
};
QList<TrozoPdf> LeerTrozosPdf(const QString& pdf);
// The runs that hold `texto` (all of it, within one run).
QList<TrozoPdf> BuscarTrozos(const QList<TrozoPdf>& trozos, const QString& texto);
// Whether a phrase found on the page (BuscarFrase) is underlined: a dark row across its whole
// width in the lower part of its box, where no letter of a line without descenders reaches.
bool Subrayada(const QImage& pagina, const PalabraPdf& frase, int ppp = 100);
// The x (mm) of the first dark pixel met going along the line at height y (mm) from x `desde`
// towards `hasta` (either way): where a box's border is; -1 when there is none.
double PrimerBorde(const QImage& pagina, double y, double desde, double hasta, int ppp = 100);

// A report page read once: its words, its runs of text and its picture.
struct PaginaInformePdf {
    explicit PaginaInformePdf(const QString& pdf, int ppp = 300);
    // The font of `texto` on the line whose top is at y (mm, within a millimetre), in the
    // notation of the report layouts: "TNR 12 BI", "A 8 BIU" (A Arial, TNR Times New Roman;
    // B bold, I italic, U underlined); empty when the text is not there.
    QString Fuente(const QString& texto, double y) const;

    QList<PalabraPdf> palabras;
    QList<TrozoPdf> trozos;
    QImage pagina;
    int ppp;
};

// PDF points in a millimetre.
constexpr double kPuntosPorMm = 72.0 / 25.4;

// Checks of a one-page report against its layout (GoogleTest assertions).
// Where a phrase is expected: the x of its left end, right end or middle, and the y of its top.
enum Anclaje { Izquierda, Derecha, Centro };
struct PosicionPdf {
    const char* frase;
    Anclaje anclaje;
    double x;  // mm
    double y;  // mm
};
// The PDF has one page and each phrase stands there once, where expected (within half a
// millimetre).
void ComprobarPosiciones(const QString& pdf, const std::vector<PosicionPdf>& posiciones);
// The same for phrases that may be printed more than once: of those, the place nearest the
// expected one.
void ComprobarPosicionesMasCercanas(const QString& pdf, const std::vector<PosicionPdf>& posiciones);

// The font of a text on the line whose top is at y, in the notation of PaginaInformePdf::Fuente.
struct EstiloPdf {
    const char* texto;
    double y;  // mm
    const char* fuente;
};
void ComprobarFuentes(const QString& pdf, const std::vector<EstiloPdf>& estilos);
