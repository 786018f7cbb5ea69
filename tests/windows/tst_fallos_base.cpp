// Start window and panel over a database that another program holds, over a settings row with
// codes of neither language nor currency, and over a date bound that is not a number: the
// user is told what happened, in words of the program, and no empty panel is shown.
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <memory>
#include <sqlite3.h>

#include "core/Globals.h"
#include "core/Inicio.h"
#include "platform/MaskEdBox.h"
#include "platform/MsgBox.h"
#include "platform/Option.h"
#include "tests/support/WindowTestKit.h"
#include "windows/Entrada.h"
#include "windows/PInicial.h"

namespace {

// Another program on the same file, holding a lock until it goes.
class OtroPrograma {
public:
    OtroPrograma(const QString& path, const char* sql)
    {
        sqlite3_open(QFile::encodeName(path).constData(), &db_);
        ok_ = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    ~OtroPrograma()
    {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(db_);
    }
    bool ok() const { return ok_; }

private:
    sqlite3* db_ = nullptr;
    bool ok_ = false;
};

bool SinTextoDelMotor(const QString& m)
{
    return !m.contains(QStringLiteral("locked"), Qt::CaseInsensitive) &&
           !m.contains(QStringLiteral("database"), Qt::CaseInsensitive);
}

}  // namespace

class TestFallosBase : public QObject {
    Q_OBJECT

    std::unique_ptr<DemoDatabaseCopy> db_;

    Entrada& E() { return TheEntrada(); }
    PInicial& P() { return ThePInicial(); }
    QWidget* Ctl(const char* name) { return FindControl(&E(), QString::fromLatin1(name)); }
    QString Setting(const char* column)
    {
        return db_->Value(QStringLiteral("select %1 from T01_GENERAL").arg(QLatin1String(column))).toString();
    }
    // A start of the program on a copy of the demo database changed by the statements given,
    // with the start window shown.
    bool Arrancar(const QStringList& fixture = {})
    {
        if (!StartOnDemoCopy(db_, fixture))
            return false;
        E().Show();
        ProcessEvents();
        return true;
    }

    // "Continuar": true when the panel was shown (it is then hidden at once, so that its
    // modal showing ends).
    bool AbreElPanel()
    {
        bool visto = false;
        QTimer vigia;
        vigia.setInterval(5);
        connect(&vigia, &QTimer::timeout, this, [&] {
            if (P().isVisible()) {
                visto = true;
                P().Hide();
            }
        });
        vigia.start();
        ClickControl(Ctl("CmdContinuar"));
        ProcessEvents();
        return visto || P().isVisible();
    }

private slots:
    void initTestCase()
    {
        MsgBoxSeam::Install();
        Entrada::SetProgramEndHandler([] {});
    }
    void init() { MsgBoxSeam::Clear(); }
    void cleanup()
    {
        if (P().IsLoaded())
            P().Unload();
        if (E().IsLoaded())
            E().Unload();
        db_.reset();
    }

    // "Continuar" while another program holds the file: one message after about a second,
    // and no panel with empty date boxes. Once the file is let go the panel opens as usual.
    void continuarOnAHeldFileSaysSoAndOpensNothing()
    {
        QVERIFY(Arrancar());
        {
            OtroPrograma otro(db_->path(), "BEGIN EXCLUSIVE");
            QVERIFY(otro.ok());
            QElapsedTimer reloj;
            reloj.start();
            QVERIFY(!AbreElPanel());
            QVERIFY2(reloj.elapsed() < 1800, qPrintable(QString::number(reloj.elapsed())));
        }
        QVERIFY(!P().IsLoaded());
        QCOMPARE(MsgBoxSeam::Shown().size(), 1);
        const QString m = MsgBoxSeam::Shown()[0].text;
        QVERIFY2(m.contains(QStringLiteral("utilizada por otro programa")), qPrintable(m));
        QVERIFY2(m.contains(QStringLiteral("erabiltzen ari da")), qPrintable(m));
        QVERIFY2(SinTextoDelMotor(QString(m).remove(db_->path())), qPrintable(m));

        MsgBoxSeam::Clear();
        QString desde, hasta;
        const bool dentro = WhileModal([&] { ClickControl(Ctl("CmdContinuar")); },
                                       [&] {
                                           desde = FindControlAs<MaskEdBox>(&P(), QStringLiteral("txtpdesde"))->Text();
                                           hasta = FindControlAs<MaskEdBox>(&P(), QStringLiteral("txtphasta"))->Text();
                                           ClickControl(FindControl(&P(), QStringLiteral("cmdsalir")));
                                       },
                                       &P());
        QVERIFY(dentro);
        QCOMPARE(desde, QStringLiteral("01/01/1999"));
        QCOMPARE(hasta, QStringLiteral("31/12/2027"));
        QVERIFY(MsgBoxSeam::Shown().isEmpty());
    }

