#include "views/ui/TTeamRankForm.h"

#include "views/TeamRankingsView.h"
#include "views/ui/DisplayHost.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QToolButton>

namespace grd {
namespace {

struct SortButton {
    const char* name;
    const char* caption;
    int key;
    const char* hint;
};

constexpr SortButton kSortButtons[] = {
    {"SortTotalSBtn", "T", 1, "Sort by total ranking"},
    {"SortOffSBtn", "O", 2, "Sort by offense ranking"},
    {"SortDefSBtn", "D", 3, "Sort by defense ranking"},
    {"SortPtsPlusSBtn", "P+", 4, "Sort by total points scored by each team"},
    {"SortPtsMinusSBtn", "P-", 5, "Sort by total points scored against each team"},
    {"SortAvgPlusSBtn", "A+", 7, "Sort by average points scored by each team"},
    {"SortAvgMinusSBtn", "A-", 8, "Sort by average points scored against each team"},
    {"SortPercentSBtn", "%", 6, "Sort by win-loss-tie percentage"},
};

} // namespace

TTeamRankForm::TTeamRankForm(DisplayHost& host, QWidget* parent)
    : TDisplayForm(host, kTeamRankWindow, parent) {
    auto* bar = new QWidget(this);
    // At least its design height; a larger font makes it taller.
    bar->setMinimumHeight(32);
    QFont barFont(QStringLiteral("Arial"));
    barFont.setPixelSize(13);
    barFont.setBold(true);
    bar->setFont(barFont);
    auto* panel = new QWidget(bar);
    panel->setObjectName(QStringLiteral("SortPanel"));
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    sortButtons_ = new QButtonGroup(this);
    sortButtons_->setExclusive(true);
    for (const SortButton& item : kSortButtons) {
        auto* button = new QToolButton(panel);
        button->setObjectName(QLatin1String(item.name));
        button->setText(QLatin1String(item.caption));
        button->setToolTip(QLatin1String(item.hint));
        button->setStatusTip(QLatin1String(item.hint));
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setFixedSize(25, 25);
        sortButtons_->addButton(button, item.key);
        row->addWidget(button);
    }
    sortButtons_->button(1)->setChecked(true);
    auto* barLayout = new QHBoxLayout(bar);
    barLayout->setContentsMargins(4, 3, 4, 3);
    barLayout->addWidget(panel);
    barLayout->addStretch();
    connect(sortButtons_, &QButtonGroup::idClicked, this, [this](int key) {
        // Only ResortRankings decides which button stays pressed.
        pressSortButton(this->host().appState().program.sortKey);
        this->host().resort(key);
    });
    setToolbar(bar);
}

bool TTeamRankForm::pressSortButton(int sortKey) {
    QAbstractButton* button = sortButtons_->button(sortKey);
    if (button == nullptr) {
        return false;
    }
    button->setChecked(true);
    return true;
}

void TTeamRankForm::DrawTheGrid(bool recalcPosition, bool recalcWidths) {
    TDisplayForm::DrawTheGrid(recalcPosition, recalcWidths);
    measure(recalcPosition, recalcWidths);
    AppState& app = host().appState();
    if (app.rankings == nullptr) {
        return;
    }
    const tPrefsRec& prefs = app.prefs.view;
    setContent(teamRankingsGrid(*app.rankings, app.league,
                                {app.program.sortKey, prefs.cityNames, prefs.rowHighlight}));
}

} // namespace grd
