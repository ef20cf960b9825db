#include "tools/Commands.h"

#include <cstdio>

// Commands whose code has not landed yet; each moves to a file of its own.
namespace grd::tool {

namespace {
int notYet(const char* name) {
    std::fprintf(stderr, "grdtool: '%s' is not available in this build\n", name);
    return 2;
}
} // namespace

int replay(const Args&) { return notYet("replay"); }

} // namespace grd::tool
