#include "app/ui/TMainForm.h"

#include "accuracy/ui/AccuracyWindows.h"
#include "app/MenuRules.h"
#include "app/Shutdown.h"
#include "app/Startup.h"
#include "app/ui/FontConversion.h"
#include "league/FileNames.h"
#include "league/RankingsFile.h"
#include "prefs/ui/HelpService.h"
#include "prefs/ui/HelpWindow.h"
#include "prefs/ui/PreferencesIO.h"
#include "tasks/WeeklyTask.h"
#include "tasks/ui/TZeroMainDataDlg.h"
#include "tasks/ui/WeeklyTaskWindows.h"
#include "views/ui/DisplayWindows.h"
#include "views/ui/MainFormDisplayHost.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFontDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

namespace grd {

namespace {

const QString kCaptionPrefix = QStringLiteral("GRD Oddsmith 7.18: ");
const QString kNoFileLoaded = QStringLiteral("No File Loaded");
const char* const kWebSite = "https://www.grdsoftware.com/oddsmith/";
constexpr int kMainHelpContext = 810;
// Object name under which the companion library finds the help service.
const char* const kHelpServiceName = "GRDOddsHelp";

// Speed-button hints come as "short|long": the short part is the tool tip, the
// long part goes to the status line.
QString shortHint(const QString& hint) {
    return hint.section(QLatin1Char('|'), 0, 0);
}
QString longHint(const QString& hint) {
    return hint.contains(QLatin1Char('|')) ? hint.section(QLatin1Char('|'), 1) : hint;
}

// A themed glyph where the desktop has an icon theme, a built-in one elsewhere.
QIcon icon(const char* themeName, QStyle::StandardPixmap fallback) {
    return QIcon::fromTheme(QLatin1String(themeName),
                            QApplication::style()->standardIcon(fallback));
}

// Restores the normal cursor on every way out of a busy stretch.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

TMainForm::TMainForm(const std::string& programDir, QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("MainForm"));
    state_.programDir =
        programDir.empty()
            ? programDirectoryOf(QCoreApplication::applicationFilePath().toStdString())
            : withTrailingSlash(programDir);
    mdi_ = new QMdiArea(this);
    mdi_->setObjectName(QStringLiteral("MdiArea"));
    setCentralWidget(mdi_);

    statusBar()->setObjectName(QStringLiteral("MainStatusLine"));

    MainTimer = new QTimer(this);
    MainTimer->setObjectName(QStringLiteral("MainTimer"));
    MainTimer->setInterval(1000);
    connect(MainTimer, &QTimer::timeout, this, &TMainForm::MainTimerClick);

