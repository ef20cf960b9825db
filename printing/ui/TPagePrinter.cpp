#include "printing/ui/TPagePrinter.h"

#include "printing/PreviewScale.h"

#include <QLinearGradient>
#include <QLocale>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

namespace grd {

namespace {

TMeasureUnit localeUnit() {
    return measureUnitFor(QLocale().measurementSystem() == QLocale::ImperialUSSystem);
}

} // namespace

TPagePrinter::TPagePrinter(PrinterSource* printer, QWidget* parent)
    : QAbstractScrollArea(parent), writer_(localeUnit(), printer),
      shadowColor_(palette().color(QPalette::Dark)) {
    setObjectName(QStringLiteral("PgPrinter"));
    writer_.OnFinished = [this] {
        shownPage_ = writer_.pages().empty() ? 0 : 1;
        updateScrollRanges();
        viewport()->update();
    };
}

const PageMetrics& TPagePrinter::shownMetrics() const {
    if (shownPage_ >= 1 && shownPage_ <= writer_.pages().count())
        return writer_.pages().page(shownPage_).metrics;
    return writer_.metrics();
}

int TPagePrinter::screenDpi() const {
    return logicalDpiX() > 0 ? logicalDpiX() : 96;
}

void TPagePrinter::ShowPage(int n) {
    int count = writer_.pages().count();
    if (n < 1 || n > count) {
        std::string message = "PageNumber must be between 1 and ";
        throw EPagePrinter(count > 0 ? message + std::to_string(count) : message);
    }
    shownPage_ = n;
    updateScrollRanges();
    viewport()->update();
}

QSize TPagePrinter::pageExtent() const {
    const PageMetrics& m = shownMetrics();
    return {previewExtent(m.pageWidth, zoomPercent_, m.horizontalDpi(), screenDpi()),
            previewExtent(m.pageHeight, zoomPercent_, m.verticalDpi(), screenDpi())};
}

void TPagePrinter::setZoomPercent(int percent) {
    fit_ = Fit::None;
    applyZoom(percent);
}

void TPagePrinter::applyZoom(int percent) {
    zoomPercent_ = std::max(1, percent);
    updateScrollRanges();
    placeAfterZoom();
    viewport()->update();
}

void TPagePrinter::FitPageWidth() {
    fit_ = Fit::PageWidth;
    const PageMetrics& m = shownMetrics();
    applyZoom(fitZoom(viewport()->width() +
                          (verticalScrollBar()->isVisible() ? verticalScrollBar()->width() : 0),
                      verticalScrollBar()->sizeHint().width(), shadowOffset_, m.pageWidth,
                      m.horizontalDpi(), screenDpi()));
}

void TPagePrinter::FitPageHeight() {
    fit_ = Fit::PageHeight;
    const PageMetrics& m = shownMetrics();
    applyZoom(
        fitZoom(viewport()->height() +
                    (horizontalScrollBar()->isVisible() ? horizontalScrollBar()->height() : 0),
                horizontalScrollBar()->sizeHint().height(), shadowOffset_, m.pageHeight,
                m.verticalDpi(), screenDpi()));
}

void TPagePrinter::FitWholePage() {
    const PageMetrics& m = shownMetrics();
    if (fitByWidth(width(), height(), m.pageWidth, m.pageHeight))
        FitPageWidth();
    else
        FitPageHeight();
    fit_ = Fit::WholePage;
}

// Fitting may show or hide a scroll bar, which resizes the viewport again.
void TPagePrinter::applyFit() {
    if (fitting_ || fit_ == Fit::None)
        return;
    fitting_ = true;
    switch (fit_) {
    case Fit::WholePage:
        FitWholePage();
        break;
    case Fit::PageWidth:
        FitPageWidth();
        break;
    default:
        FitPageHeight();
        break;
    }
    fitting_ = false;
}

void TPagePrinter::setShadowOffset(int offset) {
    shadowOffset_ = offset;
    updateScrollRanges();
    viewport()->update();
}

void TPagePrinter::setShadowColor(const QColor& colour) {
    shadowColor_ = colour;
    viewport()->update();
}

void TPagePrinter::setShowMargins(bool on) {
    showMargins_ = on;
    viewport()->update();
}

void TPagePrinter::setGradientBackground(bool on) {
    gradient_ = on;
    viewport()->update();
}

void TPagePrinter::updateScrollRanges() {
    QSize page = pageExtent();
    int w = page.width() + 2 * shadowOffset_ + 2;
    int h = page.height() + 2 * shadowOffset_ + 2;
    horizontalScrollBar()->setRange(0, std::max(0, w - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    verticalScrollBar()->setRange(0, std::max(0, h - viewport()->height()));
    verticalScrollBar()->setPageStep(viewport()->height());
}

void TPagePrinter::placeAfterZoom() {
    QScrollBar* across = horizontalScrollBar();
    QScrollBar* down = verticalScrollBar();
    across->setValue(zoomLocation_ == TZoomLocation::zlTopLeft ? 0 : across->maximum() / 2);
    down->setValue(zoomLocation_ == TZoomLocation::zlCenter ? down->maximum() / 2 : 0);
}

QPoint TPagePrinter::pageOrigin() const {
    QSize page = pageExtent();
    int room = shadowOffset_ + 1;
    int x = page.width() + 2 * room <= viewport()->width()
                ? (viewport()->width() - page.width()) / 2
                : room - horizontalScrollBar()->value();
    int y = page.height() + 2 * room <= viewport()->height()
                ? (viewport()->height() - page.height()) / 2
                : room - verticalScrollBar()->value();
    return {x, y};
}

void TPagePrinter::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRanges();
    applyFit();
}

void TPagePrinter::scrollContentsBy(int, int) {
    viewport()->update();
}

void TPagePrinter::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    QRect all = viewport()->rect();
    if (gradient_) {
        QLinearGradient shade(all.topLeft(), all.bottomLeft());
        shade.setColorAt(0, Qt::black);
        shade.setColorAt(1, palette().color(QPalette::Window));
        painter.fillRect(event->rect(), shade);
    } else {
        painter.fillRect(event->rect(), palette().color(QPalette::Window));
    }
    QRect page(pageOrigin(), pageExtent());
    painter.fillRect(page.translated(shadowOffset_, shadowOffset_), shadowColor_);
    painter.fillRect(page, Qt::white);
    painter.setPen(Qt::black);
    painter.drawRect(page.adjusted(0, 0, -1, -1));
    const PageMetrics& m = shownMetrics();
    double sx = static_cast<double>(page.width()) / std::max(1, m.pageWidth);
    double sy = static_cast<double>(page.height()) / std::max(1, m.pageHeight);
    if (shownPage_ >= 1 && shownPage_ <= writer_.pages().count()) {
        painter.save();
        painter.setClipRect(page);
        painter.translate(page.left() + m.unprintableLeft * sx, page.top() + m.unprintableTop * sy);
        painter.scale(sx, sy);
        playPicture(painter, writer_.pages().page(shownPage_).picture);
        painter.restore();
    }
    if (showMargins_) {
        const PrintableArea& area = writer_.printable();
        QRectF margins((m.unprintableLeft + area.left) * sx, (m.unprintableTop + area.top) * sy,
                       area.width * sx, area.height * sy);
        painter.setPen(QPen(Qt::lightGray, 0, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(margins.translated(page.topLeft()));
    }
}

PrintOutcome TPagePrinter::PrintPages(QPrinter& printer) {
    writer_.FinishDocument();
    PrintJobOptions options = printOptions_;
    options.title = writer_.Title();
    return printPages(writer_.pages(), printer, options, this);
}

Status TPagePrinter::SaveAsPdf(const std::filesystem::path& path) {
    writer_.FinishDocument();
    return writePagesToPdf(writer_.pages(), path, writer_.Title());
}

} // namespace grd
