#include "league/ui/HelpRequest.h"
#include "league/ui/MessageDialogs.h"
#include "prefs/tPrefsRec.h"
#include "printing/ui/TMyPrintDialog.h"
#include "printing/ui/TPrintChoiceDlg.h"
#include "printing/ui/TPrintPrefsDlg.h"
#include "printing/ui/TSixWeeksDlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

using namespace grd;

namespace {

template <class T> T* child(QWidget& parent, const char* name) {
    return parent.findChild<T*>(QLatin1String(name));
}

// Runs keys on the next modal dialog once it is shown.
void pressInModal(std::function<void(QWidget&)> keys) {
    QTimer::singleShot(0, [keys] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr)
            keys(*modal);
    });
}

} // namespace

class PrintDialogsTest : public QObject {
    Q_OBJECT

private:
    std::vector<Failure> errors_;

    // Types a page range into the print dialog and presses Print.
    void typeRange(TMyPrintDialog& dialog, const QString& from, const QString& to) {
        QTest::mouseClick(child<QRadioButton>(dialog, "PagesRB"), Qt::LeftButton);
        for (auto [name, text] : {std::pair{"FromME", from}, std::pair{"ToME", to}}) {
            QLineEdit* edit = child<QLineEdit>(dialog, name);
            edit->setFocus();
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Backspace);
            QTest::keyClicks(edit, text);
        }
        QTest::mouseClick(child<QPushButton>(dialog, "PrintBtn"), Qt::LeftButton);
    }

