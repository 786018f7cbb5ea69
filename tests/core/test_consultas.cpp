#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <sqlite3.h>
#include <stdexcept>

#include "core/Consultas.h"
#include "core/Globals.h"

using namespace valoracion;

namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

// Municipality 1: street 10 has odd portals 1-21 in zone 101 / subzone "b2" and even portals
// 0-20 in zone " 899 " / subzone "O'B"; portals 23 and above and 22 and above are in no stretch.
// Street 20 of the 2003 list, version 2, holds a zone code that is no number.
const char* kTablas = R"SQL(
CREATE TABLE t02_años (t02_ano INTEGER, t02_fecmin INTEGER, t02_fecmax INTEGER);
INSERT INTO t02_años VALUES (2005, 20050101, 20091231), (1999, 19990101, 20041231), (2010, 20100101, 20251231);
CREATE TABLE t04_ponencias (t04_ano INTEGER, t04_codmun INTEGER);
INSERT INTO t04_ponencias VALUES (1999, 1), (2005, 1), (2012, 1), (2008, 2);
CREATE TABLE t06_calles_datos (t06_codmun INTEGER, t06_codcal INTEGER, t06_ano INTEGER, t06_ver INTEGER,
    t06_parinf INTEGER, t06_parsup INTEGER, t06_impinf INTEGER, t06_impsup INTEGER,
    t06_zoncod TEXT COLLATE NOCASE, t06_szncod TEXT COLLATE NOCASE);
INSERT INTO t06_calles_datos VALUES
    (1, 10, 2003, 2, NULL, NULL, 1, 21, '101', ' b2 '),
    (1, 10, 2003, 2, 0, 20, NULL, NULL, ' 899 ', 'O''B'),
    (1, 10, 2003, 1, 0, 99, 1, 99, '555', 'old'),
    (1, 20, 2003, 2, 0, 99, 1, 99, 'X1', NULL);
CREATE TABLE t07_residencial (t07_codmun INTEGER, t07_zoncod INTEGER, t07_ano INTEGER, t07_zonnom TEXT,
    t07_mone TEXT, t07_vrr REAL, t07_coscon REAL, t07_mp REAL);
INSERT INTO t07_residencial VALUES
    (1, 101, 2005, ' CENTRO ', ' E ', 30000, 80000, NULL),
    (1, 101, 1999, 'CENTRO', 'P', 50000, 70000, 12000),
    (1, 102, 2005, 'RARO', 'P', 'mucho', 1, 1);
CREATE TABLE t08_comercial (t08_codmun INTEGER, t08_szncod TEXT COLLATE NOCASE, t08_ano INTEGER,
    t08_mone TEXT, t08_vrc);
INSERT INTO t08_comercial VALUES
    (1, 'b2', 2005, 'P', 100000), (1, 'O''B', 2005, 'E ', 60101), (1, 'NUL', 2005, 'P', NULL),
    (1, 'MAL', 2005, 'P', '12x'), (1, 'C3  ', 2005, 'P', 5000);
CREATE TABLE t09_industrial (t09_codmun INTEGER, t09_zonind TEXT COLLATE NOCASE, t09_ano INTEGER,
    t09_mone TEXT, t09_vri);
INSERT INTO t09_industrial VALUES
    (1, 'PI-02 ', 2005, 'P', 25000), (1, 'PI-01', 2005, 'P', 20000), (1, 'L''ALDE', 2005, 'E', 12020),
    (1, 'PI-09', 2012, 'P', 1), (2, 'PI-05', 2005, 'P', 1);
)SQL";

class ConsultasTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString path = dir.filePath("c.db");
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(db, kTablas, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
        sqlite3_close(db);
        ASSERT_TRUE(gConexion().AbrirRuta(path));
        gConexion().SetStatementObserver([this](const QString& sql) { sentencias << sql; });
        gIdioma = 0;
    }
    void TearDown() override
    {
        gConexion().SetStatementObserver({});
        gConexion().SetRutaForTests(QString());
    }
    // The one statement run since the last call.
    QString Sentencia()
    {
        EXPECT_EQ(sentencias.size(), 1) << sentencias.join(" | ").toStdString();
        QString s = sentencias.value(0);
        sentencias.clear();
        return s;
    }
    QTemporaryDir dir;
    QStringList sentencias;
};

}  // namespace

