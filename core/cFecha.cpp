#include "core/cFecha.h"

#include <QDate>
#include <QRegularExpression>
#include <stdexcept>

namespace {

// True when the characters from..to (counted from 1) of s exist and are all decimal digits.
bool Digits(const QString& s, int from, int to)
{
    if (s.size() < to)
        return false;
    for (int i = from - 1; i < to; ++i) {
        if (s[i] < QLatin1Char('0') || s[i] > QLatin1Char('9'))
            return false;
    }
    return true;
}

// Number of the characters from..to (counted from 1), already known to be digits.
int Number(const QString& s, int from, int to) { return s.mid(from - 1, to - from + 1).toInt(); }

bool IsLeapYear(int year) { return year % 4 == 0 && !(year % 100 == 0 && year % 400 != 0); }

bool DayExists(int day, int month, int year)
{
    if (day < 1 || day > 31 || month < 1 || month > 12)
        return false;
    if (month == 2)
        return day <= 28 || (day == 29 && IsLeapYear(year));
    if (month == 4 || month == 6 || month == 9 || month == 11)
        return day <= 30;
    return true;
}

}  // namespace

cFecha::cFecha() : mascaraEs_(QStringLiteral("__/__/____")), mascaraEu_(QStringLiteral("____/__/__")) {}

QString cFecha::fecidioma() const { return idioma_; }

void cFecha::setFecidioma(const QString& idioma) { idioma_ = idioma; }

QString cFecha::FecVacia() const { return MascaraVasca() ? mascaraEu_ : mascaraEs_; }

int32_t cFecha::miYear(const QString& s) const
{
    if (MascaraVasca()) {
        bool ok = false;
        const int32_t year = s.left(4).trimmed().toInt(&ok);
        if (!ok)
            throw std::invalid_argument("not a year: " + s.toStdString());
        return year;
    }
    static const QRegularExpression kDate(QStringLiteral("^\\s*(\\d{1,2})/(\\d{1,2})/(\\d{4})\\s*$"));
    const QRegularExpressionMatch m = kDate.match(s);
    if (m.hasMatch()) {
        const int day = m.captured(1).toInt();
        const int month = m.captured(2).toInt();
        const int year = m.captured(3).toInt();
        if (QDate(year, month, day).isValid())
            return year;
    }
    throw std::invalid_argument("not a date: " + s.toStdString());
}

bool cFecha::EsFecha(const QString& s, int16_t minYear) const
{
    if (s == FecVacia())
        return true;
    // Every digit place of the form must hold a digit: a partly typed date is not a date.
    if (s.size() != 10)
        return false;
    int day = 0;
    int month = 0;
    int year = 0;
    if (FormaEspanola()) {
        if (!Digits(s, 1, 2) || !Digits(s, 4, 5) || !Digits(s, 7, 10))
            return false;
        day = Number(s, 1, 2);
        month = Number(s, 4, 5);
        year = Number(s, 7, 10);
    } else {
        if (!Digits(s, 1, 4) || !Digits(s, 6, 7) || !Digits(s, 9, 10))
            return false;
        year = Number(s, 1, 4);
        month = Number(s, 6, 7);
        day = Number(s, 9, 10);
    }
    if (year < 1000)
        return false;
    if (minYear != 0 && year < minYear)
        return false;
    return DayExists(day, month, year);
}

int32_t cFecha::StringToLong(const QString& s, int16_t minYear) const
{
    if (s == FecVacia())
        return 0;
    if (!EsFecha(s, minYear))
        return -1;
    QString year;
    QString month;
    QString day;
    if (FormaEspanola()) {
        year = s.right(4);
        month = s.mid(3, 2);
        day = s.left(2);
    } else {
        year = s.left(4);
        month = s.mid(5, 2);
        day = s.right(2);
    }
    bool okYear = false;
    bool okMonth = false;
    bool okDay = false;
    const int y = year.toInt(&okYear);
    const int m = month.toInt(&okMonth);
    const int d = day.toInt(&okDay);
    if (!okYear || !okMonth || !okDay)
        return 0;
    return y * 10000 + m * 100 + d;
}

QString cFecha::LongToString(int32_t n, bool invertido) const
{
    if (n < 1)
        return FecVacia();
    // Only eight digits are a date: a shorter or longer number would have its parts overlap or
    // run into each other. Read as ddmmyyyy, days 1-9 lose their leading zero in the number.
    QString t = QString::number(n);
    if (invertido)
        t = t.rightJustified(8, QLatin1Char('0'));
    if (t.size() != 8)
        return FecVacia();
    QString year;
    QString month;
    QString day;
    if (invertido) {
        year = t.right(4);
        month = t.mid(2, 2);
        day = t.left(2);
    } else {
        year = t.left(4);
        month = t.mid(4, 2);
        day = t.right(2);
    }
    const QChar sep(QLatin1Char('/'));
    const QString texto = FormaEspanola() ? day + sep + month + sep + year : year + sep + month + sep + day;
    return EsFecha(texto) ? texto : FecVacia();
}
