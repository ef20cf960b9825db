#pragma once

#include "app/SplashTimer.h"
#include "app/StartupHost.h"
#include "files/Failure.h"
#include "league/ui/MessageDialogs.h"
#include "state/AppState.h"
#include "state/CompanionLibrary.h"
#include "state/ProgramPaths.h"

#include <QFont>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <array>
#include <memory>
#include <string>

class QAction;
class QActionGroup;
class QMdiArea;
class QMenu;
class QTimer;
class QToolBar;
class QToolButton;

namespace grd {

class FlybyHints;
class PrinterSource;
struct GridContent;
struct ReportSelection;

// The program's only top-level window: a multiple-document frame that owns the
// program-wide state, the menus, the tool bar and every display window.
class TMainForm : public QMainWindow, private StartupHost {
    Q_OBJECT

public:
    // dir: one directory with the program, its library and its data, as in a build
    // tree; empty for the executable's directory.
    explicit TMainForm(const std::string& dir = {}, QWidget* parent = nullptr);
    // An installed program: its library, shipped files and data each in their place.
    explicit TMainForm(const ProgramPaths& paths, QWidget* parent = nullptr);
    ~TMainForm() override;

    AppState& state() { return state_; }
    CompanionLibrary& companion() { return companion_; }
    QMdiArea* mdiArea() const { return mdi_; }
    PrinterSource& printer() { return *printer_; }

    // The open display window of a kind (its MDI child window), or null. A display
    // window registers itself when it is created and unregisters (null) when it closes.
    QWidget* viewWindow(WindowCode code) const { return views_[code]; }
    void setViewWindow(WindowCode code, QWidget* window);

    // Calls DrawTheGrid(recalcPosition, recalcColumnWidths) of every display window,
    // last child first.
    void RedrawChildren(bool recalcPosition, bool recalcColumnWidths);
    // Closes the display windows in window-code order, after dropping the loaded
    // rankings when freeRankings is set.
    void CloseViewWindows(bool freeRankings);
    // The font of the display windows; setting it also makes it the preferred font.
    QFont mainFont() const;
    void setMainFont(const QFont& font);
    // Re-applies the general and view preferences: tool bar, status line, hints,
    // tile mode and font. For the preferences dialog.
    void applyPreferences();
    // The preferred window font and its colour become the display windows' font.
    void applyWindowFont();
    void applyFontColour();
    // The layout commands (menu items and RestoreLayoutSBtn) follow loaded data.
    void setLayoutCommandsEnabled(bool enabled);
    void setDataCaption(const std::string& fileName); // empty: no file loaded

    // Offers to save the results of a weekly task; Cancel keeps them unsaved.
    Answer AskSaveUnsaved();

    // Builds the report text of selection and previews or prints it.
    void SetupToPrintOrPreview(const ReportSelection& selection, bool preview);
    // A schedule window's grid of a view; the complete schedule (type 0) asks for the
    // columns per page first.
    void PrintScheduleGrid(const GridContent& grid, int scheduleType, const std::string& viewName,
                           bool preview, QWidget* owner);
    // Lines printed as they are, under a title (the informal forecasts).
    void PrintPlainLines(const QStringList& lines, const QString& title, bool preview,
                         QWidget* owner);

signals:
    // The sort key changed: the team window presses its button, the team and
    // division windows redraw.
    void sortKeyChanged(int sortKey);

public slots:
    // File
    void PrintOrPreviewClick(bool preview);
    void smFilePrinterSetupClick();
    void FileSaveAs();
    void smFileRevertClick();
    void smFileExitClick();
    // Tasks
    void smTasksWeeklyClick();
    void smTasksSeasonalZeroClick();
    void smTasksSeasonalSchedulePrintClick(bool preview);
    // View: kind 101 current main data, 102 an archive file
    void ViewLoadDataClick(int kind);
    // Edit
    void EditCopyClick();
    void ResortRankings(int sortKey);
    // Options
    void smOptionsPreferencesClick();
    void OptionsFont();
    // Window
    void smWindowCascadeClick();
    void smWindowTileClick();
    void smWindowNextClick();
    void smWindowPreviousClick();
    void smWindowRestoreLayoutClick();
    void smWindowSaveLayoutClick();
    void smWindowRestoreDefaultWithDefaultFontClick();
    void smWindowRestoreDefaultWithCurrentFontClick();
    void mmWindowOpenWnds(int windowCode);
    // Help: context 0 opens the table of contents
    void HelpItemsClick(int helpContext);
    void HelpWebClick();
    void smHelpAboutClick();

private slots:
    void mmFileClick();
    void mmEditClick();
    void mmViewClick();
    void mmWindowClick();
    void MainTimerClick();
    void AppIdle();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // StartupHost
    Status bindCompanion() override;
    void showSplash() override;
    void handOverLeague(const LeagueStructure& league) override;
    void unloadCompanion() override;
    bool openReadOnly(const std::string& dataDir, const std::string& why) override;

