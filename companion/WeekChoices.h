#pragma once

#include <string>
#include <vector>

// The entries of the week chooser for a season of N regular weeks: entry W is the
// week code W.
std::vector<std::string> weekChoices(int regularWeeks);
