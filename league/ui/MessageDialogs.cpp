#include "league/ui/MessageDialogs.h"

#include "league/Messages.h"
#include "league/ui/HelpContext.h"
#include "league/ui/TSayErrorDlg.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <deque>

namespace grd {
namespace {

std::deque<Answer> nextAnswers;
std::vector<Failure>* recorder = nullptr;
std::vector<int> questions;

// A box sizes itself to its text; a short question would cut its caption in the title
// bar.
void fitCaption(QMessageBox& box) {
    const int width = titleBarWidth(box.windowTitle(), box.font());
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
}

QMessageBox::StandardButton ask(const Question& question, QMessageBox::StandardButtons buttons,
                                QWidget* parent) {
    QMessageBox box(QMessageBox::Question, QString::fromStdString(question.caption),
                    QString::fromStdString(question.text), buttons, parent);
    box.setObjectName("ConfirmBox");
    fitCaption(box);
    if (question.defaultNo)
        box.setDefaultButton(QMessageBox::No);
    if (question.helpContext != 0)
        setHelpContext(&box, question.helpContext);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

std::optional<Answer> takeNextAnswer() {
    if (nextAnswers.empty()) {
        // A recording test that did not script this question must not hang on a box.
        if (recorder != nullptr)
            return Answer::Cancel;
        return std::nullopt;
    }
    Answer answer = nextAnswers.front();
    nextAnswers.pop_front();
    return answer;
}

void showMessage(QMessageBox::Icon icon, const QString& text, const QString& caption,
                 QWidget* parent) {
    if (recorder != nullptr) {
        recorder->push_back({0, text.toStdString()});
        return;
    }
    QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
    box.setObjectName("MessageBox");
    fitCaption(box);
    box.exec();
}

} // namespace

int titleBarWidth(const QString& caption, QFont font) {
    constexpr int kTitleBarExtras = 140;
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(caption) + kTitleBarExtras;
}

void ShowError(int number, const std::string& detail, QWidget* parent) {
    if (recorder != nullptr) {
        recorder->push_back({number, detail});
        return;
    }
    TSayErrorDlg dialog(number, QString::fromStdString(detail), parent);
    QApplication::beep();
    dialog.exec();
}

void ShowError(const Failure& failure, QWidget* parent) {
    ShowError(failure.number, failure.detail, parent);
}

bool ConfirmYesNo(int code, QWidget* parent) {
    return ConfirmYesNo(code, yesNoQuestion(code), parent);
}

bool ConfirmYesNo(int code, const Question& question, QWidget* parent) {
    questions.push_back(code);
    if (auto answer = takeNextAnswer())
        return *answer == Answer::Yes;
    return ask(question, QMessageBox::Yes | QMessageBox::No, parent) == QMessageBox::Yes;
}

Answer ConfirmYesNoCancel(int code, QWidget* parent) {
    questions.push_back(code);
    if (auto answer = takeNextAnswer())
        return *answer;
    switch (ask(yesNoCancelQuestion(code), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                parent)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

bool AskChoice(const QString& text, const QString& caption, const QString& yesText,
               const QString& noText, QWidget* parent) {
    questions.push_back(0);
    if (auto answer = takeNextAnswer())
        return *answer == Answer::Yes;
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setObjectName("ConfirmBox");
    fitCaption(box);
    box.button(QMessageBox::Yes)->setText(yesText);
    box.button(QMessageBox::No)->setText(noText);
    return box.exec() == QMessageBox::Yes;
}

void ShowPlainMessage(const QString& text, const QString& caption, QWidget* parent) {
    showMessage(QMessageBox::NoIcon, text, caption, parent);
}

void ShowInformation(const QString& text, const QString& caption, QWidget* parent) {
    showMessage(QMessageBox::Information, text, caption, parent);
}

void MessageDialogs::setNextAnswer(Answer answer) {
    nextAnswers.push_back(answer);
}

void MessageDialogs::recordErrors(std::vector<Failure>* errors) {
    recorder = errors;
    questions.clear();
    nextAnswers.clear();
}

const std::vector<int>& MessageDialogs::questionsAsked() {
    return questions;
}

bool MessageDialogs::recording() {
    return recorder != nullptr;
}

} // namespace grd
