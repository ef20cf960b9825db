#include "accuracy/ui/TForecastAccuracyForm.h"

#include "accuracy/AccuracyGrids.h"
#include "accuracy/MarketLinesFile.h"
#include "league/ui/HelpContext.h"
#include "views/CsvText.h"
#include "views/ui/DisplayCellDelegate.h"
#include "views/ui/DisplayGridModel.h"
#include "views/ui/DisplayHost.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include <filesystem>

namespace grd {

namespace {

// Says in the header which way a column's margins run.
class TippedGridModel : public DisplayGridModel {
public:
    using DisplayGridModel::DisplayGridModel;

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role == Qt::ToolTipRole && orientation == Qt::Horizontal) {
            auto tip =
                accuracyGamesTip(DisplayGridModel::headerData(section, orientation, Qt::DisplayRole)
                                     .toString()
                                     .toStdString());
            return tip.empty() ? QVariant() : QVariant(QString::fromStdString(tip));
        }
        return DisplayGridModel::headerData(section, orientation, role);
    }
};

} // namespace

TForecastAccuracyForm::TForecastAccuracyForm(DisplayHost& host, QWidget* parent)
    : QWidget(parent), host_(host), league_(host.appState().league) {
    setObjectName(QStringLiteral("ForecastAccuracyForm"));
    setHelpContext(this, kHelpContext);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->setObjectName(QStringLiteral("AccuracySplitter"));
    weeksGrid_ = makeGrid("WeeksGrid", weeksModel_);
    weeksDelegate_ = new DisplayCellDelegate(weeksGrid_);
    weeksGrid_->setItemDelegate(weeksDelegate_);
    weeksGrid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    auto* lower = new QWidget(splitter);
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    lowerLayout->setSpacing(2);
    weekTitle_ = new QLabel(lower);
    weekTitle_->setObjectName(QStringLiteral("WeekLabel"));
    weekTitle_->setContentsMargins(4, 4, 4, 0);
    gamesGrid_ = makeGrid("GamesGrid", gamesModel_);
    gamesDelegate_ = new DisplayCellDelegate(gamesGrid_);
    gamesGrid_->setItemDelegate(gamesDelegate_);
    lowerLayout->addWidget(weekTitle_);
    lowerLayout->addWidget(gamesGrid_);
    splitter->addWidget(weeksGrid_);
    splitter->addWidget(lower);
    layout->addWidget(splitter);
    connect(weeksGrid_, &QTableView::clicked, this, [this](const QModelIndex& index) {
        // The season row keeps the week shown.
        if (index.row() < static_cast<int>(season_.weeks.size())) {
            chooseWeek(index.row());
        }
    });
    createPopupMenu();
}

TForecastAccuracyForm::~TForecastAccuracyForm() = default;

QTableView* TForecastAccuracyForm::makeGrid(const char* name, DisplayGridModel*& model) {
    auto* grid = new QTableView(this);
    grid->setObjectName(QLatin1String(name));
    model = new TippedGridModel(grid);
    grid->setModel(model);
    grid->setShowGrid(false); // the delegate draws the lines the user chose
    grid->setWordWrap(false);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->horizontalHeader()->setHighlightSections(false);
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid, &QWidget::customContextMenuRequested, this,
            [this, grid](const QPoint& at) { popup_->popup(grid->viewport()->mapToGlobal(at)); });
    return grid;
}

