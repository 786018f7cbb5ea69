// What every typology window does alike, checked once for each registered window: a row of
// traits per window (its class, title, date messages, help topic, location, zone refusal, tab
// order, age boxes and money boxes) drives one set of checks on a small dataset of the suite's
// own. After each entry the window shows what the record holds, and a refused entry says so.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <algorithm>
#include <memory>

#include "core/Globals.h"
#include "core/Recursos.h"
#include "core/Registros.h"
#include "platform/CajaNum.h"
#include "platform/ComboBox.h"
#include "platform/Help.h"
#include "platform/MaskEdBox.h"
#include "platform/MsgBox.h"
#include "platform/NumberFormat.h"
#include "platform/Printer.h"
#include "tests/support/DatosPrueba.h"
#include "tests/support/FixtureTipologia.h"
#include "tests/support/PdfTexto.h"
#include "typologies/commercial_industrial/Tipologia6.h"
#include "typologies/commercial_residential/Tipologia5.h"
#include "typologies/dwelling/Tipologia1.h"
#include "typologies/industrial_building/Tipologia9.h"
#include "typologies/office_industrial/Tipologia8.h"
#include "typologies/office_residential/Tipologia7.h"
#include "typologies/parking/Tipologia3.h"
#include "typologies/storage_room/Tipologia2.h"
#include "typologies/street_shop/Tipologia4.h"
#include "windows/VentanaTipologia.h"

// Readable failure output.
void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

// The whole database of the suite (written on the bare schema):
//
//   settings: 01/01/2025, Spanish, pesetas; valuation years 2023, 2024 and 2025 (two versions,
//   split at 1 July): dates from 01/01/2023 to 31/12/2025.
//
//   municipality     street         portals   zone  subzone  industrial zones   ponencia
//   L'ARBOLEDA (9)   CALLE D'ALT    0-999     1     A1       PI-1, PI-2         2023
//                    CALLE ALTA     0-999     905   A9
//   OTRO (8)         CALLE OTRA     0-99      1     B1       PI-8, PI-9         2023
//
//   Every zone row is in pesetas: residential VRR 100000, CC 80000, MP 12000 (zone 905 too),
//   commercial VRC 150000, industrial VRI 20000.
const std::vector<const char*> kFilas = {
    "INSERT INTO T01_GENERAL VALUES (20250101, 'C', 'P', 2023, 2025)",
    "INSERT INTO t02_años VALUES (2023, 1, 20230101, 20231231, 1.02, 100), (2024, 1, 20240101, 20241231, 1.03, 110),"
    " (2025, 1, 20250101, 20250630, 1.05, 100), (2025, 2, 20250701, 20251231, 1.04, 100)",
    "INSERT INTO t03_municipios VALUES (2020, 9, 'L''ARBOLEDA'), (2020, 8, 'OTRO')",
    "INSERT INTO t04_ponencias VALUES (2023, 9), (2023, 8)",
    "INSERT INTO t05_calles_nombre VALUES (9, 2020, 1, 10, 'CALLE D''ALT'), (9, 2020, 1, 20, 'CALLE ALTA'),"
    " (8, 2020, 1, 10, 'CALLE OTRA')",
    "INSERT INTO t06_calles_datos VALUES (9, 10, 2020, 1, 0, 998, 1, 999, '1', 'A1'),"
    " (9, 20, 2020, 1, 0, 998, 1, 999, '905', 'A9'), (8, 10, 2020, 1, 0, 98, 1, 99, '1', 'B1')",
    "INSERT INTO t07_residencial VALUES (9, 1, 2023, 'ZONA D''UNO', 'P', 100000, 80000, 12000),"
    " (9, 905, 2023, 'ZONA ALTA', 'P', 100000, 80000, 12000), (8, 1, 2023, 'ZONA OTRA', 'P', 90000, 70000, 10000)",
    "INSERT INTO t08_comercial VALUES (9, 'A1', 2023, 'P', 150000), (9, 'A9', 2023, 'P', 150000),"
    " (8, 'B1', 2023, 'P', 140000)",
    "INSERT INTO t09_industrial VALUES (9, 'PI-1', 2023, 'P', 20000), (9, 'PI-2', 2023, 'P', 25000),"
    " (8, 'PI-8', 2023, 'P', 18000), (8, 'PI-9', 2023, 'P', 19000)",
};

// Every zone amount of L'ARBOLEDA's zone 1, subzone A1 and zone PI-1 becomes 500 euros.
const char* const kZonasEnEuros[] = {
    ("UPDATE t07_residencial SET t07_mone = 'E', t07_vrr = 50000, t07_coscon = 40000, t07_mp = 50000"
     " WHERE t07_codmun = 9 AND t07_zoncod = 1"),
    "UPDATE t08_comercial SET t08_mone = 'E', t08_vrc = 50000 WHERE t08_codmun = 9 AND t08_szncod = 'A1'",
    "UPDATE t09_industrial SET t09_mone = 'E', t09_vri = 50000 WHERE t09_codmun = 9 AND t09_zonind = 'PI-1'",
};

enum class Lugar { CalleZonaResidencial, CalleSubzonaComercial, MunicipioZonaIndustrial };

// How the two age boxes follow the age mode: the box of the other mode is hidden or disabled;
// Ninguna: the window values no age.
enum class Edad { Ninguna, Ocultas, Deshabilitadas };

struct Rasgos {
    int n;
    const char* clase;
    bool (*esDeSuClase)(const Form*);
    int idTitulo;
    int separadorRango;        // resource id between the two dates of the range message
    bool dosPuntosTrasFechaR;  // message 109 is followed by ":" before the date
    const char* ayuda;         // help topic, Spanish and Basque
    const char* laguntza;
    Lugar lugar;
    const char* controlesLugar;  // the location controls, "#" standing for "p<N>"
    const char* valorZona;       // record code of the amount read from the zone row
    int idZona9xx;               // message refusing zones of 900 and above; 0: they are valued
    const char* tabulacion;      // the stops of Enter from the valuation date, round to it again
    Edad edad;
    const char* monedas;  // record codes of the money boxes
    // The record has the version of the valuation year (VER): a date of the year's other
    // version starts the valuation again. Records without it start again only for another year.
    bool version;
    // A surface or percentage typed equal to the stored one is taken again, and so redrawn
    // with the box's pattern ("100" shows "100,00").
    bool tomaValorIgual;
    // A click on the summary box txtdescrip passes the focus on; otherwise the focus stays there.
    bool resumenPasaFoco;
};

void PrintTo(const Rasgos& r, std::ostream* os) { *os << r.clase; }

template <class W>
bool EsDe(const Form* f)
{
    return dynamic_cast<const W*>(f) != nullptr;
}

const char* const kBotones = "cmdsalir cmdlimpiar cmdimprimir cmdayuda txt#fecv";

std::string Nombre(const ::testing::TestParamInfo<Rasgos>& i) { return i.param.clase; }

