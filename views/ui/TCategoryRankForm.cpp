#include "views/ui/TCategoryRankForm.h"

#include "league/LeagueLookups.h"
#include "league/ui/MessageDialogs.h"
#include "views/CategoryRankingsView.h"
#include "views/ClipboardText.h"
#include "views/InformalForecast.h"
#include "views/ui/DisplayHost.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>
#include <QSpinBox>
#include <QTableView>

namespace grd {

TCategoryRankForm::TCategoryRankForm(DisplayHost& host, QWidget* parent)
    : TDisplayForm(host, kCategoryRankWindow, parent) {
    createToolbar();
    createForecastMenu();

    QMenu* popup = popupMenu();
    popup->addSeparator();
    QAction* withHta = popup->addAction(tr("Informal Forecast w/ HTA"));
    withHta->setObjectName(QStringLiteral("DisplayPopupInformalForecastHTA"));
    QAction* withoutHta = popup->addAction(tr("Informal Forecast w/o HTA"));
    withoutHta->setObjectName(QStringLiteral("DisplayPopupInformalForecastNoHTA"));
    connect(withHta, &QAction::triggered, this, [this] { DoForecast(true); });
    connect(withoutHta, &QAction::triggered, this, [this] { DoForecast(false); });

    connect(grid(), &QTableView::clicked, this, &TCategoryRankForm::DisplayGridMouseUp);
    connect(grid(), &QTableView::doubleClicked, this, &TCategoryRankForm::DisplayGridDblClick);
    grid()->installEventFilter(this);
}

void TCategoryRankForm::createToolbar() {
    auto* bar = new QWidget(this);
    // At least its design height; a larger font makes it taller.
    bar->setMinimumHeight(30);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 2, 4, 2);

    auto* lengthLabel = new QLabel(tr("&Name Length"), bar);
    lengthLabel->setObjectName(QStringLiteral("NameLengthLabel"));
    nameLength_ = new QSpinBox(bar);
    nameLength_->setObjectName(QStringLiteral("NameLengthSpin"));
    nameLength_->setRange(ViewState::kMinNameLength, ViewState::kMaxNameLength);
    nameLength_->setToolTip(tr(" Change length of names"));
    nameLength_->setValue(host().viewState().nameLength);
    if (QLineEdit* edit = nameLength_->findChild<QLineEdit*>()) {
        edit->setObjectName(QStringLiteral("NameLengthEdit"));
        edit->setMaxLength(2);
        edit->setReadOnly(true);
    }
    lengthLabel->setBuddy(nameLength_);
    connect(nameLength_, &QSpinBox::valueChanged, this, [this](int length) {
        host().viewState().nameLength = length;
        DrawTheGrid(false, true);
    });

    // Alt+I opens the label's pop-up menu rather than focusing a buddy, so the
    // accelerator is underlined by hand.
    instantLabel_ = new QLabel(tr("<u>I</u>nformal Forecasts"), bar);
    instantLabel_->setObjectName(QStringLiteral("InstantLabel"));
    forecasts_ = new QComboBox(bar);
    forecasts_->setObjectName(QStringLiteral("InstantSpreadsCB"));
    forecasts_->setMaxVisibleItems(15);
    forecasts_->setMinimumContentsLength(36);
    forecasts_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    picksLabel_ = new QLabel(bar);
    picksLabel_->setObjectName(QStringLiteral("HighlightLabel"));

    row->addWidget(lengthLabel);
    row->addWidget(nameLength_);
    row->addSpacing(12);
    row->addWidget(instantLabel_);
    row->addWidget(forecasts_);
    row->addSpacing(12);
    row->addWidget(picksLabel_, 1);
    setToolbar(bar);
}

void TCategoryRankForm::createForecastMenu() {
    forecastMenu_ = new QMenu(this);
    forecastMenu_->setObjectName(QStringLiteral("InstantForecastPopupMenu"));
    const auto add = [this](const char* name, const QString& caption) {
        QAction* action = forecastMenu_->addAction(caption);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    delete_ = add("InstantDelete", tr("Delete &Current"));
    clear_ = add("InstantClear", tr("Delete &All"));
    copy_ = add("InstantCopy", tr("Copy &All"));
    forecastMenu_->addSeparator();
    QAction* print = add("InstantPrint", tr("&Print..."));
    QAction* preview = add("InstantPreview", tr("Print Pre&view..."));
    connect(print, &QAction::triggered, this, [this] { InstantPrintOrPreviewClick(false); });
    connect(preview, &QAction::triggered, this, [this] { InstantPrintOrPreviewClick(true); });
    connect(forecastMenu_, &QMenu::aboutToShow, this,
            &TCategoryRankForm::InstantForecastPopupMenuPopup);
    connect(delete_, &QAction::triggered, this, &TCategoryRankForm::InstantDeleteClick);
    connect(clear_, &QAction::triggered, forecasts_, &QComboBox::clear);
    connect(copy_, &QAction::triggered, this, &TCategoryRankForm::InstantCopyClick);

    for (QWidget* owner :
         {static_cast<QWidget*>(instantLabel_), static_cast<QWidget*>(forecasts_)}) {
        owner->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(owner, &QWidget::customContextMenuRequested, this,
                [this, owner](const QPoint& at) { forecastMenu_->popup(owner->mapToGlobal(at)); });
    }
    auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_I), this);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, this, [this] {
        if (toolbar()->isVisible()) {
            const QPoint at(instantLabel_->mapTo(this, QPoint(0, 0)).x(), grid()->y());
            forecastMenu_->popup(mapToGlobal(at));
        }
    });
}

