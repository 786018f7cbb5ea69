// Description dialog: storing the four lines into the record of the current typology, the
// summary of the typology window, "Eliminar", "Cancelar", the line limit and the placement.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "core/Globals.h"
#include "platform/MsgBox.h"
#include "tests/support/DatosPrueba.h"
#include "tests/support/WindowTestKit.h"
#include "tests/windows/VentanaFalsa.h"
#include "windows/Descripcion.h"

namespace {

const QStringList kAnteriores = {QStringLiteral("uno"), QStringLiteral("dos"), QStringLiteral("tres"),
                                 QStringLiteral("cuatro")};

QStringList Lineas(const CDatosTip& r)
{
    QStringList l;
    for (int16_t i = 0; i < 4; ++i)
        l << r.DES(i);
    return l;
}

}  // namespace

class TestDescripcion : public QObject {
    Q_OBJECT

    VentanaFalsa* falsas_[10] = {};

    Descripcion& D() { return TheDescripcion(); }
    QLineEdit* Linea(int i) { return FindControlAs<QLineEdit>(&D(), QStringLiteral("txtdes(%1)").arg(i)); }
    QWidget* Ctl(const QString& name) { return FindControl(&D(), name); }

    // The typology window's AbrirDescripcion: the record's lines into the dialog, shown modally.
    bool Abrir(int n, const std::function<void()>& dentro)
    {
        gDatosInicial().setP0_Tip(static_cast<uint8_t>(n));
        return WhileModal([&] { D().AbrirCon(Lineas(RegistroTipologia(n))); },
                          [&] {
                              ActivateWindow(&D());
                              dentro();
                          },
                          &D());
    }
    void Preparar(int n)
    {
        for (int16_t i = 0; i < 4; ++i)
            RegistroTipologia(n).EscribirDES(kAnteriores[i], i);
        falsas_[n]->txtdescrip = kAnteriores[0];
        falsas_[n]->resumenes = 0;
    }

private slots:
    void initTestCase()
    {
        MsgBoxSeam::Install();
        RegistrarVentanasFalsas(falsas_);
        for (int n = 1; n <= 9; ++n)
            falsas_[n]->cerrarAlMostrar = false;
    }
    void init()
    {
        ReleaseGlobals();
        gIdioma = 0;
    }

    void acceptStoresTheLines_data()
    {
        QTest::addColumn<int>("tipologia");
        QTest::addColumn<QString>("boton");
        QTest::addColumn<QStringList>("lineas");
        QTest::addColumn<QString>("resumen");
        QTest::newRow("first line over 30 characters")
            << 1 << "cmdaceptar"
            << QStringList{QStringLiteral("Piso tercero izquierda, calle Mayor número 12"),
                           QStringLiteral("Compraventa"), QString(), QStringLiteral("   ")}
            << QStringLiteral("Piso tercero izquierda, calle ");
        QTest::newRow("short line, by the picture")
            << 2 << "PicAceptar" << QStringList{QStringLiteral("Trastero 4"), QString(), QString(), QString()}
            << QStringLiteral("Trastero 4");
    }
    void acceptStoresTheLines()
    {
        QFETCH(int, tipologia);
        QFETCH(QString, boton);
        QFETCH(QStringList, lineas);
        QFETCH(QString, resumen);
        const int otra = tipologia == 1 ? 2 : 1;
        Preparar(tipologia);
        Preparar(otra);

        QVERIFY(Abrir(tipologia, [&] {
            for (int i = 0; i < 4; ++i)
                QCOMPARE(Linea(i)->text(), kAnteriores[i]);
            for (int i = 0; i < 4; ++i)
                TypeInto(Linea(i), lineas[i]);
            ClickControl(Ctl(boton));
        }));

        QCOMPARE(Lineas(RegistroTipologia(tipologia)), lineas);
        QCOMPARE(falsas_[tipologia]->txtdescrip, resumen);
        QVERIFY(!D().IsLoaded());
        // Only the record of the current typology is written.
        QCOMPARE(Lineas(RegistroTipologia(otra)), kAnteriores);
        QCOMPARE(falsas_[otra]->resumenes, 0);
    }

