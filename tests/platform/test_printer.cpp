#include "platform/Printer.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr double kPtPerMm = 72.0 / 25.4;

struct Word {
    QString text;
    double xMin, yMin, xMax, yMax;  // millimetres from the top-left corner of the page
};

// The words of a PDF with their boxes, read with pdftotext -bbox.
QList<Word> wordsOf(const QString& pdf)
{
    QProcess p;
    p.start("pdftotext", {"-bbox", pdf, "-"});
    p.waitForFinished(30000);
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression re(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    QList<Word> words;
    for (auto it = re.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        words.append({m.captured(5), m.captured(1).toDouble() / kPtPerMm, m.captured(2).toDouble() / kPtPerMm,
                      m.captured(3).toDouble() / kPtPerMm, m.captured(4).toDouble() / kPtPerMm});
    }
    return words;
}

int pageCount(const QString& pdf)
{
    QProcess p;
    p.start("pdfinfo", {pdf});
    p.waitForFinished(30000);
    const auto m = QRegularExpression(R"(Pages:\s+(\d+))").match(QString::fromUtf8(p.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

// The first page drawn at 254 pixels per inch: 10 pixels a millimetre.
QImage pageImage(const QString& pdf, const QString& dir)
{
    QProcess p;
    p.start("pdftoppm", {"-r", "254", "-png", "-singlefile", pdf, dir + "/page"});
    p.waitForFinished(60000);
    return QImage(dir + "/page.png");
}

QRgb pixelAt(const QImage& img, double xMm, double yMm) { return img.pixel(int(xMm * 10), int(yMm * 10)); }

const Word* find(const QList<Word>& words, const QString& text)
{
    for (const Word& w : words)
        if (w.text == text)
            return &w;
    return nullptr;
}

struct PrinterTest : ::testing::Test {
    QTemporaryDir dir;
    QString pdf;
    Printer& prn = Printer::Get();

    void SetUp() override
    {
        pdf = dir.path() + "/informe.pdf";
        Printer::SetOutputPdfForTests(pdf);
        prn.EndDoc();
        prn.SetScaleMode(6);
        prn.SetFontName("Arial");
        prn.SetFontSize(10);
        prn.SetFontBold(false);
        prn.SetFontItalic(false);
        prn.SetFontUnderline(false);
        prn.SetDrawWidth(1);
        prn.SetDrawStyle(0);
        prn.SetFillStyle(1);
        prn.SetForeColor(qRgb(0, 0, 0));
    }
    void TearDown() override
    {
        prn.EndDoc();
        Printer::SetOutputPdfForTests(QString());
    }
    void printAt(double x, double y, const QString& text)
    {
        prn.SetCurrentX(x);
        prn.SetCurrentY(y);
        prn.Print(text);
    }
};

}  // namespace

TEST_F(PrinterTest, TextsLandAtTheirMillimetresLeftAndRightAligned)
{
    const struct {
        const char* font;
        double size;
        bool bold;
        double x, y;
        bool right;
        const char* text;
    } cases[] = {
        {"Arial", 10, false, 20, 30, false, "Municipio"},
        {"Arial", 8, true, 190, 45.5, true, "1.234.567,89"},
        {"Times New Roman", 12, false, 105, 60, false, "VALORACIÓN"},
        {"Times New Roman", 14, true, 150, 250, true, "Total"},
        {"Arial", 7, false, 12.5, 280, true, "0,1234"},
    };
    for (const auto& c : cases) {
        prn.SetFontName(c.font);
        prn.SetFontSize(c.size);
        prn.SetFontBold(c.bold);
        const double x = c.right ? c.x - prn.TextWidth(QString::fromUtf8(c.text)) : c.x;
        printAt(x, c.y, QString::fromUtf8(c.text));
    }
    prn.EndDoc();

    const QList<Word> words = wordsOf(pdf);
    for (const auto& c : cases) {
        const Word* w = find(words, QString::fromUtf8(c.text));
        ASSERT_NE(w, nullptr) << c.text;
        if (c.right)
            EXPECT_NEAR(w->xMax, c.x, 0.5) << c.text;
        else
            EXPECT_NEAR(w->xMin, c.x, 0.5) << c.text;
        EXPECT_NEAR(w->yMin, c.y, 0.5) << c.text;  // the position is the top of the text
        // A text of n points is about 1.15 n points high: the size is in real points.
        EXPECT_NEAR((w->yMax - w->yMin) * kPtPerMm, c.size * 1.15, c.size * 0.15) << c.text;
    }
}

TEST_F(PrinterTest, TextWidthMatchesThePrintedWidthInTheCurrentUnit)
{
    prn.SetFontName("Arial");
    prn.SetFontSize(11);
    const QString text = "Superficie construida";
    const double mm = prn.TextWidth(text);
    printAt(30, 40, text);
    prn.EndDoc();

    const QList<Word> words = wordsOf(pdf);
    const Word* first = find(words, "Superficie");
    const Word* last = find(words, "construida");
    ASSERT_TRUE(first && last);
    EXPECT_NEAR(last->xMax - first->xMin, mm, 0.3);

    prn.SetScaleMode(1);  // twips
    EXPECT_NEAR(prn.TextWidth(text), mm * 1440 / 25.4, 1.0);
    prn.SetScaleMode(6);
}

TEST_F(PrinterTest, PrintMovesDownOneLineAndBackToTheLeftEdge)
{
    prn.SetScaleMode(6);
    printAt(40, 50, "Primera");
    EXPECT_DOUBLE_EQ(prn.CurrentX(), 0);
    EXPECT_NEAR(prn.CurrentY(), 50 + prn.TextHeight("Primera"), 1e-9);
    prn.SetCurrentX(40);
    prn.Print("Segunda");
    prn.EndDoc();

    const QList<Word> words = wordsOf(pdf);
    const Word* a = find(words, "Primera");
    const Word* b = find(words, "Segunda");
    ASSERT_TRUE(a && b);
    EXPECT_NEAR(b->xMin, a->xMin, 0.2);
    EXPECT_NEAR(b->yMin - a->yMin, 10 * 1.15 / kPtPerMm, 0.3);
}

TEST_F(PrinterTest, LinesBoxesAndPicturesAreDrawnWhereTheMillimetresSay)
{
    prn.SetDrawWidth(10);
    prn.Line(20, 20, 120, 20);
    prn.SetFillStyle(0);
    prn.SetFillColor(qRgb(192, 192, 192));
    prn.SetDrawWidth(1);
    prn.Box(30, 40, 90, 70);
    prn.SetFillStyle(1);
    prn.Box(100, 40, 160, 70);  // outline only
    QImage red(4, 2, QImage::Format_RGB32);
    red.fill(qRgb(255, 0, 0));
    prn.PaintPicture(red, 40, 100, 50, 20);
    prn.EndDoc();

    const QImage page = pageImage(pdf, dir.path());
    ASSERT_FALSE(page.isNull());
    auto grey = [](QRgb c) { return qGray(c); };
    EXPECT_LT(grey(pixelAt(page, 70, 20)), 100);       // on the thick line
    EXPECT_GT(grey(pixelAt(page, 70, 21)), 240);       // 1 mm below: paper
    EXPECT_NEAR(qRed(pixelAt(page, 60, 55)), 192, 8);  // inside the filled box
    EXPECT_GT(grey(pixelAt(page, 60, 72)), 240);       // below it
    EXPECT_GT(grey(pixelAt(page, 130, 55)), 240);      // inside the transparent box
    const QRgb pic = pixelAt(page, 88, 118);           // inside the stretched picture
    EXPECT_GT(qRed(pic), 200);
    EXPECT_LT(qGreen(pic), 60);
    EXPECT_GT(grey(pixelAt(page, 92, 110)), 240);  // just right of it
    EXPECT_GT(grey(pixelAt(page, 60, 122)), 240);  // just below it
}

TEST_F(PrinterTest, EndDocSendsThePageAndTheNextDrawingStartsANewDocument)
{
    EXPECT_FALSE(prn.IsPrinting());
    printAt(20, 20, "Uno");
    EXPECT_TRUE(prn.IsPrinting());
    prn.EndDoc();
    EXPECT_FALSE(prn.IsPrinting());
    ASSERT_EQ(pageCount(pdf), 1);

    const QString second = dir.path() + "/segundo.pdf";
    Printer::SetOutputPdfForTests(second);
    printAt(20, 20, "Dos");
    prn.EndDoc();
    EXPECT_EQ(pageCount(second), 1);
    ASSERT_NE(find(wordsOf(second), "Dos"), nullptr);
    EXPECT_EQ(find(wordsOf(second), "Uno"), nullptr);
    EXPECT_NE(find(wordsOf(pdf), "Uno"), nullptr);
}

TEST(PrinterCount, TestsCanSetTheNumberOfPrinters)
{
    Printer::SetPrinterCountForTests(0);
    EXPECT_EQ(Printer::PrinterCount(), 0);
    Printer::SetPrinterCountForTests(2);
    EXPECT_EQ(Printer::PrinterCount(), 2);
    Printer::SetPrinterCountForTests(-1);
    EXPECT_GE(Printer::PrinterCount(), 0);
}
