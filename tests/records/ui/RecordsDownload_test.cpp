#include "league/Messages.h"
#include "records/ui/RecordsDownload.h"
#include "support/LocalHttpServer.h"
#include "support/TempDir.h"
#include "tasks/CatchUpFixture.h"

#include <QTest>

using namespace grd;
using Answer = test::LocalHttpServer::Answer;

namespace {

// The 2024 records in the public layout: with every home team a 3-point favourite.
QByteArray publicRecords() {
    return QByteArray::fromStdString(test::recordsWithLines("-3"));
}

} // namespace

class RecordsDownloadTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // A proxy in the test machine's environment must not stand between.
        qputenv("no_proxy", "127.0.0.1");
    }

    void recordsArriveWholeAlsoThroughARedirect() {
        test::LocalHttpServer server;
        const QByteArray records = publicRecords();
        server.answer("/games.csv", Answer::file(records));
        server.answer("/moved", Answer::redirect(server.url("/games.csv")));
        for (const char* path : {"/games.csv", "/moved"}) {
            auto fetched = fetchPublicRecords(server.url(path), "2024");
            QVERIFY2(fetched.ok(), fetched.ok() ? "" : fetched.failure().detail.c_str());
            QCOMPARE(QByteArray::fromStdString(fetched.value().text), records);
            QCOMPARE(fetched.value().summary.games, 285);
            QCOMPARE(fetched.value().summary.seasonLines, 285);
        }
    }

    void failuresNameTheAddressAndTheCause() {
        test::LocalHttpServer server;
        const QByteArray records = publicRecords();
        server.answer("/silent", Answer::silence());
        server.answer("/announced", Answer::file(records, 100ll << 20));
        server.answer("/long", Answer::file(records + records));
        server.answer("/columns", Answer::file("season,week,team\n2024,1,BUF\n"));
        server.answer("/empty", Answer::file("season,game_type,week,away_team,away_score,"
                                             "home_team,home_score,location,spread_line\n"));
        struct Case {
            QString address;
            std::string cause;
        };
        const Case cases[] = {
            {server.url("/missing"), "HTTP status 404 Not Found"},
            {server.url("/silent"), "no answer within 1 s"},
            {server.url("/announced"), "larger than 0 MiB"},
            {server.url("/long"), "larger than 0 MiB"},
            {server.url("/columns"), "not game records in the public layout: line 1: the header "
                                     "has no column game_type"},
            {server.url("/empty"), "the records hold no game"},
            {QStringLiteral("ftp://127.0.0.1/games.csv"), "not an http or https address"},
            {QStringLiteral("http://127.0.0.1:1/games.csv"), "Connection refused"},
            // A server that answers TLS in plain HTTP.
            {server.url("/games.csv").replace(QStringLiteral("http:"), QStringLiteral("https:")),
             "TLS error: "},
        };
        DownloadLimits limits;
        limits.timeout = std::chrono::milliseconds(1000);
        limits.maxBytes = records.size() + 1;
        for (const auto& c : cases) {
            auto fetched = fetchPublicRecords(c.address, "2024", limits);
            QVERIFY2(!fetched.ok(), qPrintable(c.address));
            const std::string& detail = fetched.failure().detail;
            QVERIFY2(detail.starts_with(c.address.toStdString() + ": "), detail.c_str());
            QVERIFY2(detail.find(c.cause) != std::string::npos, detail.c_str());
            QCOMPARE(fetched.failure().number, kImportError);
        }
    }

    void progressIsToldAndCanCancel() {
        test::LocalHttpServer server;
        server.answer("/silent", Answer::silence());
        int calls = 0;
        auto fetched = downloadFile(server.url("/silent"), {},
                                    [&](std::int64_t, std::int64_t) { return ++calls < 3; });
        QVERIFY(!fetched.ok());
        QCOMPARE(fetched.failure().number, 0);
        QVERIFY(fetched.failure().detail.ends_with(": cancelled"));
        QCOMPARE(calls, 3);
    }

    // grdtool fetch as a user runs it: the records kept in the data directory, and a
    // failure that changes nothing there.
    void grdtoolKeepsTheRecordsOrChangesNothing() {
        test::TempDir dir;
        AppState app;
        QVERIFY(test::makeSeasonStart(dir, app));
        test::LocalHttpServer server;
        const QByteArray records = publicRecords();
        server.answer("/games.csv", Answer::file(records));
        server.answer("/columns", Answer::file("season,week\n2024,1\n"));
        server.answer("/silent", Answer::silence());
        server.answer("/huge", Answer::file(records, 65ll << 20));
        const QString target = QString::fromStdString(dir.path().string());
        const auto before = test::contentsOf(dir.path());
        QByteArray output;
        for (auto [path, cause] : {std::pair{"/nothing", "HTTP status 404 Not Found"},
                                   std::pair{"/columns", "has no column game_type"},
                                   std::pair{"/silent", "no answer within 1 s"},
                                   std::pair{"/huge", "larger than 64 MiB"}}) {
            QCOMPARE(test::runServing(
                         QStringLiteral(ODDSMITH_GRDTOOL),
                         {"fetch", target, "--url", server.url(path), "--timeout", "1"}, &output),
                     1);
            QVERIFY2(output.contains(cause), output.constData());
            QVERIFY(test::contentsOf(dir.path()) == before);
        }

        QCOMPARE(test::runServing(QStringLiteral(ODDSMITH_GRDTOOL),
                                  {"fetch", target, "--url", server.url("/games.csv")}, &output),
                 0);
        QCOMPARE(QByteArray::fromStdString(dir.read("GRDRecords.csv")), records);
        QVERIFY2(output.contains("285 games of the 2024 season; 2024-25: 285 games, 285 with "
                                 "scores, 285 with market lines"),
                 output.constData());
    }
};

QTEST_GUILESS_MAIN(RecordsDownloadTest)
#include "RecordsDownload_test.moc"
