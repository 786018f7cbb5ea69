#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <sqlite3.h>

#include "core/ColacionEs.h"
#include "core/GAyuda.h"
#include "core/Globals.h"
#include "platform/ComboBox.h"
#include "platform/ProgramFolder.h"
#include "tests/support/WindowTestKit.h"

namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

int Signo(int n) { return (n > 0) - (n < 0); }

int Comparar(const QString& a, const QString& b)
{
    const QByteArray x = a.toUtf8();
    const QByteArray y = b.toUtf8();
    return Signo(colacion_es::Comparar(nullptr, int(x.size()), x.constData(), int(y.size()), y.constData()));
}

TEST(ColacionEs, SpanishOrderOfTwoTexts)
{
    struct Caso {
        const char* a;
        const char* b;
        int orden;  // sign of a against b
    } casos[] = {
        {"ANTZUOLA", "AÑORGA", -1},  // Ñ after N ...
        {"AÑORGA", "AOIZ", -1},      // ... and before O
        {"AÑORGA", "ARRIAGA", -1},   // not a byte after Z
        {"NUEVA", "ÑANDU", -1},
        {"ÁLAVA", "ANTZUOLA", -1},  // the accent does not move a letter
        {"ÁLAVA", "ALBIZTUR", -1},
        {"ALAVA", "ÁLAVA", -1},             // equal letters: without accent first
        {"ALÁVA", "ÁLAVA", -1},             // the first accented place decides
        {"calle mayor", "CALLE MAYOR", 0},  // case is ignored
        {"añorga", "AÑORGA", 0},
        {"ÉIBAR", "éibar", 0},
        {"ÇA", "CB", -1},
        {"ÜBEDA", "UCIEZA", -1},
        {"SAN JUAN", "SANJUAN", -1},  // a blank before every letter
        {"3 DE MAYO", "ABANDO", -1},  // digits before letters
        {"", "A", -1},
        {"ZUBIETA", "ZUBIETA AUZOA", -1},  // the shorter text first
        {"ZI-1  ", "ZI-1", 0},             // trailing blanks mean nothing
        {"ZI-1 ", "zi-1", 0},
        {" ZI-1", "ZI-1", -1},
        {"ÆRO", "AERO", 1},
        {"STRAßE", "STRASSE", 1},
        // The first different character decides by its letter, whatever its bytes.
        {"ÑA", "ÓA", -1},
        {"ÓA", "ÑZ", 1},
        {"ĸOLDO", "LAIA", -1},  // ĸ is a K
        {"9", "×", -1},         // signs that are no letter sort by their code ...
        {"ºA", "ZA", -1},       // ... before every letter
        {"×", "A", -1},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(Comparar(U(c.a), U(c.b)), c.orden) << c.a << " / " << c.b;
        EXPECT_EQ(Comparar(U(c.b), U(c.a)), -c.orden) << c.b << " / " << c.a;
    }
}

// Bytes that are not UTF-8 still have one place: the order stays a total order.
TEST(ColacionEs, BrokenTextsKeepAConsistentOrder)
{
    const QByteArray textos[] = {QByteArray("A\xC3"), QByteArray("A\xC3\x28"), QByteArray("A\xFF"),
                                 QByteArray("A"),     QByteArray("A\xC3\x91"), QByteArray("\xE2\x82")};
    auto cmp = [](const QByteArray& x, const QByteArray& y) {
        return Signo(colacion_es::Comparar(nullptr, int(x.size()), x.constData(), int(y.size()), y.constData()));
    };
    for (const QByteArray& a : textos) {
        EXPECT_EQ(cmp(a, a), 0);
        for (const QByteArray& b : textos) {
            EXPECT_EQ(cmp(a, b), -cmp(b, a));
            for (const QByteArray& c : textos) {
                if (cmp(a, b) <= 0 && cmp(b, c) <= 0) {
                    EXPECT_LE(cmp(a, c), 0);
                }
            }
        }
    }
}

