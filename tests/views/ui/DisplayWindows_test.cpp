#include "views/ui/DisplayTestHost.h"
#include "views/ui/TCategoryRankForm.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTableView>
#include <QTest>

using namespace grd;

class DisplayWindowsTest : public QObject {
    Q_OBJECT

private:
    static QList<WindowCode> codesByCreation(QMdiArea& area) {
        QList<WindowCode> codes;
        for (QMdiSubWindow* window : area.subWindowList(QMdiArea::CreationOrder)) {
            codes.append(displayFormOf(window)->windowCode());
        }
        return codes;
    }

private slots:
    void defaultLayoutOfAnArchive_putsArchiveSpreadsOnTop() {
        test::DisplayTestHost host;
        host.load("WEEK-04.25", kArchiveKind);
        host.views.nameLength = 5;
        openDefaultLayout(host, LayoutFont::Current);
        const QList<WindowCode> expected = {kCategoryRankWindow, kDivisionRankWindow,
                                            kTeamRankWindow, kArchiveScoresWindow,
                                            kArchiveSpreadsWindow};
        QCOMPARE(codesByCreation(host.area), expected);
        QCOMPARE(displayFormOf(host.area.activeSubWindow())->windowCode(), kArchiveSpreadsWindow);
        QCOMPARE(host.views.nameLength, 13);
        QVERIFY(!host.app.isOpen(kSpreadsWindow));
        // Each at its own place, the cascade offsets apart.
        QCOMPARE(host.area.subWindowList(QMdiArea::CreationOrder).at(0)->pos(), QPoint(1, 1));
        QCOMPARE(host.area.activeSubWindow()->pos(), QPoint(41, 81));
    }

    void defaultLayoutOfMainData_opensSpreadsOnlyWithForecasts() {
        test::DisplayTestHost host;
        host.load("MAIN-DTA.GRD", kMainDataKind);
        host.font = QFont(QStringLiteral("Courier"), 14);
        openDefaultLayout(host, LayoutFont::Default);
        QCOMPARE(host.font.family(), QStringLiteral("Arial"));
        QCOMPARE(host.font.pointSize(), 10);
        QCOMPARE(displayFormOf(host.area.activeSubWindow())->windowCode(), kSpreadsWindow);
        QCOMPARE(host.app.openWindowCount(), 4);

        test::DisplayTestHost noForecasts;
        noForecasts.load("MAIN-DTA.GRD", kMainDataKind);
        noForecasts.app.program.spreads[1] = kNoSpread;
        openDefaultLayout(noForecasts, LayoutFont::Current);
        QCOMPARE(noForecasts.app.openWindowCount(), 3);
        QCOMPARE(displayFormOf(noForecasts.area.activeSubWindow())->windowCode(), kTeamRankWindow);
    }

    void fontChange_redrawsWithNewColumnWidths() {
        test::DisplayTestHost host;
        host.load("MAIN-DTA.GRD", kMainDataKind);
        auto* form = host.open<TCategoryRankForm>(kCategoryRankWindow);
        const int before = form->grid()->columnWidth(1);
        host.font.setPointSize(20);
        redrawDisplayWindows(&host.area, false, true);
        QVERIFY(form->grid()->columnWidth(1) > before);
        QCOMPARE(form->grid()->font().pointSize(), 20);
    }

    void copy_takesTheActiveWindow() {
        test::DisplayTestHost host;
        host.load("WEEK-04.25", kArchiveKind);
        openDefaultLayout(host, LayoutFont::Current);
        copyActiveDisplayWindow(&host.area);
        QCOMPARE(test::clipboardLines(), test::expectedLines("archive-spreads.txt"));
    }

    void headerRow_offersTheWindowsPopupMenu() {
        test::DisplayTestHost host;
        host.load("WEEK-04.25", kArchiveKind);
        host.app.rankings->archivedScores.clear();
        host.app.rankings->scoreCount = 0;
        auto* form = host.open<TDisplayForm>(kArchiveScoresWindow);
        QVERIFY(form->caption().startsWith(QStringLiteral(" No Scores for")));
        QHeaderView* header = form->grid()->horizontalHeader();
        const QPoint at = header->sectionViewportPosition(0) * QPoint(1, 0) + QPoint(5, 5);
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, header->viewport()->mapToGlobal(at));
        QApplication::sendEvent(header->viewport(), &click);
        auto* menu = form->findChild<QMenu*>(QStringLiteral("DisplayPopupMenu"));
        QTRY_VERIFY(menu->isVisible());
        menu->close();
        form->findChild<QAction*>(QStringLiteral("DisplayPopupCopy"))->trigger();
        QCOMPARE(test::clipboardLines().size(), 3);
    }
};

QTEST_MAIN(DisplayWindowsTest)
#include "DisplayWindows_test.moc"
