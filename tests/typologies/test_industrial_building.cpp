// The industrial building valuation driven through its window: location by municipality and
// industrial zone, the chain with V rounded on store and RP kept unrounded, the fixed
// construction cost, the industrial age scale, currencies, the CL box that only shows, the
// date check lowered by the pointer over "Salir" only while it is there, the place the window
// opens at, captions and messages.
#include <QTest>
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
#include "typologies/industrial_building/Tipologia9.h"

namespace {

// The window on a copy of the demo database with three municipalities of the 2010 list:
//
//   UNIZONA (91)  ponencia 2024 (COA = t02_porinc of 2025 = 1,03); one zone UNICA, pesetas 20000
//   BIZONA (92)   ponencia 2025 (COA 1 in 2025, 1,02 in 2026)
//                 PI-01 euros VRI 12020; PI-02 pesetas VRI 20000
//   RAROS (93)    ponencia 2025: O'NEIL pesetas 30000; SIN-MONEDA no currency 20000; NULA pesetas Null
//
// The checked-value percentage of 2026 is 112,5 (RP 1,125). Settings: Spanish, pesetas,
// valuation date 01/01/2025 (year 2025: RP 1,10, CC 40000).
class Pabellon : public FixtureTipologia<Tipologia9> {
protected:
    Pabellon()
        : FixtureTipologia(PreparacionTipologia{
              9,
              20250101,
              QStringLiteral("cmdDescripcion"),
              {
                  "INSERT INTO t03_municipios VALUES (2010, 91, 'UNIZONA'), (2010, 92, 'BIZONA'), (2010, 93, 'RAROS')",
                  "INSERT INTO t04_ponencias VALUES (2024, 91), (2025, 92), (2025, 93)",
                  "INSERT INTO main.t09_industrial (t09_codmun, t09_zonind, t09_ano, t09_mone, t09_vri) VALUES"
                  " (91, 'UNICA', 2024, 'P', 20000),"
                  " (92, 'PI-02', 2025, 'P', 20000), (92, 'PI-01', 2025, 'E', 12020),"
                  " (93, 'O''NEIL', 2025, 'P', 30000), (93, 'SIN-MONEDA', 2025, NULL, 20000),"
                  " (93, 'NULA', 2025, 'P', NULL)",
                  "UPDATE main.t02_años SET t02_porcom = 112.5 WHERE t02_ano = 2026",
              }})
    {
    }
    static std::vector<double> Resultados() { return ResultadosDe(gDatosTip9()); }
    // The mouse pointer moved, through the window as the system moves it, over a control or
    // onto an empty place of the window.
    void PunteroSobre(const QString& nombre)
    {
        QWidget* w = C(nombre);
        QTest::mouseMove(V().windowHandle(), w->mapTo(&V(), w->rect().center()));
        ProcessEvents();
    }
    void PunteroFuera()
    {
        QTest::mouseMove(V().windowHandle(), QPoint(900, 610));
        ProcessEvents();
    }
};

cDatosTip9& R() { return gDatosTip9(); }

const std::vector<double> kCeros(6, 0.0);

struct Caso {
    const char* nombre;
    bool euros;         // window switched to euros first
    const char* fecha;  // valuation date typed first, or nullptr
    const char* municipio;
    const char* zona;  // typed into the zone list, or nullptr (one zone)
    int superficie;    // entry of optp9tsu: 0 built, 1 usable
    const char* metros;
    const char* anos;        // years typed, or nullptr
    const char* construida;  // construction date typed (age by date), or nullptr
    const char* porcentaje;
    // Record after the valuation.
    const char* nui;
    double rp, coa, vri, cco, sho, dep;
    int ant;
    double vad, vac, vco, vaf, vsf, vcf;
    // What the window shows.
    const char* txtRp;
    const char* txtVri;
    const char* txtCco;
    const char* txtSho;
    const char* txtDep;
    const char* txtVad;
    const char* txtVac;
    const char* txtVco;
    const char* txtVaf;
    const char* txtVsf;
    const char* txtVcf;
};

// Worked out by hand: V = ((VRI*0,38*CL + CC*1,38)*(1 - D) + CL*VRI)*SH stored whole, then every
// step from the record as stored; land S = CL*VRI*SH.
// clang-format off
const Caso kCasos[] = {
    // One zone, valued at once. Built 100 m2: SH = min(92 + 30, 170) = 122; 10 years: 0,60.
    // V = ((7600 + 55200)*0,6 + 20000)*122 = 7036960; VAC = 1,03 V = 7248068,8 -> 7248069;
    // VCO = 1,1 VAC = 7972875,9 -> 7972876 = VAF; VSF = VAF*2440000/V = 2764520.
    {"one zone", false, nullptr, "UNIZONA", nullptr, 0, "100", "10", nullptr, "100",
     "UNICA", 1.1, 1.03, 20000, 40000, 122, 0.6, 10, 7036960, 7248069, 7972876, 7972876, 2764520, 5208356,
     "1,10", "20.000", "40.000", "122,0000", "0,6000", "7.036.960", "7.248.069", "7.972.876", "7.972.876",
     "2.764.520", "5.208.356"},
    // Valued in 2026, percentage 112,5: RP 1,125 (shown 1,13), COA 1,02. Usable 100: SH 127; new.
    // V = (62800 + 20000)*127 = 10515600; VAC = 10725912; VCO = 1,125 VAC = 12066651 (1,13
    // would give 12120281).
    {"percentage 112,5", false, "15/06/2026", "BIZONA", "PI-02", 1, "100", nullptr, nullptr, "100",
     "PI-02", 1.125, 1.02, 20000, 40000, 127, 1, 0, 10515600, 10725912, 12066651, 12066651, 2914650, 9152001,
     "1,13", "20.000", "40.000", "127,0000", "1,0000", "10.515.600", "10.725.912", "12.066.651", "12.066.651",
     "2.914.650", "9.152.001"},
    // V rounded first moves VAC. Built 51 m2: SH = min(76,92, 86,7) = 76,92; 12 years: 0,56.
    // V = (35168 + 20000)*76,92 = 4243522,56 -> 4243523; VAC = 1,03 * 4243523 = 4370828,69 ->
    // 4370829 (from the unrounded V: 4370828,24 -> 4370828); VCO = 4807911,9 -> 4807912.
    {"rounded V moves VAC", false, nullptr, "UNIZONA", nullptr, 0, "51", "12", nullptr, "100",
     "UNICA", 1.1, 1.03, 20000, 40000, 76.92, 0.56, 12, 4243523, 4370829, 4807912, 4807912, 1743007, 3064905,
     "1,10", "20.000", "40.000", "76,9200", "0,5600", "4.243.523", "4.370.829", "4.807.912", "4.807.912",
     "1.743.007", "3.064.905"},
    // Age by date: built 02/01/2015, valued 01/01/2025: 9 years (the tenth counts on 01/01),
    // 1 - 0,04*9 = 0,64. Usable 200: SH = min(224, 360) = 224; 50 %.
    // V = (62800*0,64 + 20000)*224 = 13483008; VCO = 14831308,8 -> 14831309; VAF = 7415654,5 ->
    // 7415655; VSF = VAF*4480000/V = 2464000.
    {"age by date", false, nullptr, "BIZONA", "PI-02", 1, "200", nullptr, "02/01/2015", "50",
     "PI-02", 1.1, 1, 20000, 40000, 224, 0.64, 9, 13483008, 13483008, 14831309, 7415655, 2464000, 4951655,
     "1,10", "20.000", "40.000", "224,0000", "0,6400", "13.483.008", "13.483.008", "14.831.309", "7.415.655",
     "2.464.000", "4.951.655"},
    // Euro record, peseta row typed in lower case: VRI = 20000 / 1,66386 -> 12020 cents, CC 24040.
    // Usable 85,5: SH = 112,935; 35 years: 0,45 - 0,175 = 0,275; 80 %.
    // V = ((4567,6 + 33175,2)*0,275 + 12020)*112,935 = 2529661,56 -> 2529662; VCO = 2782628,2 ->
    // 2782628; VAF = 2226102,4 -> 2226102.
    {"euros, zone typed in lower case", true, nullptr, "BIZONA", "pi-02", 1, "85,5", "35", nullptr, "80",
     "PI-02", 1.1, 1, 12020, 24040, 112.935, 0.275, 35, 2529662, 2529662, 2782628, 2226102, 1194581, 1031521,
     "1,10", "120,20", "240,40", "112,9350", "0,2750", "25.296,62", "25.296,62", "27.826,28", "22.261,02",
     "11.945,81", "10.315,21"},
};
// clang-format on

TEST_F(Pabellon, FullValuationThroughTheWindow)
{
    Abrir();
    for (const Caso& c : kCasos) {
        SCOPED_TRACE(c.nombre);
        Pulsar("cmdlimpiar");
        if (c.fecha)
            Teclear("txtp9fecv", c.fecha);
        if (c.euros)
            Pulsar("optp9mon(1)");
        Pulsar(Tipologia9::Opcion("optp9tsu", c.superficie));
        Teclear("txtp9sbu", c.metros);
        Antiguedad(c.anos, c.construida);
        Teclear("txtp9pti", c.porcentaje);
        Elegir("cmbp9mun", c.municipio);
        if (c.zona)
            Teclear("cmbp9nui", c.zona);

        const cDatosTip9& r = R();
        EXPECT_EQ(r.P9_MUN(), c.municipio);
        EXPECT_EQ(r.P9_NUI(), c.nui);
        EXPECT_EQ(r.P9_MON(), c.euros ? "E" : "P");
        EXPECT_EQ(r.P9_RP(), c.rp);  // exactly: not rounded to 2 decimals
        EXPECT_DOUBLE_EQ(r.P9_COA(), c.coa);
        EXPECT_DOUBLE_EQ(r.P9_VRI(), c.vri);
        EXPECT_DOUBLE_EQ(r.P9_CCO(), c.cco);
        EXPECT_DOUBLE_EQ(r.P9_CCL(), 1);
        EXPECT_DOUBLE_EQ(r.P9_SHO(), c.sho);
        EXPECT_DOUBLE_EQ(r.P9_DEP(), c.dep);
        EXPECT_EQ(r.P9_ANT(), c.ant);
        EXPECT_EQ(r.P9_VAD(), c.vad);  // exactly: stored whole
        EXPECT_DOUBLE_EQ(r.P9_VAC(), c.vac);
        EXPECT_DOUBLE_EQ(r.P9_VCO(), c.vco);
        EXPECT_DOUBLE_EQ(r.P9_VAF(), c.vaf);
        EXPECT_DOUBLE_EQ(r.P9_VSF(), c.vsf);
        EXPECT_DOUBLE_EQ(r.P9_VCF(), c.vcf);

        EXPECT_EQ(T("cmbp9mun"), c.municipio);
        EXPECT_EQ(T("cmbp9nui"), c.nui);
        EXPECT_EQ(T("txtp9rp"), c.txtRp);
        EXPECT_EQ(T("txtp9vri"), c.txtVri);
        EXPECT_EQ(T("txtp9cco"), c.txtCco);
        EXPECT_EQ(T("txtp9sho"), c.txtSho);
        EXPECT_EQ(T("txtp9dep"), c.txtDep);
        EXPECT_EQ(T("txtp9ant"), QString::number(c.ant));
        EXPECT_EQ(T("txtp9ccl"), "1,00");
        EXPECT_EQ(T("txtp9vad"), c.txtVad);
        EXPECT_EQ(T("txtp9vac"), c.txtVac);
        EXPECT_EQ(T("txtp9vco"), c.txtVco);
        EXPECT_EQ(T("txtp9vaf"), c.txtVaf);
        EXPECT_EQ(T("txtp9vsf"), c.txtVsf);
        EXPECT_EQ(T("txtp9vcf"), c.txtVcf);
        EXPECT_EQ(T("txtp9pti"), QString::fromLatin1(c.porcentaje) + ",00");
        EXPECT_EQ(T("txtp9coa"), QString::number(c.coa, 'f', 6).replace('.', ','));
        EXPECT_TRUE(C("cmdimprimir")->isEnabled());
        EXPECT_TRUE(Mensajes().isEmpty());
    }
}

TEST_F(Pabellon, WorkedExamplesOfTheChain)
{
    Abrir();
    Elegir("cmbp9mun", "BIZONA");
    Elegir("cmbp9nui", "PI-02");
    // The Part's operands (SH 100 is no typed surface's): CL 1, (1 - D) 0,85, COA 1,05, RP 1;
    // the lookup gives VRI 20000 and CC 40000.
    cDatosTip9& r = R();
    const auto operandos = [&r](double sho, double pti) {
        r.setP9_CCL(1);
        r.setP9_DEP(0.85);
        r.setP9_SHO(sho);
        r.setP9_COA(1.05);
        r.setP9_RP(1);
        r.setP9_PTI(pti);
    };
    // V = (20000 + 62800*0,85)*100 = 7338000; S = 2000000.
    operandos(100, 50);
    V().CalcularValores();
    EXPECT_DOUBLE_EQ(r.P9_VRI(), 20000);
    EXPECT_DOUBLE_EQ(r.P9_CCO(), 40000);
    EXPECT_EQ(Resultados(), (std::vector<double>{7338000, 7704900, 7704900, 3852450, 1050000, 2802450}));

    // V = 7338271,506 is stored 7338272, and VAC comes from it: 7705185,6 -> 7705186 (the
    // unrounded V would give 7705185).
    operandos(100.0037, 100);
    V().CalcularValores();
    EXPECT_EQ(r.P9_VAD(), 7338272);
    EXPECT_EQ(r.P9_VAC(), 7705186);
    // The record-only chain gives the same.
    V().CadenaValores();
    EXPECT_EQ(r.P9_VAD(), 7338272);
    EXPECT_EQ(r.P9_VAC(), 7705186);

    // The chain with a zone whose value is 0: every result 0.
    r.setP9_VRI(0);
    V().CadenaValores();
    EXPECT_EQ(Resultados(), kCeros);
}

TEST_F(Pabellon, IndustrialAgeScale)
{
    Abrir();
    struct Anos {
        const char* anos;
        double dep;
        const char* txt;
    };
    const Anos escala[] = {
        {"0", 1, "1,0000"},     {"10", 0.6, "0,6000"},   {"11", 0.58, "0,5800"},  {"20", 0.4, "0,4000"},
        {"21", 0.39, "0,3900"}, {"30", 0.3, "0,3000"},   {"31", 0.295, "0,2950"}, {"40", 0.25, "0,2500"},
        {"41", 0.25, "0,2500"}, {"999", 0.25, "0,2500"},
    };
    for (const Anos& a : escala) {
        Teclear("txtp9antd1", "5");
        Teclear("txtp9antd1", a.anos);
        EXPECT_DOUBLE_EQ(R().P9_DEP(), a.dep) << a.anos;
        EXPECT_EQ(T("txtp9dep"), a.txt) << a.anos;
    }
    int16_t menos = -1;
    EXPECT_DOUBLE_EQ(V().Edad().CalcularD(menos), 0.25);

    // By dates, valued 15/10/2003: a year counts on its anniversary day.
    Teclear("txtp9fecv", "15/10/2003");
    ASSERT_EQ(R().P9_FECV(), 20031015);
    Pulsar("optp9anttipo(1)");
    EXPECT_FALSE(C("txtp9antd1")->isEnabled());
    EXPECT_TRUE(C("txtp9antd2")->isEnabled());
    struct Fecha {
        const char* construida;
        int ant;
        double dep;
    };
    for (const Fecha& f : {Fecha{"15/10/1993", 10, 0.6}, Fecha{"16/10/1993", 9, 0.64}}) {
        Teclear("txtp9antd2", f.construida);
        EXPECT_EQ(R().P9_ANT(), f.ant) << f.construida;
        EXPECT_DOUBLE_EQ(R().P9_DEP(), f.dep) << f.construida;
    }
    EXPECT_TRUE(Mensajes().isEmpty());
}

TEST_F(Pabellon, DefaultsAndConstructionCostByYearAndCurrency)
{
    struct Coste {
        int32_t fecha;
        const char* moneda;
        double cco;
        const char* texto;
    };
    const Coste costes[] = {
        {20250101, "P", 40000, "40.000"},
        {20250101, "E", 24040, "240,40"},
        {19990615, "P", 35000, "35.000"},
        {19990615, "E", 21035, "210,35"},
    };
    R().EscribirP9_DES(QStringLiteral("Pabellón 4 del polígono"), 0);
    Abrir();
    EXPECT_EQ(T("txtdescrip"), "Pabellón 4 del polígono");
    Elegir("cmbp9mun", "UNIZONA");
    Teclear("txtp9sbu", "100");
    ASSERT_NE(R().P9_VAF(), 0);
    for (const Coste& c : costes) {
        SCOPED_TRACE(c.fecha);
        gEntrada().setP_FECV(c.fecha);
        gEntrada().setP_MON(QString::fromLatin1(c.moneda));
        Pulsar("cmdlimpiar");
        const cDatosTip9& r = R();
        EXPECT_EQ(r.P9_SVL(), "L");
        EXPECT_DOUBLE_EQ(r.P9_CCO(), c.cco);
        EXPECT_EQ(T("txtp9cco"), c.texto);
        EXPECT_EQ(r.P9_FECV(), c.fecha);
        EXPECT_EQ(r.P9_EJER(), c.fecha / 10000);
        EXPECT_EQ(r.P9_MON(), c.moneda);
        EXPECT_EQ(r.P9_TSU(), "U");
        EXPECT_EQ(r.P9_ANTTIPO(), "A");
        EXPECT_DOUBLE_EQ(r.P9_CCL(), 1);
        EXPECT_DOUBLE_EQ(r.P9_PTI(), 100);
        EXPECT_DOUBLE_EQ(r.P9_RP(), c.fecha / 10000 == 1999 ? 1.0 : 1.1);
        EXPECT_EQ(T("txtp9pti"), "100,00");
        EXPECT_EQ(T("txtp9ccl"), "1,00");
        EXPECT_TRUE(C<OptionButton>("optp9tsu(1)")->Value());
        EXPECT_TRUE(C<OptionButton>("optp9anttipo(0)")->Value());
        // Limpiar empties the location, the inputs, the results and the summary.
        EXPECT_EQ(r.P9_MUN(), "");
        EXPECT_EQ(r.P9_NUI(), "");
        EXPECT_DOUBLE_EQ(r.P9_SBU(), 0);
        EXPECT_EQ(Resultados(), kCeros);
        EXPECT_EQ(T("txtdescrip"), "");
        EXPECT_EQ(C<ComboBox>("cmbp9nui")->ListCount(), 0);
        EXPECT_FALSE(C("cmdimprimir")->isEnabled());
    }

    // A new valuation year typed: the year's cost and RP (112,5 % in 2026, kept whole).
    gEntrada().setP_MON(QStringLiteral("P"));
    Pulsar("optp9mon(0)");
    Teclear("txtp9fecv", "01/03/2026");
    EXPECT_EQ(R().P9_EJER(), 2026);
    EXPECT_EQ(R().P9_RP(), 1.125);
    EXPECT_EQ(T("txtp9rp"), "1,13");
    EXPECT_DOUBLE_EQ(R().P9_CCO(), 40000);
    Teclear("txtp9fecv", "01/03/1999");
    EXPECT_DOUBLE_EQ(R().P9_CCO(), 35000);
    EXPECT_TRUE(Mensajes().isEmpty());
}

TEST_F(Pabellon, CurrencySwitchReadsTheZoneValueAgain)
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
        {"PI-02", true, 12020, 24040, "120,20"}, {"PI-02", false, 20000, 40000, "20.000"},
        {"PI-01", true, 12020, 24040, "120,20"}, {"PI-01", false, 20000, 40000, "20.000"},
    };
    // clang-format on
    Abrir();
    Teclear("txtp9sbu", "100");
    Elegir("cmbp9mun", "BIZONA");
    for (const Cambio& c : cambios) {
        SCOPED_TRACE(std::string(c.zona) + (c.euros ? " euros" : " pesetas"));
        Elegir("cmbp9nui", c.zona);
        Pulsar(c.euros ? "optp9mon(1)" : "optp9mon(0)");
        EXPECT_EQ(R().P9_MON(), c.euros ? "E" : "P");
        EXPECT_DOUBLE_EQ(R().P9_VRI(), c.vri);
        EXPECT_DOUBLE_EQ(R().P9_CCO(), c.cco);
        EXPECT_EQ(T("txtp9vri"), c.txtVri);
        EXPECT_NE(R().P9_VAF(), 0);
    }
    // A municipality without a zone chosen: every result 0 after a switch.
    Teclear("cmbp9mun", "RAROS");
    Pulsar("optp9mon(1)");
    EXPECT_DOUBLE_EQ(R().P9_CCO(), 24040);
    EXPECT_EQ(Resultados(), kCeros);
}

