// The report engine: where item texts come from, and what ImprimirInforme leaves on the page
// and on the printer.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QTemporaryDir>
#include <QWidget>
#include <functional>
#include <stdexcept>

#include "platform/CajaNum.h"
#include "platform/ComboBox.h"
#include "platform/MaskEdBox.h"
#include "platform/Option.h"
#include "platform/Printer.h"
#include "tests/support/PdfTexto.h"
#include "typologies/shared/Informe.h"

using namespace informe;

namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

template <class W>
W* Hijo(QWidget& padre, const char* nombre)
{
    auto* w = new W(&padre);
    w->setObjectName(U(nombre));
    return w;
}

// A window with one control of every kind a report reads.
struct Ventana {
    QWidget w;
    Ventana()
    {
        Hijo<CajaNum>(w, "txtp1vrr")->setTexto(U("30.000"));
        Hijo<CajaNum>(w, "txtp1nup");                               // empty
        Hijo<MaskEdBox>(w, "txtp1fecv")->SetMask(U("##/##/####"));  // empty
        auto* fecha = Hijo<MaskEdBox>(w, "txtp1antd2");
        fecha->SetMask(U("##/##/####"));
        fecha->SetText(U("27/10/2003"));
        auto* combo = Hijo<ComboBox>(w, "cmbp1mun");
        combo->AddItem(U("Bilbao"));
        combo->AddItem(U("Getxo"));
        combo->SetListIndex(1);
        auto* tecleado = Hijo<ComboBox>(w, "cmbp1cal");
        tecleado->AddItem(U("Kale Nagusia"));
        tecleado->SetText(U("Kale N"));
        Hijo<QLineEdit>(w, "txtp1nor")->setText(U("Casco & Viejo"));
        Hijo<QLabel>(w, "Label1")->setText(U("&Municipio"));
        Hijo<QLabel>(w, "Label2")->setText(U("Calle && plaza"));
        auto* marco = Hijo<QGroupBox>(w, "Frame2");
        marco->setTitle(U("C&lase"));
        auto* opcion = new OptionButton(U("&Unifamiliar"), marco);
        opcion->setObjectName(U("optp1tvi(0)"));
        Hijo<CheckBox>(w, "Chkp1cl1")->setText(U("En sótano"));
    }
};

TEST(TextoControl, EachKindOfControlGivesTheTextItShows)
{
    Ventana v;
    // clang-format off
    const struct {
        const char* control;
        const char* texto;
    } casos[] = {
        {"txtp1vrr", "30.000"},
        {"txtp1nup", ""},
        {"txtp1fecv", "__/__/____"},      // an empty date box shows its blanks
        {"txtp1antd2", "27/10/2003"},
        {"cmbp1mun", "Getxo"},
        {"cmbp1cal", "Kale N"},           // typed text, no item selected
        {"txtp1nor", "Casco & Viejo"},    // a text box keeps its "&"
        {"Label1", "Municipio"},          // a caption loses its access key mark
        {"Label2", "Calle & plaza"},
        {"Frame2", "Clase"},
        {"optp1tvi(0)", "Unifamiliar"},   // found inside its frame
        {"Chkp1cl1", "En sótano"},
        {"noexiste", ""},
    };
    // clang-format on
    for (const auto& c : casos)
        EXPECT_EQ(TextoControl(v.w, U(c.control)), U(c.texto)) << c.control;
}

