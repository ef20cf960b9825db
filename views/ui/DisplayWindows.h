#pragma once

#include "state/AppState.h"
#include "state/WindowCode.h"
#include "views/LayoutZOrder.h"
#include "views/ui/TDisplayForm.h"

class QMdiArea;
class QMdiSubWindow;

namespace grd {

class DisplayHost;

// Opens a display window of a code (Window menu, layouts); null when the data
// cannot be shown, after reporting error 6 for a window that failed to open.
QMdiSubWindow* openDisplayWindow(DisplayHost& host, WindowCode code);

// Edit | Copy: the active window's grid to the clipboard.
void copyActiveDisplayWindow(QMdiArea* area);

// After the sort key changed: presses the team window's button of the key and
// redraws the team and division windows in the new order.
void applySortKey(DisplayHost& host, int sortKey);

// What the loaded data lets a layout open.
LayoutData layoutDataOf(const AppState& app);

enum class LayoutFont { Default, Current };

// Opens the default layout: the windows the loaded data can show at their own
// places, archive spreads on top; with the default font Arial 10, plain and black
// first.
void openDefaultLayout(DisplayHost& host, LayoutFont font);

} // namespace grd
