#include "league/ui/DialogButtons.h"

namespace grd {

DialogButtons okCancelHelpButtons(QDialog* dialog, const QString& helpCaption,
                                  std::function<void()> onHelp) {
    auto* box = new QDialogButtonBox(dialog);
    auto* ok = box->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    box->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("CancelBtn"));
    box->addButton(helpCaption, QDialogButtonBox::HelpRole)
        ->setObjectName(QStringLiteral("HelpBtn"));
    QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    QObject::connect(box, &QDialogButtonBox::helpRequested, dialog, std::move(onHelp));
    return {box, ok};
}

} // namespace grd