void TForecastAccuracyForm::createPopupMenu() {
    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("AccuracyPopupMenu"));
    QAction* city = popup_->addAction(tr("&City Names"));
    city->setObjectName(QStringLiteral("AccuracyPopupCityNames"));
    QAction* team = popup_->addAction(tr("&Team Names"));
    team->setObjectName(QStringLiteral("AccuracyPopupTeamNames"));
    popup_->addSeparator();
    QAction* font = popup_->addAction(tr("&Font..."));
    font->setObjectName(QStringLiteral("AccuracyPopupFont"));
    QAction* copy = popup_->addAction(tr("C&opy"));
    copy->setObjectName(QStringLiteral("AccuracyPopupCopy"));
    for (QAction* names : {city, team}) {
        names->setCheckable(true);
        connect(names, &QAction::triggered, this, [this, city] {
            host_.appState().prefs.view.cityNames = city->isChecked();
            showGames();
        });
    }
    connect(popup_, &QMenu::aboutToShow, this, [this, city, team] {
        city->setChecked(host_.appState().prefs.view.cityNames);
        team->setChecked(!host_.appState().prefs.view.cityNames);
    });
    connect(font, &QAction::triggered, this, [this] { host_.chooseFont(); });
    connect(copy, &QAction::triggered, this, &TForecastAccuracyForm::CopyToClipboard);
}

Status TForecastAccuracyForm::load() {
    league_ = host_.appState().league;
    auto season = readSeasonAccuracy(host_.appState().programDir, league_);
    if (!season) {
        return season.failure();
    }
    auto imported = readMarketLines(std::filesystem::path(host_.appState().programDir) /
                                    marketLinesFileName(league_));
    if (!imported) {
        return imported.failure();
    }
    season_ = std::move(season.value());
    lines_ = std::move(imported.value());
    setWindowTitle(
        QStringLiteral("Forecast Accuracy: %1").arg(QString::fromStdString(league_.seasonLabel)));
    weeksModel_->setContent(accuracyWeeksGrid(season_, league_, lines()));
    chosenWeek_ = static_cast<int>(season_.weeks.size()) - 1;
    DrawTheGrid(true, true);
    return Ok{};
}

void TForecastAccuracyForm::chooseWeek(int index) {
    if (index < 0 || index >= static_cast<int>(season_.weeks.size())) {
        return;
    }
    chosenWeek_ = index;
    weeksGrid_->selectRow(index);
    showGames();
}

void TForecastAccuracyForm::showGames() {
    if (chosenWeek_ < 0) {
        weekTitle_->setText(tr("No week has both its forecasts and its scores archived yet."));
        gamesModel_->setContent(GridContent());
        return;
    }
    const WeekAccuracy& week = season_.weeks[static_cast<size_t>(chosenWeek_)];
    weekTitle_->setText(QString::fromStdString(forecastWeekName(league_, week.week)));
    gamesModel_->setContent(
        accuracyGamesGrid(week, league_, host_.appState().prefs.view.cityNames, lines()));
    gamesGrid_->resizeColumnsToContents();
}

void TForecastAccuracyForm::DrawTheGrid(bool, bool) {
    const QFont font = host_.displayFont();
    setFont(font);
    const int height = QFontMetrics(font).height() + 4;
    const auto& prefs = host_.appState().prefs.view;
    for (QTableView* grid : {weeksGrid_, gamesGrid_}) {
        grid->setFont(font);
        grid->horizontalHeader()->setFont(font);
        grid->verticalHeader()->setMinimumSectionSize(height);
        grid->verticalHeader()->setDefaultSectionSize(height);
    }
    weeksDelegate_->setGridLines(prefs.horzLines, prefs.vertLines);
    gamesDelegate_->setGridLines(prefs.horzLines, prefs.vertLines);
    showGames();
    weeksGrid_->resizeColumnsToContents();
    if (chosenWeek_ >= 0) {
        weeksGrid_->selectRow(chosenWeek_);
    }
}

std::string TForecastAccuracyForm::clipboardText() const {
    std::string weekName =
        chosenWeek_ < 0
            ? std::string()
            : forecastWeekName(league_, season_.weeks[static_cast<size_t>(chosenWeek_)].week);
    return accuracyClipboardText(caption().toStdString(), weeksModel_->content(), weekName,
                                 gamesModel_->content());
}

QString TForecastAccuracyForm::csvText() const {
    return QString::fromStdString(gridCsv(weeksModel_->content()) + "\r\n" +
                                  gridCsv(gamesModel_->content()));
}

void TForecastAccuracyForm::CopyToClipboard() {
    QGuiApplication::clipboard()->setText(QString::fromStdString(clipboardText()));
}

} // namespace grd
