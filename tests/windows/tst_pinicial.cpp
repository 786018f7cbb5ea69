// Selection panel: the default valuation date, the date checks and their messages, the
// emptying of the records, opening the typology windows, minimising, and the mends for a
// missing date range, a stale hidden panel and a press released outside a button.
#include <QDate>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <memory>

#include "core/Globals.h"
#include "core/Inicio.h"
#include "platform/MaskEdBox.h"
#include "platform/MsgBox.h"
#include "tests/support/DatosPrueba.h"
#include "tests/support/WindowTestKit.h"
#include "tests/windows/VentanaFalsa.h"
#include "windows/Entrada.h"
#include "windows/PInicial.h"

namespace {

int Hoy() { return QDate::currentDate().toString(QStringLiteral("yyyyMMdd")).toInt(); }

const char* kTituloEs = "Error en la Introducción de Datos";
const char* kTituloEu = "Datuak gaizki sartu dira";

}  // namespace

class TestPInicial : public QObject {
    Q_OBJECT

    std::unique_ptr<DemoDatabaseCopy> db_;
    VentanaFalsa* falsas_[10] = {};

    PInicial& P() { return ThePInicial(); }
    QWidget* Ctl(const char* name) { return FindControl(&P(), QString::fromLatin1(name)); }
    MaskEdBox* Fecha() { return FindControlAs<MaskEdBox>(&P(), QStringLiteral("txtpfecv")); }
    QListWidget* Lista() { return FindControlAs<QListWidget>(&P(), QStringLiteral("ListTipo")); }
    int SettingFecha() { return db_->Value(QStringLiteral("select T01_FEC_OMIS from T01_GENERAL")).toInt(); }

    // A fresh start on a copy of the demo database (range 01/01/1999 to 31/12/2027), changed
    // first by the statements given.
    bool Arrancar(const QStringList& fixture = {}) { return StartOnDemoCopy(db_, fixture); }
    void Mostrar()
    {
        P().Show(false);
        QVERIFY(ActivateWindow(&P()));
    }
    void ClickItem(int fila)
    {
        ClickControl(Lista()->viewport(), Lista()->visualItemRect(Lista()->item(fila)).center());
    }

private slots:
    void initTestCase()
    {
        MsgBoxSeam::Install();
        Entrada::SetProgramEndHandler([] {});
        RegistrarVentanasFalsas(falsas_);
    }
    void init()
    {
        MsgBoxSeam::Clear();
        for (int n = 1; n <= 9; ++n) {
            falsas_[n]->mostrada = 0;
            falsas_[n]->modal = false;
        }
    }
    void cleanup()
    {
        if (P().IsLoaded())
            P().Unload();
        if (TheEntrada().IsLoaded())
            TheEntrada().Unload();
        P().SetWindowState(0);
        db_.reset();
    }

    void defaultDateRule_data()
    {
        QTest::addColumn<QStringList>("fixture");
        QTest::addColumn<int>("previa");
        QTest::addColumn<int>("esperada");
        const QString hoy = QString::number(Hoy());
        const QString anyo = QStringLiteral(
            "insert into t02_años (t02_ano,t02_ver,t02_fecmin,t02_fecmax,t02_porinc,t02_porcom) values (%1,1,%2,%3,1,100)");
        QTest::newRow("today inside") << QStringList{anyo.arg(2999).arg(29990101).arg(29991231),
                                                     QStringLiteral("update T01_GENERAL set T01_MAXIMO_HASTA=2999")}
                                      << 0 << Hoy();
        QTest::newRow("today is the lower bound")
            << QStringList{anyo.arg(2990).arg(hoy).arg(29901231), anyo.arg(2999).arg(29990101).arg(29991231),
                           QStringLiteral("update T01_GENERAL set T01_MINIMO_DESDE=2990, T01_MAXIMO_HASTA=2999")}
            << 0 << Hoy();
        QTest::newRow("today is the upper bound")
            << QStringList{anyo.arg(2991).arg(29910101).arg(hoy),
                           QStringLiteral("update T01_GENERAL set T01_MAXIMO_HASTA=2991")}
            << 0 << Hoy();
        QTest::newRow("today after the range")
            << QStringList{QStringLiteral("update T01_GENERAL set T01_MAXIMO_HASTA=2000")} << 0 << 19990101;
        QTest::newRow("today before the range")
            << QStringList{anyo.arg(2998).arg(29980101).arg(29981231), anyo.arg(2999).arg(29990101).arg(29991231),
                           QStringLiteral("update T01_GENERAL set T01_MINIMO_DESDE=2998, T01_MAXIMO_HASTA=2999")}
            << 0 << 29980101;
        QTest::newRow("a date already set is kept, even outside the range")
            << QStringList{QStringLiteral("update T01_GENERAL set T01_MAXIMO_HASTA=2000")} << 20050505 << 20050505;
    }
    void defaultDateRule()
    {
        QFETCH(QStringList, fixture);
        QFETCH(int, previa);
        QFETCH(int, esperada);
        QVERIFY(Arrancar(fixture));
        db_->Execute(QStringLiteral("update T01_GENERAL set T01_FEC_OMIS=0"));
        if (previa)
            gEntrada().setP_FECV(previa);

        Mostrar();

        QCOMPARE(gEntrada().P_FECV(), esperada);
        QCOMPARE(SettingFecha(), esperada);
        QCOMPARE(Fecha()->Text(), gFecha().LongToString(esperada));
        QCOMPARE(Fecha()->Text().size(), 10);
        QVERIFY(MsgBoxSeam::Shown().isEmpty());
    }

