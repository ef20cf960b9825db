#include "league/ui/MessageDialogs.h"
#include "tasks/CatchUpFixture.h"
#include "tasks/ui/TCatchUpDlg.h"

#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <filesystem>

using namespace grd;
namespace fs = std::filesystem;

class TCatchUpDlgTest : public QObject {
    Q_OBJECT

private slots:
    void init() { MessageDialogs::recordErrors(&errors_); }
    void cleanup() { MessageDialogs::recordErrors(nullptr); }

    void listsTheWeeksThenCancelKeepsTheFinishedOnes() {
        test::TempDir dir;
        AppState app;
        QVERIFY(test::makeSeasonStart(dir, app));
        TCatchUpDlg dialog(app);
        QVERIFY(dialog.prepare(test::kGames2024).ok());
        auto* weeks = dialog.findChild<QListWidget*>(QStringLiteral("WeeksList"));
        QCOMPARE(weeks->count(), 23);
        QCOMPARE(weeks->item(0)->text(), QStringLiteral("Week 1 forecasts"));
        QCOMPARE(weeks->item(22)->text(), QStringLiteral("Super Bowl scores"));
        dialog.show();
        auto* cancel = dialog.findChild<QPushButton*>(QStringLiteral("CancelBtn"));
        // Pressed while the first week is being entered: it ends the run after it.
        QTimer::singleShot(0, cancel, [cancel] { QTest::mouseClick(cancel, Qt::LeftButton); });
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("RunBtn")), Qt::LeftButton);
        QCOMPARE(dialog.weeksWritten(), 1);
        QVERIFY(fs::exists(dir.path() / "WEEK-00.24"));
        QVERIFY(!fs::exists(dir.path() / "WEEK-01.24"));
        QCOMPARE(dialog.findChild<QProgressBar*>(QStringLiteral("CatchUpProgress"))->value(), 1);
        QCOMPARE(cancel->text(), QStringLiteral("Close"));
        QVERIFY(errors_.empty());
        closesWithEnter(dialog, QDialog::Accepted);
    }

    void mismatchedGameIsRefusedBeforeAnyWeekIsWritten() {
        test::TempDir dir;
        AppState app;
        QVERIFY(test::makeSeasonStart(dir, app));
        auto records = dir.write("games.csv", test::recordsWithMismatchInWeek2());
        TCatchUpDlg dialog(app);
        QVERIFY(dialog.prepare(records.string()).ok());
        const std::string mainBefore = dir.read("MAIN-DTA.GRD");
        dialog.show();
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("RunBtn")), Qt::LeftButton);
        QCOMPARE(dialog.weeksWritten(), 0);
        QVERIFY(!fs::exists(dir.path() / "WEEK-00.24"));
        QCOMPARE(errors_.size(), size_t(1));
        const QString message = QString::fromStdString(errors_.front().detail);
        QVERIFY2(message.contains(QLatin1String("week 2: MIA at BUF is not on the schedule")),
                 qPrintable(message));
        QCOMPARE(dir.read("MAIN-DTA.GRD"), mainBefore);
        closesWithEnter(dialog, QDialog::Rejected);
    }

    void unreadableRecordsAreRefusedNamingTheLine() {
        test::TempDir dir;
        AppState app;
        QVERIFY(test::makeSeasonStart(dir, app));
        auto records = dir.write("games.csv", "week,away_team\n1,BUF\n");
        TCatchUpDlg dialog(app);
        auto prepared = dialog.prepare(records.string());
        QVERIFY(!prepared.ok());
        QCOMPARE(prepared.failure().number, -54);
        QVERIFY(prepared.failure().detail.find("games.csv") != std::string::npos);
        QVERIFY(!dialog.readCancelled());
    }

private:
    // Once nothing runs, Close is enabled and the default button; it accepts when
    // weeks were saved.
    static void closesWithEnter(TCatchUpDlg& dialog, QDialog::DialogCode result) {
        auto* close = dialog.findChild<QPushButton*>(QStringLiteral("CancelBtn"));
        QVERIFY(close->isEnabled());
        QVERIFY(close->isDefault());
        QTest::keyClick(&dialog, Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(result));
    }

    std::vector<Failure> errors_;
};

QTEST_MAIN(TCatchUpDlgTest)
#include "TCatchUpDlg_test.moc"
