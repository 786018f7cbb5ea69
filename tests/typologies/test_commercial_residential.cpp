// The valuation of a shop in a commercial building of a residential zone, driven through its
// window: the value chain with its zero guard, the commercial subzone of the portal's stretch,
// the currencies, the fixed construction cost, the commercial age scale, SH, the refusal of
// zones of 900 and above, the check box that changes nothing, and the redraw.
#include <QGuiApplication>
#include <gtest/gtest.h>

#include "core/Globals.h"
#include "core/Recursos.h"
#include "platform/CajaNum.h"
#include "platform/ComboBox.h"
#include "platform/MsgBox.h"
#include "platform/Option.h"
#include "tests/support/DatosPrueba.h"
#include "tests/support/FixtureTipologia.h"
#include "typologies/commercial_residential/Tipologia5.h"

namespace {

// The window on a copy of the demo database with a small municipality (PRUEBA, code 9, street
// list 1999/1), ponencia year 2002, valuation date 27/10/2003: COA 1,05 (the update factor of
// 2003), RP 1,00, CC 90000 pesetas.
//
//   street          odd portals 1-99          even portals 0-98
//   CALLE MAYOR     zone 1, subzone A1        zone 2, subzone B2
//   CALLE ANCHA     zone 1, subzone G1        zone 1, subzone G1
//   CALLE NUEVA     zone 899, subzone C9      zone 899, subzone C9
//   POLIGONO        zone 900, subzone A1      zone 900, subzone A1
//   CALLE ROTA      zone "X1" (no number), subzone A1
//   CALLE SIN       zone 3, subzone Z9 (no value row)
//   O'DONNELL       zone 4, subzone D'1
//   CALLE NULA      zone 5, subzone N1 (value Null)
//   CALLE RARA      zone 6, subzone R1 (row currency "X")
//
//   t08 (2002): A1 pesetas 100000; B2 euro cents 100000; G1 pesetas 1663860; C9 pesetas 50000;
//   D'1 pesetas 120000; N1 pesetas Null; R1 "X" 166386.
class ComercialResidencial : public FixtureTipologia<Tipologia5> {
protected:
    ComercialResidencial()
        : FixtureTipologia(PreparacionTipologia{
              5,
              20031027,
              QStringLiteral("cmdDescripcion"),
              {
                  "INSERT INTO t03_municipios VALUES (1999, 9, 'PRUEBA')",
                  "INSERT INTO t04_ponencias VALUES (2002, 9)",
                  "INSERT INTO main.t05_calles_nombre VALUES (9, 1999, 1, 10, 'CALLE MAYOR'), (9, 1999, 1, 15, 'CALLE ANCHA'),"
                  " (9, 1999, 1, 20, 'CALLE NUEVA'), (9, 1999, 1, 30, 'POLIGONO'), (9, 1999, 1, 40, 'CALLE ROTA'),"
                  " (9, 1999, 1, 50, 'CALLE SIN'), (9, 1999, 1, 60, 'O''DONNELL'), (9, 1999, 1, 70, 'CALLE NULA'),"
                  " (9, 1999, 1, 80, 'CALLE RARA')",
                  "INSERT INTO t06_calles_datos VALUES"
                  " (9, 10, 1999, 1, NULL, NULL, 1, 99, '1', 'A1'), (9, 10, 1999, 1, 0, 98, NULL, NULL, '2', 'B2'),"
                  " (9, 15, 1999, 1, 0, 98, 1, 99, '1', 'G1'), (9, 20, 1999, 1, 0, 98, 1, 99, '899', 'C9'),"
                  " (9, 30, 1999, 1, 0, 98, 1, 99, '900', 'A1'), (9, 40, 1999, 1, 0, 98, 1, 99, 'X1', 'A1'),"
                  " (9, 50, 1999, 1, 0, 98, 1, 99, '3', 'Z9'), (9, 60, 1999, 1, 0, 98, 1, 99, '4', 'D''1'),"
                  " (9, 70, 1999, 1, 0, 98, 1, 99, '5', 'N1'), (9, 80, 1999, 1, 0, 98, 1, 99, '6', 'R1')",
                  "INSERT INTO t08_comercial VALUES"
                  " (9, 'A1', 2002, 'P', 100000), (9, 'B2', 2002, 'E', 100000), (9, 'G1', 2002, 'P', 1663860),"
                  " (9, 'C9', 2002, 'P', 50000), (9, 'D''1', 2002, 'P', 120000), (9, 'N1', 2002, 'P', NULL),"
                  " (9, 'R1', 2002, 'X', 166386)",
              }})
    {
    }

