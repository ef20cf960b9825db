#include "tasks/ui/TSlowForecastsForm.h"

#include "league/ui/DialogSize.h"
#include "league/ui/MessageDialogs.h"
#include "tasks/ui/TaskWidgets.h"
#include "tasks/ui/TeamsGrid.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

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
    : QDialog(parent), selection_(data), league_(data.league), cityNames_(cityNames) {
    setObjectName(QStringLiteral("TSlowForecastsForm"));
    setWindowTitle(QString::fromStdString(selection_.caption()));
    teams_ = new TeamsGrid(league_, cityNames, this);
    int nameWidth = taskui::teamTextWidth(fontMetrics(), league_, cityNames_);
    SpreadsGrid = spreadsGrid(data.maxGamesPerWeek() + 2, nameWidth, this);
    TeamLabel1 = new QLabel(this);
    TeamLabel1->setObjectName(QStringLiteral("TeamLabel1"));
    TeamLabel1->setMinimumWidth(nameWidth);
    TeamLabel2 = new QLabel(this);
    TeamLabel2->setObjectName(QStringLiteral("TeamLabel2"));
    TeamLabel2->setMinimumWidth(nameWidth);
    FullPanel = taskui::instructionPanel(
        "FullPanel",
        {QStringLiteral("The maximum number of spreads have been forecast."),
         QStringLiteral("Press the \"Done\" or \"Cancel\" button.")},
        this);
    ForecastBtn = taskui::button("ForecastBtn", QStringLiteral("Forecast &Game"), this);
    ForecastBtn->setDefault(true);
    DoneBtn = taskui::button("DoneBtn", QStringLiteral("&Done"), this);
    auto* cancel = taskui::button("CancelBtn", QStringLiteral("Cancel"), this);

    auto* pickRow = new QGridLayout;
    pickRow->addWidget(new QLabel(QStringLiteral("First Team"), this), 0, 0);
    pickRow->addWidget(TeamLabel1, 0, 1);
    pickRow->addWidget(new QLabel(QStringLiteral("Second Team"), this), 1, 0);
    pickRow->addWidget(TeamLabel2, 1, 1);
    pickRow->addWidget(ForecastBtn, 0, 2, 2, 1);
    // The picking stands beside the forecast list, so that the list shows whole.
    auto* side = new QVBoxLayout;
    side->addLayout(pickRow);
    side->addWidget(FullPanel);
    side->addStretch();
    auto* body = new QHBoxLayout;
    body->addLayout(side);
    body->addWidget(SpreadsGrid, 0, Qt::AlignTop);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(DoneBtn);
    buttons->addWidget(cancel);
    buttons->addWidget(taskui::helpButton(selection_.helpContext(), this));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(teams_);
    layout->addLayout(body);
    layout->addLayout(buttons);

    for (int k = 1; k <= selection_.forecastCount(); ++k) {
        showForecast(k);
    }
    DoneBtn->setEnabled(selection_.doneEnabled() && selection_.full());
    ForecastBtn->setEnabled(!selection_.full());
    connect(teams_, &TeamsGrid::teamPicked, this, &TSlowForecastsForm::TeamPicked);
    connect(ForecastBtn, &QPushButton::clicked, this, &TSlowForecastsForm::ForecastBtnClick);
    connect(DoneBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &TSlowForecastsForm::reject);
    fixSize(this);
    teams_->setFocus();
}

void TSlowForecastsForm::showForecast(int k) {
    int row = k - 1;
    if (row < 0 || row >= SpreadsGrid->rowCount()) {
        return;
    }
    auto texts = spreadTexts(selection_.spread(k));
    QStringList cells{
        QStringLiteral(" ") + taskui::teamName(league_, selection_.favourite(k), cityNames_),
        QString::fromStdString(texts.relation),
        QStringLiteral(" ") + taskui::teamName(league_, selection_.other(k), cityNames_),
        QString::fromStdString(texts.by), QString::fromStdString(texts.spread)};
    for (int column = 0; column < cells.size(); ++column) {
        SpreadsGrid->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    if (k > kVisibleForecasts) {
        SpreadsGrid->scrollToItem(SpreadsGrid->item(k - (kVisibleForecasts - 1), 0),
                                  QAbstractItemView::PositionAtTop);
    }
}

void TSlowForecastsForm::showPair() {
    const auto& pair = selection_.pair();
    auto name = [this](int team) {
        return team == kEmptyMark ? QString() : taskui::teamName(league_, team, cityNames_);
    };
    TeamLabel1->setText(name(pair.first()));
    TeamLabel2->setText(name(pair.second()));
    teams_->setPicked(pair.first(), pair.second());
}

void TSlowForecastsForm::TeamPicked(int team) {
    if (selection_.pick(team)) {
        showPair();
    }
}

void TSlowForecastsForm::ForecastBtnClick() {
    if (auto rejected = selection_.forecastGame()) {
        ShowError(rejected->failure, this);
        teams_->setFocus();
        return;
    }
    showForecast(selection_.forecastCount());
    showPair();
    DoneBtn->setEnabled(selection_.doneEnabled());
    if (!selection_.full()) {
        teams_->setFocus();
        return;
    }
    teams_->setEnabled(false);
    ForecastBtn->setEnabled(false);
    FullPanel->show();
    DoneBtn->setDefault(true);
    DoneBtn->setFocus();
    taskui::informationBeep();
}

void TSlowForecastsForm::reject() {
    if (int question = selection_.cancelQuestion(); question != 0) {
        if (!ConfirmYesNo(question, this)) {
            return;
        }
        if (selection_.gameAccepted()) {
            selection_.discard();
        }
    }
    QDialog::reject();
}

} // namespace grd