// The rows, read from each window's table and its own tests.
const Rasgos kRasgos[] = {
    {1, "Tipologia1", &EsDe<Tipologia1>, 53,
     // The dwelling has its own copy of the range separator and puts ":" before the date.
     102, true, "cap31.htm", "kap31.htm", Lugar::CalleZonaResidencial, "cmb#cal txt#nup txt#nur txt#nor", "VRR", 103,
     "txt#fecv cmdDescripcion cmb#mun cmb#cal txt#nup opt#tvi opt#tsu txt#sbu Chkp1cl1 Chkp1cl3 Chkp1cl4 Chkp1cl2 "
     "opt#anttipo txt#antd1 txt#pti opt#mon",
     Edad::Ocultas, "VRR CCO VAD VAC VCO VAF VSF VCF", true, false, true},
    {2, "Tipologia2", &EsDe<Tipologia2>, 111, 112, false, "cap32.htm", "kap32.htm", Lugar::CalleZonaResidencial,
     "cmb#cal txt#nup txt#nur txt#nor", "VRR", 103,
     "txt#fecv cmdDescripcion cmb#mun cmb#cal txt#nup opt#tvi opt#tsu txt#sbu Chkp2cl1 opt#anttipo txt#antd1 txt#pti "
     "opt#mon",
     Edad::Deshabilitadas, "VRR CCO VAD VAC VCO VAF VSF VCF", true, false, true},
    // The garage values zones of 900 and above; its zone name and summary box pass the focus on,
    // and the surface-type pair is disabled for a parking space (the type a new record has), so
    // Enter passes it by.
    {3, "Tipologia3", &EsDe<Tipologia3>, 113, 112, false, "cap33.htm", "kap33.htm", Lugar::CalleZonaResidencial,
     "cmb#cal txt#nup txt#nur txt#nor", "MAP", 0,
     "txt#fecv cmdDescripcion cmb#mun cmb#cal txt#nup opt#tga txt#sbu txt#pti opt#mon", Edad::Ninguna,
     "MAP VAD VAC VCO VAF", true, false, true},
    // The street-front shop's summary box is a stop of its own, after the valuation date, and
    // keeps the focus.
    {4, "Tipologia4", &EsDe<Tipologia4>, 126, 112, false, "cap34.htm", "kap34.htm", Lugar::CalleSubzonaComercial,
     "cmb#cal txt#nup txt#nus", "VRC", 133,
     "txt#fecv txtdescrip cmdDescripcion cmb#mun cmb#cal txt#nup opt#tsu txt#sbu Chkp4cl1 Chkp4cl2 txt#pti opt#mon",
     Edad::Ninguna, "VRC CCO VAD VAC VCO VAF VSF VCF", true, false, false},
    // The shop in a commercial building takes an equal surface or percentage again.
    {5, "Tipologia5", &EsDe<Tipologia5>, 134, 112, false, "cap35.htm", "kap35.htm", Lugar::CalleSubzonaComercial,
     "cmb#cal txt#nup txt#nus", "VRC", 133,
     "txt#fecv cmdDescripcion cmb#mun cmb#cal txt#nup opt#tsu txt#sbu Chkp5cl1 opt#anttipo txt#antd1 txt#pti opt#mon",
     Edad::Deshabilitadas, "VRC CCO VAD VAC VCO VAF VSF VCF", true, true, true},
    // The industrial windows' records have no version of the year. Window 6's summary box is no
    // tab stop, but keeps the focus a click gives it.
    {6, "Tipologia6", &EsDe<Tipologia6>, 137, 112, false, "cap36.htm", "kap36.htm", Lugar::MunicipioZonaIndustrial,
     "cmb#nui", "VRI", 0,
     "txt#fecv cmdDescripcion cmb#mun cmb#nui opt#tsu txt#sbu Chkp6cl1 opt#anttipo txt#antd1 txt#pti opt#mon",
     Edad::Deshabilitadas, "VRI CCO VAD VAC VCO VAF VSF VCF", false, true, false},
    {7, "Tipologia7", &EsDe<Tipologia7>, 143, 112, false, "cap37.htm", "kap37.htm", Lugar::CalleZonaResidencial,
     "cmb#cal txt#nup txt#nur txt#nor", "VRR", 144,
     "txt#fecv cmdDescripcion cmb#mun cmb#cal txt#nup opt#tsu txt#sbu Chkp7cl1 opt#anttipo txt#antd1 txt#pti opt#mon",
     Edad::Deshabilitadas, "VRR CCO VAD VAC VCO VAF VSF VCF", true, true, true},
    {8, "Tipologia8", &EsDe<Tipologia8>, 146, 112, false, "cap38.htm", "kap38.htm", Lugar::MunicipioZonaIndustrial,
     "cmb#nui", "VRI", 0,
     "txt#fecv cmdDescripcion cmb#mun cmb#nui opt#tsu txt#sbu Chkp8cl1 opt#anttipo txt#antd1 txt#pti opt#mon",
     Edad::Deshabilitadas, "VRI CCO VAD VAC VCO VAF VSF VCF", false, true, true},
    {9, "Tipologia9", &EsDe<Tipologia9>, 148, 112, false, "cap39.htm", "kap39.htm", Lugar::MunicipioZonaIndustrial,
     "cmb#nui", "VRI", 0,
     "txt#fecv cmdDescripcion cmb#mun cmb#nui opt#tsu txt#sbu opt#anttipo txt#antd1 txt#pti opt#mon",
     Edad::Deshabilitadas, "VRI CCO VAD VAC VCO VAF VSF VCF", false, true, true},
};

class Contrato : public FixtureTipologiaBase, public ::testing::WithParamInterface<Rasgos> {
protected:
    Contrato()
        : FixtureTipologiaBase(PreparacionTipologia{GetParam().n, 20250101, QStringLiteral("cmdDescripcion"), kFilas})
    {
    }
    bool SoloEsquema() const override { return true; }

    const Rasgos& P() const { return GetParam(); }
    VentanaTipologiaBase& V() const { return *ventana_; }
    CDatosTip& R() const { return RegistroTipologia(P().n); }
    bool PorCalle() const { return P().lugar != Lugar::MunicipioZonaIndustrial; }
    bool TieneEdad() const { return P().edad != Edad::Ninguna; }

    // "txt#nup" is "txtp1nup" in window 1.
    QString Nm(const char* nombre) const
    {
        return QString::fromUtf8(nombre).replace(QLatin1Char('#'), QStringLiteral("p%1").arg(P().n));
    }
    QStringList Lista(const char* nombres) const
    {
        QStringList l;
        for (const QString& s : QString::fromUtf8(nombres).split(QLatin1Char(' '), Qt::SkipEmptyParts))
            l << Nm(s.toUtf8().constData());
        return l;
    }
    QString Muestra(const char* nombre) const { return T(Nm(nombre)); }
    QString Res(int id) const { return LoadResString(gIdioma + id); }

    // Leaves the box the focus is in (its leaving handler runs).
    void Salir() { FocusControl(C(QStringLiteral("cmdDescripcion"))); }

    // The place of the valuation: CALLE D'ALT 7 (zone 1, subzone A1) or industrial zone PI-1.
    void Localizar()
    {
        Elegir(Nm("cmb#mun"), "L'ARBOLEDA");
        if (PorCalle()) {
            Elegir(Nm("cmb#cal"), "CALLE D'ALT");
            Teclear(Nm("txt#nup"), "7");
        } else {
            Elegir(Nm("cmb#nui"), "PI-1");
        }
    }
    void Valorar()
    {
        Abrir();
        Localizar();
        Teclear(Nm("txt#sbu"), "100");
        ASSERT_NE(R().Get("VAF").toDouble(), 0);
        MsgBoxSeam::Clear();
    }

