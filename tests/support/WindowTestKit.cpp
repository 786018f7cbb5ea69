#include "tests/support/WindowTestKit.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "core/Globals.h"
#include "core/Inicio.h"
#include "platform/Form.h"
#include "platform/ProgramFolder.h"

QWidget* FindControl(QWidget* root, const QString& name)
{
    if (!root)
        return nullptr;
    if (root->objectName() == name)
        return root;
    return root->findChild<QWidget*>(name);
}

void ProcessEvents()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

QWidget* FocusedControl() { return QApplication::focusWidget(); }

bool ActivateWindow(QWidget* w)
{
    QWidget* win = w->window();
    ProcessEvents();
    if (win->isVisible() && !win->isActiveWindow()) {
        win->activateWindow();
        QApplication::setActiveWindow(win);
    }
    const bool active = QTest::qWaitForWindowActive(win);
    ProcessEvents();
    return active && win->isActiveWindow();
}

void FocusControl(QWidget* w)
{
    if (!w)
        return;
    if (w->window()->isVisible())
        ActivateWindow(w);
    w->setFocus(Qt::OtherFocusReason);
    ProcessEvents();
}

void TypeInto(QWidget* box, const QString& text)
{
    if (FocusedControl() != box)
        FocusControl(box);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Delete);
    else
        for (QChar c : text) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(box, char(c.unicode()));
            } else {
                // Letters beyond ASCII (ñ, á...) carry their text; Latin-1 ones have a key code.
                const Qt::Key key = c.toUpper().unicode() < 0x100 ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown;
                QTest::sendKeyEvent(QTest::Click, box, key, QString(c), Qt::NoModifier);
            }
        }
    ProcessEvents();
}

void PressKey(Qt::Key key, QWidget* w)
{
    QWidget* target = w ? w : FocusedControl();
    if (!target)
        return;
    QTest::keyClick(target, key);
    ProcessEvents();
}

void PressEnter(QWidget* w) { PressKey(Qt::Key_Return, w); }

void PressTab(QWidget* w) { PressKey(Qt::Key_Tab, w); }

void ClickControl(QWidget* w, QPoint pos)
{
    if (pos == QPoint(-1, -1))
        pos = w->rect().center();
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, pos);
    ProcessEvents();
}

void DoubleClickControl(QWidget* w, QPoint pos)
{
    if (pos == QPoint(-1, -1))
        pos = w->rect().center();
    // As the system delivers it: a click, then the second press as a double click, and its release.
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, pos);
    QTest::mouseDClick(w, Qt::LeftButton, Qt::NoModifier, pos);
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, pos);
    ProcessEvents();
}

void PressAndReleaseOutside(QWidget* w)
{
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
    ProcessEvents();
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, QPoint(w->width() + 20, w->height() + 20));
    ProcessEvents();
}

bool WhileModal(const std::function<void()>& opener, const std::function<void()>& inside, Form* window)
{
    bool waiting = true;
    bool ranInside = false;
    QObject context;  // the deferred call dies with this function
    QTimer::singleShot(0, &context, [&] {
        ranInside = waiting;
        if (!waiting)
            return;
        ProcessEvents();
        inside();
        ProcessEvents();
        if (window && window->isVisible())
            window->Hide();
    });
    opener();
    waiting = false;
    ProcessEvents();
    return ranInside;
}

DemoDatabaseCopy::DemoDatabaseCopy()
{
    const QString demo = ProgramFolder() + QStringLiteral("/Tablas/trebix.mdb");
    if (!dir_.isValid())
        return;
    path_ = dir_.filePath(QStringLiteral("trebix.mdb"));
    if (!QFile::copy(demo, path_))
        return;
    QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner);
    ok_ = gConexion().AbrirRuta(path_);
}

DemoDatabaseCopy::~DemoDatabaseCopy()
{
    // Nothing may reach the copy (or the demo file) after the test: no file is open.
    gConexion().SetRutaForTests(QString());
}

void DemoDatabaseCopy::Execute(const QString& sql) { gConexion().execute(sql); }

void DemoDatabaseCopy::VaciarTablas()
{
    QStringList tablas;
    Recordset rs = gConexion().openRecordset(
        QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%'"));
    for (; !rs.EOF_(); rs.MoveNext())
        tablas << rs.Field(0).toString();
    rs.Close();
    for (const QString& t : tablas)
        gConexion().execute(QStringLiteral("DELETE FROM \"%1\"").arg(t));
}

QVariant DemoDatabaseCopy::Value(const QString& sql)
{
    Recordset rs = gConexion().openRecordset(sql);
    if (rs.EOF_())
        return QVariant();
    return rs.Field(0);
}

void PasteInto(QWidget* box, const QString& text)
{
    QApplication::clipboard()->setText(text);
    FocusControl(box);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    ProcessEvents();
}

bool StartOnDemoCopy(std::unique_ptr<DemoDatabaseCopy>& db, const QStringList& statements)
{
    ReleaseGlobals();
    db = std::make_unique<DemoDatabaseCopy>();
    if (!db->ok())
        return false;
    for (const QString& sql : statements)
        db->Execute(sql);
    return Inicializar();
}

QString SettingsStatement(const QString& language, const QString& currency)
{
    return QStringLiteral("update T01_GENERAL set T01_IDI_OMIS='%1', T01_MON_OMIS='%2'").arg(language, currency);
}
