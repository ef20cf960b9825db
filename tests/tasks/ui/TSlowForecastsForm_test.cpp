#include "league/ui/MessageDialogs.h"
#include "tasks/TaskFixture.h"
#include "tasks/ui/TSlowForecastsForm.h"
#include "tasks/ui/TaskWindowTesting.h"

#include <QFrame>
#include <QTableWidget>
#include <QtTest>

namespace grd {

using namespace test;

class TestTSlowForecastsForm : public QObject {
    Q_OBJECT

private:
    static void open(QDialog& dialog) {
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
    }

private slots:
    void fullList_drawsEveryTeamOfTheDisabledGridAlike() {
        TaskFixture fx;
        TSlowForecastsForm dialog(fx.weekData(100), true, nullptr); // two Wild Card games
        open(dialog);
        forecastGame(&dialog, 1, 3);
        forecastGame(&dialog, 5, 7);
        auto* teams = child<QTableWidget>(&dialog, "TeamsGrid");
        QVERIFY(child<QFrame>(&dialog, "FullPanel")->isVisible());
        QVERIFY(!teams->isEnabled());
        // Teams 1, 3, 5 and 7 were picked; team 2, in row 2 of the first division, never.
        const QTableWidgetItem* never = teams->item(2, 0);
        for (int division = 0; division < 4; ++division) {
            const QTableWidgetItem* picked = teams->item(1, division);
            QCOMPARE(picked->data(Qt::ForegroundRole), never->data(Qt::ForegroundRole));
            QCOMPARE(picked->data(Qt::BackgroundRole), never->data(Qt::BackgroundRole));
        }
    }

    void shippedLeague_showsEveryDivisionAndTheWholeList() {
        for (bool cityNames : {true, false}) {
            ShippedLeague league;
            WeekData week = league.week(2);
            // The week's 16 scheduled games forecast, as the weekly task leaves them.
            auto& state = league.app.program;
            for (int k = 1; k <= 16; ++k) {
                state.forecastPairs[static_cast<size_t>(2 * k - 1)] = 2 * k - 1;
                state.forecastPairs[static_cast<size_t>(2 * k)] = 2 * k;
                state.spreads[static_cast<size_t>(k)] = k % 3 == 0 ? 0.0 : -12.5;
            }
            state.forecastCount = 16;
            TSlowForecastsForm dialog(week, cityNames, nullptr);
            open(dialog);
            QCOMPARE(dialog.windowTitle(),
                     QStringLiteral(
                         " GRD Oddsmith: Weekly Task: Choose Teams for Additional Forecasts"));
            checkFitsScreen(&dialog);
            auto* teams = child<QTableWidget>(&dialog, "TeamsGrid");
            auto* spreads = child<QTableWidget>(&dialog, "SpreadsGrid");
            QCOMPARE(teams->columnCount(), 8);
            QCOMPARE(spreads->rowCount(), 18);
            QVERIFY(showsWhole(teams));
            QVERIFY(showsWhole(spreads));
            QCOMPARE(cutCells(teams), QStringList());
            QCOMPARE(cutCells(spreads), QStringList());
        }
    }
};

} // namespace grd

QTEST_MAIN(grd::TestTSlowForecastsForm)
#include "TSlowForecastsForm_test.moc"
