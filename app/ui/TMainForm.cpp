#include "app/ui/TMainForm.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFontDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace grd {

namespace {

TMainForm::FailureSink& failureSink() {
    static TMainForm::FailureSink sink;
    return sink;
}

const QString kNoFileCaption = QStringLiteral("GRD Oddsmith 7.18: No File Loaded");

// Speed-button and menu hints come as "short|long": the short part is the tool
// tip, the long part goes to the status line.
QString shortHint(const QString& hint) {
    return hint.section(QLatin1Char('|'), 0, 0);
}
QString longHint(const QString& hint) {
    return hint.contains(QLatin1Char('|')) ? hint.section(QLatin1Char('|'), 1) : hint;
}

} // namespace

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("MainForm"));
    mdi_ = new QMdiArea(this);
    mdi_->setObjectName(QStringLiteral("MdiArea"));
    setCentralWidget(mdi_);

    statusBar()->setObjectName(QStringLiteral("MainStatusLine"));
    statusBar()->setSizeGripEnabled(true);

    mainTimer_ = new QTimer(this);
    mainTimer_->setObjectName(QStringLiteral("MainTimer"));
    mainTimer_->setInterval(1000);
    connect(mainTimer_, &QTimer::timeout, this, &TMainForm::MainTimerClick);

    createMenus();
    createToolBar();
    setTopMenusEnabled(false);
    FormCreate();
}

TMainForm::~TMainForm() = default;

void TMainForm::setFailureSink(FailureSink sink) {
    failureSink() = std::move(sink);
}

void TMainForm::reportFailure(const Failure& failure) {
    if (failureSink()) {
        failureSink()(failure);
        return;
    }
    QMessageBox::critical(this, QStringLiteral("GRD Oddsmith"),
                          QStringLiteral("Error %1: %2")
                              .arg(failure.number)
                              .arg(QString::fromStdString(failure.detail)));
}

void TMainForm::setViewWindow(WindowCode code, QWidget* window) {
    views_[code] = window;
    state_.windowOpen[code] = window != nullptr;
}

// ---- Menus and tool bar ---------------------------------------------------

QAction* TMainForm::addItem(QMenu* menu, const char* objectName, const QString& caption,
                            const QString& hint, int helpContext) {
    auto* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(objectName));
    action->setStatusTip(hint);
    if (helpContext != 0)
        action->setWhatsThis(QString::number(helpContext));
    return action;
}

void TMainForm::createMenus() {
    createFileMenu();
    createTasksMenu();
    createViewMenu();
    createEditMenu();
    createOptionsMenu();
    createWindowMenu();
    createHelpMenu();
}

void TMainForm::createFileMenu() {
    mmFile = menuBar()->addMenu(QStringLiteral("&File"));
    mmFile->setObjectName(QStringLiteral("mmFile"));
    connect(mmFile, &QMenu::aboutToShow, this, &TMainForm::mmFileClick);
    smFilePrint = addItem(mmFile, "smFilePrint", QStringLiteral("&Print..."),
                          QStringLiteral("Print the rankings, spreads and scores"), 310);
    connect(smFilePrint, &QAction::triggered, this, [this] { PrintOrPreviewClick(false); });
    smFilePrintPreview = addItem(mmFile, "smFilePrintPreview", QStringLiteral("Print Pre&view..."),
                                 QStringLiteral("Preview the rankings, spreads and scores"), 315);
    connect(smFilePrintPreview, &QAction::triggered, this, [this] { PrintOrPreviewClick(true); });
    smFilePrinterSetup = addItem(mmFile, "smFilePrinterSetup", QStringLiteral("Printer &Setup..."),
                                 QStringLiteral("Choose the printer and its settings"), 320);
    connect(smFilePrinterSetup, &QAction::triggered, this, &TMainForm::smFilePrinterSetupClick);
    mmFile->addSeparator();
    smFileReplaceMain =
        addItem(mmFile, "smFileReplaceMain", QStringLiteral("Replace &Main Data File..."),
                QStringLiteral("Make the loaded archive file the main data file"), 290);
    connect(smFileReplaceMain, &QAction::triggered, this, &TMainForm::FileSaveAs);
    smFileRevert = addItem(mmFile, "smFileRevert", QStringLiteral("Rever&t"),
                           QStringLiteral("Return main-dta.grd to start-up state"), 330);
    smFileRevert->setEnabled(false);
    connect(smFileRevert, &QAction::triggered, this, &TMainForm::smFileRevertClick);
    mmFile->addSeparator();
    smFileExit = addItem(mmFile, "smFileExit", QStringLiteral("E&xit"),
                         QStringLiteral("Exit GRD Oddsmith"), 340);
    connect(smFileExit, &QAction::triggered, this, &TMainForm::smFileExitClick);
}

