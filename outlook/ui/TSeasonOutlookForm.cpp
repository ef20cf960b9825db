#include "outlook/ui/TSeasonOutlookForm.h"

#include "league/Messages.h"
#include "league/ui/HelpContext.h"
#include "views/ClipboardText.h"
#include "views/CsvText.h"
#include "views/ui/DisplayGridModel.h"
#include "views/ui/DisplayHost.h"

#include <QClipboard>
#include <QFileSystemWatcher>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace grd {

namespace {

constexpr int kPollMilliseconds = 50;
// Files change in bursts while a task saves: the window reads them once it is done.
constexpr int kReloadDelayMilliseconds = 400;

// Sorts numbers as numbers, empty cells (no seed) after every number whichever the
// order, and sets numbers right as tables of figures read.
class NumericSortModel : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::TextAlignmentRole) {
            bool number = false;
            index.data().toString().toDouble(&number);
            return QVariant::fromValue((number ? Qt::AlignRight : Qt::AlignLeft) |
                                       Qt::AlignVCenter);
        }
        return QSortFilterProxyModel::data(index, role);
    }

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override {
        const QString a = left.data().toString();
        const QString b = right.data().toString();
        bool numberA = false;
        bool numberB = false;
        double x = a.toDouble(&numberA);
        double y = b.toDouble(&numberB);
        if (numberA && numberB) {
            return x < y;
        }
        if (a.isEmpty() != b.isEmpty()) {
            // A descending sort asks the other way round.
            return sortOrder() == Qt::AscendingOrder ? b.isEmpty() : a.isEmpty();
        }
        return QString::localeAwareCompare(a, b) < 0;
    }
};

// Columns as wide as their cells and header texts, with room for the sort arrow only in
// the column that shows it: so a conference's columns fit a 1280-pixel screen.
void fitColumns(QTableView* grid) {
    grid->resizeColumnsToContents();
    const QAbstractItemView* cells = grid; // where the cells' width hint is public
    QHeaderView* header = grid->horizontalHeader();
    const int margins = 2 * grid->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    for (int column = 0; column < header->count(); ++column) {
        if (column == header->sortIndicatorSection()) {
            continue;
        }
        const QString title = grid->model()->headerData(column, Qt::Horizontal).toString();
        header->resizeSection(column,
                              std::max(cells->sizeHintForColumn(column),
                                       header->fontMetrics().horizontalAdvance(title) + margins));
    }
}

QPushButton* button(const QString& text, const char* name, QWidget* parent) {
    auto* made = new QPushButton(text, parent);
    made->setObjectName(QLatin1String(name));
    made->setAutoDefault(false);
    return made;
}

} // namespace

TSeasonOutlookForm::TSeasonOutlookForm(DisplayHost& host, QWidget* parent)
    : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("SeasonOutlookForm"));
    setHelpContext(this, kHelpContext);
    setWindowTitle(tr("Season Outlook"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    title_ = new QLabel(this);
    title_->setObjectName(QStringLiteral("OutlookTitle"));
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("OutlookTabs"));
    footnote_ = new QLabel(this);
    footnote_->setObjectName(QStringLiteral("OutlookFootnote"));
    footnote_->setWordWrap(true);
    auto* buttons = new QHBoxLayout;
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("OutlookProgress"));
    progress_->setFormat(tr("Simulating seasons: %p%"));
    cancel_ = button(tr("&Cancel"), "OutlookCancel", this);
    cancel_->setFocusPolicy(Qt::ClickFocus);
    auto* copy = button(tr("Cop&y"), "OutlookCopy", this);
    print_ = button(tr("&Print..."), "OutlookPrint", this);
    preview_ = button(tr("P&review"), "OutlookPreview", this);
    buttons->addWidget(progress_, 1);
    buttons->addWidget(cancel_);
    buttons->addStretch();
    for (QPushButton* command : {copy, print_, preview_}) {
        buttons->addWidget(command);
    }
    layout->addWidget(title_);
    layout->addWidget(tabs_, 1);
    layout->addWidget(footnote_);
    layout->addLayout(buttons);
    connect(cancel_, &QPushButton::clicked, this, &TSeasonOutlookForm::cancelSimulation);
    connect(copy, &QPushButton::clicked, this, &TSeasonOutlookForm::CopyToClipboard);
    connect(print_, &QPushButton::clicked, this, [this] { print(false); });
    connect(preview_, &QPushButton::clicked, this, [this] { print(true); });

    poll_ = new QTimer(this);
    poll_->setInterval(kPollMilliseconds);
    connect(poll_, &QTimer::timeout, this, &TSeasonOutlookForm::followSimulation);
    reload_ = new QTimer(this);
    reload_->setSingleShot(true);
    reload_->setInterval(kReloadDelayMilliseconds);
    connect(reload_, &QTimer::timeout, this, [this] {
        if (auto loaded = load(); !loaded) {
            title_->setText(QString::fromStdString(
                errorText(loaded.failure().number, loaded.failure().detail)));
        }
    });
    auto* watcher = new QFileSystemWatcher(this);
    watcher->addPath(QString::fromStdString(host_.appState().programDir));
    connect(watcher, &QFileSystemWatcher::directoryChanged, reload_, qOverload<>(&QTimer::start));
}

TSeasonOutlookForm::~TSeasonOutlookForm() {
    stopWorker();
}

