#pragma once
// Helpers for window tests on the offscreen platform: find a control by its name, type into
// it, press keys, click, act inside a modal window, and work on a copy of the demo database.
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <functional>
#include <memory>

class Form;
class QWidget;

// The widget named `name` among root and its descendants; nullptr when there is none.
QWidget* FindControl(QWidget* root, const QString& name);
template <class T>
T* FindControlAs(QWidget* root, const QString& name)
{
    return qobject_cast<T*>(FindControl(root, name));
}

// Delivers pending and posted events (a posted Tab, deferred calls) for a few rounds.
void ProcessEvents();
// The widget holding the keyboard focus (nullptr when none).
QWidget* FocusedControl();
// Makes w's window the active one (as the user bringing it to the front) once the events
// pending from earlier windows are delivered; true when it is active.
bool ActivateWindow(QWidget* w);
// Activates w's window and puts the focus into w, as the user entering it would.
void FocusControl(QWidget* w);

// Gives the box the focus, selects its whole text and types `text` key by key (an empty text
// deletes the selection).
void TypeInto(QWidget* box, const QString& text);
// Puts `text` on the clipboard and pastes it over the whole text of the box (Ctrl+A, Ctrl+V).
void PasteInto(QWidget* box, const QString& text);
// One key press and release to w, or to the control holding the focus when w is null; the
// posted events that follow (a Tab sent by the window) are delivered before returning.
void PressKey(Qt::Key key, QWidget* w = nullptr);
void PressEnter(QWidget* w = nullptr);
void PressTab(QWidget* w = nullptr);

// A left click in the middle of w (or at `pos`); the press moves the focus as a real one does.
void ClickControl(QWidget* w, QPoint pos = QPoint(-1, -1));
void DoubleClickControl(QWidget* w, QPoint pos = QPoint(-1, -1));
// A left press on w and its release outside w (no click).
void PressAndReleaseOutside(QWidget* w);

// Calls `opener`, which shows a window modally and returns when it closes, and runs `inside`
// from within that modal showing. When `window` is given and still shown after `inside`,
// it is hidden so that the test cannot hang. True when `inside` ran while `opener` was waiting.
bool WhileModal(const std::function<void()>& opener, const std::function<void()>& inside, Form* window = nullptr);

// A copy of the program folder's demo database in a temporary folder; the connection is
// pointed at the copy for the copy's life (the demo file itself is never written).
class DemoDatabaseCopy {
public:
    DemoDatabaseCopy();
    ~DemoDatabaseCopy();
    DemoDatabaseCopy(const DemoDatabaseCopy&) = delete;
    DemoDatabaseCopy& operator=(const DemoDatabaseCopy&) = delete;

    bool ok() const { return ok_; }
    QString path() const { return path_; }
    // Runs a statement on the copy (for fixtures).
    void Execute(const QString& sql);
    // Empties every table of the copy: the schema alone stays, for a fixture that writes all
    // of its rows itself (the settings row included).
    void VaciarTablas();
    // First column of the first row of a query on the copy (invalid when no row).
    QVariant Value(const QString& sql);

private:
    QTemporaryDir dir_;
    QString path_;
    bool ok_ = false;
};

// A fresh start of the program: the globals released, a new copy of the demo database in `db`
// changed by the statements given, then the program's start (Inicializar). False when the copy
// cannot be made or the start fails.
bool StartOnDemoCopy(std::unique_ptr<DemoDatabaseCopy>& db, const QStringList& statements = {});
// The statement that makes the settings' language and currency those given.
QString SettingsStatement(const QString& language, const QString& currency);
