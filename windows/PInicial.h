#pragma once
// Selection panel: the allowed range of valuation dates and the default valuation date of the
// settings (editable, stored at once), the list of the nine typologies that opens the window
// of the chosen one, the emptying of the nine records, help, and the way back.
#include <QPixmap>
#include <QString>

#include "platform/Form.h"

class ListView;
class MaskEdBox;
class QGroupBox;
class QLabel;
class QPushButton;

class PInicial : public Form {
    Q_OBJECT
public:
    PInicial();

    // The panel's emblem; the printed reports draw this same picture.
    QPixmap Image1Picture() const;

    void Anadir_captions();
    void CargarListaTipologias();
    void InicializaDatos();
    void PresentaDatos();
    // True when sFecha is a date of the current language inside the shown range; otherwise it
    // has told the user why.
    bool ValidarFecha(const QString& sFecha);
    // Checks the date box; stores an accepted date that differs from the settings.
    bool ComprobarFecha();

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Resize() override;
    void Form_KeyPress(int& keyAscii) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void CmdValorar_Click();
    void cmdlimpiar_Click();
    void cmdsalir_Click();
    void cmdayuda_Click();
    void txtpfecv_LostFocus();
    void FormatosFecha();
    void ValoracionPorDefecto();
    void LeerRango(int32_t& fecmin, int32_t& fecmax) const;
    bool HayRango() const;
    void SinRango();
    void AjustarAlIdioma();

    ListView* ListTipo = nullptr;
    MaskEdBox* txtpfecv = nullptr;
    MaskEdBox* txtpdesde = nullptr;
    MaskEdBox* txtphasta = nullptr;
    QPushButton* CmdValorar = nullptr;
    QPushButton* cmdlimpiar = nullptr;
    QPushButton* cmdsalir = nullptr;
    QPushButton* cmdayuda = nullptr;
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QLabel* Label[10] = {};  // Label1 to Label9 at their own numbers
    QLabel* Image1 = nullptr;

    bool bValidar = true;
    bool bListaSinPulsar = true;
    bool bReenfocar = false;
    // The date box was last left without its check (for "Limpiar Datos" or "Panel Anterior").
    bool fechaSinComprobar_ = false;
    // Language offset the captions, list texts and date masks were last set in.
    int idiomaMostrado_ = -1;
    // With no allowed range in the tables the user is told once per load.
    bool sinRangoAvisado_ = false;
};

// The single selection panel.
PInicial& ThePInicial();