TEST(TextoItem, EachSourceWithItsSuffix)
{
    Ventana v;
    DatosInforme datos;
    datos.etiquetas.insert(U("sEtiquetaCL"), U("(En sótano)"));
    datos.descripcion = QStringList{U("Piso 3º izquierda"), U(""), U("Garaje nº 4")};
    TextoInforme conSufijo = Etq(U("sEtiquetaCL"));
    conSufijo.sufijo = U(":");
    const struct {
        TextoInforme fuente;
        const char* texto;
    } casos[] = {
        {Lit(U("Superficie:")), "Superficie:"},
        {Ctl(U("txtp1vrr")), "30.000"},
        {Rot(U("Label1"), U(":")), "Municipio:"},
        {Rot(U("Frame2"), U(" =")), "Clase ="},
        {Etq(U("sEtiquetaCL")), "(En sótano)"},
        {conSufijo, "(En sótano):"},
        {Etq(U("sEtiquetaTSU")), ""},  // a label the window did not build
        {Des(0), "Piso 3º izquierda"},
        {Des(2), "Garaje nº 4"},
        {Des(3), ""},  // fewer lines than places
        {Fec(U("txtp1antd2")), "2003/10/27"},
        {Fec(U("txtp1fecv")), "__/__/____"},
    };
    for (const auto& c : casos) {
        const ItemInforme it = Izq(1, 0, 0, Arial(8), c.fuente);
        EXPECT_EQ(TextoItem(it, v.w, datos), U(c.texto)) << c.texto;
    }
}

TEST(FechaAñoMesDia, RewritesDatesAndLeavesOtherTexts)
{
    // clang-format off
    const struct {
        const char* entrada;
        const char* salida;
    } casos[] = {
        {"2003/10/27", "2003/10/27"},
        {"27/10/2003", "2003/10/27"},
        {"01/02/1999", "1999/02/01"},
        {"29/02/2004", "2004/02/29"},
        {"29/02/2003", "29/02/2003"},  // no such day: unchanged
        {"____/__/__", "____/__/__"},
        {"__/__/____", "__/__/____"},
        {"2003/10/2_", "2003/10/2_"},
        {"", ""},
    };
    // clang-format on
    for (const auto& c : casos)
        EXPECT_EQ(FechaAñoMesDia(U(c.entrada)), U(c.salida)) << c.entrada;
}

TEST(ControlesAusentes, NamesEveryControlTheTableReadsAndTheWindowLacks)
{
    Ventana v;
    const std::vector<ItemInforme> items = {
        Izq(1, 0, 0, Arial(8), Ctl(U("txtp1vrr"))),  Izq(2, 0, 0, Arial(8), Rot(U("Label9"))),
        Izq(3, 0, 0, Arial(8), Fec(U("txtp1fecv"))), Caja(4, 0, 0, 1, 1, Arial(8), Ctl(U("txtp1sho"))),
        Izq(5, 0, 0, Arial(8), Ctl(U("txtp1sho"))),  Izq(6, 0, 0, Arial(8), Etq(U("sEtiquetaCL"))),
    };
    EXPECT_EQ(ControlesAusentes(items, v.w), (QStringList{U("Label9"), U("txtp1sho")}));
}

// Renaming by an explicit map goes by whole names: "Label1" does not touch "Label12" nor a
// literal that happens to read "Label1", and a map that shifts names renames each item once.
TEST(RenombrarControles, ByWholeNamesEachItemOnce)
{
    // clang-format off
    std::vector<ItemInforme> items = {
        Izq(1, 0, 0, Arial(8), Rot(U("Label1"), U(":"))),
        Izq(2, 0, 0, Arial(8), Rot(U("Label12"))),
        Izq(3, 0, 0, Arial(8), Rot(U("Label10"))),
        Izq(4, 0, 0, Arial(8), Rot(U("Label9"))),
        Izq(5, 0, 0, Arial(8), Fec(U("txtp1fecv"))),
        Izq(6, 0, 0, Arial(8), Ctl(U("txtp1fecv2"))),
        Izq(7, 0, 0, Arial(8), Lit(U("Label1"))),
        Izq(8, 0, 0, Arial(8), Etq(U("Label1"))),
    };
    // clang-format on
    RenombrarControles(items, {{U("Label1"), U("Frame5")},
                               {U("Label10"), U("Label9")},
                               {U("Label9"), U("Label8")},
                               {U("txtp1fecv"), U("txtp2fecv")}});
    const char* esperados[] = {"Frame5", "Label12", "Label9", "Label8", "txtp2fecv", "txtp1fecv2", "Label1", "Label1"};
    for (size_t i = 0; i < items.size(); ++i)
        EXPECT_EQ(items[i].texto, U(esperados[i])) << i;
    EXPECT_EQ(items[0].sufijo, U(":"));
}

