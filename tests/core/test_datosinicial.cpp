#include <gtest/gtest.h>

#include "core/Globals.h"

namespace {

CDatosTip& Record(int tipo)
{
    switch (tipo) {
    case 1: return gDatosTip1();
    case 2: return gDatosTip2();
    case 3: return gDatosTip3();
    case 4: return gDatosTip4();
    case 5: return gDatosTip5();
    case 6: return gDatosTip6();
    case 7: return gDatosTip7();
    case 8: return gDatosTip8();
    default: return gDatosTip9();
    }
}

} // namespace

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
        CDatosTip& r = Record(tipo);
        r.Set(QStringLiteral("SVL"), QStringLiteral("L"));
        r.Set(QStringLiteral("MUN"), QStringLiteral("Vitoria"));
        r.Set(QStringLiteral("VAF"), 1234.0);
        r.Set(QStringLiteral("FECV"), 20031027);
        r.EscribirDES(QStringLiteral("valoración"), 0);
    }
    gDatosInicial().setP0_Tip(4);

    gDatosInicial().InicializarTipologias();

    for (int tipo = 1; tipo <= 9; ++tipo) {
        const CDatosTip& r = Record(tipo);
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
