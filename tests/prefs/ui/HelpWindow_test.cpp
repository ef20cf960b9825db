#include "prefs/ui/HelpWindow.h"

#include "TestConfig.h"
#include "league/ui/MessageDialogs.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

namespace grd {

class HelpWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { HelpWindow::setBundleDir(ODDSMITH_PROGRAM_DIR "GRDOdds.help"); }
    void cleanup() {
        closeHelp();
        QTRY_VERIFY(!HelpWindow::exists());
    }

    void contextNumbersOpenTheirTopics() {
        showHelp(1970);
        QVERIFY(HelpWindow::instance()->isVisible());
        QCOMPARE(HelpWindow::instance()->windowTitle(), QString("GRD Oddsmith Help"));
        QCOMPARE(HelpWindow::instance()->currentTopic(), QString("errors.html"));
        showHelp(470);
        QCOMPARE(HelpWindow::instance()->currentTopic(), QString("preferences.html#general"));
        showHelp(123456);
        QCOMPARE(HelpWindow::instance()->currentTopic(), QString("index.html"));
    }

    void theContentsMarkTheTopicShownElseItsPage() {
        auto* tree = HelpWindow::instance()->findChild<QTreeWidget*>("ContentsTree");
        for (auto [context, entry] :
             {std::pair{960, "Ratings Chart"}, std::pair{130, "Category Rankings"},
              std::pair{470, "Preferences"}}) {
            showHelp(context);
            QCOMPARE(tree->currentItem()->text(0), QString(entry));
        }
    }

    void contentsListsTheTopics() {
        showHelpContents();
        auto* tree = HelpWindow::instance()->findChild<QTreeWidget*>("ContentsTree");
        QVERIFY(tree->topLevelItemCount() >= 6);
        QCOMPARE(tree->topLevelItem(0)->text(0), QString("Contents"));
        QTreeWidgetItem* last = tree->topLevelItem(tree->topLevelItemCount() - 1);
        QCOMPARE(last->text(0), QString("Error Messages"));
        emit tree->itemClicked(last, 0);
        QCOMPARE(HelpWindow::instance()->currentTopic(), QString("errors.html"));
    }

    void missingBundleReportsMinus52OnEveryRequest() {
        QTemporaryDir dir;
        QString bundle = dir.filePath("GRDOdds.help");
        HelpWindow::setBundleDir(bundle);
        std::vector<Failure> errors;
        MessageDialogs::recordErrors(&errors);
        showHelp(810);
        showHelpContents();
        MessageDialogs::recordErrors(nullptr);
        Failure expected{-52, quotedPath(bundle.toStdString())};
        QCOMPARE(errors, (std::vector<Failure>{expected, expected}));
    }

    void bundleThatCannotBeShownReportsMinus53() {
        QTemporaryDir dir;
        QDir(dir.path()).mkdir("GRDOdds.help");
        const QString bundle = dir.filePath("GRDOdds.help");
        HelpWindow::setBundleDir(bundle);
        std::vector<Failure> errors;
        MessageDialogs::recordErrors(&errors);
        QFile map(bundle + "/contexts.map");
        QVERIFY(map.open(QIODevice::WriteOnly));
        map.write("# no topics\n");
        map.close();
        showHelp(810);
        QVERIFY(map.open(QIODevice::WriteOnly));
        map.write("810 gone.html Overview\n");
        map.close();
        showHelp(810);
        MessageDialogs::recordErrors(nullptr);
        QCOMPARE(errors,
                 (std::vector<Failure>{{-53, quotedPath(bundle.toStdString())},
                                       {-53, quotedPath((bundle + "/gone.html").toStdString())}}));
        QTRY_VERIFY(!HelpWindow::exists());
    }

    void helpFromModalDialogIsUsableAndOutlivesIt() {
        QDialog dialog;
        QWidget* parentWhileOpen = nullptr;
        QTimer::singleShot(0, &dialog, [&] {
            showHelp(1970);
            parentWhileOpen = HelpWindow::instance()->parentWidget();
            dialog.accept();
        });
        dialog.exec();
        QCOMPARE(parentWhileOpen, &dialog);
        QVERIFY(HelpWindow::instance()->parentWidget() == nullptr);
        QVERIFY(HelpWindow::instance()->isVisible());
    }

    void companionReachesHelpByName() {
        QObject* service = qApp->findChild<QObject*>("GRDOddsHelp");
        QVERIFY(service != nullptr);
        QVERIFY(QMetaObject::invokeMethod(service, "showContext", Q_ARG(int, 810)));
        QCOMPARE(HelpWindow::instance()->currentTopic(), QString("overview.html"));
    }
};

} // namespace grd

QTEST_MAIN(grd::HelpWindowTest)
#include "HelpWindow_test.moc"
