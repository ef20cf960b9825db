#include "prefs/HelpMap.h"

#include "TestConfig.h"
#include "league/Messages.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace grd {
namespace {

const std::filesystem::path kBundle =
    std::filesystem::path(ODDSMITH_SOURCE_DIR) / "help" / HelpMap::kBundleName;

TEST(HelpMap, parseSkipsLinesItCannotUse) {
    HelpMap map = HelpMap::parse("# comment\n- index.html Contents\n"
                                 "470 prefs.html#general\n"
                                 "810 overview.html The Overview\r\n"
                                 "x bad.html\n0 zero.html\n99999999999 big.html\n"
                                 "5 ../../etc/passwd Escape\n12\n");
    ASSERT_EQ(map.topics().size(), 3u);
    EXPECT_EQ(map.fileFor(470), "prefs.html#general");
    EXPECT_EQ(map.fileFor(810), "overview.html");
    EXPECT_EQ(map.fileFor(5), "index.html");
    EXPECT_EQ(map.fileFor(0), "index.html");
    ASSERT_EQ(map.contents().size(), 2u);
    EXPECT_EQ(map.contents()[1].title, "The Overview");
}

TEST(HelpMap, missingBundleIsMinus52WithItsPath) {
    test::TempDir dir;
    Result<HelpMap> map = HelpMap::load(dir.path() / "GRDOdds.help");
    ASSERT_FALSE(map);
    EXPECT_EQ(map.failure(), (Failure{-52, quotedPath((dir.path() / "GRDOdds.help").string())}));
}

TEST(HelpMap, mapWithoutTopicsIsMinus53) {
    test::TempDir dir;
    dir.write("contexts.map", "# nothing here\n- \n");
    Result<HelpMap> map = HelpMap::load(dir.path());
    ASSERT_FALSE(map);
    EXPECT_EQ(map.failure(), (Failure{-53, quotedPath(dir.path().string())}));
}

TEST(HelpBundle, everyMappedTopicExists) {
    Result<HelpMap> map = HelpMap::load(kBundle);
    ASSERT_TRUE(map);
    for (const HelpMap::Topic& topic : map.value().topics()) {
        std::string file = topic.file.substr(0, topic.file.find('#'));
        EXPECT_TRUE(std::filesystem::exists(kBundle / file)) << file;
    }
    for (int context : {740, 800, 810, 910, 460, 470, 510, 1970})
        EXPECT_NE(map.value().fileFor(context), "index.html") << context;
}

TEST(HelpBundle, dialogsAndRepairCommandsOpenRealTopics) {
    Result<HelpMap> map = HelpMap::load(kBundle);
    ASSERT_TRUE(map);
    const int contexts[] = {290, 310, 158, 330, 460, 470, 480, 490, 500, 510,
                            530, 540, 550, 570, 580, 590, 600, 610, 690, 700,
                            710, 720, 810, 840, 890, 910, 940, 360, 1400};
    for (int context : contexts) {
        const std::string topic = map.value().fileFor(context);
        ASSERT_NE(topic, "index.html") << context;
        const std::size_t hash = topic.find('#');
        const std::string page = test::readFile(kBundle / topic.substr(0, hash));
        EXPECT_GT(page.size(), 600u) << context; // a page of text, not a stub
        if (hash != std::string::npos) {
            const std::string anchor = "name=\"" + topic.substr(hash + 1) + "\"";
            EXPECT_NE(page.find(anchor), std::string::npos) << topic;
        }
    }
    // The topics the revert warning names are in the table of contents.
    std::vector<std::string> titles;
    for (const HelpMap::Topic& topic : map.value().contents())
        titles.push_back(topic.title);
    for (const char* title : {"File | Revert", "Mistakes", "Catching Up", "Interpreting Forecasts"})
        EXPECT_NE(std::find(titles.begin(), titles.end(), title), titles.end()) << title;
}

TEST(HelpBundle, errorTopicExplainsEveryMessage) {
    std::string errors = test::readFile(kBundle / "errors.html");
    for (int n = kLowestErrorNumber; n <= kHighestErrorNumber; ++n) {
        std::string message = errorMessage(n);
        if (message.empty())
            continue;
        std::string anchor = "name=\"e" + std::to_string(n) + "\"";
        EXPECT_NE(errors.find(anchor), std::string::npos) << n;
    }
}

} // namespace
} // namespace grd
