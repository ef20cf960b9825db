#pragma once

#include "accuracy/MarketLine.h"
#include "accuracy/SeasonAccuracy.h"
#include "files/Failure.h"
#include "league/LeagueStructure.h"

#include <QWidget>

#include <optional>
#include <string>
#include <vector>

class QLabel;
class QMenu;
class QTableView;

namespace grd {

class DisplayCellDelegate;
class DisplayGridModel;
class DisplayHost;

// How the season's forecasts fared: one row per week and a season row above, the
// games of the chosen week below. It reads the archives and changes no file.
class TForecastAccuracyForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 950;

    explicit TForecastAccuracyForm(DisplayHost& host, QWidget* parent = nullptr);
    ~TForecastAccuracyForm() override;

    // Reads the season's archives of the program directory and the market lines
    // imported beside them, when there are any; again after an import.
    Status load();

    QString caption() const { return windowTitle(); }
    std::string clipboardText() const;
    // The week whose games show: an index into the season's weeks.
    int chosenWeek() const { return chosenWeek_; }
    void chooseWeek(int index);

public slots:
    void DrawTheGrid(bool recalcPosition, bool recalcWidths);
    void CopyToClipboard();
    // Both tables as File | Export as CSV writes them: the weeks, a blank line, the games.
    QString csvText() const;

private:
    QTableView* makeGrid(const char* name, DisplayGridModel*& model);
    void createPopupMenu();
    void showGames();
    const std::vector<MarketLine>* lines() const { return lines_ ? &*lines_ : nullptr; }

    DisplayHost& host_;
    LeagueStructure league_; // the archives' alignment names their teams
    SeasonAccuracy season_;
    std::optional<std::vector<MarketLine>> lines_;
    int chosenWeek_ = -1;
    QTableView* weeksGrid_ = nullptr;
    QTableView* gamesGrid_ = nullptr;
    DisplayGridModel* weeksModel_ = nullptr;
    DisplayGridModel* gamesModel_ = nullptr;
    DisplayCellDelegate* weeksDelegate_ = nullptr;
    DisplayCellDelegate* gamesDelegate_ = nullptr;
    QLabel* weekTitle_ = nullptr;
    QMenu* popup_ = nullptr;
};

} // namespace grd
