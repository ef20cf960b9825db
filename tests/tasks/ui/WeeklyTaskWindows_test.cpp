#include "TestConfig.h"
#include "league/ui/MessageDialogs.h"
#include "tasks/TaskFixture.h"
#include "tasks/WeeklyTask.h"
#include "tasks/ui/ScoreBox.h"
#include "tasks/ui/TaskWindowTesting.h"
#include "tasks/ui/TeamsGrid.h"
#include "tasks/ui/WeeklyTaskWindows.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace grd {
namespace {

using test::child;
using test::click;
using test::clickCell;
using test::forecastGame;
using test::onModal;
using test::pickTeam;
using test::TaskFixture;

void typeScores(QWidget* window, const char* first, const char* second) {
    for (auto [name, text] : {std::pair{"ScoresCombo1", first}, {"ScoresCombo2", second}}) {
        auto* box = child<ScoreBox>(window, name)->lineEdit();
        box->clear();
        QTest::keyClicks(box, QLatin1String(text));
    }
}

void enterGame(QWidget* window, int first, int second, const char* score1, const char* score2) {
    pickTeam(window, first);
    pickTeam(window, second);
    typeScores(window, score1, score2);
    click(window, "EnterBtn");
}

} // namespace

class TestWeeklyTaskWindows : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TaskFixture> fx;
    std::unique_ptr<CompanionLibrary> companion;
    std::vector<Failure> errors;
    QWidget mainWindow;

    void answer(std::initializer_list<Answer> answers) {
        for (auto reply : answers) {
            MessageDialogs::setNextAnswer(reply);
        }
    }

    // Chooses entry in the companion's week chooser, then runs the task.
    void runWeek(int entry) {
        onModal(QStringLiteral("CHOOSEWEEK"), [entry](QWidget* chooser) {
            child<QListWidget>(chooser, "WeekListBox")->setCurrentRow(entry);
            click(chooser, "OKBtn");
        });
        WeeklyTaskWindows windows(fx->app, *companion, {&mainWindow, {}, {}, {}, {}});
        WeeklyTask(fx->app, windows).run();
    }

    std::vector<int> questions() { return MessageDialogs::questionsAsked(); }

