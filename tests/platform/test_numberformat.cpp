#include "platform/NumberFormat.h"

#include <gtest/gtest.h>

#include <cmath>

// The test program pins Spanish separators: "," decimal, "." grouping.

struct FormatCase {
    double value;
    const char* pattern;
    const char* expected;
};

TEST(FormatNumber, PatternsOfTheProgramWithSpanishSeparators)
{
    const FormatCase cases[] = {
        {1234567, "#,###,###", "1.234.567"},
        {0, "#,###,###", ""},  // no '0' placeholder: zero shows nothing
        {0, "#,###,##0", "0"},
        {1234567890, "#,###,###", "1.234.567.890"},  // more digits than placeholders
        {999, "#,###,##0", "999"},
        {1000, "#,###,##0", "1.000"},
        {1234.5, "#,##0.00", "1.234,50"},
        {0.5, "#,##0.00", "0,50"},
        {12.3, "##0.00", "12,30"},
        {1.5, "#0.000000", "1,500000"},
        {0.1234, "0.0000", "0,1234"},
        {20030312, "00000000", "20030312"},
        {7, "0000", "0007"},
        {5, "00", "05"},
        {12.3, "#,###,###.00", "12,30"},
        {1234.5, "#,##0.00 €", "1.234,50 €"},  // literal characters are kept
        {-1234.5, "#,##0.00", "-1.234,50"},
    };
    for (const FormatCase& c : cases)
        EXPECT_EQ(FormatNumber(c.value, QString::fromUtf8(c.pattern)), QString::fromUtf8(c.expected))
            << c.value << " with " << c.pattern;
}

TEST(FormatNumber, RoundsHalfAwayFromZeroOnTheDecimalDigits)
{
    // clang-format off
    const FormatCase cases[] = {
        {2.675, "##0.00", "2,68"},  // 2.675 is 2.67499... in binary
        {1.005, "0.00", "1,01"},
        {0.5, "0", "1"},
        {2.5, "0", "3"},
        {-2.5, "0", "-3"},
        {999.995, "#,##0.00", "1.000,00"}, // the carry reaches a new group
        {1234.4999, "#,###,###", "1.234"},
        {-0.001, "0.00", "0,00"}, // no minus sign on a zero
    };
    // clang-format on
    for (const FormatCase& c : cases)
        EXPECT_EQ(FormatNumber(c.value, QString::fromUtf8(c.pattern)), QString::fromUtf8(c.expected))
            << c.value << " with " << c.pattern;
}

TEST(FormatNumber, UsesTheRegionalCharacters)
{
    SetRegionalSeparators(QChar('.'), QChar(','));
    const QString english = FormatNumber(1234567.891, "#,###,##0.00");
    const double back = ParseNumber(english);
    SetRegionalSeparators(QChar(','), QChar('.'));
    EXPECT_EQ(english, "1,234,567.89");
    EXPECT_DOUBLE_EQ(back, 1234567.89);
    EXPECT_EQ(FormatNumber(1234567.891, "#,###,##0.00"), "1.234.567,89");
}

TEST(ParseNumber, ReadsRegionalTexts)
{
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"1.234,50", 1234.5},
        {"1.234.567", 1234567},
        {"0,1234", 0.1234},
        {"12", 12},
        {"  12,5 ", 12.5},
        {"-3,5", -3.5},
        {"", 0},
        {"abc", 0},
        {",5", 0.5},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(ParseNumber(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST(ParseNumber, ReadsBackWhatFormatNumberWrote)
{
    const char* patterns[] = {"#,###,##0", "#,##0.00", "##0.00", "#0.000000", "0.0000", "00000000"};
    const double values[] = {0, 0.25, 7, 1234.5678, 98765432.1, 1000000};
    for (const char* p : patterns) {
        const QString pattern = QString::fromUtf8(p);
        const int decimals = pattern.contains('.') ? int(pattern.size() - pattern.indexOf('.') - 1) : 0;
        for (double v : values) {
            const double rounded = std::round(v * std::pow(10.0, decimals)) / std::pow(10.0, decimals);
            EXPECT_NEAR(ParseNumber(FormatNumber(v, pattern)), rounded, 1e-9) << v << " with " << p;
        }
    }
}

TEST(Val, ReadsTheLeadingNumberWithAPoint)
{
    // clang-format off
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"12.5", 12.5},
        {"  12.5abc", 12.5},
        {"abc", 0},
        {"", 0},
        {"-4", -4},
        {"3,5", 3}, // the comma ends the number
        {"1 2 3", 123}, // blanks inside are skipped
        {".5", 0.5},
        {"1e3", 1000},
        {"2003/03/12", 2003},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(Val(QString::fromUtf8(c.text)), c.value) << c.text;
}