    // Every box shows what the record holds: the location, the dates, the typed boxes, and the
    // money boxes in the record's currency with its pattern.
    void Coherente()
    {
        const CDatosTip& r = R();
        EXPECT_EQ(Muestra("cmb#mun"), r.Get("MUN").toString());
        if (PorCalle()) {
            EXPECT_EQ(Muestra("cmb#cal"), r.Get("CAL").toString());
            // The portal as the window reads it (digits up to the first other character) and as a number.
            EXPECT_EQ(Val(Muestra("txt#nup")), r.Get("NUP").toInt());
            EXPECT_EQ(ParseNumber(Muestra("txt#nup")), r.Get("NUP").toInt());
        } else {
            EXPECT_EQ(Muestra("cmb#nui"), r.Get("NUI").toString());
        }
        EXPECT_EQ(Muestra("txt#fecv"), gFecha().LongToString(r.Get("FECV").toInt()));
        EXPECT_DOUBLE_EQ(ParseNumber(Muestra("txt#sbu")), r.Get("SBU").toDouble());
        EXPECT_DOUBLE_EQ(ParseNumber(Muestra("txt#pti")), r.Get("PTI").toDouble());
        if (TieneEdad() && r.Get("ANTTIPO").toString() == "A") {
            EXPECT_DOUBLE_EQ(ParseNumber(Muestra("txt#antd1")), r.Get("ANTDAT").toInt());
        }
        const bool euros = r.Get("MON").toString() == "E";
        for (const QString& codigo : QString::fromUtf8(P().monedas).split(' ')) {
            auto* caja = C<CajaNum>(Nm("txt#") + codigo.toLower());
            ASSERT_NE(caja, nullptr) << codigo.toStdString();
            const double v = r.Get(codigo).toDouble();
            SCOPED_TRACE(caja->objectName().toStdString());
            EXPECT_EQ(caja->texto(), v == 0 ? QString() : FormatNumber(euros ? v / 100 : v, caja->formato()));
            // Euros with cents, pesetas whole.
            EXPECT_EQ(caja->formato().endsWith(QLatin1String("0.00")), euros) << caja->formato().toStdString();
        }
        EXPECT_EQ(C("cmdimprimir")->isEnabled(), r.Get("VAF").toDouble() != 0);
    }

    QStringList Mensajes() const
    {
        QStringList textos;
        for (const ShownMessage& m : MsgBoxSeam::Shown())
            textos << m.text;
        return textos;
    }

    // A snapshot of the record; Igual compares the record with one, code by code.
    std::unique_ptr<CDatosTip> Copia() const
    {
        std::unique_ptr<CDatosTip> c = CrearRegistro(P().n);
        *c = R();
        return c;
    }
    void Igual(const CDatosTip& esperado) const
    {
        for (int k = 0; k < int(RecordCode::Count); ++k) {
            const QString codigo = CDatosTip::CodeName(RecordCode(k));
            if (R().Has(codigo)) {
                EXPECT_EQ(R().Get(codigo), esperado.Get(codigo)) << codigo.toStdString();
            }
        }
        for (int16_t i = 0; i < 4; ++i)
            EXPECT_EQ(R().DES(i), esperado.DES(i)) << i;
    }

private:
    bool TomarVentana(Form* form) override
    {
        ventana_ = dynamic_cast<VentanaTipologiaBase*>(form);
        return ventana_ && P().esDeSuClase(form);
    }
    VentanaTipologiaBase* ventana_ = nullptr;
};

INSTANTIATE_TEST_SUITE_P(Ventanas, Contrato, ::testing::ValuesIn(kRasgos), Nombre);

// Every registered window has its row, so none escapes the suite.
TEST(ContratoTabla, EveryRegisteredWindowHasARow)
{
    for (int n = 1; n <= 9; ++n) {
        const bool fila = std::any_of(std::begin(kRasgos), std::end(kRasgos),
                                      [n](const Rasgos& r) { return r.n == n; });
        EXPECT_EQ(HayVentanaTipologia(n), fila) << n;
    }
}

// The registered window of each number is the row's class, named after it, with its title.
TEST_P(Contrato, RegisteredWindowIsTheRowsClass)
{
    EXPECT_EQ(V().objectName(), P().clase);
    EXPECT_STREQ(V().metaObject()->className(), P().clase);
    EXPECT_EQ(V().Parametros().tipo, P().n);
    Abrir();
    EXPECT_EQ(V().windowTitle(), LoadResString(P().idTitulo));
}

// The valuation date in both languages: refused dates bring the record's date back with their
// message; an accepted date of another valuation year or version empties the valuation.
TEST_P(Contrato, ValuationDateChecksAndTheirMessages)
{
    enum Error { Ninguno, NoEsFecha, FueraDeRango };
    enum Vaciado { No, Si, SiConVersion };  // SiConVersion: another version of the same year
    const struct {
        const char* es;
        const char* eu;
        Error error;
        int32_t fecha;    // the record's date afterwards
        Vaciado vaciado;  // the valuation was emptied
    } casos[] = {
        {"29/02/2023", "2023/02/29", NoEsFecha, 20250101, No},
        {"31/04/2024", "2024/04/31", NoEsFecha, 20250101, No},
        {"00/00/0000", "0000/00/00", NoEsFecha, 20250101, No},
        {"01/01/0001", "0001/01/01", NoEsFecha, 20250101, No},
        {"12/0_/____", "2025/0_/__", NoEsFecha, 20250101, No},
        {"1_/__/2025", "____/__/01", NoEsFecha, 20250101, No},
        {"31/12/2022", "2022/12/31", FueraDeRango, 20250101, No},
        {"01/01/2026", "2026/01/01", FueraDeRango, 20250101, No},
        {"__/__/____", "____/__/__", Ninguno, 20250101, No},  // empty: the settings' date
        {"30/06/2025", "2025/06/30", Ninguno, 20250630, No},  // same year and version
        {"01/07/2025", "2025/07/01", Ninguno, 20250701, SiConVersion},
        {"31/12/2025", "2025/12/31", Ninguno, 20251231, SiConVersion},  // upper bound
        {"01/01/2023", "2023/01/01", Ninguno, 20230101, Si},            // lower bound
        {"29/02/2024", "2024/02/29", Ninguno, 20240229, Si},
    };
    for (const char* idioma : {"C", "E"}) {
        const bool vasco = *idioma == 'E';
        gEntrada().setP_IDI(idioma);
        const QString rango = vasco ? QStringLiteral("2023/01/01\r\n%1 2025/12/31 %2")
                                    : QStringLiteral("01/01/2023\r\n%1 31/12/2025 %2");
        for (const auto& c : casos) {
            SCOPED_TRACE(vasco ? c.eu : c.es);
            gDatosInicial().InicializarTipologias();
            Valorar();
            Teclear(Nm("txt#fecv"), QString::fromUtf8(vasco ? c.eu : c.es));
            if (c.error == Ninguno) {
                EXPECT_TRUE(Mensajes().isEmpty()) << Mensajes().join('|').toStdString();
            } else {
                const QString texto = c.error == NoEsFecha
                                          ? Res(49)
                                          : Res(51) + ' ' + rango.arg(Res(P().separadorRango), Res(151));
                EXPECT_TRUE(UnMensaje(texto, 48, Res(50)));
                EXPECT_EQ(FocusedControl(), C(Nm("txt#fecv")));
            }
            const bool vaciada = c.vaciado == Si || (c.vaciado == SiConVersion && P().version);
            EXPECT_EQ(R().Get("FECV").toInt(), c.fecha);
            EXPECT_EQ(R().Get("MUN").toString(), vaciada ? "" : "L'ARBOLEDA");
            EXPECT_EQ(R().Get("VAF").toDouble() == 0, vaciada);
            Coherente();
            MsgBoxSeam::Clear();
            V().Unload();
        }
    }
}

