#include "TestConfig.h"
#include "support/TempDir.h"

#include <QProcess>
#include <QtTest>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

// Runs program with args; returns the exit code, standard output in out.
int run(const QString& program, const QStringList& args, QString* out = nullptr) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.start(program, args);
    if (!process.waitForFinished(60000))
        return -1;
    if (out != nullptr)
        *out = QString::fromUtf8(process.readAllStandardOutput());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace

// Oddsmith --pdf run as a process on a program directory holding five replayed weeks.
class PdfExportTest : public QObject {
    Q_OBJECT

private:
    grd::test::TempDir dir_;

    QString path(const char* name) const {
        return QString::fromStdString((dir_.path() / name).string());
    }

    // The PDF written for args, as text; empty when the program failed.
    QString pdfText(const QStringList& args) {
        fs::remove(dir_.path() / "out.pdf");
        QStringList all = {QStringLiteral("--pdf"), path("out.pdf")};
        all << args;
        if (run(path("Oddsmith"), all) != 0)
            return {};
        QString text;
        run(QStringLiteral("pdftotext"),
            {QStringLiteral("-layout"), path("out.pdf"), QStringLiteral("-")}, &text);
        return text;
    }

private slots:
    void initTestCase() {
        for (const char* name :
             {"GRDStructure.txt", "GRDSchedule.ccs", "GRDNames.ccn", "MAIN-DTA.GRD", "Oddsmith"})
            fs::copy_file(fs::path(ODDSMITH_PROGRAM_DIR) / name, dir_.path() / name);
        QCOMPARE(run(QStringLiteral(ODDSMITH_GRDTOOL),
                     {QStringLiteral("replay"), QString::fromStdString(dir_.dir()),
                      QStringLiteral(ODDSMITH_DATA_DIR "games-2025.csv"),
                      QStringLiteral("--through"), QStringLiteral("5")}),
                 0);
    }

    void currentData_printsTheWeeksReportsOnePageEach() {
        QString text = pdfText({});
        QVERIFY(!text.isEmpty());
        // Spreads plain and grid, team, division and category rankings.
        QCOMPARE(text.count(QLatin1Char('\f')), 5);
        QStringList pages = text.split(QLatin1Char('\f'));
        QVERIFY(pages[0].contains(QStringLiteral("GRD Oddsmith: Spreads")));
        QVERIFY(pages[0].contains(QStringLiteral("Week 6")));
        QString pick = pages[1];
        QVERIFY(pick.contains(QStringLiteral("Team 1")));
        QVERIFY(pick.contains(QStringLiteral("[] Philadelphia")));
        QVERIFY(pick.contains(QStringLiteral("EVEN")));
        QVERIFY(pick.contains(
            QRegularExpression(QStringLiteral("Week correct / week predictions +14 +14"))));
        QVERIFY(pick.contains(QStringLiteral("% Week correct")));
        QString team = pages[2];
        QVERIFY(team.contains(QStringLiteral("GRD Oddsmith: Team Rankings")));
        QVERIFY(
            team.contains(QRegularExpression(QStringLiteral("\\*Total +Off +Def +Pts\\+ +Pts-"))));
        QVERIFY(team.contains(QRegularExpression(QStringLiteral("\n +1 [A-Z][a-z]+"))));
        QVERIFY(team.contains(QStringLiteral("Averages")));
        QVERIFY(pages[3].contains(QStringLiteral("AFC East")));
        QVERIFY(pages[4].contains(QStringLiteral("GRD Oddsmith: Category Rankings")));
    }

    void archive_printsTheChosenReports() {
        QString text = pdfText({QStringLiteral("--archive"), path("WEEK-05.25"),
                                QStringLiteral("--reports"), QStringLiteral("scores,team")});
        QCOMPARE(text.count(QLatin1Char('\f')), 2);
        QVERIFY(text.contains(QStringLiteral("GRD Oddsmith: Scores")));
        QVERIFY(text.contains(QStringLiteral("Average points per game per team =")));
        QVERIFY(!text.contains(QStringLiteral("Spreads")));
    }

    void schedule_putsWeeksSideBySide() {
        QString three = pdfText({QStringLiteral("--schedule"), QStringLiteral("3")});
        QVERIFY(three.contains(QRegularExpression(QStringLiteral("Week 1 +Week 2 +Week 3"))));
        QVERIFY(three.contains(QStringLiteral("GRD Oddsmith: 2025 Schedule")));
        QString one = pdfText({QStringLiteral("--schedule"), QStringLiteral("1")});
        QVERIFY(!one.contains(QRegularExpression(QStringLiteral("Week 1 +Week 2"))));
        QVERIFY(one.count(QLatin1Char('\f')) > three.count(QLatin1Char('\f')));
    }

    void failures_leaveAnExistingFileAlone() {
        dir_.write("kept.pdf", "old");
        QStringList args = {QStringLiteral("--pdf"), path("kept.pdf"), QStringLiteral("--archive"),
                            path("WEEK-99.25")};
        QCOMPARE(run(path("Oddsmith"), args), 1);
        QCOMPARE(QString::fromStdString(dir_.read("kept.pdf")), QStringLiteral("old"));
        QCOMPARE(run(path("Oddsmith"), {QStringLiteral("--pdf"), path("kept.pdf"),
                                        QStringLiteral("--schedule"), QStringLiteral("4")}),
                 2);
        QCOMPARE(run(path("Oddsmith"), {QStringLiteral("--pdf"), path("kept.pdf"),
                                        QStringLiteral("--reports"), QStringLiteral("scores")}),
                 1); // the main data file holds no scores
        QCOMPARE(QString::fromStdString(dir_.read("kept.pdf")), QStringLiteral("old"));
    }
};

QTEST_GUILESS_MAIN(PdfExportTest)
#include "PdfExport_test.moc"
