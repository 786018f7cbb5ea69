#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/Globals.h"
#include "core/Inicio.h"
#include "platform/MsgBox.h"
#include "platform/ProgramFolder.h"
#include "tests/support/FixtureArranque.h"

namespace {

// Start-up on a copy of the demo database (the copy may be changed freely).
class InicioTest : public FixtureArranque {
protected:
    InicioTest() : FixtureArranque(-1) {}
    void Idioma(const QString& codigo)
    {
        ASSERT_TRUE(gConexion().AbrirRuta(path));
        gConexion().execute("Update t01_general set T01_IDI_OMIS='" + codigo + "'");
        gConexion().SetRutaForTests(path);
    }
};

TEST_F(InicioTest, LanguageOfTheSettingsSetsOffsetAndDates)
{
    // A code other than "E" or "C" is read as Spanish (the row itself is left as it is).
    struct Caso {
        const char* codigo;
        int16_t offset;
        const char* leido;
    } casos[] = {{"E", 10000, "E"}, {"C", 0, "C"}, {"e", 0, "C"}, {"", 0, "C"}};
    for (const Caso& c : casos) {
        Idioma(c.codigo);
        ReleaseGlobals();
        gIdioma = -1;
        ASSERT_TRUE(Inicializar()) << c.codigo;
        EXPECT_EQ(gIdioma, c.offset) << c.codigo;
        EXPECT_EQ(gEntrada().P_IDI(), c.leido) << c.codigo;
        EXPECT_EQ(gFecha().fecidioma(), c.leido) << c.codigo;
        EXPECT_EQ(gFecha().FecVacia(), c.offset ? "____/__/__" : "__/__/____") << c.codigo;
    }
}

TEST_F(InicioTest, StartUpReadsSettingsAndEmptiesTheRecords)
{
    gDatosTip1().setP1_SVL("L");
    gDatosTip5().setP5_SVL("L");
    gDatosTip9().setP9_SVL("L");
    gDatosInicial().setP0_Tip(4);

    ASSERT_TRUE(Inicializar());
    EXPECT_TRUE(gConexion().IsOpen());
    EXPECT_TRUE(gConexion().WorkspaceCreated());
    EXPECT_EQ(gEntrada().P_IDI(), "C");
    EXPECT_EQ(gEntrada().P_MON(), "E");
    EXPECT_EQ(gEntrada().P_DESDE(), 1999);
    EXPECT_EQ(gEntrada().P_HASTA(), 2027);
    EXPECT_EQ(gEntrada().P_FECV(), 0);  // the stored default date is not taken
    EXPECT_EQ(gDatosInicial().P0_Tip(), 1);
    const QString estados[] = {gDatosTip1().P1_SVL(), gDatosTip2().P2_SVL(), gDatosTip3().P3_SVL(),
                               gDatosTip4().P4_SVL(), gDatosTip5().P5_SVL(), gDatosTip6().P6_SVL(),
                               gDatosTip7().P7_SVL(), gDatosTip8().P8_SVL(), gDatosTip9().P9_SVL()};
    for (const QString& s : estados)
        EXPECT_EQ(s, "V");
    EXPECT_TRUE(MsgBoxSeam::Shown().isEmpty());
}

TEST_F(InicioTest, MainShowsTheStartWindowOrEnds)
{
    int mostrada = 0;
    SetMostrarEntrada([&] { ++mostrada; });
    EXPECT_TRUE(Main());
    EXPECT_EQ(mostrada, 1);
    EXPECT_TRUE(codigos.isEmpty());

    // With no start window registered the program ends normally after start-up.
    SetMostrarEntrada({});
    EXPECT_TRUE(Main());
    EXPECT_EQ(codigos, QList<int>{0});
}

// A file that is not the valuation database stops the program with one message naming it;
// no settings are read and the file is not touched.
TEST_F(InicioTest, ForeignDatabaseStopsTheProgram)
{
    QFile::remove(path);
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("no soy una base de datos\n");
    }
    int mostrada = 0;
    SetMostrarEntrada([&] { ++mostrada; });

    EXPECT_FALSE(Main());
    EXPECT_EQ(mostrada, 0);
    EXPECT_EQ(codigos, QList<int>{1});
    ASSERT_EQ(MsgBoxSeam::Shown().size(), 1);
    EXPECT_EQ(MsgBoxSeam::Shown().first().style, 48);
    EXPECT_TRUE(MsgBoxSeam::Shown().first().text.contains(path));
    EXPECT_EQ(gEntrada().P_IDI(), "");
    EXPECT_EQ(gIdioma, -1);

    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("no soy una base de datos\n"));
}

TEST_F(InicioTest, MissingDatabaseIsNotCreated)
{
    QFile::remove(path);
    EXPECT_FALSE(Inicializar());
    EXPECT_EQ(MsgBoxSeam::Shown().size(), 1);
    EXPECT_FALSE(QFile::exists(path));
}

TEST(Globals, CreatedOnFirstUseAndReleased)
{
    ReleaseGlobals();
    gDatosInicial().setP0_Tip(7);
    gDatosTip3().setP3_MUN("X");
    CEntrada* antes = &gEntrada();
    EXPECT_EQ(antes, &gEntrada());  // one instance
    ReleaseGlobals();
    EXPECT_EQ(gDatosInicial().P0_Tip(), 0);
    EXPECT_EQ(gDatosTip3().P3_MUN(), "");
}

}  // namespace
