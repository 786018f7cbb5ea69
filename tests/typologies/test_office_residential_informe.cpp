// The report of an office in a residential zone printed from the window, in Spanish and in
// Basque: the page goes to PDF (in the test's own temporary folder) and its texts, fonts and
// boxes are read back where the layout puts them.
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "core/Globals.h"
#include "platform/MsgBox.h"
#include "platform/Printer.h"
#include "tests/support/FixtureTipologia.h"
#include "tests/support/PdfTexto.h"
#include "typologies/office_residential/Tipologia7.h"

namespace {

// PRUEBA (code 9), ponencia and valuation year 2025 (update coefficient 1, RP 1,10);
// CALLE MAYOR, odd portals in zone 1 "ZONA UNO", VRR 100000 pesetas.
class InformeOficina : public FixtureTipologia<Tipologia7> {
protected:
    InformeOficina()
        : FixtureTipologia(PreparacionTipologia{
              7,
              20250101,
              QStringLiteral("cmdDescripcion"),
              {
                  "INSERT INTO main.t03_municipios VALUES (2010, 9, 'PRUEBA')",
                  "INSERT INTO main.t04_ponencias VALUES (2025, 9)",
                  "INSERT INTO main.t05_calles_nombre VALUES (9, 2010, 1, 10, 'CALLE MAYOR')",
                  "INSERT INTO main.t06_calles_datos VALUES (9, 10, 2010, 1, 0, 98, 1, 99, '1', 'A1')",
                  "INSERT INTO main.t07_residencial VALUES (9, 1, 2025, 'ZONA UNO', 'P', 100000, 99999, 0)",
              }})
    {
    }

    QString Pdf(bool eu) const
    {
        return dir_.filePath(eu ? QStringLiteral("oficina_eu.pdf") : QStringLiteral("oficina_es.pdf"));
    }

    // Portal 7, 100 m2 usable, 10 years, half of it, in the settings' language; in a basement
    // (CL 0,30) when asked: V = ((11400 + 110400) * 0,85 + 30000) * 116 = 15489480,
    // VCO 17038428, VAF 8519214, land 1914000, construction 6605214.
    void Imprimir(bool eu, bool sotano)
    {
        gEntrada().setP_IDI(eu ? QStringLiteral("E") : QStringLiteral("C"));
        gDatosTip7().EscribirP7_DES(QStringLiteral("Oficina 3, planta 2"), 0);
        gDatosTip7().EscribirP7_DES(QStringLiteral("Ref. 77-B"), 3);
        Abrir();
        Localizar(QStringLiteral("CALLE MAYOR"), QStringLiteral("7"));
        Teclear(QStringLiteral("txtp7sbu"), QStringLiteral("100"));
        if (sotano)
            Pulsar(QStringLiteral("Chkp7cl1"));
        Teclear(QStringLiteral("txtp7antd1"), QStringLiteral("10"));
        Teclear(QStringLiteral("txtp7pti"), QStringLiteral("50"));
        ASSERT_TRUE(C(QStringLiteral("cmdimprimir"))->isEnabled());
        ImprimirEn(Pdf(eu));
    }

