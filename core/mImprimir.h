#pragma once
// Drawing procedures of the printed reports, on the printer object (Printer::Get()), in its
// current scale unit (the reports use millimetres) and current font, line and fill settings.
#include <QString>

// Prints texto with its left edge at x and its top at y.
void ImprimirTexto(double x, double y, const QString& texto);
// Prints texto so that it ends at x, top at y.
void ImprimirDerecha(double x, double y, const QString& texto);
// Prints texto centred in the band from x to x + ancho, top at y (a wider text overhangs
// both sides equally).
void ImprimirCentrado(double x, double y, double ancho, const QString& texto);
// Line from (x1, y1) to (x2, y2) in the printer's colour, width and style.
void DibujarLinea(double x1, double y1, double x2, double y2);
// Rectangle with corners (x1, y1) and (x2, y2), white inside; the fill colour stays white.
void DibujarRecuadroBlanco(double x1, double y1, double x2, double y2);
// The same with a grey (170, 170, 170) inside; the fill colour stays grey.
void DibujarRecuadroGris(double x1, double y1, double x2, double y2);
