#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "core/mImprimir.h"
#include "platform/Printer.h"
#include "tests/support/PdfTexto.h"

namespace {

constexpr double kTolerancia = 0.5;  // mm
constexpr int kPpp = 300;

// The darkest grey level within 0.2 mm of a point (thin lines are only a fraction of a pixel).
int GrisMinimo(const QImage& pagina, double xMm, double yMm)
{
    int minimo = 255;
    for (double dx = -0.2; dx <= 0.2; dx += 0.05)
        for (double dy = -0.2; dy <= 0.2; dy += 0.05)
            minimo = qMin(minimo, qGray(PixelPdf(pagina, xMm + dx, yMm + dy, kPpp)));
    return minimo;
}

// Draws on the printer in millimetres into a PDF, then reads the page back.
class ImprimirTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        pdf = dir.filePath("informe.pdf");
        Printer::SetOutputPdfForTests(pdf);
        Printer& p = Printer::Get();
        p.SetScaleMode(6);
        p.SetFontName("Arial");
        p.SetFontSize(10);
        p.SetFontBold(false);
        p.SetDrawWidth(1);
        p.SetDrawStyle(0);
        p.SetFillStyle(0);
        p.SetForeColor(0x000000);
    }
    void TearDown() override { Printer::SetOutputPdfForTests(QString()); }
    QTemporaryDir dir;
    QString pdf;
};

TEST_F(ImprimirTest, TextsLandWhereTheyAreAligned)
{
    struct Caso {
        const char* texto;
        enum { Izquierda, Derecha, Centrado } alineado;
        double x, y, ancho;
    } casos[] = {
        {"IZQUIERDA", Caso::Izquierda, 30, 40, 0},
        {"1.234.567", Caso::Derecha, 150, 50, 0},
        {"Valor Final", Caso::Derecha, 177, 60, 0},
        {"CENTRO", Caso::Centrado, 84, 70, 22},
        {"UN TEXTO MUCHO MAS ANCHO QUE SU BANDA", Caso::Centrado, 84, 80, 22},
    };
    for (const Caso& c : casos) {
        switch (c.alineado) {
        case Caso::Izquierda:
            ImprimirTexto(c.x, c.y, c.texto);
            break;
        case Caso::Derecha:
            ImprimirDerecha(c.x, c.y, c.texto);
            break;
        case Caso::Centrado:
            ImprimirCentrado(c.x, c.y, c.ancho, c.texto);
            break;
        }
    }
    Printer::Get().EndDoc();

    const QList<PalabraPdf> palabras = LeerPalabrasPdf(pdf);
    ASSERT_FALSE(palabras.isEmpty());
    for (const Caso& c : casos) {
        const auto w = BuscarFrase(palabras, c.texto);
        ASSERT_TRUE(w.has_value()) << c.texto;
        switch (c.alineado) {
        case Caso::Izquierda:
            EXPECT_NEAR(w->xMin, c.x, kTolerancia) << c.texto;
            break;
        case Caso::Derecha:
            EXPECT_NEAR(w->xMax, c.x, kTolerancia) << c.texto;
            break;
        case Caso::Centrado:
            EXPECT_NEAR((w->xMin + w->xMax) / 2, c.x + c.ancho / 2, kTolerancia) << c.texto;
            break;
        }
        // The text's top is at y: the line box starts there and is about one line high.
        EXPECT_GT(w->yMax, c.y) << c.texto;
        EXPECT_LT(w->yMin, c.y + 1.5) << c.texto;
        EXPECT_GT(w->yMin, c.y - 1.0) << c.texto;
    }
    // The wide text overhangs its band on both sides.
    const auto ancho = BuscarFrase(palabras, "UN TEXTO MUCHO MAS ANCHO QUE SU BANDA");
    EXPECT_LT(ancho->xMin, 84);
    EXPECT_GT(ancho->xMax, 106);
}

TEST_F(ImprimirTest, BoxesAreFilledWhiteOrGreyAndKeepTheirFillColour)
{
    Printer& p = Printer::Get();
    p.SetDrawWidth(10);  // a line that shows at the resolution the page is read back with
    DibujarRecuadroGris(20, 20, 120, 60);
    EXPECT_EQ(p.FillColor() & 0xFFFFFF, 0xAAAAAAu);
    // A white box inside the grey one covers it; its double outline is one unit apart.
    DibujarRecuadroBlanco(30, 30, 110, 50);
    DibujarRecuadroBlanco(31, 31, 109, 49);
    EXPECT_EQ(p.FillColor() & 0xFFFFFF, 0xFFFFFFu);
    DibujarLinea(20, 100, 180, 100);
    ImprimirTexto(40, 40, "DENTRO");
    p.EndDoc();

    const QImage pagina = PaginaPdf(pdf, kPpp);
    ASSERT_FALSE(pagina.isNull());
    EXPECT_EQ(QColor(PixelPdf(pagina, 25, 55, kPpp)), QColor(170, 170, 170));  // grey band
    EXPECT_EQ(QColor(PixelPdf(pagina, 100, 45, kPpp)), QColor(Qt::white));     // white inside
    EXPECT_LT(GrisMinimo(pagina, 30, 40), 100);                                // outer outline
    EXPECT_LT(GrisMinimo(pagina, 31, 40), 100);                                // inner outline
    EXPECT_EQ(GrisMinimo(pagina, 30.5, 40), 255);                              // white between
    EXPECT_LT(GrisMinimo(pagina, 150, 100), 100);                              // the line
    EXPECT_EQ(GrisMinimo(pagina, 150, 101), 255);
    EXPECT_TRUE(BuscarFrase(LeerPalabrasPdf(pdf), "DENTRO").has_value());  // readable on white
}

}  // namespace
