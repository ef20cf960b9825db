#include "app/ui/TMainForm.h"
#include "league/ui/MessageDialogs.h"
#include "printing/ui/PrinterSource.h"
#include "support/TempDir.h"

#include "MainFormTesting.h"
#include "TestConfig.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <QtTest>

#include <filesystem>

namespace fs = std::filesystem;

namespace grd {

class TMainFormTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TempDir> dir_;
    std::vector<Failure> errors_;

    std::string dir() const { return dir_->dir(); }

    static bool menuEnabled(TMainForm& form, const char* name) {
        return form.findChild<QMenu*>(name)->menuAction()->isEnabled();
    }
    static QAction* item(TMainForm& form, const char* name) {
        auto* action = form.findChild<QAction*>(name);
        if (action == nullptr)
            qFatal("no menu item %s", name);
        return action;
    }
    static QToolButton* button(TMainForm& form, const char* name) {
        return form.findChild<QToolButton*>(name);
    }
    static void openMenu(TMainForm& form, const char* name) {
        emit form.findChild<QMenu*>(name)->aboutToShow();
    }

private slots:
    void init() {
        dir_ = std::make_unique<test::TempDir>();
        test::copyProgramFiles(dir());
        errors_.clear();
        MessageDialogs::recordErrors(&errors_);
    }
    void cleanup() {
        MessageDialogs::recordErrors(nullptr);
        dir_.reset();
    }

