// The report of a shop in a commercial building of a residential zone, printed from the window
// in Spanish and in Basque to a PDF in the test's own folder; texts read back where the layout
// puts them (half a millimetre), with the window's own texts around them.
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "core/Globals.h"
#include "platform/MsgBox.h"
#include "platform/Printer.h"
#include "tests/support/FixtureTipologia.h"
#include "tests/support/PdfTexto.h"
#include "typologies/commercial_residential/InformeComercialResidencial.h"
#include "typologies/commercial_residential/Tipologia5.h"

namespace {

constexpr int kPpp = 300;

// The value boxes of rows 43 (VRC) and 92 (final value): left and right edges where the layout
// puts them, the grey box filled grey and the white one white.
void ComprobarRecuadros(const QString& pdf, double vrcIzquierda)
{
    const QImage pagina = PaginaPdf(pdf, kPpp);
    ASSERT_FALSE(pagina.isNull());
    EXPECT_NEAR(PrimerBorde(pagina, 161.5, vrcIzquierda - 1, vrcIzquierda + 1.5, kPpp), vrcIzquierda, 0.5);
    EXPECT_NEAR(PrimerBorde(pagina, 161.5, vrcIzquierda + 25, vrcIzquierda + 20.5, kPpp), vrcIzquierda + 22, 0.5);
    EXPECT_NEAR(PrimerBorde(pagina, 219, 143.5, 146.5, kPpp), 145, 0.5);
    EXPECT_NEAR(PrimerBorde(pagina, 219, 175.5, 172.5, kPpp), 174, 0.5);
    EXPECT_EQ(qGray(PixelPdf(pagina, 146, 219, kPpp)), qGray(qRgb(0xAA, 0xAA, 0xAA)));
    EXPECT_EQ(qGray(PixelPdf(pagina, vrcIzquierda + 1, 163, kPpp)), 255);
}

// PRUEBA (code 9), ponencia 2002, CALLE MAYOR: odd portals in subzone "A1" (100000 pesetas);
// valuation date 27/10/2003 (COA 1,05, RP 1,00).
class InformeComercialResidencial : public FixtureTipologia<Tipologia5> {
protected:
    InformeComercialResidencial()
        : FixtureTipologia(
              PreparacionTipologia{5,
                                   20031027,
                                   QStringLiteral("cmdDescripcion"),
                                   {
                                       "INSERT INTO t03_municipios VALUES (1999, 9, 'PRUEBA')",
                                       "INSERT INTO t04_ponencias VALUES (2002, 9)",
                                       "INSERT INTO main.t05_calles_nombre VALUES (9, 1999, 1, 10, 'CALLE MAYOR')",
                                       "INSERT INTO t06_calles_datos VALUES (9, 10, 1999, 1, 0, 98, 1, 99, '1', 'A1')",
                                       "INSERT INTO t08_comercial VALUES (9, 'A1', 2002, 'P', 100000)",
                                   }})
    {
    }

    // The worked example (100 m2 built, new, 50 %) with two description lines, printed in the
    // settings' language. The situation box is unticked by a click before printing: the page
    // names the situation all the same.
    QString Imprimir(bool eu)
    {
        gEntrada().setP_IDI(eu ? QStringLiteral("E") : QStringLiteral("C"));
        gDatosTip5().EscribirP5_DES(QStringLiteral("Local 3, planta baja"), 0);
        gDatosTip5().EscribirP5_DES(QStringLiteral("Ref. 12-C"), 3);
        Abrir();
        Localizar(QStringLiteral("CALLE MAYOR"), QStringLiteral("7"));
        Pulsar(QStringLiteral("optp5tsu(0)"));
        Teclear(QStringLiteral("txtp5sbu"), QStringLiteral("100"));
        Teclear(QStringLiteral("txtp5pti"), QStringLiteral("50"));
        Pulsar(QStringLiteral("Chkp5cl1"));
        QString pdf = dir_.filePath(eu ? QStringLiteral("informe_eu.pdf") : QStringLiteral("informe_es.pdf"));
        ImprimirEn(pdf);
        return pdf;
    }

