#include "league/ui/MessageDialogs.h"
#include "prefs/tPrefsRec.h"
#include "printing/ReportKind.h"
#include "printing/ReportText.h"
#include "printing/ScheduleColumns.h"
#include "printing/ui/PrinterSource.h"
#include "printing/ui/TPagePrinter.h"
#include "printing/ui/TPrintReportsDlg.h"
#include "support/TempDir.h"
#include "views/ViewsFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <filesystem>

using namespace grd;

namespace {

template <class T> T* child(QWidget& parent, const char* name) {
    return parent.findChild<T*>(QLatin1String(name));
}

void inModal(std::function<void(QWidget&)> keys) {
    QTimer::singleShot(0, [keys] {
        if (QWidget* modal = QApplication::activeModalWidget())
            keys(*modal);
    });
}

QStringList pdfPages(const QString& file) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), file, QStringLiteral("-")});
    process.waitForFinished(30000);
    QStringList pages;
    for (const QString& page : QString::fromUtf8(process.readAllStandardOutput())
                                   .split(QLatin1Char('\f'), Qt::SkipEmptyParts))
        if (!page.trimmed().isEmpty())
            pages << page.simplified();
    return pages;
}

// The pages of a PDF file as small grey pictures, made in folder prefix.
QList<QImage> pageImages(const QString& file, const QString& prefix) {
    QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("20"),
                                                   QStringLiteral("-gray"), file, prefix});
    QList<QImage> pages;
    const QFileInfo base(prefix);
    for (const QFileInfo& image :
         QDir(base.path())
             .entryInfoList({base.fileName() + QStringLiteral("-*.pgm")}, QDir::Files, QDir::Name))
        pages << QImage(image.filePath());
    return pages;
}

// Enough three-column schedule lines for several pages, every line told apart.
QStringList scheduleLines() {
    QStringList lines;
    for (int line = 1; line <= 600; ++line) {
        QStringList cells;
        for (int column = 0; column < 3; ++column) {
            const QString tag = QStringLiteral("L%1c%2").arg(line).arg(column);
            cells << QStringLiteral(" Sun") << QStringLiteral("  7 Sep")
                  << QStringLiteral(" 1:00 PM") << tag << QStringLiteral(" at ")
                  << QStringLiteral(" Home");
            if (column < 2)
                cells << QString();
        }
        lines << cells.join(QLatin1Char('|'));
    }
    return lines;
}

} // namespace

class TPrintReportsDlgTest : public QObject {
    Q_OBJECT

private:
    grd::test::TempDir dir_;
    std::vector<Failure> errors_;
    LeagueStructure league_ = grd::test::viewsLeague();
    tRankings rankings_;
    ProgramState state_;
    tPrefsRec prefs_;

    QString path(const char* name) const {
        return QString::fromStdString((dir_.path() / name).string());
    }
    bool dirEmpty() const { return std::filesystem::is_empty(dir_.path()); }

    ReportText reports(std::initializer_list<int> kinds) {
        ReportSelection selection;
        for (int kind : kinds)
            selection.add(kind);
        auto text = buildReportText(selection, {rankings_, state_, league_, prefs_});
        if (!text)
            throw std::runtime_error(text.failure().detail);
        return text.value();
    }

    // A shown preview of kinds, laid out.
    void preview(TPrintReportsDlg& dialog, std::initializer_list<int> kinds) {
        dialog.setReports(reports(kinds), QStringLiteral("GRD Oddsmith Reports"));
        dialog.resize(900, 700);
        dialog.show();
        QVERIFY(QTest::qWaitFor([&] { return dialog.pagePrinter().PageCount() == 1; }));
    }

    QString pagesText(TPrintReportsDlg& dialog) {
        return child<QLabel>(dialog, "PagesLabel")->text();
    }

private slots:
    void initTestCase() {
        grd::test::readViewsFixture("WEEK-04.25", kArchiveKind, rankings_, state_, league_);
    }
    void init() {
        errors_.clear();
        MessageDialogs::recordErrors(&errors_);
    }
    void cleanup() { MessageDialogs::recordErrors(nullptr); }

