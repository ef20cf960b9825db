#include "printing/ui/TSixWeeksDlg.h"

#include "league/ui/DialogButtons.h"
#include "league/ui/DialogSize.h"
#include "league/ui/HelpRequest.h"

#include <QGroupBox>
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

    DialogButtons buttons =
        okCancelHelpButtons(this, QStringLiteral("&Help"), [] { requestHelp(kHelpContext); });
    layout->addWidget(buttons.box);
    fixSize(this, QSize(260, 121));
    buttons.ok->setFocus();
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
