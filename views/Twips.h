#pragma once
// The one place where layout units become screen units, at any zoom.

#include <algorithm>
#include <cmath>

namespace vibralume {

/// Twips per logical pixel at 100 % zoom (1440 twips per inch, 96 pixels per inch).
inline constexpr double TwipsParPixel = 15.0;
/// Twips per centimetre.
inline constexpr double TwipsParCm = 1440.0 / 2.54;

/// A length in twips as logical pixels at `zoom` (1 for 100 %), rounded to the nearest pixel.
inline int twips(double t, double zoom = 1) {
    return static_cast<int>(std::nearbyint(t / TwipsParPixel * zoom));
}

/// A font size in points as a pixel size at `zoom` (one point is 20 twips).
inline int pointsEnPixels(double pt, double zoom = 1) {
    return twips(pt * 20.0, zoom);
}

/// A line `pixels` wide at 100 %, in whole pixels at `zoom`, never thinner than one.
inline int epaisseur(int pixels, double zoom) {
    return std::max(1, static_cast<int>(std::nearbyint(pixels * zoom)));
}

} // namespace vibralume
