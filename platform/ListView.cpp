#include "platform/ListView.h"

#include <QKeyEvent>

ListView::ListView(QWidget* parent) : QListWidget(parent)
{
    setViewMode(QListView::ListMode);
    setIconSize(QSize(16, 16));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* it) { emit ItemClick(row(it)); });
    connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem*) { emit DblClick(); });
}

void ListView::AddItem(const QString& key, const QString& text, const QIcon& icon)
{
    auto* it = new QListWidgetItem(icon, text, this);
    it->setData(Qt::UserRole, key);
}

void ListView::SetItemText(int i, const QString& text)
{
    if (QListWidgetItem* it = item(i))
        it->setText(text);
}

QString ListView::ItemKey(int i) const
{
    const QListWidgetItem* it = item(i);
    return it ? it->data(Qt::UserRole).toString() : QString();
}

int ListView::SelectedIndex() const
{
    const QList<QListWidgetItem*> sel = selectedItems();
    return sel.isEmpty() ? -1 : row(sel.first());
}

void ListView::SetSelectedIndex(int i)
{
    if (i < 0 || i >= count()) {
        clearSelection();
        return;
    }
    setCurrentRow(i);
    item(i)->setSelected(true);
    scrollToItem(item(i));
}

void ListView::keyPressEvent(QKeyEvent* e)
{
    const int before = currentRow();
    QListWidget::keyPressEvent(e);
    // Moving through the list with the keys selects as a click does.
    if (currentRow() != before && currentRow() >= 0)
        emit ItemClick(currentRow());
}
