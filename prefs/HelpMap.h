#pragma once

#include "files/Failure.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace grd {

// The help bundle's index: which topic file shows each context number, and the
// table of contents. Read from the bundle's map file, lines of
//   <context> <file> <title>     a contents entry opened by a context number
//   <context> <file>             a context number only, such as a page's section
//   - <file> <title>             a contents entry without a context number
// where the file is relative to the bundle (a "#section" may follow) and '#'
// starts a comment line.
class HelpMap {
public:
    struct Topic {
        int context = 0; // 0: none
        std::string file;
        std::string title;
    };

    static constexpr std::string_view kBundleName = "GRDOdds.help";
    static constexpr std::string_view kMapFileName = "contexts.map";

    // -52 with the bundle's path when the bundle or its map is missing or unreadable,
    // -53 when the map names no topic.
    static Result<HelpMap> load(const std::filesystem::path& bundleDir);
    static HelpMap parse(std::string_view text);

    // The topic file of a context number; the first topic for an unknown number.
    std::string fileFor(int context) const;
    const std::vector<Topic>& topics() const { return topics_; }
    // The entries with a title, in file order.
    std::vector<Topic> contents() const;

private:
    std::vector<Topic> topics_;
};

} // namespace grd
