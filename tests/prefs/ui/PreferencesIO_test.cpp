#include "prefs/ui/PreferencesIO.h"

#include "league/ui/MessageDialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace grd {

class PreferencesIOTest : public QObject {
    Q_OBJECT

    std::vector<Failure> errors_;

private slots:
    void init() {
        errors_.clear();
        MessageDialogs::recordErrors(&errors_);
    }
    void cleanup() {
        MessageDialogs::recordErrors(nullptr);
        QLocale::setDefault(QLocale::c());
    }

    void usLocaleHoldsInches() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(localeUsesInches());
        QTemporaryDir dir;
        Preferences prefs = loadProgramPreferences(dir.path() + "/");
        QVERIFY(prefs.view.reports[0].inches);
        QCOMPARE(prefs.view.reports[0].topMargin, 1.0);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QVERIFY(!localeUsesInches());
    }

    void existingFileFoundInAnyCase() {
        QTemporaryDir dir;
        QFile file(dir.filePath("grdodds.CFG"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[General]\nFlyby=0\n");
        file.close();
        QVERIFY(!loadProgramPreferences(dir.path() + "/").general.flyby);
        QVERIFY(saveProgramPreferences(dir.path() + "/", Preferences{}));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"grdodds.CFG"});
        QVERIFY(errors_.empty());
    }

    void failuresAreReported() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("GRDOdds.cfg"));
        Preferences prefs = loadProgramPreferences(dir.path() + "/");
        QVERIFY(!prefs.view.teamToolbar);
        QVERIFY(!saveProgramPreferences(dir.path() + "/", prefs));
        QCOMPARE(errors_.size(), size_t{2});
        QCOMPARE(errors_[0].number, -13);
        QCOMPARE(errors_[1], (Failure{0, "Error saving preferences"}));
    }
};

} // namespace grd

QTEST_MAIN(grd::PreferencesIOTest)
#include "PreferencesIO_test.moc"
