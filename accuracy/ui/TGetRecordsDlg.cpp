#include "accuracy/ui/TGetRecordsDlg.h"

#include "league/FileNames.h"
#include "league/ui/HelpContext.h"
#include "league/ui/MessageDialogs.h"
#include "prefs/Preferences.h"
#include "prefs/RecordsAddress.h"
#include "records/GameRecords.h"
#include "records/ui/RecordsDownload.h"
#include "tasks/SeasonReplay.h"
#include "tasks/WeekEntries.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstdlib>
#include <filesystem>
#include <optional>

namespace grd {

namespace {

const QString kCaption = QStringLiteral("GRD Oddsmith: Get Game Records");
// The catching-up topic, which tells of the records and where they come from.
constexpr int kHelpContext = 890;

std::filesystem::path configFile(const AppState& app) {
    return findFileIgnoringCase(app.programDir, kConfigFileName);
}

QString seasonsText(const RecordsSummary& summary) {
    if (summary.firstSeason.empty()) {
        return QObject::tr("%n games", nullptr, summary.games);
    }
    if (summary.firstSeason == summary.lastSeason) {
        return QObject::tr("%n games of the %1 season", nullptr, summary.games)
            .arg(QString::fromStdString(summary.firstSeason));
    }
    return QObject::tr("%n games of the seasons %1 to %2", nullptr, summary.games)
        .arg(QString::fromStdString(summary.firstSeason),
             QString::fromStdString(summary.lastSeason));
}

} // namespace

TGetRecordsDlg::CatchUpOffer TGetRecordsDlg::catchUpOffer(const AppState& app,
                                                          std::string_view records) {
    auto games = parseGameRecords(records, app.league.seasonLabel);
    if (!games) {
        return {};
    }
    AppState standing;
    standing.programDir = app.programDir;
    standing.league = app.league;
    auto entries = entriesToReplay(standing, games.value());
    return {entries ? entries.value() : std::vector<int>{},
            partlyScoredWeek(standing, games.value())};
}

TGetRecordsDlg::TGetRecordsDlg(const AppState& app, RecordsCommand catchUp,
                               RecordsCommand importLines, QWidget* parent)
    : QDialog(parent), app_(app), catchUp_(std::move(catchUp)),
      importLines_(std::move(importLines)) {
    setObjectName(QStringLiteral("TGetRecordsDlg"));
    setHelpContext(this, kHelpContext);
    setWindowTitle(kCaption);
    auto config = IniFile::load(configFile(app), 0);
    AddressEdit = new QLineEdit(
        QString::fromStdString(recordsAddress(config ? config.value() : IniFile())), this);
    AddressEdit->setObjectName(QStringLiteral("AddressEdit"));
    auto* form = new QFormLayout;
    form->addRow(tr("&Address:"), AddressEdit);
    auto* where =
        new QLabel(tr("The records are kept as %1 in the data directory, replacing the file there.")
                       .arg(QString::fromUtf8(kRecordsFileName.data(), kRecordsFileName.size())),
                   this);
    where->setWordWrap(true);
    FetchProgress = new QProgressBar(this);
    FetchProgress->setObjectName(QStringLiteral("FetchProgress"));
    FetchProgress->setRange(0, 1);
    FetchProgress->setValue(0);
    StatusLabel = new QLabel(this);
    StatusLabel->setObjectName(QStringLiteral("StatusLabel"));
    StatusLabel->setWordWrap(true);
    StatusLabel->setMinimumHeight(fontMetrics().lineSpacing() * 4);
    StatusLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    GetBtn = new QPushButton(tr("&Get"), this);
    GetBtn->setObjectName(QStringLiteral("GetBtn"));
    CatchUpBtn = new QPushButton(tr("Catch &Up..."), this);
    CatchUpBtn->setObjectName(QStringLiteral("CatchUpBtn"));
    ImportBtn = new QPushButton(tr("Import &Market Lines..."), this);
    ImportBtn->setObjectName(QStringLiteral("ImportBtn"));
    CloseBtn = new QPushButton(tr("Close"), this);
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    CatchUpBtn->setEnabled(false);
    ImportBtn->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {GetBtn, CatchUpBtn, ImportBtn, CloseBtn}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(where);
    layout->addWidget(FetchProgress);
    layout->addWidget(StatusLabel);
    layout->addLayout(buttons);
    connect(GetBtn, &QPushButton::clicked, this, &TGetRecordsDlg::GetBtnClick);
    connect(CatchUpBtn, &QPushButton::clicked, this, [this] {
        catchUp_(recordsFile_);
        // What is left to enter after the weeks the catch-up entered.
        fetched(summary_, catchUpOffer(app_, recordsText_));
    });
    connect(ImportBtn, &QPushButton::clicked, this, [this] { importLines_(recordsFile_); });
    connect(CloseBtn, &QPushButton::clicked, this, &TGetRecordsDlg::reject);
    makeDefault(GetBtn);
    resize(640, sizeHint().height());
}

QString TGetRecordsDlg::address() const {
    return AddressEdit->text().trimmed();
}

void TGetRecordsDlg::makeDefault(QPushButton* button) {
    for (QPushButton* each : {GetBtn, CatchUpBtn, ImportBtn, CloseBtn}) {
        each->setDefault(each == button);
    }
    button->setFocus();
}

void TGetRecordsDlg::setRunning(bool running) {
    running_ = running;
    AddressEdit->setEnabled(!running);
    GetBtn->setEnabled(!running);
    CloseBtn->setText(running ? tr("Cancel") : tr("Close"));
    if (running) {
        CatchUpBtn->setEnabled(false);
        ImportBtn->setEnabled(false);
        FetchProgress->setRange(0, 0);
        makeDefault(CloseBtn);
    }
}

bool TGetRecordsDlg::downloadProgress(std::int64_t received, std::int64_t expected) {
    if (expected > 0) {
        // In KiB, which an int holds for any file under the size limit.
        FetchProgress->setRange(0, static_cast<int>(expected >> 10));
        FetchProgress->setValue(static_cast<int>(received >> 10));
    }
    StatusLabel->setText(tr("Received %1 KiB...").arg(received >> 10));
    return !cancelled_;
}

void TGetRecordsDlg::GetBtnClick() {
    cancelled_ = false;
    setRunning(true);
    StatusLabel->setText(tr("Connecting to %1...").arg(address()));
    auto records = fetchPublicRecords(address(), app_.league.seasonLabel, {},
                                      [this](std::int64_t received, std::int64_t expected) {
                                          return downloadProgress(received, expected);
                                      });
    const std::filesystem::path target = recordsFileIn(app_.programDir);
    Status saved = records ? saveRecordsFile(target, records.value().text) : Status(Ok{});
    setRunning(false);
    FetchProgress->setRange(0, 1);
    FetchProgress->setValue(records && saved ? 1 : 0);
    if (!records || !saved) {
        const Failure& failure = records ? saved.failure() : records.failure();
        makeDefault(GetBtn);
        if (failure.number == 0) {
            StatusLabel->setText(tr("Cancelled; nothing was saved."));
            return;
        }
        StatusLabel->setText(
            tr("Nothing was saved: %1").arg(QString::fromStdString(failure.detail)));
        ShowError(failure, this);
        return;
    }
    recordsFile_ = QString::fromStdString(target.string());
    recordsText_ = std::move(records.value().text);
    summary_ = records.value().summary;
    fetched(summary_, catchUpOffer(app_, recordsText_));
    keepAddress();
}

void TGetRecordsDlg::fetched(const RecordsSummary& summary, const CatchUpOffer& offer) {
    const std::vector<int>& entries = offer.entries;
    const QString season = QString::fromStdString(app_.league.seasonLabel);
    QString text = tr("Saved %1: %2.")
                       .arg(QString::fromUtf8(kRecordsFileName.data(), kRecordsFileName.size()),
                            seasonsText(summary));
    if (summary.seasonGames == 0) {
        text += tr(" They hold no game of the %1 season yet.").arg(season);
    } else {
        text += tr(" Of the %1 season, %2 of %3 games have scores and %4 have market lines.")
                    .arg(season)
                    .arg(summary.seasonScored)
                    .arg(summary.seasonGames)
                    .arg(summary.seasonLines);
    }
    auto name = [this](int entry) {
        return QString::fromStdString(weekEntryName(entry, app_.league));
    };
    if (!entries.empty()) {
        text +=
            entries.size() == 1
                ? tr(" Catch Up enters %1.").arg(name(entries.front()))
                : tr(" Catch Up enters %1 to %2.").arg(name(entries.front()), name(entries.back()));
    } else if (offer.waiting) {
        text += tr(" Catch Up waits for %1: %2 of %3 games have scores so far.")
                    .arg(name(offer.waiting->entry))
                    .arg(offer.waiting->scored)
                    .arg(offer.waiting->games);
    } else if (summary.seasonScored > 0) {
        text += tr(" The season is caught up as far as they go.");
    }
    StatusLabel->setText(text);
    CatchUpBtn->setEnabled(!entries.empty());
    ImportBtn->setEnabled(summary.seasonLines > 0);
    makeDefault(CatchUpBtn->isEnabled()  ? CatchUpBtn
                : ImportBtn->isEnabled() ? ImportBtn
                                         : CloseBtn);
}

// The next download starts from the address that worked, unless the environment
// names one for this run only.
void TGetRecordsDlg::keepAddress() {
    const char* variable = std::getenv(kRecordsAddressVariable);
    if (variable != nullptr && address() == QString::fromLocal8Bit(variable)) {
        return;
    }
    auto config = IniFile::load(configFile(app_), 0);
    Status kept = Ok{};
    if (config) {
        const std::string before = config.value().serialize();
        keepRecordsAddress(config.value(), address().toStdString());
        if (config.value().serialize() != before) {
            kept = config.value().save(configFile(app_), 0);
        }
    }
    const Failure* failure = !config ? &config.failure() : !kept ? &kept.failure() : nullptr;
    if (failure != nullptr) {
        StatusLabel->setText(StatusLabel->text() +
                             tr(" The address was not kept for next time: %1")
                                 .arg(QString::fromStdString(failure->detail)));
    }
}

void TGetRecordsDlg::reject() {
    if (running_) {
        cancelled_ = true;
        return;
    }
    QDialog::reject();
}

} // namespace grd