// The construction date: refused dates bring the stored one back with their message.
TEST_P(Contrato, ConstructionDateChecksAndTheirMessages)
{
    if (!TieneEdad())
        GTEST_SKIP() << "no age";
    const QString trasFecha = QString::fromUtf8(P().dosPuntosTrasFechaR ? ":" : "") + "01/01/2025";
    // clang-format off
    const struct {
        const char* texto;
        int mensaje;
        int32_t construccion;  // stored afterwards
        int anos;
    } casos[] = {
        {"01/01/2025", 0, 20250101, 0},  // the valuation date itself
        {"31/12/2024", 0, 20241231, 0},
        {"02/01/2025", 109, 20250101, 0},
        {"29/02/1900", 108, 20250101, 0},
        {"01/01/1799", 108, 20250101, 0},
        {"1_/__/____", 108, 20250101, 0},
        {"__/__/____", 0, 20250101, 0},  // emptied: the stored date comes back
        {"01/01/1800", 0, 18000101, 225},
    };
    // clang-format on
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto);
        gDatosInicial().InicializarTipologias();
        Valorar();
        Pulsar(Nm("opt#anttipo(1)"));
        ASSERT_EQ(R().Get("ANTDAT").toInt(), 20250101);
        Teclear(Nm("txt#antd2"), c.texto);
        if (c.mensaje == 0) {
            EXPECT_TRUE(Mensajes().isEmpty()) << Mensajes().join('|').toStdString();
        } else {
            EXPECT_TRUE(UnMensaje(c.mensaje == 108 ? Res(108) : Res(109) + trasFecha, 48, Res(50)));
            EXPECT_EQ(FocusedControl(), C(Nm("txt#antd2")));
        }
        EXPECT_EQ(R().Get("ANTDAT").toInt(), c.construccion);
        EXPECT_EQ(R().Get("ANT").toInt(), c.anos);
        EXPECT_EQ(Muestra("txt#antd2"), gFecha().LongToString(c.construccion));
        Coherente();
        MsgBoxSeam::Clear();
        V().Unload();
    }
}

// The box of the age mode is the one to type in and a tab stop; the other is hidden, disabled
// or both, and no tab stop.
TEST_P(Contrato, AgeBoxesFollowTheAgeMode)
{
    if (!TieneEdad()) {
        Abrir();
        for (const char* caja : {"txt#antd1", "txt#antd2", "opt#anttipo(0)"})
            EXPECT_EQ(C(Nm(caja)), nullptr) << caja;
        return;
    }
    const bool ocultas = P().edad != Edad::Deshabilitadas;
    const bool deshabilitadas = P().edad != Edad::Ocultas;
    Valorar();
    for (int modo : {1, 0}) {
        SCOPED_TRACE(modo);
        Pulsar(Nm(modo ? "opt#anttipo(1)" : "opt#anttipo(0)"));
        QWidget* delModo = C(Nm(modo ? "txt#antd2" : "txt#antd1"));
        QWidget* otra = C(Nm(modo ? "txt#antd1" : "txt#antd2"));
        EXPECT_TRUE(delModo->isVisible());
        EXPECT_TRUE(delModo->isEnabled());
        EXPECT_EQ(otra->isVisible(), !ocultas);
        EXPECT_EQ(otra->isEnabled(), !deshabilitadas);
        // Only the box of the mode is a tab stop.
        EXPECT_TRUE(delModo->focusPolicy() & Qt::TabFocus);
        EXPECT_FALSE(otra->focusPolicy() & Qt::TabFocus);
        EXPECT_EQ(R().Get("ANTTIPO").toString(), modo ? "F" : "A");
        Coherente();
    }
    EXPECT_TRUE(Mensajes().isEmpty());
}

// A new municipality empties the location and what was valued from it.
TEST_P(Contrato, MunicipalityChangeEmptiesTheLocationAndItsResults)
{
    Valorar();
    ASSERT_NE(R().Get(P().valorZona).toDouble(), 0);
    Elegir(Nm("cmb#mun"), "OTRO");
    EXPECT_EQ(R().Get("MUN").toString(), "OTRO");
    for (const QString& control : Lista(P().controlesLugar))
        EXPECT_EQ(T(control), QString()) << control.toStdString();
    if (PorCalle()) {
        EXPECT_EQ(R().Get("CAL").toString(), "");
        EXPECT_EQ(R().Get("NUP").toInt(), 0);
    } else {
        EXPECT_EQ(R().Get("NUI").toString(), "");
        // The zone list is the new municipality's.
        auto* zonas = C<ComboBox>(Nm("cmb#nui"));
        ASSERT_EQ(zonas->ListCount(), 2);
        EXPECT_EQ(zonas->List(0), "PI-8");
        EXPECT_EQ(zonas->List(1), "PI-9");
    }
    for (const char* codigo : {"VAD", "VAC", "VCO", "VAF"})
        EXPECT_EQ(R().Get(codigo).toDouble(), 0) << codigo;
    EXPECT_EQ(R().Get(P().valorZona).toDouble(), 0);
    EXPECT_EQ(Muestra("txt#añop"), "2023");
    EXPECT_TRUE(Mensajes().isEmpty()) << Mensajes().join('|').toStdString();
    Coherente();
    // The new place is valued as the first was.
    if (PorCalle()) {
        Elegir(Nm("cmb#cal"), "CALLE OTRA");
        Teclear(Nm("txt#nup"), "7");
    } else {
        Elegir(Nm("cmb#nui"), "PI-8");
    }
    EXPECT_NE(R().Get("VAF").toDouble(), 0);
    Coherente();
}

// Pesetas to euros and back in the middle of a valuation: the zone is read again in the
// record's currency and the money boxes change pattern; the way back gives the first figures
// exactly. A zone row changed meanwhile is what the switch reads.
TEST_P(Contrato, CurrencySwitchReadsTheZoneAgainAndRedrawsTheMoneyBoxes)
{
    Valorar();
    const double pesetas = R().Get("VAF").toDouble();
    const double zonaPesetas = R().Get(P().valorZona).toDouble();
    const QString mostrado = Muestra("txt#vaf");
    Pulsar(Nm("opt#mon(1)"));
    EXPECT_EQ(R().Get("MON").toString(), "E");
    EXPECT_NEAR(R().Get(P().valorZona).toDouble() * 1.66386, zonaPesetas, 1.66386);
    EXPECT_NEAR(R().Get("VAF").toDouble() * 1.66386, pesetas, pesetas * 0.001);
    Coherente();
    if (PorCalle()) {
        Teclear(Nm("txt#nup"), "9");
        Coherente();
    }
    Pulsar(Nm("opt#mon(0)"));
    EXPECT_EQ(R().Get("MON").toString(), "P");
    EXPECT_EQ(R().Get("VAF").toDouble(), pesetas);
    EXPECT_EQ(Muestra("txt#vaf"), mostrado);
    Coherente();

    // The zone's amounts are now 500 euros: the switch to euros reads them as they are, the
    // switch back converts them.
    for (const char* s : kZonasEnEuros)
        db_.Execute(QString::fromUtf8(s));
    Pulsar(Nm("opt#mon(1)"));
    EXPECT_DOUBLE_EQ(R().Get(P().valorZona).toDouble(), 50000);
    Coherente();
    Pulsar(Nm("opt#mon(0)"));
    EXPECT_DOUBLE_EQ(R().Get(P().valorZona).toDouble(), 83193);  // 500 euros in pesetas
    Coherente();
    EXPECT_TRUE(Mensajes().isEmpty()) << Mensajes().join('|').toStdString();
}

