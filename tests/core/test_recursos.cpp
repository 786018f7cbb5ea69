#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QString>
#include <QStringList>

#include "core/Recursos.h"

// The panel's pictures are embedded in a static library: registering them here keeps
// the linker from dropping them (this must stand outside any namespace).
static void InitPictures() { Q_INIT_RESOURCE(pictures); }

namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

constexpr int kBasque = 10000;

struct TextCase {
    int id;
    const char* spanish;
    const char* basque;
};

// Texts checked literally in both languages: padded captions, message pieces with
// their separating blanks, the repeated separator, the formulas and the lines that
// stand in both languages in each half.
// clang-format off
const TextCase kTexts[] = {
    {3, "Datos Operación", "Eragiketa datuak"},
    {4, "     &Cancelar", "     &Utzi"},
    {6, "       &Aceptar", "       &Ados"},
    {8, "      &Eliminar", "      &Ezabatu"},
    {13, "&Ayuda", "&Laguntza"},
    {28, "Diputación Foral de Orvellan", "Diputación Foral de Orvellan"},
    {29, "Departamento para la Fiscalidad y las Finanzas ", "Departamento para la Fiscalidad y las Finanzas "},
    {35, "Decreto Foral 6/1999, de 26 de Enero", "Urtarrilaren 26ko 6/1999 Foru Dekretua"},
    {37, "Orvellanko Foru Aldundia", "Orvellanko Foru Aldundia"},
    {40, "Valoración a Fecha", "Balorazio data"},
    {45, "¡Atención! Para Seleccionar tipo de bien a valorar consulte criterios de selección definidos en Ayuda",
     "Kontuz! Irakurri Laguntza menuan azaldutako irizpideak baloratuko den ondasun mota aukeratzeko"},
    {51, "La Fecha de Valoración no puede ser anterior al ", "Balorazio data ezin da"},
    {52, " ni posterior al ", " baino aurrekoa izan, ezta"},
    {54, "Antigüedad", "Antzinatasuna"},
    {64, "........................................................", "........................................................"},
    {73, "= V = [ VRR * CL + (1,38 * CC + 0,38 * VRR * CL) * (1 - D)] * SH",
     "= B = [ BEE * KL + (1,38 * EK + 0,38 * BEE * KL) * (1 - G)] * AH"},
    {84, "Superior a 3ª planta sin ascensor", "3. solairutik gora igogailurik gabe"},
    {102, " ni posterior al ", " baino aurrekoa izan, ezta"},
    {109, "La Fecha de Construcción/Rehabilitación no puede ser posterior a la Fecha de Valoración ",
     "Eraikitze/Birgaitze data ezin da Balorazio dataren ondorengoa izan"},
    {112, " ni posterior al ", " baino aurrekoa izan, ezta"},
    {114, "Valor a Fecha de  Valoración = Valor en año ponencia * Coeficiente",
     "Balioa balorazio datan = Balioa ponentzia urtean * Koefizientea"},
    {115, "= V = MP * CS * CG", "= B = MP * KA * KG"},
    {131, "= V = [ VRC * CL + (1,38 * CC + 0,38 * VRC * CL) ] * SH",
     "= B = [ BEM * KL + (1,38 * EK + 0,38 * BEM * KL) ] * AH"},
    {148, "Pabellón Industrial", "Pabilioi industriala"},
    {150, "Diputación Foral de Orvellan", "Orvellanko Foru Aldundia"},
    {151, ".", " ondorengoa ere"},
    {152, "(Incluye modificación de la Orden Foral 705/2000, de 12 de Septiembre)",
     "(Irailaren 12ko 705/2000 Foru Aginduak aldatutakoa barne)"},
    {153, "No es posible imprimir. No hay impresoras instaladas.",
     "Inprimatzerik ez dago. Ez dago instalatutako inpresorarik."},
    {154, " / Ver. 1.0.1", " / 1.0.1.bertsioa"},
};
// clang-format on

// Spanish ids 3 to 154 that some window loads; the others need not be stored.
QList<int> LoadedSpanishIds()
{
    const QSet<int> unused = {10, 11, 101, 104, 105, 106, 107, 125, 132, 136, 142, 145, 147, 149};
    QList<int> ids;
    for (int id = 3; id <= 154; ++id)
        if (!unused.contains(id))
            ids.append(id);
    return ids;
}

