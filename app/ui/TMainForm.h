#pragma once

#include "app/AppState.h"
#include "league/Failure.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>

class QAction;
class QActionGroup;
class QLabel;
class QMdiArea;
class QMenu;
class QTimer;
class QToolButton;

namespace grd {

// The program's only top-level window: a multiple-document frame that owns the
// program-wide state, the menus, the tool bar and every display window.
class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    AppState& state() { return state_; }
    QMdiArea* mdiArea() const { return mdi_; }

    // The open display window of a kind, or null. A display window registers itself
    // when it is created and clears its slot and flag when it closes.
    QWidget* viewWindow(WindowCode code) const { return views_[code]; }
    void setViewWindow(WindowCode code, QWidget* window);

    // Redraws every display window, last child first.
    void RedrawChildren(bool recalcPosition, bool recalcColumnWidths);
    // Closes the display windows in window-code order, after dropping the loaded
    // rankings when freeRankings is set.
    void CloseViewWindows(bool freeRankings);

    // Every failure the window reports goes through here; tests replace the sink
    // to record the numbers instead of showing dialogs.
    void reportFailure(const Failure& failure);
    using FailureSink = std::function<void(const Failure&)>;
    static void setFailureSink(FailureSink sink);

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
    // Help
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
    bool event(QEvent* event) override;

private:
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
                     const QString& hint, int helpContext = 0);
    QToolButton* addSpeedButton(const char* objectName, const QString& hint);

    void FormCreate();
    void applyStartupFailure();
    void enableReadyMenus();
    void setTopMenusEnabled(bool enabled);
    void FormClose();
    void showHint(const QString& hint);

    AppState state_;
    QMdiArea* mdi_ = nullptr;
    QTimer* mainTimer_ = nullptr;
    QTimer* idleTimer_ = nullptr;
    QLabel* statusText_ = nullptr;
    bool splashPending_ = false;
    int splashTicks_ = 0;
    bool shutDown_ = false;
    std::array<QPointer<QWidget>, kLastWindowCode + 1> views_{};

    // Top-level menus
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
    QAction* smFileReplaceMain = nullptr;
    QAction* smFileRevert = nullptr;
    QAction* smFileExit = nullptr;
    QAction* smTasksWeekly = nullptr;
    QAction* smTasksSeasonalZero = nullptr;
    QAction* smTasksSeasonalSchedulePrint = nullptr;
    QAction* smTasksSeasonalSchedulePreview = nullptr;
    QAction* smViewCurrent = nullptr;
    QAction* smViewArchive = nullptr;
    QAction* smViewSchedule = nullptr;
    QAction* smEditCopy = nullptr;
    QActionGroup* sortGroup_ = nullptr;
    QAction* smOptionsPreferences = nullptr;
    QAction* smOptionsFont = nullptr;
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
    QToolButton* QuickSBtn = nullptr;
    QToolButton* RestoreLayoutSBtn = nullptr;
    QToolButton* XversusYSBtn = nullptr;
    QToolButton* Copy2ClipSBtn = nullptr;
    QToolButton* PrintSBtn = nullptr;
    QToolButton* PrintPreviewSBtn = nullptr;
};

} // namespace grd
