#include "platform/ComboBox.h"

#include <QAbstractItemView>
#include <QAbstractListModel>
#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

// Keys that reach the open list: those that edit or leave the text go on to the combo as with
// the list closed (Tab and Enter after closing the list and choosing the entry the arrows
// moved to); the arrows, the page keys and Escape stay with the list.
class DropDownKeys : public QObject {
public:
    explicit DropDownKeys(ComboBox* combo) : QObject(combo), combo_(combo) {}

    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress || !combo_->lineEdit())
            return false;
        auto* k = static_cast<QKeyEvent*>(e);
        switch (k->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Escape:
            return false;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            // Leaving the list: it closes, the entry moved to becomes the selection (Click),
            // and the key acts on the text (Tab moves on; the window may take Enter as Tab).
            const QModelIndex highlighted = combo_->view()->currentIndex();
            combo_->hidePopup();
            if (highlighted.isValid() && highlighted.row() != combo_->ListIndex())
                combo_->SetListIndex(highlighted.row());
            break;
        }
        default:
            if (k->text().isEmpty() && k->key() != Qt::Key_Left && k->key() != Qt::Key_Right &&
                k->key() != Qt::Key_Home && k->key() != Qt::Key_End && k->key() != Qt::Key_Delete)
                return false;
            break;
        }
        // Delivered to the combo, as a key with the list closed is: the combo hands it to its
        // text, and the window sees it once.
        QKeyEvent copy(k->type(), k->key(), k->modifiers(), k->text(), k->isAutoRepeat(), k->count());
        QCoreApplication::sendEvent(combo_, &copy);
        return true;
    }

private:
    ComboBox* combo_;
};

}  // namespace

// The entries of the list: a text and a whole number (item data) each, in two arrays. A list
// of tens of thousands of streets is filled in one step (AddItems) without an object per
// entry; what QComboBox asks of its model one entry at a time (insert, remove, set a role)
// works as well.
class ListaCombo : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : int(textos_.size());
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || index.row() >= textos_.size())
            return QVariant();
        switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return textos_[index.row()];
        case Qt::UserRole:
            return datos_[index.row()];
        default:
            return QVariant();
        }
    }

    bool setData(const QModelIndex& index, const QVariant& value, int role) override
    {
        if (!index.isValid() || index.row() >= textos_.size())
            return false;
        switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            textos_[index.row()] = value.toString();
            break;
        case Qt::UserRole:
            datos_[index.row()] = value.toLongLong();
            break;
        default:
            return false;
        }
        emit dataChanged(index, index, {role});
        return true;
    }

    bool setItemData(const QModelIndex& index, const QMap<int, QVariant>& roles) override
    {
        bool bien = true;
        for (auto it = roles.cbegin(); it != roles.cend(); ++it)
            bien = setData(index, it.value(), it.key()) && bien;
        return bien;
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
    }

    bool insertRows(int row, int count, const QModelIndex& parent = QModelIndex()) override
    {
        if (parent.isValid() || row < 0 || row > textos_.size() || count <= 0)
            return false;
        beginInsertRows(QModelIndex(), row, row + count - 1);
        textos_.insert(row, count, QString());
        datos_.insert(row, count, 0);
        endInsertRows();
        return true;
    }

    bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override
    {
        if (parent.isValid() || row < 0 || count <= 0 || row + count > textos_.size())
            return false;
        beginRemoveRows(QModelIndex(), row, row + count - 1);
        textos_.remove(row, count);
        datos_.remove(row, count);
        endRemoveRows();
        return true;
    }

    // Text and item data of entry i, read without a QVariant (the window searches lists of
    // tens of thousands of streets entry by entry); out of range: empty text, 0.
    QString Texto(int i) const { return i >= 0 && i < textos_.size() ? textos_[i] : QString(); }
    qlonglong Dato(int i) const { return i >= 0 && i < datos_.size() ? datos_[i] : 0; }

    // Appends entries in one step.
    void Anadir(const QStringList& textos, const QList<long>& datos)
    {
        const int desde = int(textos_.size());
        beginInsertRows(QModelIndex(), desde, desde + int(textos.size()) - 1);
        textos_.append(textos);
        datos_.reserve(textos_.size());
        for (int k = 0; k < textos.size(); ++k)
            datos_.append(k < datos.size() ? datos[k] : 0);
        endInsertRows();
    }

private:
    QStringList textos_;
    QList<qlonglong> datos_;
};

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent)
{
    lista_ = new ListaCombo(this);
    setModel(lista_);
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

void ComboBox::AddItems(const QStringList& texts, const QList<long>& data)
{
    if (texts.isEmpty())
        return;
    const int before = currentIndex();
    const QString shown = currentText();
    quiet_ = true;
    lista_->Anadir(texts, data);
    // As with AddItem: a combo that gets its first items keeps no selection and its text.
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
QString ComboBox::List(int i) const { return lista_->Texto(i); }
long ComboBox::ItemData(int i) const { return static_cast<long>(lista_->Dato(i)); }
void ComboBox::SetItemData(int i, long v) { setItemData(i, QVariant::fromValue<qlonglong>(v), Qt::UserRole); }
int ComboBox::ListIndex() const { return currentIndex(); }

void ComboBox::SetListIndex(int i)
{
    if (i < -1 || i >= count())
        return;
    setCurrentIndex(i);  // raises Click through currentIndexChanged when it changes
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
void ComboBox::ShowDropDown()
{
    if (!view()->isVisible())
        showPopup();
}

void ComboBox::showPopup()
{
    if (!popupKeysForwarded_) {
        // The list and its popup frame exist once view() was asked for.
        auto* keys = new DropDownKeys(this);
        view()->installEventFilter(keys);
        view()->window()->installEventFilter(keys);
        popupKeysForwarded_ = true;
    }
    // Opening the list keeps the text's selection and cursor: a key typed into a selected
    // text replaces it, as with the list closed.
    QLineEdit* edit = lineEdit();
    const int start = edit->selectionStart(), length = edit->selectionLength();
    const int cursor = edit->cursorPosition();
    QComboBox::showPopup();
    if (length > 0) {
        if (cursor == start)
            edit->setSelection(start + length, -length);
        else
            edit->setSelection(start, length);
    } else {
        edit->setCursorPosition(cursor);
    }
}

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
    // Typed text highlights no entry of the list either: Tab or Enter keep the text.
    if (view()->selectionModel())
        view()->selectionModel()->clear();
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
