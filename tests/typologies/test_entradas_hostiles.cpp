// The three typology windows under hostile entries: letters, signs, several decimal characters,
// grouping characters, pasted texts of 10,000 characters, the largest values, zero and empty,
// impossible and partly typed dates, the bounds of the valuation dates, locations the tables do
// not cover, a change of currency in the middle of a valuation, printing, Clear and Exit. After
// each entry the window must show what the record holds, and a refused entry says so.
#include <QApplication>
#include <QClipboard>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "core/Globals.h"
#include "core/Recursos.h"
#include "platform/CajaNum.h"
#include "platform/ComboBox.h"
#include "platform/MaskEdBox.h"
#include "platform/MsgBox.h"
#include "platform/NumberFormat.h"
#include "platform/Printer.h"
#include "tests/support/FixtureTipologia.h"
#include "tests/support/PdfTexto.h"
#include "typologies/dwelling/Tipologia1.h"
#include "typologies/parking/Tipologia3.h"
#include "typologies/storage_room/Tipologia2.h"
#include "windows/Descripcion.h"

// Readable failure output.
void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace {

// Ponencia and valuation year 2025 (municipality and street lists of 2010):
//
//   municipality      street          odd portals   even portals   zone
//   L'ARBOLEDA (9)    CALLE D'ALT     1-999         0-998          1 "ZONA D'UNO" (pesetas)
//                     TRAMO CORTO     1-5           2-4            1
//                     SIN ZONA        1-99          0-98           5 (no zone row)
//   SIN CALLES (8)    (no streets)
//   SIN PONENCIA (7)  CALLE UNICA     1-99          0-98           1 (a zone row, but no ponencia)
const std::vector<const char*> kFilas = {
    "INSERT INTO t03_municipios VALUES (2010, 9, 'L''ARBOLEDA'), (2010, 8, 'SIN CALLES'), (2010, 7, 'SIN PONENCIA')",
    "INSERT INTO t04_ponencias VALUES (2025, 9), (2025, 8)",
    "INSERT INTO t05_calles_nombre VALUES (9, 2010, 1, 10, 'CALLE D''ALT'), (9, 2010, 1, 20, 'TRAMO CORTO'),"
    " (9, 2010, 1, 30, 'SIN ZONA'), (7, 2010, 1, 10, 'CALLE UNICA')",
    "INSERT INTO t06_calles_datos VALUES (9, 10, 2010, 1, 0, 998, 1, 999, '1', 'A1'),"
    " (9, 20, 2010, 1, 2, 4, 1, 5, '1', 'A1'), (9, 30, 2010, 1, 0, 98, 1, 99, '5', 'A1'),"
    " (7, 10, 2010, 1, 0, 98, 1, 99, '1', 'A1')",
    "INSERT INTO t07_residencial VALUES (9, 1, 2025, 'ZONA D''UNO', 'P', 100000, 80000, 12000),"
    " (7, 1, 2025, 'ZONA SIETE', 'P', 100000, 80000, 12000)",
};

template <class W, int N>
struct Ventana {
    using Tipo = W;
    static constexpr int n = N;
};

// Pastes `texto` over the whole text of the box, as Ctrl+V does.
void Pegar(QWidget* caja, const QString& texto)
{
    QApplication::clipboard()->setText(texto);
    FocusControl(caja);
    QTest::keyClick(caja, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(caja, Qt::Key_V, Qt::ControlModifier);
    ProcessEvents();
}

template <class P>
class Hostil : public FixtureTipologia<typename P::Tipo> {
protected:
    Hostil()
        : FixtureTipologia<typename P::Tipo>(
              PreparacionTipologia{P::n, 20250101, QStringLiteral("cmdDescripcion"), kFilas})
    {
    }

    static constexpr int N = P::n;
    // "txt#nup" is "txtp1nup" in window 1.
    static QString Nm(const char* nombre)
    {
        return QString::fromUtf8(nombre).replace(QLatin1Char('#'), QStringLiteral("p%1").arg(N));
    }
    static CDatosTip& R() { return *Registro(N); }
    static bool TieneEdad() { return N != 3; }
    QString Muestra(const char* nombre) const { return this->T(Nm(nombre)); }

    // Leaves the box the focus is in (its leaving handler runs).
    void Salir() { FocusControl(this->C(QStringLiteral("cmdDescripcion"))); }

    void Valorar()
    {
        this->Abrir();
        this->Elegir(Nm("cmb#mun"), "L'ARBOLEDA");
        this->Elegir(Nm("cmb#cal"), "CALLE D'ALT");
        this->Teclear(Nm("txt#nup"), "7");
        this->Teclear(Nm("txt#sbu"), "100");
        ASSERT_NE(R().Get("VAF").toDouble(), 0);
        MsgBoxSeam::Clear();
    }

    // Every control a report prints from shows what the record holds.
    void Coherente()
    {
        const CDatosTip& r = R();
        EXPECT_EQ(Muestra("cmb#mun"), r.Get("MUN").toString());
        EXPECT_EQ(Muestra("cmb#cal"), r.Get("CAL").toString());
        EXPECT_EQ(Muestra("txt#fecv"), gFecha().LongToString(r.Get("FECV").toInt()));
        // The portal as the window reads it (digits up to the first other character) and as a number.
        EXPECT_EQ(Val(Muestra("txt#nup")), r.Get("NUP").toInt());
        EXPECT_EQ(ParseNumber(Muestra("txt#nup")), r.Get("NUP").toInt());
        EXPECT_DOUBLE_EQ(ParseNumber(Muestra("txt#sbu")), r.Get("SBU").toDouble());
        EXPECT_DOUBLE_EQ(ParseNumber(Muestra("txt#pti")), r.Get("PTI").toDouble());
        if (TieneEdad() && r.Get("ANTTIPO").toString() == "A") {
            EXPECT_DOUBLE_EQ(ParseNumber(Muestra("txt#antd1")), r.Get("ANTDAT").toInt());
        }
        const double unidades = r.Get("MON").toString() == "E" ? 100 : 1;
        EXPECT_NEAR(ParseNumber(Muestra("txt#vaf")) * unidades, r.Get("VAF").toDouble(), 0.5);
    }

    static QStringList Mensajes()
    {
        QStringList textos;
        for (const ShownMessage& m : MsgBoxSeam::Shown())
            textos << m.text;
        return textos;
    }
};

using Ventanas = ::testing::Types<Ventana<Tipologia1, 1>, Ventana<Tipologia2, 2>, Ventana<Tipologia3, 3>>;
TYPED_TEST_SUITE(Hostil, Ventanas);

// Each entry into an editable box of a valued window, typed or pasted over its whole text.
TYPED_TEST(Hostil, NumericBoxesTakeOnlyWhatTheyShow)
{
    enum Modo { Tecleo, Pegado };
    const QString largo9(10000, QLatin1Char('9'));
    const QString largoA(10000, QLatin1Char('a'));
    const struct {
        const char* caja;
        Modo modo;
        QString texto;
        const char* muestra;  // what the box shows after leaving it
        int mensaje;          // id of the message shown, 0 for none
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
        {"txt#pti", Tecleo, "100", "100", 0},
        {"txt#pti", Tecleo, "0", "100,00", 0},
        {"txt#pti", Tecleo, "0,5", "0,50", 0},
        {"txt#pti", Tecleo, "1,2,3", "1,23", 0},
        {"txt#pti", Pegado, "1.00", "100", 0},
        {"txt#pti", Pegado, largo9, "100,00", 0},
        {"txt#antd1", Tecleo, "999", "999", 0},
        {"txt#antd1", Tecleo, "12a", "12", 0},
        {"txt#antd1", Pegado, "1.0", "10", 0},
        {"txt#antd1", Pegado, largo9, "", 0},
    };
    for (const auto& c : casos) {
        const QString caja = TestFixture::Nm(c.caja);
        SCOPED_TRACE(caja.toStdString() + (c.modo == Pegado ? " pasted " : " typed ") + c.texto.left(20).toStdString());
        if (!this->C(caja))
            continue;  // the garage has no age in years
        gDatosInicial().InicializarTipologias();
        this->Valorar();
        if (c.modo == Tecleo) {
            this->Teclear(caja, c.texto);
        } else {
            Pegar(this->C(caja), c.texto);
            this->Salir();
        }
        EXPECT_EQ(this->T(caja), QString::fromUtf8(c.muestra));
        EXPECT_EQ(this->Mensajes(), c.mensaje ? QStringList{LoadResString(c.mensaje)} : QStringList{});
        this->Coherente();
        MsgBoxSeam::Clear();
        this->V().Unload();
    }
}

// The valuation date box, in both languages: refused dates bring the record's date back with a
// message; an accepted date of another valuation year or version empties the valuation.
TYPED_TEST(Hostil, ValuationDates)
{
    const struct {
        const char* es;
        const char* eu;
        int mensaje;         // 0: accepted
        int32_t fecha;       // the record's date afterwards
        bool vaciada;        // the valuation was emptied
    } casos[] = {
        {"29/02/1900", "1900/02/29", 49, 20250101, false},
        {"31/04/2003", "2003/04/31", 49, 20250101, false},
        {"00/00/0000", "0000/00/00", 49, 20250101, false},
        {"12/0_/____", "2025/0_/__", 49, 20250101, false},
        {"1_/__/2025", "____/__/01", 49, 20250101, false},
        {"31/12/1998", "1998/12/31", 51, 20250101, false},
        {"01/01/2028", "2028/01/01", 51, 20250101, false},
        {"__/__/____", "____/__/__", 0, 20250101, false},  // empty: the settings' date
        {"30/06/2025", "2025/06/30", 0, 20250630, false},
        {"31/12/2027", "2027/12/31", 0, 20271231, true},   // upper bound
        {"01/01/1999", "1999/01/01", 0, 19990101, true},   // lower bound
        {"29/02/2024", "2024/02/29", 0, 20240229, true},
    };
    for (const char* idioma : {"C", "E"}) {
        for (const auto& c : casos) {
            const bool vasco = *idioma == 'E';
            SCOPED_TRACE(vasco ? c.eu : c.es);
            gEntrada().setP_IDI(idioma);
            gDatosInicial().InicializarTipologias();
            this->Valorar();
            this->Teclear(TestFixture::Nm("txt#fecv"), QString::fromUtf8(vasco ? c.eu : c.es));
            const QStringList mensajes = this->Mensajes();
            if (c.mensaje == 0) {
                EXPECT_TRUE(mensajes.isEmpty()) << mensajes.join('|').toStdString();
            } else {
                ASSERT_EQ(mensajes.size(), 1);
                EXPECT_TRUE(mensajes[0].startsWith(LoadResString(gIdioma + c.mensaje))) << mensajes[0].toStdString();
                EXPECT_EQ(FocusedControl(), this->C(TestFixture::Nm("txt#fecv")));
            }
            EXPECT_EQ(TestFixture::R().Get("FECV").toInt(), c.fecha);
            EXPECT_EQ(TestFixture::R().Get("MUN").toString(), c.vaciada ? "" : "L'ARBOLEDA");
            EXPECT_EQ(TestFixture::R().Get("VAF").toDouble() == 0, c.vaciada);
            this->Coherente();
            MsgBoxSeam::Clear();
            this->V().Unload();
        }
    }
}

// A date of the other version of the same year starts the valuation again.
TYPED_TEST(Hostil, AnotherVersionOfTheYear)
{
    this->Abrir();
    this->Teclear(TestFixture::Nm("txt#fecv"), "30/06/2006");
    EXPECT_EQ(TestFixture::R().Get("VER").toInt(), 1);
    TestFixture::R().Set("SBU", 50.0);
    this->Teclear(TestFixture::Nm("txt#fecv"), "01/07/2006");
    EXPECT_EQ(TestFixture::R().Get("EJER").toInt(), 2006);
    EXPECT_EQ(TestFixture::R().Get("VER").toInt(), 2);
    EXPECT_EQ(TestFixture::R().Get("SBU").toDouble(), 0);
    EXPECT_TRUE(this->Mensajes().isEmpty());
    this->Coherente();
}

// The construction date (dwelling and storage room): refused dates bring the stored one back.
TYPED_TEST(Hostil, ConstructionDates)
{
    if (!TestFixture::TieneEdad())
        GTEST_SKIP() << "the garage has no age";
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
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto);
        gDatosInicial().InicializarTipologias();
        this->Valorar();
        this->Pulsar(TestFixture::Nm("opt#anttipo(1)"));
        ASSERT_EQ(TestFixture::R().Get("ANTDAT").toInt(), 20250101);
        this->Teclear(TestFixture::Nm("txt#antd2"), c.texto);
        const QStringList mensajes = this->Mensajes();
        if (c.mensaje == 0) {
            EXPECT_TRUE(mensajes.isEmpty()) << mensajes.join('|').toStdString();
        } else {
            ASSERT_EQ(mensajes.size(), 1);
            EXPECT_TRUE(mensajes[0].startsWith(LoadResString(c.mensaje))) << mensajes[0].toStdString();
            EXPECT_EQ(FocusedControl(), this->C(TestFixture::Nm("txt#antd2")));
        }
        EXPECT_EQ(TestFixture::R().Get("ANTDAT").toInt(), c.construccion);
        EXPECT_EQ(TestFixture::R().Get("ANT").toInt(), c.anos);
        EXPECT_EQ(this->T(TestFixture::Nm("txt#antd2")), gFecha().LongToString(c.construccion));
        this->Coherente();
        MsgBoxSeam::Clear();
        this->V().Unload();
    }
}

