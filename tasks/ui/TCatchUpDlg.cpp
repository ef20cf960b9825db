#include "tasks/ui/TCatchUpDlg.h"

#include "files/AtomicFile.h"
#include "league/Messages.h"
#include "league/NamesFile.h"
#include "league/ui/HelpContext.h"
#include "league/ui/MessageDialogs.h"
#include "league/ui/ProgressWork.h"
#include "league/ui/ScriptedFileName.h"
#include "records/CsvTable.h"
#include "tasks/SeasonReplay.h"

#include "league/ui/RecordsFileDialog.h"
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <filesystem>
#include <optional>

namespace grd {

namespace {

const QString kCaption = QStringLiteral("GRD Oddsmith: Catch Up from Game Records");

ScriptedFileName& nextFileName() {
    static ScriptedFileName name;
    return name;
}

QString askForRecords(QWidget* parent) {
    if (auto scripted = nextFileName().take()) {
        return *scripted;
    }
    return chooseRecordsFile(parent, kCaption, TCatchUpDlg::kHelpContext);
}

} // namespace

TCatchUpDlg::TCatchUpDlg(const AppState& app, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TCatchUpDlg"));
    setHelpContext(this, kHelpContext);
    setWindowTitle(kCaption);
    replay_.programDir = app.programDir;
    replay_.league = app.league;
    if (app.schedule) {
        replay_.schedule = std::make_unique<tSchedule70>(*app.schedule);
    }
    auto* layout = new QVBoxLayout(this);
    RecordsLabel = new QLabel(this);
    RecordsLabel->setObjectName(QStringLiteral("RecordsLabel"));
    RecordsLabel->setWordWrap(true);
    WeeksList = new QListWidget(this);
    WeeksList->setObjectName(QStringLiteral("WeeksList"));
    CatchUpProgress = new QProgressBar(this);
    CatchUpProgress->setObjectName(QStringLiteral("CatchUpProgress"));
    StatusLabel = new QLabel(this);
    StatusLabel->setObjectName(QStringLiteral("StatusLabel"));
    StatusLabel->setWordWrap(true);
    RunBtn = new QPushButton(tr("&Run"), this);
    RunBtn->setObjectName(QStringLiteral("RunBtn"));
    RunBtn->setDefault(true);
    CancelBtn = new QPushButton(tr("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(RunBtn);
    buttons->addWidget(CancelBtn);
    layout->addWidget(RecordsLabel);
    layout->addWidget(WeeksList);
    layout->addWidget(CatchUpProgress);
    layout->addWidget(StatusLabel);
    layout->addLayout(buttons);
    connect(RunBtn, &QPushButton::clicked, this, &TCatchUpDlg::RunBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TCatchUpDlg::CancelBtnClick);
    resize(560, 460);
}

TCatchUpDlg::~TCatchUpDlg() = default;

// Reads and checks the records off the window thread; nullopt when the user cancelled.
std::optional<Result<std::vector<GameRecord>>> TCatchUpDlg::readRecords(const std::string& file) {
    std::optional<Result<std::vector<GameRecord>>> records;
    const QString label =
        tr("Reading %1...")
            .arg(QString::fromStdString(std::filesystem::path(file).filename().string()));
    bool finished =
        runWithProgress(parentWidget(), kCaption, label, [&](const ReadProgress& progress) {
            auto text = readRecordsFile(file, progress);
            if (!text) {
                records.emplace(Failure{kImportError, text.failure().detail});
                return;
            }
            auto parsed = parseGameRecords(text.value(), replay_.league.seasonLabel);
            records.emplace(parsed ? std::move(parsed)
                                   : Failure{kImportError, file + ": " + parsed.failure().detail});
        });
    if (!finished) {
        return std::nullopt;
    }
    return records;
}

Status TCatchUpDlg::prepare(const std::string& recordsFile) {
    if (!replay_.schedule) {
        return Failure{kImportError, "no schedule is loaded"};
    }
    auto records = readRecords(recordsFile);
    readCancelled_ = !records;
    if (readCancelled_) {
        return Failure{kImportError, recordsFile + ": cancelled"};
    }
    if (!*records) {
        return records->failure();
    }
    records_ = std::move(records->value());
    LeagueStructure names = replay_.league;
    if (auto loaded =
            LoadNames(replay_.programDir, replay_.schedule->namesFileName, names, &abbreviations_);
        !loaded) {
        return loaded.failure();
    }
    auto entries = entriesToReplay(replay_, records_);
    if (!entries) {
        return entries.failure();
    }
    entries_ = std::move(entries.value());
    RecordsLabel->setText(
        tr("%1\nThe weeks these game records would enter, from the week the main data file "
           "stands at:")
            .arg(QString::fromStdString(std::filesystem::path(recordsFile).filename().string())));
    WeeksList->clear();
    for (int entry : entries_) {
        WeeksList->addItem(QString::fromStdString(weekEntryName(entry, replay_.league)));
    }
    CatchUpProgress->setRange(0, static_cast<int>(entries_.size()));
    CatchUpProgress->setValue(0);
    RunBtn->setEnabled(!entries_.empty());
    makeDefault(entries_.empty() ? CancelBtn : RunBtn);
    QString status = entries_.empty() ? tr("There is no week whose every game has its score "
                                           "in these records to enter.")
                                      : tr("Every week is saved as the weekly task saves it.");
    const int next = entries_.empty() ? -1 : entries_.back() + 1;
    if (next > 0 && !recordsOfWeek(records_, next).empty()) {
        status += tr(" %1 wait: not every game of the week has its score yet.")
                      .arg(QString::fromStdString(weekEntryName(next, replay_.league)));
    }
    StatusLabel->setText(status);
    return Ok{};
}

void TCatchUpDlg::makeDefault(QPushButton* button) {
    RunBtn->setDefault(button == RunBtn);
    CancelBtn->setDefault(button == CancelBtn);
    button->setFocus();
}

bool TCatchUpDlg::weekDone() {
    ++weeksWritten_;
    CatchUpProgress->setValue(weeksWritten_);
    if (auto* item = WeeksList->item(weeksWritten_ - 1)) {
        item->setText(item->text() + tr(": saved"));
    }
    // Lets Cancel be pressed between weeks; a week is never left half-written.
    QCoreApplication::processEvents();
    return !cancelled_;
}

void TCatchUpDlg::RunBtnClick() {
    RunBtn->setEnabled(false);
    running_ = true;
    cancelled_ = false;
    StatusLabel->setText(tr("Entering the weeks..."));
    auto replayed = replaySeason(replay_, records_, abbreviations_, entries_.back(),
                                 [this](const ReplayedWeek&) { return weekDone(); });
    running_ = false;
    // Nothing runs any more: Close, enabled again after a Cancel, answers Enter.
    CancelBtn->setText(tr("Close"));
    CancelBtn->setEnabled(true);
    makeDefault(CancelBtn);
    if (!replayed) {
        const int stopped = weeksWritten_ < static_cast<int>(entries_.size())
                                ? entries_[static_cast<size_t>(weeksWritten_)]
                                : entries_.back();
        const QString text =
            tr("Catching up stopped at %1: %2\nThe weeks before it are saved; nothing of that "
               "week was written.")
                .arg(QString::fromStdString(weekEntryName(stopped, replay_.league)),
                     QString::fromStdString(replayed.failure().detail));
        StatusLabel->setText(text);
        ShowPlainMessage(text, kCaption, this);
        return;
    }
    const QString weeks = weeksWritten_ == 1 ? tr("1 week") : tr("%1 weeks").arg(weeksWritten_);
    StatusLabel->setText(cancelled_ ? tr("Cancelled after %1, which are saved.").arg(weeks)
                                    : tr("Done: %1 entered and saved.").arg(weeks));
}

void TCatchUpDlg::CancelBtnClick() {
    if (weeksWritten_ > 0 && !running_) {
        accept();
    } else {
        reject();
    }
}

void TCatchUpDlg::reject() {
    if (running_) {
        cancelled_ = true;
        CancelBtn->setEnabled(false);
        return;
    }
    QDialog::reject();
}

void TCatchUpDlg::setNextFileName(const QString& fileName) {
    nextFileName().set(fileName);
}

bool TCatchUpDlg::Run(const AppState& app, QWidget* parent, const QString& recordsFile) {
    const QString chosen = recordsFile.isEmpty() ? askForRecords(parent) : recordsFile;
    if (chosen.isEmpty()) {
        return false;
    }
    TCatchUpDlg dialog(app, parent);
    if (auto prepared = dialog.prepare(chosen.toStdString()); !prepared) {
        if (dialog.readCancelled()) {
            return false;
        }
        if (prepared.failure().number != 0) {
            ShowError(prepared.failure(), parent);
        } else {
            ShowPlainMessage(QString::fromStdString(prepared.failure().detail), kCaption, parent);
        }
        return false;
    }
    dialog.exec();
    return dialog.weeksWritten() > 0;
}

} // namespace grd
