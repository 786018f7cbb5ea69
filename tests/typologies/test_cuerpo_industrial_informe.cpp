// The body of the report of the three industrial windows (6, 8 and 9), from the decree line to
// the closing lines, printed from each window in Spanish and in Basque: every text where the
// layout puts it, in its font, and every value box with its edges where the layout draws them.
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cmath>
#include <limits>

#include "core/Globals.h"
#include "core/Registros.h"
#include "tests/support/FixtureTipologia.h"
#include "tests/support/PdfTexto.h"

namespace {

constexpr int kPpp = 300;

// The four description lines the fixture writes.
constexpr const char* kDescripcion[] = {"Nave 7, polígono de Arriaga", "Parcela 12", "Planta baja y altillo",
                                        "Referencia 4402"};

// A text row of the body. The text is the Spanish or the Basque literal, or, with `control`,
// what that control of the window shows ("%1" is the typology number). Window 9 has no situation
// box: its CL row is the box alone (no `situacion` rows) and its age row is upright (`fuente9`).
struct FilaTexto {
    Anclaje anclaje;
    double xEs, xEu, y;
    const char* fuente;
    const char* es;
    const char* eu;
    const char* control = nullptr;
    bool situacion = false;
    const char* fuente9 = nullptr;
};

// clang-format off
const FilaTexto kTextos[] = {
    {Centro, 99.5, 99.5, 100, "A 8", "(Decreto Foral 6/1999, de 26 de enero y demás disposiciones vigentes)",
     "(Urtarrilaren 26ko 6/1999 Foru Dekretua eta indarrean dauden bestelako xedapenak)"},
    {Izquierda, 72, 77, 108.5, "A 8", "Fecha de Valoración:", "Balorazio data:"},
    {Izquierda, 100, 100, 108, "A 9 B", nullptr, nullptr, "txtp%1fecv"},
    {Izquierda, 25, 25, 115.5, "A 8 I", "Datos operación:", "Eragiketa datuak:"},
    {Izquierda, 37, 37, 120, "A 9", kDescripcion[0], kDescripcion[0]},
    {Izquierda, 37, 37, 124, "A 9", kDescripcion[1], kDescripcion[1]},
    {Izquierda, 37, 37, 128, "A 9", kDescripcion[2], kDescripcion[2]},
    {Izquierda, 37, 37, 132, "A 9", kDescripcion[3], kDescripcion[3]},
    // Location.
    {Izquierda, 42, 42, 140, "A 8 BIU", "Localización:", "Kokalekua:"},
    {Izquierda, 27, 27, 146, "A 8 I", "Municipio:", "Udalerria:"},
    {Izquierda, 47, 47, 145.5, "A 9", nullptr, nullptr, "cmbp%1mun"},
    {Izquierda, 27, 27, 151, "A 8 I", "Zona Industrial:", "Industriagunea:"},
    {Izquierda, 47, 47, 150.5, "A 9", nullptr, nullptr, "cmbp%1nui"},
    {Izquierda, 27, 27, 156, "A 8 I", "Valor básico de repercusión del suelo", "Lurzoruaren oinarrizko balio eragingarria"},
    {Izquierda, 76, 79, 156, "A 8 B", "VRI:", "BEI:"},
    {Centro, 95, 98, 155.5, "A 9 B", nullptr, nullptr, "txtp%1vri"},
    {Izquierda, 113, 118, 156, "A 8 I", "Coste de Construcción", "Eraikuntza kostua"},
    {Izquierda, 143, 143, 156, "A 8 B", "CC:", "EK:"},
    {Centro, 159, 159, 155.5, "A 9 B", nullptr, nullptr, "txtp%1cco"},
    // Data the formula needs.
    {Izquierda, 42, 42, 165, "A 8 BIU", "Datos necesarios:", "Beharrezko datuak:"},
    {Izquierda, 27, 27, 172, "A 8 I", "Tipo superficie:", "Azalera mota:"},
    {Izquierda, 48, 48, 171.5, "A 9", "Construida", "Eraikia"},
    {Izquierda, 71, 71, 172, "A 8 I", "Superficie:", "Azalera:"},
    {Izquierda, 86, 86, 171.5, "A 9", nullptr, nullptr, "txtp%1sbu"},
    {Izquierda, 107, 113, 172, "A 8 I", "Superficie homogeneizada", "Az. homogeneizatua"},
    {Izquierda, 142, 142, 172, "A 8 B", "SH:", "AH:"},
    {Centro, 160, 160, 171.5, "A 9 B", nullptr, nullptr, "txtp%1sho"},
    {Izquierda, 27, 27, 177, "A 8 I", "Coeficiente Corrector", "Koefiziente zuzentzailea"},
    {Izquierda, 55, 59, 177, "A 8 B", "CL:", "KL:"},
    {Centro, 67, 71, 176.5, "A 9 B", nullptr, nullptr, "txtp%1ccl"},
    {Izquierda, 87, 87, 177, "A 8 I", "Datos:", "Datuak:", nullptr, true},
    {Izquierda, 97, 99, 176.5, "A 9 I", "(el general)", "(Orokorra)", nullptr, true},
    {Izquierda, 27, 27, 183, "A 8 I", "Antigüedad:", "Antzinatasuna:", nullptr, false, "A 8"},
    {Centro, 47.5, 50.5, 182.5, "A 9", nullptr, nullptr, "txtp%1ant"},
    {Izquierda, 55, 57, 183, "A 8", "Años", "Urte"},
    {Izquierda, 97, 94, 183, "A 8", "Coeficiente", "Koefizientea"},
    {Izquierda, 112, 112, 183, "A 8 B", "(1-D):", "(1-G):"},
    {Centro, 128.5, 128.5, 182.5, "A 9 B", nullptr, nullptr, "txtp%1dep"},
    // Result of the valuation.
    {Izquierda, 42, 42, 192, "A 8 BIU", "Resultado de la valoración:", "Balorazioaren emaitza:"},
    {Izquierda, 27, 27, 198, "A 8 I", "Valor en año ponencia =", "Balioa ponentzia urtean ="},
    {Izquierda, 58, 59, 198, "A 9", nullptr, nullptr, "txtp%1añop"},
    {Izquierda, 67, 68, 198, "A 8", "= V = [ VRI * CL + (1,38 * CC + 0,38 * VRI * CL) * (1 - D)] * SH",
     "= B = [ BEI * KL + (1,38 * EK + 0,38 * BEI * KL) * (1 - G)] * AH"},
    {Derecha, 172, 172, 198, "A 9", nullptr, nullptr, "txtp%1vad"},
    {Izquierda, 27, 27, 204, "A 8 I", "Valor a Fecha de Valoración = Valor en año ponencia * Coeficiente",
     "Balioa balorazio datan = Balioa ponentzia urtean * Koefizientea"},
    {Centro, 119.5, 119.5, 203.5, "A 9 B", nullptr, nullptr, "txtp%1coa"},
    {Derecha, 172, 172, 203.5, "A 9", nullptr, nullptr, "txtp%1vac"},
    {Izquierda, 27, 27, 209, "A 8 I", "Valor Comprobado = Valor actualizado al año valoración * RP",
     "Balio egiaztatua = Balioa balorazio datan * PE"},
    {Centro, 119.5, 119.5, 208.5, "A 9 B", nullptr, nullptr, "txtp%1rp"},
    {Derecha, 172, 172, 208.5, "A 9", nullptr, nullptr, "txtp%1vco"},
    {Izquierda, 27, 27, 215.5, "A 9 B", "VALOR FINAL =", "AMAIERAKO BALIOA ="},
    {Izquierda, 53, 66, 216, "A 8 I", "Valor Comprobado * Porcentaje a valorar", "Balio egiaztatua * Baloratu beharreko %"},
    {Centro, 119.5, 126.5, 215.5, "A 9 B", nullptr, nullptr, "txtp%1pti"},
    {Derecha, 172, 172, 215.5, "A 9 B", nullptr, nullptr, "txtp%1vaf"},
    {Izquierda, 112, 119, 222, "A 8", "Valor del suelo", "Lurzoruaren balioa:"},
    {Derecha, 172, 172, 221.5, "A 9", nullptr, nullptr, "txtp%1vsf"},
    {Izquierda, 112, 119, 227, "A 8", "Valor de la construcción", "Eraikuntzaren balioa:"},
    {Derecha, 172, 172, 226.5, "A 9", nullptr, nullptr, "txtp%1vcf"},
    // Closing lines.
    {Izquierda, 27, 27, 235, "A 8",
     "Importes calculados conforme a lo dispuesto en el Decreto Foral 6/1999, de 26 de enero y demás disposiciones",
     "Urtarrilaren 26ko 6/1999 Foru Dekretuan eta indarrean dauden bestelako xedapenetan kalkulaturiko zenbatekoak,"},
    {Izquierda, 27, 27, 239, "A 8", "vigentes, atendiendo a los datos del bien inmueble consignados.",
     "ondasun higiezinari buruzko datuei jarraituz."},
    {Izquierda, 27, 27, 243, "A 8",
     "Valores determinados exclusivamente a efectos de la comprobación fiscal en los impuestos citados.",
     "Aipatu zergetan egiaztapen fiskala egiteko bakarrik kalkulatu dira balioak."},
};

// A value box: corners (x1, y1)-(x2, y2), the x in Spanish / Basque.
struct FilaCaja {
    double x1Es, x1Eu, x2Es, x2Eu, y1, y2;
    bool gris;
};

const FilaCaja kCajas[] = {
    {84, 87, 106, 109, 155, 160, false},    // VRI
    {149, 149, 169, 169, 155, 160, false},  // CC
    {149, 149, 171, 171, 171, 176, false},  // SH
    {62, 66, 72, 76, 176, 181, false},      // CL
    {121, 121, 136, 136, 182, 187, false},  // (1 - D)
    {112, 112, 127, 127, 203, 208, false},  // COA
    {112, 112, 127, 127, 208, 213, false},  // RP
    {112, 119, 127, 134, 215, 220, false},  // percentage
    {145, 145, 174, 174, 215, 220, true},   // final value
};
// clang-format on

struct Caso {
    int tipo;
    bool eu;
};

// UNIZONA (91), ponencia 2022, its zone PI-07 at 20000 pesetas; valued on 15/03/2023 (COA 1,05,
// RP 1,10): built 100 m2, 12 years old, 50 %, so that every box of the body shows a number of
// its own.
class CuerpoInformeIndustrial : public FixtureTipologiaBase, public ::testing::WithParamInterface<Caso> {
protected:
    CuerpoInformeIndustrial()
        : FixtureTipologiaBase(PreparacionTipologia{
              GetParam().tipo,
              20230315,
              QStringLiteral("cmdDescripcion"),
              {
                  "INSERT INTO t03_municipios VALUES (2010, 91, 'UNIZONA')",
                  "INSERT INTO t04_ponencias VALUES (2022, 91)",
                  "INSERT INTO main.t09_industrial (t09_codmun, t09_zonind, t09_ano, t09_mone, t09_vri) VALUES"
                  " (91, 'PI-07', 2022, 'P', 20000)",
              }})
    {
    }

