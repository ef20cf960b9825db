#include "app/ui/TMainForm.h"
#include "league/ui/MessageDialogs.h"
#include "prefs/ui/TPrefsDlg.h"
#include "prefs/ui/TWelcomeDlg.h"
#include "views/ui/DisplayWindows.h"
#include "views/ui/TDisplayForm.h"

#include "MainFormTesting.h"
#include "TestConfig.h"
#include "support/TempDir.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QToolBar>
#include <QtTest>

#include <functional>

namespace grd {

// The user's own setup: Window | Save Layout and Restore User Layout, Options |
// Preferences and the welcome dialog, worked with their keys.
class SetupCommandsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TempDir> dir_;
    std::vector<Failure> errors_;

    std::string dir() const { return dir_->dir(); }

    static void makeReady(TMainForm& form) {
        form.setWindowState(Qt::WindowNoState);
        form.resize(1200, 760);
        form.show();
        test::tickTwice(form);
        // The splash took the focus while it was up; the keys go to the main window.
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.findChild<QAction*>("smViewCurrent")->trigger();
        QVERIFY(form.state().rankings);
    }
    static QMdiSubWindow* window(TMainForm& form, WindowCode code) {
        for (QMdiSubWindow* sub : form.mdiArea()->subWindowList())
            if (TDisplayForm* display = displayFormOf(sub);
                display && display->windowCode() == code)
                return sub;
        return nullptr;
    }
    static QHeaderView* header(TMainForm& form, WindowCode code) {
        return displayFormOf(window(form, code))->grid()->horizontalHeader();
    }
    static void saveLayout(TMainForm& form) {
        QTest::keyClick(&form, Qt::Key_W, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_S);
    }
    static void restoreUserLayout(TMainForm& form) {
        QTest::keyClick(&form, Qt::Key_U, Qt::ControlModifier);
    }
    static void openPreferences(TMainForm& form) {
        // The frame takes the focus back from a dialog closed before.
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(&form, Qt::Key_O, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_P);
    }
    // Presses keys in the next modal dialog once it is up.
    static void inModalDialog(std::function<void(QWidget*)> keys) {
        auto* poll = new QTimer(qApp);
        poll->setInterval(10);
        QObject::connect(poll, &QTimer::timeout, poll, [poll, keys] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                poll->stop();
                poll->deleteLater();
                QApplication::setActiveWindow(dialog);
                QVERIFY(QTest::qWaitForWindowActive(dialog));
                keys(dialog);
                // A failed check must not leave the test waiting on the dialog.
                if (auto* open = qobject_cast<QDialog*>(dialog); open && open->isVisible())
                    open->reject();
            }
        });
        poll->start();
    }
    static QWidget* focusIn(QWidget* dialog) {
        return dialog->focusWidget() ? dialog->focusWidget() : dialog;
    }
    static void alt(QWidget* dialog, Qt::Key key) {
        QTest::keyClick(focusIn(dialog), key, Qt::AltModifier);
    }
    static std::vector<int> openCodes(TMainForm& form) {
        std::vector<int> codes;
        for (QMdiSubWindow* sub : form.mdiArea()->subWindowList(QMdiArea::StackingOrder))
            codes.push_back(displayFormOf(sub)->windowCode());
        return codes;
    }

