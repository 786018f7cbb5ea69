// The storage-room valuation driven through its window: coefficients, fixed construction cost,
// value chain with its zero guard, age, date checks, percentage, zone refusals, skipped
// lookup failures and the redraw.
#include <QTemporaryDir>
#include <QGuiApplication>
#include <cmath>
#include <gtest/gtest.h>

#include "core/Globals.h"
#include "core/Recursos.h"
#include "platform/CajaNum.h"
#include "platform/ComboBox.h"
#include "platform/Help.h"
#include "platform/MsgBox.h"
#include "platform/Option.h"
#include "platform/Printer.h"
#include "tests/support/FixtureTipologia.h"
#include "tests/support/PdfTexto.h"
#include "typologies/storage_room/Tipologia2.h"

namespace {

// The window on a copy of the demo database with a small municipality of round numbers
// (PRUEBA, code 9): ponencia and valuation year 2025 (update coefficient 1, RP 1,10) and
//
//   street        odd portals 1-99   even portals 0-98
//   CALLE MAYOR   zone 1             zone 2
//   CALLE NUEVA   zone 899           zone 899
//   POLIGONO      zone 900           zone 900
//   CALLE ROTA    zone "X1"          zone "X1"     (not a zone code)
//   CALLE CERO    zone 3             zone 3
//   CALLE MALA    zone 4             zone 4
//   CALLE VIEJA   zone 5             zone 5
//
//   zone 1 "ZONA UNO" pesetas VRR 100000; zone 2 "ZONA DOS" euro cents VRR 30000;
//   zone 3 "ZONA CERO" VRR 0; zone 4 "ZONA MALA" VRR "abc" (not a number);
//   zone 5 "ZONA VIEJA" VRR 100000 with no currency stated;
//   zone 899 "ZONA 899" pesetas VRR 50000.
//
// Settings: Spanish, pesetas, valuation date 01/01/2025.
class Trastero : public FixtureTipologia<Tipologia2> {
protected:
    Trastero()
        : FixtureTipologia(PreparacionTipologia{
              2,
              20250101,
              QStringLiteral("cmdDescripcion"),
              {
                  "INSERT INTO t03_municipios VALUES (2010, 9, 'PRUEBA')",
                  "INSERT INTO t04_ponencias VALUES (2025, 9)",
                  "INSERT INTO t05_calles_nombre VALUES (9, 2010, 1, 10, 'CALLE MAYOR'), (9, 2010, 1, 20, 'CALLE NUEVA'),"
                  " (9, 2010, 1, 30, 'POLIGONO'), (9, 2010, 1, 40, 'CALLE ROTA'), (9, 2010, 1, 60, 'CALLE CERO'),"
                  " (9, 2010, 1, 70, 'CALLE MALA'), (9, 2010, 1, 80, 'CALLE VIEJA')",
                  "INSERT INTO t06_calles_datos VALUES"
                  " (9, 10, 2010, 1, NULL, NULL, 1, 99, '1', 'A1'), (9, 10, 2010, 1, 0, 98, NULL, NULL, '2', 'A1'),"
                  " (9, 20, 2010, 1, 0, 98, 1, 99, '899', 'A1'), (9, 30, 2010, 1, 0, 98, 1, 99, '900', 'A1'),"
                  " (9, 40, 2010, 1, 0, 98, 1, 99, 'X1', 'A1'), (9, 60, 2010, 1, 0, 98, 1, 99, '3', 'A1'),"
                  " (9, 70, 2010, 1, 0, 98, 1, 99, '4', 'A1'), (9, 80, 2010, 1, 0, 98, 1, 99, '5', 'A1')",
                  "INSERT INTO t07_residencial VALUES"
                  " (9, 1, 2025, 'ZONA UNO', 'P', 100000, 80000, 0), (9, 2, 2025, 'ZONA DOS', 'E', 30000, 60000, 0),"
                  " (9, 3, 2025, 'ZONA CERO', 'P', 0, 80000, 0), (9, 4, 2025, 'ZONA MALA', 'P', 'abc', 80000, 0),"
                  " (9, 5, 2025, 'ZONA VIEJA', NULL, 100000, 80000, 0), (9, 899, 2025, 'ZONA 899', 'P', 50000, 50000, 0)",
              }})
    {
    }
};

cDatosTip2& R() { return gDatosTip2(); }

struct Caso {
    const char* nombre;
    bool euros;  // window switched to euros before locating
    const char* calle;
    const char* portal;
    int clase;       // entry of optp2tvi: 0 unifamiliar, 1 plurifamiliar
    int superficie;  // entry of optp2tsu: 0 built, 1 usable
    const char* metros;
    bool sotano;
    const char* anos;        // age in years, or nullptr
    const char* construida;  // construction date (age by date), or nullptr
    const char* porcentaje;
    // Record after the valuation.
    double vrr, cco, ccl, sho, dep;
    int ant;
    double vad, vac, vco, vaf, vsf, vcf;
    // What the window shows.
    const char* txtVrr;
    const char* txtCco;
    const char* txtSho;
    const char* txtVaf;
    const char* txtVcf;
};

// Worked out by hand from the fixture: COA 1, RP 1,10, CC 30000 pesetas (2025); every step
// rounded to whole pesetas or cents as the record stores it.
// clang-format off
const Caso kCasos[] = {
    // SH = 20 * (7 / 25 + 0,6) = 17,6; V = (100000*0,3 + (1,38*30000 + 0,38*100000*0,3)*0,85)*17,6
    // = 1317888; land 100000*0,3*17,6 = 528000; VAF = 1449677 / 2 = 724838,5 -> 724839;
    // VSF = 724839 * 528000 / 1317888 = 290400.
    {"basement, usable, pesetas", false, "CALLE MAYOR", "7", 1, 1, "20", true, "10", nullptr, "50",
     100000, 30000, 0.3, 17.6, 0.85, 10, 1317888, 1317888, 1449677, 724839, 290400, 434439,
     "100.000", "30.000", "17,6000", "724.839", "434.439"},
    // Euro record, euro row: CC 30000 / 1,66386 = 18030 cents; house, built 85,5 m2:
    // SH = 85,5 * (7 / 90,5 + 0,4) = 40,8133; built 01/06/2000 -> 24 years -> 0,66.
    {"house by date, euros", true, "CALLE MAYOR", "8", 0, 0, "85,5", false, nullptr, "01/06/2000", "100",
     30000, 18030, 0.35, 40.8133, 0.66, 24, 1206242, 1206242, 1326866, 1326866, 471394, 855472,
     "300,00", "180,30", "40,8133", "13.268,66", "8.554,72"},
    // Peseta record, euro row: VRR 30000 * 1,66386 = 49916; built 10 m2 -> SH 8,6667; new.
    {"new, built, euro row", false, "CALLE MAYOR", "8", 1, 0, "10", false, nullptr, nullptr, "100",
     49916, 30000, 0.35, 8.6667, 1, 0, 567751, 567751, 624526, 624526, 166554, 457972,
     "49.916", "30.000", "8,6667", "624.526", "457.972"},
};
// clang-format on

TEST_F(Trastero, FullValuationThroughTheWindow)
{
    Abrir();
    for (const Caso& c : kCasos) {
        SCOPED_TRACE(c.nombre);
        Pulsar("cmdlimpiar");
        if (c.euros)
            Pulsar("optp2mon(1)");
        Localizar(c.calle, c.portal);
        Pulsar(Tipologia2::Opcion("optp2tvi", c.clase));
        Pulsar(Tipologia2::Opcion("optp2tsu", c.superficie));
        Teclear("txtp2sbu", c.metros);
        if (c.sotano)
            Pulsar("Chkp2cl1");
        Antiguedad(c.anos, c.construida);
        Teclear("txtp2pti", c.porcentaje);

        const cDatosTip2& r = R();
        EXPECT_EQ(r.P2_MUN(), "PRUEBA");
        EXPECT_EQ(r.P2_CAL(), c.calle);
        EXPECT_EQ(r.P2_AÑOP(), 2025);
        EXPECT_DOUBLE_EQ(r.P2_COA(), 1);
        EXPECT_DOUBLE_EQ(r.P2_RP(), 1.1);
        EXPECT_EQ(r.P2_MON(), c.euros ? "E" : "P");
        EXPECT_EQ(r.P2_CL1(), c.sotano ? "X" : "");
        EXPECT_DOUBLE_EQ(r.P2_VRR(), c.vrr);
        EXPECT_DOUBLE_EQ(r.P2_CCO(), c.cco);
        EXPECT_DOUBLE_EQ(r.P2_CCL(), c.ccl);
        EXPECT_DOUBLE_EQ(r.P2_SHO(), c.sho);
        EXPECT_DOUBLE_EQ(r.P2_DEP(), c.dep);
        EXPECT_EQ(r.P2_ANT(), c.ant);
        EXPECT_DOUBLE_EQ(r.P2_VAD(), c.vad);
        EXPECT_DOUBLE_EQ(r.P2_VAC(), c.vac);
        EXPECT_DOUBLE_EQ(r.P2_VCO(), c.vco);
        EXPECT_DOUBLE_EQ(r.P2_VAF(), c.vaf);
        EXPECT_DOUBLE_EQ(r.P2_VSF(), c.vsf);
        EXPECT_DOUBLE_EQ(r.P2_VCF(), c.vcf);

        EXPECT_EQ(T("txtp2vrr"), c.txtVrr);
        EXPECT_EQ(T("txtp2cco"), c.txtCco);
        EXPECT_EQ(T("txtp2sho"), c.txtSho);
        EXPECT_EQ(T("txtp2vaf"), c.txtVaf);
        EXPECT_EQ(T("txtp2vcf"), c.txtVcf);
        EXPECT_EQ(T("txtp2ccl"), c.sotano ? "0,30" : "0,35");
        EXPECT_EQ(T("txtp2ant"), QString::number(c.ant));
        EXPECT_EQ(T("txtp2añop"), "2025");
        EXPECT_EQ(T("txtp2coa"), "1,000000");
        EXPECT_EQ(T("txtp2rp"), "1,10");
        EXPECT_TRUE(C("cmdimprimir")->isEnabled());
        EXPECT_TRUE(Mensajes().isEmpty());
    }
}

TEST_F(Trastero, WorkedExamplesOfTheCoefficientsAndTheChain)
{
    Abrir();
    // SH by surface type and class.
    struct Sh {
        const char* metros;
        int superficie, clase;
        const char* sh;
    };
    const Sh superficies[] = {
        {"10", 0, 1, "8,6667"},
        {"100", 0, 1, "46,6667"},
        {"100", 1, 1, "66,6667"},
        {"100", 1, 0, "56,6667"},
    };
    for (const Sh& s : superficies) {
        Pulsar(Tipologia2::Opcion("optp2tsu", s.superficie));
        Pulsar(Tipologia2::Opcion("optp2tvi", s.clase));
        Teclear("txtp2sbu", s.metros);
        EXPECT_EQ(T("txtp2sho"), s.sh) << s.metros << " " << s.superficie << s.clase;
    }
    R().setP2_SBU(0);
    QString clase = QStringLiteral("P"), tipo = QStringLiteral("C");
    EXPECT_EQ(ventana_->Superficie().CalcularSH(clase, tipo), 0);

    // CL: 0,30 in a basement, 0,35 otherwise, whatever the class.
    Pulsar("Chkp2cl1");
    EXPECT_DOUBLE_EQ(R().P2_CCL(), 0.3);
    Pulsar("Chkp2cl1");
    EXPECT_DOUBLE_EQ(R().P2_CCL(), 0.35);
    EXPECT_EQ(T("txtp2ccl"), "0,35");

    // The formula: VRR 100000, CL 0,35, CC 30000, (1 - D) 1, SH 10 give
    // V = (35000 + (41400 + 13300)) * 10 = 897000, by either procedure's order of operands.
    cDatosTip2& r = R();
    const auto operandos = [&r] {
        r.setP2_VRR(100000);
        r.setP2_CCL(0.35);
        r.setP2_CCO(30000);
        r.setP2_DEP(1);
        r.setP2_SHO(10);
        r.setP2_COA(1);
        r.setP2_RP(1);
        r.setP2_PTI(100);
    };
    operandos();
    ventana_->CadenaValores();
    EXPECT_DOUBLE_EQ(r.P2_VAD(), 897000);
    EXPECT_DOUBLE_EQ(r.P2_VSF(), 350000);
    EXPECT_DOUBLE_EQ(r.P2_VCF(), 547000);
    // A zone without value: all six results 0 although CC is not.
    r.setP2_VRR(0);
    ventana_->CadenaValores();
    for (double v : {r.P2_VAD(), r.P2_VAC(), r.P2_VCO(), r.P2_VAF(), r.P2_VSF(), r.P2_VCF()})
        EXPECT_EQ(v, 0);
    // The same V through the zone lookup: zone 1 gives VRR 100000, the year 2025 CC 30000.
    Localizar("CALLE MAYOR", "7");
    ASSERT_EQ(r.P2_NUR(), 1);
    operandos();
    r.setP2_VRR(0);
    r.setP2_CCO(0);
    ventana_->CalcularValores();
    EXPECT_DOUBLE_EQ(r.P2_VRR(), 100000);
    EXPECT_DOUBLE_EQ(r.P2_CCO(), 30000);
    EXPECT_DOUBLE_EQ(r.P2_VAD(), 897000);
    EXPECT_DOUBLE_EQ(r.P2_VSF(), 350000);
    EXPECT_DOUBLE_EQ(r.P2_VCF(), 547000);

    // The same guard after a zone lookup: a zone whose value is 0 values nothing.
    Pulsar("cmdlimpiar");
    Localizar("CALLE CERO", "3");
    Teclear("txtp2sbu", "50");
    EXPECT_EQ(r.P2_NUR(), 3);
    EXPECT_DOUBLE_EQ(r.P2_CCO(), 30000);
    EXPECT_EQ(T("txtp2cco"), "30.000");
    for (double v : {r.P2_VAD(), r.P2_VAC(), r.P2_VCO(), r.P2_VAF(), r.P2_VSF(), r.P2_VCF()})
        EXPECT_EQ(v, 0);
    EXPECT_EQ(T("txtp2vaf"), "");
    EXPECT_FALSE(C("cmdimprimir")->isEnabled());
}

TEST_F(Trastero, ConstructionCostByValuationYearAndCurrency)
{
    struct Coste {
        int32_t fecha;
        const char* moneda;
        double cco;
        const char* texto;
    };
    // clang-format off
    const Coste costes[] = {
        {19990615, "P", 28000, "28.000"}, {20250101, "P", 30000, "30.000"},
        {19990615, "E", 16828, "168,28"}, {20250101, "E", 18030, "180,30"},
    };
    // clang-format on
    Abrir();
    for (const Coste& c : costes) {
        SCOPED_TRACE(c.fecha);
        gEntrada().setP_FECV(c.fecha);
        gEntrada().setP_MON(QString::fromLatin1(c.moneda));
        Pulsar("cmdlimpiar");
        const cDatosTip2& r = R();
        EXPECT_DOUBLE_EQ(r.P2_CCO(), c.cco);
        EXPECT_EQ(T("txtp2cco"), c.texto);
        // The other defaults of an emptied record.
        EXPECT_EQ(r.P2_EJER(), c.fecha / 10000);
        EXPECT_DOUBLE_EQ(r.P2_CCL(), 0.35);
        EXPECT_EQ(r.P2_TVI(), "P");
        EXPECT_EQ(r.P2_TSU(), "U");
        EXPECT_DOUBLE_EQ(r.P2_PTI(), 100);
        EXPECT_EQ(r.P2_ANTTIPO(), "A");
        EXPECT_EQ(r.P2_MON(), c.moneda);
        EXPECT_EQ(T("txtp2pti"), "100,00");
        EXPECT_EQ(T("txtp2sbu"), "");
    }

    // A window switched to the other currency, then given a date of another period: the cost
    // is in the record's unit, not in the settings' one.
    gEntrada().setP_MON(QStringLiteral("P"));
    gEntrada().setP_FECV(20250101);
    Pulsar("cmdlimpiar");
    Pulsar("optp2mon(1)");
    EXPECT_DOUBLE_EQ(R().P2_CCO(), 18030);  // no municipality: only the cost follows the currency
    Teclear("txtp2fecv", "15/06/1999");
    EXPECT_EQ(R().P2_EJER(), 1999);
    EXPECT_EQ(R().P2_MON(), "E");
    EXPECT_DOUBLE_EQ(R().P2_CCO(), 16828);
    EXPECT_EQ(T("txtp2cco"), "168,28");
    Pulsar("optp2mon(0)");
    Teclear("txtp2fecv", "01/01/2025");
    EXPECT_DOUBLE_EQ(R().P2_CCO(), 30000);
    EXPECT_EQ(T("txtp2cco"), "30.000");

    // A zone row that states no currency does not turn the fixed cost of a peseta record
    // into cents: the cost is in the record's unit whatever the row says.
    Localizar("CALLE VIEJA", "7");
    EXPECT_EQ(R().P2_NOR(), "ZONA VIEJA");
    EXPECT_DOUBLE_EQ(R().P2_CCO(), 30000);
    EXPECT_EQ(T("txtp2cco"), "30.000");
    Pulsar("optp2mon(1)");
    EXPECT_DOUBLE_EQ(R().P2_CCO(), 18030);
}

TEST_F(Trastero, AgeInYearsAndByConstructionDate)
{
    Abrir();
    Teclear("txtp2fecv", "27/10/2003");
    ASSERT_EQ(R().P2_FECV(), 20031027);
    Teclear("txtp2antd1", "18");
    EXPECT_EQ(R().P2_ANT(), 18);
    EXPECT_DOUBLE_EQ(R().P2_DEP(), 0.73);
    EXPECT_EQ(T("txtp2dep"), "0,7300");

    // By date: the box starts at the valuation date (age 0), the years box is disabled.
    Pulsar("optp2anttipo(1)");
    EXPECT_EQ(T("txtp2antd2"), "27/10/2003");
    EXPECT_EQ(R().P2_ANTTIPO(), "F");
    EXPECT_EQ(R().P2_ANT(), 0);
    EXPECT_EQ(T("txtp2dep"), "1,0000");
    EXPECT_TRUE(C("txtp2antd2")->isVisible());
    EXPECT_TRUE(C("txtp2antd2")->isEnabled());
    EXPECT_TRUE(C("txtp2antd1")->isVisible());
    EXPECT_FALSE(C("txtp2antd1")->isEnabled());
    Teclear("txtp2antd2", "15/03/1985");
    EXPECT_EQ(R().P2_ANTDAT(), 19850315);
    EXPECT_EQ(R().P2_ANT(), 18);
    EXPECT_DOUBLE_EQ(R().P2_DEP(), 0.73);
    EXPECT_EQ(T("txtp2ant"), "18");
    EXPECT_TRUE(Mensajes().isEmpty());

    // Refused construction dates: the previous date comes back, the focus stays, the record
    // is unchanged.
    struct Rechazo {
        const char* fecha;
        QString mensaje;
    };
    const Rechazo rechazos[] = {
        {"28/10/2003", LoadResString(109) + QStringLiteral("27/10/2003")},  // the date follows directly
        {"01/01/1799", LoadResString(108)},
        {"31/02/2001", LoadResString(108)},
    };
    for (const Rechazo& c : rechazos) {
        SCOPED_TRACE(c.fecha);
        MsgBoxSeam::Clear();
        Teclear("txtp2antd2", c.fecha);
        ProcessEvents();
        ASSERT_TRUE(UnMensaje(c.mensaje, 48, LoadResString(50)));
        EXPECT_EQ(T("txtp2antd2"), "15/03/1985");
        EXPECT_EQ(R().P2_ANTDAT(), 19850315);
        EXPECT_EQ(FocusedControl(), C("txtp2antd2"));
    }
    // The valuation date itself is accepted.
    MsgBoxSeam::Clear();
    Teclear("txtp2antd2", "27/10/2003");
    EXPECT_TRUE(Mensajes().isEmpty());
    EXPECT_EQ(R().P2_ANT(), 0);

    // Back to years: the years box is the one enabled, and it starts empty; both are seen.
    Pulsar("optp2anttipo(0)");
    EXPECT_EQ(T("txtp2antd1"), "");
    EXPECT_TRUE(C("txtp2antd1")->isVisible());
    EXPECT_TRUE(C("txtp2antd1")->isEnabled());
    EXPECT_TRUE(C("txtp2antd2")->isVisible());
    EXPECT_FALSE(C("txtp2antd2")->isEnabled());
}

TEST_F(Trastero, ValuationDateChangesEmptyTheValuationAndItsSummary)
{
    R().EscribirP2_DES(QStringLiteral("Trastero numero 4 del sotano segundo"), 0);
    Abrir();
    EXPECT_EQ(T("txtdescrip"), "Trastero numero 4 del sotano s");
    Localizar("CALLE MAYOR", "7");
    Teclear("txtp2sbu", "20");
    ASSERT_NE(R().P2_VAF(), 0);

    // Another valuation period: emptied, defaults of the period, no description left.
    Teclear("txtp2fecv", "15/06/2024");
    const cDatosTip2& r = R();
    EXPECT_EQ(r.P2_EJER(), 2024);
    EXPECT_EQ(r.P2_MUN(), "");
    EXPECT_DOUBLE_EQ(r.P2_SBU(), 0);
    EXPECT_DOUBLE_EQ(r.P2_VAF(), 0);
    EXPECT_DOUBLE_EQ(r.P2_CCO(), 30000);
    EXPECT_EQ(r.P2_DES(0), "");
    EXPECT_EQ(T("txtdescrip"), "");
    EXPECT_FALSE(C("cmdimprimir")->isEnabled());

    // The same period with a construction date now after the valuation date: emptied too.
    R().EscribirP2_DES(QStringLiteral("Otra linea"), 0);
    ventana_->SetTxtDescrip(QStringLiteral("Otra linea"));
    Pulsar("optp2anttipo(1)");
    Teclear("txtp2antd2", "01/06/2024");
    Teclear("txtp2fecv", "02/06/2024");
    EXPECT_EQ(r.P2_ANTTIPO(), "F");
    EXPECT_EQ(r.P2_ANT(), 0);
    Teclear("txtp2fecv", "01/02/2024");
    EXPECT_EQ(r.P2_FECV(), 20240201);
    EXPECT_EQ(r.P2_ANTTIPO(), "A");
    EXPECT_EQ(r.P2_ANTDAT(), 0);
    EXPECT_EQ(T("txtdescrip"), "");

    // Refused valuation dates: the range message with its own separator.
    MsgBoxSeam::Clear();
    Teclear("txtp2fecv", "01/01/1998");
    ASSERT_EQ(Mensajes().size(), 1);
    EXPECT_EQ(Mensajes()[0].text,
              LoadResString(51) + " 01/01/1999\r\n" + LoadResString(112) + " 31/12/2027 " + LoadResString(151));
    EXPECT_EQ(T("txtp2fecv"), "01/02/2024");
    EXPECT_EQ(r.P2_FECV(), 20240201);
}

TEST_F(Trastero, AnotherMunicipalityEmptiesTheLocationButKeepsTheFixedCost)
{
    Abrir();
    Localizar("CALLE MAYOR", "7");
    Teclear("txtp2sbu", "20");
    Pulsar("Chkp2cl1");
    Teclear("txtp2pti", "50");
    ASSERT_NE(R().P2_VAF(), 0);

    Elegir("cmbp2mun", "ALTZAGA");
    const cDatosTip2& r = R();
    EXPECT_EQ(r.P2_MUN(), "ALTZAGA");
    EXPECT_EQ(r.P2_CAL(), "");
    EXPECT_EQ(r.P2_NUP(), 0);
    EXPECT_EQ(r.P2_NUR(), 0);
    EXPECT_EQ(r.P2_NOR(), "");
    EXPECT_DOUBLE_EQ(r.P2_VRR(), 0);
    for (double v : {r.P2_VAD(), r.P2_VAC(), r.P2_VCO(), r.P2_VAF(), r.P2_VSF(), r.P2_VCF()})
        EXPECT_EQ(v, 0);
    // The fixed construction cost is no value of the zone: it stays, and so do the entries.
    EXPECT_DOUBLE_EQ(r.P2_CCO(), 30000);
    EXPECT_EQ(T("txtp2cco"), "30.000");
    EXPECT_DOUBLE_EQ(r.P2_SBU(), 20);
    EXPECT_EQ(r.P2_CL1(), "X");
    EXPECT_DOUBLE_EQ(r.P2_PTI(), 50);
    // The ponencia year of the new municipality and its street list.
    EXPECT_EQ(r.P2_AÑOP(), 2016);
    EXPECT_EQ(T("txtp2añop"), "2016");
    EXPECT_GT(C<ComboBox>("cmbp2cal")->ListCount(), 0);
    EXPECT_EQ(C<ComboBox>("cmbp2cal")->ListIndex(), -1);
    EXPECT_EQ(T("txtp2nup"), "");
    EXPECT_EQ(T("txtp2vaf"), "");
    EXPECT_FALSE(C("cmdimprimir")->isEnabled());
    EXPECT_TRUE(Mensajes().isEmpty());
}

TEST_F(Trastero, PercentageUpTo100)
{
    Abrir();
    Localizar("CALLE MAYOR", "7");
    Teclear("txtp2sbu", "20");
    const double entero = R().P2_VAF();
    Teclear("txtp2pti", "50");
    EXPECT_DOUBLE_EQ(R().P2_PTI(), 50);
    EXPECT_DOUBLE_EQ(R().P2_VAF(), std::round(R().P2_VCO() / 2));
    Teclear("txtp2pti", "100,01");
    ASSERT_TRUE(UnMensaje(LoadResString(110), 48, LoadResString(50)));
    EXPECT_EQ(T("txtp2pti"), "50,00");
    EXPECT_EQ(C<CajaNum>("txtp2pti")->valor(), "50,00");
    EXPECT_DOUBLE_EQ(R().P2_PTI(), 50);
    Teclear("txtp2pti", "");
    EXPECT_EQ(T("txtp2pti"), "50,00");
    Teclear("txtp2pti", "100");
    EXPECT_EQ(Mensajes().size(), 1);
    EXPECT_DOUBLE_EQ(R().P2_VAF(), entero);
}

TEST_F(Trastero, ZoneOf900IsRefusedAnd899Valued)
{
    Abrir();
    Localizar("CALLE NUEVA", "7");
    EXPECT_EQ(R().P2_NUR(), 899);
    EXPECT_DOUBLE_EQ(R().P2_VRR(), 50000);
    const double valor = R().P2_VAF();

    Elegir("cmbp2cal", "POLIGONO");
    ASSERT_TRUE(UnMensaje(LoadResString(103), 0, QGuiApplication::applicationDisplayName()));
    EXPECT_EQ(R().P2_CAL(), "CALLE NUEVA");
    EXPECT_EQ(R().P2_NUP(), 7);
    EXPECT_EQ(R().P2_NUR(), 899);
    EXPECT_DOUBLE_EQ(R().P2_VAF(), valor);
    EXPECT_EQ(T("cmbp2cal"), "CALLE NUEVA");
    EXPECT_EQ(FocusedControl(), C("txtp2nup"));
}

TEST_F(Trastero, LookupFailuresAreSkippedAndValueNothing)
{
    Abrir();
    Localizar("CALLE MAYOR", "7");
    Teclear("txtp2sbu", "20");
    ASSERT_NE(R().P2_VAF(), 0);
    // A stretch whose zone is not a code, and a zone whose value is not a number: no message,
    // no zone value (never the previous zone's), no result.
    for (const char* calle : {"CALLE ROTA", "CALLE MALA"}) {
        SCOPED_TRACE(calle);
        Elegir("cmbp2cal", "CALLE MAYOR");
        ASSERT_NE(R().P2_VAF(), 0);
        Elegir("cmbp2cal", calle);
        EXPECT_TRUE(Mensajes().isEmpty());
        EXPECT_EQ(R().P2_CAL(), calle);
        EXPECT_DOUBLE_EQ(R().P2_VRR(), 0);
        EXPECT_DOUBLE_EQ(R().P2_CCO(), 30000);
        for (double v : {R().P2_VAD(), R().P2_VAC(), R().P2_VCO(), R().P2_VAF(), R().P2_VSF(), R().P2_VCF()})
            EXPECT_EQ(v, 0);
        EXPECT_EQ(T("txtp2vaf"), "");
    }
    EXPECT_EQ(R().P2_NOR(), "ZONA MALA");
    // Outside the zone lookup a failure is reported and leaves the record as it was.
    const cDatosTip2 antes = R();
    Pulsar("optp2mon(1)");
    ASSERT_EQ(Mensajes().size(), 1);
    EXPECT_EQ(Mensajes()[0].style, 48);
    EXPECT_TRUE(Mensajes()[0].text.contains("abc"));
    EXPECT_EQ(R().P2_MON(), "P");
    EXPECT_DOUBLE_EQ(R().P2_CCO(), antes.P2_CCO());
    EXPECT_TRUE(C<OptionButton>("optp2mon(0)")->Value());
    // The window goes on working.
    Elegir("cmbp2cal", "CALLE MAYOR");
    EXPECT_EQ(R().P2_NUR(), 1);
    EXPECT_NE(R().P2_VAF(), 0);
}

// The chain recomputed from the record, the place unchanged, skips its failures too.
TEST_F(Trastero, AChainFromTheRecordThatFailsValuesNothing)
{
    Abrir();
    Localizar("CALLE MAYOR", "7");
    Teclear("txtp2sbu", "20");
    ASSERT_NE(R().P2_VAF(), 0);
    // A surface no box can hold overflows V.
    R().setP2_SHO(1e300);
    EXPECT_NO_THROW(ventana_->RecalcularDesdeRegistro());
    for (double v : {R().P2_VAD(), R().P2_VAC(), R().P2_VCO(), R().P2_VAF(), R().P2_VSF(), R().P2_VCF()})
        EXPECT_EQ(v, 0);
    EXPECT_DOUBLE_EQ(R().P2_VRR(), 100000);
}

TEST_F(Trastero, RedrawFollowsTheRecord)
{
    Abrir();
    // The basement box does not depend on the class.
    Pulsar("optp2tvi(0)");
    Pulsar("Chkp2cl1");
    EXPECT_EQ(R().P2_TVI(), "U");
    EXPECT_EQ(R().P2_CL1(), "X");
    EXPECT_TRUE(C("Chkp2cl1")->isEnabled());
    EXPECT_EQ(C<CheckBox>("Chkp2cl1")->Value(), 1);
    EXPECT_EQ(T("txtp2ccl"), "0,30");

    // Amounts of a euro record shown in euros, zeros as empty boxes, the date box of an age
    // by date without a date showing the empty mask.
    cDatosTip2& r = R();
    r.setP2_MON(QStringLiteral("E"));
    QString moneda = r.P2_MON();
    ventana_->FormatosMoneda(moneda);
    r.setP2_VAF(123);
    r.setP2_VSF(0);
    r.setP2_ANTTIPO(QStringLiteral("F"));
    r.setP2_ANTDAT(0);
    r.setP2_CL1(QString());
    ventana_->PresentaDatos();
    EXPECT_EQ(T("txtp2vaf"), "1,23");
    EXPECT_EQ(T("txtp2vsf"), "");
    EXPECT_TRUE(C<OptionButton>("optp2mon(1)")->Value());
    EXPECT_TRUE(C<OptionButton>("optp2anttipo(1)")->Value());
    EXPECT_EQ(T("txtp2antd2"), "__/__/____");
    EXPECT_TRUE(C("txtp2antd2")->isVisible());
    EXPECT_TRUE(C("txtp2antd2")->isEnabled());
    EXPECT_FALSE(C("txtp2antd1")->isEnabled());
    EXPECT_EQ(C<CheckBox>("Chkp2cl1")->Value(), 0);
    EXPECT_TRUE(C("cmdimprimir")->isEnabled());

    // Reopened over a record with a street: the list is rebuilt and its street selected.
    Pulsar("cmdlimpiar");
    Localizar("CALLE MAYOR", "7");
    Pulsar("cmdsalir");
    ASSERT_FALSE(ventana_->IsLoaded());
    Abrir();
    EXPECT_EQ(T("cmbp2cal"), "CALLE MAYOR");
    EXPECT_GE(C<ComboBox>("cmbp2cal")->ListIndex(), 0);
    Teclear("txtp2nup", "8");
    EXPECT_EQ(R().P2_NUR(), 2);
}

TEST_F(Trastero, CaptionsAndTabOrderInBothLanguages)
{
    Abrir();
    EXPECT_EQ(ventana_->windowTitle(), "Trastero");
    EXPECT_EQ(T("Chkp2cl1"), "En sótano");
    EXPECT_EQ(C("Chkp2cl1")->toolTip(), "En sótano");
    EXPECT_EQ(T("Label24"), T("Label25"));
    // Tab order: the dwelling's without the situation boxes the storage room lacks.
    EXPECT_EQ(C("txtp2sbu")->nextInFocusChain(), C("Chkp2cl1"));
    EXPECT_EQ(C("Chkp2cl1")->nextInFocusChain(), C("optp2anttipo(0)"));

    // In Basque every caption comes from the Basque table.
    gEntrada().setP_IDI(QStringLiteral("E"));
    ventana_->Unload();
    Abrir();
    EXPECT_EQ(ventana_->windowTitle(), LoadResString(10111));
    EXPECT_EQ(T("Chkp2cl1"), LoadResString(10082));
    EXPECT_EQ(T("Frame6"), LoadResString(10081));
    EXPECT_EQ(T("optp2anttipo(1)"), LoadResString(10055));
}

// The report printed from the window in both languages (the pages stay in the temporary folder
// to be looked at): the storage-room heading and the items where its page differs from the
// dwelling's, with the window's own texts around them.
TEST_F(Trastero, ReportInBothLanguages)
{
    R().EscribirP2_DES(QStringLiteral("Trastero 4, planta -2"), 0);
    R().EscribirP2_DES(QStringLiteral("Ref. 77-T"), 3);
    Abrir();
    Localizar("CALLE MAYOR", "7");
    Teclear("txtp2sbu", "20");
    Pulsar("Chkp2cl1");
    Teclear("txtp2antd1", "10");
    Teclear("txtp2pti", "50");
    ASSERT_TRUE(C("cmdimprimir")->isEnabled());

    QTemporaryDir carpeta;
    const QString es = carpeta.filePath(QStringLiteral("informe_trastero_es.pdf"));
    Printer::SetOutputPdfForTests(es);
    Pulsar("cmdimprimir");
    EXPECT_TRUE(Mensajes().isEmpty());
    // clang-format off
    ComprobarPosiciones(es, {
        {"TRASTEROS", Izquierda, 119, 87.5},
        {"COMPROBACIÓN DE VALORES:", Izquierda, 64, 88},
        {"01/01/2025", Izquierda, 100, 103},
        {"Trastero 4, planta -2", Izquierda, 37, 116},
        {"Ref. 77-T", Izquierda, 37, 128},
        {"PRUEBA", Izquierda, 47, 140.5},
        {"CALLE MAYOR", Izquierda, 47, 144.5},
        {"ZONA UNO", Izquierda, 55, 148.5},
        {"100.000", Centro, 95, 154.5},             // VRR box 84-106
        {"30.000", Centro, 159, 154.5},             // CC box 149-169
        {"Útil", Izquierda, 48, 173.5},
        {"Superficie homogeneizada", Izquierda, 103, 174},
        {"SH:", Izquierda, 142, 174},
        {"17,6000", Centro, 160, 173.5},            // SH box 149-171
        {"0,30", Centro, 67, 178.5},                // CL box 62-72
        {"(En sótano)", Izquierda, 97, 178.5},
        {"Valor en año ponencia=", Izquierda, 27, 198},
        {"1.449.677", Derecha, 170, 208.5},
        {"724.839", Derecha, 170, 215.5},
        {"434.439", Derecha, 170, 226.5},
    });
    // clang-format on

    // Basque: captions and date form of the Basque window, the general situation.
    gEntrada().setP_IDI(QStringLiteral("E"));
    ventana_->Unload();
    Abrir();
    Pulsar("Chkp2cl1");
    const QString eu = carpeta.filePath(QStringLiteral("informe_trastero_eu.pdf"));
    Printer::SetOutputPdfForTests(eu);
    Pulsar("cmdimprimir");
    EXPECT_TRUE(Mensajes().isEmpty());
    // clang-format off
    ComprobarPosiciones(eu, {
        {"TRASTELEKUAK", Izquierda, 109, 87.5},
        {"BALIO EGIAZTAPENA:", Izquierda, 69, 88},
        {"2025/01/01", Izquierda, 100, 103},
        {"Trastero 4, planta -2", Izquierda, 37, 116},
        {"100.000", Centro, 98, 154.5},             // VRR box 87-109
        {"Az. homogeneizatua", Izquierda, 113, 174},
        {"AH:", Izquierda, 140, 174},
        {"0,35", Centro, 71, 178.5},                // CL box 66-76
        {"(Orokorra)", Izquierda, 99, 178.5},
        {"Balioa ponentzia urtean=", Izquierda, 27, 198},
    });
    // clang-format on
}

}  // namespace
