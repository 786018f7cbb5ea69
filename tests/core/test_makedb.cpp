// The database tool makedb: it never loses a file, says where a script failed, and makes only
// files that a standard SQLite connection (no collation of this program) can open and check.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <sqlite3.h>

#include "platform/ProgramFolder.h"

namespace {

struct Salida {
    int codigo = -1;
    QString error;
};

Salida Makedb(const QStringList& args)
{
    QProcess p;
    p.start(ProgramFolder() + "/makedb", args);
    EXPECT_TRUE(p.waitForFinished(30000));
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardError())};
}

QByteArray Huella(const QString& ruta)
{
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// A plain connection, as a standard tool has: the first column of the first row of sql.
QString Leer(const QString& ruta, const char* sql)
{
    sqlite3* db = nullptr;
    QString valor = QStringLiteral("<no row>");
    if (sqlite3_open_v2(QFile::encodeName(ruta).constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, sql, -1, &st, nullptr) != SQLITE_OK)
            valor = QStringLiteral("<error> ") + QString::fromUtf8(sqlite3_errmsg(db));
        else if (sqlite3_step(st) == SQLITE_ROW)
            valor = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    return valor;
}

class MakedbTest : public ::testing::Test {
protected:
    QString Escribir(const QString& nombre, const char* sql)
    {
        QFile f(dir.filePath(nombre));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(sql);
        return f.fileName();
    }
    // A copy of the demo database built beside the program.
    QString CopiaDemo()
    {
        QString copia = dir.filePath("copia.mdb");
        EXPECT_TRUE(QFile::copy(ProgramFolder() + "/Tablas/trebix.mdb", copia));
        QFile::setPermissions(copia, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        return copia;
    }
    QStringList Ficheros() const { return QDir(dir.path()).entryList(QDir::Files, QDir::Name); }

    QTemporaryDir dir;
};

// Every failure over an existing database leaves it byte for byte as it was, also when the
// failing statement comes after statements that ran, and the message names the script and
// the line where the statement starts.
TEST_F(MakedbTest, FailureOverAnExistingFileLeavesItUnchanged)
{
    const QString copia = CopiaDemo();
    const QByteArray antes = Huella(copia);
    ASSERT_FALSE(antes.isEmpty());
    const QString bueno = Escribir("bueno.sql", "UPDATE T01_GENERAL SET T01_IDI_OMIS = 'E';\n");
    const QString malo = Escribir("update.sql", "UPDATE T01_GENERAL SET T01_MON_OMIS = 'P';\n"
                                                "DELETE FROM t05_calles_nombre;\n"
                                                "\n"
                                                "-- a comment before the statement\n"
                                                "INSERT INTO no_existe\n"
                                                "    VALUES (1);\n");
    const QString transaccion = Escribir("commit.sql", "UPDATE T01_GENERAL SET T01_MON_OMIS = 'P';\nCOMMIT;\n");
    const QString ajeno = Escribir("ajeno.sql", "CREATE TABLE x (a TEXT COLLATE ES);\n");
    struct Caso {
        QStringList scripts;
        QString mensaje;
    } casos[] = {
        {{malo}, "update.sql:5: no such table: no_existe"},
        {{bueno, malo}, "update.sql:5:"},                          // the first script ran too
        {{bueno, dir.filePath("updte.sql")}, "updte.sql"},         // a mistyped script name
        {{dir.path()}, "folder"},                                  // a folder given as a script
        {{transaccion}, "commit.sql:2:"},                          // it may not end the transaction
        {{ajeno}, "ajeno.sql:1: no such collation sequence: ES"},  // nothing a standard tool lacks
    };
    for (const Caso& c : casos) {
        const Salida s = Makedb(QStringList{copia} + c.scripts);
        EXPECT_EQ(s.codigo, 1) << c.scripts.join(' ').toStdString();
        EXPECT_TRUE(s.error.contains(c.mensaje)) << s.error.toStdString();
        EXPECT_EQ(Huella(copia), antes) << c.scripts.join(' ').toStdString();
    }
    EXPECT_EQ(Ficheros(), (QStringList{"ajeno.sql", "bueno.sql", "commit.sql", "copia.mdb", "update.sql"}));
}

// A good update applies to the existing file, every script in turn.
TEST_F(MakedbTest, GoodUpdateApplies)
{
    const QString copia = CopiaDemo();
    const QString uno = Escribir("uno.sql", "UPDATE T01_GENERAL SET T01_IDI_OMIS = 'E';");
    const QString dos = Escribir("dos.sql", "UPDATE t05_calles_nombre SET t05_nomcal = 'KALE BERRIA' "
                                            "WHERE t05_codmun = 1 AND t05_codcal = 1;\n"
                                            "SAVEPOINT s; ROLLBACK TO s; RELEASE s;");
    const Salida s = Makedb({copia, uno, dos});
    EXPECT_EQ(s.codigo, 0) << s.error.toStdString();
    EXPECT_EQ(Leer(copia, "select T01_IDI_OMIS from T01_GENERAL"), "E");
    EXPECT_EQ(Leer(copia, "select count(*) from t05_calles_nombre where t05_nomcal = 'kale berria'"),
              Leer(copia, "select count(*) from t05_calles_nombre where t05_codmun = 1 and t05_codcal = 1"));
    EXPECT_EQ(Leer(copia, "pragma integrity_check"), "ok");
}

// A new file appears only complete: a failing script leaves neither the file nor a temporary
// one; a good build gives a file that a plain connection checks as sound.
TEST_F(MakedbTest, NewFileAppearsOnlyComplete)
{
    const QString tablas = Escribir("tablas.sql", "CREATE TABLE t (a TEXT COLLATE NOCASE);\n"
                                                  "CREATE INDEX ti ON t (a);\n"
                                                  "INSERT INTO t VALUES ('ARRIAGA'), ('AÑORGA'), ('ÁLAVA');\n");
    const QString malo = Escribir("malo.sql", "INSERT INTO t VALUES ('X');\nINSERT INTO no_existe VALUES (1);");

    const QString rota = dir.filePath("rota.mdb");
    const Salida s = Makedb({rota, tablas, malo});
    EXPECT_EQ(s.codigo, 1);
    EXPECT_TRUE(s.error.contains("malo.sql:2:")) << s.error.toStdString();
    EXPECT_EQ(Ficheros(), (QStringList{"malo.sql", "tablas.sql"}));

    const QString nueva = dir.filePath("nueva.mdb");
    EXPECT_EQ(Makedb({nueva, tablas}).codigo, 0);
    EXPECT_EQ(Leer(nueva, "pragma integrity_check"), "ok");
    EXPECT_EQ(Leer(nueva, "select count(*) from t"), "3");
    EXPECT_EQ(Ficheros(), (QStringList{"malo.sql", "nueva.mdb", "tablas.sql"}));
}

}  // namespace
