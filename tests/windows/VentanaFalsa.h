#pragma once
// A stand-in typology window for the panel and dialog tests: it notes how it was shown and
// what summary it was given, and (when asked) closes itself as soon as it is shown modally.
#include <QTimer>

#include "core/Globals.h"
#include "platform/Form.h"
#include "windows/VentanaTipologia.h"

class VentanaFalsa : public Form, public IVentanaTipologia {
public:
    explicit VentanaFalsa(int n) : Form(QStringLiteral("Tipologia%1").arg(n)) { resize(320, 200); }
    Form* form() override { return this; }
    void SetTxtDescrip(const QString& t) override
    {
        txtdescrip = t;
        ++resumenes;
    }

    bool cerrarAlMostrar = true;
    int mostrada = 0;
    bool modal = false;
    QString txtdescrip;
    int resumenes = 0;

protected:
    void showEvent(QShowEvent* e) override
    {
        Form::showEvent(e);
        ++mostrada;
        if (cerrarAlMostrar)
            QTimer::singleShot(0, this, [this] {
                modal = IsShownModal();
                Hide();
            });
    }
};

// Registers a stand-in window for each of the nine typologies; the array keeps them.
inline void RegistrarVentanasFalsas(VentanaFalsa* (&ventanas)[10])
{
    for (int n = 1; n <= 9; ++n) {
        if (!ventanas[n])
            ventanas[n] = new VentanaFalsa(n);
        VentanaFalsa* v = ventanas[n];
        RegistrarVentanaTipologia(n, [v] { return v; });
    }
}
