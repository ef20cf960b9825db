// The tool bar's commands of the preview: page setup, options, font, print and PDF.
#include "league/ui/MessageDialogs.h"
#include "league/ui/ScriptedFileName.h"
#include "prefs/tPrefsRec.h"
#include "prefs/ui/FontConversion.h"
#include "printing/ui/PrinterSource.h"
#include "printing/ui/ReportRun.h"
#include "printing/ui/SchedulePageLayout.h"
#include "printing/ui/TMyPrintDialog.h"
#include "printing/ui/TPagePrinter.h"
#include "printing/ui/TPrintPrefsDlg.h"
#include "printing/ui/TPrintReportsDlg.h"

#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QScreen>

namespace grd {

namespace {

ScriptedFileName& nextPdfFileName() {
    static ScriptedFileName name;
    return name;
}

std::optional<std::optional<QFont>>& nextFont() {
    static std::optional<std::optional<QFont>> font;
    return font;
}

// The margins and orientation of a print preference record.
template <class Prefs> void storePageSetup(Prefs& prefs, const QPageLayout& layout, bool inches) {
    const QMarginsF margins = layout.margins(inches ? QPageLayout::Inch : QPageLayout::Millimeter);
    prefs.leftMargin = margins.left();
    prefs.topMargin = margins.top();
    prefs.rightMargin = margins.right();
    prefs.bottomMargin = margins.bottom();
    prefs.inches = inches;
    prefs.landscape = layout.orientation() == QPageLayout::Landscape;
}

} // namespace

void TPrintReportsDlg::setNextPdfFileName(const QString& fileName) {
    nextPdfFileName().set(fileName);
}

void TPrintReportsDlg::setNextFont(std::optional<QFont> font) {
    nextFont() = std::move(font);
}

FontPrefs& TPrintReportsDlg::storedFont() {
    if (scheduleMode_)
        return prefs_.schedules[static_cast<size_t>(schedulePrefsIndex(scheduleColumns_))].font;
    return prefs_.reports[static_cast<size_t>(currentKind() - 1)].font;
}

void TPrintReportsDlg::FontBtnClick() {
    std::optional<QFont> chosen;
    if (nextFont()) {
        chosen = *nextFont();
        nextFont().reset();
    } else {
        bool ok = false;
        // The page may print the font smaller to fit; the user edits the font as stored.
        QFont font = QFontDialog::getFont(&ok, toQFont(storedFont()), this, tr("Select a Font"));
        if (ok)
            chosen = font;
    }
    if (!chosen)
        return;
    PgPrinter->writer().setFont(*chosen);
    storedFont() = toFontPrefs(*chosen, storedFont().colour);
    ClearAndReprint();
}

void TPrintReportsDlg::PageSetupBtnClick() {
    if (printer_ == nullptr && !setupPrinter_)
        setupPrinter_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrinter* printer = printer_ != nullptr ? &printer_->printer() : setupPrinter_.get();
    const PageWriter& writer = PgPrinter->writer();
    const bool inches = writer.MeasureUnit() == TMeasureUnit::muInches;
    const PageMargins& margins = writer.margins();
    printer->setPageOrientation(writer.landscape() ? QPageLayout::Landscape
                                                   : QPageLayout::Portrait);
    printer->setPageMargins(QMarginsF(margins.left, margins.top, margins.right, margins.bottom),
                            inches ? QPageLayout::Inch : QPageLayout::Millimeter);
    QPageSetupDialog dialog(printer, this);
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        dialog.adjustSize();
        dialog.move(area.x() + (area.width() - dialog.width()) / 2,
                    area.y() + (area.height() - dialog.height()) / 3);
    }
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QPageLayout layout = printer->pageLayout();
    if (scheduleMode_)
        storePageSetup(prefs_.schedules[static_cast<size_t>(schedulePrefsIndex(scheduleColumns_))],
                       layout, inches);
    else
        storePageSetup(prefs_.reports[static_cast<size_t>(currentKind() - 1)], layout, inches);
    ClearAndReprint();
}

void TPrintReportsDlg::PrintPrefsBtnClick() {
    const int kind = currentKind();
    if (kind < 1)
        return;
    ReportPrintPrefs& prefs = prefs_.reports[static_cast<size_t>(kind - 1)];
    TPrintPrefsDlg dialog(kind, prefs, todayShortDate(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    prefs = dialog.options(prefs);
    ClearAndReprint();
}

bool TPrintReportsDlg::printerReady() const {
    return printer_ != nullptr && printer_->ready();
}

void TPrintReportsDlg::PrintBtnClick() {
    if (PgPrinter->PageCount() == 0)
        return;
    if (!printerReady()) {
        if (nextPdfFileName().pending() ||
            QMessageBox::question(this, windowTitle(),
                                  tr("No printer is installed, so nothing can be printed.\n\n"
                                     "Save the pages as a PDF file instead?")) == QMessageBox::Yes)
            SaveAsPdfBtnClick();
        return;
    }
    const int limit =
        scheduleMode_ ? PgPrinter->PageCount() : static_cast<int>(text_.blocks.size());
    TMyPrintDialog dialog(printer_->name(), limit, scheduleMode_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    PrintJobOptions& options = PgPrinter->printOptions();
    options.copies = dialog.copies();
    options.collate = dialog.collate();
    options.fromPage = dialog.allPages() ? 1 : dialog.fromPage();
    options.toPage = dialog.allPages() ? PgPrinter->PageCount() : dialog.toPage();
    printAll();
}

void TPrintReportsDlg::printAll() {
    try {
        if (scheduleMode_) {
            PgPrinter->PrintPages(printer_->printer());
            return;
        }
        PrintJobOptions& options = PgPrinter->printOptions();
        options.fromPage = 1;
        options.toPage = 1;
        for (int report = 1; report <= static_cast<int>(text_.blocks.size()); ++report) {
            currentReport_ = report;
            ClearAndReprint();
            if (PgPrinter->PrintPages(printer_->printer()) == PrintOutcome::Cancelled)
                return;
        }
    } catch (const EPagePrinter& error) {
        ShowError(-33, error.what(), this);
    }
}

std::optional<QString> TPrintReportsDlg::askPdfFileName() {
    if (auto scripted = nextPdfFileName().take()) {
        QString name = *scripted;
        return name.isEmpty() ? std::nullopt : std::optional<QString>(name);
    }
    QString name = QFileDialog::getSaveFileName(this, tr("Save as PDF"), title_ + ".pdf",
                                                tr("PDF files (*.pdf)"));
    return name.isEmpty() ? std::nullopt : std::optional<QString>(name);
}

void TPrintReportsDlg::SaveAsPdfBtnClick() {
    if (PgPrinter->PageCount() == 0)
        return;
    if (std::optional<QString> name = askPdfFileName())
        savePdf(*name);
}

void TPrintReportsDlg::savePdf(const QString& fileName) {
    const std::filesystem::path path = fileName.toStdString();
    Status saved = Ok{};
    if (scheduleMode_) {
        saved = PgPrinter->SaveAsPdf(path);
    } else {
        // Every report of the run, each on its own page, laid out apart from the preview.
        PageWriter writer(PgPrinter->writer().MeasureUnit(), printer_);
        Result<TPageList> pages = layOutReports(writer, text_, prefs_, todayShortDate());
        saved = pages ? writePagesToPdf(pages.value(), path, title_) : Status(pages.failure());
    }
    if (!saved)
        ShowError(saved.failure(), this);
}

} // namespace grd
