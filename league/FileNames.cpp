#include "league/FileNames.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <set>

namespace grd {

namespace {

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Each folder's names by their lower-case form, while a FolderListingScope lives.
using Listing = std::map<std::string, std::set<std::string>>;
thread_local std::optional<std::map<std::filesystem::path, Listing>> tListings;

// The names in dir, taken from the entries' paths without building one for each name.
template <class Visit> void forEachName(const std::filesystem::path& dir, Visit visit) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(dir, error)) {
        std::string_view path = entry.path().native();
        visit(path.substr(path.rfind('/') + 1));
    }
}

Listing& listingOf(const std::filesystem::path& dir) {
    auto emplaced = tListings->try_emplace(dir);
    Listing& listing = emplaced.first->second;
    if (emplaced.second) {
        forEachName(dir, [&](std::string_view name) { listing[toLowerAscii(name)].emplace(name); });
    }
    return listing;
}

} // namespace

bool isPlainFileName(std::string_view name) {
    auto control = [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; };
    return !name.empty() && name.find_first_of("/\\") == std::string_view::npos &&
           name.find("..") == std::string_view::npos && name != "." &&
           std::none_of(name.begin(), name.end(), control);
}

bool isProgramFileName(std::string_view name) {
    static constexpr std::string_view kFixed[] = {
        "MAIN-DTA.GRD",    "main-dta.rvt", "MAIN-DTA.OLD", "tempfile.grd",  "GRDStructure.txt",
        "GRDSchedule.ccs", "GRDNames.ccn", "GRDOdds.cfg",  "GRDRecords.csv"};
    for (std::string_view fixed : kFixed) {
        if (equalsIgnoringCase(name, fixed)) {
            return true;
        }
    }
    auto seasonExtension = [](std::string_view text) {
        return text.size() > 3 && text[text.size() - 3] == '.' &&
               std::isdigit(static_cast<unsigned char>(text[text.size() - 2])) &&
               std::isdigit(static_cast<unsigned char>(text[text.size() - 1]));
    };
    std::string lower = toLowerAscii(name);
    if (lower.starts_with("grdlines.") && lower.ends_with(".csv")) {
        return seasonExtension(name.substr(0, name.size() - 4));
    }
    return isPlainFileName(name) && seasonExtension(name);
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return lowerAscii(x) == lowerAscii(y);
           });
}

std::string toLowerAscii(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), lowerAscii);
    return lower;
}

std::filesystem::path findFileIgnoringCase(const std::filesystem::path& dir,
                                           std::string_view name) {
    std::filesystem::path exact = dir / name;
    std::error_code error;
    if (std::filesystem::exists(exact, error)) {
        return exact;
    }
    if (tListings) {
        // Names in name order, each checked, as a file may have gone since the listing.
        auto& names = listingOf(dir)[toLowerAscii(name)];
        for (const std::string& candidate : names) {
            if (std::filesystem::exists(dir / candidate, error)) {
                return dir / candidate;
            }
        }
        names.emplace(name); // the name the caller will make the file under
        return exact;
    }
    // The first match in name order, so the choice does not depend on the directory's order.
    std::string found;
    forEachName(dir, [&](std::string_view candidate) {
        if (equalsIgnoringCase(candidate, name) && (found.empty() || candidate < found)) {
            found = candidate;
        }
    });
    return found.empty() ? exact : dir / found;
}

std::filesystem::path findFileIgnoringCase(const std::filesystem::path& path) {
    return findFileIgnoringCase(path.parent_path(), path.filename().string());
}

FolderListingScope::FolderListingScope() : outermost_(!tListings) {
    if (outermost_) {
        tListings.emplace();
    }
}

FolderListingScope::~FolderListingScope() {
    if (outermost_) {
        tListings.reset();
    }
}

} // namespace grd
