#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace grd {

// printf-style formatting that always uses the "C" locale's decimal point, so texts
// and files read the same under every user locale. One difference from C: an
// integer's precision never hides a zero ("%4.0d" of 0 gives "   0").
std::string cformat(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Locale-independent number parsing of a whole text (surrounding blanks allowed).
std::optional<long long> parseInteger(std::string_view text);
std::optional<double> parseReal(std::string_view text);

// The parts of text between separators; an empty text is one empty part.
std::vector<std::string_view> splitAt(std::string_view text, char separator);

// A real turned into an integer: the nearest one, halves to the even neighbour.
long long roundHalfEven(double value);

} // namespace grd
