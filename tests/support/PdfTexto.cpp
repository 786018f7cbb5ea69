#include "PdfTexto.h"

#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QStringList>
#include <QXmlStreamReader>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

QByteArray Salida(const QString& programa, const QStringList& argumentos)
{
    QProcess p;
    p.start(programa, argumentos);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return {};
    return p.readAllStandardOutput();
}

QByteArray SalidaBbox(const QString& pdf)
{
    return Salida(QStringLiteral("pdftotext"),
                  {QStringLiteral("-bbox"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
}

// The report's fonts by the name the PDF gives them; fontconfig may have put a metric twin in
// their place.
QString Familia(const QString& fuentePdf)
{
    const QString f = fuentePdf.toLower().remove(u' ');
    if (f.contains(QLatin1String("arial")) || f.contains(QLatin1String("liberationsans")))
        return QStringLiteral("Arial");
    if (f.contains(QLatin1String("times")) || f.contains(QLatin1String("liberationserif")))
        return QStringLiteral("Times New Roman");
    return fuentePdf;
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

QList<TrozoPdf> LeerTrozosPdf(const QString& pdf)
{
    // At zoom 1 the coordinates and sizes are in points; fonts by their full names.
    QXmlStreamReader xml(
        Salida(QStringLiteral("pdftohtml"), {QStringLiteral("-xml"), QStringLiteral("-i"), QStringLiteral("-q"),
                                             QStringLiteral("-stdout"), QStringLiteral("-zoom"), QStringLiteral("1"),
                                             QStringLiteral("-noroundcoord"), QStringLiteral("-fontfullname"), pdf}));
    struct Fuente {
        QString familia;
        double tamano = 0;
    };
    QHash<QString, Fuente> fuentes;
    QList<TrozoPdf> trozos;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto a = xml.attributes();
        if (xml.name() == u"fontspec") {
            fuentes.insert(
                a.value(QLatin1String("id")).toString(),
                {Familia(a.value(QLatin1String("family")).toString()), a.value(QLatin1String("size")).toDouble()});
            continue;
        }
        if (xml.name() != u"text")
            continue;
        TrozoPdf base;
        const Fuente f = fuentes.value(a.value(QLatin1String("font")).toString());
        base.familia = f.familia;
        base.tamano = f.tamano;
        base.x = a.value(QLatin1String("left")).toDouble() / kPuntosPorMm;
        base.y = a.value(QLatin1String("top")).toDouble() / kPuntosPorMm;
        // The line's runs: <b> and <i> around the bold and italic parts.
        int negrita = 0, cursiva = 0;
        TrozoPdf actual = base;
        const auto cerrar = [&] {
            actual.texto = actual.texto.trimmed();
            if (!actual.texto.isEmpty())
                trozos << actual;
            actual = base;
            actual.negrita = negrita > 0;
            actual.cursiva = cursiva > 0;
        };
        for (int nivel = 1; nivel > 0 && !xml.atEnd();) {
            switch (xml.readNext()) {
            case QXmlStreamReader::StartElement:
                ++nivel;
                cerrar();
                negrita += xml.name() == u"b";
                cursiva += xml.name() == u"i";
                actual.negrita = negrita > 0;
                actual.cursiva = cursiva > 0;
                break;
            case QXmlStreamReader::EndElement:
                --nivel;
                cerrar();
                negrita -= xml.name() == u"b";
                cursiva -= xml.name() == u"i";
                actual.negrita = negrita > 0;
                actual.cursiva = cursiva > 0;
                break;
            case QXmlStreamReader::Characters:
                actual.texto += xml.text();
                break;
            default:
                break;
            }
        }
    }
    return trozos;
}

QList<TrozoPdf> BuscarTrozos(const QList<TrozoPdf>& trozos, const QString& texto)
{
    QList<TrozoPdf> hallados;
    for (const auto& t : trozos)
        if (t.texto.contains(texto))
            hallados << t;
    return hallados;
}

bool Subrayada(const QImage& pagina, const PalabraPdf& frase, int ppp)
{
    const double pxPorMm = ppp / 25.4;
    const int x0 = qRound((frase.xMin + 0.2) * pxPorMm), x1 = qRound((frase.xMax - 0.2) * pxPorMm);
    const double alto = frase.yMax - frase.yMin;
    const int y0 = qRound((frase.yMax - 0.2 * alto) * pxPorMm), y1 = qRound((frase.yMax + 0.3) * pxPorMm);
    for (int y = y0; y <= y1; ++y) {
        int oscuros = 0;
        for (int x = x0; x <= x1; ++x)
            oscuros += qGray(pagina.pixel(x, y)) < 160;
        if (x1 > x0 && oscuros >= 0.95 * (x1 - x0 + 1))
            return true;
    }
    return false;
}

QImage PaginaPdf(const QString& pdf, int ppp)
{
    QTemporaryDir dir;
    if (!dir.isValid())
        return {};
    const QString base = dir.filePath(QStringLiteral("pagina"));
    QProcess p;
    p.start(QStringLiteral("pdftoppm"),
            {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(ppp), QStringLiteral("-f"),
             QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"), QStringLiteral("-singlefile"), pdf, base});
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return {};
    return QImage(base + QStringLiteral(".png"));
}

QRgb PixelPdf(const QImage& pagina, double xMm, double yMm, int ppp)
{
    const double pxPorMm = ppp / 25.4;
    return pagina.pixel(qRound(xMm * pxPorMm), qRound(yMm * pxPorMm));
}

PaginaInformePdf::PaginaInformePdf(const QString& pdf, int ppp_)
    : palabras(LeerPalabrasPdf(pdf)), trozos(LeerTrozosPdf(pdf)), pagina(PaginaPdf(pdf, ppp_)), ppp(ppp_)
{
}

QString PaginaInformePdf::Fuente(const QString& texto, double y) const
{
    const TrozoPdf* trozo = nullptr;
    for (const auto& t : trozos)
        if (qAbs(t.y - y) < 1.0 && t.texto.contains(texto))
            trozo = &t;
    std::optional<PalabraPdf> frase;
    for (const auto& f : BuscarFrases(palabras, texto))
        if (qAbs(f.yMin - y) < 1.0)
            frase = f;
    if (!trozo || !frase || pagina.isNull())
        return QString();
    const QString familia = trozo->familia == QLatin1String("Arial")             ? QStringLiteral("A")
                            : trozo->familia == QLatin1String("Times New Roman") ? QStringLiteral("TNR")
                                                                                 : trozo->familia;
    QString estilo;
    if (trozo->negrita)
        estilo += u'B';
    if (trozo->cursiva)
        estilo += u'I';
    if (Subrayada(pagina, *frase, ppp))
        estilo += u'U';
    QString f = familia + u' ' + QString::number(trozo->tamano);
    if (!estilo.isEmpty())
        f += u' ' + estilo;
    return f;
}

namespace {

// Of the places where a phrase stands, the one nearest the expected place is checked; with
// soloUna the phrase must stand exactly once.
void ComprobarPosicionesEn(const QString& pdf, const std::vector<PosicionPdf>& posiciones, bool soloUna)
{
    ASSERT_EQ(PaginasPdf(pdf), 1);
    const auto palabras = LeerPalabrasPdf(pdf);
    for (const auto& p : posiciones) {
        SCOPED_TRACE(p.frase);
        const auto halladas = BuscarFrases(palabras, QString::fromUtf8(p.frase));
        if (soloUna) {
            ASSERT_EQ(halladas.size(), 1);
        } else {
            ASSERT_FALSE(halladas.isEmpty());
        }
        double mejor = std::numeric_limits<double>::max(), x = 0, y = 0;
        for (const auto& f : halladas) {
            const double fx = p.anclaje == Izquierda ? f.xMin : p.anclaje == Derecha ? f.xMax : (f.xMin + f.xMax) / 2;
            const double d = std::abs(fx - p.x) + std::abs(f.yMin - p.y);
            if (d < mejor) {
                mejor = d;
                x = fx;
                y = f.yMin;
            }
        }
        EXPECT_NEAR(x, p.x, 0.5);
        EXPECT_NEAR(y, p.y, 0.5);
    }
}

}  // namespace

void ComprobarPosiciones(const QString& pdf, const std::vector<PosicionPdf>& posiciones)
{
    ComprobarPosicionesEn(pdf, posiciones, true);
}

void ComprobarPosicionesMasCercanas(const QString& pdf, const std::vector<PosicionPdf>& posiciones)
{
    ComprobarPosicionesEn(pdf, posiciones, false);
}

void ComprobarFuentes(const QString& pdf, const std::vector<EstiloPdf>& estilos)
{
    const PaginaInformePdf pagina(pdf);
    for (const auto& e : estilos)
        EXPECT_EQ(pagina.Fuente(QString::fromUtf8(e.texto), e.y).toStdString(), e.fuente) << e.texto;
}

double PrimerBorde(const QImage& pagina, double y, double desde, double hasta, int ppp)
{
    const double paso = 25.4 / ppp * (hasta > desde ? 1 : -1);
    for (double x = desde; hasta > desde ? x <= hasta : x >= hasta; x += paso)
        if (qGray(PixelPdf(pagina, x, y, ppp)) < 80)
            return x;
    return -1;
}
