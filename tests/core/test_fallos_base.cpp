// Bad values in the years and settings rows, a database held by another program and a
// read-only database: each is said to the user in words of the program, and nothing is lost.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <sqlite3.h>

#include "core/GAyuda.h"
#include "core/Globals.h"
#include "core/Inicio.h"
#include "platform/MsgBox.h"
#include "platform/ProgramFolder.h"
#include "tests/support/DatosPrueba.h"
#include "tests/support/FixtureArranque.h"

namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

QByteArray Leer(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The text of what `lectura` throws as std::runtime_error; empty when it throws nothing.
QString Fallo(const std::function<void()>& lectura)
{
    try {
        lectura();
    } catch (const std::runtime_error& e) {
        return QString::fromUtf8(e.what());
    }
    return QString();
}

// Another program on the same file, holding a lock until it is released.
class OtroPrograma {
public:
    OtroPrograma(const QString& path, const char* sql)
    {
        EXPECT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &db_), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(db_, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db_);
    }
    ~OtroPrograma() { Soltar(); }
    void Soltar()
    {
        if (!db_)
            return;
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(db_);
        db_ = nullptr;
    }

private:
    sqlite3* db_ = nullptr;
};

// A write transaction not yet committed (reads of others still go on), and an exclusive
// lock (nobody else reads).
const char* kEscribiendo = "BEGIN IMMEDIATE; UPDATE T01_GENERAL SET T01_FEC_OMIS=1;";
const char* kExclusivo = "BEGIN EXCLUSIVE;";

// Words of the engine that must never reach the user.
void SinTextoDelMotor(const QString& m)
{
    for (const char* ingles : {"locked", "database", "readonly", "attempt"})
        EXPECT_FALSE(m.contains(U(ingles), Qt::CaseInsensitive)) << m.toStdString();
}

// ---------------------------------------------------------------------------------------
// The years table

const char* kAnos = R"SQL(
CREATE TABLE t02_años (t02_ano INTEGER, t02_ver INTEGER, t02_fecmin INTEGER, t02_fecmax INTEGER,
                       t02_porinc REAL, t02_porcom REAL);
INSERT INTO t02_años VALUES
    (2001, 1, 20010101, 20011231, 1.01, 100),
    (2002, 1, 20020101, 20021231, 1.02, 110),
    (2003, 1, 20030101, 20031231, 1.03, 120);
)SQL";

class ValoresAnosTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = dir.filePath("a.db");
        gIdioma = 0;
    }
    void TearDown() override
    {
        gConexion().SetRutaForTests(QString());
        gIdioma = 0;
    }
    // The table above, changed by one statement.
    void Preparar(const char* cambio)
    {
        gConexion().SetRutaForTests(QString());
        QFile::remove(path);
        CrearBase(path, kAnos);
        ASSERT_TRUE(gConexion().AbrirRuta(path));
        if (cambio)
            gConexion().execute(U(cambio));
    }
    QTemporaryDir dir;
    QString path;
};

TEST_F(ValoresAnosTest, TextInANumericColumnIsReportedWithTableYearAndValue)
{
    const auto factor = [] { FactorIncremento(2001, 2003); };
    const auto porcom = [] { ObtenerPorcom(2003); };
    const auto ejercicio = [] {
        int16_t ver = 0;
        ObtenerEjercicio(20020615, ver);
    };
    struct Caso {
        const char* cambio;
        std::function<void()> lectura;
        const char* columna;
        const char* ano;  // nullptr: the year itself is the bad value
        const char* valor;
    } casos[] = {
        {"update t02_años set t02_porinc='1,02' where t02_ano=2002", factor, "t02_porinc", "2002", "1,02"},
        {"update t02_años set t02_porinc='x' where t02_ano=2003", factor, "t02_porinc", "2003", "x"},
        {"update t02_años set t02_porcom='cien' where t02_ano=2003", porcom, "t02_porcom", "2003", "cien"},
        {"update t02_años set t02_ver='uno' where t02_ano=2002", ejercicio, "t02_ver", "2002", "uno"},
        {"update t02_años set t02_ano='2002b' where t02_ano=2002", ejercicio, "t02_ano", nullptr, "2002b"},
        {"update t02_años set t02_ano=70000 where t02_ano=2002", ejercicio, "t02_ano", nullptr, "70000"},
    };
    for (const Caso& c : casos) {
        Preparar(c.cambio);
        const QString m = Fallo(c.lectura);
        EXPECT_TRUE(m.contains(U("t02_años"))) << c.cambio << ": " << m.toStdString();
        EXPECT_TRUE(m.contains(U(c.columna))) << c.cambio << ": " << m.toStdString();
        EXPECT_TRUE(m.contains(U("«") + U(c.valor) + U("»"))) << c.cambio << ": " << m.toStdString();
        if (c.ano) {
            EXPECT_TRUE(m.contains(U("año ") + U(c.ano))) << c.cambio << ": " << m.toStdString();
        }
    }

    // In the user's language.
    Preparar("update t02_años set t02_porcom='cien' where t02_ano=2003");
    gIdioma = 10000;
    const QString m = Fallo(porcom);
    EXPECT_TRUE(m.contains(U("2003 urteko t02_porcom zutabean"))) << m.toStdString();
    EXPECT_TRUE(m.contains(U("«cien»"))) << m.toStdString();
}

