#pragma once

#include <filesystem>

class QApplication;

namespace grd::bench {

// The one application of the benchmark process.
QApplication& application();

// A program directory holding five replayed weeks of 2025 and the companion library
// and its help, made once per run.
const std::filesystem::path& replayedDir();

} // namespace grd::bench
