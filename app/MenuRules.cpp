#include "app/MenuRules.h"

#include <algorithm>

namespace grd {

int MenuFacts::openWindowCount() const {
    int n = 0;
    for (int code = kFirstWindowCode; code <= kLastWindowCode; ++code)
        n += windowOpen[code] ? 1 : 0;
    return n;
}

MenuFacts menuFactsOf(const AppState& state, int childCount, bool activeChildIsTeamRank) {
    MenuFacts facts;
    facts.hasRankings = state.rankings != nullptr;
    facts.dataKind = state.rankings ? state.rankings->dataKind : kNoDataKind;
    facts.hasForecasts = state.program.spreads.size() > 1 && state.program.spreads[1] != kNoSpread;
    facts.windowOpen = state.windowOpen;
    facts.childCount = childCount;
    facts.activeChildIsTeamRank = activeChildIsTeamRank;
    return facts;
}

FileMenuEnabling fileMenuEnabling(const MenuFacts& facts) {
    return {facts.hasRankings, facts.hasRankings && facts.dataKind == kArchiveKind};
}

EditMenuEnabling editMenuEnabling(const MenuFacts& facts) {
    return {facts.childCount > 0, facts.activeChildIsTeamRank};
}

bool viewScheduleEnabled(const MenuFacts& facts) {
    return !facts.windowOpen[kScheduleWindow];
}

WindowMenuEnabling windowMenuEnabling(const MenuFacts& facts) {
    WindowMenuEnabling menu;
    const auto& open = facts.windowOpen;
    if (facts.hasRankings) {
        const bool archive = facts.dataKind == kArchiveKind;
        for (WindowCode code : {kTeamRankWindow, kDivisionRankWindow, kCategoryRankWindow})
            menu.openItem[code] = !open[code];
        for (WindowCode code : {kArchiveSpreadsWindow, kArchiveScoresWindow})
            menu.openItem[code] = archive && !open[code];
        menu.openItem[kSpreadsWindow] =
            !open[kSpreadsWindow] && facts.dataKind == kMainDataKind && facts.hasForecasts;
        menu.restoreLayouts = true;
        for (int code = kTeamRankWindow; code <= kLastWindowCode; ++code)
            if (open[code])
                menu.saveLayout = true;
    } else {
        menu.saveLayout = false;
    }
    // The accuracy and chart windows have no window code: count the frame's children too.
    const int n = std::max(facts.openWindowCount(), facts.childCount);
    menu.arrange = n > 0;
    menu.navigate = n > 1;
    return menu;
}

} // namespace grd
