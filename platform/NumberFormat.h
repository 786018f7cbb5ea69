#pragma once
// Number texts in the user's regional format: one formatter for the display patterns
// of the program ("#,###,##0", "##0.00", "0.0000" ...) and the reading of such texts back.
#include <QChar>
#include <QString>

// Sets the decimal and grouping characters used by FormatNumber and ParseNumber.
void SetRegionalSeparators(QChar decimal, QChar group);
// Regional decimal character (system locale's; "," when the system locale is C/POSIX).
QChar DecimalSeparator();
// Regional grouping character (system locale's; "." when the system locale is C/POSIX).
QChar GroupSeparator();

// Formats v with a pattern: '0' a digit always shown, '#' a digit shown when significant,
// ',' (in the integer part) groups thousands, '.' the decimal point; other characters are
// copied. Rounds half away from zero to the pattern's decimals. The output uses the
// regional characters. A zero with no '0' placeholder gives an empty integer part
// (0 with "#,###,###" gives ""). An empty pattern gives the plain number.
QString FormatNumber(double v, const QString& pattern);

// Reads a regional number text back (grouping characters ignored, regional decimal
// character, optional sign, surrounding blanks); empty or unreadable text gives 0.
double ParseNumber(const QString& text);

// Reads the leading number of s: blanks skipped, optional sign, digits with '.' as the
// decimal point, an optional exponent; stops at the first other character; no digits -> 0.
double Val(const QString& s);
