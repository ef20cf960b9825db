#include "printing/ui/PageWriter.h"

#include "printing/LineMarkup.h"
#include "printing/ui/PrinterSource.h"
#include "printing/ui/TableRowPainter.h"

#include <QDateTime>
#include <QFontMetricsF>
#include <QLocale>

#include <cmath>

namespace grd {

PageWriter::PageWriter(TMeasureUnit unit, PrinterSource* printer)
    : printer_(printer), unit_(unit), font_(QStringLiteral("Arial"), 10) {
    headerFont_ = font_;
    footerFont_ = font_;
    readPrinterMetrics();
    setMargins({});
}

PageWriter::~PageWriter() {
    if (painter_.isActive())
        painter_.end();
}

void PageWriter::refuseWhileBuilding(const char* message) const {
    if (building_)
        throw EPagePrinter(message);
}

std::optional<PrinterPage> PageWriter::printerPage() const {
    return printer_ != nullptr ? printer_->page() : std::nullopt;
}

void PageWriter::readPrinterMetrics() {
    metrics_ = pageMetricsOf(printerPage(), unit_, metrics_.landscape);
}

void PageWriter::setMeasureUnit(TMeasureUnit unit) {
    if (unit == unit_)
        return;
    auto convert = [from = unit_, unit](double value) { return convertUnit(value, from, unit); };
    char separator = static_cast<char>(separator_.toLatin1());
    auto scaled = [&](const QString& format) {
        return QString::fromStdString(
            scaleTableFormat(format.toStdString(), separator, defaultColWidth_, convert));
    };
    headerFormat_ = scaled(headerFormat_);
    footerFormat_ = scaled(footerFormat_);
    tableFormat_ = scaled(tableFormat_);
    margins_ = {convert(margins_.top), convert(margins_.bottom), convert(margins_.left),
                convert(margins_.right)};
    pageBorderOffset_ = convert(pageBorderOffset_);
    defaultColWidth_ = convert(defaultColWidth_);
    unit_ = unit;
}

void PageWriter::setMargins(const PageMargins& margins) {
    refuseWhileBuilding("Unable to change margins while printing");
    margins_ = clampMargins(margins, metrics_, unit_);
    area_ = printableArea(metrics_, margins_, unit_);
}

void PageWriter::setMarginTop(double value) {
    refuseWhileBuilding("Unable to change top margin while printing");
    setMargins({value, margins_.bottom, margins_.left, margins_.right});
}

void PageWriter::setMarginBottom(double value) {
    refuseWhileBuilding("Unable to change bottom margin while printing");
    setMargins({margins_.top, value, margins_.left, margins_.right});
}

void PageWriter::setMarginLeft(double value) {
    refuseWhileBuilding("Unable to change left margin while printing");
    setMargins({margins_.top, margins_.bottom, value, margins_.right});
}

void PageWriter::setMarginRight(double value) {
    refuseWhileBuilding("Unable to change right margin while printing");
    setMargins({margins_.top, margins_.bottom, margins_.left, value});
}

void PageWriter::setOrientation(bool landscape) {
    refuseWhileBuilding("Unable to change orientation while printing");
    metrics_.landscape = landscape;
    ResetMetrics();
}

void PageWriter::setFont(const QFont& font) {
    font_ = font;
    if (autoHeaderFont_)
        headerFont_ = font_;
    if (autoFooterFont_)
        footerFont_ = font_;
    applyFontMetrics();
}

void PageWriter::setLineSpacing(TLineSpacing spacing) {
    spacing_ = spacing;
    applyFontMetrics();
}

void PageWriter::setAutoHeaderFont(bool on) {
    autoHeaderFont_ = on;
    if (on)
        headerFont_ = font_;
}

void PageWriter::setAutoFooterFont(bool on) {
    autoFooterFont_ = on;
    if (on)
        footerFont_ = font_;
}

QString PageWriter::Title() const {
    if (title_.isEmpty() && !printerPage())
        return QStringLiteral("<Unknown>");
    return title_;
}

void PageWriter::setDateAndTime(const QString& date, const QString& time) {
    date_ = date;
    time_ = time;
}

QString PageWriter::normalised(const QString& format) const {
    char separator = static_cast<char>(separator_.toLatin1());
    return QString::fromStdString(
        normaliseTableFormat(format.toStdString(), separator, defaultColWidth_));
}

QFont PageWriter::printerFont(const QFont& font, int style) const {
    QFont printed(font);
    double points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / 96.0;
    printed.setPixelSize(
        std::max(1, static_cast<int>(std::lround(points * metrics_.verticalDpi() / 72.0))));
    printed.setHintingPreference(QFont::PreferNoHinting);
    if (style & kStyleBold)
        printed.setBold(true);
    if (style & kStyleItalic)
        printed.setItalic(true);
    if (style & kStyleUnderline)
        printed.setUnderline(true);
    if (style & kStyleStrikeOut)
        printed.setStrikeOut(true);
    return printed;
}

void PageWriter::applyFontMetrics() {
    printerFont_ = printerFont(font_, kStyleNone);
    lineHeight_ = lineHeightFor(printerFont_.pixelSize(), spacing_);
    if (painter_.isActive())
        painter_.setFont(printerFont_);
}

void PageWriter::ResetMetrics() {
    if (building_)
        return;
    readPrinterMetrics();
    setMargins(margins_);
    applyFontMetrics();
}

int PageWriter::textWidth(const QString& text, bool bold) const {
    QFont font = printerFont(font_, bold ? kStyleBold : kStyleNone);
    return static_cast<int>(std::lround(QFontMetricsF(font).horizontalAdvance(text)));
}

double PageWriter::pixelsToWidth(int pixels) const {
    return pixelsToUnit(pixels, unit_, metrics_.horizontalDpi());
}

int PageWriter::widthToPixels(double width) const {
    return unitToPixels(width, unit_, metrics_.horizontalDpi());
}

int PageWriter::heightToPixels(double height) const {
    return unitToPixels(height, unit_, metrics_.verticalDpi());
}

void PageWriter::ClearPages() {
    refuseWhileBuilding("Can't clear contents while printing");
    pages_.clear();
    currentPage_ = 0;
}

void PageWriter::beginPicture() {
    picture_ = std::make_unique<QPicture>();
    picture_->setBoundingRect(QRect(0, 0, metrics_.pageWidth - metrics_.unprintableLeft,
                                    metrics_.pageHeight - metrics_.unprintableTop));
    painter_.begin(picture_.get());
    painter_.setFont(printerFont_);
}

void PageWriter::endPicture() {
    painter_.end();
    pages_.append({*picture_, metrics_});
    picture_.reset();
}

void PageWriter::refuseMarginsWithoutRoom() const {
    if (area_.width > 0 && area_.height >= lineHeight_)
        return;
    auto number = [](double value) { return QString::number(value, 'g', 6); };
    const char* unit = unit_ == TMeasureUnit::muInches ? "in" : "mm";
    throw EPagePrinter(QStringLiteral("The margins (top %1, bottom %2, left %3, right %4 %5) "
                                      "leave no room to print on the page.")
                           .arg(number(margins_.top), number(margins_.bottom),
                                number(margins_.left), number(margins_.right),
                                QString::fromLatin1(unit))
                           .toStdString());
}

void PageWriter::StartDocument() {
    ResetMetrics();
    pages_.clear();
    // Blank pages would say nothing about why they are blank.
    refuseMarginsWithoutRoom();
    building_ = true;
    currentPage_ = 1;
    if (date_.isEmpty()) {
        QDateTime now = QDateTime::currentDateTime();
        date_ = QLocale().toString(now.date(), QLocale::ShortFormat);
        time_ = QLocale().toString(now.time(), QLocale::LongFormat);
    }
    beginPicture();
    startPage();
}

void PageWriter::FinishDocument() {
    if (!building_)
        return;
    endPicture();
    building_ = false;
    if (OnFinished)
        OnFinished();
}

int PageWriter::PageCount() const {
    return pages_.count() + (building_ ? 1 : 0);
}

QPainter* PageWriter::DrawingCanvas() {
    return building_ ? &painter_ : nullptr;
}

void PageWriter::StartNewPage() {
    endPicture();
    ++currentPage_;
    beginPicture();
    startPage();
}

void PageWriter::startPage() {
    x_ = 0;
    y_ = 0;
    lineOnPage_ = 1;
    if (OnNewPage)
        OnNewPage(currentPage_);
    int offset = widthToPixels(pageBorderOffset_);
    QRect fill(area_.left - offset, area_.top - offset, area_.width + 2 * offset,
               area_.height + 2 * offset);
    painter_.fillRect(fill, background_);
    if (!header_.isEmpty())
        writeMargin(header_, headerFormat_, headerFont_, true);
    if (!footer_.isEmpty())
        writeMargin(footer_, footerFormat_, footerFont_, false);
    drawPageFrame();
}

void PageWriter::writeMargin(const QString& text, const QString& format, const QFont& font,
                             bool top) {
    QFont saved = font_;
    font_ = font;
    applyFontMetrics();
    int offset = (pageBorders_ & (top ? pbTop : pbBottom)) ? widthToPixels(pageBorderOffset_) : 0;
    int edge = top ? -metrics_.unprintableTop : metrics_.pageHeight - metrics_.unprintableTop;
    int inner = top ? area_.top - offset : area_.top + area_.height + offset;
    int centre = (edge + inner) / 2;
    inMargin_ = true;
    drawRow(text, format, printerFont_, centre - lineHeight_ / 2 - area_.top);
    inMargin_ = false;
    font_ = saved;
    applyFontMetrics();
}

void PageWriter::drawPageFrame() {
    if (pageBorders_ == 0)
        return;
    int offset = widthToPixels(pageBorderOffset_);
    QRect box(area_.left - offset, area_.top - offset, area_.width + 2 * offset,
              area_.height + 2 * offset);
    QPen saved = painter_.pen();
    painter_.setPen(QPen(Qt::black, 2 * (metrics_.horizontalDpi() / 300)));
    if (pageBorders_ & pbTop)
        painter_.drawLine(box.topLeft(), QPoint(box.right() + 1, box.top()));
    if (pageBorders_ & pbBottom)
        painter_.drawLine(QPoint(box.left(), box.bottom() + 1), box.bottomRight() + QPoint(1, 1));
    if (pageBorders_ & pbLeft)
        painter_.drawLine(box.topLeft(), QPoint(box.left(), box.bottom() + 1));
    if (pageBorders_ & pbRight)
        painter_.drawLine(QPoint(box.right() + 1, box.top()), box.bottomRight() + QPoint(1, 1));
    painter_.setPen(saved);
}

void PageWriter::AdvanceLine() {
    x_ = 0;
    y_ += lineHeight_;
    ++lineOnPage_;
    if (autoPageBreak_ && y_ + lineHeight_ > area_.height)
        StartNewPage();
    if (OnNewLine)
        OnNewLine();
}

void PageWriter::SetPosition(int x, int y) {
    x_ = x;
    y_ = y;
}

QPoint PageWriter::GetPosition() const {
    return {area_.left + x_, area_.top + y_};
}

void PageWriter::drawRow(const QString& text, const QString& format, const QFont& font, int y) {
    std::string line = text.toStdString();
    int style = takeStyleCommand(line);
    QFont styled = style == kStyleNone ? font : printerFont(font_, style);
    char separator = static_cast<char>(separator_.toLatin1());
    std::vector<PixelColumn> columns;
    for (const TableColumn& column :
         parseTableFormat(format.toStdString(), separator, defaultColWidth_))
        columns.push_back({column.align, widthToPixels(column.width), column.grid});
    CellFields fields{lineOnPage_, currentPage_, date_.toStdString(), time_.toStdString(),
                      Title().toStdString()};
    QStringList cells;
    for (const QString& cell : QString::fromStdString(line).split(separator_))
        cells << QString::fromStdString(expandCellFields(cell.toStdString(), fields, separator));
    painter_.setPen(fontColor_);
    TableRowPainter row(painter_, styled, metrics_.horizontalDpi());
    while (true) {
        cells = row.drawRow(cells, columns, area_.left, area_.width, area_.top + y, wordWrap_,
                            tableGrid_, lineHeight_);
        if (cells.isEmpty() || inMargin_)
            break;
        AdvanceLine();
        y = y_;
    }
    painter_.setFont(printerFont_);
}

void PageWriter::WriteTableRow(const QString& text) {
    drawRow(text, tableFormat_, printerFont_, y_);
    AdvanceLine();
}

void PageWriter::WriteTextLine(const QString& text) {
    std::string line = text.toStdString();
    int style = takeStyleCommand(line);
    QString rest = QString::fromStdString(expandTabs(line, tabSize_));
    TableRowPainter row(painter_, printerFont(font_, style), metrics_.horizontalDpi());
    painter_.setPen(fontColor_);
    do {
        QString shown;
        if (wordWrap_) {
            shown = row.fitted(rest, area_.width, true, &rest);
        } else {
            shown = row.fitted(rest, area_.width, false, nullptr);
            if (shown.isEmpty())
                shown = rest.left(1);
            rest = rest.mid(shown.size());
        }
        if (autoPageBreak_ && y_ + lineHeight_ > area_.height)
            StartNewPage();
        int free = area_.width - row.width(shown);
        x_ = alignment_ == CellAlignment::Right    ? free
             : alignment_ == CellAlignment::Centre ? free / 2
                                                   : 0;
        row.drawText(area_.left + x_, area_.top + y_, shown);
        AdvanceLine();
    } while (!rest.isEmpty());
    painter_.setFont(printerFont_);
}

void PageWriter::WriteAllLines(bool asTable) {
    for (const QString& line : std::as_const(lines_)) {
        if (asTable && !tableFormat_.isEmpty())
            WriteTableRow(line);
        else
            WriteTextLine(line);
    }
}

} // namespace grd
