#include "views/ui/TDisplayForm.h"

#include "league/ui/HelpContext.h"
#include "league/ui/MessageDialogs.h"
#include "views/ClipboardText.h"
#include "views/CsvText.h"
#include "views/DisplayCaption.h"
#include "views/DisplayGeometry.h"
#include "views/DisplayKind.h"
#include "views/ui/DisplayCellDelegate.h"
#include "views/ui/DisplayGridModel.h"
#include "views/ui/DisplayHeaderView.h"
#include "views/ui/DisplayHost.h"

#include <QActionGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTableView>
#include <QVBoxLayout>

namespace grd {

TDisplayForm::TDisplayForm(DisplayHost& host, WindowCode code, QWidget* parent)
    : QWidget(parent), host_(host), code_(code) {
    setObjectName(QStringLiteral("DisplayForm"));
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);

    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("DisplayGrid"));
    model_ = new DisplayGridModel(grid_);
    // The columns exist from the start, so the widths set before the first cells stay.
    model_->setContent(GridContent(kind().titleList()));
    delegate_ = new DisplayCellDelegate(grid_);
    auto* header = new DisplayHeaderView(grid_);
    grid_->setHorizontalHeader(header);
    grid_->setModel(model_);
    grid_->setItemDelegate(delegate_);
    grid_->setShowGrid(false); // the delegate draws the lines the user chose
    grid_->setWordWrap(false);
    grid_->setTextElideMode(Qt::ElideNone);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionsMovable(kind().movableColumns);
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(4);
    connect(header, &QHeaderView::sectionMoved, this, &TDisplayForm::columnMoved);
    layout_->addWidget(grid_);

    createPopupMenu();
    // The header row has the same pop-up: a window without data rows has only it.
    for (QAbstractScrollArea* area :
         {static_cast<QAbstractScrollArea*>(grid_), static_cast<QAbstractScrollArea*>(header)}) {
        area->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(area, &QWidget::customContextMenuRequested, this, [this, area](const QPoint& at) {
            popup_->popup(area->viewport()->mapToGlobal(at));
        });
    }
    setHelpContext(this, kind().helpContext);
}

TDisplayForm::~TDisplayForm() = default;

void TDisplayForm::initialise() {
    const AppState& app = host_.appState();
    if (code_ != kScheduleWindow && app.rankings != nullptr) {
        setCaption(
            QString::fromStdString(displayCaption(code_, *app.rankings, app.program, app.league)));
    }
    DrawTheGrid(true, true);
}

void TDisplayForm::fitHeight() {
    MaybeResetHeight(toolbar_ != nullptr && toolbar_->isVisible() ? toolbarHeight() : 0);
}

// ---- Drawing ------------------------------------------------------------------

void TDisplayForm::DrawTheGrid(bool, bool) {
    const QFont font = host_.displayFont();
    setFont(font);
    grid_->setFont(font);
    grid_->horizontalHeader()->setFont(font);
    const int height = rowHeight();
    grid_->verticalHeader()->setMinimumSectionSize(height);
    grid_->verticalHeader()->setDefaultSectionSize(height);
    const tPrefsRec& prefs = host_.appState().prefs.view;
    delegate_->setGridLines(prefs.horzLines, prefs.vertLines);
    grid_->viewport()->update();
}

int TDisplayForm::rowHeight() const {
    return QFontMetrics(host_.displayFont()).height() + 4;
}

void TDisplayForm::setContent(GridContent content) {
    model_->setContent(std::move(content));
    grid_->viewport()->update();
    grid_->horizontalHeader()->viewport()->update();
}

const GridContent& TDisplayForm::content() const {
    return model_->content();
}

void TDisplayForm::setCaption(const QString& caption) {
    setWindowTitle(caption);
    if (QMdiSubWindow* sub = subWindow()) {
        sub->setWindowTitle(caption);
        fitCaption();
    }
}

// A caption cut short in the title bar hides which week or file the window shows:
// the window widens for it, as far as the area allows.
void TDisplayForm::fitCaption() {
    QMdiSubWindow* sub = subWindow();
    QMdiArea* area = host_.mdiArea();
    if (sub == nullptr || area == nullptr) {
        return;
    }
    const int room = area->viewport()->width() - sub->x();
    const int wanted = std::min(titleBarWidth(caption(), sub->font()), room);
    if (sub->width() < wanted) {
        sub->resize(wanted, sub->height());
    }
}

QString TDisplayForm::caption() const {
    return windowTitle();
}

QMdiSubWindow* TDisplayForm::subWindow() const {
    return qobject_cast<QMdiSubWindow*>(parentWidget());
}

void TDisplayForm::setToolbar(QWidget* toolbar) {
    toolbar_ = toolbar;
    toolbar_->setObjectName(QStringLiteral("TheToolbar"));
    layout_->insertWidget(0, toolbar_);
    if (const bool* shown = toolbarPreference())
        toolbar_->setVisible(*shown);
}