// A year without a value (Null, or nothing but blanks) is not a bad value: the factor skips
// it and the percentage is 0, as before.
TEST_F(ValoresAnosTest, MissingValuesAreNoFailure)
{
    for (const char* vacio : {"NULL", "'  '"}) {
        Preparar(nullptr);
        gConexion().execute(U("update t02_años set t02_porinc=%1, t02_porcom=%1 where t02_ano=2002").arg(U(vacio)));
        double f = 0, p = -1;
        EXPECT_NO_THROW(f = FactorIncremento(2001, 2003)) << vacio;
        EXPECT_NEAR(f, 1.03, 1e-12) << vacio;
        EXPECT_NO_THROW(p = ObtenerPorcom(2002)) << vacio;
        EXPECT_DOUBLE_EQ(p, 0.0) << vacio;
    }
}

// ---------------------------------------------------------------------------------------
// The settings row

class FilaConfiguracionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = dir.filePath("c.db");
        CrearBase(path, "CREATE TABLE T01_GENERAL (T01_FEC_OMIS INTEGER, T01_IDI_OMIS TEXT, T01_MON_OMIS TEXT,"
                        " T01_MINIMO_DESDE INTEGER, T01_MAXIMO_HASTA INTEGER);"
                        "INSERT INTO T01_GENERAL VALUES (0, 'C', 'E', 1999, 2027);");
        ASSERT_TRUE(gConexion().AbrirRuta(path));
        ReleaseGlobals();
    }
    void TearDown() override
    {
        gConexion().SetRutaForTests(QString());
        ReleaseGlobals();
    }
    QTemporaryDir dir;
    QString path;
};

// Codes other than the two of each setting read as the default; a year that is not a number
// reads as 0 (no range); the row keeps what it holds.
TEST_F(FilaConfiguracionTest, UnknownCodesAndTextYearsReadAsDefaults)
{
    // clang-format off
    struct Caso {
        const char* fila;
        const char* idi;
        const char* mon;
        int desde, hasta;
    } casos[] = {
        {"'X', 'Q', 1999, 2027", "C", "E", 1999, 2027},
        {"'e', 'p', 1999, 2027", "C", "E", 1999, 2027},
        {"NULL, NULL, 1999, 2027", "C", "E", 1999, 2027},
        {"' E ', ' P ', 1999, 2027", "E", "P", 1999, 2027},
        {"'E', 'P', 'mil', '2027x'", "E", "P", 0, 0},
        {"'E', 'P', 1999, 99999", "E", "P", 1999, 0},
    };
    // clang-format on
    for (const Caso& c : casos) {
        gConexion().execute(U("delete from T01_GENERAL"));
        gConexion().execute(U("insert into T01_GENERAL values (0, %1)").arg(U(c.fila)));
        const QByteArray antes = Leer(path);
        ReleaseGlobals();
        EXPECT_NO_THROW(gEntrada().LeerT01()) << c.fila;
        EXPECT_EQ(gEntrada().P_IDI(), U(c.idi)) << c.fila;
        EXPECT_EQ(gEntrada().P_MON(), U(c.mon)) << c.fila;
        EXPECT_EQ(gEntrada().P_DESDE(), c.desde) << c.fila;
        EXPECT_EQ(gEntrada().P_HASTA(), c.hasta) << c.fila;
        EXPECT_EQ(Leer(path), antes) << c.fila;
    }
}

// ---------------------------------------------------------------------------------------
// Another program holding the file; a read-only file

class BaseOcupadaTest : public FixtureArranque {
protected:
    QString Moneda()
    {
        Recordset rs = gConexion().openRecordset(U("select T01_MON_OMIS from T01_GENERAL"));
        return rs.Field(0).toString();
    }
};

// At start a file that another program holds is said to be in use, not unreadable; the
// program ends with code 1 after a short wait.
TEST_F(BaseOcupadaTest, StartOnAHeldFileSaysItIsInUse)
{
    OtroPrograma otro(path, kExclusivo);
    int mostrada = 0;
    SetMostrarEntrada([&] { ++mostrada; });
    QElapsedTimer reloj;
    reloj.start();

    EXPECT_FALSE(Main());

    EXPECT_LT(reloj.elapsed(), 2000);
    EXPECT_EQ(mostrada, 0);
    EXPECT_EQ(codigos, QList<int>{1});
    ASSERT_EQ(MsgBoxSeam::Shown().size(), 1);
    const QString m = MsgBoxSeam::Shown().first().text;
    EXPECT_TRUE(m.contains(U("utilizada por otro programa"))) << m.toStdString();
    EXPECT_TRUE(m.contains(U("erabiltzen ari da"))) << m.toStdString();
    EXPECT_FALSE(m.contains(U("No se puede leer"))) << m.toStdString();
    SinTextoDelMotor(m);
}

