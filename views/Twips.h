#pragma once
// The one place where layout units become screen units.

#include <cmath>

namespace vibralume {

/// Twips per logical pixel at 100 % zoom (1440 twips per inch, 96 pixels per inch).
inline constexpr double TwipsParPixel = 15.0;
/// Twips per centimetre.
inline constexpr double TwipsParCm = 1440.0 / 2.54;

/// A length in twips as logical pixels, rounded to the nearest pixel.
inline int twips(double t) { return static_cast<int>(std::nearbyint(t / TwipsParPixel)); }

/// A font size in points as a pixel size (one point is 20 twips).
inline int pointsEnPixels(double pt) { return twips(pt * 20.0); }

} // namespace vibralume