void TSeasonOutlookForm::makeTabs() {
    const auto& shape = season_->shape;
    int tables = shape.conferenceCount() + 1;
    while (static_cast<int>(models_.size()) < tables) {
        auto* grid = new QTableView(tabs_);
        grid->setObjectName(QStringLiteral("OutlookGrid%1").arg(models_.size()));
        auto* model = new DisplayGridModel(grid);
        auto* sorted = new NumericSortModel(grid);
        sorted->setSourceModel(model);
        grid->setModel(sorted);
        // The standings' own order until the user sorts by a column.
        grid->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
        grid->setSortingEnabled(true);
        connect(grid->horizontalHeader(), &QHeaderView::sortIndicatorChanged, grid,
                [grid] { fitColumns(grid); });
        grid->setWordWrap(false);
        grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
        grid->setSelectionBehavior(QAbstractItemView::SelectRows);
        grid->verticalHeader()->hide();
        grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 4);
        tabs_->addTab(grid, QString());
        models_.push_back(model);
    }
    for (int conference = 0; conference < shape.conferenceCount(); ++conference) {
        tabs_->setTabText(conference, QString::fromStdString(
                                          shape.conferenceNames[static_cast<size_t>(conference)]));
    }
    tabs_->setTabText(tables - 1, season_->nextWeek() == kNoWeek
                                      ? tr("No games left")
                                      : tr("Week %1").arg(season_->nextWeek()));
}

Status TSeasonOutlookForm::load() {
    stopWorker();
    LeagueStructure league = host_.appState().league;
    const auto* schedule = host_.appState().schedule.get();
    if (schedule == nullptr) {
        return Failure{kOutlookError, "no schedule is loaded"};
    }
    auto season = readOutlookSeason(host_.appState().programDir, league, *schedule);
    if (!season) {
        return season.failure();
    }
    season_ = std::move(season.value());
    figures_ = OutlookFigures{standingsOf(season_->played, season_->shape, figures_.seed),
                              {},
                              kDefaultRuns,
                              figures_.seed};
    setWindowTitle(tr("Season Outlook: %1").arg(QString::fromStdString(season_->seasonLabel)));
    title_->setText(QString::fromStdString(outlookTitle(*season_)));
    makeTabs();
    showFigures();
    startSimulation();
    return Ok{};
}

void TSeasonOutlookForm::focusTable() {
    tabs_->currentWidget()->setFocus();
}

void TSeasonOutlookForm::startSimulation() {
    control_ = std::make_unique<SimulationControl>();
    control_->runs = figures_.runs;
    control_->seed = figures_.seed;
    result_.reset();
    finished_ = false;
    progress_->setRange(0, control_->runs);
    progress_->setValue(0);
    progress_->show();
    cancel_->show();
    cancel_->setEnabled(true);
    worker_ = std::thread([this] {
        result_ = simulateSeason(*season_, *control_);
        finished_ = true;
    });
    poll_->start();
}

void TSeasonOutlookForm::followSimulation() {
    if (!control_) {
        return;
    }
    progress_->setValue(control_->done.load());
    if (!finished_) {
        return;
    }
    poll_->stop();
    worker_.join();
    if (result_) {
        figures_.odds = std::move(*result_);
    }
    if (cancel_->hasFocus()) {
        focusTable();
    }
    progress_->hide();
    cancel_->hide();
    showFigures();
}

void TSeasonOutlookForm::cancelSimulation() {
    if (control_) {
        control_->cancel = true;
    }
    cancel_->setEnabled(false);
}

void TSeasonOutlookForm::stopWorker() {
    poll_->stop();
    if (worker_.joinable()) {
        control_->cancel = true;
        worker_.join();
    }
}

void TSeasonOutlookForm::showFigures() {
    const auto& shape = season_->shape;
    for (int conference = 0; conference < shape.conferenceCount(); ++conference) {
        models_[static_cast<size_t>(conference)]->setContent(
            conferenceGrid(*season_, figures_, conference));
    }
    models_.back()->setContent(nextWeekGrid(*season_));
    for (int tab = 0; tab < tabs_->count(); ++tab) {
        fitColumns(qobject_cast<QTableView*>(tabs_->widget(tab)));
    }
    QStringList notes;
    for (const auto& note : outlookFootnotes(figures_)) {
        notes << QString::fromStdString(note);
    }
    footnote_->setText(notes.join(QLatin1Char('\n')));
}

std::string TSeasonOutlookForm::clipboardText() const {
    std::string text;
    for (int tab = 0; tab < tabs_->count(); ++tab) {
        text += gridClipboardText(windowTitle().toStdString() + ", " +
                                      tabs_->tabText(tab).toStdString(),
                                  models_[static_cast<size_t>(tab)]->content(), ColumnMap());
        text += "\n";
    }
    return text;
}

QString TSeasonOutlookForm::csvText() const {
    std::string csv;
    for (const auto* model : models_) {
        csv += (csv.empty() ? "" : "\r\n") + gridCsv(model->content());
    }
    return QString::fromStdString(csv);
}

void TSeasonOutlookForm::CopyToClipboard() {
    QGuiApplication::clipboard()->setText(QString::fromStdString(clipboardText()));
}

void TSeasonOutlookForm::print(bool preview) {
    if (!season_) {
        return;
    }
    QStringList lines;
    for (const auto& line : outlookReportLines(*season_, figures_)) {
        lines << QString::fromStdString(line);
    }
    host_.printLines(lines, windowTitle(), preview, this);
}

} // namespace grd
