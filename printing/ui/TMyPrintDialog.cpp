#include "printing/ui/TMyPrintDialog.h"

#include "league/ui/HelpRequest.h"
#include "league/ui/MessageDialogs.h"
#include "printing/ui/CollationPictures.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace grd {

namespace {

QLineEdit* pageEdit(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(QStringLiteral("1"), parent);
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(2);
    edit->setValidator(new QIntValidator(0, 99, edit));
    edit->setFixedWidth(40);
    return edit;
}

// The value of a page edit, or -1 when it holds no number.
int pageNumber(const QLineEdit* edit) {
    bool ok = false;
    const int value = edit->text().trimmed().toInt(&ok);
    return ok ? value : -1;
}

} // namespace

TMyPrintDialog::TMyPrintDialog(const QString& printerName, int limit, bool pagesAllowed,
                               QWidget* parent)
    : QDialog(parent), limit_(limit) {
    setObjectName(QStringLiteral("TMyPrintDialog"));
    setWindowTitle(QStringLiteral(" Print"));
    auto* layout = new QVBoxLayout(this);

    auto* printerBox = new QGroupBox(QStringLiteral(" Printer "), this);
    auto* printerRow = new QHBoxLayout(printerBox);
    auto* name = new QLabel(printerName, printerBox);
    name->setObjectName(QStringLiteral("PrinterNameLabel"));
    printerRow->addWidget(new QLabel(QStringLiteral("Name: "), printerBox));
    printerRow->addWidget(name, 1);
    layout->addWidget(printerBox);

    auto* middle = new QHBoxLayout;
    auto* rangeBox = new QGroupBox(QStringLiteral(" Print range "), this);
    auto* range = new QGridLayout(rangeBox);
    AllRB = new QRadioButton(QStringLiteral("&All"), rangeBox);
    AllRB->setObjectName(QStringLiteral("AllRB"));
    AllRB->setChecked(true);
    PagesRB = new QRadioButton(QStringLiteral("Pa&ges"), rangeBox);
    PagesRB->setObjectName(QStringLiteral("PagesRB"));
    PagesRB->setEnabled(pagesAllowed && limit >= 2);
    auto* selection = new QRadioButton(QStringLiteral("&Selection"), rangeBox);
    selection->setObjectName(QStringLiteral("SelectionRB"));
    selection->setEnabled(false);
    FromME = pageEdit("FromME", rangeBox);
    ToME = pageEdit("ToME", rangeBox);
    if (limit >= 2)
        ToME->setText(QString::number(limit));
    FromLabel = new QLabel(QStringLiteral("&from:"), rangeBox);
    FromLabel->setBuddy(FromME);
    ToLabel = new QLabel(QStringLiteral("&to:"), rangeBox);
    ToLabel->setBuddy(ToME);
    range->addWidget(AllRB, 0, 0);
    range->addWidget(PagesRB, 1, 0);
    range->addWidget(FromLabel, 1, 1);
    range->addWidget(FromME, 1, 2);
    range->addWidget(ToLabel, 1, 3);
    range->addWidget(ToME, 1, 4);
    range->addWidget(selection, 2, 0);
    middle->addWidget(rangeBox, 1);

    auto* copiesBox = new QGroupBox(QStringLiteral(" Copies "), this);
    auto* copies = new QGridLayout(copiesBox);
    NumCopiesUpDown = new QSpinBox(copiesBox);
    NumCopiesUpDown->setObjectName(QStringLiteral("NumCopiesUpDown"));
    NumCopiesUpDown->setRange(1, 99);
    NumCopiesUpDown->setWrapping(false);
    auto* copiesLabel = new QLabel(QStringLiteral("Number of &copies:"), copiesBox);
    copiesLabel->setBuddy(NumCopiesUpDown);
    CollateCheckBox = new QCheckBox(QStringLiteral("C&ollate"), copiesBox);
    CollateCheckBox->setObjectName(QStringLiteral("CollateCheckBox"));
    CollatePicture = new QLabel(copiesBox);
    CollatePicture->setObjectName(QStringLiteral("CollatePicture"));
    copies->addWidget(copiesLabel, 0, 0);
    copies->addWidget(NumCopiesUpDown, 0, 1);
    copies->addWidget(CollatePicture, 1, 0);
    copies->addWidget(CollateCheckBox, 1, 1);
    middle->addWidget(copiesBox);
    layout->addLayout(middle);

    auto* buttons = new QDialogButtonBox(this);
    auto* print = buttons->addButton(QStringLiteral("Print"), QDialogButtonBox::ActionRole);
    print->setObjectName(QStringLiteral("PrintBtn"));
    print->setDefault(true);
    auto* cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    auto* help = buttons->addButton(QStringLiteral("&Help"), QDialogButtonBox::HelpRole);
    help->setObjectName(QStringLiteral("HelpBtn"));
    layout->addWidget(buttons);

    connect(print, &QPushButton::clicked, this, &TMyPrintDialog::PrintBtnClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [] { requestHelp(kHelpContext); });
    connect(AllRB, &QRadioButton::toggled, this, &TMyPrintDialog::PagesChangeClick);
    connect(PagesRB, &QRadioButton::toggled, this, &TMyPrintDialog::PagesChangeClick);
    connect(CollateCheckBox, &QCheckBox::toggled, this, &TMyPrintDialog::CollateCheckBoxClick);
    PagesChangeClick();
    CollateCheckBoxClick();
    resize(443, 214);
    print->setFocus();
}

bool TMyPrintDialog::allPages() const {
    return AllRB->isChecked();
}
int TMyPrintDialog::fromPage() const {
    return allPages() ? 1 : pageNumber(FromME);
}
int TMyPrintDialog::toPage() const {
    return allPages() ? limit_ : pageNumber(ToME);
}
int TMyPrintDialog::copies() const {
    return NumCopiesUpDown->value();
}
bool TMyPrintDialog::collate() const {
    return CollateCheckBox->isChecked();
}

void TMyPrintDialog::CollateCheckBoxClick() {
    collatedShown_ = CollateCheckBox->isChecked();
    CollatePicture->setPixmap(collationPicture(collatedShown_));
}

void TMyPrintDialog::PagesChangeClick() {
    const bool pages = PagesRB->isChecked();
    for (QWidget* widget : {static_cast<QWidget*>(FromLabel), static_cast<QWidget*>(FromME),
                            static_cast<QWidget*>(ToLabel), static_cast<QWidget*>(ToME)})
        widget->setEnabled(pages);
}

void TMyPrintDialog::PrintBtnClick() {
    if (AllRB->isChecked()) {
        accept();
        return;
    }
    const int from = pageNumber(FromME);
    const int to = pageNumber(ToME);
    const bool toValid = to >= 1 && to <= limit_;
    if (toValid && from >= 1 && from <= to) {
        accept();
        return;
    }
    ShowError(-49, {}, this);
    QLineEdit* wrong = toValid ? FromME : ToME;
    wrong->setFocus();
    wrong->selectAll();
}

} // namespace grd
