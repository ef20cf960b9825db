#pragma once

#include <string>
#include <string_view>

namespace grd {

// Error numbers run from -56 to 13: negative ones are failures of data, files and
// input, positive ones failures to create or show a window.
constexpr int kLowestErrorNumber = -56;

// The new season was started before: starting it again would lose the last season.
constexpr int kSeasonStartedError = -56;

// The season's standings or playoff odds cannot be worked out from its files.
constexpr int kOutlookError = -55;

// A game records file that cannot be imported: unreadable, too large or damaged.
constexpr int kImportError = -54;
constexpr int kHighestErrorNumber = 13;

// The help topic that explains every error number.
constexpr int kErrorHelpContext = 1970;

// The message of an error number; empty for numbers without one (3 borrows the
// message of 1).
std::string errorMessage(int number);

// The number line of the error dialog: "Error: " and the number.
std::string errorNumberText(int number);

// The message line of the error dialog: the detail (when given), ": " and the
// message, with the low-memory suffix for window failures.
std::string errorText(int number, std::string_view detail);

// The caption of the error dialog.
std::string errorCaption();

// Help is pointless when the help bundle itself is what went missing.
bool errorOffersHelp(int number);

// One entry of the question fragment table (0 .. 30); empty outside it.
std::string questionFragment(int entry);

// A question as the user sees it.
struct Question {
    std::string text;
    std::string caption;
    // Enter answers No: the question throws away what the user typed.
    bool defaultNo = false;
    // The help topic F1 opens while the question is asked; 0: the window's own.
    int helpContext = 0;
    bool operator==(const Question&) const = default;
};

// The Yes/No question of a code (1-13, 201, 501); unknown codes give an empty text.
Question yesNoQuestion(int code);

// Asked before a week whose scores the main data file already holds is entered again.
constexpr int kRepeatedWeekQuestion = 14;
// The question naming what the main data file stands at and the chosen entry; No is
// the default.
Question repeatedWeekQuestion(const std::string& standsAt, const std::string& chosen);

// Asked when step-by-step scores of "Other" are not the games of a scheduled week.
constexpr int kWeekStaysQuestion = 15;
// The question saying the season's week will not advance; Yes goes on.
Question weekStaysQuestion();

// The Yes/No/Cancel question of a code (101-103, 201); unknown codes give an empty text.
Question yesNoCancelQuestion(int code);

} // namespace grd
