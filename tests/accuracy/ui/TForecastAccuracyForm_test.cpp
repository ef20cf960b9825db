#include "accuracy/ui/AccuracyTestHost.h"
#include "accuracy/ui/AccuracyWindows.h"
#include "accuracy/ui/TForecastAccuracyForm.h"

#include <QAction>
#include <QLabel>
#include <QTableView>
#include <QTest>

using namespace grd;

namespace {

struct AccuracyHost : test::AccuracyTestHost {
    TForecastAccuracyForm* openAccuracy() {
        return formOf<TForecastAccuracyForm>(openForecastAccuracy(*this));
    }
};

QStringList expectedAccuracyLines(const char* name) {
    QString text = QString::fromStdString(test::readFile(test::kAccuracyFixtureDir + name));
    text.chop(1);
    return text.split(QLatin1Char('\n'));
}

} // namespace

class TForecastAccuracyFormTest : public QObject {
    Q_OBJECT

private slots:
    void opensOnTheLastWeekAndCopiesBothTables() {
        AccuracyHost host;
        auto* form = host.openAccuracy();
        QVERIFY(form != nullptr);
        QCOMPARE(form->caption(), QStringLiteral("Forecast Accuracy: 2025-26"));
        auto* weeks = form->findChild<QTableView*>(QStringLiteral("WeeksGrid"));
        QCOMPARE(weeks->model()->rowCount(), 5);
        QCOMPARE(form->findChild<QLabel*>(QStringLiteral("WeekLabel"))->text(),
                 QStringLiteral("Super Bowl"));
        form->findChild<QAction*>(QStringLiteral("AccuracyPopupCopy"))->trigger();
        QCOMPARE(test::clipboardLines(), expectedAccuracyLines("accuracy-window.txt"));
    }

    void clickingAWeekShowsItsGames() {
        AccuracyHost host;
        auto* form = host.openAccuracy();
        auto* weeks = form->findChild<QTableView*>(QStringLiteral("WeeksGrid"));
        auto* games = form->findChild<QTableView*>(QStringLiteral("GamesGrid"));
        QTest::mouseClick(weeks->viewport(), Qt::LeftButton, {},
                          weeks->visualRect(weeks->model()->index(1, 0)).center());
        QCOMPARE(form->chosenWeek(), 1);
        QCOMPARE(games->model()->rowCount(), 3);
        QCOMPARE(games->model()->index(2, 3).data().toString(), QStringLiteral("not played"));
        // The season row keeps the week shown.
        QTest::mouseClick(weeks->viewport(), Qt::LeftButton, {},
                          weeks->visualRect(weeks->model()->index(4, 0)).center());
        QCOMPARE(form->chosenWeek(), 1);
    }

    void secondRequestBringsTheOpenWindowForward() {
        AccuracyHost host;
        QMdiSubWindow* first = openForecastAccuracy(host);
        QCOMPARE(openForecastAccuracy(host), first);
        QCOMPARE(host.area.subWindowList().size(), 1);
    }

    void damagedArchive_reportsItsErrorAndOpensNothing() {
        AccuracyHost host;
        host.dir.write("WEEK-01.25", "5.1\r\nAD\r\n6\r\n1.0 2.0\r\n");
        QVERIFY(openForecastAccuracy(host) == nullptr);
        QCOMPARE(host.errors.size(), size_t(1));
        QCOMPARE(host.errors.front().number, -17);
        QVERIFY(host.area.subWindowList().isEmpty());
    }
};

QTEST_MAIN(TForecastAccuracyFormTest)
#include "TForecastAccuracyForm_test.moc"