    createMenus();
    createToolBar();
    setTopMenusEnabled(false);
    FormCreate();
}

TMainForm::~TMainForm() {
    if (!shutDown_)
        FormClose();
}

QPrinter& TMainForm::printer() {
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void TMainForm::setViewWindow(WindowCode code, QWidget* window) {
    views_[code] = window;
    state_.windowOpen[code] = window != nullptr;
    if (code == kScheduleWindow && !state_.startupFailed && !splash_.pending())
        XversusYSBtn->setEnabled(window == nullptr);
}

// ---- Menus and tool bar ---------------------------------------------------

QAction* TMainForm::addItem(QMenu* menu, const char* objectName, const QString& caption,
                            const QString& hint) {
    auto* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(objectName));
    action->setStatusTip(hint);
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
    addAccuracyMenuItems(displayHostOf(*this), smTasksSeasonal, mmView, [this] {
        if (state_.program.hasUnsavedData() && AskSaveUnsaved() == Answer::Cancel)
            return false;
        state_.program.clearFlags();
        CloseViewWindows(true);
        setDataCaption({});
        return true;
    });
}

void TMainForm::createFileMenu() {
    mmFile = menuBar()->addMenu(QStringLiteral("&File"));
    mmFile->setObjectName(QStringLiteral("mmFile"));
    connect(mmFile, &QMenu::aboutToShow, this, &TMainForm::mmFileClick);
    smFilePrint = addItem(mmFile, "smFilePrint", QStringLiteral("&Print..."),
                          QStringLiteral("Print the rankings, spreads and scores"));
    connect(smFilePrint, &QAction::triggered, this, [this] { PrintOrPreviewClick(false); });
    smFilePrintPreview = addItem(mmFile, "smFilePrintPreview", QStringLiteral("Print Pre&view..."),
                                 QStringLiteral("Preview the rankings, spreads and scores"));
    connect(smFilePrintPreview, &QAction::triggered, this, [this] { PrintOrPreviewClick(true); });
    smFilePrinterSetup = addItem(mmFile, "smFilePrinterSetup", QStringLiteral("Printer &Setup..."),
                                 QStringLiteral("Choose the printer and its settings"));
    connect(smFilePrinterSetup, &QAction::triggered, this, &TMainForm::smFilePrinterSetupClick);
    mmFile->addSeparator();
    smFileReplaceMain =
        addItem(mmFile, "smFileReplaceMain", QStringLiteral("Replace &Main Data File..."),
                QStringLiteral("Make the loaded archive file the main data file"));
    connect(smFileReplaceMain, &QAction::triggered, this, &TMainForm::FileSaveAs);
    smFileRevert = addItem(mmFile, "smFileRevert", QStringLiteral("Rever&t"),
                           QStringLiteral("Return main-dta.grd to start-up state"));
    smFileRevert->setEnabled(false);
    connect(smFileRevert, &QAction::triggered, this, &TMainForm::smFileRevertClick);
    mmFile->addSeparator();
    smFileExit =
        addItem(mmFile, "smFileExit", QStringLiteral("E&xit"), QStringLiteral("Exit GRD Oddsmith"));
    connect(smFileExit, &QAction::triggered, this, &TMainForm::smFileExitClick);
}

void TMainForm::createTasksMenu() {
    mmTasks = menuBar()->addMenu(QStringLiteral("&Tasks"));
    mmTasks->setObjectName(QStringLiteral("mmTasks"));
    smTasksWeekly =
        addItem(mmTasks, "smTasksWeekly", QStringLiteral("&Weekly..."),
                QStringLiteral("Enter scores, obtain forecasts, save data, print reports"));
    connect(smTasksWeekly, &QAction::triggered, this, &TMainForm::smTasksWeeklyClick);
    smTasksSeasonal = mmTasks->addMenu(QStringLiteral("&Seasonal"));
    smTasksSeasonal->setObjectName(QStringLiteral("smTasksSeasonal"));
    auto* smTasksSeasonalZero =
        addItem(smTasksSeasonal, "smTasksSeasonalZero", QStringLiteral("&Zero Main Data File..."),
                QStringLiteral("Start a new season's main data file"));
    connect(smTasksSeasonalZero, &QAction::triggered, this, &TMainForm::smTasksSeasonalZeroClick);
    smTasksSeasonal->addSeparator();
    auto* smTasksSeasonalSchedulePrint = addItem(smTasksSeasonal, "smTasksSeasonalSchedulePrint",
                                                 QStringLiteral("&Print Schedule..."),
                                                 QStringLiteral("Print the season's schedule"));
    connect(smTasksSeasonalSchedulePrint, &QAction::triggered, this,
            [this] { smTasksSeasonalSchedulePrintClick(false); });
    auto* smTasksSeasonalSchedulePreview = addItem(
        smTasksSeasonal, "smTasksSeasonalSchedulePreview", QStringLiteral("Pre&view Schedule..."),
        QStringLiteral("Preview the season's schedule"));
    connect(smTasksSeasonalSchedulePreview, &QAction::triggered, this,
            [this] { smTasksSeasonalSchedulePrintClick(true); });
}

void TMainForm::createViewMenu() {
    mmView = menuBar()->addMenu(QStringLiteral("&View"));
    mmView->setObjectName(QStringLiteral("mmView"));
    connect(mmView, &QMenu::aboutToShow, this, &TMainForm::mmViewClick);
    auto* smViewCurrent =
        addItem(mmView, "smViewCurrent", QStringLiteral("&Current rankings and spreads"),
                QStringLiteral("Load and view the current main data file"));
    smViewCurrent->setData(101);
    connect(smViewCurrent, &QAction::triggered, this, [this] { ViewLoadDataClick(101); });
    auto* smViewArchive =
        addItem(mmView, "smViewArchive", QStringLiteral("&Archive rankings, spreads and scores"),
                QStringLiteral("Load and view a weekly archive file"));
    smViewArchive->setData(102);
    connect(smViewArchive, &QAction::triggered, this, [this] { ViewLoadDataClick(102); });
    mmView->addSeparator();
    smViewSchedule = addItem(mmView, "smViewSchedule", QStringLiteral("&Schedule"),
                             QStringLiteral("View the current schedule"));
    connect(smViewSchedule, &QAction::triggered, this,
            [this] { mmWindowOpenWnds(kScheduleWindow); });
}

void TMainForm::createEditMenu() {
    mmEdit = menuBar()->addMenu(QStringLiteral("&Edit"));
    mmEdit->setObjectName(QStringLiteral("mmEdit"));
    connect(mmEdit, &QMenu::aboutToShow, this, &TMainForm::mmEditClick);
    smEditCopy =
        addItem(mmEdit, "smEditCopy", QStringLiteral("&Copy"),
                QStringLiteral("Copy the contents of the active view window to the clipboard"));
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
        auto* action =
            addItem(smEditSort, item.name, QLatin1String(item.caption), QLatin1String(item.hint));
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
    auto* smOptionsPreferences =
        addItem(mmOptions, "smOptionsPreferences", QStringLiteral("&Preferences..."),
                QStringLiteral("Set the view and print preferences"));
    connect(smOptionsPreferences, &QAction::triggered, this, &TMainForm::smOptionsPreferencesClick);
    auto* smOptionsFont = addItem(mmOptions, "smOptionsFont", QStringLiteral("&Font..."),
                                  QStringLiteral("Choose the font of the view windows"));
    connect(smOptionsFont, &QAction::triggered, this, &TMainForm::OptionsFont);
}

void TMainForm::createWindowMenu() {
    mmWindow = menuBar()->addMenu(QStringLiteral("&Window"));
    mmWindow->setObjectName(QStringLiteral("mmWindow"));
    connect(mmWindow, &QMenu::aboutToShow, this, &TMainForm::mmWindowClick);
    smWindowCascade = addItem(mmWindow, "smWindowCascade", QStringLiteral("&Cascade"),
                              QStringLiteral("Arrange the windows so they overlap"));
    connect(smWindowCascade, &QAction::triggered, this, &TMainForm::smWindowCascadeClick);
    smWindowTile = addItem(mmWindow, "smWindowTile", QStringLiteral("&Tile"),
                           QStringLiteral("Arrange the windows side by side"));
    connect(smWindowTile, &QAction::triggered, this, &TMainForm::smWindowTileClick);
    smWindowNext = addItem(mmWindow, "smWindowNext", QStringLiteral("&Next"),
                           QStringLiteral("Activate the next window"));
    smWindowNext->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F6));
    connect(smWindowNext, &QAction::triggered, this, &TMainForm::smWindowNextClick);
    smWindowPrevious = addItem(mmWindow, "smWindowPrevious", QStringLiteral("&Previous"),
                               QStringLiteral("Activate the previous window"));
    smWindowPrevious->setShortcut(QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_F6));
    connect(smWindowPrevious, &QAction::triggered, this, &TMainForm::smWindowPreviousClick);
    mmWindow->addSeparator();
    smWindowRestoreLayout =
        addItem(mmWindow, "smWindowRestoreLayout", QStringLiteral("Restore &User Layout"),
                QStringLiteral("Open windows to saved sizes & positions"));
    smWindowRestoreLayout->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
    connect(smWindowRestoreLayout, &QAction::triggered, this,
            &TMainForm::smWindowRestoreLayoutClick);
    smWindowSaveLayout = addItem(mmWindow, "smWindowSaveLayout", QStringLiteral("&Save Layout"),
                                 QStringLiteral("Save the sizes & positions of windows"));
    connect(smWindowSaveLayout, &QAction::triggered, this, &TMainForm::smWindowSaveLayoutClick);
    smWindowRestoreDefaultWithDefaultFont =
        addItem(mmWindow, "smWindowRestoreDefaultWithDefaultFont",
                QStringLiteral("&Restore Default Layout w/ Default Font"),
                QStringLiteral("Open windows to default sizes & positions with default font"));
    smWindowRestoreDefaultWithDefaultFont->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    connect(smWindowRestoreDefaultWithDefaultFont, &QAction::triggered, this,
            &TMainForm::smWindowRestoreDefaultWithDefaultFontClick);
    smWindowRestoreDefaultWithCurrentFont =
        addItem(mmWindow, "smWindowRestoreDefaultWithCurrentFont",
                QStringLiteral("Restore Defaut Layout w/ Current &Font"),
                QStringLiteral("Open windows to default sizes & positions with current font"));
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
            addItem(mmWindow, item.name, QLatin1String(item.caption), QLatin1String(item.hint));
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
        auto* action =
            addItem(mmHelp, item.name, QLatin1String(item.caption), QLatin1String(item.hint));
        connect(action, &QAction::triggered, this,
                [this, context = item.context] { HelpItemsClick(context); });
    }
    mmHelp->addSeparator();
    auto* web = addItem(mmHelp, "smHelpVisitWebSite", QStringLiteral("&Visit Web Site..."),
                        QStringLiteral("Visit the GRD Oddsmith web site"));
    connect(web, &QAction::triggered, this, &TMainForm::HelpWebClick);
    smHelpAbout = addItem(mmHelp, "smHelpAbout", QStringLiteral("&About..."),
                          QStringLiteral("About GRD Oddsmith"));
    connect(smHelpAbout, &QAction::triggered, this, &TMainForm::smHelpAboutClick);
}

