#include "app/PdfRequest.h"
#include "app/Startup.h"
#include "app/ui/AppIcon.h"
#include "app/ui/PdfExport.h"
#include "app/ui/TMainForm.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("GRD Oddsmith"));
    QApplication::setApplicationDisplayName(QStringLiteral("GRD Oddsmith"));
    grd::PdfArguments pdf = grd::parsePdfArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (!pdf.problem.empty()) {
        std::fprintf(stderr,
                     "Oddsmith: %s\nusage: Oddsmith --pdf OUT.pdf [--archive FILE] "
                     "[--reports LIST] [--schedule 1|2|3]\n",
                     pdf.problem.c_str());
        return 2;
    }
    if (pdf.request) {
        std::string dir =
            grd::programDirectoryOf(QApplication::applicationFilePath().toStdString());
        return grd::exportPdf(*pdf.request, dir);
    }
    QApplication::setWindowIcon(grd::appIcon());
    grd::TMainForm window;
    window.show();
    return QApplication::exec();
}