// A read while another program holds the file exclusively fails after about a second with
// the program's message, not as an empty result; once the file is let go, reads work again.
TEST_F(BaseOcupadaTest, ReadOfAHeldFileFailsWithItsMessage)
{
    ASSERT_TRUE(Inicializar());
    OtroPrograma otro(path, kExclusivo);
    QElapsedTimer reloj;
    reloj.start();
    try {
        gConexion().openRecordset(U("select t02_porcom from t02_años where t02_ano=2005"));
        ADD_FAILURE() << "the read did not fail";
    } catch (const DbError& e) {
        EXPECT_EQ(e.code() & 0xff, SQLITE_BUSY);
        const QString m = QString::fromUtf8(e.what());
        EXPECT_TRUE(m.contains(U("utilizada por otro programa"))) << m.toStdString();
        EXPECT_TRUE(m.contains(U("erabiltzen ari da"))) << m.toStdString();
        EXPECT_TRUE(m.contains(path));
        SinTextoDelMotor(QString(m).remove(path));
    }
    EXPECT_LT(reloj.elapsed(), 1800);
    // The lookups pass it on: no silent 0.
    EXPECT_THROW(ObtenerPorcom(2005), DbError);

    otro.Soltar();
    EXPECT_NO_THROW(ObtenerPorcom(2005));
    EXPECT_GT(ObtenerPorcom(2005), 0.0);
}

// A settings write that another program keeps from happening is told in both languages,
// without the engine's words; the change holds for the run; the file keeps its value.
TEST_F(BaseOcupadaTest, SettingsWriteOnAHeldFileIsToldInBothLanguages)
{
    for (const char* bloqueo : {kEscribiendo, kExclusivo}) {
        ReleaseGlobals();
        gConexion().SetRutaForTests(path);
        ASSERT_TRUE(Inicializar()) << bloqueo;
        const QString antes = Moneda();
        ASSERT_EQ(antes, "E");
        MsgBoxSeam::Clear();
        {
            OtroPrograma otro(path, bloqueo);
            QElapsedTimer reloj;
            reloj.start();
            gEntrada().setP_MON(U("P"));
            EXPECT_LT(reloj.elapsed(), 1800) << bloqueo;
        }
        ASSERT_EQ(MsgBoxSeam::Shown().size(), 1) << bloqueo;
        const QString m = MsgBoxSeam::Shown().first().text;
        EXPECT_TRUE(m.contains(U("No se ha podido guardar la configuración"))) << m.toStdString();
        EXPECT_TRUE(m.contains(U("utilizada por otro programa"))) << m.toStdString();
        EXPECT_TRUE(m.contains(U("erabiltzen ari da"))) << m.toStdString();
        SinTextoDelMotor(QString(m).remove(path));
        EXPECT_EQ(gEntrada().P_MON(), "P");
        EXPECT_EQ(Moneda(), antes) << bloqueo;
    }
}

// A file that nobody may write is opened for reading, whoever runs the program: it is read
// as usual; the first refused settings write says the database is read-only, later ones say
// nothing more; the changes hold for the run; the file is not touched.
TEST_F(BaseOcupadaTest, ReadOnlyFileIsReadAndToldOnce)
{
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    const QByteArray antes = Leer(path);

    ASSERT_TRUE(Inicializar());
    EXPECT_TRUE(gConexion().IsReadOnly());
    EXPECT_TRUE(MsgBoxSeam::Shown().isEmpty());
    EXPECT_EQ(gEntrada().P_DESDE(), 1999);
    EXPECT_GT(ObtenerPorcom(2005), 0.0);

    gEntrada().setP_FECV(20050505);
    gEntrada().setP_MON(U("P"));
    gEntrada().setP_IDI(U("E"));

    ASSERT_EQ(MsgBoxSeam::Shown().size(), 1);
    const QString m = MsgBoxSeam::Shown().first().text;
    EXPECT_TRUE(m.contains(U("La base de datos es de solo lectura."))) << m.toStdString();
    EXPECT_TRUE(m.contains(U("Datu-basea irakurtzeko soilik da."))) << m.toStdString();
    SinTextoDelMotor(QString(m).remove(path));
    EXPECT_EQ(gEntrada().P_MON(), "P");
    EXPECT_EQ(gIdioma, 10000);
    gConexion().Cerrar();
    EXPECT_EQ(Leer(path), antes);

    // A writable copy is opened for writing.
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    ASSERT_TRUE(gConexion().AbrirRuta(path));
    EXPECT_FALSE(gConexion().IsReadOnly());
}

}  // namespace
