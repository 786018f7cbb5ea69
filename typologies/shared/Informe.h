#pragma once
// The one-page valuation report of the typology windows, described as data: a table of items
// (what to draw, where in millimetres, in which font, and where its text comes from) that one
// routine draws through the printer procedures of mImprimir. Each typology's report is its
// table (one per language) plus the labels its window builds before printing.
#include <QHash>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <vector>

class QWidget;

// What the window hands to the report besides its controls.
struct DatosInforme {
    // Label texts built by the window just before printing, by name ("sEtiquetaTSU" ...).
    QHash<QString, QString> etiquetas;
    // The record's description lines (index 0 to 3); a missing line prints nothing.
    QStringList descripcion;
    // The authority's logo (the selection panel's emblem).
    QPixmap logo;
};

// Complete font of a text item: the report sets all five before every text.
struct FuenteInforme {
    QString nombre;
    double tamano = 9;  // points
    bool negrita = false;
    bool cursiva = false;
    bool subrayado = false;
};

// Where the text of an item comes from.
enum class OrigenTexto {
    Ninguno,       // the item has no text (lines, boxes, picture, draw width)
    Literal,       // `texto` itself
    Control,       // the text the control named `texto` shows
    Rotulo,        // the caption of the label / frame / option named `texto`, "&" removed
    Etiqueta,      // DatosInforme::etiquetas[texto]
    Descripcion,   // DatosInforme::descripcion[indice]
    FechaControl,  // the date control named `texto`, its text rewritten as yyyy/mm/dd
};

enum class DibujoInforme {
    Texto,            // ImprimirTexto: text starts at x, top at y
    Derecha,          // ImprimirDerecha: text ends at x
    Centrado,         // ImprimirCentrado: text centred in the band x .. x + ancho
    Linea,            // DibujarLinea (x1, y1)-(x2, y2) in the current draw width
    Regla,            // two lines (x1, y1)-(x2, y1) and (x1, y1 + 0.5)-(x2, y1 + 0.5)
    RecuadroBlanco,   // white box (x1, y1)-(x2, y2) at draw width `grosor`, then width 1
    RecuadroGris,     // grey box, the same
    CajaCentrada,     // white box as above, then the text centred (x, y, ancho)
    CajaGrisDerecha,  // grey box as above, then the text right-aligned at (x, y)
    Imagen,           // the logo stretched into (x1, y1)-(x2, y2)
    Grosor,           // draw width `grosor` for the lines that follow
};

struct ItemInforme {
    DibujoInforme dibujo = DibujoInforme::Texto;
    // Row number of the layout (0 for rows without one), for reading a table against its layout.
    int numero = 0;
    // Stable name of a row that another table patches or that a shared part provides
    // ("titulo", "departamento"); empty for the rest. A derived table finds rows by it.
    QString nombre;
    // Text anchor: left end, right end, or start of the band of width `ancho`.
    double x = 0, y = 0, ancho = 0;
    // Line ends, box corners, picture rectangle.
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int grosor = 1;
    FuenteInforme fuente;
    OrigenTexto origen = OrigenTexto::Ninguno;
    // Literal text, or the name of the control / label text the text comes from.
    QString texto;
    int indice = 0;
    // Appended to the text (":", " =", "=").
    QString sufijo;
};

// Draws the items on the default printer as one page and ends the document. Set-up: the
// printer's scale mode and font name are kept; millimetres, draw width 1 (whatever the last
// report left), solid lines and solid fills; at the end (also when drawing fails) the scale
// mode and font name are put back. Every
// value is the text a control of `ventana` shows now: the report computes nothing.
// Throws std::runtime_error (message in the current language) when the printer could not
// start the document, so that the window reports it instead of a silent nothing.
void ImprimirInforme(const std::vector<ItemInforme>& items, QWidget& ventana, const DatosInforme& datos);

// The report's title, which names the print job: the texts on the line of the first underlined
// text (the heading, "COMPROBACIÓN DE VALORES: VIVIENDAS"), left to right; without an underlined
// text, the window's title.
QString TituloInforme(const std::vector<ItemInforme>& items, const QWidget& ventana, const DatosInforme& datos);