QToolButton* TMainForm::addSpeedButton(const char* objectName, const QString& hint) {
    auto* button = new QToolButton(this);
    button->setObjectName(QLatin1String(objectName));
    button->setFixedSize(25, 25);
    button->setAutoRaise(true);
    button->setProperty("shortHint", shortHint(hint));
    button->setToolTip(shortHint(hint));
    button->setStatusTip(longHint(hint));
    button->setEnabled(false);
    return button;
}

void TMainForm::createToolBar() {
    toolBar_ = addToolBar(QStringLiteral("Tools"));
    auto* bar = toolBar_;
    bar->setObjectName(QStringLiteral("MainToolBar"));
    bar->setMovable(false);
    bar->setFixedHeight(31);

    QuickSBtn = addSpeedButton(
        "QuickSBtn",
        QStringLiteral(
            "Weekly Tasks|Quickly enter scores, obtain forecasts, save data, print reports"));
    QuickSBtn->setIcon(icon("go-next", QStyle::SP_MediaPlay));
    connect(QuickSBtn, &QToolButton::clicked, this, &TMainForm::smTasksWeeklyClick);
    bar->addWidget(QuickSBtn);

    RestoreLayoutSBtn = addSpeedButton(
        "RestoreLayoutSBtn",
        QStringLiteral("Restore windows|Open view windows to the saved sizes and positions"));
    RestoreLayoutSBtn->setIcon(icon("window-restore", QStyle::SP_TitleBarNormalButton));
    connect(RestoreLayoutSBtn, &QToolButton::clicked, this, &TMainForm::smWindowRestoreLayoutClick);
    bar->addWidget(RestoreLayoutSBtn);
    bar->addSeparator();

    XversusYSBtn =
        addSpeedButton("XversusYSBtn", QStringLiteral("View schedule|View the current schedule"));
    XversusYSBtn->setIcon(icon("x-office-calendar", QStyle::SP_FileDialogDetailedView));
    connect(XversusYSBtn, &QToolButton::clicked, this,
            [this] { mmWindowOpenWnds(kScheduleWindow); });
    bar->addWidget(XversusYSBtn);
    bar->addSeparator();

    Copy2ClipSBtn = addSpeedButton(
        "Copy2ClipSBtn",
        QStringLiteral(
            "Copy to clipboard|Copy the contents of the active view window to the clipboard"));
    Copy2ClipSBtn->setIcon(icon("edit-copy", QStyle::SP_FileDialogListView));
    connect(Copy2ClipSBtn, &QToolButton::clicked, this, &TMainForm::EditCopyClick);
    bar->addWidget(Copy2ClipSBtn);

    PrintSBtn = addSpeedButton("PrintSBtn", QStringLiteral("Print|Print the rankings"));
    PrintSBtn->setIcon(icon("document-print", QStyle::SP_FileIcon));
    connect(PrintSBtn, &QToolButton::clicked, this, [this] { PrintOrPreviewClick(false); });
    bar->addWidget(PrintSBtn);

    PrintPreviewSBtn = addSpeedButton("PrintPreviewSBtn", QStringLiteral("Print Preview"));
    PrintPreviewSBtn->setIcon(icon("document-print-preview", QStyle::SP_FileDialogContentsView));
    connect(PrintPreviewSBtn, &QToolButton::clicked, this, [this] { PrintOrPreviewClick(true); });
    bar->addWidget(PrintPreviewSBtn);
}