    // The language chosen while another program writes to the file: the captions change, the
    // message says why it was not saved in both languages, the file keeps the old language.
    void languageChangeOnAHeldFile()
    {
        QVERIFY(Arrancar());
        {
            OtroPrograma otro(db_->path(), "BEGIN IMMEDIATE; UPDATE T01_GENERAL SET T01_FEC_OMIS=1;");
            QVERIFY(otro.ok());
            ClickControl(Ctl("OptIdi(0)"));
        }
        QCOMPARE(int(gIdioma), 10000);
        QCOMPARE(E().windowTitle(), QStringLiteral("Ondasun higiezin hiritarren balorazioa"));
        QCOMPARE(MsgBoxSeam::Shown().size(), 1);
        const QString m = MsgBoxSeam::Shown()[0].text;
        QVERIFY2(m.contains(QStringLiteral("utilizada por otro programa")), qPrintable(m));
        QVERIFY2(m.contains(QStringLiteral("Ezin izan da konfigurazioa datu-basean gorde")), qPrintable(m));
        QVERIFY2(SinTextoDelMotor(QString(m).remove(db_->path())), qPrintable(m));
        QCOMPARE(Setting("T01_IDI_OMIS"), QStringLiteral("C"));
    }

    // Codes of neither language nor currency are shown as the defaults and stay in the row
    // until the user chooses.
    void unknownCodesAreNotWrittenBack()
    {
        QVERIFY(Arrancar({QStringLiteral("update T01_GENERAL set T01_IDI_OMIS='X', T01_MON_OMIS='e'")}));
        QVERIFY(FindControlAs<OptionButton>(&E(), QStringLiteral("OptIdi(1)"))->Value());
        QVERIFY(FindControlAs<OptionButton>(&E(), QStringLiteral("OptMon(1)"))->Value());
        QCOMPARE(Setting("T01_IDI_OMIS"), QStringLiteral("X"));
        QCOMPARE(Setting("T01_MON_OMIS"), QStringLiteral("e"));

        ClickControl(Ctl("OptMon(0)"));
        QCOMPARE(Setting("T01_MON_OMIS"), QStringLiteral("P"));
        QCOMPARE(Setting("T01_IDI_OMIS"), QStringLiteral("X"));
        QVERIFY(MsgBoxSeam::Shown().isEmpty());
    }

    // A bound of the allowed range that is not a number is named in the message; the panel
    // is not opened with empty boxes.
    void rangeBoundThatIsNotANumber_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("first day") << "update t02_años set t02_fecmin='1999-01-01' where t02_ano=1999"
                                   << "t02_fecmin del año 1999: «1999-01-01»";
        QTest::newRow("last day") << "update t02_años set t02_fecmax='fin' where t02_ano=2027"
                                  << "t02_fecmax del año 2027: «fin»";
    }
    void rangeBoundThatIsNotANumber()
    {
        QFETCH(QString, fixture);
        QFETCH(QString, esperado);
        QVERIFY(Arrancar({fixture}));
        QVERIFY(!AbreElPanel());
        QVERIFY(!P().IsLoaded());
        QCOMPARE(MsgBoxSeam::Shown().size(), 1);
        const QString m = MsgBoxSeam::Shown()[0].text;
        QVERIFY2(m.contains(QStringLiteral("t02_años")) && m.contains(esperado), qPrintable(m));
    }
};

QTEST_MAIN(TestFallosBase)
#include "tst_fallos_base.moc"