    QString N(const char* nombre) const { return QString::fromUtf8(nombre).arg(GetParam().tipo); }

    // The window valued as above and its report printed into `pdf`.
    void Imprimir(const QString& pdf)
    {
        gEntrada().setP_IDI(GetParam().eu ? QStringLiteral("E") : QStringLiteral("C"));
        for (int16_t i = 0; i < 4; ++i)
            Registro(GetParam().tipo)->EscribirDES(QString::fromUtf8(kDescripcion[i]), i);
        Abrir();
        LocalizarZona(QStringLiteral("UNIZONA"), QStringLiteral("PI-07"));
        Pulsar(N("optp%1tsu(0)"));
        Teclear(N("txtp%1sbu"), QStringLiteral("100"));
        Antiguedad("12");
        Teclear(N("txtp%1pti"), QStringLiteral("50"));
        ImprimirEn(pdf);
    }

private:
    bool TomarVentana(Form* form) override { return form != nullptr; }
};

// The y (mm) of the first dark pixel met going down (or up) the column at x from y `desde`
// towards `hasta`; -1 when there is none.
double PrimerBordeVertical(const QImage& pagina, double x, double desde, double hasta)
{
    const double paso = 25.4 / kPpp * (hasta > desde ? 1 : -1);
    for (double y = desde; hasta > desde ? y <= hasta : y >= hasta; y += paso)
        if (qGray(PixelPdf(pagina, x, y, kPpp)) < 80)
            return y;
    return -1;
}

TEST_P(CuerpoInformeIndustrial, EveryRowStandsWhereTheLayoutPutsIt)
{
    const auto [tipo, eu] = GetParam();
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("cuerpo.pdf"));
    Imprimir(pdf);
    ASSERT_EQ(PaginasPdf(pdf), 1);
    const PaginaInformePdf pagina(pdf, kPpp);
    ASSERT_FALSE(pagina.pagina.isNull());

