#include "platform/Hourglass.h"

#include <QCursor>
#include <QGuiApplication>

HourglassGuard::HourglassGuard()
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        active_ = true;
    }
}

HourglassGuard::~HourglassGuard()
{
    if (active_ && qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        QGuiApplication::restoreOverrideCursor();
}