void TMainForm::setTopMenusEnabled(bool enabled) {
    for (QMenu* menu : {mmFile, mmTasks, mmView, mmEdit, mmOptions, mmWindow, mmHelp})
        menu->menuAction()->setEnabled(enabled);
}

namespace {

// Shortcuts act even while their menu is closed, so items stay off until the
// program is ready rather than only while their menu is disabled.
void setItemsEnabled(QMenu* menu, bool enabled) {
    for (QAction* action : menu->actions()) {
        action->setEnabled(enabled);
        if (action->menu() != nullptr)
            setItemsEnabled(action->menu(), enabled);
    }
}

// The display form behind an MDI child: the child itself or the widget it holds,
// whichever has the method.
QObject* formWithMethod(QMdiSubWindow* child, const char* signature) {
    const QByteArray normalized = QMetaObject::normalizedSignature(signature);
    for (QObject* candidate :
         {static_cast<QObject*>(child->widget()), static_cast<QObject*>(child)})
        if (candidate != nullptr && candidate->metaObject()->indexOfMethod(normalized) >= 0)
            return candidate;
    return nullptr;
}

} // namespace

// ---- Start-up and shutdown ----------------------------------------------------

void TMainForm::FormCreate() {
    if (qApp->findChild<QObject*>(QLatin1String(kHelpServiceName)) == nullptr)
        (new HelpService(qApp))->setObjectName(QLatin1String(kHelpServiceName));
    for (QMenu* menu : {mmFile, mmTasks, mmView, mmEdit, mmOptions, mmWindow})
        setItemsEnabled(menu, false);
    setDataCaption({});
    setWindowState(Qt::WindowMaximized);
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, [this] {
        QMdiSubWindow* child = mdi_->activeSubWindow();
        const QVariant context = child ? child->property("helpContext") : QVariant();
        showHelp(context.isValid() ? context.toInt() : kMainHelpContext);
    });

    const StartupOutcome outcome = runStartup(state_, *this, localeUsesInches());
    applyPreferences();
    if (outcome.splashShown) {
        splash_.start();
        MainTimer->start();
    }
    if (state_.startupFailed)
        applyStartupFailure();
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            &TMainForm::AppIdle);
    for (const Failure& failure : outcome.failures)
        ShowError(failure, this);
}

