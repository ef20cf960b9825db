#include "league/Messages.h"

#include <array>
#include <string_view>

namespace grd {
namespace {

constexpr std::string_view kLowMemorySuffix = ". Memory or resources may be low.";

// Indexed by number - kLowestErrorNumber.
constexpr std::array<std::string_view, kHighestErrorNumber - kLowestErrorNumber + 1> kErrors = {
    "The new season has already been started.",
    "The season outlook cannot be worked out.",
    "Error importing the game records.",
    "HTML Help is not installed on this computer.",
    "The help file cannot be found",
    "contains data for more/fewer teams than are currently in the GRD. Oddsmith will no longer "
    "work correctly!",
    "You cannot replace main-dta.grd with the contents of main-dta.grd; choose an archive file.",
    "Invalid page number.",
    "Error previewing schedule.",
    "Invalid zoom size.",
    "Error reading the reversion file or writing the main data file.",
    "Cannot find the reversion file.",
    "Cannot open the reversion file.",
    "The reversion file is invalid.",
    "Read/write error zeroing the main data file.",
    "Error renaming the main data file.",
    "Error deleting the old main data file.",
    "Error renaming the temporary file.",
    "Cannot open the temporary file.",
    "The file you have chosen does not exit.",
    "There are no games to print/preview.",
    "Error printing the reports(s).",
    "You haven't chosen any reports to print.",
    "Error printing the schedule.",
    "Cannot find the league structure file. ",
    "Error loading libGRDOdds.so. ",
    "Error loading the league structure. ",
    "The league structure file is the wrong version. ",
    "Cannot find the names file.",
    "The names file is corrupt.",
    "There are no scores to print/preview.",
    "There are no spreads to print/preview.",
    "You must choose TWO DIFFERENT teams.",
    "You must enter a score between 0 and 98.",
    "Error writing the archive data file.",
    "Error writing the main data file.",
    "The schedule file is corrupt.",
    "The versions of main-dta.grd and schedule.grd do not match.",
    "The file is not a Oddsmith data file or the wrong version.",
    "Error reading the archive file.",
    "Cannot open the archive file.",
    "Error loading the windows layout.",
    "Error saving the windows layout.",
    "Error reading the preferences.",
    "Error saving the preferences.",
    "The file MAIN-DTA.GRD is not a valid main data file.",
    "Cannot restore the windows layout; none were open when layout was saved.",
    "Cannot open the main data file.",
    "Error reading the main data file.",
    "The file is not a valid Oddsmith archive data file.",
    "Cannot open the schedule file. ",
    "Error reading the schedule file.",
    "The schedule file is the wrong version.",
    "Error reading the names file.",
    "The names file is wrong version.",
    "The GRD Software web site cannot be reached; check your Internet connection and your "
    "default web browser.",
    "",
    "Unable to display the schedule",
    "Unable to display the About dialog",
    "",
    "Unable to copy the data to the clipboard",
    "Unable to display the current rankings",
    "Error opening the display window",
    "Error opening the options/preferences window",
    "",
    "",
    "",
    "Error displaying the print dialog; unable to print",
    "Error creating a string list",
    "Error creating the zero-main-data dialog",
};

constexpr std::array<std::string_view, 31> kFragments = {
    kLowMemorySuffix,
    "Next week's spreads have been forecast.",
    "",
    "The spreads have been forecast.",
    "The rankings have been updated and the spreads forecast.",
    "The rankings have been updated.",
    "ALL of the scores will be discarded if you cancel now!",
    "ALL the forecasts will be discarded if you cancel now!",
    "The additional non-scheduled forecasts will be discarded if you cancel now.",
    "You haven't chosen any teams for next week's games!",
    "You haven't entered any scores for this week's games!",
    "You haven't entered a Super Bowl score!",
    "The Super Bowl score will be discarded if you cancel now!",
    "Normally, Oddsmith saves the rankings, scores and spreads to the appropriate files. Using "
    "\"File | Replace main data file\" can corrupt your data files!",
    "You are about to overwrite the file MAIN-DTA.GRD!",
    "",
    "",
    "",
    "",
    "There are fewer teams in the archive file than are currently in the GRD. Oddsmith will no "
    "longer work correctly!",
    "WARNING!  Use the Revert function only if you have read the on-line help topics \"File | "
    "Revert\" and \"Mistakes.\"",
    "  Do you want to forecast some non-scheduled games?",
    "  Print the reports?",
    "  Save the data to disk?",
    "  Cancel?",
    "  But the data hasn't been saved to disk.  Save it now?",
    "  Would you like to read the help file section on \"Replace main data file\" now?",
    "",
    "",
    "  Is this OK?",
    "  Continue?",
};

constexpr int kSecondFragmentBase = 20;

struct QuestionCode {
    int code;
    int first;
    int second;
};

constexpr std::array<QuestionCode, 15> kYesNoCodes = {{
    {1, 2, 2},
    {2, 1, 1},
    {3, 3, 3},
    {4, 4, 3},
    {5, 5, 3},
    {6, 7, 4},
    {7, 8, 4},
    {8, 6, 4},
    {9, 6, 4},
    {10, 9, 4},
    {11, 10, 4},
    {12, 11, 4},
    {13, 12, 4},
    {201, 14, 3},
    {501, 20, 10},
}};

constexpr std::array<QuestionCode, 4> kYesNoCancelCodes = {{
    {101, 3, 5},
    {102, 5, 5},
    {103, 4, 5},
    {201, 13, 6},
}};

template <std::size_t N>
std::string composeQuestion(const std::array<QuestionCode, N>& codes, int code) {
    for (const QuestionCode& entry : codes) {
        if (entry.code == code)
            return questionFragment(entry.first) +
                   questionFragment(kSecondFragmentBase + entry.second);
    }
    return {};
}

// The warnings before a repair open the topic that explains the repair.
int helpContextOfQuestion(int code) {
    constexpr int kReplaceHelp = 290;
    constexpr int kRevertHelp = 330;
    return code == 201 ? kReplaceHelp : code == 501 ? kRevertHelp : 0;
}

} // namespace

std::string errorMessage(int number) {
    if (number < kLowestErrorNumber || number > kHighestErrorNumber)
        return {};
    if (number == 3)
        number = 1;
    return std::string(kErrors[static_cast<std::size_t>(number - kLowestErrorNumber)]);
}

std::string errorNumberText(int number) {
    return "Error: " + std::to_string(number);
}

std::string errorText(int number, std::string_view detail) {
    std::string text;
    if (!detail.empty()) {
        text.append(detail);
        text.append(": ");
    }
    text.append(errorMessage(number));
    if (number > 0)
        text.append(kLowMemorySuffix);
    return text;
}

std::string errorCaption() {
    return " GRD Oddsmith: Warning!";
}

bool errorOffersHelp(int number) {
    return number != -52 && number != -53;
}

std::string questionFragment(int entry) {
    if (entry < 0 || entry >= static_cast<int>(kFragments.size()))
        return {};
    return std::string(kFragments[static_cast<std::size_t>(entry)]);
}

Question yesNoQuestion(int code) {
    std::string caption = code > 400   ? " GRD Oddsmith: Revert"
                          : code > 200 ? " GRD Oddsmith: File Save As"
                                       : " GRD Oddsmith: Weekly Tasks";
    // The questions before every entered score is discarded.
    bool discardsScores = code == 8 || code == 9 || code == 13;
    return {composeQuestion(kYesNoCodes, code), std::move(caption), discardsScores,
            helpContextOfQuestion(code)};
}

Question repeatedWeekQuestion(const std::string& standsAt, const std::string& chosen) {
    return {"The main data file already stands at " + standsAt + ".  Entering " + chosen +
                " again would count its scores twice.  Enter them anyway?",
            " GRD Oddsmith: Weekly Tasks", true};
}

Question weekStaysQuestion() {
    return {"The games entered are not the games of a scheduled week, so the season's week "
            "will not advance: the data will stand at \"Week__\" and no scheduled game will be "
            "forecast.  Go on?",
            " GRD Oddsmith: Weekly Tasks", false};
}

Question yesNoCancelQuestion(int code) {
    std::string caption = code > 300   ? " GRD Oddsmith: Create New Schedule"
                          : code > 200 ? " GRD Oddsmith: File Save As"
                                       : " GRD Oddsmith: Weekly Tasks";
    return {composeQuestion(kYesNoCancelCodes, code), std::move(caption), false,
            helpContextOfQuestion(code)};
}

} // namespace grd
