#include "platform/CajaNum.h"
#include "platform/ComboBox.h"
#include "platform/ListView.h"
#include "platform/MaskEdBox.h"
#include "platform/Option.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLineEdit>
#include <QPixmap>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

// A shown, active window holding the controls of a test.
struct Window {
    QWidget w;
    QVBoxLayout* layout = new QVBoxLayout(&w);

    template <class T>
    T* add(T* c)
    {
        layout->addWidget(c);
        return c;
    }

    bool show()
    {
        w.show();
        w.activateWindow();
        return QTest::qWaitForWindowActive(&w);
    }
};

}  // namespace

// ---- numeric box ----

TEST(CajaNum, EveryWriteRaisesChangeBeforeReturningEvenTheSameText)
{
    CajaNum box;
    QStringList seen;
    QObject::connect(&box, &CajaNum::Change, [&] { seen << box.texto(); });
    box.setTexto("12");
    ASSERT_EQ(seen, QStringList{"12"});
    box.setTexto("12");
    EXPECT_EQ(seen, (QStringList{"12", "12"}));
    box.setTexto("");
    EXPECT_EQ(seen, (QStringList{"12", "12", ""}));
}

TEST(CajaNum, TypingRaisesChangeAndKeepsTheDigitCounts)
{
    // clang-format off
    const struct {
        int enteros, decimales;
        const char* typed;
        const char* shown;
    } cases[] = {
        {3, 2, "12345", "123"},
        {3, 2, "12,345", "12,34"},
        {3, 2, ",5", ",5"},
        {3, 0, "1,5", "15"}, // no decimal part at all
        {5, 2, "1,2,3", "1,23"}, // one decimal character only
        {4, 2, "1.234", "1234"}, // grouping characters are not typed
        {4, 2, "a1-b2", "12"},
        {7, 4, "0,12345", "0,1234"},
    };
    // clang-format on
    for (const auto& c : cases) {
        Window win;
        CajaNum* box = win.add(new CajaNum);
        box->setEnteros(c.enteros);
        box->setDecimales(c.decimales);
        ASSERT_TRUE(win.show());
        box->setFocus();
        int changes = 0;
        QObject::connect(box, &CajaNum::Change, [&] { ++changes; });
        QTest::keyClicks(box, QString::fromUtf8(c.typed));
        EXPECT_EQ(box->texto(), QString::fromUtf8(c.shown)) << c.typed;
        EXPECT_EQ(changes, box->texto().size()) << c.typed;  // one Change per accepted key
    }
}

TEST(CajaNum, KeypadDecimalKeyTypesTheRegionalDecimal)
{
    Window win;
    CajaNum* box = win.add(new CajaNum);
    box->setDecimales(2);
    ASSERT_TRUE(win.show());
    box->setFocus();
    QTest::keyClick(box, '1');
    QTest::keyClick(box, Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClick(box, '5');
    EXPECT_EQ(box->texto(), "1,5");
}

TEST(CajaNum, AFormattedWriteCanBeEditedFurther)
{
    Window win;
    CajaNum* box = win.add(new CajaNum);
    box->setEnteros(7);
    box->setDecimales(2);
    ASSERT_TRUE(win.show());
    box->setTexto("1.234,5");  // written by the program with grouping
    box->setFocus();
    box->end(false);
    QTest::keyClick(box, '6');
    EXPECT_EQ(box->texto(), "1.234,56");
    QTest::keyClick(box, '7');  // a third decimal is refused
    EXPECT_EQ(box->texto(), "1.234,56");
}

// A pasted text loses its grouping characters in a box whose pattern never groups, as typed
// ones are lost; a grouping pattern keeps them.
TEST(CajaNum, PastedGroupingCharactersFollowThePattern)
{
    // clang-format off
    const struct {
        const char* formato;
        int enteros, decimales;
        const char* pegado;
        const char* shown;
    } cases[] = {
        {"###", 3, 0, "7.01", "701"},
        {"##0.00", 3, 2, "1.00", "100"},
        {"##0.00", 3, 2, "1.2,5", "12,5"},
        {"##,##0.00", 5, 2, "1.234,5", "1.234,5"},
        {"", 7, 2, "1.234,5", "1.234,5"},
    };
    // clang-format on
    for (const auto& c : cases) {
        Window win;
        CajaNum* box = win.add(new CajaNum);
        box->setFormato(c.formato);
        box->setEnteros(c.enteros);
        box->setDecimales(c.decimales);
        ASSERT_TRUE(win.show());
        box->setFocus();
        QApplication::clipboard()->setText(QString::fromUtf8(c.pegado));
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(box->texto(), QString::fromUtf8(c.shown)) << c.formato << " " << c.pegado;
    }
}

TEST(CajaNum, LockedDisplayBoxIsGreyReadOnlyAndPassesTheFocusOn)
{
    Window win;
    CajaNum* before = win.add(new CajaNum);
    CajaNum* display = win.add(new CajaNum);
    CajaNum* after = win.add(new CajaNum);
    display->setLocked(true);
    display->setTexto("1.000");
    ASSERT_TRUE(win.show());

    EXPECT_TRUE(display->isReadOnly());
    EXPECT_EQ(display->backcolor(), QColor(224, 224, 224));
    EXPECT_EQ(display->palette().color(QPalette::Base), QColor(224, 224, 224));

    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);  // the display box is not in the tab order
    EXPECT_EQ(QApplication::focusWidget(), after);

    display->setFocus();  // entered anyhow: the focus goes on
    EXPECT_EQ(QApplication::focusWidget(), after);
    QTest::keyClicks(display, "5");
    EXPECT_EQ(display->texto(), "1.000");
}

