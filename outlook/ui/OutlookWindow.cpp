#include "outlook/ui/OutlookWindow.h"

#include "league/ui/MessageDialogs.h"
#include "outlook/ui/TSeasonOutlookForm.h"
#include "views/ui/DisplayHost.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTimer>

namespace grd {

namespace {

// Wide enough for every seed's column on a 1280-pixel screen.
constexpr int kOpeningWidth = 1400;
constexpr int kOpeningHeight = 640;

} // namespace

QMdiSubWindow* openSeasonOutlook(DisplayHost& host) {
    QMdiArea* area = host.mdiArea();
    if (area == nullptr) {
        return nullptr;
    }
    for (QMdiSubWindow* open : area->subWindowList()) {
        if (qobject_cast<TSeasonOutlookForm*>(open->widget()) != nullptr) {
            area->setActiveSubWindow(open);
            return open;
        }
    }
    auto* form = new TSeasonOutlookForm(host);
    if (auto loaded = form->load(); !loaded) {
        delete form;
        ShowError(loaded.failure(), area);
        return nullptr;
    }
    QMdiSubWindow* window = area->addSubWindow(form);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setObjectName(QStringLiteral("TSeasonOutlookForm"));
    window->setWindowTitle(form->windowTitle());
    QObject::connect(form, &QWidget::windowTitleChanged, window, &QWidget::setWindowTitle);
    window->setGeometry(0, 0, std::min(area->viewport()->width(), kOpeningWidth),
                        std::min(area->viewport()->height(), kOpeningHeight));
    window->show();
    // After the menu that opened it has closed and given back the focus it took.
    QTimer::singleShot(0, form, [form] { form->focusTable(); });
    return window;
}

void addOutlookMenuItem(DisplayHost& host, QMenu* view) {
    QAction* outlook = view->addAction(QObject::tr("Season &Outlook"));
    outlook->setObjectName(QStringLiteral("smViewSeasonOutlook"));
    outlook->setStatusTip(QObject::tr("See the standings and each team's playoff chances"));
    QObject::connect(outlook, &QAction::triggered, view, [&host] { openSeasonOutlook(host); });
}

} // namespace grd
