#include "app/ui/TMainForm.h"

#include "prefs/PrefsChoices.h"
#include "prefs/ui/TPrefsDlg.h"
#include "views/ui/DisplayWindows.h"
#include "views/ui/TDisplayForm.h"

#include <QMdiSubWindow>

#include <exception>

// Options | Preferences.

namespace grd {
namespace {

constexpr int kPreferencesError = 7;

} // namespace

void TMainForm::showWindowToolbar(WindowCode code, bool shown) {
    if (TDisplayForm* form = displayFormOf(qobject_cast<QMdiSubWindow*>(views_[code])))
        form->showToolbar(shown);
}

void TMainForm::smOptionsPreferencesClick() {
    try {
        const std::optional<PrefsChoices> chosen =
            TPrefsDlg::Run(prefsChoicesOf(state_.prefs), this);
        if (!chosen)
            return;
        const PrefsApplied applied = applyPrefsChoices(*chosen, state_.prefs);
        const tPrefsRec& view = state_.prefs.view;
        if (applied.teamToolbarChanged)
            showWindowToolbar(kTeamRankWindow, view.teamToolbar);
        if (applied.catToolbarChanged)
            showWindowToolbar(kCategoryRankWindow, view.catToolbar);
        if (applied.schedToolbarChanged)
            showWindowToolbar(kScheduleWindow, view.schedToolbar);
        applyPreferences();
        if (applied.redraw)
            RedrawChildren(false, false);
    } catch (const std::exception& failure) {
        ShowError(kPreferencesError, failure.what(), this);
    }
}

} // namespace grd
