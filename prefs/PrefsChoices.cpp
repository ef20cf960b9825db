#include "prefs/PrefsChoices.h"

namespace grd {

PrefsChoices prefsChoicesOf(const Preferences& prefs) {
    const GeneralPrefs& general = prefs.general;
    const tPrefsRec& view = prefs.view;
    return {general.toolbar, general.statusLine, general.flyby,     general.welcome,
            view.vertLines,  view.horzLines,     view.rowHighlight, view.teamToolbar,
            view.catToolbar, view.schedToolbar,  view.cityNames,    view.tileVert};
}

PrefsApplied applyPrefsChoices(const PrefsChoices& choices, Preferences& prefs) {
    tPrefsRec& view = prefs.view;
    PrefsApplied applied;
    applied.teamToolbarChanged = choices.teamToolbar != view.teamToolbar;
    applied.catToolbarChanged = choices.catToolbar != view.catToolbar;
    applied.schedToolbarChanged = choices.schedToolbar != view.schedToolbar;
    // A changed tool bar changes the room the grid has, so it redraws too.
    applied.redraw = choices.vertLines != view.vertLines || choices.horzLines != view.horzLines ||
                     choices.highlight != view.rowHighlight ||
                     choices.cityNames != view.cityNames || applied.teamToolbarChanged ||
                     applied.catToolbarChanged || applied.schedToolbarChanged;
    view.vertLines = choices.vertLines;
    view.horzLines = choices.horzLines;
    view.rowHighlight = choices.highlight;
    view.cityNames = choices.cityNames;
    view.teamToolbar = choices.teamToolbar;
    view.catToolbar = choices.catToolbar;
    view.schedToolbar = choices.schedToolbar;
    view.tileVert = choices.tileVert;

    GeneralPrefs& general = prefs.general;
    general.toolbar = choices.toolbar;
    general.statusLine = choices.statusLine;
    general.flyby = choices.flyby;
    general.welcome = choices.welcome;
    return applied;
}

} // namespace grd