TEST(Recursos, TextsAreExactInBothLanguages)
{
    for (const TextCase& c : kTexts) {
        EXPECT_EQ(LoadResString(c.id), U(c.spanish)) << "id " << c.id;
        EXPECT_EQ(LoadResString(c.id + kBasque), U(c.basque)) << "id " << c.id + kBasque;
    }
}

TEST(Recursos, RangeMessageComposesInBothLanguages)
{
    const auto message = [](int idioma) {
        return LoadResString(idioma + 51) + "01/01/2000" + LoadResString(idioma + 112) + "31/12/2005" +
               LoadResString(idioma + 151);
    };
    EXPECT_EQ(message(0), U("La Fecha de Valoración no puede ser anterior al 01/01/2000 ni posterior al 31/12/2005."));
    EXPECT_EQ(message(kBasque),
              U("Balorazio data ezin da01/01/2000 baino aurrekoa izan, ezta31/12/2005 ondorengoa ere"));
}

TEST(Recursos, EveryLoadedIdHasItsTextAndBasqueTwin)
{
    for (int id : LoadedSpanishIds()) {
        EXPECT_FALSE(LoadResString(id).isEmpty()) << "Spanish id " << id;
        EXPECT_FALSE(LoadResString(id + kBasque).isEmpty()) << "Basque id " << id + kBasque;
    }
}

TEST(Recursos, UnknownIdGivesEmptyText)
{
    for (int id : {-1, 0, 1, 2, 155, 9999, 10000, 10002, 10155, 20003, 32767})
        EXPECT_TRUE(LoadResString(id).isEmpty()) << "id " << id;
}

// The stored file itself: every line is a comment or "id<TAB>text", with ids in the
// Spanish or Basque range and none stored twice (a second line would hide the first).
TEST(Recursos, StoredTableIsWellFormed)
{
    QFile file(":/strings.tsv");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_FALSE(bytes.contains('\r'));
    QSet<int> seen;
    for (const QString& line : QString::fromUtf8(bytes).split('\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QStringList parts = line.split('\t');
        ASSERT_EQ(parts.size(), 2) << line.toStdString();
        bool ok = false;
        const int id = parts[0].toInt(&ok);
        ASSERT_TRUE(ok) << line.toStdString();
        EXPECT_TRUE((id >= 3 && id <= 154) || (id >= 10003 && id <= 10154)) << "id " << id;
        EXPECT_FALSE(seen.contains(id)) << "id " << id << " stored twice";
        seen.insert(id);
        EXPECT_EQ(LoadResString(id), parts[1]) << "id " << id;
    }
}

// Help topics and pictures that the program opens from its folder (the folder of the
// executable), and the pictures embedded for the selection panel.
TEST(Recursos, ProgramFolderHoldsHelpTopicsAndPictures)
{
    const QString folder = QCoreApplication::applicationDirPath();
    QStringList topics = {"Documentos/Ayuda/Ayuda.chm/indice.htm", "Documentos/Ayuda/Laguntza.chm/sarrera.htm"};
    for (int n = 31; n <= 39; ++n) {
        topics << QString("Documentos/Ayuda/Ayuda.chm/cap%1.htm").arg(n);
        topics << QString("Documentos/Ayuda/Laguntza.chm/kap%1.htm").arg(n);
    }
    for (const QString& topic : topics) {
        QFile file(folder + "/" + topic);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << topic.toStdString();
        const QString html = QString::fromUtf8(file.readAll());
        EXPECT_TRUE(html.contains("<meta charset=\"utf-8\">")) << topic.toStdString();
        EXPECT_TRUE(html.contains("<h1>")) << topic.toStdString();
        EXPECT_FALSE(html.contains(QChar::ReplacementCharacter)) << topic.toStdString();
    }

    struct Picture {
        QString path;
        int width, height;
    };
    InitPictures();
    QList<Picture> pictures = {
        {folder + "/DESBIEN.BMP", 32, 32}, {folder + "/DESCRIE.BMP", 32, 32}, {":/pictures/emblema.png", 75, 98}};
    for (int n = 1; n <= 9; ++n)
        pictures.append({QString(":/pictures/tipologia%1.png").arg(n), 16, 16});
    for (const Picture& p : pictures) {
        const QImage image(p.path);
        ASSERT_FALSE(image.isNull()) << p.path.toStdString();
        EXPECT_EQ(image.size(), QSize(p.width, p.height)) << p.path.toStdString();
    }
    EXPECT_NE(QImage(folder + "/DESBIEN.BMP"), QImage(folder + "/DESCRIE.BMP"));
}

}  // namespace
