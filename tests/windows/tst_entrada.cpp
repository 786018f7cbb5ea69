// Start window: captions in both languages, the language and currency settings, Enter as Tab,
// the way on to the panel, and the exit that releases the globals.
#include <QListWidget>
#include <QTest>
#include <memory>

#include "core/Globals.h"
#include "core/Inicio.h"
#include "platform/Help.h"
#include "platform/MaskEdBox.h"
#include "platform/MsgBox.h"
#include "platform/Option.h"
#include "tests/support/ConduccionVentana.h"
#include "windows/Entrada.h"
#include "windows/PInicial.h"

namespace {

struct Caption {
    const char* control;
    const char* es;
    const char* eu;
};

// A sample of the captions, as the user must read them in each language.
// clang-format off
const Caption kCaptions[] = {
    {"Entrada", "Valoración de Inmuebles Urbanos", "Ondasun higiezin hiritarren balorazioa"},
    {"CmdContinuar", "&Continuar", "&Jarraitu"},
    {"cmdsalir", "&Salir Aplicación", "&Irten"},
    {"Frame2", "Idioma", "Hizkuntza"},
    {"OptMon(0)", "Pesetas", "Pezeta"},
    {"Label14", "Consulte previamente los criterios", "Ezer baino lehen, begira itzazu"},
    {"Label8", "Valoración de Inmuebles Urbanos / Ver. 1.0.1", "Ondasun higiezin hiritarren balorazioa / 1.0.1.bertsioa"},
    {"Label9", "Decreto Foral 6/1999, de 26 de Enero", "Urtarrilaren 26ko 6/1999 Foru Dekretua"},
    {"Label1", "Orvellanko Foru Aldundia", "Orvellanko Foru Aldundia"},
    {"Label6", "Diputación Foral de Orvellan", "Diputación Foral de Orvellan"},
};
// clang-format on

}  // namespace

class TestEntrada : public QObject {
    Q_OBJECT

    std::unique_ptr<DemoDatabaseCopy> db_;
    int finPrograma_ = 0;

    Entrada& E() { return TheEntrada(); }
    QWidget* Ctl(const char* name) { return FindControl(&E(), QString::fromLatin1(name)); }
    QString Setting(const char* column)
    {
        return db_->Value(QStringLiteral("select %1 from T01_GENERAL").arg(QLatin1String(column))).toString();
    }
    // A fresh start of the program on a copy of the demo database, with the settings given.
    bool Arrancar(const QString& idioma, const QString& moneda)
    {
        return StartOnDemoCopy(db_, {SettingsStatement(idioma, moneda)});
    }
    void ComprobarCaptions(bool vasco)
    {
        for (const Caption& c : kCaptions) {
            QVERIFY2(Ctl(c.control), c.control);
            QCOMPARE(ConduccionVentana(&E()).T(QString::fromLatin1(c.control)), QString::fromUtf8(vasco ? c.eu : c.es));
        }
    }

private slots:
    void initTestCase()
    {
        MsgBoxSeam::Install();
        Entrada::SetProgramEndHandler([this] { ++finPrograma_; });
    }
    void init()
    {
        finPrograma_ = 0;
        MsgBoxSeam::Clear();
    }
    void cleanup()
    {
        if (ThePInicial().IsLoaded())
            ThePInicial().Unload();
        if (E().IsLoaded())
            E().Unload();
        db_.reset();
    }

    void choosingLanguageWritesAndRelabels_data()
    {
        QTest::addColumn<QString>("inicial");
        QTest::addColumn<QString>("opcion");
        QTest::addColumn<QString>("escrito");
        // clang-format off
        QTest::newRow("to Basque") << "C" << "OptIdi(0)" << "E";
        QTest::newRow("to Spanish") << "E" << "OptIdi(1)" << "C";
        // clang-format on
    }
    void choosingLanguageWritesAndRelabels()
    {
        QFETCH(QString, inicial);
        QFETCH(QString, opcion);
        QFETCH(QString, escrito);
        QVERIFY(Arrancar(inicial, QStringLiteral("E")));
        E().Show();
        ProcessEvents();
        ComprobarCaptions(inicial == QLatin1String("E"));

        ClickControl(Ctl(opcion.toLatin1().constData()));

        QCOMPARE(Setting("T01_IDI_OMIS"), escrito);
        QCOMPARE(int(gIdioma), escrito == QLatin1String("E") ? 10000 : 0);
        ComprobarCaptions(escrito == QLatin1String("E"));
        QVERIFY(MsgBoxSeam::Shown().isEmpty());
    }

    // The settings select the options; selecting them from code writes nothing back.
    void startupSelectsOptionsWithoutWriting_data()
    {
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<QString>("moneda");
        QTest::addColumn<QString>("opIdioma");
        QTest::addColumn<QString>("opMoneda");
        // clang-format off
        QTest::newRow("Spanish, euros") << "C" << "E" << "OptIdi(1)" << "OptMon(1)";
        QTest::newRow("Basque, pesetas") << "E" << "P" << "OptIdi(0)" << "OptMon(0)";
        // clang-format on
    }
    void startupSelectsOptionsWithoutWriting()
    {
        QFETCH(QString, idioma);
        QFETCH(QString, moneda);
        QFETCH(QString, opIdioma);
        QFETCH(QString, opMoneda);
        QVERIFY(Arrancar(idioma, moneda));
        // Any write of the settings would replace these marks.
        db_->Execute(QStringLiteral("update T01_GENERAL set T01_IDI_OMIS='X', T01_MON_OMIS='X'"));

        E().Show();
        ProcessEvents();

        QVERIFY(FindControlAs<OptionButton>(&E(), opIdioma)->Value());
        QVERIFY(FindControlAs<OptionButton>(&E(), opMoneda)->Value());
        ComprobarCaptions(idioma == QLatin1String("E"));
        QCOMPARE(Setting("T01_IDI_OMIS"), QStringLiteral("X"));
        QCOMPARE(Setting("T01_MON_OMIS"), QStringLiteral("X"));
    }

