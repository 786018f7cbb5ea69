// The residential-zone office valuation driven through its window: a full valuation against
// cases worked by hand, the coefficients and the chain with its zero guard, the fixed
// construction cost, the zone lookup by parity and its refusals, lookup failures, the age and
// the dates, the percentage, the currency switch, Clear and reopening, and the captions.
#include <QGuiApplication>
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
#include "typologies/office_residential/Tipologia7.h"

namespace {

// The window on a copy of the demo database with a small municipality (PRUEBA, code 9, in the
// municipality lists of 1999 and 2010): ponencia and valuation year 2025 (update coefficient 1,
// RP 1,10), street list 2010/1:
//
//   street          odd portals              even portals
//   CALLE MAYOR     1-7 zone 1, 9-99 zone 3,  0-8 zone 2, 10-98 zone 3
//                   101-199 zone 905         (100 and above: no stretch)
//   CALLE NUEVA     zone 899                 zone 899
//   POLIGONO        zone 900                 zone 900
//   CALLE NULA      zone 4                   zone 4
//   CALLE MALA      zone 5                   zone 5
//   CALLE VIEJA     zone 6                   zone 6
//
//   zone 1 "ZONA UNO" pesetas VRR 100000      zone 2 "ZONA DOS" euro cents VRR 30000
//   zone 3 "ZONA TRES" pesetas VRR 200000     zone 4 "ZONA NULA" VRR Null
//   zone 5 "ZONA MALA" VRR "abc"              zone 6 "ZONA VIEJA" no currency, VRR 100000
//   zone 899 "ZONA 899" pesetas VRR 50000
// Every zone row has a construction cost of 99999 that the office never reads.
//
// Settings: Spanish, pesetas, valuation date 01/01/2025.
class Oficina : public FixtureTipologia<Tipologia7> {
protected:
    Oficina()
        : FixtureTipologia(PreparacionTipologia{
              7,
              20250101,
              QStringLiteral("cmdDescripcion"),
              {
                  "INSERT INTO main.t03_municipios VALUES (2010, 9, 'PRUEBA'), (1999, 9, 'PRUEBA')",
                  "INSERT INTO main.t04_ponencias VALUES (2025, 9)",
                  "INSERT INTO main.t05_calles_nombre VALUES (9, 2010, 1, 10, 'CALLE MAYOR'), (9, 2010, 1, 20, 'CALLE NUEVA'),"
                  " (9, 2010, 1, 30, 'POLIGONO'), (9, 2010, 1, 60, 'CALLE NULA'),"
                  " (9, 2010, 1, 70, 'CALLE MALA'), (9, 2010, 1, 80, 'CALLE VIEJA')",
                  "INSERT INTO main.t06_calles_datos VALUES"
                  " (9, 10, 2010, 1, NULL, NULL, 1, 7, '1', 'A1'), (9, 10, 2010, 1, NULL, NULL, 9, 99, '3', 'A1'),"
                  " (9, 10, 2010, 1, NULL, NULL, 101, 199, '905', 'A1'),"
                  " (9, 10, 2010, 1, 0, 8, NULL, NULL, '2', 'A1'), (9, 10, 2010, 1, 10, 98, NULL, NULL, '3', 'A1'),"
                  " (9, 20, 2010, 1, 0, 98, 1, 99, '899', 'A1'), (9, 30, 2010, 1, 0, 98, 1, 99, '900', 'A1'),"
                  " (9, 60, 2010, 1, 0, 98, 1, 99, '4', 'A1'),"
                  " (9, 70, 2010, 1, 0, 98, 1, 99, '5', 'A1'), (9, 80, 2010, 1, 0, 98, 1, 99, '6', 'A1')",
                  "INSERT INTO main.t07_residencial VALUES"
                  " (9, 1, 2025, 'ZONA UNO', 'P', 100000, 99999, 0), (9, 2, 2025, 'ZONA DOS', 'E', 30000, 99999, 0),"
                  " (9, 3, 2025, 'ZONA TRES', 'P', 200000, 99999, 0), (9, 4, 2025, 'ZONA NULA', 'P', NULL, 99999, 0),"
                  " (9, 5, 2025, 'ZONA MALA', 'P', 'abc', 99999, 0), (9, 6, 2025, 'ZONA VIEJA', NULL, 100000, 99999, 0),"
                  " (9, 899, 2025, 'ZONA 899', 'P', 50000, 99999, 0)",
              }})
    {
    }

