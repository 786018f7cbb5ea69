#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <unistd.h>

#include "core/Globals.h"
#include "platform/MsgBox.h"
#include "tests/support/DatosPrueba.h"

namespace {

const char* kSettings = "CREATE TABLE T01_GENERAL (T01_FEC_OMIS INTEGER, T01_IDI_OMIS TEXT, T01_MON_OMIS TEXT,"
                        " T01_MINIMO_DESDE INTEGER, T01_MAXIMO_HASTA INTEGER);"
                        "INSERT INTO T01_GENERAL VALUES (20240315, ' E ', 'P  ', 1999, 2027);";

class EntradaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = dir.filePath("t.db");
        CrearBase(path, kSettings);
        ASSERT_TRUE(gConexion().AbrirRuta(path));
        ReleaseGlobals();
        gIdioma = 0;
        gFecha().setFecidioma("C");
        MsgBoxSeam::Install();
        MsgBoxSeam::Clear();
    }
    void TearDown() override
    {
        MsgBoxSeam::Uninstall();
        gConexion().SetRutaForTests(QString());
        ReleaseGlobals();
        gIdioma = 0;
        gFecha().setFecidioma("C");
    }
    // The settings row as the file holds it: date, language, currency, years.
    QVariantList Fila()
    {
        Recordset rs = gConexion().openRecordset(
            "select T01_FEC_OMIS,T01_IDI_OMIS,T01_MON_OMIS,T01_MINIMO_DESDE,T01_MAXIMO_HASTA from T01_GENERAL");
        QVariantList fila;
        for (int k = 0; k < 5; ++k)
            fila << rs.Field(k);
        return fila;
    }
    QTemporaryDir dir;
    QString path;
};

TEST_F(EntradaTest, LeerT01ReadsTrimmedSettingsButNotTheDate)
{
    CEntrada& e = gEntrada();
    e.LeerT01();
    EXPECT_EQ(e.P_IDI(), "E");
    EXPECT_EQ(e.P_MON(), "P");
    EXPECT_EQ(e.P_DESDE(), 1999);
    EXPECT_EQ(e.P_HASTA(), 2027);
    EXPECT_EQ(e.P_FECV(), 0);
    EXPECT_EQ(gIdioma, 0);                   // start-up sets the offset, not the reading
    EXPECT_EQ(Fila()[1].toString(), " E ");  // nothing written back
}

TEST_F(EntradaTest, LeerT01WithoutRowKeepsTheFields)
{
    gConexion().execute("delete from T01_GENERAL");
    CEntrada& e = gEntrada();
    e.LeerT01();
    EXPECT_EQ(e.P_IDI(), "");
    EXPECT_EQ(e.P_MON(), "");
    EXPECT_EQ(e.P_DESDE(), 0);
    EXPECT_EQ(e.P_HASTA(), 0);
}

TEST_F(EntradaTest, SettersWriteTheirColumnAtOnce)
{
    CEntrada& e = gEntrada();
    e.setP_IDI("E");
    EXPECT_EQ(gIdioma, 10000);
    EXPECT_EQ(gFecha().fecidioma(), "E");
    e.setP_MON(" P ");
    EXPECT_EQ(e.P_MON(), " P ");  // the field keeps the value as given
    e.setP_FECV(20250107);
    e.setP_DESDE(2001);
    e.setP_HASTA(2003);

    const QVariantList fila = Fila();
    EXPECT_EQ(fila[0].toLongLong(), 20250107);
    EXPECT_EQ(fila[0].typeId(), QMetaType::LongLong);  // written as a number, not a text
    EXPECT_EQ(fila[1].toString(), "E");
    EXPECT_EQ(fila[2].toString(), "P");  // written trimmed
    EXPECT_EQ(fila[3].toInt(), 1999);    // year range: never written
    EXPECT_EQ(fila[4].toInt(), 2027);

    e.setP_IDI("C");
    EXPECT_EQ(gIdioma, 0);
    EXPECT_EQ(gFecha().fecidioma(), "C");
    e.setP_IDI("e");  // only "E" is Basque
    EXPECT_EQ(gIdioma, 0);
    EXPECT_EQ(Fila()[1].toString(), "e");
    EXPECT_TRUE(MsgBoxSeam::Shown().isEmpty());
}

