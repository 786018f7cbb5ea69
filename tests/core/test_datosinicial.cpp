#include <gtest/gtest.h>

#include "core/Globals.h"
#include "tests/support/DatosPrueba.h"

TEST(DatosInicial, StartsWithoutSelectionAndStoresWhatItIsGiven)
{
    cDatosInicial d;
    EXPECT_EQ(d.P0_Tip(), 0);
    EXPECT_FALSE(d.P_PINIMIN());
    d.setP0_Tip(7);
    d.setP_PINIMIN(true);
    EXPECT_EQ(d.P0_Tip(), 7);
    EXPECT_TRUE(d.P_PINIMIN());
}

TEST(DatosInicial, InicializarTipologiasEmptiesAllNineRecords)
{
    for (int tipo = 1; tipo <= 9; ++tipo) {
        CDatosTip& r = RegistroTipologia(tipo);
        r.Set(QStringLiteral("SVL"), QStringLiteral("L"));
        r.Set(QStringLiteral("MUN"), QStringLiteral("Vitoria"));
        r.Set(QStringLiteral("VAF"), 1234.0);
        r.Set(QStringLiteral("FECV"), 20031027);
        r.EscribirDES(QStringLiteral("valoración"), 0);
    }
    gDatosInicial().setP0_Tip(4);

    gDatosInicial().InicializarTipologias();

    for (int tipo = 1; tipo <= 9; ++tipo) {
        const CDatosTip& r = RegistroTipologia(tipo);
        EXPECT_EQ(r.Get(QStringLiteral("SVL")).toString(), QStringLiteral("V")) << tipo;
        EXPECT_EQ(r.Get(QStringLiteral("MUN")).toString(), QString()) << tipo;
        EXPECT_EQ(r.Get(QStringLiteral("VAF")).toDouble(), 0) << tipo;
        EXPECT_EQ(r.DES(0), QString()) << tipo;
        EXPECT_EQ(r.Get(QStringLiteral("FECV")).toInt(), 20031027) << tipo;
    }
    EXPECT_EQ(gDatosTip1().P1_DEP(), 1);
    EXPECT_EQ(gDatosTip5().P5_CL1(), QStringLiteral("X"));
    EXPECT_EQ(gDatosInicial().P0_Tip(), 4);
}
