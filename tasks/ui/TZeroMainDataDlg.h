#pragma once

#include <QDialog>
#include <QString>
#include <string>

class QLineEdit;

namespace grd {

struct AppState;

// Tasks | Seasonal | Zero Main Data File: makes the new season's main data file from
// the last archive of the old one, keeping or averaging the ratings.
class TZeroMainDataDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 380;

    // state, when given, is the program's: its main data file is not written over
    // a version another program wrote since this one read it.
    explicit TZeroMainDataDlg(QWidget* parent = nullptr, AppState* state = nullptr);

    // Runs the dialog modally with the usual input file of the data directory.
    static void Run(AppState& state, QWidget* parent);

    /**
     * Sets the file the next Browse returns instead of showing the file dialog; an
     * empty name answers Cancel.
     * Use only for testing.
     */
    static void setNextFileName(const QString& fileName);

private:
    AppState* state_ = nullptr;
    QLineEdit* InputFileEdit = nullptr;
    bool mayWriteMainData(const std::string& input);
    void BrowseBtnClick();
    void KeepOrAvgClick(bool keep);
};

} // namespace grd
