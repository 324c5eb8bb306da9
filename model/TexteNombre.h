#pragma once
// The one rule by which numbers are written into captions and on the ruler.

#include <string>

namespace vibralume {

/// A space (or a minus sign) then the shortest form with at most 15 significant
/// digits, a point whatever the locale, no leading zero below 1: 0.5 -> " .5".
std::string TexteNombre(double x);

/// The point and the fraction digits of |x| as TexteNombre writes them (0.05 -> ".05"),
/// empty for a whole value.
std::string PartieDecimale(double x);

} // namespace vibralume
