#include "prefs/Preferences.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace grd {
namespace {

using test::TempDir;

constexpr int kTeam = 0, kDiv = 1, kCat = 2, kSpreadsGrid = 4, kArchiveScores = 7;

Preferences load(const TempDir& dir, std::string_view cfg, bool inches = false) {
    auto path = dir.write("GRDOdds.cfg", cfg);
    LoadedPreferences loaded = LoadPreferences(path, inches);
    EXPECT_FALSE(loaded.failure);
    return loaded.prefs;
}

TEST(Preferences, missingFileGivesTableDefaults) {
    TempDir dir;
    LoadedPreferences loaded = LoadPreferences(dir.path() / "GRDOdds.cfg", false);
    ASSERT_FALSE(loaded.failure);
    const Preferences& p = loaded.prefs;
    EXPECT_EQ(p.general, GeneralPrefs{});
    EXPECT_FALSE(p.view.tileVert);
    EXPECT_EQ(p.view.font, FontPrefs{});
    EXPECT_FALSE(p.view.reportSpreadsPlain);
    const ReportPrintPrefs& team = p.view.reports[kTeam];
    EXPECT_EQ(team.font.size, 14);
    EXPECT_EQ(team.leftMargin, 19.05);
    EXPECT_EQ(team.rightMargin, 12.7);
    EXPECT_TRUE(team.verticalLines);
    EXPECT_FALSE(team.highlightRows);
    EXPECT_TRUE(p.view.reports[kCat].landscape);
    EXPECT_FALSE(p.view.reports[kSpreadsGrid].verticalLines);
    EXPECT_EQ(p.view.reports[kSpreadsGrid].initials, "YOU");
    EXPECT_EQ(p.view.schedules[2].font.size, 7);
    EXPECT_EQ(p.view.schedules[2].leftMargin, 8.89);
}

TEST(Preferences, keysMatchIgnoringCase) {
    TempDir dir;
    Preferences p = load(dir, "[general]\nflyby=0\n[VIEW]\ncitynames=0\n");
    EXPECT_FALSE(p.general.flyby);
    EXPECT_TRUE(p.general.toolbar);
    EXPECT_FALSE(p.view.cityNames);
    EXPECT_EQ(p.view.nameList(), 2);
}

TEST(Preferences, badValuesFallBack) {
    TempDir dir;
    Preferences p = load(dir, "[Print]\nDivTMargin=abc\nDivBMargin=-1\nDivLMargin=\n"
                              "Sched2ColBMargin=nan\nCatOrientation=0\nTeamOrientation=2\n"
                              "TeamFont=\nTeamFontSize=0\nDivFontSize=100000\n"
                              "TeamTitle=Abcdefghijklmnopqrst\nSpreadsGridInitials=ÄÖÜX\n"
                              "[View]\nFontName=\nFontColor=99999999999\n");
    const ReportPrintPrefs& div = p.view.reports[kDiv];
    EXPECT_EQ(div.topMargin, 12.7);
    EXPECT_EQ(div.bottomMargin, 12.7); // the fallback, not the default 6.35
    EXPECT_EQ(div.leftMargin, 25.4);
    EXPECT_EQ(p.view.schedules[1].bottomMargin, 20.32);
    EXPECT_FALSE(p.view.reports[kCat].landscape);
    EXPECT_TRUE(p.view.reports[kTeam].landscape);
    EXPECT_EQ(p.view.reports[kTeam].font.name, "Arial");
    EXPECT_EQ(p.view.reports[kTeam].font.size, 14);
    EXPECT_EQ(div.font.size, 12);
    EXPECT_EQ(p.view.reports[kTeam].title, "Abcdefghijklmno");
    EXPECT_EQ(p.view.reports[kSpreadsGrid].initials, "ÄÖÜ");
    EXPECT_EQ(p.view.font.name, "Arial");
    EXPECT_EQ(p.view.font.colour, 0);
}

TEST(Preferences, overlongStringsFallBackToTheirDefaults) {
    TempDir dir;
    const std::string font65(65, 'F'), text256(256, 'T');
    Preferences p = load(dir, "[Print]\nTeamFont=" + font65 + "\nDivFont=" + std::string(64, 'F') +
                                  "\nTeamTitle=" + text256 + "\nSpreadsGridInitials=" + text256 +
                                  "\nDivTMargin=" + std::string(300, '1') +
                                  "\n[View]\nFontName=" + std::string(1'000'000, 'x') + "\n");
    EXPECT_EQ(p.view.reports[kTeam].font.name, "Arial");
    EXPECT_EQ(p.view.reports[kDiv].font.name, std::string(64, 'F'));
    EXPECT_EQ(p.view.reports[kTeam].title, "Your Name");
    EXPECT_EQ(p.view.reports[kSpreadsGrid].initials, "YOU");
    EXPECT_EQ(p.view.reports[kDiv].topMargin, 12.7);
    EXPECT_EQ(p.view.font.name, "Arial");
}

TEST(Preferences, usMarginsHeldInInchesAndWrittenInMillimetres) {
    TempDir dir;
    Preferences p = load(dir, "[Print]\nArchiveScoresTMargin=25.4\n", true);
    const ReportPrintPrefs& scores = p.view.reports[kArchiveScores];
    EXPECT_TRUE(scores.inches);
    EXPECT_DOUBLE_EQ(scores.topMargin, 1.0);
    EXPECT_DOUBLE_EQ(p.view.schedules[0].topMargin, 0.75);
    ASSERT_TRUE(SavePreferences(dir.path() / "GRDOdds.cfg", p));
    std::string text = dir.read("GRDOdds.cfg");
    EXPECT_NE(text.find("ArchiveScoresTMargin=25.4\n"), std::string::npos);
    EXPECT_NE(text.find("Sched1ColTMargin=19.05\n"), std::string::npos);
    EXPECT_NE(text.find("Sched3ColLMargin=8.89\n"), std::string::npos);
}

TEST(Preferences, saveThenLoad_roundTrip) {
    TempDir dir;
    Preferences p = load(dir, "");
    p.general.welcome = false;
    p.view.tileVert = true;
    p.view.font = {"DejaVu Sans", 11, 255, kFontBold | kFontItalic};
    p.view.reportArchiveSpreadsPlain = true;
    p.view.reports[kDiv].title = "Pool";
    p.view.reports[kDiv].bottomMargin = 7.5;
    p.view.schedules[1].landscape = true;
    ASSERT_TRUE(SavePreferences(dir.path() / "GRDOdds.cfg", p));
    EXPECT_EQ(load(dir, dir.read("GRDOdds.cfg")), p);
    EXPECT_NE(dir.read("GRDOdds.cfg").find("FlyBy=1"), std::string::npos);
}

TEST(Preferences, saveKeepsSectionsItDoesNotOwn) {
    TempDir dir;
    const std::string layout = "[Team]\r\nState=2\r\nColOrder=3,1,2\r\n\r\n";
    auto path = dir.write("GRDOdds.cfg", layout + "[General]\r\nflyby=0\r\n");
    LoadedPreferences loaded = LoadPreferences(path, false);
    ASSERT_TRUE(SavePreferences(path, loaded.prefs));
    std::string saved = dir.read("GRDOdds.cfg");
    EXPECT_EQ(saved.substr(0, layout.size()), layout);
    EXPECT_NE(saved.find("[General]\r\nFlyBy=0\r\n"), std::string::npos);
}

TEST(Preferences, unreadableFileGivesFallbacksAndMinus13) {
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "GRDOdds.cfg");
    LoadedPreferences loaded = LoadPreferences(dir.path() / "GRDOdds.cfg", false);
    ASSERT_TRUE(loaded.failure);
    EXPECT_EQ(loaded.failure->number, -13);
    const tPrefsRec& v = loaded.prefs.view;
    EXPECT_TRUE(loaded.prefs.general.flyby);
    EXPECT_FALSE(loaded.prefs.general.welcome);
    EXPECT_FALSE(v.teamToolbar);
    EXPECT_FALSE(v.vertLines);
    EXPECT_FALSE(v.horzLines);
    EXPECT_TRUE(v.rowHighlight);
    EXPECT_EQ(v.reports[kTeam].font.size, 10);
    EXPECT_EQ(v.reports[kCat].leftMargin, 19.05);
    EXPECT_FALSE(v.reports[kCat].landscape);
    EXPECT_EQ(v.schedules[2].topMargin, 6.35);
    EXPECT_EQ(v.schedules[1].font.size, 9);
}

TEST(Preferences, saveIntoMissingFolderIsMinus12) {
    TempDir dir;
    Status saved = SavePreferences(dir.path() / "gone" / "GRDOdds.cfg", Preferences{});
    ASSERT_FALSE(saved);
    EXPECT_EQ(saved.failure().number, -12);
}

} // namespace
} // namespace grd