// A derived table patches rows by name; a name the base table does not hold once is a broken
// derivation and stops it, instead of printing the base's row unchanged.
TEST(PatchByName, ChangesReplacesAndDropsNamedRowsAndRefusesUnknownOnes)
{
    const std::vector<ItemInforme> base = {
        Izq(1, 69, 35, Times(12, "BI"), Lit(U("Orvellanko Foru Aldundia"))),
        Nombrada("titulo", Izq(2, 119, 87.5, Arial(11, "B"), Lit(U("VIVIENDAS")))),
        Nombrada("cl_datos", Izq(3, 87, 179, Arial(8, "I"), Lit(U("Datos:")))),
        Nombrada("cl_situacion", Izq(4, 97, 178.5, Arial(9, "I"), Etq(U("sEtiquetaCL")))),
        Regla(190),
    };
    std::vector<ItemInforme> t = base;
    Fila(t, U("titulo")).texto = U("TRASTEROS");
    ReemplazarFila(t, U("cl_datos"), Izq(9, 80, 180, Arial(8), Rot(U("Frame5"))));
    QuitarFilas(t, {U("cl_situacion")});
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(t[1].texto, U("TRASTEROS"));
    EXPECT_EQ(t[1].x, 119);
    EXPECT_EQ(t[2].texto, U("Frame5"));
    EXPECT_EQ(t[2].nombre, U("cl_datos")) << "a replaced row keeps its place and name";
    EXPECT_EQ(t[3].dibujo, DibujoInforme::Regla);

    // clang-format off
    const struct {
        const char* caso;
        const char* falta;  // the row name the error must give
        std::function<void(std::vector<ItemInforme>&)> parche;
    } errores[] = {
        {"change", "titulos", [](auto& v) { Fila(v, U("titulos")).texto = U("x"); }},
        {"replace", "pie", [](auto& v) { ReemplazarFila(v, U("pie"), Regla(200)); }},
        {"drop", "superficie", [](auto& v) { QuitarFilas(v, {U("titulo"), U("superficie")}); }},
        {"drop twice", "titulo", [](auto& v) { QuitarFilas(v, {U("titulo"), U("titulo")}); }},
        {"a name on two rows", "titulo", [](auto& v) {
             v.push_back(Nombrada("titulo", Regla(200)));
             Fila(v, U("titulo")).x = 1;
         }},
    };
    // clang-format on
    for (const auto& e : errores) {
        std::vector<ItemInforme> copia = base;
        try {
            e.parche(copia);
            ADD_FAILURE() << e.caso << ": no error";
        } catch (const std::logic_error& error) {
            EXPECT_NE(std::string(error.what()).find(std::string("'") + e.falta + "'"), std::string::npos)
                << e.caso << ": " << error.what();
        }
    }
}

// Drawing: a small table rendered to PDF.
class ImprimirInformeTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString pdf;
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        pdf = dir.filePath(U("informe.pdf"));
        Printer::SetOutputPdfForTests(pdf);
    }
    void TearDown() override { Printer::SetOutputPdfForTests(QString()); }
};

