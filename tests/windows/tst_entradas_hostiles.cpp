// The start window, the selection panel and the description dialog under hostile use, with the
// real typology windows: language and currency changed in the middle of a valuation, dates
// pasted or typed wrong in the panel, "Limpiar Datos" then "Panel Anterior" then "Continuar",
// and description lines of 60 characters with apostrophes and accents.
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <memory>

#include "core/Globals.h"
#include "core/Inicio.h"
#include "core/Recursos.h"
#include "platform/CajaNum.h"
#include "platform/ComboBox.h"
#include "platform/Form.h"
#include "platform/MaskEdBox.h"
#include "platform/MsgBox.h"
#include "tests/support/ConduccionVentana.h"
#include "windows/Descripcion.h"
#include "windows/Entrada.h"
#include "windows/PInicial.h"
#include "windows/VentanaTipologia.h"

namespace {

Form& Tipologia(int n) { return *VentanaTipologia(n)->form(); }

}  // namespace

class TestEntradasHostiles : public QObject {
    Q_OBJECT

    std::unique_ptr<DemoDatabaseCopy> db_;

    Entrada& E() { return TheEntrada(); }
    PInicial& P() { return ThePInicial(); }
    QWidget* EnEntrada(const char* nombre) { return FindControl(&E(), QString::fromLatin1(nombre)); }
    QWidget* EnPanel(const char* nombre) { return FindControl(&P(), QString::fromLatin1(nombre)); }
    MaskEdBox* Fecha() { return FindControlAs<MaskEdBox>(&P(), QStringLiteral("txtpfecv")); }
    QListWidget* Lista() { return FindControlAs<QListWidget>(&P(), QStringLiteral("ListTipo")); }
    int SettingFecha() { return db_->Value(QStringLiteral("select T01_FEC_OMIS from T01_GENERAL")).toInt(); }

    // A fresh start of the program on a copy of the demo database (dates 01/01/1999 to
    // 31/12/2027), in the language and currency given.
    bool Arrancar(const QString& idioma = QStringLiteral("C"), const QString& moneda = QStringLiteral("P"))
    {
        return StartOnDemoCopy(db_, {SettingsStatement(idioma, moneda)});
    }
    void MostrarPanel()
    {
        P().Show(false);
        QVERIFY(ActivateWindow(&P()));
    }
    // Opens typology n from the panel (Valorar) and runs `dentro` while it is shown modally.
    bool Valorar(int n, const std::function<void(ConduccionVentana&)>& dentro)
    {
        Lista()->setCurrentRow(n - 1);
        return WhileModal([&] { ClickControl(EnPanel("CmdValorar")); },
                          [&] {
                              ActivateWindow(&Tipologia(n));
                              ConduccionVentana v(&Tipologia(n));
                              dentro(v);
                          },
                          &Tipologia(n));
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
        for (int n = 1; n <= 3; ++n) {
            Tipologia(n).Unload();
            Tipologia(n).SetWindowState(0);
        }
        if (P().IsLoaded())
            P().Unload();
        P().SetWindowState(0);
        if (E().IsLoaded())
            E().Unload();
        db_.reset();
    }

