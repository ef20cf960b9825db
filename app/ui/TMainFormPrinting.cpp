// The main window's print commands: the reports of File | Print and Print Preview,
// one window's report, the schedule and the informal forecasts.
#include "app/ui/TMainForm.h"

#include "app/ui/MainFormDisplayHost.h"
#include "printing/ReportChoices.h"
#include "printing/ReportText.h"
#include "printing/ScheduleReportText.h"
#include "printing/ui/TPrintChoiceDlg.h"
#include "printing/ui/TPrintReportsDlg.h"
#include "printing/ui/TSixWeeksDlg.h"
#include "views/ui/DisplayWindows.h"
#include "views/ui/TDisplayForm.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include <optional>

namespace grd {

namespace {

const QString kReportsJobTitle = QStringLiteral("GRD Oddsmith Reports");

// The reports chosen, or none on Cancel. The dialog is gone before the preview opens:
// a hidden window keeps its screen buffer until it is destroyed.
std::optional<ReportChoices> askReports(tPrefsRec& prefs, const ReportChoices& available,
                                        bool archive, QWidget* parent) {
    TPrintChoiceDlg choice(prefs, available, archive, parent);
    if (choice.exec() != QDialog::Accepted)
        return std::nullopt;
    return choice.chosen();
}

} // namespace

void TMainForm::PrintOrPreviewClick(bool preview) {
    if (!state_.rankings)
        return;
    const tRankings& rankings = *state_.rankings;
    tPrefsRec& prefs = state_.prefs.view;
    try {
        const std::optional<ReportChoices> chosen =
            askReports(prefs, availableReports(rankings, state_.program),
                       rankings.dataKind == kArchiveKind, this);
        if (!chosen)
            return;
        ReportSelection selection = selectReports(*chosen, rankings, state_.program);
        if (selection.count == 0) {
            ShowError(-34, {}, this);
            return;
        }
        SetupToPrintOrPreview(selection, preview);
    } catch (const std::exception& error) {
        ShowError(11, error.what(), this);
    }
}

void TMainForm::SetupToPrintOrPreview(const ReportSelection& selection, bool preview) {
    if (!state_.rankings)
        return;
    Result<ReportText> text = buildReportText(
        selection, {*state_.rankings, state_.program, state_.league, state_.prefs.view});
    if (!text) {
        ShowError(12, text.failure().detail, this);
        return;
    }
    TPrintReportsDlg dialog(state_.prefs.view, &printer(), state_.prefs.general.flyby, this);
    dialog.PrintReports(text.value(), preview, kReportsJobTitle);
}

void TMainForm::smTasksSeasonalSchedulePrintClick(bool preview) {
    QMdiSubWindow* window = openDisplayWindow(displayHostOf(*this), kScheduleWindow);
    if (window == nullptr)
        return;
    mdi_->setActiveSubWindow(window);
    if (TDisplayForm* form = displayFormOf(window))
        form->PrintSelf(preview);
}

void TMainForm::PrintScheduleGrid(const GridContent& grid, int scheduleType,
                                  const std::string& viewName, bool preview, QWidget* owner) {
    ScheduleColumns columns = scheduleType;
    if (scheduleType == 0) {
        const int chosen = ChooseScheduleColumns(this);
        if (chosen == 0)
            return;
        columns = chosen == 1 ? kOneColumn : chosen == 2 ? kTwoColumns : kThreeColumns;
    }
    const ScheduleReport report =
        scheduleReportText(grid, columns, state_.league.regularWeekCount(),
                           state_.schedule ? state_.schedule->title : std::string(), viewName);
    QStringList lines;
    for (const std::string& line : report.lines)
        lines << QString::fromStdString(line);
    TPrintReportsDlg dialog(state_.prefs.view, &printer(), state_.prefs.general.flyby, owner);
    dialog.PrintSchedule(lines, columns, preview, QString::fromStdString(report.title));
}

void TMainForm::PrintPlainLines(const QStringList& lines, const QString& title, bool preview,
                                QWidget* owner) {
    TPrintReportsDlg dialog(state_.prefs.view, &printer(), state_.prefs.general.flyby, owner);
    dialog.PrintSchedule(lines, kPlainScheduleLines, preview, title);
}

} // namespace grd
