#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWidget>
#include <sqlite3.h>

#include "core/GAyuda.h"
#include "core/Globals.h"
#include "platform/ComboBox.h"
#include "platform/Help.h"
#include "platform/ProgramFolder.h"

namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

const char* kTablas = R"SQL(
CREATE TABLE t02_años (t02_ano INTEGER, t02_ver INTEGER, t02_fecmin INTEGER, t02_fecmax INTEGER,
                       t02_porinc REAL, t02_porcom REAL);
INSERT INTO t02_años VALUES
    (2001, 1, 20010101, 20011231, 1.01, 100),
    (2002, 1, 20020101, 20021231, 1.02, 100),
    (2003, 1, 20030101, 20030630, 1.03, 110),
    (2003, 2, 20030701, 20031231, 1.50, 110),
    (2004, 1, 20040101, 20041231, 1.04, 120);
CREATE TABLE t03_municipios (t03_ano INTEGER, t03_codmun INTEGER, t03_nommun TEXT);
INSERT INTO t03_municipios VALUES
    (2001, 20, ' BETA '), (2001, 10, 'ALFA'), (2003, 30, 'GAMMA'), (2003, 10, 'ALFA NUEVA');
CREATE TABLE t05_calles_nombre (t05_codmun INTEGER, t05_ano INTEGER, t05_ver INTEGER,
                                t05_codcal INTEGER, t05_nomcal TEXT COLLATE NOCASE);
INSERT INTO t05_calles_nombre VALUES
    (1, 2003, 2, 7, 'PLAZA NUEVA '), (1, 2003, 2, 5, 'calle mayor'),
    (1, 2003, 1, 9, 'VIEJA'), (1, 2002, 1, 3, 'ANTIGUA');
CREATE TABLE t09_industrial (t09_codmun INTEGER, t09_zonind TEXT, t09_ano INTEGER);
INSERT INTO t09_industrial VALUES (1, 'Z2 ', 2003), (1, 'Z1', 2003), (2, 'Z9', 2003);
)SQL";

const QString kCalles = U("select distinct t05_ano,t05_ver,t05_codcal,t05_nomcal from t05_calles_nombre "
                          "where t05_codmun=1 And t05_ano<=2003 And t05_ver<=2 "
                          "order by t05_ano desc,t05_ver desc,t05_nomcal");

class GAyudaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString path = dir.filePath("g.db");
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(db, kTablas, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
        sqlite3_close(db);
        ASSERT_TRUE(gConexion().AbrirRuta(path));
        gIdioma = 0;
    }
    void TearDown() override
    {
        gConexion().SetRutaForTests(QString());
        SetProgramFolderForTests(QString());
        gIdioma = 0;
    }
    static QStringList Items(const ComboBox& cmb)
    {
        QStringList l;
        for (int i = 0; i < cmb.ListCount(); ++i)
            l << cmb.List(i) + "=" + QString::number(cmb.ItemData(i));
        return l;
    }
    QTemporaryDir dir;
};

TEST_F(GAyudaTest, CargarMunicipiosTakesTheNewestListNotAfterTheYear)
{
    struct Caso {
        int16_t ano;
        QStringList items;
    } casos[] = {
        {2002, {"ALFA=10", "BETA=20"}},
        {2004, {"ALFA NUEVA=10", "GAMMA=30"}},
        {2000, {}},
    };
    ComboBox cmb;
    for (const Caso& c : casos) {
        cmb.AddItem("resto");
        CargarMunicipios(cmb, c.ano);
        EXPECT_EQ(Items(cmb), c.items) << c.ano;
    }
}

