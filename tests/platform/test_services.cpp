#include "platform/Help.h"
#include "platform/Hourglass.h"
#include "platform/MsgBox.h"
#include "platform/ProgramFolder.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <gtest/gtest.h>

// ---- message box ----

TEST(MsgBox, SeamRecordsEachCallAndAnswersInOrder)
{
    QGuiApplication::setApplicationDisplayName("Valoración");
    MsgBoxSeam::Install();
    MsgBoxSeam::PushAnswer(2);
    EXPECT_EQ(MsgBox("Primero", 48, "Fecha"), 2);
    EXPECT_EQ(MsgBox("Segundo", 64), 1);  // no answer left: OK
    EXPECT_EQ(MsgBox("Tercero"), 1);
    const QList<ShownMessage> shown = MsgBoxSeam::Shown();
    ASSERT_EQ(shown.size(), 3);
    EXPECT_EQ(shown[0].text, "Primero");
    EXPECT_EQ(shown[0].style, 48);
    EXPECT_EQ(shown[0].title, "Fecha");
    EXPECT_EQ(shown[1].title, "Valoración");  // no title: the application's
    EXPECT_EQ(shown[2].style, 0);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);  // nothing was shown
    MsgBoxSeam::Uninstall();
}

TEST(MsgBox, ShowsTheIconOfItsStyleAndTheOkLabelOfTheLanguage)
{
    MsgBoxSeam::Uninstall();
    QGuiApplication::setApplicationDisplayName("Valoración");
    const struct {
        int style;
        QMessageBox::Icon icon;
    } cases[] = {{0, QMessageBox::NoIcon}, {48, QMessageBox::Warning}, {64, QMessageBox::Information}};
    SetMsgBoxOkText("Ados");
    for (const auto& c : cases) {
        QMessageBox::Icon icon = QMessageBox::Critical;
        QString title, text;
        QStringList buttons;
        QTimer::singleShot(20, qApp, [&] {
            auto* mb = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!mb)
                return;
            icon = mb->icon();
            title = mb->windowTitle();
            text = mb->text();
            for (QAbstractButton* b : mb->buttons())
                buttons << b->text();
            mb->buttons().first()->click();
        });
        EXPECT_EQ(MsgBox("Fecha incorrecta", c.style), 1);
        EXPECT_EQ(icon, c.icon) << c.style;
        EXPECT_EQ(title, "Valoración");
        EXPECT_EQ(text, "Fecha incorrecta");
        EXPECT_EQ(buttons, QStringList{"Ados"});
    }
    SetMsgBoxOkText(QString());
}

// ---- program folder ----

TEST(ProgramFolder, IsTheExecutablesFolderUnlessATestSetsAnother)
{
    const QString real = ProgramFolder();
    EXPECT_FALSE(real.endsWith('/'));
    EXPECT_TRUE(QFileInfo::exists(real + "/" + QFileInfo(QCoreApplication::applicationFilePath()).fileName()));

    SetProgramFolderForTests("/tmp/valoracion/");
    EXPECT_EQ(ProgramFolder(), "/tmp/valoracion");
    SetProgramFolderForTests(QString());
    EXPECT_EQ(ProgramFolder(), real);
}

// ---- hourglass ----

TEST(HourglassGuard, ShowsTheWaitPointerWhileAlive)
{
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    {
        HourglassGuard outer;
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        {
            HourglassGuard inner;
        }
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);  // the outer one still holds
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// ---- help ----

TEST(Help, OpensTheTopicPageOfTheHelpFolderInOneNonModalViewer)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("Ayuda.chm"));
    QFile page(dir.path() + "/Ayuda.chm/cap31.htm");
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<html><head><title>Vivienda</title></head><body><p>Valor de la vivienda</p></body></html>");
    page.close();

    MsgBoxSeam::Install();
    QWidget owner;
    owner.show();
    const QString request = dir.path() + "/Ayuda.chm::/cap31.htm";
    ShowHelp(&owner, request);
    EXPECT_EQ(LastHelpShown(), request);
    auto* viewer = qobject_cast<QTextBrowser*>(HelpViewer());
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_TRUE(viewer->isWindow());
    EXPECT_EQ(viewer->windowModality(), Qt::NonModal);
    EXPECT_TRUE(viewer->toPlainText().contains("Valor de la vivienda"));

    // A missing topic shows a page saying so, in the same viewer, and no error.
    ShowHelp(&owner, dir.path() + "/Ayuda.chm::/cap99.htm");
    EXPECT_EQ(HelpViewer(), viewer);
    EXPECT_TRUE(viewer->toPlainText().contains("no disponible"));
    EXPECT_FALSE(viewer->toPlainText().contains("Valor de la vivienda"));
    ShowHelp(&owner, "/no/such/folder/Laguntza.chm::/kap31.htm");
    EXPECT_TRUE(viewer->toPlainText().contains("ez dago eskuragarri"));
    EXPECT_TRUE(MsgBoxSeam::Shown().isEmpty());
    MsgBoxSeam::Uninstall();
    viewer->close();
}
