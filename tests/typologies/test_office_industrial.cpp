// The industrial-zone office valuation driven through its window: location by municipality
// and industrial zone (one zone valued at once, a zone to choose, typed texts), the value
// chain with its zero guard and the unrounded V, the fixed construction cost, currencies,
// coefficients, age, dates, messages and the redraw.
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
#include "typologies/office_industrial/Tipologia8.h"

namespace {

// The window on a copy of the demo database with three municipalities of the 2010 list:
//
//   UNIZONA (91)  ponencia 2024 (COA = t02_porinc of 2025 = 1,03)
//                 one zone: UNICA, currency "P " (blank after), VRI 20000
//   BIZONA (92)   ponencia 2025 (COA 1); the ponencia of 2030 lies after the valuation year
//                 PI-01 euros VRI 12020; PI-02 pesetas VRI 20000; PI-03 only in 2030
//   RAROS (93)    ponencia 2025
//                 O'NEIL pesetas 30000; SIN-MONEDA no currency 20000; NULA pesetas Null;
//                 VACIA euros ''; MALA pesetas 'abc'
//
// Settings: Spanish, pesetas, valuation date 01/01/2025 (year 2025: RP 1,10, CC 60000).
class OficinaIndustrial : public FixtureTipologia<Tipologia8> {
protected:
    OficinaIndustrial()
        : FixtureTipologia(PreparacionTipologia{
              8,
              20250101,
              QStringLiteral("cmdDescripcion"),
              {
                  "INSERT INTO t03_municipios VALUES (2010, 91, 'UNIZONA'), (2010, 92, 'BIZONA'), (2010, 93, 'RAROS')",
                  "INSERT INTO t04_ponencias VALUES (2024, 91), (2025, 92), (2030, 92), (2025, 93)",
                  "INSERT INTO main.t09_industrial (t09_codmun, t09_zonind, t09_ano, t09_mone, t09_vri) VALUES"
                  " (91, 'UNICA', 2024, 'P ', 20000),"
                  " (92, 'PI-02', 2025, 'P', 20000), (92, 'PI-01', 2025, 'E', 12020), (92, 'PI-03', 2030, 'P', 1),"
                  " (93, 'O''NEIL', 2025, 'P', 30000), (93, 'SIN-MONEDA', 2025, NULL, 20000),"
                  " (93, 'NULA', 2025, 'P', NULL), (93, 'VACIA', 2025, 'E', ''), (93, 'MALA', 2025, 'P', 'abc')",
              }})
    {
    }
    QStringList Zonas() const { return Lista("cmbp8nui"); }
    // The six results, for the zero checks.
    static std::vector<double> Resultados() { return ResultadosDe(gDatosTip8()); }
};

cDatosTip8& R() { return gDatosTip8(); }

const std::vector<double> kCeros(6, 0.0);

struct Caso {
    const char* nombre;
    bool euros;  // window switched to euros first
    const char* municipio;
    const char* zona;  // typed into the zone list, or nullptr (one zone)
    int superficie;    // entry of optp8tsu: 0 built, 1 usable
    const char* metros;
    bool sotano;
    const char* anos;
    const char* porcentaje;
    // Record after the valuation.
    const char* nui;
    double vri, cco, ccl, sho, dep, coa;
    double vad, vac, vco, vaf, vsf, vcf;
    // What the window shows.
    const char* txtVri;
    const char* txtCco;
    const char* txtSho;
    const char* txtVad;
    const char* txtVac;
    const char* txtVco;
    const char* txtVaf;
    const char* txtVsf;
    const char* txtVcf;
    const char* txtDep;
};

// Worked out by hand: RP 1,10; CC 60000 pesetas or 36061 cents; every step rounded as the
// record stores it, V kept unrounded.
// clang-format off
const Caso kCasos[] = {
    // One zone, valued at once; row "P " counts as pesetas. Built 100 m2: SH = min(92 + 30, 170)
    // = 122; 10 years: 0,85. V = ((20000*0,38 + 60000*1,38)*0,85 + 20000)*122 = 11814480;
    // VAC = 1,03 V = 12168914,4 -> 12168914; VCO = 13385805,4 -> 13385805 = VAF;
    // VSF = VAF * 2440000 / V = 2764519,8 -> 2764520.
    {"one zone, pesetas", false, "UNIZONA", nullptr, 0, "100", false, "10", "100",
     "UNICA", 20000, 60000, 1, 122, 0.85, 1.03, 11814480, 12168914, 13385805, 13385805, 2764520, 10621285,
     "20.000", "60.000", "122,0000", "11.814.480", "12.168.914", "13.385.805", "13.385.805", "2.764.520",
     "10.621.285", "0,8500"},
    // Euro row in a peseta record: 12020 * 1,66386 = 19999,6 -> 20000. Usable 30 m2: SH =
    // min(59,1, 54) = 54; basement CL 0,3; new. V = ((2280 + 82800) + 6000) * 54 = 4918320;
    // VSF = 5410152 * 324000 / 4918320 = 356400.
    {"euro row, basement", false, "BIZONA", "PI-01", 1, "30", true, nullptr, "100",
     "PI-01", 20000, 60000, 0.3, 54, 1, 1, 4918320, 4918320, 5410152, 5410152, 356400, 5053752,
     "20.000", "60.000", "54,0000", "4.918.320", "4.918.320", "5.410.152", "5.410.152", "356.400", "5.053.752",
     "1,0000"},
    // Euro record, peseta row typed in lower case: VRI 20000 / 1,66386 -> 12020 cents, CC 36061.
    // Usable 85,5 m2: SH = 0,97*85,5 + 30 = 112,935; 35 years: 0,55; 80 %.
    // V = ((4567,6 + 49764,18)*0,55 + 12020)*112,935 = 4732256,465865 (kept); VAC 4732256;
    // VCO = 5205481,6 -> 5205482; VAF = 4164385,6 -> 4164386; VSF = 1194581,3 -> 1194581.
    {"euros, zone typed in lower case", true, "BIZONA", "pi-02", 1, "85,5", false, "35", "80",
     "PI-02", 12020, 36061, 1, 112.935, 0.55, 1, 4732256.465865, 4732256, 5205482, 4164386, 1194581, 2969805,
     "120,20", "360,61", "112,9350", "47.322,56", "47.322,56", "52.054,82", "41.643,86", "11.945,81", "29.698,05",
     "0,5500"},
};
// clang-format on

TEST_F(OficinaIndustrial, FullValuationThroughTheWindow)
{
    Abrir();
    for (const Caso& c : kCasos) {
        SCOPED_TRACE(c.nombre);
        Pulsar("cmdlimpiar");
        if (c.euros)
            Pulsar("optp8mon(1)");
        Pulsar(Tipologia8::Opcion("optp8tsu", c.superficie));
        Teclear("txtp8sbu", c.metros);
        if (c.sotano)
            Pulsar("Chkp8cl1");
        Antiguedad(c.anos);
        Teclear("txtp8pti", c.porcentaje);
        Elegir("cmbp8mun", c.municipio);
        if (c.zona)
            Teclear("cmbp8nui", c.zona);

        const cDatosTip8& r = R();
        EXPECT_EQ(r.P8_MUN(), c.municipio);
        EXPECT_EQ(r.P8_NUI(), c.nui);
        EXPECT_EQ(r.P8_MON(), c.euros ? "E" : "P");
        EXPECT_EQ(r.P8_CL1(), c.sotano ? "X" : "");
        EXPECT_DOUBLE_EQ(r.P8_RP(), 1.1);
        EXPECT_DOUBLE_EQ(r.P8_COA(), c.coa);
        EXPECT_DOUBLE_EQ(r.P8_VRI(), c.vri);
        EXPECT_DOUBLE_EQ(r.P8_CCO(), c.cco);
        EXPECT_DOUBLE_EQ(r.P8_CCL(), c.ccl);
        EXPECT_DOUBLE_EQ(r.P8_SHO(), c.sho);
        EXPECT_DOUBLE_EQ(r.P8_DEP(), c.dep);
        EXPECT_NEAR(r.P8_VAD(), c.vad, 1e-6);
        EXPECT_DOUBLE_EQ(r.P8_VAC(), c.vac);
        EXPECT_DOUBLE_EQ(r.P8_VCO(), c.vco);
        EXPECT_DOUBLE_EQ(r.P8_VAF(), c.vaf);
        EXPECT_DOUBLE_EQ(r.P8_VSF(), c.vsf);
        EXPECT_DOUBLE_EQ(r.P8_VCF(), c.vcf);

        EXPECT_EQ(T("cmbp8nui"), c.nui);
        EXPECT_EQ(T("txtp8vri"), c.txtVri);
        EXPECT_EQ(T("txtp8cco"), c.txtCco);
        EXPECT_EQ(T("txtp8sho"), c.txtSho);
        EXPECT_EQ(T("txtp8vad"), c.txtVad);
        EXPECT_EQ(T("txtp8vac"), c.txtVac);
        EXPECT_EQ(T("txtp8vco"), c.txtVco);
        EXPECT_EQ(T("txtp8vaf"), c.txtVaf);
        EXPECT_EQ(T("txtp8vsf"), c.txtVsf);
        EXPECT_EQ(T("txtp8vcf"), c.txtVcf);
        EXPECT_EQ(T("txtp8dep"), c.txtDep);
        EXPECT_EQ(T("txtp8ant"), c.anos ? c.anos : "0");
        EXPECT_EQ(T("txtp8sbu"),
                  QString::fromLatin1(c.metros) + (QString::fromLatin1(c.metros).contains(',') ? "0" : ",00"));
        EXPECT_EQ(T("txtp8pti"), QString::fromLatin1(c.porcentaje) + ",00");
        EXPECT_EQ(T("cmbp8mun"), c.municipio);
        EXPECT_EQ(T("txtp8ccl"), c.sotano ? "0,30" : "1,00");
        EXPECT_EQ(T("txtp8rp"), "1,10");
        EXPECT_EQ(T("txtp8coa"), c.coa == 1 ? "1,000000" : "1,030000");
        EXPECT_EQ(T("txtp8añop"), c.coa == 1 ? "2025" : "2024");
        EXPECT_TRUE(C("cmdimprimir")->isEnabled());
        EXPECT_TRUE(Mensajes().isEmpty());
    }
}

TEST_F(OficinaIndustrial, MunicipalityAndZone)
{
    Abrir();
    Teclear("txtp8sbu", "100");

    // Two zones of the ponencia year (not the later one), in code order: nothing valued yet.
    Elegir("cmbp8mun", "BIZONA");
    EXPECT_EQ(Zonas(), QStringList({"PI-01", "PI-02"}));
    EXPECT_EQ(R().P8_NUI(), "");
    EXPECT_EQ(R().P8_AÑOP(), 2025);
    EXPECT_DOUBLE_EQ(R().P8_VRI(), 0);
    EXPECT_EQ(Resultados(), kCeros);
    EXPECT_EQ(T("txtp8vri"), "");
    EXPECT_FALSE(C("cmdimprimir")->isEnabled());
    // Inputs without a zone are stored but value nothing.
    Pulsar("Chkp8cl1");
    EXPECT_DOUBLE_EQ(R().P8_CCL(), 0.3);
    EXPECT_EQ(Resultados(), kCeros);

    Elegir("cmbp8nui", "PI-02");
    EXPECT_DOUBLE_EQ(R().P8_VRI(), 20000);
    EXPECT_NE(R().P8_VAF(), 0);
    const double vaf = R().P8_VAF();

    // A typed zone that begins no entry, and an emptied zone: the record's zone comes back.
    for (const char* texto : {"ZZ", ""}) {
        Teclear("cmbp8nui", texto);
        EXPECT_EQ(T("cmbp8nui"), "PI-02") << texto;
        EXPECT_EQ(R().P8_NUI(), "PI-02");
        EXPECT_DOUBLE_EQ(R().P8_VAF(), vaf);
    }
    // A typed municipality that begins no entry: the record's municipality, zone list and
    // results stay.
    Teclear("cmbp8mun", "XYZ");
    EXPECT_EQ(T("cmbp8mun"), "BIZONA");
    EXPECT_EQ(R().P8_NUI(), "PI-02");
    EXPECT_EQ(Zonas(), QStringList({"PI-01", "PI-02"}));
    EXPECT_DOUBLE_EQ(R().P8_VAF(), vaf);

    // One zone: stored and valued at once, shown in the list.
    Teclear("cmbp8mun", "uni");
    EXPECT_EQ(R().P8_MUN(), "UNIZONA");
    EXPECT_EQ(Zonas(), QStringList({"UNICA"}));
    EXPECT_EQ(R().P8_NUI(), "UNICA");
    EXPECT_EQ(T("cmbp8nui"), "UNICA");
    EXPECT_EQ(C<ComboBox>("cmbp8nui")->ListIndex(), 0);
    EXPECT_EQ(R().P8_AÑOP(), 2024);
    EXPECT_DOUBLE_EQ(R().P8_COA(), 1.03);
    EXPECT_DOUBLE_EQ(R().P8_VRI(), 20000);
    EXPECT_NE(R().P8_VAF(), 0);
    // Back to a municipality of two zones: the zone and its values go.
    Teclear("cmbp8mun", "bi");
    EXPECT_EQ(R().P8_MUN(), "BIZONA");
    EXPECT_EQ(R().P8_NUI(), "");
    EXPECT_EQ(T("cmbp8nui"), "");
    EXPECT_DOUBLE_EQ(R().P8_VRI(), 0);
    EXPECT_EQ(Resultados(), kCeros);
    EXPECT_TRUE(Mensajes().isEmpty());
}

TEST_F(OficinaIndustrial, CurrencySwitchReadsTheZoneValueAgain)
{
    struct Cambio {
        const char* zona;
        bool euros;  // currency switched to
        double vri, cco;
        const char* txtVri;
    };
    // PI-02 is a peseta row, PI-01 a euro row; CC is the fixed cost in the record's unit.
    // clang-format off
    const Cambio cambios[] = {
        {"PI-02", true, 12020, 36061, "120,20"},  {"PI-02", false, 20000, 60000, "20.000"},
        {"PI-01", true, 12020, 36061, "120,20"},  {"PI-01", false, 20000, 60000, "20.000"},
    };
    // clang-format on
    Abrir();
    Teclear("txtp8sbu", "100");
    Elegir("cmbp8mun", "BIZONA");
    double vafPesetas = 0;
    for (const Cambio& c : cambios) {
        SCOPED_TRACE(std::string(c.zona) + (c.euros ? " euros" : " pesetas"));
        Elegir("cmbp8nui", c.zona);
        Pulsar(c.euros ? "optp8mon(1)" : "optp8mon(0)");
        EXPECT_EQ(R().P8_MON(), c.euros ? "E" : "P");
        EXPECT_DOUBLE_EQ(R().P8_VRI(), c.vri);
        EXPECT_DOUBLE_EQ(R().P8_CCO(), c.cco);
        EXPECT_EQ(T("txtp8vri"), c.txtVri);
        if (!c.euros && vafPesetas == 0)
            vafPesetas = R().P8_VAF();
    }
    // Both peseta rounds gave the same final value.
    EXPECT_DOUBLE_EQ(R().P8_VAF(), vafPesetas);

    // Without a zone the results are 0; without a municipality only the cost follows.
    Pulsar("cmdlimpiar");
    Pulsar("optp8mon(1)");
    EXPECT_DOUBLE_EQ(R().P8_CCO(), 36061);
    EXPECT_EQ(T("txtp8cco"), "360,61");
    EXPECT_DOUBLE_EQ(R().P8_VRI(), 0);
}

TEST_F(OficinaIndustrial, WorkedExamplesOfTheChain)
{
    Abrir();
    Elegir("cmbp8mun", "BIZONA");
    Elegir("cmbp8nui", "PI-02");
    // The operands of the worked example (SH 100 is no typed surface's): CL 1, (1 - D) 0,85,
    // COA 1,05, RP 1, 50 %; the lookup gives VRI and CC.
    cDatosTip8& r = R();
    const auto operandos = [&r](const char* moneda) {
        r.setP8_MON(QString::fromLatin1(moneda));
        r.setP8_CCL(1);
        r.setP8_DEP(0.85);
        r.setP8_SHO(100);
        r.setP8_COA(1.05);
        r.setP8_RP(1);
        r.setP8_PTI(50);
    };
    operandos("P");
    ventana_->CalcularValores();
    EXPECT_DOUBLE_EQ(r.P8_VRI(), 20000);
    EXPECT_DOUBLE_EQ(r.P8_CCO(), 60000);
    EXPECT_DOUBLE_EQ(r.P8_VAD(), 9684000);
    EXPECT_DOUBLE_EQ(r.P8_VAC(), 10168200);
    EXPECT_DOUBLE_EQ(r.P8_VCO(), 10168200);
    EXPECT_DOUBLE_EQ(r.P8_VAF(), 5084100);
    EXPECT_DOUBLE_EQ(r.P8_VSF(), 1050000);
    EXPECT_DOUBLE_EQ(r.P8_VCF(), 4034100);

    operandos("E");
    ventana_->CalcularValores();
    EXPECT_DOUBLE_EQ(r.P8_VRI(), 12020);
    EXPECT_DOUBLE_EQ(r.P8_CCO(), 36061);
    EXPECT_NEAR(r.P8_VAD(), 5820201.3, 1e-6);  // kept with its decimals
    EXPECT_DOUBLE_EQ(r.P8_VAC(), 6111211);
    // Drawn and drawn again, V keeps its decimals: no box stores it back.
    ventana_->PresentaDatos();
    EXPECT_EQ(T("txtp8vad"), "58.202,01");
    EXPECT_NEAR(r.P8_VAD(), 5820201.3, 1e-6);

    // The chain from the record with a zone whose value is 0: every result 0.
    r.setP8_VRI(0);
    ventana_->CadenaValores();
    EXPECT_EQ(Resultados(), kCeros);
}

TEST_F(OficinaIndustrial, SurfaceLocationCoefficientAndPercentage)
{
    Abrir();
    struct Sh {
        int superficie;
        const char* metros;
        const char* sh;
    };
    // Built: min(0,92 S + 30, 1,7 S); usable: min(0,97 S + 30, 1,8 S).
    const Sh superficies[] = {{0, "100", "122,0000"}, {1, "100", "127,0000"}, {0, "30", "51,0000"}};
    for (const Sh& s : superficies) {
        Pulsar(Tipologia8::Opcion("optp8tsu", s.superficie));
        Teclear("txtp8sbu", s.metros);
        EXPECT_EQ(T("txtp8sho"), s.sh) << s.metros;
        EXPECT_EQ(R().P8_TSU(), s.superficie == 0 ? "C" : "U");
    }
    // An emptied or zero surface is refused silently: the stored one comes back.
    for (const char* texto : {"", "0"}) {
        Teclear("txtp8sbu", texto);
        EXPECT_EQ(T("txtp8sbu"), "30,00");
        EXPECT_DOUBLE_EQ(R().P8_SBU(), 30);
    }

    Pulsar("Chkp8cl1");
    EXPECT_EQ(T("txtp8ccl"), "0,30");
    EXPECT_EQ(R().P8_CL1(), "X");
    Pulsar("Chkp8cl1");
    EXPECT_EQ(T("txtp8ccl"), "1,00");
    EXPECT_EQ(R().P8_CL1(), "");

    // Percentage: up to 100; above it message 110 and the previous one back; 0 silently refused.
    Teclear("txtp8pti", "100");
    EXPECT_TRUE(Mensajes().isEmpty());
    Teclear("txtp8pti", "40");
    Teclear("txtp8pti", "100,01");
    ASSERT_TRUE(UnMensaje("Valor no Válido", 48, "Error en la Introducción de Datos"));
    EXPECT_EQ(T("txtp8pti"), "40,00");
    EXPECT_DOUBLE_EQ(R().P8_PTI(), 40);
    Teclear("txtp8pti", "0");
    EXPECT_EQ(T("txtp8pti"), "40,00");
    EXPECT_EQ(Mensajes().size(), 1);
}

TEST_F(OficinaIndustrial, AgeByYearsAndByDate)
{
    Abrir();
    // Both age boxes stay visible; the one of the mode is enabled.
    EXPECT_TRUE(C("txtp8antd1")->isVisible());
    EXPECT_TRUE(C("txtp8antd2")->isVisible());
    EXPECT_TRUE(C("txtp8antd1")->isEnabled());
    EXPECT_FALSE(C("txtp8antd2")->isEnabled());

    struct Anos {
        const char* anos;
        const char* dep;
    };
    for (const Anos& a : {Anos{"20", "0,7000"}, Anos{"21", "0,6900"}, Anos{"999", "0,3000"}}) {
        Teclear("txtp8antd1", a.anos);
        EXPECT_EQ(T("txtp8dep"), a.dep) << a.anos;
    }

    Teclear("txtp8fecv", "15/10/2003");
    ASSERT_EQ(R().P8_FECV(), 20031015);
    Pulsar("optp8anttipo(1)");
    EXPECT_EQ(T("txtp8antd2"), "15/10/2003");
    EXPECT_EQ(T("txtp8ant"), "0");
    EXPECT_EQ(T("txtp8dep"), "1,0000");
    EXPECT_TRUE(C("txtp8antd1")->isVisible());
    EXPECT_FALSE(C("txtp8antd1")->isEnabled());
    EXPECT_TRUE(C("txtp8antd2")->isEnabled());
    struct Fecha {
        const char* construida;
        const char* ant;
        double dep;
    };
    // A year counts on its anniversary day.
    for (const Fecha& f : {Fecha{"15/10/1983", "20", 0.7}, Fecha{"16/10/1983", "19", 0.715}}) {
        Teclear("txtp8antd2", f.construida);
        EXPECT_EQ(T("txtp8ant"), f.ant) << f.construida;
        EXPECT_DOUBLE_EQ(R().P8_DEP(), f.dep) << f.construida;
    }
    EXPECT_TRUE(Mensajes().isEmpty());

    // Refused construction dates: the stored one comes back.
    Teclear("txtp8antd2", "01/01/1799");
    Teclear("txtp8antd2", "16/10/2003");
    const auto m = Mensajes();
    ASSERT_EQ(m.size(), 2);
    EXPECT_EQ(m[0].text, "La Fecha introducida no es correcta");
    EXPECT_EQ(m[1].text,
              "La Fecha de Construcción/Rehabilitación no puede ser posterior a la Fecha de Valoración 15/10/2003");
    for (const ShownMessage& s : m) {
        EXPECT_EQ(s.style, 48);
        EXPECT_EQ(s.title, "Error en la Introducción de Datos");
    }
    EXPECT_EQ(T("txtp8antd2"), "16/10/1983");
    EXPECT_EQ(R().P8_ANTDAT(), 19831016);
}

TEST_F(OficinaIndustrial, ValuationDateMessagesAndChanges)
{
    R().EscribirP8_DES(QStringLiteral("Oficina 3, planta primera del edificio"), 0);
    Abrir();
    EXPECT_EQ(T("txtdescrip"), "Oficina 3, planta primera del ");
    Elegir("cmbp8mun", "UNIZONA");
    Teclear("txtp8sbu", "100");
    ASSERT_NE(R().P8_VAF(), 0);

    // Not a date; out of the range of the valuation years (both ends given).
    Teclear("txtp8fecv", "32/01/2025");
    Teclear("txtp8fecv", "31/12/1998");
    const auto m = Mensajes();
    ASSERT_EQ(m.size(), 2);
    EXPECT_EQ(m[0].text, "La Fecha de Valoración introducida no es correcta");
    EXPECT_EQ(m[1].text,
              "La Fecha de Valoración no puede ser anterior al  01/01/1999\r\n ni posterior al  31/12/2027 .");
    for (const ShownMessage& s : m) {
        EXPECT_EQ(s.style, 48);
        EXPECT_EQ(s.title, "Error en la Introducción de Datos");
    }
    EXPECT_EQ(T("txtp8fecv"), "01/01/2025");
    EXPECT_EQ(R().P8_MUN(), "UNIZONA");

    // The same year: the valuation stays.
    Teclear("txtp8fecv", "30/06/2025");
    EXPECT_EQ(R().P8_NUI(), "UNICA");
    EXPECT_NE(R().P8_VAF(), 0);

    // Another year (1999): the record starts again with the year's cost and RP, the zone list
    // and the summary empty.
    Teclear("txtp8fecv", "15/06/1999");
    const cDatosTip8& r = R();
    EXPECT_EQ(r.P8_EJER(), 1999);
    EXPECT_EQ(r.P8_MUN(), "");
    EXPECT_EQ(r.P8_NUI(), "");
    EXPECT_DOUBLE_EQ(r.P8_SBU(), 0);
    EXPECT_DOUBLE_EQ(r.P8_CCO(), 55000);
    EXPECT_DOUBLE_EQ(r.P8_RP(), 1);
    EXPECT_EQ(Resultados(), kCeros);
    EXPECT_EQ(r.P8_DES(0), "");
    EXPECT_EQ(T("txtdescrip"), "");
    EXPECT_EQ(T("cmbp8nui"), "");
    EXPECT_TRUE(Zonas().isEmpty());
    EXPECT_EQ(T("txtp8cco"), "55.000");
}

// A press on Limpiar or Salir released outside the button is neither: the valuation date left
// for it is checked after all.
TEST_F(OficinaIndustrial, PressReleasedOutsideClearOrExitStillChecksTheDate)
{
    Abrir();
    for (const char* boton : {"cmdlimpiar", "cmdsalir"}) {
        SCOPED_TRACE(boton);
        MsgBoxSeam::Clear();
        FocusControl(C("txtp8fecv"));
        C<MaskEdBox>("txtp8fecv")->SetText("99/99/2025");
        PressAndReleaseOutside(C(boton));
        EXPECT_TRUE(V().IsLoaded());
        ASSERT_EQ(Mensajes().size(), 1);
        EXPECT_EQ(Mensajes()[0].text, "La Fecha de Valoración introducida no es correcta");
        EXPECT_EQ(T("txtp8fecv"), "01/01/2025");
        Teclear("txtp8fecv", "30/06/2025");
        EXPECT_EQ(R().P8_FECV(), 20250630);
        Teclear("txtp8fecv", "01/01/2025");
    }
}

TEST_F(OficinaIndustrial, DefaultsAndConstructionCostByYearAndCurrency)
{
    struct Coste {
        int32_t fecha;
        const char* moneda;
        double cco;
        const char* texto;
    };
    const Coste costes[] = {
        {20250101, "P", 60000, "60.000"},
        {20250101, "E", 36061, "360,61"},
        {19990615, "P", 55000, "55.000"},
        {19990615, "E", 33056, "330,56"},
    };
    R().EscribirP8_DES(QStringLiteral("Oficina 3"), 0);
    Abrir();
    Elegir("cmbp8mun", "UNIZONA");
    Teclear("txtp8sbu", "100");
    Pulsar("Chkp8cl1");
    ASSERT_NE(R().P8_VAF(), 0);
    for (const Coste& c : costes) {
        SCOPED_TRACE(c.fecha);
        gEntrada().setP_FECV(c.fecha);
        gEntrada().setP_MON(QString::fromLatin1(c.moneda));
        Pulsar("cmdlimpiar");
        const cDatosTip8& r = R();
        EXPECT_DOUBLE_EQ(r.P8_CCO(), c.cco);
        EXPECT_EQ(T("txtp8cco"), c.texto);
        EXPECT_EQ(r.P8_FECV(), c.fecha);
        EXPECT_EQ(r.P8_EJER(), c.fecha / 10000);
        EXPECT_EQ(r.P8_MON(), c.moneda);
        EXPECT_EQ(r.P8_TSU(), "U");
        EXPECT_EQ(r.P8_ANTTIPO(), "A");
        EXPECT_DOUBLE_EQ(r.P8_CCL(), 1);
        EXPECT_DOUBLE_EQ(r.P8_PTI(), 100);
        EXPECT_DOUBLE_EQ(r.P8_RP(), c.fecha / 10000 == 1999 ? 1.0 : 1.1);
        EXPECT_EQ(T("txtp8pti"), "100,00");
        EXPECT_EQ(T("txtp8ccl"), "1,00");
        EXPECT_EQ(T("txtp8ant"), "0");
        EXPECT_TRUE(C<OptionButton>("optp8tsu(1)")->Value());
        // Limpiar empties the location, the inputs, the results and the summary.
        EXPECT_EQ(r.P8_MUN(), "");
        EXPECT_EQ(r.P8_NUI(), "");
        EXPECT_EQ(r.P8_CL1(), "");
        EXPECT_DOUBLE_EQ(r.P8_SBU(), 0);
        EXPECT_EQ(Resultados(), kCeros);
        EXPECT_EQ(r.P8_DES(0), "");
        EXPECT_EQ(T("txtdescrip"), "");
        EXPECT_EQ(T("cmbp8mun"), "");
        EXPECT_TRUE(Zonas().isEmpty());
        EXPECT_FALSE(C("cmdimprimir")->isEnabled());
    }
}

TEST_F(OficinaIndustrial, ZoneRowsOutsideTheUsual)
{
    Abrir();
    Teclear("txtp8sbu", "100");
    Elegir("cmbp8mun", "RAROS");
    const cDatosTip8& r = R();

    // A zone code with an apostrophe is looked up like any other.
    Elegir("cmbp8nui", "O'NEIL");
    EXPECT_DOUBLE_EQ(r.P8_VRI(), 30000);
    EXPECT_NE(r.P8_VAF(), 0);

    // A row without currency in a peseta record: VRI divided as a non-peseta row, but the
    // construction cost stays in pesetas (not 36061 cents read as pesetas).
    Elegir("cmbp8nui", "SIN-MONEDA");
    EXPECT_DOUBLE_EQ(r.P8_VRI(), 12020);
    EXPECT_DOUBLE_EQ(r.P8_CCO(), 60000);
    EXPECT_EQ(T("txtp8cco"), "60.000");

    // A Null or empty value is no value: results 0, no message.
    for (const char* zona : {"NULA", "VACIA"}) {
        Elegir("cmbp8nui", zona);
        EXPECT_EQ(r.P8_NUI(), zona);
        EXPECT_DOUBLE_EQ(r.P8_VRI(), 0);
        EXPECT_EQ(Resultados(), kCeros) << zona;
    }
    EXPECT_TRUE(Mensajes().isEmpty());

    // A value that is no number: a message naming it, and the record as before the choice.
    Elegir("cmbp8nui", "O'NEIL");
    const double vaf = r.P8_VAF();
    Elegir("cmbp8nui", "MALA");
    ASSERT_EQ(Mensajes().size(), 1);
    EXPECT_TRUE(Mensajes()[0].text.contains("abc")) << Mensajes()[0].text.toStdString();
    EXPECT_EQ(r.P8_NUI(), "O'NEIL");
    EXPECT_DOUBLE_EQ(r.P8_VRI(), 30000);
    EXPECT_DOUBLE_EQ(r.P8_VAF(), vaf);
    EXPECT_EQ(T("cmbp8nui"), "O'NEIL");
}

TEST_F(OficinaIndustrial, ReopenedWindowShowsTheRecord)
{
    Abrir();
    Elegir("cmbp8mun", "BIZONA");
    Elegir("cmbp8nui", "PI-02");
    Teclear("txtp8sbu", "100");
    const cDatosTip8 antes = R();
    Pulsar("cmdsalir");
    ASSERT_FALSE(ventana_->IsLoaded());
    Abrir();
    // The zone list is read again and the record's zone selected; nothing is revalued.
    EXPECT_EQ(T("cmbp8mun"), "BIZONA");
    EXPECT_EQ(Zonas(), QStringList({"PI-01", "PI-02"}));
    EXPECT_EQ(C<ComboBox>("cmbp8nui")->ListIndex(), 1);
    EXPECT_EQ(R().P8_NUI(), "PI-02");
    EXPECT_DOUBLE_EQ(R().P8_VAF(), antes.P8_VAF());
    EXPECT_DOUBLE_EQ(R().P8_VAD(), antes.P8_VAD());
    Elegir("cmbp8nui", "PI-01");
    EXPECT_DOUBLE_EQ(R().P8_VRI(), 20000);  // 12020 cents in pesetas

    // Drawing twice changes no record value.
    const cDatosTip8 dibujado = R();
    ventana_->PresentaDatos();
    ventana_->PresentaDatos();
    ComprobarCodigosIguales(R(), dibujado,
                            {"VRI", "CCO", "VAD", "VAC",  "VCO", "VAF", "VSF", "VCF", "SHO", "DEP", "CCL",
                             "COA", "RP",  "ANT", "AÑOP", "PTI", "NUI", "MUN", "TSU", "MON", "CL1"});
}

TEST_F(OficinaIndustrial, CaptionsInBothLanguages)
{
    Abrir();
    EXPECT_EQ(ventana_->windowTitle(), "Oficina en Zona Industrial");
    EXPECT_EQ(T("Label13"), "= V = [ VRI * CL + (1,38 * CC + 0,38 * VRI * CL) * (1 - D)] * SH");
    EXPECT_EQ(T("Label2"), "Zona Industrial");
    EXPECT_EQ(C("Chkp8cl1")->toolTip(), "En sótano");
    EXPECT_EQ(T("Label25"), QString(56, QLatin1Char('.')));
    EXPECT_EQ(T("Label24"), T("Label25"));
    EXPECT_EQ(T("Label23"), QString(37, QLatin1Char('.')));
    EXPECT_EQ(T("Label22"), QString(32, QLatin1Char('.')));

    gEntrada().setP_IDI(QStringLiteral("E"));
    ventana_->Unload();
    Abrir();
    EXPECT_EQ(ventana_->windowTitle(), LoadResString(10146));
    EXPECT_EQ(T("Label13"), LoadResString(10141));
    EXPECT_EQ(T("Label2"), LoadResString(10139));
}

}  // namespace
