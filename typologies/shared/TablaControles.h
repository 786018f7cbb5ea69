#pragma once
// The table of a typology window's controls at work (ParametrosVentana): the captions, the
// money patterns of the record's currency, the boxes redrawn from the record by their rule,
// the option pairs shown from record codes, and the display boxes that store their text back
// into the record. Checked against the window's controls and record before anything else is
// connected.
#include <QString>

#include "typologies/shared/Parte.h"

class QLineEdit;

class TablaControles : public ParteVentana {
public:
    explicit TablaControles(AnfitrionParte& ventana);

    // Every control and record code the table names exists: a std::logic_error naming the
    // window and the first that does not.
    void Comprobar() const;
    // Connects the display boxes that store their text; plain display text boxes (and the
    // summary box, where the window says so) pass the focus on when entered.
    void Conectar();

    // The captions of the current language (Anadir_captions).
    void Rotular();
    // The money patterns of a currency ("P" pesetas, else euros).
    void FormatosMoneda(const QString& moneda);
    // The boxes from the record, in the table's order and by each box's rule.
    void PresentaCajas();
    // An option pair from its record code (nothing for a pair the table does not name).
    void PresentaOpcion(const QString& grupo);
    // A write of the text a storing box already shows is still a change: it stores it again.
    void GuardarOtraVez(QLineEdit* caja);

private:
    void GuardarCaja(const CajaQueGuarda& c);

    AnfitrionParte& v_;
};
