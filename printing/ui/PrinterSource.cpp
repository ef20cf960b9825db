#include "printing/ui/PrinterSource.h"

#include "printing/ui/PrinterProbe.h"

#include <QPrinter>

namespace grd {

PrinterSource::PrinterSource(QString probeProgram) : probeProgram_(std::move(probeProgram)) {}

PrinterSource::PrinterSource(QPrinter& printer) : printer_(&printer) {}

PrinterSource::~PrinterSource() = default;

std::optional<PrinterPage> PrinterSource::page() {
    // A made printer is read each time: the page setup and the print dialog change it.
    if (printer_ != nullptr)
        return printerPageOf(*printer_);
    if (!probed_ && !probeProgram_.isEmpty()) {
        if (std::optional<PrinterAnswer> answer = askPrinterPage(probeProgram_))
            probed_.emplace(answer->page);
    }
    if (probed_)
        return *probed_;
    return printerPageOf(printer());
}

QPrinter& PrinterSource::printer() {
    if (printer_ == nullptr) {
        ownPrinter_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_ = ownPrinter_.get();
    }
    return *printer_;
}

bool PrinterSource::ready() {
    if (printer_ != nullptr && !printer_->outputFileName().isEmpty())
        return true;
    return page().has_value();
}

QString PrinterSource::name() {
    if (printer_ != nullptr)
        return printer_->printerName().isEmpty() ? printer_->outputFileName()
                                                 : printer_->printerName();
    std::optional<PrinterPage> current = page();
    return current ? current->name : QString();
}

} // namespace grd
