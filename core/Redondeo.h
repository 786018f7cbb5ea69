#pragma once

#include <QVariant>
#include <cstdint>

// Value helpers shared by the windows and the typology records.

// y rounded half up to a whole number; y is 0 or more.
double Redondear(double y);

// x rounded to n decimals, halves away from zero, computed step by step in double precision
// (so 1.005 with 2 decimals gives 1.0, as its fraction is stored just below the half).
// More than 6 decimals: x unchanged.
double RedondearDecimales(double x, int16_t n);

// The smaller amount: b when a >= b, else a.
double Minimo(double a, double b);

// Empty text or a value never set (invalid/Null) becomes the number 0; anything else is returned unchanged.
QVariant VacioACero(const QVariant& v);

// A number equal to 0 or a value never set becomes the empty text; anything else is returned unchanged.
QVariant CeroAVacio(const QVariant& v);

// valor when it is not 0; else the largest value a box of `enteros` integer and `decimales` decimal
// digits holds (3 and 2 give 999.99).
double ValorMaximoSiCero(int16_t enteros, int16_t decimales, double valor);
