#include "platform/Form.h"
#include "platform/MsgBox.h"
#include "platform/SendKeys.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// A form that records its hooks; its key hook and unload answer are set by each test.
class TestForm : public Form {
public:
    explicit TestForm(const QString& name = "Prueba") : Form(name)
    {
        auto* lay = new QVBoxLayout(this);
        for (const char* n : {"txtA", "txtB", "txtC"}) {
            auto* e = new QLineEdit(this);
            e->setObjectName(n);
            lay->addWidget(e);
        }
        auto* b = new QPushButton("Limpiar", this);
        b->setObjectName("cmdlimpiar");
        lay->addWidget(b);
    }
    QLineEdit* box(const char* n) { return findChild<QLineEdit*>(n); }
    QPushButton* button() { return findChild<QPushButton*>("cmdlimpiar"); }

    int loads = 0, activates = 0, resizes = 0, unloads = 0;
    int cancelUnload = 0;
    QList<int> keys;
    std::function<void(int&)> onKey;
    QList<int> statesAtResize;

protected:
    void Form_Load() override { ++loads; }
    void Form_Activate() override { ++activates; }
    void Form_Resize() override
    {
        ++resizes;
        statesAtResize << WindowState();
    }
    void Form_Unload(int& cancel) override
    {
        ++unloads;
        cancel = cancelUnload;
    }
    void Form_KeyPress(int& keyAscii) override
    {
        keys << keyAscii;
        if (onKey)
            onKey(keyAscii);
    }
};

bool showActive(Form& f)
{
    f.Show();
    return QTest::qWaitForWindowActive(&f);
}

// Runs `action` once the nested loop of a modal showing is running.
void later(std::function<void()> action) { QTimer::singleShot(0, qApp, std::move(action)); }

// Shows a real message box and answers it from a timer once it holds the focus; true when
// it was shown and had the focus.
bool answerRealMessageBox(const QString& text)
{
    bool hadFocus = false;
    QTimer::singleShot(50, qApp, [&] {
        auto* mb = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!mb)
            return;
        hadFocus = QApplication::focusWidget() && QApplication::focusWidget()->window() == mb;
        mb->accept();
    });
    MsgBox(text, 48);
    return hadFocus;
}

}  // namespace

// ---- life cycle ----

TEST(Form, ModalShowRunsItsOwnLoopUntilHiddenAndHidingKeepsItLoaded)
{
    TestForm f;
    bool modalInside = false;
    later([&] {
        modalInside = f.IsShownModal() && f.isVisible();
        f.Hide();
    });
    f.Show(true);  // returns only when hidden
    EXPECT_TRUE(modalInside);
    EXPECT_FALSE(f.isVisible());
    EXPECT_FALSE(f.IsShownModal());
    EXPECT_TRUE(f.IsLoaded());

    later([&] { f.Unload(); });
    f.Show(true);
    EXPECT_EQ(f.loads, 1);  // shown again after hiding: no new load
    EXPECT_FALSE(f.IsLoaded());

    later([&] { f.Hide(); });
    f.Show(true);
    EXPECT_EQ(f.loads, 2);  // after unloading, showing loads again
}

TEST(Form, NestedModalFormsEndInOrder)
{
    TestForm outer("Exterior"), inner("Interior");
    QStringList order;
    later([&] {
        later([&] {
            order << "inner shown";
            inner.Unload();
        });
        inner.Show(true);
        order << "inner returned";
        EXPECT_TRUE(outer.IsShownModal());
        outer.Hide();
    });
    outer.Show(true);
    order << "outer returned";
    EXPECT_EQ(order, (QStringList{"inner shown", "inner returned", "outer returned"}));
}

TEST(Form, CloseBoxUnloadsUnlessTheUnloadHookCancels)
{
    TestForm f;
    ASSERT_TRUE(showActive(f));
    f.cancelUnload = 1;
    f.close();
    EXPECT_EQ(f.unloads, 1);
    EXPECT_TRUE(f.isVisible());
    EXPECT_TRUE(f.IsLoaded());

    f.cancelUnload = 0;
    later([&] { f.close(); });
    f.Show(true);
    EXPECT_EQ(f.unloads, 2);
    EXPECT_FALSE(f.isVisible());
    EXPECT_FALSE(f.IsLoaded());
}

