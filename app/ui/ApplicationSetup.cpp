#include "app/ui/ApplicationSetup.h"

#include "app/ui/AppIcon.h"

#include <QApplication>

namespace grd {

void setUpApplication() {
    QApplication::setApplicationName(QStringLiteral("GRD Oddsmith"));
    QApplication::setDesktopFileName(QStringLiteral("grd-oddsmith"));
    QApplication::setWindowIcon(appIcon());
}

} // namespace grd
