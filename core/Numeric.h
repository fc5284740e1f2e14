// Rounding and integer division as the engine's arithmetic uses them.
#pragma once

#include <cmath>
#include <cstdint>

namespace vokadlo {

// Rounds to the nearest integer, ties to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
// Values outside the 64-bit range saturate.
inline std::int64_t Round(double x) {
    if (std::isnan(x)) {
        return 0;
    }
    if (x >= 9.2e18) {
        return INT64_MAX;
    }
    if (x <= -9.2e18) {
        return INT64_MIN;
    }
    double r = std::nearbyint(x);  // default rounding mode: to nearest, ties to even
    return static_cast<std::int64_t>(r);
}

// Integer division truncating toward zero (C++'s own `/` on integers); b must not be 0.
inline constexpr std::int64_t Div(std::int64_t a, std::int64_t b) {
    return a / b;
}

}  // namespace vokadlo

namespace vokadlo {

// Narrows to 32 bits, saturating at the ends of the range.
inline constexpr std::int32_t ClampToInt32(std::int64_t x) {
    return x > INT32_MAX ? INT32_MAX : (x < INT32_MIN ? INT32_MIN : static_cast<std::int32_t>(x));
}

}  // namespace vokadlo