void TCategoryRankForm::DrawTheGrid(bool recalcPosition, bool) {
    TDisplayForm::DrawTheGrid(recalcPosition, true);
    // The widths follow the name length, so they are set on every redraw.
    measure(recalcPosition, true);
    AppState& app = host().appState();
    if (app.rankings == nullptr) {
        return;
    }
    ViewState& views = host().viewState();
    views.picks.fitTo(app.rankings->teamCount);
    const tPrefsRec& prefs = app.prefs.view;
    setContent(
        categoryRankingsGrid(*app.rankings, app.league,
                             {prefs.cityNames, prefs.rowHighlight, views.nameLength, views.picks}));
    updatePicksLabel();
}

void TCategoryRankForm::updatePicksLabel() {
    const AppState& app = host().appState();
    picksLabel_->setText(QString::fromStdString(
        picksLabel(app.league, host().viewState().picks, app.prefs.view.cityNames)));
}

// ---- Picking and forecasting ------------------------------------------------

void TCategoryRankForm::SelectTeam(int column) {
    const AppState& app = host().appState();
    const QModelIndex current = grid()->currentIndex();
    if (app.rankings == nullptr || !current.isValid()) {
        return;
    }
    const int32_t team = categoryTeamAt(*app.rankings, column, current.row());
    if (app.rankings->isTeam(team) && host().viewState().picks.pick(team)) {
        updatePicksLabel();
        DrawTheGrid(false, false);
    }
}

void TCategoryRankForm::DoForecast(bool withHomeAdvantage) {
    const AppState& app = host().appState();
    const TeamPicks& picks = host().viewState().picks;
    if (app.rankings == nullptr || !app.rankings->isTeam(picks.first()) ||
        !app.rankings->isTeam(picks.second())) {
        return;
    }
    const auto team = [&](int32_t t) {
        return ForecastTeam{TeamName(app.league, t, app.prefs.view.cityNames),
                            app.rankings->teams[static_cast<size_t>(t)].total};
    };
    const std::string text =
        informalForecastText(team(picks.first()), team(picks.second()), withHomeAdvantage);
    forecasts_->insertItem(0, QString::fromStdString(text));
    forecasts_->setCurrentIndex(0);
}

std::vector<std::string> TCategoryRankForm::forecasts() const {
    std::vector<std::string> entries;
    for (int i = 0; i < forecasts_->count(); ++i) {
        entries.push_back(forecasts_->itemText(i).toStdString());
    }
    return entries;
}

bool TCategoryRankForm::currentCellIsData() const {
    const QModelIndex current = grid()->currentIndex();
    return current.isValid() && grid()->horizontalHeader()->visualIndex(current.column()) > 0;
}

void TCategoryRankForm::DisplayGridMouseUp(const QModelIndex& index) {
    if (index.isValid() && grid()->horizontalHeader()->visualIndex(index.column()) > 0) {
        SelectTeam(index.column());
    }
}

void TCategoryRankForm::DisplayGridDblClick() {
    if (currentCellIsData()) {
        DoForecast(true);
    }
}

bool TCategoryRankForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if ((enter || key == Qt::Key_Space) && currentCellIsData()) {
            SelectTeam(grid()->currentIndex().column());
            if (enter) {
                DoForecast(true);
            }
            return true;
        }
    }
    return TDisplayForm::eventFilter(watched, event);
}

// ---- Informal forecast list -------------------------------------------------

void TCategoryRankForm::InstantForecastPopupMenuPopup() {
    const bool any = forecasts_->count() > 0;
    delete_->setEnabled(any);
    clear_->setEnabled(any);
    copy_->setEnabled(any);
}

void TCategoryRankForm::InstantDeleteClick() {
    forecasts_->removeItem(forecasts_->currentIndex());
    forecasts_->setCurrentIndex(forecasts_->count() > 0 ? 0 : -1);
}

void TCategoryRankForm::InstantPrintOrPreviewClick(bool preview) {
    QStringList lines;
    for (const std::string& entry : forecasts())
        lines << QString::fromStdString(entry);
    host().printLines(lines, tr("Informal Forecasts"), preview, this);
}

void TCategoryRankForm::InstantCopyClick() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        ShowError(4, "No clipboard", this);
        return;
    }
    clipboard->setText(QString::fromStdString(forecastListClipboardText(forecasts())));
}

} // namespace grd
