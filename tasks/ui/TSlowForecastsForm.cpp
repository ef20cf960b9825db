#include "tasks/ui/TSlowForecastsForm.h"

#include "league/ui/MessageDialogs.h"
#include "tasks/ui/TaskWidgets.h"
#include "tasks/ui/TeamsGrid.h"

#include <QFrame>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>
#include <array>

namespace grd {

namespace {
// Forecasts the list shows at once before it has to scroll.
constexpr int kVisibleForecasts = 15;

// The forecast list, its columns as wide as their widest texts: a name, " over", a
// name, " by" and a spread.
QTableWidget* spreadsGrid(int rows, int nameWidth, QWidget* parent) {
    auto* grid = new QTableWidget(rows, 5, parent);
    grid->setObjectName(QStringLiteral("SpreadsGrid"));
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    QFontMetrics metrics = grid->fontMetrics();
    grid->verticalHeader()->setDefaultSectionSize(metrics.height() + 4);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    int spreadWidth = std::max(metrics.horizontalAdvance(QStringLiteral(" Even")),
                               metrics.horizontalAdvance(QStringLiteral(" 88.8")));
    const std::array<int, 5> widest{nameWidth, metrics.horizontalAdvance(QStringLiteral(" over")),
                                    nameWidth, metrics.horizontalAdvance(QStringLiteral(" by")),
                                    spreadWidth};
    for (int column = 0; column < 5; ++column) {
        grid->setColumnWidth(column,
                             widest[static_cast<size_t>(column)] + taskui::cellMargins(grid));
    }
    taskui::showWhole(grid);
    return grid;
}
} // namespace

TSlowForecastsForm::TSlowForecastsForm(WeekData data, bool cityNames, QWidget* parent)
    : EntryWindow("TSlowForecastsForm", data.league, cityNames, parent), selection_(data) {
    setWindowTitle(QString::fromStdString(selection_.caption()));
    addTeamsGrid();
    SpreadsGrid = spreadsGrid(data.maxGamesPerWeek() + 2, nameWidth(), this);
    FullPanel = taskui::instructionPanel(
        "FullPanel",
        {QStringLiteral("The maximum number of spreads have been forecast."),
         QStringLiteral("Press the \"Done\" or \"Cancel\" button.")},
        this);
    addAction("ForecastBtn", QStringLiteral("Forecast &Game"));
    DoneBtn = taskui::button("DoneBtn", QStringLiteral("&Done"), this);

    for (int k = 1; k <= selection_.forecastCount(); ++k) {
        showForecast(k);
    }
    DoneBtn->setEnabled(selection_.doneEnabled() && selection_.full());
    action_->setEnabled(!selection_.full());
    connect(teams_, &TeamsGrid::teamPicked, this, &TSlowForecastsForm::TeamPicked);
    connect(action_, &QPushButton::clicked, this, &TSlowForecastsForm::ForecastBtnClick);
    connect(DoneBtn, &QPushButton::clicked, this, &QDialog::accept);
    // The picking stands beside the forecast list, so that the list shows whole.
    layOut(entryRows(true), true, SpreadsGrid, {FullPanel}, {DoneBtn}, selection_.helpContext());
    teams_->setFocus();
}

void TSlowForecastsForm::showForecast(int k) {
    int row = k - 1;
    if (row < 0 || row >= SpreadsGrid->rowCount()) {
        return;
    }
    auto texts = spreadTexts(selection_.spread(k));
    QStringList cells{QStringLiteral(" ") + teamName(selection_.favourite(k)),
                      QString::fromStdString(texts.relation),
                      QStringLiteral(" ") + teamName(selection_.other(k)),
                      QString::fromStdString(texts.by), QString::fromStdString(texts.spread)};
    for (int column = 0; column < cells.size(); ++column) {
        SpreadsGrid->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    if (k > kVisibleForecasts) {
        SpreadsGrid->scrollToItem(SpreadsGrid->item(k - (kVisibleForecasts - 1), 0),
                                  QAbstractItemView::PositionAtTop);
    }
}

void TSlowForecastsForm::TeamPicked(int team) {
    if (selection_.pick(team)) {
        showPair(selection_.pair());
    }
}

void TSlowForecastsForm::ForecastBtnClick() {
    if (auto rejected = selection_.forecastGame()) {
        ShowError(rejected->failure, this);
        teams_->setFocus();
        return;
    }
    showForecast(selection_.forecastCount());
    showPair(selection_.pair());
    DoneBtn->setEnabled(selection_.doneEnabled());
    if (!selection_.full()) {
        teams_->setFocus();
        return;
    }
    teams_->setEnabled(false);
    action_->setEnabled(false);
    FullPanel->show();
    DoneBtn->setDefault(true);
    DoneBtn->setFocus();
    taskui::informationBeep();
}

void TSlowForecastsForm::reject() {
    if (!confirmed(selection_.cancelQuestion())) {
        return;
    }
    if (selection_.gameAccepted()) {
        selection_.discard();
    }
    QDialog::reject();
}

} // namespace grd
