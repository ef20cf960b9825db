#include "league/SeasonFileText.h"

#include "league/DataLines.h"
#include "league/Format.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>

namespace grd {

std::optional<int> fileVersionOf(std::string_view firstLine) {
    try {
        double version = LineValues(firstLine, 1).real();
        if (std::fabs(version) > 1e6) {
            return std::nullopt;
        }
        return static_cast<int>(roundHalfEven(version * 10));
    } catch (const DataFormatError&) {
        return std::nullopt;
    }
}

Status readSeasonFile(const std::filesystem::path& file, std::string& bytes) {
    auto reason = [&](const std::string& why) {
        return Failure{0, "Cannot open file \"" + file.string() + "\". " + why};
    };
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> stream(std::fopen(file.c_str(), "rb"),
                                                           &std::fclose);
    if (!stream) {
        return reason(std::strerror(errno));
    }
    bytes.clear();
    char buffer[8192];
    size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, stream.get())) > 0) {
        if (bytes.size() + count > DataLines::kMaxBytes) {
            return reason("The file is too large to be a data file.");
        }
        bytes.append(buffer, count);
    }
    if (std::ferror(stream.get()) != 0) {
        return reason(std::strerror(errno));
    }
    return Ok{};
}

} // namespace grd
