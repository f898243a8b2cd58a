// The wait cursor as Qt's override-cursor stack.
#include "platform/WaitCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace varno {

WaitCursor::WaitCursor() {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

WaitCursor::~WaitCursor() {
    QGuiApplication::restoreOverrideCursor();
}

}  // namespace varno
