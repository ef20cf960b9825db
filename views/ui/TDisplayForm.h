#pragma once

#include "state/WindowCode.h"
#include "views/ColumnMap.h"
#include "views/DisplayGeometry.h"
#include "views/DisplayKind.h"
#include "views/GridContent.h"

#include <QWidget>

#include <string>

class QAction;
class QActionGroup;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTableView;
class QVBoxLayout;

namespace grd {

class DisplayCellDelegate;
class DisplayGridModel;
class DisplayHost;

// The ancestor of every display window: a grid with one header row filling the
// window below an optional tool bar. It sizes the window and its columns from sample
// texts and the widest name, follows the user's column order, draws the grid in the
// preferred look, offers the pop-up menu and copies the grid to the clipboard.
class TDisplayForm : public QWidget {
    Q_OBJECT
public:
    TDisplayForm(DisplayHost& host, WindowCode code, QWidget* parent = nullptr);
    ~TDisplayForm() override;

    WindowCode windowCode() const { return code_; }
    const DisplayKind& kind() const { return displayKind(code_); }

    // The creation pattern shared by all windows: caption and first drawing; once
    // shown, the height is fitted to the rows.
    void initialise();
    void fitHeight();

    virtual void PrintSelf(bool preview);
    // Shows the tool bar when hidden and hides it when shown, and keeps the choice.
    void ShowHideToolbar();
    // Shows or hides the tool bar, for a window that has one, as the preferences say.
    void showToolbar(bool shown);

    QString caption() const;
    std::string clipboardText() const;
    const ColumnMap& columnMap() const { return columns_; }
    const GridContent& content() const;
    QTableView* grid() const { return grid_; }
    QMdiSubWindow* subWindow() const;
    int widestName() const { return widest_; }

public slots:
    // Redraws the window from the data; recalculates its place and size, and its
    // column widths, when asked.
    virtual void DrawTheGrid(bool recalcPosition, bool recalcWidths);
    virtual void CopyToClipboard();
    // The grid as File | Export as CSV writes it, columns in display order.
    QString csvText() const;

protected:
    DisplayHost& host() const { return host_; }
    void setCaption(const QString& caption);
    void setContent(GridContent content);
    // Puts a tool bar above the grid, shown as the preferences say.
    void setToolbar(QWidget* toolbar);
    QWidget* toolbar() const { return toolbar_; }
    int toolbarHeight() const;
    QMenu* popupMenu() const { return popup_; }

    // CalcWidest, then CalcPosition and SetColumnWidths when asked.
    void measure(bool recalcPosition, bool recalcWidths);
    void CalcWidest();
    void SetColumnWidths();
    void CalcPosition();
    void MaybeResetHeight(int extra);
    int rowHeight() const;
    // The width of a column's sample text in the window font.
    TextWidth columnWidth() const;

    // The print and preview items: refused with an error when there is nothing to print.
    // spreadsGrid: the spreads windows' Spreads Grid items.
    void PrintOrPreviewRequest(bool preview, bool spreadsGrid = false);

private:
    void fitCaption();
    void createPopupMenu();
    void DisplayPopupMenuPopup();
    void chooseNames(bool cityNames);
    void toggleGridLines(bool horizontal);
    void toggleRowHighlight();
    void columnMoved(int logical, int oldVisual, int newVisual);

    DisplayHost& host_;
    WindowCode code_;
    int reportKind_ = 0; // the one report of the next print run
    ColumnMap columns_;
    int widest_ = 0;
    QVBoxLayout* layout_ = nullptr;
    QWidget* toolbar_ = nullptr;
    // The preference that keeps this window's tool bar shown; none without a tool bar.
    bool* toolbarPreference() const;
    QTableView* grid_ = nullptr;
    DisplayGridModel* model_ = nullptr;
    DisplayCellDelegate* delegate_ = nullptr;
    QMenu* popup_ = nullptr;
    QAction* previewSpreadsGrid_ = nullptr;
    QAction* printSpreadsGrid_ = nullptr;
    QAction* gridSeparator_ = nullptr;
    QAction* printPreview_ = nullptr;
    QAction* print_ = nullptr;
    QAction* cityNames_ = nullptr;
    QAction* teamNames_ = nullptr;
    QAction* horzLines_ = nullptr;
    QAction* vertLines_ = nullptr;
    QAction* rowHighlight_ = nullptr;
    QAction* toolbarItem_ = nullptr;
};

// The display window inside an MDI sub-window, or null.
TDisplayForm* displayFormOf(QMdiSubWindow* window);

// Redraws every display window, the last opened first.
void redrawDisplayWindows(QMdiArea* area, bool recalcPosition, bool recalcWidths);

} // namespace grd
