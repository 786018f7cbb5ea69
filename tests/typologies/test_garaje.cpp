// The garage and parking valuation driven through its window: location, MP, CS and CG, the
// value chain, the garage / parking switch, currency, zone codes, date, reopening, captions.
#include <QAbstractButton>
#include <QColor>
#include <cmath>
#include <gtest/gtest.h>

#include "core/Globals.h"
#include "core/Recursos.h"
#include "platform/CajaNum.h"
#include "platform/ComboBox.h"
#include "platform/MaskEdBox.h"
#include "platform/MsgBox.h"
#include "platform/Option.h"
#include "tests/support/FixtureGaraje.h"
#include "tests/support/WindowTestKit.h"
#include "typologies/parking/Tipologia3.h"
#include "windows/Descripcion.h"

namespace {

struct Caso {
    const char* nombre;
    bool euros;  // currency switched to euros before locating
    const char* calle;
    const char* portal;
    int tipo;        // entry of optp3tga: 0 garage, 1 parking space
    int superficie;  // entry of optp3tsu: 0 built, 1 usable
    const char* metros;
    const char* porcentaje;
    // Record after the valuation.
    int zona;
    double map, ccs, ccg, vad, vac, vco, vaf;
    // What the window shows.
    const char* txtMap;
    const char* txtCcs;
    const char* txtCcg;
    const char* txtVad;
    const char* txtVaf;
};

// COA 1,05 (ponencia 2002, valuation year 2003), RP 1,00; every step rounded as stored.
// clang-format off
const Caso kCasos[] = {
    // 12000 x 1,36 x 1,1 = 17952; x 1,05 = 18849,6 -> 18850.
    {"garage, usable 25 m2, pesetas", false, "CALLE MAYOR", "17", 0, 1, "25", "100",
     1, 12000, 1.36, 1.1, 17952, 18850, 18850, 18850, "12.000", "1,3600", "1,10", "17.952", "18.850"},
    // Euro row 9000 x 1,66386 = 14974,74 -> 14975; CS (30-16)/25+1 = 1,56; V 23361;
    // x 1,05 = 24529,05 -> 24529; 50 % = 12264,5 -> 12265.
    {"parking space, euro row into pesetas, half", false, "CALLE MAYOR", "8", 1, 1, "30", "50",
     2, 14975, 1.56, 1.0, 23361, 24529, 24529, 12265, "14.975", "1,5600", "1,00", "23.361", "12.265"},
    // Peseta row 12000 / 1,66386 = 7212,15 -> 7212 cents; built 43 m2: CS 2; V 15866,4 -> 15866;
    // x 1,05 = 16659,3 -> 16659.
    {"built garage, peseta row into euros", true, "CALLE MAYOR", "17", 0, 0, "43", "100",
     1, 7212, 2, 1.1, 15866, 16659, 16659, 16659, "72,12", "2,0000", "1,10", "158,66", "166,59"},
    // A zone of 900 is valued like any other: 8000 x 1,36 x 1 = 10880; x 1,05 = 11424.
    {"zone 900, parking space", false, "CALLE NUEVA", "5", 1, 1, "25", "100",
     900, 8000, 1.36, 1.0, 10880, 11424, 11424, 11424, "8.000", "1,3600", "1,00", "10.880", "11.424"},
};
// clang-format on

TEST_F(Garaje, FullValuationThroughTheWindow)
{
    Abrir();
    for (const Caso& c : kCasos) {
        SCOPED_TRACE(c.nombre);
        Pulsar("cmdlimpiar");
        if (c.euros)
            Pulsar("optp3mon(1)");
        Localizar(c.calle, c.portal);
        Pulsar(Tipologia3::Opcion("optp3tga", c.tipo));
        Pulsar(Tipologia3::Opcion("optp3tsu", c.superficie));
        Teclear("txtp3sbu", c.metros);
        Teclear("txtp3pti", c.porcentaje);

        const CDatosTip3& r = gDatosTip3();
        EXPECT_EQ(r.P3_MUN(), "PRUEBA");
        EXPECT_EQ(r.P3_CAL(), c.calle);
        EXPECT_EQ(r.P3_NUR(), c.zona);
        EXPECT_EQ(r.P3_AÑOP(), 2002);
        EXPECT_DOUBLE_EQ(r.P3_COA(), 1.05);
        EXPECT_DOUBLE_EQ(r.P3_RP(), 1);
        EXPECT_EQ(r.P3_MON(), c.euros ? "E" : "P");
        EXPECT_EQ(r.P3_TGA(), c.tipo == 0 ? "G" : "A");
        EXPECT_DOUBLE_EQ(r.P3_MAP(), c.map);
        EXPECT_DOUBLE_EQ(r.P3_CCS(), c.ccs);
        EXPECT_DOUBLE_EQ(r.P3_CCG(), c.ccg);
        EXPECT_DOUBLE_EQ(r.P3_VAD(), c.vad);
        EXPECT_DOUBLE_EQ(r.P3_VAC(), c.vac);
        EXPECT_DOUBLE_EQ(r.P3_VCO(), c.vco);
        EXPECT_DOUBLE_EQ(r.P3_VAF(), c.vaf);

        EXPECT_EQ(T("txtp3nur"), QString::number(c.zona));
        EXPECT_EQ(T("txtp3map"), c.txtMap);
        EXPECT_EQ(T("txtp3ccs"), c.txtCcs);
        EXPECT_EQ(T("txtp3ccg"), c.txtCcg);
        EXPECT_EQ(T("txtp3vad"), c.txtVad);
        EXPECT_EQ(T("txtp3vaf"), c.txtVaf);
        EXPECT_EQ(T("txtp3añop"), "2002");
        EXPECT_EQ(T("txtp3coa"), "1,050000");
        EXPECT_EQ(T("txtp3rp"), "1,00");
        EXPECT_TRUE(C("cmdimprimir")->isEnabled());
        EXPECT_TRUE(MsgBoxSeam::Shown().isEmpty());
    }
    // The worked example in full, box by box.
    Pulsar("cmdlimpiar");
    Localizar("CALLE MAYOR", "17");
    Pulsar("optp3tga(0)");
    Teclear("txtp3sbu", "25");
    const std::pair<const char*, const char*> cajas[] = {
        {"txtp3fecv", "15/06/2003"}, {"cmbp3mun", "PRUEBA"},   {"cmbp3cal", "CALLE MAYOR"}, {"txtp3nup", "17"},
        {"txtp3nur", "1"},           {"txtp3nor", "ZONA UNO"}, {"txtp3map", "12.000"},      {"txtp3sbu", "25,00"},
        {"txtp3ccs", "1,3600"},      {"txtp3ccg", "1,10"},     {"txtp3añop", "2002"},       {"txtp3vad", "17.952"},
        {"txtp3coa", "1,050000"},    {"txtp3vac", "18.850"},   {"txtp3rp", "1,00"},         {"txtp3vco", "18.850"},
        {"txtp3pti", "100,00"},      {"txtp3vaf", "18.850"},
    };
    for (const auto& [caja, texto] : cajas)
        EXPECT_EQ(T(caja), texto) << caja;
}

TEST_F(Garaje, SurfaceCoefficientBySurfaceType)
{
    Abrir();
    Pulsar("optp3tga(0)");  // a garage: both surface types can be chosen
    struct {
        int superficie;
        const char* metros;
        const char* cs;
    } const casos[] = {
        {1, "16", "1,0000"}, {1, "41", "2,0000"}, {0, "17", "1,0000"}, {0, "43", "2,0000"}, {1, "20", "1,1600"},
    };
    for (const auto& c : casos) {
        Pulsar(Tipologia3::Opcion("optp3tsu", c.superficie));
        Teclear("txtp3sbu", c.metros);
        EXPECT_EQ(T("txtp3ccs"), c.cs) << c.metros;
        EXPECT_EQ(gDatosTip3().P3_TSU(), c.superficie == 0 ? "C" : "U");
    }
    // Switching the surface type recomputes CS of the stored surface.
    Pulsar("optp3tsu(0)");
    EXPECT_EQ(T("txtp3ccs"), "1,1154");  // (20-17)/26+1
    // An emptied surface brings the stored one back; CS stays.
    Teclear("txtp3sbu", "");
    EXPECT_EQ(T("txtp3sbu"), "20,00");
    EXPECT_EQ(T("txtp3ccs"), "1,1154");
    // No surface, no CS: the box is empty.
    Pulsar("cmdlimpiar");
    EXPECT_EQ(T("txtp3sbu"), "");
    EXPECT_EQ(T("txtp3ccs"), "");
    QString usable = QStringLiteral("U");
    EXPECT_DOUBLE_EQ(V().CalcularCS(usable), 0);
}

TEST_F(Garaje, GarageAndParkingSwitch)
{
    Abrir();
    // First opening: a parking space valued on usable surface, the surface types disabled.
    const CDatosTip3& r = gDatosTip3();
    EXPECT_EQ(r.P3_TGA(), "A");
    EXPECT_EQ(r.P3_TSU(), "U");
    EXPECT_TRUE(C<OptionButton>("optp3tga(1)")->Value());
    EXPECT_TRUE(C<OptionButton>("optp3tsu(1)")->Value());
    EXPECT_FALSE(C("optp3tsu(0)")->isEnabled());
    EXPECT_FALSE(C("optp3tsu(1)")->isEnabled());
    EXPECT_EQ(T("txtp3ccg"), "1,00");
    EXPECT_EQ(T("txtp3pti"), "100,00");
    EXPECT_EQ(T("txtp3fecv"), "15/06/2003");
    EXPECT_EQ(T("txtp3ccs"), "");

    Localizar("CALLE MAYOR", "17");
    Pulsar("optp3tga(0)");
    EXPECT_EQ(r.P3_TGA(), "G");
    EXPECT_EQ(T("txtp3ccg"), "1,10");
    EXPECT_TRUE(C("optp3tsu(0)")->isEnabled());
    EXPECT_TRUE(C<OptionButton>("optp3tsu(1)")->Value());  // the garage keeps the surface type
    Pulsar("optp3tsu(0)");
    Teclear("txtp3sbu", "43");
    EXPECT_EQ(T("txtp3ccs"), "2,0000");
    EXPECT_DOUBLE_EQ(r.P3_VAD(), 26400);  // 2 x 12000 x 1,1

    // A parking space forces the usable surface and recomputes CS and the chain at once.
    Pulsar("optp3tga(1)");
    EXPECT_EQ(r.P3_TGA(), "A");
    EXPECT_EQ(r.P3_TSU(), "U");
    EXPECT_DOUBLE_EQ(r.P3_CCG(), 1);
    EXPECT_EQ(T("txtp3ccg"), "1,00");
    EXPECT_EQ(T("txtp3ccs"), "2,0800");   // (43-16)/25+1
    EXPECT_DOUBLE_EQ(r.P3_VAD(), 24960);  // 2,08 x 12000 x 1
    EXPECT_TRUE(C<OptionButton>("optp3tsu(1)")->Value());
    EXPECT_FALSE(C("optp3tsu(0)")->isEnabled());
    EXPECT_FALSE(C("optp3tsu(1)")->isEnabled());
    Pulsar("optp3tsu(0)");  // disabled: nothing happens
    EXPECT_EQ(r.P3_TSU(), "U");

    // The garage again: CG 1,10 and still the usable surface.
    Pulsar("optp3tga(0)");
    EXPECT_EQ(T("txtp3ccg"), "1,10");
    EXPECT_EQ(r.P3_TSU(), "U");
    EXPECT_TRUE(C<OptionButton>("optp3tsu(1)")->Value());
    EXPECT_DOUBLE_EQ(r.P3_VAD(), 27456);  // 2,08 x 12000 x 1,1
    EXPECT_TRUE(MsgBoxSeam::Shown().isEmpty());
}

TEST_F(Garaje, StretchOrZoneWithoutUsableValuesCountsAsNoZone)
{
    Abrir();
    const char* calles[] = {
        "CALLE ROTA",        // its zone code is "X1"
        "CALLE SIN MODULO",  // its zone row has no parking module
    };
    for (const char* calle : calles) {
        SCOPED_TRACE(calle);
        Localizar("CALLE MAYOR", "17");
        Teclear("txtp3sbu", "25");
        ASSERT_GT(gDatosTip3().P3_VAF(), 0);
        Elegir("cmbp3cal", calle);
        const CDatosTip3& r = gDatosTip3();
        EXPECT_EQ(r.P3_CAL(), calle);
        EXPECT_EQ(r.P3_NUR(), 0);
        EXPECT_EQ(r.P3_NOR(), "");
        EXPECT_DOUBLE_EQ(r.P3_MAP(), 0);
        EXPECT_DOUBLE_EQ(r.P3_VAD(), 0);
        EXPECT_DOUBLE_EQ(r.P3_VAF(), 0);
        EXPECT_EQ(T("txtp3nor"), "");
        EXPECT_EQ(T("txtp3map"), "");
        EXPECT_EQ(T("txtp3vaf"), "");
        EXPECT_FALSE(C("cmdimprimir")->isEnabled());
        EXPECT_TRUE(MsgBoxSeam::Shown().isEmpty());
        Elegir("cmbp3cal", "CALLE NUEVA");
    }
}

TEST_F(Garaje, FailingLookupLeavesTheRecordAsItWas)
{
    Abrir();
    Localizar("CALLE MAYOR", "17");
    Teclear("txtp3sbu", "25");
    const CDatosTip3 antes = gDatosTip3();
    Elegir("cmbp3cal", "CALLE MALA");  // its parking module is a text that is no number
    ASSERT_EQ(MsgBoxSeam::Shown().size(), 1);
    EXPECT_EQ(MsgBoxSeam::Shown()[0].style, 48);
    EXPECT_TRUE(MsgBoxSeam::Shown()[0].text.contains("doce mil"));
    const CDatosTip3& r = gDatosTip3();
    EXPECT_EQ(r.P3_CAL(), "CALLE MAYOR");
    EXPECT_EQ(r.P3_NUR(), antes.P3_NUR());
    EXPECT_DOUBLE_EQ(r.P3_MAP(), antes.P3_MAP());
    EXPECT_DOUBLE_EQ(r.P3_VAF(), antes.P3_VAF());
    EXPECT_EQ(T("cmbp3cal"), "CALLE MAYOR");
    EXPECT_EQ(T("txtp3vaf"), "17.136");  // 12000 x 1,36 x 1 = 16320; x 1,05
}

TEST_F(Garaje, CurrencySwitchReadsTheParkingModuleAgain)
{
    Abrir();
    // Without a municipality only the currency and the patterns change.
    Pulsar("optp3mon(1)");
    EXPECT_EQ(gDatosTip3().P3_MON(), "E");
    EXPECT_EQ(C<CajaNum>("txtp3map")->formato(), "##,###,##0.00");
    EXPECT_EQ(C<CajaNum>("txtp3vaf")->formato(), "##,###,###,##0.00");
    EXPECT_DOUBLE_EQ(gDatosTip3().P3_MAP(), 0);
    Pulsar("optp3mon(0)");

    Localizar("CALLE MAYOR", "17");  // zone 1: a row in pesetas
    Teclear("txtp3sbu", "30");
    EXPECT_DOUBLE_EQ(gDatosTip3().P3_MAP(), 12000);
    // The row changes under the window: a currency switch reads it again.
    db_.Execute(QStringLiteral("UPDATE t07_residencial SET t07_mp = 13000 WHERE t07_codmun = 9 AND t07_zoncod = 1"));
    Pulsar("optp3mon(1)");
    EXPECT_DOUBLE_EQ(gDatosTip3().P3_MAP(), 7813);  // 13000 / 1,66386 = 7813,16
    EXPECT_EQ(T("txtp3map"), "78,13");
    EXPECT_DOUBLE_EQ(gDatosTip3().P3_VAD(), 12188);  // 1,56 x 7813 x 1 = 12188,28
    EXPECT_EQ(T("txtp3vad"), "121,88");
    Teclear("txtp3nup", "8");  // zone 2: a row in euro cents, taken as it is
    EXPECT_DOUBLE_EQ(gDatosTip3().P3_MAP(), 9000);
    EXPECT_EQ(T("txtp3map"), "90,00");
    Pulsar("optp3mon(0)");
    EXPECT_EQ(gDatosTip3().P3_MON(), "P");
    EXPECT_DOUBLE_EQ(gDatosTip3().P3_MAP(), 14975);  // 9000 x 1,66386 = 14974,74
    EXPECT_EQ(T("txtp3map"), "14.975");
    EXPECT_EQ(C<CajaNum>("txtp3map")->formato(), "##,###,###");
}

TEST_F(Garaje, AnotherValuationYearEmptiesTheRecordAndTheSummary)
{
    gDatosTip3().EscribirP3_DES(QStringLiteral("Plaza 14, sótano -1"), 0);
    Abrir();
    EXPECT_EQ(T("txtdescrip"), QString::fromUtf8("Plaza 14, sótano -1"));
    Pulsar("optp3mon(1)");
    Localizar("CALLE MAYOR", "17");
    Pulsar("optp3tga(0)");
    Pulsar("optp3tsu(0)");
    Teclear("txtp3sbu", "43");
    // A date of the same year keeps every entry.
    Teclear("txtp3fecv", "20/06/2003");
    EXPECT_EQ(gDatosTip3().P3_FECV(), 20030620);
    EXPECT_DOUBLE_EQ(gDatosTip3().P3_VAF(), 16659);
    // Another year: the record starts again with the year's defaults, the summary follows it;
    // the date, the year and version and the currency stay.
    Teclear("txtp3fecv", "15/06/2004");
    const CDatosTip3& r = gDatosTip3();
    EXPECT_EQ(r.P3_FECV(), 20040615);
    EXPECT_EQ(r.P3_EJER(), 2004);
    EXPECT_EQ(r.P3_VER(), 1);
    EXPECT_EQ(r.P3_SVL(), "L");
    EXPECT_EQ(r.P3_MON(), "E");
    EXPECT_EQ(r.P3_MUN(), "");
    EXPECT_EQ(r.P3_CAL(), "");
    EXPECT_EQ(r.P3_NUP(), 0);
    EXPECT_DOUBLE_EQ(r.P3_SBU(), 0);
    EXPECT_DOUBLE_EQ(r.P3_CCS(), 0);
    EXPECT_DOUBLE_EQ(r.P3_VAF(), 0);
    EXPECT_DOUBLE_EQ(r.P3_PTI(), 100);
    EXPECT_DOUBLE_EQ(r.P3_RP(), 1);
    EXPECT_EQ(r.DES(0), "");
    EXPECT_EQ(T("txtdescrip"), "");
    EXPECT_EQ(r.P3_TGA(), "A");
    EXPECT_EQ(r.P3_TSU(), "U");
    EXPECT_DOUBLE_EQ(r.P3_CCG(), 1);
    EXPECT_EQ(T("txtp3ccg"), "1,00");
    EXPECT_EQ(T("txtp3ccs"), "");
    EXPECT_EQ(T("cmbp3mun"), "");
    EXPECT_GT(C<ComboBox>("cmbp3mun")->ListCount(), 0);
    EXPECT_EQ(C<ComboBox>("cmbp3cal")->ListCount(), 0);
    EXPECT_TRUE(C<OptionButton>("optp3mon(1)")->Value());
    EXPECT_TRUE(C<OptionButton>("optp3tsu(1)")->Value());
    EXPECT_FALSE(C("optp3tsu(0)")->isEnabled());
    EXPECT_EQ(T("txtp3fecv"), "15/06/2004");

    // Another version of the same year empties the record too.
    Teclear("txtp3fecv", "30/06/2006");
    Elegir("cmbp3mun", "PRUEBA");
    ASSERT_EQ(r.P3_MUN(), "PRUEBA");
    Teclear("txtp3fecv", "01/07/2006");
    EXPECT_EQ(r.P3_EJER(), 2006);
    EXPECT_EQ(r.P3_VER(), 2);
    EXPECT_EQ(r.P3_MUN(), "");

    // The clear button brings back the settings' date and currency and the year of that date.
    Pulsar("cmdlimpiar");
    EXPECT_EQ(r.P3_FECV(), 20030615);
    EXPECT_EQ(r.P3_EJER(), 2003);
    EXPECT_EQ(r.P3_VER(), 1);
    EXPECT_EQ(r.P3_MON(), "P");
    EXPECT_EQ(T("txtp3fecv"), "15/06/2003");
    EXPECT_TRUE(MsgBoxSeam::Shown().isEmpty());
}

TEST_F(Garaje, ReopeningKeepsTheValuationAndTheStreetClearingBringsTheDefaults)
{
    Abrir();
    Localizar("CALLE MAYOR", "17");
    Pulsar("optp3tga(0)");
    Teclear("txtp3sbu", "25");
    Pulsar("optp3mon(1)");
    Pulsar("cmdsalir");
    EXPECT_FALSE(V().IsLoaded());

    Abrir();
    // PRUEBAS, listed first, begins like PRUEBA: the record's municipality stays.
    EXPECT_EQ(gDatosTip3().P3_MUN(), "PRUEBA");
    EXPECT_EQ(T("cmbp3mun"), "PRUEBA");
    EXPECT_EQ(T("cmbp3cal"), "CALLE MAYOR");
    EXPECT_GE(C<ComboBox>("cmbp3cal")->ListIndex(), 0);
    EXPECT_TRUE(C<OptionButton>("optp3tga(0)")->Value());
    EXPECT_EQ(T("txtp3vaf"), "113,28");  // 7212 x 1,36 x 1,1 = 10789; x 1,05 = 11328,45
    // The street is selected again: a new portal looks its zone up.
    Teclear("txtp3nup", "8");
    EXPECT_EQ(gDatosTip3().P3_NUR(), 2);
    EXPECT_TRUE(MsgBoxSeam::Shown().isEmpty());

    Pulsar("cmdlimpiar");
    const CDatosTip3& r = gDatosTip3();
    EXPECT_EQ(r.P3_MON(), "P");  // the settings' currency
    EXPECT_EQ(r.P3_TGA(), "A");
    EXPECT_EQ(r.P3_TSU(), "U");
    EXPECT_DOUBLE_EQ(r.P3_PTI(), 100);
    EXPECT_EQ(r.P3_CAL(), "");
    EXPECT_TRUE(C<OptionButton>("optp3mon(0)")->Value());
    EXPECT_EQ(C<ComboBox>("cmbp3cal")->ListCount(), 0);
    EXPECT_EQ(T("txtp3vaf"), "");
    EXPECT_FALSE(C("cmdimprimir")->isEnabled());
}

TEST_F(Garaje, MunicipalityChangeClearsTheLocationAndKeepsTheProperty)
{
    Abrir();
    // A portal typed before the street is kept and valued once the street is chosen.
    Elegir("cmbp3mun", "PRUEBA");
    Teclear("txtp3nup", "17");
    const CDatosTip3& r = gDatosTip3();
    EXPECT_EQ(r.P3_NUP(), 17);
    EXPECT_EQ(r.P3_NUR(), 0);
    Elegir("cmbp3cal", "CALLE MAYOR");
    EXPECT_EQ(r.P3_NUR(), 1);
    Pulsar("optp3tga(0)");
    Teclear("txtp3sbu", "25");
    Teclear("txtp3pti", "50");
    ASSERT_DOUBLE_EQ(r.P3_VAF(), 9425);  // 18850 x 50 %

    // PRUEBAS has no streets and no ponencia: the location and the results go, the property
    // stays, and the update coefficient runs over every year up to 2003.
    Elegir("cmbp3mun", "PRUEBAS");
    EXPECT_EQ(r.P3_MUN(), "PRUEBAS");
    EXPECT_EQ(r.P3_CAL(), "");
    EXPECT_EQ(r.P3_NUP(), 0);
    EXPECT_EQ(r.P3_NUR(), 0);
    EXPECT_EQ(r.P3_NOR(), "");
    for (double v : {r.P3_MAP(), r.P3_VAD(), r.P3_VAC(), r.P3_VCO(), r.P3_VAF()})
        EXPECT_DOUBLE_EQ(v, 0);
    EXPECT_EQ(r.P3_TGA(), "G");
    EXPECT_DOUBLE_EQ(r.P3_CCG(), 1.1);
    EXPECT_DOUBLE_EQ(r.P3_SBU(), 25);
    EXPECT_DOUBLE_EQ(r.P3_CCS(), 1.36);
    EXPECT_DOUBLE_EQ(r.P3_PTI(), 50);
    EXPECT_DOUBLE_EQ(r.P3_RP(), 1);
    EXPECT_EQ(r.P3_AÑOP(), 0);
    EXPECT_DOUBLE_EQ(r.P3_COA(), 1.147255);  // 1 x 1,02 x 1,03 x 1,04 x 1,05
    EXPECT_EQ(C<CajaNum>("txtp3nup")->valor(), "0");
    const std::pair<const char*, const char*> cajas[] = {
        {"cmbp3cal", ""},       {"txtp3nup", ""},     {"txtp3nur", ""},      {"txtp3nor", ""},
        {"txtp3map", ""},       {"txtp3vaf", ""},     {"txtp3añop", ""},     {"txtp3coa", "1,147255"},
        {"txtp3ccs", "1,3600"}, {"txtp3ccg", "1,10"}, {"txtp3sbu", "25,00"}, {"txtp3pti", "50,00"},
    };
    for (const auto& [caja, texto] : cajas)
        EXPECT_EQ(T(caja), texto) << caja;
    EXPECT_EQ(C<ComboBox>("cmbp3cal")->ListCount(), 0);
    EXPECT_FALSE(C("cmdimprimir")->isEnabled());

    // Back to PRUEBA: its streets again, its ponencia year and coefficient.
    Elegir("cmbp3mun", "PRUEBA");
    EXPECT_EQ(C<ComboBox>("cmbp3cal")->ListCount(), 5);
    EXPECT_EQ(r.P3_AÑOP(), 2002);
    EXPECT_DOUBLE_EQ(r.P3_COA(), 1.05);
    EXPECT_TRUE(MsgBoxSeam::Shown().isEmpty());
}

TEST_F(Garaje, RedrawFollowsTheRecord)
{
    Abrir();
    CDatosTip3& r = gDatosTip3();
    // Amounts in the record's unit: whole pesetas, or euro cents shown as euros; zero amounts,
    // CS, ponencia year, COA and RP as empty boxes; the percentage shown even when it is 0.
    struct {
        const char* moneda;
        double importe;
        const char* texto;
    } const importes[] = {{"E", 48081, "480,81"}, {"P", 48081, "48.081"}, {"E", 0, ""}, {"P", 0, ""}};
    for (const auto& c : importes) {
        SCOPED_TRACE(c.moneda);
        r.setP3_MON(QString::fromLatin1(c.moneda));
        QString moneda = r.P3_MON();
        V().FormatosMoneda(moneda);
        r.setP3_MAP(c.importe);
        r.setP3_VAD(c.importe);
        r.setP3_VAC(c.importe);
        r.setP3_VCO(c.importe);
        r.setP3_VAF(c.importe);
        r.setP3_CCS(0);
        r.setP3_AÑOP(0);
        r.setP3_COA(0);
        r.setP3_RP(0);
        r.setP3_PTI(0);
        V().PresentaDatos();
        for (const char* caja : {"txtp3map", "txtp3vad", "txtp3vac", "txtp3vco", "txtp3vaf"})
            EXPECT_EQ(T(caja), c.texto) << caja;
        for (const char* caja : {"txtp3ccs", "txtp3añop", "txtp3coa", "txtp3rp", "txtp3sbu"})
            EXPECT_EQ(T(caja), "") << caja;
        EXPECT_EQ(T("txtp3pti"), "0,00");
        EXPECT_EQ(C<OptionButton>(c.moneda[0] == 'P' ? "optp3mon(0)" : "optp3mon(1)")->Value(), true);
        EXPECT_EQ(C("cmdimprimir")->isEnabled(), c.importe != 0);
    }

    // The type and the surface type as the record holds them: a garage shows its surface type
    // on enabled options; a parking space always shows the usable surface, options disabled.
    // clang-format off
    struct {
        const char* tga;
        const char* tsu;
        int opcionTipo, opcionSuperficie;
        bool habilitadas;
    } const tipos[] = {
        {"G", "C", 0, 0, true},
        {"G", "U", 0, 1, true},
        {"A", "U", 1, 1, false},
        {"G", "C", 0, 0, true},
        {"", "", 1, 1, false},  // an emptied type is shown as a parking space
    };
    // clang-format on
    for (const auto& c : tipos) {
        SCOPED_TRACE(std::string(c.tga) + "/" + c.tsu);
        r.setP3_TGA(QString::fromLatin1(c.tga));
        r.setP3_TSU(QString::fromLatin1(c.tsu));
        V().PresentaDatos();
        EXPECT_TRUE(C<OptionButton>(Tipologia3::Opcion("optp3tga", c.opcionTipo))->Value());
        EXPECT_TRUE(C<OptionButton>(Tipologia3::Opcion("optp3tsu", c.opcionSuperficie))->Value());
        EXPECT_FALSE(C<OptionButton>(Tipologia3::Opcion("optp3tsu", 1 - c.opcionSuperficie))->Value());
        EXPECT_EQ(C("optp3tsu(0)")->isEnabled(), c.habilitadas);
        EXPECT_EQ(C("optp3tsu(1)")->isEnabled(), c.habilitadas);
    }
    EXPECT_TRUE(MsgBoxSeam::Shown().isEmpty());
}

TEST_F(Garaje, ValuationDateChecksAndMessages)
{
    // The range is that of the whole years table: 01/01/1999 to 31/12/2027.
    const QString fuera = LoadResString(51) + " 01/01/1999\r\n" + LoadResString(112) + " 31/12/2027 " +
                          LoadResString(151);
    struct {
        const char* fecha;
        QString mensaje;  // empty: accepted
        int32_t guardada;
    } const casos[] = {
        {"31/12/1998", fuera, 20030615},
        {"01/01/2028", fuera, 20030615},
        {"31/02/2003", LoadResString(49), 20030615},
        {"01/01/1999", QString(), 19990101},
        {"31/12/2027", QString(), 20271231},
        {"__/__/____", QString(), 20030615},  // the settings' date
    };
    Abrir();
    for (const auto& c : casos) {
        SCOPED_TRACE(c.fecha);
        MsgBoxSeam::Clear();
        Teclear("txtp3fecv", c.fecha);
        EXPECT_EQ(gDatosTip3().P3_FECV(), c.guardada);
        EXPECT_EQ(T("txtp3fecv"), gFecha().LongToString(c.guardada));
        if (c.mensaje.isEmpty()) {
            EXPECT_TRUE(MsgBoxSeam::Shown().isEmpty());
            EXPECT_EQ(FocusedControl(), C("cmdDescripcion"));
            continue;
        }
        ASSERT_TRUE(UnMensaje(c.mensaje, 48, LoadResString(50)));
        EXPECT_EQ(FocusedControl(), C("txtp3fecv"));
    }

    // In Basque the same composition, with the dates in the Basque layout.
    Pulsar("cmdsalir");
    gEntrada().setP_IDI(QStringLiteral("E"));
    Abrir();
    MsgBoxSeam::Clear();
    Teclear("txtp3fecv", "1998/12/31");
    ASSERT_EQ(MsgBoxSeam::Shown().size(), 1);
    EXPECT_EQ(MsgBoxSeam::Shown()[0].text,
              LoadResString(10051) + " 1999/01/01\r\n" + LoadResString(10112) + " 2027/12/31 " + LoadResString(10151));
    EXPECT_EQ(MsgBoxSeam::Shown()[0].title, LoadResString(10050));

    // A press on the exit button while the box holds a wrong date closes without a message.
    MsgBoxSeam::Clear();
    FocusControl(C("txtp3fecv"));
    C<MaskEdBox>("txtp3fecv")->SetText(QStringLiteral("2003/02/31"));
    Pulsar("cmdsalir");
    EXPECT_FALSE(V().IsLoaded());
    EXPECT_TRUE(MsgBoxSeam::Shown().isEmpty());
}

TEST_F(Garaje, BoxesTabOrderAndEnter)
{
    Abrir();
    // Typed boxes take only their digits: the portal 3, the surface 5 and 2, the percentage 3 and 2.
    const std::pair<const char*, const char*> tecleos[][2] = {
        {{"txtp3nup", "12345"}, {"txtp3nup", "123"}},
        {{"txtp3sbu", "1234567,891"}, {"txtp3sbu", "12345,89"}},
        {{"txtp3pti", "1234,567"}, {"txtp3pti", "123,56"}},
    };
    for (const auto& t : tecleos) {
        TypeInto(C(t[0].first), QString::fromUtf8(t[0].second));
        EXPECT_EQ(T(t[1].first), t[1].second);
    }
    FocusControl(C("cmdDescripcion"));
    MsgBoxSeam::Clear();
    // Display boxes: grey, locked, out of the tab order; the final value in bold.
    for (const char* caja : {"txtp3nur", "txtp3map", "txtp3ccs", "txtp3ccg", "txtp3añop", "txtp3vad", "txtp3coa",
                             "txtp3vac", "txtp3rp", "txtp3vco", "txtp3vaf"}) {
        EXPECT_TRUE(C<CajaNum>(caja)->locked()) << caja;
        EXPECT_EQ(C<CajaNum>(caja)->backcolor(), QColor(224, 224, 224)) << caja;
        EXPECT_EQ(C(caja)->focusPolicy(), Qt::ClickFocus) << caja;
    }
    EXPECT_TRUE(C<CajaNum>("txtp3vaf")->fontbold());
    for (const char* caja : {"txtp3nup", "txtp3sbu", "txtp3pti"})
        EXPECT_FALSE(C<CajaNum>(caja)->locked()) << caja;

    // Tab order: the controls the user can stop on, in this order, whatever lies between them
    // in the focus chain (the text boxes inside the lists).
    const QStringList orden = {"txtp3fecv",   "cmdDescripcion", "cmbp3mun",    "cmbp3cal",    "txtp3nup", "optp3tga(0)",
                               "optp3tga(1)", "optp3tsu(0)",    "optp3tsu(1)", "txtp3sbu",    "txtp3pti", "optp3mon(0)",
                               "optp3mon(1)", "cmdsalir",       "cmdlimpiar",  "cmdimprimir", "cmdayuda"};
    QStringList cadena;
    for (QWidget* w = C(orden[0]); cadena.size() < orden.size(); w = w->nextInFocusChain())
        if (orden.contains(w->objectName()) && !cadena.contains(w->objectName()))
            cadena << w->objectName();
    EXPECT_EQ(cadena, orden);

    // Enter moves on as Tab does.
    FocusControl(C("txtp3sbu"));
    PressEnter();
    EXPECT_EQ(FocusedControl(), C("txtp3pti"));
}

TEST_F(Garaje, DescriptionDialogWorksOnTheGarageRecord)
{
    Abrir();
    gDatosTip1().EscribirP1_DES(QStringLiteral("Vivienda"), 1);
    gDatosTip3().EscribirP3_DES(QStringLiteral("Plaza 14 del sótano segundo, junto al ascensor"), 0);
    const bool dentro = WhileModal([&] { Pulsar("cmdDescripcion"); },
                                   [&] {
                                       EXPECT_EQ(TheDescripcion().txtdes(0)->text(), gDatosTip3().P3_DES(0));
                                       EXPECT_EQ(TheDescripcion().txtdes(1)->text(), "");
                                       TheDescripcion().txtdes(1)->setText(QStringLiteral("Referencia 7"));
                                       ClickControl(FindControl(&TheDescripcion(), QStringLiteral("cmdaceptar")));
                                   },
                                   &TheDescripcion());
    EXPECT_TRUE(dentro);
    EXPECT_EQ(gDatosTip3().P3_DES(1), "Referencia 7");
    EXPECT_EQ(gDatosTip1().P1_DES(1), "Vivienda");
    EXPECT_EQ(T("txtdescrip"), QString::fromUtf8("Plaza 14 del sótano segundo, j"));
}

TEST_F(Garaje, CaptionsInBothLanguages)
{
    struct {
        const char* control;
        const char* es;
        const char* eu;
    } const rotulos[] = {
        {"Label11", "= V = MP * CS * CG", "= B = MP * KA * KG"},
        {"Label12", "Valor a Fecha de  Valoración = Valor en año ponencia * Coeficiente",
         "Balioa balorazio datan = Balioa ponentzia urtean * Koefizientea"},
        {"Label22", "..........................................................................",
         ".........................................................................."},
        {"Label8", "CG", "KG"},
        {"Label9", "CS", "KA"},
        {"Label5", "Módulo Aparcamiento", "Plaza bakoitzeko modulua"},
        {"Frame1", "Localización del local", "Lokalaren kokalekua"},
        {"Frame5", "Coeficiente Corrector", "Koefiziente zuzentzailea"},
        {"optp3tga(1)", "Aparcamiento", "Aparkalekua"},
        {"optp3tsu(1)", "Útil", "Erabilgarria"},
        {"Label16", "Fecha de Valoración", "Balorazio data"},
    };
    for (const bool eu : {false, true}) {
        gEntrada().setP_IDI(eu ? QStringLiteral("E") : QStringLiteral("C"));
        Abrir();
        EXPECT_EQ(V().windowTitle(), eu ? "Garajea/Aparkalekua" : "Garaje/Aparcamiento");
        for (const auto& r : rotulos)
            EXPECT_EQ(T(r.control), QString::fromUtf8(eu ? r.eu : r.es)) << r.control;
        EXPECT_EQ(C("cmdsalir")->toolTip(), eu ? "Itzuli hasierako panelera" : "Volver al Panel Inicial");
        EXPECT_EQ(T("txtp3fecv"), eu ? "2003/06/15" : "15/06/2003");
        Pulsar("cmdsalir");
    }
}

}  // namespace
