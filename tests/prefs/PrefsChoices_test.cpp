#include "prefs/PrefsChoices.h"

#include <gtest/gtest.h>

namespace grd {
namespace {

TEST(PrefsChoices, unchangedChoicesChangeNothingAndNeedNoRedraw) {
    Preferences prefs;
    prefs.view.tileVert = true;
    prefs.general.welcome = false;
    const Preferences before = prefs;
    const PrefsApplied applied = applyPrefsChoices(prefsChoicesOf(prefs), prefs);
    EXPECT_EQ(prefs, before);
    EXPECT_FALSE(applied.redraw);
    EXPECT_FALSE(applied.teamToolbarChanged || applied.catToolbarChanged ||
                 applied.schedToolbarChanged);
}

TEST(PrefsChoices, gridNamesAndWindowToolbarsRedrawButGeneralSwitchesDoNot) {
    struct Case {
        const char* name;
        bool PrefsChoices::*box;
        bool redraw;
    };
    const Case cases[] = {
        {"vertical lines", &PrefsChoices::vertLines, true},
        {"horizontal lines", &PrefsChoices::horzLines, true},
        {"row highlight", &PrefsChoices::highlight, true},
        {"names", &PrefsChoices::cityNames, true},
        {"team toolbar", &PrefsChoices::teamToolbar, true},
        {"category toolbar", &PrefsChoices::catToolbar, true},
        {"schedule toolbar", &PrefsChoices::schedToolbar, true},
        {"main toolbar", &PrefsChoices::toolbar, false},
        {"status line", &PrefsChoices::statusLine, false},
        {"hints", &PrefsChoices::flyby, false},
        {"welcome", &PrefsChoices::welcome, false},
        {"tile", &PrefsChoices::tileVert, false},
    };
    for (const Case& c : cases) {
        Preferences prefs;
        PrefsChoices choices = prefsChoicesOf(prefs);
        choices.*c.box = !(choices.*c.box);
        const PrefsApplied applied = applyPrefsChoices(choices, prefs);
        EXPECT_EQ(applied.redraw, c.redraw) << c.name;
        EXPECT_EQ(prefsChoicesOf(prefs), choices) << c.name;
    }
}

TEST(PrefsChoices, teamNamesSwitchTheNameListAndToolbarsReportTheirChange) {
    Preferences prefs;
    PrefsChoices choices = prefsChoicesOf(prefs);
    choices.cityNames = false;
    choices.catToolbar = false;
    const PrefsApplied applied = applyPrefsChoices(choices, prefs);
    EXPECT_EQ(prefs.view.nameList(), 2);
    EXPECT_TRUE(applied.catToolbarChanged);
    EXPECT_FALSE(applied.teamToolbarChanged);
    EXPECT_FALSE(applied.schedToolbarChanged);
    EXPECT_FALSE(prefs.view.catToolbar);
}

} // namespace
} // namespace grd
