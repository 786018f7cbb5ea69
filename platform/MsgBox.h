#pragma once
// Application message box with one OK button.
#include <QList>
#include <QString>

// style: 0 no icon, 48 exclamation, 64 information. An empty title gives the application's
// title. Returns 1 (OK).
int MsgBox(const QString& text, int style = 0, const QString& title = QString());
// Label of the OK button in the current language (empty = "Aceptar").
void SetMsgBoxOkText(const QString& text);
QString MsgBoxOkText();
// True while a message box of ours is open (focus taken by it is not a LostFocus).
bool MsgBoxIsOpen();

struct ShownMessage {
    QString text;
    int style = 0;
    QString title;
};

// Test seam: while installed nothing is shown; every call is recorded and returns the next
// pushed answer (1 when none is left).
struct MsgBoxSeam {
    static void Install();
    static void Uninstall();
    static bool Installed();
    static void PushAnswer(int answer);
    static QList<ShownMessage> Shown();
    static void Clear();
};