void TMainForm::createTasksMenu() {
    mmTasks = menuBar()->addMenu(QStringLiteral("&Tasks"));
    mmTasks->setObjectName(QStringLiteral("mmTasks"));
    smTasksWeekly =
        addItem(mmTasks, "smTasksWeekly", QStringLiteral("&Weekly..."),
                QStringLiteral("Enter scores, obtain forecasts, save data, print reports"), 360);
    connect(smTasksWeekly, &QAction::triggered, this, &TMainForm::smTasksWeeklyClick);
    smTasksSeasonal = mmTasks->addMenu(QStringLiteral("&Seasonal"));
    smTasksSeasonal->setObjectName(QStringLiteral("smTasksSeasonal"));
    smTasksSeasonalZero =
        addItem(smTasksSeasonal, "smTasksSeasonalZero", QStringLiteral("&Zero Main Data File..."),
                QStringLiteral("Start a new season's main data file"), 380);
    connect(smTasksSeasonalZero, &QAction::triggered, this, &TMainForm::smTasksSeasonalZeroClick);
    smTasksSeasonal->addSeparator();
    smTasksSeasonalSchedulePrint = addItem(smTasksSeasonal, "smTasksSeasonalSchedulePrint",
                                           QStringLiteral("&Print Schedule..."),
                                           QStringLiteral("Print the season's schedule"), 1400);
    connect(smTasksSeasonalSchedulePrint, &QAction::triggered, this,
            [this] { smTasksSeasonalSchedulePrintClick(false); });
    smTasksSeasonalSchedulePreview = addItem(smTasksSeasonal, "smTasksSeasonalSchedulePreview",
                                             QStringLiteral("Pre&view Schedule..."),
                                             QStringLiteral("Preview the season's schedule"), 1400);
    connect(smTasksSeasonalSchedulePreview, &QAction::triggered, this,
            [this] { smTasksSeasonalSchedulePrintClick(true); });
}

void TMainForm::createViewMenu() {
    mmView = menuBar()->addMenu(QStringLiteral("&View"));
    mmView->setObjectName(QStringLiteral("mmView"));
    connect(mmView, &QMenu::aboutToShow, this, &TMainForm::mmViewClick);
    smViewCurrent =
        addItem(mmView, "smViewCurrent", QStringLiteral("&Current rankings and spreads"),
                QStringLiteral("Load and view the current main data file"), 260);
    smViewCurrent->setData(101);
    connect(smViewCurrent, &QAction::triggered, this, [this] { ViewLoadDataClick(101); });
    smViewArchive =
        addItem(mmView, "smViewArchive", QStringLiteral("&Archive rankings, spreads and scores"),
                QStringLiteral("Load and view a weekly archive file"), 80);
    smViewArchive->setData(102);
    connect(smViewArchive, &QAction::triggered, this, [this] { ViewLoadDataClick(102); });
    mmView->addSeparator();
    smViewSchedule = addItem(mmView, "smViewSchedule", QStringLiteral("&Schedule"),
                             QStringLiteral("View the current schedule"), 90);
    connect(smViewSchedule, &QAction::triggered, this,
            [this] { mmWindowOpenWnds(kScheduleWindow); });
}

