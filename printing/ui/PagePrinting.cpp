#include "printing/ui/PagePrinting.h"

#include "files/AtomicFile.h"
#include "printing/PrintOrder.h"
#include "printing/ui/PageWriter.h"
#include "printing/ui/TPPPrnPrgDlg.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace grd {

namespace {

QPageLayout layoutOf(const PageMetrics& metrics) {
    QSizeF inches(static_cast<double>(metrics.pageWidth) / metrics.dpiX,
                  static_cast<double>(metrics.pageHeight) / metrics.dpiY);
    bool wide = inches.width() > inches.height();
    QSizeF portrait = wide ? inches.transposed() : inches;
    return QPageLayout(QPageSize(portrait, QPageSize::Inch, QString(), QPageSize::ExactMatch),
                       wide ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
}

// Where a printer's painter origin lies on the physical page.
QPointF printerOrigin(const QPrinter& printer) {
    if (printer.fullPage())
        return {};
    return printer.pageLayout().paintRect(QPageLayout::Inch).topLeft();
}

// Keeps the printer's own copy count out of the run and gives it back afterwards.
class CopyCountGuard {
public:
    explicit CopyCountGuard(QPrinter& printer) : printer_(printer), saved_(printer.copyCount()) {
        printer_.setCopyCount(1);
    }
    ~CopyCountGuard() {
        if (printer_.printerState() != QPrinter::Active)
            printer_.setCopyCount(saved_);
    }
    CopyCountGuard(const CopyCountGuard&) = delete;
    CopyCountGuard& operator=(const CopyCountGuard&) = delete;

private:
    QPrinter& printer_;
    int saved_;
};

} // namespace

void playPicture(QPainter& painter, const QPicture& picture) {
    QPaintDevice* device = painter.device();
    painter.save();
    painter.scale(static_cast<double>(picture.logicalDpiX()) / device->logicalDpiX(),
                  static_cast<double>(picture.logicalDpiY()) / device->logicalDpiY());
    painter.drawPicture(0, 0, picture);
    painter.restore();
}

void drawRecordedPage(QPainter& painter, const RecordedPage& page, QPointF deviceOrigin,
                      double dpiX, double dpiY) {
    const PageMetrics& m = page.metrics;
    QPointF pictureOrigin(static_cast<double>(m.unprintableLeft) / m.dpiX,
                          static_cast<double>(m.unprintableTop) / m.dpiY);
    QPointF shift = pictureOrigin - deviceOrigin;
    painter.save();
    painter.translate(shift.x() * dpiX, shift.y() * dpiY);
    painter.scale(dpiX / m.dpiX, dpiY / m.dpiY);
    playPicture(painter, page.picture);
    painter.restore();
}

PrintOutcome printPages(const TPageList& pages, QPrinter& printer, const PrintJobOptions& options,
                        QWidget* parent) {
    if (pages.empty())
        return PrintOutcome::Printed;
    PrintRange range = printRange(pages.count(), options.fromPage, options.toPage);
    std::vector<int> order = printOrder(range, options.copies, options.collate);
    if (order.empty())
        return PrintOutcome::Printed;
    CopyCountGuard copies(printer);
    printer.setDocName(options.title);
    // The paper takes the orientation the pages were laid out in.
    printer.setPageOrientation(pages.page(order.front()).metrics.landscape ? QPageLayout::Landscape
                                                                           : QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&printer))
        throw EPagePrinter("Unable to start the print job");
    std::unique_ptr<TPPPrnPrgDlg> progress;
    if (options.showProgress) {
        progress = std::make_unique<TPPPrnPrgDlg>(options.title, options.progressMessage,
                                                  static_cast<int>(order.size()),
                                                  options.showCancel, parent);
        progress->show();
    }
    for (size_t step = 0; step < order.size(); ++step) {
        if (progress && options.showCancel)
            QCoreApplication::processEvents();
        if (progress && progress->cancelled()) {
            if (options.abortOnCancel)
                printer.abort();
            painter.end();
            return PrintOutcome::Cancelled;
        }
        int page = order[step];
        if (progress)
            progress->showPage(static_cast<int>(step) + 1, QString::fromStdString(progressPageText(
                                                               page, range, options.copies)));
        if (step > 0)
            printer.newPage();
        drawRecordedPage(painter, pages.page(page), printerOrigin(printer), printer.logicalDpiX(),
                         printer.logicalDpiY());
    }
    painter.end();
    return PrintOutcome::Printed;
}

Status writePagesToPdf(const TPageList& pages, const std::filesystem::path& path,
                       const QString& title) {
    const int failureNumber = -35;
    if (pages.empty())
        return Failure{failureNumber, quotedPath(path.string()) + "(no pages)"};
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("GRD Oddsmith"));
        pdf.setResolution(pages.page(1).metrics.dpiX);
        pdf.setPageLayout(layoutOf(pages.page(1).metrics));
        QPainter painter;
        if (!painter.begin(&pdf))
            return Failure{failureNumber, quotedPath(path.string())};
        for (int n = 1; n <= pages.count(); ++n) {
            if (n > 1) {
                pdf.setPageLayout(layoutOf(pages.page(n).metrics));
                pdf.newPage();
            }
            drawRecordedPage(painter, pages.page(n), {}, pdf.logicalDpiX(), pdf.logicalDpiY());
        }
        painter.end();
    }
    std::string reason;
    if (!writeFileAtomically(
            path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())), &reason))
        return Failure{failureNumber, reason}; // it names the file
    return Ok{};
}

} // namespace grd