TEST(Form, ActivateOnFirstShowAndAfterAnotherFormHidesButNotAfterAMessageBox)
{
    MsgBoxSeam::Uninstall();
    TestForm panel("Panel"), window("Ventana");
    ASSERT_TRUE(showActive(panel));
    EXPECT_EQ(panel.activates, 1);

    later([&] {
        EXPECT_EQ(window.activates, 1);
        window.Hide();
    });
    window.Show(true);
    QTest::qWait(20);
    EXPECT_EQ(panel.activates, 2);
    EXPECT_TRUE(panel.isActiveWindow());

    // A real message box, answered by a timer; then the system activates the panel again.
    ASSERT_TRUE(answerRealMessageBox("Fecha incorrecta"));
    panel.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
    EXPECT_EQ(panel.activates, 2);
}

TEST(Form, MinimisingRaisesResizeOnceAndMoveIsInTwips)
{
    TestForm f;
    ASSERT_TRUE(showActive(f));
    f.resizes = 0;
    f.statesAtResize.clear();
    f.SetWindowState(1);
    EXPECT_EQ(f.WindowState(), 1);
    EXPECT_EQ(f.statesAtResize, QList<int>{1});
    f.SetWindowState(2);
    EXPECT_EQ(f.WindowState(), 2);
    EXPECT_EQ(f.statesAtResize.first(), 1);
    EXPECT_EQ(f.statesAtResize.at(1), 2);

    f.SetWindowState(0);
    f.Move(1500, 3000);
    EXPECT_EQ(f.pos(), QPoint(100, 200));
    EXPECT_EQ(f.LeftTwips(), 1500);
    EXPECT_EQ(f.TopTwips(), 3000);
}

TEST(Form, AHiddenMinimisedFormShownAgainHearsResizeStillMinimised)
{
    TestForm f;
    ASSERT_TRUE(showActive(f));
    f.SetWindowState(1);
    f.Hide();
    f.statesAtResize.clear();
    f.Show();
    ASSERT_FALSE(f.statesAtResize.isEmpty());
    EXPECT_EQ(f.statesAtResize.first(), 1);
    EXPECT_EQ(f.loads, 1);
}

// ---- keys ----

TEST(Form, KeyPressSeesEveryKeyFirstAndCanSwallowOrChangeIt)
{
    TestForm f;
    ASSERT_TRUE(showActive(f));
    QLineEdit* a = f.box("txtA");
    a->setFocus();
    f.onKey = [](int& k) {
        if (k == 'x')
            k = 0;
        else if (k == 'a')
            k = 'b';
    };
    QTest::keyClicks(a, "1x2a");
    EXPECT_EQ(f.keys, (QList<int>{'1', 'x', '2', 'a'}));
    EXPECT_EQ(a->text(), "12b");

    f.keys.clear();
    QTest::keyClick(a, Qt::Key_Escape);
    QTest::keyClick(a, Qt::Key_Backspace);
    QTest::keyClick(a, Qt::Key_Left);  // no character: no key press of the window
    EXPECT_EQ(f.keys, (QList<int>{27, 8}));
    EXPECT_TRUE(f.isVisible());  // Escape closes nothing
}

TEST(Form, EnterActsAsTabAndTheBoxStillSeesTheEnter)
{
    TestForm f;
    f.onKey = [](int& k) {
        if (k == 13)
            SendTab();
    };
    ASSERT_TRUE(showActive(f));
    QLineEdit* a = f.box("txtA");
    int enters = 0;
    QObject::connect(a, &QLineEdit::returnPressed, [&] { ++enters; });
    a->setFocus();
    QTest::keyClick(a, Qt::Key_Return);
    EXPECT_EQ(enters, 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), f.box("txtB"));
    EXPECT_EQ(f.keys, QList<int>{13});
}

TEST(Form, SendTabGoesToTheFocusOfWhenItIsProcessed)
{
    TestForm f;
    ASSERT_TRUE(showActive(f));
    f.box("txtA")->setFocus();
    SendTab();
    f.box("txtB")->setFocus();  // the focus moves before the Tab is delivered
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), f.box("txtC"));
}