bool* TDisplayForm::toolbarPreference() const {
    tPrefsRec& view = host_.appState().prefs.view;
    switch (code_) {
    case kTeamRankWindow:
        return &view.teamToolbar;
    case kCategoryRankWindow:
        return &view.catToolbar;
    case kScheduleWindow:
        return &view.schedToolbar;
    default:
        return nullptr;
    }
}

void TDisplayForm::showToolbar(bool shown) {
    if (toolbar_ != nullptr) {
        toolbar_->setVisible(shown);
        update();
    }
}

int TDisplayForm::toolbarHeight() const {
    return toolbar_ != nullptr ? toolbar_->height() : 0;
}

// ---- Sizes and place --------------------------------------------------------

void TDisplayForm::measure(bool recalcPosition, bool recalcWidths) {
    CalcWidest();
    if (recalcPosition) {
        CalcPosition();
    }
    if (recalcWidths) {
        SetColumnWidths();
    }
}

void TDisplayForm::CalcWidest() {
    const QFontMetrics metrics(host_.displayFont());
    const TextWidth width = [&metrics](const std::string& text) {
        return metrics.horizontalAdvance(QString::fromStdString(text));
    };
    const AppState& app = host_.appState();
    const LeagueStructure& league = app.league;
    const auto& names = app.prefs.view.cityNames ? league.cityNames : league.teamNames;
    const int cut = code_ == kCategoryRankWindow ? host_.viewState().nameLength : 0;
    widest_ = grd::widestName(names, width, cut);
    if (code_ == kDivisionRankWindow) {
        widest_ = std::max(widest_, grd::widestName(league.divisionNames, width));
    }
}

void TDisplayForm::SetColumnWidths() {
    const auto widths = columnWidths(kind(), columnWidth(), widest_);
    for (int logical = 0; logical < static_cast<int>(widths.size()); ++logical) {
        grid_->setColumnWidth(logical, widths[static_cast<size_t>(logical)]);
    }
}

TextWidth TDisplayForm::columnWidth() const {
    // A cell's text sits within the style's margins on either side.
    const int padding =
        2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid_) + 1);
    return [metrics = QFontMetrics(host_.displayFont()), padding](const std::string& text) {
        return metrics.horizontalAdvance(QString::fromStdString(text)) + padding;
    };
}

void TDisplayForm::CalcPosition() {
    QMdiSubWindow* sub = subWindow();
    QMdiArea* area = host_.mdiArea();
    if (sub == nullptr || area == nullptr) {
        return;
    }
    FrameMetrics frame;
    frame.border = style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    frame.scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    frame.dialogFrame = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    const QSize free = area->viewport()->size();
    const WindowRect rect =
        initialRect(kind(), columnWidth(), widest_, frame, free.width(), free.height());
    sub->setGeometry(rect.left, rect.top, std::max(rect.width, 80), std::max(rect.height, 60));
    fitCaption();
}

void TDisplayForm::MaybeResetHeight(int extra) {
    QMdiSubWindow* sub = subWindow();
    if (sub == nullptr) {
        return;
    }
    // The header may be taller than a row, and the grid has a frame.
    const int headerExtra = grid_->horizontalHeader()->sizeHint().height() - rowHeight();
    const int frame = 2 * grid_->frameWidth();
    const int client = height();
    const int fitted = fittedClientHeight(client, rowHeight(), 0, model_->rowCount() + 1,
                                          extra + headerExtra + frame);
    if (fitted < client) {
        sub->resize(sub->width(), sub->height() - (client - fitted));
    }
}

// ---- Clipboard and printing -------------------------------------------------

QString TDisplayForm::csvText() const {
    return QString::fromStdString(gridCsv(content(), columns_));
}

std::string TDisplayForm::clipboardText() const {
    return gridClipboardText(caption().toStdString(), content(), columns_);
}

void TDisplayForm::CopyToClipboard() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        ShowError(4, "No clipboard", this);
        return;
    }
    clipboard->setText(QString::fromStdString(clipboardText()));
}

void TDisplayForm::PrintSelf(bool preview) {
    host_.printReport(reportKind_, preview);
}

void TDisplayForm::PrintOrPreviewRequest(bool preview, bool spreadsGrid) {
    const AppState& app = host_.appState();
    const tRankings* rankings = app.rankings.get();
    if (code_ == kArchiveScoresWindow && (rankings == nullptr || rankings->scoreCount == 0)) {
        ShowError(-26, {}, this);
        return;
    }
    const bool noForecasts = app.program.spreads.size() < 2 || app.program.spreads[1] == kNoSpread;
    if ((code_ == kSpreadsWindow && noForecasts) ||
        (code_ == kArchiveSpreadsWindow && (rankings == nullptr || rankings->spreadCount == 0))) {
        ShowError(-25, {}, this);
        return;
    }
    reportKind_ = reportKindOfWindow(code_, spreadsGrid);
    PrintSelf(preview);
}

void TDisplayForm::ShowHideToolbar() {
    bool* shown = toolbarPreference();
    if (shown == nullptr || toolbar_ == nullptr)
        return;
    *shown = !*shown;
    toolbar_->setVisible(*shown);
}

} // namespace grd
