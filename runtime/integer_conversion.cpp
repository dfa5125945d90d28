#include "runtime/integer_conversion.h"

#include <cmath>
#include <limits>

namespace veltrop::runtime {
namespace {

std::optional<std::int16_t> ToInt16(double whole) {
    // Also false for NaN, so nothing undefined reaches the cast.
    if (!(whole >= std::numeric_limits<std::int16_t>::min() &&
          whole <= std::numeric_limits<std::int16_t>::max())) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(whole);
}

}  // namespace

std::optional<std::int16_t> RoundToInt16(double value) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    // Explicit rather than nearbyint(), which follows whatever rounding
    // mode the floating-point environment happens to be in.
    const double below = std::floor(value);
    const double fraction = value - below;  // exact for |value| < 2^52
    double rounded = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0)) {
        rounded = below + 1.0;
    }
    return ToInt16(rounded);
}

std::optional<std::int16_t> FloorToInt16(double value) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return ToInt16(std::floor(value));
}

}  // namespace veltrop::runtime
