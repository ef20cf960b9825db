#pragma once

#include <functional>

class QMdiSubWindow;
class QMenu;
class QWidget;

namespace grd {

class DisplayHost;

// View | Forecast Accuracy: opens the window, or brings the open one to the front.
// A damaged archive is reported with its numbered error and opens nothing.
QMdiSubWindow* openForecastAccuracy(DisplayHost& host);

// View | Ratings Chart: the same for the chart of the teams' ratings.
QMdiSubWindow* openRatingsChart(DisplayHost& host);

// The season's accuracy, chart and catch-up commands, added to the main window's menus in
// one place. beforeCatchUp is the main window's leave to change the season's files:
// unsaved results offered for saving, display windows closed; false keeps them.
void addAccuracyMenuItems(DisplayHost& host, QMenu* seasonal, QMenu* view,
                          std::function<bool()> beforeCatchUp);

} // namespace grd
