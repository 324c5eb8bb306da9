#pragma once
// Numbers the whole program shares, each defined here once.

#include <cstdint>

namespace vibralume {

/// 2 pi as the program uses it everywhere (eight digits, on purpose: the
/// phases, the wave number and the tone's samples all follow this value).
inline constexpr double DeuxPi = 6.2831853;

/// Seconds in a day: the clock reads seconds since midnight.
inline constexpr double SecondesParJour = 86400;

/// Milliseconds in a day, the step by which the 32-bit simulated time is
/// moved back before it would overflow.
inline constexpr int64_t MillisecondesParJour = 86'400'000;

} // namespace vibralume
