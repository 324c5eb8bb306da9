#pragma once
// The main window's controls, as laid out at load.

#include "ui/miseenpage/DefControle.h"

#include <vector>

namespace vibralume {

/// Client area of the main window, in twips.
inline constexpr int LargeurOS = 15120;
inline constexpr int HauteurOS = 10404;
/// Background of the main window.
inline constexpr int FondOS = 0xC0C0C0;

/// Every control of the main window, in layering order.
const std::vector<DefControle>& MiseEnPageOS();

} // namespace vibralume