// ---- focus events ----

namespace {
struct FocusLog {
    QStringList events;
    void watch(Form& f, QWidget* w)
    {
        const QString n = w->objectName();
        f.OnGotFocus(w, [this, n] { events << "got " + n; });
        f.OnLostFocus(w, [this, n] { events << "lost " + n; });
    }
};
}  // namespace

TEST(Form, LostAndGotFocusFollowTheFocusBetweenControlsOfTheWindow)
{
    TestForm f;
    FocusLog log;
    for (const char* n : {"txtA", "txtB", "txtC"})
        log.watch(f, f.box(n));
    ASSERT_TRUE(showActive(f));
    Form::SetFocus(f.box("txtA"));
    log.events.clear();

    QTest::keyClick(f.box("txtA"), Qt::Key_Tab);
    QTest::keyClick(f.box("txtB"), Qt::Key_Tab, Qt::ShiftModifier);
    QTest::mouseClick(f.box("txtC"), Qt::LeftButton);
    Form::SetFocus(f.box("txtB"));
    EXPECT_EQ(log.events, (QStringList{"lost txtA", "got txtB", "lost txtB", "got txtA", "lost txtA", "got txtC",
                                       "lost txtC", "got txtB"}));
}

TEST(Form, FocusTakenByAnotherWindowIsNoLostFocus)
{
    MsgBoxSeam::Uninstall();
    TestForm f, other("Otra");
    FocusLog log;
    log.watch(f, f.box("txtA"));
    log.watch(f, f.box("txtB"));
    ASSERT_TRUE(showActive(f));
    Form::SetFocus(f.box("txtA"));
    log.events.clear();

    ASSERT_TRUE(answerRealMessageBox("Aviso"));
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));

    ASSERT_TRUE(showActive(other));
    other.Hide();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    EXPECT_EQ(QApplication::focusWidget(), f.box("txtA"));
    EXPECT_TRUE(log.events.isEmpty()) << log.events.join(", ").toStdString();
}

TEST(Form, SetFocusInsideLostFocusReturnsWithoutASecondLostFocus)
{
    MsgBoxSeam::Install();
    TestForm f;
    FocusLog log;
    log.watch(f, f.box("txtB"));
    QLineEdit* a = f.box("txtA");
    f.OnGotFocus(a, [&] { log.events << "got txtA"; });
    bool refuse = true;
    f.OnLostFocus(a, [&] {
        log.events << "lost txtA";
        if (refuse) {
            MsgBox("Fecha incorrecta", 48);
            Form::SetFocus(a);
        }
    });
    ASSERT_TRUE(showActive(f));
    Form::SetFocus(a);
    log.events.clear();

    QTest::keyClick(a, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), a);
    EXPECT_EQ(log.events, (QStringList{"lost txtA", "got txtA"}));
    EXPECT_EQ(MsgBoxSeam::Shown().size(), 1);

    refuse = false;
    log.events.clear();
    QTest::keyClick(a, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), f.box("txtB"));
    EXPECT_EQ(log.events, (QStringList{"lost txtA", "got txtB"}));
    MsgBoxSeam::Uninstall();
}

TEST(Form, MouseDownOnAButtonComesBeforeTheLostFocusOfTheBoxLeft)
{
    // Through the widget (as QTest delivers it) and through the window (as the system does).
    for (bool throughWindow : {false, true}) {
        TestForm f;
        QStringList events;
        QLineEdit* a = f.box("txtA");
        QPushButton* b = f.button();
        f.OnLostFocus(a, [&] { events << "lost"; });
        f.OnMouseDownFirst(b, [&] { events << "down"; });
        QObject::connect(b, &QPushButton::clicked, [&] { events << "click"; });
        ASSERT_TRUE(showActive(f));
        Form::SetFocus(a);

        if (throughWindow) {
            const QPoint p = b->mapTo(&f, b->rect().center());
            QTest::mouseClick(f.windowHandle(), Qt::LeftButton, {}, p);
        } else {
            QTest::mouseClick(b, Qt::LeftButton);
        }
        EXPECT_EQ(events, (QStringList{"down", "lost", "click"})) << throughWindow;

        events.clear();  // the button already has the focus: the handler still runs, once
        QTest::mouseClick(b, Qt::LeftButton);
        EXPECT_EQ(events, (QStringList{"down", "click"})) << throughWindow;
    }
}

