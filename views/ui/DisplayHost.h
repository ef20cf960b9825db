#pragma once

#include "state/AppState.h"
#include "state/WindowCode.h"
#include "views/GridContent.h"
#include "views/ViewState.h"

#include <QFont>
#include <QStringList>

#include <string>

class QMdiArea;
class QWidget;

namespace grd {

// What a display window needs from the frame that holds it: the program-wide data,
// the window font, and the main window's commands. The main window provides it;
// tests provide their own.
class DisplayHost {
public:
    virtual ~DisplayHost() = default;

    virtual AppState& appState() = 0;
    virtual ViewState& viewState() = 0;
    virtual QMdiArea* mdiArea() = 0;

    // The main window's font, which every display window uses.
    virtual QFont displayFont() const = 0;
    virtual void setDisplayFont(const QFont& font) = 0;
    // Options | Font: asks for a font and redraws every window.
    virtual void chooseFont() = 0;
    // The Sort command with its menu items and the team window's buttons.
    virtual void resort(int sortKey) = 0;

    // A display window (its sub-window) opened or closed: the open-window flag and the
    // main window's reference follow.
    virtual void windowOpened(WindowCode code, QWidget* window) = 0;
    virtual void windowClosed(WindowCode code) = 0;

    // Printing, which lives above the windows. A print run of one report kind (a
    // ReportKind); the schedule window's grid of a view (for the complete schedule the
    // columns per page are asked first); plain lines under a title (table rows with
    // cells split by "|", "\f" for a new page).
    virtual void printReport(int kind, bool preview) = 0;
    virtual void printSchedule(const GridContent& grid, int scheduleType,
                               const std::string& viewName, bool preview, QWidget* owner) = 0;
    virtual void printLines(const QStringList& lines, const QString& title, bool preview,
                            QWidget* owner) = 0;
};

} // namespace grd