TEST_F(Pabellon, SurfacePercentageAndTheShownCoefficient)
{
    Abrir();
    struct Sh {
        int superficie;
        const char* sh;
    };
    for (const Sh& s : {Sh{0, "122,0000"}, Sh{1, "127,0000"}}) {
        Pulsar(Tipologia9::Opcion("optp9tsu", s.superficie));
        Teclear("txtp9sbu", "100");
        EXPECT_EQ(T("txtp9sho"), s.sh);
    }

    // Percentage: 100 accepted; above it message 110 and the previous one back.
    Teclear("txtp9pti", "40");
    Teclear("txtp9pti", "100,01");
    ASSERT_TRUE(UnMensaje("Valor no Válido", 48, "Error en la Introducción de Datos"));
    EXPECT_EQ(T("txtp9pti"), "40,00");
    EXPECT_DOUBLE_EQ(R().P9_PTI(), 40);
    Teclear("txtp9pti", "100");
    EXPECT_DOUBLE_EQ(R().P9_PTI(), 100);
    EXPECT_EQ(Mensajes().size(), 1);

    // CL only shows the record: the box is no tab stop, and neither a text written into it, nor
    // a redraw, nor a click on it (the focus passes on) stores it.
    auto* ccl = C<CajaNum>("txtp9ccl");
    EXPECT_TRUE(ccl->locked());
    EXPECT_EQ(ccl->focusPolicy(), Qt::ClickFocus);
    ccl->setTexto("0,70");
    EXPECT_DOUBLE_EQ(R().P9_CCL(), 1);
    ClickControl(ccl);
    EXPECT_NE(FocusedControl(), ccl);
    EXPECT_DOUBLE_EQ(R().P9_CCL(), 1);
    R().setP9_CCL(0.5);
    V().PresentaDatos();
    EXPECT_EQ(T("txtp9ccl"), "0,50");
    R().setP9_CCL(1);
    V().PresentaDatos();
    EXPECT_DOUBLE_EQ(R().P9_CCL(), 1);
    EXPECT_EQ(Mensajes().size(), 1);
}

