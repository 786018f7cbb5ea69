#pragma once
// Numeric box: a line edit holding an empty text or a number in the regional format with
// at most `enteros` integer and `decimales` decimal digits.
#include <QColor>
#include <QLineEdit>
#include <QString>

class CajaNum : public QLineEdit {
    Q_OBJECT
public:
    explicit CajaNum(QWidget* parent = nullptr);

    // The shown text. Every write emits Change before returning, even of the same text.
    QString texto() const;
    void setTexto(const QString& t);
    // Reset value: stored only.
    QString valor() const;
    void setValor(const QString& v);
    // Display pattern: stored, read by the windows before formatting.
    QString formato() const;
    void setFormato(const QString& f);
    // Digit counts enforced while typing (decimales 0: no decimal part; enteros 0: no limit).
    int enteros() const;
    void setEnteros(int n);
    int decimales() const;
    void setDecimales(int n);
    // Locked display box: read-only, out of the tab order, passes the focus on when entered
    // (by a click too).
    bool locked() const;
    void setLocked(bool on);
    QColor backcolor() const;
    void setBackcolor(const QColor& c);
    bool fontbold() const;
    void setFontbold(bool on);

signals:
    // Raised on every change of the text: typed or written through setTexto.
    void Change();

protected:
    void focusInEvent(QFocusEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    bool writing_ = false;

    QString valor_;
    QString formato_;
    int enteros_ = 9;
    int decimales_ = 0;
    bool locked_ = false;
    QColor backcolor_;
    bool selectOnPress_ = false;
};
