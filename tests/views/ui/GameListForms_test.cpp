#include "league/ui/MessageDialogs.h"
#include "views/ui/DisplayTestHost.h"
#include "views/ui/TArchiveScoresForm.h"
#include "views/ui/TArchiveSpreadsForm.h"
#include "views/ui/TSpreadsForm.h"

#include <QHeaderView>
#include <QMdiSubWindow>
#include <QTableView>
#include <QTest>

using namespace grd;

// The spreads, archive spreads and archive scores windows: three small game lists.
class GameListFormsTest : public QObject {
    Q_OBJECT

private slots:
    void spreads_copyTheForecastsOfThisRun() {
        test::DisplayTestHost host;
        host.load("MAIN-DTA.GRD", kMainDataKind);
        auto* form = host.open<TSpreadsForm>(kSpreadsWindow);
        QVERIFY(form != nullptr);
        QVERIFY(!form->grid()->horizontalHeader()->sectionsMovable());
        form->CopyToClipboard();
        QCOMPARE(test::clipboardLines(), test::expectedLines("spreads.txt"));
    }

    void spreadsWithoutForecasts_refuseToPrint() {
        test::DisplayTestHost host;
        host.load("MAIN-DTA.GRD", kMainDataKind);
        host.app.program.spreads[1] = kNoSpread;
        auto* form = host.open<TSpreadsForm>(kSpreadsWindow);
        form->findChild<QAction*>(QStringLiteral("DisplayPopupPrintSpreadsGrid"))->trigger();
        QCOMPARE(host.errors.size(), size_t(1));
        QCOMPARE(host.errors.front().number, -25);
    }

    void archiveWindows_copyTheStoredWeek() {
        test::DisplayTestHost host;
        host.load("WEEK-04.25", kArchiveKind);
        auto* spreads = host.open<TArchiveSpreadsForm>(kArchiveSpreadsWindow);
        auto* scores = host.open<TArchiveScoresForm>(kArchiveScoresWindow);
        QVERIFY(spreads != nullptr && scores != nullptr);
        // Each window is wide enough for its whole caption.
        for (TDisplayForm* form :
             {static_cast<TDisplayForm*>(spreads), static_cast<TDisplayForm*>(scores)}) {
            auto* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget());
            QVERIFY(sub->width() >= titleBarWidth(form->caption(), sub->font()));
        }
        spreads->CopyToClipboard();
        QCOMPARE(test::clipboardLines(), test::expectedLines("archive-spreads.txt"));
        scores->CopyToClipboard();
        QCOMPARE(test::clipboardLines(), test::expectedLines("archive-scores.txt"));
        scores->findChild<QAction*>(QStringLiteral("DisplayPopupPrint"))->trigger();
        spreads->findChild<QAction*>(QStringLiteral("DisplayPopupPreviewSpreadsGrid"))->trigger();
        spreads->findChild<QAction*>(QStringLiteral("DisplayPopupPrint"))->trigger();
        QVERIFY(host.errors.empty());
        // Each item hands its one report on: scores, archive grid (preview), archive plain.
        QCOMPARE(host.printRequests.size(), size_t(3));
        QCOMPARE(host.printRequests[0].kind, 8);
        QVERIFY(!host.printRequests[0].preview);
        QCOMPARE(host.printRequests[1].kind, 7);
        QVERIFY(host.printRequests[1].preview);
        QCOMPARE(host.printRequests[2].kind, 6);
    }

    void archiveWithoutSpreads_showsAnEmptyNoSpreadsWindow() {
        test::DisplayTestHost host;
        host.load("WEEK-03.25", kArchiveKind);
        auto* spreads = host.open<TArchiveSpreadsForm>(kArchiveSpreadsWindow);
        QCOMPARE(spreads->grid()->model()->rowCount(), 0);
        QVERIFY(spreads->caption().startsWith(QLatin1String(" No Spreads for ")));
        spreads->findChild<QAction*>(QStringLiteral("DisplayPopupPrintPreview"))->trigger();
        QCOMPARE(host.errors.size(), size_t(1));
        QCOMPARE(host.errors.front().number, -25);
    }

    void archiveWithoutScores_refusesToPrintThem() {
        test::DisplayTestHost host;
        host.load("WEEK-03.25", kArchiveKind);
        host.app.rankings->scoreCount = 0;
        host.app.rankings->archivedScores.clear();
        auto* scores = host.open<TArchiveScoresForm>(kArchiveScoresWindow);
        scores->findChild<QAction*>(QStringLiteral("DisplayPopupPrint"))->trigger();
        QCOMPARE(host.errors.size(), size_t(1));
        QCOMPARE(host.errors.front().number, -26);
        QVERIFY(host.printRequests.empty());
    }
};

QTEST_MAIN(GameListFormsTest)
#include "GameListForms_test.moc"
