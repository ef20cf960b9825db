#include "views/ui/TScheduleForm.h"

#include "league/ui/MessageDialogs.h"
#include "views/DisplayGeometry.h"
#include "views/ui/DisplayHost.h"
#include "views/ui/LocaleKickoffTexts.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <QTableView>
#include <QToolButton>

namespace grd {

TScheduleForm::TScheduleForm(DisplayHost& host, QWidget* parent)
    : TDisplayForm(host, kScheduleWindow, parent) {
    auto* bar = new QWidget(this);
    // At least its design height; a larger font makes it taller.
    bar->setMinimumHeight(30);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 2, 4, 2);
    types_ = new QComboBox(bar);
    types_->setObjectName(QStringLiteral("ScheduleTypeCB"));
    types_->setMaxVisibleItems(20);
    types_->setToolTip(tr("Choose schedule for 1 team or all teams"));
    types_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto* print = new QToolButton(bar);
    print->setObjectName(QStringLiteral("ShowPrintSBtn"));
    print->setText(tr("Print"));
    print->setToolTip(tr("Print"));
    auto* preview = new QToolButton(bar);
    preview->setObjectName(QStringLiteral("ShowPreviewSBtn"));
    preview->setText(tr("Preview"));
    preview->setToolTip(tr("Print Preview"));
    row->addWidget(types_);
    row->addWidget(print);
    row->addWidget(preview);
    row->addStretch();
    setToolbar(bar);

    connect(types_, &QComboBox::activated, this, &TScheduleForm::ScheduleTypeCBChange);
    connect(print, &QToolButton::clicked, this, [this] { PrintSelf(false); });
    connect(preview, &QToolButton::clicked, this, [this] { PrintSelf(true); });
}

void TScheduleForm::DrawTheGrid(bool recalcPosition, bool recalcWidths) {
    TDisplayForm::DrawTheGrid(recalcPosition, recalcWidths);
    const AppState& app = host().appState();
    static const tSchedule70 kNoSchedule;
    const tSchedule70& schedule = app.schedule != nullptr ? *app.schedule : kNoSchedule;
    const tPrefsRec& prefs = app.prefs.view;
    int& type = host().viewState().scheduleType;

    entries_ = scheduleViewEntries(schedule, app.league, prefs.cityNames);
    if (type < 0 || type >= static_cast<int>(entries_.size())) {
        type = 0;
    }
    {
        const QSignalBlocker block(types_);
        types_->clear();
        for (const ScheduleViewEntry& entry : entries_) {
            types_->addItem(QString::fromStdString(entry.text));
        }
        types_->setCurrentIndex(type);
    }
    setCaption(QString::fromStdString(scheduleCaption(schedule, entries_, type)));
    measure(recalcPosition, recalcWidths);
    setContent(scheduleGrid(schedule, app.league, entries_, type,
                            {prefs.cityNames, prefs.rowHighlight}, LocaleKickoffTexts()));
}

void TScheduleForm::ScheduleTypeCBChange(int index) {
    host().viewState().scheduleType = index;
    DrawTheGrid(false, false);
    QMdiSubWindow* sub = subWindow();
    QMdiArea* area = host().mdiArea();
    if (sub == nullptr || area == nullptr) {
        return;
    }
    const int chrome = sub->height() - height();
    const int headerExtra = grid()->horizontalHeader()->sizeHint().height() - rowHeight();
    const int toolbarAndFrame = toolbarHeight() + headerExtra + 2 * grid()->frameWidth();
    const int newHeight =
        scheduleWindowHeight(sub->height(), height(), rowHeight(), 0, content().rowCount() + 1,
                             toolbarAndFrame, chrome, area->viewport()->height(), sub->y());
    sub->resize(sub->width(), newHeight);
}

void TScheduleForm::PrintSelf(bool preview) {
    if (scheduleHasNoGames(content())) {
        ShowError(-36, {}, this);
        return;
    }
    const int type = host().viewState().scheduleType;
    const bool known = type >= 0 && type < static_cast<int>(entries_.size());
    host().printSchedule(content(), type, known ? entries_[static_cast<size_t>(type)].text : "",
                         preview, this);
}

} // namespace grd
