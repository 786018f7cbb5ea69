// The street-front shop valuation driven through its window: commercial subzone of the street
// stretch, VRC in the record's currency, fixed construction cost, CL from two exclusive boxes,
// SH, the value chain with its zero guard, zones of 900 and above, dates, percentage, redraw.
#include <QGuiApplication>
#include <gtest/gtest.h>

#include "core/Globals.h"
#include "core/Recursos.h"
#include "core/cConexionDAO.h"
#include "platform/CajaNum.h"
#include "platform/ComboBox.h"
#include "platform/MsgBox.h"
#include "platform/Option.h"
#include "tests/support/DatosPrueba.h"
#include "tests/typologies/test_street_shop_fixture.h"

namespace {

void ExpectSinResultados(const cDatosTip4& r) { EXPECT_EQ(ResultadosDe(r), std::vector<double>(6, 0.0)); }

struct Caso {
    const char* nombre;
    bool euros;  // window switched to euros before locating
    const char* portal;
    int superficie;  // entry of optp4tsu: 0 built, 1 usable
    const char* metros;
    const char* situacion;  // check box ticked, or nullptr
    const char* porcentaje;
    // Record after the valuation.
    const char* nus;
    double vrc, cco, ccl, sho, vad, vac, vco, vaf, vsf, vcf;
    // What the window shows.
    const char* txtVrc;
    const char* txtCco;
    const char* txtCcl;
    const char* txtSho;
    const char* txtVad;
    const char* txtVco;
    const char* txtVaf;
    const char* txtVsf;
    const char* txtVcf;
};

// Worked out by hand from the fixture: COA 1, RP 1,10, CC 40000 pesetas (2025); every step
// rounded to whole pesetas or cents as the record stores it.
// clang-format off
const Caso kCasos[] = {
    // V = (1,1*100000 + 40000*1,38 + 100000*0,38*1,1) * 91 = 207000 * 91 = 18837000;
    // VCO = 20720700; VAF = 10360350 = 0,55 V, so VSF = 0,55 * (1,1*100000*91) = 5505500.
    {"corner, built, odd portal", false, "15", 0, "100", "Chkp4cl2", "50", "A1", 100000, 40000, 1.1, 91, 18837000,
     18837000, 20720700, 10360350, 5505500, 4854850, "100.000", "40.000", "1,10", "91,0000", "18.837.000",
     "20.720.700", "10.360.350", "5.505.500", "4.854.850"},
    // Even portal: B1 30000 cents * 1,66386 = 49916 pesetas; usable 14 m2: SH = 1,8*14 = 25,2;
    // V = (14974,8 + 55200 + 5690,424) * 25,2 = 1911804; land 0,3*49916*25,2 = 377364,96.
    {"basement, usable, even portal", false, "16", 1, "14", "Chkp4cl1", "100", "B1", 49916, 40000, 0.3, 25.2,
     1911804, 1911804, 2102984, 2102984, 415101, 1687883, "49.916", "40.000", "0,30", "25,2000", "1.911.804",
     "2.102.984", "2.102.984", "415.101", "1.687.883"},
    // Euro record: A1 100000 pesetas / 1,66386 = 60101 cents, CC 24040 cents; general CL.
    {"general, built, euros", true, "15", 0, "100", nullptr, "100", "A1", 60101, 24040, 1, 91, 10566427, 10566427,
     11623070, 11623070, 6016110, 5606960, "601,01", "240,40", "1,00", "91,0000", "105.664,27", "116.230,70",
     "116.230,70", "60.161,10", "56.069,60"},
};
// clang-format on

TEST_F(LocalCalle, FullValuationThroughTheWindow)
{
    Abrir();
    for (const Caso& c : kCasos) {
        SCOPED_TRACE(c.nombre);
        Pulsar("cmdlimpiar");
        if (c.euros)
            Pulsar("optp4mon(1)");
        Localizar("CALLE MAYOR", c.portal);
        Pulsar(Tipologia4::Opcion("optp4tsu", c.superficie));
        Teclear("txtp4sbu", c.metros);
        if (c.situacion)
            Pulsar(c.situacion);
        Teclear("txtp4pti", c.porcentaje);

        const cDatosTip4& r = R();
        EXPECT_EQ(r.P4_MUN(), "PRUEBA");
        EXPECT_EQ(r.P4_CAL(), "CALLE MAYOR");
        EXPECT_EQ(r.P4_NUS(), c.nus);
        EXPECT_EQ(r.P4_AÑOP(), 2025);
        EXPECT_DOUBLE_EQ(r.P4_COA(), 1);
        EXPECT_DOUBLE_EQ(r.P4_RP(), 1.1);
        EXPECT_EQ(r.P4_MON(), c.euros ? "E" : "P");
        EXPECT_EQ(r.P4_TSU(), c.superficie == 0 ? "C" : "U");
        EXPECT_EQ(r.P4_CL1(), c.situacion == QLatin1String("Chkp4cl1") ? "X" : "");
        EXPECT_EQ(r.P4_CL2(), c.situacion == QLatin1String("Chkp4cl2") ? "X" : "");
        EXPECT_DOUBLE_EQ(r.P4_VRC(), c.vrc);
        EXPECT_DOUBLE_EQ(r.P4_CCO(), c.cco);
        EXPECT_DOUBLE_EQ(r.P4_CCL(), c.ccl);
        EXPECT_DOUBLE_EQ(r.P4_SHO(), c.sho);
        EXPECT_DOUBLE_EQ(r.P4_VAD(), c.vad);
        EXPECT_DOUBLE_EQ(r.P4_VAC(), c.vac);
        EXPECT_DOUBLE_EQ(r.P4_VCO(), c.vco);
        EXPECT_DOUBLE_EQ(r.P4_VAF(), c.vaf);
        EXPECT_DOUBLE_EQ(r.P4_VSF(), c.vsf);
        EXPECT_DOUBLE_EQ(r.P4_VCF(), c.vcf);

        EXPECT_EQ(T("txtp4nup"), c.portal);
        EXPECT_EQ(T("txtp4nus"), c.nus);
        EXPECT_EQ(T("txtp4vrc"), c.txtVrc);
        EXPECT_EQ(T("txtp4cco"), c.txtCco);
        EXPECT_EQ(T("txtp4ccl"), c.txtCcl);
        EXPECT_EQ(T("txtp4sho"), c.txtSho);
        EXPECT_EQ(T("txtp4vad"), c.txtVad);
        EXPECT_EQ(T("txtp4vac"), c.txtVad);
        EXPECT_EQ(T("txtp4vco"), c.txtVco);
        EXPECT_EQ(T("txtp4vaf"), c.txtVaf);
        EXPECT_EQ(T("txtp4vsf"), c.txtVsf);
        EXPECT_EQ(T("txtp4vcf"), c.txtVcf);
        EXPECT_EQ(T("txtp4añop"), "2025");
        EXPECT_EQ(T("txtp4coa"), "1,000000");
        EXPECT_EQ(T("txtp4rp"), "1,10");
        EXPECT_TRUE(C("cmdimprimir")->isEnabled());
        EXPECT_TRUE(Mensajes().isEmpty());
    }
}

// Built 100 m2 (SH 91), CL 1, 100 %: what each stretch and subzone row gives.
TEST_F(LocalCalle, SubzoneOfTheStretchAndItsValueRow)
{
    struct Tramo {
        const char* calle;
        const char* portal;
        const char* nus;  // subzone kept in the record and shown
        double vrc;
        double vaf;  // 0: the six results are 0 and "Imprimir" is off
    };
    const Tramo tramos[] = {
        {"CALLE NUEVA", "3", "C1", 50000, 12432420},       // zone 899 is valued
        {"CALLE EURO", "5", "E1", 1664, 5755382},          // 1000 cents = 1663,86 pesetas
        {"CALLE BLANCOS", "5", "P1", 1000, 5663658},       // " P " is pesetas
        {"CALLE SIN MONEDA", "5", "X9", 601, 5608541},     // read as cents; CC stays in pesetas
        {"CALLE O'DONNELL", "5", "O'1", 80000, 16576560},  // the apostrophe is doubled, not lost
        {"CALLE SIN VALOR", "5", "", 0, 0},                // no value row: subzone emptied
        {"CALLE MAYOR", "101", "", 0, 0},                  // no stretch holds the portal
        {"CALLE ROTA", "5", "", 0, 0},                     // zone code "X1": no stretch
        {"CALLE NULA", "5", "N1", 0, 0},                   // a row without value: 0
    };
    Abrir();
    Pulsar("optp4tsu(0)");
    Teclear("txtp4sbu", "100");
    for (const Tramo& t : tramos) {
        SCOPED_TRACE(t.calle);
        Localizar("CALLE MAYOR", "15");
        ASSERT_NE(R().P4_VAF(), 0);
        Localizar(t.calle, t.portal);
        const cDatosTip4& r = R();
        EXPECT_EQ(r.P4_CAL(), t.calle);
        EXPECT_EQ(r.P4_NUS(), t.nus);
        EXPECT_EQ(T("txtp4nus"), t.nus);
        EXPECT_DOUBLE_EQ(r.P4_VRC(), t.vrc);
        EXPECT_DOUBLE_EQ(r.P4_CCO(), 40000);
        EXPECT_EQ(T("txtp4cco"), "40.000");
        EXPECT_DOUBLE_EQ(r.P4_VAF(), t.vaf);
        if (t.vaf == 0) {
            ExpectSinResultados(r);
            EXPECT_EQ(T("txtp4vrc"), "");
            EXPECT_EQ(T("txtp4vaf"), "");
        }
        EXPECT_EQ(C("cmdimprimir")->isEnabled(), t.vaf != 0);
        EXPECT_TRUE(Mensajes().isEmpty());
    }

    // The statements: the portal's parity picks the range; the subzone is quoted.
    Localizar("CALLE MAYOR", "15");
    const QStringList impar = Sentencias([&] {
        Teclear("txtp4nup", "15");
        Teclear("txtp4nup", "17");
    });
    EXPECT_EQ(impar, (QStringList{
                         "select  t06_zoncod,t06_szncod from t06_calles_datos where t06_codmun=9 and t06_codcal=10 "
                         "And t06_ano=1999 And t06_ver=1 and t06_impinf<=17 and t06_impsup>=17",
                         "select  t08_mone,t08_vrc from t08_comercial where t08_codmun=9 and t08_szncod='A1' "
                         "And t08_ano=2025",
                     }));
    const QStringList par = Sentencias([&] { Teclear("txtp4nup", "16"); });
    ASSERT_EQ(par.size(), 2);
    EXPECT_EQ(par[0], "select  t06_zoncod,t06_szncod from t06_calles_datos where t06_codmun=9 and t06_codcal=10 "
                      "And t06_ano=1999 And t06_ver=1 and t06_parinf<=16 and t06_parsup>=16");
    EXPECT_EQ(R().P4_NUS(), "B1");
    const QStringList apostrofo = Sentencias([&] { Elegir("cmbp4cal", "CALLE O'DONNELL"); });
    ASSERT_EQ(apostrofo.size(), 2);
    EXPECT_EQ(apostrofo[1], "select  t08_mone,t08_vrc from t08_comercial where t08_codmun=9 and t08_szncod='O''1' "
                            "And t08_ano=2025");
}

TEST_F(LocalCalle, ZonesOf900AndAboveAreRefused)
{
    Abrir();
    Localizar("CALLE NUEVA", "3");
    Teclear("txtp4sbu", "100");
    ASSERT_EQ(R().P4_NUS(), "C1");
    const cDatosTip4 antes = R();
    ASSERT_NE(antes.P4_VAF(), 0);

    // By the street (zone 900) and by the portal (zone " 950 " of the even side): message 133
    // with the program's title, the previous street, portal and valuation back, focus on the
    // portal.
    for (const char* paso : {"street", "portal"}) {
        SCOPED_TRACE(paso);
        MsgBoxSeam::Clear();
        if (paso == QLatin1String("street"))
            Elegir("cmbp4cal", "POLIGONO");
        else
            Teclear("txtp4nup", "4");
        ASSERT_TRUE(UnMensaje("No puede valorarse locales situados en zonas 9xx", 0,
                              QGuiApplication::applicationDisplayName()));
        const cDatosTip4& r = R();
        EXPECT_EQ(r.P4_CAL(), "CALLE NUEVA");
        EXPECT_EQ(r.P4_NUP(), 3);
        EXPECT_EQ(r.P4_NUS(), "C1");
        EXPECT_DOUBLE_EQ(r.P4_VRC(), antes.P4_VRC());
        EXPECT_DOUBLE_EQ(r.P4_VAF(), antes.P4_VAF());
        EXPECT_EQ(T("cmbp4cal"), "CALLE NUEVA");
        EXPECT_EQ(T("txtp4nup"), "3");
        EXPECT_EQ(FocusedControl(), C("txtp4nup"));
    }

    // The first street chosen after the portal is refused: no street, the portal kept.
    Pulsar("cmdlimpiar");
    MsgBoxSeam::Clear();
    Elegir("cmbp4mun", "PRUEBA");
    Teclear("txtp4nup", "4");
    Elegir("cmbp4cal", "POLIGONO");
    ASSERT_EQ(Mensajes().size(), 1);
    EXPECT_EQ(R().P4_CAL(), "");
    EXPECT_EQ(T("cmbp4cal"), "");
    EXPECT_EQ(R().P4_NUP(), 4);
    EXPECT_EQ(T("txtp4nup"), "4");
    ExpectSinResultados(R());
}

TEST_F(LocalCalle, SurfaceAndSituationCoefficients)
{
    Abrir();
    struct Sh {
        const char* metros;
        int superficie;
        const char* sh;
    };
    // Built: the smaller of 0,65 S + 26 and 1,7 S; usable: of 0,68 S + 26 and 1,8 S.
    const Sh superficies[] = {{"100", 0, "91,0000"}, {"100", 1, "94,0000"}, {"14", 0, "23,8000"}, {"14", 1, "25,2000"}};
    for (const Sh& s : superficies) {
        Pulsar(Tipologia4::Opcion("optp4tsu", s.superficie));
        Teclear("txtp4sbu", s.metros);
        EXPECT_EQ(T("txtp4sho"), s.sh) << s.metros << " " << s.superficie;
    }
    EXPECT_DOUBLE_EQ(R().P4_SHO(), 25.2);
    R().setP4_SBU(0);
    QString clase, tipo = QStringLiteral("C");
    EXPECT_EQ(ventana_->Superficie().CalcularSH(clase, tipo), 0);

    // CL from the boxes; a tick unticks the other box and clears its flag.
    struct Clic {
        const char* casilla;
        int cl1, cl2;
        const char* ccl;
    };
    const Clic clics[] = {
        {"Chkp4cl2", 0, 1, "1,10"},
        {"Chkp4cl1", 1, 0, "0,30"},
        {"Chkp4cl2", 0, 1, "1,10"},
        {"Chkp4cl2", 0, 0, "1,00"},
    };
    for (const Clic& c : clics) {
        SCOPED_TRACE(c.casilla);
        Pulsar(c.casilla);
        EXPECT_EQ(C<CheckBox>("Chkp4cl1")->Value(), c.cl1);
        EXPECT_EQ(C<CheckBox>("Chkp4cl2")->Value(), c.cl2);
        EXPECT_EQ(R().P4_CL1(), c.cl1 ? "X" : "");
        EXPECT_EQ(R().P4_CL2(), c.cl2 ? "X" : "");
        EXPECT_EQ(T("txtp4ccl"), c.ccl);
    }
    EXPECT_DOUBLE_EQ(R().P4_CCL(), 1.0);

    // Without a located shop a coefficient only changes itself; with one the chain follows.
    ExpectSinResultados(R());
    Localizar("CALLE MAYOR", "15");
    Pulsar("optp4tsu(0)");
    Teclear("txtp4sbu", "100");
    EXPECT_DOUBLE_EQ(R().P4_VAD(), 17581200);  // (100000 + 55200 + 38000) * 91
    Pulsar("Chkp4cl2");
    EXPECT_DOUBLE_EQ(R().P4_VAD(), 18837000);  // (110000 + 55200 + 41800) * 91
    Pulsar("optp4tsu(1)");
    EXPECT_DOUBLE_EQ(R().P4_VAD(), 19458000);  // 207000 * 94
    EXPECT_TRUE(Mensajes().isEmpty());
}

TEST_F(LocalCalle, ConstructionCostFollowsTheYearAndTheRecordsCurrency)
{
    struct Coste {
        int32_t fecha;
        const char* moneda;
        double cco;
        const char* texto;
    };
    // clang-format off
    const Coste costes[] = {
        {19990615, "P", 35000, "35.000"}, {20250101, "P", 40000, "40.000"},
        {19990615, "E", 21035, "210,35"}, {20250101, "E", 24040, "240,40"},
    };
    // clang-format on
    Abrir();
    for (const Coste& c : costes) {
        SCOPED_TRACE(c.fecha);
        gEntrada().setP_FECV(c.fecha);
        gEntrada().setP_MON(QString::fromLatin1(c.moneda));
        Pulsar("cmdlimpiar");
        const cDatosTip4& r = R();
        EXPECT_DOUBLE_EQ(r.P4_CCO(), c.cco);
        EXPECT_EQ(T("txtp4cco"), c.texto);
        // The other defaults of an emptied record.
        EXPECT_EQ(r.P4_EJER(), c.fecha / 10000);
        EXPECT_EQ(r.P4_TSU(), "U");
        EXPECT_DOUBLE_EQ(r.P4_CCL(), 1);
        EXPECT_EQ(T("txtp4ccl"), "1,00");
        EXPECT_DOUBLE_EQ(r.P4_PTI(), 100);
        EXPECT_EQ(T("txtp4pti"), "100,00");
        EXPECT_EQ(r.P4_MON(), c.moneda);
        EXPECT_TRUE(C<OptionButton>("optp4tsu(1)")->Value());
    }

    // No municipality: a change of currency sets only CC, and reads no value row.
    gEntrada().setP_MON(QStringLiteral("P"));
    gEntrada().setP_FECV(20250101);
    Pulsar("cmdlimpiar");
    const QStringList sinMunicipio = Sentencias([&] { Pulsar("optp4mon(1)"); });
    EXPECT_TRUE(sinMunicipio.filter("t08_comercial").isEmpty()) << sinMunicipio.join('\n').toStdString();
    EXPECT_DOUBLE_EQ(R().P4_CCO(), 24040);
    EXPECT_DOUBLE_EQ(R().P4_VRC(), 0);
    Pulsar("optp4mon(0)");
    EXPECT_DOUBLE_EQ(R().P4_CCO(), 40000);

    // Located: the currency switch reads the row again and derives everything anew.
    Localizar("CALLE MAYOR", "15");
    Pulsar("optp4tsu(0)");
    Teclear("txtp4sbu", "100");
    Pulsar("optp4mon(1)");
    EXPECT_DOUBLE_EQ(R().P4_VRC(), 60101);
    EXPECT_DOUBLE_EQ(R().P4_CCO(), 24040);
    EXPECT_DOUBLE_EQ(R().P4_VAF(), 11623070);  // as the euro case of the full valuation
    EXPECT_EQ(T("txtp4vrc"), "601,01");
    Pulsar("optp4mon(0)");
    EXPECT_DOUBLE_EQ(R().P4_VRC(), 100000);
    EXPECT_DOUBLE_EQ(R().P4_CCO(), 40000);

    // A row in cents does not turn the cost of a peseta record into cents, nor a row of a
    // currency with blanks that of a euro record into pesetas.
    Elegir("cmbp4cal", "CALLE EURO");
    EXPECT_DOUBLE_EQ(R().P4_CCO(), 40000);
    Pulsar("optp4mon(1)");
    Elegir("cmbp4cal", "CALLE BLANCOS");
    EXPECT_DOUBLE_EQ(R().P4_VRC(), 601);
    EXPECT_DOUBLE_EQ(R().P4_CCO(), 24040);
    EXPECT_DOUBLE_EQ(R().P4_VAF(), 3403859);
    EXPECT_TRUE(Mensajes().isEmpty());
}

TEST_F(LocalCalle, AValueThatIsNoNumberFailsTheLookupAndChangesNothing)
{
    Abrir();
    Localizar("CALLE MAYOR", "15");
    Teclear("txtp4sbu", "100");
    const cDatosTip4 antes = R();
    ASSERT_NE(antes.P4_VAF(), 0);
    Elegir("cmbp4cal", "CALLE MALA");
    ASSERT_EQ(Mensajes().size(), 1);
    EXPECT_EQ(Mensajes()[0].style, 48);
    EXPECT_TRUE(Mensajes()[0].text.contains("abc")) << Mensajes()[0].text.toStdString();
    const cDatosTip4& r = R();
    EXPECT_EQ(r.P4_CAL(), "CALLE MAYOR");
    EXPECT_EQ(r.P4_NUS(), "A1");
    EXPECT_DOUBLE_EQ(r.P4_VRC(), antes.P4_VRC());
    EXPECT_DOUBLE_EQ(r.P4_VAF(), antes.P4_VAF());
    EXPECT_EQ(T("txtp4nus"), "A1");
    EXPECT_EQ(T("cmbp4cal"), "CALLE MAYOR");
    // The window goes on working.
    Teclear("txtp4nup", "16");
    EXPECT_EQ(R().P4_NUS(), "B1");
    EXPECT_EQ(Mensajes().size(), 1);
}

// The surface and the percentage compare the number typed with the stored one: the same number,
// however it is written, is not taken (the box keeps it as typed, nothing is recomputed); any
// other number is.
TEST_F(LocalCalle, TheSameNumberTypedAgainIsNotTaken)
{
    Abrir();
    Localizar("CALLE MAYOR", "15");
    Teclear("txtp4sbu", "100");
    const double vaf = R().P4_VAF();
    ASSERT_NE(vaf, 0);
    for (const char* caja : {"txtp4sbu", "txtp4pti"}) {
        for (const char* texto : {"100", "100,0", "100,00"}) {
            SCOPED_TRACE(std::string(caja) + " " + texto);
            R().setP4_VAF(1);
            Teclear(caja, texto);
            EXPECT_EQ(T(caja), texto);
            EXPECT_DOUBLE_EQ(R().P4_VAF(), 1);
        }
    }
    Teclear("txtp4sbu", "100,5");
    EXPECT_EQ(T("txtp4sbu"), "100,50");
    EXPECT_DOUBLE_EQ(R().P4_SBU(), 100.5);
    EXPECT_GT(R().P4_VAF(), vaf);
    EXPECT_TRUE(Mensajes().isEmpty());
}

TEST_F(LocalCalle, PercentageAndValuationDate)
{
    Abrir();
    Localizar("CALLE MAYOR", "15");
    Teclear("txtp4sbu", "100");
    Teclear("txtp4pti", "50");
    EXPECT_DOUBLE_EQ(R().P4_PTI(), 50);
    const double mitad = R().P4_VAF();
    Teclear("txtp4pti", "100,01");
    ASSERT_TRUE(UnMensaje("Valor no Válido", 48, "Error en la Introducción de Datos"));
    EXPECT_EQ(T("txtp4pti"), "50,00");
    EXPECT_DOUBLE_EQ(R().P4_VAF(), mitad);
    Teclear("txtp4pti", "");
    EXPECT_EQ(T("txtp4pti"), "50,00");
    Teclear("txtp4pti", "100");
    EXPECT_EQ(Mensajes().size(), 1);
    EXPECT_DOUBLE_EQ(R().P4_PTI(), 100);
    EXPECT_DOUBLE_EQ(R().P4_VAF(), R().P4_VCO());

    // A date out of range: the range message, the last accepted date back.
    MsgBoxSeam::Clear();
    Teclear("txtp4fecv", "01/01/2028");
    ASSERT_EQ(Mensajes().size(), 1);
    EXPECT_EQ(Mensajes()[0].text,
              "La Fecha de Valoración no puede ser anterior al  01/01/1999\r\n ni posterior al  31/12/2027 .");
    EXPECT_EQ(T("txtp4fecv"), "01/01/2025");
    EXPECT_EQ(FocusedControl(), C("txtp4fecv"));
}

TEST_F(LocalCalle, ADateOfAnotherVersionEmptiesTheRecordAndItsSummary)
{
    // 2006 has two versions: 01/01-30/06 and 01/07-31/12.
    gEntrada().setP_FECV(20060301);
    R().EscribirP4_DES(QStringLiteral("Local comercial en planta baja, fachada"), 0);
    Abrir();
    EXPECT_EQ(T("txtdescrip"), "Local comercial en planta baja");
    Localizar("CALLE MAYOR", "15");
    Teclear("txtp4sbu", "100");
    Pulsar("Chkp4cl1");
    ASSERT_EQ(R().P4_AÑOP(), 1999);
    ASSERT_NE(R().P4_VAF(), 0);

    // The same version: the location stays and the chain is computed again.
    Teclear("txtp4fecv", "01/04/2006");
    EXPECT_EQ(R().P4_FECV(), 20060401);
    EXPECT_EQ(R().P4_CAL(), "CALLE MAYOR");
    EXPECT_NE(R().P4_VAF(), 0);

    Teclear("txtp4fecv", "15/08/2006");
    const cDatosTip4& r = R();
    EXPECT_EQ(r.P4_FECV(), 20060815);
    EXPECT_EQ(r.P4_EJER(), 2006);
    EXPECT_EQ(r.P4_VER(), 2);
    EXPECT_EQ(r.P4_MUN(), "");
    EXPECT_EQ(r.P4_CAL(), "");
    EXPECT_EQ(r.P4_NUS(), "");
    EXPECT_EQ(r.P4_CL1(), "");
    EXPECT_DOUBLE_EQ(r.P4_CCL(), 1);
    EXPECT_DOUBLE_EQ(r.P4_SBU(), 0);
    EXPECT_DOUBLE_EQ(r.P4_VRC(), 0);
    ExpectSinResultados(r);
    EXPECT_DOUBLE_EQ(r.P4_CCO(), 40000);
    EXPECT_EQ(r.P4_DES(0), "");
    EXPECT_EQ(T("txtdescrip"), "");
    EXPECT_EQ(T("cmbp4mun"), "");
    EXPECT_EQ(C<CheckBox>("Chkp4cl1")->Value(), 0);
    EXPECT_FALSE(C("cmdimprimir")->isEnabled());
    EXPECT_TRUE(Mensajes().isEmpty());
}

TEST_F(LocalCalle, CaptionsSubzoneBoxAndClear)
{
    Abrir();
    EXPECT_EQ(ventana_->windowTitle(), "Local Comercial con acceso directo a la Vía Pública en Zona Residencial");
    EXPECT_EQ(T("Chkp4cl2"), "Esquina con 2 vías públicas");
    EXPECT_EQ(C("Chkp4cl2")->toolTip(), "Esquina con 2 vías públicas");
    EXPECT_EQ(C("Chkp4cl1")->toolTip(), "En sótano");
    EXPECT_EQ(T("Label15"), "= V = [ VRC * CL + (1,38 * CC + 0,38 * VRC * CL) ] * SH");
    EXPECT_EQ(T("Label5"), "Valor Repercusión Comercial");
    EXPECT_EQ(T("Label4"), "Subzona Comercial");
    EXPECT_EQ(T("Frame2"), "Tipo superficie");
    EXPECT_EQ(T("Frame3"), "Superficie en metros");
    EXPECT_EQ(T("Frame4"), "Superficie homogeneizada");
    EXPECT_EQ(T("Frame7"), "Resultado de la valoración");
    EXPECT_EQ(T("Label24"), T("Label25"));
    EXPECT_EQ(C("cmdsalir")->toolTip(), "Volver al Panel Inicial");

    // The subzone box passes the focus on.
    Localizar("CALLE MAYOR", "15");
    Teclear("txtp4sbu", "100");
    MsgBoxSeam::Clear();
    ClickControl(C("txtp4nus"));
    ProcessEvents();
    EXPECT_NE(FocusedControl(), C("txtp4nus"));
    EXPECT_TRUE(Mensajes().isEmpty());

    // "Limpiar": the record's defaults, an empty street list, the portal no longer holds the focus.
    Pulsar("cmdlimpiar");
    EXPECT_EQ(C<ComboBox>("cmbp4cal")->ListCount(), 0);
    EXPECT_EQ(R().P4_CAL(), "");
    EXPECT_EQ(T("txtp4nus"), "");
    ExpectSinResultados(R());

    // Basque: captions of the Basque tables.
    gEntrada().setP_IDI(QStringLiteral("E"));
    ventana_->Unload();
    Abrir();
    EXPECT_EQ(ventana_->windowTitle(), "Lokal komertziala, kaleko zuzeneko irteera duena, etxegunean");
    EXPECT_EQ(T("Label15"), "= B = [ BEM * KL + (1,38 * EK + 0,38 * BEM * KL) ] * AH");
    EXPECT_EQ(T("optp4mon(0)"), "Pezeta");
    EXPECT_EQ(T("optp4mon(1)"), "Euroa");
    EXPECT_EQ(T("Chkp4cl2"), "Bi kaletako ertza");
}

TEST_F(LocalCalle, ReopenedTheWindowShowsTheLastValuation)
{
    Abrir();
    Localizar("CALLE MAYOR", "15");
    Teclear("txtp4sbu", "100");
    Pulsar("Chkp4cl2");
    const cDatosTip4 antes = R();
    Pulsar("cmdsalir");
    ASSERT_FALSE(ventana_->IsLoaded());
    Abrir();
    EXPECT_EQ(T("cmbp4cal"), "CALLE MAYOR");
    EXPECT_GE(C<ComboBox>("cmbp4cal")->ListIndex(), 0);
    EXPECT_EQ(C<CheckBox>("Chkp4cl2")->Value(), 1);
    EXPECT_EQ(T("txtp4nus"), "A1");
    EXPECT_EQ(T("txtp4vaf"), "21.403.800");  // 207000 * 94 * 1,1
    EXPECT_DOUBLE_EQ(R().P4_VAF(), antes.P4_VAF());
    // A new portal is looked up in the record's street.
    Teclear("txtp4nup", "16");
    EXPECT_EQ(R().P4_NUS(), "B1");
    EXPECT_TRUE(Mensajes().isEmpty());
}

}  // namespace