    void createMenus();
    void createFileMenu();
    void createTasksMenu();
    void createViewMenu();
    void createEditMenu();
    void createOptionsMenu();
    void createWindowMenu();
    void createHelpMenu();
    void createToolBar();
    QAction* addItem(QMenu* menu, const char* objectName, const QString& caption,
                     const QString& hint);
    QToolButton* addSpeedButton(const char* objectName, const QString& hint);
    // The enabling rules of the menus, run whenever what they look at can change:
    // shortcuts act without their menu being opened.
    void runMenuRules();
    void applyWindowMenuRules();
    void listChildWindows();
    int childWindowCount() const;
    bool activeChildIsTeamRank() const;
    void tileChildren(bool vertical);
    void cascadeChildren();

    void presentSplash();
    void FormCreate();
    void applyStartupFailure();
    void enableReadyMenus();
    void disableWritingCommands();
    void setTopMenusEnabled(bool enabled);
    // Shortcuts act even while their menu is closed, so the items themselves follow.
    void setMenuItemsEnabled(bool enabled);
    void FormClose();
    void showWindowToolbar(WindowCode code, bool shown);
    bool loadForViewing(int kind, const std::string& file);
    bool defaultWindowsOpen(int kind) const;
    void discardLoadedData();

    std::string programDir_; // where the executable, and so its library, is
    AppState state_;
    CompanionLibrary companion_;
    SplashTimer splash_;
    QMdiArea* mdi_ = nullptr;
    QTimer* MainTimer = nullptr;
    FlybyHints* flyby_ = nullptr;
    std::unique_ptr<PrinterSource> printer_;
    // The display windows' font; the frame and its child windows' captions keep the
    // system font.
    QFont mainFont_;
    bool shutDown_ = false;
    bool menusReady_ = false;   // start-up has finished and enabled the menus
    bool splashWanted_ = false; // start-up asked for the splash before the window showed
    std::array<QPointer<QWidget>, kLastWindowCode + 1> views_{};

    // Top-level menus and submenus
    QMenu* mmFile = nullptr;
    QMenu* mmTasks = nullptr;
    QMenu* mmView = nullptr;
    QMenu* mmEdit = nullptr;
    QMenu* mmOptions = nullptr;
    QMenu* mmWindow = nullptr;
    QMenu* mmHelp = nullptr;
    QMenu* smTasksSeasonal = nullptr;
    QMenu* smEditSort = nullptr;

    // Menu items
    QAction* smFilePrint = nullptr;
    QAction* smFilePrintPreview = nullptr;
    QAction* smFilePrinterSetup = nullptr;
    QAction* smFileExportCsv = nullptr;
    QAction* smFileReplaceMain = nullptr;
    QAction* smFileRevert = nullptr;
    QAction* smFileExit = nullptr;
    QAction* smTasksWeekly = nullptr;
    QAction* smViewSchedule = nullptr;
    QAction* smEditCopy = nullptr;
    QAction* smHelpAbout = nullptr;
    QActionGroup* sortGroup_ = nullptr;
    QAction* smWindowCascade = nullptr;
    QAction* smWindowTile = nullptr;
    QAction* smWindowNext = nullptr;
    QAction* smWindowPrevious = nullptr;
    QAction* smWindowRestoreLayout = nullptr;
    QAction* smWindowSaveLayout = nullptr;
    QAction* smWindowRestoreDefaultWithDefaultFont = nullptr;
    QAction* smWindowRestoreDefaultWithCurrentFont = nullptr;
    std::array<QAction*, kLastWindowCode + 1> windowItems_{}; // by window code
    QAction* windowListSeparator_ = nullptr;

    // Tool bar
    QToolBar* toolBar_ = nullptr;
    QToolButton* QuickSBtn = nullptr;
    QToolButton* RestoreLayoutSBtn = nullptr;
    QToolButton* XversusYSBtn = nullptr;
    QToolButton* Copy2ClipSBtn = nullptr;
    QToolButton* PrintSBtn = nullptr;
    QToolButton* PrintPreviewSBtn = nullptr;
};

} // namespace grd
