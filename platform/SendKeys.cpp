#include "platform/SendKeys.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

namespace {

// Receives the posted request and sends the Tab to the widget that has the focus then.
class TabDispatcher : public QObject {
public:
    static const QEvent::Type RequestType;

    bool event(QEvent* e) override
    {
        if (e->type() != RequestType)
            return QObject::event(e);
        QPointer<QWidget> target = QApplication::focusWidget();
        if (!target)
            return true;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
        QCoreApplication::sendEvent(target, &press);
        if (target) {
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
            QCoreApplication::sendEvent(target, &release);
        }
        return true;
    }
};

const QEvent::Type TabDispatcher::RequestType = static_cast<QEvent::Type>(QEvent::registerEventType());

TabDispatcher* dispatcher()
{
    static QPointer<TabDispatcher> d;
    if (!d && QCoreApplication::instance()) {
        d = new TabDispatcher;
        d->setParent(QCoreApplication::instance());
    }
    return d;
}

}  // namespace

void SendTab()
{
    if (TabDispatcher* d = dispatcher())
        QCoreApplication::postEvent(d, new QEvent(TabDispatcher::RequestType));
}
