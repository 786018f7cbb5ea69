#include "tests/support/FixtureVivienda.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QRadioButton>
#include <QLineEdit>

#include "core/Globals.h"
#include "platform/CajaNum.h"
#include "platform/ComboBox.h"
#include "platform/MaskEdBox.h"
#include "platform/MsgBox.h"
#include "platform/Printer.h"
#include "typologies/dwelling/Tipologia1.h"
#include "windows/VentanaTipologia.h"

void FixtureVivienda::SetUp()
{
    ASSERT_TRUE(db_.ok());
    const char* sql[] = {
        "INSERT INTO t03_municipios VALUES (2010, 0, 'PRUEBAS'), (2010, 9, 'PRUEBA')",
        "INSERT INTO t04_ponencias VALUES (2025, 9), (2025, 0)",
        "INSERT INTO t05_calles_nombre VALUES (9, 2010, 1, 10, 'CALLE MAYOR'), (9, 2010, 1, 20, 'CALLE NUEVA'),"
        " (9, 2010, 1, 30, 'POLIGONO'), (9, 2010, 1, 40, 'CALLE ROTA'), (9, 2010, 1, 50, 'CALLE MIXTA')",
        "INSERT INTO t06_calles_datos VALUES"
        " (9, 10, 2010, 1, NULL, NULL, 1, 99, '1', 'A1'), (9, 10, 2010, 1, 0, 98, NULL, NULL, '2', 'A1'),"
        " (9, 20, 2010, 1, 0, 98, 1, 99, '899', 'A1'),"
        " (9, 30, 2010, 1, 0, 98, 1, 99, '900', 'A1'),"
        " (9, 40, 2010, 1, 0, 98, 1, 99, 'X1', 'A1'),"
        " (9, 50, 2010, 1, NULL, NULL, 1, 99, '1', 'A1'), (9, 50, 2010, 1, 0, 98, NULL, NULL, '900', 'A1')",
        "INSERT INTO t07_residencial VALUES"
        " (9, 1, 2025, 'ZONA UNO', 'P', 100000, 80000, 0),"
        " (9, 2, 2025, 'ZONA DOS', 'E', 30000, 60000, 0),"
        " (9, 899, 2025, 'ZONA 899', 'P', 50000, 50000, 0)",
    };
    for (const char* s : sql)
        db_.Execute(QString::fromUtf8(s));
    gEntrada().LeerT01();
    gEntrada().setP_IDI(QStringLiteral("C"));
    gEntrada().setP_MON(QStringLiteral("P"));
    gEntrada().setP_FECV(20250101);
    gDatosInicial().InicializarTipologias();
    gDatosInicial().setP0_Tip(1);
    MsgBoxSeam::Install();
    MsgBoxSeam::Clear();
    Printer::SetPrinterCountForTests(1);
    IVentanaTipologia* v = VentanaTipologia(1);
    ASSERT_NE(v, nullptr);
    ventana_ = dynamic_cast<Tipologia1*>(v->form());
    ASSERT_NE(ventana_, nullptr);
    ventana_->Unload();
    ventana_->SetWindowState(0);
}

void FixtureVivienda::TearDown()
{
    if (ventana_) {
        ventana_->Unload();
        ventana_->SetWindowState(0);
    }
    ProcessEvents();
    Printer::SetPrinterCountForTests(-1);
    Printer::SetOutputPdfForTests(QString());
    MsgBoxSeam::Uninstall();
}

void FixtureVivienda::Abrir()
{
    ventana_->Show(false);
    // Active, with the focus where the window put it (the valuation date box).
    FocusControl(C(QStringLiteral("txtp1fecv")));
}

QWidget* FixtureVivienda::C(const QString& nombre) const { return FindControl(ventana_, nombre); }

QString FixtureVivienda::T(const QString& nombre) const
{
    QWidget* w = C(nombre);
    if (auto* caja = qobject_cast<CajaNum*>(w))
        return caja->texto();
    if (auto* fecha = qobject_cast<MaskEdBox*>(w))
        return fecha->Text();
    if (auto* combo = qobject_cast<ComboBox*>(w))
        return combo->Text();
    if (auto* linea = qobject_cast<QLineEdit*>(w))
        return linea->text();
    return QStringLiteral("<no existe %1>").arg(nombre);
}

void FixtureVivienda::Elegir(const QString& combo, const QString& item)
{
    auto* c = C<ComboBox>(combo);
    ASSERT_NE(c, nullptr) << combo.toStdString();
    FocusControl(c);
    int i = 0;
    while (i < c->ListCount() && c->List(i) != item)
        ++i;
    ASSERT_LT(i, c->ListCount()) << item.toStdString() << " is not in " << combo.toStdString();
    c->SetListIndex(i);
    ProcessEvents();
}

void FixtureVivienda::SalirDeLaCaja()
{
    FocusControl(C(QStringLiteral("cmdDescripcion")));
}

void FixtureVivienda::Teclear(const QString& caja, const QString& texto)
{
    QWidget* w = C(caja);
    ASSERT_NE(w, nullptr) << caja.toStdString();
    FocusControl(w);
    if (auto* fecha = qobject_cast<MaskEdBox*>(w))
        fecha->SetText(texto);
    else
        TypeInto(w, texto);
    SalirDeLaCaja();
}

void FixtureVivienda::Pulsar(const QString& nombre)
{
    QWidget* w = C(nombre);
    ASSERT_NE(w, nullptr) << nombre.toStdString();
    // Check boxes and options answer on their mark and caption, at the left of their place.
    if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w))
        ClickControl(w, QPoint(8, w->height() / 2));
    else
        ClickControl(w);
}

void FixtureVivienda::Localizar(const QString& calle, const QString& portal)
{
    Elegir(QStringLiteral("cmbp1mun"), QStringLiteral("PRUEBA"));
    Elegir(QStringLiteral("cmbp1cal"), calle);
    Teclear(QStringLiteral("txtp1nup"), portal);
}

void FixtureVivienda::Valorar()
{
    Localizar(QStringLiteral("CALLE MAYOR"), QStringLiteral("7"));
    Teclear(QStringLiteral("txtp1sbu"), QStringLiteral("100"));
}
