#pragma once
// The home page's controls, as laid out at load.

#include "ui/miseenpage/DefControle.h"

#include <vector>

namespace vibralume {

/// Client area of the home page, in twips.
inline constexpr int LargeurAccueil = 9132;
inline constexpr int HauteurAccueil = 5772;
/// Background of the home page.
inline constexpr int FondAccueil = couleur::Marine;
/// Size of the animated band, in twips; its scale spans 100 units across and 10 down.
inline constexpr int LargeurColonne = 9120;
inline constexpr int HauteurColonne = 1815;
inline constexpr double UnitesColonneX = 100;
inline constexpr double UnitesColonneY = 10;

/// What the program is, as the home page tells it.
extern const char* const DescriptionAccueil;

/// Every control of the home page, in layering order.
const std::vector<DefControle>& MiseEnPageAccueil();

} // namespace vibralume