TEST(AnoVersionDeEtiqueta, SplitsAtTheFirstHyphen)
{
    const auto av = AnoVersionDeEtiqueta("2003-2");
    ASSERT_TRUE(av);
    EXPECT_EQ(av->ano, 2003);
    EXPECT_EQ(av->ver, 2);
    // No list loaded ("-1--1"), no hyphen, or parts that are no numbers: no year and version.
    for (const char* etiqueta : {"-1--1", "2003", "", "2003-", "abc-1", "2003-2-1"})
        EXPECT_FALSE(AnoVersionDeEtiqueta(etiqueta)) << etiqueta;
}

TEST_F(ConsultasTest, StretchOfAPortalByParity)
{
    const AnoVersion lista{2003, 2};
    struct Caso {
        int portal;
        const char* zona;  // nullptr: no stretch
        const char* subzona;
    } casos[] = {
        {1, "101", "b2"},    {7, "101", "b2"},    {21, "101", "b2"},    {23, nullptr, ""},
        {0, " 899 ", "O'B"}, {8, " 899 ", "O'B"}, {20, " 899 ", "O'B"}, {22, nullptr, ""},
    };
    for (const Caso& c : casos) {
        const auto t = BuscarTramo(1, 10, lista, c.portal, true);
        ASSERT_EQ(t.has_value(), c.zona != nullptr) << "portal " << c.portal;
        if (t) {
            EXPECT_EQ(t->zona.toString(), c.zona) << "portal " << c.portal;
            EXPECT_EQ(t->subzona, c.subzona) << "portal " << c.portal;
        }
    }
    sentencias.clear();

    BuscarTramo(1, 10, lista, 7, false);
    EXPECT_EQ(Sentencia(), "select  t06_zoncod from t06_calles_datos where t06_codmun=1 and t06_codcal=10 "
                           "And t06_ano=2003 And t06_ver=2 and t06_impinf<=7 and t06_impsup>=7");
    BuscarTramo(1, 10, lista, 8, true);
    EXPECT_EQ(Sentencia(), "select  t06_zoncod,t06_szncod from t06_calles_datos where t06_codmun=1 and "
                           "t06_codcal=10 And t06_ano=2003 And t06_ver=2 and t06_parinf<=8 and t06_parsup>=8");

    // The version of the list counts; the zone code comes as the table holds it.
    EXPECT_EQ(BuscarTramo(1, 10, {2003, 1}, 8, false)->zona.toString(), "555");
    const auto x = BuscarTramo(1, 20, lista, 3, false);
    ASSERT_TRUE(x);
    EXPECT_FALSE(EsCodigoZona(x->zona));
    EXPECT_EQ(ZonaDeCampo(BuscarTramo(1, 10, lista, 0, false)->zona), 899);
}

TEST_F(ConsultasTest, PonenciaYearIsTheNewestNotAfterTheValuationYear)
{
    struct Caso {
        long codmun;
        int ejercicio;
        int ano;  // 0: none
    } casos[] = {{1, 2010, 2005}, {1, 2005, 2005}, {1, 2004, 1999}, {1, 1998, 0}, {1, 2030, 2012}, {3, 2010, 0}};
    for (const Caso& c : casos) {
        const auto ano = AnoPonencia(c.codmun, c.ejercicio);
        EXPECT_EQ(ano.value_or(0), c.ano) << c.codmun << " " << c.ejercicio;
    }
    sentencias.clear();
    AnoPonencia(1, 2010);
    EXPECT_EQ(Sentencia(), "select t04_ano  from t04_ponencias where t04_ano<=2010 And t04_codmun=1 "
                           "order by t04_ano desc");
}

