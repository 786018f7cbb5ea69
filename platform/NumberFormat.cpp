#include "platform/NumberFormat.h"

#include <QLocale>
#include <cmath>

namespace {

struct Separators {
    QChar decimal;
    QChar group;
    bool set = false;
};

Separators& separators()
{
    static Separators s;
    if (!s.set) {
        const QLocale sys = QLocale::system();
        if (sys.language() == QLocale::C || sys.name() == QLatin1String("C")) {
            s.decimal = QLatin1Char(',');
            s.group = QLatin1Char('.');
        } else {
            const QString dp = sys.decimalPoint();
            const QString gs = sys.groupSeparator();
            s.decimal = dp.isEmpty() ? QLatin1Char(',') : dp.at(0);
            s.group = gs.isEmpty() ? QLatin1Char('.') : gs.at(0);
        }
        s.set = true;
    }
    return s;
}

bool isPlaceholder(QChar c) { return c == QLatin1Char('0') || c == QLatin1Char('#'); }

// Rounds |v| half away from zero to `decimals` places on its 15 significant decimal digits
// (so that 2.675 rounds as written, not as stored in binary). Returns integer and decimal
// digit strings; the integer string has no leading zeros ("" for zero).
void roundedDigits(double v, int decimals, QString& intDigits, QString& decDigits)
{
    v = std::fabs(v);
    QString s = QString::number(v, 'e', 14);  // d.dddddddddddddde±xx
    const qsizetype ePos = s.indexOf(QLatin1Char('e'));
    const int exponent = s.mid(ePos + 1).toInt();
    QString mantissa = s.left(ePos);
    mantissa.remove(QLatin1Char('.'));
    // Digits with the decimal point after position pointPos.
    int pointPos = exponent + 1;
    QString digits = mantissa;
    if (pointPos <= 0) {
        digits = QString(-pointPos + 1, QLatin1Char('0')) + digits;
        pointPos = 1;
    }
    if (digits.size() < pointPos + decimals + 1)
        digits += QString(pointPos + decimals + 1 - digits.size(), QLatin1Char('0'));
    const bool roundUp = digits.at(pointPos + decimals) >= QLatin1Char('5');
    digits.truncate(pointPos + decimals);
    if (roundUp) {
        qsizetype i = digits.size() - 1;
        while (i >= 0) {
            if (digits.at(i) == QLatin1Char('9')) {
                digits[i] = QLatin1Char('0');
                --i;
            } else {
                digits[i] = QChar(digits.at(i).unicode() + 1);
                break;
            }
        }
        if (i < 0) {
            digits.prepend(QLatin1Char('1'));
            ++pointPos;
        }
    }
    intDigits = digits.left(pointPos);
    decDigits = digits.mid(pointPos);
    int lead = 0;
    while (lead < intDigits.size() && intDigits.at(lead) == QLatin1Char('0'))
        ++lead;
    intDigits = intDigits.mid(lead);
}

QString groupDigits(const QString& digits, QChar group)
{
    QString out;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += group;
        out += digits.at(i);
    }
    return out;
}

}  // namespace

void SetRegionalSeparators(QChar decimal, QChar group)
{
    Separators& s = separators();
    s.decimal = decimal;
    s.group = group;
    s.set = true;
}

QChar DecimalSeparator() { return separators().decimal; }
QChar GroupSeparator() { return separators().group; }

