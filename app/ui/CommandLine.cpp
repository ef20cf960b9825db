#include "app/ui/CommandLine.h"

#include <QCoreApplication>

#include <cstdio>

namespace grd {

namespace {

const QString kDataDirOption = QStringLiteral("data-dir");

CommandLine ending(int exitCode, const QString& message) {
    return {exitCode, message, {}};
}

CommandLine usageError(const QString& problem) {
    return ending(
        2,
        QStringLiteral("Oddsmith: %1\nTry 'Oddsmith --help' for more information.\n").arg(problem));
}

} // namespace

void addCommandLineOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Forecasts the point spreads of a professional football league."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({kDataDirOption,
                      QStringLiteral("Keeps the league files, main data, archives and "
                                     "preferences in <dir>."),
                      QStringLiteral("dir")});
}

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    addCommandLineOptions(parser);
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(QStringLiteral("help")))
        return ending(0, parser.helpText());
    if (parser.isSet(QStringLiteral("version")))
        return ending(0, QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                       QCoreApplication::applicationVersion()));
    if (!parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("unexpected '%1'").arg(parser.positionalArguments()[0]));
    CommandLine line;
    if (parser.isSet(kDataDirOption)) {
        const QString dir = parser.value(kDataDirOption);
        if (dir.isEmpty())
            return usageError(QStringLiteral("--data-dir needs a directory"));
        line.dataDir = dir.toStdString();
    }
    return line;
}

int finishCommandLine(const CommandLine& line) {
    std::fputs(qPrintable(line.message), *line.exitCode == 0 ? stdout : stderr);
    return *line.exitCode;
}

} // namespace grd
