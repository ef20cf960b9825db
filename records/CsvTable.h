#pragma once

#include "files/Failure.h"

#include <string>
#include <string_view>
#include <vector>

namespace grd {

// A comma-separated table whose first line names its columns, as the league's
// source records come. Fields hold no quoted commas.
class CsvTable {
public:
    struct Row {
        int line = 0; // in the file, for messages
        std::vector<std::string> fields;
    };

    // Fails naming the line when a required column is missing or a row is short.
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

} // namespace grd
