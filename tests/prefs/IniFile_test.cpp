#include "prefs/IniFile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <functional>

namespace grd {
namespace {

using test::TempDir;

TEST(IniFile, namesMatchIgnoringCaseAndValuesAreTrimmed) {
    IniFile ini = IniFile::parse("; comment\r\n[general]\r\n  flyby = 0 \r\nTitle=\"  Me \"\r\n");
    EXPECT_EQ(ini.integer("General", "FlyBy", 1), 0);
    EXPECT_FALSE(ini.boolean("GENERAL", "Flyby", true));
    EXPECT_EQ(ini.text("General", "title", ""), "  Me ");
    EXPECT_EQ(ini.text("General", "Missing", "x"), "x");
    EXPECT_EQ(ini.text("Other", "FlyBy", "x"), "x");
}

TEST(IniFile, badNumbersGiveTheFallback) {
    IniFile ini = IniFile::parse("[A]\nN=12x\nM=99999999999999999999999\nB=2\n");
    EXPECT_EQ(ini.integer("A", "N", 7), 7);
    EXPECT_EQ(ini.integer("A", "M", 7), 7);
    EXPECT_TRUE(ini.boolean("A", "B", false));
}

TEST(IniFile, editsLeaveOtherLinesByteForByte) {
    const std::string text = "[Layout]\r\nTop=10\r\n  ; keep me\r\n\r\n[View]\r\nfontsize=9\r\n"
                             "\r\n[Tail]\r\nX=1";
    IniFile ini = IniFile::parse(text);
    ini.setInteger("VIEW", "FontSize", 12);
    ini.setBoolean("View", "TileVert", true);
    ini.setValue("New", "Key", "v");
    EXPECT_EQ(ini.serialize(), "[Layout]\r\nTop=10\r\n  ; keep me\r\n\r\n[View]\r\nFontSize=12\r\n"
                               "TileVert=1\r\n\r\n[Tail]\r\nX=1\r\n\r\n[New]\r\nKey=v\r\n");
}

TEST(IniFile, writtenValuesReadBackUnchanged) {
    IniFile ini;
    ini.setValue("Print", "TeamTitle", "a\nb\r\n[General]");
    EXPECT_EQ(ini.keys("Print").size(), 1u);
    EXPECT_FALSE(ini.hasSection("General"));
    for (std::string text : {" Pool ", "\"quoted\"", "", "x=y"}) {
        ini.setValue("Print", "DivTitle", text);
        EXPECT_EQ(IniFile::parse(ini.serialize()).text("Print", "DivTitle", "?"), text);
    }
}

TEST(IniFile, removeSectionTakesOnlyItsLines) {
    IniFile ini = IniFile::parse("[A]\nx=1\n[B]\ny=2\n[C]\nz=3\n");
    ini.removeSection("b");
    EXPECT_EQ(ini.serialize(), "[A]\nx=1\n[C]\nz=3\n");
    EXPECT_EQ(ini.keys("C"), std::vector<std::string>{"z"});
}

// Edits keep the lookups in step with the lines: after each one, every name reads as it
// does from a fresh read of the text, repeated sections and keys before any header included.
TEST(IniFile, editsFindWhatAFreshReadFinds) {
    IniFile ini = IniFile::parse("x=0\n[A]\nk=1\nK=2\n\n[B]\nk=3\n[a]\nk=4\nm=5\n[C]\n; c\n");
    const std::vector<std::function<void()>> edits = {
        [&] { ini.setValue("a", "M", "6"); },    // only in the repeated section: added to the first
        [&] { ini.setValue("A", "n", "7"); },    // added, moving the sections below it
        [&] { ini.setValue("b", "k", " 8 "); },  // replaced in place
        [&] { ini.setValue("B", "n", "12"); },   // added right before the next header
        [&] { ini.setValue("D", "k", "9"); },    // a new section at the end
        [&] { ini.removeSection("A"); },         // the repeated section becomes the first
        [&] { ini.setValue("c", "new", "10"); }, // added after the comment
        [&] { ini.setValue("A", "m", "11"); },
    };
    for (std::size_t step = 0; step < edits.size(); ++step) {
        edits[step]();
        IniFile fresh = IniFile::parse(ini.serialize());
        for (std::string_view section : {"A", "B", "C", "D", ""})
            for (std::string_view key : {"k", "m", "n", "new", "x"})
                EXPECT_EQ(ini.value(section, key), fresh.value(section, key))
                    << "step " << step << ": " << section << "/" << key;
        EXPECT_EQ(ini.keys("a"), fresh.keys("a")) << "step " << step;
    }
    EXPECT_EQ(ini.text("a", "m", ""), "11");
}

TEST(IniFile, loadAndSaveFiles) {
    TempDir dir;
    Result<IniFile> missing = IniFile::load(dir.path() / "none.cfg", -13);
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing.value().serialize(), "");

    std::filesystem::create_directory(dir.path() / "folder.cfg");
    Result<IniFile> unreadable = IniFile::load(dir.path() / "folder.cfg", -13);
    ASSERT_FALSE(unreadable);
    EXPECT_EQ(unreadable.failure().number, -13);

    dir.write("big.cfg", std::string(5 * 1024 * 1024, 'x'));
    EXPECT_FALSE(IniFile::load(dir.path() / "big.cfg", -13));

    IniFile ini = IniFile::parse("[A]\nx=1\n");
    ASSERT_TRUE(ini.save(dir.path() / "out.cfg", -12));
    EXPECT_EQ(dir.read("out.cfg"), "[A]\nx=1\n");
    Status failed = ini.save(dir.path() / "folder.cfg", -12);
    ASSERT_FALSE(failed);
    EXPECT_EQ(failed.failure().number, -12);
}

} // namespace
} // namespace grd
