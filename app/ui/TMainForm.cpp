#include "app/ui/TMainForm.h"

#include "app/Startup.h"
#include "league/ui/HelpRequest.h"
#include "prefs/ui/HelpWindow.h"
#include "printing/ui/PrinterSource.h"
#include "tasks/WeeklyTask.h"
#include "tasks/ui/TZeroMainDataDlg.h"
#include "tasks/ui/WeeklyTaskWindows.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

// The frame itself and the commands that start tasks, dialogs and help.

namespace grd {
namespace {

const char* const kWebSite = "https://www.grdsoftware.com/oddsmith/";

// The main window's part in the weekly task; the layout commands are its own.
WeeklyTaskWindows::MainWindow weeklyTaskMainWindow(TMainForm* form,
                                                   std::function<void(bool)> layoutCommands) {
    return {form, [form] { form->CloseViewWindows(true); }, std::move(layoutCommands),
            [form] { form->smWindowRestoreDefaultWithCurrentFontClick(); },
            [form] { form->PrintOrPreviewClick(false); }};
}

// The program's own executable tells the printer's page from a process of its own; in
// a directory without it the page is read in this process.
QString printerProbeIn(const std::string& programDir) {
    const QFileInfo program(QString::fromStdString(programDir + "Oddsmith"));
    return program.isFile() && program.isExecutable() ? program.filePath() : QString();
}

} // namespace

TMainForm::TMainForm(const std::string& dir, QWidget* parent)
    : TMainForm(singleDirectory(
                    dir.empty()
                        ? programDirectoryOf(QCoreApplication::applicationFilePath().toStdString())
                        : dir),
                parent) {}

TMainForm::TMainForm(const ProgramPaths& paths, QWidget* parent)
    : QMainWindow(parent), programDir_(paths.programDir),
      printer_(std::make_unique<PrinterSource>(printerProbeIn(paths.programDir))) {
    setObjectName(QStringLiteral("MainForm"));
    state_.programDir = paths.dataDir;
    state_.shippedDir = paths.shippedDir;
    // The About box of the companion library names it.
    setProperty("dataDirectory", QString::fromStdString(paths.dataDir));
    mdi_ = new QMdiArea(this);
    mdi_->setObjectName(QStringLiteral("MdiArea"));
    // Children beyond the edges of a shrunk main window stay within reach.
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(mdi_, &QMdiArea::subWindowActivated, this, &TMainForm::runMenuRules);
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
    // The base destructor deletes the remaining child windows, which activates others:
    // that must not call back into a main window that is already half destroyed.
    mdi_->disconnect(this);
}

void TMainForm::setViewWindow(WindowCode code, QWidget* window) {
    views_[code] = window;
    state_.windowOpen[code] = window != nullptr;
    if (code == kScheduleWindow && !state_.startupFailed && !splash_.pending())
        XversusYSBtn->setEnabled(window == nullptr);
    if (window != nullptr)
        runMenuRules();
    else // a closing window is still visible while it is told to close
        QTimer::singleShot(0, this, &TMainForm::runMenuRules);
}

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

void TMainForm::smTasksSeasonalZeroClick() {
    TZeroMainDataDlg::Run(state_, this);
    runMenuRules();
}

void TMainForm::smTasksWeeklyClick() {
    WeeklyTaskWindows windows(state_, companion_, weeklyTaskMainWindow(this, [this](bool on) {
                                  setLayoutCommandsEnabled(on);
                              }));
    WeeklyTask(state_, windows).run();
    runMenuRules();
}

void TMainForm::smFilePrinterSetupClick() {
    QPrintDialog dialog(&printer().printer(), this);
    dialog.setWindowTitle(QStringLiteral(" GRD Oddsmith: Printer Setup"));
    dialog.setOptions({});
    dialog.exec();
}

void TMainForm::smFileExitClick() {
    close();
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
