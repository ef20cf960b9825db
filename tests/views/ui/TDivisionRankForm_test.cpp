#include "views/ui/DisplayTestHost.h"
#include "views/ui/TDivisionRankForm.h"
#include "views/ui/TTeamRankForm.h"

#include <QTableView>
#include <QTest>

using namespace grd;

class TDivisionRankFormTest : public QObject {
    Q_OBJECT

private slots:
    void copy_listsEachDivisionByPercentage() {
        test::DisplayTestHost host;
        host.load("MAIN-DTA.GRD", kMainDataKind);
        auto* form = host.open<TDivisionRankForm>(kDivisionRankWindow);
        QVERIFY(form != nullptr);
        form->CopyToClipboard();
        QCOMPARE(test::clipboardLines(), test::expectedLines("division-rankings.txt"));
    }

    void newSortKey_renumbersWithoutReordering() {
        test::DisplayTestHost host;
        host.load("MAIN-DTA.GRD", kMainDataKind);
        auto* form = host.open<TDivisionRankForm>(kDivisionRankWindow);
        host.open<TTeamRankForm>(kTeamRankWindow);
        host.resort(kSortPointsFor);
        const QAbstractItemModel* model = form->grid()->model();
        QCOMPARE(model->index(1, 1).data().toString(), QStringLiteral(" Buffalo"));
        QCOMPARE(model->index(1, 0).data().toString(), QStringLiteral("  2"));
        QCOMPARE(model->index(5, 0).data().toString(), QStringLiteral("  1"));
    }

    void windowWithoutData_doesNotOpen() {
        test::DisplayTestHost host;
        QVERIFY(host.open<TDivisionRankForm>(kDivisionRankWindow) == nullptr);
        QVERIFY(!host.app.isOpen(kDivisionRankWindow));
    }
};

QTEST_MAIN(TDivisionRankFormTest)
#include "TDivisionRankForm_test.moc"
