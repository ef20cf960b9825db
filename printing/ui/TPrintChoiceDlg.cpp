#include "printing/ui/TPrintChoiceDlg.h"

#include "league/ui/DialogSize.h"
#include "league/ui/HelpRequest.h"
#include "prefs/tPrefsRec.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace grd {

namespace {

bool isOn(const QCheckBox* box) {
    return box->isChecked() && box->isEnabled();
}

} // namespace

TPrintChoiceDlg::TPrintChoiceDlg(tPrefsRec& prefs, const ReportChoices& available, bool archive,
                                 QWidget* parent)
    : QDialog(parent), prefs_(prefs) {
    setObjectName(QStringLiteral("TPrintChoiceDlg"));
    setWindowTitle(QStringLiteral(" GRD Oddsmith: Preview/Print"));
    auto* layout = new QHBoxLayout(this);
    auto* boxes = new QVBoxLayout;
    auto box = [&](const char* name, const QString& caption) {
        auto* result = new QCheckBox(caption, this);
        result->setObjectName(QLatin1String(name));
        boxes->addWidget(result);
        return result;
    };
    TeamRankCB = box("TeamRankCB", QStringLiteral("&Team Rankings"));
    DivRankCB = box("DivRankCB", QStringLiteral("&Division Rankings"));
    CatRankCB = box("CatRankCB", QStringLiteral("&Category Rankings"));
    SpreadsGridCB = box("SpreadsGridCB", QStringLiteral("Spreads &Grid"));
    SpreadsPlainCB = box("SpreadsPlainCB", QStringLiteral("Spreads &Plain"));
    ArchiveScoresCB = box("ArchiveScoresCB", QStringLiteral("&Scores"));
    boxes->addStretch();
    layout->addLayout(boxes, 1);

    auto* buttons = new QVBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    auto* help = new QPushButton(QStringLiteral("&Help"), this);
    help->setObjectName(QStringLiteral("HelpBtn"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    buttons->addStretch();
    layout->addLayout(buttons);
    setTabOrder(SpreadsPlainCB, SpreadsGridCB);
    setTabOrder(SpreadsGridCB, TeamRankCB);
    setTabOrder(TeamRankCB, DivRankCB);
    setTabOrder(DivRankCB, CatRankCB);
    setTabOrder(CatRankCB, ArchiveScoresCB);
    setTabOrder(ArchiveScoresCB, ok);
    setTabOrder(ok, help);
    setTabOrder(help, cancel);

    connect(ok, &QPushButton::clicked, this, &TPrintChoiceDlg::OKBtnClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [] { requestHelp(kHelpContext); });

    FormCreate();
    if (archive) {
        SpreadsPlainCB->setChecked(prefs.reportArchiveSpreadsPlain);
        SpreadsGridCB->setChecked(prefs.reportArchiveSpreadsGrid);
    }
    SpreadsPlainCB->setEnabled(available.spreadsPlain);
    SpreadsGridCB->setEnabled(available.spreadsGrid);
    ArchiveScoresCB->setEnabled(archive && available.scores);
    TeamRankCB->setEnabled(available.team);
    DivRankCB->setEnabled(available.division);
    CatRankCB->setEnabled(available.category);
    fixSize(this, QSize(251, 187));
}

void TPrintChoiceDlg::FormCreate() {
    SpreadsPlainCB->setChecked(prefs_.reportSpreadsPlain);
    SpreadsGridCB->setChecked(prefs_.reportSpreadsGrid);
    TeamRankCB->setChecked(prefs_.reportTeam);
    DivRankCB->setChecked(prefs_.reportDiv);
    CatRankCB->setChecked(prefs_.reportCat);
    ArchiveScoresCB->setChecked(prefs_.reportArchiveScores);
}

ReportChoices TPrintChoiceDlg::chosen() const {
    ReportChoices result;
    result.spreadsPlain = isOn(SpreadsPlainCB);
    result.spreadsGrid = isOn(SpreadsGridCB);
    result.scores = isOn(ArchiveScoresCB);
    result.team = isOn(TeamRankCB);
    result.division = isOn(DivRankCB);
    result.category = isOn(CatRankCB);
    return result;
}

void TPrintChoiceDlg::OKBtnClick() {
    const ReportChoices choice = chosen();
    prefs_.reportSpreadsPlain = choice.spreadsPlain;
    prefs_.reportSpreadsGrid = choice.spreadsGrid;
    prefs_.reportTeam = choice.team;
    prefs_.reportDiv = choice.division;
    prefs_.reportCat = choice.category;
    prefs_.reportArchiveScores = choice.scores;
    accept();
}

} // namespace grd
