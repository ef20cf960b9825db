#pragma once

#include <QDialog>

class QRadioButton;

namespace grd {

// Asks how many schedule columns to print per page.
class TSixWeeksDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 1400;

    explicit TSixWeeksDlg(QWidget* parent = nullptr);

    // 1, 2 or 3 by the radio button selected.
    int columns() const;

private:
    QRadioButton* FifteenWeeksRB = nullptr;
    QRadioButton* SixWeeksRB = nullptr;
    QRadioButton* ContinuousRB = nullptr;
};

// Shows TSixWeeksDlg owned by owner: 1, 2 or 3 columns on OK, 0 on Cancel.
int ChooseScheduleColumns(QWidget* owner);

} // namespace grd
