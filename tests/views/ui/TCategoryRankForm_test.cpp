#include "views/ui/DisplayGridModel.h"
#include "views/ui/DisplayTestHost.h"
#include "views/ui/TCategoryRankForm.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

using namespace grd;

class TCategoryRankFormTest : public QObject {
    Q_OBJECT

private:
    void clickCell(TCategoryRankForm* form, int row, int column) {
        QTableView* grid = form->grid();
        const QRect cell = grid->visualRect(grid->model()->index(row, column));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }
    // Equal teams may change places between drawings, so cells are found by name.
    int rowOf(TCategoryRankForm* form, int column, const QString& team) {
        const QAbstractItemModel* model = form->grid()->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            if (model->index(row, column).data().toString().contains(team)) {
                return row;
            }
        }
        return -1;
    }
    void clickTeam(TCategoryRankForm* form, int column, const QString& team) {
        clickCell(form, rowOf(form, column, team), column);
    }
    int mark(TCategoryRankForm* form, int column, const QString& team) {
        return form->grid()
            ->model()
            ->index(rowOf(form, column, team), column)
            .data(DisplayGridModel::MarkRole)
            .toInt();
    }
    QString label(TCategoryRankForm* form) {
        return form->findChild<QLabel*>(QStringLiteral("HighlightLabel"))->text();
    }

