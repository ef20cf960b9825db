#include "accuracy/ui/AccuracyWindows.h"

#include "accuracy/ui/TForecastAccuracyForm.h"
#include "accuracy/ui/TRatingsChartForm.h"
#include "league/ui/MessageDialogs.h"
#include "tasks/ui/TCatchUpDlg.h"
#include "views/ui/DisplayHost.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

namespace grd {

namespace {

// One window of a kind: asking again brings the open one to the front. A damaged
// archive is reported and opens nothing.
template <class Form> QMdiSubWindow* openSeasonWindow(DisplayHost& host, const char* name) {
    QMdiArea* area = host.mdiArea();
    if (area == nullptr) {
        return nullptr;
    }
    for (QMdiSubWindow* open : area->subWindowList()) {
        if (qobject_cast<Form*>(open->widget()) != nullptr) {
            area->setActiveSubWindow(open);
            return open;
        }
    }
    auto* form = new Form(host);
    if (auto loaded = form->load(); !loaded) {
        delete form;
        ShowError(loaded.failure(), area);
        return nullptr;
    }
    QMdiSubWindow* window = area->addSubWindow(form);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setObjectName(QLatin1String(name));
    window->setWindowTitle(form->windowTitle());
    window->setGeometry(0, 0, std::min(area->viewport()->width(), 900),
                        std::min(area->viewport()->height(), 640));
    window->show();
    return window;
}

} // namespace

QMdiSubWindow* openForecastAccuracy(DisplayHost& host) {
    return openSeasonWindow<TForecastAccuracyForm>(host, "TForecastAccuracyForm");
}

QMdiSubWindow* openRatingsChart(DisplayHost& host) {
    return openSeasonWindow<TRatingsChartForm>(host, "TRatingsChartForm");
}

void addAccuracyMenuItems(DisplayHost& host, QMenu* seasonal, QMenu* view,
                          std::function<bool()> beforeCatchUp) {
    seasonal->addSeparator();
    QAction* catchUp = seasonal->addAction(QObject::tr("Catch &Up from Game Records..."));
    catchUp->setObjectName(QStringLiteral("smTasksSeasonalCatchUp"));
    catchUp->setStatusTip(QObject::tr("Enter the weeks that game records hold scores for"));
    QObject::connect(catchUp, &QAction::triggered, seasonal,
                     [&host, before = std::move(beforeCatchUp)] {
                         if (before()) {
                             TCatchUpDlg::Run(host.appState(), host.mdiArea());
                         }
                     });
    view->addSeparator();
    QAction* accuracy = view->addAction(QObject::tr("Forecast Acc&uracy"));
    accuracy->setObjectName(QStringLiteral("smViewForecastAccuracy"));
    accuracy->setStatusTip(QObject::tr("See how the season's forecasts fared"));
    QObject::connect(accuracy, &QAction::triggered, view, [&host] { openForecastAccuracy(host); });
    QAction* chart = view->addAction(QObject::tr("&Ratings Chart"));
    chart->setObjectName(QStringLiteral("smViewRatingsChart"));
    chart->setStatusTip(QObject::tr("Chart the teams' ratings week by week"));
    QObject::connect(chart, &QAction::triggered, view, [&host] { openRatingsChart(host); });
}

} // namespace grd