// A click on a display box moves the focus there first, so the box being left hears of it as
// on Tab, and may take the focus back; otherwise the display box passes it on.
TEST(CajaNum, AClickOnADisplayBoxLeavesTheBoxBeingEditedThenPassesTheFocusOn)
{
    for (bool retomar : {false, true}) {
        SCOPED_TRACE(retomar ? "the box left takes the focus back" : "the box left lets it go");
        QList<QWidget*> recorrido;
        Window win;
        CajaNum* before = win.add(new CajaNum);
        CajaNum* display = win.add(new CajaNum);
        CajaNum* after = win.add(new CajaNum);
        display->setLocked(true);
        display->setTexto("1.000");
        ASSERT_TRUE(win.show());
        before->setFocus();
        QObject vigia;  // ends the watch before the window closes, which moves the focus too
        QObject::connect(qApp, &QApplication::focusChanged, &vigia, [&](QWidget* old, QWidget* now) {
            recorrido << now;
            if (retomar && old == before)
                before->setFocus();
        });

        QTest::mouseClick(display, Qt::LeftButton, {}, display->rect().center());
        QApplication::processEvents();
        ASSERT_FALSE(recorrido.isEmpty());
        EXPECT_EQ(recorrido.first(), display);
        EXPECT_EQ(QApplication::focusWidget(), retomar ? before : after);
        QTest::keyClicks(display, "5");
        EXPECT_EQ(display->texto(), "1.000");
        EXPECT_EQ(display->focusPolicy() & Qt::TabFocus, 0);
    }
}

TEST(CajaNum, EnteringAnEditableBoxSelectsItsText)
{
    Window win;
    CajaNum* first = win.add(new CajaNum);
    CajaNum* box = win.add(new CajaNum);
    box->setTexto("125");
    ASSERT_TRUE(win.show());
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), box);
    EXPECT_EQ(box->selectedText(), "125");

    first->setFocus();
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(2, box->height() / 2));
    ASSERT_EQ(QApplication::focusWidget(), box);
    EXPECT_EQ(box->selectedText(), "125");
    QTest::keyClicks(box, "7");
    EXPECT_EQ(box->texto(), "7");
}

// ---- masked date box ----

TEST(MaskEdBox, EmptyBoxReadsAsItsMaskWithBlanks)
{
    MaskEdBox es, eu;
    es.SetMask("##/##/####");
    eu.SetMask("####/##/##");
    EXPECT_EQ(es.Text(), "__/__/____");
    EXPECT_EQ(eu.Text(), "____/__/__");
    EXPECT_EQ(es.text().remove(' '), "//");  // what the plain line edit would have given
}

TEST(MaskEdBox, WrittenTextsReadBack)
{
    // clang-format off
    const struct {
        const char* mask;
        const char* written;
        const char* read;
    } cases[] = {
        {"##/##/####", "12/03/2003", "12/03/2003"},
        {"##/##/####", "__/__/____", "__/__/____"},
        {"##/##/####", "", "__/__/____"},
        {"##/##/####", "12/__/2003", "12/__/2003"},
        {"####/##/##", "2003/03/12", "2003/03/12"},
        {"####/##/##", "____/__/__", "____/__/__"},
    };
    // clang-format on
    for (const auto& c : cases) {
        MaskEdBox box;
        box.SetMask(QString::fromUtf8(c.mask));
        box.SetText("01/01/1999");  // something to overwrite
        box.SetText(QString::fromUtf8(c.written));
        EXPECT_EQ(box.Text(), QString::fromUtf8(c.read)) << c.written;
    }
}

