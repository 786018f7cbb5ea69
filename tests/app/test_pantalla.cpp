// Without a display the program says so in both languages, says how to get one, and ends with
// code 2 instead of Qt's abort; Qt's display-less platforms (the tests' offscreen) still start.
#include "app/Pantalla.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

QProcessEnvironment Entorno(std::initializer_list<std::pair<const char*, const char*>> vars)
{
    QProcessEnvironment env;
    for (const auto& [k, v] : vars)
        env.insert(QString::fromLatin1(k), QString::fromLatin1(v));
    return env;
}

}  // namespace

TEST(Pantalla, DisplayIsNeededOnlyByThePlatformsThatUseOne)
{
    const QStringList sinArgs{QStringLiteral("valoracion")};
    // clang-format off
    const struct {
        const char* caso;
        QStringList args;
        QProcessEnvironment env;
        bool hay;
    } casos[] = {
        {"nothing at all", sinArgs, Entorno({}), false},
        {"X11 session", sinArgs, Entorno({{"DISPLAY", ":0"}}), true},
        {"Wayland session", sinArgs, Entorno({{"WAYLAND_DISPLAY", "wayland-0"}}), true},
        {"blank DISPLAY", sinArgs, Entorno({{"DISPLAY", " "}}), false},
        {"offscreen (tests)", sinArgs, Entorno({{"QT_QPA_PLATFORM", "offscreen"}}), true},
        {"vnc with options", sinArgs, Entorno({{"QT_QPA_PLATFORM", "vnc:size=800x600"}}), true},
        {"xcb asked, no DISPLAY", sinArgs, Entorno({{"QT_QPA_PLATFORM", "xcb"}, {"WAYLAND_DISPLAY", "w"}}), false},
        {"wayland asked, only X11", sinArgs, Entorno({{"QT_QPA_PLATFORM", "wayland"}, {"DISPLAY", ":0"}}), false},
        {"fallback list", sinArgs, Entorno({{"QT_QPA_PLATFORM", "wayland;xcb"}, {"DISPLAY", ":0"}}), true},
        {"-platform beats the environment",
         {QStringLiteral("valoracion"), QStringLiteral("-platform"), QStringLiteral("offscreen")},
         Entorno({{"QT_QPA_PLATFORM", "xcb"}}), true},
        {"X11 display as an argument", {QStringLiteral("valoracion"), QStringLiteral("-display"), QStringLiteral(":1")},
         Entorno({}), true},
        {"-platform xcb without DISPLAY",
         {QStringLiteral("valoracion"), QStringLiteral("-platform"), QStringLiteral("xcb")},
         Entorno({{"QT_QPA_PLATFORM", "offscreen"}}), false},
    };
    // clang-format on
    for (const auto& c : casos)
        EXPECT_EQ(pantalla::HayPantalla(c.args, c.env), c.hay) << c.caso;
}

TEST(Pantalla, ProgramWithoutDisplaySaysSoInBothLanguagesAndEndsWithTwo)
{
    const QString programa = QCoreApplication::applicationDirPath() + QStringLiteral("/valoracion");
    if (!QFileInfo(programa).isExecutable())
        GTEST_SKIP() << "build the target valoracion first";
    // No display variable at all, and a display variable naming no server: both are refused
    // (the second only once Qt has tried it).
    const struct {
        const char* caso;
        QProcessEnvironment env;
    } casos[] = {
        {"no display", Entorno({{"PATH", "/usr/bin:/bin"}})},
        {"no server behind DISPLAY", Entorno({{"PATH", "/usr/bin:/bin"}, {"DISPLAY", ":59173"}})},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        QProcess p;
        p.setProcessEnvironment(c.env);
        p.start(programa, {});
        ASSERT_TRUE(p.waitForFinished(30000));
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);  // not an abort
        EXPECT_EQ(p.exitCode(), pantalla::kSinPantalla);
        const QString err = QString::fromLocal8Bit(p.readAllStandardError());
        EXPECT_TRUE(err.contains(QString::fromUtf8("El programa necesita una pantalla"))) << err.toStdString();
        EXPECT_TRUE(err.contains(QStringLiteral("Programak pantaila bat behar du"))) << err.toStdString();
        EXPECT_TRUE(err.contains(QStringLiteral("xvfb-run -a"))) << err.toStdString();
        EXPECT_FALSE(err.contains(QStringLiteral("Reinstalling"))) << err.toStdString();
    }
}