    void dateCheck_data()
    {
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<QString>("tecleo");
        QTest::addColumn<bool>("conEnter");
        QTest::addColumn<QString>("mensaje");
        QTest::addColumn<int>("guardada");
        QTest::addColumn<QString>("caja");
        const QString rangoEs = QStringLiteral(
            "La Fecha de Valoración no puede ser anterior al  01/01/1999\r\n ni posterior al  31/12/2027.");
        const QString rangoEu = QStringLiteral(
            "Balorazio data ezin da 1999/01/01\r\n baino aurrekoa izan, ezta 2027/12/31 ondorengoa ere");
        const QString malEs = QStringLiteral("La Fecha de Valoración introducida no es correcta");
        const QString malEu = QStringLiteral("Sartu den balorazio data ez da zuzena");
        // clang-format off
        QTest::newRow("before the range") << "C" << "31121998" << false << rangoEs << 0 << "31/12/1998";
        QTest::newRow("after the range, Enter") << "C" << "01012028" << true << rangoEs << 0 << "01/01/2028";
        QTest::newRow("no such day") << "C" << "31022005" << false << malEs << 0 << "31/02/2005";
        QTest::newRow("incomplete") << "C" << "0101" << true << malEs << 0 << "01/01/____";
        QTest::newRow("lower bound") << "C" << "01011999" << false << QString() << 19990101 << "01/01/1999";
        QTest::newRow("upper bound, Enter") << "C" << "31122027" << true << QString() << 20271231 << "31/12/2027";
        QTest::newRow("inside") << "C" << "15062010" << false << QString() << 20100615 << "15/06/2010";
        QTest::newRow("empty takes the lower bound") << "C" << "" << false << QString() << 19990101 << "01/01/1999";
        QTest::newRow("Basque, before the range") << "E" << "19981231" << false << rangoEu << 0 << "1998/12/31";
        QTest::newRow("Basque, no such day") << "E" << "20050231" << true << malEu << 0 << "2005/02/31";
        QTest::newRow("Basque, upper bound") << "E" << "20271231" << false << QString() << 20271231 << "2027/12/31";
        QTest::newRow("Basque, empty takes the lower bound") << "E" << "" << true << QString() << 19990101 << "1999/01/01";
        // clang-format on
    }
    void dateCheck()
    {
        QFETCH(QString, idioma);
        QFETCH(QString, tecleo);
        QFETCH(bool, conEnter);
        QFETCH(QString, mensaje);
        QFETCH(int, guardada);
        QFETCH(QString, caja);
        QVERIFY(Arrancar({QStringLiteral("update T01_GENERAL set T01_IDI_OMIS='%1'").arg(idioma)}));
        Mostrar();
        const int antes = gEntrada().P_FECV();
        QCOMPARE(FocusedControl(), Fecha());

        TypeInto(Fecha(), tecleo);
        if (conEnter)
            PressEnter();
        else
            PressTab();

        QCOMPARE(Fecha()->Text(), caja);
        const QList<ShownMessage> shown = MsgBoxSeam::Shown();
        if (mensaje.isEmpty()) {
            QVERIFY(shown.isEmpty());
            QCOMPARE(gEntrada().P_FECV(), guardada);
            QCOMPARE(SettingFecha(), guardada);
            // Accepted: the focus goes on, past the two range boxes, to the list.
            QCOMPARE(FocusedControl(), static_cast<QWidget*>(Lista()));
        } else {
            QCOMPARE(shown.size(), 1);
            QCOMPARE(shown[0].text, mensaje);
            QCOMPARE(shown[0].style, 48);
            QCOMPARE(shown[0].title, QString::fromUtf8(idioma == QLatin1String("E") ? kTituloEu : kTituloEs));
            QCOMPARE(gEntrada().P_FECV(), antes);
            QCOMPARE(FocusedControl(), static_cast<QWidget*>(Fecha()));
        }
    }

