#include "outlook/ui/OutlookWindow.h"

#include "accuracy/ui/SeasonWindow.h"
#include "outlook/ui/TSeasonOutlookForm.h"
#include "views/ui/DisplayHost.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTimer>

namespace grd {

namespace {

// Wide enough for every seed's column on a 1280-pixel screen.
const QSize kOpeningSize(1400, 640);

} // namespace

QMdiSubWindow* openSeasonOutlook(DisplayHost& host) {
    QMdiSubWindow* window =
        openSeasonWindow<TSeasonOutlookForm>(host, "TSeasonOutlookForm", kOpeningSize);
    if (auto* form =
            window == nullptr ? nullptr : qobject_cast<TSeasonOutlookForm*>(window->widget())) {
        QObject::connect(form, &QWidget::windowTitleChanged, window, &QWidget::setWindowTitle,
                         Qt::UniqueConnection);
        // After the menu that opened it has closed and given back the focus it took.
        QTimer::singleShot(0, form, [form] { form->focusTable(); });
    }
    return window;
}

void addOutlookMenuItem(DisplayHost& host, QMenu* view) {
    QAction* outlook = view->addAction(QObject::tr("Season &Outlook"));
    outlook->setObjectName(QStringLiteral("smViewSeasonOutlook"));
    outlook->setStatusTip(QObject::tr("See the standings and each team's playoff chances"));
    QObject::connect(outlook, &QAction::triggered, view, [&host] { openSeasonOutlook(host); });
}

} // namespace grd
