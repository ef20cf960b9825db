#include "app/ui/CommandLine.h"
#include "app/ui/TMainForm.h"
#include "league/ui/MessageDialogs.h"
#include "state/DataDirectory.h"

#include "TestConfig.h"

#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>

namespace fs = std::filesystem;

namespace grd {

class CommandLineTest : public QObject {
    Q_OBJECT

    static CommandLine parse(const QStringList& words) {
        return parseCommandLine(QStringList{QStringLiteral("Oddsmith")} + words);
    }

private slots:
    void initTestCase() {
        QCoreApplication::setApplicationName(QStringLiteral("GRD Oddsmith"));
        QCoreApplication::setApplicationVersion(QStringLiteral("7.18"));
    }

    void helpAndVersion_endTheRunWithZero() {
        const CommandLine help = parse({QStringLiteral("--help")});
        QCOMPARE(help.exitCode, std::optional<int>(0));
        QVERIFY(help.message.contains(QStringLiteral("--data-dir <dir>")));
        QVERIFY(help.message.contains(QStringLiteral("--version")));
        QVERIFY(help.message.startsWith(QStringLiteral("Usage: Oddsmith [options]")));
        QCOMPARE(parse({QStringLiteral("--help-all")}).exitCode, std::optional<int>(0));
        const CommandLine version = parse({QStringLiteral("--version")});
        QCOMPARE(version.exitCode, std::optional<int>(0));
        QCOMPARE(version.message, QStringLiteral("GRD Oddsmith 7.18\n"));
    }

    void dataDir_isPassedOn() {
        const CommandLine line = parse({QStringLiteral("--data-dir"), QStringLiteral("/srv/grd")});
        QVERIFY(!line.exitCode);
        QCOMPARE(line.dataDir, std::optional<std::string>("/srv/grd"));
        QCOMPARE(parse({QStringLiteral("--data-dir=rel")}).dataDir,
                 std::optional<std::string>("rel"));
        QVERIFY(!parse({}).dataDir);
        QVERIFY(!parse({}).exitCode);
    }

    void wrongCalls_areUsageErrors_data() {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("problem");
        QTest::newRow("unknown option") << QStringList{"--colour"} << "colour";
        QTest::newRow("no directory") << QStringList{"--data-dir"} << "data-dir";
        QTest::newRow("empty directory") << QStringList{"--data-dir="} << "needs a directory";
        QTest::newRow("stray word") << QStringList{"season.grd"} << "unexpected 'season.grd'";
    }
    void wrongCalls_areUsageErrors() {
        QFETCH(QStringList, words);
        QFETCH(QString, problem);
        const CommandLine line = parse(words);
        QCOMPARE(line.exitCode, std::optional<int>(2));
        QVERIFY2(line.message.contains(problem), qPrintable(line.message));
        QVERIFY(line.message.contains(QStringLiteral("--help")));
    }

    void qtOptions_areLeftToTheApplication() {
        const auto holds = [](const QStringList& words) {
            return holdsQtOptions(QStringList{QStringLiteral("Oddsmith")} + words);
        };
        QVERIFY(holds({"-platform", "offscreen"}));
        QVERIFY(holds({"--data-dir", "d", "-style=fusion"}));
        QVERIFY(!holds({"--data-dir", "d", "--version", "-h", "-v"}));
        QVERIFY(!holds({}));
    }

    // --data-dir names a directory the program does not fill: without league files
    // start-up reports the missing structure file by its path.
    void dataDirWithoutLeagueFiles_isTheStartUpErrorNamingThePath() {
        QTemporaryDir empty;
        DataDirectoryRequest request{empty.path().toStdString(), ODDSMITH_PROGRAM_DIR, "", ""};
        const DataDirectoryChoice choice = chooseDataDirectory(request);
        QVERIFY(choice.ok());
        std::vector<Failure> errors;
        MessageDialogs::recordErrors(&errors);
        {
            TMainForm form(choice.paths);
            QVERIFY(form.state().startupFailed);
        }
        MessageDialogs::recordErrors(nullptr);
        QCOMPARE(errors.size(), size_t{2});
        QCOMPARE(errors[0].number, -32);
        QCOMPARE(errors[1].number, -30);
        const std::string path = empty.path().toStdString() + "/GRDStructure.txt";
        QVERIFY2(errors[0].detail.find(path) != std::string::npos, errors[0].detail.c_str());
        QVERIFY2(errors[1].detail.find(path) != std::string::npos, errors[1].detail.c_str());
    }

    // An installed program: the library found by the program's path, the data in
    // the user's directory and the help where it was shipped.
    void separateDirectories_startOnTheShippedData() {
        QTemporaryDir data;
        fs::copy(ODDSMITH_DATA_DIR "program", data.path().toStdString());
        ProgramPaths paths{ODDSMITH_PROGRAM_DIR, ODDSMITH_PROGRAM_DIR,
                           data.path().toStdString() + "/"};
        std::vector<Failure> errors;
        MessageDialogs::recordErrors(&errors);
        TMainForm form(paths);
        MessageDialogs::recordErrors(nullptr);
        QVERIFY(errors.empty());
        QVERIFY(!form.state().startupFailed);
        QCOMPARE(form.state().programDir, paths.dataDir);
        QCOMPARE(form.state().helpBundle, std::string(ODDSMITH_PROGRAM_DIR "GRDOdds.help"));
        QVERIFY(form.companion().loaded());
        QCOMPARE(form.property("dataDirectory").toString(), QString::fromStdString(paths.dataDir));
        QVERIFY(fs::exists(paths.dataDir + "main-dta.rvt"));
    }
};

} // namespace grd

QTEST_MAIN(grd::CommandLineTest)
#include "CommandLine_test.moc"
