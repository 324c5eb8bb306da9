#pragma once
// What the pupil reads off the model: the sensors' pressure, the oscilloscope's
// sweep position, and the highlighted group of slices.

#include "model/Module1.h"

#include <cstdint>

namespace vibralume {

/// Position (s, 0 to D) within a sweep of D seconds at the simulated time tempsMs.
double PositionBalayage(double tempsMs, double dureeBalayage);

/// Sensor level (oscilloscope units, 3 = rest) at the abscissa x (cm):
/// 4 outside the medium, below 3 in a compression.
double PressionCapteur(const Module1& m, float x);

/// Mouse buttons as the model view reports them.
inline constexpr int BoutonGauche = 1;
inline constexpr int BoutonDroit = 2;

/// `TrancheColoree` after a mouse-up at abscissa x (cm) with the given button:
/// the centre of five slices within 1..49, or 0 for none.
int16_t TrancheColoreeApresClic(int16_t actuelle, int bouton, float x);

} // namespace vibralume