// The statements run by the settings, exactly as the program writes them.
TEST_F(EntradaTest, SettingsStatementTexts)
{
    QStringList sentencias;
    gConexion().SetStatementObserver([&](const QString& sql) { sentencias << sql; });
    CEntrada& e = gEntrada();
    e.LeerT01();
    e.setP_IDI("E");
    e.setP_IDI("C");
    e.setP_MON(" P ");
    e.setP_FECV(20250107);
    e.setP_DESDE(2001);
    e.setP_HASTA(2003);
    e.ModificaT01("T01_MON_OMIS", "d'E", "s");
    e.ModificaT01("T01_MINIMO_DESDE", QVariant(-5), "n");
    e.ModificaT01("T01_MON_OMIS", "X", "S");
    gConexion().SetStatementObserver({});
    EXPECT_EQ(sentencias,
              (QStringList{
                  "select T01_FEC_OMIS,T01_IDI_OMIS,T01_MON_OMIS,T01_MINIMO_DESDE,T01_MAXIMO_HASTA from T01_GENERAL",
                  "Update t01_general set T01_IDI_OMIS='E'",
                  "Update t01_general set T01_IDI_OMIS='C'",
                  "Update t01_general set T01_MON_OMIS='P'",
                  "Update t01_general set T01_FEC_OMIS=20250107",
                  "Update t01_general set T01_MON_OMIS='d''E'",
                  "Update t01_general set T01_MINIMO_DESDE=-5",
              }));
}

TEST_F(EntradaTest, ModificaT01QuotesTextAndIgnoresOtherKinds)
{
    CEntrada& e = gEntrada();
    e.ModificaT01("T01_MON_OMIS", "d'E", "s");
    EXPECT_EQ(Fila()[2].toString(), "d'E");
    e.ModificaT01("T01_MON_OMIS", "X", "q");
    EXPECT_EQ(Fila()[2].toString(), "d'E");
    EXPECT_THROW(e.ModificaT01("T01_NADA", 1, "n"), DbError);
}

// A settings write that the database refuses is told once; the program goes on with the
// new value, and the language offset and the date converter follow it.
TEST_F(EntradaTest, RefusedWriteIsReportedAndTheNewValueApplies)
{
    CrearBase(path, "CREATE TRIGGER solo_lectura BEFORE UPDATE ON T01_GENERAL "
                    "BEGIN SELECT RAISE(ABORT, 'attempt to write a readonly database'); END;");
    CEntrada& e = gEntrada();
    e.LeerT01();

    EXPECT_NO_THROW(e.setP_IDI("C"));
    ASSERT_EQ(MsgBoxSeam::Shown().size(), 1);
    const ShownMessage m = MsgBoxSeam::Shown().first();
    EXPECT_EQ(m.style, 48);
    EXPECT_TRUE(m.text.contains(path));
    EXPECT_TRUE(m.text.contains(QString::fromUtf8("configuración")));
    EXPECT_TRUE(m.text.contains("konfigurazioa"));
    EXPECT_EQ(e.P_IDI(), "C");
    EXPECT_EQ(gIdioma, 0);
    EXPECT_EQ(gFecha().fecidioma(), "C");
    EXPECT_EQ(Fila()[1].toString(), " E ");  // the file is unchanged

    MsgBoxSeam::Clear();
    EXPECT_NO_THROW(e.setP_FECV(20250107));
    EXPECT_NO_THROW(e.setP_MON("E"));
    EXPECT_EQ(MsgBoxSeam::Shown().size(), 2);
    EXPECT_EQ(e.P_FECV(), 20250107);
    EXPECT_EQ(e.P_MON(), "E");
}

TEST_F(EntradaTest, WriteProtectedFileIsReportedToo)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "file permissions do not bind the super-user";
    gConexion().Cerrar();
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadUser);
    ASSERT_TRUE(gConexion().AbrirRuta(path));
    gEntrada().setP_MON("E");
    EXPECT_EQ(MsgBoxSeam::Shown().size(), 1);
    EXPECT_EQ(gEntrada().P_MON(), "E");
    EXPECT_EQ(Fila()[2].toString(), "P  ");
}

TEST_F(EntradaTest, ReleasedSettingsComeBackEmpty)
{
    gEntrada().LeerT01();
    ReleaseGlobals();
    EXPECT_EQ(gEntrada().P_IDI(), "");
    EXPECT_EQ(gEntrada().P_HASTA(), 0);
}

}  // namespace
