#include "printing/ui/TPPPrnPrgDlg.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace grd {

TPPPrnPrgDlg::TPPPrnPrgDlg(const QString& title, const QString& message, int steps, bool showCancel,
                           QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("TPPPrnPrgDlg"));
    setWindowTitle(title.isEmpty() ? QStringLiteral("Print Progress") : title);
    auto* layout = new QVBoxLayout(this);
    lblStatus =
        new QLabel(message.isEmpty() ? QStringLiteral("Sending Pages To Printer") : message, this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    ProgBar = new QProgressBar(this);
    ProgBar->setObjectName(QStringLiteral("ProgBar"));
    ProgBar->setRange(0, steps);
    ProgBar->setValue(0);
    lblPageNumber = new QLabel(this);
    lblPageNumber->setObjectName(QStringLiteral("lblPageNumber"));
    btnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setVisible(showCancel);
    connect(btnCancel, &QPushButton::clicked, this, [this] { cancelled_ = true; });
    layout->addWidget(lblStatus);
    layout->addWidget(ProgBar);
    layout->addWidget(lblPageNumber);
    layout->addWidget(btnCancel, 0, Qt::AlignHCenter);
    setFixedSize(293, showCancel ? 133 : 98);
}

void TPPPrnPrgDlg::showPage(int step, const QString& pageText) {
    ProgBar->setValue(step);
    lblPageNumber->setText(pageText);
}

} // namespace grd
