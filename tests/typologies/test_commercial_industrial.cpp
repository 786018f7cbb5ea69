// The window of a shop in a commercial building of an industrial zone driven through its
// controls: the worked examples and cases worked by hand through the window, the location by
// municipality and industrial zone (one zone valued at once, zones of the ponencia year, typed
// texts, zone codes with an apostrophe or trailing blanks, a Null value), currencies, the
// interior position, surfaces, the commercial age scale, dates, defaults, messages and the redraw.
#include <gtest/gtest.h>

#include "core/Globals.h"
#include "core/Recursos.h"
#include "platform/CajaNum.h"
#include "platform/ComboBox.h"
#include "platform/MaskEdBox.h"
#include "platform/MsgBox.h"
#include "platform/Option.h"
#include "tests/support/DatosPrueba.h"
#include "tests/support/FixtureTipologia.h"
#include "typologies/commercial_industrial/Tipologia6.h"

namespace {

// The window on a copy of the demo database. Municipalities of the 2004 and 2010 lists:
//
//   UNIZONA (91)  ponencias 2004 and 2022; one zone each: VIEJA (2004) and UNICA (2022),
//                 both 20000 pesetas
//   BIZONA (92)   ponencia 2020 (its 2030 one lies after every valuation year)
//                 PI-01 12020 cents; PI-02 20000 pesetas; PI-03 only in 2022
//   RAROS (93)    ponencia 2022: O'NEIL 30000 pesetas; NULA pesetas, value Null;
//                 SIN-MONEDA 20000, no currency
//   BLANCOS (94)  ponencia 2022, one zone stored as "ZI-1  " (trailing blanks)
//
// Year 2023 takes RP 1,20 here (t02_porcom 120) and COA from 2022 is 1,05, from 2020
// 1,02 * 1,04 * 1,05 = 1,11384; year 2004 has RP 1,00. Settings: Spanish, pesetas, 15/03/2023.
class ComercialIndustrial : public FixtureTipologia<Tipologia6> {
protected:
    ComercialIndustrial()
        : FixtureTipologia(PreparacionTipologia{
              6,
              20230315,
              QStringLiteral("cmdDescripcion"),
              {
                  "UPDATE main.t02_años SET t02_porcom = 120 WHERE t02_ano = 2023",
                  "INSERT INTO t03_municipios VALUES (2004, 91, 'UNIZONA'), (2004, 92, 'BIZONA'),"
                  " (2010, 91, 'UNIZONA'), (2010, 92, 'BIZONA'), (2010, 93, 'RAROS'), (2010, 94, 'BLANCOS')",
                  "INSERT INTO t04_ponencias VALUES (2004, 91), (2022, 91), (2020, 92), (2030, 92), (2022, 93),"
                  " (2022, 94)",
                  "INSERT INTO main.t09_industrial (t09_codmun, t09_zonind, t09_ano, t09_mone, t09_vri) VALUES"
                  " (91, 'VIEJA', 2004, 'P', 20000), (91, 'UNICA', 2022, 'P', 20000),"
                  " (92, 'PI-02', 2020, 'P', 20000), (92, 'PI-01', 2020, 'E', 12020), (92, 'PI-03', 2022, 'P', 1),"
                  " (93, 'O''NEIL', 2022, 'P', 30000), (93, 'NULA', 2022, 'P', NULL), (93, 'SIN-MONEDA', 2022, NULL, 20000),"
                  " (94, 'ZI-1  ', 2022, 'P', 20000)",
              }})
    {
    }
    QStringList Zonas() const { return Lista("cmbp6nui"); }
    static std::vector<double> Resultados() { return ResultadosDe(gDatosTip6()); }
    // A new settings date and currency, and "Limpiar" to take them.
    void Empezar(int32_t fecha, const char* moneda)
    {
        gEntrada().setP_FECV(fecha);
        gEntrada().setP_MON(QString::fromLatin1(moneda));
        Pulsar("cmdlimpiar");
    }
};

cDatosTip6& R() { return gDatosTip6(); }

const std::vector<double> kCeros(6, 0.0);

struct Caso {
    const char* nombre;
    int32_t fecha;
    const char* moneda;
    const char* municipio;
    const char* zona;  // typed into the zone list; nullptr when the only zone is taken
    int superficie;    // entry of optp6tsu: 0 built, 1 usable
    const char* metros;
    bool interior;
    const char* anos;  // nullptr: left at 0
    const char* porcentaje;
    // Record after the valuation.
    const char* nui;
    double vri, cco, ccl, sho, dep, coa, rp;
    double vad, vac, vco, vaf, vsf, vcf;
    // What the window shows.
    const char* txtVri;
    const char* txtCco;
    const char* txtSho;
    const char* txtDep;
    const char* txtCoa;
    const char* txtVad;
    const char* txtVac;
    const char* txtVco;
    const char* txtVaf;
    const char* txtVsf;
    const char* txtVcf;
};

// clang-format off
const Caso kCasos[] = {
    // The first worked example: V = ((7600 + 110400) * 1 + 20000) * 122 = 16836000, land part
    // 20000 * 122 = 2440000.
    {"worked example, pesetas", 20040315, "P", "UNIZONA", nullptr, 0, "100", false, nullptr, "100",
     "VIEJA", 20000, 80000, 1, 122, 1, 1, 1, 16836000, 16836000, 16836000, 16836000, 2440000, 14396000,
     "20.000", "80.000", "122,0000", "1,0000", "1,000000", "16.836.000", "16.836.000", "16.836.000", "16.836.000",
     "2.440.000", "14.396.000"},
    // The second: CL 0,70, 3 years (0,88), COA 1,05, RP 1,20, 50 %: V = 14131699,2; VAF from
    // exactly 8902970,5, rounded away from zero.
    {"worked example with every coefficient", 20230315, "P", "UNIZONA", nullptr, 0, "100", true, "3", "50",
     "UNICA", 20000, 80000, 0.7, 122, 0.88, 1.05, 1.2, 14131699, 14838284, 17805941, 8902971, 1076040, 7826931,
     "20.000", "80.000", "122,0000", "0,8800", "1,050000", "14.131.699", "14.838.284", "17.805.941", "8.902.971",
     "1.076.040", "7.826.931"},
    // Euros, a peseta row typed in lower case: VRI 20000 / 1,66386 -> 12020 cents, CC 48081.
    // Usable 30 m2: SH = min(59,1, 54) = 54; 25 years: 0,275.
    // V = ((4567,6 + 66351,78) * 0,275 + 12020) * 54 = 1702232,793 -> 1702233;
    // VAC = 1,11384 V = 1896015,2 -> 1896015; VCO = 2275218; VSF = VAF * 649080 / V = 867565,2.
    {"euros, zone typed in lower case", 20230315, "E", "BIZONA", "pi-02", 1, "30", false, "25", "100",
     "PI-02", 12020, 48081, 1, 54, 0.275, 1.11384, 1.2, 1702233, 1896015, 2275218, 2275218, 867565, 1407653,
     "120,20", "480,81", "54,0000", "0,2750", "1,113840", "17.022,33", "18.960,15", "22.752,18", "22.752,18",
     "8.675,65", "14.076,53"},
    // A euro row in pesetas: 12020 * 1,66386 = 19999,6 -> 20000. Built 30 m2: SH = min(57,6, 51)
    // = 51; interior; 13 years: 0,525; 80 %.
    // V = ((5320 + 110400) * 0,525 + 14000) * 51 = 3812403; VAC = 4246406,96 -> 4246407;
    // VCO = 5095688,4 -> 5095688; VAF = 4076550,4 -> 4076550; VSF = VAF * 714000 / V = 763470,4.
    {"euro row in pesetas, interior", 20230315, "P", "BIZONA", "PI-01", 0, "30", true, "13", "80",
     "PI-01", 20000, 80000, 0.7, 51, 0.525, 1.11384, 1.2, 3812403, 4246407, 5095688, 4076550, 763470, 3313080,
     "20.000", "80.000", "51,0000", "0,5250", "1,113840", "3.812.403", "4.246.407", "5.095.688", "4.076.550",
     "763.470", "3.313.080"},
};
// clang-format on

TEST_F(ComercialIndustrial, FullValuationThroughTheWindow)
{
    Abrir();
    for (const Caso& c : kCasos) {
        SCOPED_TRACE(c.nombre);
        Empezar(c.fecha, c.moneda);
        Pulsar(Tipologia6::Opcion("optp6tsu", c.superficie));
        Teclear("txtp6sbu", c.metros);
        if (c.interior)
            Pulsar("Chkp6cl1");
        Antiguedad(c.anos);
        Teclear("txtp6pti", c.porcentaje);
        LocalizarZona(c.municipio);
        if (c.zona)
            Teclear("cmbp6nui", c.zona);

        const cDatosTip6& r = R();
        EXPECT_EQ(r.P6_MUN(), c.municipio);
        EXPECT_EQ(r.P6_NUI(), c.nui);
        EXPECT_EQ(r.P6_MON(), c.moneda);
        EXPECT_EQ(r.P6_CL1(), c.interior ? "X" : "");
        EXPECT_DOUBLE_EQ(r.P6_RP(), c.rp);
        EXPECT_DOUBLE_EQ(r.P6_COA(), c.coa);
        EXPECT_DOUBLE_EQ(r.P6_VRI(), c.vri);
        EXPECT_DOUBLE_EQ(r.P6_CCO(), c.cco);
        EXPECT_DOUBLE_EQ(r.P6_CCL(), c.ccl);
        EXPECT_DOUBLE_EQ(r.P6_SHO(), c.sho);
        EXPECT_DOUBLE_EQ(r.P6_DEP(), c.dep);
        EXPECT_DOUBLE_EQ(r.P6_VAD(), c.vad);
        EXPECT_DOUBLE_EQ(r.P6_VAC(), c.vac);
        EXPECT_DOUBLE_EQ(r.P6_VCO(), c.vco);
        EXPECT_DOUBLE_EQ(r.P6_VAF(), c.vaf);
        EXPECT_DOUBLE_EQ(r.P6_VSF(), c.vsf);
        EXPECT_DOUBLE_EQ(r.P6_VCF(), c.vcf);

        EXPECT_EQ(T("cmbp6mun"), c.municipio);
        EXPECT_EQ(T("cmbp6nui"), c.nui);
        EXPECT_EQ(T("txtp6vri"), c.txtVri);
        EXPECT_EQ(T("txtp6cco"), c.txtCco);
        EXPECT_EQ(T("txtp6sho"), c.txtSho);
        EXPECT_EQ(T("txtp6dep"), c.txtDep);
        EXPECT_EQ(T("txtp6coa"), c.txtCoa);
        EXPECT_EQ(T("txtp6vad"), c.txtVad);
        EXPECT_EQ(T("txtp6vac"), c.txtVac);
        EXPECT_EQ(T("txtp6vco"), c.txtVco);
        EXPECT_EQ(T("txtp6vaf"), c.txtVaf);
        EXPECT_EQ(T("txtp6vsf"), c.txtVsf);
        EXPECT_EQ(T("txtp6vcf"), c.txtVcf);
        EXPECT_EQ(T("txtp6ccl"), c.interior ? "0,70" : "1,00");
        EXPECT_EQ(T("txtp6rp"), c.rp == 1 ? "1,00" : "1,20");
        EXPECT_EQ(T("txtp6ant"), c.anos ? c.anos : "0");
        EXPECT_EQ(T("txtp6pti"), QString::fromLatin1(c.porcentaje) + ",00");
        EXPECT_EQ(T("txtp6sbu"), QString::fromLatin1(c.metros) + ",00");
        EXPECT_TRUE(C("cmdimprimir")->isEnabled());
        EXPECT_TRUE(Mensajes().isEmpty());
    }
}

TEST_F(ComercialIndustrial, MunicipalityAndZone)
{
    Abrir();
    Teclear("txtp6sbu", "100");

    // Two zones of the municipality's ponencia year (2020), not the zone of 2022: nothing
    // valued until one is chosen.
    LocalizarZona("BIZONA");
    EXPECT_EQ(R().P6_AÑOP(), 2020);
    EXPECT_EQ(Zonas(), QStringList({"PI-01", "PI-02"}));
    EXPECT_EQ(R().P6_NUI(), "");
    EXPECT_EQ(T("cmbp6nui"), "");
    EXPECT_DOUBLE_EQ(R().P6_VRI(), 0);
    EXPECT_EQ(Resultados(), kCeros);
    EXPECT_EQ(T("txtp6vaf"), "");
    EXPECT_FALSE(C("cmdimprimir")->isEnabled());
    // The interior box without a zone: CL changes, nothing is valued.
    Pulsar("Chkp6cl1");
    EXPECT_DOUBLE_EQ(R().P6_CCL(), 0.7);
    EXPECT_EQ(T("txtp6ccl"), "0,70");
    EXPECT_EQ(Resultados(), kCeros);

    // A zone typed in lower case takes the first zone it begins.
    Teclear("cmbp6nui", "pi-0");
    EXPECT_EQ(R().P6_NUI(), "PI-01");
    EXPECT_DOUBLE_EQ(R().P6_VRI(), 20000);
    // The interior box with a zone recomputes from the record (usable 100 m2, SH 127):
    // CL 0,7: ((5320 + 110400) + 14000) * 127 = 16474440; CL 1: (7600 + 110400 + 20000) * 127.
    EXPECT_DOUBLE_EQ(R().P6_VAD(), 16474440);
    Pulsar("Chkp6cl1");
    EXPECT_DOUBLE_EQ(R().P6_VAD(), 17526000);

    // The same date, another municipality: its own ponencia year (2022) and its only zone,
    // valued at once and shown in the list.
    Teclear("cmbp6mun", "uni");
    EXPECT_EQ(R().P6_MUN(), "UNIZONA");
    EXPECT_EQ(R().P6_AÑOP(), 2022);
    EXPECT_DOUBLE_EQ(R().P6_COA(), 1.05);
    EXPECT_EQ(Zonas(), QStringList({"UNICA"}));
    EXPECT_EQ(R().P6_NUI(), "UNICA");
    EXPECT_EQ(T("cmbp6nui"), "UNICA");
    EXPECT_EQ(C<ComboBox>("cmbp6nui")->ListIndex(), 0);
    EXPECT_DOUBLE_EQ(R().P6_VAD(), 17526000);
    EXPECT_DOUBLE_EQ(R().P6_VAF(), 22082760);

    // Choosing the stored municipality again does nothing at all, not even a redraw.
    R().setP6_VAF(1);
    C<ComboBox>("cmbp6mun")->SetListIndex(-1);
    LocalizarZona("UNIZONA");
    EXPECT_DOUBLE_EQ(R().P6_VAF(), 1);
    EXPECT_NE(T("txtp6vaf"), "1");
    EXPECT_EQ(R().P6_NUI(), "UNICA");
    Teclear("txtp6pti", "100");  // a recompute puts the record right again
    EXPECT_NE(R().P6_VAF(), 1);

    // A typed municipality or zone that begins no entry: the record's come back.
    const double vaf = R().P6_VAF();
    Teclear("cmbp6mun", "XYZ");
    Teclear("cmbp6nui", "ZZ");
    EXPECT_EQ(T("cmbp6mun"), "UNIZONA");
    EXPECT_EQ(T("cmbp6nui"), "UNICA");
    EXPECT_EQ(R().P6_NUI(), "UNICA");
    EXPECT_DOUBLE_EQ(R().P6_VAF(), vaf);

    // Back to two zones: the zone and its values go; the inputs stay.
    LocalizarZona("BIZONA");
    EXPECT_EQ(R().P6_NUI(), "");
    EXPECT_DOUBLE_EQ(R().P6_VRI(), 0);
    EXPECT_EQ(Resultados(), kCeros);
    EXPECT_DOUBLE_EQ(R().P6_SBU(), 100);
    EXPECT_DOUBLE_EQ(R().P6_SHO(), 127);
    EXPECT_TRUE(Mensajes().isEmpty());
}

TEST_F(ComercialIndustrial, ZoneCodesAndValuesOutsideTheUsual)
{
    Abrir();
    Pulsar("optp6tsu(0)");
    Teclear("txtp6sbu", "100");
    const cDatosTip6& r = R();

    // A zone code with an apostrophe is looked up like any other:
    // V = ((11400 + 110400) + 30000) * 122 = 18519600.
    LocalizarZona("RAROS", "O'NEIL");
    EXPECT_DOUBLE_EQ(r.P6_VRI(), 30000);
    EXPECT_DOUBLE_EQ(r.P6_VAD(), 18519600);

    // A Null value is no value: VRI and every result 0, no message.
    LocalizarZona("RAROS", "NULA");
    EXPECT_EQ(r.P6_NUI(), "NULA");
    EXPECT_DOUBLE_EQ(r.P6_VRI(), 0);
    EXPECT_EQ(Resultados(), kCeros);
    EXPECT_DOUBLE_EQ(r.P6_CCO(), 80000);
    EXPECT_TRUE(Mensajes().isEmpty());

    // A row without currency in a peseta record: its value is divided as a row of another
    // currency, but the construction cost stays in pesetas, the record's unit.
    LocalizarZona("RAROS", "SIN-MONEDA");
    EXPECT_DOUBLE_EQ(r.P6_VRI(), 12020);
    EXPECT_DOUBLE_EQ(r.P6_CCO(), 80000);
    EXPECT_EQ(T("txtp6cco"), "80.000");
    EXPECT_NE(r.P6_VAF(), 0);

    // The only zone of a municipality, stored with trailing blanks, is kept as the list shows
    // it, so the list, a redraw and a reopened window all show it.
    LocalizarZona("BLANCOS");
    EXPECT_EQ(r.P6_NUI(), "ZI-1");
    EXPECT_EQ(T("cmbp6nui"), "ZI-1");
    EXPECT_EQ(C<ComboBox>("cmbp6nui")->ListIndex(), 0);
    Pulsar("cmdsalir");
    Abrir();
    EXPECT_EQ(T("cmbp6mun"), "BLANCOS");
    EXPECT_EQ(T("cmbp6nui"), "ZI-1");
    EXPECT_EQ(C<ComboBox>("cmbp6nui")->ListIndex(), 0);
}

TEST_F(ComercialIndustrial, CurrencySwitchReadsTheZoneValueAgain)
{
    struct Cambio {
        const char* zona;
        bool euros;  // currency switched to
        double vri, cco;
        const char* txtVri;
        const char* txtCco;
    };
    // PI-02 is a peseta row, PI-01 a euro row; CC is always in the record's unit.
    // clang-format off
    const Cambio cambios[] = {
        {"PI-02", true, 12020, 48081, "120,20", "480,81"}, {"PI-02", false, 20000, 80000, "20.000", "80.000"},
        {"PI-01", true, 12020, 48081, "120,20", "480,81"}, {"PI-01", false, 20000, 80000, "20.000", "80.000"},
    };
    // clang-format on
    Abrir();
    Teclear("txtp6sbu", "100");
    LocalizarZona("BIZONA");
    for (const Cambio& c : cambios) {
        SCOPED_TRACE(std::string(c.zona) + (c.euros ? " euros" : " pesetas"));
        LocalizarZona("BIZONA", c.zona);
        Pulsar(c.euros ? "optp6mon(1)" : "optp6mon(0)");
        EXPECT_EQ(R().P6_MON(), c.euros ? "E" : "P");
        EXPECT_DOUBLE_EQ(R().P6_VRI(), c.vri);
        EXPECT_DOUBLE_EQ(R().P6_CCO(), c.cco);
        EXPECT_EQ(T("txtp6vri"), c.txtVri);
        EXPECT_EQ(T("txtp6cco"), c.txtCco);
        EXPECT_NE(R().P6_VAF(), 0);
    }

    // Without a municipality only the cost follows the currency.
    Pulsar("cmdlimpiar");
    Pulsar("optp6mon(1)");
    EXPECT_DOUBLE_EQ(R().P6_CCO(), 48081);
    EXPECT_EQ(T("txtp6cco"), "480,81");
    EXPECT_DOUBLE_EQ(R().P6_VRI(), 0);
    EXPECT_EQ(Resultados(), kCeros);
}

TEST_F(ComercialIndustrial, SurfaceInteriorAndPercentage)
{
    Abrir();
    struct Sh {
        int superficie;
        const char* metros;
        const char* sh;
    };
    // Built: min(0,92 S + 30, 1,7 S); usable: min(0,97 S + 30, 1,8 S).
    const Sh superficies[] = {
        {0, "30", "51,0000"},   {0, "100", "122,0000"}, {1, "30", "54,0000"},
        {1, "100", "127,0000"}, {1, "0,5", "0,9000"},
    };
    for (const Sh& s : superficies) {
        Pulsar(Tipologia6::Opcion("optp6tsu", s.superficie));
        Teclear("txtp6sbu", s.metros);
        EXPECT_EQ(T("txtp6sho"), s.sh) << s.metros;
        EXPECT_EQ(R().P6_TSU(), s.superficie == 0 ? "C" : "U");
    }
    Teclear("txtp6sbu", "100");
    // An emptied or zero surface is refused silently: the stored one comes back.
    for (const char* texto : {"", "0"}) {
        Teclear("txtp6sbu", texto);
        EXPECT_EQ(T("txtp6sbu"), "100,00");
        EXPECT_DOUBLE_EQ(R().P6_SBU(), 100);
    }

    // The surface or percentage typed again as stored is still taken: the values are
    // computed again from the record.
    // Usable 100 m2 (SH 127) in UNIZONA: V 17526000, VAF = 1,2 * 1,05 V = 22082760.
    LocalizarZona("UNIZONA");
    const double vaf = R().P6_VAF();
    ASSERT_EQ(vaf, 22082760);
    for (const char* caja : {"txtp6sbu", "txtp6pti"}) {
        R().setP6_VAF(1);
        Teclear(caja, "100");
        EXPECT_DOUBLE_EQ(R().P6_VAF(), vaf) << caja;
    }

    Pulsar("Chkp6cl1");
    EXPECT_EQ(T("txtp6ccl"), "0,70");
    EXPECT_EQ(R().P6_CL1(), "X");
    EXPECT_EQ(C("Chkp6cl1")->toolTip(), "En interior");
    Pulsar("Chkp6cl1");
    EXPECT_EQ(T("txtp6ccl"), "1,00");
    EXPECT_EQ(R().P6_CL1(), "");

    // Percentage: up to 100; above it message 110 and the previous one back; 0 refused silently.
    Teclear("txtp6pti", "40");
    EXPECT_DOUBLE_EQ(R().P6_VAF(), 8833104);
    Teclear("txtp6pti", "100,01");
    ASSERT_TRUE(UnMensaje("Valor no Válido", 48, "Error en la Introducción de Datos"));
    EXPECT_EQ(T("txtp6pti"), "40,00");
    EXPECT_DOUBLE_EQ(R().P6_PTI(), 40);
    Teclear("txtp6pti", "0");
    EXPECT_EQ(T("txtp6pti"), "40,00");
    EXPECT_EQ(Mensajes().size(), 1);
}

TEST_F(ComercialIndustrial, CommercialAgeScale)
{
    struct Edad {
        int16_t anos;
        double dep;
    };
    // The bands meet without a step; ages outside them take 0,2.
    const Edad edades[] = {{0, 1},      {10, 0.6},   {11, 0.575}, {13, 0.525}, {20, 0.35},
                           {21, 0.335}, {25, 0.275}, {30, 0.2},   {31, 0.2},   {-1, 0.2}};
    Abrir();
    for (Edad e : edades)
        EXPECT_NEAR(V().Edad().CalcularD(e.anos), e.dep, 1e-12) << e.anos;

    // Both age boxes stay visible; the one of the mode is enabled.
    EXPECT_TRUE(C("txtp6antd2")->isVisible());
    EXPECT_TRUE(C("txtp6antd1")->isEnabled());
    EXPECT_FALSE(C("txtp6antd2")->isEnabled());
    Teclear("txtp6antd1", "25");
    EXPECT_EQ(T("txtp6dep"), "0,2750");
    Teclear("txtp6antd1", "999");
    EXPECT_EQ(T("txtp6dep"), "0,2000");

    // By date: switching the mode starts the age again at the valuation date.
    Empezar(20040315, "P");
    Pulsar("optp6anttipo(1)");
    EXPECT_EQ(T("txtp6antd1"), "");
    EXPECT_EQ(T("txtp6antd2"), "15/03/2004");
    EXPECT_EQ(T("txtp6ant"), "0");
    EXPECT_EQ(T("txtp6dep"), "1,0000");
    EXPECT_TRUE(C("txtp6antd1")->isVisible());
    EXPECT_FALSE(C("txtp6antd1")->isEnabled());
    EXPECT_TRUE(C("txtp6antd2")->isEnabled());
    // 20040315 - 19900420 = 139895: 13 whole years.
    Teclear("txtp6antd2", "20/04/1990");
    EXPECT_EQ(T("txtp6ant"), "13");
    EXPECT_DOUBLE_EQ(R().P6_DEP(), 0.525);
    EXPECT_EQ(R().P6_ANTDAT(), 19900420);
    EXPECT_TRUE(Mensajes().isEmpty());

    // Refused construction dates: the stored one comes back.
    Teclear("txtp6antd2", "01/01/1799");
    Teclear("txtp6antd2", "16/03/2004");
    const auto m = Mensajes();
    ASSERT_EQ(m.size(), 2);
    EXPECT_EQ(m[0].text, "La Fecha introducida no es correcta");
    EXPECT_EQ(m[1].text,
              "La Fecha de Construcción/Rehabilitación no puede ser posterior a la Fecha de Valoración 15/03/2004");
    for (const ShownMessage& s : m) {
        EXPECT_EQ(s.style, 48);
        EXPECT_EQ(s.title, "Error en la Introducción de Datos");
    }
    EXPECT_EQ(T("txtp6antd2"), "20/04/1990");

    // A valuation date of the same year before the construction date empties the record.
    Teclear("txtp6antd2", "01/03/2004");
    LocalizarZona("UNIZONA");
    Teclear("txtp6fecv", "01/02/2004");
    EXPECT_EQ(R().P6_FECV(), 20040201);
    EXPECT_EQ(R().P6_ANTTIPO(), "A");
    EXPECT_EQ(R().P6_ANTDAT(), 0);
    EXPECT_EQ(R().P6_MUN(), "");
}

TEST_F(ComercialIndustrial, ValuationDateMessagesAndChanges)
{
    R().EscribirP6_DES(QStringLiteral("Local 3, planta baja del edificio comercial"), 0);
    Abrir();
    EXPECT_EQ(T("txtdescrip"), "Local 3, planta baja del edifi");
    Teclear("txtp6sbu", "100");
    LocalizarZona("UNIZONA");
    ASSERT_NE(R().P6_VAF(), 0);

    Teclear("txtp6fecv", "32/01/2023");
    Teclear("txtp6fecv", "31/12/1998");
    Teclear("txtp6fecv", "01/01/2028");
    const auto m = Mensajes();
    ASSERT_EQ(m.size(), 3);
    EXPECT_EQ(m[0].text, "La Fecha de Valoración introducida no es correcta");
    const QString rango =
        "La Fecha de Valoración no puede ser anterior al  01/01/1999\r\n ni posterior al  31/12/2027 .";
    EXPECT_EQ(m[1].text, rango);
    EXPECT_EQ(m[2].text, rango);
    for (const ShownMessage& s : m) {
        EXPECT_EQ(s.style, 48);
        EXPECT_EQ(s.title, "Error en la Introducción de Datos");
    }
    EXPECT_EQ(T("txtp6fecv"), "15/03/2023");

    // Both ends of the range are accepted; the same year keeps the valuation.
    Teclear("txtp6fecv", "31/12/2023");
    EXPECT_EQ(R().P6_FECV(), 20231231);
    EXPECT_EQ(R().P6_NUI(), "UNICA");
    EXPECT_NE(R().P6_VAF(), 0);

    // Another year: the record starts again with that year's defaults and list of
    // municipalities; the description goes too.
    Teclear("txtp6fecv", "01/01/1999");
    const cDatosTip6& r = R();
    EXPECT_EQ(Mensajes().size(), 3);
    EXPECT_EQ(r.P6_EJER(), 1999);
    EXPECT_EQ(r.P6_MUN(), "");
    EXPECT_EQ(r.P6_NUI(), "");
    EXPECT_DOUBLE_EQ(r.P6_SBU(), 0);
    EXPECT_DOUBLE_EQ(r.P6_CCO(), 70000);
    EXPECT_DOUBLE_EQ(r.P6_RP(), 1);
    EXPECT_DOUBLE_EQ(r.P6_PTI(), 100);
    EXPECT_EQ(Resultados(), kCeros);
    EXPECT_EQ(r.P6_DES(0), "");
    EXPECT_EQ(T("txtdescrip"), "");
    EXPECT_EQ(T("txtp6cco"), "70.000");
    EXPECT_TRUE(Zonas().isEmpty());
    auto* municipios = C<ComboBox>("cmbp6mun");
    QStringList lista;
    for (int i = 0; i < municipios->ListCount(); ++i)
        lista << municipios->List(i);
    EXPECT_FALSE(lista.contains("UNIZONA"));  // the 1999 list
    EXPECT_FALSE(lista.isEmpty());
}

TEST_F(ComercialIndustrial, DefaultsAndConstructionCostByYearAndCurrency)
{
    struct Coste {
        int32_t fecha;
        const char* moneda;
        double cco;
        const char* texto;
        double rp;
    };
    const Coste costes[] = {
        {20230315, "P", 80000, "80.000", 1.2},
        {20230315, "E", 48081, "480,81", 1.2},
        {19990615, "P", 70000, "70.000", 1},
        {19990615, "E", 42071, "420,71", 1},
    };
    R().EscribirP6_DES(QStringLiteral("Local 3"), 0);
    Abrir();
    LocalizarZona("UNIZONA");
    Teclear("txtp6sbu", "100");
    Pulsar("Chkp6cl1");
    Pulsar("optp6anttipo(1)");
    ASSERT_NE(R().P6_VAF(), 0);
    for (const Coste& c : costes) {
        SCOPED_TRACE(c.fecha);
        Empezar(c.fecha, c.moneda);
        const cDatosTip6& r = R();
        EXPECT_DOUBLE_EQ(r.P6_CCO(), c.cco);
        EXPECT_EQ(T("txtp6cco"), c.texto);
        EXPECT_DOUBLE_EQ(r.P6_RP(), c.rp);
        EXPECT_EQ(r.P6_FECV(), c.fecha);
        EXPECT_EQ(T("txtp6fecv"), QString::fromLatin1(c.fecha == 20230315 ? "15/03/2023" : "15/06/1999"));
        EXPECT_EQ(r.P6_EJER(), c.fecha / 10000);
        EXPECT_EQ(r.P6_MON(), c.moneda);
        EXPECT_EQ(r.P6_TSU(), "U");
        EXPECT_EQ(r.P6_ANTTIPO(), "A");
        EXPECT_DOUBLE_EQ(r.P6_CCL(), 1);
        EXPECT_DOUBLE_EQ(r.P6_PTI(), 100);
        EXPECT_EQ(T("txtp6pti"), "100,00");
        EXPECT_EQ(T("txtp6ccl"), "1,00");
        EXPECT_EQ(T("txtp6ant"), "0");
        EXPECT_TRUE(C<OptionButton>("optp6tsu(1)")->Value());
        EXPECT_TRUE(C<OptionButton>("optp6anttipo(0)")->Value());
        EXPECT_TRUE(C<OptionButton>(c.moneda[0] == 'P' ? "optp6mon(0)" : "optp6mon(1)")->Value());
        // Limpiar empties the location, the inputs, the results and the summary.
        EXPECT_EQ(r.P6_MUN(), "");
        EXPECT_EQ(r.P6_NUI(), "");
        EXPECT_EQ(r.P6_CL1(), "");
        EXPECT_DOUBLE_EQ(r.P6_SBU(), 0);
        EXPECT_EQ(Resultados(), kCeros);
        EXPECT_EQ(r.P6_DES(0), "");
        EXPECT_EQ(T("txtdescrip"), "");
        EXPECT_EQ(T("cmbp6mun"), "");
        EXPECT_EQ(T("txtp6sbu"), "");
        EXPECT_TRUE(Zonas().isEmpty());
        EXPECT_FALSE(C("cmdimprimir")->isEnabled());
    }
}

TEST_F(ComercialIndustrial, ReopenedOverAStoredZone)
{
    Abrir();
    Teclear("txtp6sbu", "100");
    LocalizarZona("BIZONA", "PI-02");
    const cDatosTip6 antes = R();
    Pulsar("cmdsalir");
    ASSERT_FALSE(V().IsLoaded());
    Abrir();
    // The zone list of the ponencia year is read again, the record's zone selected; nothing
    // is revalued and drawing again changes no record value.
    EXPECT_EQ(T("cmbp6mun"), "BIZONA");
    EXPECT_EQ(Zonas(), QStringList({"PI-01", "PI-02"}));
    EXPECT_EQ(C<ComboBox>("cmbp6nui")->ListIndex(), 1);
    // Usable 100 m2, PI-02: V = 138000 * 127 = 17526000, VAF = 1,2 * 1,11384 V -> 23425392.
    EXPECT_EQ(T("txtp6vaf"), "23.425.392");
    V().PresentaDatos();
    ComprobarCodigosIguales(R(), antes, {"VRI", "CCO", "VAD", "VAC",  "VCO", "VAF", "VSF", "VCF", "SHO", "DEP", "CCL",
                                         "COA", "RP",  "ANT", "AÑOP", "PTI", "NUI", "MUN", "TSU", "MON", "CL1"});

    // A municipality typed into the reopened window is taken, its only zone valued.
    Teclear("cmbp6mun", "uni");
    EXPECT_EQ(R().P6_MUN(), "UNIZONA");
    EXPECT_EQ(Zonas(), QStringList({"UNICA"}));
    EXPECT_EQ(R().P6_NUI(), "UNICA");
    EXPECT_EQ(T("cmbp6nui"), "UNICA");
    EXPECT_DOUBLE_EQ(R().P6_VRI(), 20000);
    EXPECT_NE(R().P6_VAF(), 0);
    EXPECT_TRUE(Mensajes().isEmpty());
}

TEST_F(ComercialIndustrial, CaptionsInBothLanguages)
{
    Abrir();
    EXPECT_EQ(V().windowTitle(), "Local Comercial en Edificio Comercial en Zona Industrial");
    EXPECT_EQ(T("Label13"), "= V = [ VRI * CL + (1,38 * CC + 0,38 * VRI * CL) * (1 - D)] * SH");
    EXPECT_EQ(T("Label2"), "Zona Industrial");
    EXPECT_EQ(T("Label3"), "Valor Repercusión Industrial");
    EXPECT_EQ(T("Label5"), "VRI");
    EXPECT_EQ(T("Chkp6cl1"), "En interior");
    EXPECT_EQ(T("Frame5"), "Situación en el inmueble");
    EXPECT_EQ(T("Label25"), QString(56, QLatin1Char('.')));
    EXPECT_EQ(T("Label22"), QString(32, QLatin1Char('.')));

    gEntrada().setP_IDI(QStringLiteral("E"));
    V().Unload();
    Abrir();
    EXPECT_EQ(V().windowTitle(), "Lokal komertziala industriaguneko merkataritza eraikuntzan");
    EXPECT_EQ(T("Label13"), LoadResString(10141));
    EXPECT_EQ(T("Chkp6cl1"), "Barrukoa");
    EXPECT_EQ(T("txtp6fecv"), "2023/03/15");
}

// Valuation periods that are not calendar years: the 2023 period begins on 01/04/2023, so the
// settings' date 15/03/2023 lies in the 2022 period (t02_porcom 110) and in the calendar year
// 2023 (t02_porcom 120).
class ComercialIndustrialPeriodos : public FixtureTipologia<Tipologia6> {
protected:
    ComercialIndustrialPeriodos()
        : FixtureTipologia(PreparacionTipologia{
              6,
              20230315,
              QStringLiteral("cmdDescripcion"),
              {
                  "UPDATE main.t02_años SET t02_fecmax = 20230331, t02_porcom = 110 WHERE t02_ano = 2022",
                  "UPDATE main.t02_años SET t02_fecmin = 20230401, t02_porcom = 120 WHERE t02_ano = 2023",
              }})
    {
    }
};

TEST_F(ComercialIndustrialPeriodos, ANewRecordTakesRPOfTheCalendarYearOfTheSettingsDate)
{
    Abrir();
    EXPECT_EQ(R().P6_EJER(), 2022);
    EXPECT_DOUBLE_EQ(R().P6_RP(), 1.2);
    EXPECT_EQ(T("txtp6rp"), "1,20");
    // A new valuation period takes RP of its own year.
    Teclear("txtp6fecv", "15/03/2021");
    ASSERT_EQ(R().P6_EJER(), 2021);
    Teclear("txtp6fecv", "15/03/2023");
    EXPECT_EQ(R().P6_EJER(), 2022);
    EXPECT_DOUBLE_EQ(R().P6_RP(), 1.1);
}

}  // namespace
