#pragma once

#include "prefs/ReportPrintPrefs.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace grd {

// The options of one report kind: frame, highlighted rows, column lines, the date or
// the user's title, and the spreads initials, each shown only for kinds that use it.
class TPrintPrefsDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 158;

    // today is the short date quoted in the date box's caption.
    TPrintPrefsDlg(int kind, const ReportPrintPrefs& prefs, const QString& today,
                   QWidget* parent = nullptr);

    // prefs with the six options as the dialog shows them.
    ReportPrintPrefs options(ReportPrintPrefs prefs) const;

private:
    void DateTitleCBClick();

    QCheckBox* FrameReportCB = nullptr;
    QCheckBox* RowHighlightCB = nullptr;
    QCheckBox* VertLinesCB = nullptr;
    QLineEdit* SpreadsInitialsEdit = nullptr;
    QCheckBox* DateTitleCB = nullptr;
    QLabel* ReportTitleLabel = nullptr;
    QLineEdit* ReportTitleEdit = nullptr;
};

} // namespace grd
