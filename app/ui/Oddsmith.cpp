#include "app/ui/AppIcon.h"
#include "app/ui/TMainForm.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("GRD Oddsmith"));
    QApplication::setApplicationDisplayName(QStringLiteral("GRD Oddsmith"));
    QApplication::setWindowIcon(grd::appIcon());
    grd::TMainForm window;
    window.show();
    return QApplication::exec();
}
