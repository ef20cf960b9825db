#include "prefs/RecordsAddress.h"
#include "records/PublicRecords.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace grd {
namespace {

TEST(RecordsAddress, theEnvironmentThenTheConfigurationThenThePublicAddress) {
    ::unsetenv(kRecordsAddressVariable);
    IniFile config = IniFile::parse("[General]\nFlyby=1\n");
    EXPECT_EQ(recordsAddress(config), kPublicRecordsAddress);
    keepRecordsAddress(config, kPublicRecordsAddress);
    EXPECT_EQ(config.serialize(), "[General]\nFlyby=1\n") << "the default adds no key";

    keepRecordsAddress(config, "https://mirror.example/games.csv");
    EXPECT_EQ(recordsAddress(config), "https://mirror.example/games.csv");
    EXPECT_EQ(config.value("General", "Flyby"), "1");

    ::setenv(kRecordsAddressVariable, "http://127.0.0.1:8000/games.csv", 1);
    EXPECT_EQ(recordsAddress(config), "http://127.0.0.1:8000/games.csv");
    ::unsetenv(kRecordsAddressVariable);

    keepRecordsAddress(config, std::string(3000, 'x'));
    EXPECT_EQ(recordsAddress(config), kPublicRecordsAddress) << "damage is passed over";
}

} // namespace
} // namespace grd
