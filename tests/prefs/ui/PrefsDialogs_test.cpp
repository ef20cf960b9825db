#include "league/ui/MessageDialogs.h"
#include "prefs/ui/HelpWindow.h"
#include "prefs/ui/TPrefsDlg.h"
#include "prefs/ui/TWelcomeDlg.h"

#include "TestConfig.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QWindow>
#include <QtTest>

namespace grd {

// The preferences and welcome dialogs, worked with their keys.
class PrefsDialogsTest : public QObject {
    Q_OBJECT

    static void showActive(QWidget& dialog) {
        dialog.show();
        // Offscreen, a window still closing (the help) can take the activation back: ask
        // again until it holds.
        QTRY_VERIFY([&dialog] {
            QApplication::setActiveWindow(&dialog);
            return QApplication::activeWindow() == &dialog && dialog.windowHandle()->isActive();
        }());
    }
    static void pressAlt(QWidget& dialog, Qt::Key key) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &dialog, key,
                        Qt::AltModifier);
    }

private slots:
    void init() { HelpWindow::setBundleDir(ODDSMITH_SOURCE_DIR "/help/GRDOdds.help"); }
    void cleanup() {
        closeHelp();
        QTRY_VERIFY(!HelpWindow::exists());
    }

    void prefsDialog_showsTheChoicesAndReturnsTheEditedOnes() {
        PrefsChoices start;
        start.cityNames = false;
        start.tileVert = true;
        start.welcome = false;
        TPrefsDlg dialog(start);
        QCOMPARE(dialog.windowTitle(), QStringLiteral(" GRD Oddsmith: Preferences"));
        QCOMPARE(dialog.choices(), start);
        QVERIFY(dialog.findChild<QRadioButton*>("NamesRGroupItem0")->isChecked());
        QVERIFY(dialog.findChild<QRadioButton*>("TileRGroupItem1")->isChecked());
        showActive(dialog);

        pressAlt(dialog, Qt::Key_W); // Show Welcome Dialog
        pressAlt(dialog, Qt::Key_L); // Show Main Status Line
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier); // Windows
        QTRY_COMPARE(dialog.findChild<QTabWidget*>("PageControl")->currentIndex(), 1);
        pressAlt(dialog, Qt::Key_C); // City
        pressAlt(dialog, Qt::Key_Z); // Horizontal
        pressAlt(dialog, Qt::Key_A); // Category Rankings tool bar
        pressAlt(dialog, Qt::Key_V); // Vertical Lines

        PrefsChoices expected = start;
        expected.welcome = true;
        expected.statusLine = false;
        expected.cityNames = true;
        expected.tileVert = false;
        expected.catToolbar = false;
        expected.vertLines = false;
        QTRY_COMPARE(dialog.choices(), expected); // a mnemonic clicks its button shortly after
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int{QDialog::Accepted});
    }

    void prefsDialog_cancelKeyGivesNothing() {
        PrefsChoices start;
        QTimer::singleShot(0, [] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog != nullptr);
            QTest::keyClick(dialog, Qt::Key_Y, Qt::AltModifier); // Show Fly-by Hints off
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QVERIFY(!TPrefsDlg::Run(start, nullptr));
    }

    void prefsDialog_helpFollowsThePage() {
        TPrefsDlg dialog(PrefsChoices{});
        showActive(dialog);
        auto* help = dialog.findChild<QPushButton*>("HelpBtn");
        QTest::mouseClick(help, Qt::LeftButton);
        QCOMPARE(HelpWindow::instance()->currentTopic(),
                 QStringLiteral("preferences.html#general"));
        QVERIFY(dialog.isVisible());
        dialog.findChild<QTabWidget*>("PageControl")->setCurrentIndex(1);
        QTest::mouseClick(help, Qt::LeftButton);
        QCOMPARE(HelpWindow::instance()->currentTopic(),
                 QStringLiteral("preferences.html#windows"));
    }

    void welcome_showsTopicsAndStaysOpenUntilContinue() {
        TWelcomeDlg dialog;
        QCOMPARE(dialog.selectedHelpContext(), 910);
        showActive(dialog);
        pressAlt(dialog, Qt::Key_I); // Interpreting Forecasts
        QTRY_COMPARE(dialog.selectedHelpContext(), 940);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // Display Help Topic
        QCOMPARE(HelpWindow::instance()->currentTopic(), QStringLiteral("forecasts.html"));
        QVERIFY(dialog.isVisible());
        pressAlt(dialog, Qt::Key_N); // What's New?
        QTRY_COMPARE(dialog.selectedHelpContext(), 840);
        QVERIFY(dialog.showAgain());
        QTest::mouseClick(dialog.findChild<QPushButton*>("ContinueBtn"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QVERIFY(dialog.showAgain());
    }

    // Each mnemonic is one control's: a single press acts (Alt+H: help, not a check box).
    void mnemonics_actWithASinglePress() {
        TWelcomeDlg welcome;
        showActive(welcome);
        pressAlt(welcome, Qt::Key_U); // Catching Up
        QTRY_COMPARE(welcome.selectedHelpContext(), 890);
        pressAlt(welcome, Qt::Key_C); // Continue
        QTRY_VERIFY(!welcome.isVisible());

        TPrefsDlg prefs(PrefsChoices{});
        showActive(prefs);
        PrefsChoices expected = prefs.choices();
        pressAlt(prefs, Qt::Key_Y); // Show Fly-by Hints
        expected.flyby = !expected.flyby;
        QTRY_COMPARE(prefs.choices(), expected);
        pressAlt(prefs, Qt::Key_H);
        QTRY_VERIFY(HelpWindow::exists());
        QCOMPARE(HelpWindow::instance()->currentTopic(),
                 QStringLiteral("preferences.html#general"));
        closeHelp();
        QTRY_VERIFY(!HelpWindow::exists());
        showActive(prefs);
        prefs.findChild<QTabWidget*>("PageControl")->setCurrentIndex(1);
        pressAlt(prefs, Qt::Key_O); // Horizontal Lines
        expected.horzLines = !expected.horzLines;
        QTRY_COMPARE(prefs.choices(), expected);
        QCOMPARE(prefs.result(), 0);
    }

    void welcome_dontShowAgainTurnsTheWelcomeOff() {
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<TWelcomeDlg*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            auto* box = dialog->findChild<QCheckBox*>("DoNotShowCB");
            QVERIFY(!box->isChecked());
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Space);
            QTest::mouseClick(dialog->findChild<QPushButton*>("ContinueBtn"), Qt::LeftButton);
        });
        QVERIFY(!TWelcomeDlg::ShowWelcome(nullptr));

        // A test that records its dialogs never waits on this one.
        std::vector<Failure> errors;
        MessageDialogs::recordErrors(&errors);
        QVERIFY(TWelcomeDlg::ShowWelcome(nullptr));
        MessageDialogs::recordErrors(nullptr);
    }
};

} // namespace grd

QTEST_MAIN(grd::PrefsDialogsTest)
#include "PrefsDialogs_test.moc"
