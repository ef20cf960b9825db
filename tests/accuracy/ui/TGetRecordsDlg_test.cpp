#include "accuracy/ui/TGetRecordsDlg.h"
#include "league/ui/MessageDialogs.h"
#include "prefs/RecordsAddress.h"
#include "support/LocalHttpServer.h"
#include "tasks/CatchUpFixture.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <map>

using namespace grd;
using Served = test::LocalHttpServer::Answer;

namespace {

// The 2024 season before week 1, with the local server standing in for the public address.
struct Fixture {
    Fixture() {
        ok = test::makeSeasonStart(dir, app);
        records = QByteArray::fromStdString(test::recordsWithLines("-3"));
        server.answer("/games.csv", Served::file(records));
        server.answer("/slow", Served::silence());
        qputenv("no_proxy", "127.0.0.1");
        qputenv(kRecordsAddressVariable, server.url("/games.csv").toLatin1());
        MessageDialogs::recordErrors(&errors);
    }
    ~Fixture() {
        MessageDialogs::recordErrors(nullptr);
        qunsetenv(kRecordsAddressVariable);
    }

    test::TempDir dir;
    AppState app;
    bool ok = false;
    QByteArray records;
    test::LocalHttpServer server;
    std::vector<Failure> errors;
    QStringList caughtUp;
    QStringList imported;
};

struct Dialog : TGetRecordsDlg {
    explicit Dialog(Fixture& f)
        : TGetRecordsDlg(
              f.app, [&f](const QString& file) { f.caughtUp << file; },
              [&f](const QString& file) { f.imported << file; }) {
        show();
        QApplication::setActiveWindow(this);
    }
    QPushButton* button(const char* name) { return findChild<QPushButton*>(QLatin1String(name)); }
    QString status() { return findChild<QLabel*>(QStringLiteral("StatusLabel"))->text(); }
};

} // namespace

class TGetRecordsDlgTest : public QObject {
    Q_OBJECT

private slots:
    void enterGetsTheRecordsThenOffersTheCatchUp() {
        Fixture f;
        QVERIFY(f.ok);
        Dialog dialog(f);
        QCOMPARE(dialog.address(), f.server.url("/games.csv"));
        QVERIFY(!dialog.button("CatchUpBtn")->isEnabled());
        QTest::keyClick(&dialog, Qt::Key_Return);
        QVERIFY2(f.errors.empty(), f.errors.empty() ? "" : f.errors.front().detail.c_str());
        QCOMPARE(QByteArray::fromStdString(f.dir.read("GRDRecords.csv")), f.records);
        QVERIFY2(dialog.status().contains(QStringLiteral("285 of 285 games have scores and "
                                                         "285 have market lines. Catch Up enters "
                                                         "Week 1 forecasts to Super Bowl scores.")),
                 qPrintable(dialog.status()));
        QVERIFY(dialog.button("ImportBtn")->isEnabled());
        QVERIFY(dialog.button("CatchUpBtn")->isDefault());
        QTest::keyClick(&dialog, Qt::Key_Return);
        QTest::keyClick(&dialog, Qt::Key_M, Qt::AltModifier);
        const QString saved = QString::fromStdString((f.dir.path() / "GRDRecords.csv").string());
        QCOMPARE(f.caughtUp, QStringList{saved});
        QTRY_COMPARE(f.imported, QStringList{saved}); // a mnemonic's click is animated
        QVERIFY2(!std::filesystem::exists(f.dir.path() / "GRDOdds.cfg"),
                 "the environment's address is not kept");
    }

    void aFailedOrCancelledDownloadChangesNothing() {
        Fixture f;
        QVERIFY(f.ok);
        const auto before = test::contentsOf(f.dir.path());
        Dialog dialog(f);
        auto* address = dialog.findChild<QLineEdit*>(QStringLiteral("AddressEdit"));
        address->selectAll();
        QTest::keyClicks(address, f.server.url("/gone"));
        QTest::keyClick(&dialog, Qt::Key_Return);
        QCOMPARE(f.errors.size(), size_t(1));
        QVERIFY2(f.errors.front().detail.find("/gone: HTTP status 404 Not Found") !=
                     std::string::npos,
                 f.errors.front().detail.c_str());

        address->selectAll();
        QTest::keyClicks(address, f.server.url("/slow"));
        // Escape while the server keeps silent: the download stops, the dialog stays.
        QTimer::singleShot(300, &dialog, [&dialog] { QTest::keyClick(&dialog, Qt::Key_Escape); });
        QTest::keyClick(&dialog, Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.status(), QStringLiteral("Cancelled; nothing was saved."));
        QVERIFY(test::contentsOf(f.dir.path()) == before);
        QVERIFY(!dialog.button("CatchUpBtn")->isEnabled());
        QVERIFY(f.caughtUp.isEmpty());
    }
};

QTEST_MAIN(TGetRecordsDlgTest)
#include "TGetRecordsDlg_test.moc"