TEST(MaskEdBox, TypingIntoARefilledBoxStartsAtTheFirstPlace)
{
    Window win;
    QLineEdit* other = win.add(new QLineEdit);
    MaskEdBox* box = win.add(new MaskEdBox);
    box->SetMask("##/##/####");
    ASSERT_TRUE(win.show());

    box->SetText("12/03/2003");
    box->setFocus();
    QTest::keyClicks(box, "01012004");
    EXPECT_EQ(box->Text(), "01/01/2004");

    other->setFocus();
    box->SetText("__/__/____");
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 4, box->height() / 2));
    QTest::keyClicks(box, "31");
    EXPECT_EQ(box->Text(), "31/__/____");
}

// ---- combo box ----

namespace {
struct ComboFixture : ::testing::Test {
    ComboBox cmb;
    int clicks = 0;
    int changes = 0;
    QList<int> indexAtClick;
    void SetUp() override
    {
        QObject::connect(&cmb, &ComboBox::Click, [this] {
            ++clicks;
            indexAtClick << cmb.ListIndex();
        });
        QObject::connect(&cmb, &ComboBox::Change, [this] { ++changes; });
    }
};
}  // namespace

TEST_F(ComboFixture, FillingAnEmptyComboOrClearingItRaisesNothing)
{
    cmb.SetText("Bilbao");
    cmb.AddItem("Barakaldo");
    cmb.AddItem("Getxo");
    EXPECT_EQ(cmb.ListCount(), 2);
    EXPECT_EQ(cmb.ListIndex(), -1);
    EXPECT_EQ(cmb.Text(), "Bilbao");
    cmb.SetListIndex(1);
    cmb.Clear();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(cmb.ListCount(), 0);
    EXPECT_EQ(cmb.ListIndex(), -1);
    EXPECT_EQ(cmb.Text(), "");
}

TEST_F(ComboFixture, SelectingFromCodeRaisesClickAtOnceWhenTheIndexChanges)
{
    cmb.AddItem("Barakaldo");
    cmb.AddItem("Getxo");
    cmb.SetListIndex(1);
    ASSERT_EQ(clicks, 1);  // before SetListIndex returned
    EXPECT_EQ(indexAtClick, QList<int>{1});
    EXPECT_EQ(cmb.Text(), "Getxo");
    cmb.SetListIndex(1);
    EXPECT_EQ(clicks, 1);
    cmb.SetListIndex(0);
    EXPECT_EQ(clicks, 2);
    cmb.SetListIndex(-1);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(cmb.Text(), "");
}

TEST_F(ComboFixture, SetTextKeepsTheSelectionOnlyForTheSelectedItemsText)
{
    cmb.AddItem("Barakaldo");
    cmb.AddItem("Getxo");
    cmb.SetListIndex(1);
    cmb.SetText("Getxo");
    EXPECT_EQ(cmb.ListIndex(), 1);
    cmb.SetText("Get");
    EXPECT_EQ(cmb.ListIndex(), -1);
    EXPECT_EQ(cmb.Text(), "Get");
    EXPECT_EQ(clicks, 1);
}

TEST_F(ComboFixture, ItemDataFollowsItsItem)
{
    cmb.AddItem("Barakaldo");
    cmb.AddItem("Getxo");
    cmb.SetItemData(0, 13);
    cmb.SetItemData(1, 2147483647L);
    EXPECT_EQ(cmb.ItemData(0), 13);
    EXPECT_EQ(cmb.ItemData(1), 2147483647L);
    EXPECT_EQ(cmb.List(1), "Getxo");
}

TEST(ComboBox, TypingUnselectsAndChoosingFromTheListClicks)
{
    Window win;
    ComboBox* cmb = win.add(new ComboBox);
    cmb->AddItem("Barakaldo");
    cmb->AddItem("Getxo");
    cmb->AddItem("Leioa");
    ASSERT_TRUE(win.show());
    int clicks = 0, changes = 0;
    QObject::connect(cmb, &ComboBox::Click, [&] { ++clicks; });
    QObject::connect(cmb, &ComboBox::Change, [&] { ++changes; });

    cmb->SetListIndex(1);
    ASSERT_EQ(clicks, 1);
    cmb->setFocus();
    cmb->lineEdit()->end(false);
    QTest::keyClicks(cmb, "a");
    EXPECT_EQ(cmb->ListIndex(), -1);
    EXPECT_EQ(cmb->Text(), "Getxoa");
    EXPECT_EQ(changes, 1);

    // Enter on a typed item's text does not pick it.
    cmb->SetText("Leioa");
    QTest::keyClick(cmb, Qt::Key_Return);
    EXPECT_EQ(cmb->ListIndex(), -1);
    EXPECT_EQ(clicks, 1);

    // Picking from the drop-down list.
    cmb->ShowDropDown();
    QAbstractItemView* list = cmb->view();
    ASSERT_TRUE(list->isVisible());
    list->setCurrentIndex(list->model()->index(2, 0));
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(cmb->ListIndex(), 2);
    EXPECT_EQ(cmb->Text(), "Leioa");
}