    void preview_twoReportsPageThroughFromTheZoomBox() {
        TPrintReportsDlg dialog(prefs_, nullptr, true);
        preview(dialog, {kArchiveSpreadsGridReport, kTeamReport});
        QCOMPARE(pagesText(dialog), QStringLiteral("1 of 2"));
        QCOMPARE(dialog.currentKind(), int(kArchiveSpreadsGridReport));
        QComboBox* zoom = child<QComboBox>(dialog, "ZoomComboBox");
        QCOMPARE(zoom->currentText(), QStringLiteral("Whole Page"));
        QVERIFY(!child<QToolButton>(dialog, "PreviousPageBtn")->isEnabled());
        // The keys page as soon as the window opens.
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
        QCOMPARE(pagesText(dialog), QStringLiteral("2 of 2"));
        QCOMPARE(dialog.currentKind(), int(kTeamReport));
        QVERIFY(!child<QToolButton>(dialog, "NextPageBtn")->isEnabled());
        QTest::keyClick(zoom, Qt::Key_PageDown); // nothing after the last
        QCOMPARE(dialog.currentReport(), 2);
        QTest::keyClick(zoom, Qt::Key_Home);
        QCOMPARE(dialog.currentReport(), 1);
        QTest::keyClick(zoom, Qt::Key_End);
        QCOMPARE(dialog.currentReport(), 2);
        QTest::keyClick(zoom, Qt::Key_PageUp);
        QCOMPARE(pagesText(dialog), QStringLiteral("1 of 2"));
        QVERIFY(errors_.empty());
    }

    void zoom_everyItemAndTypedValues() {
        TPrintReportsDlg dialog(prefs_, nullptr, true);
        preview(dialog, {kTeamReport});
        TPagePrinter& printer = dialog.pagePrinter();
        QComboBox* zoom = child<QComboBox>(dialog, "ZoomComboBox");
        zoom->setFocus();
        const QSize view = printer.viewport()->size();
        QVERIFY(printer.pageExtent().width() <= view.width());
        QVERIFY(printer.pageExtent().height() <= view.height());
        QTest::keyClick(zoom, Qt::Key_Down); // Page Width
        QVERIFY(std::abs(printer.pageExtent().width() - view.width()) < view.width() / 10);
        QTest::keyClick(zoom, Qt::Key_Down); // Page Height
        QVERIFY(printer.pageExtent().height() <= printer.viewport()->height());
        QVERIFY(printer.pageExtent().height() > printer.viewport()->height() * 8 / 10);
        for (int percent : {25, 50, 75, 100, 125, 150, 175}) {
            QTest::keyClick(zoom, Qt::Key_Down);
            QCOMPARE(printer.ZoomPercent(), percent);
        }
        zoom->lineEdit()->selectAll();
        QTest::keyClicks(zoom->lineEdit(), QStringLiteral("55%"));
        QTest::keyClick(zoom->lineEdit(), Qt::Key_Return);
        QCOMPARE(printer.ZoomPercent(), 55);
        QVERIFY(dialog.isVisible()); // Enter does not close the window
        for (const QString& bad : {QStringLiteral("9"), QStringLiteral("901"),
                                   QStringLiteral("abc"), QStringLiteral("50%%")}) {
            errors_.clear();
            zoom->lineEdit()->selectAll();
            QTest::keyClicks(zoom->lineEdit(), bad);
            QTest::keyClick(zoom->lineEdit(), Qt::Key_Return);
            QCOMPARE(errors_.size(), size_t{1});
            QCOMPARE(errors_[0].number, -47);
            QCOMPARE(printer.ZoomPercent(), 55);
            QCOMPARE(zoom->currentText(), QStringLiteral("55%")); // the good zoom, back
        }
        QVERIFY(dirEmpty());
    }

    void noPrinter_printOffersPdfOfEveryReport() {
        TPrintReportsDlg dialog(prefs_, nullptr, true);
        preview(dialog, {kArchiveScoresReport, kTeamReport});
        TPrintReportsDlg::setNextPdfFileName(QString());
        QTest::mouseClick(child<QToolButton>(dialog, "PrintBtn"), Qt::LeftButton);
        QVERIFY(dirEmpty());
        TPrintReportsDlg::setNextPdfFileName(path("reports.pdf"));
        QTest::mouseClick(child<QToolButton>(dialog, "PrintBtn"), Qt::LeftButton);
        const QStringList pages = pdfPages(path("reports.pdf"));
        QCOMPARE(pages.size(), 2);
        QVERIFY(pages[0].contains(QStringLiteral("Scores")));
        QVERIFY(pages[1].contains(QStringLiteral("Team Rankings")));
        QVERIFY(errors_.empty());
    }