TEST_F(ImprimirInformeTest, LeavesScaleModeAndFontNameAsFoundAndEndsTheDocument)
{
    Printer& p = Printer::Get();
    p.SetScaleMode(1);
    p.SetFontName(U("Courier New"));
    Ventana v;
    ImprimirInforme({Izq(1, 30, 40, Times(12, "BI"), Lit(U("Orvellanko Foru Aldundia"))),
                     Izq(2, 30, 60, Arial(9), Ctl(U("txtp1vrr")))},
                    v.w, DatosInforme{});
    EXPECT_EQ(p.ScaleMode(), 1);
    EXPECT_EQ(p.FontName(), U("Courier New"));
    EXPECT_FALSE(p.IsPrinting());
    // Font settings other than the name stay as the last text left them.
    EXPECT_DOUBLE_EQ(p.FontSize(), 9);
    EXPECT_FALSE(p.FontBold());

    EXPECT_EQ(PaginasPdf(pdf), 1);
    const auto palabras = LeerPalabrasPdf(pdf);
    const auto linea = BuscarFrase(palabras, U("Orvellanko Foru Aldundia"));
    ASSERT_TRUE(linea);
    EXPECT_NEAR(linea->xMin, 30, 0.5);
    EXPECT_NEAR(linea->yMin, 40, 0.5);
    const auto valor = BuscarFrase(palabras, U("30.000"));
    ASSERT_TRUE(valor);
    EXPECT_NEAR(valor->xMin, 30, 0.5);
    EXPECT_NEAR(valor->yMin, 60, 0.5);
}

TEST_F(ImprimirInformeTest, APrinterThatCannotStartIsAFailureNotASilentSuccess)
{
    Printer::SetOutputPdfForTests(dir.filePath(U("no/such/folder/informe.pdf")));
    Printer& p = Printer::Get();
    p.SetScaleMode(1);
    p.SetFontName(U("Courier New"));
    Ventana v;
    EXPECT_THROW(
        ImprimirInforme({Regla(69), Izq(1, 69, 35, Times(12, "BI"), Lit(U("Orvellanko")))}, v.w, DatosInforme{}),
        std::runtime_error);
    EXPECT_EQ(p.ScaleMode(), 1);
    EXPECT_EQ(p.FontName(), U("Courier New"));
    EXPECT_FALSE(p.IsPrinting());

    // The next report, to a usable output, prints normally.
    Printer::SetOutputPdfForTests(pdf);
    ImprimirInforme({Izq(1, 69, 35, Times(12, "BI"), Lit(U("Orvellanko")))}, v.w, DatosInforme{});
    EXPECT_TRUE(BuscarFrase(LeerPalabrasPdf(pdf), U("Orvellanko")));
}

TEST_F(ImprimirInformeTest, AlignsTextsAsTheItemsSay)
{
    Ventana v;
    ImprimirInforme({Der(1, 170, 50, Arial(9), Lit(U("12.345.678"))),
                     Cen(2, 23, 70, 153, Arial(10), Lit(U("Impuesto sobre Sucesiones y Donaciones"))),
                     Caja(3, 84, 90, 106, 95, Arial(9, "B"), Ctl(U("txtp1vrr"))),
                     CajaGris(4, 143, 110, 172, 115, 170, 110.5, Arial(9, "B"), Lit(U("99.999")))},
                    v.w, DatosInforme{});
    const auto palabras = LeerPalabrasPdf(pdf);
    const auto derecha = BuscarFrase(palabras, U("12.345.678"));
    const auto centrado = BuscarFrase(palabras, U("Impuesto sobre Sucesiones y Donaciones"));
    const auto enCaja = BuscarFrase(palabras, U("30.000"));
    const auto enGris = BuscarFrase(palabras, U("99.999"));
    ASSERT_TRUE(derecha && centrado && enCaja && enGris);
    EXPECT_NEAR(derecha->xMax, 170, 0.5);
    EXPECT_NEAR(derecha->yMin, 50, 0.5);
    EXPECT_NEAR((centrado->xMin + centrado->xMax) / 2, 23 + 153 / 2.0, 0.5);
    EXPECT_NEAR((enCaja->xMin + enCaja->xMax) / 2, 95, 0.5);
    EXPECT_NEAR(enCaja->yMin, 90.5, 0.5);
    EXPECT_NEAR(enGris->xMax, 170, 0.5);
    EXPECT_NEAR(enGris->yMin, 110.5, 0.5);
}

