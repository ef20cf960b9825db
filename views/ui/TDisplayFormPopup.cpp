// The display window's pop-up menu: names, grid lines, highlight, font, copy, print.
#include "views/ui/TDisplayForm.h"

#include "views/DisplayKind.h"
#include "views/ui/DisplayHost.h"

#include <QActionGroup>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

namespace grd {

// ---- Pop-up menu --------------------------------------------------------------

void TDisplayForm::createPopupMenu() {
    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("DisplayPopupMenu"));
    const auto add = [this](const char* name, const QString& caption) {
        QAction* action = popup_->addAction(caption);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    previewSpreadsGrid_ = add("DisplayPopupPreviewSpreadsGrid", tr("Preview Spreads Gri&d..."));
    printSpreadsGrid_ = add("DisplayPopupPrintSpreadsGrid", tr("Print Spreads &Grid..."));
    gridSeparator_ = popup_->addSeparator();
    gridSeparator_->setObjectName(QStringLiteral("GridSeparator"));
    printPreview_ = add("DisplayPopupPrintPreview", {});
    print_ = add("DisplayPopupPrint", {});
    popup_->addSeparator();
    cityNames_ = add("DisplayPopupCityNames", tr("&City Names"));
    teamNames_ = add("DisplayPopupTeamNames", tr("&Team Names"));
    auto* names = new QActionGroup(popup_);
    for (QAction* action : {cityNames_, teamNames_}) {
        action->setCheckable(true);
        names->addAction(action);
    }
    popup_->addSeparator();
    horzLines_ = add("DisplayPopupHorzLines", tr("&Horizontal Grid Lines"));
    vertLines_ = add("DisplayPopupVertLines", tr("&Vertical Grid Lines"));
    rowHighlight_ = add("DisplayPopupRowHighlight", tr("&Row Highlighting"));
    toolbarItem_ = add("DisplayPopupToolbar", tr("Tool&bar"));
    for (QAction* action : {horzLines_, vertLines_, rowHighlight_, toolbarItem_}) {
        action->setCheckable(true);
    }
    popup_->addSeparator();
    QAction* font = add("DisplayPopupFont", tr("&Font..."));
    QAction* copy = add("DisplayPopupCopy", tr("C&opy"));

    connect(popup_, &QMenu::aboutToShow, this, &TDisplayForm::DisplayPopupMenuPopup);
    connect(previewSpreadsGrid_, &QAction::triggered, this,
            [this] { PrintOrPreviewRequest(true, true); });
    connect(printSpreadsGrid_, &QAction::triggered, this,
            [this] { PrintOrPreviewRequest(false, true); });
    connect(printPreview_, &QAction::triggered, this, [this] { PrintOrPreviewRequest(true); });
    connect(print_, &QAction::triggered, this, [this] { PrintOrPreviewRequest(false); });
    connect(cityNames_, &QAction::triggered, this, [this] { chooseNames(true); });
    connect(teamNames_, &QAction::triggered, this, [this] { chooseNames(false); });
    connect(horzLines_, &QAction::triggered, this, [this] { toggleGridLines(true); });
    connect(vertLines_, &QAction::triggered, this, [this] { toggleGridLines(false); });
    connect(rowHighlight_, &QAction::triggered, this, &TDisplayForm::toggleRowHighlight);
    connect(toolbarItem_, &QAction::triggered, this, &TDisplayForm::ShowHideToolbar);
    connect(font, &QAction::triggered, this, [this] { host_.chooseFont(); });
    connect(copy, &QAction::triggered, this, &TDisplayForm::CopyToClipboard);
    DisplayPopupMenuPopup();
}

void TDisplayForm::DisplayPopupMenuPopup() {
    const tPrefsRec& prefs = host_.appState().prefs.view;
    cityNames_->setChecked(prefs.cityNames);
    teamNames_->setChecked(!prefs.cityNames);
    horzLines_->setChecked(prefs.horzLines);
    vertLines_->setChecked(prefs.vertLines);
    rowHighlight_->setChecked(prefs.rowHighlight);
    toolbarItem_->setVisible(kind().hasToolbar);
    toolbarItem_->setChecked(toolbar_ != nullptr && !toolbar_->isHidden());
    const QString report = QString::fromLatin1(kind().reportName);
    print_->setText(tr("&Print ") + report);
    printPreview_->setText(tr("Previe&w ") + report);
    const bool spreads = code_ == kSpreadsWindow || code_ == kArchiveSpreadsWindow;
    for (QAction* action : {previewSpreadsGrid_, printSpreadsGrid_, gridSeparator_}) {
        action->setVisible(spreads);
    }
}

void TDisplayForm::chooseNames(bool cityNames) {
    bool& current = host_.appState().prefs.view.cityNames;
    if (current == cityNames) {
        return;
    }
    current = cityNames;
    redrawDisplayWindows(host_.mdiArea(), false, false);
}

void TDisplayForm::toggleGridLines(bool horizontal) {
    tPrefsRec& prefs = host_.appState().prefs.view;
    bool& lines = horizontal ? prefs.horzLines : prefs.vertLines;
    lines = !lines;
    (horizontal ? horzLines_ : vertLines_)->setChecked(lines);
    redrawDisplayWindows(host_.mdiArea(), false, false);
}

void TDisplayForm::toggleRowHighlight() {
    bool& highlight = host_.appState().prefs.view.rowHighlight;
    highlight = !highlight;
    rowHighlight_->setChecked(highlight);
    redrawDisplayWindows(host_.mdiArea(), false, false);
}

void TDisplayForm::columnMoved(int, int oldVisual, int newVisual) {
    columns_.move(oldVisual, newVisual);
}

TDisplayForm* displayFormOf(QMdiSubWindow* window) {
    return window != nullptr ? qobject_cast<TDisplayForm*>(window->widget()) : nullptr;
}

void redrawDisplayWindows(QMdiArea* area, bool recalcPosition, bool recalcWidths) {
    if (area == nullptr) {
        return;
    }
    const QList<QMdiSubWindow*> windows = area->subWindowList(QMdiArea::CreationOrder);
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        if (TDisplayForm* form = displayFormOf(*it)) {
            form->DrawTheGrid(recalcPosition, recalcWidths);
        }
    }
}

} // namespace grd
