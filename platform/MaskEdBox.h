#pragma once
// Masked date box: a line edit with a mask ("##/##/####" or "####/##/##") whose blank is '_'.
#include <QLineEdit>
#include <QString>

class MaskEdBox : public QLineEdit {
    Q_OBJECT
public:
    explicit MaskEdBox(QWidget* parent = nullptr);

    // The shown text with '_' in every empty digit place ("__/__/____" when empty).
    QString Text() const;
    // Accepts a date text of the mask or the empty-mask text.
    void SetText(const QString& t);
    void setText_(const QString& t) { SetText(t); }
    QString Mask() const;
    void SetMask(const QString& mask);
    // Display format ("dd/mm/yyyy"): stored only.
    QString Format() const;
    void SetFormat(const QString& f);

protected:
    void focusInEvent(QFocusEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    QString mask_;
    QString format_;
    bool selectOnPress_ = false;
};
