// The combo's open drop-down list does not take the typing away from its text: typed keys go
// on into the text, Tab and Enter close the list and act on the text (choosing the entry the
// arrows moved to), the arrows and Escape stay with the list.
#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/ComboBox.h"
#include "platform/Form.h"

namespace {

// A window as the typology windows are: a key press in the combo opens its list, Enter is
// seen by the window; a box after the combo takes the focus on Tab.
class Ventana : public Form {
public:
    Ventana() : Form(QStringLiteral("VentanaCombo"))
    {
        combo = new ComboBox(this);
        combo->setObjectName(QStringLiteral("cmbprueba"));
        combo->setGeometry(10, 10, 200, 26);
        for (const char* item : {"Barakaldo", "Bermeo", "Getxo", "Leioa"})
            combo->AddItem(QString::fromUtf8(item));
        siguiente = new QLineEdit(this);
        siguiente->setGeometry(10, 50, 200, 26);
        resize(260, 100);
        setTabOrder(combo, siguiente);
        QObject::connect(combo, &ComboBox::Click, [this] { ++clicks; });
    }

    ComboBox* combo;
    QLineEdit* siguiente;
    QList<int> teclas;  // keys the window saw
    int clicks = 0;

protected:
    void Form_KeyPress(int& keyAscii) override
    {
        teclas << keyAscii;
        QWidget* foco = QApplication::focusWidget();
        if (keyAscii != 13 && foco && (foco == combo || combo->isAncestorOf(foco)))
            combo->ShowDropDown();
    }
};

class ComboDesplegado : public ::testing::Test {
protected:
    void SetUp() override
    {
        v.Show(false);
        v.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&v));
        v.combo->setFocus();
        QApplication::processEvents();
        ASSERT_TRUE(EnLaLista());
    }
    void TearDown() override
    {
        v.combo->hidePopup();
        v.Unload();
    }

    bool Abierta() const { return v.combo->view()->isVisible(); }
    bool EnLaLista() const
    {
        QWidget* f = QApplication::focusWidget();
        return f && (f == v.combo || v.combo->isAncestorOf(f));
    }

    // Keys as the system delivers them: to the open list while it is shown, else to the focus.
    static QWidget* Destino()
    {
        QWidget* p = QApplication::activePopupWidget();
        return p ? (p->focusWidget() ? p->focusWidget() : p) : QApplication::focusWidget();
    }
    static void Tecla(Qt::Key k)
    {
        QTest::keyClick(Destino(), k);
        QApplication::processEvents();
    }
    static void Escribir(const char* texto)
    {
        for (const char* c = texto; *c; ++c) {
            QTest::keyClick(Destino(), *c);
            QApplication::processEvents();
        }
    }

    Ventana v;
};

TEST_F(ComboDesplegado, TypingOpensTheListAndGoesOnInTheText)
{
    Escribir("ber");
    EXPECT_TRUE(Abierta());
    EXPECT_EQ(v.combo->Text(), "ber");
    EXPECT_EQ(v.combo->ListIndex(), -1);
    // Editing keys act on the text too.
    Tecla(Qt::Key_Backspace);
    Tecla(Qt::Key_Home);
    Escribir("x");
    EXPECT_TRUE(Abierta());
    EXPECT_EQ(v.combo->Text(), "xbe");
    EXPECT_EQ(v.clicks, 0);
    EXPECT_EQ(v.teclas, (QList<int>{'b', 'e', 'r', 8, 'x'}));
}

// Tab and Enter close the list: the typed text stays, Tab moves on, the window sees Enter.
TEST_F(ComboDesplegado, TabAndEnterCloseTheListAndActOnTheText)
{
    const struct {
        Qt::Key tecla;
        bool seMueve;  // the focus goes to the next box
    } casos[] = {{Qt::Key_Tab, true}, {Qt::Key_Return, false}, {Qt::Key_Enter, false}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.tecla);
        // An entry is selected before the typing: the typed text replaces it.
        v.combo->setFocus();
        v.combo->SetListIndex(1);
        v.combo->lineEdit()->selectAll();
        v.clicks = 0;
        v.teclas.clear();
        Escribir("ge");
        ASSERT_TRUE(Abierta());
        Tecla(c.tecla);
        EXPECT_FALSE(Abierta());
        EXPECT_EQ(v.combo->Text(), "ge");
        EXPECT_EQ(v.combo->ListIndex(), -1);
        EXPECT_EQ(v.clicks, 0);
        EXPECT_EQ(QApplication::focusWidget() == v.siguiente, c.seMueve);
        EXPECT_EQ(v.teclas.count(13), c.seMueve ? 0 : 1);  // seen once, never twice
    }
}

// The arrows move in the open list; Tab or Enter then choose that entry.
TEST_F(ComboDesplegado, ArrowsThenTabOrEnterChooseTheEntry)
{
    for (Qt::Key tecla : {Qt::Key_Tab, Qt::Key_Return}) {
        SCOPED_TRACE(tecla);
        v.combo->setFocus();
        v.combo->SetListIndex(0);
        v.clicks = 0;
        v.combo->ShowDropDown();
        ASSERT_TRUE(Abierta());
        Tecla(Qt::Key_Down);
        Tecla(Qt::Key_Down);
        EXPECT_TRUE(Abierta());
        EXPECT_EQ(v.combo->Text(), "Barakaldo");  // not chosen yet
        Tecla(tecla);
        EXPECT_FALSE(Abierta());
        EXPECT_EQ(v.combo->ListIndex(), 2);
        EXPECT_EQ(v.combo->Text(), "Getxo");
        EXPECT_EQ(v.clicks, 1);
    }
}

// Typing after the arrows: the text typed is what counts, no entry is chosen.
TEST_F(ComboDesplegado, TypingAfterTheArrowsKeepsTheTypedText)
{
    v.combo->SetListIndex(3);
    v.clicks = 0;
    v.combo->lineEdit()->selectAll();
    v.combo->ShowDropDown();
    Tecla(Qt::Key_Up);
    Escribir("b");
    EXPECT_TRUE(Abierta());
    Tecla(Qt::Key_Return);
    EXPECT_FALSE(Abierta());
    EXPECT_EQ(v.combo->Text(), "b");
    EXPECT_EQ(v.combo->ListIndex(), -1);
    EXPECT_EQ(v.clicks, 0);
}

TEST_F(ComboDesplegado, EscapeClosesTheListAndChangesNothing)
{
    Escribir("le");
    ASSERT_TRUE(Abierta());
    Tecla(Qt::Key_Down);
    Tecla(Qt::Key_Escape);
    EXPECT_FALSE(Abierta());
    EXPECT_EQ(v.combo->Text(), "le");
    EXPECT_EQ(v.combo->ListIndex(), -1);
    EXPECT_EQ(v.clicks, 0);
    EXPECT_TRUE(EnLaLista());
}

}  // namespace
