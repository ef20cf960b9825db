#include "ui/HelpWindows.h"

#include <QApplication>
#include <QMetaObject>
#include <QWidget>

namespace {
// The object the program registers under the application to open help topics.
constexpr const char* kHelpServiceName = "GRDOddsHelp";
constexpr const char* kHelpWindowTitle = "GRD Oddsmith Help";
} // namespace

void requestHelp(int context) {
    if (qApp == nullptr)
        return;
    if (QObject* service = qApp->findChild<QObject*>(kHelpServiceName))
        QMetaObject::invokeMethod(service, "showContext", Q_ARG(int, context));
}

void closeHelpWindows() {
    // Closing may destroy windows, so look again after each one.
    for (bool closedOne = true; closedOne;) {
        closedOne = false;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window->windowTitle() == kHelpWindowTitle) {
                closedOne = window->close();
                if (closedOne)
                    break;
            }
        }
    }
}
