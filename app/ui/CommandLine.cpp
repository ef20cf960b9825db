#include "app/ui/CommandLine.h"

#include <QCoreApplication>

#include <cstdio>

namespace grd {

namespace {

const QString kDataDirOption = QStringLiteral("data-dir");
const QString kPrinterPageOption = QStringLiteral("printer-page");
// The options of a PDF run, handed to the PDF request reader as "--name value" pairs.
const char* const kPdfOptions[] = {"pdf", "archive", "reports", "schedule"};

CommandLine ending(int exitCode, const QString& message) {
    return {exitCode, message, {}, {}};
}

CommandLine usageError(const QString& problem) {
    return ending(
        2,
        QStringLiteral("Oddsmith: %1\nTry 'Oddsmith --help' for more information.\n").arg(problem));
}

// Qt names the program by its path, or by a placeholder before the application
// exists; the usage line names the command as the user types it.
QString helpText(const QCommandLineParser& parser) {
    const QString usage = QStringLiteral("Usage: ");
    QString text = parser.helpText();
    const qsizetype end = text.indexOf(QStringLiteral(" [options]"));
    if (text.startsWith(usage) && end > usage.size())
        text.replace(usage.size(), end - usage.size(), QStringLiteral("Oddsmith"));
    return text;
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
    parser.addOption({QStringLiteral("pdf"),
                      QStringLiteral("Writes the reports to <file> as a PDF, showing no window."),
                      QStringLiteral("file")});
    parser.addOption({QStringLiteral("archive"),
                      QStringLiteral("With --pdf: the reports of an archive file."),
                      QStringLiteral("file")});
    parser.addOption({QStringLiteral("reports"),
                      QStringLiteral("With --pdf: the reports, as spreads-plain,spreads-grid,"
                                     "scores,team,division,category."),
                      QStringLiteral("list")});
    parser.addOption({QStringLiteral("schedule"),
                      QStringLiteral("With --pdf: the schedule in 1, 2 or 3 columns instead."),
                      QStringLiteral("columns")});
    // The program asks itself, so that its own process never loads the print system.
    QCommandLineOption printerPage(kPrinterPageOption,
                                   QStringLiteral("Writes the default printer's page."));
    printerPage.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(printerPage);
}

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    addCommandLineOptions(parser);
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")))
        return ending(0, helpText(parser));
    if (parser.isSet(QStringLiteral("version")))
        return ending(0, QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                       QCoreApplication::applicationVersion()));
    if (!parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("unexpected '%1'").arg(parser.positionalArguments()[0]));
    CommandLine line;
    line.printerPage = parser.isSet(kPrinterPageOption);
    if (parser.isSet(kDataDirOption)) {
        const QString dir = parser.value(kDataDirOption);
        if (dir.isEmpty())
            return usageError(QStringLiteral("--data-dir needs a directory"));
        line.dataDir = dir.toStdString();
    }
    std::vector<std::string> pdfWords;
    for (const char* name : kPdfOptions)
        if (parser.isSet(QLatin1String(name)))
            pdfWords.insert(pdfWords.end(), {std::string("--") + name,
                                             parser.value(QLatin1String(name)).toStdString()});
    if (!pdfWords.empty()) {
        const PdfArguments pdf = parsePdfArguments(pdfWords);
        if (!pdf.problem.empty())
            return usageError(QString::fromStdString(pdf.problem));
        if (!pdf.request)
            return usageError(QStringLiteral("--archive, --reports and --schedule go with --pdf"));
        line.pdf = pdf.request;
    }
    return line;
}

bool holdsQtOptions(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& word = arguments[i];
        if (word.size() > 2 && word.startsWith(QLatin1Char('-')) &&
            !word.startsWith(QStringLiteral("--")))
            return true;
    }
    return false;
}

int finishCommandLine(const CommandLine& line) {
    std::fputs(qPrintable(line.message), *line.exitCode == 0 ? stdout : stderr);
    return *line.exitCode;
}

} // namespace grd