// Zones of 900 and above: refused with the window's message (the previous street comes back
// and the valuation stays), or valued like any other.
TEST_P(Contrato, ZonesOf900AndAbove)
{
    if (!PorCalle())
        GTEST_SKIP() << "located by industrial zone";
    Valorar();
    const double valor = R().Get("VAF").toDouble();
    Elegir(Nm("cmb#cal"), "CALLE ALTA");
    if (P().idZona9xx != 0) {
        EXPECT_TRUE(UnMensaje(Res(P().idZona9xx), 0, QGuiApplication::applicationDisplayName()));
        EXPECT_EQ(R().Get("CAL").toString(), "CALLE D'ALT");
        EXPECT_EQ(R().Get("NUP").toInt(), 7);
        EXPECT_EQ(R().Get("VAF").toDouble(), valor);
    } else {
        EXPECT_TRUE(Mensajes().isEmpty()) << Mensajes().join('|').toStdString();
        EXPECT_EQ(R().Get("CAL").toString(), "CALLE ALTA");
        EXPECT_EQ(R().Get("NUR").toInt(), 905);
        EXPECT_NE(R().Get("VAF").toDouble(), 0);
    }
    Coherente();
}

// Captions in both languages: the window's title, and no caption left empty (a frame may be
// an untitled border, in both languages alike); help opens the window's topic of the
// language; no printer says so under the window's title.
TEST_P(Contrato, CaptionsHelpAndNoPrinterInBothLanguages)
{
    QMap<QString, QString> sinTitulo[2];  // untitled frames, by language
    for (const char* idioma : {"C", "E"}) {
        SCOPED_TRACE(idioma);
        const bool vasco = *idioma == 'E';
        gEntrada().setP_IDI(idioma);
        V().Unload();
        Abrir();
        EXPECT_EQ(V().windowTitle(), Res(P().idTitulo));
        QStringList vacios;
        for (QWidget* w : V().findChildren<QWidget*>()) {
            if (w->objectName().isEmpty())
                continue;
            if (auto* g = qobject_cast<QGroupBox*>(w)) {
                if (g->title().trimmed().isEmpty())
                    sinTitulo[vasco].insert(w->objectName(), QString());
                continue;
            }
            QString texto = QStringLiteral("-");
            if (auto* l = qobject_cast<QLabel*>(w))
                texto = l->pixmap().isNull() ? l->text() : texto;
            else if (qobject_cast<QRadioButton*>(w) || qobject_cast<QCheckBox*>(w))
                texto = static_cast<QAbstractButton*>(w)->text();
            if (texto.trimmed().isEmpty())
                vacios << w->objectName();
        }
        EXPECT_TRUE(vacios.isEmpty()) << vacios.join(' ').toStdString();
        // The picture buttons say what they do.
        for (const char* boton : {"cmdsalir", "cmdlimpiar", "cmdimprimir", "cmdayuda"})
            EXPECT_FALSE(C(boton)->toolTip().isEmpty()) << boton;

        Pulsar("cmdayuda");
        const QString tema = vasco ? QStringLiteral("/Documentos/Ayuda/Laguntza.chm::/") + P().laguntza
                                   : QStringLiteral("/Documentos/Ayuda/Ayuda.chm::/") + P().ayuda;
        EXPECT_TRUE(LastHelpShown().endsWith(tema)) << LastHelpShown().toStdString();

        Localizar();
        Teclear(Nm("txt#sbu"), "100");
        MsgBoxSeam::Clear();
        Printer::SetPrinterCountForTests(0);
        Pulsar("cmdimprimir");
        EXPECT_TRUE(UnMensaje(Res(153), 64, Res(P().idTitulo)));
        Printer::SetPrinterCountForTests(1);
        MsgBoxSeam::Clear();
    }
    EXPECT_EQ(sinTitulo[0].keys(), sinTitulo[1].keys());

    // Hidden (still loaded) while the language changes: shown again, it speaks the new one.
    V().Hide();
    gEntrada().setP_IDI(QStringLiteral("C"));
    Abrir();
    EXPECT_EQ(V().windowTitle(), LoadResString(P().idTitulo));
    EXPECT_EQ(Muestra("txt#fecv"), "01/01/2025");
}

// Printing in both languages: the report shows the place with its apostrophes, the description
// lines of 60 characters as written and the final value the window shows.
TEST_P(Contrato, ReportPrintsNamesAndDescriptionAsWritten)
{
    const QStringList lineas = {QString::fromUtf8("Piso d'Alt 3º izquierda, c/ Peña 'La Ñ' áéíóú ÁÉÍÓÚ üÜ 12345"),
                                QString(60, QLatin1Char('M')), QString(), QStringLiteral("O'Donnell")};
    for (const char* idioma : {"C", "E"}) {
        SCOPED_TRACE(idioma);
        gEntrada().setP_IDI(idioma);
        gDatosInicial().InicializarTipologias();
        V().Unload();
        Valorar();
        for (int16_t i = 0; i < 4; ++i)
            R().EscribirDES(lineas[i], i);
        QTemporaryDir carpeta;
        const QString pdf = carpeta.filePath(QStringLiteral("informe.pdf"));
        Printer::SetOutputPdfForTests(pdf);
        Pulsar("cmdimprimir");
        Printer::SetOutputPdfForTests(QString());
        EXPECT_TRUE(Mensajes().isEmpty()) << Mensajes().join('|').toStdString();
        QString todo;
        for (const PalabraPdf& p : LeerPalabrasPdf(pdf))
            todo += p.texto + QLatin1Char(' ');
        ASSERT_FALSE(todo.isEmpty());
        todo.replace(QChar(0x2019), QLatin1Char('\''));
        QStringList esperados = {QStringLiteral("L'ARBOLEDA"), lineas[0],          lineas[1], lineas[3],
                                 Muestra("txt#vaf"),           Muestra("txt#fecv")};
        esperados << (PorCalle() ? QStringLiteral("D'ALT") : QStringLiteral("PI-1"));
        for (const QString& e : esperados)
            EXPECT_TRUE(todo.contains(e)) << e.toStdString();
        MsgBoxSeam::Clear();
    }
}