    // Typing the date already stored accepts it without writing the settings again.
    void sameDateWritesNothing()
    {
        QVERIFY(Arrancar());
        Mostrar();
        const int fecha = gEntrada().P_FECV();
        db_->Execute(QStringLiteral("update T01_GENERAL set T01_FEC_OMIS=11111111"));

        TypeInto(Fecha(), gFecha().LongToString(fecha).remove(QLatin1Char('/')));
        PressTab();

        QVERIFY(MsgBoxSeam::Shown().isEmpty());
        QCOMPARE(gEntrada().P_FECV(), fecha);
        QCOMPARE(SettingFecha(), 11111111);
        QCOMPARE(FocusedControl(), static_cast<QWidget*>(Lista()));
    }

    // After a press on the list, a refusal holds the focus; the next leaving only holds it again.
    void refusalAfterListPressHoldsFocusOnce()
    {
        QVERIFY(Arrancar());
        Mostrar();
        ClickItem(1);
        FocusControl(Fecha());
        TypeInto(Fecha(), QStringLiteral("01011990"));
        PressTab();
        QCOMPARE(MsgBoxSeam::Shown().size(), 1);
        QCOMPARE(FocusedControl(), static_cast<QWidget*>(Fecha()));
        PressTab();
        QCOMPARE(MsgBoxSeam::Shown().size(), 1);
        QCOMPARE(FocusedControl(), static_cast<QWidget*>(Fecha()));
        PressTab();
        QCOMPARE(MsgBoxSeam::Shown().size(), 2);
        QCOMPARE(FocusedControl(), static_cast<QWidget*>(Fecha()));
    }

    // No allowed range in the tables: no failure, empty range boxes, one message that says the
    // database holds no valid range (not that the date typed is wrong), no trap.
    void missingRangeSaysOnce_data()
    {
        QTest::addColumn<QStringList>("fixture");
        QTest::newRow("no rows for the years")
            << QStringList{QStringLiteral("update T01_GENERAL set T01_MINIMO_DESDE=1900, T01_MAXIMO_HASTA=1901")};
        QTest::newRow("no row for the last year")
            << QStringList{QStringLiteral("delete from t02_años where t02_ano=2027")};
        QTest::newRow("no settings row") << QStringList{QStringLiteral("delete from T01_GENERAL")};
        QTest::newRow("text for both years")
            << QStringList{QStringLiteral("update T01_GENERAL set T01_MINIMO_DESDE='1999a', T01_MAXIMO_HASTA='2027b'")};
        QTest::newRow("text for the last year")
            << QStringList{QStringLiteral("update T01_GENERAL set T01_MAXIMO_HASTA='dos mil'")};
    }
    void missingRangeSaysOnce()
    {
        QFETCH(QStringList, fixture);
        QVERIFY(Arrancar(fixture));
        const QVariant antes = db_->Value(QStringLiteral("select T01_FEC_OMIS from T01_GENERAL"));
        Mostrar();

        QCOMPARE(FindControlAs<MaskEdBox>(&P(), QStringLiteral("txtphasta"))->Text(), QStringLiteral("__/__/____"));
        QCOMPARE(gEntrada().P_FECV(), 0);
        QCOMPARE(db_->Value(QStringLiteral("select T01_FEC_OMIS from T01_GENERAL")), antes);
        QVERIFY(MsgBoxSeam::Shown().isEmpty());

        for (int vez = 0; vez < 2; ++vez) {
            FocusControl(Fecha());
            TypeInto(Fecha(), QStringLiteral("01012005"));
            PressTab();
            QVERIFY(FocusedControl() != Fecha());
        }
        QCOMPARE(MsgBoxSeam::Shown().size(), 1);
        QVERIFY2(MsgBoxSeam::Shown()[0].text.startsWith(QStringLiteral(
                     "La fila de configuración de la base de datos (T01_GENERAL) no tiene un rango de fechas")),
                 qPrintable(MsgBoxSeam::Shown()[0].text));
        QCOMPARE(gEntrada().P_FECV(), 0);
    }

