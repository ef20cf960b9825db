#include "app/ui/TMainForm.h"
#include "files/DirectoryLock.h"
#include "league/ui/MessageDialogs.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"

#include "MainFormTesting.h"
#include "TestConfig.h"

#include <QAction>
#include <QProcess>
#include <QTest>

#include <sys/wait.h>

namespace grd {

// The program and grdtool on one data directory, as two real processes.
class TwoProgramsTest : public QObject {
    Q_OBJECT

    // A second program on the directory, opened read-only as offered, offers no command
    // that would write there.
    static void expectASecondProgramReadOnly(const test::TempDir& dir) {
        std::vector<Failure> errors;
        MessageDialogs::recordErrors(&errors);
        MessageDialogs::setNextAnswer(Answer::Yes);
        {
            TMainForm second(dir.dir());
            second.show();
            test::tickTwice(second);
            for (const char* name : {"smTasksWeekly", "smFileGetRecords", "smFileImportMarketLines",
                                     "smFileRevert", "smFileReplaceMain"}) {
                auto* item = second.findChild<QAction*>(QLatin1String(name));
                QVERIFY2(item != nullptr && !item->isEnabled(), name);
            }
        }
        MessageDialogs::recordErrors(nullptr);
    }

private slots:
    void grdtoolRefusesWhileTheProgramRunsAndGoesOnOnceItIsKilled() {
        test::TempDir dir;
        test::copyProgramFiles(dir.path());
        const std::string replay = "replay " + dir.path().string() + " " + ODDSMITH_DATA_DIR +
                                   "games-2025.csv --through 2";
        QProcess program;
        program.setProcessEnvironment([] {
            auto environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
            return environment;
        }());
        program.start(QStringLiteral(ODDSMITH_PROGRAM_DIR "Oddsmith"),
                      {QStringLiteral("--data-dir"), QString::fromStdString(dir.dir())});
        QVERIFY(program.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(lockHolderOtherThanThisProcess(dir.path()).has_value() &&
                                     lockHolderOtherThanThisProcess(dir.path())->pid ==
                                         program.processId(),
                                 20000);
        const std::string before = dir.read("MAIN-DTA.GRD");
        auto refused = test::runTool(replay);
        QCOMPARE(WEXITSTATUS(refused.status), 1);
        const std::string holder =
            "in use by Oddsmith (process " + std::to_string(program.processId()) + ")";
        QVERIFY2(refused.output.find(holder) != std::string::npos, refused.output.c_str());
        QCOMPARE(dir.read("MAIN-DTA.GRD"), before);
        expectASecondProgramReadOnly(dir);

        // The kernel lets the lock go with the process: a killed program blocks nobody.
        program.kill();
        QVERIFY(program.waitForFinished());
        auto replayed = test::runTool(replay);
        QVERIFY2(replayed.status == 0, replayed.output.c_str());
    }
};

} // namespace grd

QTEST_MAIN(grd::TwoProgramsTest)
#include "TwoPrograms_test.moc"