    // A dwelling valued in pesetas and Spanish; its window and the panel minimised; Basque and
    // euros chosen in the start window; the same dwelling shown again: Basque captions and
    // dates, its own currency and figures kept; a storage room opened now starts in euros.
    void languageAndCurrencyChangedInTheMiddle()
    {
        QVERIFY(Arrancar());
        E().Show();
        ProcessEvents();
        QWidget* continuar = EnEntrada("CmdContinuar");
        double valor = 0;
        QString mostrado;
        const bool primera = WhileModal([&] { ClickControl(continuar); },
                                        [&] {
                                            const bool dentro = Valorar(1, [&](ConduccionVentana& v) {
                                                QVERIFY(v.Elegir("cmbp1mun", "ALTZAGA"));
                                                QVERIFY(v.Elegir("cmbp1cal", "KALE NAGUSIA"));
                                                v.Teclear("txtp1nup", "7", "cmdDescripcion");
                                                v.Teclear("txtp1sbu", "100", "cmdDescripcion");
                                                valor = gDatosTip1().P1_VAF();
                                                mostrado = v.T("txtp1vaf");
                                                Tipologia(1).SetWindowState(1);
                                            });
                                            QVERIFY(dentro);
                                            QVERIFY(!Tipologia(1).isVisible());
                                            P().SetWindowState(1);
                                        });
        QVERIFY(primera);
        QVERIFY(valor != 0);
        QVERIFY(!P().isVisible());
        QVERIFY(Tipologia(1).IsLoaded());

        ClickControl(EnEntrada("OptIdi(0)"));
        ClickControl(EnEntrada("OptMon(1)"));
        QCOMPARE(db_->Value(QStringLiteral("select T01_IDI_OMIS from T01_GENERAL")).toString(), QStringLiteral("E"));
        QCOMPARE(db_->Value(QStringLiteral("select T01_MON_OMIS from T01_GENERAL")).toString(), QStringLiteral("E"));

        const bool segunda = WhileModal([&] { ClickControl(continuar); },
                                        [&] {
                                            QCOMPARE(Lista()->item(0)->text(), QStringLiteral("  1. Etxebizitza"));
                                            const bool vivienda = Valorar(1, [&](ConduccionVentana& v) {
                                                QCOMPARE(Tipologia(1).windowTitle(), QStringLiteral("Etxebizitza"));
                                                QCOMPARE(v.T("txtp1fecv"),
                                                         gFecha().LongToString(gDatosTip1().P1_FECV()));
                                                QVERIFY(v.T("txtp1fecv").indexOf(QLatin1Char('/')) == 4);
                                                QCOMPARE(gDatosTip1().P1_MON(), QStringLiteral("P"));
                                                QCOMPARE(gDatosTip1().P1_VAF(), valor);
                                                QCOMPARE(v.T("txtp1vaf"), mostrado);
                                                QCOMPARE(v.T("cmbp1mun"), QStringLiteral("ALTZAGA"));
                                                QCOMPARE(v.T("cmbp1cal"), QStringLiteral("KALE NAGUSIA"));
                                                // Still usable: a new portal is looked up in the street shown.
                                                v.Teclear("txtp1nup", "9", "cmdDescripcion");
                                                QCOMPARE(gDatosTip1().P1_NUP(), int16_t(9));
                                                QVERIFY(gDatosTip1().P1_VAF() != 0);
                                                v.Pulsar("cmdsalir");
                                            });
                                            QVERIFY(vivienda);
                                            const bool trastero = Valorar(2, [&](ConduccionVentana&) {
                                                QCOMPARE(gDatosTip2().P2_MON(), QStringLiteral("E"));
                                                Tipologia(2).Unload();
                                            });
                                            QVERIFY(trastero);
                                            ClickControl(EnPanel("cmdsalir"));
                                        },
                                        &P());
        QVERIFY(segunda);
        QVERIFY(MsgBoxSeam::Shown().isEmpty());
    }

