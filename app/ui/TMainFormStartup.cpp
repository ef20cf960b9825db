#include "app/ui/TMainForm.h"

#include "app/Shutdown.h"
#include "app/Startup.h"
#include "app/ui/BusyCursor.h"
#include "app/ui/FlybyHints.h"
#include "app/ui/HelpKey.h"
#include "league/ui/HelpRequest.h"
#include "prefs/ui/FontConversion.h"
#include "prefs/ui/HelpService.h"
#include "prefs/ui/HelpWindow.h"
#include "prefs/ui/PreferencesIO.h"
#include "prefs/ui/TWelcomeDlg.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMenu>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace grd {
namespace {

constexpr int kMainHelpContext = 810;
// Object name under which the companion library finds the help service.
const char* const kHelpServiceName = "GRDOddsHelp";

} // namespace

void TMainForm::FormCreate() {
    if (qApp->findChild<QObject*>(QLatin1String(kHelpServiceName)) == nullptr)
        (new HelpService(qApp))->setObjectName(QLatin1String(kHelpServiceName));
    setHelpHandler(showHelp);
    setMenuItemsEnabled(false);
    setDataCaption({});
    setWindowState(Qt::WindowMaximized);
    new HelpKey(mdi_, kMainHelpContext, this);
    flyby_ = new FlybyHints(this);

    const StartupOutcome outcome = runStartup(state_, *this, localeUsesInches());
    HelpWindow::setBundleDir(QString::fromStdString(state_.helpBundle));
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
    if (outcome.quit)
        QTimer::singleShot(0, this, &QWidget::close);
}

bool TMainForm::openReadOnly(const std::string& dataDir, const std::string& why) {
    const QString text = QStringLiteral("The data in %1 %2, so another program may change it.\n\n"
                                        "Open the data read-only (nothing is saved), or quit?")
                             .arg(QString::fromStdString(dataDir), QString::fromStdString(why));
    return AskChoice(text, QStringLiteral("GRD Oddsmith: Data in Use"),
                     QStringLiteral("Open &Read-Only"), QStringLiteral("&Quit"), this);
}

void TMainForm::applyPreferences() {
    const GeneralPrefs& general = state_.prefs.general;
    toolBar_->setVisible(general.toolbar);
    statusBar()->setVisible(general.statusLine);
    flyby_->setShown(general.flyby);
    applyWindowFont();
}

void TMainForm::applyWindowFont() {
    mainFont_ = toQFont(state_.prefs.view.font);
    applyFontColour();
}

void TMainForm::applyFontColour() {
    const QColor colour = toQColor(state_.prefs.view.font.colour);
    QPalette palette = mdi_->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    mdi_->setPalette(palette);
}

void TMainForm::applyStartupFailure() {
    mmFile->menuAction()->setEnabled(true);
    mmHelp->menuAction()->setEnabled(true);
    smFileExit->setEnabled(true);
    // The About box lives in the companion library.
    smHelpAbout->setEnabled(companion_.loaded());
}

Status TMainForm::bindCompanion() {
    return companion_.load(companionLibraryPath(programDir_));
}

// Shown once the main window is: a splash shown first would end up beneath it.
void TMainForm::showSplash() {
    splashWanted_ = true;
    if (isVisible())
        presentSplash();
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (splashWanted_)
        QTimer::singleShot(0, this, &TMainForm::presentSplash);
}

void TMainForm::presentSplash() {
    if (!splashWanted_ || !splash_.pending() || !companion_.loaded())
        return;
    splashWanted_ = false;
    companion_.ShowSplashScreen(static_cast<QWidget*>(this));
    if (auto* splash = findChild<QWidget*>(QStringLiteral("SPLASHBOX")))
        splash->raise();
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
    if (action != SplashTimer::Action::CloseAndEnable)
        return;
    enableReadyMenus();
    if (state_.prefs.general.welcome)
        state_.prefs.general.welcome = TWelcomeDlg::ShowWelcome(this);
}

void TMainForm::AppIdle() {
    const bool anyChild = !mdi_->subWindowList().isEmpty();
    Copy2ClipSBtn->setEnabled(anyChild);
    // The buttons print the reports of the data on view; the chart alone has none.
    const bool reports = anyChild && state_.rankings != nullptr;
    PrintSBtn->setEnabled(reports);
    PrintPreviewSBtn->setEnabled(reports);
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

} // namespace grd