private slots:
    void init() {
        errors_.clear();
        MessageDialogs::recordErrors(&errors_);
    }
    void cleanup() { MessageDialogs::recordErrors(nullptr); }

    void printRange_badRangesStayOpenWithFocusOnTheWrongEdit() {
        struct Case {
            QString from, to;
            const char* focus;
        };
        for (const Case& bad :
             {Case{"3", "2", "FromME"}, Case{"0", "2", "FromME"}, Case{"1", "0", "ToME"},
              Case{"1", "6", "ToME"}, Case{"1", "", "ToME"}}) {
            errors_.clear();
            TMyPrintDialog dialog(QStringLiteral("Office"), 5, true);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            typeRange(dialog, bad.from, bad.to);
            QVERIFY2(dialog.isVisible(), qPrintable(bad.from + "-" + bad.to));
            QCOMPARE(dialog.result(), 0);
            QCOMPARE(errors_.size(), size_t{1});
            QCOMPARE(errors_[0].number, -49);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(bad.focus));
        }
    }

    void printRange_goodRangeCloses() {
        TMyPrintDialog dialog(QStringLiteral("Office"), 5, true);
        dialog.show();
        typeRange(dialog, QStringLiteral("2"), QStringLiteral("3"));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.fromPage(), 2);
        QCOMPARE(dialog.toPage(), 3);
        QVERIFY(errors_.empty());
    }

    void printDialog_pagesNeedScheduleModeAndTwoPages_collationPictureFollowsBox() {
        TMyPrintDialog one(QStringLiteral("Office"), 1, true);
        QVERIFY(!child<QRadioButton>(one, "PagesRB")->isEnabled());
        QCOMPARE(child<QLineEdit>(one, "ToME")->text(), QStringLiteral("1"));
        TMyPrintDialog reports(QStringLiteral("Office"), 4, false);
        QVERIFY(!child<QRadioButton>(reports, "PagesRB")->isEnabled());
        QVERIFY(!child<QLineEdit>(reports, "FromME")->isEnabled());
        QCOMPARE(reports.toPage(), 4);

        reports.show();
        QVERIFY(!reports.showsCollatedPicture());
        QCheckBox* collate = child<QCheckBox>(reports, "CollateCheckBox");
        collate->setFocus();
        QTest::keyClick(collate, Qt::Key_Space);
        QVERIFY(reports.showsCollatedPicture());
        QTest::keyClick(collate, Qt::Key_Space);
        QVERIFY(!reports.showsCollatedPicture());
    }

    void choice_archiveWithoutScoresStoresScoresAsNotChosen() {
        tPrefsRec prefs;
        prefs.reportArchiveScores = true;
        prefs.reportArchiveSpreadsPlain = true;
        prefs.reportSpreadsPlain = false;
        ReportChoices available{true, true, false, true, true, true};
        TPrintChoiceDlg dialog(prefs, available, true);
        dialog.show();
        QVERIFY(!child<QCheckBox>(dialog, "ArchiveScoresCB")->isEnabled());
        // The spreads boxes start from the archive's remembered choices.
        QVERIFY(child<QCheckBox>(dialog, "SpreadsPlainCB")->isChecked());
        QTest::mouseClick(child<QPushButton>(dialog, "OKBtn"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!prefs.reportArchiveScores);
        QVERIFY(prefs.reportSpreadsPlain);
        QVERIFY(prefs.reportArchiveSpreadsPlain);
        QVERIFY(dialog.chosen().spreadsPlain && !dialog.chosen().scores);
    }

    void choice_currentDataWithoutForecastsOffersNoSpreads_cancelKeepsChoices() {
        tPrefsRec prefs;
        const tPrefsRec before = prefs;
        ReportChoices available{false, false, false, true, true, true};
        TPrintChoiceDlg dialog(prefs, available, false);
        dialog.show();
        QVERIFY(!child<QCheckBox>(dialog, "SpreadsGridCB")->isEnabled());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(prefs == before);
        QVERIFY(!dialog.chosen().spreadsGrid);
    }

    void options_dateBoxDisablesTitle_controlsPerKind() {
        ReportPrintPrefs prefs;
        prefs.dateTitle = false;
        TPrintPrefsDlg team(1, prefs, QStringLiteral("1/2/26"));
        team.show();
        QCheckBox* date = child<QCheckBox>(team, "DateTitleCB");
        QCOMPARE(date->text(), QStringLiteral("&Use Date as Report Title (ex. 1/2/26)"));
        QLineEdit* title = child<QLineEdit>(team, "ReportTitleEdit");
        QVERIFY(title->isEnabled());
        date->setFocus();
        QTest::keyClick(date, Qt::Key_Space);
        QVERIFY(!title->isEnabled());
        QTest::keyClick(date, Qt::Key_Space);
        QVERIFY(title->isEnabled());
        QVERIFY(child<QCheckBox>(team, "VertLinesCB")->isVisible());
        QVERIFY(!child<QLineEdit>(team, "SpreadsInitialsEdit")->isVisible());

        TPrintPrefsDlg grid(5, prefs, QStringLiteral("1/2/26"));
        grid.show();
        QVERIFY(!child<QCheckBox>(grid, "VertLinesCB")->isVisible());
        QVERIFY(!child<QCheckBox>(grid, "RowHighlightCB")->isVisible());
        QLineEdit* initials = child<QLineEdit>(grid, "SpreadsInitialsEdit");
        QVERIFY(initials->isVisible());
        initials->setFocus();
        initials->selectAll();
        QTest::keyClicks(initials, QStringLiteral("ABCD"));
        QCOMPARE(grid.options(prefs).initials, std::string("ABC"));
    }

    void helpButtons_openEachDialogsTopic() {
        std::vector<int> asked;
        setHelpHandler([&asked](int context) { asked.push_back(context); });
        TPrintPrefsDlg options(1, ReportPrintPrefs{}, QStringLiteral("1/2/26"));
        TSixWeeksDlg columns;
        for (QDialog* dialog : {static_cast<QDialog*>(&options), static_cast<QDialog*>(&columns)}) {
            dialog->show();
            QTest::mouseClick(child<QPushButton>(*dialog, "HelpBtn"), Qt::LeftButton);
            QVERIFY(dialog->isVisible());
        }
        setHelpHandler(nullptr);
        QCOMPARE(asked,
                 (std::vector<int>{TPrintPrefsDlg::kHelpContext, TSixWeeksDlg::kHelpContext}));
    }

    void sixWeeks_answersColumnsAndCancel() {
        pressInModal([](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
        QCOMPARE(ChooseScheduleColumns(nullptr), 0);
        pressInModal([](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Return); });
        QCOMPARE(ChooseScheduleColumns(nullptr), 1);
        pressInModal([](QWidget& dialog) {
            QTest::mouseClick(child<QRadioButton>(dialog, "FifteenWeeksRB"), Qt::LeftButton);
            QTest::keyClick(&dialog, Qt::Key_Return);
        });
        QCOMPARE(ChooseScheduleColumns(nullptr), 3);
    }
};

QTEST_MAIN(PrintDialogsTest)
#include "PrintDialogs_test.moc"
