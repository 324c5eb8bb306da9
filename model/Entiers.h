#pragma once
// Conversions of reals to the program's fixed-width integers. The rounding is
// to the nearest integer with ties to even; a real that does not fit gives no
// value at all, where a plain cast would be undefined behaviour.

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace vibralume {

/// The integer of type T nearest to x (ties to even), or nothing for NaN or out of range.
template <typename T> std::optional<T> EnEntier(double x) {
    const double r = std::nearbyint(x);
    if (!(r >= static_cast<double>(std::numeric_limits<T>::min()) &&
          r <= static_cast<double>(std::numeric_limits<T>::max()))) {
        return std::nullopt;
    }
    return static_cast<T>(r);
}

/// The int16_t nearest to x (ties to even), or nothing when x does not fit.
inline std::optional<int16_t> EnInt16(double x) {
    return EnEntier<int16_t>(x);
}

/// The int32_t nearest to x (ties to even), or nothing when x does not fit.
inline std::optional<int32_t> EnInt32(double x) {
    return EnEntier<int32_t>(x);
}

} // namespace vibralume