private slots:
    void copy_listsEightRankingsSideBySide() {
        test::DisplayTestHost host;
        host.load("MAIN-DTA.GRD", kMainDataKind);
        auto* form = host.open<TCategoryRankForm>(kCategoryRankWindow);
        QVERIFY(form != nullptr);
        form->CopyToClipboard();
        QCOMPARE(test::clipboardLines(), test::expectedLines("category-rankings.txt"));
    }

    void toolbarItem_hidesTheBarAndTheNextWindowOpensWithout() {
        test::DisplayTestHost host;
        host.load("MAIN-DTA.GRD", kMainDataKind);
        auto* form = host.open<TCategoryRankForm>(kCategoryRankWindow);
        auto* bar = form->findChild<QWidget*>(QStringLiteral("TheToolbar"));
        QVERIFY(bar->isVisible());
        form->findChild<QAction*>(QStringLiteral("DisplayPopupToolbar"))->trigger();
        QVERIFY(!bar->isVisible());
        QVERIFY(!host.app.prefs.view.catToolbar);
        QVERIFY(host.app.prefs.view.teamToolbar);
        host.area.closeAllSubWindows();
        QTRY_VERIFY(host.area.subWindowList().isEmpty());
        auto* again = host.open<TCategoryRankForm>(kCategoryRankWindow);
        QVERIFY(again != nullptr);
        QVERIFY(!again->findChild<QWidget*>(QStringLiteral("TheToolbar"))->isVisible());
    }

    void clickingCells_picksTeamsInTurn() {
        test::DisplayTestHost host;
        host.load("MAIN-DTA.GRD", kMainDataKind);
        auto* form = host.open<TCategoryRankForm>(kCategoryRankWindow);
        QCOMPARE(label(form), QStringLiteral("Buffalo at Miami"));
        clickTeam(form, 1, QStringLiteral("New York"));
        QCOMPARE(label(form), QStringLiteral("New York at Miami"));
        QCOMPARE(mark(form, 1, QStringLiteral("New York")), int(CellMark::FirstTeam));
        QCOMPARE(mark(form, 8, QStringLiteral("New York")), int(CellMark::FirstTeam));
        QCOMPARE(mark(form, 1, QStringLiteral("Buffalo")), int(CellMark::None));
        clickTeam(form, 3, QStringLiteral("Dallas"));
        QCOMPARE(label(form), QStringLiteral("New York at Dallas"));
        QCOMPARE(mark(form, 5, QStringLiteral("Dallas")), int(CellMark::SecondTeam));
        clickTeam(form, 3, QStringLiteral("Dallas")); // already picked
        clickCell(form, 3, 0);                        // the Rank column picks nothing
        QCOMPARE(label(form), QStringLiteral("New York at Dallas"));
    }

    void informalForecasts_collectNewestFirstAndCopy() {
        test::DisplayTestHost host;
        host.load("MAIN-DTA.GRD", kMainDataKind);
        auto* form = host.open<TCategoryRankForm>(kCategoryRankWindow);
        clickTeam(form, 1, QStringLiteral("New York"));
        clickTeam(form, 1, QStringLiteral("Dallas")); // equal in total
        auto* withHta =
            form->findChild<QAction*>(QStringLiteral("DisplayPopupInformalForecastHTA"));
        auto* withoutHta =
            form->findChild<QAction*>(QStringLiteral("DisplayPopupInformalForecastNoHTA"));
        withHta->trigger();
        withoutHta->trigger();
        // San Francisco is 2.2 better than Dallas: even all the same.
        clickTeam(form, 1, QStringLiteral("San Francisco"));
        withoutHta->trigger();
        const std::vector<std::string> expected = {"San Francisco at Dallas EVEN (no HTA)",
                                                   "New York at Dallas EVEN (no HTA)",
                                                   "Dallas (w/ HTA) over New York by  2"};
        QCOMPARE(form->forecasts(), expected);
        QCOMPARE(form->findChild<QComboBox*>(QStringLiteral("InstantSpreadsCB"))->currentIndex(),
                 0);

        auto* menu = form->findChild<QMenu*>(QStringLiteral("InstantForecastPopupMenu"));
        emit menu->aboutToShow();
        auto* copyAll = form->findChild<QAction*>(QStringLiteral("InstantCopy"));
        QVERIFY(copyAll->isEnabled());
        copyAll->trigger();
        QCOMPARE(test::clipboardLines().size(), 5);
        QCOMPARE(test::clipboardLines().at(1), QStringLiteral("Informal Forecasts"));

        form->findChild<QAction*>(QStringLiteral("InstantPreview"))->trigger();
        QCOMPARE(host.printRequests.size(), size_t(1));
        QVERIFY(host.printRequests[0].preview);
        QCOMPARE(host.printRequests[0].title, QStringLiteral("Informal Forecasts"));
        QCOMPARE(host.printRequests[0].lines.size(), int(form->forecasts().size()));

        form->findChild<QAction*>(QStringLiteral("InstantDelete"))->trigger();
        QCOMPARE(form->forecasts().front(), expected[1]);
        form->findChild<QAction*>(QStringLiteral("InstantClear"))->trigger();
        QVERIFY(form->forecasts().empty());
        emit menu->aboutToShow();
        QVERIFY(!copyAll->isEnabled());
    }

    void shorterNames_narrowTheColumns() {
        test::DisplayTestHost host;
        host.load("MAIN-DTA.GRD", kMainDataKind);
        auto* form = host.open<TCategoryRankForm>(kCategoryRankWindow);
        const int wide = form->grid()->columnWidth(1);
        form->findChild<QSpinBox*>(QStringLiteral("NameLengthSpin"))->setValue(3);
        QCOMPARE(host.views.nameLength, 3);
        QCOMPARE(form->grid()->model()->index(0, 1).data().toString(),
                 QStringLiteral(" 106.2  Buf  "));
        QVERIFY(form->grid()->columnWidth(1) < wide);
    }

    void draggedRankColumn_keepsEveryColumnItsWidth() {
        test::DisplayTestHost host;
        host.load("MAIN-DTA.GRD", kMainDataKind);
        auto* form = host.open<TCategoryRankForm>(kCategoryRankWindow);
        QHeaderView* header = form->grid()->horizontalHeader();
        std::vector<int> widths;
        for (int column = 0; column < 9; ++column)
            widths.push_back(header->sectionSize(column));
        // The user drags Rank between Def and Pts+; a redraw sets the widths again.
        header->moveSection(0, 3);
        host.views.nameLength = 12;
        form->findChild<QSpinBox*>(QStringLiteral("NameLengthSpin"))->setValue(13);
        QCOMPARE(form->columnMap().logicalAt(3), 0);
        for (int column = 0; column < 9; ++column)
            QCOMPARE(header->sectionSize(column), widths[static_cast<size_t>(column)]);
        QVERIFY(header->sectionSize(0) < header->sectionSize(1) / 2); // no room for names
    }

    void informalForecastsLabel_underlinesItsKeyAndAltIOpensTheMenu() {
        test::DisplayTestHost host;
        host.load("MAIN-DTA.GRD", kMainDataKind);
        auto* form = host.open<TCategoryRankForm>(kCategoryRankWindow);
        auto* label = form->findChild<QLabel*>(QStringLiteral("InstantLabel"));
        QTextDocument shown;
        shown.setHtml(label->text());
        QCOMPARE(shown.toPlainText(), QStringLiteral("Informal Forecasts"));
        QStringList underlined;
        for (auto part = shown.begin().begin(); !part.atEnd(); ++part)
            if (part.fragment().charFormat().fontUnderline())
                underlined << part.fragment().text();
        QCOMPARE(underlined, QStringList{QStringLiteral("I")});

        host.area.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&host.area));
        form->grid()->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_I, Qt::AltModifier);
        auto* menu = form->findChild<QMenu*>(QStringLiteral("InstantForecastPopupMenu"));
        QTRY_VERIFY(menu->isVisible());
        menu->close();
    }
};

QTEST_MAIN(TCategoryRankFormTest)
#include "TCategoryRankForm_test.moc"
