#include "platform/CajaNum.h"

#include "platform/NumberFormat.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPalette>
#include <QTimer>
#include <QValidator>

namespace {

// Accepts an empty text or digits with at most `enteros` integer and `decimales` decimal
// digits, the regional decimal character (only when decimales > 0) and grouping characters
// in the integer part. A box whose pattern never groups ("###", "##0.00") drops grouping
// characters, as typing does: a pasted "7.01" would read as 7 up to its first non-digit and
// as 701 as a regional number.
class DigitsValidator : public QValidator {
public:
    DigitsValidator(const CajaNum* box, QObject* parent) : QValidator(parent), box_(box) {}

    State validate(QString& input, int& pos) const override
    {
        const QChar dec = DecimalSeparator();
        const QChar grp = GroupSeparator();
        const QString formato = box_->formato();
        if (!formato.isEmpty() && !formato.contains(QLatin1Char(',')) && input.contains(grp)) {
            pos -= static_cast<int>(input.left(pos).count(grp));
            input.remove(grp);
        }
        int intDigits = 0, decDigits = 0;
        bool inDecimals = false;
        for (QChar c : input) {
            if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
                (inDecimals ? decDigits : intDigits)++;
            } else if (c == dec && !inDecimals) {
                if (box_->decimales() <= 0)
                    return Invalid;
                inDecimals = true;
            } else if (c == grp && !inDecimals) {
                continue;
            } else {
                return Invalid;
            }
        }
        if (box_->enteros() > 0 && intDigits > box_->enteros())
            return Invalid;
        if (decDigits > box_->decimales())
            return Invalid;
        return Acceptable;
    }

private:
    const CajaNum* box_;
};

}  // namespace

CajaNum::CajaNum(QWidget* parent) : QLineEdit(parent)
{
    setValidator(new DigitsValidator(this, this));
    connect(
        this, &QLineEdit::textChanged, this,
        [this] {
            if (!writing_)
                emit Change();
        },
        Qt::DirectConnection);
}

QString CajaNum::texto() const { return text(); }

void CajaNum::setTexto(const QString& t)
{
    writing_ = true;
    setText(t);
    writing_ = false;
    emit Change();
}

QString CajaNum::valor() const { return valor_; }
void CajaNum::setValor(const QString& v) { valor_ = v; }
QString CajaNum::formato() const { return formato_; }
void CajaNum::setFormato(const QString& f) { formato_ = f; }
int CajaNum::enteros() const { return enteros_; }
void CajaNum::setEnteros(int n) { enteros_ = n; }
int CajaNum::decimales() const { return decimales_; }
void CajaNum::setDecimales(int n) { decimales_ = n < 0 ? 0 : n; }
bool CajaNum::locked() const { return locked_; }

void CajaNum::setLocked(bool on)
{
    locked_ = on;
    setReadOnly(on);
    // A click still gives a display box the focus (so the box being left is checked, as on
    // Tab); Tab passes it by.
    setFocusPolicy(on ? Qt::ClickFocus : Qt::StrongFocus);
    if (on)
        setBackcolor(QColor(224, 224, 224));
}

QColor CajaNum::backcolor() const { return backcolor_.isValid() ? backcolor_ : palette().color(QPalette::Base); }

void CajaNum::setBackcolor(const QColor& c)
{
    backcolor_ = c;
    QPalette p = palette();
    p.setColor(QPalette::Base, c);
    p.setColor(QPalette::Window, c);
    setPalette(p);
}

bool CajaNum::fontbold() const { return font().bold(); }

void CajaNum::setFontbold(bool on)
{
    QFont f = font();
    f.setBold(on);
    setFont(f);
}

void CajaNum::focusInEvent(QFocusEvent* e)
{
    QLineEdit::focusInEvent(e);
    if (locked_) {
        // A display box is never the place to type: the focus goes on to the next control.
        // After a click it goes on once the window has heard of the focus coming here, so
        // the box being left runs its check first; a check that takes the focus back keeps it.
        if (e->reason() == Qt::MouseFocusReason)
            QTimer::singleShot(0, this, [this] {
                if (hasFocus())
                    focusNextPrevChild(true);
            });
        else
            focusNextPrevChild(e->reason() != Qt::BacktabFocusReason);
        return;
    }
    selectAll();
    selectOnPress_ = e->reason() == Qt::MouseFocusReason;
}

void CajaNum::mousePressEvent(QMouseEvent* e)
{
    QLineEdit::mousePressEvent(e);
    if (selectOnPress_) {
        selectOnPress_ = false;
        selectAll();
    }
}

void CajaNum::keyPressEvent(QKeyEvent* e)
{
    // The keypad's decimal key types the regional decimal character.
    if ((e->modifiers() & Qt::KeypadModifier) && (e->key() == Qt::Key_Period || e->key() == Qt::Key_Comma) &&
        e->text() != QString(DecimalSeparator())) {
        QKeyEvent regional(e->type(), e->key(), e->modifiers(), QString(DecimalSeparator()));
        QLineEdit::keyPressEvent(&regional);
        e->setAccepted(regional.isAccepted());
        return;
    }
    // Grouping characters come from formatted writes only; typed, they would silently
    // change the number ("1.5" read as 15), so they are ignored.
    if (!isReadOnly() && e->text() == QString(GroupSeparator())) {
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
}
