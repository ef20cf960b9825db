#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace grd {

// The progress of a print run, with the button that cancels it between pages.
class TPPPrnPrgDlg : public QDialog {
    Q_OBJECT
public:
    TPPPrnPrgDlg(const QString& title, const QString& message, int steps, bool showCancel,
                 QWidget* parent = nullptr);

    void showPage(int step, const QString& pageText);
    bool cancelled() const { return cancelled_; }

private:
    QLabel* lblStatus = nullptr;
    QProgressBar* ProgBar = nullptr;
    QLabel* lblPageNumber = nullptr;
    QPushButton* btnCancel = nullptr;
    bool cancelled_ = false;
};

} // namespace grd
