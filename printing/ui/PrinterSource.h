#pragma once

#include "printing/ui/PrinterPage.h"

#include <QString>

#include <memory>
#include <optional>

class QPrinter;

namespace grd {

// The printer reports go to. The QPrinter is made only when something is printed or
// the page is set up; until then previews are laid out for the default printer's page
// as a process of the program's own reports it (see PrinterProbe.h).
class PrinterSource {
public:
    // probeProgram answers --printer-page; empty, or when it does not answer, the page
    // is read from a QPrinter made here.
    explicit PrinterSource(QString probeProgram = {});
    // Prints on printer, which the caller keeps: a file writer or a chosen queue.
    explicit PrinterSource(QPrinter& printer);
    ~PrinterSource();
    PrinterSource(const PrinterSource&) = delete;
    PrinterSource& operator=(const PrinterSource&) = delete;

    // The page pages are laid out for; none when no usable printer is installed.
    std::optional<PrinterPage> page();
    // The printer itself, made on first use.
    QPrinter& printer();
    bool printerMade() const { return printer_ != nullptr; }
    // Something can be printed: a usable printer, or a printer that writes to a file
    // (Qt's "Print to File").
    bool ready();
    // The printer's name, or the file it writes to.
    QString name();

private:
    QString probeProgram_;
    QPrinter* printer_ = nullptr;
    std::unique_ptr<QPrinter> ownPrinter_;
    std::optional<std::optional<PrinterPage>> probed_; // the answer, once asked
};

} // namespace grd