    void optionClickWritesOnlyAChange_data()
    {
        QTest::addColumn<QString>("opcion");
        QTest::addColumn<QString>("columna");
        QTest::addColumn<QString>("valor");
        // clang-format off
        QTest::newRow("language already set") << "OptIdi(1)" << "T01_IDI_OMIS" << "X";
        QTest::newRow("currency already set") << "OptMon(1)" << "T01_MON_OMIS" << "X";
        QTest::newRow("pesetas") << "OptMon(0)" << "T01_MON_OMIS" << "P";
        QTest::newRow("Basque") << "OptIdi(0)" << "T01_IDI_OMIS" << "E";
        // clang-format on
    }
    void optionClickWritesOnlyAChange()
    {
        QFETCH(QString, opcion);
        QFETCH(QString, columna);
        QFETCH(QString, valor);
        QVERIFY(Arrancar(QStringLiteral("C"), QStringLiteral("E")));
        E().Show();
        ProcessEvents();
        db_->Execute(QStringLiteral("update T01_GENERAL set T01_IDI_OMIS='X', T01_MON_OMIS='X'"));

        ClickControl(Ctl(opcion.toLatin1().constData()));

        QCOMPARE(Setting(columna.toLatin1().constData()), valor);
        QVERIFY(FindControlAs<OptionButton>(&E(), opcion)->Value());
    }

    void currencyChangeKeepsCaptions()
    {
        QVERIFY(Arrancar(QStringLiteral("C"), QStringLiteral("E")));
        E().Show();
        ProcessEvents();
        ClickControl(Ctl("OptMon(0)"));
        QCOMPARE(gEntrada().P_MON(), QStringLiteral("P"));
        ComprobarCaptions(false);
    }

    void enterMovesFocusToNextControl()
    {
        QVERIFY(Arrancar(QStringLiteral("C"), QStringLiteral("E")));
        E().Show();
        ProcessEvents();
        FocusControl(Ctl("CmdContinuar"));
        PressEnter();
        QCOMPARE(FocusedControl(), Ctl("cmdayuda"));
        PressEnter();
        QCOMPARE(FocusedControl(), Ctl("cmdsalir"));
    }

    void helpFollowsLanguage_data()
    {
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<QString>("tema");
        // clang-format off
        QTest::newRow("Spanish") << "C" << "Ayuda.chm::/indice.htm";
        QTest::newRow("Basque") << "E" << "Laguntza.chm::/sarrera.htm";
        // clang-format on
    }
    void helpFollowsLanguage()
    {
        QFETCH(QString, idioma);
        QFETCH(QString, tema);
        QVERIFY(Arrancar(idioma, QStringLiteral("E")));
        E().Show();
        ProcessEvents();
        ClickControl(Ctl("cmdayuda"));
        QVERIFY2(LastHelpShown().endsWith(tema), qPrintable(LastHelpShown()));
        if (QWidget* visor = HelpViewer())
            visor->close();
    }

    // "Continuar" shows the panel modally, in the language chosen just before.
    void continuarShowsPanelInChosenLanguage()
    {
        QVERIFY(Arrancar(QStringLiteral("C"), QStringLiteral("E")));
        E().Show();
        ProcessEvents();
        ClickControl(Ctl("OptIdi(0)"));

        PInicial& panel = ThePInicial();
        const bool dentro = WhileModal([&] { ClickControl(Ctl("CmdContinuar")); },
                                       [&] {
                                           QVERIFY(panel.isVisible());
                                           QVERIFY(panel.IsShownModal());
                                           QCOMPARE(panel.windowTitle(),
                                                    QStringLiteral("Balorazio mota aukeratzeko panela"));
                                           auto* fecha = FindControlAs<MaskEdBox>(&panel, QStringLiteral("txtpfecv"));
                                           QCOMPARE(fecha->Mask(), QStringLiteral("####/##/##"));
                                           auto* lista = FindControlAs<QListWidget>(&panel, QStringLiteral("ListTipo"));
                                           QCOMPARE(lista->item(0)->text(), QStringLiteral("  1. Etxebizitza"));
                                           ClickControl(FindControl(&panel, QStringLiteral("cmdsalir")));
                                       },
                                       &panel);
        QVERIFY(dentro);
        QVERIFY(!panel.IsLoaded());
        QVERIFY(E().isVisible());
    }

    void exitReleasesGlobalsAndEndsProgram_data()
    {
        QTest::addColumn<bool>("cajaCierre");
        QTest::newRow("Salir Aplicación") << false;
        QTest::newRow("close box") << true;
    }
    void exitReleasesGlobalsAndEndsProgram()
    {
        QFETCH(bool, cajaCierre);
        QVERIFY(Arrancar(QStringLiteral("C"), QStringLiteral("E")));
        E().Show();
        ProcessEvents();
        gDatosTip1().Set(QStringLiteral("SBU"), 120.0);
        gDatosInicial().setP0_Tip(4);

        if (cajaCierre)
            E().close();
        else
            ClickControl(Ctl("cmdsalir"));
        ProcessEvents();

        QCOMPARE(finPrograma_, 1);
        QVERIFY(!E().IsLoaded());
        QVERIFY(!E().isVisible());
        // Released: the next use finds new, empty objects.
        QCOMPARE(int(gDatosInicial().P0_Tip()), 0);
        QCOMPARE(gDatosTip1().Get(QStringLiteral("SBU")).toDouble(), 0.0);
    }
};

QTEST_MAIN(TestEntrada)
#include "tst_entrada.moc"