// Enter acts as Tab along the window's tab order (an option pair is one stop, at its selected
// option), round to the valuation date again, and leaves the valued record as it was.
TEST_P(Contrato, EnterMovesAlongTheTabOrder)
{
    Valorar();
    const std::unique_ptr<CDatosTip> valorado = Copia();
    const QStringList orden = Lista(P().tabulacion) + Lista(kBotones);
    FocusControl(C(Nm("txt#fecv")));
    QStringList recorrido;
    for (int i = 0; i < orden.size(); ++i) {
        QWidget* f = FocusedControl();
        // A combo's text box stands for its combo; an option for its pair.
        while (f && f->objectName().isEmpty())
            f = f->parentWidget();
        QString nombre = f ? f->objectName() : QStringLiteral("-");
        if (nombre.startsWith(QLatin1String("opt")))
            nombre = nombre.section(QLatin1Char('('), 0, 0);
        recorrido << nombre;
        PressEnter();
    }
    EXPECT_EQ(recorrido, orden);
    EXPECT_TRUE(Mensajes().isEmpty()) << Mensajes().join('|').toStdString();
    EXPECT_TRUE(V().isVisible());
    // Passing through the boxes changes nothing.
    Igual(*valorado);
}

// Clear empties the record to the defaults a new window starts from, and the summary box;
// minimising hides the window and keeps the record.
TEST_P(Contrato, ClearRestoresTheDefaultsAndMinimiseKeepsTheRecord)
{
    Abrir();
    const std::unique_ptr<CDatosTip> nuevo = Copia();
    Localizar();
    Teclear(Nm("txt#sbu"), "100");
    Teclear(Nm("txt#pti"), "50");
    Teclear(Nm("txt#fecv"), "30/06/2025");
    if (TieneEdad())
        Teclear(Nm("txt#antd1"), "12");
    Pulsar(Nm("opt#mon(1)"));
    R().EscribirDES(QStringLiteral("Piso d'Alt"), 0);
    V().SetTxtDescrip(QStringLiteral("Piso d'Alt"));
    ASSERT_NE(R().Get("VAF").toDouble(), 0);

    // Minimised: hidden, still loaded, the record as it was; shown again, maximised.
    const std::unique_ptr<CDatosTip> valorado = Copia();
    V().SetWindowState(1);
    ProcessEvents();
    EXPECT_FALSE(V().isVisible());
    EXPECT_TRUE(V().IsLoaded());
    EXPECT_TRUE(R().Get("MIN").toBool());
    V().Show(false);
    ProcessEvents();
    EXPECT_EQ(V().WindowState(), 2);
    EXPECT_FALSE(R().Get("MIN").toBool());
    Igual(*valorado);
    Coherente();

    Pulsar("cmdlimpiar");
    Igual(*nuevo);
    EXPECT_EQ(T("txtdescrip"), QString());
    EXPECT_EQ(Muestra("txt#fecv"), "01/01/2025");
    EXPECT_TRUE(Mensajes().isEmpty()) << Mensajes().join('|').toStdString();
    Coherente();
    // Exit and open again: the emptied record, and a new valuation works.
    Pulsar("cmdsalir");
    EXPECT_FALSE(V().IsLoaded());
    Abrir();
    Igual(*nuevo);
    Coherente();
    Localizar();
    Teclear(Nm("txt#sbu"), "100");
    EXPECT_NE(R().Get("VAF").toDouble(), 0);
    Coherente();
}

// Each entry into an editable box of a valued window, typed or pasted over its whole text.
TEST_P(Contrato, NumericBoxesTakeOnlyWhatTheyShow)
{
    enum Modo { Tecleo, Pegado };
    const QString largo9(10000, QLatin1Char('9'));
    const QString largoA(10000, QLatin1Char('a'));
    const struct {
        const char* caja;
        Modo modo;
        QString texto;
        const char* muestra;             // what the box shows after leaving it
        int mensaje;                     // id of the message shown, 0 for none
        const char* retomado = nullptr;  // what it shows in a window that takes an equal value again
    } casos[] = {
        {"txt#nup", Tecleo, "abc", "7", 0},
        {"txt#nup", Tecleo, "-12", "12", 0},
        {"txt#nup", Tecleo, "9999", "999", 0},
        {"txt#nup", Tecleo, "0", "7", 0},
        {"txt#nup", Tecleo, "", "7", 0},
        {"txt#nup", Pegado, largo9, "7", 0},
        {"txt#nup", Pegado, "8,5", "7", 0},
        {"txt#nup", Pegado, "7.01", "701", 0},  // a grouping character counts for nothing, as typed
        {"txt#nup", Pegado, "1.5", "15", 0},
        {"txt#sbu", Tecleo, "1,2,3", "1,23", 0},
        {"txt#sbu", Tecleo, "99999,99", "99.999,99", 0},
        {"txt#sbu", Tecleo, "123456", "12.345,00", 0},
        {"txt#sbu", Tecleo, "-5", "5,00", 0},
        {"txt#sbu", Tecleo, "0", "100,00", 0},
        {"txt#sbu", Tecleo, "", "100,00", 0},
        {"txt#sbu", Tecleo, "abc", "100,00", 0},
        {"txt#sbu", Pegado, largo9, "100,00", 0},
        {"txt#sbu", Pegado, largoA, "100,00", 0},
        {"txt#sbu", Pegado, "1.234,5", "1.234,50", 0},
        {"txt#pti", Tecleo, "100,01", "100,00", 110},
        {"txt#pti", Tecleo, "999,99", "100,00", 110},
        {"txt#pti", Tecleo, "100", "100", 0, "100,00"},
        {"txt#pti", Tecleo, "0", "100,00", 0},
        {"txt#pti", Tecleo, "0,5", "0,50", 0},
        {"txt#pti", Tecleo, "1,2,3", "1,23", 0},
        {"txt#pti", Pegado, "1.00", "100", 0, "100,00"},
        {"txt#pti", Pegado, largo9, "100,00", 0},
        {"txt#antd1", Tecleo, "999", "999", 0},
        {"txt#antd1", Tecleo, "12a", "12", 0},
        {"txt#antd1", Pegado, "1.0", "10", 0},
        {"txt#antd1", Pegado, largo9, "", 0},
    };
    for (const auto& c : casos) {
        const QString caja = Nm(c.caja);
        if ((!PorCalle() && caja.endsWith("nup")) || (!TieneEdad() && caja.endsWith("antd1")))
            continue;
        SCOPED_TRACE(caja.toStdString() + (c.modo == Pegado ? " pasted " : " typed ") + c.texto.left(20).toStdString());
        gDatosInicial().InicializarTipologias();
        Valorar();
        if (c.modo == Tecleo) {
            Teclear(caja, c.texto);
        } else {
            PasteInto(C(caja), c.texto);
            Salir();
        }
        EXPECT_EQ(T(caja), QString::fromUtf8(P().tomaValorIgual && c.retomado ? c.retomado : c.muestra));
        if (c.mensaje)
            EXPECT_TRUE(UnMensaje(Res(c.mensaje), 48, Res(50)));
        else
            EXPECT_TRUE(Mensajes().isEmpty()) << Mensajes().join('|').toStdString();
        Coherente();
        MsgBoxSeam::Clear();
        V().Unload();
    }
}

// Where the program departs from the original behaviour, so that the screen and the record
// never disagree (docs/ARCHITECTURE.md lists them) ------------------------------------------

// Windows that lower the date check while the pointer is over "Salir", not by a press on
// "Limpiar" or "Salir".
const int kPunteroSobreSalir[] = {9};

