#include "views/ui/UserLayoutWindows.h"

#include "views/ViewState.h"
#include "views/ui/DisplayHost.h"
#include "views/ui/DisplayWindows.h"
#include "views/ui/TDisplayForm.h"

#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableView>

#include <algorithm>

namespace grd {
namespace {

int columnCount(const TDisplayForm& form) {
    return std::min(layoutColumnCount(form.windowCode()), form.grid()->horizontalHeader()->count());
}

WindowState stateOf(const QMdiSubWindow& window) {
    if (window.isMinimized())
        return WindowState::Minimized;
    if (window.isMaximized())
        return WindowState::Maximized;
    return WindowState::Normal;
}

// The place of a window as it shows when neither minimized nor maximized.
QRect normalGeometry(QMdiSubWindow& window, WindowState state) {
    if (state == WindowState::Normal)
        return window.geometry();
    window.showNormal();
    const QRect geometry = window.geometry();
    if (state == WindowState::Minimized)
        window.showMinimized();
    else
        window.showMaximized();
    return geometry;
}

void captureRecord(QMdiSubWindow& window, const TDisplayForm& form, LayoutRecord& record) {
    record.state = stateOf(window);
    const QRect geometry = normalGeometry(window, record.state);
    record.left = geometry.left();
    record.top = geometry.top();
    record.width = geometry.width();
    record.height = geometry.height();
    const QHeaderView* header = form.grid()->horizontalHeader();
    record.colOrder = {};
    record.colWidths = {};
    record.colHeaders = {};
    for (int i = 0; i < columnCount(form); ++i) {
        const auto at = static_cast<size_t>(i);
        record.colOrder[at] = header->visualIndex(i);
        record.colHeaders[at] = header->logicalIndex(i);
        record.colWidths[at] = header->sectionSize(header->logicalIndex(i));
    }
}

// The saved display order when it names each of the window's columns once.
bool isColumnOrder(const LayoutList& headers, int count) {
    std::array<bool, kLayoutListLength> seen{};
    for (int i = 0; i < count; ++i) {
        const int logical = headers[static_cast<size_t>(i)];
        if (logical < 0 || logical >= count || seen[static_cast<size_t>(logical)])
            return false;
        seen[static_cast<size_t>(logical)] = true;
    }
    return true;
}

void applyColumns(const TDisplayForm& form, const LayoutRecord& record) {
    QHeaderView* header = form.grid()->horizontalHeader();
    const int count = columnCount(form);
    // A list that is no order of the columns (never saved, or damaged) leaves them.
    if (header->sectionsMovable() && isColumnOrder(record.colHeaders, count)) {
        for (int display = 0; display < count; ++display) {
            const int logical = record.colHeaders[static_cast<size_t>(display)];
            header->moveSection(header->visualIndex(logical), display);
        }
    }
    for (int display = 0; display < count; ++display) {
        const int width = record.colWidths[static_cast<size_t>(display)];
        if (width > 0)
            header->resizeSection(header->logicalIndex(display), width);
    }
}

void applyRecord(DisplayHost& host, QMdiSubWindow& window, const LayoutRecord& record) {
    const QSize area = host.mdiArea()->viewport()->size();
    const WindowRect place = keepInside({record.left, record.top, record.width, record.height},
                                        area.width(), area.height());
    window.showNormal();
    window.setGeometry(place.left, place.top, place.width, place.height);
    if (const TDisplayForm* form = displayFormOf(&window))
        applyColumns(*form, record);
    if (record.state == WindowState::Minimized)
        window.showMinimized();
    else if (record.state == WindowState::Maximized)
        window.showMaximized();
}

QMdiSubWindow* openWindowOf(DisplayHost& host, WindowCode code) {
    for (QMdiSubWindow* window : host.mdiArea()->subWindowList()) {
        const TDisplayForm* form = displayFormOf(window);
        if (form != nullptr && form->windowCode() == code)
            return window;
    }
    return nullptr;
}

} // namespace

void captureUserLayout(DisplayHost& host, UserLayout& layout) {
    QMdiArea* area = host.mdiArea();
    QList<QMdiSubWindow*> stack = area->subWindowList(QMdiArea::StackingOrder);
    std::reverse(stack.begin(), stack.end());
    // The active window counts as the topmost, whatever the stacking says.
    if (QMdiSubWindow* active = area->activeSubWindow(); active != nullptr) {
        stack.removeAll(active);
        stack.prepend(active);
    }
    layout.zOrder = {};
    int count = 0;
    for (QMdiSubWindow* window : stack) {
        const TDisplayForm* form = displayFormOf(window);
        if (form == nullptr || count >= kLayoutListLength - 2)
            continue;
        layout.zOrder.entries[static_cast<size_t>(++count)] = form->windowCode();
    }
    layout.zOrder.entries[0] = count;
    for (QMdiSubWindow* window : stack)
        if (const TDisplayForm* form = displayFormOf(window))
            captureRecord(*window, *form, layout.records[form->windowCode()]);
    layout.namesLength = host.viewState().nameLength;
}

void openUserLayout(DisplayHost& host, const UserLayout& layout) {
    host.viewState().nameLength =
        std::clamp(layout.namesLength, ViewState::kMinNameLength, ViewState::kMaxNameLength);
    const std::vector<int> codes =
        layoutWindowsToOpen(layout.zOrder, layoutDataOf(host.appState()));
    for (int code : codes)
        openDisplayWindow(host, static_cast<WindowCode>(code));
    QMdiSubWindow* topmost = nullptr;
    for (int code : codes) {
        QMdiSubWindow* window = openWindowOf(host, static_cast<WindowCode>(code));
        if (window == nullptr)
            continue;
        applyRecord(host, *window, layout.records[static_cast<size_t>(code)]);
        redrawDisplayWindows(host.mdiArea(), false, false);
        topmost = window;
    }
    if (topmost != nullptr)
        host.mdiArea()->setActiveSubWindow(topmost);
}

} // namespace grd
