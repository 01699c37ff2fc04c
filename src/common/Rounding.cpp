#include "Rounding.h"

#include <cmath>
#include <limits>

namespace Rounding {

double RoundHalfEven(double x) {
    if (!std::isfinite(x)) {
        return x;
    }
    const double below = std::floor(x);
    const double fraction = x - below; // exact: below and x are within 1 of each other
    if (fraction > 0.5) {
        return below + 1.0;
    }
    if (fraction < 0.5) {
        return below;
    }
    return std::floor(below * 0.5) * 2.0 == below ? below : below + 1.0;
}

std::optional<std::int32_t> TryRoundToInt32(double x) {
    const double r = RoundHalfEven(x);
    if (std::isnan(r) || r < std::numeric_limits<std::int32_t>::min() ||
        r > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(r);
}

std::int32_t RoundToInt32(double x) {
    if (std::isnan(x)) {
        return 0;
    }
    const double r = RoundHalfEven(x);
    if (r <= std::numeric_limits<std::int32_t>::min()) {
        return std::numeric_limits<std::int32_t>::min();
    }
    if (r >= std::numeric_limits<std::int32_t>::max()) {
        return std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(r);
}

} // namespace Rounding
