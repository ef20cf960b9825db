#include "ProcessMemory.h"
#include "UiBench.h"

#include "app/ui/TMainForm.h"
#include "league/ui/MessageDialogs.h"
#include "printing/ui/TPagePrinter.h"
#include "printing/ui/TPrintChoiceDlg.h"
#include "printing/ui/TPrintReportsDlg.h"
#include "state/WindowCode.h"

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using grd::bench::ProcessMemory;

// The yardstick window, in a process of its own on the same display.
ProcessMemory baselineMemory() {
    const fs::path program =
        fs::read_symlink("/proc/self/exe").parent_path() / "oddsmith_baseline_window";
    ProcessMemory memory;
    if (FILE* child = popen(program.c_str(), "r")) {
        if (std::fscanf(child, "%lf %lf", &memory.rss, &memory.pss) != 2)
            memory = {};
        pclose(child);
    }
    return memory;
}

void settle() {
    QTimer wait;
    wait.setSingleShot(true);
    wait.start(grd::bench::kSettleMilliseconds);
    while (wait.isActive())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void trigger(grd::TMainForm& form, const char* item) {
    auto* action = form.findChild<QAction*>(item);
    if (action == nullptr)
        std::abort();
    action->trigger();
}

// Every display window, the accuracy window and the ratings chart, on the current data.
void openWindows(grd::TMainForm& form) {
    form.show();
    QMetaObject::invokeMethod(&form, "MainTimerClick");
    QMetaObject::invokeMethod(&form, "MainTimerClick");
    form.ViewLoadDataClick(101);
    for (int code = grd::kFirstWindowCode; code <= grd::kLastWindowCode; ++code)
        form.mmWindowOpenWnds(code);
    trigger(form, "smViewForecastAccuracy");
    trigger(form, "smViewRatingsChart");
}

// File | Print Preview runs modally: the report choice, once on screen, is taken as it
// stands, and the memory read from inside once the preview's pages are shown.
ProcessMemory memoryWithPreview(grd::TMainForm& form) {
    ProcessMemory memory;
    QTimer measure;
    measure.setInterval(50);
    QObject::connect(&measure, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* choice = qobject_cast<grd::TPrintChoiceDlg*>(modal);
        if (choice != nullptr && choice->windowHandle()->isExposed())
            choice->accept();
        auto* preview = qobject_cast<grd::TPrintReportsDlg*>(modal);
        if (preview == nullptr || preview->pagePrinter().PageCount() == 0)
            return;
        measure.stop();
        settle();
        memory = grd::bench::processMemory();
        preview->close();
    });
    measure.start();
    form.PrintOrPreviewClick(true);
    return memory;
}

// The program's memory with every window of openWindows and a print preview of the
// week's reports open, against the yardstick's. The yardstick shares the library pages
// this process has touched, which lowers its proportional set: it runs first, best with
// --benchmark_filter=ProgramMemory alone; run by itself it prints its own.
void BM_ProgramMemory(benchmark::State& state) {
    const ProcessMemory baseline = baselineMemory();
    if (baseline.rss == 0) {
        state.SkipWithError("oddsmith_baseline_window failed");
        return;
    }
    grd::bench::application();
    std::vector<grd::Failure> errors;
    grd::MessageDialogs::recordErrors(&errors);
    for (auto _ : state) {
        grd::TMainForm form(grd::bench::replayedDir().string() + "/");
        openWindows(form);
        const ProcessMemory program = memoryWithPreview(form);
        state.counters["RSS_MiB"] = program.rss;
        state.counters["PSS_MiB"] = program.pss;
    }
    grd::MessageDialogs::recordErrors(nullptr);
    if (!errors.empty())
        state.SkipWithError(("error " + std::to_string(errors.front().number)).c_str());
    state.counters["baseline_RSS_MiB"] = baseline.rss;
    state.counters["baseline_PSS_MiB"] = baseline.pss;
    state.counters["RSS_ratio"] = state.counters["RSS_MiB"] / baseline.rss;
    state.counters["PSS_ratio"] = state.counters["PSS_MiB"] / baseline.pss;
}
BENCHMARK(BM_ProgramMemory)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
