#pragma once

#include <string>
#include <vector>

namespace grd::tool {

using Args = std::vector<std::string>;

// Each command takes the words after its name and returns the process exit code.
// Errors go to standard error naming the file, the line or record and what is wrong.
int pack(const Args& args);
int unpack(const Args& args);
int buildSchedule(const Args& args);
int dump(const Args& args);
int init(const Args& args);
int newSeason(const Args& args);
int replay(const Args& args);
int report(const Args& args);
int accuracy(const Args& args);
int outlook(const Args& args);
int fetch(const Args& args);

} // namespace grd::tool
