#include "app/ui/TMainForm.h"

#include "accuracy/ui/AccuracyWindows.h"
#include "app/ui/AppIcon.h"
#include "app/ui/CsvExport.h"
#include "app/ui/MainFormDisplayHost.h"
#include "outlook/ui/OutlookWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QImage>
#include <QMenuBar>
#include <QPixmap>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

namespace grd {
namespace {

// Speed-button hints come as "short|long": the short part is the tool tip, the
// long part goes to the status line.
QString shortHint(const QString& hint) {
    return hint.section(QLatin1Char('|'), 0, 0);
}
QString longHint(const QString& hint) {
    return hint.contains(QLatin1Char('|')) ? hint.section(QLatin1Char('|'), 1) : hint;
}

// A grey, faint copy: many themed glyphs are grey already, and the usual greying
// left them looking enabled.
QPixmap faded(const QPixmap& pixmap) {
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            const int grey = 128 + qGray(colour.rgb()) / 2;
            image.setPixelColor(x, y, QColor(grey, grey, grey, colour.alpha() * 3 / 10));
        }
    return QPixmap::fromImage(image);
}

// A themed glyph where the desktop has an icon theme, a built-in one elsewhere; its
// disabled look is plainly fainter.
QIcon icon(const char* themeName, const QIcon& fallback) {
    const QIcon source = QIcon::fromTheme(QLatin1String(themeName), fallback);
    QIcon result;
    for (const int size : {16, 22, 24}) {
        const QPixmap normal = source.pixmap(size);
        result.addPixmap(normal, QIcon::Normal);
        result.addPixmap(faded(normal), QIcon::Disabled);
    }
    return result;
}

QIcon icon(const char* themeName, QStyle::StandardPixmap fallback) {
    return icon(themeName, QApplication::style()->standardIcon(fallback));
}

} // namespace

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
    addAccuracyMenuItems(displayHostOf(*this), mmFile, smTasksSeasonal, mmView, [this] {
        if (state_.program.hasUnsavedData() && AskSaveUnsaved() == Answer::Cancel)
            return false;
        state_.program.clearFlags();
        CloseViewWindows(true);
        setDataCaption({});
        return true;
    });
    addOutlookMenuItem(displayHostOf(*this), mmView);
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
    smFileExportCsv = addItem(mmFile, "smFileExportCsv", QStringLiteral("Export as &CSV..."),
                              QStringLiteral("Save the active window's table as a CSV file"));
    connect(smFileExportCsv, &QAction::triggered, this,
            [this] { exportActiveWindowCsv(mdi_, this); });
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
    // Linux users copy with Ctrl+C; Ctrl+Insert stays for those used to it.
    smEditCopy->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Insert), QKeySequence::Copy});
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
                QStringLiteral("Restore Default Layout w/ Current &Font"),
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
        {"smHelpOnOddsmith", "&Help on Oddsmith Help", 740, "How to use Oddsmith's on-line help"},
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
    PrintSBtn->setIcon(icon("document-print", printerGlyph()));
    connect(PrintSBtn, &QToolButton::clicked, this, [this] { PrintOrPreviewClick(false); });
    bar->addWidget(PrintSBtn);

    PrintPreviewSBtn = addSpeedButton("PrintPreviewSBtn", QStringLiteral("Print Preview"));
    PrintPreviewSBtn->setIcon(icon("document-print-preview", QStyle::SP_FileDialogContentsView));
    connect(PrintPreviewSBtn, &QToolButton::clicked, this, [this] { PrintOrPreviewClick(true); });
    bar->addWidget(PrintPreviewSBtn);
}

} // namespace grd
