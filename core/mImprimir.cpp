#include "core/mImprimir.h"

#include "platform/Printer.h"

// Positions are worked out in single precision, as the report layouts were measured with.

void ImprimirTexto(double x, double y, const QString& texto)
{
    Printer& p = Printer::Get();
    p.SetCurrentX(static_cast<float>(x));
    p.SetCurrentY(static_cast<float>(y));
    p.Print(texto);
}

void ImprimirDerecha(double x, double y, const QString& texto)
{
    Printer& p = Printer::Get();
    const float w = static_cast<float>(p.TextWidth(texto));
    p.SetCurrentX(static_cast<float>(x) - w);
    p.SetCurrentY(static_cast<float>(y));
    p.Print(texto);
}

void ImprimirCentrado(double x, double y, double ancho, const QString& texto)
{
    Printer& p = Printer::Get();
    const float mitad = static_cast<float>(p.TextWidth(texto)) / 2.0f;
    p.SetCurrentX(static_cast<float>(ancho) / 2.0f + static_cast<float>(x) - mitad);
    p.SetCurrentY(static_cast<float>(y));
    p.Print(texto);
}

void DibujarLinea(double x1, double y1, double x2, double y2) { Printer::Get().Line(x1, y1, x2, y2); }

void DibujarRecuadroBlanco(double x1, double y1, double x2, double y2)
{
    Printer& p = Printer::Get();
    p.SetFillColor(0xFFFFFF);
    p.Box(x1, y1, x2, y2);
}

void DibujarRecuadroGris(double x1, double y1, double x2, double y2)
{
    Printer& p = Printer::Get();
    p.SetFillColor(0xAAAAAA);
    p.Box(x1, y1, x2, y2);
}