    for (const FilaTexto& f : kTextos) {
        const QString texto = f.control ? T(N(f.control)) : QString::fromUtf8(eu ? f.eu : f.es);
        const double x = eu ? f.xEu : f.xEs;
        SCOPED_TRACE(texto.toStdString());
        if (tipo == 9 && f.situacion) {
            EXPECT_TRUE(BuscarFrases(pagina.palabras, texto).isEmpty());
            continue;
        }
        ASSERT_FALSE(texto.isEmpty());
        // Of the places where the text stands, the one nearest the layout's.
        double mejor = std::numeric_limits<double>::max(), hx = -1, hy = -1;
        for (const PalabraPdf& p : BuscarFrases(pagina.palabras, texto)) {
            const double px = f.anclaje == Izquierda ? p.xMin : f.anclaje == Derecha ? p.xMax : (p.xMin + p.xMax) / 2;
            const double d = std::abs(px - x) + std::abs(p.yMin - f.y);
            if (d < mejor) {
                mejor = d;
                hx = px;
                hy = p.yMin;
            }
        }
        EXPECT_NEAR(hx, x, 0.5);
        EXPECT_NEAR(hy, f.y, 0.5);
        EXPECT_EQ(pagina.Fuente(texto, f.y).toStdString(), tipo == 9 && f.fuente9 ? f.fuente9 : f.fuente);
    }

