#include "PdfTexto.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QStringList>
#include <QXmlStreamReader>

namespace {

QByteArray SalidaBbox(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf,
                                          QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return {};
    return p.readAllStandardOutput();
}

}  // namespace

QList<PalabraPdf> LeerPalabrasPdf(const QString& pdf)
{
    QList<PalabraPdf> palabras;
    QXmlStreamReader xml(SalidaBbox(pdf));
    int pagina = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"page") {
            ++pagina;
        } else if (xml.name() == u"word") {
            const auto a = xml.attributes();
            PalabraPdf w;
            w.xMin = a.value(QLatin1String("xMin")).toDouble() / kPuntosPorMm;
            w.yMin = a.value(QLatin1String("yMin")).toDouble() / kPuntosPorMm;
            w.xMax = a.value(QLatin1String("xMax")).toDouble() / kPuntosPorMm;
            w.yMax = a.value(QLatin1String("yMax")).toDouble() / kPuntosPorMm;
            w.pagina = pagina;
            w.texto = xml.readElementText();
            palabras << w;
        }
    }
    return palabras;
}

int PaginasPdf(const QString& pdf)
{
    QXmlStreamReader xml(SalidaBbox(pdf));
    int paginas = 0;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"page")
            ++paginas;
    return paginas;
}

QList<PalabraPdf> BuscarFrases(const QList<PalabraPdf>& palabras, const QString& frase)
{
    static const QRegularExpression blancos(QStringLiteral("\\s+"));
    const QStringList partes = frase.split(blancos, Qt::SkipEmptyParts);
    QList<PalabraPdf> halladas;
    if (partes.isEmpty())
        return halladas;
    for (qsizetype i = 0; i + partes.size() <= palabras.size(); ++i) {
        PalabraPdf caja = palabras[i];
        bool igual = true;
        for (qsizetype k = 0; k < partes.size() && igual; ++k) {
            const PalabraPdf& w = palabras[i + k];
            // Same page and same line: the words' bottoms within a millimetre of each other.
            igual = w.texto == partes[k] && w.pagina == caja.pagina && qAbs(w.yMax - caja.yMax) < 1.0;
            if (igual && k > 0) {
                caja.xMin = qMin(caja.xMin, w.xMin);
                caja.xMax = qMax(caja.xMax, w.xMax);
                caja.yMin = qMin(caja.yMin, w.yMin);
                caja.yMax = qMax(caja.yMax, w.yMax);
            }
        }
        if (igual) {
            caja.texto = partes.join(u' ');
            halladas << caja;
        }
    }
    return halladas;
}

std::optional<PalabraPdf> BuscarFrase(const QList<PalabraPdf>& palabras, const QString& frase)
{
    const auto h = BuscarFrases(palabras, frase);
    if (h.isEmpty())
        return std::nullopt;
    return h.first();
}

QImage PaginaPdf(const QString& pdf, int ppp)
{
    QTemporaryDir dir;
    if (!dir.isValid())
        return {};
    const QString base = dir.filePath(QStringLiteral("pagina"));
    QProcess p;
    p.start(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(ppp),
                                         QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                         QStringLiteral("1"), QStringLiteral("-singlefile"), pdf, base});
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return {};
    return QImage(base + QStringLiteral(".png"));
}

QRgb PixelPdf(const QImage& pagina, double xMm, double yMm, int ppp)
{
    const double pxPorMm = ppp / 25.4;
    return pagina.pixel(qRound(xMm * pxPorMm), qRound(yMm * pxPorMm));
}
