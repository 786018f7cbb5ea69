// The garage report printed from the window, in Spanish and in Basque: the page goes to PDF
// and its texts are read back where the layout puts them; no printer, no report.
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "core/Globals.h"
#include "core/Recursos.h"
#include "platform/MsgBox.h"
#include "platform/Printer.h"
#include "tests/support/FixtureGaraje.h"
#include "tests/support/PdfTexto.h"
#include "typologies/parking/InformeGaraje.h"
#include "typologies/parking/Tipologia3.h"

namespace {

class InformeGaraje : public Garaje {
protected:
    // Each test prints into a folder of its own, removed with it.
    QString Pdf(bool eu) const
    {
        return carpeta_.filePath(eu ? QStringLiteral("informe_garaje_eu.pdf")
                                    : QStringLiteral("informe_garaje_es.pdf"));
    }
    QTemporaryDir carpeta_;

    // The worked example (a garage of 25 m2 usable, MP 12000 pesetas) with two description
    // lines, printed in the settings' language.
    void Imprimir(bool eu)
    {
        gEntrada().setP_IDI(eu ? QStringLiteral("E") : QStringLiteral("C"));
        gDatosTip3().EscribirP3_DES(QStringLiteral("Plaza de garaje 14"), 0);
        gDatosTip3().EscribirP3_DES(QString::fromUtf8("Sótano -2"), 3);
        Abrir();
        Localizar(QStringLiteral("CALLE MAYOR"), QStringLiteral("17"));
        Pulsar(QStringLiteral("optp3tga(0)"));
        Teclear(QStringLiteral("txtp3sbu"), QStringLiteral("25"));
        QFile::remove(Pdf(eu));
        ImprimirEn(Pdf(eu));
    }
};

TEST_F(InformeGaraje, SpanishPageHasItsTextsWhereTheLayoutPutsThem)
{
    Imprimir(false);
    // clang-format off
    ComprobarPosicionesMasCercanas(Pdf(false), {
        {"Orvellanko Foru Aldundia", Izquierda, 69, 35},
        {"Departamento para la Fiscalidad y las Finanzas", Izquierda, 69, 57},
        {"Impuesto sobre Transmisiones Patrimoniales y Actos Jurídicos Documentados", Centro, 99.5, 73},
        {"Impuesto sobre Sucesiones y Donaciones", Centro, 99.5, 77},
        {"COMPROBACIÓN DE VALORES:", Izquierda, 49, 88},
        {"GARAJES / APARCAMIENTOS", Izquierda, 104, 87.5},
        {"Fecha de Valoración:", Izquierda, 72, 103.5},
        {"15/06/2003", Izquierda, 100, 103},
        {"Datos operación:", Izquierda, 25, 111.5},
        {"Plaza de garaje 14", Izquierda, 37, 116},
        {"Sótano -2", Izquierda, 37, 128},
        {"Localización:", Izquierda, 42, 136},
        {"Municipio:", Izquierda, 27, 141},
        {"PRUEBA", Izquierda, 47, 140.5},
        {"Calle, plaza:", Izquierda, 27, 145},
        {"CALLE MAYOR", Izquierda, 47, 144.5},
        {"Nº Portal:", Izquierda, 107, 145},
        {"17", Izquierda, 122, 144.5},
        {"Zona:", Izquierda, 27, 149},
        {"ZONA UNO", Izquierda, 55, 148.5},
        {"Módulo de Plaza de Aparcamiento", Izquierda, 27, 155},
        {"MP:", Izquierda, 81, 155},
        {"12.000", Centro, 100, 154.5},  // MP box 89-111
        {"Datos necesarios:", Izquierda, 42, 164},
        {"Tipo:", Izquierda, 27, 170},
        {"Garaje", Izquierda, 37, 169.5},
        {"Coeficiente Corrector", Izquierda, 87, 170},
        {"CG:", Izquierda, 115, 170},
        {"1,10", Centro, 130, 169.5},  // CG box 125-135
        {"Tipo superficie:", Izquierda, 27, 176},
        {"Útil", Izquierda, 48, 175.5},
        {"Superficie:", Izquierda, 87, 176},
        {"25,00", Izquierda, 102, 175.5},
        {"Coeficiente Corrector", Izquierda, 27, 182},
        {"CS:", Izquierda, 55, 182},
        {"1,3600", Centro, 72, 181.5},  // CS box 62-82
        {"Resultado de la valoración:", Izquierda, 42, 192},
        {"Valor en año ponencia=", Izquierda, 27, 198},
        {"2002", Izquierda, 58, 198},
        {"= V = MP * CS * CG", Izquierda, 67, 198},
        {"17.952", Derecha, 170, 198},
        {"Valor a Fecha de Valoración = Valor en año ponencia * Coeficiente", Izquierda, 27, 204},
        {"1,050000", Centro, 119.5, 203.5},
        {"18.850", Derecha, 170, 203.5},
        {"Valor Comprobado = Valor actualizado al año valoración * RP", Izquierda, 27, 209},
        {"1,00", Centro, 119.5, 208.5},
        {"18.850", Derecha, 170, 208.5},
        {"VALOR FINAL =", Izquierda, 27, 215.5},
        {"Valor Comprobado * Porcentaje a valorar", Izquierda, 53, 216},
        {"100,00", Centro, 119.5, 215.5},
        {"18.850", Derecha, 170, 215.5},  // in the grey box
        {"vigentes, atendiendo a los datos del bien inmueble consignados.", Izquierda, 27, 239},
        {"Valores determinados exclusivamente a efectos de la comprobación fiscal en los impuestos citados.",
         Izquierda, 27, 243},
    });
    // clang-format on
}

TEST_F(InformeGaraje, BasquePageHasItsTextsWhereTheLayoutPutsThem)
{
    Imprimir(true);
    // clang-format off
    ComprobarPosicionesMasCercanas(Pdf(true), {
        {"Orvellanko Foru Aldundia", Izquierda, 69, 35},
        {"Diputación Foral de Orvellan", Izquierda, 69, 40},
        {"Ondasun Eskualdaketen eta Egintza Juridiko Dokumentatuen gaineko Zerga", Centro, 99.5, 73},
        {"Oinordetza eta Dohaintzen gaineko Zerga", Centro, 99.5, 77},
        {"BALIO EGIAZTAPENA:", Izquierda, 60, 88},
        {"GARAJEAK / APARKALEKUAK", Izquierda, 100, 87.5},
        {"Balorazio data:", Izquierda, 77, 103.5},
        {"2003/06/15", Izquierda, 100, 103},
        {"Eragiketa datuak:", Izquierda, 25, 111.5},
        {"Plaza de garaje 14", Izquierda, 37, 116},
        {"Kokalekua:", Izquierda, 42, 136},
        {"Udalerria:", Izquierda, 27, 141},
        {"Kalea, plaza:", Izquierda, 27, 145},
        {"Atari zk.:", Izquierda, 107, 145},
        {"17", Izquierda, 122, 144.5},
        {"Plaza Bakoitzeko Modulua", Izquierda, 27, 155},
        {"12.000", Centro, 100, 154.5},
        {"Beharrezko datuak:", Izquierda, 42, 164},
        {"Mota:", Izquierda, 27, 170},
        {"Garajea", Izquierda, 37, 169.5},
        {"KG:", Izquierda, 119, 170},
        {"1,10", Centro, 132, 169.5},  // CG box 127-137
        {"Azalera mota:", Izquierda, 27, 176},
        {"Erabilgarria", Izquierda, 48, 175.5},
        {"Azalera:", Izquierda, 87, 176},
        {"Koefiziente zuzentzailea", Izquierda, 27, 181},
        {"KA:", Izquierda, 59, 181},
        {"1,3600", Centro, 76, 180.5},  // CS box 66-86
        {"Balorazioaren emaitza:", Izquierda, 42, 192},
        {"Balioa ponentzia urtean", Izquierda, 27, 198},
        {"2002", Izquierda, 61, 198},
        {"= B = MP * KA * KG", Izquierda, 71, 198},
        {"17.952", Derecha, 170, 198},
        {"AMAIERAKO BALIOA =", Izquierda, 27, 215.5},
        {"Balio egiaztatua * Baloratu beharreko %", Izquierda, 66, 216},
        {"100,00", Centro, 126.5, 215.5},  // percentage box 119-134
        {"18.850", Derecha, 170, 215.5},
        {"Aipatu zergetan egiaztapen fiskala egiteko bakarrik kalkulatu dira balioak.", Izquierda, 27, 243},
    });
    // clang-format on
    // The ponencia-year label stands alone on the Basque page.
    for (const auto& p : LeerPalabrasPdf(Pdf(true)))
        EXPECT_FALSE(p.texto.endsWith(QStringLiteral("urtean="))) << p.texto.toStdString();
}

// Fonts in the layout's notation: A Arial, TNR Times New Roman, size, B bold, I italic, U
// underlined. The bold of the final value stays on for the footer.
TEST_F(InformeGaraje, SpanishPageHasEveryTextInItsFont)
{
    Imprimir(false);
    // clang-format off
    ComprobarFuentes(Pdf(false), {
        {"Orvellanko Foru Aldundia", 35, "TNR 12 BI"},
        {"Fiskalitaterako eta Finantzetarako Departamentua", 52, "TNR 12 BI"},
        {"Impuesto sobre Transmisiones Patrimoniales", 73, "A 10"},
        {"COMPROBACIÓN DE VALORES:", 88, "A 9 U"},
        {"GARAJES / APARCAMIENTOS", 87.5, "A 11 B"},
        {"(Decreto Foral 6/1999, de 26 de enero", 95, "A 8"},
        {"Fecha de Valoración:", 103.5, "A 8"},
        {"15/06/2003", 103, "A 9 B"},
        {"Datos operación:", 111.5, "A 8 I"},
        {"Plaza de garaje 14", 116, "A 9"},
        {"Localización:", 136, "A 8 BIU"},
        {"Calle, plaza:", 145, "A 8 I"},
        {"CALLE MAYOR", 144.5, "A 9"},
        {"Nº Portal:", 145, "A 8 I"},
        {"Módulo de Plaza de Aparcamiento", 155, "A 8 I"},
        {"MP:", 155, "A 8 B"},
        {"12.000", 154.5, "A 9 B"},
        {"Datos necesarios:", 164, "A 8 BIU"},
        {"Tipo:", 170, "A 8 I"},
        {"Garaje", 169.5, "A 9"},
        {"Coeficiente Corrector", 170, "A 8 I"},
        {"CG:", 170, "A 8 B"},
        {"1,10", 169.5, "A 9 B"},
        {"Útil", 175.5, "A 9"},
        {"Superficie:", 176, "A 8 I"},
        {"25,00", 175.5, "A 9"},
        {"CS:", 182, "A 8 B"},
        {"1,3600", 181.5, "A 9 B"},
        {"Resultado de la valoración:", 192, "A 8 BIU"},
        {"Valor en año ponencia=", 198, "A 8 I"},
        {"2002", 198, "A 9"},
        {"= V = MP * CS * CG", 198, "A 8"},
        {"17.952", 198, "A 9"},
        {"1,050000", 203.5, "A 9 B"},
        {"18.850", 203.5, "A 9"},
        {"VALOR FINAL =", 215.5, "A 9 B"},
        {"Valor Comprobado * Porcentaje a valorar", 216, "A 8 I"},
        {"100,00", 215.5, "A 9 B"},
        {"18.850", 215.5, "A 9 B"},
        {"Importes calculados conforme", 235, "A 8 B"},
        {"vigentes, atendiendo a los datos", 239, "A 8 B"},
        {"Valores determinados exclusivamente", 243, "A 8 B"},
    });
    // clang-format on
}

TEST_F(InformeGaraje, BasquePageHasEveryTextInItsFont)
{
    Imprimir(true);
    // clang-format off
    ComprobarFuentes(Pdf(true), {
        {"Ondasun Eskualdaketen eta Egintza Juridiko Dokumentatuen gaineko Zerga", 73, "A 10"},
        {"BALIO EGIAZTAPENA:", 88, "A 9 U"},
        {"GARAJEAK / APARKALEKUAK", 87.5, "A 11 B"},
        {"Balorazio data:", 103.5, "A 8"},
        {"2003/06/15", 103, "A 9 B"},
        {"Kokalekua:", 136, "A 8 BIU"},
        {"Kalea, plaza:", 145, "A 8 I"},
        {"Atari zk.:", 145, "A 8 I"},
        {"Plaza Bakoitzeko Modulua", 155, "A 8 I"},
        {"Beharrezko datuak:", 164, "A 8 BIU"},
        {"KG:", 170, "A 8 B"},
        {"Azalera:", 176, "A 8 I"},
        {"Koefiziente zuzentzailea", 181, "A 8 I"},
        {"KA:", 181, "A 8 B"},
        {"1,3600", 180.5, "A 9 B"},
        {"Balioa ponentzia urtean", 198, "A 8 I"},
        {"= B = MP * KA * KG", 198, "A 8"},
        {"AMAIERAKO BALIOA =", 215.5, "A 9 B"},
        {"Urtarrilaren 26ko 6/1999 Foru Dekretuan", 235, "A 8 B"},
        {"ondasun higiezinari buruzko datuei jarraituz.", 239, "A 8 B"},
        {"Aipatu zergetan egiaztapen fiskala", 243, "A 8 B"},
    });
    // clang-format on
}

// Of the printer's settings the report puts back only the scale mode and the font name; the
// rest stays as its last items left them.
TEST_F(InformeGaraje, PrinterKeepsItsScaleModeAndFontNameAndTheReportsLastSettings)
{
    Printer& p = Printer::Get();
    p.SetScaleMode(1);
    p.SetFontName(QStringLiteral("Courier New"));
    p.SetFontItalic(true);
    p.SetFontUnderline(true);
    p.SetDrawWidth(4);
    p.SetFillStyle(1);
    Imprimir(false);
    EXPECT_EQ(p.ScaleMode(), 1);
    EXPECT_EQ(p.FontName(), QStringLiteral("Courier New"));
    EXPECT_DOUBLE_EQ(p.FontSize(), 8);
    EXPECT_TRUE(p.FontBold());
    EXPECT_FALSE(p.FontItalic());
    EXPECT_FALSE(p.FontUnderline());
    EXPECT_EQ(p.DrawWidth(), 1);
    EXPECT_EQ(p.DrawStyle(), 0);
    EXPECT_EQ(p.FillStyle(), 0);
    EXPECT_EQ(p.FillColor() & 0xFFFFFF, 0xAAAAAAu);
    EXPECT_FALSE(p.IsPrinting());
}

TEST_F(InformeGaraje, WithoutPrinterNothingIsPrinted)
{
    Abrir();
    Localizar(QStringLiteral("CALLE MAYOR"), QStringLiteral("17"));
    Teclear(QStringLiteral("txtp3sbu"), QStringLiteral("25"));
    Printer::SetPrinterCountForTests(0);
    const QString pdf = carpeta_.filePath(QStringLiteral("informe_garaje_sin_impresora.pdf"));
    Printer::SetOutputPdfForTests(pdf);
    Pulsar(QStringLiteral("cmdimprimir"));
    ASSERT_TRUE(UnMensaje(LoadResString(153), 64, "Garaje/Aparcamiento"));
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(InformeGaraje, WindowHasEveryControlTheTablesRead)
{
    Abrir();
    EXPECT_TRUE(ControlesAusentes(InformeGarajeEs(), V()).isEmpty());
    EXPECT_TRUE(ControlesAusentes(InformeGarajeEu(), V()).isEmpty());
}

}  // namespace
