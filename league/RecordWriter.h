#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace grd {

// Writes the records that the record readers read back: CR-terminated texts,
// 32-bit little-endian integers and little-endian IEEE doubles.
class RecordWriter {
public:
    void text(std::string_view value);
    void integer(int32_t value);
    void real(double value);

    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
};

} // namespace grd