// Locations the tables do not cover value nothing, show nothing of a zone and refuse printing.
TYPED_TEST(Hostil, LocationsTheTablesDoNotCover)
{
    const struct {
        const char* municipio;
        const char* calle;  // nullptr: typed, not in the (empty) list
        const char* portal;
        const char* ponencia;
        int zona;
        const char* nombreZona;
        bool valorada;
    } casos[] = {
        {"L'ARBOLEDA", "CALLE D'ALT", "999", "2025", 1, "ZONA D'UNO", true},
        {"L'ARBOLEDA", "CALLE D'ALT", "998", "2025", 1, "ZONA D'UNO", true},
        {"L'ARBOLEDA", "TRAMO CORTO", "7", "2025", 0, "", false},  // no stretch covers the portal
        {"L'ARBOLEDA", "SIN ZONA", "8", "2025", 0, "", false},     // the zone has no row
        {"SIN PONENCIA", "CALLE UNICA", "5", "", 0, "", false},
        {"SIN CALLES", nullptr, "5", "2025", 0, "", false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.municipio) + " " + (c.calle ? c.calle : "(typed)") + " " + c.portal);
        gDatosInicial().InicializarTipologias();
        this->Abrir();
        this->Elegir(TestFixture::Nm("cmb#mun"), c.municipio);
        if (c.calle) {
            this->Elegir(TestFixture::Nm("cmb#cal"), c.calle);
        } else {
            EXPECT_EQ(this->template C<ComboBox>(TestFixture::Nm("cmb#cal"))->ListCount(), 0);
            this->Teclear(TestFixture::Nm("cmb#cal"), "CALLE INVENTADA");
        }
        this->Teclear(TestFixture::Nm("txt#nup"), c.portal);
        this->Teclear(TestFixture::Nm("txt#sbu"), "100");
        const CDatosTip& r = TestFixture::R();
        EXPECT_EQ(r.Get("NUR").toInt(), c.zona);
        EXPECT_EQ(this->T(TestFixture::Nm("txt#nor")), QString::fromUtf8(c.nombreZona));
        EXPECT_EQ(this->T(TestFixture::Nm("txt#añop")), c.ponencia);
        EXPECT_EQ(r.Get("VAF").toDouble() != 0, c.valorada);
        EXPECT_EQ(this->C("cmdimprimir")->isEnabled(), c.valorada);
        EXPECT_TRUE(this->Mensajes().isEmpty()) << this->Mensajes().join('|').toStdString();
        this->Coherente();
        this->V().Unload();
    }
}

