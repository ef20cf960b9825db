#include "league/ui/HelpRequest.h"
#include "league/ui/MessageDialogs.h"
#include "league/ui/TSayErrorDlg.h"
#include "prefs/ui/HelpWindow.h"

#include "TestConfig.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace grd {

class MessageDialogsTest : public QObject {
    Q_OBJECT

    // Runs act on the modal window once it is up.
    template <class Window> void whenModal(std::function<void(Window*)> act) {
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [timer, act] {
            if (auto* window = qobject_cast<Window*>(QApplication::activeModalWidget())) {
                timer->stop();
                timer->deleteLater();
                act(window);
            }
        });
        timer->start(10);
    }

    static QString label(QWidget* dialog, const char* name) {
        return dialog->findChild<QLabel*>(name)->text();
    }

private slots:
    void initTestCase() {
        HelpWindow::setBundleDir(ODDSMITH_PROGRAM_DIR "GRDOdds.help");
        setHelpHandler(showHelp);
    }

    void errorDialogShowsNumberDetailAndMessage() {
        QString number, message, caption;
        whenModal<QDialog>([&](QDialog* dialog) {
            number = label(dialog, "ErrNumLabel");
            message = label(dialog, "ErrMsgLabel");
            caption = dialog->windowTitle();
            QVERIFY(dialog->findChild<QPushButton*>("HelpBtn")->isEnabled());
            dialog->findChild<QPushButton*>("OKBtn")->click();
        });
        ShowError(3, "");
        QCOMPARE(number, QString("Error: 3"));
        QCOMPARE(message,
                 QString("Unable to display the schedule. Memory or resources may be low."));
        QCOMPARE(caption, QString(" GRD Oddsmith: Warning!"));
        TSayErrorDlg other(-13, "x");
        QCOMPARE(label(&other, "MoreInfoLabel"),
                 QString("Note the error number and press the Help button for more information."));
    }

    void missingHelpDisablesHelpButton() {
        TSayErrorDlg dialog(-52, " \"/p/GRDOdds.help\" ");
        QVERIFY(!dialog.findChild<QPushButton*>("HelpBtn")->isEnabled());
        QCOMPARE(label(&dialog, "ErrMsgLabel"),
                 QString(" \"/p/GRDOdds.help\" : The help file cannot be found"));
    }

    void errorHelpButtonOpensErrorTopic() {
        TSayErrorDlg dialog(-21, "");
        dialog.findChild<QPushButton*>("HelpBtn")->click();
        QVERIFY(HelpWindow::exists());
        QCOMPARE(HelpWindow::instance()->currentTopic(), QString("errors.html"));
        closeHelp();
    }

    void questionBoxesShowTextCaptionAndButtons() {
        // The shortest question still leaves room for its whole caption.
        int width = 0, captionWidth = 0;
        whenModal<QMessageBox>([&](QMessageBox* box) {
            width = box->width();
            captionWidth = box->fontMetrics().horizontalAdvance(box->windowTitle());
            box->button(QMessageBox::No)->click();
        });
        QVERIFY(!ConfirmYesNo(1)); // "  Print the reports?"
        QVERIFY2(width > captionWidth + 100,
                 qPrintable(QString("%1 %2").arg(width).arg(captionWidth)));

        QString text, caption;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        whenModal<QMessageBox>([&](QMessageBox* box) {
            text = box->text();
            caption = box->windowTitle();
            icon = box->icon();
            box->button(QMessageBox::Yes)->click();
        });
        QVERIFY(ConfirmYesNo(501));
        QCOMPARE(caption, QString(" GRD Oddsmith: Revert"));
        QVERIFY(text.endsWith("  Continue?"));
        QCOMPARE(icon, QMessageBox::Question);

        bool hasCancel = false;
        whenModal<QMessageBox>([&](QMessageBox* box) {
            hasCancel = box->button(QMessageBox::Cancel) != nullptr;
            box->button(QMessageBox::No)->click();
        });
        QCOMPARE(ConfirmYesNoCancel(101), Answer::No);
        QVERIFY(hasCancel);
    }

    void scriptedAnswersAndRecordedErrors() {
        std::vector<Failure> errors;
        MessageDialogs::recordErrors(&errors);
        MessageDialogs::setNextAnswer(Answer::Yes);
        MessageDialogs::setNextAnswer(Answer::Cancel);
        QVERIFY(ConfirmYesNo(3));
        QCOMPARE(ConfirmYesNoCancel(103), Answer::Cancel);
        // Unscripted questions are refused rather than left waiting for a click.
        QVERIFY(!ConfirmYesNo(1));
        QCOMPARE(MessageDialogs::questionsAsked(), (std::vector<int>{3, 103, 1}));
        ShowError(-31, "detail");
        QCOMPARE(errors, (std::vector<Failure>{{-31, "detail"}}));
        MessageDialogs::recordErrors(nullptr);
    }
};

} // namespace grd

QTEST_MAIN(grd::MessageDialogsTest)
#include "MessageDialogs_test.moc"
