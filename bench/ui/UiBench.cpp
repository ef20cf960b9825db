#include "UiBench.h"

#include <QApplication>

#include <cstdlib>
#include <string>
#include <unistd.h>

namespace grd::bench {

namespace fs = std::filesystem;

QApplication& application() {
    static int argc = 1;
    static char name[] = "oddsmith_ui_bench";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

const fs::path& replayedDir() {
    static const fs::path dir = [] {
        const fs::path program =
            fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "program";
        fs::path copy =
            fs::temp_directory_path() / ("oddsmith-print-bench-" + std::to_string(getpid()));
        fs::remove_all(copy);
        fs::create_directories(copy);
        for (const char* name : {"GRDStructure.txt", "GRDSchedule.ccs", "GRDNames.ccn",
                                 "MAIN-DTA.GRD", "Oddsmith", "libGRDOdds.so", "GRDOdds.help"})
            fs::copy(program / name, copy / name, fs::copy_options::recursive);
        std::string replay = (program / "grdtool").string() + " replay " + copy.string() + " " +
                             ODDSMITH_DATA_DIR "games-2025.csv --through 5 > /dev/null";
        if (std::system(replay.c_str()) != 0)
            std::abort();
        return copy;
    }();
    return dir;
}

} // namespace grd::bench