// The pointer over "Salir" lowers the date check only while it is there.
TEST_F(Pabellon, PointerOverSalirLowersTheDateCheckOnlyWhileThere)
{
    Abrir();
    const auto fechaMala = [this](const char* texto) {
        FocusControl(C("txtp9fecv"));
        C<MaskEdBox>("txtp9fecv")->SetText(texto);
    };

    // Over and away, then a wrong date: checked as always (messages 49 and 51).
    PunteroSobre("cmdsalir");
    PunteroFuera();
    fechaMala("99/99/2025");
    PressTab();
    fechaMala("31/12/1998");
    PressTab();
    auto m = Mensajes();
    ASSERT_EQ(m.size(), 2);
    EXPECT_EQ(m[0].text, "La Fecha de Valoración introducida no es correcta");
    EXPECT_EQ(m[1].text,
              "La Fecha de Valoración no puede ser anterior al  01/01/1999\r\n ni posterior al  31/12/2027 .");
    EXPECT_EQ(T("txtp9fecv"), "01/01/2025");

    // A wrong date left while the pointer rests on "Salir" is checked once the pointer leaves.
    MsgBoxSeam::Clear();
    fechaMala("99/99/2025");
    PunteroSobre("cmdsalir");
    PressTab();
    EXPECT_TRUE(Mensajes().isEmpty());
    PunteroFuera();
    ASSERT_EQ(Mensajes().size(), 1);
    EXPECT_EQ(Mensajes()[0].text, "La Fecha de Valoración introducida no es correcta");
    EXPECT_EQ(T("txtp9fecv"), "01/01/2025");
    EXPECT_EQ(R().P9_FECV(), 20250101);

    // A date typed after a hover is taken into the record.
    MsgBoxSeam::Clear();
    PunteroSobre("cmdsalir");
    PunteroFuera();
    Teclear("txtp9fecv", "30/06/2025");
    EXPECT_EQ(R().P9_FECV(), 20250630);

    // A press on Limpiar still checks the date left for it.
    fechaMala("99/99/2025");
    ClickControl(C("cmdlimpiar"));
    ASSERT_EQ(Mensajes().size(), 1);
    EXPECT_EQ(Mensajes()[0].text, "La Fecha de Valoración introducida no es correcta");

    // A click on "Salir" under the pointer closes without a date message.
    MsgBoxSeam::Clear();
    fechaMala("99/99/2025");
    PunteroSobre("cmdsalir");
    ClickControl(C("cmdsalir"));
    EXPECT_FALSE(V().IsLoaded());
    ProcessEvents();
    EXPECT_TRUE(Mensajes().isEmpty());
}

