#include "platform/MsgBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

struct SeamState {
    bool installed = false;
    QList<int> answers;
    QList<ShownMessage> shown;
};

SeamState& seam()
{
    static SeamState s;
    return s;
}

QString& okText()
{
    static QString t;
    return t;
}

int& openBoxes()
{
    static int n = 0;
    return n;
}

}  // namespace

void SetMsgBoxOkText(const QString& text) { okText() = text; }
QString MsgBoxOkText() { return okText().isEmpty() ? QStringLiteral("Aceptar") : okText(); }
bool MsgBoxIsOpen() { return openBoxes() > 0; }

int MsgBox(const QString& text, int style, const QString& title)
{
    const QString shownTitle = title.isEmpty() ? QGuiApplication::applicationDisplayName() : title;
    SeamState& s = seam();
    if (s.installed) {
        s.shown.append({text, style, shownTitle});
        return s.answers.isEmpty() ? 1 : s.answers.takeFirst();
    }
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return 1;  // no windows to show it in

    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(shownTitle);
    box.setText(text);
    switch (style & 0x70) {
    case 48:
        box.setIcon(QMessageBox::Warning);
        break;
    case 64:
        box.setIcon(QMessageBox::Information);
        break;
    case 16:
        box.setIcon(QMessageBox::Critical);
        break;
    case 32:
        box.setIcon(QMessageBox::Question);
        break;
    default:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }
    QPushButton* ok = box.addButton(MsgBoxOkText(), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    ++openBoxes();
    box.exec();
    --openBoxes();
    return 1;
}

void MsgBoxSeam::Install()
{
    seam().installed = true;
    Clear();
}

void MsgBoxSeam::Uninstall()
{
    seam().installed = false;
    Clear();
}

bool MsgBoxSeam::Installed() { return seam().installed; }
void MsgBoxSeam::PushAnswer(int answer) { seam().answers.append(answer); }
QList<ShownMessage> MsgBoxSeam::Shown() { return seam().shown; }

void MsgBoxSeam::Clear()
{
    seam().shown.clear();
    seam().answers.clear();
}
