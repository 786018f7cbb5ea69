#pragma once
// How the selection panel and the description dialog reach the window of typology N without
// knowing its class: a factory is registered under each number (the program's windows in
// app/Tipologias.cpp, at start-up).
#include <QString>
#include <functional>

class Form;

class IVentanaTipologia {
public:
    virtual ~IVentanaTipologia() = default;
    // The window itself: shown modally by the panel with form()->Show(true); its position
    // (LeftTwips/TopTwips) places the description dialog.
    virtual Form* form() = 0;
    // Sets the text of the window's one-line description summary box `txtdescrip`.
    virtual void SetTxtDescrip(const QString& texto) = 0;
};

// Registers the factory of the window of typology n (1 to 9); a later registration of the same
// number replaces the earlier one (and forgets an instance made by it).
void RegistrarVentanaTipologia(int n, std::function<IVentanaTipologia*()> crear);
// The single window of typology n, created on the first call; nullptr when no window is
// registered for n.
IVentanaTipologia* VentanaTipologia(int n);
// True when a window is registered for n (nothing is created).
bool HayVentanaTipologia(int n);
