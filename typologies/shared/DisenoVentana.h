#pragma once
// A typology window's controls described as a table: kind, name, the frame it lies in, place
// and size in pixels and, for numeric boxes, digit counts and pattern. One routine builds
// them; the tab order is a list of names.
#include <QPoint>
#include <QRect>
#include <vector>

class QWidget;

enum class ClaseControl {
    Etiqueta,  // label (plain text)
    Marco,     // frame (group box)
    Numero,    // editable numeric box
    Muestra,   // display numeric box: locked, grey, out of the tab order
    Fecha,     // masked date box
    Texto,     // display text box: read-only, grey, out of the tab order
    Opcion,    // option button; the name is the element's, "optp2tvi(0)"
    Casilla,   // check box
    Lista,     // combo box
};

struct ControlDiseno {
    ClaseControl clase;
    const char* nombre;
    const char* padre;  // name of the frame it lies in; nullptr: the window
    int x, y, ancho, alto;
    int enteros = 0, decimales = 0;
    const char* formato = nullptr;
    bool negrita = false;
};

namespace diseno {
ControlDiseno Etiqueta(const char* nombre, const char* padre, int x, int y, int ancho, bool negrita = false);
ControlDiseno Marco(const char* nombre, const char* padre, int x, int y, int ancho, int alto);
ControlDiseno Numero(const char* nombre, const char* padre, int x, int y, int ancho, int enteros, int decimales,
                     const char* formato);
ControlDiseno Muestra(const char* nombre, const char* padre, int x, int y, int ancho, int enteros, int decimales,
                      const char* formato, bool negrita = false);
ControlDiseno Fecha(const char* nombre, const char* padre, int x, int y);
ControlDiseno Texto(const char* nombre, const char* padre, int x, int y, int ancho);
ControlDiseno Opcion(const char* nombre, const char* padre, int x, int y, int ancho);
ControlDiseno Casilla(const char* nombre, const char* padre, int x, int y, int ancho);
ControlDiseno Lista(const char* nombre, const char* padre, int x, int y, int ancho);
}  // namespace diseno

// Creates the controls in table order; a frame must come before the controls it holds.
void ConstruirControles(QWidget& ventana, const std::vector<ControlDiseno>& controles);
// Tab (and Enter) order along the named controls; a name the window lacks stops construction
// (std::logic_error).
void OrdenTabulacion(QWidget& ventana, const std::vector<const char*>& nombres);

// Controls every typology window has: the bar of picture buttons Picture1 with cmdsalir,
// cmdlimpiar, cmdimprimir (created disabled) and cmdayuda, laid out from `origen`; and the
// summary box txtdescrip with the description button cmdDescripcion.
QWidget* CrearBotonera(QWidget* padre, QPoint origen);
void CrearDescripcion(QWidget* padre, const QRect& resumen, const QRect& boton);
