#include "league/ui/TSayErrorDlg.h"

#include "league/Messages.h"
#include "league/ui/HelpContext.h"
#include "league/ui/HelpRequest.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace grd {

TSayErrorDlg::TSayErrorDlg(int number, const QString& detail, QWidget* parent) : QDialog(parent) {
    setObjectName("TSayErrorDlg");
    setWindowTitle(QString::fromStdString(errorCaption()));

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    auto* labels = new QVBoxLayout(frame);
    auto* numberLabel = new QLabel(QString::fromStdString(errorNumberText(number)), frame);
    numberLabel->setObjectName("ErrNumLabel");
    QFont bold = numberLabel->font();
    bold.setBold(true);
    numberLabel->setFont(bold);
    auto* message =
        new QLabel(QString::fromStdString(errorText(number, detail.toStdString())), frame);
    message->setObjectName("ErrMsgLabel");
    message->setWordWrap(true);
    message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* moreInfo =
        new QLabel("Note the error number and press the Help button for more information.", frame);
    moreInfo->setObjectName("MoreInfoLabel");
    moreInfo->setWordWrap(true);
    labels->addWidget(numberLabel);
    labels->addWidget(message);
    labels->addStretch();
    labels->addWidget(moreInfo);

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKBtn");
    ok->setDefault(true);
    auto* help = new QPushButton("&Help", this);
    help->setObjectName("HelpBtn");
    help->setEnabled(errorOffersHelp(number));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(help, &QPushButton::clicked, this, &TSayErrorDlg::HelpBtnClick);
    // F1 asks for the same topic as the Help button, while help exists.
    setHelpContext(this, errorOffersHelp(number) ? kErrorHelpContext : 0);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(help);
    buttons->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(frame, 1);
    layout->addLayout(buttons);
    setMinimumWidth(420);
}

void TSayErrorDlg::HelpBtnClick() {
    requestHelp(kErrorHelpContext);
}

} // namespace grd
