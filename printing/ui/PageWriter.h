#pragma once

#include "printing/PageGeometry.h"
#include "printing/TableFormat.h"
#include "printing/TextFitting.h"
#include "printing/ui/PrinterPage.h"
#include "printing/ui/TPageList.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>

namespace grd {

class PrinterSource;

// A refused page printer operation, with the message the user is shown.
class EPagePrinter : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum PageBorder : int { pbTop = 1, pbBottom = 2, pbLeft = 4, pbRight = 8 };

// Writes lines of text and table rows onto pages at the printer's resolution and keeps
// each finished page as a recorded picture. Positions are printer pixels; margins,
// column widths and offsets are in the measure unit. Without a usable printer the
// pages are those of a 300 dpi Letter (inches) or A4 (millimetres) printer.
class PageWriter {
public:
    // printer: whose page is written; null for the defaults.
    explicit PageWriter(TMeasureUnit unit, PrinterSource* printer = nullptr);
    ~PageWriter();
    PageWriter(const PageWriter&) = delete;
    PageWriter& operator=(const PageWriter&) = delete;

    const PageMetrics& metrics() const { return metrics_; }

    TMeasureUnit MeasureUnit() const { return unit_; }
    // Converts the margins, the border offset, the default width and the formats.
    void setMeasureUnit(TMeasureUnit unit);
    // Margins are clamped to what the printer can print.
    const PageMargins& margins() const { return margins_; }
    void setMargins(const PageMargins& margins);
    void setMarginTop(double value);
    void setMarginBottom(double value);
    void setMarginLeft(double value);
    void setMarginRight(double value);
    bool landscape() const { return metrics_.landscape; }
    void setOrientation(bool landscape);

    // The body font as chosen (points); text is drawn with it re-sized for the printer.
    const QFont& Font() const { return font_; }
    void setFont(const QFont& font);
    QColor fontColor() const { return fontColor_; }
    void setFontColor(const QColor& colour) { fontColor_ = colour; }
    void setLineSpacing(TLineSpacing spacing);
    void setHeaderFont(const QFont& font) { headerFont_ = font; }
    void setFooterFont(const QFont& font) { footerFont_ = font; }
    void setAutoHeaderFont(bool on);
    void setAutoFooterFont(bool on);
    void setHeader(const QString& text) { header_ = text; }
    void setFooter(const QString& text) { footer_ = text; }
    void setHeaderFormat(const QString& format) { headerFormat_ = normalised(format); }
    void setFooterFormat(const QString& format) { footerFormat_ = normalised(format); }
    const QString& TableFormat() const { return tableFormat_; }
    void setTableFormat(const QString& format) { tableFormat_ = normalised(format); }
    void setTableGrid(bool on) { tableGrid_ = on; }
    void setTokenSeparator(QChar separator) { separator_ = separator; }
    void setDefaultColWidth(double width) { defaultColWidth_ = width; }
    void setTabSize(int size) { tabSize_ = size; }
    void setWordWrap(bool on) { wordWrap_ = on; }
    void setAlignment(CellAlignment alignment) { alignment_ = alignment; }
    void setPageBorders(int borders) { pageBorders_ = borders; }
    void setPageBorderOffset(double offset) { pageBorderOffset_ = offset; }
    void setPageBackgroundColor(const QColor& colour) { background_ = colour; }
    QString Title() const;
    void setTitle(const QString& title) { title_ = title; }
    QStringList& Lines() { return lines_; }
    void setAutoPageBreak(bool on) { autoPageBreak_ = on; }
    // Field values of "{$DATE}" and "{$TIME}"; today and now unless a test sets them.
    void setDateAndTime(const QString& date, const QString& time);

    std::function<void(int page)> OnNewPage;
    std::function<void()> OnNewLine;
    // Raised when a document has been closed, so that a preview can show it.
    std::function<void()> OnFinished;

    void ClearPages();
    void ResetMetrics();
    void StartDocument();
    void FinishDocument();
    void WriteTableRow(const QString& text);
    void WriteTextLine(const QString& text);
    void WriteAllLines(bool asTable);
    void AdvanceLine();
    void StartNewPage();
    void SetPosition(int x, int y);
    // The pen position in page pixels: printable offsets plus the position.
    QPoint GetPosition() const;
    int LineHeight() const { return lineHeight_; }
    // The surface of the page being built; null when no document is open.
    QPainter* DrawingCanvas();
    int PageCount() const;
    int CurrentPage() const { return currentPage_; }
    bool IsBuilding() const { return building_; }
    const TPageList& pages() const { return pages_; }
    const PrintableArea& printable() const { return area_; }

    // Width in pixels of text printed in the body font, optionally bold.
    int textWidth(const QString& text, bool bold = false) const;
    // A measured distance in pixels in the unit, horizontally.
    double pixelsToWidth(int pixels) const;
    int widthToPixels(double width) const;
    int heightToPixels(double height) const;

private:
    QString normalised(const QString& format) const;
    void refuseWhileBuilding(const char* message) const;
    void refuseMarginsWithoutRoom() const;
    std::optional<PrinterPage> printerPage() const;
    void readPrinterMetrics();
    void applyFontMetrics();
    QFont printerFont(const QFont& font, int style) const;
    void beginPicture();
    void endPicture();
    void startPage();
    void drawRow(const QString& text, const QString& format, const QFont& font, int y);
    void drawPageFrame();
    void writeMargin(const QString& text, const QString& format, const QFont& font, bool top);

    PrinterSource* printer_ = nullptr;
    TMeasureUnit unit_;
    PageMetrics metrics_;
    PageMargins margins_;
    PrintableArea area_;
    QFont font_;
    QFont printerFont_;
    QColor fontColor_ = Qt::black;
    TLineSpacing spacing_ = TLineSpacing::lsSingleSpace;
    QFont headerFont_;
    QFont footerFont_;
    bool autoHeaderFont_ = false;
    bool autoFooterFont_ = false;
    QString header_, footer_, headerFormat_, footerFormat_, tableFormat_;
    bool tableGrid_ = false;
    QChar separator_ = QLatin1Char('|');
    double defaultColWidth_ = 0;
    int tabSize_ = 8;
    bool wordWrap_ = true;
    CellAlignment alignment_ = CellAlignment::Left;
    int pageBorders_ = 0;
    double pageBorderOffset_ = 0;
    QColor background_ = Qt::white;
    QString title_;
    QStringList lines_;
    QString date_, time_;
    bool autoPageBreak_ = true;
    int lineHeight_ = 0;

    TPageList pages_;
    std::unique_ptr<QPicture> picture_;
    QPainter painter_;
    int x_ = 0;
    int y_ = 0;
    int lineOnPage_ = 1;
    int currentPage_ = 0;
    bool building_ = false;
    bool inMargin_ = false;
};

} // namespace grd