// The street list of a municipality comes back in Spanish order from the demo database (its
// schema, the program's connection and the window's statement).
TEST(ColacionEs, StreetListInSpanishOrder)
{
    DemoDatabaseCopy db;
    ASSERT_TRUE(db.ok());
    db.Execute(U("INSERT INTO t05_calles_nombre VALUES "
                 "(77, 2010, 1, 1, 'ARRIAGA'), (77, 2010, 1, 2, 'AÑORGA'), (77, 2010, 1, 3, 'ANTZUOLA'),"
                 "(77, 2010, 1, 4, 'ÁLAVA'), (77, 2010, 1, 5, 'ZUBIETA'), (77, 2010, 1, 6, 'alava'),"
                 "(77, 2010, 1, 7, 'ÑANDÚ'), (77, 2010, 1, 8, 'OBANOS'), (77, 2010, 1, 9, 'NUEVA')"));
    ComboBox cmb;
    bool borrar = true;
    CargarCalles(borrar,
                 U("select distinct t05_ano,t05_ver,t05_codcal,t05_nomcal from t05_calles_nombre where t05_codmun=77"
                   " And t05_ano<=2025 And t05_ver<=1 order by t05_ano desc,t05_ver desc,t05_nomcal"),
                 cmb);
    QStringList nombres;
    for (int i = 0; i < cmb.ListCount(); ++i)
        nombres << cmb.List(i);
    EXPECT_EQ(nombres, (QStringList{U("alava"), U("ÁLAVA"), U("ANTZUOLA"), U("AÑORGA"), U("ARRIAGA"), U("NUEVA"),
                                    U("ÑANDÚ"), U("OBANOS"), U("ZUBIETA")}));
    EXPECT_EQ(cmb.ItemData(3), 2);  // AÑORGA keeps its street code
    EXPECT_EQ(cmb.Tag(), "2010-1");

    // The industrial zones of a municipality are listed in the same order.
    db.Execute(U("INSERT INTO t09_industrial VALUES (77, 'OTXANDIO', 2010, 'E', 1), (77, 'OÑATI', 2010, 'E', 1),"
                 " (77, 'ÓRDIZIA', 2010, 'E', 1), (77, 'NAVARRA', 2010, 'E', 1)"));
    ComboBox zonas;
    borrar = false;
    CargarCombo(borrar,
                "select t09_zonind from t09_industrial where t09_codmun=77 And t09_ano=2010 Order By t09_zonind",
                zonas);
    QStringList z;
    for (int i = 0; i < zonas.ListCount(); ++i)
        z << zonas.List(i);
    EXPECT_EQ(z, (QStringList{U("NAVARRA"), U("OÑATI"), U("ÓRDIZIA"), U("OTXANDIO")}));
    // A quoted zone is found whatever its case.
    EXPECT_EQ(
        db.Value(U("select t09_vri from t09_industrial where t09_codmun=77 and t09_zonind='oñati' And t09_ano=2010"))
            .toInt(),
        1);
}

// A file whose schema names a collation the program does not have is refused at start
// with the message for a foreign file, not read later as empty lists.
TEST(ColacionEs, FileNeedingAnotherCollationIsRefused)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("otra.mdb");
    {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
        // Another program's collation, known only while the file is made.
        sqlite3_create_collation_v2(db, "OTRA", SQLITE_UTF8, nullptr, &colacion_es::Comparar, nullptr);
        const char* sql =
            "CREATE TABLE T01_GENERAL (T01_FEC_OMIS INTEGER, T01_IDI_OMIS TEXT, T01_MON_OMIS TEXT,"
            " T01_MINIMO_DESDE INTEGER, T01_MAXIMO_HASTA INTEGER);"
            "CREATE TABLE t02_años (t02_ano INTEGER, t02_ver INTEGER, t02_fecmin INTEGER, t02_fecmax INTEGER,"
            " t02_porinc REAL, t02_porcom REAL);"
            "CREATE TABLE t03_municipios (t03_ano INTEGER, t03_codmun INTEGER, t03_nommun TEXT);"
            "CREATE TABLE t04_ponencias (t04_ano INTEGER, t04_codmun INTEGER);"
            "CREATE TABLE t05_calles_nombre (t05_codmun INTEGER, t05_ano INTEGER, t05_ver INTEGER,"
            " t05_codcal INTEGER, t05_nomcal TEXT COLLATE OTRA);"
            "CREATE TABLE t06_calles_datos (t06_codmun INTEGER, t06_codcal INTEGER, t06_ano INTEGER,"
            " t06_ver INTEGER, t06_parinf INTEGER, t06_parsup INTEGER, t06_impinf INTEGER, t06_impsup INTEGER,"
            " t06_zoncod TEXT, t06_szncod TEXT);"
            "CREATE TABLE t07_residencial (t07_codmun INTEGER, t07_zoncod INTEGER, t07_ano INTEGER, t07_zonnom TEXT,"
            " t07_mone TEXT, t07_vrr REAL, t07_coscon REAL, t07_mp REAL);"
            "CREATE TABLE t08_comercial (t08_codmun INTEGER, t08_szncod TEXT, t08_ano INTEGER, t08_mone TEXT,"
            " t08_vrc REAL);"
            "CREATE TABLE t09_industrial (t09_codmun INTEGER, t09_zonind TEXT, t09_ano INTEGER, t09_mone TEXT,"
            " t09_vri REAL);"
            "INSERT INTO T01_GENERAL VALUES (0, 'C', 'E', 1999, 2027);";
        char* err = nullptr;
        EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, &err), SQLITE_OK) << (err ? err : "");
        sqlite3_free(err);
        sqlite3_close(db);
    }
    ASSERT_TRUE(gConexion().AbrirRuta(path));
    QString motivo;
    EXPECT_FALSE(gConexion().BaseDatosValida(&motivo));
    EXPECT_TRUE(motivo.contains(path));
    EXPECT_TRUE(motivo.contains(U("no es una base"))) << motivo.toStdString();
    gConexion().SetRutaForTests(QString());
}