    for (const FilaCaja& c : kCajas) {
        const double x1 = eu ? c.x1Eu : c.x1Es, x2 = eu ? c.x2Eu : c.x2Es, medioY = (c.y1 + c.y2) / 2;
        SCOPED_TRACE(testing::Message() << "box (" << x1 << ", " << c.y1 << ")-(" << x2 << ", " << c.y2 << ")");
        // Each edge looked for from just outside it, inside the box next to its left edge (where
        // neither the value nor a neighbouring caption stands), then the fill there.
        const double dentro = x1 + 0.8;
        EXPECT_NEAR(PrimerBorde(pagina.pagina, medioY, x1 - 0.8, x1 + 0.8, kPpp), x1, 0.5);
        EXPECT_NEAR(PrimerBorde(pagina.pagina, medioY, x2 + 0.8, x2 - 0.8, kPpp), x2, 0.5);
        EXPECT_NEAR(PrimerBordeVertical(pagina.pagina, dentro, c.y1 - 0.8, c.y1 + 0.8), c.y1, 0.5);
        EXPECT_NEAR(PrimerBordeVertical(pagina.pagina, dentro, c.y2 + 0.8, c.y2 - 0.8), c.y2, 0.5);
        EXPECT_EQ(qGray(PixelPdf(pagina.pagina, dentro, medioY, kPpp)),
                  qGray(c.gris ? qRgb(0xAA, 0xAA, 0xAA) : qRgb(0xFF, 0xFF, 0xFF)));
    }
}

INSTANTIATE_TEST_SUITE_P(Ventanas, CuerpoInformeIndustrial,
                         ::testing::Values(Caso{6, false}, Caso{6, true}, Caso{8, false}, Caso{8, true}, Caso{9, false},
                                           Caso{9, true}),
                         [](const ::testing::TestParamInfo<Caso>& i) {
                             return "Tipologia" + std::to_string(i.param.tipo) + (i.param.eu ? "Eu" : "Es");
                         });

}  // namespace
