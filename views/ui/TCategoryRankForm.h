#pragma once

#include "views/ui/TDisplayForm.h"

#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QSpinBox;

namespace grd {

// Eight rankings side by side, one per statistic. The user picks two teams, marked in
// every column, and makes informal forecasts of the first at the second.
class TCategoryRankForm : public TDisplayForm {
    Q_OBJECT
public:
    explicit TCategoryRankForm(DisplayHost& host, QWidget* parent = nullptr);

    void DrawTheGrid(bool recalcPosition, bool recalcWidths) override;

    // Picks the team shown in the current row of a logical column.
    void SelectTeam(int column);
    // Forecasts the picked teams and puts the text at the top of the list.
    void DoForecast(bool withHomeAdvantage);
    std::vector<std::string> forecasts() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createToolbar();
    void createForecastMenu();
    void InstantForecastPopupMenuPopup();
    void InstantDeleteClick();
    void InstantCopyClick();
    // The informal forecasts printed as plain lines.
    void InstantPrintOrPreviewClick(bool preview);
    void DisplayGridMouseUp(const QModelIndex& index);
    void DisplayGridDblClick();
    bool currentCellIsData() const;
    void updatePicksLabel();

    QSpinBox* nameLength_ = nullptr;
    QLabel* instantLabel_ = nullptr;
    QComboBox* forecasts_ = nullptr;
    QLabel* picksLabel_ = nullptr;
    QMenu* forecastMenu_ = nullptr;
    QAction* delete_ = nullptr;
    QAction* clear_ = nullptr;
    QAction* copy_ = nullptr;
};

} // namespace grd