// Every text in the whole font of its item: a style one item switches on is off again for the
// next item that does not name it, whatever the printer held before.
TEST_F(ImprimirInformeTest, EachTextInTheFontOfItsItemAndNoStyleCarriedOver)
{
    Printer& p = Printer::Get();
    p.SetFontBold(true);
    p.SetFontItalic(true);
    p.SetFontUnderline(true);
    p.SetFontSize(20);
    Ventana v;
    ImprimirInforme(
        {Izq(1, 30, 40, Arial(8), Lit(U("Datos"))), Izq(2, 30, 50, Times(12, "BI"), Lit(U("Orvellanko"))),
         Izq(3, 30, 60, Arial(9, "U"), Lit(U("COMPROBACIÓN"))), Izq(4, 30, 70, Arial(11, "B"), Lit(U("VIVIENDAS"))),
         Izq(5, 30, 80, Arial(8, "BIU"), Lit(U("Localización:"))), Izq(6, 30, 90, Arial(8, "I"), Lit(U("Municipio:"))),
         CajaGris(7, 20, 100, 60, 105, 58, 100.5, Arial(9, "B"), Lit(U("18.850"))),
         Izq(8, 30, 110, Arial(8), Lit(U("Importes")))},
        v.w, DatosInforme{});
    const auto trozos = LeerTrozosPdf(pdf);
    const auto palabras = LeerPalabrasPdf(pdf);
    const QImage pagina = PaginaPdf(pdf, 300);
    ASSERT_FALSE(pagina.isNull());
    // clang-format off
    const struct {
        const char* texto;
        const char* familia;
        double tamano;
        bool negrita, cursiva, subrayado;
    } casos[] = {
        {"Datos", "Arial", 8, false, false, false},
        {"Orvellanko", "Times New Roman", 12, true, true, false},
        {"COMPROBACIÓN", "Arial", 9, false, false, true},
        {"VIVIENDAS", "Arial", 11, true, false, false},
        {"Localización:", "Arial", 8, true, true, true},
        {"Municipio:", "Arial", 8, false, true, false},
        {"18.850", "Arial", 9, true, false, false},
        {"Importes", "Arial", 8, false, false, false},
    };
    // clang-format on
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto);
        const auto t = BuscarTrozos(trozos, U(c.texto));
        ASSERT_EQ(t.size(), 1);
        EXPECT_EQ(t[0].familia, U(c.familia));
        EXPECT_NEAR(t[0].tamano, c.tamano, 0.5);
        EXPECT_EQ(t[0].negrita, c.negrita);
        EXPECT_EQ(t[0].cursiva, c.cursiva);
        const auto f = BuscarFrase(palabras, U(c.texto));
        ASSERT_TRUE(f);
        EXPECT_EQ(Subrayada(pagina, *f, 300), c.subrayado);
    }
}

bool Gris(QRgb c) { return qAbs(qRed(c) - 170) < 8 && qAbs(qGreen(c) - 170) < 8 && qAbs(qBlue(c) - 170) < 8; }
bool Blanco(QRgb c) { return qRed(c) > 245 && qGreen(c) > 245 && qBlue(c) > 245; }
bool Oscuro(QRgb c) { return qRed(c) < 100 && qGreen(c) < 100 && qBlue(c) < 100; }

// Lengths in pixels of the dark runs met going down the column x from y0 to y1 (mm).
QList<int> Trazos(const QImage& pagina, double x, double y0, double y1, int ppp)
{
    QList<int> trazos;
    int largo = 0;
    for (int py = qRound(y0 * ppp / 25.4); py <= qRound(y1 * ppp / 25.4); ++py) {
        if (Oscuro(pagina.pixel(qRound(x * ppp / 25.4), py))) {
            ++largo;
        } else if (largo > 0) {
            trazos << largo;
            largo = 0;
        }
    }
    return trazos;
}