    QTemporaryDir dir_;
};

bool Gris(QRgb c) { return qAbs(qRed(c) - 170) < 8 && qAbs(qGreen(c) - 170) < 8 && qAbs(qBlue(c) - 170) < 8; }
bool Blanco(QRgb c) { return qRed(c) > 245 && qGreen(c) > 245 && qBlue(c) > 245; }
bool Oscuro(QRgb c) { return qRed(c) < 100 && qGreen(c) < 100 && qBlue(c) < 100; }
// A line passes within 0.3 mm of (x, y): some pixel around the point is dark.
bool Linea(const QImage& pagina, double x, double y, int ppp)
{
    for (double dx = -0.3; dx <= 0.31; dx += 0.05)
        for (double dy = -0.3; dy <= 0.31; dy += 0.05)
            if (Oscuro(PixelPdf(pagina, x + dx, y + dy, ppp)))
                return true;
    return false;
}

TEST_F(InformeOficina, SpanishPage)
{
    Imprimir(false, true);
    // clang-format off
    ComprobarPosicionesMasCercanas(Pdf(false), {
        {"Orvellanko Foru Aldundia", Izquierda, 69, 42},
        {"Departamento para la Fiscalidad y las Finanzas", Izquierda, 69, 64},
        {"Impuesto sobre Sucesiones y Donaciones", Centro, 99.5, 84},
        {"COMPROBACIÓN DE VALORES:", Izquierda, 39, 93},
        {"OFICINA EN ZONA RESIDENCIAL", Izquierda, 93, 92.5},
        {"Fecha de Valoración:", Izquierda, 72, 108.5},
        {"01/01/2025", Izquierda, 100, 108},
        {"Datos operación:", Izquierda, 25, 115.5},
        {"Oficina 3, planta 2", Izquierda, 37, 120},
        {"Ref. 77-B", Izquierda, 37, 132},
        {"Localización:", Izquierda, 42, 140},
        {"Municipio:", Izquierda, 27, 146},
        {"PRUEBA", Izquierda, 47, 145.5},
        {"Calle, plaza:", Izquierda, 27, 150},
        {"CALLE MAYOR", Izquierda, 47, 149.5},
        {"Nº Portal:", Izquierda, 113, 150},
        {"7", Izquierda, 128, 149.5},
        {"ZONA UNO", Izquierda, 55, 154.5},
        {"Valor básico de repercusión del suelo", Izquierda, 27, 160},
        {"VRR:", Izquierda, 76, 160},
        {"100.000", Centro, 95, 159.5},  // VRR box 84-106
        {"Coste de Construcción", Izquierda, 113, 160},
        {"80.000", Centro, 159, 159.5},  // CC box 149-169
        {"Tipo superficie", Izquierda, 27, 174},
        {"Útil", Izquierda, 48, 173.5},
        {"100,00", Izquierda, 86, 173.5},
        {"Superficie homogeneizada", Izquierda, 107, 174},
        {"SH:", Izquierda, 142, 174},
        {"116,0000", Centro, 160, 173.5},  // SH box 149-171
        {"CL:", Izquierda, 55, 179},
        {"0,30", Centro, 67, 178.5},  // CL box 62-72
        {"(En sótano)", Izquierda, 97, 178.5},
        {"Antigüedad:", Izquierda, 27, 184},
        {"10", Centro, 47.5, 183.5},
        {"(1-D):", Izquierda, 112, 184},
        {"0,8500", Centro, 128.5, 183.5},  // (1 - D) box 121-136
        {"Valor en año ponencia =", Izquierda, 27, 198},
        {"2025", Izquierda, 58, 198},
        {"15.489.480", Derecha, 172, 198},
        {"1,000000", Centro, 119.5, 203.5},
        {"17.038.428", Derecha, 172, 208.5},
        {"VALOR FINAL =", Izquierda, 27, 215.5},
        {"50,00", Centro, 119.5, 215.5},
        {"8.519.214", Derecha, 172, 215.5},  // in the grey box
        {"Valor del suelo", Izquierda, 112, 222},
        {"1.914.000", Derecha, 172, 221.5},
        {"Valor de la construcción", Izquierda, 112, 227},
        {"6.605.214", Derecha, 172, 226.5},
        {"Valores determinados exclusivamente a efectos de la comprobación fiscal en los impuestos citados.",
         Izquierda, 27, 243},
    });
    ComprobarFuentes(Pdf(false), {
        {"Orvellanko Foru Aldundia", 42, "TNR 12 BI"},
        {"COMPROBACIÓN DE VALORES:", 93, "A 9 U"},
        {"OFICINA EN ZONA RESIDENCIAL", 92.5, "A 11 B"},
        {"Tipo superficie", 174, "A 8 I"},
        {"(En sótano)", 178.5, "A 9 I"},
        {"8.519.214", 215.5, "A 9 B"},
        {"1.914.000", 221.5, "A 9"},
    });
    // clang-format on

    EXPECT_EQ(PaginasPdf(Pdf(false)), 1);
    // Row 47 prints the frame caption without a colon; no class row.
    const QList<PalabraPdf> palabras = LeerPalabrasPdf(Pdf(false));
    EXPECT_FALSE(BuscarFrase(palabras, QStringLiteral("Tipo superficie:")).has_value());
    EXPECT_FALSE(BuscarFrase(palabras, QStringLiteral("Clase")).has_value());

    // The frame starts at y 34, the logo cell reaches down to the rule at 76, the final value
    // sits in a grey box.
    const int ppp = 300;
    const QImage pagina = PaginaPdf(Pdf(false), ppp);
    ASSERT_FALSE(pagina.isNull());
    EXPECT_TRUE(Linea(pagina, 100, 34, ppp)) << "top of the frame";
    EXPECT_TRUE(Linea(pagina, 23, 34, ppp)) << "top left corner of the frame";
    EXPECT_FALSE(Linea(pagina, 100, 31, ppp)) << "above the frame";
    EXPECT_TRUE(Linea(pagina, 62.25, 72, ppp)) << "logo cell";
    EXPECT_FALSE(Linea(pagina, 62.25, 87, ppp)) << "below the logo cell";
    EXPECT_TRUE(Gris(PixelPdf(pagina, 148, 218.5, ppp))) << "final value box";
    EXPECT_TRUE(Blanco(PixelPdf(pagina, 140, 218.5, ppp))) << "left of the grey box";
}

TEST_F(InformeOficina, BasquePage)
{
    Imprimir(true, false);
    // clang-format off
    ComprobarPosicionesMasCercanas(Pdf(true), {
        {"Ondare Eskualdaketen eta Egintza Juridiko Dokumentatuen gaineko Zerga", Centro, 99.5, 80},
        {"BALIO EGIAZTAPENA:", Izquierda, 52, 93},
        {"BULEGOA ETXEGUNE BATEAN", Izquierda, 92, 92.5},
        {"Balorazio data:", Izquierda, 77, 108.5},
        {"2025/01/01", Izquierda, 100, 108},
        {"Eragiketa datuak:", Izquierda, 25, 115.5},
        {"Udalerria:", Izquierda, 27, 146},
        {"Kalea, plaza:", Izquierda, 27, 150},
        {"Atari zk.:", Izquierda, 118, 150},
        {"7", Izquierda, 134, 149.5},
        {"BEE:", Izquierda, 79, 160},
        {"100.000", Centro, 98, 159.5},  // VRR box 87-109
        {"Eraikuntza kostua", Izquierda, 118, 160},
        {"EK:", Izquierda, 143, 160},
        {"Azalera mota:", Izquierda, 27, 174},
        {"Erabilgarria", Izquierda, 48, 173.5},
        {"Az. homogeneizatua", Izquierda, 113, 174},
        {"AH:", Izquierda, 142, 174},
        {"KL:", Izquierda, 59, 179},
        {"1,00", Centro, 71, 178.5},  // CL box 66-76
        {"(Orokorra)", Izquierda, 99, 178.5},
        {"Antzinatasuna:", Izquierda, 27, 184},
        {"Koefizientea", Izquierda, 94, 184},
        {"(1-G):", Izquierda, 112, 184},
        {"Balioa ponentzia urtean =", Izquierda, 27, 198},
        {"2025", Izquierda, 59, 198},
        {"AMAIERAKO BALIOA =", Izquierda, 27, 215.5},
        {"50,00", Centro, 126.5, 215.5},  // percentage box 119-134
        {"Lurzoruaren balioa:", Izquierda, 119, 222},
        {"Eraikuntzaren balioa:", Izquierda, 119, 227},
        {"Aipatu zergetan egiaztapen fiskala egiteko bakarrik kalkulatu dira balioak.", Izquierda, 27, 243},
    });
    ComprobarFuentes(Pdf(true), {
        {"BULEGOA ETXEGUNE BATEAN", 92.5, "A 11 B"},
        {"Azalera mota:", 174, "A 8 I"},
        {"(Orokorra)", 178.5, "A 9 I"},
    });
    // clang-format on
    const int ppp = 300;
    const QImage pagina = PaginaPdf(Pdf(true), ppp);
    ASSERT_FALSE(pagina.isNull());
    EXPECT_TRUE(Linea(pagina, 100, 34, ppp)) << "top of the frame";
    EXPECT_TRUE(Gris(PixelPdf(pagina, 148, 218.5, ppp))) << "final value box";
}

}  // namespace