    void limpiarEmptiesEveryRecord()
    {
        QVERIFY(Arrancar());
        Mostrar();
        for (int n = 1; n <= 9; ++n) {
            RegistroTipologia(n).Set(QStringLiteral("SVL"), QStringLiteral("L"));
            RegistroTipologia(n).EscribirDES(QStringLiteral("linea"), 0);
        }
        gDatosInicial().setP0_Tip(4);
        const int fecha = gEntrada().P_FECV();
        ClickItem(3);

        ClickControl(Ctl("cmdlimpiar"));

        for (int n = 1; n <= 9; ++n) {
            QCOMPARE(RegistroTipologia(n).Get(QStringLiteral("SVL")).toString(), QStringLiteral("V"));
            QCOMPARE(RegistroTipologia(n).DES(0), QString());
        }
        QCOMPARE(gEntrada().P_FECV(), fecha);
        QCOMPARE(Lista()->currentRow(), 3);
        QCOMPARE(FocusedControl(), static_cast<QWidget*>(Fecha()));
    }

    // A press on "Limpiar Datos" or "Panel Anterior" released outside the button gives no click:
    // the leaving of the date box that the press let go unchecked is checked then (a good date
    // stored, a wrong one refused with the focus held), and later leavings are checked too.
    void pressReleasedOutsideChecksTheDate_data()
    {
        QTest::addColumn<QString>("boton");
        QTest::addColumn<QString>("tecleo");
        QTest::addColumn<bool>("rechazada");
        // clang-format off
        QTest::newRow("Limpiar Datos, wrong date") << "cmdlimpiar" << "01011990" << true;
        QTest::newRow("Panel Anterior, wrong date") << "cmdsalir" << "01011990" << true;
        QTest::newRow("Limpiar Datos, good date") << "cmdlimpiar" << "15062010" << false;
        QTest::newRow("Panel Anterior, good date") << "cmdsalir" << "15062010" << false;
        // clang-format on
    }
    void pressReleasedOutsideChecksTheDate()
    {
        QFETCH(QString, boton);
        QFETCH(QString, tecleo);
        QFETCH(bool, rechazada);
        QVERIFY(Arrancar());
        Mostrar();
        const int antes = gEntrada().P_FECV();
        gDatosTip1().Set(QStringLiteral("SVL"), QStringLiteral("L"));
        TypeInto(Fecha(), tecleo);

        PressAndReleaseOutside(FindControl(&P(), boton));

        QVERIFY(P().IsLoaded());
        QCOMPARE(gDatosTip1().Get(QStringLiteral("SVL")).toString(), QStringLiteral("L"));
        if (rechazada) {
            QCOMPARE(MsgBoxSeam::Shown().size(), 1);
            QCOMPARE(FocusedControl(), static_cast<QWidget*>(Fecha()));
            QCOMPARE(Fecha()->Text(), QStringLiteral("01/01/1990"));
            QCOMPARE(gEntrada().P_FECV(), antes);
        } else {
            QVERIFY(MsgBoxSeam::Shown().isEmpty());
            QCOMPARE(gEntrada().P_FECV(), 20100615);
            QCOMPARE(SettingFecha(), 20100615);
        }

        MsgBoxSeam::Clear();
        TypeInto(Fecha(), QStringLiteral("01011990"));
        PressTab();
        QCOMPARE(MsgBoxSeam::Shown().size(), 1);
        QCOMPARE(FocusedControl(), static_cast<QWidget*>(Fecha()));
    }

    void leavingWithAWrongDateForLimpiarOrSalir()
    {
        QVERIFY(Arrancar());
        Mostrar();
        const int fecha = gEntrada().P_FECV();
        TypeInto(Fecha(), QStringLiteral("01011990"));
        ClickControl(Ctl("cmdlimpiar"));
        QVERIFY(MsgBoxSeam::Shown().isEmpty());
        QCOMPARE(FocusedControl(), static_cast<QWidget*>(Fecha()));

        ClickControl(Ctl("cmdsalir"));
        QVERIFY(MsgBoxSeam::Shown().isEmpty());
        QVERIFY(!P().IsLoaded());
        QCOMPARE(gEntrada().P_FECV(), fecha);
    }