    QTemporaryDir dir_;
};

TEST_F(InformeComercialResidencial, SpanishPage)
{
    const QString pdf = Imprimir(false);
    // clang-format off
    ComprobarPosiciones(pdf, {
        {"LOCAL COMERCIAL en Edificio Comercial en Zona Residencial", Centro, 99.5, 93},  // 17
        {"Fecha de Valoración:", Izquierda, 72, 108.5},                                  // 21
        {"27/10/2003", Izquierda, 100, 108},                                              // 22
        {"Subzona Comercial:", Izquierda, 27, 155},                                       // 39
        {"A1", Izquierda, 57, 154.5},                                                     // 40
        {"100.000", Centro, 95, 159.5},                                                   // 43-44: box 84-106
        {"(En interior)", Izquierda, 97, 178.5},                                          // 65
        {"13.446.720", Derecha, 172, 215.5},                                              // 92-93
        {"Local 3, planta baja", Izquierda, 37, 120},
        {"Ref. 12-C", Izquierda, 37, 132},
        {"Calle, plaza:", Izquierda, 27, 150},
        {"Nº Portal:", Izquierda, 113, 150},
        {"Coste de Construcción", Izquierda, 113, 160},
        {"90.000", Centro, 159, 159.5},
        {"Tipo superficie", Izquierda, 27, 174},
        {"Construida", Izquierda, 48, 173.5},
        {"116,0000", Centro, 160, 173.5},
        {"Valor en año ponencia =", Izquierda, 27, 198},
        {"25.612.800", Derecha, 172, 198},
        {"4.263.000", Derecha, 172, 221.5},
        {"9.183.720", Derecha, 172, 226.5},
    });
    ComprobarFuentes(pdf, {
        {"LOCAL COMERCIAL en Edificio Comercial en Zona Residencial", 93, "A 11 B"},
        {"Fecha de Valoración:", 108.5, "A 8"},
        {"27/10/2003", 108, "A 9 B"},
        {"Subzona Comercial:", 155, "A 8 I"},
        {"(En interior)", 178.5, "A 9 I"},
        {"13.446.720", 215.5, "A 9 B"},
    });
    // clang-format on
    ComprobarRecuadros(pdf, 84);
}

TEST_F(InformeComercialResidencial, BasquePage)
{
    const QString pdf = Imprimir(true);
    // clang-format off
    ComprobarPosiciones(pdf, {
        {"MERKATARITZA LOKALA, Merkataritza Eraikuntzan eta Etxegunea Batean", Centro, 99.5, 93},  // 17
        {"Balorazio data:", Izquierda, 77, 108.5},                                                 // 21
        {"2003/10/27", Izquierda, 100, 108},                                                       // 22
        {"Merkataritza azpizona:", Izquierda, 27, 155},                                            // 39
        {"A1", Izquierda, 57, 154.5},                                                              // 40
        {"100.000", Centro, 98, 159.5},                                                            // 43-44: box 87-109
        {"(Barrukoa)", Izquierda, 99, 178.5},                                                      // 65
        {"13.446.720", Derecha, 172, 215.5},                                                       // 92-93
        {"Ondare Eskualdaketen eta Egintza Juridiko Dokumentatuen gaineko Zerga", Centro, 99.5, 73},
        {"Kalea, plaza:", Izquierda, 27, 150},
        {"Atari zk.:", Izquierda, 118, 150},
        {"Azalera mota:", Izquierda, 27, 174},
        {"Lurzoruaren balioa:", Izquierda, 119, 222},
    });
    // clang-format on
    ComprobarRecuadros(pdf, 87);
}

TEST_F(InformeComercialResidencial, WindowHasEveryControlTheTablesRead)
{
    Abrir();
    EXPECT_TRUE(ControlesAusentes(InformeComercialResidencialEs(), V()).isEmpty());
    EXPECT_TRUE(ControlesAusentes(InformeComercialResidencialEu(), V()).isEmpty());
}

}  // namespace