// A street typed or pasted that is not in the list is not taken: the list shows the stored
// street again, which is the one valued and printed. A municipality likewise.
TYPED_TEST(Hostil, UnlistedStreetOrMunicipalityBringsTheStoredOneBack)
{
    const struct {
        const char* lista;
        bool pegado;
        QString texto;
    } casos[] = {
        {"cmb#cal", false, "zzz"},
        {"cmb#cal", false, "["},
        {"cmb#cal", true, QString(10000, QLatin1Char('z'))},
        {"cmb#mun", false, "zzz"},
        {"cmb#mun", true, QString(10000, QLatin1Char('z'))},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.lista) + " " + c.texto.left(10).toStdString());
        gDatosInicial().InicializarTipologias();
        this->Valorar();
        const double valor = TestFixture::R().Get("VAF").toDouble();
        const QString lista = TestFixture::Nm(c.lista);
        if (c.pegado) {
            Pegar(this->C(lista), c.texto);
            this->Salir();
        } else {
            this->Teclear(lista, c.texto);
        }
        EXPECT_EQ(TestFixture::R().Get("CAL").toString(), "CALLE D'ALT");
        EXPECT_EQ(TestFixture::R().Get("VAF").toDouble(), valor);
        this->Coherente();
        this->V().Unload();
    }
    // A typed beginning selects the street it begins, apostrophe included.
    gDatosInicial().InicializarTipologias();
    this->Valorar();
    this->Elegir(TestFixture::Nm("cmb#cal"), "TRAMO CORTO");
    this->Teclear(TestFixture::Nm("cmb#cal"), "calle d'");
    EXPECT_EQ(TestFixture::R().Get("CAL").toString(), "CALLE D'ALT");
    EXPECT_EQ(TestFixture::R().Get("NUR").toInt(), 1);
    this->Coherente();
}