    // A whole valuation on CALLE MAYOR 7 (subzone A1): 100 m2 built, new.
    void ValoracionTipo()
    {
        Localizar(QStringLiteral("CALLE MAYOR"), QStringLiteral("7"));
        Pulsar(QStringLiteral("optp5tsu(0)"));
        Teclear(QStringLiteral("txtp5sbu"), QStringLiteral("100"));
    }
};

cDatosTip5& R() { return gDatosTip5(); }

void EsperarResultadosCero(const cDatosTip5& r) { EXPECT_EQ(ResultadosDe(r), std::vector<double>(6, 0.0)); }

struct Caso {
    const char* nombre;
    bool euros;  // window switched to euros before locating
    const char* calle;
    const char* portal;
    int superficie;  // entry of optp5tsu: 0 built, 1 usable
    const char* metros;
    const char* anos;        // age in years, or nullptr
    const char* construida;  // construction date (age by date), or nullptr
    const char* porcentaje;
    // Record after the valuation.
    const char* nus;
    double vrc, cco, sho, dep;
    int ant;
    double vad, vac, vco, vaf, vsf, vcf;
    // What the window shows.
    const char* txtVrc;
    const char* txtCco;
    const char* txtSho;
    const char* txtDep;
    const char* txtVad;
    const char* txtVac;
    const char* txtVaf;
    const char* txtVsf;
    const char* txtVcf;
};

// COA 1,05, RP 1, CL 0,7; each step rounded to whole pesetas or cents as the record stores it.
// clang-format off
const Caso kCasos[] = {
    // The worked chain: V = ((100000*0,38*0,7 + 90000*1,38)*1 + 0,7*100000)*116 = 25612800;
    // S = 0,7*100000*116 = 8120000; VAC = VCO = VAF = 26893440; VSF = VAF*S/V = 8526000.
    {"worked chain", false, "CALLE MAYOR", "7", 0, "100", "0", nullptr, "100", "A1", 100000, 90000, 116, 1, 0,
     25612800, 26893440, 26893440, 26893440, 8526000, 18367440, "100.000", "90.000", "116,0000", "1,0000",
     "25.612.800", "26.893.440", "26.893.440", "8.526.000", "18.367.440"},
    // 50 % halves VAF; VSF and VCF split it in the ratio of S to V.
    {"half of it", false, "CALLE MAYOR", "7", 0, "100", "0", nullptr, "50", "A1", 100000, 90000, 116, 1, 0,
     25612800, 26893440, 26893440, 13446720, 4263000, 9183720, "100.000", "90.000", "116,0000", "1,0000",
     "25.612.800", "26.893.440", "13.446.720", "4.263.000", "9.183.720"},
    // Euro record, euro row (B2, even portal): CC 90000 / 1,66386 = 54091 cents; usable 100 m2:
    // SH min(120, 180) = 120; 18 years: 0,85 - 0,025*18 = 0,4.
    // V = ((26600 + 54091*1,38)*0,4 + 70000)*120 = 13259787,84 -> 13259788; VAC 13922777;
    // VSF = 13922777 * 8400000 / 13259788 = 8820000.
    {"euro row in euros, usable, 18 years", true, "CALLE MAYOR", "8", 1, "100", "18", nullptr, "100", "B2", 100000,
     54091, 120, 0.4, 18, 13259788, 13922777, 13922777, 13922777, 8820000, 5102777, "1.000,00", "540,91",
     "120,0000", "0,4000", "132.597,88", "139.227,77", "139.227,77", "88.200,00", "51.027,77"},
    // Peseta record, euro row: 100000 cents are 166386 pesetas; built 20 m2: SH min(47,2, 34) = 34;
    // 31 years: the floor 0,2.
    {"euro row in pesetas, small, old", false, "CALLE MAYOR", "8", 0, "20", "31", nullptr, "100", "B2", 166386,
     90000, 34, 0.2, 31, 5105506, 5360781, 5360781, 5360781, 4157986, 1202795, "166.386", "90.000", "34,0000",
     "0,2000", "5.105.506", "5.360.781", "5.360.781", "4.157.986", "1.202.795"},
    // Euro record, peseta row: 1663860 pesetas are 1000000 cents; built 50 m2: SH min(73, 85) = 73;
    // 10 years 0,6; 75 %.
    {"peseta row in euros, 75 %", true, "CALLE ANCHA", "3", 0, "50", "10", nullptr, "75", "G1", 1000000, 54091, 73,
     0.6, 10, 66020276, 69321290, 69321290, 51990968, 40241251, 11749717, "10.000,00", "540,91", "73,0000",
     "0,6000", "660.202,76", "693.212,90", "519.909,68", "402.412,51", "117.497,17"},
    // A subzone with an apostrophe; usable 80 m2: SH min(102, 144) = 102; built 15/12/1985: 17 years,
    // 0,85 - 0,025*17 = 0,425.
    {"apostrophe, age by date", false, "O'DONNELL", "5", 1, "80", nullptr, "15/12/1985", "100", "D'1", 120000, 90000,
     102, 0.425, 17, 15335802, 16102592, 16102592, 16102592, 8996400, 7106192, "120.000", "90.000", "102,0000",
     "0,4250", "15.335.802", "16.102.592", "16.102.592", "8.996.400", "7.106.192"},
};
// clang-format on

TEST_F(ComercialResidencial, FullValuationThroughTheWindow)
{
    Abrir();
    for (const Caso& c : kCasos) {
        SCOPED_TRACE(c.nombre);
        Pulsar("cmdlimpiar");
        if (c.euros)
            Pulsar("optp5mon(1)");
        Localizar(c.calle, c.portal);
        Pulsar(Tipologia5::Opcion("optp5tsu", c.superficie));
        Teclear("txtp5sbu", c.metros);
        Antiguedad(c.anos, c.construida);
        Teclear("txtp5pti", c.porcentaje);

        const cDatosTip5& r = R();
        EXPECT_EQ(r.P5_MUN(), "PRUEBA");
        EXPECT_EQ(r.P5_CAL(), c.calle);
        EXPECT_EQ(r.P5_NUS(), c.nus);
        EXPECT_EQ(r.P5_AÑOP(), 2002);
        EXPECT_DOUBLE_EQ(r.P5_COA(), 1.05);
        EXPECT_DOUBLE_EQ(r.P5_RP(), 1);
        EXPECT_DOUBLE_EQ(r.P5_CCL(), 0.7);
        EXPECT_EQ(r.P5_MON(), c.euros ? "E" : "P");
        EXPECT_DOUBLE_EQ(r.P5_VRC(), c.vrc);
        EXPECT_DOUBLE_EQ(r.P5_CCO(), c.cco);
        EXPECT_DOUBLE_EQ(r.P5_SHO(), c.sho);
        EXPECT_DOUBLE_EQ(r.P5_DEP(), c.dep);
        EXPECT_EQ(r.P5_ANT(), c.ant);
        EXPECT_DOUBLE_EQ(r.P5_VAD(), c.vad);
        EXPECT_DOUBLE_EQ(r.P5_VAC(), c.vac);
        EXPECT_DOUBLE_EQ(r.P5_VCO(), c.vco);
        EXPECT_DOUBLE_EQ(r.P5_VAF(), c.vaf);
        EXPECT_DOUBLE_EQ(r.P5_VSF(), c.vsf);
        EXPECT_DOUBLE_EQ(r.P5_VCF(), c.vcf);

        EXPECT_EQ(T("txtp5nus"), c.nus);
        EXPECT_EQ(T("txtp5vrc"), c.txtVrc);
        EXPECT_EQ(T("txtp5cco"), c.txtCco);
        EXPECT_EQ(T("txtp5sho"), c.txtSho);
        EXPECT_EQ(T("txtp5dep"), c.txtDep);
        EXPECT_EQ(T("txtp5ant"), QString::number(c.ant));
        EXPECT_EQ(T("txtp5vad"), c.txtVad);
        EXPECT_EQ(T("txtp5vac"), c.txtVac);
        EXPECT_EQ(T("txtp5vco"), c.txtVac);
        EXPECT_EQ(T("txtp5vaf"), c.txtVaf);
        EXPECT_EQ(T("txtp5vsf"), c.txtVsf);
        EXPECT_EQ(T("txtp5vcf"), c.txtVcf);
        EXPECT_EQ(T("txtp5ccl"), "0,70");
        EXPECT_EQ(T("txtp5añop"), "2002");
        EXPECT_EQ(T("txtp5coa"), "1,050000");
        EXPECT_EQ(T("txtp5rp"), "1,00");
        EXPECT_EQ(C<CheckBox>("Chkp5cl1")->Value(), 1);
        EXPECT_TRUE(C("cmdimprimir")->isEnabled());
        EXPECT_TRUE(Mensajes().isEmpty());
    }
}

TEST_F(ComercialResidencial, FirstOpeningShowsTheDefaults)
{
    Abrir();
    const cDatosTip5& r = R();
    EXPECT_EQ(T("txtp5fecv"), "27/10/2003");
    EXPECT_EQ(r.P5_EJER(), 2003);
    EXPECT_EQ(r.P5_VER(), 1);
    EXPECT_EQ(r.P5_TSU(), "U");
    EXPECT_TRUE(C<OptionButton>("optp5tsu(1)")->Value());
    EXPECT_TRUE(C<OptionButton>("optp5anttipo(0)")->Value());
    EXPECT_TRUE(C<OptionButton>("optp5mon(0)")->Value());
    EXPECT_EQ(T("txtp5pti"), "100,00");
    EXPECT_EQ(T("txtp5ccl"), "0,70");
    EXPECT_EQ(T("txtp5cco"), "90.000");
    EXPECT_EQ(T("txtp5rp"), "1,00");
    EXPECT_EQ(T("txtp5dep"), "1,0000");
    EXPECT_EQ(T("txtp5ant"), "0");
    EXPECT_EQ(T("txtp5sbu"), "");
    EXPECT_EQ(T("txtp5nus"), "");
    EXPECT_EQ(C<CheckBox>("Chkp5cl1")->Value(), 1);
    EXPECT_EQ(C<ComboBox>("cmbp5cal")->ListCount(), 0);
    EXPECT_FALSE(C("cmdimprimir")->isEnabled());
}

TEST_F(ComercialResidencial, AgeScaleAndHomogenisedSurface)
{
    Abrir();
    struct Edad {
        const char* anos;
        const char* dep;
    };
    const Edad edades[] = {{"0", "1,0000"},  {"10", "0,6000"}, {"11", "0,5750"}, {"20", "0,3500"},
                           {"21", "0,3350"}, {"30", "0,2000"}, {"31", "0,2000"}, {"5", "0,8000"}};
    for (const Edad& e : edades) {
        Teclear("txtp5antd1", e.anos);
        EXPECT_EQ(T("txtp5dep"), e.dep) << e.anos;
        EXPECT_EQ(T("txtp5ant"), e.anos);
    }

    // By date: whole years between the two dates. The date box is the one enabled; the years
    // box is disabled, still seen.
    Pulsar("optp5anttipo(1)");
    EXPECT_TRUE(C("txtp5antd2")->isEnabled());
    EXPECT_TRUE(C("txtp5antd2")->isVisible());
    EXPECT_FALSE(C("txtp5antd1")->isEnabled());
    EXPECT_TRUE(C("txtp5antd1")->isVisible());
    Teclear("txtp5antd2", "15/03/1985");
    EXPECT_EQ(R().P5_ANT(), 18);
    EXPECT_DOUBLE_EQ(R().P5_DEP(), 0.4);
    Teclear("txtp5antd2", "15/12/1985");
    EXPECT_EQ(R().P5_ANT(), 17);
    EXPECT_DOUBLE_EQ(R().P5_DEP(), 0.425);
    Pulsar("optp5anttipo(0)");
    EXPECT_TRUE(C("txtp5antd1")->isEnabled());
    EXPECT_FALSE(C("txtp5antd2")->isEnabled());
    EXPECT_TRUE(C("txtp5antd2")->isVisible());

    // A surface type switched with no surface shows an empty SH box.
    Pulsar("optp5tsu(0)");
    EXPECT_EQ(T("txtp5sho"), "");
    struct Sh {
        int superficie;
        const char* metros;
        const char* sh;
    };
    const Sh superficies[] = {
        {0, "100", "116,0000"}, {1, "100", "120,0000"}, {0, "20", "34,0000"}, {1, "20", "36,0000"}};
    for (const Sh& s : superficies) {
        Pulsar(Tipologia5::Opcion("optp5tsu", s.superficie));
        Teclear("txtp5sbu", s.metros);
        EXPECT_EQ(T("txtp5sho"), s.sh) << s.metros << " " << s.superficie;
    }
    EXPECT_TRUE(Mensajes().isEmpty());
}

TEST_F(ComercialResidencial, ConstructionCostByValuationYearAndCurrency)
{
    struct Coste {
        int32_t fecha;
        const char* moneda;
        double cco;
        const char* texto;
    };
    // clang-format off
    const Coste costes[] = {
        {19990615, "P", 80000, "80.000"}, {20031027, "P", 90000, "90.000"},
        {19990615, "E", 48081, "480,81"}, {20031027, "E", 54091, "540,91"},
    };
    // clang-format on
    Abrir();
    for (const Coste& c : costes) {
        SCOPED_TRACE(c.fecha);
        gEntrada().setP_FECV(c.fecha);
        gEntrada().setP_MON(QString::fromLatin1(c.moneda));
        Pulsar("cmdlimpiar");
        EXPECT_DOUBLE_EQ(R().P5_CCO(), c.cco);
        EXPECT_EQ(T("txtp5cco"), c.texto);
        EXPECT_EQ(R().P5_MON(), c.moneda);
    }
    gEntrada().setP_MON(QStringLiteral("P"));
    gEntrada().setP_FECV(20031027);
    Pulsar("cmdlimpiar");

    // The currency switch reads the subzone's row again and converts it afresh.
    ValoracionTipo();
    ASSERT_DOUBLE_EQ(R().P5_VAF(), 26893440);
    Pulsar("optp5mon(1)");
    EXPECT_DOUBLE_EQ(R().P5_VRC(), 60101);  // 100000 / 1,66386
    EXPECT_DOUBLE_EQ(R().P5_CCO(), 54091);
    EXPECT_EQ(T("txtp5vrc"), "601,01");
    EXPECT_EQ(T("txtp5cco"), "540,91");
    Pulsar("optp5mon(0)");
    EXPECT_DOUBLE_EQ(R().P5_VRC(), 100000);
    EXPECT_DOUBLE_EQ(R().P5_CCO(), 90000);
    EXPECT_DOUBLE_EQ(R().P5_VAF(), 26893440);

    // A row of another currency code than "P" or "E" is converted as the last case says, but the
    // fixed cost stays in the record's unit: 90000 pesetas in a peseta record.
    Elegir("cmbp5cal", "CALLE RARA");
    EXPECT_EQ(R().P5_NUS(), "R1");
    EXPECT_DOUBLE_EQ(R().P5_VRC(), 100000);  // 166386 / 1,66386
    EXPECT_DOUBLE_EQ(R().P5_CCO(), 90000);
    EXPECT_EQ(T("txtp5cco"), "90.000");
    EXPECT_DOUBLE_EQ(R().P5_VAF(), 26893440);
    Pulsar("optp5mon(1)");
    EXPECT_DOUBLE_EQ(R().P5_CCO(), 54091);
    EXPECT_TRUE(Mensajes().isEmpty());
}

TEST_F(ComercialResidencial, SubzoneLookupByPortalParityAndRefusalOfZone900)
{
    Abrir();
    Localizar("CALLE MAYOR", "7");
    EXPECT_EQ(R().P5_NUS(), "A1");
    Teclear("txtp5nup", "8");
    EXPECT_EQ(R().P5_NUS(), "B2");
    EXPECT_EQ(T("txtp5nus"), "B2");

    // Zone 899 is valued.
    Pulsar("optp5tsu(1)");
    Teclear("txtp5sbu", "100");
    Elegir("cmbp5cal", "CALLE NUEVA");
    EXPECT_EQ(R().P5_NUS(), "C9");
    EXPECT_DOUBLE_EQ(R().P5_VRC(), 50000);
    EXPECT_DOUBLE_EQ(R().P5_VAD(), 20700000);  // ((13300 + 124200) * 1 + 35000) * 120
    const double valor = R().P5_VAF();
    ASSERT_TRUE(Mensajes().isEmpty());

    // Zone 900 is refused: street and portal back in the list, the box and the record, the
    // valuation as it was, the focus on the portal.
    Elegir("cmbp5cal", "POLIGONO");
    ASSERT_TRUE(
        UnMensaje("No puede valorarse locales situados en zonas 9xx", 0, QGuiApplication::applicationDisplayName()));
    EXPECT_EQ(R().P5_CAL(), "CALLE NUEVA");
    EXPECT_EQ(R().P5_NUP(), 8);
    EXPECT_EQ(R().P5_NUS(), "C9");
    EXPECT_DOUBLE_EQ(R().P5_VAF(), valor);
    EXPECT_EQ(T("cmbp5cal"), "CALLE NUEVA");
    EXPECT_EQ(T("txtp5nup"), "8");
    EXPECT_EQ(T("txtp5nus"), "C9");
    EXPECT_EQ(FocusedControl(), C("txtp5nup"));
}

TEST_F(ComercialResidencial, SubzonesWithoutValueValueNothing)
{
    Abrir();
    ValoracionTipo();
    ASSERT_NE(R().P5_VAF(), 0);
    // No value row for the subzone: the subzone box is emptied. A Null value: the subzone stays.
    // A stretch whose zone code is no number: no stretch, no subzone.
    struct SinValor {
        const char* calle;
        const char* nus;
    };
    const SinValor casos[] = {{"CALLE SIN", ""}, {"CALLE NULA", "N1"}, {"CALLE ROTA", ""}};
    for (const SinValor& c : casos) {
        SCOPED_TRACE(c.calle);
        Elegir("cmbp5cal", "CALLE MAYOR");
        ASSERT_NE(R().P5_VAF(), 0);
        Elegir("cmbp5cal", c.calle);
        EXPECT_TRUE(Mensajes().isEmpty());
        EXPECT_EQ(R().P5_CAL(), c.calle);
        EXPECT_EQ(R().P5_NUS(), c.nus);
        EXPECT_EQ(T("txtp5nus"), c.nus);
        EXPECT_DOUBLE_EQ(R().P5_VRC(), 0);
        EXPECT_DOUBLE_EQ(R().P5_CCO(), 90000);
        EsperarResultadosCero(R());
        EXPECT_EQ(T("txtp5vrc"), "");
        EXPECT_EQ(T("txtp5vaf"), "");
        EXPECT_FALSE(C("cmdimprimir")->isEnabled());
    }
}

TEST_F(ComercialResidencial, EverySurfaceAndPercentageEntryIsTakenAgain)
{
    Abrir();
    ValoracionTipo();
    const double vaf = R().P5_VAF();
    // The same surface typed again recomputes and redraws (a stale result is replaced).
    R().setP5_VAF(1);
    Teclear("txtp5sbu", "100");
    EXPECT_DOUBLE_EQ(R().P5_VAF(), vaf);
    EXPECT_EQ(T("txtp5vaf"), "26.893.440");
    R().setP5_VAF(1);
    Teclear("txtp5pti", "100");
    EXPECT_DOUBLE_EQ(R().P5_VAF(), vaf);

    // Percentage: above 100 refused with a message, 0 or empty quietly gives the stored one back.
    Teclear("txtp5pti", "100,01");
    ASSERT_TRUE(UnMensaje(LoadResString(110), 48, LoadResString(50)));
    EXPECT_EQ(T("txtp5pti"), "100,00");
    Teclear("txtp5pti", "0");
    EXPECT_EQ(T("txtp5pti"), "100,00");
    // Surface: 0 gives the stored surface back.
    Teclear("txtp5sbu", "0");
    EXPECT_EQ(T("txtp5sbu"), "100,00");
    EXPECT_DOUBLE_EQ(R().P5_SBU(), 100);
    EXPECT_EQ(Mensajes().size(), 1);
    EXPECT_DOUBLE_EQ(R().P5_VAF(), vaf);
}

TEST_F(ComercialResidencial, TheSituationBoxChangesNothing)
{
    Abrir();
    ValoracionTipo();
    const cDatosTip5 antes = R();
    // A click unticks the box but changes neither CL nor the record; the next redraw ticks it.
    Pulsar("Chkp5cl1");
    EXPECT_EQ(C<CheckBox>("Chkp5cl1")->Value(), 0);
    EXPECT_EQ(R().P5_CL1(), "X");
    EXPECT_DOUBLE_EQ(R().P5_CCL(), 0.7);
    EXPECT_DOUBLE_EQ(R().P5_VAF(), antes.P5_VAF());
    Teclear("txtp5antd1", "3");
    EXPECT_EQ(C<CheckBox>("Chkp5cl1")->Value(), 1);
    EXPECT_DOUBLE_EQ(R().P5_CCL(), 0.7);

    // "Limpiar" empties the record and the box is ticked again.
    Pulsar("Chkp5cl1");
    Pulsar("cmdlimpiar");
    EXPECT_EQ(R().P5_CL1(), "X");
    EXPECT_EQ(C<CheckBox>("Chkp5cl1")->Value(), 1);
    EXPECT_EQ(R().P5_MUN(), "");
    EXPECT_DOUBLE_EQ(R().P5_SBU(), 0);
    EXPECT_DOUBLE_EQ(R().P5_PTI(), 100);
    EsperarResultadosCero(R());
}

TEST_F(ComercialResidencial, ValuationDateInAnotherPeriodEmptiesTheRecord)
{
    R().EscribirP5_DES(QStringLiteral("Local 3, planta baja"), 0);
    Abrir();
    ValoracionTipo();
    ASSERT_NE(R().P5_VAF(), 0);

    // The same period: kept, and the age by date follows the new valuation date.
    Pulsar("optp5anttipo(1)");
    Teclear("txtp5antd2", "15/03/1985");
    Teclear("txtp5fecv", "28/10/2003");
    EXPECT_EQ(R().P5_MUN(), "PRUEBA");
    EXPECT_EQ(R().P5_ANT(), 18);
    EXPECT_NE(R().P5_VAF(), 0);

    // Another period: emptied, the period's defaults, the municipality list of that year.
    Teclear("txtp5fecv", "15/06/2010");
    const cDatosTip5& r = R();
    EXPECT_EQ(r.P5_EJER(), 2010);
    EXPECT_EQ(r.P5_FECV(), 20100615);
    EXPECT_EQ(r.P5_MUN(), "");
    EXPECT_EQ(r.P5_NUS(), "");
    EXPECT_EQ(r.P5_ANTTIPO(), "A");
    EXPECT_DOUBLE_EQ(r.P5_SBU(), 0);
    EXPECT_DOUBLE_EQ(r.P5_PTI(), 100);
    EXPECT_DOUBLE_EQ(r.P5_RP(), 1.1);
    EXPECT_DOUBLE_EQ(r.P5_CCO(), 90000);
    EsperarResultadosCero(r);
    EXPECT_EQ(T("txtdescrip"), "");
    auto* municipios = C<ComboBox>("cmbp5mun");
    EXPECT_EQ(municipios->ListIndex(), -1);
    QStringList nombres;
    for (int i = 0; i < municipios->ListCount(); ++i)
        nombres << municipios->List(i);
    EXPECT_TRUE(nombres.contains("BEREZIBAR-ARRIETA")) << nombres.join(',').toStdString();
    EXPECT_FALSE(nombres.contains("PRUEBA"));

    // Refused dates: the range message with its separator; the construction date after the
    // valuation date with the date straight after the message.
    MsgBoxSeam::Clear();
    Teclear("txtp5fecv", "01/01/1998");
    ASSERT_EQ(Mensajes().size(), 1);
    EXPECT_EQ(Mensajes()[0].text, "La Fecha de Valoración no puede ser anterior al  01/01/1999\r\n ni posterior al  "
                                  "31/12/2027 .");
    EXPECT_EQ(T("txtp5fecv"), "15/06/2010");
    MsgBoxSeam::Clear();
    Pulsar("optp5anttipo(1)");
    Teclear("txtp5antd2", "16/06/2010");
    ASSERT_EQ(Mensajes().size(), 1);
    EXPECT_EQ(Mensajes()[0].text, LoadResString(109) + "15/06/2010");
}

TEST_F(ComercialResidencial, CaptionsAndDisplayBoxesPassTheFocusOn)
{
    Abrir();
    EXPECT_EQ(ventana_->windowTitle(), "Local Comercial en Edificio Comercial en Zona Residencial");
    EXPECT_EQ(T("Label15"), "= V = [ VRC * CL + (1,38 * CC + 0,38 * VRC * CL) * (1 - D)] * SH");
    EXPECT_EQ(T("Label4"), "Subzona Comercial");
    EXPECT_EQ(T("Chkp5cl1"), "En interior");
    EXPECT_EQ(C("Chkp5cl1")->toolTip(), "En interior");
    EXPECT_EQ(T("Frame5"), "Situación en el inmueble");

    // Entering a display box (the subzone, a value) passes the focus on.
    ValoracionTipo();
    MsgBoxSeam::Clear();
    for (const char* caja : {"txtp5nus", "txtp5vac"}) {
        FocusControl(C(caja));
        ProcessEvents();
        EXPECT_NE(FocusedControl(), C(caja)) << caja;
    }
    EXPECT_TRUE(Mensajes().isEmpty());

    // In Basque every caption comes from the Basque table and the dates are year first.
    gEntrada().setP_IDI(QStringLiteral("E"));
    ventana_->Unload();
    Abrir();
    EXPECT_EQ(ventana_->windowTitle(), "Lokal komertziala etxeguneko merkataritza eraikuntzan");
    EXPECT_EQ(T("Chkp5cl1"), "Barrukoa");
    EXPECT_EQ(T("Label7"), "BEM");
    EXPECT_EQ(T("txtp5fecv"), "2003/10/27");
}

}  // namespace
