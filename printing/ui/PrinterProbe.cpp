#include "printing/ui/PrinterProbe.h"

#include "league/Format.h"

#include <QPrinter>
#include <QProcess>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

namespace grd {

namespace {

// "page", name, dpi, the page size's definition (width, height, unit), the orientation,
// the layout's unit and its minimum margins (left, top, right, bottom), tab-separated.
constexpr std::string_view kPage = "page";
constexpr std::string_view kNone = "none";
constexpr size_t kPageFields = 12;
constexpr long long kLastUnit = QPageLayout::Cicero;

std::string number(double value) {
    std::array<char, 32> buffer{};
    auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
    return std::string(buffer.data(), end);
}

std::optional<long long> wholeIn(std::string_view text, long long low, long long high) {
    std::optional<long long> value = parseInteger(text);
    return value && *value >= low && *value <= high ? value : std::nullopt;
}

std::optional<double> lengthIn(std::string_view text) {
    std::optional<double> value = parseReal(text);
    return value && std::isfinite(*value) && *value >= 0 ? value : std::nullopt;
}

std::optional<PrinterPage> pageFrom(const std::vector<std::string_view>& f) {
    auto dpi = wholeIn(f[2], 1, 100000);
    auto width = lengthIn(f[3]);
    auto height = lengthIn(f[4]);
    auto sizeUnit = wholeIn(f[5], 0, kLastUnit);
    auto landscape = wholeIn(f[6], 0, 1);
    auto unit = wholeIn(f[7], 0, kLastUnit);
    std::array<std::optional<double>, 4> minimum{lengthIn(f[8]), lengthIn(f[9]), lengthIn(f[10]),
                                                 lengthIn(f[11])};
    if (!dpi || !width || !height || *width <= 0 || *height <= 0 || !sizeUnit || !landscape ||
        !unit || !minimum[0] || !minimum[1] || !minimum[2] || !minimum[3])
        return std::nullopt;
    QPageSize size(QSizeF(*width, *height), static_cast<QPageSize::Unit>(*sizeUnit), QString(),
                   QPageSize::ExactMatch);
    QMarginsF margins(*minimum[0], *minimum[1], *minimum[2], *minimum[3]);
    return PrinterPage{
        QString::fromUtf8(f[1].data(), static_cast<qsizetype>(f[1].size())), static_cast<int>(*dpi),
        QPageLayout(size, *landscape ? QPageLayout::Landscape : QPageLayout::Portrait, margins,
                    static_cast<QPageLayout::Unit>(*unit), margins)};
}

} // namespace

std::string printerAnswerText(const PrinterAnswer& answer) {
    if (!answer.page)
        return std::string(kNone) + '\n';
    const PrinterPage& page = *answer.page;
    const QPageSize size = page.layout.pageSize();
    const QMarginsF minimum = page.layout.minimumMargins();
    std::string line(kPage);
    for (const std::string& field :
         {page.name.toStdString(), std::to_string(page.dpi), number(size.definitionSize().width()),
          number(size.definitionSize().height()), std::to_string(size.definitionUnits()),
          std::to_string(page.layout.orientation() == QPageLayout::Landscape ? 1 : 0),
          std::to_string(page.layout.units()), number(minimum.left()), number(minimum.top()),
          number(minimum.right()), number(minimum.bottom())})
        line += '\t' + field;
    return line + '\n';
}

std::optional<PrinterAnswer> readPrinterAnswer(std::string_view text) {
    if (text.empty() || text.back() != '\n')
        return std::nullopt;
    text.remove_suffix(1);
    if (text == kNone)
        return PrinterAnswer{};
    std::vector<std::string_view> fields = splitAt(text, '\t');
    if (fields.size() != kPageFields || fields[0] != kPage)
        return std::nullopt;
    std::optional<PrinterPage> page = pageFrom(fields);
    if (!page)
        return std::nullopt;
    return PrinterAnswer{std::move(page)};
}

std::optional<PrinterAnswer> askPrinterPage(const QString& program, int timeoutMs) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, {QStringLiteral("--printer-page")});
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return readPrinterAnswer(process.readAllStandardOutput().toStdString());
}

int answerPrinterPage() {
    QPrinter printer(QPrinter::HighResolution);
    const std::string text = printerAnswerText({printerPageOf(printer)});
    return std::fputs(text.c_str(), stdout) >= 0 && std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace grd
