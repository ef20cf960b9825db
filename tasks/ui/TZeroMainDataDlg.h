#pragma once

#include <QDialog>
#include <QString>
#include <string>

class QLineEdit;

namespace grd {

// Tasks | Seasonal | Zero Main Data File: makes the new season's main data file from
// the last archive of the old one, keeping or averaging the ratings.
class TZeroMainDataDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 380;

    explicit TZeroMainDataDlg(QWidget* parent = nullptr);

    // Runs the dialog modally with the usual input file of programDir ("/"-ended).
    static void Run(const std::string& programDir, QWidget* parent);

    /**
     * Sets the file the next Browse returns instead of showing the file dialog; an
     * empty name answers Cancel.
     * Use only for testing.
     */
    static void setNextFileName(const QString& fileName);

private:
    QLineEdit* InputFileEdit = nullptr;
    void BrowseBtnClick();
    void KeepOrAvgClick(bool keep);
};

} // namespace grd
