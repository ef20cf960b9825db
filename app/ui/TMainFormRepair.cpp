#include "app/ui/TMainForm.h"

#include "prefs/ui/HelpWindow.h"
#include "state/MainDataVersion.h"
#include "tasks/ReplaceMainData.h"
#include "tasks/RevertMainData.h"

#include <QAction>
#include <QTimer>

// File | Revert and File | Replace Main Data File.

namespace grd {
namespace {

constexpr int kRevertWarning = 501;
constexpr int kReplaceQuestion = 201; // the warning (Yes/No/Cancel), then the confirmation
constexpr int kReplaceHelpContext = 290;

} // namespace

void TMainForm::smFileRevertClick() {
    if (!ConfirmYesNo(kRevertWarning, this))
        return;
    if (state_.program.hasUnsavedData() && AskSaveUnsaved() == Answer::Cancel)
        return;
    const RevertMainData revert(state_.programDir);
    if (const auto missing = revert.missingRevertFile()) {
        ShowError(*missing, this);
        return;
    }
    if (const auto refusal = mainDataWriteRefusal(state_)) {
        ShowError(*refusal, this);
        return;
    }
    CloseViewWindows(true);
    setLayoutCommandsEnabled(false);
    setDataCaption({});
    // Nothing in memory is left to save.
    state_.program.mainDataSaved = true;
    state_.program.archiveSaved = true;

    const RevertMainData::Result result = revert.run();
    noteMainDataOnDisk(state_);
    if (result.failure)
        ShowError(*result.failure, this);
    const std::string message = RevertMainData::message(result.outcome);
    if (!message.empty())
        ShowInformation(QString::fromStdString(message), QStringLiteral(" Revert"), this);
}

void TMainForm::FileSaveAs() {
    if (const auto refusal = replaceRefusal(state_)) {
        ShowError(*refusal, this);
        return;
    }
    switch (ConfirmYesNoCancel(kReplaceQuestion, this)) {
    case Answer::Cancel:
        return;
    case Answer::Yes:
        // Opened once the confirmation shows, the help window goes above it and
        // stays usable, so the user can read before deciding.
        QTimer::singleShot(0, this, [] { showHelp(kReplaceHelpContext); });
        break;
    case Answer::No:
        break;
    }
    if (!ConfirmYesNo(kReplaceQuestion, this))
        return;
    const Status replaced = ReplaceMainData(state_);
    if (!replaced) {
        ShowError(replaced.failure(), this);
        return;
    }
    ShowInformation(QStringLiteral("Data replacement completed."),
                    QStringLiteral("GRD Oddsmith: Replace Main Data"), this);
}

} // namespace grd