void TMainForm::createEditMenu() {
    mmEdit = menuBar()->addMenu(QStringLiteral("&Edit"));
    mmEdit->setObjectName(QStringLiteral("mmEdit"));
    connect(mmEdit, &QMenu::aboutToShow, this, &TMainForm::mmEditClick);
    smEditCopy = addItem(
        mmEdit, "smEditCopy", QStringLiteral("&Copy"),
        QStringLiteral("Copy the contents of the active view window to the clipboard"), 420);
    smEditCopy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Insert));
    connect(smEditCopy, &QAction::triggered, this, &TMainForm::EditCopyClick);
    smEditSort = mmEdit->addMenu(QStringLiteral("&Sort"));
    smEditSort->setObjectName(QStringLiteral("smEditSort"));
    sortGroup_ = new QActionGroup(this);
    sortGroup_->setExclusive(true);
    struct SortItem {
        const char* name;
        const char* caption;
        int key;
        Qt::Key shortcut;
        const char* hint;
    };
    static const SortItem items[] = {
        {"smEditSortTotal", "&Total", 1, Qt::Key_T, "Rank the teams by Total rating"},
        {"smEditSortOffense", "&Offense", 2, Qt::Key_O, "Rank the teams by Offense rating"},
        {"smEditSortDefense", "&Defense", 3, Qt::Key_D, "Rank the teams by Defense rating"},
        {"smEditSortPtsFor", "&Pts+", 4, Qt::Key_P, "Rank the teams by points scored"},
        {"smEditSortPtsAgainst", "Pt&s-", 5, Qt::Key_S, "Rank the teams by points allowed"},
        {"smEditSortAvgFor", "&Avg+", 7, Qt::Key_A, "Rank the teams by points scored per game"},
        {"smEditSortAvgAgainst", "A&vg-", 8, Qt::Key_V,
         "Rank the teams by points allowed per game"},
        {"smEditSortPercentage", "Percenta&ge", 6, Qt::Key_G, "Rank the teams by percentage"},
    };
    for (const auto& item : items) {
        auto* action = addItem(smEditSort, item.name, QLatin1String(item.caption),
                               QLatin1String(item.hint), 430);
        action->setCheckable(true);
        action->setChecked(item.key == kSortTotal);
        action->setData(item.key);
        action->setShortcut(QKeySequence(Qt::CTRL | item.shortcut));
        sortGroup_->addAction(action);
        connect(action, &QAction::triggered, this, [this, key = item.key] { ResortRankings(key); });
    }
}

void TMainForm::createOptionsMenu() {
    mmOptions = menuBar()->addMenu(QStringLiteral("&Options"));
    mmOptions->setObjectName(QStringLiteral("mmOptions"));
    smOptionsPreferences =
        addItem(mmOptions, "smOptionsPreferences", QStringLiteral("&Preferences..."),
                QStringLiteral("Set the view and print preferences"), 460);
    connect(smOptionsPreferences, &QAction::triggered, this, &TMainForm::smOptionsPreferencesClick);
    smOptionsFont = addItem(mmOptions, "smOptionsFont", QStringLiteral("&Font..."),
                            QStringLiteral("Choose the font of the view windows"), 450);
    connect(smOptionsFont, &QAction::triggered, this, &TMainForm::OptionsFont);
}

