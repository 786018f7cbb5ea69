// The report of a shop in a commercial building of an industrial zone printed from the window,
// in Spanish and in Basque, with the interior box clear and ticked: each page goes to a PDF in
// the test's own folder and its texts and boxes are read back where the layout puts them.
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "core/Globals.h"
#include "platform/MsgBox.h"
#include "platform/Printer.h"
#include "tests/support/FixtureTipologia.h"
#include "tests/support/PdfTexto.h"
#include "typologies/commercial_industrial/InformeComercialIndustrial.h"
#include "typologies/commercial_industrial/Tipologia6.h"

namespace {

constexpr int kPpp = 300;

// UNIZONA (91), ponencia 2022, its one zone UNICA at 20000 pesetas; valued on 15/03/2023
// (COA 1,05, RP 1,10).
class InformeComercialIndustrial : public FixtureTipologia<Tipologia6> {
protected:
    InformeComercialIndustrial()
        : FixtureTipologia(PreparacionTipologia{
              6,
              20230315,
              QStringLiteral("cmdDescripcion"),
              {
                  "INSERT INTO t03_municipios VALUES (2010, 91, 'UNIZONA')",
                  "INSERT INTO t04_ponencias VALUES (2022, 91)",
                  "INSERT INTO main.t09_industrial (t09_codmun, t09_zonind, t09_ano, t09_mone, t09_vri) VALUES"
                  " (91, 'UNICA', 2022, 'P', 20000)",
              }})
    {
    }

    QString Pdf(bool eu, bool interior) const
    {
        return dir_.filePath(
            QStringLiteral("local_industrial_%1_%2.pdf")
                .arg(QLatin1String(eu ? "eu" : "es"), QLatin1String(interior ? "interior" : "general")));
    }

    // Built 100 m2 (SH 122), new, 100 %: V = (7600 + 110400 + 20000) * 122 = 16836000, VAC =
    // 1,05 V = 17677800, VAF = 1,10 VAC = 19445580. Then the interior box ticked and the page
    // printed again.
    void Imprimir(bool eu)
    {
        gEntrada().setP_IDI(eu ? QStringLiteral("E") : QStringLiteral("C"));
        gDatosTip6().EscribirP6_DES(QStringLiteral("Local 3, planta baja"), 0);
        Abrir();
        LocalizarZona(QStringLiteral("UNIZONA"));
        Pulsar(QStringLiteral("optp6tsu(0)"));
        Teclear(QStringLiteral("txtp6sbu"), QStringLiteral("100"));
        ASSERT_DOUBLE_EQ(gDatosTip6().P6_VAF(), 19445580);
        for (bool interior : {false, true}) {
            if (interior)
                Pulsar(QStringLiteral("Chkp6cl1"));
            Printer::SetOutputPdfForTests(Pdf(eu, interior));
            Pulsar(QStringLiteral("cmdimprimir"));
            Printer::SetOutputPdfForTests(QString());
            ASSERT_TRUE(QFile::exists(Pdf(eu, interior)));
        }
        EXPECT_TRUE(MsgBoxSeam::Shown().isEmpty());
    }

    // The VRI box (row 40) from x `vri` to `vri` + 22 and the grey final-value box (row 89)
    // from 145 to 174, edges within half a millimetre, the grey one filled grey.
    static void ComprobarRecuadros(const QString& pdf, double vri)
    {
        const QImage pagina = PaginaPdf(pdf, kPpp);
        ASSERT_FALSE(pagina.isNull());
        EXPECT_NEAR(PrimerBorde(pagina, 159, vri - 1.5, vri + 1.5, kPpp), vri, 0.5);
        EXPECT_NEAR(PrimerBorde(pagina, 159, vri + 23.5, vri + 20.5, kPpp), vri + 22, 0.5);
        EXPECT_NEAR(PrimerBorde(pagina, 219, 143.5, 146.5, kPpp), 145, 0.5);
        EXPECT_NEAR(PrimerBorde(pagina, 219, 175.5, 172.5, kPpp), 174, 0.5);
        EXPECT_EQ(qGray(PixelPdf(pagina, 146, 219, kPpp)), qGray(qRgb(0xAA, 0xAA, 0xAA)));
    }

