#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

namespace grd {

// The numbered error dialog: the error number, its message after the caller's
// detail, and a Help button that explains the numbers.
class TSayErrorDlg : public QDialog {
    Q_OBJECT
public:
    TSayErrorDlg(int number, const QString& detail, QWidget* parent = nullptr);

private:
    void HelpBtnClick();
};

} // namespace grd