    // The season outlook's report: tables in plain lines, a page per conference.
    void plainLines_holdTablesAndPageBreaks() {
        TPrintReportsDlg dialog(prefs_, nullptr, true);
        TPrintReportsDlg::setNextPdfFileName(path("outlook.pdf"));
        dialog.PrintSchedule({QStringLiteral("{$B}AFC"), QStringLiteral("{$B}Team|Seed"),
                              QStringLiteral("Kansas City Chiefs|1"), QStringLiteral("\f"),
                              QStringLiteral("{$B}NFC"), QStringLiteral("Detroit Lions|1")},
                             kPlainScheduleLines, false, QStringLiteral("Season Outlook"));
        const QStringList pages = pdfPages(path("outlook.pdf"));
        QCOMPARE(pages.size(), 2);
        QVERIFY2(pages[0].contains(QStringLiteral("Kansas City Chiefs 1")), qPrintable(pages[0]));
        QVERIFY(!pages[0].contains(QStringLiteral("|")));
        QVERIFY(pages[1].contains(QStringLiteral("Detroit Lions 1")));
        QVERIFY(errors_.empty());
    }

    void fontDialog_confirmedUnchanged_keepsTheStoredSizeOfAFittedPage() {
        tPrefsRec prefs;
        prefs.reports[kSpreadsGridReport - 1].font.size = 22; // printed smaller to fit
        TPrintReportsDlg dialog(prefs, nullptr, true);
        preview(dialog, {kSpreadsGridReport});
        QVERIFY(dialog.pagePrinter().writer().Font().pointSizeF() < 22);
        inModal([](QWidget& fonts) { QTest::keyClick(&fonts, Qt::Key_Return); });
        QTest::mouseClick(child<QToolButton>(dialog, "FontBtn"), Qt::LeftButton);
        QCOMPARE(prefs.reports[kSpreadsGridReport - 1].font.size, 22);
    }

    void fontAndOptions_areKeptForTheReportKind() {
        tPrefsRec prefs;
        TPrintReportsDlg dialog(prefs, nullptr, true);
        preview(dialog, {kTeamReport});
        TPrintReportsDlg::setNextFont(QFont(QStringLiteral("Courier New"), 12));
        QTest::mouseClick(child<QToolButton>(dialog, "FontBtn"), Qt::LeftButton);
        QCOMPARE(prefs.reports[0].font.name, std::string("Courier New"));
        QCOMPARE(prefs.reports[0].font.size, 12);
        QVERIFY(prefs.reports[1] == tPrefsRec().reports[1]);

        inModal([](QWidget& options) {
            QCheckBox* frame = child<QCheckBox>(options, "FrameReportCB");
            frame->setFocus();
            QTest::keyClick(frame, Qt::Key_Space);
            QTest::keyClick(&options, Qt::Key_Return);
        });
        QTest::mouseClick(child<QToolButton>(dialog, "PrintPrefsBtn"), Qt::LeftButton);
        QVERIFY(!prefs.reports[0].frameReport);
        QCOMPARE(dialog.pagePrinter().PageCount(), 1);
    }

    void pageLayout_storesOrientationAndMarginsForTheReportKind() {
        tPrefsRec prefs;
        TPrintReportsDlg dialog(prefs, nullptr, true);
        preview(dialog, {kTeamReport});
        QVERIFY(!dialog.pagePrinter().writer().landscape());
        inModal([](QWidget& setup) { QTest::keyClick(&setup, Qt::Key_Escape); });
        QTest::mouseClick(child<QToolButton>(dialog, "PageSetupBtn"), Qt::LeftButton);
        QVERIFY(prefs.reports[0] == tPrefsRec().reports[0]);

        inModal([](QWidget& setup) {
            // On the button's circle: the rest of its row is not part of the button.
            QTest::mouseClick(child<QRadioButton>(setup, "landscape"), Qt::LeftButton, {},
                              QPoint(8, 10));
            QDoubleSpinBox* left = child<QDoubleSpinBox>(setup, "leftMargin");
            left->setFocus();
            left->selectAll();
            QTest::keyClicks(left, QStringLiteral("30"));
            QTest::keyClick(&setup, Qt::Key_Return);
        });
        QTest::mouseClick(child<QToolButton>(dialog, "PageSetupBtn"), Qt::LeftButton);
        QVERIFY(prefs.reports[0].landscape);
        QCOMPARE(prefs.reports[0].inches, false);
        QCOMPARE(prefs.reports[0].leftMargin, 30.0);
        QVERIFY(prefs.reports[1] == tPrefsRec().reports[1]);
        // The page is laid out again on the new page.
        QVERIFY(dialog.pagePrinter().writer().landscape());
        QCOMPARE(dialog.pagePrinter().PageCount(), 1);
        QVERIFY(errors_.empty());
    }

