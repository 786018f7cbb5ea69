// The dwelling valuation driven through its window: location, coefficients, value chain,
// currency, zone refusals and the failure guard.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QGuiApplication>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

#include "core/Globals.h"
#include "core/Recursos.h"
#include "platform/CajaNum.h"
#include "platform/ComboBox.h"
#include "platform/MsgBox.h"
#include "platform/Option.h"
#include "tests/support/FixtureVivienda.h"
#include "typologies/dwelling/Tipologia1.h"

namespace {

using Vivienda = FixtureVivienda;

struct Caso {
    const char* nombre;
    bool euros;  // currency switched to euros before locating
    const char* calle;
    const char* portal;
    int clase;       // entry of optp1tvi: 0 unifamiliar, 1 plurifamiliar
    int superficie;  // entry of optp1tsu: 0 built, 1 usable
    const char* metros;
    const char* situacion;   // check box ticked, or "" for none
    const char* anos;        // age in years, or nullptr
    const char* construida;  // construction date (age by date), or nullptr
    const char* porcentaje;
    // Record after the valuation.
    double vrr, cco, ccl, sho, dep;
    int ant;
    double vad, vac, vco, vaf, vsf, vcf;
    // What the window shows.
    const char* txtVrr;
    const char* txtSho;
    const char* txtVaf;
    const char* txtVcf;
};

// Worked out by hand from the fixture's zone rows: COA 1 (ponencia year = valuation year),
// RP 1,10; amounts rounded to whole pesetas or cents at every step.
// clang-format off
const Caso kCasos[] = {
    // Zone 1 (pesetas): V = ((100000*0,38*0,7 + 80000*1,38)*0,85 + 0,7*100000)*97 = 18085650.
    {"piso interior, pesetas", false, "CALLE MAYOR", "7", 1, 0, "100", "Chkp1cl2", "10", nullptr, "50",
     100000, 80000, 0.7, 97, 0.85, 10, 18085650, 18085650, 19894215, 9947108, 3734500, 6212608,
     "100.000", "97,0000", "9.947.108", "6.212.608"},
    // Zone 2 (euro row into a peseta record): VRR 30000*1,66386 = 49916, CC 99832; house,
    // usable 85,5 m2 -> SH 95,69; built 01/06/2000 -> 24 years -> (1-D) 0,66.
    {"casa por fecha, fila en euros", false, "CALLE MAYOR", "8", 0, 1, "85,5", "", nullptr, "01/06/2000", "100",
     49916, 99832, 1, 95.69, 0.66, 24, 14675202, 14675202, 16142722, 16142722, 5254108, 10888614,
     "49.916", "95,6900", "16.142.722", "10.888.614"},
    // Zone 1 (peseta row into a euro record): VRR 100000/1,66386 = 60101, CC 48081 cents.
    {"piso interior, euros", true, "CALLE MAYOR", "7", 1, 0, "100", "Chkp1cl2", "10", nullptr, "50",
     60101, 48081, 0.7, 97, 0.85, 10, 10869679, 10869679, 11956647, 5978324, 2244472, 3733852,
     "601,01", "97,0000", "59.783,24", "37.338,52"},
};
// clang-format on

TEST_F(Vivienda, FullValuationThroughTheWindow)
{
    Abrir();
    for (const Caso& c : kCasos) {
        SCOPED_TRACE(c.nombre);
        Pulsar("cmdlimpiar");
        if (c.euros)
            Pulsar("optp1mon(1)");
        Localizar(c.calle, c.portal);
        Pulsar(Tipologia1::Opcion("optp1tvi", c.clase));
        Pulsar(Tipologia1::Opcion("optp1tsu", c.superficie));
        Teclear("txtp1sbu", c.metros);
        if (*c.situacion)
            Pulsar(c.situacion);
        if (c.anos) {
            Teclear("txtp1antd1", c.anos);
        } else {
            Pulsar("optp1anttipo(1)");
            Teclear("txtp1antd2", c.construida);
        }
        Teclear("txtp1pti", c.porcentaje);

        const CDatosTip1& r = gDatosTip1();
        EXPECT_EQ(r.P1_MUN(), "PRUEBA");
        EXPECT_EQ(r.P1_CAL(), c.calle);
        EXPECT_EQ(r.P1_AÑOP(), 2025);
        EXPECT_DOUBLE_EQ(r.P1_COA(), 1);
        EXPECT_DOUBLE_EQ(r.P1_RP(), 1.1);
        EXPECT_EQ(r.P1_MON(), c.euros ? "E" : "P");
        EXPECT_DOUBLE_EQ(r.P1_VRR(), c.vrr);
        EXPECT_DOUBLE_EQ(r.P1_CCO(), c.cco);
        EXPECT_DOUBLE_EQ(r.P1_CCL(), c.ccl);
        EXPECT_DOUBLE_EQ(r.P1_SHO(), c.sho);
        EXPECT_DOUBLE_EQ(r.P1_DEP(), c.dep);
        EXPECT_EQ(r.P1_ANT(), c.ant);
        EXPECT_DOUBLE_EQ(r.P1_VAD(), c.vad);
        EXPECT_DOUBLE_EQ(r.P1_VAC(), c.vac);
        EXPECT_DOUBLE_EQ(r.P1_VCO(), c.vco);
        EXPECT_DOUBLE_EQ(r.P1_VAF(), c.vaf);
        EXPECT_DOUBLE_EQ(r.P1_VSF(), c.vsf);
        EXPECT_DOUBLE_EQ(r.P1_VCF(), c.vcf);

        EXPECT_EQ(T("txtp1vrr"), c.txtVrr);
        EXPECT_EQ(T("txtp1sho"), c.txtSho);
        EXPECT_EQ(T("txtp1vaf"), c.txtVaf);
        EXPECT_EQ(T("txtp1vcf"), c.txtVcf);
        EXPECT_EQ(T("txtp1ant"), QString::number(c.ant));
        EXPECT_EQ(T("txtp1añop"), "2025");
        EXPECT_EQ(T("txtp1coa"), "1,000000");
        EXPECT_EQ(T("txtp1rp"), "1,10");
        EXPECT_EQ(T("txtp1nup"), c.portal);
        EXPECT_TRUE(C("cmdimprimir")->isEnabled());
        EXPECT_TRUE(MsgBoxSeam::Shown().isEmpty());
    }
    // The first case in full, box by box.
    Pulsar("cmdlimpiar");
    Localizar("CALLE MAYOR", "7");
    Pulsar("optp1tsu(0)");
    Teclear("txtp1sbu", "100");
    Pulsar("Chkp1cl2");
    Teclear("txtp1antd1", "10");
    Teclear("txtp1pti", "50");
    const std::pair<const char*, const char*> cajas[] = {
        {"txtp1fecv", "01/01/2025"}, {"cmbp1mun", "PRUEBA"},     {"cmbp1cal", "CALLE MAYOR"},
        {"txtp1nup", "7"},           {"txtp1nur", "1"},          {"txtp1nor", "ZONA UNO"},
        {"txtp1vrr", "100.000"},     {"txtp1cco", "80.000"},     {"txtp1sbu", "100,00"},
        {"txtp1sho", "97,0000"},     {"txtp1ccl", "0,70"},       {"txtp1antd1", "10"},
        {"txtp1ant", "10"},          {"txtp1dep", "0,8500"},     {"txtp1añop", "2025"},
        {"txtp1vad", "18.085.650"},  {"txtp1coa", "1,000000"},   {"txtp1vac", "18.085.650"},
        {"txtp1rp", "1,10"},         {"txtp1vco", "19.894.215"}, {"txtp1pti", "50,00"},
        {"txtp1vaf", "9.947.108"},   {"txtp1vsf", "3.734.500"},  {"txtp1vcf", "6.212.608"},
    };
    for (const auto& [caja, texto] : cajas)
        EXPECT_EQ(T(caja), texto) << caja;
}

TEST_F(Vivienda, WorkedExamplesOfTheCoefficientsAndTheChain)
{
    Abrir();
    // (1 - D) by the age typed in years.
    const std::pair<const char*, const char*> edades[] = {
        {"20", "0,7000"}, {"21", "0,6900"}, {"40", "0,5000"}, {"41", "0,4930"}, {"60", "0,3600"},
        {"61", "0,3580"}, {"90", "0,3000"}, {"91", "0,3000"}, {"5", "0,9250"},
    };
    for (const auto& [anos, dep] : edades) {
        Teclear("txtp1antd1", anos);
        EXPECT_EQ(T("txtp1dep"), dep) << anos;
        EXPECT_EQ(T("txtp1ant"), anos);
    }
    int16_t negativo = -1;
    EXPECT_DOUBLE_EQ(V().Edad().CalcularD(negativo), 0.3);

    // SH of a built flat; an emptied surface brings the stored one back.
    Pulsar("optp1tsu(0)");
    Teclear("txtp1sbu", "100");
    EXPECT_EQ(T("txtp1sho"), "97,0000");
    Teclear("txtp1sbu", "10");
    EXPECT_EQ(T("txtp1sho"), "17,0000");
    Teclear("txtp1sbu", "");
    EXPECT_EQ(T("txtp1sbu"), "10,00");
    EXPECT_DOUBLE_EQ(gDatosTip1().P1_SBU(), 10);

    // Situation boxes: the basement excludes ground floor and the fourth floor without lift.
    Pulsar("Chkp1cl3");
    Pulsar("Chkp1cl4");
    EXPECT_EQ(T("txtp1ccl"), "0,80");
    // The fourth floor without lift ticked alone gives 0,80 as well.
    Pulsar("Chkp1cl3");
    EXPECT_EQ(gDatosTip1().P1_CL4(), "X");
    EXPECT_EQ(gDatosTip1().P1_CL3(), "");
    EXPECT_DOUBLE_EQ(gDatosTip1().P1_CCL(), 0.8);
    EXPECT_EQ(T("txtp1ccl"), "0,80");
    Pulsar("Chkp1cl3");
    Pulsar("Chkp1cl1");
    EXPECT_EQ(gDatosTip1().P1_CL3(), "");
    EXPECT_EQ(gDatosTip1().P1_CL4(), "");
    EXPECT_FALSE(C<CheckBox>("Chkp1cl3")->Value());
    EXPECT_EQ(T("txtp1ccl"), "0,30");
    Pulsar("Chkp1cl2");
    Pulsar("Chkp1cl3");
    EXPECT_EQ(gDatosTip1().P1_CL1(), "");
    EXPECT_EQ(T("txtp1ccl"), "0,70");
    // A house: the four boxes unticked and disabled, CL 1.
    Pulsar("optp1tvi(0)");
    for (const char* c : {"Chkp1cl1", "Chkp1cl2", "Chkp1cl3", "Chkp1cl4"}) {
        EXPECT_FALSE(C(c)->isEnabled()) << c;
        EXPECT_EQ(C<CheckBox>(c)->Value(), 0) << c;
    }
    EXPECT_EQ(gDatosTip1().P1_CL2() + gDatosTip1().P1_CL3(), "");
    EXPECT_EQ(T("txtp1ccl"), "1,00");
    Pulsar("optp1tvi(1)");
    EXPECT_TRUE(C("Chkp1cl2")->isEnabled());
    EXPECT_EQ(T("txtp1ccl"), "1,00");

    // Age from dates: five days short of 23 years gives 22, exactly 23 years gives 23.
    Pulsar("optp1anttipo(1)");
    EXPECT_EQ(T("txtp1antd2"), "01/01/2025");
    EXPECT_EQ(T("txtp1ant"), "0");
    EXPECT_EQ(T("txtp1dep"), "1,0000");
    Teclear("txtp1antd2", "06/01/2002");
    EXPECT_EQ(gDatosTip1().P1_ANT(), 22);
    Teclear("txtp1antd2", "01/01/2002");
    EXPECT_EQ(gDatosTip1().P1_ANT(), 23);
    Pulsar("optp1anttipo(0)");
    EXPECT_EQ(T("txtp1antd1"), "");
    EXPECT_EQ(gDatosTip1().P1_ANT(), 0);
    EXPECT_TRUE(C("txtp1antd1")->isVisible());
    EXPECT_FALSE(C("txtp1antd2")->isVisible());

    // The chain: CL 1, VRR 100, CC 50, (1-D) 1, SH 1 give V 207 and land 100 of it.
    CDatosTip1& r = gDatosTip1();
    r.setP1_CCL(1);
    r.setP1_VRR(100);
    r.setP1_CCO(50);
    r.setP1_DEP(1);
    r.setP1_SHO(1);
    r.setP1_COA(1);
    r.setP1_RP(1);
    r.setP1_PTI(100);
    V().CadenaValores();
    EXPECT_DOUBLE_EQ(r.P1_VAD(), 207);
    EXPECT_DOUBLE_EQ(r.P1_VSF(), 100);
    EXPECT_DOUBLE_EQ(r.P1_VCF(), 107);
    // V = 0 gives no land and no construction part, without a division.
    r.setP1_SHO(0);
    V().CadenaValores();
    EXPECT_DOUBLE_EQ(r.P1_VAD(), 0);
    EXPECT_DOUBLE_EQ(r.P1_VSF(), 0);
    EXPECT_DOUBLE_EQ(r.P1_VCF(), 0);
}

TEST_F(Vivienda, PortalParityChoosesTheSideOfTheStreet)
{
    Abrir();
    Localizar("CALLE MAYOR", "7");
    EXPECT_EQ(gDatosTip1().P1_NUR(), 1);
    EXPECT_EQ(T("txtp1nor"), "ZONA UNO");
    Teclear("txtp1nup", "8");
    EXPECT_EQ(gDatosTip1().P1_NUR(), 2);
    EXPECT_EQ(T("txtp1nor"), "ZONA DOS");
    // Portal 0 is even too (it can only reach the lookup from the record).
    gDatosTip1().setP1_NUP(0);
    gDatosTip1().setP1_NUR(0);
    QString calle;
    int16_t portal = 0;
    V().BuscarZona(calle, portal);
    EXPECT_EQ(gDatosTip1().P1_NUR(), 2);
}

TEST_F(Vivienda, ZoneOf900IsRefusedAndThePreviousStreetAndPortalComeBack)
{
    Abrir();
    Localizar("CALLE NUEVA", "7");
    EXPECT_EQ(gDatosTip1().P1_NUR(), 899);  // 899 is valued
    EXPECT_DOUBLE_EQ(gDatosTip1().P1_VRR(), 50000);
    Elegir("cmbp1cal", "CALLE MAYOR");
    const double valor = gDatosTip1().P1_VAF();
    MsgBoxSeam::Clear();

    // A street in zone 900.
    Elegir("cmbp1cal", "POLIGONO");
    ASSERT_EQ(MsgBoxSeam::Shown().size(), 1);
    EXPECT_EQ(MsgBoxSeam::Shown()[0].text, LoadResString(103));
    EXPECT_EQ(MsgBoxSeam::Shown()[0].style, 0);
    EXPECT_EQ(MsgBoxSeam::Shown()[0].title, QGuiApplication::applicationDisplayName());  // no title of its own
    EXPECT_EQ(gDatosTip1().P1_CAL(), "CALLE MAYOR");
    EXPECT_EQ(gDatosTip1().P1_NUP(), 7);
    EXPECT_EQ(gDatosTip1().P1_NUR(), 1);
    EXPECT_DOUBLE_EQ(gDatosTip1().P1_VAF(), valor);
    EXPECT_EQ(T("cmbp1cal"), "CALLE MAYOR");
    EXPECT_EQ(C<ComboBox>("cmbp1cal")->ListIndex(), 0);
    EXPECT_EQ(FocusedControl(), C("txtp1nup"));

    // A portal on the side of zone 900.
    MsgBoxSeam::Clear();
    Elegir("cmbp1cal", "CALLE MIXTA");
    EXPECT_EQ(gDatosTip1().P1_NUR(), 1);
    Teclear("txtp1nup", "8");
    ASSERT_EQ(MsgBoxSeam::Shown().size(), 1);
    EXPECT_EQ(MsgBoxSeam::Shown()[0].text, LoadResString(103));
    EXPECT_EQ(gDatosTip1().P1_NUP(), 7);
    EXPECT_EQ(T("txtp1nup"), "7");
    EXPECT_EQ(gDatosTip1().P1_CAL(), "CALLE MIXTA");
}

TEST_F(Vivienda, CurrencySwitchReadsTheZoneRowAgain)
{
    Abrir();
    Localizar("CALLE MAYOR", "8");  // zone 2: a row in euro cents
    EXPECT_DOUBLE_EQ(gDatosTip1().P1_VRR(), 49916);
    EXPECT_EQ(T("txtp1vrr"), "49.916");
    Pulsar("optp1mon(1)");
    EXPECT_EQ(gDatosTip1().P1_MON(), "E");
    EXPECT_DOUBLE_EQ(gDatosTip1().P1_VRR(), 30000);
    EXPECT_EQ(T("txtp1vrr"), "300,00");
    EXPECT_EQ(C<CajaNum>("txtp1vad")->formato(), "##,###,###,##0.00");
    Teclear("txtp1nup", "7");  // zone 1: a row in pesetas
    EXPECT_DOUBLE_EQ(gDatosTip1().P1_CCO(), 48081);
    EXPECT_EQ(T("txtp1cco"), "480,81");
    Pulsar("optp1mon(0)");
    EXPECT_DOUBLE_EQ(gDatosTip1().P1_CCO(), 80000);
    EXPECT_EQ(T("txtp1cco"), "80.000");
    EXPECT_EQ(C<CajaNum>("txtp1vrr")->formato(), "#,###,###");
}

TEST_F(Vivienda, MunicipalityChangeClearsTheLocationAndReloadsTheStreets)
{
    Abrir();
    Localizar("CALLE MAYOR", "7");
    Elegir("cmbp1mun", "ALTZAGA");
    const CDatosTip1& r = gDatosTip1();
    EXPECT_EQ(r.P1_MUN(), "ALTZAGA");
    EXPECT_EQ(r.P1_CAL(), "");
    EXPECT_EQ(r.P1_NUP(), 0);
    EXPECT_EQ(r.P1_NUR(), 0);
    EXPECT_DOUBLE_EQ(r.P1_VAF(), 0);
    EXPECT_EQ(r.P1_AÑOP(), 2016);
    // Update factors of 2017 to 2025: 1,03^3 x 1,02^2 x 1,04 x 1,05 x 1,03^2.
    EXPECT_DOUBLE_EQ(r.P1_COA(), 1.317071);
    EXPECT_EQ(T("txtp1coa"), "1,317071");
    EXPECT_EQ(C<ComboBox>("cmbp1cal")->ListCount(), 8);  // the 2007 list of ALTZAGA
    EXPECT_FALSE(C("cmdimprimir")->isEnabled());
    // The same municipality again changes nothing.
    Elegir("cmbp1cal", "KALE NAGUSIA");
    Teclear("txtp1nup", "3");
    const double valor = r.P1_VAF();
    C<ComboBox>("cmbp1mun")->SetListIndex(-1);
    Elegir("cmbp1mun", "ALTZAGA");
    EXPECT_EQ(r.P1_CAL(), "KALE NAGUSIA");
    EXPECT_DOUBLE_EQ(r.P1_VAF(), valor);
}

TEST_F(Vivienda, FailingLookupLeavesTheRecordAsItWas)
{
    Abrir();
    Localizar("CALLE MAYOR", "7");
    const CDatosTip1 antes = gDatosTip1();
    MsgBoxSeam::Clear();
    db_.Execute(QStringLiteral("UPDATE t07_residencial SET t07_vrr = 'abc' WHERE t07_codmun = 9 AND t07_zoncod = 899"));
    Elegir("cmbp1cal", "CALLE NUEVA");  // zone 899, whose value is now no number
    ASSERT_EQ(MsgBoxSeam::Shown().size(), 1);
    EXPECT_EQ(MsgBoxSeam::Shown()[0].style, 48);
    EXPECT_TRUE(MsgBoxSeam::Shown()[0].text.contains("abc"));
    const CDatosTip1& r = gDatosTip1();
    EXPECT_EQ(r.P1_CAL(), "CALLE MAYOR");
    EXPECT_EQ(r.P1_NUR(), antes.P1_NUR());
    EXPECT_DOUBLE_EQ(r.P1_VAF(), antes.P1_VAF());
    EXPECT_EQ(T("cmbp1cal"), "CALLE MAYOR");
    EXPECT_EQ(T("txtp1nur"), "1");
    // The window goes on working.
    Teclear("txtp1nup", "8");
    EXPECT_EQ(r.P1_NUR(), 2);
}

TEST_F(Vivienda, PercentageUpTo100)
{
    Abrir();
    Localizar("CALLE MAYOR", "7");
    const double entero = gDatosTip1().P1_VAF();
    Teclear("txtp1pti", "50");
    EXPECT_TRUE(MsgBoxSeam::Shown().isEmpty());
    EXPECT_DOUBLE_EQ(gDatosTip1().P1_PTI(), 50);
    EXPECT_DOUBLE_EQ(gDatosTip1().P1_VAF(), std::round(entero / 2));
    Teclear("txtp1pti", "100,01");
    ASSERT_EQ(MsgBoxSeam::Shown().size(), 1);
    EXPECT_EQ(MsgBoxSeam::Shown()[0].text, LoadResString(110));
    EXPECT_EQ(MsgBoxSeam::Shown()[0].title, LoadResString(50));
    EXPECT_EQ(T("txtp1pti"), "50,00");
    EXPECT_EQ(C<CajaNum>("txtp1pti")->valor(), "50,00");
    Teclear("txtp1pti", "");
    EXPECT_EQ(T("txtp1pti"), "50,00");
    Teclear("txtp1pti", "100");
    EXPECT_EQ(MsgBoxSeam::Shown().size(), 1);
    EXPECT_DOUBLE_EQ(gDatosTip1().P1_VAF(), entero);
}

}  // namespace