    // Wrong dates typed or pasted into the panel's date box: the message, nothing stored, the
    // focus held; a typology opened meanwhile takes the stored date; leaving the panel and
    // coming back shows the stored date again.
    void panelDatesPastedOrTypedWrong_data()
    {
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<bool>("pegada");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("mensaje");  // id; 0: accepted
        QTest::addColumn<int>("guardada");
        QTest::newRow("29 February 1900") << "C" << false << "29021900" << 49 << 0;
        QTest::newRow("31 April") << "C" << false << "31042003" << 49 << 0;
        QTest::newRow("zeros") << "C" << false << "00000000" << 49 << 0;
        QTest::newRow("letters") << "C" << false << "ab/cd/efgh" << 0 << 19990101;  // nothing typed: empty
        QTest::newRow("10,000 digits pasted") << "C" << true << QString(10000, QLatin1Char('1')) << 51 << 0;
        QTest::newRow("10,000 letters pasted") << "C" << true << QString(10000, QLatin1Char('x')) << 0 << 19990101;
        QTest::newRow("a date pasted with its slashes") << "C" << true << "29/02/2024" << 0 << 20240229;
        QTest::newRow("Basque form in Spanish") << "C" << false << "20250301" << 49 << 0;
        QTest::newRow("Basque, 29 February 1900") << "E" << false << "19000229" << 49 << 0;
        QTest::newRow("Basque, partly typed") << "E" << false << "2025" << 49 << 0;
        QTest::newRow("Basque, leap day") << "E" << false << "20240229" << 0 << 20240229;
    }
    void panelDatesPastedOrTypedWrong()
    {
        QFETCH(QString, idioma);
        QFETCH(bool, pegada);
        QFETCH(QString, texto);
        QFETCH(int, mensaje);
        QFETCH(int, guardada);
        QVERIFY(Arrancar(idioma));
        MostrarPanel();
        const int antes = gEntrada().P_FECV();
        if (pegada)
            PasteInto(Fecha(), texto);
        else
            TypeInto(Fecha(), texto);
        PressTab();

        if (mensaje == 0) {
            QVERIFY(MsgBoxSeam::Shown().isEmpty());
            QCOMPARE(gEntrada().P_FECV(), guardada);
            QCOMPARE(SettingFecha(), guardada);
            QCOMPARE(Fecha()->Text(), gFecha().LongToString(guardada));
            return;
        }
        QCOMPARE(MsgBoxSeam::Shown().size(), 1);
        QVERIFY(MsgBoxSeam::Shown()[0].text.startsWith(LoadResString(gIdioma + mensaje)));
        QCOMPARE(FocusedControl(), static_cast<QWidget*>(Fecha()));
        QCOMPARE(gEntrada().P_FECV(), antes);
        const QString escrita = Fecha()->Text();

        // A typology opened now values at the stored date, not at the text left in the box.
        MsgBoxSeam::Clear();
        const bool dentro = Valorar(2, [&](ConduccionVentana& v) {
            QCOMPARE(gDatosTip2().P2_FECV(), antes);
            QCOMPARE(v.T("txtp2fecv"), gFecha().LongToString(antes));
            v.Pulsar("cmdsalir");
        });
        QVERIFY(dentro);
        QCOMPARE(gEntrada().P_FECV(), antes);
        QCOMPARE(Fecha()->Text(), gFecha().LongToString(antes));
        QVERIFY(Fecha()->Text() != escrita);

        // Left with the wrong text typed again: not stored; shown again, the stored date.
        TypeInto(Fecha(), texto);
        ClickControl(EnPanel("cmdsalir"));
        QVERIFY(!P().IsLoaded());
        QCOMPARE(SettingFecha(), antes);
        MostrarPanel();
        QCOMPARE(Fecha()->Text(), gFecha().LongToString(antes));
    }

