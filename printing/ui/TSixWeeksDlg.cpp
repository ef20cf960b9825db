#include "printing/ui/TSixWeeksDlg.h"

#include "league/ui/HelpRequest.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace grd {

TSixWeeksDlg::TSixWeeksDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TSixWeeksDlg"));
    setWindowTitle(QStringLiteral(" Preview/Print Schedule"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(this);
    auto* radios = new QVBoxLayout(group);
    auto radio = [&](const char* name, const QString& caption) {
        auto* button = new QRadioButton(caption, group);
        button->setObjectName(QLatin1String(name));
        radios->addWidget(button);
        return button;
    };
    FifteenWeeksRB = radio("FifteenWeeksRB", QStringLiteral("&3 Columns Per Page"));
    SixWeeksRB = radio("SixWeeksRB", QStringLiteral("&2 Columns Per Page"));
    ContinuousRB = radio("ContinuousRB", QStringLiteral("&1 Column Per Page"));
    ContinuousRB->setChecked(true);
    layout->addWidget(group);

    auto* buttons = new QDialogButtonBox(this);
    auto* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("CancelBtn"));
    auto* help = buttons->addButton(QStringLiteral("&Help"), QDialogButtonBox::HelpRole);
    help->setObjectName(QStringLiteral("HelpBtn"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [] { requestHelp(kHelpContext); });
    setMinimumSize(260, 121);
    ok->setFocus();
}

int TSixWeeksDlg::columns() const {
    if (ContinuousRB->isChecked())
        return 1;
    return SixWeeksRB->isChecked() ? 2 : 3;
}

int ChooseScheduleColumns(QWidget* owner) {
    TSixWeeksDlg dialog(owner);
    return dialog.exec() == QDialog::Accepted ? dialog.columns() : 0;
}

} // namespace grd
