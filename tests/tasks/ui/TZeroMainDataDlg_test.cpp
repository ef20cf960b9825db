#include "league/ui/MessageDialogs.h"
#include "tasks/ui/TZeroMainDataDlg.h"

#include "TestConfig.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace grd {

class TZeroMainDataDlgTest : public QObject {
    Q_OBJECT

    static void click(QDialog& dialog, const char* name) {
        dialog.findChild<QPushButton*>(name)->click();
    }
    static std::string dirOf(const QTemporaryDir& dir) { return dir.path().toStdString() + "/"; }
    static std::string read(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    static QLineEdit* edit(QDialog& dialog) {
        return dialog.findChild<QLineEdit*>("InputFileEdit");
    }

private slots:
    void cleanup() { MessageDialogs::recordErrors(nullptr); }

    void keepWritesTheNewSeasonAndCloses() {
        QTemporaryDir dir;
        std::filesystem::copy_file(ODDSMITH_FIXTURE_DIR "engine/WEEK-17.08",
                                   dirOf(dir) + "WEEK-17.08");
        std::vector<Failure> shown;
        MessageDialogs::recordErrors(&shown);
        TZeroMainDataDlg dialog;
        QCOMPARE(dialog.windowTitle(), QString(" GRD Oddsmith: Zero Main Data"));
        for (const char* name : {"WarningLabel", "InfoLabel", "KeepLabel", "AverageLabel"}) {
            QVERIFY2(dialog.findChild<QWidget*>(name) != nullptr, name);
        }
        TZeroMainDataDlg::setNextFileName(QString::fromStdString(dirOf(dir) + "WEEK-17.08"));
        click(dialog, "BrowseBtn");
        QCOMPARE(edit(dialog)->text(), QString::fromStdString(dirOf(dir) + "WEEK-17.08"));
        click(dialog, "KeepBtn");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(shown.size(), size_t(1));
        QCOMPARE(shown[0].detail, std::string("Main data file successfully updated."));
        QVERIFY(read(dirOf(dir) + "MAIN-DTA.GRD").find("2009-10") != std::string::npos);
    }

    void successIsToldInAnInformationBox() {
        QTemporaryDir dir;
        std::filesystem::copy_file(ODDSMITH_FIXTURE_DIR "engine/WEEK-17.08",
                                   dirOf(dir) + "WEEK-17.08");
        TZeroMainDataDlg dialog;
        edit(dialog)->setText(QString::fromStdString(dirOf(dir) + "WEEK-17.08"));
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString caption;
        QTimer::singleShot(0, [&] {
            QTRY_VERIFY(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()));
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            icon = box->icon();
            caption = box->windowTitle();
            box->accept();
        });
        click(dialog, "AverageBtn");
        QCOMPARE(icon, QMessageBox::Information);
        QCOMPARE(caption, QString("GRD Oddsmith: Zero Main Data"));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void failureIsReportedAndTheDialogStays() {
        QTemporaryDir dir;
        std::vector<Failure> shown;
        MessageDialogs::recordErrors(&shown);
        TZeroMainDataDlg dialog;
        dialog.show();
        edit(dialog)->setText(QString::fromStdString(dirOf(dir) + "week-17."));
        TZeroMainDataDlg::setNextFileName(QString()); // Browse cancelled: the name stays
        click(dialog, "BrowseBtn");
        click(dialog, "AverageBtn");
        QCOMPARE(shown.size(), size_t(1));
        QCOMPARE(shown[0].number, -37);
        QVERIFY(dialog.isVisible());
        QCOMPARE(edit(dialog)->text(), QString::fromStdString(dirOf(dir) + "week-17."));
        QVERIFY(!std::filesystem::exists(dirOf(dir) + "MAIN-DTA.GRD"));
        click(dialog, "CancelBtn");
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
};

} // namespace grd

QTEST_MAIN(grd::TZeroMainDataDlgTest)
#include "TZeroMainDataDlg_test.moc"
