#pragma once

#include "files/Failure.h"
#include "league/Messages.h"

#include <QFont>
#include <QString>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace grd {

enum class Answer { Yes, No, Cancel };

// The width a window needs to show caption whole in its title bar, beside the title
// bar's icon and buttons (a generous estimate of their room), in font made bold.
int titleBarWidth(const QString& caption, QFont font);

// Shows the numbered error dialog modally; the detail text may be empty.
void ShowError(int number, const std::string& detail = {}, QWidget* parent = nullptr);
void ShowError(const Failure& failure, QWidget* parent = nullptr);

// Asks a question of the fragment tables by its code.
bool ConfirmYesNo(int code, QWidget* parent = nullptr);
// Asks a question composed elsewhere, recorded under its code.
bool ConfirmYesNo(int code, const Question& question, QWidget* parent = nullptr);
Answer ConfirmYesNoCancel(int code, QWidget* parent = nullptr);

// A question outside the table, with its own texts for Yes and No; code 0 among
// the questions asked.
bool AskChoice(const QString& text, const QString& caption, const QString& yesText,
               const QString& noText, QWidget* parent = nullptr);

// A plain message box with an OK button, for the few messages outside the table.
void ShowPlainMessage(const QString& text, const QString& caption, QWidget* parent = nullptr);
// The same with the information icon: a success worth telling.
void ShowInformation(const QString& text, const QString& caption, QWidget* parent = nullptr);

// Test seams: questions and errors without modal windows.
class MessageDialogs {
public:
    /**
     * Sets the answer of the next question instead of showing its box; called
     * several times, answers the questions in that order.
     * Use only for testing.
     */
    static void setNextAnswer(Answer answer);

    /**
     * While set, errors are appended here instead of being shown (plain messages
     * with number 0 and their text as detail), questions nobody answered with
     * setNextAnswer get Cancel (No), and the codes of the questions asked are kept
     * for questionsAsked(). Clears earlier answers and questions.
     * Use only for testing; pass nullptr to show them again.
     */
    static void recordErrors(std::vector<Failure>* errors);

    // The codes of the questions asked since the last recordErrors call.
    static const std::vector<int>& questionsAsked();

    // Whether a test records errors; dialogs that only offer help (the welcome
    // dialog) are then not shown, like questions nobody answered.
    static bool recording();
};

} // namespace grd
