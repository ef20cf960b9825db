#include "app/ui/FlybyHints.h"

#include <QApplication>
#include <QEvent>

namespace grd {

FlybyHints::FlybyHints(QObject* parent) : QObject(parent) {
    qApp->installEventFilter(this);
}

bool FlybyHints::eventFilter(QObject* watched, QEvent* event) {
    if (!shown_ && event->type() == QEvent::ToolTip)
        return true;
    return QObject::eventFilter(watched, event);
}

} // namespace grd
