// The dwelling window's life: loading and defaults, the valuation and construction dates,
// Clear, the print button and the report, reopening and a stale hidden window.
#include <QDir>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "core/Globals.h"
#include "core/Recursos.h"
#include "platform/CajaNum.h"
#include "platform/Help.h"
#include "platform/ComboBox.h"
#include "platform/MaskEdBox.h"
#include "platform/MsgBox.h"
#include "platform/Option.h"
#include "platform/Printer.h"
#include "tests/support/FixtureVivienda.h"
#include "tests/support/PdfTexto.h"
#include "typologies/dwelling/Tipologia1.h"
#include "windows/Descripcion.h"

namespace {

using VentanaVivienda = FixtureVivienda;

TEST_F(VentanaVivienda, FirstOpeningWritesTheDefaults)
{
    Abrir();
    const CDatosTip1& r = gDatosTip1();
    EXPECT_EQ(r.P1_SVL(), "L");
    EXPECT_EQ(r.P1_TVI(), "P");
    EXPECT_DOUBLE_EQ(r.P1_CCL(), 1);
    EXPECT_EQ(r.P1_TSU(), "U");
    EXPECT_DOUBLE_EQ(r.P1_PTI(), 100);
    EXPECT_EQ(r.P1_ANTTIPO(), "A");
    EXPECT_EQ(r.P1_MON(), "P");
    EXPECT_EQ(r.P1_FECV(), 20250101);
    EXPECT_EQ(r.P1_EJER(), 2025);
    EXPECT_EQ(r.P1_VER(), 1);
    EXPECT_DOUBLE_EQ(r.P1_RP(), 1.1);
    EXPECT_EQ(V().windowTitle(), LoadResString(53));
    EXPECT_EQ(T("txtp1fecv"), "01/01/2025");
    EXPECT_EQ(T("txtp1pti"), "100,00");
    EXPECT_EQ(T("txtp1ccl"), "1,00");
    EXPECT_EQ(T("txtp1dep"), "1,0000");
    EXPECT_EQ(T("txtp1nup"), "");
    EXPECT_EQ(C<CajaNum>("txtp1pti")->valor(), "100");
    EXPECT_TRUE(C<OptionButton>("optp1tvi(1)")->Value());
    EXPECT_TRUE(C<OptionButton>("optp1tsu(1)")->Value());
    EXPECT_TRUE(C<OptionButton>("optp1mon(0)")->Value());
    EXPECT_TRUE(C<OptionButton>("optp1anttipo(0)")->Value());
    EXPECT_EQ(C<ComboBox>("cmbp1mun")->ListCount(), 6);  // the 2010 list, fixture included
    EXPECT_EQ(C<ComboBox>("cmbp1cal")->ListCount(), 0);
    EXPECT_FALSE(C("cmdimprimir")->isEnabled());
    EXPECT_EQ(V().LeftTwips(), 0);
    EXPECT_EQ(FocusedControl(), C("txtp1fecv"));
    EXPECT_TRUE(MsgBoxSeam::Shown().isEmpty());
    // Display boxes are grey, locked and out of the tab order (a click still reaches them).
    for (const char* caja : {"txtp1nur", "txtp1vrr", "txtp1sho", "txtp1ccl", "txtp1vaf", "txtp1coa"}) {
        EXPECT_TRUE(C<CajaNum>(caja)->locked()) << caja;
        EXPECT_EQ(C<CajaNum>(caja)->backcolor(), QColor(224, 224, 224)) << caja;
        EXPECT_EQ(C(caja)->focusPolicy(), Qt::ClickFocus) << caja;
    }
}

// Every numeric box with its digit counts and pattern; display boxes locked, grey and never
// entered.
TEST_F(VentanaVivienda, BoxesHoldTheirDigitCountsPatternsAndDisplayState)
{
    const struct {
        const char* caja;
        int enteros, decimales;
        const char* formato;  // pesetas
        bool muestra;
    } cajas[] = {
        {"txtp1nup", 3, 0, "###", false},
        {"txtp1nur", 3, 0, "###", true},
        {"txtp1vrr", 7, 2, "#,###,###", true},
        {"txtp1cco", 6, 2, "###,###", true},
        {"txtp1ccl", 1, 2, "0.00", true},
        {"txtp1sbu", 5, 2, "##,##0.00", false},
        {"txtp1sho", 5, 4, "##,##0.0000", true},
        {"txtp1antd1", 3, 0, "###", false},
        {"txtp1ant", 3, 0, "##0", true},
        {"txtp1dep", 1, 4, "0.0000", true},
        {"txtp1añop", 4, 0, "####", true},
        {"txtp1vad", 11, 2, "##,###,###,###", true},
        {"txtp1coa", 2, 6, "#0.000000", true},
        {"txtp1vac", 11, 2, "##,###,###,###", true},
        {"txtp1rp", 1, 2, "0.00", true},
        {"txtp1vco", 11, 2, "##,###,###,###", true},
        {"txtp1pti", 3, 2, "##0.00", false},
        {"txtp1vaf", 11, 2, "##,###,###,###", true},
        {"txtp1vsf", 11, 2, "##,###,###,###", true},
        {"txtp1vcf", 11, 2, "##,###,###,###", true},
    };
    Abrir();
    for (const auto& c : cajas) {
        SCOPED_TRACE(c.caja);
        auto* caja = C<CajaNum>(QString::fromUtf8(c.caja));
        ASSERT_NE(caja, nullptr);
        EXPECT_EQ(caja->enteros(), c.enteros);
        EXPECT_EQ(caja->decimales(), c.decimales);
        EXPECT_EQ(caja->formato(), c.formato);
        EXPECT_EQ(caja->locked(), c.muestra);
        EXPECT_EQ(caja->isReadOnly(), c.muestra);
        if (c.muestra)
            EXPECT_EQ(caja->backcolor(), QColor(224, 224, 224));
        else
            EXPECT_NE(caja->backcolor(), QColor(224, 224, 224));
    }
    EXPECT_TRUE(C<CajaNum>("txtp1vaf")->fontbold());
    for (const char* texto : {"txtp1nor", "txtdescrip"}) {
        EXPECT_TRUE(C<QLineEdit>(texto)->isReadOnly()) << texto;
        EXPECT_EQ(C(texto)->palette().color(QPalette::Base), QColor(224, 224, 224)) << texto;
    }
    // Clicking into a display box passes the focus on.
    for (const char* muestra : {"txtp1nor", "txtdescrip", "txtp1vaf"}) {
        FocusControl(C("txtp1pti"));
        ClickControl(C(muestra));
        EXPECT_NE(FocusedControl(), C(muestra)) << muestra;
    }
}

// Tab goes along the window's order, once through each option pair; of the two age boxes only
// the one shown is in it; display boxes never take the focus.
TEST_F(VentanaVivienda, TabOrder)
{
    const QString comun = "txtp1fecv cmdDescripcion cmbp1mun cmbp1cal txtp1nup optp1tvi optp1tsu txtp1sbu "
                          "Chkp1cl1 Chkp1cl3 Chkp1cl4 Chkp1cl2 optp1anttipo %1 txtp1pti optp1mon cmdsalir "
                          "cmdlimpiar cmdimprimir cmdayuda";
    Abrir();
    Valorar();
    for (const char* edad : {"txtp1antd1", "txtp1antd2"}) {
        SCOPED_TRACE(edad);
        if (QString::fromUtf8(edad) == "txtp1antd2")
            Pulsar("optp1anttipo(1)");
        FocusControl(C("txtp1fecv"));
        QStringList recorrido{"txtp1fecv"};
        for (int i = 0; i < 40; ++i) {
            PressTab();
            QWidget* f = FocusedControl();
            while (f && f->objectName().isEmpty())
                f = f->parentWidget();
            QString nombre = f ? f->objectName() : QStringLiteral("?");
            nombre = nombre.section('(', 0, 0);  // the entry of an option pair
            if (nombre == "txtp1fecv")
                break;
            recorrido << nombre;
        }
        EXPECT_EQ(recorrido.join(' '), comun.arg(edad));
    }
}

TEST_F(VentanaVivienda, EnterMovesOnAsTab)
{
    Abrir();
    FocusControl(C("txtp1sbu"));
    PressEnter();
    EXPECT_EQ(FocusedControl(), C("Chkp1cl1"));
    FocusControl(C("txtp1fecv"));
    PressEnter();
    EXPECT_EQ(FocusedControl(), C("cmdDescripcion"));
    EXPECT_TRUE(MsgBoxSeam::Shown().isEmpty());
}

TEST_F(VentanaVivienda, ValuationDateChecks)
{
    Abrir();
    Localizar("CALLE MAYOR", "7");
    C<QLineEdit>("txtdescrip")->setText("Piso tercero");
    gDatosTip1().EscribirP1_DES("Piso tercero", 0);

    // Outside every period: the range message, the record's date back, the focus back.
    MsgBoxSeam::Clear();
    Teclear("txtp1fecv", "31/12/1998");
    ASSERT_TRUE(
        UnMensaje(LoadResString(51) + " 01/01/1999\r\n" + LoadResString(102) + " 31/12/2027 " + LoadResString(151), 48,
                  LoadResString(50)));
    EXPECT_EQ(T("txtp1fecv"), "01/01/2025");
    EXPECT_EQ(FocusedControl(), C("txtp1fecv"));
    // Not a date.
    MsgBoxSeam::Clear();
    Teclear("txtp1fecv", "31/02/2025");
    ASSERT_EQ(MsgBoxSeam::Shown().size(), 1);
    EXPECT_EQ(MsgBoxSeam::Shown()[0].text, LoadResString(49));

    // The same period: every entry stays, the values are recomputed.
    MsgBoxSeam::Clear();
    const double valor = gDatosTip1().P1_VAF();
    Teclear("txtp1fecv", "30/06/2025");
    EXPECT_TRUE(MsgBoxSeam::Shown().isEmpty());
    EXPECT_EQ(gDatosTip1().P1_FECV(), 20250630);
    EXPECT_EQ(gDatosTip1().P1_CAL(), "CALLE MAYOR");
    EXPECT_DOUBLE_EQ(gDatosTip1().P1_VAF(), valor);

    // Another period: the record is emptied and defaulted for the new year.
    Teclear("txtp1fecv", "15/06/2024");
    const CDatosTip1& r = gDatosTip1();
    EXPECT_EQ(r.P1_FECV(), 20240615);
    EXPECT_EQ(r.P1_EJER(), 2024);
    EXPECT_EQ(r.P1_VER(), 1);
    EXPECT_EQ(r.P1_SVL(), "L");
    EXPECT_EQ(r.P1_MUN(), "");
    EXPECT_EQ(r.P1_CAL(), "");
    EXPECT_EQ(r.P1_NUP(), 0);
    EXPECT_DOUBLE_EQ(r.P1_VAF(), 0);
    EXPECT_DOUBLE_EQ(r.P1_RP(), 1.1);
    EXPECT_EQ(r.P1_DES(0), "");
    EXPECT_EQ(T("txtdescrip"), "");  // the summary follows the emptied record
    EXPECT_EQ(T("cmbp1mun"), "");
    EXPECT_EQ(C<ComboBox>("cmbp1cal")->ListCount(), 0);
    EXPECT_EQ(T("txtp1fecv"), "15/06/2024");
    EXPECT_FALSE(C("cmdimprimir")->isEnabled());

    // An emptied box takes the settings' date.
    Teclear("txtp1fecv", "__/__/____");
    EXPECT_EQ(r.P1_FECV(), 20250101);
}

TEST_F(VentanaVivienda, ConstructionDateChecks)
{
    Abrir();
    Pulsar("optp1anttipo(1)");
    Teclear("txtp1antd2", "01/01/2000");
    EXPECT_EQ(gDatosTip1().P1_ANTDAT(), 20000101);
    EXPECT_EQ(gDatosTip1().P1_ANT(), 25);

    // After the valuation date: message 109, ":" and the valuation date; the old date back.
    MsgBoxSeam::Clear();
    Teclear("txtp1antd2", "02/01/2025");
    ASSERT_TRUE(UnMensaje(LoadResString(109) + ":01/01/2025", 48, LoadResString(50)));
    EXPECT_EQ(T("txtp1antd2"), "01/01/2000");
    EXPECT_EQ(gDatosTip1().P1_ANTDAT(), 20000101);
    EXPECT_EQ(FocusedControl(), C("txtp1antd2"));
    // Before 1800.
    MsgBoxSeam::Clear();
    Teclear("txtp1antd2", "31/12/1799");
    ASSERT_EQ(MsgBoxSeam::Shown().size(), 1);
    EXPECT_EQ(MsgBoxSeam::Shown()[0].text, LoadResString(108));
    // The valuation date itself is accepted; an emptied box brings the stored date back.
    MsgBoxSeam::Clear();
    Teclear("txtp1antd2", "01/01/2025");
    EXPECT_TRUE(MsgBoxSeam::Shown().isEmpty());
    EXPECT_EQ(gDatosTip1().P1_ANT(), 0);
    Teclear("txtp1antd2", "__/__/____");
    EXPECT_EQ(T("txtp1antd2"), "01/01/2025");

    // A valuation date of the same period before the construction date empties the record.
    Teclear("txtp1antd2", "01/01/2024");
    Elegir("cmbp1mun", "PRUEBA");
    Teclear("txtp1fecv", "01/01/2023");
    EXPECT_EQ(gDatosTip1().P1_MUN(), "");
    EXPECT_EQ(gDatosTip1().P1_ANTTIPO(), "A");
}

TEST_F(VentanaVivienda, ClearEmptiesTheRecordAndTheWindow)
{
    Abrir();
    Valorar();
    Pulsar("Chkp1cl2");
    gDatosTip1().EscribirP1_DES("Piso tercero", 0);
    V().SetTxtDescrip("Piso tercero");
    ASSERT_TRUE(C("cmdimprimir")->isEnabled());
    // A wrong date in the box does not stop Clear, and shows no message.
    FocusControl(C("txtp1fecv"));
    C<MaskEdBox>("txtp1fecv")->SetText("99/99/2025");
    MsgBoxSeam::Clear();
    Pulsar("cmdlimpiar");
    EXPECT_TRUE(MsgBoxSeam::Shown().isEmpty());
    const CDatosTip1& r = gDatosTip1();
    EXPECT_EQ(r.P1_SVL(), "L");
    EXPECT_EQ(r.P1_MUN(), "");
    EXPECT_EQ(r.P1_CAL(), "");
    EXPECT_EQ(r.P1_CL2(), "");
    EXPECT_DOUBLE_EQ(r.P1_VAF(), 0);
    EXPECT_EQ(r.P1_DES(0), "");
    EXPECT_EQ(T("txtdescrip"), "");
    EXPECT_EQ(T("txtp1fecv"), "01/01/2025");
    EXPECT_EQ(T("txtp1vaf"), "");
    EXPECT_EQ(T("cmbp1mun"), "");
    EXPECT_EQ(C<ComboBox>("cmbp1cal")->ListCount(), 0);
    EXPECT_EQ(C<CheckBox>("Chkp1cl2")->Value(), 0);
    EXPECT_FALSE(C("cmdimprimir")->isEnabled());
    // After Clear an empty portal never holds the focus.
    Elegir("cmbp1mun", "PRUEBA");
    Elegir("cmbp1cal", "CALLE MAYOR");
    Teclear("txtp1nup", "");
    EXPECT_NE(FocusedControl(), C("txtp1nup"));
}

// A press on Clear or Exit lets the date box be left unchecked; released outside the button
// (no Clear, no Exit) the date is checked as the leaving would have, and later dates too.
TEST_F(VentanaVivienda, PressOnClearOrExitReleasedOutsideChecksTheDate)
{
    for (const char* boton : {"cmdlimpiar", "cmdsalir"}) {
        SCOPED_TRACE(boton);
        Abrir();
        FocusControl(C("txtp1fecv"));
        C<MaskEdBox>("txtp1fecv")->SetText("99/99/2025");
        MsgBoxSeam::Clear();
        PressAndReleaseOutside(C(boton));
        EXPECT_TRUE(V().IsLoaded());
        ASSERT_EQ(MsgBoxSeam::Shown().size(), 1);
        EXPECT_EQ(MsgBoxSeam::Shown()[0].text, LoadResString(49));
        EXPECT_EQ(T("txtp1fecv"), "01/01/2025");
        EXPECT_EQ(FocusedControl(), C("txtp1fecv"));
        Teclear("txtp1fecv", "30/06/2025");
        EXPECT_EQ(gDatosTip1().P1_FECV(), 20250630);
        // A press without a date to check leaves nothing off either.
        PressAndReleaseOutside(C(boton));
        Teclear("txtp1fecv", "01/07/2025");
        EXPECT_EQ(gDatosTip1().P1_FECV(), 20250701);
        EXPECT_EQ(MsgBoxSeam::Shown().size(), 1);
        Pulsar("cmdlimpiar");
        V().Unload();
    }
}

TEST_F(VentanaVivienda, EmptyPortalHoldsTheFocusOnceAfterOpening)
{
    Abrir();
    FocusControl(C("txtp1nup"));
    FocusControl(C("txtp1sbu"));
    EXPECT_EQ(FocusedControl(), C("txtp1nup"));
    FocusControl(C("txtp1sbu"));
    EXPECT_EQ(FocusedControl(), C("txtp1sbu"));
}

TEST_F(VentanaVivienda, PrintButtonAndReport)
{
    Abrir();
    EXPECT_FALSE(C("cmdimprimir")->isEnabled());
    Localizar("CALLE MAYOR", "7");
    EXPECT_FALSE(C("cmdimprimir")->isEnabled());  // no surface yet: the final value is 0
    Teclear("txtp1sbu", "100");
    EXPECT_TRUE(C("cmdimprimir")->isEnabled());

    // Labels of the report from the options and boxes shown.
    V().ObtenerEtiquetas();
    EXPECT_EQ(V().Etiquetas().value("sEtiquetaCL"), "(el general)");
    EXPECT_EQ(V().Etiquetas().value("sEtiquetaTVI"), LoadResString(89));
    EXPECT_EQ(V().Etiquetas().value("sEtiquetaTSU"), LoadResString(77));
    Pulsar("Chkp1cl2");
    Pulsar("Chkp1cl1");
    Pulsar("optp1tsu(0)");
    V().ObtenerEtiquetas();
    EXPECT_EQ(V().Etiquetas().value("sEtiquetaCL"), "(" + LoadResString(82) + ")");
    EXPECT_EQ(V().Etiquetas().value("sEtiquetaTSU"), LoadResString(76));

    // The report prints what the window shows, in the settings' language.
    QTemporaryDir dir;
    for (const char* idioma : {"C", "E"}) {
        SCOPED_TRACE(idioma);
        gEntrada().setP_IDI(idioma);
        V().Hide();
        Abrir();  // the window follows the language when it is shown again
        const QString pdf = dir.filePath(QStringLiteral("informe_%1.pdf").arg(idioma));
        MsgBoxSeam::Clear();
        ImprimirEn(pdf);
        const QList<PalabraPdf> palabras = LeerPalabrasPdf(pdf);
        ASSERT_FALSE(palabras.isEmpty());
        const auto cabecera = BuscarFrase(palabras, QString::fromUtf8(*idioma == 'E' ? "ETXEBIZITZAK" : "VIVIENDAS"));
        ASSERT_TRUE(cabecera.has_value());
        const auto final_ = BuscarFrase(palabras, T("txtp1vaf"));
        ASSERT_TRUE(final_.has_value());
        EXPECT_NEAR(final_->xMax, 170, 0.5);  // right-aligned in the grey box
        EXPECT_TRUE(BuscarFrase(palabras, "(" + LoadResString(gIdioma + 82) + ")").has_value());
        EXPECT_TRUE(BuscarFrase(palabras, "2025/01/01").has_value() || BuscarFrase(palabras, "01/01/2025").has_value());
    }
    gEntrada().setP_IDI("C");
}

TEST_F(VentanaVivienda, DescriptionDialogWritesTheRecordAndTheSummary)
{
    Abrir();
    gDatosTip1().EscribirP1_DES("Piso tercero izquierda, con trastero en planta baja", 0);
    const bool dentro = WhileModal([&] { Pulsar("cmdDescripcion"); },
                                   [&] {
                                       EXPECT_EQ(TheDescripcion().txtdes(0)->text(), gDatosTip1().P1_DES(0));
                                       TheDescripcion().txtdes(1)->setText("Referencia 12");
                                       ClickControl(FindControl(&TheDescripcion(), "cmdaceptar"));
                                   },
                                   &TheDescripcion());
    EXPECT_TRUE(dentro);
    EXPECT_EQ(gDatosTip1().P1_DES(1), "Referencia 12");
    EXPECT_EQ(T("txtdescrip"), "Piso tercero izquierda, con tr");
}

TEST_F(VentanaVivienda, HiddenWindowFollowsLanguageAndEmptiedRecord)
{
    Abrir();
    Localizar("CALLE MAYOR", "7");
    V().SetWindowState(1);
    ProcessEvents();
    ASSERT_FALSE(V().isVisible());
    // While hidden: Basque, and the panel empties every record.
    gEntrada().setP_IDI("E");
    gDatosInicial().InicializarTipologias();
    V().Show(false);
    ProcessEvents();
    EXPECT_EQ(V().windowTitle(), LoadResString(10053));
    EXPECT_EQ(C<QGroupBox>("Frame1")->title(), LoadResString(10091));
    EXPECT_EQ(C<MaskEdBox>("txtp1fecv")->Mask(), "####/##/##");
    EXPECT_EQ(T("txtp1fecv"), "2025/01/01");
    const CDatosTip1& r = gDatosTip1();
    EXPECT_EQ(r.P1_SVL(), "L");
    EXPECT_EQ(r.P1_PTI(), 100);
    EXPECT_EQ(T("cmbp1cal"), "");
    EXPECT_EQ(C<ComboBox>("cmbp1cal")->ListCount(), 0);
    EXPECT_EQ(T("txtp1pti"), "100,00");
    gEntrada().setP_IDI("C");
}

TEST_F(VentanaVivienda, ReopenedWindowSelectsTheRecordsMunicipalityAndStreet)
{
    Abrir();
    Localizar("CALLE MAYOR", "7");
    const double valor = gDatosTip1().P1_VAF();
    Pulsar("cmdsalir");
    EXPECT_FALSE(V().IsLoaded());
    Abrir();
    const CDatosTip1& r = gDatosTip1();
    // PRUEBAS, listed first, begins like PRUEBA: the record's municipality stays.
    EXPECT_EQ(r.P1_MUN(), "PRUEBA");
    EXPECT_EQ(T("cmbp1mun"), "PRUEBA");
    EXPECT_EQ(r.P1_CAL(), "CALLE MAYOR");
    EXPECT_DOUBLE_EQ(r.P1_VAF(), valor);
    auto* calles = C<ComboBox>("cmbp1cal");
    EXPECT_EQ(calles->ListCount(), 4);
    ASSERT_GE(calles->ListIndex(), 0);
    EXPECT_EQ(calles->List(calles->ListIndex()), "CALLE MAYOR");
    // A new portal is looked up in that street.
    Teclear("txtp1nup", "8");
    EXPECT_EQ(r.P1_NUR(), 2);
    EXPECT_TRUE(MsgBoxSeam::Shown().isEmpty());
}

}  // namespace
