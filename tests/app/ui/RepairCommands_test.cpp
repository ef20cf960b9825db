#include "app/ui/TMainForm.h"
#include "league/RankingsFile.h"
#include "league/ui/MessageDialogs.h"
#include "prefs/ui/HelpWindow.h"
#include "state/MainDataVersion.h"

#include "MainFormTesting.h"
#include "TestConfig.h"
#include "support/TempDir.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMenu>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <sys/resource.h>

#include <csignal>
#include <filesystem>

namespace fs = std::filesystem;

namespace grd {

// File | Revert and File | Replace Main Data File, chosen from the menus by their keys.
class RepairCommandsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TempDir> dir_;
    std::vector<Failure> errors_;

    std::string dir() const { return dir_->dir(); }
    std::string read(const std::string& name) const { return dir_->read(name); }
    void write(const std::string& name, const std::string& text) const { dir_->write(name, text); }

    // A ready main window, shown and active so that its keys reach the menus.
    static void makeReady(TMainForm& form) {
        form.resize(1000, 700);
        form.show();
        test::tickTwice(form);
        // The splash took the focus while it was up; the keys go to the main window.
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
    }
    // Opens a menu with Alt and its letter, then presses the item's letter.
    static void chooseMenuItem(TMainForm& form, Qt::Key menu, Qt::Key item) {
        QTest::keyClick(&form, menu, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
        QTest::keyClick(QApplication::activePopupWidget(), item);
    }
    static void viewCurrent(TMainForm& form) {
        form.findChild<QAction*>("smViewCurrent")->trigger();
        QVERIFY(form.state().rankings);
    }
    // The loaded main data written as the archive of week 3 with one team changed, and
    // that archive loaded for viewing.
    void loadArchive(TMainForm& form, const std::string& name) {
        AppState& app = form.state();
        viewCurrent(form);
        app.rankings->teams[5].total = 131.25;
        app.program.currentWeek = 4;
        QVERIFY(WriteRankings(kArchiveKind, dir() + name, *app.rankings, app.program, app.league,
                              app.schedule->teamCount));
        auto archive = std::make_unique<tRankings>();
        QVERIFY(ReadRankings(dir() + name, kArchiveKind, *archive, app.program, app.league));
        app.rankings = std::move(archive);
    }

private slots:
    void init() {
        dir_ = std::make_unique<test::TempDir>();
        test::copyProgramFiles(dir_->path());
        HelpWindow::setBundleDir(QString::fromStdString(dir() + "GRDOdds.help"));
        errors_.clear();
        MessageDialogs::recordErrors(&errors_);
    }
    void cleanup() {
        closeHelp();
        MessageDialogs::recordErrors(nullptr);
        dir_.reset();
    }

    void revert_bringsBackTheStartupFileAndLeavesNothingLoaded() {
        const std::string start = read("MAIN-DTA.GRD");
        TMainForm form(dir());
        makeReady(form);
        viewCurrent(form);
        write("MAIN-DTA.GRD", "5.1\r\nMD\r\nas two saved weekly tasks left it\r\n");
        noteMainDataOnDisk(form.state()); // as the program's own saves do

        MessageDialogs::setNextAnswer(Answer::Yes);
        chooseMenuItem(form, Qt::Key_F, Qt::Key_T);
        QCOMPARE(MessageDialogs::questionsAsked(), std::vector<int>{501});
        QCOMPARE(errors_, (std::vector<Failure>{{0, "Reversion successful."}}));
        QCOMPARE(read("MAIN-DTA.GRD"), start);
        QVERIFY(!form.state().rankings);
        QVERIFY(form.mdiArea()->subWindowList().isEmpty());
        QCOMPARE(form.windowTitle(), QStringLiteral("GRD Oddsmith 7.18: No File Loaded"));
        QVERIFY(!form.findChild<QToolButton*>("RestoreLayoutSBtn")->isEnabled());
        QVERIFY(!form.state().program.hasUnsavedData());
    }

    void revert_stopsOnNoOrCancelAndWhenTheCopyIsMissing() {
        TMainForm form(dir());
        makeReady(form);
        viewCurrent(form);
        const std::string changed = "5.1\r\nMD\r\nchanged\r\n";
        write("MAIN-DTA.GRD", changed);
        noteMainDataOnDisk(form.state());

        MessageDialogs::setNextAnswer(Answer::No);
        chooseMenuItem(form, Qt::Key_F, Qt::Key_T);
        QVERIFY(errors_.empty());
        QVERIFY(form.state().rankings);

        // Unsaved results: Cancel in the save question stops too.
        form.state().program.rankingsUpdated = true;
        MessageDialogs::setNextAnswer(Answer::Yes);
        MessageDialogs::setNextAnswer(Answer::Cancel);
        chooseMenuItem(form, Qt::Key_F, Qt::Key_T);
        QCOMPARE(MessageDialogs::questionsAsked().size(), size_t{3});
        QVERIFY(form.state().rankings);
        form.state().program.rankingsUpdated = false;

        fs::remove(dir() + "main-dta.rvt");
        MessageDialogs::setNextAnswer(Answer::Yes);
        chooseMenuItem(form, Qt::Key_F, Qt::Key_T);
        QCOMPARE(test::numbers(errors_), std::vector<int>{-45});
        QVERIFY(form.state().rankings); // nothing was closed
        QCOMPARE(read("MAIN-DTA.GRD"), changed);
    }

    // Reverting would throw away what another program saved since.
    void revert_refusesAMainDataFileAnotherProgramChanged() {
        TMainForm form(dir());
        makeReady(form);
        const std::string theirs = "5.1\r\nMD\r\nwritten by another program\r\n";
        write("MAIN-DTA.GRD", theirs);
        MessageDialogs::setNextAnswer(Answer::Yes);
        chooseMenuItem(form, Qt::Key_F, Qt::Key_T);
        QCOMPARE(test::numbers(errors_), std::vector<int>{-21});
        QVERIFY(errors_[0].detail.find("MAIN-DTA.GRD was changed by another program") !=
                std::string::npos);
        QCOMPARE(read("MAIN-DTA.GRD"), theirs);
    }

    void revert_invalidCopyGivesMinus43AndNoMessage() {
        TMainForm form(dir());
        makeReady(form);
        write("main-dta.rvt", "5.1\r\nAD\r\n32\r\n");
        MessageDialogs::setNextAnswer(Answer::Yes);
        chooseMenuItem(form, Qt::Key_F, Qt::Key_T);
        QCOMPARE(errors_, (std::vector<Failure>{{-43, ""}}));
    }

    void revert_failedCopyLeavesTheMainDataFileByteIdentical() {
        TMainForm form(dir());
        makeReady(form);
        const std::string before = "5.1\r\nMD\r\nwritten after start-up\r\n";
        write("MAIN-DTA.GRD", before);
        noteMainDataOnDisk(form.state());
        // The disk takes no more than a few bytes: the copy fails half-way.
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit tiny = old;
        tiny.rlim_cur = 64;
        auto previous = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &tiny);
        MessageDialogs::setNextAnswer(Answer::Yes);
        chooseMenuItem(form, Qt::Key_F, Qt::Key_T);
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, previous);