// The demo database built beside the program needs nothing a standard SQLite tool lacks: a
// plain connection checks it, sorts and compares the street and zone names, and changes them.
TEST(ColacionEs, StandardToolOpensChecksAndChangesTheFile)
{
    QTemporaryDir dir;
    const QString copia = dir.filePath("trebix.mdb");
    ASSERT_TRUE(QFile::copy(ProgramFolder() + "/Tablas/trebix.mdb", copia));
    QFile::setPermissions(copia, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(copia).constData(), &db), SQLITE_OK);
    auto primera = [db](const char* sql) {
        sqlite3_stmt* st = nullptr;
        QString valor;
        const bool preparada = sqlite3_prepare_v2(db, sql, -1, &st, nullptr) == SQLITE_OK;
        if (preparada && sqlite3_step(st) == SQLITE_ROW)
            valor = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
        else if (!preparada || sqlite3_errcode(db) != SQLITE_DONE)
            valor = U("<error> ") + QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_finalize(st);
        return valor;
    };
    EXPECT_EQ(primera("pragma integrity_check"), "ok");
    EXPECT_EQ(primera("select count(*) from sqlite_master where sql like '%collate es%'"), "0");
    EXPECT_FALSE(primera("select t05_nomcal from t05_calles_nombre order by t05_nomcal").startsWith("<error>"));
    EXPECT_FALSE(primera("select t09_zonind from t09_industrial where t09_zonind > 'A' order by t09_zonind")
                     .startsWith("<error>"));
    EXPECT_EQ(primera("update t05_calles_nombre set t05_nomcal = t05_nomcal || ' BERRIA' where t05_codmun = 1"), "");
    EXPECT_EQ(primera("insert into t09_industrial values (1, 'OÑATI', 2005, 'E', 1)"), "");
    EXPECT_EQ(primera("pragma integrity_check"), "ok");
    sqlite3_close(db);
}

// A file that another program held while the program opened it gets the Spanish order as soon
// as it is free: the first query brings it in.
TEST(ColacionEs, SpanishOrderComesInOnceALockAtOpenIsGone)
{
    DemoDatabaseCopy db;
    ASSERT_TRUE(db.ok());
    db.Execute(U("INSERT INTO t05_calles_nombre VALUES "
                 "(77, 2010, 1, 1, 'OBANOS'), (77, 2010, 1, 2, 'ÑANDÚ'), (77, 2010, 1, 3, 'NUEVA')"));
    gConexion().SetRutaForTests(QString());

    sqlite3* otro = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(db.path()).constData(), &otro), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(otro, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    ASSERT_TRUE(gConexion().AbrirRuta(db.path()));
    sqlite3_exec(otro, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(otro);

    ComboBox cmb;
    bool borrar = true;
    CargarCalles(borrar,
                 U("select distinct t05_ano,t05_ver,t05_codcal,t05_nomcal from t05_calles_nombre where t05_codmun=77"
                   " And t05_ano<=2025 And t05_ver<=1 order by t05_ano desc,t05_ver desc,t05_nomcal"),
                 cmb);
    QStringList nombres;
    for (int i = 0; i < cmb.ListCount(); ++i)
        nombres << cmb.List(i);
    EXPECT_EQ(nombres, (QStringList{U("NUEVA"), U("ÑANDÚ"), U("OBANOS")}));
}

}  // namespace
