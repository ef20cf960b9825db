#include "app/ui/TMainForm.h"
#include "league/ui/HelpRequest.h"
#include "league/ui/MessageDialogs.h"
#include "league/ui/TSayErrorDlg.h"
#include "prefs/ui/HelpWindow.h"
#include "views/ui/DisplayWindows.h"
#include "views/ui/TDisplayForm.h"

#include "MainFormTesting.h"
#include "TestConfig.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace grd {

// The keys of the main window, pressed as a user presses them: on the widget that has
// the focus, with no menu opened first.
class TMainFormKeysTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    std::vector<Failure> errors_;
    std::vector<int> topics_;

    std::string dir() const { return dir_->path().toStdString() + "/"; }

    // A ready main window with the shipped main data on view, active and focused.
    std::unique_ptr<TMainForm> readyWithData() {
        auto form = std::make_unique<TMainForm>(dir());
        form->resize(1200, 800);
        form->show();
        test::tickTwice(*form);
        form->findChild<QAction*>("smViewCurrent")->trigger();
        form->activateWindow();
        if (!QTest::qWaitForWindowActive(form.get()))
            qWarning("the main window did not become active");
        setHelpHandler([this](int context) { topics_.push_back(context); });
        return form;
    }
    static QMdiSubWindow* activate(TMainForm& form, WindowCode code) {
        auto* child = qobject_cast<QMdiSubWindow*>(form.viewWindow(code));
        form.mdiArea()->setActiveSubWindow(child);
        displayFormOf(child)->grid()->setFocus();
        return child;
    }
    static void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus != nullptr);
        QTest::keyClick(focus, static_cast<Qt::Key>(key), modifiers);
    }

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        test::copyProgramFiles(dir());
        errors_.clear();
        topics_.clear();
        MessageDialogs::recordErrors(&errors_);
    }
    void cleanup() {
        MessageDialogs::recordErrors(nullptr);
        setHelpHandler({});
        dir_.reset();
    }

    void ctrlInsertAndCtrlC_rightAfterViewCurrent_copyTheWholeGridWithLineFeeds() {
        auto form = readyWithData();
        QVERIFY(form->state().isOpen(kTeamRankWindow));
        for (Qt::Key key : {Qt::Key_Insert, Qt::Key_C}) {
            QApplication::clipboard()->clear();
            activate(*form, kTeamRankWindow);
            press(key, Qt::ControlModifier);
            const QString text = QApplication::clipboard()->text();
            QVERIFY(!text.contains(QLatin1Char('\r')));
            const QStringList lines = text.split(QLatin1Char('\n'));
            QCOMPARE(lines.value(0), QStringLiteral("GRD Oddsmith"));
            QVERIFY2(lines.size() > form->state().rankings->teamCount + 2,
                     qPrintable(QString::number(lines.size())));
        }
        QVERIFY(errors_.empty());
    }

    void sortShortcuts_actOnlyWhileTheTeamWindowIsActive() {
        auto form = readyWithData();
        activate(*form, kCategoryRankWindow);
        press(Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(form->state().program.sortKey, int16_t{kSortTotal});
        QVERIFY(!form->findChild<QAction*>("smEditSortOffense")->isEnabled());

        activate(*form, kTeamRankWindow);
        press(Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(form->state().program.sortKey, int16_t{2});
        QVERIFY(form->findChild<QAction*>("smEditSortOffense")->isChecked());
    }

    void ctrlF6_walksTheWindowsWithoutOpeningTheMenu() {
        auto form = readyWithData();
        QMdiSubWindow* team = activate(*form, kTeamRankWindow);
        press(Qt::Key_F6, Qt::ControlModifier);
        QMdiSubWindow* next = form->mdiArea()->activeSubWindow();
        QVERIFY(next != team);
        press(Qt::Key_F6, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(form->mdiArea()->activeSubWindow(), team);

        // With one window left there is nowhere to go.
        form->CloseViewWindows(false);
        form->mmWindowOpenWnds(kDivisionRankWindow);
        QVERIFY(!form->findChild<QAction*>("smWindowNext")->isEnabled());
        QVERIFY(form->findChild<QAction*>("smEditCopy")->isEnabled());
        form->CloseViewWindows(false);
        QVERIFY(!form->findChild<QAction*>("smEditCopy")->isEnabled());
    }

    void f1_opensTheTopicOfTheActiveWindowElseTheOverview() {
        auto form = readyWithData();
        activate(*form, kDivisionRankWindow);
        press(Qt::Key_F1);
        activate(*form, kTeamRankWindow);
        press(Qt::Key_F1);
        activate(*form, kCategoryRankWindow);
        form->findChild<QWidget*>("NameLengthSpin")->setFocus(); // its tool bar
        press(Qt::Key_F1);
        QCOMPARE(topics_, (std::vector<int>{50, 40, 60}));

        topics_.clear();
        form->CloseViewWindows(true);
        QTRY_VERIFY(form->mdiArea()->subWindowList().isEmpty());
        form->setFocus();
        press(Qt::Key_F1);
        QCOMPARE(topics_, std::vector<int>{810});
    }

    // Each item of the Help menu has a letter of its own: one press opens its topic.
    void helpMenu_eachLetterOpensItsTopic() {
        HelpWindow::setBundleDir(ODDSMITH_SOURCE_DIR "/help/GRDOdds.help");
        auto form = readyWithData();
        const std::pair<Qt::Key, const char*> items[] = {{Qt::Key_H, "helponhelp.html"},
                                                         {Qt::Key_O, "overview.html"}};
        for (const auto& [letter, topic] : items) {
            form->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(form.get()));
            press(Qt::Key_H, Qt::AltModifier);
            QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
            QTest::keyClick(QApplication::activePopupWidget(), letter);
            QTRY_VERIFY(HelpWindow::exists());
            QCOMPARE(HelpWindow::instance()->currentTopic(), QLatin1String(topic));
            closeHelp();
            QTRY_VERIFY(!HelpWindow::exists());
        }
    }

    void f1_inTheWeekChooserOpensTheWeeklyTasksTopic() {
        auto form = readyWithData();
        topics_.clear();
        QTimer chooser;
        chooser.setInterval(5);
        connect(&chooser, &QTimer::timeout, [&chooser] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (dialog != nullptr && dialog->objectName() == QLatin1String("CHOOSEWEEK") &&
                QApplication::activeWindow() == dialog) {
                chooser.stop();
                press(Qt::Key_F1);
                press(Qt::Key_Escape);
            }
        });
        chooser.start();
        press(Qt::Key_T, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_W);
        QTRY_VERIFY(!chooser.isActive());
        QCOMPARE(topics_, std::vector<int>{360});
    }

    void f1_inADialog_opensTheDialogsTopicWhileItHasOne() {
        auto form = readyWithData();
        for (const int number : {-9, -52}) {
            TSayErrorDlg dialog(number, QStringLiteral("detail"), form.get());
            QTimer::singleShot(0, &dialog, [&dialog] {
                dialog.activateWindow();
                QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&dialog));
                press(Qt::Key_F1);
                dialog.accept();
            });
            dialog.exec();
        }
        // -52 (no help file) has no topic to open.
        QCOMPARE(topics_, std::vector<int>{1970});
    }
};

} // namespace grd

QTEST_MAIN(grd::TMainFormKeysTest)
#include "TMainFormKeys_test.moc"
