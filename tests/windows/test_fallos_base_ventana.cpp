// A typology window meeting a text where the years table holds a number, or a file that
// another program holds: the user reads what happened, and the record is left as it was
// before the entry.
#include <gtest/gtest.h>

#include <QFile>
#include <sqlite3.h>

#include "core/Globals.h"
#include "platform/CajaNum.h"
#include "platform/MsgBox.h"
#include "platform/NumberFormat.h"
#include "tests/support/FixtureVivienda.h"

namespace {

using FallosBaseVentana = FixtureVivienda;

// The update factor of the valuation year is met when a municipality is chosen.
TEST_F(FallosBaseVentana, TextUpdateFactorLeavesTheValuationAsItWas)
{
    Abrir();
    Valorar();
    const CDatosTip1 antes = gDatosTip1();
    ASSERT_GT(antes.P1_VAF(), 0);
    ASSERT_TRUE(MsgBoxSeam::Shown().isEmpty());
    // Both municipalities now have a ponencia before the valuation year: its factor is read.
    db_.Execute(QStringLiteral("update t04_ponencias set t04_ano=2024 where t04_codmun in (0, 9)"));
    db_.Execute(QString::fromUtf8("update t02_años set t02_porinc='1,5' where t02_ano=2025 and t02_ver=1"));

    Elegir(QStringLiteral("cmbp1mun"), QStringLiteral("PRUEBAS"));

    ASSERT_EQ(MsgBoxSeam::Shown().size(), 1);
    const QString m = MsgBoxSeam::Shown()[0].text;
    EXPECT_TRUE(m.contains(QString::fromUtf8("t02_años"))) << m.toStdString();
    EXPECT_TRUE(m.contains(QString::fromUtf8("t02_porinc del año 2025: «1,5»"))) << m.toStdString();
    const CDatosTip1& r = gDatosTip1();
    EXPECT_EQ(r.P1_MUN(), antes.P1_MUN());
    EXPECT_EQ(r.P1_CAL(), antes.P1_CAL());
    EXPECT_DOUBLE_EQ(r.P1_COA(), antes.P1_COA());
    EXPECT_DOUBLE_EQ(r.P1_VAF(), antes.P1_VAF());
    EXPECT_EQ(T("txtp1vaf"), FormatNumber(antes.P1_VAF(), C<CajaNum>("txtp1vaf")->formato()));
}

// The checked-value percentage is read when the window fills a new record: the record stays
// empty, nothing is computed from a percentage of 0.
TEST_F(FallosBaseVentana, TextPercentageLeavesTheRecordEmpty)
{
    db_.Execute(QString::fromUtf8("update t02_años set t02_porcom='ciento diez' where t02_ano=2025"));

    Abrir();

    // Said once: the activation that follows the failed load does not load again.
    ASSERT_EQ(MsgBoxSeam::Shown().size(), 1);
    EXPECT_TRUE(MsgBoxSeam::Shown()[0].text.contains(QString::fromUtf8("t02_porcom del año 2025: «ciento diez»")))
        << MsgBoxSeam::Shown()[0].text.toStdString();
    EXPECT_EQ(gDatosTip1().P1_SVL(), "V");
    EXPECT_DOUBLE_EQ(gDatosTip1().P1_RP(), 0);
}

// A municipality chosen while another program holds the file: its message, not empty
// boxes; the valuation shown is the one before.
TEST_F(FallosBaseVentana, HeldFileLeavesTheValuationAsItWas)
{
    Abrir();
    Valorar();
    const CDatosTip1 antes = gDatosTip1();
    sqlite3* otro = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(db_.path()).constData(), &otro), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(otro, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);

    Elegir(QStringLiteral("cmbp1mun"), QStringLiteral("PRUEBAS"));

    sqlite3_exec(otro, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(otro);
    ASSERT_EQ(MsgBoxSeam::Shown().size(), 1);
    EXPECT_TRUE(MsgBoxSeam::Shown()[0].text.contains(QString::fromUtf8("utilizada por otro programa")))
        << MsgBoxSeam::Shown()[0].text.toStdString();
    const CDatosTip1& r = gDatosTip1();
    EXPECT_EQ(r.P1_MUN(), antes.P1_MUN());
    EXPECT_EQ(r.P1_NOR(), antes.P1_NOR());
    EXPECT_DOUBLE_EQ(r.P1_VAF(), antes.P1_VAF());
    EXPECT_EQ(T("txtp1nor"), antes.P1_NOR());
    EXPECT_EQ(T("txtp1vaf"), FormatNumber(antes.P1_VAF(), C<CajaNum>("txtp1vaf")->formato()));
}

}  // namespace
