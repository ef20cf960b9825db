#pragma once

class QMdiSubWindow;
class QMenu;

namespace grd {

class DisplayHost;

// View | Season Outlook: opens the window, or brings the open one to the front. A
// season the outlook cannot use is reported with its numbered error and opens nothing.
QMdiSubWindow* openSeasonOutlook(DisplayHost& host);

// Adds View | Season Outlook to the main window's View menu.
void addOutlookMenuItem(DisplayHost& host, QMenu* view);

} // namespace grd