TEST_F(ImprimirInformeTest, LinesBoxesAndLogoAsTheItemsSayWhateverThePrinterHeldBefore)
{
    Printer& p = Printer::Get();
    p.SetFillStyle(1);  // transparent
    p.SetDrawStyle(2);  // dotted
    QPixmap logo(75, 98);
    logo.fill(Qt::red);
    DatosInforme datos;
    datos.logo = logo;
    Ventana v;
    ImprimirInforme({Grosor(6), Linea(20, 40, 120, 40),  // a line, then a box over it
                     CajaGris(4, 100, 35, 130, 45, 128, 35.5, Arial(9, "B"), Lit(U("1"))),
                     Recuadro(50, 35, 70, 45, 40),  // very thick outline, white inside
                     Linea(20, 50, 120, 50),        // thin again after the boxes
                     Regla(60, 20, 120), Logo(32, 70, 18, 22)},
                    v.w, datos);
    const int ppp = 300;
    const QImage pagina = PaginaPdf(pdf, ppp);
    ASSERT_FALSE(pagina.isNull());
    int huecos = 0;  // along the line left of the box
    for (double x = 22; x < 48; x += 0.05)
        huecos += !Oscuro(PixelPdf(pagina, x, 40, ppp));
    EXPECT_EQ(huecos, 0) << "solid line";
    EXPECT_TRUE(Blanco(PixelPdf(pagina, 60, 40, ppp))) << "line hidden under the white box";
    EXPECT_TRUE(Gris(PixelPdf(pagina, 110, 42, ppp))) << "grey box interior";
    EXPECT_GE(Trazos(pagina, 60, 32, 38, ppp).value(0), 8) << "outline at draw width 40";
    const QList<int> fina = Trazos(pagina, 40, 48, 52, ppp);
    ASSERT_EQ(fina.size(), 1);
    EXPECT_LE(fina[0], 2) << "line after a box at draw width 1";
    const QList<int> regla = Trazos(pagina, 40, 59, 61.5, ppp);
    ASSERT_EQ(regla.size(), 2) << "a rule is two lines half a millimetre apart";
    EXPECT_LE(qMax(regla[0], regla[1]), 2);
    const QRgb rojo = PixelPdf(pagina, 41, 81, ppp);
    EXPECT_TRUE(qRed(rojo) > 245 && qGreen(rojo) < 10 && qBlue(rojo) < 10) << "logo";
    EXPECT_TRUE(Blanco(PixelPdf(pagina, 41, 93, ppp))) << "below the logo";
    EXPECT_TRUE(Blanco(PixelPdf(pagina, 52, 81, ppp))) << "right of the logo";
}

// A report starts with thin lines whatever the one before left on the printer: the first
// report ends at draw width 40, the second draws a line without setting a width.
TEST_F(ImprimirInformeTest, EveryReportStartsAtDrawWidthOne)
{
    const int ppp = 300;
    // Pixels the line across x 40 at y 40 marks (a thin line comes out grey at this resolution).
    const auto marcados = [&] {
        const QImage pagina = PaginaPdf(pdf, ppp);
        int n = 0;
        for (double y = 37; y <= 43; y += 25.4 / ppp)
            n += !Blanco(PixelPdf(pagina, 40, y, ppp));
        return n;
    };
    Ventana v;
    ImprimirInforme({Grosor(40), Linea(20, 40, 120, 40)}, v.w, DatosInforme{});
    ASSERT_EQ(Printer::Get().DrawWidth(), 40);
    EXPECT_GE(marcados(), 8);

    ImprimirInforme({Linea(20, 40, 120, 40)}, v.w, DatosInforme{});
    const int fina = marcados();
    EXPECT_GE(fina, 1);
    EXPECT_LE(fina, 2);
}

TEST_F(ImprimirInformeTest, WithoutLogoTheCellStaysEmpty)
{
    Ventana v;
    ImprimirInforme({Logo(32, 38, 18, 22), Izq(1, 30, 100, Arial(9), Lit(U("fin")))}, v.w, DatosInforme{});
    const QImage pagina = PaginaPdf(pdf, 100);
    ASSERT_FALSE(pagina.isNull());
    EXPECT_TRUE(Blanco(PixelPdf(pagina, 41, 49)));
    EXPECT_TRUE(BuscarFrase(LeerPalabrasPdf(pdf), U("fin")));
}

}  // namespace
