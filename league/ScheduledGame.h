#pragma once

#include <cstdint>

namespace grd {

// Flag bits of a scheduled game.
inline constexpr int32_t kKickoffToBeAnnounced = 0x1000000;
// Section flags in the order of roundHeadings 1..5; the first set one counts.
inline constexpr int32_t kSectionFlags[5] = {0x200000, 0x400000, 0x800000, 0x40000, 0x80000};

// One game of the schedule. Codes are name codes; a team's code less 2 is its team
// number in the current alignment.
struct ScheduledGame {
    int32_t visitorCode = 0;
    int32_t homeCode = 0;
    int32_t flags = 0;
    double kickoff = 0.0; // days since 30 Dec 1899, the fraction is the time of day

    bool kickoffToBeAnnounced() const { return (flags & kKickoffToBeAnnounced) != 0; }
    // 1..5: the round heading this game opens a section with; 0 for none.
    int sectionHeading() const;

    bool operator==(const ScheduledGame&) const = default;
};

} // namespace grd
