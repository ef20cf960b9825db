#include "tasks/ui/TZeroMainDataDlg.h"

#include "league/FileNames.h"
#include "league/ui/MessageDialogs.h"
#include "league/ui/ScriptedFileName.h"
#include "state/MainDataVersion.h"
#include "tasks/UpdateMainData.h"
#include "tasks/ui/TaskWidgets.h"

#include <QApplication>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>
#include <optional>

namespace grd {

namespace {

const QString kCaption = QStringLiteral(" GRD Oddsmith: Zero Main Data");

ScriptedFileName& nextFileName() {
    static ScriptedFileName name;
    return name;
}

QLabel* label(const char* objectName, const QString& text, QWidget* parent) {
    auto* result = new QLabel(text, parent);
    result->setObjectName(QLatin1String(objectName));
    result->setWordWrap(true);
    return result;
}

} // namespace

TZeroMainDataDlg::TZeroMainDataDlg(QWidget* parent, AppState* state)
    : QDialog(parent), state_(state) {
    setObjectName(QStringLiteral("TZeroMainDataDlg"));
    setWindowTitle(kCaption);
    auto* layout = new QVBoxLayout(this);
    auto* warning =
        label("WarningLabel",
              QStringLiteral("WARNING! YOU NEED TO USE THIS FUNCTION ONLY ONCE A YEAR."), this);
    QFont bold = warning->font();
    bold.setBold(true);
    warning->setFont(bold);
    layout->addWidget(warning);

    auto* fileRow = new QHBoxLayout;
    auto* inputLabel = label("InputFileLabel", QStringLiteral("&File Name:"), this);
    inputLabel->setWordWrap(false);
    InputFileEdit = new QLineEdit(this);
    InputFileEdit->setObjectName(QStringLiteral("InputFileEdit"));
    inputLabel->setBuddy(InputFileEdit);
    auto* browse = taskui::button("BrowseBtn", QStringLiteral("&Browse"), this);
    connect(browse, &QPushButton::clicked, this, &TZeroMainDataDlg::BrowseBtnClick);
    fileRow->addWidget(inputLabel);
    fileRow->addWidget(InputFileEdit, 1);
    fileRow->addWidget(browse);
    layout->addLayout(fileRow);

    layout->addWidget(label("InfoLabel",
                            QStringLiteral("Usually, you KEEP the rankings and the input file is "
                                           "the last weekly archive file of the season (for "
                                           "example, WEEK-17.08)."),
                            this));
    layout->addWidget(label("KeepLabel",
                            QStringLiteral("KEEP sets Pts+, Pts-, Avg+, Avg-, %, Win, Loss and Tie "
                                           "to zero, but keeps the Total, Off and Def rankings."),
                            this));
    layout->addWidget(label("AverageLabel",
                            QStringLiteral("AVERAGE sets Pts+, Pts-, Avg+, Avg-, %, Win, Loss and "
                                           "Tie to zero AND gives every team equal, average Total, "
                                           "Off and Def rankings."),
                            this));

    auto* buttons = new QHBoxLayout;
    auto* keep = taskui::button("KeepBtn", QStringLiteral("&Keep"), this);
    auto* average = taskui::button("AverageBtn", QStringLiteral("&Average"), this);
    auto* cancel = taskui::button("CancelBtn", QStringLiteral("Cancel"), this);
    connect(keep, &QPushButton::clicked, this, [this] { KeepOrAvgClick(true); });
    connect(average, &QPushButton::clicked, this, [this] { KeepOrAvgClick(false); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addStretch();
    for (QPushButton* button : {keep, average, cancel, taskui::helpButton(kHelpContext, this)}) {
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    resize(480, sizeHint().height());
}

void TZeroMainDataDlg::Run(AppState& state, QWidget* parent) {
    TZeroMainDataDlg dialog(parent, &state);
    dialog.InputFileEdit->setText(QString::fromStdString(state.programDir + "week-17."));
    dialog.exec();
}

void TZeroMainDataDlg::setNextFileName(const QString& fileName) {
    nextFileName().set(fileName);
}

void TZeroMainDataDlg::BrowseBtnClick() {
    QString chosen;
    if (auto scripted = nextFileName().take()) {
        chosen = *scripted;
    } else {
        QFileDialog OpenDlg(this, kCaption, QFileInfo(InputFileEdit->text()).path());
        OpenDlg.setObjectName(QStringLiteral("OpenDlg"));
        OpenDlg.setFileMode(QFileDialog::ExistingFile);
        // Archives from other systems may be named in either case.
        OpenDlg.setNameFilters({QStringLiteral("Archive Files (week*.* WEEK*.* Week*.*)"),
                                QStringLiteral("Any File (*)")});
        if (OpenDlg.exec() == QDialog::Accepted && !OpenDlg.selectedFiles().isEmpty()) {
            chosen = OpenDlg.selectedFiles().constFirst();
        }
    }
    if (!chosen.isEmpty()) {
        InputFileEdit->setText(chosen);
    }
}

// The new season is written beside its input; only the data directory's main data
// file is one this program read.
bool TZeroMainDataDlg::mayWriteMainData(const std::string& input) {
    std::error_code error;
    if (state_ == nullptr || !std::filesystem::equivalent(findFileIgnoringCase(input).parent_path(),
                                                          state_->programDir, error)) {
        return true;
    }
    auto refusal = mainDataWriteRefusal(*state_);
    if (refusal) {
        ShowError(*refusal, this);
    }
    return !refusal;
}

void TZeroMainDataDlg::KeepOrAvgClick(bool keep) {
    const std::string input = InputFileEdit->text().toStdString();
    if (!mayWriteMainData(input)) {
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Status done = UpdateMainData(input, keep);
    QApplication::restoreOverrideCursor();
    if (!done) {
        ShowError(done.failure(), this); // the dialog stays for another choice
        return;
    }
    if (state_ != nullptr) {
        noteMainDataOnDisk(*state_);
    }
    ShowInformation(QStringLiteral("Main data file successfully updated."),
                    QStringLiteral("GRD Oddsmith: Zero Main Data"), this);
    accept();
}

} // namespace grd