private slots:
    void init() {
        dir_ = std::make_unique<test::TempDir>();
        test::copyProgramFiles(dir_->path());
        errors_.clear();
        MessageDialogs::recordErrors(&errors_);
    }
    void cleanup() {
        MessageDialogs::recordErrors(nullptr);
        dir_.reset();
    }

    void savedLayout_comesBackAfterARestart() {
        QFont font(QStringLiteral("DejaVu Serif"));
        font.setPointSize(11);
        font.setBold(true);
        {
            TMainForm form(dir());
            makeReady(form);
            form.setMainFont(font);
            form.RedrawChildren(false, true);
            window(form, kDivisionRankWindow)->setGeometry(300, 20, 520, 260);
            window(form, kDivisionRankWindow)->showMinimized();
            QMdiSubWindow* category = window(form, kCategoryRankWindow);
            category->setGeometry(40, 300, 600, 280);
            QHeaderView* columns = header(form, kTeamRankWindow);
            columns->moveSection(1, 4); // a dragged column
            columns->resizeSection(columns->logicalIndex(0), 151);
            QMdiSubWindow* team = window(form, kTeamRankWindow);
            team->setGeometry(25, 35, 640, 330);
            form.mdiArea()->setActiveSubWindow(team);
            team->showMaximized();

            saveLayout(form);
            QVERIFY(errors_.empty());
            QVERIFY(form.close());
        }
        TMainForm form(dir());
        makeReady(form);
        form.setMainFont(QFont(QStringLiteral("DejaVu Sans"), 9));
        restoreUserLayout(form);
        QVERIFY(errors_.empty());

        QCOMPARE(openCodes(form).back(), int{kTeamRankWindow}); // the active window on top
        QCOMPARE(form.mdiArea()->subWindowList().size(), qsizetype{3});
        QCOMPARE(form.mainFont().family(), font.family());
        QCOMPARE(form.mainFont().pointSize(), 11);
        QVERIFY(form.mainFont().bold());
        QVERIFY(window(form, kTeamRankWindow)->isMaximized());
        QVERIFY(window(form, kDivisionRankWindow)->isMinimized());
        QCOMPARE(window(form, kCategoryRankWindow)->geometry(), QRect(40, 300, 600, 280));
        QHeaderView* columns = header(form, kTeamRankWindow);
        QCOMPARE(columns->logicalIndex(4), 1);
        QCOMPARE(columns->logicalIndex(1), 2);
        QCOMPARE(columns->sectionSize(columns->logicalIndex(0)), 151);

        window(form, kTeamRankWindow)->showNormal();
        QCOMPARE(window(form, kTeamRankWindow)->geometry(), QRect(25, 35, 640, 330));
    }

    void layoutWithoutWindows_givesMinus10() {
        TMainForm form(dir());
        makeReady(form);
        // Save Layout follows the open windows each time the menu opens.
        QTest::keyClick(&form, Qt::Key_W, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        form.CloseViewWindows(false);
        QTRY_VERIFY(form.mdiArea()->subWindowList().isEmpty());
        saveLayout(form);
        QVERIFY(dir_->read("GRDOdds.cfg").find("ZOrder=Z 0 0") != std::string::npos);
        restoreUserLayout(form);
        QCOMPARE(test::numbers(errors_), std::vector<int>{-10});
        QVERIFY(form.mdiArea()->subWindowList().isEmpty());
    }

    void damagedSection_reportsOnceGoesOnAndStaysInTheFile() {
        dir_->write("GRDOdds.cfg", "[General]\nWelcome=0\nZOrder=Z 2 2 3 0\n"
                                   "[Team]\nLeft=5000\nTop=4000\nWidth=300\nHeight=200\n"
                                   "ColWidths=W 50  60\n[Division]\nLeft=10\nTop=20\n"
                                   "Width=400\nHeight=250\n");
        {
            TMainForm form(dir());
            makeReady(form);
            restoreUserLayout(form);
            QCOMPARE(test::numbers(errors_), std::vector<int>{-15});
            QCOMPARE(openCodes(form), (std::vector<int>{kDivisionRankWindow, kTeamRankWindow}));
            QCOMPARE(window(form, kDivisionRankWindow)->geometry(), QRect(10, 20, 400, 250));
            // Stored far off screen: pulled back inside the main window.
            const QRect team = window(form, kTeamRankWindow)->geometry();
            QVERIFY(form.mdiArea()->viewport()->rect().contains(team));
            QCOMPARE(team.size(), QSize(300, 200));
            QVERIFY(form.close());
        }
        const std::string cfg = dir_->read("GRDOdds.cfg");
        QVERIFY(cfg.find("ColWidths=W 50  60") != std::string::npos);
        QVERIFY(cfg.find("Left=5000") != std::string::npos);
    }

    void preferences_okAppliesAtOnceAndCancelChangesNothing() {
        TMainForm form(dir());
        makeReady(form);
        TDisplayForm* category = displayFormOf(window(form, kCategoryRankWindow));
        QWidget* categoryBar = category->findChild<QWidget*>("TheToolbar");
        QVERIFY(categoryBar->isVisible());
        const std::string before = displayFormOf(window(form, kTeamRankWindow))->clipboardText();

        inModalDialog([](QWidget* dialog) {
            alt(dialog, Qt::Key_H); // Show Fly-by Hints off; Cancel forgets it
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        openPreferences(form);
        QVERIFY(form.state().prefs.general.flyby);

        inModalDialog([](QWidget* dialog) {
            alt(dialog, Qt::Key_T); // Show Main Toolbar off
            QTest::keyClick(focusIn(dialog), Qt::Key_Tab, Qt::ControlModifier);
            QTRY_VERIFY(dialog->findChild<QCheckBox*>("CatToolbarCB")->isVisible());
            alt(dialog, Qt::Key_A); // Category Rankings tool bar off
            alt(dialog, Qt::Key_T); // Names: Team
            QTRY_VERIFY(!dialog->findChild<QCheckBox*>("CatToolbarCB")->isChecked());
            QTRY_VERIFY(!qobject_cast<TPrefsDlg*>(dialog)->choices().cityNames);
            QTest::keyClick(focusIn(dialog), Qt::Key_Return);
        });
        openPreferences(form);
        QVERIFY(errors_.empty());
        QVERIFY(!form.state().prefs.general.toolbar);
        QVERIFY(!form.findChild<QToolBar*>("MainToolBar")->isVisible());
        QVERIFY(!form.state().prefs.view.catToolbar);
        QVERIFY(!categoryBar->isVisible());
        QVERIFY(!form.state().prefs.view.cityNames);
        QVERIFY(displayFormOf(window(form, kTeamRankWindow))->clipboardText() != before);
    }

    void welcome_dontShowTurnsItOffAndPreferencesTurnItOn() {
        MessageDialogs::recordErrors(nullptr); // the welcome dialog shows only then
        TMainForm form(dir());
        form.show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        bool shown = false;
        inModalDialog([&shown](QWidget* dialog) {
            shown = qobject_cast<TWelcomeDlg*>(dialog) != nullptr;
            auto* box = dialog->findChild<QCheckBox*>("DoNotShowCB");
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Space);
            QTest::mouseClick(dialog->findChild<QPushButton*>("ContinueBtn"), Qt::LeftButton);
        });
        test::tickTwice(form);
        QVERIFY(shown);
        QVERIFY(!form.state().prefs.general.welcome);

        inModalDialog([](QWidget* dialog) {
            QVERIFY(!dialog->findChild<QCheckBox*>("WelcomeCB")->isChecked());
            alt(dialog, Qt::Key_W);
            QTRY_VERIFY(dialog->findChild<QCheckBox*>("WelcomeCB")->isChecked());
            QTest::keyClick(focusIn(dialog), Qt::Key_Return);
        });
        openPreferences(form);
        QVERIFY(form.state().prefs.general.welcome);
    }

    void restoringDefaultFont_setsBlackToo() {
        dir_->write("GRDOdds.cfg", "[General]\nWelcome=0\n[View]\nFontColor=255\nFontSize=14\n");
        TMainForm form(dir());
        makeReady(form);
        QTest::keyClick(&form, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(form.state().prefs.view.font.colour, 0);
        QCOMPARE(form.state().prefs.view.font.size, 10);
        QCOMPARE(form.mdiArea()->palette().color(QPalette::Text), QColor(Qt::black));
    }
};

} // namespace grd

QTEST_MAIN(grd::SetupCommandsTest)
#include "SetupCommands_test.moc"
