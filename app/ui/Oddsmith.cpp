#include "app/ui/ApplicationSetup.h"
#include "app/ui/TMainForm.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    grd::setUpApplication();
    grd::TMainForm window;
    window.show();
    return QApplication::exec();
}
