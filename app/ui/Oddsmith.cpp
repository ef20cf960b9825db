#include "app/ui/ApplicationSetup.h"
#include "app/ui/CommandLine.h"
#include "app/ui/PdfExport.h"
#include "app/ui/TMainForm.h"
#include "printing/ui/PrinterProbe.h"
#include "state/DataDirectory.h"

#include <QApplication>

#include <cstdio>

namespace {

QStringList argumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

int main(int argc, char** argv) {
    QApplication::setApplicationName(QStringLiteral("GRD Oddsmith"));
    QApplication::setApplicationVersion(QStringLiteral(ODDSMITH_VERSION));
    // Without Qt's own options the command line is answered before the application
    // exists, so --help, --version and a wrong call need no display.
    if (const QStringList words = argumentsOf(argc, argv); !grd::holdsQtOptions(words)) {
        if (const grd::CommandLine early = grd::parseCommandLine(words); early.exitCode)
            return grd::finishCommandLine(early);
    }

    QApplication app(argc, argv);
    const grd::CommandLine line = grd::parseCommandLine(QApplication::arguments());
    if (line.exitCode)
        return grd::finishCommandLine(line);
    if (line.printerPage)
        return grd::answerPrinterPage();
    grd::setUpApplication();
    const grd::DataDirectoryChoice choice = grd::chooseDataDirectory(grd::requestFromEnvironment(
        line.dataDir, grd::programDirectoryOf(QApplication::applicationFilePath().toStdString())));
    if (!choice.ok()) {
        std::fprintf(stderr, "Oddsmith: %s\n", choice.problem.c_str());
        return 1;
    }
    if (line.pdf)
        return grd::exportPdf(*line.pdf, choice.paths.dataDir);
    grd::TMainForm window(choice.paths);
    window.show();
    return QApplication::exec();
}
