#include "prefs/IniFile.h"
#include "views/UserLayout.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace grd {
namespace {

using test::TempDir;

UserLayout sampleLayout() {
    UserLayout layout;
    layout.font = {"DejaVu Sans", 12, 0x0000FF, kFontBold | kFontItalic};
    layout.zOrder.entries = {3, kCategoryRankWindow, kTeamRankWindow, kScheduleWindow};
    layout.namesLength = 9;
    LayoutRecord& team = layout.records[kTeamRankWindow];
    team = {5, 6, 640, 480, WindowState::Maximized, {}, {}, {}};
    for (int i = 0; i < 13; ++i) {
        team.colHeaders[static_cast<size_t>(i)] = (i + 1) % 13;
        team.colOrder[static_cast<size_t>((i + 1) % 13)] = i;
        team.colWidths[static_cast<size_t>(i)] = 40 + i;
    }
    layout.records[kScheduleWindow].state = WindowState::Minimized;
    return layout;
}

TEST(UserLayout, listTextsCarryTheirMarkersAndOneValuePerColumn) {
    const UserLayout layout = sampleLayout();
    IniFile file;
    writeLayout(file, layout);
    EXPECT_EQ(file.value("General", "ZOrder"), "Z 3 4 2 1 0");
    EXPECT_EQ(file.value("Team", "ColHeaders"), "H 1 2 3 4 5 6 7 8 9 10 11 12 0");
    EXPECT_EQ(file.value("Team", "ColWidths"), "W 40 41 42 43 44 45 46 47 48 49 50 51 52");
    EXPECT_EQ(file.value("Schedule", "ColOrder"), "O 0 0 0 0 0 0");
    EXPECT_EQ(file.value("ArchiveScores", "ColWidths"), "W 0 0 0 0");
    EXPECT_EQ(file.value("Category", "ColOrder"), "O 0 0 0 0 0 0 0 0 0");
    EXPECT_EQ(file.value("Category", "NamesLength"), "9");
    EXPECT_EQ(file.value("Team", "State"), "2");
    EXPECT_EQ(file.value("Schedule", "State"), "1");
    EXPECT_EQ(file.value("Font", "Name"), "DejaVu Sans");
    EXPECT_EQ(file.value("Font", "Color"), "255");
    EXPECT_EQ(file.value("Font", "Style"), "3");
    EXPECT_EQ(readLayout(file).layout, layout);
    EXPECT_FALSE(readLayout(file).failure);
}

TEST(UserLayout, noWindowOpenSavesTwoZerosAndMissingKeysGiveTheDefaults) {
    UserLayout none;
    none.zOrder = {};
    IniFile file;
    writeLayout(file, none);
    EXPECT_EQ(file.value("General", "ZOrder"), "Z 0 0");
    EXPECT_EQ(readLayout(file).layout.zOrder.count(), 0);

    const LoadedLayout empty = readLayout(IniFile{});
    EXPECT_FALSE(empty.failure);
    EXPECT_EQ(empty.layout.font, FontPrefs{});
    EXPECT_EQ(empty.layout.namesLength, 13);
    EXPECT_EQ(empty.layout.zOrder.count(), 0);
    const LayoutRecord& spreads = empty.layout.records[kSpreadsWindow];
    EXPECT_EQ(spreads.top, 50);
    EXPECT_EQ(spreads.left, 50);
    EXPECT_EQ(spreads.width, 200);
    EXPECT_EQ(spreads.height, 200);
    EXPECT_EQ(spreads.colWidths, LayoutList{});
}

TEST(UserLayout, listParsingReadsAtMostThirteenValuesAndRejectsGaps) {
    LayoutList values;
    ASSERT_TRUE(parseLayoutList("W 1 2 3", values));
    EXPECT_EQ(values, (LayoutList{1, 2, 3}));
    ASSERT_TRUE(parseLayoutList("H 0 1 2 3 4 5 6 7 8 9 10 11 12 13 14", values));
    EXPECT_EQ(values[12], 12);
    EXPECT_EQ(values[13], 0);
    ASSERT_TRUE(parseLayoutList("Z", values));
    EXPECT_EQ(values, LayoutList{});
    ASSERT_TRUE(parseLayoutList("W -4 7", values));
    EXPECT_EQ(values[0], -4);

    for (const char* bad : {"W 1  2", "W 1 x 3", "W 1 2.5", "W 99999999999"}) {
        const Status parsed = parseLayoutList(bad, values);
        ASSERT_FALSE(parsed) << bad;
        EXPECT_EQ(parsed.failure().number, -15) << bad;
    }
    ASSERT_FALSE(parseLayoutList("W 7 8  9", values));
    EXPECT_EQ(values, (LayoutList{7, 8})); // what came before the gap is kept
}

TEST(UserLayout, damagedSectionFailsOnceAndTheRestIsStillRead) {
    IniFile file = IniFile::parse("[General]\nFlyBy=0\nZOrder=Z 2 2 3 0\n"
                                  "[Team]\nTop=33\nColWidths=W 50  60\nColHeaders=H 1 x\n"
                                  "[Division]\nLeft=77\nColWidths=W 9 8\n");
    const LoadedLayout loaded = readLayout(file);
    ASSERT_TRUE(loaded.failure);
    EXPECT_EQ(loaded.failure->number, -15);
    EXPECT_NE(loaded.failure->detail.find("[Team] ColWidths"), std::string::npos);
    EXPECT_EQ(loaded.layout.zOrder.count(), 2);
    EXPECT_EQ(loaded.layout.records[kTeamRankWindow].top, 33);
    EXPECT_EQ(loaded.layout.records[kTeamRankWindow].colWidths[0], 50);
    EXPECT_EQ(loaded.layout.records[kDivisionRankWindow].left, 77);
    EXPECT_EQ(loaded.layout.records[kDivisionRankWindow].colWidths[1], 8);
}

TEST(UserLayout, overlongFontNameAndDamagedListAreReportedShort) {
    IniFile file =
        IniFile::parse("[Font]\nName=" + std::string(65, 'N') + "\n[Team]\nColWidths=W " +
                       std::string(100'000, 'x') + std::string(1, '\0') + "\n");
    const LoadedLayout loaded = readLayout(file);
    EXPECT_EQ(loaded.layout.font.name, "Arial");
    ASSERT_TRUE(loaded.failure);
    EXPECT_EQ(loaded.failure->number, -15);
    EXPECT_NE(loaded.failure->detail.find("[Font] Name"), std::string::npos);
    const LoadedLayout list = readLayout(IniFile::parse(
        "[Team]\nColWidths=W 1" + std::string(100'000, ' ') + std::string(1, '\0') + "x\n"));
    ASSERT_TRUE(list.failure);
    EXPECT_LT(list.failure->detail.size(), 200u);
}

TEST(UserLayout, savingKeepsThePreferencesAndAFailedSaveKeepsTheFile) {
    TempDir dir;
    const auto cfg = dir.write("GRDOdds.cfg", "[General]\r\nFlyBy=0\r\n[View]\r\nFontSize=14\r\n");
    ASSERT_TRUE(SaveLayout(cfg, sampleLayout()));
    const std::string saved = dir.read("GRDOdds.cfg");
    EXPECT_EQ(
        saved.rfind("[General]\r\nFlyBy=0\r\nZOrder=Z 3 4 2 1 0\r\n[View]\r\nFontSize=14\r\n", 0),
        0u);
    const LoadedLayout loaded = LoadLayout(cfg);
    EXPECT_FALSE(loaded.failure);
    EXPECT_EQ(loaded.layout, sampleLayout());

    // A directory where the file should go cannot be replaced.
    const auto blocked = dir.path() / "blocked";
    std::filesystem::create_directories(blocked / "GRDOdds.cfg" / "x");
    const Status failed = SaveLayout(blocked / "GRDOdds.cfg", sampleLayout());
    ASSERT_FALSE(failed);
    EXPECT_EQ(failed.failure().number, -14);
    EXPECT_EQ(LoadLayout(blocked / "GRDOdds.cfg").failure->number, -15);
}

TEST(UserLayout, windowsOutOfReachArePulledInsideTheMainWindow) {
    EXPECT_EQ(keepInside({10, 20, 300, 200}, 1000, 700), (WindowRect{10, 20, 300, 200}));
    // Partly outside but the caption can be reached: as the user left it.
    EXPECT_EQ(keepInside({600, 500, 640, 662}, 1000, 700), (WindowRect{600, 500, 640, 662}));
    EXPECT_EQ(keepInside({-200, 0, 300, 200}, 1000, 700), (WindowRect{-200, 0, 300, 200}));
    EXPECT_EQ(keepInside({1500, 900, 300, 200}, 1000, 700), (WindowRect{700, 500, 300, 200}));
    EXPECT_EQ(keepInside({-50, -10, 300, 200}, 1000, 700), (WindowRect{0, 0, 300, 200}));
    EXPECT_EQ(keepInside({-290, 10, 300, 200}, 1000, 700), (WindowRect{0, 10, 300, 200}));
    EXPECT_EQ(keepInside({2000, 100, 1600, 1200}, 1000, 700), (WindowRect{0, 0, 1000, 700}));
    EXPECT_EQ(keepInside({100, 100, 0, -5}, 1000, 700), (WindowRect{100, 100, 80, 80}));
}

} // namespace
} // namespace grd
