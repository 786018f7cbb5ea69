#include "platform/Option.h"

OptionButton::OptionButton(QWidget* parent)
    : OptionButton(QString(), parent)
{
}

OptionButton::OptionButton(const QString& caption, QWidget* parent)
    : QRadioButton(caption, parent)
{
    connect(this, &QAbstractButton::toggled, this, [this](bool on) {
        if (on)
            emit Click();
    }, Qt::DirectConnection);
}

bool OptionButton::Value() const { return isChecked(); }

void OptionButton::SetValue(bool on)
{
    if (on || !isChecked()) {
        setChecked(on);
        return;
    }
    // An exclusive option refuses to be unchecked directly; the program may clear it.
    const bool exclusive = autoExclusive();
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(exclusive);
}

QString OptionButton::Tag() const { return tag_; }
void OptionButton::SetTag(const QString& t) { tag_ = t; }

CheckBox::CheckBox(QWidget* parent)
    : CheckBox(QString(), parent)
{
}

CheckBox::CheckBox(const QString& caption, QWidget* parent)
    : QCheckBox(caption, parent)
{
    connect(this, &QCheckBox::stateChanged, this, [this](int) { emit Click(); }, Qt::DirectConnection);
}

int CheckBox::Value() const
{
    switch (checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    default:
        return 0;
    }
}

void CheckBox::SetValue(int v)
{
    if (v == 2) {
        setTristate(true);
        setCheckState(Qt::PartiallyChecked);
    } else {
        setCheckState(v != 0 ? Qt::Checked : Qt::Unchecked);
    }
}

QString CheckBox::Tag() const { return tag_; }
void CheckBox::SetTag(const QString& t) { tag_ = t; }
