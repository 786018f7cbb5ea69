// Filling a combo box's list in one step (AddItems): the same outcome as adding the entries
// one by one.
#include "platform/ComboBox.h"

#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

struct ComboLista : ::testing::Test {
    ComboBox cmb;
    int clicks = 0;
    int changes = 0;
    void SetUp() override
    {
        QObject::connect(&cmb, &ComboBox::Click, [this] { ++clicks; });
        QObject::connect(&cmb, &ComboBox::Change, [this] { ++changes; });
    }
    QStringList Textos() const
    {
        QStringList t;
        for (int i = 0; i < cmb.ListCount(); ++i)
            t << cmb.List(i);
        return t;
    }
    QList<long> Datos() const
    {
        QList<long> d;
        for (int i = 0; i < cmb.ListCount(); ++i)
            d << cmb.ItemData(i);
        return d;
    }
};

}  // namespace

// An empty combo that gets its entries keeps its text and no selection, and raises nothing;
// each entry has its own data (0 where none was given).
TEST_F(ComboLista, FillingAnEmptyListKeepsTheTextAndRaisesNothing)
{
    cmb.SetText("KALE NAGUSIA");
    cmb.AddItems({"AÑORGA", "KALE NAGUSIA", "ZUBIETA"}, {7, 2147483647L});
    EXPECT_EQ(Textos(), (QStringList{"AÑORGA", "KALE NAGUSIA", "ZUBIETA"}));
    EXPECT_EQ(Datos(), (QList<long>{7, 2147483647L, 0}));
    EXPECT_EQ(cmb.ListIndex(), -1);
    EXPECT_EQ(cmb.Text(), "KALE NAGUSIA");
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(changes, 0);

    // The entries are ordinary ones: selecting clicks, data can change, clearing empties.
    cmb.SetListIndex(2);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(cmb.Text(), "ZUBIETA");
    cmb.SetItemData(2, 99);
    EXPECT_EQ(cmb.ItemData(2), 99);
    cmb.Clear();
    EXPECT_EQ(cmb.ListCount(), 0);
    EXPECT_EQ(cmb.Text(), "");
    EXPECT_EQ(clicks, 1);
}

// Appending to a list keeps the selected entry, without a click; one by one and at once
// mix; an empty batch changes nothing.
TEST_F(ComboLista, AppendingKeepsTheSelection)
{
    cmb.AddItem("ALTZAGA");
    cmb.SetItemData(0, 1);
    cmb.SetListIndex(0);
    ASSERT_EQ(clicks, 1);
    cmb.AddItems({"BEREZIBAR", "GAZTELUONDO"}, {2, 3});
    cmb.AddItems({}, {});
    cmb.AddItem("ZUBIETAGA");
    cmb.SetItemData(3, 4);
    EXPECT_EQ(Textos(), (QStringList{"ALTZAGA", "BEREZIBAR", "GAZTELUONDO", "ZUBIETAGA"}));
    EXPECT_EQ(Datos(), (QList<long>{1, 2, 3, 4}));
    EXPECT_EQ(cmb.ListIndex(), 0);
    EXPECT_EQ(cmb.Text(), "ALTZAGA");
    EXPECT_EQ(clicks, 1);
}
