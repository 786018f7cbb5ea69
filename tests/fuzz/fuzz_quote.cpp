// Statement quoting: any text, quoted and put between apostrophes in a statement of the
// program's connection, is read back by the database as exactly that text: one value, never
// a statement of its own.
#include <QCoreApplication>
#include <QTemporaryDir>
#include <sqlite3.h>

#include "core/cConexionDAO.h"
#include "tests/fuzz/EntradaFuzz.h"

namespace {

cConexionDAO* gDb = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    static QTemporaryDir dir;
    const QString ruta = dir.path() + QStringLiteral("/quote.db");
    sqlite3* db = nullptr;
    sqlite3_open(ruta.toUtf8().constData(), &db);
    sqlite3_exec(db, "CREATE TABLE t(s TEXT); INSERT INTO t VALUES('');", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    gDb = new cConexionDAO;
    if (!gDb->AbrirRuta(ruta))
        std::abort();
    gDb->execute(QStringLiteral("PRAGMA synchronous=OFF"));
    gDb->execute(QStringLiteral("PRAGMA journal_mode=MEMORY"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    EntradaFuzz in(data, size);
    const QString valor = in.Texto('\xff');  // 0xFF never occurs in UTF-8: the whole input
    const QString entre = QLatin1Char('\'') + cConexionDAO::Quote(valor) + QLatin1Char('\'');
    // SQLite ends a statement's text at a NUL character; such a value cannot be a literal,
    // and the statement must then fail rather than run something else.
    const bool conNul = valor.contains(QChar(0));

    Recordset rs = gDb->openRecordset(QStringLiteral("SELECT ") + entre);
    if (conNul) {
        FUZZ_CHECK(rs.EOF_() || rs.Field(0).toString() == valor);
    } else {
        FUZZ_CHECK(!rs.EOF_());
        FUZZ_CHECK(rs.Field(0).toString() == valor);
    }
    rs.Close();

    // The settings row is written this way.
    bool escrito = true;
    try {
        gDb->execute(QStringLiteral("Update t set s=") + entre);
    } catch (const DbError&) {
        escrito = false;
    }
    FUZZ_CHECK(escrito || conNul);
    Recordset fila = gDb->openRecordset(QStringLiteral("SELECT s, (SELECT count(*) FROM t) FROM t"));
    FUZZ_CHECK(!fila.EOF_());
    FUZZ_CHECK(fila.Field(1).toInt() == 1);
    if (escrito)
        FUZZ_CHECK(fila.Field(0).toString() == valor);
    fila.Close();
    return 0;
}
