#include <gtest/gtest.h>

#include <QDate>
#include <stdexcept>

#include "core/cFecha.h"

namespace {

cFecha Converter(const char* idioma)
{
    cFecha f;
    f.setFecidioma(QString::fromLatin1(idioma));
    return f;
}

struct TextCase {
    const char* idioma;
    const char* text;
    int16_t minYear;
    bool valid;
    int32_t number;  // StringToLong
};

// clang-format off
const TextCase kTextCases[] = {
    // Spanish form dd/mm/yyyy
    {"C", "__/__/____",    0, true,  0},
    {"C", "__/__/____", 2000, true,  0},
    {"C", "27/10/2003",    0, true,  20031027},
    {"C", "29/02/2000",    0, true,  20000229},
    {"C", "29/02/2004",    0, true,  20040229},
    {"C", "29/02/1900",    0, false, -1},
    {"C", "31/04/2003",    0, false, -1},
    {"C", "00/01/2003",    0, false, -1},
    {"C", "01/13/2003",    0, false, -1},
    {"C", "15/13/2003",    0, false, -1},
    {"C", "01/01/0999",    0, false, -1},
    {"C", "01/12/20__",    0, false, -1},   // partly typed year
    {"C", "01/12/200_",    0, false, -1},
    {"C", "_1/12/2003",    0, false, -1},
    {"C", "01/1_/2003",    0, false, -1},
    {"C", "1/12/2003",     0, false, -1},
    {"C", "01/12/2003 ",   0, false, -1},
    {"C", "",              0, false, -1},
    {"C", "____/__/__",    0, false, -1},   // the other language's mask
    {"C", "31/12/1999", 2000, false, -1},
    {"C", "01/01/2000", 2000, true,  20000101},
    // Basque form yyyy/mm/dd
    {"E", "____/__/__",    0, true,  0},
    {"E", "2003/10/27",    0, true,  20031027},
    {"E", "2000/02/29",    0, true,  20000229},
    {"E", "1900/02/29",    0, false, -1},
    {"E", "2003/04/31",    0, false, -1},
    {"E", "0999/01/01",    0, false, -1},
    {"E", "2003/12/3_",    0, false, -1},   // partly typed day
    {"E", "2003/12/_3",    0, false, -1},
    {"E", "20__/12/03",    0, false, -1},
    {"E", "2003/12/031",   0, false, -1},
    {"E", "__/__/____",    0, false, -1},
    {"E", "1999/12/31", 2000, false, -1},
    {"E", "2000/01/01", 2000, true,  20000101},
};
// clang-format on

}  // namespace

TEST(Fecha, EsFechaAndStringToLong)
{
    for (const TextCase& c : kTextCases) {
        const cFecha f = Converter(c.idioma);
        const QString s = QString::fromLatin1(c.text);
        EXPECT_EQ(f.EsFecha(s, c.minYear), c.valid) << c.idioma << " '" << c.text << "' min " << c.minYear;
        EXPECT_EQ(f.StringToLong(s, c.minYear), c.number) << c.idioma << " '" << c.text << "' min " << c.minYear;
    }
}

// Every day number 0..32 of every month of a few years, checked against the calendar, in both forms,
// and each valid date goes through number and text unchanged.
TEST(Fecha, AgreesWithTheCalendarAndRoundTrips)
{
    const cFecha es = Converter("C");
    const cFecha eu = Converter("E");
    for (int year : {1900, 2000, 2003, 2004}) {
        for (int month = 0; month <= 13; ++month) {
            for (int day = 0; day <= 32; ++day) {
                const bool exists = QDate(year, month, day).isValid();
                const QString dd = QString::number(day).rightJustified(2, QLatin1Char('0'));
                const QString mm = QString::number(month).rightJustified(2, QLatin1Char('0'));
                const QString yyyy = QString::number(year);
                const QString textEs = dd + "/" + mm + "/" + yyyy;
                const QString textEu = yyyy + "/" + mm + "/" + dd;
                ASSERT_EQ(es.EsFecha(textEs), exists) << textEs.toStdString();
                ASSERT_EQ(eu.EsFecha(textEu), exists) << textEu.toStdString();
                const int32_t number = year * 10000 + month * 100 + day;
                EXPECT_EQ(es.LongToString(number), exists ? textEs : es.FecVacia()) << number;
                EXPECT_EQ(eu.LongToString(number), exists ? textEu : eu.FecVacia()) << number;
                if (exists) {
                    EXPECT_EQ(es.StringToLong(textEs), number);
                    EXPECT_EQ(eu.StringToLong(textEu), number);
                }
            }
        }
    }
}

