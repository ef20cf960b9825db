#include "league/ui/RecordsFileDialog.h"

#include "league/ui/HelpContext.h"

#include <QFileDialog>

namespace grd {

QString chooseRecordsFile(QWidget* parent, const QString& caption, int helpContext) {
    QFileDialog dialog(parent, caption);
    dialog.setObjectName(QStringLiteral("RecordsFileDlg"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({QStringLiteral("Game Records (*.csv)"), QStringLiteral("Any File (*)")});
    setHelpContext(&dialog, helpContext);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace grd
