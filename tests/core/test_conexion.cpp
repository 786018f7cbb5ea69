#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <sqlite3.h>

#include "core/Consultas.h"
#include "core/Globals.h"
#include "platform/ProgramFolder.h"
#include "tests/support/DatosPrueba.h"

namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

QByteArray Leer(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Escribir(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Number of rows of a query, counted as the program does: move to the last, then count.
int Filas(Recordset rs)
{
    rs.MoveLast();
    return rs.RecordCount();
}

const char* kFilas = "CREATE TABLE t (n INTEGER, d REAL, s TEXT);"
                     "INSERT INTO t VALUES (1, 1.5, 'uno'), (2, NULL, ' dos '), (3, 3.25, NULL);";

class ConexionTest : public ::testing::Test {
protected:
    void TearDown() override { gConexion().SetRutaForTests(QString()); }
    QTemporaryDir dir;
};

// ---------------------------------------------------------------------------------------

TEST(RutaBaseDatos, FollowsTheProgramFolderRule)
{
    QTemporaryDir tmp;
    const QString t = tmp.path();
    // A "proyecto" folder that holds the database itself keeps the normal path.
    QDir().mkpath(t + "/c/PROYECTOS/bin/Tablas");
    Escribir(t + "/c/PROYECTOS/bin/Tablas/trebix.mdb", "x");

    struct Caso {
        QString folder;
        QString expected;
    } casos[] = {
        {t + "/Aplicacion", t + "/Aplicacion/Tablas/trebix.mdb"},
        {t + "/a/Proyecto/bin", t + "/a//Tablas/trebix.mdb"},
        {t + "/b/mi_PROYECTO_final", t + "/b/mi_/Tablas/trebix.mdb"},
        {t + "/c/PROYECTOS/bin", t + "/c/PROYECTOS/bin/Tablas/trebix.mdb"},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(cConexionDAO::RutaBaseDatos(c.folder), c.expected) << c.folder.toStdString();
}

TEST(RutaBaseDatos, NoPathOpensNothing)
{
    cConexionDAO c;
    c.SetRutaForTests(QString());
    c.CrearWorkSpace();
    c.AbrirBD();
    EXPECT_FALSE(c.IsOpen());
    EXPECT_THROW(c.execute("create table t (n integer)"), DbError);
}

TEST(RutaBaseDatos, ConnectionTakesItFromTheProgramFolder)
{
    SetProgramFolderForTests("/opt/valoracion");
    cConexionDAO c;
    SetProgramFolderForTests(QString());
    EXPECT_EQ(c.Path(), "/opt/valoracion/Tablas/trebix.mdb");
    EXPECT_FALSE(c.IsOpen());
}

TEST_F(ConexionTest, RecordsetReadsRowsInOrderWithNullAsInvalid)
{
    const QString path = dir.filePath("f.db");
    CrearBase(path, kFilas);
    ASSERT_TRUE(gConexion().AbrirRuta(path));

    Recordset rs = gConexion().openRecordset("select n,d,s from t order by n");
    ASSERT_FALSE(rs.EOF_());
    EXPECT_EQ(rs.RecordCount(), 1);  // rows reached so far
    EXPECT_EQ(rs.Field(0).toInt(), 1);
    EXPECT_DOUBLE_EQ(rs.Field(1).toDouble(), 1.5);
    EXPECT_EQ(rs.Field(2).toString(), "uno");
    EXPECT_FALSE(rs.Field(3).isValid());  // no such column
    rs.MoveNext();
    EXPECT_FALSE(rs.Field(1).isValid());  // Null
    EXPECT_EQ(rs.Field(2).toString(), " dos ");
    rs.MoveNext();
    EXPECT_FALSE(rs.Field(2).isValid());
    rs.MoveNext();
    EXPECT_TRUE(rs.EOF_());
    EXPECT_EQ(rs.RecordCount(), 3);
    EXPECT_FALSE(rs.Field(0).isValid());
    rs.MoveNext();  // past the end stays at the end
    EXPECT_TRUE(rs.EOF_());
    rs.Close();
    EXPECT_TRUE(rs.EOF_());
}

// The typed reads of the list loaders give a value only for a field stored as that type; for
// anything else Field says what the field holds.
TEST_F(ConexionTest, TypedReadsGiveOnlyFieldsStoredAsTheirType)
{
    const QString path = dir.filePath("f.db");
    CrearBase(path, kFilas);
    ASSERT_TRUE(gConexion().AbrirRuta(path));

    Recordset rs = gConexion().openRecordset("select n,d,s,'7',x'00' from t order by n");
    struct Caso {
        int columna;
        std::optional<qlonglong> entero;
        std::optional<QString> texto;
    } fila1[] = {
        {0, 1, std::nullopt},             // a whole number
        {1, std::nullopt, std::nullopt},  // a real
        {2, std::nullopt, U("uno")},      // a text
        {3, std::nullopt, U("7")},        // a number written as text stays a text
        {4, std::nullopt, std::nullopt},  // a blob
        {5, std::nullopt, std::nullopt},  // no such column
        {-1, std::nullopt, std::nullopt},
    };
    for (const Caso& c : fila1) {
        EXPECT_EQ(rs.IntegerField(c.columna), c.entero) << c.columna;
        EXPECT_EQ(rs.TextField(c.columna), c.texto) << c.columna;
    }
    // Reading a field one way leaves it as it is stored for the other reads.
    EXPECT_EQ(rs.Field(0).typeId(), QMetaType::LongLong);
    EXPECT_EQ(rs.Field(3).typeId(), QMetaType::QString);
    rs.MoveNext();
    rs.MoveNext();
    EXPECT_EQ(rs.TextField(2), std::nullopt);  // Null
    EXPECT_FALSE(rs.Field(2).isValid());
    EXPECT_EQ(rs.IntegerField(0), 3);
    rs.MoveLast();  // already on the last row: the row is kept once the query has ended
    EXPECT_EQ(rs.Field(0).toInt(), 3);
    EXPECT_EQ(rs.Field(3).toString(), "7");
    rs.MoveNext();
    EXPECT_EQ(rs.IntegerField(0), std::nullopt);
    EXPECT_EQ(rs.TextField(3), std::nullopt);
}

TEST_F(ConexionTest, MoveLastReachesTheLastRowAndCountsAll)
{
    const QString path = dir.filePath("f.db");
    CrearBase(path, kFilas);
    ASSERT_TRUE(gConexion().AbrirRuta(path));

    Recordset rs = gConexion().openRecordset("select n from t where n>=2 order by n");
    rs.MoveLast();
    EXPECT_FALSE(rs.EOF_());
    EXPECT_EQ(rs.Field(0).toInt(), 3);
    EXPECT_EQ(rs.RecordCount(), 2);

    rs.MoveNext();
    EXPECT_TRUE(rs.EOF_());

    Recordset vacio = gConexion().openRecordset("select n from t where n>5");
    vacio.MoveLast();
    EXPECT_TRUE(vacio.EOF_());
    EXPECT_EQ(vacio.RecordCount(), 0);
}

TEST_F(ConexionTest, CerrarEndsTheOpenRecordsets)
{
    const QString path = dir.filePath("f.db");
    CrearBase(path, kFilas);
    ASSERT_TRUE(gConexion().AbrirRuta(path));
    Recordset rs = gConexion().openRecordset("select n from t order by n");
    Recordset copia = rs;  // shares the position
    copia.MoveNext();
    EXPECT_EQ(rs.Field(0).toInt(), 2);
    gConexion().Cerrar();
    EXPECT_FALSE(gConexion().IsOpen());
    EXPECT_TRUE(rs.EOF_());
    rs.MoveNext();
    rs.MoveLast();
    EXPECT_TRUE(copia.EOF_());
    EXPECT_FALSE(rs.Field(0).isValid());
}

TEST_F(ConexionTest, FailingQueriesGiveAnEmptyRecordset)
{
    const QString path = dir.filePath("f.db");
    CrearBase(path, kFilas);
    ASSERT_TRUE(gConexion().AbrirRuta(path));

    for (const char* sql :
         {"select nada from t", "select n from no_existe", "esto no es sql", "", "delete from t", "update t set n=0"}) {
        Recordset rs = gConexion().openRecordset(sql, 4);
        EXPECT_TRUE(rs.EOF_()) << sql;
        EXPECT_EQ(rs.RecordCount(), 0) << sql;
    }
    // The type argument changes nothing; the statements that would change a row were not run.
    EXPECT_EQ(Filas(gConexion().openRecordset("select n from t", 2)), 3);
    EXPECT_EQ(Filas(gConexion().openRecordset("select n from t where n=0")), 0);

    gConexion().Cerrar();
    EXPECT_TRUE(gConexion().openRecordset("select n from t").EOF_());
    EXPECT_THROW(gConexion().execute("delete from t"), DbError);
}

TEST_F(ConexionTest, ExecuteAppliesOneStatementAndReportsRefusals)
{
    const QString path = dir.filePath("f.db");
    CrearBase(path, kFilas);
    ASSERT_TRUE(gConexion().AbrirRuta(path));

    gConexion().execute("Update t set s='" + cConexionDAO::Quote("O'Donnell") + "' where n=1");
    EXPECT_EQ(gConexion().openRecordset("select s from t where n=1").Field(0).toString(), "O'Donnell");

    EXPECT_THROW(gConexion().execute("Update t set nada=1"), DbError);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);  // the hourglass is gone after a failure
    // A second statement is never run.
    EXPECT_THROW(gConexion().execute("Update t set n=10 where n=2; delete from t"), DbError);
    EXPECT_EQ(Filas(gConexion().openRecordset("select n from t order by n")), 3);
    EXPECT_EQ(Filas(gConexion().openRecordset("select n from t where n=10")), 0);
}

TEST(Quote, DoublesEveryApostrophe)
{
    EXPECT_EQ(cConexionDAO::Quote("O'Donnell"), "O''Donnell");
    EXPECT_EQ(cConexionDAO::Quote("''"), "''''");
    EXPECT_EQ(cConexionDAO::Quote(U("AÑORGA")), U("AÑORGA"));
}

// The files a user might find in place of the database: each is refused with a message in
// both languages naming the file, and left as it was.
TEST_F(ConexionTest, ForeignFilesAreRefusedAndLeftUntouched)
{
    QByteArray aleatorio(4096, '\0');
    QRandomGenerator gen(7);
    for (char& c : aleatorio)
        c = char(gen.bounded(256));

    // clang-format off
    struct Caso {
        const char* nombre;
        std::function<void(const QString&)> crear;
        const char* razon; // a word of the Spanish reason
    } casos[] = {
        {"falta.mdb", [](const QString&) {}, "No se encuentra"},
        {"carpeta.mdb", [](const QString& p) { QDir().mkpath(p); }, "No se puede leer"},
        {"texto.mdb", [](const QString& p) { Escribir(p, "T01_GENERAL;C;E;1999;2027\n"); }, "no es una base"},
        {"binario.mdb", [&](const QString& p) { Escribir(p, aleatorio); }, "no es una base"},
        {"vacio.mdb", [](const QString& p) { Escribir(p, QByteArray()); }, "no es una base"},
        {"otra.mdb", [](const QString& p) { CrearBase(p, kFilas); }, "no es una base"},
        {"sin_columna.mdb",
         [](const QString& p) {
             CrearBase(p, "CREATE TABLE T01_GENERAL (T01_FEC_OMIS INTEGER, T01_IDI_OMIS TEXT);");
         },
         "no es una base"},
    };
    // clang-format on
    for (const Caso& c : casos) {
        const QString path = dir.filePath(c.nombre);
        c.crear(path);
        const bool existia = QFile::exists(path);
        const QByteArray antes = Leer(path);

        gConexion().AbrirRuta(path);
        QString motivo;
        EXPECT_FALSE(gConexion().BaseDatosValida(&motivo)) << c.nombre;
        EXPECT_TRUE(motivo.contains(path)) << c.nombre;
        EXPECT_TRUE(motivo.contains(U(c.razon))) << motivo.toStdString();
        EXPECT_TRUE(motivo.contains(U("datu-base"))) << c.nombre;  // the Basque half
        gConexion().Cerrar();

        EXPECT_EQ(QFile::exists(path), existia) << c.nombre;
        EXPECT_EQ(Leer(path), antes) << c.nombre;
    }
}

// A database that another program holds locked cannot be read now: it is called neither
// foreign nor unreadable, but in use, in both languages and without the engine's words.
TEST_F(ConexionTest, LockedDatabaseIsInUseNotUnreadableNorForeign)
{
    const QString copia = dir.filePath("trebix.mdb");
    ASSERT_TRUE(QFile::copy(ProgramFolder() + "/Tablas/trebix.mdb", copia));
    QFile::setPermissions(copia, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    sqlite3* otro = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(copia).constData(), &otro), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(otro, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);

    ASSERT_TRUE(gConexion().AbrirRuta(copia));
    QString motivo;
    EXPECT_FALSE(gConexion().BaseDatosValida(&motivo));
    EXPECT_TRUE(motivo.contains(U("utilizada por otro programa"))) << motivo.toStdString();
    EXPECT_TRUE(motivo.contains(U("beste programa bat"), Qt::CaseInsensitive)) << motivo.toStdString();
    EXPECT_FALSE(motivo.contains(U("No se puede leer"))) << motivo.toStdString();
    EXPECT_FALSE(motivo.contains(U("locked"))) << motivo.toStdString();
    gConexion().Cerrar();

    sqlite3_exec(otro, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(otro);
    ASSERT_TRUE(gConexion().AbrirRuta(copia));
    EXPECT_TRUE(gConexion().BaseDatosValida());
}

// The demo database built beside the program answers the statements of the program as
// they are written (double blanks, "Order By" and "And" in mixed case, the table t02_años, quoted text keys in
// any case).
TEST_F(ConexionTest, DemoDatabaseAnswersTheProgramStatements)
{
    const QString demo = ProgramFolder() + "/Tablas/trebix.mdb";
    ASSERT_TRUE(QFile::exists(demo));
    const QString copia = dir.filePath("trebix.mdb");
    ASSERT_TRUE(QFile::copy(demo, copia));
    ASSERT_TRUE(gConexion().AbrirRuta(copia));
    EXPECT_TRUE(gConexion().BaseDatosValida());

    struct Caso {
        QString sql;
        int rows;
        QVariant first;
    } casos[] = {
        {U("select T01_FEC_OMIS,T01_IDI_OMIS,T01_MON_OMIS,T01_MINIMO_DESDE,T01_MAXIMO_HASTA from T01_GENERAL"), 1,
         QVariant()},
        {U("Select t02_fecmin from t02_años Order By t02_fecmin "), -1, 19990101},
        {U("Select t02_fecmax from t02_años Order By t02_fecmax desc"), -1, 20271231},
        {U("Select t02_fecmax From t02_años Where t02_ano=2006 ORDER BY T02_VER DESC"), 2, 20061231},
    };
    for (const Caso& c : casos) {
        Recordset rs = gConexion().openRecordset(c.sql);
        ASSERT_FALSE(rs.EOF_()) << c.sql.toStdString();
        if (c.first.isValid()) {
            EXPECT_EQ(rs.Field(0).toString(), c.first.toString()) << c.sql.toStdString();
        }
        if (c.rows >= 0) {
            EXPECT_EQ(Filas(rs), c.rows) << c.sql.toStdString();
        }
        rs.Close();
    }

    // The valuation lookups, through their own statements.
    EXPECT_EQ(valoracion::AnoPonencia(1, 2010), 2005);
    // odd portal 31 of KALE NAGUSIA in the 1999 list: the extension zone
    const auto tramo = valoracion::BuscarTramo(1, 10, {1999, 1}, 31, false);
    ASSERT_TRUE(tramo);
    EXPECT_EQ(tramo->zona.toString(), "102");
    const auto tramo9xx = valoracion::BuscarTramo(1, 60, {1999, 1}, 8, false);
    ASSERT_TRUE(tramo9xx);
    EXPECT_EQ(tramo9xx->zona.toString(), "901");
    const auto zona = valoracion::FilaResidencial(1, 104, 2005, {"t07_vrr", "t07_coscon"});
    ASSERT_TRUE(zona);
    EXPECT_EQ(zona->nombre, "DISEMINADO");
    const auto comercial = valoracion::ValorComercial(1, "b2", 1999);
    ASSERT_TRUE(comercial);
    EXPECT_EQ(comercial->moneda, "P");
    EXPECT_EQ(valoracion::ZonasIndustriales(2, 2009).value(0), "PI-01");
    EXPECT_EQ(valoracion::ZonasIndustriales(2, 2009).size(), 3);
    EXPECT_EQ(valoracion::ZonasIndustriales(1, 2016), QStringList{"PI-01"});
    ASSERT_TRUE(valoracion::ValorIndustrial(1, "PI-01", 2016));
}

}  // namespace
