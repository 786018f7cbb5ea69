#include "tests/support/FixtureTipologia.h"

#include <QFile>

#include "core/Globals.h"
#include "platform/Form.h"
#include "platform/MsgBox.h"
#include "platform/Printer.h"
#include "windows/VentanaTipologia.h"

void FixtureTipologiaBase::SetUp()
{
    ASSERT_TRUE(db_.ok());
    if (SoloEsquema())
        db_.VaciarTablas();
    for (const char* s : p_.filas)
        db_.Execute(QString::fromUtf8(s));
    gEntrada().LeerT01();
    gEntrada().setP_IDI(QStringLiteral("C"));
    gEntrada().setP_MON(QStringLiteral("P"));
    gEntrada().setP_FECV(p_.fechaValoracion);
    gDatosInicial().InicializarTipologias();
    gDatosInicial().setP0_Tip(uint8_t(p_.tipologia));
    MsgBoxSeam::Install();
    MsgBoxSeam::Clear();
    Printer::SetPrinterCountForTests(1);
    IVentanaTipologia* v = VentanaTipologia(p_.tipologia);
    ASSERT_NE(v, nullptr);
    ASSERT_TRUE(TomarVentana(v->form()));
    form_ = v->form();
    form_->Unload();
    form_->SetWindowState(0);
    Ventana(form_);
}

void FixtureTipologiaBase::TearDown()
{
    if (form_) {
        form_->Unload();
        form_->SetWindowState(0);
    }
    ProcessEvents();
    Printer::SetPrinterCountForTests(-1);
    Printer::SetOutputPdfForTests(QString());
    MsgBoxSeam::Uninstall();
    // Tests switch to Basque: the settings' language goes back to Spanish.
    gEntrada().setP_IDI(QStringLiteral("C"));
}

void FixtureTipologiaBase::Abrir()
{
    form_->Show(false);
    // Active, with the focus where the fixture wants it.
    FocusControl(C(p_.focoAlAbrir));
    ProcessEvents();
}

void FixtureTipologiaBase::Elegir(const QString& combo, const QString& item)
{
    ASSERT_TRUE(ConduccionVentana::Elegir(combo, item)) << item.toStdString() << " is not in " << combo.toStdString();
}

void FixtureTipologiaBase::Teclear(const QString& caja, const QString& texto)
{
    ASSERT_NE(C(caja), nullptr) << caja.toStdString();
    ConduccionVentana::Teclear(caja, texto, QStringLiteral("cmdDescripcion"));
}

void FixtureTipologiaBase::Pulsar(const QString& nombre)
{
    ASSERT_NE(C(nombre), nullptr) << nombre.toStdString();
    ConduccionVentana::Pulsar(nombre);
}

void FixtureTipologiaBase::Localizar(const QString& calle, const QString& portal)
{
    Elegir(QStringLiteral("cmbp%1mun").arg(p_.tipologia), QStringLiteral("PRUEBA"));
    Elegir(QStringLiteral("cmbp%1cal").arg(p_.tipologia), calle);
    Teclear(QStringLiteral("txtp%1nup").arg(p_.tipologia), portal);
}

void FixtureTipologiaBase::LocalizarZona(const QString& municipio, const QString& zona)
{
    Elegir(QStringLiteral("cmbp%1mun").arg(p_.tipologia), municipio);
    if (!zona.isEmpty())
        Elegir(QStringLiteral("cmbp%1nui").arg(p_.tipologia), zona);
}

void FixtureTipologiaBase::Antiguedad(const char* anos, const char* construida)
{
    if (anos)
        Teclear(QStringLiteral("txtp%1antd1").arg(p_.tipologia), QString::fromUtf8(anos));
    if (construida) {
        Pulsar(QStringLiteral("optp%1anttipo(1)").arg(p_.tipologia));
        Teclear(QStringLiteral("txtp%1antd2").arg(p_.tipologia), QString::fromUtf8(construida));
    }
}

QList<ShownMessage> FixtureTipologiaBase::Mensajes() { return MsgBoxSeam::Shown(); }

::testing::AssertionResult FixtureTipologiaBase::UnMensaje(const QString& texto, int estilo, const QString& titulo)
{
    const QList<ShownMessage> m = MsgBoxSeam::Shown();
    if (m.size() == 1 && m[0].text == texto && m[0].style == estilo && m[0].title == titulo)
        return ::testing::AssertionSuccess();
    ::testing::AssertionResult r = ::testing::AssertionFailure();
    r << "expected one message \"" << texto.toStdString() << "\" (style " << estilo << ", title \""
      << titulo.toStdString() << "\"); shown " << m.size() << ":";
    for (const ShownMessage& s : m)
        r << " [\"" << s.text.toStdString() << "\" style " << s.style << " title \"" << s.title.toStdString() << "\"]";
    return r;
}

void FixtureTipologiaBase::ImprimirEn(const QString& pdf)
{
    Printer::SetOutputPdfForTests(pdf);
    Pulsar(QStringLiteral("cmdimprimir"));
    Printer::SetOutputPdfForTests(QString());
    EXPECT_TRUE(MsgBoxSeam::Shown().isEmpty()) << MsgBoxSeam::Shown().first().text.toStdString();
    ASSERT_TRUE(QFile::exists(pdf)) << pdf.toStdString();
}
