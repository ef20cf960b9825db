#include "app/ui/TMainForm.h"

#include "app/ui/MainFormDisplayHost.h"
#include "prefs/ui/PreferencesIO.h"
#include "views/UserLayout.h"
#include "views/ui/UserLayoutWindows.h"

#include <QCoreApplication>

// Window | Save Layout and Restore User Layout.

namespace grd {

void TMainForm::smWindowSaveLayoutClick() {
    const auto file = configFilePath(QString::fromStdString(state_.programDir));
    // Windows that are closed keep what the file holds for them; a damaged layout
    // is about to be written over, so it is not reported here.
    UserLayout layout = LoadLayout(file).layout;
    layout.font = state_.prefs.view.font;
    captureUserLayout(displayHostOf(*this), layout);
    if (const Status saved = SaveLayout(file, layout); !saved)
        ShowError(saved.failure(), this);
}

void TMainForm::smWindowRestoreLayoutClick() {
    CloseViewWindows(false);
    QCoreApplication::processEvents();
    // Read once: a damaged layout is reported once and what was read is used.
    const LoadedLayout loaded =
        LoadLayout(configFilePath(QString::fromStdString(state_.programDir)));
    if (loaded.failure)
        ShowError(*loaded.failure, this);
    if (loaded.layout.zOrder.count() == 0) {
        ShowError(-10, {}, this);
        return;
    }
    state_.prefs.view.font = loaded.layout.font;
    applyWindowFont();
    openUserLayout(displayHostOf(*this), loaded.layout);
}

} // namespace grd
