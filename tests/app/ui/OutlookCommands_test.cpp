#include "app/ui/CsvExport.h"
#include "app/ui/TMainForm.h"
#include "league/ui/MessageDialogs.h"
#include "outlook/ui/TSeasonOutlookForm.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"
#include "views/ui/DisplayGridModel.h"

#include "MainFormTesting.h"
#include "TestConfig.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace grd {

// View | Season Outlook on the shipped 2025 data caught up through week 9.
class OutlookCommandsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TempDir> dir_;
    std::vector<Failure> errors_;

    std::unique_ptr<test::TempDir> next_; // the season a week further on

    static bool replayThrough(const test::TempDir& dir, int week) {
        return test::runTool("replay " + dir.path().string() + " " + ODDSMITH_DATA_DIR +
                             "games-2025.csv --through " + std::to_string(week))
                   .status == 0;
    }
    void ready(TMainForm& form) {
        form.resize(1200, 760);
        form.show();
        test::tickTwice(form);
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
    }
    // Alt+V, then O, as a user opens it.
    static TSeasonOutlookForm* openByKeys(TMainForm& form) {
        QTest::keyClick(&form, Qt::Key_V, Qt::AltModifier);
        if (!QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }))
            return nullptr;
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_O);
        // Closing the menu leaves no window active under the offscreen platform.
        QApplication::setActiveWindow(&form);
        auto* window = form.mdiArea()->activeSubWindow();
        return window == nullptr ? nullptr : qobject_cast<TSeasonOutlookForm*>(window->widget());
    }
    static QString cell(TSeasonOutlookForm* outlook, int tab, int row, int column) {
        auto* grid = outlook->findChild<QTabWidget*>("OutlookTabs")->widget(tab);
        auto* model = qobject_cast<QTableView*>(grid)->model();
        return model->index(row, column).data().toString();
    }

