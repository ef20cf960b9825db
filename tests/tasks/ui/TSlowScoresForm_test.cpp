#include "league/ui/MessageDialogs.h"
#include "tasks/TaskFixture.h"
#include "tasks/ui/ScoreBox.h"
#include "tasks/ui/TSlowScoresForm.h"
#include "tasks/ui/TaskWindowTesting.h"

#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>

namespace grd {

using namespace test;

class TestTSlowScoresForm : public QObject {
    Q_OBJECT

private:
    std::vector<Failure> errors;

    static void open(QDialog& dialog) {
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
    }

    static QString cell(QWidget* dialog, int row, int column) {
        return child<QTableWidget>(dialog, "ScoresGrid")->item(row, column)->text();
    }

    static QString label(QWidget* dialog, const char* name) {
        return child<QLabel>(dialog, name)->text();
    }

private slots:
    void init() {
        errors.clear();
        MessageDialogs::recordErrors(&errors);
    }
    void cleanup() { MessageDialogs::recordErrors(nullptr); }

    void enterInAScoreBox_entersTheGameEveryTime() {
        TaskFixture fx;
        TSlowScoresForm dialog(fx.weekData(104), true, nullptr);
        open(dialog);
        auto* first = child<ScoreBox>(&dialog, "ScoresCombo1")->lineEdit();
        pickTeam(&dialog, 1);
        pickTeam(&dialog, 2);
        QTest::mouseClick(first, Qt::LeftButton);
        first->selectAll();
        type("10");
        press(Qt::Key_Tab);
        type("13");
        press(Qt::Key_Return);
        QCOMPARE(cell(&dialog, 0, 0), QStringLiteral(" Alpha"));
        QCOMPARE(cell(&dialog, 0, 1), QStringLiteral("10"));
        QCOMPARE(cell(&dialog, 0, 3), QStringLiteral("13"));

        // The boxes are back at "21"; the second one was typed into before.
        pickTeam(&dialog, 3);
        pickTeam(&dialog, 4);
        QTest::mouseClick(first, Qt::LeftButton);
        press(Qt::Key_Tab);
        press(Qt::Key_Return); // the second box's "21" selected by the Tab
        QCOMPARE(cell(&dialog, 1, 0), QStringLiteral(" Charlie"));
        QCOMPARE(cell(&dialog, 1, 3), QStringLiteral("21"));
        QVERIFY(errors.empty());
    }

    void declinedCancel_nextPickFillsTheFirstTeam() {
        TaskFixture fx;
        TSlowScoresForm dialog(fx.weekData(104), true, nullptr);
        open(dialog);
        pickTeam(&dialog, 1);
        pickTeam(&dialog, 2);
        click(&dialog, "EnterBtn");
        pickTeam(&dialog, 3);
        QCOMPARE(label(&dialog, "TeamLabel1"), QStringLiteral("Charlie"));
        MessageDialogs::setNextAnswer(Answer::No);
        click(&dialog, "CancelBtn");
        QCOMPARE(MessageDialogs::questionsAsked(), std::vector<int>{8});
        QVERIFY(dialog.isVisible());
        pickTeam(&dialog, 5);
        QCOMPARE(label(&dialog, "TeamLabel1"), QStringLiteral("Echo"));
        QCOMPARE(label(&dialog, "TeamLabel2"), QString());
    }

    void shippedLeague_showsEveryDivisionAndAWholeWeek() {
        for (bool cityNames : {true, false}) {
            ShippedLeague league;
            TSlowScoresForm dialog(league.week(105), cityNames, nullptr);
            open(dialog);
            checkFitsScreen(&dialog);
            auto* teams = child<QTableWidget>(&dialog, "TeamsGrid");
            auto* scores = child<QTableWidget>(&dialog, "ScoresGrid");
            QCOMPARE(teams->columnCount(), 8);
            QCOMPARE(scores->rowCount(), 16);
            QVERIFY(showsWhole(teams));
            QVERIFY(showsWhole(scores));
            QCOMPARE(cutCells(teams), QStringList());
            QSize opened = dialog.size();
            // Two teams picked: the labels show their names whole.
            clickCell(teams, 1, 0);
            clickCell(teams, 1, 1);
            for (const char* name : {"TeamLabel1", "TeamLabel2"}) {
                auto* shown = child<QLabel>(&dialog, name);
                QVERIFY(shown->width() >= shown->sizeHint().width());
            }
            click(&dialog, "EnterBtn");
            QCOMPARE(cutCells(scores), QStringList());
            QCOMPARE(dialog.size(), opened);
        }
    }
};

} // namespace grd

QTEST_MAIN(grd::TestTSlowScoresForm)
#include "TSlowScoresForm_test.moc"
