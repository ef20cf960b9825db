#include "state/CompanionLibrary.h"

#include "TestConfig.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <filesystem>

namespace grd {
namespace {

const Failure kMissing{-31,
                       " \"libGRDOdds.so\"  -- GRD Oddsmith cannot function without this file. "};

TEST(CompanionLibrary, missingFile_isMinus31AndBindsNothing) {
    CompanionLibrary library;
    auto loaded = library.load("/nonexistent/libGRDOdds.so");
    ASSERT_FALSE(loaded);
    EXPECT_EQ(loaded.failure(), kMissing);
    EXPECT_FALSE(library.loaded());
    EXPECT_EQ(library.SetWGC, nullptr);
}

TEST(CompanionLibrary, libraryWithoutTheProcedures_isRefusedWhole) {
    CompanionLibrary library;
    auto loaded = library.load("libm.so.6");
    ASSERT_FALSE(loaded);
    EXPECT_EQ(loaded.failure(), kMissing);
    EXPECT_FALSE(library.loaded());
}

TEST(CompanionLibrary, realLibrary_bindsAllNineAndAnswersGameRanges) {
    if (!std::filesystem::exists(ODDSMITH_COMPANION_LIBRARY))
        GTEST_SKIP() << "companion library not built";
    // Qt, which the library brings into this Qt-free test, leaves small allocations
    // behind when unmapped; a second handle keeps it mapped so the leak checker can
    // still reach them.
    static void* const pinned = dlopen(ODDSMITH_COMPANION_LIBRARY, RTLD_NOW);
    ASSERT_NE(pinned, nullptr);
    CompanionLibrary library;
    ASSERT_TRUE(library.load(ODDSMITH_COMPANION_LIBRARY));
    for (const void* procedure : {reinterpret_cast<const void*>(library.ShowSplashScreen),
                                  reinterpret_cast<const void*>(library.CloseSplashScreen),
                                  reinterpret_cast<const void*>(library.ShowAboutDlg),
                                  reinterpret_cast<const void*>(library.ShowGetWeekDlg),
                                  reinterpret_cast<const void*>(library.WeekMap),
                                  reinterpret_cast<const void*>(library.GetSGames),
                                  reinterpret_cast<const void*>(library.SetPlayOffNames)})
        EXPECT_NE(procedure, nullptr);
    const int counts[] = {3, 16, 16, 14};
    library.SetWGC(counts, 3);
    int first = -1, last = -1;
    library.GetFGames(3, &first, &last);
    EXPECT_EQ(first, 32);
    EXPECT_EQ(last, 46);
    library.unload();
    EXPECT_FALSE(library.loaded());
    EXPECT_EQ(library.GetFGames, nullptr);
}

} // namespace
} // namespace grd
