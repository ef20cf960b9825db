#include "views/ui/DisplayTestHost.h"
#include "views/ui/TScheduleForm.h"

#include <QComboBox>
#include <QMdiSubWindow>
#include <QTableView>
#include <QTest>

using namespace grd;

class TScheduleFormTest : public QObject {
    Q_OBJECT

private:
    QComboBox* views(TScheduleForm* form) {
        return form->findChild<QComboBox*>(QStringLiteral("ScheduleTypeCB"));
    }
    QString cell(TScheduleForm* form, int row, int column) {
        return form->grid()->model()->index(row, column).data().toString();
    }

private slots:
    void completeSchedule_needsNoLoadedData() {
        test::DisplayTestHost host;
        auto* form = host.open<TScheduleForm>(kScheduleWindow);
        QVERIFY(form != nullptr);
        QVERIFY(host.app.isOpen(kScheduleWindow));
        QCOMPARE(views(form)->count(), 14);
        form->CopyToClipboard();
        QCOMPARE(test::clipboardLines(), test::expectedLines("schedule-complete.txt"));
    }

    void sundayNight_startsAtSix() {
        test::DisplayTestHost host;
        auto* form = host.open<TScheduleForm>(kScheduleWindow);
        const int before = form->subWindow()->height();
        views(form)->setCurrentIndex(1);
        form->ScheduleTypeCBChange(1);
        QCOMPARE(form->caption(), QStringLiteral("2025 Fixture Schedule: Sunday Night Games"));
        QCOMPARE(form->grid()->model()->rowCount(), 2);
        QCOMPARE(cell(form, 0, 5), QStringLiteral(" 6:00 PM"));
        QVERIFY(form->subWindow()->height() < before);
        QCOMPARE(host.views.scheduleType, 1);
    }

    void teamView_showsItsByeAsOpenDate() {
        test::DisplayTestHost host;
        auto* form = host.open<TScheduleForm>(kScheduleWindow);
        form->ScheduleTypeCBChange(12); // Green Bay
        QCOMPARE(form->grid()->model()->rowCount(), 3);
        QCOMPARE(cell(form, 2, 0), QStringLiteral(" Open Date"));
        QVERIFY(cell(form, 2, 2).isEmpty());
    }

    void viewWithoutGames_refusesToPrint() {
        test::DisplayTestHost host;
        auto* form = host.open<TScheduleForm>(kScheduleWindow);
        form->ScheduleTypeCBChange(7); // Saturday
        QCOMPARE(cell(form, 0, 0), QStringLiteral(" No Games"));
        form->findChild<QAction*>(QStringLiteral("DisplayPopupPrint"))->trigger();
        QCOMPARE(host.errors.size(), size_t(1));
        QCOMPARE(host.errors.front().number, -36);
        QVERIFY(host.printRequests.empty());
    }

    void print_handsTheViewShownOn() {
        test::DisplayTestHost host;
        auto* form = host.open<TScheduleForm>(kScheduleWindow);
        form->findChild<QAction*>(QStringLiteral("DisplayPopupPrintPreview"))->trigger();
        const int lastTeam =
            form->findChild<QComboBox*>(QStringLiteral("ScheduleTypeCB"))->count() - 1;
        form->ScheduleTypeCBChange(lastTeam);
        form->findChild<QAction*>(QStringLiteral("DisplayPopupPrint"))->trigger();
        QVERIFY(host.errors.empty());
        QCOMPARE(host.printRequests.size(), size_t(2));
        QCOMPARE(host.printRequests[0].scheduleType, 0);
        QVERIFY(host.printRequests[0].preview);
        QCOMPARE(host.printRequests[1].scheduleType, lastTeam);
        QVERIFY(!host.printRequests[1].preview);
        QVERIFY(!host.printRequests[1].viewName.empty());
    }

    void closing_clearsItsFlag() {
        test::DisplayTestHost host;
        auto* form = host.open<TScheduleForm>(kScheduleWindow);
        form->subWindow()->close();
        QVERIFY(!host.app.isOpen(kScheduleWindow));
    }
};

QTEST_MAIN(TScheduleFormTest)
#include "TScheduleForm_test.moc"
