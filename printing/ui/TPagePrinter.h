#pragma once

#include "printing/ui/PagePrinting.h"
#include "printing/ui/PageWriter.h"

#include <QAbstractScrollArea>

namespace grd {

enum class TZoomLocation { zlTopLeft, zlTopCenter, zlCenter };

// The page printer: writes pages through its PageWriter, shows one of them scaled to a
// zoom with a drop shadow, and prints or saves them.
class TPagePrinter : public QAbstractScrollArea {
    Q_OBJECT
public:
    // The unit follows the locale; printer may be null (the default page is used).
    explicit TPagePrinter(PrinterSource* printer = nullptr, QWidget* parent = nullptr);

    PageWriter& writer() { return writer_; }
    const PageWriter& writer() const { return writer_; }
    int PageCount() const { return writer_.PageCount(); }

    // Throws EPagePrinter when n is not a page.
    void ShowPage(int n);
    int shownPage() const { return shownPage_; }

    int ZoomPercent() const { return zoomPercent_; }
    // A fit is kept as the window's size changes; a percentage stays as it is.
    enum class Fit { None, WholePage, PageWidth, PageHeight };
    Fit fit() const { return fit_; }
    void setZoomPercent(int percent);
    void setZoomLocation(TZoomLocation location) { zoomLocation_ = location; }
    void FitWholePage();
    void FitPageWidth();
    void FitPageHeight();
    void setShadowOffset(int offset);
    void setShadowColor(const QColor& colour);
    bool ShowMargins() const { return showMargins_; }
    void setShowMargins(bool on);
    void setGradientBackground(bool on);

    // Copies, collation, range and progress of PrintPages; the title is the writer's.
    PrintJobOptions& printOptions() { return printOptions_; }
    // Throws EPagePrinter when the printer cannot start the job.
    PrintOutcome PrintPages(QPrinter& printer);
    // Every page as one PDF file.
    Status SaveAsPdf(const std::filesystem::path& path);

    // The shown page's size on screen, in pixels.
    QSize pageExtent() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    const PageMetrics& shownMetrics() const;
    int screenDpi() const;
    void updateScrollRanges();
    void placeAfterZoom();
    void applyZoom(int percent);
    void applyFit();
    QPoint pageOrigin() const;

    PageWriter writer_;
    PrintJobOptions printOptions_;
    int shownPage_ = 0;
    int zoomPercent_ = 25;
    Fit fit_ = Fit::None;
    bool fitting_ = false;
    TZoomLocation zoomLocation_ = TZoomLocation::zlTopLeft;
    int shadowOffset_ = 5;
    QColor shadowColor_;
    bool showMargins_ = false;
    bool gradient_ = false;
};

} // namespace grd
