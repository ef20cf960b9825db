#pragma once

#include "tasks/ForecastSelection.h"
#include "tasks/ui/EntryWindow.h"

class QFrame;
class QPushButton;
class QTableWidget;

namespace grd {

// The forecast team selection: games put together from two picked teams, each
// forecast at once and listed; either extra games after the scheduled forecasts or
// every game of a playoff week.
class TSlowForecastsForm : public EntryWindow {
    Q_OBJECT

public:
    TSlowForecastsForm(WeekData data, bool cityNames, QWidget* parent);

public slots:
    void ForecastBtnClick();
    void reject() override;

private:
    void TeamPicked(int team);
    void showForecast(int k);

    ForecastSelection selection_;
    QTableWidget* SpreadsGrid = nullptr;
    QFrame* FullPanel = nullptr;
    QPushButton* DoneBtn = nullptr;
};

} // namespace grd
