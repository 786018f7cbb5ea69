#pragma once
// Description dialog: four free lines of at most 60 characters that describe the operation,
// kept in the record of the current typology.
#include <QStringList>

#include "platform/Form.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class Descripcion : public Form {
    Q_OBJECT
public:
    Descripcion();

    // Line box i (0 to 3); touching it loads the dialog (captions and position), as the
    // opening window expects before it fills the lines.
    QLineEdit* txtdes(int i);
    // What a typology window's AbrirDescripcion does: loads the dialog, puts the four lines
    // into its boxes (missing ones empty) and shows it modally; returns when it is closed.
    void AbrirCon(const QStringList& cuatroLineas);

    void Anadir_captions();
    // Stores the four lines into the record of the current typology and sets that window's
    // summary box to the first 30 characters of line 0.
    void GuardarDescripcion();
    void BorrarDescripcion();

protected:
    void Form_Load() override;
    void Form_KeyPress(int& keyAscii) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void cmdaceptar_Click();
    void cmdborrar_Click();
    void cmdcancelar_Click();

    QLineEdit* txtdes_[4] = {};
    QPushButton* cmdaceptar = nullptr;
    QPushButton* cmdborrar = nullptr;
    QPushButton* cmdcancelar = nullptr;
    QLabel* PicAceptar = nullptr;
    QLabel* PicBorrar = nullptr;
    QLabel* PicCancel = nullptr;
    QGroupBox* Frame1 = nullptr;
};

// The single description dialog.
Descripcion& TheDescripcion();