TEST_F(Pabellon, OpensWhereItWasDesigned)
{
    Abrir();
    const QPoint disenada = V().pos();
    EXPECT_NE(disenada, QPoint(0, 0));
    EXPECT_EQ(V().LeftTwips(), 1500);
    EXPECT_EQ(V().TopTwips(), 1200);
    // Moved by the user, closed and opened again: where the user left it.
    V().move(disenada + QPoint(40, 30));
    Pulsar("cmdsalir");
    Abrir();
    EXPECT_EQ(V().pos(), disenada + QPoint(40, 30));
}

TEST_F(Pabellon, ZoneRowsOutsideTheUsual)
{
    Abrir();
    Teclear("txtp9sbu", "100");
    Elegir("cmbp9mun", "RAROS");
    const cDatosTip9& r = R();
    // A zone code with an apostrophe is looked up like any other.
    Elegir("cmbp9nui", "O'NEIL");
    EXPECT_DOUBLE_EQ(r.P9_VRI(), 30000);
    EXPECT_NE(r.P9_VAF(), 0);
    // A row without currency in a peseta record: VRI divided, the cost stays in pesetas.
    Elegir("cmbp9nui", "SIN-MONEDA");
    EXPECT_DOUBLE_EQ(r.P9_VRI(), 12020);
    EXPECT_DOUBLE_EQ(r.P9_CCO(), 40000);
    // A Null value is no value: results 0, no message.
    Elegir("cmbp9nui", "NULA");
    EXPECT_DOUBLE_EQ(r.P9_VRI(), 0);
    EXPECT_EQ(Resultados(), kCeros);
    EXPECT_TRUE(Mensajes().isEmpty());
}