void TMainForm::createWindowMenu() {
    mmWindow = menuBar()->addMenu(QStringLiteral("&Window"));
    mmWindow->setObjectName(QStringLiteral("mmWindow"));
    connect(mmWindow, &QMenu::aboutToShow, this, &TMainForm::mmWindowClick);
    smWindowCascade = addItem(mmWindow, "smWindowCascade", QStringLiteral("&Cascade"),
                              QStringLiteral("Arrange the windows so they overlap"), 680);
    connect(smWindowCascade, &QAction::triggered, this, &TMainForm::smWindowCascadeClick);
    smWindowTile = addItem(mmWindow, "smWindowTile", QStringLiteral("&Tile"),
                           QStringLiteral("Arrange the windows side by side"), 680);
    connect(smWindowTile, &QAction::triggered, this, &TMainForm::smWindowTileClick);
    smWindowNext = addItem(mmWindow, "smWindowNext", QStringLiteral("&Next"),
                           QStringLiteral("Activate the next window"), 680);
    smWindowNext->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F6));
    connect(smWindowNext, &QAction::triggered, this, &TMainForm::smWindowNextClick);
    smWindowPrevious = addItem(mmWindow, "smWindowPrevious", QStringLiteral("&Previous"),
                               QStringLiteral("Activate the previous window"), 680);
    smWindowPrevious->setShortcut(QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_F6));
    connect(smWindowPrevious, &QAction::triggered, this, &TMainForm::smWindowPreviousClick);
    mmWindow->addSeparator();
    smWindowRestoreLayout =
        addItem(mmWindow, "smWindowRestoreLayout", QStringLiteral("Restore &User Layout"),
                QStringLiteral("Open windows to saved sizes & positions"), 690);
    smWindowRestoreLayout->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
    connect(smWindowRestoreLayout, &QAction::triggered, this,
            &TMainForm::smWindowRestoreLayoutClick);
    smWindowSaveLayout = addItem(mmWindow, "smWindowSaveLayout", QStringLiteral("&Save Layout"),
                                 QStringLiteral("Save the sizes & positions of windows"), 700);
    connect(smWindowSaveLayout, &QAction::triggered, this, &TMainForm::smWindowSaveLayoutClick);
    smWindowRestoreDefaultWithDefaultFont =
        addItem(mmWindow, "smWindowRestoreDefaultWithDefaultFont",
                QStringLiteral("&Restore Default Layout w/ Default Font"),
                QStringLiteral("Open windows to default sizes & positions with default font"), 710);
    smWindowRestoreDefaultWithDefaultFont->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    connect(smWindowRestoreDefaultWithDefaultFont, &QAction::triggered, this,
            &TMainForm::smWindowRestoreDefaultWithDefaultFontClick);
    smWindowRestoreDefaultWithCurrentFont =
        addItem(mmWindow, "smWindowRestoreDefaultWithCurrentFont",
                QStringLiteral("Restore Defaut Layout w/ Current &Font"),
                QStringLiteral("Open windows to default sizes & positions with current font"), 720);
    smWindowRestoreDefaultWithCurrentFont->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    connect(smWindowRestoreDefaultWithCurrentFont, &QAction::triggered, this,
            &TMainForm::smWindowRestoreDefaultWithCurrentFontClick);
    mmWindow->addSeparator();
    struct WindowItem {
        const char* name;
        const char* caption;
        WindowCode code;
        const char* hint;
    };
    static const WindowItem items[] = {
        {"smWindowTeamRank", "Tea&m Rankings", kTeamRankWindow, "Open the team rankings window"},
        {"smWindowDivRank", "Di&vision Rankings", kDivisionRankWindow,
         "Open the division rankings window"},
        {"smWindowCatRank", "Cate&gory Rankings", kCategoryRankWindow,
         "Open the category rankings window"},
        {"smWindowSpreads", "Spr&eads", kSpreadsWindow, "Open the spreads window"},
        {"smWindowArchScores", "Archive Sc&ores", kArchiveScoresWindow,
         "Open the archive scores window"},
        {"smWindowArchSpreads", "Archive Spre&ads", kArchiveSpreadsWindow,
         "Open the archive spreads window"},
    };
    for (const auto& item : items) {
        auto* action =
            addItem(mmWindow, item.name, QLatin1String(item.caption), QLatin1String(item.hint), 30);
        action->setData(static_cast<int>(item.code));
        windowItems_[item.code] = action;
        connect(action, &QAction::triggered, this,
                [this, code = item.code] { mmWindowOpenWnds(code); });
    }
    windowListSeparator_ = mmWindow->addSeparator();
}

void TMainForm::createHelpMenu() {
    mmHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mmHelp->setObjectName(QStringLiteral("mmHelp"));
    struct HelpItem {
        const char* name;
        const char* caption;
        int context;
        const char* hint;
    };
    // Context 0 asks for the table of contents.
    static const HelpItem items[] = {
        {"smHelpOnOddsmith", "Help on &Oddsmith Help", 740, "How to use Oddsmith's on-line help"},
        {"smHelpContents", "&Contents", 0, "The contents of the help file"},
        {"smHelpIntroduction", "&Introduction", 800, "An introduction to GRD Oddsmith"},
        {"smHelpOverview", "&Overview", 810, "An overview of GRD Oddsmith"},
        {"smHelpNewUsers", "&New Users", 910, "Getting started with GRD Oddsmith"},
        {"smHelpCatchingUp", "Catching &up", 890, "Catching up on a season already under way"},
    };
    for (const auto& item : items) {
        auto* action = addItem(mmHelp, item.name, QLatin1String(item.caption),
                               QLatin1String(item.hint), item.context);
        connect(action, &QAction::triggered, this,
                [this, context = item.context] { HelpItemsClick(context); });
    }
    mmHelp->addSeparator();
    auto* web = addItem(mmHelp, "smHelpVisitWebSite", QStringLiteral("&Visit Web Site..."),
                        QStringLiteral("Visit the GRD Oddsmith web site"));
    connect(web, &QAction::triggered, this, &TMainForm::HelpWebClick);
    auto* about = addItem(mmHelp, "smHelpAbout", QStringLiteral("&About..."),
                          QStringLiteral("About GRD Oddsmith"));
    connect(about, &QAction::triggered, this, &TMainForm::smHelpAboutClick);
}

