#include "views/ui/DisplayCellDelegate.h"
#include "views/ui/DisplayGridModel.h"
#include "views/ui/DisplayTestHost.h"
#include "views/ui/TTeamRankForm.h"

#include <QHeaderView>
#include <QMenu>
#include <QTableView>
#include <QTest>
#include <QToolButton>

using namespace grd;

class TTeamRankFormTest : public QObject {
    Q_OBJECT

private:
    QString cell(TTeamRankForm* form, int row, int logical) {
        return form->grid()->model()->index(row, logical).data().toString();
    }
    QAction* popupItem(TTeamRankForm* form, const char* name) {
        return form->findChild<QAction*>(QLatin1String(name));
    }

private slots:
    void copy_listsEveryTeamAndTheAverages() {
        test::DisplayTestHost host;
        host.load("MAIN-DTA.GRD", kMainDataKind);
        auto* form = host.open<TTeamRankForm>(kTeamRankWindow);
        QVERIFY(form != nullptr);
        QVERIFY(host.app.isOpen(kTeamRankWindow));
        QCOMPARE(form->caption(), QStringLiteral(" Team Rankings  2025-26: Week 4  "));
        form->CopyToClipboard();
        QCOMPARE(test::clipboardLines(), test::expectedLines("team-rankings.txt"));
    }

    void draggingTheTeamColumn_keepsValuesUnderTheirHeaders() {
        test::DisplayTestHost host;
        host.load("MAIN-DTA.GRD", kMainDataKind);
        auto* form = host.open<TTeamRankForm>(kTeamRankWindow);
        QHeaderView* header = form->grid()->horizontalHeader();
        header->moveSection(1, 0);
        QCOMPARE(form->columnMap().logicalAt(0), 1);
        form->DrawTheGrid(false, false);
        const QAbstractItemModel* model = form->grid()->model();
        QCOMPARE(model->headerData(header->logicalIndex(0), Qt::Horizontal).toString(),
                 QStringLiteral(" Team"));
        QCOMPARE(model->index(0, header->logicalIndex(0)).data().toString(),
                 QStringLiteral(" Buffalo"));
        form->CopyToClipboard();
        const QStringList lines = test::clipboardLines();
        QCOMPARE(lines.at(2).section(QLatin1Char('\t'), 0, 2),
                 QStringLiteral(" Team\t Rank\t Total"));
        QCOMPARE(lines.at(3).section(QLatin1Char('\t'), 0, 2),
                 QStringLiteral(" Buffalo\t  1\t 106.2"));
        QCOMPARE(lines.at(9).section(QLatin1Char('\t'), 0, 1), QStringLiteral("Averages\t"));
    }

    void namesGridLinesAndHighlighting_redrawEveryWindow() {
        test::DisplayTestHost host;
        host.load("MAIN-DTA.GRD", kMainDataKind);
        auto* form = host.open<TTeamRankForm>(kTeamRankWindow);
        auto* delegate = qobject_cast<DisplayCellDelegate*>(form->grid()->itemDelegate());
        QVERIFY(delegate != nullptr);

        popupItem(form, "DisplayPopupTeamNames")->trigger();
        QVERIFY(!host.app.prefs.view.cityNames);
        QCOMPARE(cell(form, 0, 1), QStringLiteral(" Bills"));
        popupItem(form, "DisplayPopupCityNames")->trigger();
        QCOMPARE(cell(form, 0, 1), QStringLiteral(" Buffalo"));

        popupItem(form, "DisplayPopupHorzLines")->trigger();
        QVERIFY(!host.app.prefs.view.horzLines);
        QVERIFY(!delegate->horizontalLines());
        QVERIFY(delegate->verticalLines());

        const QModelIndex fifth = form->grid()->model()->index(4, 3);
        QCOMPARE(fifth.data(DisplayGridModel::MarkRole).toInt(), int(CellMark::Highlight));
        popupItem(form, "DisplayPopupRowHighlight")->trigger();
        QCOMPARE(form->grid()->model()->index(4, 3).data(DisplayGridModel::MarkRole).toInt(),
                 int(CellMark::None));
    }

    void sortButtons_resortTheWholeProgram() {
        test::DisplayTestHost host;
        host.load("MAIN-DTA.GRD", kMainDataKind);
        auto* form = host.open<TTeamRankForm>(kTeamRankWindow);
        auto* pointsAgainst = form->findChild<QToolButton*>(QStringLiteral("SortPtsMinusSBtn"));
        auto* total = form->findChild<QToolButton*>(QStringLiteral("SortTotalSBtn"));
        QVERIFY(total->isChecked());
        pointsAgainst->click();
        QCOMPARE(host.app.program.sortKey, int16_t(5));
        QVERIFY(pointsAgainst->isChecked());
        QCOMPARE(cell(form, 1, 1), QStringLiteral(" Dallas"));
        const QAbstractItemModel* model = form->grid()->model();
        QCOMPARE(model->headerData(6, Qt::Horizontal, DisplayGridModel::MarkRole).toInt(),
                 int(CellMark::Highlight));
        QCOMPARE(model->headerData(2, Qt::Horizontal, DisplayGridModel::MarkRole).toInt(),
                 int(CellMark::None));
    }

    void toolbarItem_hidesTheSortButtons() {
        test::DisplayTestHost host;
        host.load("MAIN-DTA.GRD", kMainDataKind);
        auto* form = host.open<TTeamRankForm>(kTeamRankWindow);
        auto* bar = form->findChild<QWidget*>(QStringLiteral("TheToolbar"));
        QVERIFY(bar->isVisible());
        popupItem(form, "DisplayPopupToolbar")->trigger();
        QVERIFY(!bar->isVisible());
        QVERIFY(!host.app.prefs.view.teamToolbar);
    }
};

QTEST_MAIN(TTeamRankFormTest)
#include "TTeamRankForm_test.moc"
