#include "accuracy/ui/AccuracyWindows.h"

#include "accuracy/MarketLinesFile.h"
#include "accuracy/SeasonArchives.h"
#include "accuracy/ui/SeasonWindow.h"
#include "accuracy/ui/TForecastAccuracyForm.h"
#include "accuracy/ui/TGetRecordsDlg.h"
#include "accuracy/ui/TRatingsChartForm.h"
#include "files/AtomicFile.h"
#include "league/Messages.h"
#include "league/NamesFile.h"
#include "league/ui/MessageDialogs.h"
#include "league/ui/ProgressWork.h"
#include "league/ui/RecordsFileDialog.h"
#include "league/ui/ScriptedFileName.h"
#include "records/CsvTable.h"
#include "tasks/SeasonReplay.h"
#include "tasks/ui/TCatchUpDlg.h"
#include "views/ui/DisplayHost.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

#include <filesystem>
#include <optional>

namespace grd {

namespace {

const QString kImportCaption = QStringLiteral("GRD Oddsmith: Import Market Lines");
const QSize kOpeningSize(900, 640);

ScriptedFileName& nextLinesFile() {
    static ScriptedFileName name;
    return name;
}

// What an import needs of the program's state, copied so that it can be read off the
// window thread.
struct ImportSource {
    std::string programDir;
    LeagueStructure league;
    std::string namesFile;
    std::string records;
};

// The lines of the records file, numbered as the season's archives number the teams.
Result<std::vector<MarketLine>> linesOfRecords(ImportSource source, const ReadProgress& progress) {
    auto text = readRecordsFile(source.records, progress);
    if (!text) {
        return Failure{kImportError, text.failure().detail};
    }
    LeagueStructure& league = source.league;
    std::vector<std::string> abbreviations;
    if (auto names = LoadNames(source.programDir, source.namesFile, league, &abbreviations);
        !names) {
        return names.failure();
    }
    if (auto archives = readSeasonArchives(source.programDir, league.seasonSuffix, league);
        !archives) {
        return archives.failure();
    }
    auto lines = parseMarketLines(text.value(), teamsByAbbreviation(league, abbreviations),
                                  league.regularWeekCount(), league.seasonLabel);
    if (!lines) {
        return Failure{kImportError, source.records + ": " + lines.failure().detail};
    }
    return lines;
}

// Reads the lines off the window thread; nullopt when the user cancelled.
std::optional<Result<std::vector<MarketLine>>> readLinesWithProgress(ImportSource source,
                                                                     QWidget* parent) {
    std::optional<Result<std::vector<MarketLine>>> lines;
    const QString label =
        QObject::tr("Reading %1...")
            .arg(QString::fromStdString(std::filesystem::path(source.records).filename().string()));
    bool finished =
        runWithProgress(parent, kImportCaption, label, [&](const ReadProgress& progress) {
            lines.emplace(linesOfRecords(std::move(source), progress));
        });
    if (!finished) {
        return std::nullopt;
    }
    return lines;
}

// The open accuracy and chart windows read the season's files again, after a command
// changed them.
void reloadSeasonWindows(DisplayHost& host) {
    for (QMdiSubWindow* open : host.mdiArea()->subWindowList()) {
        Status loaded = Ok{};
        if (auto* accuracy = qobject_cast<TForecastAccuracyForm*>(open->widget())) {
            loaded = accuracy->load();
        } else if (auto* chart = qobject_cast<TRatingsChartForm*>(open->widget())) {
            loaded = chart->load();
        }
        if (!loaded) {
            showFailure(loaded.failure(), host.mdiArea());
        }
    }
}

QString askForLinesFile(QWidget* parent) {
    if (auto scripted = nextLinesFile().take()) {
        return *scripted;
    }
    return chooseRecordsFile(parent, kImportCaption, TForecastAccuracyForm::kHelpContext);
}

} // namespace

void showFailure(const Failure& failure, QWidget* parent) {
    if (failure.number != 0) {
        ShowError(failure, parent);
    } else {
        ShowPlainMessage(QString::fromStdString(failure.detail), kImportCaption, parent);
    }
}

QMdiSubWindow* openForecastAccuracy(DisplayHost& host) {
    return openSeasonWindow<TForecastAccuracyForm>(host, "TForecastAccuracyForm", kOpeningSize);
}

QMdiSubWindow* openRatingsChart(DisplayHost& host) {
    return openSeasonWindow<TRatingsChartForm>(host, "TRatingsChartForm", kOpeningSize);
}

void setNextMarketLinesFile(const QString& fileName) {
    nextLinesFile().set(fileName);
}

bool importMarketLines(DisplayHost& host, const QString& recordsFile) {
    QWidget* parent = host.mdiArea();
    const QString chosen = recordsFile.isEmpty() ? askForLinesFile(parent) : recordsFile;
    if (chosen.isEmpty()) {
        return false;
    }
    const AppState& app = host.appState();
    if (!app.schedule) {
        ShowError(Failure{kImportError, "no schedule is loaded"}, parent);
        return false;
    }
    auto lines = readLinesWithProgress(
        {app.programDir, app.league, app.schedule->namesFileName, chosen.toStdString()}, parent);
    if (!lines) {
        return false;
    }
    if (!*lines) {
        ShowError(lines->failure(), parent);
        return false;
    }
    const auto file = std::filesystem::path(app.programDir) / marketLinesFileName(app.league);
    if (auto written = writeMarketLines(file, lines->value()); !written) {
        ShowError(Failure{kImportError, written.failure().detail}, parent);
        return false;
    }
    reloadSeasonWindows(host);
    ShowPlainMessage(QObject::tr("Market lines of %1 games imported.").arg(lines->value().size()),
                     kImportCaption, parent);
    return true;
}

void addAccuracyMenuItems(DisplayHost& host, QMenu* file, QMenu* seasonal, QMenu* view,
                          std::function<bool()> beforeCatchUp) {
    // Above the print items, as the first of the file commands.
    QAction* import = new QAction(QObject::tr("&Import Market Lines..."), file);
    import->setObjectName(QStringLiteral("smFileImportMarketLines"));
    import->setStatusTip(QObject::tr("Keep the market's lines beside the season's archives"));
    file->insertAction(file->actions().value(0), import);
    file->insertSeparator(file->actions().value(1));
    QObject::connect(import, &QAction::triggered, file, [&host] { importMarketLines(host); });
    auto catchUpFrom = [&host, before = std::move(beforeCatchUp)](const QString& records) {
        if (before() && TCatchUpDlg::Run(host.appState(), host.mdiArea(), records)) {
            reloadSeasonWindows(host);
        }
    };
    QAction* get = new QAction(QObject::tr("&Get Game Records..."), file);
    get->setObjectName(QStringLiteral("smFileGetRecords"));
    get->setStatusTip(QObject::tr("Download the league's game records and catch up the season"));
    file->insertAction(import, get);
    QObject::connect(get, &QAction::triggered, file, [&host, catchUpFrom] {
        TGetRecordsDlg dialog(
            host.appState(), catchUpFrom,
            [&host](const QString& records) { importMarketLines(host, records); }, host.mdiArea());
        dialog.exec();
    });
    seasonal->addSeparator();
    QAction* catchUp = seasonal->addAction(QObject::tr("Catch &Up from Game Records..."));
    catchUp->setObjectName(QStringLiteral("smTasksSeasonalCatchUp"));
    catchUp->setStatusTip(QObject::tr("Enter the weeks that game records hold scores for"));
    QObject::connect(catchUp, &QAction::triggered, seasonal,
                     [catchUpFrom] { catchUpFrom(QString()); });
    view->addSeparator();
    QAction* accuracy = view->addAction(QObject::tr("Forecast Acc&uracy"));
    accuracy->setObjectName(QStringLiteral("smViewForecastAccuracy"));
    accuracy->setStatusTip(QObject::tr("See how the season's forecasts fared"));
    QObject::connect(accuracy, &QAction::triggered, view, [&host] { openForecastAccuracy(host); });
    QAction* chart = view->addAction(QObject::tr("&Ratings Chart"));
    chart->setObjectName(QStringLiteral("smViewRatingsChart"));
    chart->setStatusTip(QObject::tr("Chart the teams' ratings week by week"));
    QObject::connect(chart, &QAction::triggered, view, [&host] { openRatingsChart(host); });
}

} // namespace grd