// A press on "Limpiar" or "Salir" released outside the button is neither a clear nor an exit:
// the valuation date left for it is checked at once (its message, the record's date back, the
// focus back) and the check stays on. Where the pointer over "Salir" lowers the check, the
// pointer leaving it checks the date left meanwhile.
TEST_P(Contrato, PressReleasedOutsideClearOrExitChecksTheDate)
{
    Valorar();
    const std::unique_ptr<CDatosTip> valorado = Copia();
    auto* fecha = C<MaskEdBox>(Nm("txt#fecv"));
    for (const char* boton : {"cmdlimpiar", "cmdsalir"}) {
        SCOPED_TRACE(boton);
        FocusControl(fecha);
        fecha->SetText(QStringLiteral("99/99/2025"));
        PressAndReleaseOutside(C(boton));
        EXPECT_TRUE(V().IsLoaded());
        EXPECT_TRUE(UnMensaje(Res(49), 48, Res(50)));
        EXPECT_EQ(FocusedControl(), fecha);
        Igual(*valorado);
        Coherente();
        MsgBoxSeam::Clear();
        // Released outside with the date as it was, then a new date typed: the check is on.
        PressAndReleaseOutside(C(boton));
        Teclear(Nm("txt#fecv"), "30/06/2025");
        EXPECT_EQ(R().Get("FECV").toInt(), 20250630);
        Teclear(Nm("txt#fecv"), "01/01/2025");
        EXPECT_TRUE(Mensajes().isEmpty()) << Mensajes().join('|').toStdString();
        Igual(*valorado);
    }
    if (std::find(std::begin(kPunteroSobreSalir), std::end(kPunteroSobreSalir), P().n) == std::end(kPunteroSobreSalir))
        return;
    const auto puntero = [this](QWidget* w) {
        QTest::mouseMove(V().windowHandle(), w->mapTo(&V(), w->rect().center()));
        ProcessEvents();
    };
    FocusControl(fecha);
    fecha->SetText(QStringLiteral("99/99/2025"));
    puntero(C("cmdsalir"));
    PressTab();
    EXPECT_TRUE(Mensajes().isEmpty()) << Mensajes().join('|').toStdString();
    puntero(fecha);
    EXPECT_TRUE(UnMensaje(Res(49), 48, Res(50)));
    EXPECT_EQ(FocusedControl(), fecha);
    Igual(*valorado);
    Coherente();
}

// A street typed or pasted that matches no entry of the list (the industrial zone, in the
// windows located by it) is not taken, and the list shows the record's entry again: the one
// valued and printed.
TEST_P(Contrato, UnmatchedTypedPlaceBringsTheRecordsEntryBack)
{
    const char* lista = PorCalle() ? "cmb#cal" : "cmb#nui";
    for (const QString& texto : {QStringLiteral("zzz"), QString(300, QLatin1Char('z'))}) {
        SCOPED_TRACE(texto.left(10).toStdString());
        gDatosInicial().InicializarTipologias();
        Valorar();
        const std::unique_ptr<CDatosTip> valorado = Copia();
        Teclear(Nm(lista), texto);
        EXPECT_EQ(Muestra(lista), PorCalle() ? "CALLE D'ALT" : "PI-1");
        Igual(*valorado);
        EXPECT_TRUE(Mensajes().isEmpty()) << Mensajes().join('|').toStdString();
        Coherente();
        V().Unload();
    }
}

// Hidden (minimised, still loaded) while the language changed or the record was emptied:
// shown again, the window is set up as a new load would do it, in the new language and from
// the record as it now is.
TEST_P(Contrato, HiddenWindowShownAgainFollowsLanguageAndEmptiedRecord)
{
    const struct {
        bool vasco;
        bool vaciado;
    } casos[] = {{true, false}, {false, true}, {true, true}};
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.vasco ? "Basque" : "") + (c.vaciado ? " emptied" : ""));
        gEntrada().setP_IDI(QStringLiteral("C"));
        gDatosInicial().InicializarTipologias();
        V().Unload();
        Valorar();
        const double valor = R().Get("VAF").toDouble();
        V().SetWindowState(1);
        ProcessEvents();
        ASSERT_FALSE(V().isVisible());
        if (c.vasco)
            gEntrada().setP_IDI(QStringLiteral("E"));
        if (c.vaciado)
            gDatosInicial().InicializarTipologias();
        V().Show(false);
        ProcessEvents();
        ASSERT_TRUE(V().isVisible());
        EXPECT_EQ(V().windowTitle(), Res(P().idTitulo));
        EXPECT_EQ(C<MaskEdBox>(Nm("txt#fecv"))->Mask(), c.vasco ? "####/##/##" : "##/##/####");
        EXPECT_EQ(Muestra("txt#fecv"), c.vasco ? "2025/01/01" : "01/01/2025");
        EXPECT_EQ(R().Get("SVL").toString(), "L");
        EXPECT_EQ(R().Get("MUN").toString(), c.vaciado ? "" : "L'ARBOLEDA");
        EXPECT_EQ(R().Get("VAF").toDouble(), c.vaciado ? 0 : valor);
        if (c.vaciado) {
            for (const QString& control : Lista(P().controlesLugar))
                EXPECT_EQ(T(control), QString()) << control.toStdString();
        }
        Coherente();
        // The window goes on working.
        Pulsar("cmdlimpiar");
        Localizar();
        Teclear(Nm("txt#sbu"), "100");
        EXPECT_NE(R().Get("VAF").toDouble(), 0);
        EXPECT_TRUE(Mensajes().isEmpty()) << Mensajes().join('|').toStdString();
        Coherente();
    }
    gEntrada().setP_IDI(QStringLiteral("C"));
}

// A stretch whose zone code is no number counts as no stretch, in every window located by
// street: the street is taken, the zone (or subzone) box is emptied and nothing is valued,
// without a message. Choosing a good street values again.
TEST_P(Contrato, ZoneCodeThatIsNoNumberCountsAsNoStretch)
{
    if (!PorCalle())
        GTEST_SKIP() << "located by industrial zone";
    db_.Execute(QStringLiteral("INSERT INTO t05_calles_nombre VALUES (9, 2020, 1, 30, 'CALLE ROTA')"));
    db_.Execute(QStringLiteral("INSERT INTO t06_calles_datos VALUES (9, 30, 2020, 1, 0, 998, 1, 999, 'X1', 'A1')"));
    Valorar();
    Elegir(Nm("cmb#cal"), "CALLE ROTA");
    EXPECT_TRUE(Mensajes().isEmpty()) << Mensajes().join('|').toStdString();
    EXPECT_EQ(R().Get("CAL").toString(), "CALLE ROTA");
    EXPECT_EQ(R().Get("NUP").toInt(), 7);
    EXPECT_EQ(R().Get(P().lugar == Lugar::CalleZonaResidencial ? "NUR" : "NUS").toString(),
              P().lugar == Lugar::CalleZonaResidencial ? "0" : "");
    for (const QString& control : Lista(P().controlesLugar)) {
        if (!control.startsWith(QLatin1String("cmb")) && !control.endsWith(QLatin1String("nup"))) {
            EXPECT_EQ(T(control), QString()) << control.toStdString();
        }
    }
    EXPECT_EQ(R().Get(P().valorZona).toDouble(), 0);
    for (const char* codigo : {"VAD", "VAC", "VCO", "VAF"})
        EXPECT_EQ(R().Get(codigo).toDouble(), 0) << codigo;
    Coherente();
    Elegir(Nm("cmb#cal"), "CALLE D'ALT");
    EXPECT_NE(R().Get("VAF").toDouble(), 0);
    Coherente();
}

