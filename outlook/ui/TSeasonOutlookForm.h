#pragma once

#include "files/Failure.h"
#include "outlook/OutlookGrids.h"

#include <QWidget>

#include <atomic>
#include <memory>
#include <optional>
#include <thread>

class QLabel;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTableView;
class QTimer;

namespace grd {

class DisplayGridModel;
class DisplayHost;

// View | Season Outlook: the standings if the season ended today, one table per
// conference, the coming week's games, and the playoff chances of simulated seasons,
// worked out off the window thread. It reads the season again when its files change.
class TSeasonOutlookForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 970;

    explicit TSeasonOutlookForm(DisplayHost& host, QWidget* parent = nullptr);
    ~TSeasonOutlookForm() override;

    // Reads the season and starts the simulation; a failure leaves the window as it was.
    Status load();
    // Whether a simulation is running.
    bool simulating() const { return worker_.joinable(); }
    std::string clipboardText() const;
    // Gives the keys to the table shown, never to the Cancel button that hides when done.
    void focusTable();

public slots:
    void CopyToClipboard();
    // Every table as File | Export as CSV writes them, a blank line between two.
    QString csvText() const;
    void cancelSimulation();

private:
    void makeTabs();
    void startSimulation();
    void followSimulation();
    void stopWorker();
    void showFigures();
    void print(bool preview);

    DisplayHost& host_;
    std::optional<OutlookSeason> season_;
    OutlookFigures figures_;
    std::unique_ptr<SimulationControl> control_;
    std::optional<std::vector<TeamOdds>> result_; // written by the worker until it ends
    std::atomic<bool> finished_{false};
    std::thread worker_;
    QTabWidget* tabs_ = nullptr;
    std::vector<DisplayGridModel*> models_; // conferences, then the coming week
    QLabel* title_ = nullptr;
    QLabel* footnote_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* preview_ = nullptr;
    QTimer* poll_ = nullptr;
    QTimer* reload_ = nullptr;
};

} // namespace grd