    // "Limpiar Datos", "Panel Anterior", "Continuar": every record empty, the date and the
    // chosen typology kept, and each window starts from its defaults.
    void clearThenExitThenContinue()
    {
        QVERIFY(Arrancar());
        E().Show();
        ProcessEvents();
        QWidget* continuar = EnEntrada("CmdContinuar");
        int fecha = 0;
        const bool primera = WhileModal([&] { ClickControl(continuar); },
                                        [&] {
                                            fecha = gEntrada().P_FECV();
                                            QVERIFY(Valorar(3, [&](ConduccionVentana& v) {
                                                QVERIFY(v.Elegir("cmbp3mun", "ALTZAGA"));
                                                QVERIFY(v.Elegir("cmbp3cal", "KALE NAGUSIA"));
                                                v.Teclear("txtp3nup", "7", "cmdDescripcion");
                                                v.Teclear("txtp3sbu", "20", "cmdDescripcion");
                                                QVERIFY(gDatosTip3().P3_VAF() != 0);
                                                v.Pulsar("cmdsalir");
                                            }));
                                            ClickControl(EnPanel("cmdlimpiar"));
                                            ClickControl(EnPanel("cmdsalir"));
                                        },
                                        &P());
        QVERIFY(primera);
        QVERIFY(!P().IsLoaded());
        QCOMPARE(gDatosTip3().P3_SVL(), QStringLiteral("V"));
        const bool segunda = WhileModal([&] { ClickControl(continuar); },
                                        [&] {
                                            QCOMPARE(gEntrada().P_FECV(), fecha);
                                            QCOMPARE(Lista()->currentRow(), 2);
                                            QVERIFY(Valorar(3, [&](ConduccionVentana& v) {
                                                QCOMPARE(gDatosTip3().P3_SVL(), QStringLiteral("L"));
                                                QCOMPARE(v.T("cmbp3mun"), QString());
                                                QCOMPARE(v.T("cmbp3cal"), QString());
                                                QCOMPARE(v.T("txtp3nup"), QString());
                                                QCOMPARE(v.T("txtp3vaf"), QString());
                                                QCOMPARE(v.T("txtp3pti"), QStringLiteral("100,00"));
                                                QVERIFY(!v.C("cmdimprimir")->isEnabled());
                                                v.Pulsar("cmdsalir");
                                            }));
                                            ClickControl(EnPanel("cmdsalir"));
                                        },
                                        &P());
        QVERIFY(segunda);
        QVERIFY(MsgBoxSeam::Shown().isEmpty());
    }

    // Description lines as the user may write them: each line keeps at most 60 characters,
    // stored exactly (apostrophes, accents, blanks), the summary the first 30 of line 0.
    void descriptionLines_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("pegada");
        QTest::addColumn<QString>("guardada");
        const QString sesenta = QString::fromUtf8("Piso d'Alt 3º izquierda, c/ Peña 'La Ñ' áéíóú ÁÉÍÓÚ üÜ 12345");
        QTest::newRow("60 characters with apostrophes and accents") << sesenta << false << sesenta;
        QTest::newRow("61 characters typed") << sesenta + "X" << false << sesenta;
        QTest::newRow("10,000 characters pasted")
            << QString(10000, QLatin1Char('\'')) << true << QString(60, QLatin1Char('\''));
        QTest::newRow("only blanks") << QStringLiteral("   ") << false << QStringLiteral("   ");
        QTest::newRow("quotes and backslashes")
            << QStringLiteral("O'Donnell \"B\" \\ ; -- %") << false << QStringLiteral("O'Donnell \"B\" \\ ; -- %");
    }
    void descriptionLines()
    {
        QFETCH(QString, texto);
        QFETCH(bool, pegada);
        QFETCH(QString, guardada);
        QVERIFY(Arrancar());
        MostrarPanel();
        Descripcion& d = TheDescripcion();
        const bool dentro = Valorar(1, [&](ConduccionVentana& v) {
            const bool dialogo = WhileModal([&] { v.Pulsar("cmdDescripcion"); },
                                            [&] {
                                                ActivateWindow(&d);
                                                for (int i = 0; i < 4; ++i) {
                                                    QLineEdit* linea = d.txtdes(i);
                                                    if (pegada) {
                                                        PasteInto(linea, texto);
                                                    } else {
                                                        TypeInto(linea, texto);
                                                    }
                                                }
                                                ClickControl(FindControl(&d, QStringLiteral("cmdaceptar")));
                                            },
                                            &d);
            QVERIFY(dialogo);
            for (int16_t i = 0; i < 4; ++i)
                QCOMPARE(gDatosTip1().P1_DES(i), guardada);
            QCOMPARE(v.T("txtdescrip"), guardada.left(30));
            v.Pulsar("cmdsalir");
        });
        QVERIFY(dentro);
        QVERIFY(MsgBoxSeam::Shown().isEmpty());
    }
};

QTEST_MAIN(TestEntradasHostiles)
#include "tst_entradas_hostiles.moc"