QToolButton* TMainForm::addSpeedButton(const char* objectName, const QString& hint) {
    auto* button = new QToolButton(this);
    button->setObjectName(QLatin1String(objectName));
    button->setFixedSize(25, 25);
    button->setAutoRaise(true);
    button->setToolTip(shortHint(hint));
    button->setStatusTip(longHint(hint));
    button->setEnabled(false);
    return button;
}

void TMainForm::createToolBar() {
    auto* bar = addToolBar(QStringLiteral("Tools"));
    bar->setObjectName(QStringLiteral("MainToolBar"));
    bar->setMovable(false);
    bar->setFixedHeight(31);
    auto* style = QApplication::style();

    QuickSBtn = addSpeedButton(
        "QuickSBtn",
        QStringLiteral(
            "Weekly Tasks|Quickly enter scores, obtain forecasts, save data, print reports"));
    QuickSBtn->setIcon(style->standardIcon(QStyle::SP_MediaPlay));
    connect(QuickSBtn, &QToolButton::clicked, this, &TMainForm::smTasksWeeklyClick);
    bar->addWidget(QuickSBtn);

    RestoreLayoutSBtn = addSpeedButton(
        "RestoreLayoutSBtn",
        QStringLiteral("Restore windows|Open view windows to the saved sizes and positions"));
    RestoreLayoutSBtn->setIcon(style->standardIcon(QStyle::SP_TitleBarNormalButton));
    connect(RestoreLayoutSBtn, &QToolButton::clicked, this, &TMainForm::smWindowRestoreLayoutClick);
    bar->addWidget(RestoreLayoutSBtn);
    bar->addSeparator();

    XversusYSBtn =
        addSpeedButton("XversusYSBtn", QStringLiteral("View schedule|View the current schedule"));
    XversusYSBtn->setIcon(style->standardIcon(QStyle::SP_FileDialogDetailedView));
    connect(XversusYSBtn, &QToolButton::clicked, this,
            [this] { mmWindowOpenWnds(kScheduleWindow); });
    bar->addWidget(XversusYSBtn);
    bar->addSeparator();

    Copy2ClipSBtn = addSpeedButton(
        "Copy2ClipSBtn",
        QStringLiteral(
            "Copy to clipboard|Copy the contents of the active view window to the clipboard"));
    Copy2ClipSBtn->setIcon(style->standardIcon(QStyle::SP_DialogSaveButton));
    connect(Copy2ClipSBtn, &QToolButton::clicked, this, &TMainForm::EditCopyClick);
    bar->addWidget(Copy2ClipSBtn);

    PrintSBtn = addSpeedButton("PrintSBtn", QStringLiteral("Print|Print the rankings"));
    PrintSBtn->setIcon(style->standardIcon(QStyle::SP_FileIcon));
    connect(PrintSBtn, &QToolButton::clicked, this, [this] { PrintOrPreviewClick(false); });
    bar->addWidget(PrintSBtn);

    PrintPreviewSBtn = addSpeedButton("PrintPreviewSBtn", QStringLiteral("Print Preview"));
    PrintPreviewSBtn->setIcon(style->standardIcon(QStyle::SP_FileDialogContentsView));
    connect(PrintPreviewSBtn, &QToolButton::clicked, this, [this] { PrintOrPreviewClick(true); });
    bar->addWidget(PrintPreviewSBtn);
}

