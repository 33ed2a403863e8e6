// The 59 moon-phase pictures: the illuminated percentage each one stands for.
#pragma once

#include <array>

namespace orvane::conversions {

// Pictures 0..30 show a waxing moon, 31..58 a waning one; the largest value
// is 91 (the set has no full moon).
inline constexpr std::array<float, 59> kMoonPictureIllumination = {
    3,  3.7f,  9,     11,    13,    15, 18,    20,    23,    26,    29,    33, 36,    40,  43,
    47, 51,    53,    57,    61,    64, 67.5f, 71,    73,    77,    79,    83, 84.5f, 87,  89.5f,
    91, 88.5f, 86,    84,    80.5f, 78, 74,    73,    68.5f, 65.5f, 62.5f, 59, 55.5f, 52,  48,
    45, 41.5f, 37.5f, 34.5f, 31.5f, 28, 25,    22.5f, 19,    17,    14,    12, 9.5f,  7.5f};

inline constexpr int kFirstWaningPicture = 31;

}  // namespace orvane::conversions