TEST_F(GAyudaTest, CargarCallesLoadsTheFirstYearVersionGroup)
{
    ComboBox cmb;
    bool borrar = true;
    CargarCalles(borrar, kCalles, cmb);
    EXPECT_FALSE(borrar);
    EXPECT_EQ(Items(cmb), (QStringList{"calle mayor=5", "PLAZA NUEVA=7"}));
    EXPECT_EQ(cmb.Tag(), "2003-2");

    // A filled list is kept as it is while the clear flag is off.
    CargarCalles(borrar, "select 1999,1,1,'OTRA'", cmb);
    EXPECT_EQ(cmb.ListCount(), 2);
    EXPECT_EQ(cmb.Tag(), "2003-2");

    // No row: empty list and the tag of no group.
    borrar = true;
    CargarCalles(borrar, kCalles + " limit 0", cmb);
    EXPECT_EQ(cmb.ListCount(), 0);
    EXPECT_EQ(cmb.Tag(), "-1--1");
    EXPECT_FALSE(borrar);
}

// Fields not stored as the loader expects are read as numbers and trimmed texts: a year
// written as text is the same year, a Null name an empty entry.
TEST_F(GAyudaTest, CargarCallesReadsNumbersStoredAsTextAndNullNames)
{
    ComboBox cmb;
    bool borrar = true;
    CargarCalles(borrar,
                 "select * from (values ('2003', ' 2', 7, ' PLAZA '), (2003, 2.0, '8', NULL), (2003, 2, 9, 'UNO'),"
                 " (2002, 2, 1, 'VIEJA'))",
                 cmb);
    EXPECT_EQ(Items(cmb), (QStringList{"PLAZA=7", "=8", "UNO=9"}));
    EXPECT_EQ(cmb.Tag(), "2003-2");
}

TEST_F(GAyudaTest, CargarComboAddsEveryRowOnlyIntoAnEmptyList)
{
    const QString sql = "select t09_zonind from t09_industrial where t09_codmun=1 And t09_ano=2003 Order By t09_zonind";
    ComboBox cmb;
    bool borrar = false;
    CargarCombo(borrar, sql, cmb);
    EXPECT_EQ(Items(cmb), (QStringList{"Z1=0", "Z2=0"}));

    CargarCombo(borrar, "select 'X'", cmb);
    EXPECT_EQ(cmb.ListCount(), 2);

    borrar = true;
    CargarCombo(borrar, "select t09_zonind from t09_industrial where t09_codmun=2", cmb);
    EXPECT_FALSE(borrar);
    EXPECT_EQ(Items(cmb), QStringList{"Z9=0"});
}

TEST(SeleccionarEnCombo, SelectsTheFirstEntryBeginningWithTheText)
{
    struct Caso {
        const char* texto;
        int indice;        // expected ListIndex
        const char* text;  // expected text
    } casos[] = {
        {"san", 1, "SAN JUAN"},    // the upper-case pattern matches
        {"Pl", 0, "PLAZA"},        // "PL*" matches PLAZA, the first in list order
        {"Plazu", 2, "Plazuela"},  // the text as typed
        {"S?N", 1, "SAN JUAN"},    // pattern characters keep their meaning
        {"[PS]A", 1, "SAN JUAN"},
        {"#", 3, "3 DE MAYO"},
        {"[3", 4, "[3 BIS"},  // not a valid pattern: taken literally
        {"zz", -1, ""},       // no entry: the text is emptied
        {"", -1, ""},
    };
    for (const Caso& c : casos) {
        ComboBox cmb;
        for (const char* item : {"PLAZA", "SAN JUAN", "Plazuela", "3 DE MAYO", "[3 BIS"})
            cmb.AddItem(item);
        cmb.SetListIndex(1);
        int clicks = 0;
        QObject::connect(&cmb, &ComboBox::Click, [&] { ++clicks; });
        SeleccionarEnCombo(U(c.texto), cmb);
        EXPECT_EQ(cmb.ListIndex(), c.indice) << c.texto;
        EXPECT_EQ(cmb.Text(), U(c.text)) << c.texto;
        if (c.indice >= 0 && c.indice != 1) {
            EXPECT_EQ(clicks, 1) << c.texto;  // the selection runs the click handler
        }
    }
}

