#pragma once
// A typology window on a copy of the demo database (or on its schema alone, SoloEsquema) with
// a fixture's rows added: settings in Spanish and pesetas at the fixture's valuation date, one
// printer, message boxes recorded instead of shown. The window is driven by control names (ConduccionVentana); the
// helpers here fail the test when the control or the list entry they need is missing.
#include <QList>
#include <QString>
#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

#include "platform/MsgBox.h"
#include "tests/support/ConduccionVentana.h"

class Form;

// What a typology fixture sets up.
struct PreparacionTipologia {
    int tipologia;                   // 1 to 9: the window, and the names cmbpNmun, cmbpNcal, txtpNnup
    int32_t fechaValoracion;         // the settings' valuation date, yyyymmdd
    QString focoAlAbrir;             // the control that has the focus once Abrir has shown the window
    std::vector<const char*> filas;  // statements run on the copy first
};

class FixtureTipologiaBase : public ::testing::Test, protected ConduccionVentana {
protected:
    explicit FixtureTipologiaBase(PreparacionTipologia p) : p_(std::move(p)) {}
    void SetUp() override;
    void TearDown() override;

    // Shows the window (loading it when needed) and makes it the active window.
    void Abrir();
    // Selects the entry of a list whose text is exactly `item`, as a click on it does.
    void Elegir(const QString& combo, const QString& item);
    // Writes the text into the box and leaves it for the description button (its leaving
    // handler runs).
    void Teclear(const QString& caja, const QString& texto);
    // A mouse click on the control (options and check boxes on their mark).
    void Pulsar(const QString& nombre);
    // PRUEBA, the street and the portal.
    void Localizar(const QString& calle, const QString& portal);
    // The municipality and, when given, the industrial zone chosen from their lists (windows
    // located by industrial zone: cmbpNmun, cmbpNnui).
    void LocalizarZona(const QString& municipio, const QString& zona = QString());

    // The age boxes: the years typed when `anos` is given; the age by construction date (its
    // option, then the date typed) when `construida` is given.
    void Antiguedad(const char* anos, const char* construida = nullptr);

    // The message boxes shown since the last MsgBoxSeam::Clear.
    static QList<ShownMessage> Mensajes();
    // Exactly one message box was shown, with this text, style and title; a failure lists the
    // messages shown.
    static ::testing::AssertionResult UnMensaje(const QString& texto, int estilo, const QString& titulo);
    // Prints the window's report into `pdf` with the print button: no message, and the file is
    // there.
    void ImprimirEn(const QString& pdf);

    DemoDatabaseCopy db_;

    // True: the copy is emptied to its schema before the fixture's rows are run, so the rows
    // (settings row included) are all the data there is.
    virtual bool SoloEsquema() const { return false; }

private:
    // Keeps the typology's window as the fixture's window type; false when it is another.
    virtual bool TomarVentana(Form* form) = 0;

    PreparacionTipologia p_;
    Form* form_ = nullptr;
};

// The fixture for the typology window of class W (Tipologia1, Tipologia2...).
template <class W>
class FixtureTipologia : public FixtureTipologiaBase {
protected:
    using FixtureTipologiaBase::FixtureTipologiaBase;
    W& V() const { return *ventana_; }

    W* ventana_ = nullptr;

private:
    bool TomarVentana(Form* form) override
    {
        ventana_ = dynamic_cast<W*>(form);
        return ventana_ != nullptr;
    }
};