    // The six results of the record.
    static std::vector<double> Resultados() { return ResultadosDe(gDatosTip7()); }
    // The boxes that show them.
    std::vector<QString> CajasResultado() const
    {
        return {T("txtp7vad"), T("txtp7vac"), T("txtp7vco"), T("txtp7vaf"), T("txtp7vsf"), T("txtp7vcf")};
    }
};

cDatosTip7& R() { return gDatosTip7(); }

const std::vector<double> kCeros(6, 0.0);
const std::vector<QString> kVacias(6, QString());

struct Caso {
    const char* nombre;
    bool euros;  // window switched to euros before locating
    const char* calle;
    const char* portal;
    int superficie;  // entry of optp7tsu: 0 built, 1 usable
    const char* metros;
    bool sotano;
    const char* anos;        // age in years, or nullptr
    const char* construida;  // construction date (age by date), or nullptr
    const char* porcentaje;
    // Record after the valuation.
    int nur;
    double vrr, cco, ccl, sho, dep;
    int ant;
    double vad, vac, vco, vaf, vsf, vcf;
    // What the window shows.
    const char* txtVrr;
    const char* txtCco;
    const char* txtSho;
    const char* txtDep;
    const char* txtVad;
    const char* txtVaf;
    const char* txtVsf;
    const char* txtVcf;
};

// Worked out by hand from the fixture: COA 1, RP 1,10, CC 80000 pesetas or 48081 cents (2025);
// V = ((VRR * 0,38 * CL + CC * 1,38) * (1 - D) + CL * VRR) * SH, land CL * VRR * SH, every step
// rounded to whole pesetas or cents as the record stores it.
// clang-format off
const Caso kCasos[] = {
    // SH usable 100 = min(116, 180) = 116; 10 years 0,85;
    // V = ((38000 + 110400) * 0,85 + 100000) * 116 = 26232240; VCO = VAF = 28855464;
    // land 11600000 * 1,1 = 12760000.
    {"usable 100 m2, pesetas", false, "CALLE MAYOR", "7", 1, "100", false, "10", nullptr, "100",
     1, 100000, 80000, 1, 116, 0.85, 10, 26232240, 26232240, 28855464, 28855464, 12760000, 16095464,
     "100.000", "80.000", "116,0000", "0,8500", "26.232.240", "28.855.464", "12.760.000", "16.095.464"},
    // Euro record, euro row: basement, built 20 m2 -> SH min(42,6, 34) = 34; 21 years 0,69;
    // V = ((3420 + 66351,78) * 0,69 + 9000) * 34 = 1942845,96 -> 1942846; VCO 2137131;
    // half of it 1068565,5 -> 1068566; land 1068566 * 306000 / 1942846 = 168300.
    {"basement, built 20 m2, euros, half", true, "CALLE MAYOR", "8", 0, "20", true, "21", nullptr, "50",
     2, 30000, 48081, 0.3, 34, 0.69, 21, 1942846, 1942846, 2137131, 1068566, 168300, 900266,
     "300,00", "480,81", "34,0000", "0,6900", "19.428,46", "10.685,66", "1.683,00", "9.002,66"},
    // Peseta record, euro row: VRR 30000 * 1,66386 = 49916; CC stays 80000 pesetas; built
    // 85,5 m2 -> SH 87,14; built 01/06/2000 -> 24 years -> 0,66.
    {"euro row, by date", false, "CALLE MAYOR", "8", 0, "85,5", false, nullptr, "01/06/2000", "100",
     2, 49916, 80000, 1, 87.14, 0.66, 24, 11789949, 11789949, 12968944, 12968944, 4784648, 8184296,
     "49.916", "80.000", "87,1400", "0,6600", "11.789.949", "12.968.944", "4.784.648", "8.184.296"},
    // A row that states no currency in a peseta record: VRR 100000 / 1,66386 = 60101, the
    // cost stays in pesetas; usable 50 m2 -> SH 73,5; new.
    {"row without currency", false, "CALLE VIEJA", "7", 1, "50", false, nullptr, nullptr, "100",
     6, 60101, 80000, 1, 73.5, 1, 0, 14210444, 14210444, 15631488, 15631488, 4859166, 10772322,
     "60.101", "80.000", "73,5000", "1,0000", "14.210.444", "15.631.488", "4.859.166", "10.772.322"},
    // Zone 899 is valued: V = (19000 + 110400 + 50000) * 116 = 20810400.
    {"zone 899", false, "CALLE NUEVA", "7", 1, "100", false, nullptr, nullptr, "100",
     899, 50000, 80000, 1, 116, 1, 0, 20810400, 20810400, 22891440, 22891440, 6380000, 16511440,
     "50.000", "80.000", "116,0000", "1,0000", "20.810.400", "22.891.440", "6.380.000", "16.511.440"},
};
// clang-format on

TEST_F(Oficina, FullValuationThroughTheWindow)
{
    Abrir();
    for (const Caso& c : kCasos) {
        SCOPED_TRACE(c.nombre);
        Pulsar("cmdlimpiar");
        if (c.euros)
            Pulsar("optp7mon(1)");
        Localizar(c.calle, c.portal);
        Pulsar(Tipologia7::Opcion("optp7tsu", c.superficie));
        Teclear("txtp7sbu", c.metros);
        if (c.sotano)
            Pulsar("Chkp7cl1");
        Antiguedad(c.anos, c.construida);
        Teclear("txtp7pti", c.porcentaje);

        const cDatosTip7& r = R();
        EXPECT_EQ(r.P7_MUN(), "PRUEBA");
        EXPECT_EQ(r.P7_CAL(), c.calle);
        EXPECT_EQ(r.P7_NUR(), c.nur);
        EXPECT_EQ(r.P7_AÑOP(), 2025);
        EXPECT_DOUBLE_EQ(r.P7_COA(), 1);
        EXPECT_DOUBLE_EQ(r.P7_RP(), 1.1);
        EXPECT_EQ(r.P7_MON(), c.euros ? "E" : "P");
        EXPECT_EQ(r.P7_TSU(), c.superficie == 0 ? "C" : "U");
        EXPECT_EQ(r.P7_CL1(), c.sotano ? "X" : "");
        EXPECT_DOUBLE_EQ(r.P7_VRR(), c.vrr);
        EXPECT_DOUBLE_EQ(r.P7_CCO(), c.cco);
        EXPECT_DOUBLE_EQ(r.P7_CCL(), c.ccl);
        EXPECT_DOUBLE_EQ(r.P7_SHO(), c.sho);
        EXPECT_DOUBLE_EQ(r.P7_DEP(), c.dep);
        EXPECT_EQ(r.P7_ANT(), c.ant);
        EXPECT_EQ(Resultados(), (std::vector<double>{c.vad, c.vac, c.vco, c.vaf, c.vsf, c.vcf}));

        EXPECT_EQ(T("txtp7nur"), QString::number(c.nur));
        EXPECT_EQ(T("txtp7vrr"), c.txtVrr);
        EXPECT_EQ(T("txtp7cco"), c.txtCco);
        EXPECT_EQ(T("txtp7sho"), c.txtSho);
        EXPECT_EQ(T("txtp7ccl"), c.sotano ? "0,30" : "1,00");
        EXPECT_EQ(T("txtp7ant"), QString::number(c.ant));
        EXPECT_EQ(T("txtp7dep"), c.txtDep);
        EXPECT_EQ(T("txtp7vad"), c.txtVad);
        EXPECT_EQ(T("txtp7vaf"), c.txtVaf);
        EXPECT_EQ(T("txtp7vsf"), c.txtVsf);
        EXPECT_EQ(T("txtp7vcf"), c.txtVcf);
        EXPECT_EQ(T("txtp7añop"), "2025");
        EXPECT_EQ(T("txtp7coa"), "1,000000");
        EXPECT_EQ(T("txtp7rp"), "1,10");
        EXPECT_TRUE(C("cmdimprimir")->isEnabled());
        EXPECT_TRUE(Mensajes().isEmpty());
    }
}

TEST_F(Oficina, WorkedExamplesOfTheCoefficientsAndTheChain)
{
    Abrir();
    // SH of a flat whatever the surface: built min(0,68 S + 29, 1,7 S), usable
    // min(0,85 S + 31, 1,8 S); the office has no class.
    struct Sh {
        const char* metros;
        int superficie;
        const char* sh;
    };
    const Sh superficies[] = {
        {"100", 0, "97,0000"}, {"100", 1, "116,0000"}, {"20", 0, "34,0000"}, {"20", 1, "36,0000"}};
    for (const Sh& s : superficies) {
        Pulsar(Tipologia7::Opcion("optp7tsu", s.superficie));
        Teclear("txtp7sbu", s.metros);
        EXPECT_EQ(T("txtp7sho"), s.sh) << s.metros << " " << s.superficie;
    }
    // A class handed in is not read (a single-family house would give 94 / 107 for 100 m2).
    R().setP7_SBU(100);
    QString unifamiliar = QStringLiteral("U"), construida = QStringLiteral("C"), util = QStringLiteral("U");
    EXPECT_DOUBLE_EQ(ventana_->Superficie().CalcularSH(unifamiliar, construida), 97);
    EXPECT_DOUBLE_EQ(ventana_->Superficie().CalcularSH(unifamiliar, util), 116);
    R().setP7_SBU(0);
    EXPECT_DOUBLE_EQ(ventana_->Superficie().CalcularSH(unifamiliar, util), 0);

    // CL: 0,30 in a basement, else 1,00.
    Pulsar("Chkp7cl1");
    EXPECT_DOUBLE_EQ(R().P7_CCL(), 0.3);
    EXPECT_EQ(T("txtp7ccl"), "0,30");
    Pulsar("Chkp7cl1");
    EXPECT_DOUBLE_EQ(R().P7_CCL(), 1);
    EXPECT_EQ(T("txtp7ccl"), "1,00");

    // VRR 100, CL 1, CC 100, (1 - D) 1, SH 10: V = (38 + 138 + 100) * 10 = 2760, land 1000.
    cDatosTip7& r = R();
    r.setP7_VRR(100);
    r.setP7_CCL(1);
    r.setP7_CCO(100);
    r.setP7_DEP(1);
    r.setP7_SHO(10);
    r.setP7_COA(1);
    r.setP7_RP(1);
    r.setP7_PTI(100);
    ventana_->CadenaValores();
    EXPECT_EQ(Resultados(), (std::vector<double>{2760, 2760, 2760, 2760, 1000, 1760}));
    // No zone value: all six results 0 although CC is not.
    r.setP7_VRR(0);
    ventana_->CadenaValores();
    EXPECT_EQ(Resultados(), kCeros);
    EXPECT_DOUBLE_EQ(r.P7_CCO(), 100);

    // (1 - D) of typed years.
    struct Edad {
        const char* anos;
        const char* dep;
    };
    for (const Edad& e : {Edad{"20", "0,7000"}, Edad{"21", "0,6900"}, Edad{"41", "0,4930"}, Edad{"90", "0,3000"},
                          Edad{"91", "0,3000"}, Edad{"0", "1,0000"}}) {
        Teclear("txtp7antd1", e.anos);
        EXPECT_EQ(T("txtp7dep"), e.dep) << e.anos;
        EXPECT_EQ(T("txtp7ant"), QString::number(QString::fromLatin1(e.anos).toInt()));
    }

    // Age by date: whole years, the anniversary itself counting.
    struct PorFecha {
        const char* valoracion;
        const char* construccion;
        int anos;
        const char* dep;
    };
    const PorFecha fechas[] = {
        {"27/10/2003", "15/11/1980", 22, "0,6800"},
        {"15/10/2003", "15/10/1983", 20, "0,7000"},
        {"15/10/2003", "16/10/1983", 19, "0,7150"},
    };
    for (const PorFecha& f : fechas) {
        SCOPED_TRACE(f.construccion);
        Teclear("txtp7fecv", f.valoracion);
        Pulsar("optp7anttipo(1)");
        Teclear("txtp7antd2", f.construccion);
        EXPECT_EQ(R().P7_ANT(), f.anos);
        EXPECT_EQ(T("txtp7ant"), QString::number(f.anos));
        EXPECT_EQ(T("txtp7dep"), f.dep);
    }
    EXPECT_TRUE(Mensajes().isEmpty());
}

TEST_F(Oficina, FixedConstructionCostByYearAndRecordCurrency)
{
    struct Coste {
        int32_t fecha;
        const char* moneda;
        double cco;
        const char* texto;
        int version;  // of the settings' date, which the street list is read with
        double rp;
    };
    const Coste costes[] = {
        {19990615, "P", 70000, "70.000", 1, 1}, {20250101, "P", 80000, "80.000", 1, 1.1},
        {19990615, "E", 42071, "420,71", 1, 1}, {20250101, "E", 48081, "480,81", 1, 1.1},
        {20060915, "P", 80000, "80.000", 2, 1},
    };
    Abrir();
    for (const Coste& c : costes) {
        SCOPED_TRACE(c.fecha);
        gEntrada().setP_FECV(c.fecha);
        gEntrada().setP_MON(QString::fromLatin1(c.moneda));
        Pulsar("cmdlimpiar");
        const cDatosTip7& r = R();
        EXPECT_DOUBLE_EQ(r.P7_CCO(), c.cco);
        EXPECT_EQ(T("txtp7cco"), c.texto);
        // The other defaults of an emptied record.
        EXPECT_EQ(r.P7_EJER(), c.fecha / 10000);
        EXPECT_EQ(r.P7_VER(), c.version);
        EXPECT_EQ(r.P7_FECV(), c.fecha);
        EXPECT_DOUBLE_EQ(r.P7_CCL(), 1);
        EXPECT_EQ(r.P7_TSU(), "U");
        EXPECT_DOUBLE_EQ(r.P7_PTI(), 100);
        EXPECT_EQ(r.P7_ANTTIPO(), "A");
        EXPECT_EQ(r.P7_MON(), c.moneda);
        EXPECT_DOUBLE_EQ(r.P7_RP(), c.rp);
        EXPECT_EQ(T("txtp7pti"), "100,00");
        EXPECT_EQ(T("txtp7ccl"), "1,00");
        EXPECT_EQ(T("txtp7sbu"), "");
        EXPECT_TRUE(C<OptionButton>("optp7tsu(1)")->Value());
        EXPECT_FALSE(C("cmdimprimir")->isEnabled());
    }

    // The cost is in the record's unit whatever the zone row's currency, and the row's own
    // construction cost is never read.
    gEntrada().setP_FECV(20250101);
    gEntrada().setP_MON(QStringLiteral("P"));
    Pulsar("cmdlimpiar");
    Localizar("CALLE MAYOR", "8");  // euro row in a peseta record
    EXPECT_DOUBLE_EQ(R().P7_VRR(), 49916);
    EXPECT_DOUBLE_EQ(R().P7_CCO(), 80000);
    Pulsar("optp7mon(1)");
    Teclear("txtp7nup", "7");  // peseta row in a euro record
    EXPECT_DOUBLE_EQ(R().P7_VRR(), 60101);
    EXPECT_DOUBLE_EQ(R().P7_CCO(), 48081);
    EXPECT_EQ(T("txtp7cco"), "480,81");

    // Another municipality empties the location and the values but keeps the fixed cost.
    Teclear("txtp7sbu", "100");
    ASSERT_NE(R().P7_VAF(), 0);
    Elegir("cmbp7mun", "ALTZAGA");
    EXPECT_EQ(R().P7_CAL(), "");
    EXPECT_EQ(R().P7_NUP(), 0);
    EXPECT_EQ(R().P7_NUR(), 0);
    EXPECT_DOUBLE_EQ(R().P7_VRR(), 0);
    EXPECT_EQ(Resultados(), kCeros);
    EXPECT_DOUBLE_EQ(R().P7_CCO(), 48081);
    EXPECT_EQ(T("txtp7cco"), "480,81");
    EXPECT_DOUBLE_EQ(R().P7_SBU(), 100);
    EXPECT_TRUE(Mensajes().isEmpty());
}

TEST_F(Oficina, ZoneByPortalParityAndZonesOf900Refused)
{
    Abrir();
    // Odd portals in the odd ranges, even ones (0 included) in the even ranges; the bounds
    // belong to their stretch.
    struct Portal {
        const char* portal;
        int zona;
        const char* nombre;
    };
    for (const Portal& p : {Portal{"7", 1, "ZONA UNO"}, Portal{"8", 2, "ZONA DOS"}, Portal{"9", 3, "ZONA TRES"},
                            Portal{"10", 3, "ZONA TRES"}}) {
        Localizar("CALLE MAYOR", p.portal);
        EXPECT_EQ(R().P7_NUR(), p.zona) << p.portal;
        EXPECT_EQ(T("txtp7nor"), p.nombre) << p.portal;
    }
    R().setP7_NUP(0);
    QString calle;
    int16_t portal = 0;
    ventana_->BuscarZona(calle, portal);
    EXPECT_EQ(R().P7_NUR(), 2);

    // Zones of 900 and above are refused with 144 (no icon, no title of its own): the street
    // and the portal come back, and so do the zone and the values.
    Pulsar("cmdlimpiar");
    Localizar("CALLE NUEVA", "7");
    Teclear("txtp7sbu", "100");
    ASSERT_EQ(R().P7_NUR(), 899);
    const double valor = R().P7_VAF();
    ASSERT_NE(valor, 0);
    struct Rechazo {
        const char* calle;   // street chosen, or nullptr
        const char* portal;  // portal typed, or nullptr
    };
    for (const Rechazo& c : {Rechazo{"POLIGONO", nullptr}, Rechazo{"CALLE MAYOR", "101"}}) {
        SCOPED_TRACE(c.calle);
        MsgBoxSeam::Clear();
        if (c.portal) {
            // CALLE MAYOR 7 is zone 1; its odd portal 101 lies in zone 905.
            Elegir("cmbp7cal", c.calle);
            ASSERT_EQ(R().P7_NUR(), 1);
            MsgBoxSeam::Clear();
            Teclear("txtp7nup", c.portal);
        } else {
            Elegir("cmbp7cal", c.calle);
        }
        ASSERT_TRUE(UnMensaje(LoadResString(144), 0, QGuiApplication::applicationDisplayName()));
        const QString antes = c.portal ? "CALLE MAYOR" : "CALLE NUEVA";
        EXPECT_EQ(R().P7_CAL(), antes);
        EXPECT_EQ(T("cmbp7cal"), antes);
        EXPECT_EQ(R().P7_NUP(), 7);
        EXPECT_EQ(T("txtp7nup"), "7");
        EXPECT_EQ(R().P7_NUR(), c.portal ? 1 : 899);
        EXPECT_EQ(FocusedControl(), C("txtp7nup"));
        if (!c.portal) {
            EXPECT_DOUBLE_EQ(R().P7_VAF(), valor);
        }
    }
}

TEST_F(Oficina, PortalInNoStretchShowsTheCostAndValuesNothing)
{
    Abrir();
    Localizar("CALLE MAYOR", "7");
    Teclear("txtp7sbu", "100");
    ASSERT_TRUE(C("cmdimprimir")->isEnabled());
    Teclear("txtp7nup", "100");
    const cDatosTip7& r = R();
    EXPECT_EQ(r.P7_NUP(), 100);
    EXPECT_EQ(r.P7_NUR(), 0);
    EXPECT_EQ(r.P7_NOR(), "");
    EXPECT_DOUBLE_EQ(r.P7_VRR(), 0);
    EXPECT_DOUBLE_EQ(r.P7_CCO(), 80000);
    EXPECT_EQ(Resultados(), kCeros);
    EXPECT_EQ(T("txtp7nur"), "");
    EXPECT_EQ(T("txtp7nor"), "");
    EXPECT_EQ(T("txtp7vrr"), "");
    EXPECT_EQ(T("txtp7cco"), "80.000");
    EXPECT_EQ(CajasResultado(), kVacias);
    EXPECT_FALSE(C("cmdimprimir")->isEnabled());
    EXPECT_TRUE(Mensajes().isEmpty());
}

TEST_F(Oficina, LookupFailuresValueNothingOrLeaveTheRecordAsItWas)
{
    Abrir();
    Localizar("CALLE MAYOR", "7");
    Teclear("txtp7sbu", "100");
    ASSERT_NE(R().P7_VAF(), 0);

    // A zone row without a value values nothing, silently.
    Elegir("cmbp7cal", "CALLE NULA");
    EXPECT_TRUE(Mensajes().isEmpty());
    EXPECT_EQ(R().P7_NUR(), 4);
    EXPECT_EQ(R().P7_NOR(), "ZONA NULA");
    EXPECT_DOUBLE_EQ(R().P7_VRR(), 0);
    EXPECT_DOUBLE_EQ(R().P7_CCO(), 80000);
    EXPECT_EQ(Resultados(), kCeros);
    EXPECT_EQ(CajasResultado(), kVacias);
    EXPECT_FALSE(C("cmdimprimir")->isEnabled());

    // A zone value that is no number: a message, and the record and the window as they were
    // before the choice.
    Elegir("cmbp7cal", "CALLE MAYOR");
    ASSERT_EQ(R().P7_NUR(), 1);
    MsgBoxSeam::Clear();
    const cDatosTip7 antes = R();
    const QString vaf = T("txtp7vaf");
    Elegir("cmbp7cal", "CALLE MALA");
    ASSERT_EQ(Mensajes().size(), 1);
    EXPECT_EQ(Mensajes()[0].style, 48);
    EXPECT_TRUE(Mensajes()[0].text.contains("abc")) << Mensajes()[0].text.toStdString();
    EXPECT_EQ(R().P7_CAL(), "CALLE MAYOR");
    EXPECT_EQ(R().P7_NUR(), 1);
    EXPECT_EQ(R().P7_NOR(), "ZONA UNO");
    EXPECT_DOUBLE_EQ(R().P7_VRR(), antes.P7_VRR());
    EXPECT_DOUBLE_EQ(R().P7_VAF(), antes.P7_VAF());
    EXPECT_EQ(T("cmbp7cal"), "CALLE MAYOR");
    EXPECT_EQ(T("txtp7vaf"), vaf);
    // The window goes on working.
    MsgBoxSeam::Clear();
    Teclear("txtp7nup", "8");
    EXPECT_EQ(R().P7_NUR(), 2);
    EXPECT_NE(R().P7_VAF(), 0);
    EXPECT_TRUE(Mensajes().isEmpty());

    // A street typed that is in no list is not taken: the stored street, the one valued and
    // printed, comes back.
    Teclear("cmbp7cal", "CALLE QUE NO EXISTE");
    EXPECT_EQ(R().P7_CAL(), "CALLE MAYOR");
    EXPECT_EQ(T("cmbp7cal"), "CALLE MAYOR");
    EXPECT_EQ(R().P7_NUR(), 2);
}

TEST_F(Oficina, ValuationDateChecksAndNewPeriods)
{
    Abrir();
    // Refused valuation dates: the range message with separator 112, and the previous date back.
    Teclear("txtp7fecv", "01/01/1998");
    ASSERT_TRUE(
        UnMensaje(LoadResString(51) + " 01/01/1999\r\n" + LoadResString(112) + " 31/12/2027 " + LoadResString(151), 48,
                  LoadResString(50)));
    EXPECT_EQ(T("txtp7fecv"), "01/01/2025");
    MsgBoxSeam::Clear();
    Teclear("txtp7fecv", "31/02/2025");
    ASSERT_EQ(Mensajes().size(), 1);
    EXPECT_EQ(Mensajes()[0].text, LoadResString(49));
    EXPECT_EQ(R().P7_FECV(), 20250101);

    // A construction date after the valuation date: 109 followed by the date, no colon.
    MsgBoxSeam::Clear();
    Pulsar("optp7anttipo(1)");
    Teclear("txtp7antd2", "02/01/2025");
    ASSERT_TRUE(UnMensaje(LoadResString(109) + "01/01/2025", 48, LoadResString(50)));
    EXPECT_EQ(T("txtp7antd2"), "01/01/2025");
    EXPECT_EQ(R().P7_ANTDAT(), 20250101);
    EXPECT_EQ(FocusedControl(), C("txtp7antd2"));
    MsgBoxSeam::Clear();
    Teclear("txtp7antd2", "01/01/1799");
    ASSERT_EQ(Mensajes().size(), 1);
    EXPECT_EQ(Mensajes()[0].text, LoadResString(108));
    Pulsar("optp7anttipo(0)");

    // A new version of the same valuation year empties the record like a new year, with the
    // municipality list again and no description left.
    MsgBoxSeam::Clear();
    Teclear("txtp7fecv", "15/03/2006");
    ASSERT_EQ(R().P7_EJER(), 2006);
    ASSERT_EQ(R().P7_VER(), 1);
    R().EscribirP7_DES(QStringLiteral("Oficina 3, planta 2"), 0);
    ventana_->SetTxtDescrip(QStringLiteral("Oficina 3, planta 2"));
    Elegir("cmbp7mun", "PRUEBA");
    Teclear("txtp7sbu", "50");
    Teclear("txtp7fecv", "20/03/2006");  // the same version keeps the entries
    EXPECT_EQ(R().P7_MUN(), "PRUEBA");
    EXPECT_DOUBLE_EQ(R().P7_SBU(), 50);
    EXPECT_EQ(R().P7_FECV(), 20060320);
    Teclear("txtp7fecv", "15/09/2006");
    const cDatosTip7& r = R();
    EXPECT_EQ(r.P7_FECV(), 20060915);
    EXPECT_EQ(r.P7_EJER(), 2006);
    EXPECT_EQ(r.P7_VER(), 2);
    EXPECT_EQ(r.P7_MUN(), "");
    EXPECT_DOUBLE_EQ(r.P7_SBU(), 0);
    EXPECT_DOUBLE_EQ(r.P7_PTI(), 100);
    EXPECT_DOUBLE_EQ(r.P7_CCO(), 80000);
    EXPECT_EQ(r.P7_DES(0), "");
    EXPECT_EQ(T("txtdescrip"), "");
    EXPECT_EQ(T("txtp7sbu"), "");
    EXPECT_EQ(C<ComboBox>("cmbp7mun")->ListIndex(), -1);
    EXPECT_GT(C<ComboBox>("cmbp7mun")->ListCount(), 0);

    // The same period with the construction date now after the valuation date: emptied too.
    Pulsar("optp7anttipo(1)");
    Teclear("txtp7antd2", "10/09/2006");
    Teclear("txtp7fecv", "11/09/2006");
    EXPECT_EQ(r.P7_ANTTIPO(), "F");
    EXPECT_EQ(r.P7_ANT(), 0);
    Teclear("txtp7fecv", "01/09/2006");
    EXPECT_EQ(r.P7_FECV(), 20060901);
    EXPECT_EQ(r.P7_ANTTIPO(), "A");
    EXPECT_EQ(r.P7_ANTDAT(), 0);
    EXPECT_TRUE(C<OptionButton>("optp7anttipo(0)")->Value());
    EXPECT_EQ(Mensajes().size(), 0);
}

TEST_F(Oficina, PercentageUpTo100)
{
    Abrir();
    Localizar("CALLE MAYOR", "7");
    Teclear("txtp7sbu", "100");
    const double entero = R().P7_VAF();
    Teclear("txtp7pti", "50");
    EXPECT_DOUBLE_EQ(R().P7_PTI(), 50);
    EXPECT_DOUBLE_EQ(R().P7_VAF(), entero / 2);
    Teclear("txtp7pti", "100,01");
    ASSERT_TRUE(UnMensaje(LoadResString(110), 48, LoadResString(50)));
    EXPECT_EQ(T("txtp7pti"), "50,00");
    EXPECT_EQ(C<CajaNum>("txtp7pti")->valor(), "50,00");
    EXPECT_DOUBLE_EQ(R().P7_PTI(), 50);
    for (const char* vacio : {"", "0"}) {
        Teclear("txtp7pti", vacio);
        EXPECT_EQ(T("txtp7pti"), "50,00");
    }
    Teclear("txtp7pti", "100");
    EXPECT_EQ(Mensajes().size(), 1);
    EXPECT_DOUBLE_EQ(R().P7_PTI(), 100);
    EXPECT_DOUBLE_EQ(R().P7_VAF(), entero);
}

TEST_F(Oficina, CurrencySwitchReadsTheZoneRowAgain)
{
    Abrir();
    // Without a municipality only the fixed cost follows the currency.
    Pulsar("optp7mon(1)");
    EXPECT_DOUBLE_EQ(R().P7_CCO(), 48081);
    EXPECT_EQ(T("txtp7cco"), "480,81");
    Pulsar("optp7mon(0)");
    EXPECT_DOUBLE_EQ(R().P7_CCO(), 80000);

    Localizar("CALLE MAYOR", "7");
    Teclear("txtp7sbu", "100");
    ASSERT_DOUBLE_EQ(R().P7_VRR(), 100000);
    // The zone value changes in the table: only a new lookup or a currency switch reads it.
    db_.Execute(
        QStringLiteral("UPDATE main.t07_residencial SET t07_vrr = 200000 WHERE t07_codmun = 9 AND t07_zoncod = 1"));
    Teclear("txtp7sbu", "90");
    EXPECT_DOUBLE_EQ(R().P7_VRR(), 100000);
    Pulsar("optp7mon(1)");
    EXPECT_EQ(R().P7_MON(), "E");
    EXPECT_DOUBLE_EQ(R().P7_VRR(), 120202);  // 200000 / 1,66386
    EXPECT_DOUBLE_EQ(R().P7_CCO(), 48081);
    EXPECT_EQ(T("txtp7vrr"), "1.202,02");
    EXPECT_EQ(T("txtp7cco"), "480,81");
    const double euros = R().P7_VAF();
    Pulsar("optp7mon(0)");
    EXPECT_DOUBLE_EQ(R().P7_VRR(), 200000);
    EXPECT_DOUBLE_EQ(R().P7_CCO(), 80000);
    EXPECT_EQ(T("txtp7vrr"), "200.000");
    EXPECT_NEAR(R().P7_VAF() / 1.66386, euros, euros * 0.001);
    EXPECT_TRUE(Mensajes().isEmpty());
}

TEST_F(Oficina, ClearAndReopening)
{
    R().EscribirP7_DES(QStringLiteral("Oficina 3, planta 2"), 0);
    Abrir();
    EXPECT_EQ(T("txtdescrip"), "Oficina 3, planta 2");
    // The first emptied portal after loading takes the focus back; once is enough.
    Elegir("cmbp7mun", "PRUEBA");
    Teclear("txtp7nup", "");
    EXPECT_EQ(FocusedControl(), C("txtp7nup"));
    Localizar("CALLE MAYOR", "7");
    Teclear("txtp7sbu", "100");
    Pulsar("Chkp7cl1");
    Teclear("txtp7pti", "50");
    ASSERT_TRUE(C("cmdimprimir")->isEnabled());

    // Reopened over a record with a street: the street list is rebuilt with the record's
    // street selected, so that a new portal is looked up in that street.
    Pulsar("cmdsalir");
    ASSERT_FALSE(ventana_->IsLoaded());
    Abrir();
    EXPECT_EQ(T("cmbp7mun"), "PRUEBA");
    EXPECT_EQ(T("cmbp7cal"), "CALLE MAYOR");
    EXPECT_GE(C<ComboBox>("cmbp7cal")->ListIndex(), 0);
    EXPECT_EQ(C<CheckBox>("Chkp7cl1")->Value(), 1);
    EXPECT_EQ(T("txtp7ccl"), "0,30");
    EXPECT_EQ(T("txtp7pti"), "50,00");
    Teclear("txtp7nup", "8");
    EXPECT_EQ(R().P7_NUR(), 2);
    EXPECT_TRUE(Mensajes().isEmpty());

    // Clear: an empty record with its defaults and no description; the street list goes.
    Pulsar("cmdlimpiar");
    const cDatosTip7& r = R();
    EXPECT_EQ(r.P7_MUN(), "");
    EXPECT_EQ(r.P7_CAL(), "");
    EXPECT_EQ(r.P7_NUP(), 0);
    EXPECT_EQ(r.P7_CL1(), "");
    EXPECT_DOUBLE_EQ(r.P7_CCL(), 1);
    EXPECT_DOUBLE_EQ(r.P7_PTI(), 100);
    EXPECT_DOUBLE_EQ(r.P7_CCO(), 80000);
    EXPECT_EQ(Resultados(), kCeros);
    EXPECT_EQ(r.P7_DES(0), "");
    EXPECT_EQ(T("txtdescrip"), "");
    EXPECT_EQ(T("cmbp7mun"), "");
    EXPECT_EQ(C<ComboBox>("cmbp7cal")->ListCount(), 0);
    EXPECT_EQ(C<CheckBox>("Chkp7cl1")->Value(), 0);
    // Portal and zone 0 show empty through "###", the age 0 through "##0".
    const std::vector<std::pair<const char*, const char*>> cajas = {
        {"txtp7nup", ""},       {"txtp7nur", ""},  {"txtp7nor", ""},     {"txtp7ant", "0"},   {"txtp7dep", "1,0000"},
        {"txtp7sbu", ""},       {"txtp7sho", ""},  {"txtp7ccl", "1,00"}, {"txtp7vrr", ""},    {"txtp7cco", "80.000"},
        {"txtp7pti", "100,00"}, {"txtp7añop", ""}, {"txtp7coa", ""},     {"txtp7rp", "1,10"}, {"txtp7antd1", ""},
    };
    for (const auto& [caja, texto] : cajas)
        EXPECT_EQ(T(caja), texto) << caja;
    EXPECT_EQ(CajasResultado(), kVacias);
    EXPECT_FALSE(C("cmdimprimir")->isEnabled());
    // After Clear an emptied portal no longer takes the focus back.
    Elegir("cmbp7mun", "PRUEBA");
    Teclear("txtp7nup", "");
    EXPECT_EQ(FocusedControl(), C("cmdDescripcion"));
}

TEST_F(Oficina, AgeBoxesBasementAndRedraw)
{
    Abrir();
    // Both age boxes stay visible; the mode's one is enabled and a tab stop, the other not.
    const auto modo = [this](bool porFecha) {
        QWidget* anos = C("txtp7antd1");
        QWidget* fecha = C("txtp7antd2");
        EXPECT_TRUE(anos->isVisible());
        EXPECT_TRUE(fecha->isVisible());
        EXPECT_EQ(anos->isEnabled(), !porFecha);
        EXPECT_EQ(fecha->isEnabled(), porFecha);
        EXPECT_EQ(anos->focusPolicy() == Qt::StrongFocus, !porFecha);
        EXPECT_EQ(fecha->focusPolicy() == Qt::StrongFocus, porFecha);
    };
    modo(false);
    Teclear("txtp7antd1", "30");
    EXPECT_DOUBLE_EQ(R().P7_DEP(), 0.6);
    // By date: the box starts at the valuation date, age 0 and factor 1.
    Pulsar("optp7anttipo(1)");
    modo(true);
    EXPECT_EQ(R().P7_ANTTIPO(), "F");
    EXPECT_EQ(T("txtp7antd2"), "01/01/2025");
    EXPECT_EQ(T("txtp7dep"), "1,0000");
    // Back to years: the years box starts empty.
    Pulsar("optp7anttipo(0)");
    modo(false);
    EXPECT_EQ(T("txtp7antd1"), "");
    EXPECT_EQ(R().P7_ANT(), 0);

    // The basement box recomputes once street and portal are set; before, only CL changes.
    Elegir("cmbp7mun", "PRUEBA");
    Elegir("cmbp7cal", "CALLE MAYOR");
    Teclear("txtp7sbu", "100");
    Pulsar("Chkp7cl1");
    EXPECT_DOUBLE_EQ(R().P7_CCL(), 0.3);
    EXPECT_EQ(Resultados(), kCeros);
    Teclear("txtp7nup", "7");
    const double enSotano = R().P7_VAF();
    EXPECT_NE(enSotano, 0);
    Pulsar("Chkp7cl1");
    EXPECT_EQ(R().P7_CL1(), "");
    EXPECT_GT(R().P7_VAF(), enSotano);

    // The redraw follows the record: any text ticks the basement box (whose click recomputes),
    // an age by date without a date shows the empty mask, euro amounts are shown in euros.
    cDatosTip7& r = R();
    r.setP7_CL1(QStringLiteral("S"));
    r.setP7_ANTTIPO(QStringLiteral("X"));  // any code but "A" is an age by date
    r.setP7_ANTDAT(0);
    r.setP7_MON(QStringLiteral("E"));
    QString moneda = r.P7_MON();
    ventana_->FormatosMoneda(moneda);
    r.setP7_CCO(48081);
    ventana_->PresentaDatos();
    EXPECT_EQ(C<CheckBox>("Chkp7cl1")->Value(), 1);
    EXPECT_TRUE(C<OptionButton>("optp7anttipo(1)")->Value());
    EXPECT_EQ(T("txtp7antd2"), "__/__/____");
    modo(true);
    EXPECT_TRUE(C<OptionButton>("optp7mon(1)")->Value());
    EXPECT_EQ(r.P7_CL1(), "X");
    EXPECT_DOUBLE_EQ(r.P7_CCL(), 0.3);
    EXPECT_EQ(T("txtp7cco"), "480,81");
}

TEST_F(Oficina, CaptionsInBothLanguages)
{
    Abrir();
    EXPECT_EQ(ventana_->windowTitle(), "Oficina en Zona Residencial");
    EXPECT_EQ(T("Frame2"), "Tipo superficie");
    EXPECT_EQ(T("Frame3"), "Superficie en metros");
    EXPECT_EQ(T("Frame5"), "Situación en el inmueble");
    EXPECT_EQ(T("Frame8"), "Moneda");
    EXPECT_EQ(T("Label5"), "Valor Repercusión Residencial");
    EXPECT_EQ(T("Chkp7cl1"), "En sótano");
    EXPECT_EQ(C("Chkp7cl1")->toolTip(), "En sótano");
    EXPECT_EQ(C("cmdsalir")->toolTip(), "Volver al Panel Inicial");
    EXPECT_EQ(T("optp7anttipo(0)"), "En años");
    EXPECT_EQ(T("Label22"), QString(32, QLatin1Char('.')));
    EXPECT_EQ(T("Label23"), QString(37, QLatin1Char('.')));
    EXPECT_EQ(T("Label24"), QString(56, QLatin1Char('.')));
    EXPECT_EQ(T("Label25"), T("Label24"));

    // In Basque every caption comes from the Basque table.
    gEntrada().setP_IDI(QStringLiteral("E"));
    ventana_->Unload();
    Abrir();
    EXPECT_EQ(ventana_->windowTitle(), "Etxeguneko bulegoa");
    EXPECT_EQ(T("Label15"), LoadResString(10073));
    EXPECT_EQ(T("Chkp7cl1"), LoadResString(10082));
    EXPECT_EQ(T("Frame5"), LoadResString(10081));
    EXPECT_EQ(T("optp7anttipo(1)"), LoadResString(10055));
    EXPECT_EQ(T("Label24"), QString(56, QLatin1Char('.')));
    EXPECT_EQ(T("txtp7fecv"), "2025/01/01");
}

}  // namespace
