#pragma once

#include "app/PdfRequest.h"

#include <QCommandLineParser>

#include <optional>
#include <string>

namespace grd {

// What the command line asks of one run.
struct CommandLine {
    std::optional<int> exitCode;        // set: the run ends here with this code and message
    QString message;                    // for standard output on 0, standard error otherwise
    std::optional<std::string> dataDir; // --data-dir
    std::optional<PdfRequest> pdf;      // --pdf and its options: write a PDF, show no window
    bool printerPage = false;           // --printer-page: tell the default printer's page
};

// Adds every option of the program to parser; a new option starts here.
void addCommandLineOptions(QCommandLineParser& parser);

// Reads the arguments (the program's name first). --help and --version end the run
// with 0, a wrong call with 2.
CommandLine parseCommandLine(const QStringList& arguments);

// True when the arguments may hold Qt's own options (one dash and a word, such as
// -platform), which only the application itself takes off.
bool holdsQtOptions(const QStringList& arguments);

// Prints the message of a run that ends at its command line; returns its exit code.
int finishCommandLine(const CommandLine& line);

} // namespace grd
