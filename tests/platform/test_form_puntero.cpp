// The pointer-over hook of a form's control: the pointer coming over a button and leaving it,
// moved through the window as the system moves it; no leaving when the window goes away
// under the pointer.
#include "platform/Form.h"
#include "platform/MsgBox.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// A box at the top, a button at the bottom, empty space between them.
class FormaPuntero : public Form {
public:
    FormaPuntero() : Form(QStringLiteral("Puntero"))
    {
        resize(300, 200);
        caja = new QLineEdit(this);
        caja->setObjectName(QStringLiteral("txtA"));
        caja->setGeometry(10, 10, 120, 24);
        boton = new QPushButton(QStringLiteral("Salir"), this);
        boton->setObjectName(QStringLiteral("cmdsalir"));
        boton->setGeometry(10, 150, 80, 30);
    }
    QLineEdit* caja;
    QPushButton* boton;
};

const QPoint kVacio(200, 80);

// Moves the pointer to a point of the form, through its window.
void Mover(Form& f, QPoint p)
{
    QTest::mouseMove(f.windowHandle(), p);
    QCoreApplication::processEvents();
}

QPoint CentroDe(Form& f, QWidget* w) { return w->mapTo(&f, w->rect().center()); }

struct Registro {
    QStringList eventos;
};

class MostrarFormaPuntero : public ::testing::Test {
protected:
    void SetUp() override
    {
        f.OnMouseOver(
            f.boton, [this] { r.eventos << "over"; }, [this] { r.eventos << "away"; });
        f.Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
        // The pointer comes into the window first, as it does before it can reach a control.
        Mover(f, CentroDe(f, f.caja));
        Mover(f, kVacio);
        r.eventos.clear();
    }
    void TearDown() override { f.Unload(); }

    FormaPuntero f;
    Registro r;
};

TEST_F(MostrarFormaPuntero, OverAndAwayFollowThePointer)
{
    Mover(f, CentroDe(f, f.boton));
    EXPECT_EQ(r.eventos, QStringList({"over"}));
    Mover(f, CentroDe(f, f.boton) + QPoint(5, 0));  // moving on the button is no new arrival
    EXPECT_EQ(r.eventos, QStringList({"over"}));
    Mover(f, CentroDe(f, f.caja));
    EXPECT_EQ(r.eventos, QStringList({"over", "away"}));
    Mover(f, kVacio);
    EXPECT_EQ(r.eventos, QStringList({"over", "away"}));
    Mover(f, CentroDe(f, f.boton));
    Mover(f, kVacio);
    EXPECT_EQ(r.eventos, QStringList({"over", "away", "over", "away"}));
}

TEST_F(MostrarFormaPuntero, WindowClosingUnderThePointerIsNoLeaving)
{
    Mover(f, CentroDe(f, f.boton));
    ASSERT_EQ(r.eventos, QStringList({"over"}));
    f.Unload();
    QCoreApplication::processEvents();
    EXPECT_EQ(r.eventos, QStringList({"over"}));

    f.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    Mover(f, kVacio);
    r.eventos.clear();
    Mover(f, CentroDe(f, f.boton));
    f.Hide();
    QCoreApplication::processEvents();
    EXPECT_EQ(r.eventos, QStringList({"over"}));
}

TEST(FormaPunteroFallo, AFailingHandlerIsReportedAndTheWindowGoesOn)
{
    MsgBoxSeam::Install();
    FormaPuntero f;
    int leaves = 0;
    f.OnMouseOver(
        f.boton, [] { throw std::runtime_error("sin datos"); }, [&] { ++leaves; });
    f.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    Mover(f, kVacio);
    Mover(f, CentroDe(f, f.boton));
    ASSERT_EQ(MsgBoxSeam::Shown().size(), 1);
    EXPECT_TRUE(MsgBoxSeam::Shown()[0].text.contains("sin datos"));
    Mover(f, kVacio);
    EXPECT_EQ(leaves, 1);
    f.Unload();
    MsgBoxSeam::Uninstall();
}

}  // namespace