TEST(SeleccionarEnCombo, AnEntryTheTextNamesInAnyCaseComesBeforeAPrefixMatch)
{
    for (const char* texto : {"VILLA", "villa", "Villa"}) {
        ComboBox cmb;
        for (const char* item : {"VILLA-ALTA", "VILLA", "VILLABONA"})
            cmb.AddItem(item);
        SeleccionarEnCombo(U(texto), cmb);
        EXPECT_EQ(cmb.Text(), "VILLA") << texto;
    }
}

TEST(SeleccionarEnCombo, EmptyListTakesTheText)
{
    ComboBox cmb;
    SeleccionarEnCombo("ALFA", cmb);
    EXPECT_EQ(cmb.Text(), "ALFA");
    SeleccionarEnComboExacto("BETA", cmb);
    EXPECT_EQ(cmb.Text(), "BETA");
}

TEST(SeleccionarEnComboExacto, SelectsOnlyTheSameText)
{
    ComboBox cmb;
    for (const char* item : {"SAN JUAN BAUTISTA", "SAN JUAN", "[3 BIS"})
        cmb.AddItem(item);
    SeleccionarEnComboExacto("SAN JUAN", cmb);
    EXPECT_EQ(cmb.ListIndex(), 1);
    SeleccionarEnComboExacto("[3 BIS", cmb);
    EXPECT_EQ(cmb.ListIndex(), 2);
    SeleccionarEnComboExacto("SAN", cmb);
    EXPECT_EQ(cmb.ListIndex(), -1);
    EXPECT_EQ(cmb.Text(), "");
}

TEST_F(GAyudaTest, YearLookups)
{
    // Update coefficient: first versions of the years after the first, up to the last.
    EXPECT_NEAR(FactorIncremento(2001, 2003), 1.02 * 1.03, 1e-12);
    EXPECT_NEAR(FactorIncremento(2000, 2004), 1.01 * 1.02 * 1.03 * 1.04, 1e-12);
    EXPECT_DOUBLE_EQ(FactorIncremento(2003, 2003), 1.0);
    EXPECT_DOUBLE_EQ(FactorIncremento(2004, 2001), 1.0);

    // clang-format off
    struct Caso {
        int32_t fecha;
        int16_t ano, ver;
    } casos[] = {
        {20001231, 0, 0}, {20010101, 2001, 1}, {20030630, 2003, 1},
        {20030701, 2003, 2}, {20991231, 2004, 1},
    };
    // clang-format on
    for (const Caso& c : casos) {
        int16_t ver = -5;
        EXPECT_EQ(ObtenerEjercicio(c.fecha, ver), c.ano) << c.fecha;
        EXPECT_EQ(ver, c.ver) << c.fecha;
    }

    EXPECT_DOUBLE_EQ(ObtenerPorcom(2004), 120.0);
    EXPECT_DOUBLE_EQ(ObtenerPorcom(2003), 110.0);
    EXPECT_DOUBLE_EQ(ObtenerPorcom(1990), 0.0);
}

// The lookups' statements, exactly as the program writes them; a loader whose list is
// already filled runs none.
TEST_F(GAyudaTest, StatementTexts)
{
    QStringList sentencias;
    gConexion().SetStatementObserver([&](const QString& sql) { sentencias << sql; });
    ComboBox cmb;
    CargarMunicipios(cmb, 2002);
    bool borrar = false;
    CargarCalles(borrar, "select 1999,1,1,'OTRA'", cmb);
    CargarCombo(borrar, "select 'X'", cmb);
    int16_t ver = 0;
    ObtenerEjercicio(20030701, ver);
    FactorIncremento(2001, 2003);
    ObtenerPorcom(2004);
    ObtenerPorcom(-1);
    gConexion().SetStatementObserver({});
    EXPECT_EQ(sentencias,
              (QStringList{
                  // NOLINTNEXTLINE(bugprone-suspicious-missing-comma): one statement written over two lines
                  "select t03_ano,t03_codmun,t03_nommun from t03_municipios where t03_ano<=2002 order by t03_ano "
                  "desc,t03_codmun",
                  U("select t02_ano,t02_ver from t02_años where t02_fecmin<=20030701 Order By t02_fecmin desc"),
                  U("select t02_porinc from t02_años where t02_ano>2001 And t02_ano<=2003 And t02_ver=1"),
                  U("select t02_porcom from t02_años where t02_ano=2004"),
                  U("select t02_porcom from t02_años where t02_ano=-1"),
              }));
}