// Pesetas to euros and back in the middle of a valuation: the zone is read again in the
// record's currency, so the way back gives the first figures exactly.
TYPED_TEST(Hostil, CurrencySwitchedInTheMiddle)
{
    this->Valorar();
    const double pesetas = TestFixture::R().Get("VAF").toDouble();
    const QString mostrado = this->T(TestFixture::Nm("txt#vaf"));
    this->Pulsar(TestFixture::Nm("opt#mon(1)"));
    EXPECT_EQ(TestFixture::R().Get("MON").toString(), "E");
    EXPECT_NEAR(TestFixture::R().Get("VAF").toDouble() * 1.66386, pesetas, pesetas * 0.001);
    this->Coherente();
    this->Teclear(TestFixture::Nm("txt#nup"), "9");
    this->Coherente();
    this->Pulsar(TestFixture::Nm("opt#mon(0)"));
    EXPECT_EQ(TestFixture::R().Get("MON").toString(), "P");
    EXPECT_EQ(TestFixture::R().Get("VAF").toDouble(), pesetas);
    EXPECT_EQ(this->T(TestFixture::Nm("txt#vaf")), mostrado);
    EXPECT_TRUE(this->Mensajes().isEmpty());
    this->Coherente();
}

// Printing: no printer says so and prints nothing; the report shows the names with their
// apostrophes and the description lines of 60 characters as written.
TYPED_TEST(Hostil, PrintingWithoutPrinterAndToPdf)
{
    this->Valorar();
    const QStringList lineas = {QString::fromUtf8("Piso d'Alt 3º izquierda, c/ Peña 'La Ñ' áéíóú ÁÉÍÓÚ üÜ 12345"),
                                QString(60, QLatin1Char('M')), QString(), QStringLiteral("O'Donnell")};
    for (int16_t i = 0; i < 4; ++i)
        TestFixture::R().EscribirDES(lineas[i], i);
    QTemporaryDir dir;
    const QString pdf = dir.filePath("informe.pdf");
    Printer::SetOutputPdfForTests(pdf);
    Printer::SetPrinterCountForTests(0);
    this->Pulsar("cmdimprimir");
    ASSERT_EQ(MsgBoxSeam::Shown().size(), 1);
    EXPECT_EQ(MsgBoxSeam::Shown()[0].text, LoadResString(153));
    EXPECT_EQ(MsgBoxSeam::Shown()[0].style, 64);
    EXPECT_FALSE(QFile::exists(pdf));
    MsgBoxSeam::Clear();
    Printer::SetPrinterCountForTests(1);
    this->Pulsar("cmdimprimir");
    EXPECT_TRUE(MsgBoxSeam::Shown().isEmpty());
    const QList<PalabraPdf> palabras = LeerPalabrasPdf(pdf);
    ASSERT_FALSE(palabras.isEmpty());
    QString todo;
    for (const PalabraPdf& p : palabras)
        todo += p.texto + QLatin1Char(' ');
    todo.replace(QChar(0x2019), QLatin1Char('\''));
    for (const QString& s : {QStringLiteral("L'ARBOLEDA"), QStringLiteral("D'ALT"), lineas[0], lineas[1], lineas[3],
                             this->T(TestFixture::Nm("txt#vaf"))})
        EXPECT_TRUE(todo.contains(s)) << s.toStdString();
}

// Clear, Exit and opening again: an emptied record shown as empty, and a new valuation works.
TYPED_TEST(Hostil, ClearThenExitThenReopen)
{
    this->Valorar();
    this->Pulsar("cmdlimpiar");
    EXPECT_EQ(TestFixture::R().Get("MUN").toString(), "");
    EXPECT_EQ(TestFixture::R().Get("VAF").toDouble(), 0);
    this->Coherente();
    this->Pulsar("cmdsalir");
    EXPECT_FALSE(this->V().IsLoaded());
    this->Abrir();
    this->Coherente();
    EXPECT_FALSE(this->C("cmdimprimir")->isEnabled());
    this->Elegir(TestFixture::Nm("cmb#mun"), "L'ARBOLEDA");
    this->Elegir(TestFixture::Nm("cmb#cal"), "CALLE D'ALT");
    this->Teclear(TestFixture::Nm("txt#nup"), "7");
    this->Teclear(TestFixture::Nm("txt#sbu"), "100");
    EXPECT_NE(TestFixture::R().Get("VAF").toDouble(), 0);
    EXPECT_TRUE(this->C("cmdimprimir")->isEnabled());
    EXPECT_TRUE(this->Mensajes().isEmpty());
    this->Coherente();
}

}  // namespace
