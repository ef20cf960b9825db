#pragma once

#include "printing/ui/PrinterPage.h"

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace grd {

// The default printer's page, asked of a process of the program's own: making a QPrinter
// loads the print system's libraries, megabytes that would stay with the asking program
// for the rest of its run, while a preview needs only the page.

// What a program answering --printer-page said.
struct PrinterAnswer {
    std::optional<PrinterPage> page; // none: no usable printer
};

// The answer as one line of text, and back; null when text is not an answer.
std::string printerAnswerText(const PrinterAnswer& answer);
std::optional<PrinterAnswer> readPrinterAnswer(std::string_view text);

// Runs program --printer-page without a display; null when it does not answer in time.
std::optional<PrinterAnswer> askPrinterPage(const QString& program, int timeoutMs = 20000);

// The answering side: this process's default printer's page on standard output.
// Needs the application object.
int answerPrinterPage();

} // namespace grd
