#pragma once
// Editable combo box with item data and a tag; Click on every selection (user or code),
// Change on typed text. Its drop-down list never takes the typing away from the text: while
// the list is open, the keys that edit the text go on into it, and Tab or Enter close the
// list (choosing the entry the arrows moved to) and then act on the text as with the list
// closed; the arrows, the page keys and Escape stay with the list.
#include <QComboBox>
#include <QList>
#include <QString>
#include <QStringList>

class ListaCombo;

class ComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit ComboBox(QWidget* parent = nullptr);

    // Appends an item; adding to an empty combo selects nothing and raises nothing.
    void AddItem(const QString& text);
    // Appends items with their item data (data[k] for texts[k]; missing data is 0) in one
    // step: as AddItem for each, but the list is told once, so that a list of tens of
    // thousands of entries fills in a few milliseconds.
    void AddItems(const QStringList& texts, const QList<long>& data);
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
    // Opens the drop-down list (nothing when it is open already).
    void ShowDropDown();
    void showPopup() override;

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
    bool popupKeysForwarded_ = false;  // the list's key filter is installed
    QString tag_;
    ListaCombo* lista_ = nullptr;
};
