#include "outlook/LeagueShape.h"

#include "league/Messages.h"
#include "outlook/SeasonTable.h"

namespace grd {

namespace {

Failure unusual(const std::string& why) {
    return Failure{kOutlookError, why};
}

// "AFC" of "AFC East": a conference is named by the first word of its divisions.
std::string conferenceName(const std::string& divisionName) {
    return divisionName.substr(0, divisionName.find(' '));
}

} // namespace

Result<LeagueShape> leagueShapeOf(const LeagueStructure& league) {
    const auto* alignment = league.active();
    if (alignment == nullptr || alignment->conferences.empty()) {
        return unusual("no league alignment is loaded");
    }
    if (alignment->teamCount < 2 || alignment->teamCount > kMaxOutlookTeams) {
        return unusual(std::to_string(alignment->teamCount) +
                       " teams are more than the standings handle");
    }
    LeagueShape shape;
    shape.teamCount = alignment->teamCount;
    shape.conferenceOf.assign(static_cast<size_t>(shape.teamCount) + 1, -1);
    shape.divisionOf.assign(static_cast<size_t>(shape.teamCount) + 1, -1);
    for (size_t c = 0; c < alignment->conferences.size(); ++c) {
        shape.conferenceDivisions.emplace_back();
        for (size_t d = 0; d < alignment->conferences[c].size(); ++d) {
            int ordinal = static_cast<int>(shape.divisionTeams.size());
            auto nameIndex = c < alignment->divisionNameIndex.size() &&
                                     d < alignment->divisionNameIndex[c].size()
                                 ? alignment->divisionNameIndex[c][d]
                                 : 0;
            bool named =
                nameIndex >= 1 && nameIndex <= static_cast<int>(league.divisionNames.size());
            shape.divisionNames.push_back(
                named ? league.divisionNames[static_cast<size_t>(nameIndex - 1)]
                      : "Division " + std::to_string(ordinal + 1));
            shape.conferenceDivisions.back().push_back(ordinal);
            shape.divisionTeams.emplace_back();
            for (int32_t team : alignment->conferences[c][d]) {
                if (team < 1 || team > shape.teamCount ||
                    shape.divisionOf[static_cast<size_t>(team)] >= 0) {
                    return unusual("team " + std::to_string(team) +
                                   " is not placed once in the alignment");
                }
                shape.conferenceOf[static_cast<size_t>(team)] = static_cast<int>(c);
                shape.divisionOf[static_cast<size_t>(team)] = ordinal;
                shape.divisionTeams.back().push_back(team);
            }
            shape.divisionMasks.push_back(teamMask(shape.divisionTeams.back()));
        }
        shape.conferenceMasks.push_back(0);
        for (int ordinal : shape.conferenceDivisions.back()) {
            shape.conferenceMasks.back() |= shape.divisionMasks[static_cast<size_t>(ordinal)];
        }
        shape.conferenceNames.push_back(conferenceName(
            shape.divisionNames[static_cast<size_t>(shape.conferenceDivisions.back().front())]));
    }
    int firstRoundGames =
        alignment->playoffGameCounts.empty() ? 0 : alignment->playoffGameCounts.front();
    auto conferences = static_cast<int>(alignment->conferences.size());
    int perConference = firstRoundGames / conferences;
    for (const auto& divisions : shape.conferenceDivisions) {
        if (perConference > static_cast<int>(divisions.size()) ||
            firstRoundGames % conferences != 0) {
            return unusual("the season's playoff format of " + std::to_string(firstRoundGames) +
                           " first-round games is not one the standings know");
        }
    }
    shape.fieldSize = (firstRoundGames + 8) / conferences;
    return shape;
}

} // namespace grd
