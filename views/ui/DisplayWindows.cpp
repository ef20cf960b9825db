#include "views/ui/DisplayWindows.h"

#include "league/ui/MessageDialogs.h"
#include "views/LayoutZOrder.h"
#include "views/ui/DisplayHost.h"
#include "views/ui/TArchiveScoresForm.h"
#include "views/ui/TArchiveSpreadsForm.h"
#include "views/ui/TCategoryRankForm.h"
#include "views/ui/TDivisionRankForm.h"
#include "views/ui/TScheduleForm.h"
#include "views/ui/TSpreadsForm.h"
#include "views/ui/TTeamRankForm.h"

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <exception>

namespace grd {
namespace {

// Tells the host when a display window closes, so its flag and reference follow.
class ClosingWatcher : public QObject {
public:
    ClosingWatcher(DisplayHost& host, WindowCode code, QObject* parent)
        : QObject(parent), host_(host), code_(code) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Close) {
            host_.windowClosed(code_);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    DisplayHost& host_;
    WindowCode code_;
};

TDisplayForm* createForm(DisplayHost& host, WindowCode code) {
    switch (code) {
    case kScheduleWindow:
        return new TScheduleForm(host);
    case kTeamRankWindow:
        return new TTeamRankForm(host);
    case kDivisionRankWindow:
        return new TDivisionRankForm(host);
    case kCategoryRankWindow:
        return new TCategoryRankForm(host);
    case kSpreadsWindow:
        return new TSpreadsForm(host);
    case kArchiveSpreadsWindow:
        return new TArchiveSpreadsForm(host);
    case kArchiveScoresWindow:
        return new TArchiveScoresForm(host);
    }
    return nullptr;
}

bool canShow(const AppState& app, WindowCode code) {
    return code == kScheduleWindow || app.rankings != nullptr;
}

TTeamRankForm* teamForm(DisplayHost& host) {
    for (QMdiSubWindow* window : host.mdiArea()->subWindowList()) {
        if (auto* form = qobject_cast<TTeamRankForm*>(displayFormOf(window))) {
            return form;
        }
    }
    return nullptr;
}

void redrawKind(DisplayHost& host, WindowCode code) {
    for (QMdiSubWindow* window : host.mdiArea()->subWindowList()) {
        TDisplayForm* form = displayFormOf(window);
        if (form != nullptr && form->windowCode() == code) {
            form->DrawTheGrid(false, false);
        }
    }
}

bool isShown(DisplayHost& host, WindowCode code) {
    return host.appState().isOpen(code);
}

} // namespace

QMdiSubWindow* openDisplayWindow(DisplayHost& host, WindowCode code) {
    QMdiArea* area = host.mdiArea();
    if (area == nullptr || !canShow(host.appState(), code)) {
        return nullptr;
    }
    // One window per kind: asking again brings the open one to the front.
    for (QMdiSubWindow* open : area->subWindowList()) {
        TDisplayForm* form = displayFormOf(open);
        if (form != nullptr && form->windowCode() == code) {
            area->setActiveSubWindow(open);
            return open;
        }
    }
    QMdiSubWindow* window = nullptr;
    try {
        TDisplayForm* form = createForm(host, code);
        if (form == nullptr) {
            return nullptr;
        }
        window = area->addSubWindow(form);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setObjectName(form->metaObject()->className() + 5); // without "grd::"
        if (code == kScheduleWindow) {
            window->setWindowFlags(window->windowFlags() & ~Qt::WindowMaximizeButtonHint);
        }
        form->initialise();
        window->installEventFilter(new ClosingWatcher(host, code, window));
        window->show();
        form->fitHeight();
        host.windowOpened(code, window);
        return window;
    } catch (const std::exception& failure) {
        delete window;
        ShowError(6, failure.what());
        return nullptr;
    }
}

void copyActiveDisplayWindow(QMdiArea* area) {
    if (area == nullptr) {
        return;
    }
    if (TDisplayForm* form = displayFormOf(area->activeSubWindow())) {
        form->CopyToClipboard();
    }
}

void applySortKey(DisplayHost& host, int sortKey) {
    if (TTeamRankForm* form = teamForm(host)) {
        form->pressSortButton(sortKey);
    }
    redrawKind(host, kTeamRankWindow);
    redrawKind(host, kDivisionRankWindow);
}

LayoutData layoutDataOf(const AppState& app) {
    const tRankings* rankings = app.rankings.get();
    LayoutData data;
    data.rankingsLoaded = rankings != nullptr;
    data.archiveLoaded = rankings != nullptr && rankings->dataKind == kArchiveKind;
    data.mainDataWithForecasts = rankings != nullptr && rankings->dataKind == kMainDataKind &&
                                 app.program.spreads.size() > 1 &&
                                 app.program.spreads[1] != kNoSpread;
    return data;
}

void openDefaultLayout(DisplayHost& host, LayoutFont font) {
    AppState& app = host.appState();
    if (font == LayoutFont::Default) {
        QFont arial(QStringLiteral("Arial"));
        arial.setPointSize(10);
        app.prefs.view.font.colour = 0; // black: the colour belongs to the default font too
        host.setDisplayFont(arial);
    }
    // The default layout shows names at their usual length.
    host.viewState().nameLength = ViewState::kDefaultNameLength;
    for (int code : layoutWindowsToOpen(LayoutZOrder::defaultOrder(), layoutDataOf(app))) {
        const auto windowCode = static_cast<WindowCode>(code);
        if (!isShown(host, windowCode)) {
            openDisplayWindow(host, windowCode);
        }
    }
}

} // namespace grd
