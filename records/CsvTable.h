#pragma once

#include "files/BoundedFile.h"
#include "files/Failure.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace grd {

// Bounds on a records file: a season's records are far below them, and anything
// beyond is not records but would take the machine's memory.
inline constexpr std::uint64_t kMaxRecordsFileBytes = 64u << 20;
inline constexpr std::size_t kMaxRecordsLineBytes = 64u << 10;
inline constexpr std::size_t kMaxRecordsRows = 200'000;

// A comma-separated table whose first line names its columns, as the league's
// source records come. Fields hold no quoted commas. Lines end in CR LF, LF or CR.
class CsvTable {
public:
    struct Row {
        int line = 0;     // in the file, for messages
        std::string text; // the whole line; fields are cut from it when asked for
    };

    // Fails naming the line when a required column is missing, a row is short, a line
    // is longer than kMaxRecordsLineBytes or there are more than kMaxRecordsRows rows.
    // A byte order mark before the header is passed over.
    static Result<CsvTable> parse(std::string_view text,
                                  const std::vector<std::string_view>& required);

    const std::vector<Row>& rows() const { return rows_; }
    // The field of a column named in the header; empty when there is no such column.
    std::string_view field(const Row& row, std::string_view column) const;

private:
    std::vector<std::string> header_;
    std::vector<Row> rows_;
};

// A field as a message quotes it: bytes other than printable ASCII as \xNN, a long
// field cut short, so that no input can garble or flood the message.
std::string printableField(std::string_view field);

// "line 12: " and what is wrong, as the data tool reports bad records.
Failure lineFailure(int line, const std::string& what);

// The text of a records file, refused when it is not a regular file or is larger
// than kMaxRecordsFileBytes; progress may stop the read.
Result<std::string> readRecordsFile(const std::filesystem::path& path,
                                    const ReadProgress& progress = {});

} // namespace grd