void TMainForm::applyPreferences() {
    const GeneralPrefs& general = state_.prefs.general;
    toolBar_->setVisible(general.toolbar);
    statusBar()->setVisible(general.statusLine);
    for (QToolButton* button : toolBar_->findChildren<QToolButton*>())
        button->setToolTip(general.flyby ? button->property("shortHint").toString() : QString());
    const FontPrefs& font = state_.prefs.view.font;
    mdi_->setFont(toQFont(font));
    QPalette palette = mdi_->palette();
    palette.setColor(QPalette::WindowText, toQColor(font.colour));
    palette.setColor(QPalette::Text, toQColor(font.colour));
    mdi_->setPalette(palette);
}

void TMainForm::applyStartupFailure() {
    mmFile->menuAction()->setEnabled(true);
    mmHelp->menuAction()->setEnabled(true);
    smFileExit->setEnabled(true);
    // The About box lives in the companion library.
    smHelpAbout->setEnabled(companion_.loaded());
}

void TMainForm::enableReadyMenus() {
    setTopMenusEnabled(true);
    for (QMenu* menu : {mmFile, mmTasks, mmView, mmEdit, mmOptions, mmWindow})
        setItemsEnabled(menu, true);
    smFileRevert->setEnabled(state_.revertAvailable);
    setLayoutCommandsEnabled(state_.rankings != nullptr);
    mmFileClick();
    mmEditClick();
    mmViewClick();
    mmWindowClick();
    QuickSBtn->setEnabled(true);
    XversusYSBtn->setEnabled(!state_.isOpen(kScheduleWindow));
}

Status TMainForm::bindCompanion() {
    return companion_.load(state_.programDir + kCompanionFileName);
}

void TMainForm::showSplash() {
    companion_.ShowSplashScreen(static_cast<QWidget*>(this));
}

void TMainForm::handOverLeague(const LeagueStructure& league) {
    std::vector<int> counts(league.weekGameCounts.begin(), league.weekGameCounts.end());
    if (counts.empty())
        counts.push_back(0);
    companion_.SetWGC(counts.data(), static_cast<int>(counts.size()) - 1);
    std::vector<const char*> names;
    for (const std::string& name : league.playoffWeekNames)
        names.push_back(name.c_str());
    companion_.SetPlayOffNames(names.data(), static_cast<int>(names.size()));
}

void TMainForm::unloadCompanion() {
    // The splash belongs to the library: it must go before the library's code does.
    if (splash_.pending() && companion_.loaded())
        companion_.CloseSplashScreen(static_cast<QWidget*>(this));
    companion_.unload();
}

void TMainForm::MainTimerClick() {
    const SplashTimer::Action action = splash_.tick(isVisible(), state_.startupFailed);
    if (action == SplashTimer::Action::None)
        return;
    MainTimer->stop();
    companion_.CloseSplashScreen(static_cast<QWidget*>(this));
    if (action == SplashTimer::Action::CloseAndEnable)
        enableReadyMenus();
}

void TMainForm::AppIdle() {
    const bool anyChild = !mdi_->subWindowList().isEmpty();
    Copy2ClipSBtn->setEnabled(anyChild);
    PrintSBtn->setEnabled(anyChild);
    PrintPreviewSBtn->setEnabled(anyChild);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (!shutDown_ && state_.program.hasUnsavedData() && AskSaveUnsaved() == Answer::Cancel) {
        event->ignore();
        return;
    }
    if (!shutDown_)
        FormClose();
    event->accept();
}

