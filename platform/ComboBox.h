#pragma once
// Editable combo box with item data and a tag; Click on every selection (user or code),
// Change on typed text.
#include <QComboBox>
#include <QString>

class ComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit ComboBox(QWidget* parent = nullptr);

    // Appends an item; adding to an empty combo selects nothing and raises nothing.
    void AddItem(const QString& text);
    // Removes every item and the text; raises nothing.
    void Clear();
    int ListCount() const;
    QString List(int i) const;
    long ItemData(int i) const;
    void SetItemData(int i, long v);
    // Selected item, -1 when none or when the text was typed.
    int ListIndex() const;
    // Selects item i (-1: none); raises Click before returning when an item gets selected.
    void SetListIndex(int i);
    QString Text() const;
    // Sets the edit text; ListIndex becomes -1 unless it is exactly the selected item's text.
    void SetText(const QString& t);
    QString Tag() const;
    void SetTag(const QString& t);
    // Opens the drop-down list.
    void ShowDropDown();

signals:
    void Click();
    void Change();

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void onIndexChanged(int i);
    void onTextEdited(const QString& t);

    int listIndex_ = -1;
    bool quiet_ = false;
    QString tag_;
};
