#include "printing/ui/TPrintPrefsDlg.h"

#include "league/ui/DialogButtons.h"
#include "league/ui/DialogSize.h"
#include "league/ui/HelpRequest.h"
#include "printing/ReportKind.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace grd {

namespace {

QCheckBox* checkBox(const char* name, const QString& caption, bool checked, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    box->setChecked(checked);
    return box;
}

QLineEdit* edit(const char* name, const std::string& text, int maxLength, QWidget* parent) {
    auto* result = new QLineEdit(QString::fromStdString(text), parent);
    result->setObjectName(QLatin1String(name));
    result->setMaxLength(maxLength);
    return result;
}

} // namespace

TPrintPrefsDlg::TPrintPrefsDlg(int kind, const ReportPrintPrefs& prefs, const QString& today,
                               QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("TPrintPrefsDlg"));
    setWindowTitle(QStringLiteral(" GRD Oddsmith: Preview/Print Options"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    auto* layout = new QVBoxLayout(this);
    FrameReportCB =
        checkBox("FrameReportCB", QStringLiteral("&Frame Report"), prefs.frameReport, this);
    RowHighlightCB =
        checkBox("RowHighlightCB", QStringLiteral("&Highlight Rows"), prefs.highlightRows, this);
    VertLinesCB = checkBox("VertLinesCB", QStringLiteral("&Vertical Column Lines"),
                           prefs.verticalLines, this);
    layout->addWidget(FrameReportCB);
    layout->addWidget(RowHighlightCB);
    layout->addWidget(VertLinesCB);

    auto* form = new QFormLayout;
    SpreadsInitialsEdit = edit("SpreadsInitialsEdit", prefs.initials, 3, this);
    auto* initialsLabel = new QLabel(QStringLiteral("Spreads &Initials:"), this);
    initialsLabel->setBuddy(SpreadsInitialsEdit);
    form->addRow(initialsLabel, SpreadsInitialsEdit);
    layout->addLayout(form);
    DateTitleCB =
        checkBox("DateTitleCB",
                 QStringLiteral("&Use Date as Report Title (ex. ") + today + QStringLiteral(")"),
                 prefs.dateTitle, this);
    layout->addWidget(DateTitleCB);
    auto* titleForm = new QFormLayout;
    ReportTitleEdit = edit("ReportTitleEdit", prefs.title, 15, this);
    ReportTitleLabel = new QLabel(QStringLiteral("Report &Title:"), this);
    ReportTitleLabel->setBuddy(ReportTitleEdit);
    titleForm->addRow(ReportTitleLabel, ReportTitleEdit);
    layout->addLayout(titleForm);

    layout->addWidget(
        okCancelHelpButtons(this, QStringLiteral("Help"), [] { requestHelp(kHelpContext); }).box);
    connect(DateTitleCB, &QCheckBox::toggled, this, &TPrintPrefsDlg::DateTitleCBClick);

    const bool rankings = kind >= kTeamReport && kind <= kCategoryReport;
    RowHighlightCB->setVisible(rankings);
    VertLinesCB->setVisible(rankings);
    const bool grid = kind == kSpreadsGridReport || kind == kArchiveSpreadsGridReport;
    SpreadsInitialsEdit->setVisible(grid);
    initialsLabel->setVisible(grid);
    DateTitleCBClick();
    fixSize(this, QSize(328, 197));
}

ReportPrintPrefs TPrintPrefsDlg::options(ReportPrintPrefs prefs) const {
    prefs.frameReport = FrameReportCB->isChecked();
    prefs.highlightRows = RowHighlightCB->isChecked();
    prefs.verticalLines = VertLinesCB->isChecked();
    prefs.initials = SpreadsInitialsEdit->text().toStdString();
    prefs.dateTitle = DateTitleCB->isChecked();
    prefs.title = ReportTitleEdit->text().toStdString();
    return prefs;
}

void TPrintPrefsDlg::DateTitleCBClick() {
    const bool own = !DateTitleCB->isChecked();
    ReportTitleLabel->setEnabled(own);
    ReportTitleEdit->setEnabled(own);
}

} // namespace grd