TEST_F(Pabellon, CaptionsInBothLanguages)
{
    Abrir();
    struct Rotulo {
        const char* control;
        int id;
    };
    // The labels this window numbers its own way.
    const Rotulo rotulos[] = {{"Frame5", 86},  {"Label8", 87},   {"Label9", 58},  {"Label10", 57},
                              {"Label11", 72}, {"Label12", 141}, {"Label13", 74}, {"Label14", 71},
                              {"Label15", 69}, {"Label16", 70},  {"Label17", 68}, {"Label18", 67}};
    for (int idioma : {0, 10000}) {
        SCOPED_TRACE(idioma);
        if (idioma) {
            gEntrada().setP_IDI(QStringLiteral("E"));
            V().Unload();
            Abrir();
        }
        EXPECT_EQ(V().windowTitle(), LoadResString(idioma + 148));
        for (const Rotulo& r : rotulos)
            EXPECT_EQ(T(r.control), LoadResString(idioma + r.id)) << r.control;
        EXPECT_EQ(C("cmdsalir")->toolTip(), LoadResString(idioma + 60));
    }
    EXPECT_EQ(T("Label12"), "= B = [ BEI * KL + (1,38 * EK + 0,38 * BEI * KL) * (1 - G)] * AH");
}

}  // namespace
