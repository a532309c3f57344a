#include "app/toolkit/screen.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>

namespace toolkit {

namespace {

int pointer = vbDefault;

} // namespace

int MousePointer() {
    return pointer;
}

void setMousePointer(int code) {
    const int next = code == vbHourglass ? vbHourglass : vbDefault;
    if (next == pointer)
        return;
    pointer = next;
    // One override at most, so the default pointer is back whatever set the hourglass how often.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        if (next == vbHourglass)
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        else
            QGuiApplication::restoreOverrideCursor();
    }
}

void DoEvents() {
    QCoreApplication::processEvents();
}

} // namespace toolkit
