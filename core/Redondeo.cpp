#include "core/Redondeo.h"

#include <QMetaType>
#include <QString>
#include <cmath>

double Redondear(double y)
{
    const double entero = std::floor(y);
    return (y - entero >= 0.5) ? entero + 1 : entero;
}

double RedondearDecimales(double x, int16_t n)
{
    if (n > 6)
        return x;
    // Each step is its own double operation, in this order, so results follow binary floating point.
    const double p = std::pow(10.0, n);
    const double s = (x < 0) ? -1.0 : 1.0;
    const double w = s * std::floor(std::fabs(x));
    const double r = Redondear(std::fabs(x - w) * p);
    return w + s * r / p;
}

double Minimo(double a, double b) { return (a >= b) ? b : a; }

namespace {

bool IsNumber(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Float:
    case QMetaType::Double:
        return true;
    default:
        return false;
    }
}

}  // namespace

QVariant VacioACero(const QVariant& v)
{
    if (!v.isValid() || (v.typeId() == QMetaType::QString && v.toString().isEmpty()))
        return QVariant(0);
    return v;
}

QVariant CeroAVacio(const QVariant& v)
{
    if (!v.isValid() || (IsNumber(v) && v.toDouble() == 0.0))
        return QVariant(QString());
    return v;
}

double ValorMaximoSiCero(int16_t enteros, int16_t decimales, double valor)
{
    if (valor != 0)
        return valor;
    // e nines and d decimal nines: (10^(e+d) - 1) / 10^d; both terms are exact whole numbers while
    // e+d stays within the 15 digits a double holds, so the quotient is the nearest double to the text.
    const int e = enteros > 0 ? enteros : 0;
    const int d = decimales > 0 ? decimales : 0;
    return (std::pow(10.0, e + d) - 1.0) / std::pow(10.0, d);
}
