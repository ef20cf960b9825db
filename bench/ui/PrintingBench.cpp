#include "ProcessMemory.h"
#include "UiBench.h"

#include "league/RankingsFile.h"
#include "printing/ReportChoices.h"
#include "printing/ReportText.h"
#include "printing/ScheduleReportText.h"
#include "printing/ui/ReportRun.h"
#include "printing/ui/SchedulePageLayout.h"
#include "printing/ui/TPagePrinter.h"
#include "printing/ui/TPrintReportsDlg.h"
#include "state/AppState.h"
#include "state/ProgramData.h"
#include "views/ScheduleView.h"
#include "views/ui/LocaleKickoffTexts.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;
using grd::bench::application;
using grd::bench::replayedDir;

struct WeekData {
    grd::AppState app;
    grd::tRankings rankings;
};

// The archive of week 5: its six reports are spreads plain and grid, scores and the
// three rankings.
WeekData& weekData() {
    static WeekData* data = [] {
        auto* loaded = new WeekData;
        loaded->app.programDir = replayedDir().string() + "/";
        if (grd::loadProgramData(loaded->app) ||
            !grd::ReadRankings(replayedDir() / "WEEK-05.25", grd::kArchiveKind, loaded->rankings,
                               loaded->app.program, loaded->app.league))
            std::abort();
        return loaded;
    }();
    return *data;
}

grd::ReportText weekReports(WeekData& data) {
    grd::ReportChoices all{true, true, true, true, true, true};
    auto text = grd::buildReportText(
        grd::selectReports(all, data.rankings, data.app.program),
        {data.rankings, data.app.program, data.app.league, data.app.prefs.view});
    if (!text || text.value().blocks.size() != 6)
        std::abort();
    return text.value();
}

QStringList twoColumnSchedule(const grd::AppState& app) {
    auto entries = grd::scheduleViewEntries(*app.schedule, app.league, true);
    grd::GridContent grid = grd::scheduleGrid(*app.schedule, app.league, entries, 0, {true, true},
                                              grd::LocaleKickoffTexts());
    QStringList lines;
    for (const std::string& line :
         grd::scheduleReportText(grid, grd::kTwoColumns, app.league.regularWeekCount(),
                                 app.schedule->title, entries.front().text)
             .lines)
        lines << QString::fromStdString(line);
    return lines;
}

// The six reports of a week laid out, one page each, and the 2-column schedule.
void BM_LayOutWeekReportsAndSchedule(benchmark::State& state) {
    application();
    WeekData& data = weekData();
    grd::ReportText text = weekReports(data);
    QStringList schedule = twoColumnSchedule(data.app);
    grd::PageWriter writer(grd::TMeasureUnit::muInches);
    for (auto _ : state) {
        auto pages =
            grd::layOutReports(writer, text, data.app.prefs.view, QStringLiteral("1/1/26"));
        grd::SchedulePageLayout layout(writer);
        grd::Status laid =
            layout.PrintTheSchedule(schedule, grd::kTwoColumns, data.app.prefs.view.schedules[1],
                                    QStringLiteral("2025 Schedule"));
        benchmark::DoNotOptimize(pages);
        benchmark::DoNotOptimize(laid);
    }
}
BENCHMARK(BM_LayOutWeekReportsAndSchedule)->Unit(benchmark::kMillisecond);

// A zoom change or page change repainted at once; argument 0 is Whole Page.
void BM_PreviewRepaint(benchmark::State& state) {
    application();
    WeekData& data = weekData();
    grd::ReportText text = weekReports(data);
    grd::TPagePrinter printer;
    auto pages =
        grd::layOutReports(printer.writer(), text, data.app.prefs.view, QStringLiteral("1/1/26"));
    grd::SchedulePageLayout layout(printer.writer());
    if (!layout.PrintTheSchedule(twoColumnSchedule(data.app), grd::kTwoColumns,
                                 data.app.prefs.view.schedules[1], QStringLiteral("2025 Schedule")))
        std::abort();
    printer.resize(630, 445);
    printer.show();
    QImage screen(printer.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    const int zoom = static_cast<int>(state.range(0));
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        if (flip && zoom == 0)
            printer.FitWholePage();
        else if (flip)
            printer.setZoomPercent(zoom);
        else
            printer.ShowPage(printer.shownPage() % printer.PageCount() + 1);
        // What a repaint draws, into an image of the preview's size.
        printer.viewport()->render(&screen);
    }
}
BENCHMARK(BM_PreviewRepaint)->Arg(0)->Arg(175)->Unit(benchmark::kMillisecond);

// What a preview of the 2-column schedule keeps once every page has been shown at
// Whole Page and at 175%: the growth of the resident set, in MiB.
void BM_PreviewMemory(benchmark::State& state) {
    application();
    WeekData& data = weekData();
    QStringList schedule = twoColumnSchedule(data.app);
    for (auto _ : state) {
        const double before = grd::bench::processMemory().rss;
        grd::TPrintReportsDlg preview(data.app.prefs.view, nullptr, false);
        preview.setSchedule(schedule, grd::kTwoColumns, QStringLiteral("2025 Schedule"));
        preview.show();
        while (preview.pagePrinter().PageCount() == 0)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        grd::TPagePrinter& pages = preview.pagePrinter();
        for (int zoom : {0, 175}) {
            if (zoom == 0)
                pages.FitWholePage();
            else
                pages.setZoomPercent(zoom);
            for (int n = 1; n <= pages.PageCount(); ++n) {
                pages.ShowPage(n);
                pages.viewport()->repaint();
            }
        }
        state.counters["growth_MiB"] = grd::bench::processMemory().rss - before;
        state.counters["pages"] = pages.PageCount();
    }
}
BENCHMARK(BM_PreviewMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

// Oddsmith --pdf as a process: the PDF of the week's reports.
void BM_PdfProcess(benchmark::State& state) {
    const fs::path& dir = replayedDir();
    std::string command = "QT_QPA_PLATFORM=offscreen " + (dir / "Oddsmith").string() + " --pdf " +
                          (dir / "week.pdf").string() + " --archive " +
                          (dir / "WEEK-05.25").string() + " 2> /dev/null";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("Oddsmith --pdf failed");
    }
}
BENCHMARK(BM_PdfProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