void TMainForm::setTopMenusEnabled(bool enabled) {
    for (QMenu* menu : {mmFile, mmTasks, mmView, mmEdit, mmOptions, mmWindow, mmHelp})
        menu->menuAction()->setEnabled(enabled);
}

// ---- Start-up and shutdown ----------------------------------------------------

void TMainForm::FormCreate() {
    setWindowTitle(kNoFileCaption);
    setWindowState(Qt::WindowMaximized);
}

void TMainForm::applyStartupFailure() {
    state_.startupFailed = true;
    mmFile->menuAction()->setEnabled(true);
    mmHelp->menuAction()->setEnabled(true);
    for (QAction* item : mmFile->actions())
        item->setEnabled(item == smFileExit);
}

void TMainForm::enableReadyMenus() {
    setTopMenusEnabled(true);
    QuickSBtn->setEnabled(true);
    XversusYSBtn->setEnabled(!state_.isOpen(kScheduleWindow));
}

void TMainForm::MainTimerClick() {
    if (!splashPending_)
        return;
    ++splashTicks_;
    if (splashTicks_ < 2 || !(isVisible() || state_.startupFailed))
        return;
    mainTimer_->stop();
    splashPending_ = false;
    if (state_.startupFailed)
        return;
    enableReadyMenus();
}

void TMainForm::AppIdle() {
    const bool anyChild = !mdi_->subWindowList().isEmpty();
    Copy2ClipSBtn->setEnabled(anyChild);
    PrintSBtn->setEnabled(anyChild);
    PrintPreviewSBtn->setEnabled(anyChild);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (!shutDown_)
        FormClose();
    event->accept();
}

void TMainForm::FormClose() {
    shutDown_ = true;
    CloseViewWindows(true);
}

bool TMainForm::event(QEvent* event) {
    return QMainWindow::event(event);
}

void TMainForm::showHint(const QString& hint) {
    statusBar()->showMessage(hint);
}

// ---- Menu enabling ------------------------------------------------------------

void TMainForm::mmFileClick() {}
void TMainForm::mmEditClick() {}
void TMainForm::mmViewClick() {
    smViewSchedule->setEnabled(!state_.isOpen(kScheduleWindow));
}
void TMainForm::mmWindowClick() {}

// ---- Commands -----------------------------------------------------------------

void TMainForm::RedrawChildren(bool, bool) {}

void TMainForm::CloseViewWindows(bool) {
    for (int code = kFirstWindowCode; code <= kLastWindowCode; ++code)
        if (views_[code])
            views_[code]->close();
}

void TMainForm::PrintOrPreviewClick(bool) {}

void TMainForm::smFilePrinterSetupClick() {
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Printer Setup"));
    dialog.exec();
}

void TMainForm::FileSaveAs() {}
void TMainForm::smFileRevertClick() {}
void TMainForm::smFileExitClick() {
    close();
}
void TMainForm::smTasksWeeklyClick() {}
void TMainForm::smTasksSeasonalZeroClick() {}
void TMainForm::smTasksSeasonalSchedulePrintClick(bool) {}
void TMainForm::ViewLoadDataClick(int) {}
void TMainForm::EditCopyClick() {}
void TMainForm::ResortRankings(int) {}
void TMainForm::smOptionsPreferencesClick() {}

void TMainForm::OptionsFont() {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font(), this);
    if (!ok)
        return;
    setFont(chosen);
    RedrawChildren(false, true);
}

void TMainForm::smWindowCascadeClick() {
    mdi_->cascadeSubWindows();
}
void TMainForm::smWindowTileClick() {
    mdi_->tileSubWindows();
}
void TMainForm::smWindowNextClick() {
    mdi_->activateNextSubWindow();
}
void TMainForm::smWindowPreviousClick() {
    mdi_->activatePreviousSubWindow();
}
void TMainForm::smWindowRestoreLayoutClick() {}
void TMainForm::smWindowSaveLayoutClick() {}
void TMainForm::smWindowRestoreDefaultWithDefaultFontClick() {}
void TMainForm::smWindowRestoreDefaultWithCurrentFontClick() {}
void TMainForm::mmWindowOpenWnds(int) {}
void TMainForm::HelpItemsClick(int) {}
void TMainForm::HelpWebClick() {}
void TMainForm::smHelpAboutClick() {}

} // namespace grd