void TMainForm::FormClose() {
    shutDown_ = true;
    BusyCursor busy;
    closeHelp();
    MainTimer->stop();
    const Status saved = runShutdown(state_, *this);
    if (!saved)
        ShowPlainMessage(QStringLiteral("Error saving preferences"), QStringLiteral("GRD Oddsmith"),
                         this);
    CloseViewWindows(true);
}

namespace {

// The main window's part in the weekly task; the layout commands are its own.
WeeklyTaskWindows::MainWindow weeklyTaskMainWindow(TMainForm* form,
                                                   std::function<void(bool)> layoutCommands) {
    return {form, [form] { form->CloseViewWindows(true); }, std::move(layoutCommands),
            [form] { form->smWindowRestoreDefaultWithCurrentFontClick(); },
            [form] { form->PrintOrPreviewClick(false); }};
}

} // namespace

Answer TMainForm::AskSaveUnsaved() {
    WeeklyTaskWindows windows(state_, companion_, weeklyTaskMainWindow(this, [this](bool on) {
                                  setLayoutCommandsEnabled(on);
                              }));
    switch (WeeklyTask(state_, windows).AskSaveUnsaved()) {
    case WeeklyTaskHost::Reply::Yes:
        return Answer::Yes;
    case WeeklyTaskHost::Reply::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

// ---- Menu enabling ------------------------------------------------------------

bool TMainForm::activeChildIsTeamRank() const {
    QMdiSubWindow* active = mdi_->activeSubWindow();
    return active != nullptr && active == views_[kTeamRankWindow];
}

void TMainForm::mmFileClick() {
    const auto facts = menuFactsOf(state_, static_cast<int>(mdi_->subWindowList().size()),
                                   activeChildIsTeamRank());
    const FileMenuEnabling rules = fileMenuEnabling(facts);
    smFilePrint->setEnabled(rules.print);
    smFilePrintPreview->setEnabled(rules.print);
    smFileReplaceMain->setEnabled(rules.replaceMain);
}

void TMainForm::mmEditClick() {
    const auto facts = menuFactsOf(state_, static_cast<int>(mdi_->subWindowList().size()),
                                   activeChildIsTeamRank());
    const EditMenuEnabling rules = editMenuEnabling(facts);
    smEditCopy->setEnabled(rules.copy);
    smEditSort->menuAction()->setEnabled(rules.sort);
}

void TMainForm::mmViewClick() {
    const auto facts = menuFactsOf(state_, 0, false);
    smViewSchedule->setEnabled(viewScheduleEnabled(facts));
}

void TMainForm::mmWindowClick() {
    const auto facts = menuFactsOf(state_, static_cast<int>(mdi_->subWindowList().size()),
                                   activeChildIsTeamRank());
    const WindowMenuEnabling rules = windowMenuEnabling(facts);
    for (int code = kTeamRankWindow; code <= kLastWindowCode; ++code)
        windowItems_[code]->setEnabled(rules.openItem[code]);
    smWindowRestoreLayout->setEnabled(rules.restoreLayouts);
    smWindowRestoreDefaultWithDefaultFont->setEnabled(rules.restoreLayouts);
    smWindowRestoreDefaultWithCurrentFont->setEnabled(rules.restoreLayouts);
    if (rules.saveLayout)
        smWindowSaveLayout->setEnabled(*rules.saveLayout);
    smWindowCascade->setEnabled(rules.arrange);
    smWindowTile->setEnabled(rules.arrange);
    smWindowNext->setEnabled(rules.navigate);
    smWindowPrevious->setEnabled(rules.navigate);
    listChildWindows();
}

void TMainForm::listChildWindows() {
    const QList<QAction*> items = mmWindow->actions();
    for (qsizetype i = items.indexOf(windowListSeparator_) + 1; i < items.size(); ++i)
        delete items[i];
    const QList<QMdiSubWindow*> children = mdi_->subWindowList();
    for (qsizetype i = 0; i < children.size(); ++i) {
        QPointer<QMdiSubWindow> child = children[i];
        auto* item = mmWindow->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(child->windowTitle().trimmed()));
        // Only the active window carries a check mark, as in any window list.
        item->setCheckable(child == mdi_->activeSubWindow());
        item->setChecked(child == mdi_->activeSubWindow());
        connect(item, &QAction::triggered, this, [this, child] {
            if (child)
                mdi_->setActiveSubWindow(child);
        });
    }
}

void TMainForm::setLayoutCommandsEnabled(bool enabled) {
    smWindowRestoreLayout->setEnabled(enabled);
    smWindowRestoreDefaultWithDefaultFont->setEnabled(enabled);
    smWindowRestoreDefaultWithCurrentFont->setEnabled(enabled);
    RestoreLayoutSBtn->setEnabled(enabled);
}

void TMainForm::setDataCaption(const std::string& fileName) {
    setWindowTitle(kCaptionPrefix +
                   (fileName.empty() ? kNoFileLoaded : QString::fromStdString(fileName)));
}

// ---- Display windows ----------------------------------------------------------

void TMainForm::RedrawChildren(bool recalcPosition, bool recalcColumnWidths) {
    const QList<QMdiSubWindow*> children = mdi_->subWindowList();
    for (auto child = children.rbegin(); child != children.rend(); ++child)
        if (QObject* form = formWithMethod(*child, "DrawTheGrid(bool,bool)"))
            QMetaObject::invokeMethod(form, "DrawTheGrid", Q_ARG(bool, recalcPosition),
                                      Q_ARG(bool, recalcColumnWidths));
}

void TMainForm::CloseViewWindows(bool freeRankings) {
    // The windows go first: they read the rankings until they are closed.
    for (int code = kFirstWindowCode; code <= kLastWindowCode; ++code) {
        const auto windowCode = static_cast<WindowCode>(code);
        if (QWidget* window = views_[windowCode]) {
            window->close();
            setViewWindow(windowCode, nullptr);
        }
    }
    if (freeRankings)
        state_.rankings.reset();
}

void TMainForm::discardLoadedData() {
    for (WindowCode code : {kTeamRankWindow, kDivisionRankWindow, kCategoryRankWindow,
                            kArchiveScoresWindow, kArchiveSpreadsWindow}) {
        if (QWidget* window = views_[code]) {
            window->close();
            setViewWindow(code, nullptr);
        }
    }
    state_.rankings.reset();
    setDataCaption({});
}

bool TMainForm::defaultWindowsOpen(int kind) const {
    const bool rankings = state_.isOpen(kTeamRankWindow) && state_.isOpen(kDivisionRankWindow) &&
                          state_.isOpen(kCategoryRankWindow);
    if (kind != kArchiveKind)
        return rankings;
    return rankings && state_.isOpen(kArchiveSpreadsWindow) && state_.isOpen(kArchiveScoresWindow);
}

bool TMainForm::loadForViewing(int kind, const std::string& file) {
    state_.program.currentWeek = kNoWeek;
    BusyCursor busy;
    if (!state_.rankings)
        state_.rankings = std::make_unique<tRankings>();
    state_.rankings->dataKind = kNoDataKind;
    const Status read = ReadRankings(file, kind, *state_.rankings, state_.program, state_.league);
    if (!read)
        ShowError(read.failure(), this);
    return read.ok();
}

void TMainForm::ViewLoadDataClick(int kind) {
    if (state_.program.hasUnsavedData() && AskSaveUnsaved() == Answer::Cancel)
        return;
    std::string file = findFileIgnoringCase(state_.programDir, kMainDataFileName).string();
    if (kind == kArchiveKind) {
        const QString chosen = QFileDialog::getOpenFileName(
            this, QStringLiteral(" GRD Oddsmith: Load Archive Data File"),
            QString::fromStdString(state_.programDir),
            QStringLiteral("Weekly files (week*.* WEEK*.*);;All files (*)"));
        if (chosen.isEmpty())
            return;
        file = chosen.toStdString();
    }
    CloseViewWindows(true);
    QCoreApplication::processEvents();
    setLayoutCommandsEnabled(false);
    const int16_t rememberedKey = state_.program.sortKey;

    const bool loaded = loadForViewing(kind, file);
    if (loaded)
        smWindowRestoreDefaultWithCurrentFontClick();
    if (loaded && defaultWindowsOpen(kind)) {
        setDataCaption(state_.rankings->fileName);
        setLayoutCommandsEnabled(true);
        const int fileKey = state_.program.sortKey;
        if (fileKey >= kSortTotal && fileKey <= kSortKeyCount) {
            state_.program.sortKey = rememberedKey;
            ResortRankings(fileKey);
        }
        return;
    }
    discardLoadedData();
    if (loaded)
        ShowError(5, {}, this);
}

void TMainForm::ResortRankings(int sortKey) {
    state_.program.previousSortKey = state_.program.sortKey;
    state_.program.sortKey = static_cast<int16_t>(sortKey);
    if (sortKey == state_.program.previousSortKey)
        return;
    for (QAction* item : sortGroup_->actions())
        if (item->data().toInt() == sortKey) {
            item->setChecked(true);
            break;
        }
    emit sortKeyChanged(sortKey);
}

void TMainForm::EditCopyClick() {
    if (QMdiSubWindow* active = mdi_->activeSubWindow())
        if (QObject* form = formWithMethod(active, "CopyToClipboard()"))
            QMetaObject::invokeMethod(form, "CopyToClipboard");
}

// ---- Commands of other windows and tasks --------------------------------------

void TMainForm::PrintOrPreviewClick(bool) {}
void TMainForm::FileSaveAs() {}
void TMainForm::smFileRevertClick() {}
void TMainForm::smTasksSeasonalZeroClick() {
    TZeroMainDataDlg::Run(state_.programDir, this);
}
void TMainForm::smTasksSeasonalSchedulePrintClick(bool) {}
void TMainForm::smOptionsPreferencesClick() {}
void TMainForm::smWindowRestoreLayoutClick() {}
void TMainForm::smWindowSaveLayoutClick() {}
void TMainForm::smWindowRestoreDefaultWithDefaultFontClick() {
    CloseViewWindows(false);
    QCoreApplication::processEvents();
    openDefaultLayout(displayHostOf(*this), LayoutFont::Default);
}
void TMainForm::smWindowRestoreDefaultWithCurrentFontClick() {
    CloseViewWindows(false);
    QCoreApplication::processEvents();
    openDefaultLayout(displayHostOf(*this), LayoutFont::Current);
}
void TMainForm::mmWindowOpenWnds(int windowCode) {
    if (windowCode >= kFirstWindowCode && windowCode <= kLastWindowCode)
        openDisplayWindow(displayHostOf(*this), static_cast<WindowCode>(windowCode));
}

// ---- Commands of the frame ----------------------------------------------------

void TMainForm::smTasksWeeklyClick() {
    WeeklyTaskWindows windows(state_, companion_, weeklyTaskMainWindow(this, [this](bool on) {
                                  setLayoutCommandsEnabled(on);
                              }));
    WeeklyTask(state_, windows).run();
}

void TMainForm::smFilePrinterSetupClick() {
    QPrintDialog dialog(&printer(), this);
    dialog.setWindowTitle(QStringLiteral(" GRD Oddsmith: Printer Setup"));
    dialog.setOptions({});
    dialog.exec();
}

void TMainForm::smFileExitClick() {
    close();
}

void TMainForm::OptionsFont() {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, mainFont(), this, QStringLiteral("Font"));
    if (!ok)
        return;
    setMainFont(chosen);
    RedrawChildren(false, true);
}