// A surface or percentage typed again as it is stored: a window that takes it recomputes and
// shows it with the box's pattern, one that does not leaves the box as typed; the report
// prints what the boxes show.
TEST_P(Contrato, AValueTypedEqualToTheStoredOneAndTheReport)
{
    Valorar();
    const struct {
        const char* caja;
        const char* tecleado;
        const char* formateado;
    } casos[] = {{"txt#sbu", "123,5", "123,50"}, {"txt#pti", "37", "37,00"}};
    for (const auto& c : casos) {
        Teclear(Nm(c.caja), c.tecleado);
        ASSERT_EQ(Muestra(c.caja), c.formateado);
    }
    const double vaf = R().Get("VAF").toDouble();
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caja);
        R().Set("VAF", 1);  // a stale result, which a value taken again puts right
        Teclear(Nm(c.caja), c.tecleado);
        EXPECT_EQ(Muestra(c.caja), P().tomaValorIgual ? c.formateado : c.tecleado);
        EXPECT_EQ(R().Get("VAF").toDouble(), P().tomaValorIgual ? vaf : 1);
    }
    EXPECT_DOUBLE_EQ(R().Get("SBU").toDouble(), 123.5);
    EXPECT_DOUBLE_EQ(R().Get("PTI").toDouble(), 37);
    EXPECT_TRUE(Mensajes().isEmpty()) << Mensajes().join('|').toStdString();

    QTemporaryDir carpeta;
    const QString pdf = carpeta.filePath(QStringLiteral("informe.pdf"));
    Printer::SetOutputPdfForTests(pdf);
    Pulsar("cmdimprimir");
    Printer::SetOutputPdfForTests(QString());
    QStringList palabras;
    for (const PalabraPdf& p : LeerPalabrasPdf(pdf))
        palabras << p.texto;
    ASSERT_FALSE(palabras.isEmpty());
    for (const auto& c : casos) {
        EXPECT_TRUE(palabras.contains(Muestra(c.caja))) << c.caja;
        EXPECT_EQ(palabras.contains(QString::fromUtf8(c.formateado)), P().tomaValorIgual) << c.caja;
    }
}

// A click on a display box leaves the box being edited as Tab does (its entry is taken and the
// window redrawn) and the focus goes on: the display box is never typed into. An entry that is
// refused keeps the focus in its box.
TEST_P(Contrato, AClickOnADisplayBoxTakesTheEntryAndPassesTheFocusOn)
{
    Valorar();
    // The window's display boxes: the locked numeric boxes and the read-only text boxes of the
    // record (the summary box has a test of its own).
    QList<QLineEdit*> muestras;
    for (QLineEdit* e : V().findChildren<QLineEdit*>()) {
        auto* caja = qobject_cast<CajaNum*>(e);
        if (caja ? caja->locked() : e->isReadOnly() && e->objectName().startsWith(Nm("txt#")))
            muestras << e;
    }
    for (const QString& codigo : QString::fromUtf8(P().monedas).split(' '))
        ASSERT_TRUE(muestras.contains(C<QLineEdit>(Nm("txt#") + codigo.toLower()))) << codigo.toStdString();
    double superficie = 100;
    for (QLineEdit* muestra : muestras) {
        SCOPED_TRACE(muestra->objectName().toStdString());
        superficie += 1;
        const double antes = R().Get("VAF").toDouble();
        TypeInto(C(Nm("txt#sbu")), QString::number(superficie));
        ClickControl(muestra);
        EXPECT_DOUBLE_EQ(R().Get("SBU").toDouble(), superficie);
        EXPECT_NE(R().Get("VAF").toDouble(), antes);
        EXPECT_NE(FocusedControl(), muestra);
        ASSERT_NE(FocusedControl(), nullptr);
        EXPECT_EQ(FocusedControl()->window(), &V());
        Coherente();
        const QString mostrado = muestra->text();
        QTest::keyClicks(muestra, "95");
        EXPECT_EQ(muestra->text(), mostrado);
    }
    EXPECT_TRUE(Mensajes().isEmpty()) << Mensajes().join('|').toStdString();

    // A refused valuation date: its message, the record's date back, the focus in the date box.
    TypeInto(C(Nm("txt#fecv")), "31/04/2024");
    ClickControl(C(Nm("txt#vaf")));
    EXPECT_TRUE(UnMensaje(Res(49), 48, Res(50)));
    EXPECT_EQ(FocusedControl(), C(Nm("txt#fecv")));
    EXPECT_EQ(R().Get("FECV").toInt(), 20250101);
    Coherente();
}

// Where the box of the other mode is only disabled, both age boxes are seen, in both languages:
// side by side in their frame, each wide enough for its text, and no other control over them.
TEST_P(Contrato, BothAgeBoxesAreSeenWhereTheOtherIsOnlyDisabled)
{
    if (P().edad != Edad::Deshabilitadas)
        GTEST_SKIP() << "no age, or the box of the other mode is hidden";
    for (const char* idioma : {"C", "E"}) {
        SCOPED_TRACE(idioma);
        gEntrada().setP_IDI(idioma);
        V().Unload();
        Valorar();
        Teclear(Nm("txt#antd1"), "999");
        auto* anos = C<QLineEdit>(Nm("txt#antd1"));
        auto* fecha = C<QLineEdit>(Nm("txt#antd2"));
        ASSERT_TRUE(anos && fecha);
        EXPECT_TRUE(anos->isVisible());
        EXPECT_TRUE(fecha->isVisible());
        EXPECT_FALSE(fecha->isEnabled());
        ASSERT_EQ(anos->parentWidget(), fecha->parentWidget());
        QWidget* marco = anos->parentWidget();
        for (QLineEdit* caja : {anos, fecha}) {
            SCOPED_TRACE(caja->objectName().toStdString());
            EXPECT_TRUE(marco->rect().contains(caja->geometry()));
            const QString texto = caja == anos ? QStringLiteral("999") : gFecha().LongToString(20250101);
            EXPECT_GE(caja->width(), caja->fontMetrics().horizontalAdvance(texto) + 8);
            for (QWidget* otro : marco->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
                if (otro != caja && otro->isVisible()) {
                    EXPECT_FALSE(otro->geometry().intersects(caja->geometry())) << otro->objectName().toStdString();
                }
            }
        }
        EXPECT_TRUE(anos->geometry().right() < fecha->geometry().left() ||
                    fecha->geometry().right() < anos->geometry().left());
        MsgBoxSeam::Clear();
    }
}

// A click on the summary box leaves the box being edited; the summary box passes the focus on,
// or, in a window where it has no handler, keeps it. It is never typed into.
TEST_P(Contrato, AClickOnTheSummaryBox)
{
    Valorar();
    V().SetTxtDescrip(QStringLiteral("Piso"));
    TypeInto(C(Nm("txt#sbu")), "150");
    ClickControl(C("txtdescrip"));
    EXPECT_DOUBLE_EQ(R().Get("SBU").toDouble(), 150);
    EXPECT_EQ(FocusedControl() == C("txtdescrip"), !P().resumenPasaFoco);
    ASSERT_NE(FocusedControl(), nullptr);
    EXPECT_EQ(FocusedControl()->window(), &V());
    QTest::keyClicks(C("txtdescrip"), "x");
    EXPECT_EQ(T("txtdescrip"), "Piso");
    EXPECT_TRUE(Mensajes().isEmpty()) << Mensajes().join('|').toStdString();
    Coherente();
}

}  // namespace
