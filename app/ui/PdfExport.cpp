#include "app/ui/PdfExport.h"

#include "league/Messages.h"
#include "league/RankingsFile.h"
#include "league/ScheduleFile.h"
#include "printing/ReportText.h"
#include "printing/ScheduleReportText.h"
#include "printing/ui/PagePrinting.h"
#include "printing/ui/PageWriter.h"
#include "printing/ui/ReportRun.h"
#include "printing/ui/SchedulePageLayout.h"
#include "state/AppState.h"
#include "state/ProgramData.h"
#include "views/ScheduleView.h"
#include "views/ui/LocaleKickoffTexts.h"

#include <QLocale>

#include <cstdio>

namespace grd {

namespace {

// Names what failed once: most details name their file already.
int failed(const std::string& what, const Failure& failure) {
    const std::string named = failure.detail.find(what) == std::string::npos ? what + ": " : "";
    std::fprintf(stderr, "Oddsmith --pdf: %serror %d: %s\n", named.c_str(), failure.number,
                 errorText(failure.number, failure.detail).c_str());
    return 1;
}

Result<TPageList> schedulePages(PageWriter& writer, const AppState& app, int columns,
                                QString& title) {
    const tSchedule70& schedule = *app.schedule;
    const tPrefsRec& prefs = app.prefs.view;
    auto entries = scheduleViewEntries(schedule, app.league, prefs.cityNames);
    GridContent grid = scheduleGrid(schedule, app.league, entries, 0,
                                    {prefs.cityNames, prefs.rowHighlight}, LocaleKickoffTexts());
    ScheduleColumns mode = columns == 3 ? kThreeColumns : columns == 2 ? kTwoColumns : kOneColumn;
    ScheduleReport report = scheduleReportText(grid, mode, app.league.regularWeekCount(),
                                               schedule.title, entries.front().text);
    QStringList lines;
    for (const std::string& line : report.lines)
        lines << QString::fromStdString(line);
    title = QString::fromStdString(report.title);
    SchedulePageLayout layout(writer);
    Status laid = layout.PrintTheSchedule(
        lines, mode, prefs.schedules[static_cast<size_t>(schedulePrefsIndex(mode))], title);
    if (!laid)
        return laid.failure();
    return writer.pages();
}

Result<TPageList> reportPages(PageWriter& writer, AppState& app, const PdfRequest& request,
                              std::string& file) {
    file = request.archive.value_or(app.programDir + kMainDataFileName);
    tRankings rankings;
    if (Status read = ReadRankings(file, request.archive ? kArchiveKind : kMainDataKind, rankings,
                                   app.program, app.league);
        !read)
        return read.failure();
    const ReportChoices available = availableReports(rankings, app.program);
    const ReportChoices chosen = request.reports.value_or(available);
    if (auto missing = unavailableReport(chosen, available))
        return *missing;
    auto text = buildReportText(selectReports(chosen, rankings, app.program),
                                {rankings, app.program, app.league, app.prefs.view});
    if (!text)
        return text.failure();
    if (text.value().blocks.empty())
        return Failure{-34, ""};
    return layOutReports(writer, text.value(), app.prefs.view, todayShortDate());
}

} // namespace

int exportPdf(const PdfRequest& request, const std::string& programDir) {
    bool us = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
    AppState app;
    app.programDir = programDir;
    LoadedPreferences loaded = LoadPreferences(programDir + std::string(kConfigFileName), us);
    if (loaded.failure)
        return failed(std::string(kConfigFileName), *loaded.failure);
    app.prefs = loaded.prefs;
    if (auto failure = loadProgramData(app))
        return failed(failure->file, failure->failure);
    PageWriter writer(measureUnitFor(us));
    std::string source = kScheduleFileName;
    QString title = QStringLiteral("GRD Oddsmith Reports");
    Result<TPageList> pages = request.scheduleColumns > 0
                                  ? schedulePages(writer, app, request.scheduleColumns, title)
                                  : reportPages(writer, app, request, source);
    if (!pages)
        return failed(source, pages.failure());
    if (Status written = writePagesToPdf(pages.value(), request.out, title); !written)
        return failed(request.out, written.failure());
    return 0;
}

} // namespace grd