    QTemporaryDir dir_;
};

TEST_F(InformeComercialIndustrial, SpanishPage)
{
    Imprimir(false);
    const QString pdf = Pdf(false, false);
    // The checked value and the final value are the same amount: the nearest one is taken.
    // clang-format off
    ComprobarPosicionesMasCercanas(pdf, {
        {"Departamento para la Fiscalidad y las Finanzas", Izquierda, 69, 57},
        {"COMPROBACIÓN DE VALORES:", Centro, 99.5, 88},
        {"LOCAL COMERCIAL en Edificio Comercial en Zona Industrial", Centro, 99.5, 93},  // 18
        {"15/03/2023", Izquierda, 100, 108},                                             // 23
        {"Local 3, planta baja", Izquierda, 37, 120},
        {"UNIZONA", Izquierda, 47, 145.5},
        {"Zona Industrial:", Izquierda, 27, 151},  // 36
        {"UNICA", Izquierda, 47, 150.5},           // 37
        {"VRI:", Izquierda, 76, 156},
        {"20.000", Centro, 95, 155.5},  // 41, in the VRI box 84-106
        {"80.000", Centro, 159, 155.5},
        {"Tipo superficie:", Izquierda, 27, 172},
        {"Construida", Izquierda, 48, 171.5},
        {"(el general)", Izquierda, 97, 176.5},  // 62
        {"16.836.000", Derecha, 172, 198},
        {"1,050000", Centro, 119.5, 203.5},
        {"1,10", Centro, 119.5, 208.5},
        {"VALOR FINAL =", Izquierda, 27, 215.5},
        {"19.445.580", Derecha, 172, 215.5},  // 90, in the grey box
        {"Valor de la construcción", Izquierda, 112, 227},
    });
    // clang-format on
    ComprobarRecuadros(pdf, 84);
    // clang-format off
    ComprobarFuentes(pdf, {
        {"LOCAL COMERCIAL en Edificio Comercial en Zona Industrial", 93, "A 11 B"},
        {"15/03/2023", 108, "A 9 B"},
        {"Zona Industrial:", 151, "A 8 I"},
        {"UNICA", 150.5, "A 9"},
        {"20.000", 155.5, "A 9 B"},
        {"(el general)", 176.5, "A 9 I"},
        {"19.445.580", 215.5, "A 9 B"},
    });
    // clang-format on
    // Ticked: the box's caption between parentheses, CL 0,70.
    // clang-format off
    ComprobarPosiciones(Pdf(false, true), {
        {"(En interior)", Izquierda, 97, 176.5},
        {"0,70", Centro, 67, 176.5},
    });
    // clang-format on
}

TEST_F(InformeComercialIndustrial, BasquePage)
{
    Imprimir(true);
    const QString pdf = Pdf(true, false);
    // The checked value and the final value are the same amount: the nearest one is taken.
    // clang-format off
    ComprobarPosicionesMasCercanas(pdf, {
        {"Departamento para la Fiscalidad y las Finanzas", Izquierda, 69, 57},
        {"BALIO EGIAZTAPENA:", Centro, 99.5, 88},
        {"MERKATARITZA LOKALA, Merkataritza Eraikuntzan Industriagune Batean", Centro, 99.5, 93},  // 18
        {"2023/03/15", Izquierda, 100, 108},                                                       // 23
        {"Balorazio data:", Izquierda, 77, 108.5},
        {"Industriagunea:", Izquierda, 27, 151},  // 36
        {"UNICA", Izquierda, 47, 150.5},          // 37
        {"BEI:", Izquierda, 79, 156},
        {"20.000", Centro, 98, 155.5},  // 41, in the VRI box 87-109
        {"Eraikuntza kostua", Izquierda, 118, 156},
        {"Eraikia", Izquierda, 48, 171.5},
        {"(Orokorra)", Izquierda, 99, 176.5},  // 62
        {"AMAIERAKO BALIOA =", Izquierda, 27, 215.5},
        {"19.445.580", Derecha, 172, 215.5},  // 90
        {"Eraikuntzaren balioa:", Izquierda, 119, 227},
    });
    // clang-format on
    ComprobarRecuadros(pdf, 87);
    // clang-format off
    ComprobarPosiciones(Pdf(true, true), {
        {"(Barrukoa)", Izquierda, 99, 176.5},
        {"0,70", Centro, 71, 176.5},
    });
    // clang-format on
}

TEST_F(InformeComercialIndustrial, TablesReadOnlyTheWindowsControlsAndKeepTheirHeader)
{
    Abrir();
    for (bool eu : {false, true}) {
        const std::vector<ItemInforme>& tabla = eu ? InformeComercialIndustrialEu() : InformeComercialIndustrialEs();
        EXPECT_TRUE(ControlesAusentes(tabla, V()).isEmpty()) << eu;
        // Both pages print the department line with its trailing blank, and the heading once.
        std::vector<ItemInforme> copia = tabla;
        EXPECT_EQ(informe::Fila(copia, QStringLiteral("departamento")).texto,
                  "Departamento para la Fiscalidad y las Finanzas ");
        int decretos = 0;
        for (const ItemInforme& it : tabla)
            decretos += it.y == 100 ? 1 : 0;
        EXPECT_EQ(decretos, 1) << eu;
    }
}

}  // namespace
