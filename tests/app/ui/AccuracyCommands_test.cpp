#include "accuracy/ui/TForecastAccuracyForm.h"
#include "accuracy/ui/TRatingsChartForm.h"
#include "app/ui/TMainForm.h"
#include "league/ui/HelpRequest.h"
#include "league/ui/MessageDialogs.h"
#include "prefs/RecordsAddress.h"
#include "support/LocalHttpServer.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"
#include "tasks/CatchUpFixture.h"
#include "tasks/ui/TCatchUpDlg.h"

#include "MainFormTesting.h"
#include "TestConfig.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace grd {

namespace {

// Runs act on the modal window of the given name once it is the active one; each call
// polls with a timer of its own, as a nested dialog's wait runs inside another's.
void whenModal(const char* name, std::function<void(QWidget*)> act) {
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, name, act = std::move(act)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal->objectName() == QLatin1String(name) &&
            QApplication::activeWindow() == modal) {
            poll->stop();
            poll->deleteLater();
            act(modal);
        }
    });
    poll->start();
}

} // namespace

// The season commands as the main window offers them, on the shipped 2025 data with
// its first two weeks caught up.
class AccuracyCommandsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TempDir> dir_;
    std::vector<Failure> errors_;

    QAction* item(TMainForm& form, const char* name) {
        auto* action = form.findChild<QAction*>(name);
        if (action == nullptr)
            qFatal("no menu item %s", name);
        return action;
    }
    void ready(TMainForm& form) {
        form.show();
        test::tickTwice(form);
        // The splash took the focus while it was up; the keys go to the main window.
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
    }

