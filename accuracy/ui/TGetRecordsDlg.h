#pragma once

#include "records/PublicRecords.h"
#include "state/AppState.h"
#include "tasks/SeasonReplay.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace grd {

// File | Get Game Records: downloads the league's public game records from an address
// the user may change, keeps them as GRDRecords.csv in the data directory and then
// offers what they allow for the loaded season: Catch Up where games have scores, and
// Import Market Lines where they have lines. A failed or cancelled download changes
// nothing in the data directory.
class TGetRecordsDlg : public QDialog {
    Q_OBJECT
public:
    // Each is given the saved records file.
    using RecordsCommand = std::function<void(const QString& recordsFile)>;

    TGetRecordsDlg(const AppState& app, RecordsCommand catchUp, RecordsCommand importLines,
                   QWidget* parent = nullptr);

    QString address() const;

protected:
    // Escape and the close box cancel a download instead of leaving it running.
    void reject() override;

private:
    void GetBtnClick();
    bool downloadProgress(std::int64_t received, std::int64_t expected);
    // What a catch-up from the records would do; nothing when the main data file cannot
    // tell where the season stands (the catch-up itself then says why).
    struct CatchUpOffer {
        std::vector<int> entries;                // the week-chooser entries it would enter
        std::optional<PartlyScoredWeek> waiting; // the week ahead, partly played
    };
    static CatchUpOffer catchUpOffer(const AppState& app, std::string_view records);
    void fetched(const RecordsSummary& summary, const CatchUpOffer& offer);
    void keepAddress();
    void setRunning(bool running);
    void makeDefault(QPushButton* button);

    const AppState& app_;
    RecordsCommand catchUp_;
    RecordsCommand importLines_;
    QString recordsFile_;
    std::string recordsText_; // as saved there
    RecordsSummary summary_;
    bool running_ = false;
    bool cancelled_ = false;
    QLineEdit* AddressEdit = nullptr;
    QProgressBar* FetchProgress = nullptr;
    QLabel* StatusLabel = nullptr;
    QPushButton* GetBtn = nullptr;
    QPushButton* CatchUpBtn = nullptr;
    QPushButton* ImportBtn = nullptr;
    QPushButton* CloseBtn = nullptr;
};

} // namespace grd
