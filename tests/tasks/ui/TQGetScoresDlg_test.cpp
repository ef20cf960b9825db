#include "league/ui/MessageDialogs.h"
#include "tasks/TaskFixture.h"
#include "tasks/ui/ScoreBox.h"
#include "tasks/ui/TQGetScoresDlg.h"
#include "tasks/ui/TaskWindowTesting.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>

namespace grd {

using namespace test;

class TestTQGetScoresDlg : public QObject {
    Q_OBJECT

private:
    std::vector<Failure> errors;

    // The test league's week 1: four games, 1-2, 3-4, 5-6 and 7-8.
    static WeekData firstWeek(TaskFixture& fx) {
        auto data = fx.weekData(2);
        for (int team = 1; team <= TaskFixture::kTeams; ++team) {
            fx.app.program.scoreTeams[static_cast<size_t>(team)] = team;
        }
        fx.app.program.scoreGameCount = 4;
        return data;
    }

    static void open(QDialog& dialog) {
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
    }

    static QString cell(QWidget* dialog, int row, int column) {
        return child<QTableWidget>(dialog, "ScoresGrid")->item(row, column)->text();
    }

    // The cells highlighted, which must be the one cell that takes what is typed.
    static bool highlightOnCurrent(const QTableWidget* grid) {
        auto selected = grid->selectionModel()->selectedIndexes();
        return selected.size() == 1 && selected.front() == grid->currentIndex();
    }

private slots:
    void init() {
        errors.clear();
        MessageDialogs::recordErrors(&errors);
    }
    void cleanup() { MessageDialogs::recordErrors(nullptr); }

    void enterInAScoreBox_entersTheGameEveryTime() {
        TaskFixture fx;
        TQGetScoresDlg dialog(firstWeek(fx), true, nullptr);
        open(dialog);
        press(Qt::Key_Return); // at opening, "21" selected in the first box
        QCOMPARE(cell(&dialog, 0, 1), QStringLiteral("21"));
        type("24");
        press(Qt::Key_Tab);
        press(Qt::Key_Return); // the second box's "21" selected by the Tab
        QCOMPARE(cell(&dialog, 1, 1), QStringLiteral("24"));
        QCOMPARE(cell(&dialog, 1, 3), QStringLiteral("21"));
        // The boxes are back at "21", selected; the first one was typed into before.
        press(Qt::Key_Return);
        QCOMPARE(cell(&dialog, 2, 1), QStringLiteral("21"));
        QCOMPARE(cell(&dialog, 2, 3), QStringLiteral("21"));
        QCOMPARE(child<QLabel>(&dialog, "TeamLabel1")->text(), QStringLiteral("Golf"));
        press(Qt::Key_Tab);
        type("17");
        press(Qt::Key_Backtab);
        press(Qt::Key_Return);
        QCOMPARE(cell(&dialog, 3, 1), QStringLiteral("21"));
        QCOMPARE(cell(&dialog, 3, 3), QStringLiteral("17"));
        QVERIFY(errors.empty());
    }

    void reviewHighlight_standsOnTheCellThatTakesInput() {
        TaskFixture fx;
        TQGetScoresDlg dialog(firstWeek(fx), true, nullptr);
        open(dialog);
        for (int game = 0; game < 4; ++game) {
            press(Qt::Key_Return);
        }
        auto* grid = child<QTableWidget>(&dialog, "ScoresGrid");
        QCOMPARE(QApplication::focusWidget(), grid);

        press(Qt::Key_Right); // toward the second name: the second score
        QCOMPARE(grid->currentColumn(), 3);
        QVERIFY(highlightOnCurrent(grid));
        clickCell(grid, 2, 0); // the first name of another row: its first score
        QCOMPARE(grid->currentRow(), 2);
        QCOMPARE(grid->currentColumn(), 1);
        QVERIFY(highlightOnCurrent(grid));
        clickCell(grid, 2, 2); // the second name from the first score: the second score
        QCOMPARE(grid->currentColumn(), 3);
        QVERIFY(highlightOnCurrent(grid));

        press(Qt::Key_Backspace);
        press(Qt::Key_Backspace);
        press(Qt::Key_Down);   // refused: the empty score stays selected
        clickCell(grid, 0, 1); // refused the same way
        press(Qt::Key_Tab);    // and once more, keeping the focus
        QCOMPARE(int(errors.size()), 3);
        QCOMPARE(errors[0].number, -23);
        QCOMPARE(QApplication::focusWidget(), grid);
        QCOMPARE(grid->currentRow(), 2);
        QCOMPARE(grid->currentColumn(), 3);
        QVERIFY(highlightOnCurrent(grid));
        type("7");
        QCOMPARE(cell(&dialog, 2, 3), QStringLiteral("7"));
        press(Qt::Key_Up);
        QCOMPARE(grid->currentRow(), 1);
        QVERIFY(highlightOnCurrent(grid));
    }

    void scoreBox_typingReplacesTheScoreAfterARefusalOrAFocus() {
        TaskFixture fx;
        TQGetScoresDlg dialog(firstWeek(fx), true, nullptr);
        open(dialog);
        auto* first = child<ScoreBox>(&dialog, "ScoresCombo1");
        auto* second = child<ScoreBox>(&dialog, "ScoresCombo2");
        type("99");
        press(Qt::Key_Return); // refused: -23, the box keeps the focus
        QCOMPARE(int(errors.size()), 1);
        type("14");
        QCOMPARE(first->score(), QStringLiteral("14"));
        QTest::mouseClick(second->lineEdit(), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), second);
        type("7");
        QCOMPARE(second->score(), QStringLiteral("7"));
        press(Qt::Key_Backtab);
        type("3");
        QCOMPARE(first->score(), QStringLiteral("3"));
    }

    void discardQuestion_enterKeepsTheScores() {
        MessageDialogs::recordErrors(nullptr); // the real question box
        TaskFixture fx;
        TQGetScoresDlg dialog(firstWeek(fx), true, nullptr);
        open(dialog);
        press(Qt::Key_Return);
        bool asked = false;
        onModal(QStringLiteral("ConfirmBox"), [&asked](QWidget*) {
            asked = true;
            press(Qt::Key_Return);
        });
        press(Qt::Key_Escape);
        QVERIFY(asked);
        QVERIFY(dialog.isVisible());
        QCOMPARE(cell(&dialog, 0, 1), QStringLiteral("21"));
    }

    void weekOneOfTheShippedSeason_showsWholeAndStaysFixed() {
        for (bool cityNames : {true, false}) {
            ShippedLeague league;
            TQGetScoresDlg dialog(league.scoring(1), cityNames, nullptr);
            open(dialog);
            checkFitsScreen(&dialog);
            QVERIFY(dialog.windowTitle().endsWith(QStringLiteral("Week 1")));
            auto* grid = child<QTableWidget>(&dialog, "ScoresGrid");
            QCOMPARE(grid->rowCount(), 16);
            QSize opened = dialog.size();
            for (int game = 0; game < grid->rowCount(); ++game) {
                press(Qt::Key_Return);
            }
            QVERIFY(child<QFrame>(&dialog, "AllOKPanel")->isVisible());
            QVERIFY(showsWhole(grid));
            QCOMPARE(cutCells(grid), QStringList());
            QCOMPARE(dialog.size(), opened);
        }
    }
};

} // namespace grd

QTEST_MAIN(grd::TestTQGetScoresDlg)
#include "TQGetScoresDlg_test.moc"