// ---- options and check boxes ----

TEST(OptionButton, SettingFromCodeClicksAndClearsTheOthersOfItsFrame)
{
    QGroupBox frame, otherFrame;
    OptionButton a("A", &frame), b("B", &frame), c("C", &otherFrame);
    QStringList clicks;
    for (OptionButton* o : {&a, &b, &c})
        QObject::connect(o, &OptionButton::Click, [&clicks, o] { clicks << o->text(); });

    a.SetValue(true);
    c.SetValue(true);
    ASSERT_EQ(clicks, (QStringList{"A", "C"}));
    b.SetValue(true);
    EXPECT_EQ(clicks, (QStringList{"A", "C", "B"}));
    EXPECT_FALSE(a.Value());
    EXPECT_TRUE(b.Value());
    EXPECT_TRUE(c.Value());  // another frame, another array
    b.SetValue(true);        // already set: nothing changes
    EXPECT_EQ(clicks.size(), 3);
    b.SetValue(false);  // the program may clear an option; that is no click
    EXPECT_FALSE(b.Value());
    EXPECT_EQ(clicks.size(), 3);
}

TEST(OptionButton, UserChoiceClicks)
{
    Window win;
    auto* frame = win.add(new QGroupBox);
    auto* lay = new QVBoxLayout(frame);
    auto* a = new OptionButton("A", frame);
    auto* b = new OptionButton("B", frame);
    lay->addWidget(a);
    lay->addWidget(b);
    ASSERT_TRUE(win.show());
    a->SetValue(true);
    int clicks = 0;
    QObject::connect(b, &OptionButton::Click, [&] { ++clicks; });
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(a->Value());
}

TEST(OptionButton, TabStopsOnlyAtTheChosenOptionOfAnArray)
{
    Window win;
    auto* before = win.add(new QLineEdit);
    auto* frame = win.add(new QGroupBox);
    auto* lay = new QVBoxLayout(frame);
    auto* a = new OptionButton("A", frame);
    auto* b = new OptionButton("B", frame);
    lay->addWidget(a);
    lay->addWidget(b);
    auto* after = win.add(new QLineEdit);
    ASSERT_TRUE(win.show());

    const auto tabFrom = [](QWidget* w) {
        w->setFocus();
        QTest::keyClick(w, Qt::Key_Tab);
        return QApplication::focusWidget();
    };
    EXPECT_EQ(tabFrom(before), a);  // none chosen: every option is a stop
    b->SetValue(true);              // chosen by the program
    EXPECT_EQ(tabFrom(before), b);
    EXPECT_EQ(tabFrom(b), after);
    QTest::keyClick(after, Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), b);
    b->SetValue(false);  // none chosen again
    EXPECT_EQ(tabFrom(before), a);
}

TEST(CheckBox, EveryChangeOfValueClicks)
{
    CheckBox chk("Ubicación");
    QList<int> values;
    QObject::connect(&chk, &CheckBox::Click, [&] { values << chk.Value(); });
    chk.SetValue(1);
    chk.SetValue(1);
    chk.SetValue(0);
    EXPECT_EQ(values, (QList<int>{1, 0}));
    chk.click();  // by the user
    EXPECT_EQ(values, (QList<int>{1, 0, 1}));
}

// ---- list with small icons ----

TEST(ListView, ItemsWithKeysIconsAndSelection)
{
    Window win;
    ListView* list = win.add(new ListView);
    QPixmap px(32, 32);
    px.fill(Qt::red);
    for (int i = 1; i <= 9; ++i)
        list->AddItem(QString("t%1").arg(i), QString("Tipo %1").arg(i), QIcon(px));
    ASSERT_TRUE(win.show());
    EXPECT_EQ(list->count(), 9);
    EXPECT_LE(list->iconSize().height(), 16);
    EXPECT_EQ(list->ItemKey(4), "t5");
    EXPECT_EQ(list->SelectedIndex(), -1);

    QList<int> clicked;
    int dbl = 0;
    QObject::connect(list, &ListView::ItemClick, [&](int i) { clicked << i; });
    QObject::connect(list, &ListView::DblClick, [&] { ++dbl; });
    list->SetSelectedIndex(3);
    EXPECT_EQ(list->SelectedIndex(), 3);
    EXPECT_TRUE(clicked.isEmpty());  // selection by code is no click

    const QPoint p = list->visualItemRect(list->item(6)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, p);
    EXPECT_EQ(clicked, QList<int>{6});
    EXPECT_EQ(list->SelectedIndex(), 6);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, p);
    EXPECT_EQ(dbl, 1);

    list->SetItemText(6, "Garaje");
    EXPECT_EQ(list->item(6)->text(), "Garaje");
}
