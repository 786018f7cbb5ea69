#include <gtest/gtest.h>

#include <cmath>

#include "core/Redondeo.h"

TEST(Redondeo, RedondearDecimalesFollowsBinaryFloatingPoint)
{
    struct Case {
        double x;
        int16_t n;
        double expected;
    };
    // clang-format off
    const Case cases[] = {
        {0.125, 2, 0.13},        {-0.125, 2, -0.13},       {2.5, 0, 3},         {-2.5, 0, -3},
        {1.005, 2, 1.0},         {2.675, 2, 2.67},         {-2.675, 2, -2.67},  {1.2345678, 6, 1.234568},
        {0.03125, 4, 0.0313},    {1234.4999, 0, 1234},     {0.5, 0, 1},         {0.49999999999999994, 0, 0},
        {0, 2, 0},               {-0.004, 2, 0},           {99.995, 2, 100},    {1.23456789, 4, 1.2346},
    };
    // clang-format on
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(RedondearDecimales(c.x, c.n), c.expected) << c.x << " to " << c.n;
}

TEST(Redondeo, MoreThanSixDecimalsLeavesTheValue)
{
    for (double x : {123.456, 0.1234567891, -2.5})
        EXPECT_EQ(RedondearDecimales(x, 7), x);
}

TEST(Redondeo, Redondear)
{
    EXPECT_EQ(Redondear(2.5), 3);
    EXPECT_EQ(Redondear(2.4999), 2);
    EXPECT_EQ(Redondear(0), 0);
    EXPECT_EQ(Redondear(7), 7);
}

TEST(Redondeo, MinimoGivesTheSecondWhenEqual)
{
    EXPECT_EQ(Minimo(1, 2), 1);
    EXPECT_EQ(Minimo(2, 1), 1);
    EXPECT_TRUE(std::signbit(Minimo(0.0, -0.0)));
    EXPECT_FALSE(std::signbit(Minimo(-0.0, 0.0)));
}

TEST(Redondeo, VacioACero)
{
    const QVariant zeroes[] = {QVariant(QString()), QVariant(QStringLiteral("")), QVariant()};
    for (const QVariant& v : zeroes) {
        const QVariant r = VacioACero(v);
        EXPECT_EQ(r.typeId(), QMetaType::Int);
        EXPECT_EQ(r.toInt(), 0);
    }
    const QVariant unchanged[] = {QVariant(12.5), QVariant(0), QVariant(QStringLiteral(" ")),
                                  QVariant(QStringLiteral("abc"))};
    for (const QVariant& v : unchanged)
        EXPECT_EQ(VacioACero(v), v) << v.toString().toStdString();
}

TEST(Redondeo, CeroAVacio)
{
    const QVariant empties[] = {
        QVariant(0), QVariant(0.0), QVariant(-0.0), QVariant::fromValue<int16_t>(0), QVariant::fromValue<qlonglong>(0),
        QVariant()};
    for (const QVariant& v : empties) {
        const QVariant r = CeroAVacio(v);
        EXPECT_EQ(r.typeId(), QMetaType::QString);
        EXPECT_TRUE(r.toString().isEmpty());
    }
    // A text is never a number equal to 0.
    const QVariant unchanged[] = {QVariant(7), QVariant(0.5), QVariant(QStringLiteral("0")),
                                  QVariant(QStringLiteral("abc"))};
    for (const QVariant& v : unchanged) {
        EXPECT_EQ(CeroAVacio(v), v) << v.toString().toStdString();
        EXPECT_EQ(CeroAVacio(v).typeId(), v.typeId());
    }
}

TEST(Redondeo, ValorMaximoSiCero)
{
    EXPECT_EQ(ValorMaximoSiCero(3, 2, 0), 999.99);
    EXPECT_EQ(ValorMaximoSiCero(3, 0, 0), 999);
    EXPECT_EQ(ValorMaximoSiCero(1, 1, 0), 9.9);
    EXPECT_EQ(ValorMaximoSiCero(2, 6, 0), 99.999999);
    EXPECT_EQ(ValorMaximoSiCero(8, 0, 0), 99999999);
    EXPECT_EQ(ValorMaximoSiCero(3, 2, 100), 100);
    EXPECT_EQ(ValorMaximoSiCero(3, 2, -5), -5);
}
