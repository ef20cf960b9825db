#include "league/ui/MessageDialogs.h"
#include "tasks/TaskFixture.h"
#include "tasks/ui/ScoreBox.h"
#include "tasks/ui/TSlowScoresForm.h"
#include "tasks/ui/TaskWindowTesting.h"
#include "tasks/ui/TeamsGrid.h"

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

    // A game entered by keys alone: arrows and space pick, Tab leaves the teams grid
    // for the boxes, Enter enters and the teams grid takes the focus back.
    void keyboardAlone_entersAGameWithTheCursorUnlikeAPick() {
        TaskFixture fx;
        TSlowScoresForm dialog(fx.weekData(104), true, nullptr);
        open(dialog);
        auto* teams = child<TeamsGrid>(&dialog, "TeamsGrid");
        QCOMPARE(QApplication::focusWidget(), teams);
        teams->setCurrentCell(1, 0);
        press(Qt::Key_Space);
        press(Qt::Key_Down);
        press(Qt::Key_Space);
        press(Qt::Key_Right);
        QCOMPARE(label(&dialog, "TeamLabel1"), QStringLiteral("Alpha"));
        QCOMPARE(label(&dialog, "TeamLabel2"), QStringLiteral("Bravo"));

        // The picked teams are filled with the highlight, the cursor only framed in it.
        QImage image = teams->viewport()->grab().toImage();
        auto cellRect = [teams](int row, int column) {
            return teams->visualItemRect(teams->item(row, column));
        };
        QColor highlight = teams->palette().color(QPalette::Highlight);
        QRect cursor = cellRect(2, 1);
        QCOMPARE(image.pixelColor(cellRect(2, 0).right() - 2, cellRect(2, 0).center().y()),
                 highlight);
        QVERIFY(image.pixelColor(cursor.right() - 4, cursor.center().y()) != highlight);
        QCOMPARE(image.pixelColor(cursor.left() + 1, cursor.center().y()), highlight);

        press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), child<ScoreBox>(&dialog, "ScoresCombo1"));
        type("10");
        press(Qt::Key_Tab);
        type("13");
        press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), child<QWidget>(&dialog, "EnterBtn"));
        press(Qt::Key_Space);
        QCOMPARE(cell(&dialog, 0, 1), QStringLiteral("10"));
        QCOMPARE(cell(&dialog, 0, 3), QStringLiteral("13"));
        QCOMPARE(QApplication::focusWidget(), teams);
        QVERIFY(errors.empty());
    }

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