    // Prints pages 2 to 3 of a three-column schedule twice, collated, on printer through
    // the print dialog, and gives back every page of the schedule.
    QStringList printTwoToThreeTwiceCollated(QPrinter& printer, const QString& title) {
        tPrefsRec prefs;
        PrinterSource source(printer);
        TPrintReportsDlg dialog(prefs, &source, true);
        inModal([](QWidget& print) {
            if (!child<QRadioButton>(print, "PagesRB")->isEnabled()) { // fewer than 2 pages
                QTest::keyClick(&print, Qt::Key_Escape);
                return;
            }
            QTest::mouseClick(child<QRadioButton>(print, "PagesRB"), Qt::LeftButton);
            for (auto [name, text] : {std::pair{"FromME", "2"}, std::pair{"ToME", "3"}}) {
                QLineEdit* edit = child<QLineEdit>(print, name);
                edit->setFocus();
                edit->selectAll();
                QTest::keyClicks(edit, QString::fromLatin1(text));
            }
            QSpinBox* copies = child<QSpinBox>(print, "NumCopiesUpDown");
            copies->setFocus();
            QTest::keyClick(copies, Qt::Key_Up);
            QCheckBox* collate = child<QCheckBox>(print, "CollateCheckBox");
            collate->setFocus();
            QTest::keyClick(collate, Qt::Key_Space);
            QTest::mouseClick(child<QPushButton>(print, "PrintBtn"), Qt::LeftButton);
        });
        dialog.PrintSchedule(scheduleLines(), kThreeColumns, false, title);
        if (!errors_.empty() || dialog.pagePrinter().PageCount() < 3 ||
            !dialog.pagePrinter().SaveAsPdf(path("all.pdf").toStdString()).ok())
            return {};
        return pdfPages(path("all.pdf"));
    }

    void schedule_pagesTwoToThreeTwiceCollated() {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path("printed.pdf"));
        const QStringList all = printTwoToThreeTwiceCollated(printer, QStringLiteral("Schedule"));
        QVERIFY(all.size() >= 3);
        const QStringList printed = pdfPages(path("printed.pdf"));
        QCOMPARE(printed, (QStringList{all[1], all[2], all[1], all[2]}));
    }

    void schedule_onACupsQueue_pagesTwoToThreeTwiceCollated() {
        // A real spooler: a CUPS queue that writes PDF files (cups-pdf) into a folder.
        const QString queue = qEnvironmentVariable("ODDSMITH_CUPS_PRINTER");
        const QDir output(qEnvironmentVariable("ODDSMITH_CUPS_OUTPUT"));
        if (queue.isEmpty() || !output.exists())
            QSKIP("set ODDSMITH_CUPS_PRINTER and ODDSMITH_CUPS_OUTPUT to print to CUPS");
        QPrinter printer(QPrinter::HighResolution);
        printer.setPrinterName(queue);
        QVERIFY(printer.isValid());
        const QString title =
            QStringLiteral("oddsmith-collation-%1").arg(QDateTime::currentMSecsSinceEpoch());
        const QStringList all = printTwoToThreeTwiceCollated(printer, title);
        QVERIFY(all.size() >= 3);
        QString printedFile;
        QVERIFY(QTest::qWaitFor(
            [&] {
                const QStringList found = output.entryList({title + QStringLiteral("*.pdf")});
                if (!found.isEmpty())
                    printedFile = output.filePath(found.first());
                return !found.isEmpty();
            },
            60000));
        // The spooler re-encodes the fonts, so the pages are told apart by their pictures.
        QList<QImage> printed;
        QVERIFY(QTest::qWaitFor(
            [&] { return (printed = pageImages(printedFile, path("printed"))).size() == 4; },
            10000));
        QVERIFY(printed[0] != printed[1]);
        QCOMPARE(printed[2], printed[0]);
        QCOMPARE(printed[3], printed[1]);
    }

    void schedule_cancelledPrintWritesNothing() {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path("cancelled.pdf"));
        tPrefsRec prefs;
        PrinterSource source(printer);
        TPrintReportsDlg dialog(prefs, &source, true);
        inModal([](QWidget& print) { QTest::keyClick(&print, Qt::Key_Escape); });
        dialog.PrintSchedule(scheduleLines(), kOneColumn, false, QStringLiteral("Schedule"));
        QVERIFY(!QFile::exists(path("cancelled.pdf")));
    }
};

QTEST_MAIN(TPrintReportsDlgTest)
#include "TPrintReportsDlg_test.moc"