private slots:
    void init() {
        dir_ = std::make_unique<test::TempDir>();
        test::copyProgramFiles(dir_->path());
        QCOMPARE(test::runTool("replay " + dir_->path().string() + " " + ODDSMITH_DATA_DIR +
                               "games-2025.csv --through 2")
                     .status,
                 0);
        errors_.clear();
        MessageDialogs::recordErrors(&errors_);
    }
    void cleanup() {
        MessageDialogs::recordErrors(nullptr);
        dir_.reset();
    }

    void accuracyWindowOpensFromViewOnce() {
        TMainForm form(dir_->dir());
        ready(form);
        QVERIFY(item(form, "smViewForecastAccuracy")->isEnabled());
        item(form, "smViewForecastAccuracy")->trigger();
        QCOMPARE(form.mdiArea()->subWindowList().size(), 1);
        QCOMPARE(form.mdiArea()->subWindowList().front()->windowTitle(),
                 QStringLiteral("Forecast Accuracy: 2025-26"));
        // Asking again brings the same window forward.
        item(form, "smViewForecastAccuracy")->trigger();
        QCOMPARE(form.mdiArea()->subWindowList().size(), 1);
        QVERIFY(errors_.empty());
    }

    void ratingsChartOpensFromView() {
        TMainForm form(dir_->dir());
        ready(form);
        item(form, "smViewRatingsChart")->trigger();
        QCOMPARE(form.mdiArea()->subWindowList().size(), 1);
        QCOMPARE(form.mdiArea()->subWindowList().front()->windowTitle(),
                 QStringLiteral("Ratings Chart: 2025-26"));
    }

    void windowMenuArrangesTheAccuracyAndChartWindows() {
        TMainForm form(dir_->dir());
        ready(form);
        item(form, "smViewForecastAccuracy")->trigger();
        item(form, "smViewRatingsChart")->trigger();
        QTest::keyClick(&form, Qt::Key_W, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
        for (const char* name :
             {"smWindowCascade", "smWindowTile", "smWindowNext", "smWindowPrevious"})
            QVERIFY2(item(form, name)->isEnabled(), name);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    }

    void f1_opensTheTopicOfTheAccuracyOrChartWindowInUse() {
        TMainForm form(dir_->dir());
        ready(form);
        std::vector<int> topics;
        setHelpHandler([&topics](int context) { topics.push_back(context); });
        for (auto [command, inside] : {std::pair{"smViewForecastAccuracy", "WeeksGrid"},
                                       std::pair{"smViewRatingsChart", "TeamsTree"}}) {
            item(form, command)->trigger();
            form.findChild<QWidget*>(inside)->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        }
        setHelpHandler(nullptr);
        QCOMPARE(topics, (std::vector<int>{TForecastAccuracyForm::kHelpContext,
                                           TRatingsChartForm::kHelpContext}));
    }

    // F1 in the records file choosers of Import Market Lines and Catch Up.
    void f1_inARecordsChooserOpensItsCommandsTopic() {
        TMainForm form(dir_->dir());
        ready(form);
        std::vector<int> topics;
        setHelpHandler([&topics](int context) { topics.push_back(context); });
        for (const char* command : {"smFileImportMarketLines", "smTasksSeasonalCatchUp"}) {
            QTimer waitForChooser;
            waitForChooser.setInterval(5);
            connect(&waitForChooser, &QTimer::timeout, [&waitForChooser] {
                QWidget* chooser = QApplication::activeModalWidget();
                if (chooser != nullptr &&
                    chooser->objectName() == QLatin1String("RecordsFileDlg") &&
                    QApplication::activeWindow() == chooser) {
                    waitForChooser.stop();
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
                }
            });
            waitForChooser.start();
            item(form, command)->trigger();
        }
        setHelpHandler(nullptr);
        QCOMPARE(topics, (std::vector<int>{TForecastAccuracyForm::kHelpContext,
                                           TCatchUpDlg::kHelpContext}));
    }

    void catchUpShowsItsWeeksInTheOpenSeasonWindows() {
        TMainForm form(dir_->dir());
        ready(form);
        item(form, "smViewForecastAccuracy")->trigger();
        item(form, "smViewRatingsChart")->trigger();
        auto* weeks = form.findChild<QTableView*>("WeeksGrid");
        QVERIFY(weeks != nullptr);
        const int weeksBefore = weeks->model()->rowCount();
        TCatchUpDlg::setNextFileName(
            QString::fromStdString(ODDSMITH_DATA_DIR + std::string("games-2025.csv")));
        // The records are read behind a progress window first: wait for the dialog itself.
        QTimer waitForDialog;
        waitForDialog.setInterval(5);
        connect(&waitForDialog, &QTimer::timeout, [&waitForDialog] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (dialog != nullptr && dialog->objectName() == QLatin1String("TCatchUpDlg")) {
                waitForDialog.stop();
                QTest::mouseClick(dialog->findChild<QPushButton*>("RunBtn"), Qt::LeftButton);
                QTest::mouseClick(dialog->findChild<QPushButton*>("CancelBtn"), Qt::LeftButton);
            }
        });
        waitForDialog.start();
        item(form, "smTasksSeasonalCatchUp")->trigger();
        QVERIFY(weeks->model()->rowCount() > weeksBefore);
        QVERIFY2(errors_.empty(), errors_.empty() ? "" : errors_.front().detail.c_str());
    }

    // As a new user would: File | Get Game Records from the stand-in for the public
    // address, then the catch-up and the market lines it offers, all by keys.
    void getGameRecordsCatchesUpAndImportsTheLinesByKeys() {
        test::LocalHttpServer server;
        server.answer("/games.csv",
                      test::LocalHttpServer::Answer::file(QByteArray::fromStdString(
                          test::recordsWithLines("-3", ODDSMITH_DATA_DIR "games-2025.csv"))));
        qputenv("no_proxy", "127.0.0.1");
        qputenv(kRecordsAddressVariable, server.url("/games.csv").toLatin1());
        TMainForm form(dir_->dir());
        ready(form);
        whenModal("TGetRecordsDlg", [](QWidget* get) {
            QTest::keyClick(get, Qt::Key_Return); // Get
            whenModal("TCatchUpDlg", [](QWidget* catchUp) {
                QTest::keyClick(catchUp, Qt::Key_Return); // Run
                QTest::keyClick(catchUp, Qt::Key_Return); // Close
            });
            QTest::keyClick(get, Qt::Key_Return); // Catch Up, the default once records came
            // Offscreen, the closed catch-up dialog leaves no window active.
            QApplication::setActiveWindow(get);
            // Nothing is left to catch up: Import Market Lines is the default now.
            const QString status = get->findChild<QLabel*>("StatusLabel")->text();
            QVERIFY2(status.contains("Catch Up waits for Week 14 scores: 13 of 14 games have "
                                     "scores so far."),
                     qPrintable(status));
            QTest::keyClick(get, Qt::Key_Return);
            QTest::keyClick(get, Qt::Key_Escape);
        });
        QTest::keyClick(&form, Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_G);
        qunsetenv(kRecordsAddressVariable);
        QVERIFY(!dir_->read("GRDRecords.csv").empty());
        QVERIFY(!dir_->read("WEEK-13.25").empty());
        QVERIFY(!dir_->read("GRDLines.25.csv").empty());
        QCOMPARE(errors_.size(), size_t(1));
        QVERIFY2(errors_.front().detail.find("Market lines of 272 games imported") !=
                     std::string::npos,
                 errors_.front().detail.c_str());
    }

    void catchUpCancelledInItsFileDialogChangesNothing() {
        const std::string before = dir_->read("MAIN-DTA.GRD");
        TMainForm form(dir_->dir());
        ready(form);
        TCatchUpDlg::setNextFileName(QString());
        item(form, "smTasksSeasonalCatchUp")->trigger();
        QCOMPARE(dir_->read("MAIN-DTA.GRD"), before);
        QVERIFY2(errors_.empty(), errors_.empty() ? "" : errors_.front().detail.c_str());
    }
};

} // namespace grd

QTEST_MAIN(grd::AccuracyCommandsTest)
#include "AccuracyCommands_test.moc"
