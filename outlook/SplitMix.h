#pragma once

#include <cstdint>

namespace grd {

// The splitmix64 finaliser: spreads a seed's bits, so that neighbouring seeds (runs,
// team numbers) give unrelated streams and coin tosses.
inline uint64_t splitMix(uint64_t x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

} // namespace grd
