#pragma once

#include "tasks/ForecastSelection.h"

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class QTableWidget;

namespace grd {

class TeamsGrid;

// The forecast team selection: games put together from two picked teams, each
// forecast at once and listed; either extra games after the scheduled forecasts or
// every game of a playoff week.
class TSlowForecastsForm : public QDialog {
    Q_OBJECT

public:
    TSlowForecastsForm(WeekData data, bool cityNames, QWidget* parent);

public slots:
    void ForecastBtnClick();
    void reject() override;

private:
    void TeamPicked(int team);
    void showPair();
    void showForecast(int k);

    ForecastSelection selection_;
    const LeagueStructure& league_;
    bool cityNames_;
    TeamsGrid* teams_ = nullptr;
    QTableWidget* SpreadsGrid = nullptr;
    QLabel* TeamLabel1 = nullptr;
    QLabel* TeamLabel2 = nullptr;
    QFrame* FullPanel = nullptr;
    QPushButton* ForecastBtn = nullptr;
    QPushButton* DoneBtn = nullptr;
};

} // namespace grd
