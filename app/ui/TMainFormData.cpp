#include "app/ui/TMainForm.h"

#include "app/ui/BusyCursor.h"
#include "league/FileNames.h"
#include "league/RankingsFile.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QFileDialog>

namespace grd {
namespace {

const QString kCaptionPrefix = QStringLiteral("GRD Oddsmith 7.18: ");
const QString kNoFileLoaded = QStringLiteral("No File Loaded");

} // namespace

void TMainForm::setDataCaption(const std::string& fileName) {
    setWindowTitle(kCaptionPrefix +
                   (fileName.empty() ? kNoFileLoaded : QString::fromStdString(fileName)));
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
    runMenuRules();
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
    // Whatever was unsaved went with the old data, also when the read fails.
    state_.program.clearFlags();
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
        runMenuRules();
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

} // namespace grd
