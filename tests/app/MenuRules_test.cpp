#include "app/MenuRules.h"
#include "app/SplashTimer.h"

#include <gtest/gtest.h>

namespace grd {
namespace {

MenuFacts loaded(int kind, std::initializer_list<WindowCode> open = {}) {
    MenuFacts facts;
    facts.hasRankings = true;
    facts.dataKind = kind;
    for (WindowCode code : open)
        facts.windowOpen[code] = true;
    facts.childCount = static_cast<int>(open.size());
    return facts;
}

TEST(MenuRules, fileMenu_printNeedsDataAndReplaceNeedsAnArchive) {
    MenuFacts none;
    EXPECT_FALSE(fileMenuEnabling(none).print);
    EXPECT_FALSE(fileMenuEnabling(none).replaceMain);
    EXPECT_TRUE(fileMenuEnabling(loaded(kMainDataKind)).print);
    EXPECT_FALSE(fileMenuEnabling(loaded(kMainDataKind)).replaceMain);
    EXPECT_TRUE(fileMenuEnabling(loaded(kArchiveKind)).replaceMain);
}

TEST(MenuRules, editMenu_copyNeedsAChildAndSortTheActiveTeamWindow) {
    MenuFacts facts = loaded(kMainDataKind, {kDivisionRankWindow});
    EXPECT_TRUE(editMenuEnabling(facts).copy);
    EXPECT_FALSE(editMenuEnabling(facts).sort);
    facts.activeChildIsTeamRank = true;
    EXPECT_TRUE(editMenuEnabling(facts).sort);
    EXPECT_FALSE(editMenuEnabling(MenuFacts{}).copy);
}

TEST(MenuRules, viewMenu_scheduleOnlyWhileItsWindowIsClosed) {
    EXPECT_TRUE(viewScheduleEnabled(MenuFacts{}));
    EXPECT_FALSE(viewScheduleEnabled(loaded(kMainDataKind, {kScheduleWindow})));
}

TEST(MenuRules, windowMenu_withoutData_offersNothingButArrangingTheSchedule) {
    MenuFacts facts;
    facts.windowOpen[kScheduleWindow] = true;
    facts.childCount = 1;
    const auto menu = windowMenuEnabling(facts);
    for (int code = kTeamRankWindow; code <= kLastWindowCode; ++code)
        EXPECT_FALSE(menu.openItem[code]) << code;
    EXPECT_FALSE(menu.restoreLayouts);
    EXPECT_EQ(menu.saveLayout, false);
    EXPECT_TRUE(menu.arrange);
    EXPECT_FALSE(menu.navigate);
}

TEST(MenuRules, windowMenu_currentData_offersClosedRankingsAndSpreadsOnlyWithForecasts) {
    MenuFacts facts = loaded(kMainDataKind, {kTeamRankWindow, kScheduleWindow});
    auto menu = windowMenuEnabling(facts);
    EXPECT_FALSE(menu.openItem[kTeamRankWindow]);
    EXPECT_TRUE(menu.openItem[kDivisionRankWindow]);
    EXPECT_TRUE(menu.openItem[kCategoryRankWindow]);
    EXPECT_FALSE(menu.openItem[kSpreadsWindow]); // spread 1 is the empty mark
    EXPECT_FALSE(menu.openItem[kArchiveScoresWindow]);
    EXPECT_FALSE(menu.openItem[kArchiveSpreadsWindow]);
    EXPECT_TRUE(menu.restoreLayouts);
    EXPECT_EQ(menu.saveLayout, true);
    EXPECT_TRUE(menu.navigate);

    facts.hasForecasts = true;
    EXPECT_TRUE(windowMenuEnabling(facts).openItem[kSpreadsWindow]);
    facts.windowOpen[kSpreadsWindow] = true;
    EXPECT_FALSE(windowMenuEnabling(facts).openItem[kSpreadsWindow]);
}

TEST(MenuRules, windowMenu_archiveData_offersArchiveWindowsButNeverSpreads) {
    MenuFacts facts = loaded(kArchiveKind, {kArchiveScoresWindow});
    facts.hasForecasts = true;
    const auto menu = windowMenuEnabling(facts);
    EXPECT_TRUE(menu.openItem[kArchiveSpreadsWindow]);
    EXPECT_FALSE(menu.openItem[kArchiveScoresWindow]);
    EXPECT_FALSE(menu.openItem[kSpreadsWindow]);
}

TEST(MenuRules, windowMenu_dataButNoWindows_leavesSaveLayoutAsItWas) {
    const auto menu = windowMenuEnabling(loaded(kMainDataKind));
    EXPECT_FALSE(menu.saveLayout.has_value());
    EXPECT_FALSE(menu.arrange);
}

TEST(MenuRules, windowMenu_arrangesAndStepsThroughChildrenWithoutAWindowCode) {
    MenuFacts facts = loaded(kMainDataKind);
    facts.childCount = 1;
    EXPECT_TRUE(windowMenuEnabling(facts).arrange);
    EXPECT_FALSE(windowMenuEnabling(facts).navigate);
    facts.childCount = 2;
    EXPECT_TRUE(windowMenuEnabling(facts).navigate);
}

TEST(MenuRules, factsOfState_readForecastsAndDataKind) {
    AppState state;
    EXPECT_FALSE(menuFactsOf(state, 0, false).hasRankings);
    state.rankings = std::make_unique<tRankings>();
    state.rankings->dataKind = kArchiveKind;
    state.program.spreads = {0.0, 3.5};
    const MenuFacts facts = menuFactsOf(state, 2, true);
    EXPECT_EQ(facts.dataKind, kArchiveKind);
    EXPECT_TRUE(facts.hasForecasts);
    state.program.spreads = {0.0};
    EXPECT_FALSE(menuFactsOf(state, 2, true).hasForecasts);
}

TEST(SplashTimer, closesFromTheSecondTickOnceTheWindowIsVisible) {
    SplashTimer timer;
    EXPECT_EQ(timer.tick(true, false), SplashTimer::Action::None); // not started
    timer.start();
    EXPECT_EQ(timer.tick(true, false), SplashTimer::Action::None);
    EXPECT_EQ(timer.tick(false, false), SplashTimer::Action::None);
    EXPECT_EQ(timer.tick(true, false), SplashTimer::Action::CloseAndEnable);
    EXPECT_FALSE(timer.pending());
    EXPECT_EQ(timer.tick(true, false), SplashTimer::Action::None);
}

TEST(SplashTimer, failedStartup_closesWithoutEnablingEvenWhileHidden) {
    SplashTimer timer;
    timer.start();
    EXPECT_EQ(timer.tick(false, true), SplashTimer::Action::None);
    EXPECT_EQ(timer.tick(false, true), SplashTimer::Action::Close);
}

} // namespace
} // namespace grd
