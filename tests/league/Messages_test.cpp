#include "league/Messages.h"

#include <gtest/gtest.h>

namespace grd {
namespace {

TEST(Messages, errorTextPutsDetailFirstAndKeepsTrailingBlank) {
    EXPECT_EQ(errorText(-32, ""), "Cannot find the league structure file. ");
    EXPECT_EQ(errorText(-32, " \"/opt/GRDStructure.txt\" "),
              " \"/opt/GRDStructure.txt\" : Cannot find the league structure file. ");
    EXPECT_EQ(errorText(-52, " \"/x/GRDOdds.help\" "),
              " \"/x/GRDOdds.help\" : The help file cannot be found");
}

TEST(Messages, windowFailuresGetLowMemorySuffix) {
    EXPECT_EQ(errorText(3, ""), "Unable to display the schedule. Memory or resources may be low.");
    EXPECT_EQ(errorNumberText(3), "Error: 3");
    EXPECT_EQ(errorText(13, ""),
              "Error creating the zero-main-data dialog. Memory or resources may be low.");
    EXPECT_EQ(errorText(-23, ""), "You must enter a score between 0 and 98.");
}

TEST(Messages, numbersWithoutMessageShowOnlyDetail) {
    EXPECT_EQ(errorText(0, ""), "");
    EXPECT_EQ(errorText(8, ""), ". Memory or resources may be low.");
    EXPECT_EQ(errorText(0, "why"), "why: ");
    EXPECT_EQ(errorText(9, "why"), "why: . Memory or resources may be low.");
    EXPECT_EQ(errorMessage(-57), "");
    EXPECT_EQ(errorMessage(14), "");
    EXPECT_EQ(errorMessage(-2147483647 - 1), "");
}

TEST(Messages, tableEndsMatchTheirNumbers) {
    // An entry left out of the middle of the table would shift every message after it.
    EXPECT_EQ(errorMessage(-54), "Error importing the game records.");
    EXPECT_EQ(errorMessage(-55), "The season outlook cannot be worked out.");
    EXPECT_EQ(errorMessage(-56), "The new season has already been started.");
    EXPECT_EQ(errorMessage(-53), "HTML Help is not installed on this computer.");
    EXPECT_EQ(errorMessage(-31), "Error loading libGRDOdds.so. ");
    EXPECT_EQ(errorMessage(-13), "Error reading the preferences.");
    EXPECT_EQ(errorMessage(-2), "The names file is wrong version.");
    EXPECT_NE(errorMessage(-1), "");
    EXPECT_EQ(errorMessage(1), "Unable to display the schedule");
    EXPECT_EQ(errorMessage(7), "Error opening the options/preferences window");
    EXPECT_EQ(errorMessage(12), "Error creating a string list");
}

TEST(Messages, helpOnlyWhenHelpItselfIsNotMissing) {
    EXPECT_FALSE(errorOffersHelp(-52));
    EXPECT_FALSE(errorOffersHelp(-53));
    EXPECT_TRUE(errorOffersHelp(-51));
    EXPECT_TRUE(errorOffersHelp(3));
    EXPECT_EQ(errorCaption(), " GRD Oddsmith: Warning!");
}

TEST(Questions, yesNoTextsAndCaptions) {
    EXPECT_EQ(yesNoQuestion(1), (Question{"  Print the reports?", " GRD Oddsmith: Weekly Tasks"}));
    EXPECT_EQ(yesNoQuestion(2).text, "Next week's spreads have been forecast.  Do you want to "
                                     "forecast some non-scheduled games?");
    EXPECT_EQ(yesNoQuestion(8), yesNoQuestion(9));
    EXPECT_EQ(yesNoQuestion(13).text,
              "The Super Bowl score will be discarded if you cancel now!  Cancel?");
    EXPECT_EQ(yesNoQuestion(201),
              (Question{"You are about to overwrite the file MAIN-DTA.GRD!  Save the data to disk?",
                        " GRD Oddsmith: File Save As", false, 290}));
    Question revert = yesNoQuestion(501);
    EXPECT_EQ(revert.helpContext, 330); // F1 opens the repair's topic
    EXPECT_EQ(revert.caption, " GRD Oddsmith: Revert");
    EXPECT_EQ(revert.text, "WARNING!  Use the Revert function only if you have read the on-line "
                           "help topics \"File | Revert\" and \"Mistakes.\"  Continue?");
    EXPECT_EQ(yesNoQuestion(14).text, "");
    EXPECT_TRUE(repeatedWeekQuestion("Week 2 scores", "Week 1 scores").defaultNo);
}

TEST(Questions, yesNoCancelTextsAndCaptions) {
    EXPECT_EQ(yesNoCancelQuestion(103),
              (Question{"The rankings have been updated and the spreads forecast.  But the data "
                        "hasn't been saved to disk.  Save it now?",
                        " GRD Oddsmith: Weekly Tasks"}));
    Question replace = yesNoCancelQuestion(201);
    EXPECT_EQ(replace.caption, " GRD Oddsmith: File Save As");
    EXPECT_TRUE(replace.text.starts_with("Normally, Oddsmith saves"));
    EXPECT_TRUE(replace.text.ends_with(
        "  Would you like to read the help file section on \"Replace main data file\" now?"));
    EXPECT_EQ(yesNoCancelQuestion(301).caption, " GRD Oddsmith: Create New Schedule");
    EXPECT_EQ(yesNoCancelQuestion(1).text, "");
}

TEST(Questions, fragmentTableBounds) {
    EXPECT_EQ(questionFragment(0), ". Memory or resources may be low.");
    EXPECT_EQ(questionFragment(19).substr(0, 21), "There are fewer teams");
    EXPECT_EQ(questionFragment(29), "  Is this OK?");
    EXPECT_EQ(questionFragment(30), "  Continue?");
    EXPECT_EQ(questionFragment(31), "");
    EXPECT_EQ(questionFragment(-1), "");
}

} // namespace
} // namespace grd
