// The street windows on the residential zone (dwelling, storage room, garage) under hostile
// locations: places the tables do not cover, streets and municipalities typed or pasted that
// are not in their lists. After each entry the window must show what the record holds. What
// every window shares (typed and pasted boxes, dates, currency, printing, Clear) is checked for
// all of them by the contract suite (test_contrato.cpp).
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include "core/Globals.h"
#include "platform/CajaNum.h"
#include "platform/ComboBox.h"
#include "platform/MaskEdBox.h"
#include "platform/MsgBox.h"
#include "platform/NumberFormat.h"
#include "tests/support/FixtureTipologia.h"
#include "typologies/dwelling/Tipologia1.h"
#include "typologies/parking/Tipologia3.h"
#include "typologies/storage_room/Tipologia2.h"

// Readable failure output.
void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

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
            PasteInto(this->C(lista), c.texto);
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

}  // namespace