    // Every "Menu | Item" the help names is a command of the menus as they stand.
    void helpPages_nameOnlyMenuCommandsThatExist() {
        TMainForm form(dir());
        const QRegularExpression path(QStringLiteral("<b>([A-Z][^<|]*(?: \\| [^<|]+)+)</b>"));
        const auto plain = [](QString caption) {
            return caption.remove(QLatin1Char('&')).remove(QStringLiteral("...")).trimmed();
        };
        const QDir pages(QStringLiteral(ODDSMITH_SOURCE_DIR "/help/GRDOdds.help"));
        QStringList missing;
        for (const QString& name : pages.entryList({QStringLiteral("*.html")})) {
            QFile page(pages.filePath(name));
            QVERIFY(page.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(page.readAll()).simplified();
            for (const auto& match : path.globalMatch(text)) {
                QList<QAction*> actions = form.menuBar()->actions();
                QAction* found = nullptr;
                for (const QString& step : match.captured(1).split(QStringLiteral(" | "))) {
                    found = nullptr;
                    for (QAction* action : actions)
                        if (plain(action->text()) == plain(step))
                            found = action;
                    if (found == nullptr) {
                        missing << name + ": " + match.captured(1);
                        break;
                    }
                    actions =
                        found->menu() != nullptr ? found->menu()->actions() : QList<QAction*>();
                }
            }
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral("; "))));
    }

    void shippedData_becomesReadyOnTheSecondTick() {
        TMainForm form(dir());
        QVERIFY(errors_.empty());
        QCOMPARE(form.windowTitle(), QStringLiteral("GRD Oddsmith 7.18: No File Loaded"));
        QVERIFY(!menuEnabled(form, "mmTasks"));
        QVERIFY(!button(form, "QuickSBtn")->isEnabled());
        QVERIFY(form.findChild<QTimer*>("MainTimer")->isActive());

        form.show();
        test::tickTwice(form);
        QVERIFY(!form.findChild<QTimer*>("MainTimer")->isActive());
        for (const char* menu :
             {"mmFile", "mmTasks", "mmView", "mmEdit", "mmOptions", "mmWindow", "mmHelp"})
            QVERIFY2(menuEnabled(form, menu), menu);
        QVERIFY(button(form, "QuickSBtn")->isEnabled());
        QVERIFY(button(form, "XversusYSBtn")->isEnabled());
        QVERIFY(!button(form, "RestoreLayoutSBtn")->isEnabled());
        QVERIFY(item(form, "smFileRevert")->isEnabled()); // the shipped main data was copied

        // Without data only the schedule can be shown.
        openMenu(form, "mmWindow");
        for (const char* name : {"smWindowTeamRank", "smWindowSpreads", "smWindowArchScores",
                                 "smWindowSaveLayout", "smWindowRestoreLayout", "smWindowCascade"})
            QVERIFY2(!item(form, name)->isEnabled(), name);
        openMenu(form, "mmView");
        QVERIFY(item(form, "smViewSchedule")->isEnabled());
        openMenu(form, "mmFile");
        QVERIFY(!item(form, "smFilePrint")->isEnabled());
        QVERIFY(item(form, "smFilePrinterSetup")->isEnabled());
    }

    void missingCompanion_leavesOnlyFileExitAndHelp() {
        fs::remove(dir() + "libGRDOdds.so");
        TMainForm form(dir());
        QCOMPARE(test::numbers(errors_), std::vector<int>{-31});
        QVERIFY(!form.findChild<QTimer*>("MainTimer")->isActive());
        form.show();
        test::tickTwice(form);
        QVERIFY(menuEnabled(form, "mmFile"));
        QVERIFY(menuEnabled(form, "mmHelp"));
        for (const char* menu : {"mmTasks", "mmView", "mmEdit", "mmOptions", "mmWindow"})
            QVERIFY2(!menuEnabled(form, menu), menu);
        QVERIFY(item(form, "smFileExit")->isEnabled());
        QVERIFY(!item(form, "smFilePrinterSetup")->isEnabled());
        QVERIFY(!item(form, "smHelpAbout")->isEnabled());
        QVERIFY(!button(form, "QuickSBtn")->isEnabled());
        QCOMPARE(errors_.size(), size_t{1});
    }

    void brokenLeagueFiles_reportInOrderAndNeverBecomeReady_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("content"); // empty: removed
        QTest::addColumn<std::vector<int>>("expected");
        QTest::newRow("structure missing") << "GRDStructure.txt"
                                           << "" << std::vector<int>{-32, -30};
        QTest::newRow("structure wrong version") << "GRDStructure.txt"
                                                 << "grds1\n"
                                                 << std::vector<int>{-29, -30};
        QTest::newRow("names missing") << "GRDNames.ccn"
                                       << "" << std::vector<int>{-28, -3};
    }
    void brokenLeagueFiles_reportInOrderAndNeverBecomeReady() {
        QFETCH(QString, file);
        QFETCH(QString, content);
        QFETCH(std::vector<int>, expected);
        if (content.isEmpty())
            fs::remove(dir() + file.toStdString());
        else
            dir_->write(file.toStdString(), content.toStdString());
        TMainForm form(dir());
        QCOMPARE(test::numbers(errors_), expected);
        QVERIFY(form.findChild<QTimer*>("MainTimer")->isActive()); // the splash is up
        test::tickTwice(form);
        QVERIFY(!form.findChild<QTimer*>("MainTimer")->isActive());
        QVERIFY(!menuEnabled(form, "mmTasks"));
        QVERIFY(!menuEnabled(form, "mmWindow"));
        QVERIFY(menuEnabled(form, "mmHelp"));
    }

    void preferences_hideHintsAndToolBar() {
        dir_->write("GRDOdds.cfg", "[General]\nflyby=0\nToolbar=0\n");
        TMainForm form(dir());
        form.show();
        const QPoint at(2, 2);
        QHelpEvent hover(QEvent::ToolTip, at, button(form, "QuickSBtn")->mapToGlobal(at));
        QApplication::sendEvent(button(form, "QuickSBtn"), &hover);
        QVERIFY(!QToolTip::isVisible());
        QCOMPARE(
            button(form, "QuickSBtn")->statusTip(),
            QStringLiteral("Quickly enter scores, obtain forecasts, save data, print reports"));
        QVERIFY(!button(form, "QuickSBtn")->isVisible());
    }

    void close_savesPreferencesAndDeletesRevertCopy() {
        {
            TMainForm form(dir());
            form.show();
            test::tickTwice(form);
            QVERIFY(item(form, "smFileRevert")->isEnabled());
            QVERIFY(fs::exists(dir() + "main-dta.rvt"));
            QVERIFY(form.close());
            QVERIFY(!fs::exists(dir() + "main-dta.rvt"));
        }
        QVERIFY(fs::exists(dir() + "GRDOdds.cfg"));
        QVERIFY(errors_.empty());
    }

    void sortItems_formOneRadioGroupAndIgnoreTheCurrentKey() {
        TMainForm form(dir());
        form.show();
        test::tickTwice(form);
        // Sorting acts on the team window.
        item(form, "smViewCurrent")->trigger();
        form.mdiArea()->setActiveSubWindow(
            qobject_cast<QMdiSubWindow*>(form.viewWindow(kTeamRankWindow)));
        QCOMPARE(form.state().program.sortKey, int16_t{1});
        QSignalSpy changed(&form, &TMainForm::sortKeyChanged);
        QVERIFY(item(form, "smEditSortTotal")->isChecked());
        item(form, "smEditSortDefense")->trigger();
        QCOMPARE(form.state().program.sortKey, int16_t{3});
        QCOMPARE(form.state().program.previousSortKey, int16_t{1});
        QVERIFY(item(form, "smEditSortDefense")->isChecked());
        QVERIFY(!item(form, "smEditSortTotal")->isChecked());
        form.ResortRankings(3);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(item(form, "smEditSortPercentage")->shortcut(),
                 QKeySequence(QStringLiteral("Ctrl+G")));
    }

    void viewCurrent_loadsShippedDataAndOffersItsWindows() {
        TMainForm form(dir());
        form.resize(900, 600);
        form.show();
        test::tickTwice(form);
        item(form, "smViewCurrent")->trigger();
        QVERIFY(errors_.empty());
        QCOMPARE(form.windowTitle(), QStringLiteral("GRD Oddsmith 7.18: MAIN-DTA.GRD"));
        QVERIFY(form.state().rankings);
        QVERIFY(form.state().isOpen(kTeamRankWindow));
        QVERIFY(button(form, "RestoreLayoutSBtn")->isEnabled());

        openMenu(form, "mmWindow");
        QVERIFY(!item(form, "smWindowSpreads")->isEnabled()); // nothing forecast yet
        QVERIFY(!item(form, "smWindowArchScores")->isEnabled());
        QVERIFY(item(form, "smWindowSaveLayout")->isEnabled());
        openMenu(form, "mmFile");
        QVERIFY(item(form, "smFilePrint")->isEnabled());
        QVERIFY(!item(form, "smFileReplaceMain")->isEnabled());

        // Closing every window keeps the data, and Save Layout as it was.
        form.CloseViewWindows(false);
        QTRY_VERIFY(form.mdiArea()->subWindowList().isEmpty());
        openMenu(form, "mmWindow");
        QVERIFY(item(form, "smWindowSaveLayout")->isEnabled());
        QVERIFY(item(form, "smWindowTeamRank")->isEnabled());
        QVERIFY(!item(form, "smWindowCascade")->isEnabled());
    }

    void printPreview_choosesReportsAndPagesThroughThem() {
        std::filesystem::create_symlink(ODDSMITH_PROGRAM_DIR "Oddsmith", dir() + "Oddsmith");
        TMainForm form(dir());
        form.show();
        test::tickTwice(form);
        item(form, "smViewCurrent")->trigger();
        QStringList seen;
        // Answers the choice with its remembered reports, then reads the preview.
        auto* poll = new QTimer(&form);
        connect(poll, &QTimer::timeout, &form, [&seen, poll] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr)
                return;
            if (modal->objectName() == QLatin1String("TPrintChoiceDlg")) {
                QTest::keyClick(modal, Qt::Key_Return);
                return;
            }
            auto* pages = modal->findChild<QLabel*>(QStringLiteral("PagesLabel"));
            if (pages == nullptr || !pages->text().contains(QLatin1String(" of ")))
                return;
            seen << pages->text();
            if (seen.size() == 1) {
                QTest::keyClick(modal->findChild<QComboBox*>(QStringLiteral("ZoomComboBox")),
                                Qt::Key_PageDown);
                seen << pages->text();
            }
            poll->stop();
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        poll->start(50);
        openMenu(form, "mmFile");
        item(form, "smFilePrintPreview")->trigger();
        QVERIFY(errors_.empty());
        // No forecasts: the team, division and category rankings of the remembered choice.
        QCOMPARE(seen, (QStringList{QStringLiteral("1 of 3"), QStringLiteral("2 of 3")}));
        // The program's own executable told the page; the print system stayed unloaded.
        QVERIFY(!form.printer().printerMade());
    }

    void viewCurrent_damagedMainData_reportsAndLoadsNothing() {
        dir_->write("MAIN-DTA.GRD", "5.00\nMD\ncut short\n");
        TMainForm form(dir());
        form.show();
        test::tickTwice(form);
        form.ViewLoadDataClick(101);
        QCOMPARE(errors_.size(), size_t{1});
        QVERIFY(!form.state().rankings);
        QCOMPARE(form.windowTitle(), QStringLiteral("GRD Oddsmith 7.18: No File Loaded"));
        QVERIFY(form.mdiArea()->subWindowList().isEmpty());
        QVERIFY(!button(form, "RestoreLayoutSBtn")->isEnabled());
    }

    void childWindows_driveIdleButtonsArrangingAndTiling() {
        TMainForm form(dir());
        form.resize(800, 600);
        form.show();
        test::tickTwice(form);
        auto* first = form.mdiArea()->addSubWindow(new QWidget);
        auto* second = form.mdiArea()->addSubWindow(new QWidget);
        first->show();
        second->show();
        form.setViewWindow(kScheduleWindow, first);
        form.setViewWindow(kTeamRankWindow, second);
        QVERIFY(!button(form, "XversusYSBtn")->isEnabled());
        QMetaObject::invokeMethod(&form, "AppIdle");
        QVERIFY(button(form, "Copy2ClipSBtn")->isEnabled());
        QVERIFY(!button(form, "PrintPreviewSBtn")->isEnabled()); // no data loaded to print
        openMenu(form, "mmWindow");
        QVERIFY(item(form, "smWindowCascade")->isEnabled());
        QVERIFY(item(form, "smWindowNext")->isEnabled());

        form.state().prefs.view.tileVert = true;
        item(form, "smWindowTile")->trigger();
        QCOMPARE(first->geometry().top(), second->geometry().top());
        QVERIFY(first->geometry().left() != second->geometry().left());

        form.CloseViewWindows(true);
        QVERIFY(!form.state().isOpen(kScheduleWindow));
        QVERIFY(button(form, "XversusYSBtn")->isEnabled());

        item(form, "smViewCurrent")->trigger();
        QMetaObject::invokeMethod(&form, "AppIdle");
        QVERIFY(button(form, "PrintSBtn")->isEnabled());
        QVERIFY(button(form, "PrintPreviewSBtn")->isEnabled());
    }
};

} // namespace grd

QTEST_MAIN(grd::TMainFormTest)
#include "TMainForm_test.moc"