private slots:
    void init() {
        fx = std::make_unique<TaskFixture>();
        companion = std::make_unique<CompanionLibrary>();
        QVERIFY(companion->load(ODDSMITH_COMPANION_LIBRARY).ok());
        const auto& counts = fx->app.league.weekGameCounts;
        std::vector<int> plain(counts.begin(), counts.end());
        companion->SetWGC(plain.data(), static_cast<int>(plain.size()) - 1);
        errors.clear();
        MessageDialogs::recordErrors(&errors);
    }

    void cleanup() {
        MessageDialogs::recordErrors(nullptr);
        companion.reset();
    }

    void regularWeek_typedScoresWithOneCorrected() {
        onModal(QStringLiteral("TQGetScoresDlg"), [](QWidget* dialog) {
            QCOMPARE(dialog->windowTitle(),
                     QStringLiteral(" GRD Oddsmith: Weekly Task: Enter Scores for Week 1"));
            QCOMPARE(child<QLabel>(dialog, "TeamLabel1")->text(), QStringLiteral("Alpha"));
            typeScores(dialog, "99", "3");
            click(dialog, "ScoresOKBtn"); // refused: -23
            for (int game = 0; game < 4; ++game) {
                typeScores(dialog, "24", "17");
                click(dialog, "ScoresOKBtn");
            }
            QVERIFY(child<QFrame>(dialog, "AllOKPanel")->isVisible());
            auto* grid = child<QTableWidget>(dialog, "ScoresGrid");
            clickCell(grid, 2, 3);
            QTest::keyClicks(grid, QStringLiteral("31"));
            QCOMPARE(grid->item(2, 3)->text(), QStringLiteral("31"));
            click(dialog, "DoneBtn");
        });
        answer({Answer::No, Answer::Yes, Answer::No});
        runWeek(1);
        QCOMPARE(errors.size(), size_t{1});
        QCOMPARE(errors[0].number, -23);
        QCOMPARE(questions(), (std::vector<int>{2, 4, 1}));
        QVERIFY(fx->exists("WEEK-01.24"));
        auto& teams = fx->app.rankings->teams;
        QCOMPARE(int(teams[1].wins), 1);
        QCOMPARE(int(teams[6].wins), 1); // the corrected game: 24-31
        QCOMPARE(fx->app.program.currentWeek, 2);
    }

    void lastRegularWeek_goesStraightToThePlayoffChoice() {
        onModal(QStringLiteral("TQGetScoresDlg"), [](QWidget* dialog) {
            for (int game = 0; game < 4; ++game) {
                click(dialog, "ScoresOKBtn"); // the boxes stand at 21-21
            }
            onModal(QStringLiteral("TSlowForecastsForm"), [](QWidget* form) {
                QCOMPARE(form->windowTitle(),
                         QStringLiteral(" GRD Oddsmith: Weekly Task: Choose Teams for Wild Card"));
                forecastGame(form, 1, 3);
                QVERIFY(!child<QPushButton>(form, "DoneBtn")->isEnabled());
                forecastGame(form, 5, 7);
                QVERIFY(child<QFrame>(form, "FullPanel")->isVisible());
                click(form, "DoneBtn");
            });
            click(dialog, "DoneBtn");
        });
        answer({Answer::Yes, Answer::No});
        runWeek(3);
        QCOMPARE(questions(), (std::vector<int>{4, 1}));
        QVERIFY(fx->exists("WEEK-03.24"));
        QCOMPARE(fx->app.program.forecastCount, 2);
        QCOMPARE(fx->app.program.currentWeek, 100);
    }

    void playoffWeek_savesUnderTheRoundName() {
        onModal(QStringLiteral("TSlowScoresForm"), [](QWidget* dialog) {
            enterGame(dialog, 1, 3, "20", "23");
            auto* teams = child<TeamsGrid>(dialog, "TeamsGrid");
            QCOMPARE(teams->item(1, 0)->text(), QLatin1String(kUsedTeamText));
            enterGame(dialog, 5, 7, "10", "7");
            QVERIFY(!child<QPushButton>(dialog, "NotDoneBtn")->isVisible());
            onModal(QStringLiteral("TSlowForecastsForm"), [](QWidget* form) {
                forecastGame(form, 3, 5);
                click(form, "DoneBtn");
            });
            click(dialog, "AllGamesBtn");
        });
        answer({Answer::Yes, Answer::No});
        WeeklyTaskWindows::setNextArchivePath(QString::fromStdString(fx->app.programDir) +
                                              QStringLiteral("Wild Card.24"));
        runWeek(4);
        QCOMPARE(questions(), (std::vector<int>{4, 1}));
        QVERIFY(fx->exists("Wild Card.24"));
        QCOMPARE(int(fx->app.rankings->teams[3].wins), 1);
        QCOMPARE(fx->app.program.forecastCount, 1);
    }

    void finalGame_asksOnlyToSaveAndPrint() {
        onModal(QStringLiteral("TSlowScoresForm"), [](QWidget* dialog) {
            enterGame(dialog, 3, 5, "27", "24");
            click(dialog, "AllGamesBtn");
        });
        answer({Answer::Yes, Answer::No});
        WeeklyTaskWindows::setNextArchivePath(QString::fromStdString(fx->app.programDir) +
                                              QStringLiteral("Super Bowl.24"));
        runWeek(6);
        QCOMPARE(questions(), (std::vector<int>{5, 1}));
        QVERIFY(fx->exists("Super Bowl.24"));
        QCOMPARE(fx->app.program.currentWeek, 103);
    }

    void otherEntry_notDoneResumesEntering() {
        onModal(QStringLiteral("TSlowScoresForm"), [](QWidget* dialog) {
            enterGame(dialog, 2, 4, "3", "6");
            click(dialog, "AllGamesBtn");
            auto* notDone = child<QPushButton>(dialog, "NotDoneBtn");
            QVERIFY(notDone->isVisible());
            QTest::mouseClick(notDone, Qt::LeftButton);
            QVERIFY(child<QPushButton>(dialog, "EnterBtn")->isEnabled());
            enterGame(dialog, 6, 8, "14", "0");
            click(dialog, "AllGamesBtn");
            onModal(QStringLiteral("TSlowForecastsForm"),
                    [](QWidget* form) { click(form, "CancelBtn"); });
            click(dialog, "AllGamesBtn");
        });
        // Two games are no scheduled week: go on all the same; cancel the choice, no save.
        answer({Answer::Yes, Answer::Yes, Answer::No, Answer::No});
        runWeek(7);
        QCOMPARE(questions(), (std::vector<int>{15, 10, 5, 1}));
        QCOMPARE(fx->app.program.scoreGameCount, 2);
        QVERIFY(fx->app.program.hasUnsavedData());
    }

    // A save refused over data another program changed goes elsewhere: the dialog
    // offers a name of its own in the data directory, which Enter takes.
    void mainDataSaveAs_offersANewNameInTheDataDirectory() {
        onModal(QStringLiteral("SaveAsDlg"), [](QWidget* dialog) {
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(name != nullptr);
            QCOMPARE(name->text(), QStringLiteral("MAIN-DTA.NEW"));
            QTest::keyClick(name, Qt::Key_Return);
        });
        WeeklyTaskWindows windows(fx->app, *companion, {&mainWindow, {}, {}, {}, {}});
        QCOMPARE(windows.mainDataPath(), std::optional((fx->dir.path() / "MAIN-DTA.NEW").string()));
    }

    void cancelledEntry_givesTheKeyboardBackToTheMainWindow() {
        mainWindow.show();
        QVERIFY(QTest::qWaitForWindowActive(&mainWindow));
        onModal(QStringLiteral("TSlowScoresForm"), [](QWidget*) { test::press(Qt::Key_Escape); });
        answer({Answer::Yes});
        runWeek(7);
        QCOMPARE(questions(), (std::vector<int>{11}));
        QTRY_COMPARE(QApplication::activeWindow(), &mainWindow);
        QVERIFY(QApplication::focusWidget() != nullptr);
        mainWindow.hide();
    }

    void cancelPaths_askTheirQuestions() {
        // Quick entry: no question before a game, code 9 after one (No stays).
        onModal(QStringLiteral("TQGetScoresDlg"), [](QWidget* dialog) {
            click(dialog, "ScoresOKBtn");
            click(dialog, "CancelBtn");
            QVERIFY(dialog->isVisible());
            click(dialog, "CancelBtn");
        });
        answer({Answer::No, Answer::Yes});
        runWeek(2);
        QCOMPARE(questions(), (std::vector<int>{9, 9}));
        QVERIFY(!fx->exists("WEEK-02.24"));
        QVERIFY(!fx->app.program.hasUnsavedData());

        // Step by step: 11 before a game (No stays), 8 after one (No resumes).
        MessageDialogs::recordErrors(&errors);
        onModal(QStringLiteral("TSlowScoresForm"), [](QWidget* dialog) {
            click(dialog, "CancelBtn");
            enterGame(dialog, 1, 2, "9", "6");
            click(dialog, "CancelBtn");
            QVERIFY(dialog->isVisible());
            click(dialog, "CancelBtn");
        });
        answer({Answer::No, Answer::No, Answer::Yes});
        runWeek(7);
        QCOMPARE(questions(), (std::vector<int>{11, 8, 8}));

        // The final: 12 before the score, 13 after it.
        MessageDialogs::recordErrors(&errors);
        onModal(QStringLiteral("TSlowScoresForm"), [](QWidget* dialog) {
            click(dialog, "CancelBtn");
            enterGame(dialog, 1, 2, "9", "6");
            click(dialog, "CancelBtn");
        });
        answer({Answer::No, Answer::Yes});
        runWeek(6);
        QCOMPARE(questions(), (std::vector<int>{12, 13}));

        // Additional forecasts: none asked before a game, 7 after one; the playoff
        // choice asks 6 after a game.
        MessageDialogs::recordErrors(&errors);
        onModal(QStringLiteral("TSlowForecastsForm"), [](QWidget* form) {
            forecastGame(form, 1, 2);
            click(form, "CancelBtn");
        });
        answer({Answer::Yes, Answer::Yes, Answer::Yes, Answer::No});
        runWeek(0);
        QCOMPARE(questions(), (std::vector<int>{2, 7, 3, 1}));
        QCOMPARE(fx->app.program.forecastCount, 4);

        MessageDialogs::recordErrors(&errors);
        onModal(QStringLiteral("TQGetScoresDlg"), [](QWidget* dialog) {
            for (int game = 0; game < 4; ++game) {
                click(dialog, "ScoresOKBtn");
            }
            onModal(QStringLiteral("TSlowForecastsForm"), [](QWidget* form) {
                forecastGame(form, 1, 2);
                click(form, "CancelBtn");
            });
            click(dialog, "DoneBtn");
        });
        answer({Answer::Yes, Answer::No, Answer::No});
        runWeek(3);
        QCOMPARE(questions(), (std::vector<int>{6, 5, 1}));
        QCOMPARE(fx->app.program.forecastCount, 0);
    }
};

} // namespace grd

QTEST_MAIN(grd::TestWeeklyTaskWindows)
#include "WeeklyTaskWindows_test.moc"