// The text an item prints (source and suffix), as ImprimirInforme reads it.
QString TextoItem(const ItemInforme& item, const QWidget& ventana, const DatosInforme& datos);
// The text a control shows: numeric box `texto`, date box `Text` (with its blanks), combo
// text, line edit text; a label, frame, option or check box gives its caption without the
// "&" of its access key. An unknown name gives an empty text.
QString TextoControl(const QWidget& ventana, const QString& nombre);
// A date text (yyyy/mm/dd or dd/mm/yyyy) rewritten as yyyy/mm/dd; any other text unchanged.
QString FechaAñoMesDia(const QString& texto);
// Names of the controls the items read that `ventana` does not have (empty when it has all).
QStringList ControlesAusentes(const std::vector<ItemInforme>& items, const QWidget& ventana);

// Building blocks of the tables ------------------------------------------------------------
namespace informe {

FuenteInforme Arial(double tamano, const char* estilo = "");  // estilo: letters B, I, U
FuenteInforme Times(double tamano, const char* estilo = "");

// A text source: what an item prints.
struct TextoInforme {
    OrigenTexto origen = OrigenTexto::Ninguno;
    QString texto;
    int indice = 0;
    QString sufijo;
};
TextoInforme Lit(const QString& texto);
TextoInforme Ctl(const QString& control);
TextoInforme Rot(const QString& control, const QString& sufijo = QString());
TextoInforme Etq(const QString& nombre);
TextoInforme Des(int indice);
TextoInforme Fec(const QString& control);

ItemInforme Izq(int numero, double x, double y, const FuenteInforme& f, const TextoInforme& t);
ItemInforme Der(int numero, double x, double y, const FuenteInforme& f, const TextoInforme& t);
ItemInforme Cen(int numero, double x, double y, double ancho, const FuenteInforme& f, const TextoInforme& t);
ItemInforme Linea(double x1, double y1, double x2, double y2);
ItemInforme Regla(double y, double x1 = 23, double x2 = 176);
ItemInforme Recuadro(double x1, double y1, double x2, double y2, int grosor, bool gris = false);
// White box at draw width 3 with the value centred in it, top 0.5 below the box's top.
ItemInforme Caja(int numero, double x1, double y1, double x2, double y2, const FuenteInforme& f, const TextoInforme& t);
// Grey box at draw width 6 with the value right-aligned at (x, y).
ItemInforme CajaGris(int numero, double x1, double y1, double x2, double y2, double x, double y, const FuenteInforme& f,
                     const TextoInforme& t);
ItemInforme Logo(double x, double y, double ancho, double alto);
ItemInforme Grosor(int grosor);

// A report's two tables, each built once on first use by `construir(eu)` (false: Spanish).
template <auto construir>
const std::vector<ItemInforme>& TablaDeIdioma(bool eu)
{
    static const std::vector<ItemInforme> es = construir(false), vasco = construir(true);
    return eu ? vasco : es;
}

// The same item under a row name, for the rows a derived table patches by name.
ItemInforme Nombrada(const char* nombre, ItemInforme item);

// Patches of a table derived from another, by row name. A name the table does not hold once
// exactly (none, or several) is a broken derivation: std::logic_error naming it, never a
// silent no-op.
ItemInforme& Fila(std::vector<ItemInforme>& items, const QString& nombre);
// The row replaced by `nuevo`, which takes over the row's place and name.
void ReemplazarFila(std::vector<ItemInforme>& items, const QString& nombre, ItemInforme nuevo);
// The rows dropped, each of which must exist.
void QuitarFilas(std::vector<ItemInforme>& items, const QStringList& nombres);
// The controls the items read renamed by an explicit map of whole names: an item reading
// "Label1" becomes `mapa["Label1"]`, "Label12" is touched only by its own entry. Each item is
// renamed once, so {Label9 -> Label8, Label8 -> Frame5} swaps without chaining.
void RenombrarControles(std::vector<ItemInforme>& items, const QHash<QString, QString>& mapa);

}  // namespace informe
