#include "views/DisplayKind.h"

#include <cstring>

namespace grd {
namespace {

constexpr const char* N = kNameSample;

const std::array<const char*, kMaxColumns> kRankSamples = {
    " Rank ", N,        "_888.8_", "_888_", "_888_", "_Pts+_", "_Pts-_",
    "_Avg+_", "_Avg-_", "_0.888_", "_88_",  "_88_",  "_88_"};

const std::array<DisplayKind, 7> kKinds = {{
    {kScheduleWindow,
     " Schedule ",
     5,
     {N, " ww ", N, " MMM ", " MMM 88 ", " 88:88 MM "},
     {" Team 1", "", " Team 2", " Day", " Date", " Time"},
     51,
     101,
     "Schedule...",
     90,
     1400,
     false,
     true},
    {kTeamRankWindow,
     " Team Rankings ",
     12,
     kRankSamples,
     {" Rank", " Team", " Total", " Off", " Def", " Pts+", " Pts-", " Avg+", " Avg-", "  %", " W",
      " L", " T"},
     21,
     41,
     "Team Rankings...",
     40,
     120,
     true,
     true},
    {kDivisionRankWindow,
     " Division Rankings ",
     12,
     kRankSamples,
     {" Rank", " Team", " Total", " Off", " Def", " Pts+", " Pts-", " Avg+", " Avg-", "  *%", " W",
      " L", " T"},
     11,
     21,
     "Division Rankings...",
     50,
     140,
     true,
     false},
    {kCategoryRankWindow,
     " Category Rankings ",
     8,
     {" Rank ", " 888.8   ", " 888   ", " 888   ", " 888   ", " 888   ", " 88.8   ", " 88.8   ",
      " 0.888   "},
     {" Rank", " Total", " Off", " Def", " Pts+", " Pts-", " Avg+", " Avg-", "  %"},
     1,
     1,
     "Category Rankings...",
     60,
     130,
     true,
     true},
    {kSpreadsWindow,
     " Spreads ",
     4,
     {N, "_over_", N, "_by_", "_Spread_"},
     {" Team 1", "", " Team 2", "", " Spread"},
     31,
     61,
     "Spreads Plain...",
     70,
     110,
     false,
     false},
    {kArchiveSpreadsWindow,
     " Spreads for ",
     4,
     {N, "_over_", N, "_by_", "_Spread_"},
     {" Team 1", "", " Team 2", "", " Spread"},
     41,
     81,
     "Spreads Plain...",
     80,
     150,
     false,
     false},
    {kArchiveScoresWindow,
     " Scores for ",
     3,
     {N, "_88_", N, "_88_"},
     {" Team 1 ", "", " Team 2 ", ""},
     31,
     61,
     "Scores...",
     80,
     150,
     false,
     false},
}};

} // namespace

bool DisplayKind::isNameColumn(int logical) const {
    if (logical < 0 || logical > lastColumn) {
        return false;
    }
    const char* sample = samples[static_cast<size_t>(logical)];
    return sample != nullptr && std::strcmp(sample, kNameSample) == 0;
}

std::vector<std::string> DisplayKind::titleList() const {
    return {titles.begin(), titles.begin() + columnCount()};
}

bool isWindowCode(int code) {
    return code >= kFirstWindowCode && code <= kLastWindowCode;
}

int reportKindOfWindow(int code, bool spreadsGrid) {
    switch (code) {
    case kTeamRankWindow:
        return 1;
    case kDivisionRankWindow:
        return 2;
    case kCategoryRankWindow:
        return 3;
    case kSpreadsWindow:
        return spreadsGrid ? 5 : 4;
    case kArchiveSpreadsWindow:
        return spreadsGrid ? 7 : 6;
    case kArchiveScoresWindow:
        return 8;
    default:
        return 0;
    }
}

const DisplayKind& displayKind(int code) {
    return kKinds[static_cast<size_t>(isWindowCode(code) ? code - 1 : 0)];
}

} // namespace grd
