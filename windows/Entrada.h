#pragma once
// Start window: the issuing authority and the two taxes, the language and currency of the
// work (written to the settings at once), the way on to the selection panel, help and exit.
#include <QString>
#include <functional>

#include "platform/Form.h"

class OptionButton;
class QGroupBox;
class QLabel;
class QPushButton;

class Entrada : public Form {
    Q_OBJECT
public:
    Entrada();

    // Sets every caption from the string table in the current language.
    void Anadir_captions();
    // Sets the language and currency options from the settings.
    void InicializaDatos();

    // What ending the program does once the window has released the globals (the
    // application's exit by default; tests put a recorder in its place).
    static void SetProgramEndHandler(std::function<void()> h);

protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    void Form_KeyPress(int& keyAscii) override;

private:
    void OptIdi_Click(int index);
    void OptMon_Click(int index);
    void CmdContinuar_Click();
    void cmdayuda_Click();
    void cmdsalir_Click();

    OptionButton* OptIdi[2] = {};
    OptionButton* OptMon[2] = {};
    QPushButton* CmdContinuar = nullptr;
    QPushButton* cmdayuda = nullptr;
    QPushButton* cmdsalir = nullptr;
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QLabel* Label[19] = {};  // Label1 to Label18 at their own numbers
    QLabel* Image1 = nullptr;
};

// The single start window.
Entrada& TheEntrada();
