#include "platform/ComboBox.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>

ComboBox::ComboBox(QWidget* parent)
    : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setMaxVisibleItems(12);
    connect(this, &QComboBox::currentIndexChanged, this, &ComboBox::onIndexChanged, Qt::DirectConnection);
    connect(lineEdit(), &QLineEdit::textEdited, this, &ComboBox::onTextEdited, Qt::DirectConnection);
}

void ComboBox::AddItem(const QString& text)
{
    const int before = currentIndex();
    const QString shown = currentText();
    quiet_ = true;
    addItem(text);
    // A combo that gets its first item keeps no selection and its text.
    if (currentIndex() != before) {
        setCurrentIndex(before);
        lineEdit()->setText(shown);
    }
    quiet_ = false;
}

void ComboBox::Clear()
{
    quiet_ = true;
    clear();
    clearEditText();
    quiet_ = false;
}

int ComboBox::ListCount() const { return count(); }
QString ComboBox::List(int i) const { return itemText(i); }
long ComboBox::ItemData(int i) const { return static_cast<long>(itemData(i, Qt::UserRole).toLongLong()); }
void ComboBox::SetItemData(int i, long v) { setItemData(i, QVariant::fromValue<qlonglong>(v), Qt::UserRole); }
int ComboBox::ListIndex() const { return currentIndex(); }

void ComboBox::SetListIndex(int i)
{
    if (i < -1 || i >= count())
        return;
    setCurrentIndex(i); // raises Click through currentIndexChanged when it changes
    if (i == -1)
        clearEditText();
}

QString ComboBox::Text() const { return currentText(); }

void ComboBox::SetText(const QString& t)
{
    if (currentIndex() >= 0 && itemText(currentIndex()) == t) {
        setEditText(t);
        return;
    }
    quiet_ = true;
    setCurrentIndex(-1);
    quiet_ = false;
    lineEdit()->setText(t);
}

QString ComboBox::Tag() const { return tag_; }
void ComboBox::SetTag(const QString& t) { tag_ = t; }
void ComboBox::ShowDropDown() { showPopup(); }

void ComboBox::onIndexChanged(int i)
{
    listIndex_ = i;
    if (!quiet_ && i >= 0)
        emit Click();
}

void ComboBox::onTextEdited(const QString& t)
{
    // Typed text selects no item: the selection goes, the typed text stays.
    if (currentIndex() != -1) {
        const int pos = lineEdit()->cursorPosition();
        quiet_ = true;
        setCurrentIndex(-1);
        quiet_ = false;
        lineEdit()->setText(t);
        lineEdit()->setCursorPosition(pos);
    }
    emit Change();
}

void ComboBox::keyPressEvent(QKeyEvent* e)
{
    // Enter in the text never picks the item of that text (the window turns Enter into a
    // Tab); in the open list it still chooses the item under the cursor.
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && !view()->isVisible()) {
        e->ignore();
        return;
    }
    QComboBox::keyPressEvent(e);
}
