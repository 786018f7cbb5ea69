// Print jobs carry the report's title as their name: what a print queue shows, and what a PDF
// printer names its file after. Read back as the PDF's title.
#include "platform/Printer.h"
#include "typologies/dwelling/InformeVivienda.h"
#include "typologies/parking/InformeGaraje.h"
#include "typologies/shared/Informe.h"
#include "typologies/storage_room/InformeTrastero.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// The document title of a PDF, as pdfinfo reads it ("" when it has none).
QString TituloPdf(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf});
    p.waitForFinished(30000);
    const auto m = QRegularExpression(QStringLiteral("^Title:[ \\t]*(.*)$"), QRegularExpression::MultilineOption)
                       .match(QString::fromUtf8(p.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).trimmed() : QString();
}

class TrabajoImpresion : public ::testing::Test {
protected:
    void TearDown() override { Printer::SetOutputPdfForTests(QString()); }
    QString Pdf(const QString& nombre) const { return dir_.path() + QLatin1Char('/') + nombre + ".pdf"; }
    QTemporaryDir dir_;
};

}  // namespace

TEST_F(TrabajoImpresion, DocumentCarriesTheNameSetBeforeItAndTheNextOneDoesNotInheritIt)
{
    Printer& p = Printer::Get();
    Printer::SetOutputPdfForTests(Pdf("primero"));
    p.SetDocName(QString::fromUtf8("COMPROBACIÓN DE VALORES: VIVIENDAS"));
    p.SetScaleMode(6);
    p.SetCurrentX(20);
    p.SetCurrentY(20);
    p.Print(QStringLiteral("uno"));
    p.EndDoc();
    EXPECT_EQ(TituloPdf(Pdf("primero")), QString::fromUtf8("COMPROBACIÓN DE VALORES: VIVIENDAS"));

    Printer::SetOutputPdfForTests(Pdf("segundo"));
    p.Print(QStringLiteral("dos"));
    p.EndDoc();
    EXPECT_EQ(TituloPdf(Pdf("segundo")), QString());
}

TEST_F(TrabajoImpresion, EachReportNamesItsJobByItsHeadingInItsLanguage)
{
    const struct {
        const char* nombre;
        const std::vector<ItemInforme>& (*tabla)();
        const char* titulo;
    } casos[] = {
        {"vivienda_es", InformeViviendaEs, "COMPROBACIÓN DE VALORES: VIVIENDAS"},
        {"vivienda_eu", InformeViviendaEu, "BALIO EGIAZTAPENA: ETXEBIZITZAK"},
        {"trastero_es", InformeTrasteroEs, "COMPROBACIÓN DE VALORES: TRASTEROS"},
        {"trastero_eu", InformeTrasteroEu, "BALIO EGIAZTAPENA: TRASTELEKUAK"},
        {"garaje_es", InformeGarajeEs, "COMPROBACIÓN DE VALORES: GARAJES / APARCAMIENTOS"},
        {"garaje_eu", InformeGarajeEu, "BALIO EGIAZTAPENA: GARAJEAK / APARKALEKUAK"},
    };
    QWidget ventana;  // no controls: the heading is made of the table's own texts
    ventana.setWindowTitle(QStringLiteral("no es el titulo"));
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        Printer::SetOutputPdfForTests(Pdf(c.nombre));
        ImprimirInforme(c.tabla(), ventana, DatosInforme{});
        EXPECT_EQ(TituloPdf(Pdf(c.nombre)), QString::fromUtf8(c.titulo));
        EXPECT_EQ(Printer::Get().DocName(), QString());  // cleared with the document
    }
}

TEST_F(TrabajoImpresion, ReportWithoutAHeadingIsNamedByItsWindow)
{
    QWidget ventana;
    ventana.setWindowTitle(QStringLiteral("Trastero"));
    std::vector<ItemInforme> items{
        informe::Izq(1, 30, 30, informe::Arial(9, "B"), informe::Lit(QStringLiteral("Texto")))};
    EXPECT_EQ(TituloInforme(items, ventana, DatosInforme{}), QStringLiteral("Trastero"));
    items.push_back(informe::Izq(2, 60, 40.5, informe::Arial(11, "B"), informe::Lit(QStringLiteral("  DOS  "))));
    items.push_back(informe::Izq(3, 20, 40, informe::Arial(9, "U"), informe::Lit(QStringLiteral("UNO:"))));
    EXPECT_EQ(TituloInforme(items, ventana, DatosInforme{}), QStringLiteral("UNO: DOS"));  // left to right
}