namespace {

TEST_F(Vivienda, TypedMunicipalitySelectsTheFirstThatBeginsWithIt)
{
    Abrir();
    // Keys as the system delivers them: to the open list while it is shown.
    auto destino = [] {
        QWidget* p = QApplication::activePopupWidget();
        return p ? (p->focusWidget() ? p->focusWidget() : p) : QApplication::focusWidget();
    };
    auto letras = [&](const char* texto) {
        for (const char* c = texto; *c; ++c) {
            QTest::keyClick(destino(), *c);
            ProcessEvents();
        }
    };
    auto tecla = [&](Qt::Key k) {
        QTest::keyClick(destino(), k);
        ProcessEvents();
    };
    FocusControl(C("cmbp1mun"));
    letras("ber");
    EXPECT_NE(QApplication::activePopupWidget(), nullptr);  // typing opened the list
    EXPECT_EQ(T("cmbp1mun"), "ber");                        // and went on in the text
    tecla(Qt::Key_Tab);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(gDatosTip1().P1_MUN(), "BEREZIBAR-ARRIETA");
    EXPECT_EQ(T("cmbp1mun"), "BEREZIBAR-ARRIETA");
    EXPECT_GT(C<ComboBox>("cmbp1cal")->ListCount(), 0);
    // Entering the list selects its text: the typing replaces the municipality shown.
    FocusControl(C("cmbp1mun"));
    letras("alt");
    EXPECT_EQ(T("cmbp1mun"), "alt");
    tecla(Qt::Key_Tab);
    EXPECT_EQ(gDatosTip1().P1_MUN(), "ALTZAGA");
    // A text that begins no municipality puts the stored one back; Enter moves on as Tab.
    FocusControl(C("cmbp1mun"));
    letras("xyz");
    tecla(Qt::Key_Return);
    EXPECT_EQ(gDatosTip1().P1_MUN(), "ALTZAGA");
    EXPECT_EQ(T("cmbp1mun"), "ALTZAGA");
    EXPECT_EQ(FocusedControl(), C("cmbp1cal"));  // one step on, as one Tab
}

// The arrows move in the open list and Enter takes the entry they reach; the focus then
// moves on once, as Tab.
TEST_F(Vivienda, ArrowsAndEnterInTheOpenListChooseTheMunicipality)
{
    Abrir();
    Localizar("CALLE MAYOR", "7");
    auto* municipios = C<ComboBox>("cmbp1mun");
    const int actual = municipios->ListIndex();
    ASSERT_GE(actual, 1);
    FocusControl(municipios);
    municipios->ShowDropDown();
    ProcessEvents();
    QWidget* lista = QApplication::activePopupWidget();
    ASSERT_NE(lista, nullptr);
    QTest::keyClick(lista->focusWidget() ? lista->focusWidget() : lista, Qt::Key_Up);
    ProcessEvents();
    QTest::keyClick(lista->focusWidget() ? lista->focusWidget() : lista, Qt::Key_Return);
    ProcessEvents();
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(gDatosTip1().P1_MUN(), municipios->List(actual - 1));
    EXPECT_EQ(gDatosTip1().P1_CAL(), "");
    EXPECT_GT(C<ComboBox>("cmbp1cal")->ListCount(), 0);
    EXPECT_EQ(FocusedControl(), C("cmbp1cal"));
}

// Any key pressed in a closed list opens it (the key itself goes on into the text), in both
// lists; Enter moves on instead.
TEST_F(Vivienda, KeyPressInAListOpensIt)
{
    Abrir();
    Elegir("cmbp1mun", "PRUEBA");
    const std::pair<const char*, Qt::Key> casos[] = {
        {"cmbp1mun", Qt::Key_A}, {"cmbp1mun", Qt::Key_Backspace}, {"cmbp1mun", Qt::Key_Escape},
        {"cmbp1cal", Qt::Key_C}, {"cmbp1cal", Qt::Key_Escape},
    };
    for (const auto& [lista, tecla] : casos) {
        SCOPED_TRACE(std::string(lista) + " " + std::to_string(tecla));
        auto* combo = C<ComboBox>(lista);
        FocusControl(combo);
        ASSERT_FALSE(combo->view()->isVisible());
        QTest::keyClick(QApplication::focusWidget(), tecla);
        ProcessEvents();
        EXPECT_TRUE(combo->view()->isVisible());
        combo->hidePopup();
        ProcessEvents();
    }
    FocusControl(C("cmbp1mun"));
    PressEnter();
    EXPECT_FALSE(C<ComboBox>("cmbp1mun")->view()->isVisible());
    EXPECT_EQ(FocusedControl(), C("cmbp1cal"));
}

}  // namespace