    void eliminarThenCancelarLeavesLinesEmpty()
    {
        Preparar(3);
        QVERIFY(Abrir(3, [&] {
            ClickControl(Ctl(QStringLiteral("cmdborrar")));
            QVERIFY(D().isVisible());
            for (int i = 0; i < 4; ++i)
                QCOMPARE(Linea(i)->text(), QString());
            TypeInto(Linea(1), QStringLiteral("otra cosa"));
            ClickControl(Ctl(QStringLiteral("cmdcancelar")));
        }));

        QCOMPARE(Lineas(RegistroTipologia(3)), QStringList(4, QString()));
        QCOMPARE(falsas_[3]->txtdescrip, QString());
    }

    void cancelChangesNothing_data()
    {
        QTest::addColumn<QString>("como");
        QTest::newRow("Cancelar") << "cmdcancelar";
        QTest::newRow("its picture") << "PicCancel";
        QTest::newRow("close box") << "";
    }
    void cancelChangesNothing()
    {
        QFETCH(QString, como);
        Preparar(5);
        QVERIFY(Abrir(5, [&] {
            TypeInto(Linea(0), QStringLiteral("cambiada"));
            TypeInto(Linea(3), QString());
            if (como.isEmpty())
                D().close();
            else
                ClickControl(Ctl(como));
        }));

        QCOMPARE(Lineas(RegistroTipologia(5)), kAnteriores);
        QCOMPARE(falsas_[5]->resumenes, 0);
        QVERIFY(!D().IsLoaded());
    }

    void linesTakeSixtyCharactersAndEnterMovesOn()
    {
        QVERIFY(Abrir(1, [&] {
            QCOMPARE(static_cast<QPushButton*>(Ctl(QStringLiteral("cmdaceptar")))->text(),
                     QStringLiteral("       &Aceptar"));
            TypeInto(Linea(0), QString(70, QLatin1Char('x')));
            QCOMPARE(Linea(0)->text().size(), 60);
            PressEnter();
            QCOMPARE(FocusedControl(), static_cast<QWidget*>(Linea(1)));
            PressEnter();
            QCOMPARE(FocusedControl(), static_cast<QWidget*>(Linea(2)));
            ClickControl(Ctl(QStringLiteral("cmdcancelar")));
        }));
    }

    // Each opening loads the dialog anew: the focus starts on the first line, its text selected,
    // whatever button closed the previous opening.
    void eachOpeningStartsOnTheFirstLine_data()
    {
        QTest::addColumn<QString>("cierre");
        QTest::newRow("after Aceptar") << "cmdaceptar";
        QTest::newRow("after Cancelar") << "cmdcancelar";
    }
    void eachOpeningStartsOnTheFirstLine()
    {
        QFETCH(QString, cierre);
        Preparar(6);
        QVERIFY(Abrir(6, [&] {
            QCOMPARE(FocusedControl(), static_cast<QWidget*>(Linea(0)));
            FocusControl(Linea(2));
            ClickControl(Ctl(cierre));
        }));
        QVERIFY(Abrir(6, [&] {
            QCOMPARE(FocusedControl(), static_cast<QWidget*>(Linea(0)));
            QCOMPARE(Linea(0)->selectedText(), kAnteriores[0]);
            ClickControl(Ctl(QStringLiteral("cmdcancelar")));
        }));
    }

    void placedBelowRightOfTheTypologyWindow()
    {
        falsas_[7]->Move(1500, 3000);
        QVERIFY(Abrir(7, [&] {
            QCOMPARE(D().LeftTwips(), 1500 + 705);
            QCOMPARE(D().TopTwips(), 3000 + 900);
            ClickControl(Ctl(QStringLiteral("cmdcancelar")));
        }));
    }
};

QTEST_MAIN(TestDescripcion)
#include "tst_descripcion.moc"
