#include "printing/ui/TPPPrnPrgDlg.h"
#include "printing/ui/TPagePrinter.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

using namespace grd;

namespace {

// Five pages, each saying its number.
void writeFivePages(TPagePrinter& printer) {
    PageWriter& writer = printer.writer();
    writer.setTableFormat(QStringLiteral("<100"));
    writer.setTitle(QStringLiteral("Five Pages"));
    writer.StartDocument();
    for (int page = 1; page <= 5; ++page) {
        if (page > 1)
            writer.StartNewPage();
        writer.WriteTableRow(QStringLiteral("Printed page {$PAGE}"));
    }
    writer.FinishDocument();
}

QString pdfText(const QString& file) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QStringList printedPages(const QString& file) {
    QStringList pages;
    for (const QString& page : pdfText(file).split(QLatin1Char('\f'), Qt::SkipEmptyParts))
        pages << page.simplified();
    return pages;
}

} // namespace

class TPagePrinterTest : public QObject {
    Q_OBJECT

private:
    grd::test::TempDir dir_;

    QString path(const char* name) const {
        return QString::fromStdString((dir_.path() / name).string());
    }

private slots:
    void showPage_outsideThePagesIsRefused() {
        TPagePrinter printer;
        try {
            printer.ShowPage(1);
            QFAIL("no pages yet");
        } catch (const EPagePrinter& refused) {
            QCOMPARE(QString::fromUtf8(refused.what()),
                     QStringLiteral("PageNumber must be between 1 and "));
        }
        writeFivePages(printer);
        QCOMPARE(printer.shownPage(), 1);
        printer.ShowPage(5);
        QCOMPARE(printer.shownPage(), 5);
        for (int wrong : {0, 6}) {
            try {
                printer.ShowPage(wrong);
                QFAIL("not a page");
            } catch (const EPagePrinter& refused) {
                QCOMPARE(QString::fromUtf8(refused.what()),
                         QStringLiteral("PageNumber must be between 1 and 5"));
            }
        }
    }

    void zoomAndFits_scaleThePageToTheClientArea() {
        TPagePrinter printer;
        writeFivePages(printer);
        printer.resize(600, 500);
        printer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&printer));
        printer.setZoomPercent(100);
        int dpi = printer.logicalDpiX();
        const PageMetrics& m = printer.writer().metrics();
        QCOMPARE(printer.pageExtent().width(), qRound(m.pageWidth * dpi / 300.0));
        printer.FitWholePage(); // a portrait page in a wide client: fit the height
        QVERIFY(printer.pageExtent().height() <= printer.viewport()->height());
        QVERIFY(printer.pageExtent().height() >= printer.viewport()->height() - 40);
        printer.FitPageWidth();
        QVERIFY(printer.pageExtent().width() <= printer.width());
        QVERIFY(printer.pageExtent().width() >= printer.width() - 40);
        // A fit follows the window's size; a percentage does not.
        printer.FitWholePage();
        printer.resize(900, 800);
        QTRY_VERIFY(printer.pageExtent().height() >= printer.viewport()->height() - 40);
        QVERIFY(printer.pageExtent().height() <= printer.viewport()->height());
        printer.setZoomPercent(60);
        printer.resize(600, 500);
        QTRY_COMPARE(printer.viewport()->height() < 500, true);
        QCOMPARE(printer.ZoomPercent(), 60);
        printer.setZoomPercent(175);
        printer.setShowMargins(true);
        QImage shot = printer.grab().toImage();
        QVERIFY(!shot.isNull());
    }

    void printPages_followsRangeCopiesAndCollation() {
        TPagePrinter printer;
        writeFivePages(printer);
        printer.printOptions().fromPage = 2;
        printer.printOptions().toPage = 3;
        printer.printOptions().copies = 2;
        for (bool collate : {true, false}) {
            QPrinter pdf(QPrinter::HighResolution);
            pdf.setOutputFormat(QPrinter::PdfFormat);
            QString file = path(collate ? "collated.pdf" : "uncollated.pdf");
            pdf.setOutputFileName(file);
            printer.printOptions().collate = collate;
            QCOMPARE(printer.PrintPages(pdf), PrintOutcome::Printed);
            QStringList expected =
                collate ? QStringList{"2", "3", "2", "3"} : QStringList{"2", "2", "3", "3"};
            for (QString& page : expected)
                page = QStringLiteral("Printed page ") + page;
            QCOMPARE(printedPages(file), expected);
        }
    }

    void printPages_cancelStopsBetweenPages() {
        TPagePrinter printer;
        writeFivePages(printer);
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(path("cancelled.pdf"));
        pdf.setCopyCount(3);
        QTimer::singleShot(0, [&] {
            TPPPrnPrgDlg* dialog = nullptr;
            for (QWidget* top : QApplication::topLevelWidgets())
                if (auto* found = qobject_cast<TPPPrnPrgDlg*>(top))
                    dialog = found;
            QVERIFY(dialog);
            QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("lblStatus"))->text(),
                     QStringLiteral("Sending Pages To Printer"));
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btnCancel")),
                              Qt::LeftButton);
        });
        QCOMPARE(printer.PrintPages(pdf), PrintOutcome::Cancelled);
        QCOMPARE(pdf.copyCount(), 3); // the printer's own count is given back
    }

    void saveAsPdf_writesEveryPage() {
        TPagePrinter printer;
        writeFivePages(printer);
        QVERIFY(printer.SaveAsPdf(dir_.path() / "saved.pdf").ok());
        QStringList pages = printedPages(path("saved.pdf"));
        QCOMPARE(pages.size(), 5);
        QCOMPARE(pages[4], QStringLiteral("Printed page 5"));
        const std::string missing = (dir_.path() / "missing" / "saved.pdf").string();
        Status refused = printer.SaveAsPdf(missing);
        QVERIFY(!refused.ok());
        QCOMPARE(refused.failure().number, -35);
        const std::string& detail = refused.failure().detail;
        QVERIFY2(detail.find(missing) != std::string::npos &&
                     detail.find(missing, detail.find(missing) + 1) == std::string::npos,
                 detail.c_str()); // named once
    }
};

QTEST_MAIN(TPagePrinterTest)
#include "TPagePrinter_test.moc"
