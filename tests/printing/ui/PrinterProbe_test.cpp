#include "TestConfig.h"
#include "printing/ui/PrinterProbe.h"
#include "printing/ui/PrinterSource.h"
#include "support/TempDir.h"

#include <QPrinter>
#include <QtTest>

#include <filesystem>

using namespace grd;

namespace {

PrinterPage pageOf(const char* name, int dpi, QPageSize size, QPageLayout::Orientation turn,
                   QMarginsF minimum, QPageLayout::Unit unit) {
    return {QString::fromUtf8(name), dpi, QPageLayout(size, turn, minimum, unit, minimum)};
}

// Both orientations, as the preview lays pages out.
void compareMetrics(const std::optional<PrinterPage>& got,
                    const std::optional<PrinterPage>& expected) {
    for (bool landscape : {false, true})
        QCOMPARE(pageMetricsOf(got, TMeasureUnit::muInches, landscape),
                 pageMetricsOf(expected, TMeasureUnit::muInches, landscape));
}

const QString kProgram = QStringLiteral(ODDSMITH_PROGRAM_DIR "Oddsmith");

} // namespace

class PrinterProbeTest : public QObject {
    Q_OBJECT

private slots:
    void answer_readsBackToTheSamePage() {
        const std::vector<PrinterPage> pages{
            pageOf("Office", 600, QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                   {0.25, 0.25, 0.25, 0.25}, QPageLayout::Inch),
            pageOf("Laser A4", 1200, QPageSize(QPageSize::A4), QPageLayout::Landscape,
                   {4.23, 4.1, 3.9, 12.7}, QPageLayout::Millimeter),
            pageOf("", 300, QPageSize(QSizeF(611.5, 1007.3), QPageSize::Point),
                   QPageLayout::Portrait, {18, 0, 9.75, 36}, QPageLayout::Point),
        };
        for (const PrinterPage& page : pages) {
            const std::string text = printerAnswerText({page});
            const std::optional<PrinterAnswer> read = readPrinterAnswer(text);
            QVERIFY2(read && read->page, text.c_str());
            QCOMPARE(read->page->name, page.name);
            QCOMPARE(read->page->dpi, page.dpi);
            compareMetrics(read->page, page);
            QCOMPARE(printerAnswerText(*read), text);
        }
        const std::optional<PrinterAnswer> none = readPrinterAnswer(printerAnswerText({}));
        QVERIFY(none && !none->page);
    }

    void answer_refusesWhatIsNotOne() {
        const std::string good =
            printerAnswerText({pageOf("P", 600, QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      {1, 2, 3, 4}, QPageLayout::Millimeter)});
        QVERIFY(readPrinterAnswer(good));
        auto with = [&](const std::string& from, const std::string& to) {
            std::string text = good;
            text.replace(text.find(from), from.size(), to);
            return text;
        };
        for (const std::string& text :
             {std::string(), std::string("none"), std::string("nothing\n"), good.substr(0, 20),
              good.substr(0, good.size() - 1), with("\t600\t", "\t0\t"), with("\t600\t", "\t6x0\t"),
              with("\t210\t", "\t-210\t"), with("\t210\t", "\tnan\t"), with("\t210\t", "\t2,5\t"),
              with("\t1\t2\t3\t4", "\t1\t2\t3\t4\t5"), with("\t1\t2\t3\t4", "\t1\t2\t3\tinf"),
              with("\t0\t0\t", "\t9\t0\t"), with("\tP\t", "\tP\tQ\t"), good + good})
            QVERIFY2(!readPrinterAnswer(text), text.c_str());
    }

    // The program itself answers what this process would see.
    void program_answersAsThisProcessSees() {
        const std::optional<PrinterAnswer> answer = askPrinterPage(kProgram);
        QVERIFY(answer);
        QPrinter printer(QPrinter::HighResolution);
        const std::optional<PrinterPage> here = printerPageOf(printer);
        QCOMPARE(answer->page.has_value(), here.has_value());
        if (here)
            QCOMPARE(answer->page->name, here->name);
        compareMetrics(answer->page, here);
    }

    void program_thatDoesNotAnswerGivesNothing() {
        test::TempDir dir;
        const std::filesystem::path script = dir.write("sleeper", "#!/bin/sh\nexec sleep 30\n");
        std::filesystem::permissions(script, std::filesystem::perms::owner_exec,
                                     std::filesystem::perm_options::add);
        const QString sleeper = QString::fromStdString(script.string());
        for (const QString& program :
             {QStringLiteral("/nonexistent/Oddsmith"), QStringLiteral("/bin/false"),
              QStringLiteral("/bin/echo"), sleeper})
            QVERIFY2(!askPrinterPage(program, 500), qPrintable(program));
    }

    // Laying pages out must not load the print system into the program.
    void source_makesThePrinterOnlyToPrint() {
        PrinterSource asking(kProgram);
        const std::optional<PrinterPage> page = asking.page();
        QVERIFY(!asking.printerMade());
        QPrinter printer(QPrinter::HighResolution);
        compareMetrics(page, printerPageOf(printer));
        QCOMPARE(asking.ready(), page.has_value());
        QVERIFY(!asking.printerMade());
        asking.printer();
        QVERIFY(asking.printerMade());

        PrinterSource unanswered(QStringLiteral("/bin/false"));
        compareMetrics(unanswered.page(), page);
        QVERIFY(unanswered.printerMade());
    }
};

QTEST_MAIN(PrinterProbeTest)
#include "PrinterProbe_test.moc"