        QCOMPARE(test::numbers(errors_), (std::vector<int>{-46, 0}));
        QCOMPARE(errors_[1].detail,
                 std::string("Reversion incomplete. Main-dta.grd was not changed."));
        QCOMPARE(read("MAIN-DTA.GRD"), before);
        for (const auto& entry : fs::directory_iterator(dir()))
            QVERIFY2(entry.path().filename().string().find(".tmp") == std::string::npos,
                     "a temporary file was left behind");
    }

    void replace_writesTheArchiveAndKeepsItLoaded() {
        const std::string start = read("MAIN-DTA.GRD");
        TMainForm form(dir());
        makeReady(form);
        loadArchive(form, "WEEK-03.25");

        // No to the help question, Yes to the confirmation.
        MessageDialogs::setNextAnswer(Answer::No);
        MessageDialogs::setNextAnswer(Answer::Yes);
        chooseMenuItem(form, Qt::Key_F, Qt::Key_M);
        QCOMPARE(MessageDialogs::questionsAsked(), (std::vector<int>{201, 201}));
        QCOMPARE(errors_, (std::vector<Failure>{{0, "Data replacement completed."}}));
        QCOMPARE(form.state().rankings->fileName, std::string("WEEK-03.25"));

        tRankings main;
        ProgramState program;
        QVERIFY(ReadRankings(dir() + "MAIN-DTA.GRD", kMainDataKind, main, program,
                             form.state().league));
        QCOMPARE(main.teams[5].total, 131.25);
        QCOMPARE(program.currentWeek, 4); // the next weekly task starts from the archive's week

        // Revert still has the file of program start.
        errors_.clear();
        MessageDialogs::setNextAnswer(Answer::Yes);
        chooseMenuItem(form, Qt::Key_F, Qt::Key_T);
        QCOMPARE(read("MAIN-DTA.GRD"), start);
    }

    // Runs check on the question box as soon as it is up, then presses Escape: No, or
    // Cancel where the box has it.
    static void onQuestion(std::function<void(QWidget*)> check) {
        auto* timer = new QTimer;
        timer->setInterval(5);
        QObject::connect(timer, &QTimer::timeout, [=] {
            QWidget* box = QApplication::activeModalWidget();
            if (box == nullptr || box->objectName() != QLatin1String("ConfirmBox"))
                return;
            timer->stop();
            timer->deleteLater();
            check(box);
            QTest::keyClick(box, Qt::Key_Escape);
        });
        timer->start();
    }

    // The help answer opens the topic above the confirmation, usable while it waits;
    // Escape closes it; F1 in either warning opens the repair's topic.
    void repairWarnings_openTheirTopicAboveTheQuestion() {
        TMainForm form(dir());
        makeReady(form);
        loadArchive(form, "WEEK-03.25");
        const std::string main = read("MAIN-DTA.GRD");
        MessageDialogs::recordErrors(nullptr);
        MessageDialogs::setNextAnswer(Answer::Yes); // read the help now
        onQuestion([](QWidget* box) {
            QTRY_VERIFY(HelpWindow::exists() && HelpWindow::instance()->isVisible());
            QCOMPARE(HelpWindow::instance()->currentTopic(), QStringLiteral("repair.html#replace"));
            QCOMPARE(HelpWindow::instance()->parentWidget(), box); // above it, not blocked
            QVERIFY(HelpWindow::instance()->frameGeometry().bottom() < 800);
            QTRY_COMPARE(QApplication::activeWindow(), HelpWindow::instance());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QTRY_VERIFY(!HelpWindow::exists());
            QApplication::setActiveWindow(box);
        });
        chooseMenuItem(form, Qt::Key_F, Qt::Key_M);
        QCOMPARE(read("MAIN-DTA.GRD"), main); // No: nothing written

        const std::pair<Qt::Key, const char*> warnings[] = {{Qt::Key_M, "repair.html#replace"},
                                                            {Qt::Key_T, "repair.html#revert"}};
        for (const auto& [item, topic] : warnings) {
            onQuestion([topic](QWidget* box) {
                QTest::keyClick(box, Qt::Key_F1);
                QTRY_VERIFY(HelpWindow::exists());
                QCOMPARE(HelpWindow::instance()->currentTopic(), QLatin1String(topic));
                closeHelp();
                QTRY_VERIFY(!HelpWindow::exists());
                QApplication::setActiveWindow(box);
            });
            QApplication::setActiveWindow(&form);
            chooseMenuItem(form, Qt::Key_F, item);
            QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
        }
        QCOMPARE(read("MAIN-DTA.GRD"), main);
        MessageDialogs::recordErrors(&errors_);
    }

    void replace_refusesMainDataAndForeignTeamCounts() {
        TMainForm form(dir());
        makeReady(form);
        loadArchive(form, "WEEK-03.25");
        form.state().rankings->fileName = "main-dta.grd";
        chooseMenuItem(form, Qt::Key_F, Qt::Key_M);
        QCOMPARE(test::numbers(errors_), std::vector<int>{-50});

        errors_.clear();
        form.state().rankings->fileName = "WEEK-03.25";
        form.state().schedule->teamCount += 1;
        chooseMenuItem(form, Qt::Key_F, Qt::Key_M);
        QCOMPARE(errors_, (std::vector<Failure>{{-51, "WEEK-03.25"}}));
        QVERIFY(MessageDialogs::questionsAsked().empty());
    }
};

} // namespace grd

QTEST_MAIN(grd::RepairCommandsTest)
#include "RepairCommands_test.moc"
