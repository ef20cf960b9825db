#include "accuracy/ui/AccuracyWindows.h"
#include "accuracy/ui/TForecastAccuracyForm.h"
#include "accuracy/ui/TRatingsChartForm.h"
#include "tasks/CatchUpFixture.h"
#include "views/ui/DisplayTestHost.h"

#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace grd;

namespace {

// The 2024 season's first two weeks caught up, and its records with every home team a
// 3-point favourite.
struct SeasonHost : test::DisplayTestHost {
    bool make() {
        app.league = LeagueStructure(); // the season's own instead of the display fixture's
        if (!test::makeSeasonStart(dir, app) ||
            test::runTool("replay " + dir.path().string() + " " + test::kGames2024 + " --through 2")
                    .status != 0) {
            return false;
        }
        dir.write("lines.csv", test::recordsWithLines("3"));
        return true;
    }

    test::TempDir dir;
};

} // namespace

class MarketLinesImportTest : public QObject {
    Q_OBJECT

private slots:
    void importedLinesShowInTheOpenWindowAndSurviveIt() {
        SeasonHost host;
        QVERIFY(host.make());
        auto* window = openForecastAccuracy(host);
        QVERIFY(window != nullptr);
        auto* weeks = window->widget()->findChild<QTableView*>(QStringLiteral("WeeksGrid"));
        QCOMPARE(weeks->model()->columnCount(), 8);

        setNextMarketLinesFile(QString::fromStdString((host.dir.path() / "lines.csv").string()));
        QVERIFY(importMarketLines(host));
        QCOMPARE(weeks->model()->columnCount(), 12);
        QCOMPARE(weeks->model()->headerData(11, Qt::Horizontal).toString(),
                 QStringLiteral("Against the line"));
        QVERIFY(!host.dir.read("GRDLines.24.csv").empty());
        QCOMPARE(host.errors.size(), size_t(1)); // the message that says how many
        QVERIFY(host.errors.front().detail.find("imported") != std::string::npos);

        window->close();
        auto* again = openForecastAccuracy(host);
        QCOMPARE(again->widget()
                     ->findChild<QTableView*>(QStringLiteral("WeeksGrid"))
                     ->model()
                     ->columnCount(),
                 12);
    }

    void theChartKeepsItsTeamsThroughAnImport() {
        SeasonHost host;
        QVERIFY(host.make());
        auto* chart = qobject_cast<TRatingsChartForm*>(openRatingsChart(host)->widget());
        QTest::mouseClick(chart->findChild<QPushButton*>(QStringLiteral("AllBtn")), Qt::LeftButton);
        QCOMPARE(chart->seriesNames().size(), 33); // and the league average
        setNextMarketLinesFile(QString::fromStdString((host.dir.path() / "lines.csv").string()));
        QVERIFY(importMarketLines(host));
        QCOMPARE(chart->seriesNames().size(), 33);
    }

    void anotherSeasonsRecordsOrAnUnknownTeamLeaveTheLinesAsTheyWere() {
        SeasonHost host;
        QVERIFY(host.make());
        const auto file = QString::fromStdString((host.dir.path() / "lines.csv").string());
        setNextMarketLinesFile(file);
        QVERIFY(importMarketLines(host));
        const std::string good = host.dir.read("GRDLines.24.csv");
        const std::string lines = host.dir.read("lines.csv");
        // Records of another season alone, and one unknown team.
        const struct {
            std::string from, to, named;
            bool everywhere;
        } cases[] = {{"\n2024,", "\n2023,", "2023 season, not of the loaded season 2024-25", true},
                     {",BUF,", ",XYZ,", "\"XYZ\"", false}};
        for (const auto& bad : cases) {
            std::string text = lines;
            for (size_t at = text.find(bad.from); at != std::string::npos;
                 at = bad.everywhere ? text.find(bad.from, at) : std::string::npos) {
                text.replace(at, bad.from.size(), bad.to);
            }
            host.dir.write("lines.csv", text);
            host.errors.clear();
            setNextMarketLinesFile(file);
            QVERIFY(!importMarketLines(host));
            QCOMPARE(host.errors.size(), size_t(1));
            QVERIFY2(host.errors.front().detail.find(bad.named) != std::string::npos,
                     host.errors.front().detail.c_str());
            QCOMPARE(host.dir.read("GRDLines.24.csv"), good);
        }
    }

    // Each failure is numbered, names the file once and says what is wrong.
    void failedImportsAreNumberedAndChangeNothing() {
        SeasonHost host;
        QVERIFY(host.make());
        const std::string kept = (host.dir.path() / "GRDLines.24.csv").string();
        struct Case {
            std::string records, named, what;
        };
        const Case cases[] = {
            {test::kGames2024, test::kGames2024, "spread_line"},
            {"/dev/zero", "/dev/zero", "not a regular file"},
            {(host.dir.path() / "lines.csv").string(), kept, "Permission denied"},
        };
        for (const Case& c : cases) {
            if (c.named == kept) {
                host.dir.write("GRDLines.24.csv", "week,away,home,line\r\n");
                std::filesystem::permissions(kept, std::filesystem::perms::owner_read);
            }
            host.errors.clear();
            setNextMarketLinesFile(QString::fromStdString(c.records));
            QVERIFY(!importMarketLines(host));
            QCOMPARE(host.errors.size(), size_t(1));
            const Failure& failure = host.errors.front();
            QCOMPARE(failure.number, -54);
            QVERIFY2(failure.detail.find(c.what) != std::string::npos, failure.detail.c_str());
            const auto named = failure.detail.find(c.named);
            QVERIFY2(named != std::string::npos &&
                         failure.detail.find(c.named, named + 1) == std::string::npos,
                     failure.detail.c_str());
        }
        QCOMPARE(host.dir.read("GRDLines.24.csv"), std::string("week,away,home,line\r\n"));
    }
};

QTEST_MAIN(MarketLinesImportTest)
#include "MarketLinesImport_test.moc"