TEST_F(ConsultasTest, ValuationDatesRunFromTheFirstYearToTheLast)
{
    const auto rango = RangoFechasValoracion();
    ASSERT_TRUE(rango);
    EXPECT_EQ(rango->minima, 19990101);
    EXPECT_EQ(rango->maxima, 20251231);
    EXPECT_EQ(sentencias, QStringList({"Select t02_fecmin from t02_años Order By t02_fecmin ",
                                       "Select t02_fecmax from t02_años Order By t02_fecmax desc"}));

    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(dir.filePath("c.db")).constData(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "delete from t02_años", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    EXPECT_FALSE(RangoFechasValoracion());
}

TEST_F(ConsultasTest, ResidentialZoneRow)
{
    const auto f = FilaResidencial(1, 101, 2005, {"t07_vrr", "t07_coscon"});
    EXPECT_EQ(Sentencia(), "select  t07_zonnom,t07_mone,t07_vrr,t07_coscon from t07_residencial where "
                           "t07_codmun=1 and t07_zoncod=101 And t07_ano=2005");
    ASSERT_TRUE(f);
    EXPECT_EQ(f->nombre, "CENTRO");
    EXPECT_EQ(f->moneda, "E");
    ASSERT_EQ(f->campos.size(), 2u);
    EXPECT_EQ(f->Importe(0), 30000);
    EXPECT_FALSE(f->faltaImporte);
    // Row in euro cents, record in pesetas: 30000 x 1.66386 = 49915.8.
    EXPECT_DOUBLE_EQ(f->EnMoneda(0, "P"), 30000 * 1.66386);
    EXPECT_EQ(f->EnMoneda(1, "E"), 80000);

    // A Null amount reads as 0 and is told apart.
    const auto mp = FilaResidencial(1, 101, 2005, {"t07_mp"});
    ASSERT_TRUE(mp);
    EXPECT_EQ(mp->Importe(0), 0);
    EXPECT_TRUE(mp->faltaImporte);
    EXPECT_EQ(FilaResidencial(1, 101, 1999, {"t07_mp"})->Importe(0), 12000);

    // Another year, another zone or municipality: no row.
    EXPECT_FALSE(FilaResidencial(1, 101, 2012, {"t07_vrr"}));
    EXPECT_FALSE(FilaResidencial(1, 0, 2005, {"t07_vrr"}));
    EXPECT_FALSE(FilaResidencial(2, 101, 2005, {"t07_vrr"}));

    // An amount that is no number fails when it is read, naming the value; the row still gives
    // its name.
    const auto mala = FilaResidencial(1, 102, 2005, {"t07_vrr"});
    ASSERT_TRUE(mala);
    EXPECT_FALSE(mala->nombre.isEmpty());
    try {
        mala->EnMoneda(0, "P");
        ADD_FAILURE() << "no failure";
    } catch (const std::runtime_error& e) {
        EXPECT_TRUE(QString::fromStdString(e.what()).contains("mucho")) << e.what();
    }
}

TEST_F(ConsultasTest, CommercialAndIndustrialValuesQuoteTheirCodes)
{
    // clang-format off
    struct Caso {
        bool industrial;
        const char* codigo;
        int ano;
        const char* sentencia;
        bool hay;
        const char* moneda;
        double importe;
    } casos[] = {
        {false, " b2 ", 2005,
         "select  t08_mone,t08_vrc from t08_comercial where t08_codmun=1 and t08_szncod='b2' And t08_ano=2005", true,
         "P", 100000},
        {false, "B2", 2005, nullptr, true, "P", 100000},  // codes compare in any case
        {false, "O'B", 2005,
         "select  t08_mone,t08_vrc from t08_comercial where t08_codmun=1 and t08_szncod='O''B' And t08_ano=2005",
         true, "E", 60101},
        {false, "b2", 1999, nullptr, false, "", 0},
        {false, "", 2005, nullptr, false, "", 0},
        // a code made to widen the statement only looks for itself
        {false, "x' or '1'='1", 2005,
         "select  t08_mone,t08_vrc from t08_comercial where t08_codmun=1 and t08_szncod='x'' or ''1''=''1' "
         "And t08_ano=2005",
         false, "", 0},
        {true, "PI-01", 2005,
         "select  t09_mone,t09_vri from t09_industrial where t09_codmun=1 and t09_zonind='PI-01' And t09_ano=2005",
         true, "P", 20000},
        {true, "L'ALDE ", 2005,
         "select  t09_mone,t09_vri from t09_industrial where t09_codmun=1 and t09_zonind='L''ALDE' And t09_ano=2005",
         true, "E", 12020},
        // a code stored with trailing blanks is found by the trimmed code
        {true, "PI-02", 2005, nullptr, true, "P", 25000},
        {false, "C3", 2005, nullptr, true, "P", 5000},
        {true, "PI-09", 2005, nullptr, false, "", 0},
        {true, "x' or '1'='1", 2005, nullptr, false, "", 0},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.codigo);
        sentencias.clear();
        const auto f = c.industrial ? ValorIndustrial(1, c.codigo, c.ano) : ValorComercial(1, c.codigo, c.ano);
        const QString sql = Sentencia();
        if (c.sentencia) {
            EXPECT_EQ(sql, U(c.sentencia));
        }
        ASSERT_EQ(f.has_value(), c.hay);
        if (f) {
            EXPECT_EQ(f->moneda, c.moneda);
            EXPECT_EQ(f->importe, c.importe);
            EXPECT_FALSE(f->nulo);
        }
    }
    // Row "P", record in euros: 20000 / 1.66386 = 12020.2...
    EXPECT_DOUBLE_EQ(ValorIndustrial(1, "PI-01", 2005)->EnMoneda("E"), 20000 / 1.66386);

    const auto nulo = ValorComercial(1, "NUL", 2005);
    ASSERT_TRUE(nulo);
    EXPECT_TRUE(nulo->nulo);
    EXPECT_EQ(nulo->importe, 0);
    try {
        ValorComercial(1, "MAL", 2005);
        ADD_FAILURE() << "no failure";
    } catch (const std::runtime_error& e) {
        EXPECT_TRUE(QString::fromStdString(e.what()).contains("12x")) << e.what();
    }
}

