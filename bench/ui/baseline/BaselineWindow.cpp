// The yardstick of the program's memory: an empty main window with an MDI area and
// the program's seven menus, shown maximized like the program. Prints its resident
// and proportional set sizes in MiB once it has settled, and quits.
#include "ProcessMemory.h"

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QMdiArea(&window));
    for (const char* title : {"&File", "&Tasks", "&View", "&Edit", "&Options", "&Window", "&Help"})
        window.menuBar()->addMenu(QString::fromLatin1(title));
    window.showMaximized();
    QTimer::singleShot(grd::bench::kSettleMilliseconds, &app, [&app] {
        const grd::bench::ProcessMemory memory = grd::bench::processMemory();
        std::printf("%.2f %.2f\n", memory.rss, memory.pss);
        app.quit();
    });
    return QApplication::exec();
}
