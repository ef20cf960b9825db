#include "app/ui/TMainForm.h"

#include "app/MenuRules.h"
#include "app/ui/CsvExport.h"

#include <QAction>
#include <QActionGroup>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QToolButton>

namespace grd {
namespace {

// Shortcuts act even while their menu is closed, so items stay off until the
// program is ready rather than only while their menu is disabled.
void setItemsEnabled(QMenu* menu, bool enabled) {
    for (QAction* action : menu->actions()) {
        action->setEnabled(enabled);
        if (action->menu() != nullptr)
            setItemsEnabled(action->menu(), enabled);
    }
}

} // namespace

void TMainForm::setTopMenusEnabled(bool enabled) {
    for (QMenu* menu : {mmFile, mmTasks, mmView, mmEdit, mmOptions, mmWindow, mmHelp})
        menu->menuAction()->setEnabled(enabled);
}

void TMainForm::setMenuItemsEnabled(bool enabled) {
    for (QMenu* menu : {mmFile, mmTasks, mmView, mmEdit, mmOptions, mmWindow})
        setItemsEnabled(menu, enabled);
}

void TMainForm::enableReadyMenus() {
    setTopMenusEnabled(true);
    setMenuItemsEnabled(true);
    smFileRevert->setEnabled(state_.revertAvailable);
    setLayoutCommandsEnabled(state_.rankings != nullptr);
    menusReady_ = true;
    runMenuRules();
    QuickSBtn->setEnabled(!state_.readOnly);
    if (state_.readOnly)
        disableWritingCommands();
    XversusYSBtn->setEnabled(!state_.isOpen(kScheduleWindow));
}

// Another process writes the data directory: every command that would write there.
void TMainForm::disableWritingCommands() {
    setItemsEnabled(mmTasks, false);
    for (QAction* action : {smFileRevert, smFileReplaceMain, smWindowSaveLayout,
                            findChild<QAction*>(QStringLiteral("smFileImportMarketLines")),
                            findChild<QAction*>(QStringLiteral("smFileGetRecords"))})
        if (action != nullptr)
            action->setEnabled(false);
}

void TMainForm::runMenuRules() {
    if (!menusReady_)
        return;
    mmFileClick();
    mmEditClick();
    mmViewClick();
    applyWindowMenuRules();
}

// A closed child lingers in the list until it is deleted, but it is hidden at once.
int TMainForm::childWindowCount() const {
    int count = 0;
    for (const QMdiSubWindow* child : mdi_->subWindowList())
        count += child->isHidden() ? 0 : 1;
    return count;
}

bool TMainForm::activeChildIsTeamRank() const {
    QMdiSubWindow* active = mdi_->activeSubWindow();
    return active != nullptr && active == views_[kTeamRankWindow];
}

void TMainForm::mmFileClick() {
    const auto facts = menuFactsOf(state_, childWindowCount(), activeChildIsTeamRank());
    const FileMenuEnabling rules = fileMenuEnabling(facts);
    smFilePrint->setEnabled(rules.print);
    smFilePrintPreview->setEnabled(rules.print);
    smFileReplaceMain->setEnabled(rules.replaceMain && !state_.readOnly);
    smFileExportCsv->setEnabled(canExportCsv(mdi_));
}

void TMainForm::mmEditClick() {
    const auto facts = menuFactsOf(state_, childWindowCount(), activeChildIsTeamRank());
    const EditMenuEnabling rules = editMenuEnabling(facts);
    smEditCopy->setEnabled(rules.copy);
    smEditSort->menuAction()->setEnabled(rules.sort);
    // The items too: their shortcuts act while the submenu is closed.
    for (QAction* item : sortGroup_->actions())
        item->setEnabled(rules.sort);
}

void TMainForm::mmViewClick() {
    const auto facts = menuFactsOf(state_, 0, false);
    smViewSchedule->setEnabled(viewScheduleEnabled(facts));
}

void TMainForm::mmWindowClick() {
    applyWindowMenuRules();
    listChildWindows();
}

void TMainForm::applyWindowMenuRules() {
    const auto facts = menuFactsOf(state_, childWindowCount(), activeChildIsTeamRank());
    const WindowMenuEnabling rules = windowMenuEnabling(facts);
    for (int code = kTeamRankWindow; code <= kLastWindowCode; ++code)
        windowItems_[code]->setEnabled(rules.openItem[code]);
    smWindowRestoreLayout->setEnabled(rules.restoreLayouts);
    smWindowRestoreDefaultWithDefaultFont->setEnabled(rules.restoreLayouts);
    smWindowRestoreDefaultWithCurrentFont->setEnabled(rules.restoreLayouts);
    if (rules.saveLayout)
        smWindowSaveLayout->setEnabled(*rules.saveLayout && !state_.readOnly);
    smWindowCascade->setEnabled(rules.arrange);
    smWindowTile->setEnabled(rules.arrange);
    smWindowNext->setEnabled(rules.navigate);
    smWindowPrevious->setEnabled(rules.navigate);
}

void TMainForm::listChildWindows() {
    const QList<QAction*> items = mmWindow->actions();
    for (qsizetype i = items.indexOf(windowListSeparator_) + 1; i < items.size(); ++i)
        delete items[i];
    const QList<QMdiSubWindow*> children = mdi_->subWindowList();
    for (qsizetype i = 0; i < children.size(); ++i) {
        QPointer<QMdiSubWindow> child = children[i];
        auto* item = mmWindow->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(child->windowTitle().trimmed()));
        // Only the active window carries a check mark, as in any window list.
        item->setCheckable(child == mdi_->activeSubWindow());
        item->setChecked(child == mdi_->activeSubWindow());
        connect(item, &QAction::triggered, this, [this, child] {
            if (child)
                mdi_->setActiveSubWindow(child);
        });
    }
}

void TMainForm::setLayoutCommandsEnabled(bool enabled) {
    smWindowRestoreLayout->setEnabled(enabled);
    smWindowRestoreDefaultWithDefaultFont->setEnabled(enabled);
    smWindowRestoreDefaultWithCurrentFont->setEnabled(enabled);
    RestoreLayoutSBtn->setEnabled(enabled);
}

} // namespace grd