TEST_F(ConsultasTest, IndustrialZonesOfAPonenciaYear)
{
    EXPECT_EQ(ZonasIndustriales(1, 2005), QStringList({"L'ALDE", "PI-01", "PI-02"}));
    EXPECT_EQ(Sentencia(), "select t09_zonind from t09_industrial where t09_codmun=1 And t09_ano=2005 "
                           "Order By t09_zonind");
    EXPECT_EQ(ZonasIndustriales(1, 2012), QStringList({"PI-09"}));
    EXPECT_TRUE(ZonasIndustriales(1, 0).isEmpty());
    EXPECT_TRUE(ZonasIndustriales(3, 2005).isEmpty());
}

TEST(NumeroDeCampo, ReadsNumbersNullAndText)
{
    EXPECT_EQ(NumeroDeCampo(QVariant()), 0);
    EXPECT_EQ(NumeroDeCampo(QVariant(QMetaType(QMetaType::Double))), 0);
    EXPECT_EQ(NumeroDeCampo(QVariant(" ")), 0);
    EXPECT_EQ(NumeroDeCampo(QVariant(" 12.5 ")), 12.5);
    EXPECT_EQ(NumeroDeCampo(QVariant(qlonglong(7))), 7);
    for (const char* malo : {"12,5", "abc", "inf", "1e999"})
        EXPECT_THROW(NumeroDeCampo(QVariant(malo)), std::runtime_error) << malo;
    EXPECT_EQ(ZonaDeCampo(QVariant(" -3 ")), -3);
    for (const char* malo : {"", "32768", "1.5", "A1"})
        EXPECT_THROW(ZonaDeCampo(QVariant(malo)), std::runtime_error) << malo;
    EXPECT_EQ(TextoDeCampo(QVariant()), "");
    EXPECT_EQ(TextoDeCampo(QVariant(" a ")), "a");
}