    void openingATypology_data()
    {
        QTest::addColumn<QString>("como");
        QTest::addColumn<int>("tipologia");
        QTest::newRow("Valorar") << "boton" << 2;
        QTest::newRow("double click") << "doble" << 7;
        QTest::newRow("Enter on the list") << "enter" << 9;
    }
    void openingATypology()
    {
        QFETCH(QString, como);
        QFETCH(int, tipologia);
        QVERIFY(Arrancar());
        Mostrar();
        const int fila = tipologia - 1;
        if (como == QLatin1String("boton")) {
            ClickItem(fila);
            ClickControl(Ctl("CmdValorar"));
        } else if (como == QLatin1String("doble")) {
            DoubleClickControl(Lista()->viewport(), Lista()->visualItemRect(Lista()->item(fila)).center());
        } else {
            ClickItem(fila);
            PressEnter(Lista());
        }
        ProcessEvents();

        QCOMPARE(falsas_[tipologia]->mostrada, 1);
        QVERIFY(falsas_[tipologia]->modal);
        QCOMPARE(int(gDatosInicial().P0_Tip()), tipologia);
        for (int n = 1; n <= 9; ++n)
            if (n != tipologia)
                QCOMPARE(falsas_[n]->mostrada, 0);
        // Back in the panel: the typology opened is selected and the date box has the focus.
        QCOMPARE(Lista()->currentRow(), fila);
        QCOMPARE(FocusedControl(), static_cast<QWidget*>(Fecha()));
    }

    void valorarOpensNothing_data()
    {
        QTest::addColumn<bool>("sinSeleccion");
        QTest::newRow("no item selected") << true;
        QTest::newRow("typology without a window") << false;
    }
    void valorarOpensNothing()
    {
        QFETCH(bool, sinSeleccion);
        QVERIFY(Arrancar());
        Mostrar();
        if (sinSeleccion)
            Lista()->clearSelection();
        else {
            RegistrarVentanaTipologia(5, {});
            ClickItem(4);
        }
        ClickControl(Ctl("CmdValorar"));
        RegistrarVentanasFalsas(falsas_);

        for (int n = 1; n <= 9; ++n)
            QCOMPARE(falsas_[n]->mostrada, 0);
        QCOMPARE(int(gDatosInicial().P0_Tip()), sinSeleccion ? 1 : 5);
        QVERIFY(P().isVisible());
        QVERIFY(MsgBoxSeam::Shown().isEmpty());
    }

    // Minimising hides the panel and returns to the start window; "Continuar" shows the same
    // panel again, maximised, and in the language chosen meanwhile.
    void minimiseAndShowAgainAfterLanguageChange()
    {
        QVERIFY(Arrancar());
        Entrada& entrada = TheEntrada();
        entrada.Show();
        ProcessEvents();
        QWidget* continuar = FindControl(&entrada, QStringLiteral("CmdContinuar"));

        QVERIFY(WhileModal([&] { ClickControl(continuar); }, [&] { P().SetWindowState(1); }));
        QVERIFY(gDatosInicial().P_PINIMIN());
        QVERIFY(P().IsLoaded());
        QVERIFY(!P().isVisible());

        ClickControl(FindControl(&entrada, QStringLiteral("OptIdi(0)")));
        const QString fechaVasca = gFecha().LongToString(gEntrada().P_FECV());

        const bool dentro = WhileModal([&] { ClickControl(continuar); },
                                       [&] {
                                           QVERIFY(P().isVisible());
                                           QCOMPARE(P().WindowState(), 2);
                                           QVERIFY(!gDatosInicial().P_PINIMIN());
                                           QCOMPARE(P().windowTitle(),
                                                    QStringLiteral("Balorazio mota aukeratzeko panela"));
                                           QCOMPARE(Fecha()->Mask(), QStringLiteral("####/##/##"));
                                           QCOMPARE(Fecha()->Text(), fechaVasca);
                                           QCOMPARE(Lista()->item(0)->text(), QStringLiteral("  1. Etxebizitza"));
                                           QCOMPARE(FindControlAs<QLabel>(&P(), QStringLiteral("Label6"))->text(),
                                                    QStringLiteral("Balorazio data"));
                                           ClickControl(Ctl("cmdsalir"));
                                       },
                                       &P());
        QVERIFY(dentro);
        QVERIFY(!P().IsLoaded());
    }

    void emblemIsThePanelPicture()
    {
        QVERIFY(Arrancar());
        Mostrar();
        const QPixmap emblema = P().Image1Picture();
        QVERIFY(!emblema.isNull());
        QCOMPARE(emblema.size(), QSize(75, 98));
    }
};

QTEST_MAIN(TestPInicial)
#include "tst_pinicial.moc"
