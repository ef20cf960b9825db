#pragma once

// Report texts of the six-team league of the display window tests.

#include "printing/ReportText.h"
#include "views/ViewsFixture.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace grd::test {

inline const std::string kPrintingFixtureDir = ODDSMITH_FIXTURE_DIR "printing/";

class ReportFixture : public ::testing::Test {
protected:
    // Reads a data file; name is relative to tests/fixtures/.
    void read(const std::string& name, int32_t kind) {
        if (!ReadRankings(ODDSMITH_FIXTURE_DIR + name, kind, rankings, state, league)) {
            throw std::runtime_error("fixture " + name + " unreadable");
        }
    }

    ReportText build(std::initializer_list<int> kinds) {
        ReportSelection selection;
        for (int kind : kinds) {
            selection.add(kind);
        }
        auto text = buildReportText(selection, {rankings, state, league, prefs});
        if (!text) {
            throw std::runtime_error(text.failure().detail);
        }
        return text.value();
    }

    // The lines of a single report.
    std::vector<std::string> lines(int kind) { return build({kind}).lines; }

    LeagueStructure league = viewsLeague();
    tRankings rankings;
    ProgramState state;
    tPrefsRec prefs;
};

} // namespace grd::test
