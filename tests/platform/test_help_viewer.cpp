// The help viewer as users know one: Back, Forward and Index buttons in the help file's
// language, a title that follows the page shown, and a reading size centred over the window
// that asked for help.
#include "platform/Help.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// A help folder of three pages: the index links to two topics, the first topic to the second.
class HelpViewerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        Page("Ayuda.chm", "indice.htm", "Índice general", "<a href=\"cap31.htm\">Vivienda</a>");
        Page("Ayuda.chm", "cap31.htm", "1. Vivienda", "<a href=\"cap32.htm\">Trastero</a>");
        Page("Ayuda.chm", "cap32.htm", "2. Trastero", "Valor del trastero");
        Page("Laguntza.chm", "sarrera.htm", "Sarrera", "Aurkibidea");
        Page("Laguntza.chm", "kap31.htm", "1. Etxebizitza", "<a href=\"sarrera.htm\">Sarrera</a>");
        owner_.setGeometry(60, 40, 300, 200);
        owner_.show();
    }
    void TearDown() override
    {
        if (QWidget* v = HelpViewer())
            v->close();
    }

    void Page(const char* file, const char* name, const char* title, const char* body)
    {
        ASSERT_TRUE(QDir(dir_.path()).mkpath(QString::fromUtf8(file)));
        QFile f(dir_.path() + "/" + file + "/" + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("<html><head><meta charset=\"utf-8\"><title>") + title + "</title></head><body>" + body +
                "</body></html>");
    }
    QString Request(const char* file, const char* topic) const { return dir_.path() + "/" + file + "::/" + topic; }

    static QTextBrowser* Viewer() { return qobject_cast<QTextBrowser*>(HelpViewer()); }
    static QToolButton* Button(const char* name)
    {
        return HelpViewer() ? HelpViewer()->findChild<QToolButton*>(QString::fromLatin1(name)) : nullptr;
    }
    static void Click(const char* name)
    {
        QToolButton* b = Button(name);
        ASSERT_NE(b, nullptr) << name;
        ASSERT_TRUE(b->isEnabled()) << name;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    // Follows a link of the shown page, as a click on it does.
    static void FollowLink(const QString& href)
    {
        QTextBrowser* v = Viewer();
        v->setSource(v->source().resolved(QUrl(href)));
    }

    QTemporaryDir dir_;
    QWidget owner_;
};

}  // namespace

TEST_F(HelpViewerTest, TitleFollowsThePageAndBackForwardIndexNavigate)
{
    ShowHelp(&owner_, Request("Ayuda.chm", "cap31.htm"));
    QTextBrowser* v = Viewer();
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->windowTitle(), "1. Vivienda");
    for (const char* b : {"HelpBack", "HelpForward", "HelpIndex"}) {
        ASSERT_NE(Button(b), nullptr) << b;
        EXPECT_TRUE(Button(b)->isVisible()) << b;
    }
    EXPECT_FALSE(Button("HelpBack")->isEnabled());
    EXPECT_FALSE(Button("HelpForward")->isEnabled());

    FollowLink("cap32.htm");
    EXPECT_EQ(v->windowTitle(), "2. Trastero");
    EXPECT_TRUE(v->toPlainText().contains("Valor del trastero"));

    Click("HelpBack");
    EXPECT_EQ(v->windowTitle(), "1. Vivienda");
    for (const char* b : {"HelpBack", "HelpForward", "HelpIndex"}) {
        ASSERT_NE(Button(b), nullptr) << b;
        EXPECT_TRUE(Button(b)->isVisible()) << b;
    }
    EXPECT_FALSE(Button("HelpBack")->isEnabled());
    Click("HelpForward");
    EXPECT_EQ(v->windowTitle(), "2. Trastero");
    EXPECT_FALSE(Button("HelpForward")->isEnabled());

    Click("HelpIndex");
    EXPECT_EQ(v->windowTitle(), QString::fromUtf8("Índice general"));
    EXPECT_EQ(QFileInfo(v->source().toLocalFile()).fileName(), "indice.htm");
    Click("HelpBack");  // the index is one more page of the history
    EXPECT_EQ(v->windowTitle(), "2. Trastero");

    // A new request from the program is also a page of the history, and sets the title.
    ShowHelp(&owner_, Request("Ayuda.chm", "cap31.htm"));
    EXPECT_EQ(v->windowTitle(), "1. Vivienda");
    Click("HelpBack");
    EXPECT_EQ(v->windowTitle(), "2. Trastero");
}