TEST(Fecha, LongToStringOfNoDateOrBadNumber)
{
    struct Case {
        const char* idioma;
        int32_t number;
        const char* text;
    };
    const Case cases[] = {
        {"C", 0, "__/__/____"},         {"C", -20031027, "__/__/____"}, {"C", 20030230, "__/__/____"},
        {"C", 1, "__/__/____"},         {"C", 2003102, "__/__/____"},   {"E", 0, "____/__/__"},
        {"C", 200310271, "__/__/____"}, {"E", 9991231, "____/__/__"},   {"C", 99991231, "31/12/9999"},
        {"E", 20030230, "____/__/__"},  {"E", 20031027, "2003/10/27"},  {"C", 20031027, "27/10/2003"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Converter(c.idioma).LongToString(c.number), QString::fromLatin1(c.text))
            << c.idioma << " " << c.number;
}

TEST(Fecha, LongToStringInvertedReadsDayMonthYear)
{
    EXPECT_EQ(Converter("C").LongToString(27102003, true), QStringLiteral("27/10/2003"));
    EXPECT_EQ(Converter("E").LongToString(27102003, true), QStringLiteral("2003/10/27"));
    EXPECT_EQ(Converter("C").LongToString(30022003, true), QStringLiteral("__/__/____"));
    EXPECT_EQ(Converter("C").LongToString(1102003, true), QStringLiteral("01/10/2003"));
}

TEST(Fecha, MaskFollowsBasqueCodeWhileFormFollowsSpanishCode)
{
    cFecha f;
    EXPECT_EQ(f.fecidioma(), QString());
    EXPECT_EQ(f.FecVacia(), QStringLiteral("__/__/____"));
    // Not yet told the language: the mask is the Spanish one, dates are read and written the Basque way.
    EXPECT_TRUE(f.EsFecha(QStringLiteral("2003/10/27")));
    EXPECT_EQ(f.LongToString(20031027), QStringLiteral("2003/10/27"));
    EXPECT_EQ(f.StringToLong(QStringLiteral("__/__/____")), 0);
    f.setFecidioma(QStringLiteral("E"));
    EXPECT_EQ(f.fecidioma(), QStringLiteral("E"));
    EXPECT_EQ(f.FecVacia(), QStringLiteral("____/__/__"));
}

TEST(Fecha, MiYear)
{
    EXPECT_EQ(Converter("C").miYear(QStringLiteral("27/10/2003")), 2003);
    EXPECT_EQ(Converter("C").miYear(QStringLiteral("29/02/2000")), 2000);
    EXPECT_EQ(Converter("E").miYear(QStringLiteral("2003/10/27")), 2003);
    EXPECT_EQ(Converter("E").miYear(QStringLiteral(" 999/01/01")), 999);
    for (const char* bad : {"__/__/____", "31/02/2003", "01/12/20__", "2003/10/27", ""})
        EXPECT_THROW(Converter("C").miYear(QString::fromLatin1(bad)), std::invalid_argument) << bad;
    for (const char* bad : {"____/__/__", "20_3/10/27", ""})
        EXPECT_THROW(Converter("E").miYear(QString::fromLatin1(bad)), std::invalid_argument) << bad;
}
