#pragma once
// Option button and check box raising Click on every change, by the user or by code.
// Options of one array share a parent frame, so that they are exclusive.
#include <QCheckBox>
#include <QRadioButton>
#include <QString>

class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    explicit OptionButton(QWidget* parent = nullptr);
    explicit OptionButton(const QString& caption, QWidget* parent = nullptr);

    bool Value() const;
    // Setting true raises Click before returning (and clears the other options of the frame).
    void SetValue(bool on);
    QString Tag() const;
    void SetTag(const QString& t);

signals:
    // Raised whenever the option becomes checked.
    void Click();

private:
    QString tag_;
};

class CheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit CheckBox(QWidget* parent = nullptr);
    explicit CheckBox(const QString& caption, QWidget* parent = nullptr);

    // 0 unchecked, 1 checked.
    int Value() const;
    void SetValue(int v);
    QString Tag() const;
    void SetTag(const QString& t);

signals:
    // Raised whenever the value changes.
    void Click();

private:
    QString tag_;
};
