#include "platform/Option.h"

namespace {

// Only the chosen option of an array is a tab stop; with none chosen every option is one.
// Options that take no focus at all are left so.
void AjustarParadasTabulador(OptionButton* cambiada)
{
    QWidget* marco = cambiada->parentWidget();
    if (!marco || !cambiada->autoExclusive())
        return;
    const auto hermanas = marco->findChildren<OptionButton*>(QString(), Qt::FindDirectChildrenOnly);
    bool alguna = false;
    for (OptionButton* o : hermanas)
        alguna = alguna || (o->autoExclusive() && o->isChecked());
    for (OptionButton* o : hermanas) {
        if (!o->autoExclusive() || o->focusPolicy() == Qt::NoFocus)
            continue;
        o->setFocusPolicy(!alguna || o->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

}  // namespace

OptionButton::OptionButton(QWidget* parent) : OptionButton(QString(), parent) {}

OptionButton::OptionButton(const QString& caption, QWidget* parent) : QRadioButton(caption, parent)
{
    connect(
        this, &QAbstractButton::toggled, this,
        [this](bool on) {
            AjustarParadasTabulador(this);
            if (on)
                emit Click();
        },
        Qt::DirectConnection);
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
    AjustarParadasTabulador(this);
}

QString OptionButton::Tag() const { return tag_; }
void OptionButton::SetTag(const QString& t) { tag_ = t; }

CheckBox::CheckBox(QWidget* parent) : CheckBox(QString(), parent) {}

CheckBox::CheckBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent)
{
    connect(
        this, &QCheckBox::stateChanged, this, [this](int) { emit Click(); }, Qt::DirectConnection);
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
