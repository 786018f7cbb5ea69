#include "platform/MaskEdBox.h"

#include <QFocusEvent>

namespace {

const QChar kBlank = QLatin1Char('_');

// "##/##/####" -> "99/99/9999;_": every '#' an optional digit, the rest literal.
QString qtMask(const QString& mask)
{
    QString out;
    for (QChar c : mask) {
        if (c == QLatin1Char('#'))
            out += QLatin1Char('9');
        else if (QStringLiteral("AaNnXx90Dd#HhBb><!{}[]\\").contains(c))
            out += QLatin1Char('\\') + QString(c);
        else
            out += c;
    }
    return out + QLatin1Char(';') + kBlank;
}

}  // namespace

MaskEdBox::MaskEdBox(QWidget* parent) : QLineEdit(parent) {}

QString MaskEdBox::Text() const
{
    if (mask_.isEmpty())
        return text();
    // Digit places left empty read as the blank ('_'), as the box shows them.
    QString shown = displayText();
    QString out;
    for (int i = 0; i < mask_.size(); ++i) {
        const QChar m = mask_.at(i);
        const QChar c = i < shown.size() ? shown.at(i) : kBlank;
        if (m == QLatin1Char('#'))
            out += (c.isDigit() ? c : kBlank);
        else
            out += m;
    }
    return out;
}

void MaskEdBox::SetText(const QString& t)
{
    if (mask_.isEmpty()) {
        setText(t);
    } else {
        // Blanks and spaces are empty places; the text is laid on the mask place by place.
        QString filled;
        for (int i = 0; i < mask_.size(); ++i) {
            const QChar m = mask_.at(i);
            const QChar c = i < t.size() ? t.at(i) : QLatin1Char(' ');
            if (m == QLatin1Char('#'))
                filled += (c.isDigit() ? c : QLatin1Char(' '));
            else
                filled += m;
        }
        setText(filled);
    }
    setCursorPosition(0);
}

QString MaskEdBox::Mask() const { return mask_; }

void MaskEdBox::SetMask(const QString& mask)
{
    if (mask == mask_)
        return;  // the same mask again keeps the date
    mask_ = mask;
    setInputMask(mask.isEmpty() ? QString() : qtMask(mask));
    if (!mask.isEmpty())
        SetText(QString());  // a new mask starts empty
    setCursorPosition(0);
}

QString MaskEdBox::Format() const { return format_; }
void MaskEdBox::SetFormat(const QString& f) { format_ = f; }

void MaskEdBox::focusInEvent(QFocusEvent* e)
{
    QLineEdit::focusInEvent(e);
    selectAll();
    selectOnPress_ = e->reason() == Qt::MouseFocusReason;
}

void MaskEdBox::mousePressEvent(QMouseEvent* e)
{
    QLineEdit::mousePressEvent(e);
    if (selectOnPress_) {
        selectOnPress_ = false;
        selectAll();
    }
}