TEST_F(HelpViewerTest, ButtonsSpeakTheLanguageOfTheHelpFileAndIndexOpensItsFirstPage)
{
    const struct {
        const char* file;
        const char* topic;
        const char* back;
        const char* forward;
        const char* index;
        const char* indexTitle;
    } cases[] = {
        {"Ayuda.chm", "cap31.htm", "Atrás", "Adelante", "Índice", "Índice general"},
        {"Laguntza.chm", "kap31.htm", "Atzera", "Aurrera", "Aurkibidea", "Sarrera"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        ShowHelp(&owner_, Request(c.file, c.topic));
        ASSERT_NE(Button("HelpIndex"), nullptr);
        EXPECT_EQ(Button("HelpBack")->text(), QString::fromUtf8(c.back));
        EXPECT_EQ(Button("HelpForward")->text(), QString::fromUtf8(c.forward));
        EXPECT_EQ(Button("HelpIndex")->text(), QString::fromUtf8(c.index));
        Click("HelpIndex");
        EXPECT_EQ(Viewer()->windowTitle(), QString::fromUtf8(c.indexTitle));
    }
    // A missing topic is a page saying so, titled in the file's language.
    ShowHelp(&owner_, Request("Laguntza.chm", "kap99.htm"));
    EXPECT_EQ(Viewer()->windowTitle(), "Laguntza");
    EXPECT_TRUE(Viewer()->toPlainText().contains("ez dago eskuragarri"));
}

TEST_F(HelpViewerTest, OpensAtAReadingSizeCentredOverTheAskingWindowAndInsideTheScreen)
{
    const QRect screen = owner_.screen()->availableGeometry();
    ShowHelp(&owner_, Request("Ayuda.chm", "cap31.htm"));
    QWidget* v = HelpViewer();
    ASSERT_NE(v, nullptr);
    EXPECT_GE(v->width(), std::min(720, screen.width()));
    EXPECT_GE(v->height(), std::min(540, screen.height()));
    EXPECT_TRUE(screen.contains(v->frameGeometry())) << v->frameGeometry().x() << "," << v->frameGeometry().y();
    // Centred over the owner where the screen allows; the owner near the top-left corner pulls
    // the viewer into the corner, not off the screen.
    const QPoint c = v->frameGeometry().center();
    const QPoint o = owner_.frameGeometry().center();
    const bool fitsCentred = o.x() - v->width() / 2 >= screen.left() && o.y() - v->height() / 2 >= screen.top();
    if (fitsCentred) {
        EXPECT_LE(std::abs(c.x() - o.x()), 2);
        EXPECT_LE(std::abs(c.y() - o.y()), 2);
    } else {
        EXPECT_EQ(v->frameGeometry().topLeft(), screen.topLeft());
    }

    // Moved away by the user and asked again while shown: it stays where the user put it.
    v->move(screen.topLeft() + QPoint(5, 5));
    const QPoint userPlace = v->pos();
    ShowHelp(&owner_, Request("Ayuda.chm", "cap32.htm"));
    EXPECT_EQ(v->pos(), userPlace);

    // Closed, then asked from a window elsewhere: it opens over that window.
    v->close();
    QWidget other;
    other.setGeometry(screen.center().x() - 50, screen.center().y() - 40, 100, 80);
    other.show();
    ShowHelp(&other, Request("Ayuda.chm", "cap31.htm"));
    EXPECT_LE((v->frameGeometry().center() - other.frameGeometry().center()).manhattanLength(), 4);
    v->close();
}
