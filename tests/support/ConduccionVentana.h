#pragma once
// Drives a window through its controls by name, as a user would: reads what a control shows,
// picks a list entry, types into a box and leaves it, clicks a button or an option.
#include <QString>
#include <QStringList>
#include <QWidget>

#include "tests/support/WindowTestKit.h"

class ConduccionVentana {
public:
    explicit ConduccionVentana(QWidget* ventana = nullptr) : ventana_(ventana) {}
    void Ventana(QWidget* ventana) { ventana_ = ventana; }

    QWidget* C(const QString& nombre) const { return FindControl(ventana_, nombre); }
    template <class T>
    T* C(const QString& nombre) const
    {
        return qobject_cast<T*>(C(nombre));
    }
    // The text a control shows (numeric box, date box, combo, line edit; a label, frame or
    // button its caption; the window itself its title); a marker text when the window has no
    // such control.
    QString T(const QString& nombre) const;
    // The entries of a list, in order (empty when there is no such list).
    QStringList Lista(const QString& combo) const;

    // Selects the entry of a list whose text is exactly `item`, as a click on it does; false
    // when the list or the entry is missing.
    bool Elegir(const QString& combo, const QString& item);
    // Enters the box, writes the text and leaves it for `salida` (its leaving handler runs).
    void Teclear(const QString& caja, const QString& texto, const QString& salida);
    // A mouse click on the control (options and check boxes on their mark).
    void Pulsar(const QString& nombre);

private:
    QWidget* ventana_;
};
