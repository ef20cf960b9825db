#pragma once

#include "prefs/FontPrefs.h"
#include "printing/ReportText.h"
#include "printing/ScheduleColumns.h"

#include <QDialog>
#include <QFont>
#include <QStringList>

#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QPrinter;
class QTimer;
class QToolButton;

namespace grd {

class PrinterSource;
struct tPrefsRec;
class TPagePrinter;

// The one window through which reports and schedules are previewed and printed: it
// lays them out page by page, shows them at a zoom, lets the user change fonts,
// margins, orientation and report options, prints and saves them as PDF.
class TPrintReportsDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 315;

    // printer may be null: pages are then laid out for the default page, and printing
    // offers a PDF file instead. prefs keeps the fonts, margins and options chosen.
    TPrintReportsDlg(tPrefsRec& prefs, PrinterSource* printer, bool showHints,
                     QWidget* parent = nullptr);
    ~TPrintReportsDlg() override;

    // Preview shows the window modally; print lays out and prints at once.
    void PrintReports(const ReportText& text, bool preview, const QString& jobTitle);
    void PrintSchedule(const QStringList& lines, ScheduleColumns columns, bool preview,
                       const QString& title);

    // What PrintReports and PrintSchedule hold before they show or print, for a caller
    // that shows the window itself.
    void setReports(const ReportText& text, const QString& jobTitle);
    void setSchedule(const QStringList& lines, ScheduleColumns columns, const QString& title);

    TPagePrinter& pagePrinter() { return *PgPrinter; }
    int currentReport() const { return currentReport_; }
    int currentKind() const;

    /**
     * Answers the next PDF file question (the "Save as PDF..." button, or the offer of
     * a PDF when there is no printer) with fileName instead of showing a dialog; an
     * empty name answers Cancel.
     * Use only for testing.
     */
    static void setNextPdfFileName(const QString& fileName);
    /**
     * Answers the next font dialog with font instead of showing it; no font answers
     * Cancel.
     * Use only for testing.
     */
    static void setNextFont(std::optional<QFont> font);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createToolbar(bool showHints);
    QToolButton* toolButton(const char* name, const QString& text, const QString& hint);
    void PreviewTimerTimer();
    bool layOut();
    bool PrintTheSchedule();
    bool PrintTheReports();
    void ClearAndReprint();
    void layoutFailed(const Failure& failure);
    void updatePagesLabel(int current, int count);
    void setPageButtons(int current, int count);
    void goTo(int target);
    void ZoomComboBoxChange(int index);
    void zoomTyped();

    void PageSetupBtnClick();
    void PrintPrefsBtnClick();
    void FontBtnClick();
    void PrintBtnClick();
    void SaveAsPdfBtnClick();
    bool printerReady() const;
    void printAll();
    std::optional<QString> askPdfFileName();
    void savePdf(const QString& fileName);
    // The font preference of the report or schedule layout shown.
    FontPrefs& storedFont();

    tPrefsRec& prefs_;
    PrinterSource* printer_;
    std::unique_ptr<QPrinter> setupPrinter_; // page setup's printer when there is none
    bool scheduleMode_ = false;
    bool previewOnly_ = false;
    ScheduleColumns scheduleColumns_ = kOneColumn;
    ReportText text_;
    QStringList lines_;
    QString title_;
    int currentReport_ = 1;
    bool layoutPending_ = false;

    TPagePrinter* PgPrinter = nullptr;
    QTimer* PreviewTimer = nullptr;
    QToolButton* PageSetupBtn = nullptr;
    QToolButton* PrintPrefsBtn = nullptr;
    QToolButton* FontBtn = nullptr;
    QToolButton* PrintBtn = nullptr;
    QToolButton* SaveAsPdfBtn = nullptr;
    QToolButton* ExitBtn = nullptr;
    QComboBox* ZoomComboBox = nullptr;
    QToolButton* MarginsBtn = nullptr;
    QToolButton* FirstPageBtn = nullptr;
    QToolButton* PreviousPageBtn = nullptr;
    QToolButton* NextPageBtn = nullptr;
    QToolButton* LastPageBtn = nullptr;
    QLabel* PagesLabel = nullptr;
};

} // namespace grd
