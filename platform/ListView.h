#pragma once
// List of items with small icons, one per line.
#include <QIcon>
#include <QListWidget>
#include <QString>

class ListView : public QListWidget {
    Q_OBJECT
public:
    explicit ListView(QWidget* parent = nullptr);

    void AddItem(const QString& key, const QString& text, const QIcon& icon);
    void SetItemText(int i, const QString& text);
    QString ItemKey(int i) const;
    // Selected item, -1 when none.
    int SelectedIndex() const;
    void SetSelectedIndex(int i);

signals:
    // An item clicked by the user, or reached with the arrow keys (its index).
    void ItemClick(int index);
    // An item double-clicked.
    void DblClick();

protected:
    void keyPressEvent(QKeyEvent* e) override;
};