// ---- failure guard ----

TEST(Form, GuardReportsAFailureAndLetsTheWindowRestoreItsState)
{
    MsgBoxSeam::Install();
    TestForm f;
    int value = 1;
    bool restored = false;
    f.Guard(
        [&] {
            value = 2;
            throw std::runtime_error("No se pudo leer la tabla");
        },
        [&] {
            value = 1;
            restored = true;
        });
    EXPECT_TRUE(restored);
    EXPECT_EQ(value, 1);
    ASSERT_EQ(MsgBoxSeam::Shown().size(), 1);
    EXPECT_EQ(MsgBoxSeam::Shown().first().text, "No se pudo leer la tabla");
    EXPECT_EQ(MsgBoxSeam::Shown().first().style, 48);

    MsgBoxSeam::Clear();
    f.Guard([&] { value = 3; });
    EXPECT_EQ(value, 3);
    EXPECT_TRUE(MsgBoxSeam::Shown().isEmpty());
    MsgBoxSeam::Uninstall();
}

// A form whose state is one number, restored after a failing handler.
class FormConEstado : public Form {
public:
    FormConEstado() : Form("ConEstado") {}
    int estado = 0;
    int restauraciones = 0;

protected:
    std::function<void()> Snapshot() override
    {
        return [this, antes = estado] {
            estado = antes;
            ++restauraciones;
        };
    }
};

TEST(Form, ANestedHandlersFailureGoesOnToTheHandlerThatSetItOff)
{
    MsgBoxSeam::Install();
    FormConEstado f;
    QStringList pasos;
    // The inner handler stands for a box's Change set off by a write of the outer one.
    const auto interior = [&] {
        f.Handle([&] {
            pasos << "interior";
            throw std::runtime_error("Valor no numérico");
        });
    };
    f.Handle([&] {
        f.estado = 5;
        interior();
        pasos << "tras la escritura";
        // Handlers set off after the failure do not run.
        f.Handle([&] { pasos << "otro"; });
        f.RaisePending();
        pasos << "no llega";
    });
    EXPECT_EQ(pasos, (QStringList{"interior", "tras la escritura"}));
    EXPECT_EQ(f.estado, 0);
    EXPECT_EQ(f.restauraciones, 1);
    ASSERT_EQ(MsgBoxSeam::Shown().size(), 1);
    EXPECT_EQ(MsgBoxSeam::Shown().first().text, "Valor no numérico");

    // A later handler starts clean.
    MsgBoxSeam::Clear();
    f.Handle([&] { f.estado = 7; });
    EXPECT_EQ(f.estado, 7);
    EXPECT_TRUE(MsgBoxSeam::Shown().isEmpty());
    MsgBoxSeam::Uninstall();
}

TEST(Form, AFailingFocusHandlerIsReportedAndTheFocusStillMoves)
{
    MsgBoxSeam::Install();
    TestForm f;
    QLineEdit* a = f.box("txtA");
    f.OnLostFocus(a, [] { throw std::invalid_argument("Valor no válido"); });
    ASSERT_TRUE(showActive(f));
    Form::SetFocus(a);
    QTest::keyClick(a, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), f.box("txtB"));
    ASSERT_EQ(MsgBoxSeam::Shown().size(), 1);
    EXPECT_EQ(MsgBoxSeam::Shown().first().text, "Valor no válido");
    MsgBoxSeam::Uninstall();
}

TEST(Form, TwipsArePixelsTimesFifteen)
{
    const int pairs[][2] = {{0, 0}, {15, 1}, {1500, 100}, {22, 1}, {23, 2}, {-30, -2}};
    for (const auto& p : pairs)
        EXPECT_EQ(TwipsToPixels(p[0]), p[1]) << p[0];
    EXPECT_EQ(PixelsToTwips(100), 1500);
}
