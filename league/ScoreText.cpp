#include "league/ScoreText.h"

#include "league/Format.h"

namespace grd {

Result<int> parseScore(std::string_view text) {
    auto value = parseInteger(text);
    if (!value || *value < 0 || *value > kHighestScore) {
        return Failure{-23, {}};
    }
    return static_cast<int>(*value);
}

} // namespace grd