TEST_F(GAyudaTest, LookupsWithoutDatabaseGiveTheirDefaults)
{
    gConexion().Cerrar();
    int16_t ver = 3;
    EXPECT_EQ(ObtenerEjercicio(20030701, ver), 0);
    EXPECT_EQ(ver, 0);
    EXPECT_DOUBLE_EQ(FactorIncremento(2001, 2004), 1.0);
    EXPECT_DOUBLE_EQ(ObtenerPorcom(2004), 0.0);
}

TEST(SegunIdioma, FollowsTheOffset)
{
    gIdioma = 0;
    EXPECT_EQ(SegunIdioma("Ayuda", "Laguntza"), "Ayuda");
    gIdioma = 10000;
    EXPECT_EQ(SegunIdioma("Ayuda", "Laguntza"), "Laguntza");
    gIdioma = 0;
}

TEST(MostrarAyuda, OpensTheTopicOfTheLanguagesHelpFile)
{
    SetProgramFolderForTests("/opt/v");
    gIdioma = 0;
    MostrarAyuda("cap31.htm", nullptr);
    EXPECT_EQ(LastHelpShown(), "/opt/v/Documentos/Ayuda/Ayuda.chm::/cap31.htm");
    gIdioma = 10000;
    MostrarAyuda("kap31.htm", nullptr);
    EXPECT_EQ(LastHelpShown(), "/opt/v/Documentos/Ayuda/Laguntza.chm::/kap31.htm");
    gIdioma = 0;
    SetProgramFolderForTests(QString());
}

TEST(CargarImagenDescripcion, PutsTheLanguagesPictureOnTheButton)
{
    QTemporaryDir dir;
    QImage es(20, 10, QImage::Format_RGB32);
    es.fill(Qt::red);
    ASSERT_TRUE(es.save(dir.filePath("DESBIEN.BMP"), "BMP"));
    SetProgramFolderForTests(dir.path());

    QWidget ventana;
    auto* boton = new QPushButton(&ventana);
    boton->setObjectName("cmdDescripcion");

    gIdioma = 0;
    CargarImagenDescripcion(&ventana);
    ASSERT_FALSE(boton->icon().isNull());
    EXPECT_EQ(boton->icon().pixmap(boton->iconSize()).toImage().pixelColor(5, 5), QColor(Qt::red));

    // The Basque picture is missing: the button is left without a picture, nothing fails.
    gIdioma = 10000;
    EXPECT_NO_THROW(CargarImagenDescripcion(&ventana));
    EXPECT_TRUE(boton->icon().isNull());

    QWidget sinBoton;
    EXPECT_NO_THROW(CargarImagenDescripcion(&sinBoton));
    gIdioma = 0;
    SetProgramFolderForTests(QString());
}

TEST(SeleccionarTexto, SelectsTheWholeText)
{
    QLineEdit caja("12,50");
    caja.setCursorPosition(2);
    SeleccionarTexto(&caja);
    EXPECT_EQ(caja.selectionStart(), 0);
    EXPECT_EQ(caja.selectedText(), "12,50");

    ComboBox cmb;
    cmb.SetText("ALFA");
    SeleccionarTexto(&cmb);
    EXPECT_EQ(cmb.lineEdit()->selectedText(), "ALFA");
    EXPECT_NO_THROW(SeleccionarTexto(nullptr));
}

}  // namespace