private slots:
    void init() {
        dir_ = std::make_unique<test::TempDir>();
        test::copyProgramFiles(dir_->path());
        QVERIFY(replayThrough(*dir_, 9));
        next_ = std::make_unique<test::TempDir>();
        test::copyProgramFiles(next_->path());
        QVERIFY(replayThrough(*next_, 10));
        errors_.clear();
        MessageDialogs::recordErrors(&errors_);
    }
    void cleanup() {
        MessageDialogs::recordErrors(nullptr);
        dir_.reset();
        next_.reset();
    }

    void opensByKeysFillsInTheChancesAndCopies() {
        TMainForm form(dir_->dir());
        ready(form);
        auto* outlook = openByKeys(form);
        QVERIFY(outlook != nullptr);
        QCOMPARE(outlook->windowTitle(), QStringLiteral("Season Outlook: 2025-26"));
        auto* tabs = outlook->findChild<QTabWidget*>("OutlookTabs");
        QCOMPARE(tabs->count(), 3);
        QCOMPARE(tabs->tabText(2), QStringLiteral("Week 10"));
        QCOMPARE(cell(outlook, 0, 0, 0), QStringLiteral("New England Patriots"));
        QTRY_VERIFY_WITH_TIMEOUT(!outlook->simulating(), 20000);
        QVERIFY(!cell(outlook, 0, 0, 8).isEmpty()); // Playoffs %
        QVERIFY(outlook->findChild<QLabel*>("OutlookFootnote")->text().contains("13.5 points"));
        // A click on "Playoffs %" sorts by it, as numbers, and again the other way.
        auto* grid = qobject_cast<QTableView*>(tabs->widget(0));
        QHeaderView* header = grid->horizontalHeader();
        const QPoint playoffs(header->sectionViewportPosition(8) + 5, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, playoffs);
        const double lowest = cell(outlook, 0, 0, 8).toDouble();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, playoffs);
        QVERIFY(cell(outlook, 0, 0, 8).toDouble() > 90.0);
        QVERIFY(lowest < 1.0);
        // Every column in sight, the sorted one with room for its arrow.
        outlook->parentWidget()->resize(1280, 640); // a window as wide as the screen
        QTRY_COMPARE(grid->horizontalScrollBar()->maximum(), 0);
        QVERIFY(header->sectionSize(8) > header->sectionSize(7));
        // Figures stand right, names left; teams without a seed stay last either way.
        auto alignment = [grid](int column) {
            return grid->model()->index(0, column).data(Qt::TextAlignmentRole).toInt() &
                   Qt::AlignHorizontal_Mask;
        };
        QCOMPARE(alignment(8), int(Qt::AlignRight));
        QCOMPARE(alignment(0), int(Qt::AlignLeft));
        const QPoint seed(header->sectionViewportPosition(5) + 5, header->height() / 2);
        for (int click = 0; click < 2; ++click) {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, seed);
            QVERIFY(!cell(outlook, 0, 0, 5).isEmpty());
            QVERIFY(cell(outlook, 0, 15, 5).isEmpty());
        }
        // The offscreen platform hands the activation to the closed menu late.
        QApplication::setActiveWindow(&form);
        QTRY_COMPARE(QApplication::focusWidget(),
                     outlook->findChild<QTabWidget*>("OutlookTabs")->currentWidget());
        tabs->setCurrentIndex(2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
        QVERIFY2(QGuiApplication::clipboard()->text().contains("Week 10"),
                 qPrintable(QGuiApplication::clipboard()->text().left(300)));
        QVERIFY(errors_.empty());
    }

    void cancelKeepsTheStandingsAndANewWeekRedrawsThem() {
        TMainForm form(dir_->dir());
        ready(form);
        auto* outlook = openByKeys(form);
        QVERIFY(outlook != nullptr);
        QTest::mouseClick(outlook->findChild<QPushButton*>("OutlookCancel"), Qt::LeftButton);
        QTRY_VERIFY(!outlook->simulating());
        QCOMPARE(cell(outlook, 0, 0, 5), QStringLiteral("2")); // seed today
        // The window's buttons take no letter of the main menus.
        QApplication::setActiveWindow(&form);
        QTest::keyClick(&form, Qt::Key_V, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        // The weekly task of week 10 as it saves: its archive, then the main data file.
        for (const char* name : {"WEEK-10.25", "MAIN-DTA.GRD"})
            std::filesystem::copy_file(next_->path() / name, dir_->path() / name,
                                       std::filesystem::copy_options::overwrite_existing);
        QTRY_COMPARE_WITH_TIMEOUT(outlook->findChild<QTabWidget*>("OutlookTabs")->tabText(2),
                                  QStringLiteral("Week 11"), 10000);
    }

    // File | Export as CSV by its keys: every table of the window, as a CSV reader reads it.
    void exportAsCsvWritesTheActiveWindowsTables() {
        TMainForm form(dir_->dir());
        ready(form);
        auto* outlook = openByKeys(form);
        QVERIFY(outlook != nullptr);
        QTRY_VERIFY(!outlook->simulating());
        const std::string file = (next_->path() / "outlook.csv").string();
        setNextCsvFileName(QString::fromStdString(file));
        QApplication::setActiveWindow(&form);
        QTest::keyClick(&form, Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_C);
        // Two conferences of 16 teams and the 14 games of week 10, each under its header.
        const std::string count =
            "python3 -c \"import csv,sys; print(sum(1 for r in csv.reader(open(sys.argv[1], "
            "newline='')) if r))\" " +
            file;
        FILE* pipe = popen(count.c_str(), "r");
        char rows[16] = {};
        QVERIFY(pipe != nullptr && std::fgets(rows, sizeof rows, pipe) != nullptr);
        pclose(pipe);
        QCOMPARE(std::atoi(rows), 17 + 17 + 15);
    }

    void aSeasonWithoutScoresSaysWhatIsMissing() {
        dir_ = std::make_unique<test::TempDir>();
        test::copyProgramFiles(dir_->path());
        TMainForm form(dir_->dir());
        ready(form);
        QVERIFY(openByKeys(form) == nullptr);
        QCOMPARE(errors_.size(), size_t(1));
        QCOMPARE(errors_.front().number, -55);
    }
};

} // namespace grd

QTEST_MAIN(grd::OutlookCommandsTest)
#include "OutlookCommands_test.moc"