QString FormatNumber(double v, const QString& pattern)
{
    const QChar dec = DecimalSeparator();
    const QChar grp = GroupSeparator();
    if (!std::isfinite(v))
        return QString();
    if (pattern.isEmpty()) {
        QString s = QString::number(v, 'g', 15);
        s.replace(QLatin1Char('.'), dec);
        return s;
    }

    // The number section runs from the first to the last placeholder; what lies around it
    // is copied as it is.
    int first = -1, last = -1;
    for (int i = 0; i < pattern.size(); ++i) {
        if (isPlaceholder(pattern.at(i))) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    if (first < 0)
        return pattern;
    QString prefix = pattern.left(first);
    const QString section = pattern.mid(first, last - first + 1);
    QString suffix = pattern.mid(last + 1);
    // A decimal point right after the last placeholder belongs to the section ("#." ).
    const qsizetype pointInSection = section.indexOf(QLatin1Char('.'));
    bool trailingPoint = false;
    if (pointInSection < 0 && suffix.startsWith(QLatin1Char('.'))) {
        trailingPoint = true;
        suffix.remove(0, 1);
    }
    const QString intPattern = pointInSection < 0 ? section : section.left(pointInSection);
    const QString decPattern = pointInSection < 0 ? QString() : section.mid(pointInSection + 1);

    int decimals = 0;
    for (QChar c : decPattern)
        if (isPlaceholder(c))
            ++decimals;

    QString intDigits, decDigits;
    roundedDigits(v, decimals, intDigits, decDigits);

    // Integer part: as many digits as the placeholders from the first '0' on demand.
    int minDigits = 0;
    const qsizetype firstZero = intPattern.indexOf(QLatin1Char('0'));
    if (firstZero >= 0)
        for (qsizetype i = firstZero; i < intPattern.size(); ++i)
            if (isPlaceholder(intPattern.at(i)))
                ++minDigits;
    if (intDigits.size() < minDigits)
        intDigits = QString(minDigits - intDigits.size(), QLatin1Char('0')) + intDigits;

    bool grouping = false;
    bool innerLiterals = false;
    for (QChar c : intPattern) {
        if (c == QLatin1Char(','))
            grouping = true;
        else if (!isPlaceholder(c))
            innerLiterals = true;
    }

    QString intText;
    if (!innerLiterals) {
        intText = grouping ? groupDigits(intDigits, grp) : intDigits;
    } else {
        // Literals inside the integer part stay where they are; digits fill the placeholders
        // from the right, extra digits go before the leftmost placeholder.
        qsizetype d = intDigits.size() - 1;
        for (qsizetype i = intPattern.size() - 1; i >= 0; --i) {
            const QChar c = intPattern.at(i);
            if (isPlaceholder(c)) {
                if (d >= 0)
                    intText.prepend(intDigits.at(d--));
            } else if (c != QLatin1Char(',')) {
                intText.prepend(c);
            }
        }
        if (d >= 0)
            intText.prepend(intDigits.left(d + 1));
    }

    // Decimal part: trailing zeros are dropped where the pattern has '#'.
    QString decText;
    if (decimals > 0) {
        QString placeholders;
        for (QChar c : decPattern)
            if (isPlaceholder(c))
                placeholders += c;
        qsizetype keep = decDigits.size();
        while (keep > 0 && placeholders.at(keep - 1) == QLatin1Char('#') && decDigits.at(keep - 1) == QLatin1Char('0'))
            --keep;
        qsizetype k = 0;
        for (QChar c : decPattern) {
            if (isPlaceholder(c)) {
                if (k < keep)
                    decText += decDigits.at(k);
                ++k;
            } else if (c != QLatin1Char(',')) {
                decText += c;
            }
        }
    }

    QString body = intText;
    if (pointInSection >= 0 || trailingPoint)
        body += dec + decText;

    bool allZero = true;
    for (QChar c : intDigits + decDigits)
        if (c != QLatin1Char('0'))
            allZero = false;
    const QString sign = (v < 0 && !allZero) ? QStringLiteral("-") : QString();
    return sign + prefix + body + suffix;
}

double Val(const QString& s)
{
    QString n;
    qsizetype i = 0;
    const qsizetype len = s.size();
    auto skipBlanks = [&]() {
        while (i < len && (s.at(i) == QLatin1Char(' ') || s.at(i) == QLatin1Char('\t') ||
                           s.at(i) == QLatin1Char('\n') || s.at(i) == QLatin1Char('\r')))
            ++i;
    };
    skipBlanks();
    if (i < len && (s.at(i) == QLatin1Char('-') || s.at(i) == QLatin1Char('+')))
        n += s.at(i++);
    bool digits = false, point = false;
    for (; i < len; ++i) {
        const QChar c = s.at(i);
        if (c.isDigit() && c.unicode() < 128) {
            n += c;
            digits = true;
        } else if (c == QLatin1Char('.') && !point) {
            n += c;
            point = true;
        } else if (c == QLatin1Char(' ') || c == QLatin1Char('\t')) {
            continue;  // blanks inside the number are skipped
        } else {
            break;
        }
    }
    if (!digits)
        return 0.0;
    // Optional exponent.
    if (i < len && (s.at(i) == QLatin1Char('e') || s.at(i) == QLatin1Char('E') || s.at(i) == QLatin1Char('d') ||
                    s.at(i) == QLatin1Char('D'))) {
        QString e = QStringLiteral("e");
        qsizetype j = i + 1;
        if (j < len && (s.at(j) == QLatin1Char('-') || s.at(j) == QLatin1Char('+')))
            e += s.at(j++);
        bool expDigits = false;
        while (j < len && s.at(j).isDigit() && s.at(j).unicode() < 128) {
            e += s.at(j++);
            expDigits = true;
        }
        if (expDigits)
            n += e;
    }
    bool ok = false;
    const double r = n.toDouble(&ok);
    return ok ? r : 0.0;
}

double ParseNumber(const QString& text)
{
    const QChar dec = DecimalSeparator();
    const QChar grp = GroupSeparator();
    QString t = text.trimmed();
    if (t.isEmpty())
        return 0.0;
    QString n;
    for (QChar c : t) {
        if (c == grp && c != dec)
            continue;
        if ((grp == QChar(0x00A0) || grp == QChar(0x202F)) && c == QLatin1Char(' '))
            continue;
        if (c == dec)
            n += QLatin1Char('.');
        else
            n += c;
    }
    return Val(n);
}
