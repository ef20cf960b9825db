#pragma once

#include <QString>

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

// File | Import Market Lines: reads the spread_line column of game records in the
// public layout (recordsFile, or the file the user chooses when it is empty) and keeps
// the lines beside the season's archives, where the accuracy window finds them; an open
// one shows them at once. False when nothing was imported.
bool importMarketLines(DisplayHost& host, const QString& recordsFile = {});

/**
 * Sets the records file the next import reads instead of showing the file dialog; an
 * empty name answers Cancel.
 * Use only for testing.
 */
void setNextMarketLinesFile(const QString& fileName);

// The season's records, accuracy, chart and catch-up commands, added to the main window's menus in
// one place. beforeCatchUp is the main window's leave to change the season's files:
// unsaved results offered for saving, display windows closed; false keeps them.
void addAccuracyMenuItems(DisplayHost& host, QMenu* file, QMenu* seasonal, QMenu* view,
                          std::function<bool()> beforeCatchUp);

} // namespace grd