QFont TMainForm::mainFont() const {
    return mdi_->font();
}

void TMainForm::setMainFont(const QFont& font) {
    mdi_->setFont(font);
    FontPrefs& prefs = state_.prefs.view.font;
    prefs = toFontPrefs(font, prefs.colour);
}

void TMainForm::smWindowCascadeClick() {
    mdi_->cascadeSubWindows();
}
void TMainForm::smWindowTileClick() {
    tileChildren(state_.prefs.view.tileVert);
}
void TMainForm::smWindowNextClick() {
    mdi_->activateNextSubWindow();
}
void TMainForm::smWindowPreviousClick() {
    mdi_->activatePreviousSubWindow();
}

void TMainForm::tileChildren(bool vertical) {
    QList<QMdiSubWindow*> children;
    for (QMdiSubWindow* child : mdi_->subWindowList())
        if (child->isVisible() && !child->isMinimized())
            children.append(child);
    const auto n = static_cast<int>(children.size());
    const QRect area = mdi_->viewport()->rect();
    for (int i = 0; i < n; ++i) {
        // Vertical tiling puts the windows side by side, horizontal one above another.
        QRect cell = vertical ? QRect(area.width() * i / n, 0, area.width() / n, area.height())
                              : QRect(0, area.height() * i / n, area.width(), area.height() / n);
        children[i]->showNormal();
        children[i]->setGeometry(cell);
    }
}

void TMainForm::HelpItemsClick(int helpContext) {
    if (helpContext == 0)
        showHelpContents();
    else
        showHelp(helpContext);
}

void TMainForm::HelpWebClick() {
    if (!QDesktopServices::openUrl(QUrl(QLatin1String(kWebSite))))
        ShowError(-1, {}, this);
}

void TMainForm::smHelpAboutClick() {
    if (companion_.loaded())
        companion_.ShowAboutDlg(static_cast<QWidget*>(this));
}

} // namespace grd
